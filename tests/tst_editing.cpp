// Editing in the launcher window: adding, updating and removing profiles and
// options, with the dialogs answered as a user would, and what reaches the
// saved Launcher.ini.
#include "adddlg.h"
#include "modalanswerer.h"
#include "windowwidgets.h"

#include <QInputDialog>
#include <QListWidget>
#include <QScreen>
#include <QTest>

namespace
{

const QByteArray sampleConfig = "$VERSION\t106\n"
                                "[Profile]\n"
                                "\"Base\"\t\"[Resolution] 1 [PixelDensity] 1 [Input] 0 -base\"\n"
                                "\"Phone\"\t\"[Resolution] 2 [PixelDensity] 0 [Input] 1 \"\n"
                                "\"Tablet\"\t\"[Resolution] 3 [PixelDensity] 2 [Input] 1 -t\"\n"
                                "\"Desk\"\t\"[Resolution] 2 [PixelDensity] 0 [Input] 0 -d\"\n"
                                "\"Odd\"\t\"[Resolution] 99 [PixelDensity] -1 [Input] 0 \"\n"
                                "[Resolution]\n\"R0\"\t\"\"\n\"R1\"\t\" -windowsize 320x480\"\n"
                                "\"R2\"\t\" -windowsize 480x800\"\n\"R3\"\t\" -windowsize 800x480\"\n"
                                "[PixelDensity]\n\"D0\"\t\"\"\n\"D1\"\t\" -ppi 160\"\n\"D2\"\t\" -ppi 240\"\n"
                                "\"D3\"\t\" -ppi 320\"\n"
                                "[Input]\n\"I0\"\t\"\"\n\"I1\"\t\" -touch\"\n";

// Fills the add dialog's rows by typing, then clicks OK; a dialog whose OK
// stays disabled is rejected so that the test fails instead of hanging.
ModalAnswerer::Answer FillAddDlg(const QStringList &texts)
{
    return [texts](QWidget *widget) {
        auto *dialog = qobject_cast<AddDlg *>(widget);
        if (!dialog) {
            qWarning("Expected the add dialog; rejecting it");
            QMetaObject::invokeMethod(widget, "reject", Qt::QueuedConnection);
            return;
        }
        for (int i = 0; i < texts.size(); ++i) {
            dialog->fields[i].edit->selectAll();
            QTest::keyClicks(dialog->fields[i].edit, texts[i]);
        }
        if (dialog->okButton->isEnabled())
            QTest::mouseClick(dialog->okButton, Qt::LeftButton);
        else
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
    };
}

// Checks that the name dialog offers `offered`, then enters `name`.
ModalAnswerer::Answer ExpectNameThenEnter(const QString &offered, const QString &name, bool *checked)
{
    return [=](QWidget *widget) {
        auto *input = qobject_cast<QInputDialog *>(widget);
        *checked = input && input->textValue() == offered;
        EnterText(name)(widget);
    };
}

} // namespace

class EditingTest : public QObject, WindowFixture
{
    Q_OBJECT

private slots:
    void init()
    {
        openWindow(sampleConfig);
    }
    void cleanup()
    {
        closeWindow();
    }
    void addProfile();
    void replaceProfile();
    void updateProfile();
    void removeProfiles();
    void refuseTextTheFileCannotKeep();
    void addResolution();
    void addPixelDensity();
    void removeOptions();
};

void EditingTest::addProfile()
{
    w->resolutionCombo->setCurrentIndex(3);
    w->argumentsEdit->clear();
    QTest::keyClicks(w->argumentsEdit, QStringLiteral("  -new  -x "));

    // Cancelling, or entering nothing, adds nothing.
    ModalAnswerer answerer({Reject(), EnterText(QString()), EnterText(QStringLiteral("New one"))});
    QTest::mouseClick(w->addUpdateButton, Qt::LeftButton);
    QTest::mouseClick(w->addUpdateButton, Qt::LeftButton);
    QCOMPARE(w->profileList->count(), 5);
    QTest::mouseClick(w->addUpdateButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 3);
    QCOMPARE(answerer.seen()[0].title, QStringLiteral("Add Profile"));
    QCOMPARE(answerer.seen()[0].text, QStringLiteral("Enter the name for the new profile"));

    QCOMPARE(Items(w->profileList).last(), QStringLiteral("New one"));
    QCOMPARE(w->profileList->currentRow(), 5);
    QCOMPARE(w->addUpdateButton->text(), QStringLiteral("Update"));
    QVERIFY(!w->addUpdateButton->isEnabled());
    QVERIFY(w->removeProfileButton->isEnabled());

    // Stored as typed, blanks included.
    selectRow(0);
    selectRow(5);
    QCOMPARE(w->argumentsEdit->text(), QStringLiteral("  -new  -x "));
    QVERIFY(
        closeAndReadFile().contains("\"New one\"\t\"[Resolution] 3 [PixelDensity] 1 [Input] 0 -new  -x\"\n"));
}

void EditingTest::replaceProfile()
{
    w->pixelDensityCombo->setCurrentIndex(3);
    bool offeredEmpty = false;
    ModalAnswerer answerer({EnterText(QStringLiteral("Tablet")), ClickButton(QStringLiteral("Cancel")),
                            ExpectNameThenEnter(QString(), QStringLiteral("Phone"), &offeredEmpty),
                            ClickButton(QStringLiteral("OK"))});
    QTest::mouseClick(w->addUpdateButton, Qt::LeftButton);
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.seen().size(), 4);
    QVERIFY(offeredEmpty);
    QCOMPARE(answerer.seen()[1].title, QStringLiteral("Add Profile"));
    QCOMPARE(answerer.seen()[1].text,
             QStringLiteral("This profile already exists. Do you want to replace it?"));
    QCOMPARE(answerer.seen()[1].buttons, QStringList({"OK", "Cancel"}));

    QCOMPARE(w->profileList->count(), 5);
    QCOMPARE(w->profileList->currentRow(), 1);
    QCOMPARE(w->resolutionCombo->currentIndex(), 1);
    QCOMPARE(w->pixelDensityCombo->currentIndex(), 3);
    QCOMPARE(w->argumentsEdit->text(), QStringLiteral(" -base"));
    QVERIFY(!w->addUpdateButton->isEnabled());

    // Replacing the base profile keeps row 0, and the window then equals it.
    selectRow(0);
    w->inputCombo->setCurrentIndex(1);
    answerer.add(EnterText(QStringLiteral("Base")));
    answerer.add(ClickButton(QStringLiteral("OK")));
    QTest::mouseClick(w->addUpdateButton, Qt::LeftButton);
    QCOMPARE(w->profileList->currentRow(), 0);
    QVERIFY(!w->addUpdateButton->isEnabled());

    const QByteArray file = closeAndReadFile();
    QVERIFY(file.contains("\"Base\"\t\"[Resolution] 1 [PixelDensity] 1 [Input] 1 -base\"\n"));
    QVERIFY(file.contains("\"Phone\"\t\"[Resolution] 1 [PixelDensity] 3 [Input] 0 -base\"\n"));
    QVERIFY(file.contains("\"Tablet\"\t\"[Resolution] 3 [PixelDensity] 2 [Input] 1 -t\"\n"));
}

void EditingTest::updateProfile()
{
    ModalAnswerer noDialogs;
    selectRow(2);
    w->inputCombo->setCurrentIndex(0);
    QTest::keyClicks(w->argumentsEdit, QStringLiteral("  -more "));
    QVERIFY(w->addUpdateButton->isEnabled());
    QTest::mouseClick(w->addUpdateButton, Qt::LeftButton);
    QCOMPARE(w->addUpdateButton->text(), QStringLiteral("Update"));
    QVERIFY(!w->addUpdateButton->isEnabled());
    QCOMPARE(Items(w->profileList), QStringList({"Base", "Phone", "Tablet", "Desk", "Odd"}));
    selectRow(0);
    selectRow(2);
    QCOMPARE(w->inputCombo->currentIndex(), 0);
    QCOMPARE(w->argumentsEdit->text(), QStringLiteral(" -t  -more "));
    QVERIFY(noDialogs.seen().isEmpty());
    QVERIFY(
        closeAndReadFile().contains("\"Tablet\"\t\"[Resolution] 3 [PixelDensity] 2 [Input] 0 -t  -more\"\n"));
}

void EditingTest::removeProfiles()
{
    ModalAnswerer answerer({ClickButton(QStringLiteral("Cancel")), ClickButton(QStringLiteral("OK")),
                            ClickButton(QStringLiteral("OK"))});
    selectRow(1);
    QTest::mouseClick(w->removeProfileButton, Qt::LeftButton);
    QCOMPARE(w->profileList->count(), 5);
    QCOMPARE(w->profileList->currentRow(), 1);
    QCOMPARE(answerer.seen()[0].title, QStringLiteral("Confirm Remove Profile"));
    QCOMPARE(answerer.seen()[0].text,
             QStringLiteral("Are you sure you want to remove this profile?\n\nPhone"));

    QTest::mouseClick(w->removeProfileButton, Qt::LeftButton);
    QCOMPARE(Items(w->profileList), QStringList({"Base", "Tablet", "Desk", "Odd"}));
    QCOMPARE(w->profileList->currentRow(), 0);
    QCOMPARE(w->addUpdateButton->text(), QStringLiteral("Add"));
    QVERIFY(!w->removeProfileButton->isEnabled());

    // The rows moved up with their profiles.
    selectRow(1);
    QCOMPARE(w->argumentsEdit->text(), QStringLiteral(" -t"));
    selectRow(3);
    QTest::mouseClick(w->removeProfileButton, Qt::LeftButton);
    QCOMPARE(Items(w->profileList), QStringList({"Base", "Tablet", "Desk"}));
    QCOMPARE(w->profileList->currentRow(), 0);
    QCOMPARE(w->argumentsEdit->text(), QStringLiteral(" -base"));
    QCOMPARE(answerer.seen().size(), 3);

    const QByteArray file = closeAndReadFile();
    QVERIFY(file.contains("[Profile]\n\"Base\"\t\"[Resolution] 1 [PixelDensity] 1 [Input] 0 -base\"\n"
                          "\"Tablet\"\t\"[Resolution] 3 [PixelDensity] 2 [Input] 1 -t\"\n"
                          "\"Desk\"\t\"[Resolution] 2 [PixelDensity] 0 [Input] 0 -d\"\n\n"));
}

void EditingTest::refuseTextTheFileCannotKeep()
{
    // Arguments with a double quote are refused before any name is asked.
    ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))});
    QTest::keyClicks(w->argumentsEdit, QStringLiteral(" -title \"x\""));
    QTest::mouseClick(w->addUpdateButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen()[0].title, QStringLiteral("Add Profile"));
    QVERIFY(answerer.seen()[0].text.contains(QStringLiteral("double quote")));
    QCOMPARE(w->profileList->count(), 5);

    selectRow(2);
    QTest::keyClicks(w->argumentsEdit, QStringLiteral(" \"q\""));
    answerer.add(ClickButton(QStringLiteral("OK")));
    QTest::mouseClick(w->addUpdateButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 2);
    QCOMPARE(answerer.seen()[1].title, QStringLiteral("Update Profile"));
    QVERIFY(w->addUpdateButton->isEnabled());

    // A refused name comes back in the name dialog for correction.
    selectRow(0);
    w->inputCombo->setCurrentIndex(1);
    bool offeredQuoted = false, offeredEscape = false;
    const QString quoted = QStringLiteral("My \"best\"");
    const QString escape = QStringLiteral("C:\\temp");
    answerer.add(EnterText(quoted));
    answerer.add(ClickButton(QStringLiteral("OK")));
    answerer.add(ExpectNameThenEnter(quoted, escape, &offeredQuoted));
    answerer.add(ClickButton(QStringLiteral("OK")));
    answerer.add(ExpectNameThenEnter(escape, QStringLiteral("My best"), &offeredEscape));
    QTest::mouseClick(w->addUpdateButton, Qt::LeftButton);
    QCOMPARE(answerer.pending(), 0);
    QCOMPARE(answerer.seen().size(), 7);
    QVERIFY(offeredQuoted && offeredEscape);
    QVERIFY(answerer.seen()[3].text.contains(QStringLiteral("double quote")));
    QVERIFY(answerer.seen()[5].text.contains(QStringLiteral("backslash")));
    QCOMPARE(Items(w->profileList).last(), QStringLiteral("My best"));

    const QByteArray file = closeAndReadFile();
    QVERIFY(file.contains("\"Tablet\"\t\"[Resolution] 3 [PixelDensity] 2 [Input] 1 -t\"\n"));
    QCOMPARE(file.count('"') % 2, 0);
    QVERIFY(!file.contains("best\\"));
}

void EditingTest::addResolution()
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QString width = QString::number(screen.width()), height = QString::number(screen.height());
    const QString wider = QString::number(screen.width() + 1);
    const QString taller = QString::number(screen.height() + 1);
    ModalAnswerer answerer({FillAddDlg({"Full", width, height}), FillAddDlg({"Wide", wider, height}),
                            ClickButton(QStringLiteral("No")), FillAddDlg({"Huge", "4294967296", "1"}),
                            Reject(), FillAddDlg({"Tall", width, taller}),
                            ClickButton(QStringLiteral("Yes"))});
    QTest::mouseClick(w->addResolutionButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen()[0].title, QStringLiteral("Add Resolution"));
    QCOMPARE(Items(w->resolutionCombo).last(), QStringLiteral("Full"));
    QCOMPARE(w->resolutionCombo->currentIndex(), 4);
    QVERIFY(w->removeResolutionButton->isEnabled());

    w->resolutionCombo->setCurrentIndex(2);
    QTest::mouseClick(w->addResolutionButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 3);
    const SeenDialog question = answerer.seen()[2];
    QCOMPARE(question.title, QStringLiteral("Resolution bigger than the current screen size!"));
    QCOMPARE(question.text,
             QStringLiteral("You are trying to add: %1x%2\nbut the current screen resolution is: "
                            "%3x%4\n\nAre you sure ?")
                 .arg(wider, height, width, height));
    QCOMPARE(question.buttons, QStringList({"Yes", "No"}));
    QCOMPARE(w->resolutionCombo->count(), 5);
    QCOMPARE(w->resolutionCombo->currentIndex(), 2);

    // Beyond int, the number still counts as too large and shows as typed.
    QTest::mouseClick(w->addResolutionButton, Qt::LeftButton);
    QVERIFY(answerer.seen()[4].text.startsWith(QStringLiteral("You are trying to add: 4294967296x1\n")));
    QCOMPARE(w->resolutionCombo->count(), 5);

    // The height is compared on its own too; "Yes" adds the option.
    QTest::mouseClick(w->addResolutionButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 7);
    QVERIFY(answerer.seen()[6].text.startsWith(
        QStringLiteral("You are trying to add: %1x%2\n").arg(width, taller)));
    QCOMPARE(Items(w->resolutionCombo).mid(4), QStringList({"Full", "Tall"}));
    QCOMPARE(w->resolutionCombo->currentIndex(), 5);

    const QByteArray file = closeAndReadFile();
    QVERIFY(
        file.contains(QStringLiteral("\"R3\"\t\" -windowsize 800x480\"\n\"Full\"\t\" -windowsize %1x%2\"\n"
                                     "\"Tall\"\t\" -windowsize %1x%3\"\n\n")
                          .arg(width, height, taller)
                          .toUtf8()));
}

void EditingTest::addPixelDensity()
{
    ModalAnswerer answerer({FillAddDlg({"D\"x\"", "400"}), ClickButton(QStringLiteral("OK")),
                            FillAddDlg({"D1"}), Reject(), FillAddDlg({" ", "72"})});
    QTest::mouseClick(w->addPixelDensityButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 3);
    QCOMPARE(answerer.seen()[0].title, QStringLiteral("Add Pixel Density"));
    QCOMPARE(answerer.seen()[1].title, QStringLiteral("Add Pixel Density"));
    QVERIFY(answerer.seen()[1].text.contains(QStringLiteral("double quote")));
    QCOMPARE(Items(w->pixelDensityCombo).last(), QStringLiteral("D1"));

    QTest::mouseClick(w->addPixelDensityButton, Qt::LeftButton);
    QCOMPARE(w->pixelDensityCombo->count(), 5);
    QTest::mouseClick(w->addPixelDensityButton, Qt::LeftButton);
    QCOMPARE(w->pixelDensityCombo->count(), 6);
    QCOMPARE(w->pixelDensityCombo->currentIndex(), 5);

    const QByteArray file = closeAndReadFile();
    QVERIFY(file.contains("\"D3\"\t\" -ppi 320\"\n\"D1\"\t\" -ppi 400\"\n\" \"\t\" -ppi 72\"\n\n"));
}

void EditingTest::removeOptions()
{
    ModalAnswerer answerer({ClickButton(QStringLiteral("No")), ClickButton(QStringLiteral("Yes"))});
    w->resolutionCombo->setCurrentIndex(2);
    QTest::mouseClick(w->removeResolutionButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen()[0].title, QStringLiteral("Confirm remove resolution"));
    QCOMPARE(answerer.seen()[0].text,
             QStringLiteral("The following profiles use this option, are you sure you want to continue?\n\n"
                            "Phone\nDesk\n"));
    QCOMPARE(answerer.seen()[0].buttons, QStringList({"Yes", "No"}));
    QCOMPARE(w->resolutionCombo->count(), 4);
    QCOMPARE(w->resolutionCombo->currentIndex(), 2);

    QTest::mouseClick(w->removeResolutionButton, Qt::LeftButton);
    QCOMPARE(Items(w->resolutionCombo), QStringList({"R0", "R1", "R3"}));
    QCOMPARE(w->resolutionCombo->currentIndex(), 0);
    QVERIFY(!w->removeResolutionButton->isEnabled());

    // An option no profile uses goes without a question.
    w->pixelDensityCombo->setCurrentIndex(3);
    QTest::mouseClick(w->removePixelDensityButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 2);
    QCOMPARE(Items(w->pixelDensityCombo), QStringList({"D0", "D1", "D2"}));
    QVERIFY(!w->removePixelDensityButton->isEnabled());

    const QByteArray file = closeAndReadFile();
    QVERIFY(file.contains("[Profile]\n"
                          "\"Base\"\t\"[Resolution] 1 [PixelDensity] 1 [Input] 0 -base\"\n"
                          "\"Phone\"\t\"[Resolution] 0 [PixelDensity] 0 [Input] 1 -windowsize 480x800\"\n"
                          "\"Tablet\"\t\"[Resolution] 2 [PixelDensity] 2 [Input] 1 -t\"\n"
                          "\"Desk\"\t\"[Resolution] 0 [PixelDensity] 0 [Input] 0 -d  -windowsize 480x800\"\n"
                          "\"Odd\"\t\"[Resolution] 98 [PixelDensity] -1 [Input] 0 \"\n\n"
                          "[Resolution]\n\"R0\"\t\"\"\n\"R1\"\t\" -windowsize 320x480\"\n"
                          "\"R3\"\t\" -windowsize 800x480\"\n\n"));
}

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"
