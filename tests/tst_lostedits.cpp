// No edit is lost: line breaks refused, edits saved at once, outside edits
// kept, an unreadable file left alone, no start swallowed while one ends.
#include "childprocess.h"
#include "configio.h"
#include "modalanswerer.h"
#include "windowwidgets.h"

#include "filelocations.h"

#include <QClipboard>
#include <QTest>

#include <csignal>

namespace
{

const QByteArray config = QByteArray(SavedFileHeader) +
                          "[Profile]\n\"Base\"\t\"[Resolution] 0 [PixelDensity] 0 [Input] 0 \"\n"
                          "\"Phone\"\t\"[Resolution] 1 [PixelDensity] 0 [Input] 0 -p\"\n\n"
                          "[Resolution]\n\"R0\"\t\"\"\n\"R1\"\t\" -windowsize 480x800\"\n\n"
                          "[PixelDensity]\n\"D0\"\t\"\"\n\n[Input]\n\"I0\"\t\"\"\n\n";

QStringList Items(const QListWidget *list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

// Types arguments on the base profile and clicks Add: the name is the
// answer to the next dialog.
void AddProfile(const WindowWidgets &w)
{
    w.profileList->setCurrentRow(0);
    QTest::keyClicks(w.argumentsEdit, QStringLiteral(" -new"));
    QTest::mouseClick(w.addUpdateButton, Qt::LeftButton);
}

// Run as a child process: stores a new profile, says so, and waits to be killed.
int RunEditChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    ModalAnswerer answerer({EnterText(QStringLiteral("Kept"))});
    MainWindow window;
    window.show();
    AddProfile(WindowWidgets(window));
    QTextStream(stdout) << "edited" << Qt::endl;
    return app.exec();
}

} // namespace

class LostEditsTest : public QObject
{
    Q_OBJECT

private slots:
    void pastedLineBreakIsRefused();
    void editSurvivesKill();
    void outsideVersionIsKept();
    void unreadableFileIsLeftAlone();
    void startWhileEnding();
};

// As a user met it: "-a<LF>-b" came back as the arguments "-a" and a new profile "-b".
void LostEditsTest::pastedLineBreakIsRefused()
{
    ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))}); // outlives the window
    WindowFixture f;
    f.openWindow(config);
    f.selectRow(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("-a\n-b"));
    f.w->argumentsEdit->selectAll();
    QTest::keySequence(f.w->argumentsEdit, QKeySequence::Paste);
    QCOMPARE(f.w->argumentsEdit->text(), QStringLiteral("-a\n-b"));
    QTest::mouseClick(f.w->addUpdateButton, Qt::LeftButton);
    QVERIFY(answerer.seen().value(0).text.contains(QStringLiteral("line break")));
    f.openWindow(f.closeAndReadFile());
    QCOMPARE(Items(f.w->profileList), QStringList({"Base", "Phone"}));
}

void LostEditsTest::editSurvivesKill()
{
    ChildEnvironment env;
    QVERIFY(QDir().mkpath(QFileInfo(env.userConfigPath()).path()));
    WriteFile(env.userConfigPath(), config);
    const auto child = env.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--edit-child")});
    QVERIFY(WaitForLine(*child, QStringLiteral("edited"), 10000));
    QVERIFY(child->signal(SIGKILL) && child->waitForFinished(5000));

    // A new start shows it.
    qputenv("XDG_DATA_HOME", env.dataHome().toLocal8Bit());
    ModalAnswerer answerer;
    {
        MainWindow restarted;
        QCOMPARE(Items(WindowWidgets(restarted).profileList), QStringList({"Base", "Phone", "Kept"}));
    }
    qunsetenv("XDG_DATA_HOME");
}

void LostEditsTest::outsideVersionIsKept()
{
    MessageCapture capture;
    // Declared first, so it outlives the window: the removal, then the warning.
    ModalAnswerer answerer({ClickButton(QStringLiteral("OK")), ClickButton(QStringLiteral("OK"))});
    WindowFixture f;
    f.openWindow(config);
    const QString directory = QFileInfo(f.data->userConfigPath()).path();
    const QByteArray outside = config + "# edited by hand\n";
    WriteFile(f.data->userConfigPath(), outside);
    f.selectRow(1);
    QTest::mouseClick(f.w->removeProfileButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 2);
    QVERIFY(answerer.seen().last().text.contains(directory + QStringLiteral("/Launcher.edited.ini,")));
    QCOMPARE(ReadFile(directory + QStringLiteral("/Launcher.edited.ini")), outside);
    QCOMPARE(LoadModel(f.data->readUserConfig()).profiles.size(), size_t(1));
    QCOMPARE(capture.messages().filter(QStringLiteral("was changed outside the launcher")).size(), 1);

    // No outside change, no alarm.
    answerer.add(EnterText(QStringLiteral("Second")));
    AddProfile(*f.w);
    QCOMPARE(answerer.seen().size(), 3);
    QCOMPARE(DirectoryEntries(directory), QStringList({"Launcher.edited.ini", "Launcher.ini"}));

    // Changed again, then closed: the next free name.
    const QByteArray saved = f.data->readUserConfig();
    WriteFile(f.data->userConfigPath(), "# replaced\n");
    answerer.add(ClickButton(QStringLiteral("OK")));
    QCOMPARE(f.closeAndReadFile(), saved);
    QCOMPARE(ReadFile(directory + QStringLiteral("/Launcher.edited.1.ini")), QByteArray("# replaced\n"));
    QCOMPARE(answerer.seen().size(), 4);
}

void LostEditsTest::unreadableFileIsLeftAlone()
{
    TestDataDir data;
    QVERIFY(QDir().mkpath(data.userConfigPath()));
    MessageCapture capture;
    ModalAnswerer answerer({ClickButton(QStringLiteral("OK")), EnterText(QStringLiteral("Mine"))});
    {
        MainWindow window;
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(answerer.seen().first().text.startsWith(
            QStringLiteral("Your Launcher.ini configuration file %1 cannot be read: ")
                .arg(data.userConfigPath())));
        const WindowWidgets w(window);
        const int shipped = int(LoadModel(ReadFile(GetFileName(DefaultConfig))).profiles.size());
        QCOMPARE(w.profileList->count(), shipped);
        AddProfile(w);
        QCOMPARE(w.profileList->count(), shipped + 1);
    }
    QCOMPARE(answerer.seen().size(), 2); // no message for the edit nor at the end
    QVERIFY(QFileInfo(data.userConfigPath()).isDir());
    QCOMPARE(capture.messages().filter(QStringLiteral("Unable to save the configuration to")).size(), 1);
}

// The running launcher has stopped answering and saves on its way out: a
// start made then waits for it and carries on as the one launcher.
void LostEditsTest::startWhileEnding()
{
    ChildEnvironment env;
    const auto first = env.start(HelperPath());
    QVERIFY(WaitForLine(*first, QStringLiteral("primary"), 5000));
    QCOMPARE(env.run(HelperPath(), {QStringLiteral("end slowly")}).exitCode, 0);
    QVERIFY(WaitForLine(*first, QStringLiteral("ending"), 5000));

    const auto second = env.start(HelperPath(), {QStringLiteral("second")});
    QVERIFY(WaitForLine(*second, QStringLiteral("primary"), 5000));
    QVERIFY(first->waitForFinished(5000));
    QCOMPARE(first->exitCode(), 0);
    QCOMPARE(env.run(HelperPath(), {QStringLiteral("third")}).exitCode, 0);
    QVERIFY(WaitForLine(*second, QStringLiteral("message third restored"), 2000));
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--edit-child") == 0)
        return RunEditChild(argc, argv);
    QApplication app(argc, argv);
    LostEditsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lostedits.moc"
