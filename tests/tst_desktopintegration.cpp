// What a screen reader and a user in another language get of the window: the
// accessibility tree, worded by the translation installed as main installs it.
#include "configmessages.h"
#include "desktopidentity.h"
#include "modalanswerer.h"
#include "translations.h"
#include "windowwidgets.h"

#include <QAccessible>
#include <QMetaEnum>
#include <QTest>

namespace
{

// One line per control a screen reader stops at: its role, its name and the
// label tied to it (the group box's title, which labels every control in it,
// left out). Lists and combo boxes are leaves here.
void Describe(QAccessibleInterface *node, QStringList &lines)
{
    const QAccessible::Role role = node->role();
    QString line = QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(role)) + u' ' +
                   node->text(QAccessible::Name);
    for (const auto &relation : node->relations(QAccessible::Label)) {
        if (relation.first->role() == QAccessible::StaticText)
            line += QStringLiteral(" labelled ") + relation.first->text(QAccessible::Name);
    }
    if (role != QAccessible::Client && role != QAccessible::LayeredPane)
        lines << line;
    if (role == QAccessible::List || role == QAccessible::ComboBox)
        return;
    for (int i = 0; i < node->childCount(); ++i)
        Describe(node->child(i), lines);
}

} // namespace

class DesktopIntegrationTest : public QObject, WindowFixture
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        closeWindow();
    }
    void windowInLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << "C";
        QTest::newRow("German") << "de_DE";
    }
    void windowInLocale();
    void identity();
};

// The whole window, the profile row's Add turned Update, and a message box
// with Qt's own standard buttons, and a refusal that quotes \t, against
// data/desktopintegration/<locale>.txt.
void DesktopIntegrationTest::windowInLocale()
{
    QFETCH(QString, locale);
    QObject translations;
    InstallTranslations(QLocale(locale), &translations);
    openWindow(ReadFile(QFINDTESTDATA("data/desktopintegration/Launcher.ini")));
    QStringList lines;
    Describe(QAccessible::queryAccessibleInterface(window.get()), lines);
    selectRow(1);
    w->resolutionCombo->setCurrentIndex(0);
    lines << w->addUpdateButton->text() + u' ' +
                 QAccessible::queryAccessibleInterface(w->addUpdateButton)->text(QAccessible::Name);
    ModalAnswerer answerer({Reject()});
    w->removeProfileButton->click();
    const SeenDialog box = answerer.seen().value(0);
    lines << box.title << box.text << box.buttons << NameRefusal({UnstorableReason::BackslashT, {}});

    // The access keys of the labels, the group, the buttons and any menu
    // bar's menus, each its own (the arguments field holds no "&").
    QStringList keys;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        for (const char *property : {"text", "title"})
            keys << QKeySequence::mnemonic(widget->property(property).toString()).toString();
    }
    keys.removeAll(QString());
    lines << keys.join(u' ');
    QCOMPARE(keys.removeDuplicates(), 0);
    // The first switch to another profile keeps the window's size, though
    // Add turns to Update.
    selectRow(0);
    const QSize size = window->size();
    selectRow(1);
    QCoreApplication::processEvents();
    QCOMPARE(window->size(), size);

    // Each Add, Update and Remove is told apart by a name that begins with
    // its visible text, so spoken and shown words match.
    QStringList names;
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        names << QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        QVERIFY2(names.last().startsWith(button->text().remove(u'&')), qPrintable(names.last()));
    }
    QCOMPARE(names.removeDuplicates(), 0);
    const QString expected =
        QString::fromUtf8(ReadFile(QFINDTESTDATA("data/desktopintegration/" + locale + ".txt")));
    QCOMPARE(lines.join(u'\n') + u'\n', expected);
}

// The desktop entry's id before the window is shown; the icon only once its
// first frame is out.
void DesktopIntegrationTest::identity()
{
    SetDesktopIdentity();
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.zelvane.Launcher"));
    openWindow(ReadFile(QFINDTESTDATA("data/desktopintegration/Launcher.ini")));
    QVERIFY(QGuiApplication::windowIcon().isNull());
    QTRY_COMPARE(QGuiApplication::windowIcon().availableSizes(), QList<QSize>{QSize(128, 128)});
}

QTEST_MAIN(DesktopIntegrationTest)
#include "tst_desktopintegration.moc"
