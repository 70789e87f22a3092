// The launcher window: how it is built from the configuration, and how its
// buttons follow the selected profile and every edit.
#include "modalanswerer.h"
#include "windowwidgets.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>

namespace
{

const QByteArray sampleConfig = "$VERSION\t106\n"
                                "[Profile]\n"
                                "\"Base\"\t\"[Resolution] 2 [PixelDensity] 1 [Input] 1  -base  -x \"\n"
                                "\"Phone\"\t\"[Resolution] 1 [PixelDensity] 0 [Input] 0 \"\n"
                                "\"Broken\"\t\"[Resolution] 99 [PixelDensity] -1 [Input] 0 -b\"\n"
                                "\"Tablet\"\t\"[Resolution] 2 [PixelDensity] 2 [Input] 1 -t\"\n"
                                "[Resolution]\n\"R0\"\t\"\"\n\"R1\"\t\" -windowsize 320x480\"\n"
                                "\"R2\"\t\" -windowsize 480x800\"\n"
                                "[PixelDensity]\n\"D0\"\t\"\"\n\"D1\"\t\" -ppi 160\"\n\"D2\"\t\" -ppi 240\"\n"
                                "[Input]\n\"I0\"\t\"\"\n\"I1\"\t\" -touch\"\n";

} // namespace

class MainWindowTest : public QObject, WindowFixture
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        closeWindow();
    }
    void widgetTree();
    void initialState();
    void switchingProfiles();
    void addUpdateFollowsEdits();
    void removeButtonsFollowIndexes();
    void outOfRangeSelection();
    void profileListSizeHint();

private:
    void open(const QByteArray &config = sampleConfig)
    {
        ModalAnswerer noDialogs;
        openWindow(config);
        QVERIFY(noDialogs.seen().isEmpty());
    }
};

void MainWindowTest::widgetTree()
{
    open();
    QCOMPARE(window->windowTitle(), QStringLiteral("Zelvane Emulator"));
    auto *group = window->findChild<QGroupBox *>();
    QCOMPARE(group->title(), QStringLiteral("Profile"));
    QVERIFY(group->isAncestorOf(w->profileList));
    QVERIFY(group->isAncestorOf(w->argumentsEdit));

    // Profiles and options in file order, never sorted.
    QCOMPARE(Items(w->profileList), QStringList({"Base", "Phone", "Broken", "Tablet"}));
    QCOMPARE(Items(w->resolutionCombo), QStringList({"R0", "R1", "R2"}));
    QCOMPARE(Items(w->pixelDensityCombo), QStringList({"D0", "D1", "D2"}));
    QCOMPARE(Items(w->inputCombo), QStringList({"I0", "I1"}));

    // The form rows: the category labels, then the arguments with a mnemonic.
    auto *form = group->findChild<QFormLayout *>();
    QCOMPARE(form->rowCount(), 4);
    QStringList labels;
    for (int row = 0; row < form->rowCount(); ++row)
        labels << qobject_cast<QLabel *>(form->itemAt(row, QFormLayout::LabelRole)->widget())->text();
    QCOMPARE(labels, QStringList({"Resolution", "Pixel Density", "Input", "&Arguments"}));
    QCOMPARE(qobject_cast<QLabel *>(form->itemAt(3, QFormLayout::LabelRole)->widget())->buddy(),
             w->argumentsEdit);

    // Only Resolution and Pixel Density have Add and Remove buttons.
    QStringList buttons;
    for (QPushButton *button : group->findChildren<QPushButton *>())
        buttons << button->text();
    buttons.sort();
    QCOMPARE(buttons, QStringList({"Add", "Add", "Add", "Remove", "Remove", "Remove"}));

    auto *buttonBox = window->findChild<QDialogButtonBox *>();
    QVERIFY(!group->isAncestorOf(buttonBox));
    QCOMPARE(buttonBox->buttons().size(), 2);
    QCOMPARE(buttonBox->buttonRole(w->helpButton), QDialogButtonBox::HelpRole);
    QCOMPARE(buttonBox->buttonRole(w->launchButton), QDialogButtonBox::AcceptRole);
    QCOMPARE(w->helpButton->text(), QStringLiteral("&Help"));
    QCOMPARE(w->launchButton->text(), QStringLiteral("&Launch"));
}

void MainWindowTest::initialState()
{
    open();
    QCOMPARE(w->profileList->currentRow(), 0);
    QCOMPARE(w->resolutionCombo->currentIndex(), 2);
    QCOMPARE(w->pixelDensityCombo->currentIndex(), 1);
    QCOMPARE(w->inputCombo->currentIndex(), 1);
    QCOMPARE(w->argumentsEdit->text(), QStringLiteral(" -base -x")); // as loaded: one space per token
    QCOMPARE(w->addUpdateButton->text(), QStringLiteral("Add"));
    QVERIFY(!w->addUpdateButton->isEnabled());
    QVERIFY(!w->removeProfileButton->isEnabled());
    // Disabled although profile 0 selects options other than the first.
    QVERIFY(!w->removeResolutionButton->isEnabled());
    QVERIFY(!w->removePixelDensityButton->isEnabled());
    QVERIFY(w->addResolutionButton->isEnabled() && w->helpButton->isEnabled() &&
            w->launchButton->isEnabled() && w->argumentsEdit->isEnabled());
}

void MainWindowTest::switchingProfiles()
{
    open();
    w->profileList->setCurrentRow(3);
    QCOMPARE(w->resolutionCombo->currentIndex(), 2);
    QCOMPARE(w->pixelDensityCombo->currentIndex(), 2);
    QCOMPARE(w->argumentsEdit->text(), QStringLiteral(" -t"));
    QCOMPARE(w->addUpdateButton->text(), QStringLiteral("Update"));
    QVERIFY(!w->addUpdateButton->isEnabled());
    QVERIFY(w->removeProfileButton->isEnabled());
    QVERIFY(w->removePixelDensityButton->isEnabled());

    selectRow(1);
    QCOMPARE(w->resolutionCombo->currentIndex(), 1);
    QCOMPARE(w->pixelDensityCombo->currentIndex(), 0);
    QCOMPARE(w->inputCombo->currentIndex(), 0);
    QCOMPARE(w->argumentsEdit->text(), QString());
    QVERIFY(!w->removePixelDensityButton->isEnabled());
    QVERIFY(!w->addUpdateButton->isEnabled());

    w->profileList->setCurrentRow(0);
    QCOMPARE(w->addUpdateButton->text(), QStringLiteral("Add"));
    QVERIFY(!w->addUpdateButton->isEnabled());
    QVERIFY(!w->removeProfileButton->isEnabled());
    QCOMPARE(w->argumentsEdit->text(), QStringLiteral(" -base -x"));
}

void MainWindowTest::addUpdateFollowsEdits()
{
    open();
    w->argumentsEdit->setFocus();
    w->argumentsEdit->end(false);
    QTest::keyClick(w->argumentsEdit, Qt::Key_Z);
    QVERIFY(w->addUpdateButton->isEnabled());
    QTest::keyClick(w->argumentsEdit, Qt::Key_Backspace);
    QVERIFY(!w->addUpdateButton->isEnabled());

    // Blanks at either end do not count; a second blank inside does.
    QTest::keyClicks(w->argumentsEdit, QStringLiteral("   "));
    w->argumentsEdit->home(false);
    QTest::keyClicks(w->argumentsEdit, QStringLiteral("  "));
    QCOMPARE(w->argumentsEdit->text(), QStringLiteral("   -base -x   "));
    QVERIFY(!w->addUpdateButton->isEnabled());
    w->argumentsEdit->setText(QStringLiteral(" -base  -x"));
    QVERIFY(w->addUpdateButton->isEnabled());
    w->argumentsEdit->setText(QStringLiteral("-base -x"));
    QVERIFY(!w->addUpdateButton->isEnabled());

    // Changing the input refreshes the button and touches no Remove button.
    w->inputCombo->setCurrentIndex(0);
    QVERIFY(w->addUpdateButton->isEnabled());
    QCOMPARE(w->addUpdateButton->text(), QStringLiteral("Add"));
    QVERIFY(!w->removeResolutionButton->isEnabled());
    QVERIFY(!w->removePixelDensityButton->isEnabled());
    w->inputCombo->setCurrentIndex(1);
    QVERIFY(!w->addUpdateButton->isEnabled());

    // On another row the same rule holds, under the name "Update".
    w->profileList->setCurrentRow(1);
    w->pixelDensityCombo->setCurrentIndex(2);
    QCOMPARE(w->addUpdateButton->text(), QStringLiteral("Update"));
    QVERIFY(w->addUpdateButton->isEnabled());
    w->pixelDensityCombo->setCurrentIndex(0);
    QVERIFY(!w->addUpdateButton->isEnabled());
}

void MainWindowTest::removeButtonsFollowIndexes()
{
    open();
    for (auto [combo, remove] : {std::pair{w->resolutionCombo, w->removeResolutionButton},
                                 std::pair{w->pixelDensityCombo, w->removePixelDensityButton}}) {
        combo->setCurrentIndex(0);
        QVERIFY(!remove->isEnabled());
        combo->setCurrentIndex(1);
        QVERIFY(remove->isEnabled());
        combo->setCurrentIndex(0);
        QVERIFY(!remove->isEnabled());
        combo->setCurrentIndex(2);
        QVERIFY(remove->isEnabled());
    }
    // Switching to a profile whose choices equal the current ones changes
    // no combo box, so the Remove buttons keep their state.
    w->resolutionCombo->setCurrentIndex(2);
    w->pixelDensityCombo->setCurrentIndex(2);
    w->profileList->setCurrentRow(3);
    QVERIFY(w->removeResolutionButton->isEnabled());
    QVERIFY(w->removePixelDensityButton->isEnabled());
}

void MainWindowTest::outOfRangeSelection()
{
    open();
    w->profileList->setCurrentRow(2);
    // Neither 99 nor -1 is an item: both combo boxes have no current item.
    QCOMPARE(w->resolutionCombo->currentIndex(), -1);
    QCOMPARE(w->pixelDensityCombo->currentIndex(), -1);
    QVERIFY(w->removeResolutionButton->isEnabled());
    QVERIFY(w->removePixelDensityButton->isEnabled());
    // The window shows -1 where the profile stores 99, so it differs.
    QCOMPARE(w->addUpdateButton->text(), QStringLiteral("Update"));
    QVERIFY(w->addUpdateButton->isEnabled());

    // A profile 0 out of range is shown the same way at start-up.
    open("$VERSION 106\n[Profile]\n\"Odd\"\t\"[Input] 5\"\n[Input]\n\"I0\"\t\"\"\n");
    QCOMPARE(w->inputCombo->currentIndex(), -1);
    QVERIFY(w->addUpdateButton->isEnabled());
    QCOMPARE(w->resolutionCombo->currentIndex(), 0);
}

void MainWindowTest::profileListSizeHint()
{
    open();
    ProfileQListWidget *list = w->profileList;
    const QStyleOptionSlider option;
    const int extent = list->verticalScrollBar()->style()->pixelMetric(QStyle::PM_ScrollBarExtent, &option,
                                                                       list->verticalScrollBar());
    QVERIFY(extent > 0);
    const QSize before = list->sizeHint();
    QCOMPARE(before, QSize(list->sizeHintForColumn(0) + extent + 5, 192));

    // A longer name widens the hint by the difference in entry width.
    const int widest = list->sizeHintForColumn(0);
    list->addItem(QStringLiteral("A profile with a much longer name than the others"));
    const QSize wider = list->sizeHint();
    QVERIFY(wider.width() > before.width());
    QCOMPARE(wider.width() - before.width(), list->sizeHintForColumn(0) - widest);
    QCOMPARE(wider.height(), 192);

    // Many entries: the list scrolls, the hint does not grow.
    for (int i = 0; i < 200; ++i)
        list->addItem(QStringLiteral("P%1").arg(i));
    QCOMPARE(list->sizeHint(), wider);
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
