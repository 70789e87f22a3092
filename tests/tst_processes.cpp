// The launcher as a process: one launcher per user and executable, the quit
// signals, and faults around its file (killed while saving, files it may not
// use, files changed by others). With
// ZELVANE_STRESS set, the rows run their many rounds.
#include "activationtokens.h"
#include "childprocess.h"
#include "configio.h"
#include "folderlock.h"
#include "launchcommand.h"
#include "launcher.h"
#include "launchwatch.h"
#include "modalanswerer.h"
#include "quitsignals.h"
#include "runningemulators.h"
#include "singleapplication.h"
#include "windowwidgets.h"

#include <QDir>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace
{

int Rounds(int fast, int stress)
{
    return qEnvironmentVariableIsSet("ZELVANE_STRESS") ? stress : fast;
}

const QString ShippedDefault = QStringLiteral("/../Resources/LauncherDefault.ini");

// Hand-edited (comments, CR LF, an old version, loose blanks), so that a
// save changes nearly every byte.
QByteArray HandEdited(int profiles)
{
    QByteArray text = "# by hand\r\n$VERSION = 105\r\n[Input]\r\n\"Touch\"\t\" -touch\"\r\n[Profile]\r\n";
    for (int i = 0; i < profiles; ++i)
        text += "\"Profile " + QByteArray::number(i) + "\"\t\"  -id " + QByteArray::number(i) +
                "   [Input] " + QByteArray::number(i % 2) + " -extra\"\r\n";
    return text;
}

// A launcher with its window, once it answers a second start, which must
// end at once, silently, without a window of its own.
std::unique_ptr<ChildProcess> StartAnswering(const ChildEnvironment &env, const QStringList &prefix = {},
                                             const QString &program = LauncherPath())
{
    auto launcher = StartWindow(env, 10000, program, prefix);
    const ChildResult second = env.run(program);
    return launcher && second.exitCode == 0 && second.standardError.isEmpty() ? std::move(launcher) : nullptr;
}

// Run as a child process: a window that stores a new profile "Kept", says
// so, and waits to be killed.
int RunEditingWindow(int argc, char **argv)
{
    QApplication app(argc, argv);
    ModalAnswerer answerer({EnterText(QStringLiteral("Kept"))});
    MainWindow window;
    window.show();
    const WindowWidgets w(window);
    QTest::keyClicks(w.argumentsEdit, QStringLiteral(" -kept"));
    QTest::mouseClick(w.addUpdateButton, Qt::LeftButton);
    QTextStream(stdout) << "edited" << Qt::endl;
    return app.exec();
}

// Run as a child process: the launcher's start-up as main has it, with
// "close" a window that closes at once.
int RunLauncher(int argc, char **argv)
{
    SingleApplication app(argc, argv);
    if (app.isRunning() && app.sendMessage(QString(), 5000))
        return 0;
    if (app.isRunning())
        return 1;
    QuitSignals quitSignals;
    MainWindow window;
    window.show();
    app.setActivationWindow(&window, true);
    QTextStream(stdout) << "window" << Qt::endl;
    if (app.arguments().contains(QStringLiteral("close")))
        QTimer::singleShot(0, &window, &QWidget::close);
    if (app.arguments().contains(QStringLiteral("launch")))
        QTest::mouseClick(WindowWidgets(window).launchButton, Qt::LeftButton);
    return app.exec();
}

// The launcher's executable at another path, with the shipped resources.
QString CopyOfLauncher(const QTemporaryDir &bundle)
{
    const QString copy = bundle.filePath(QStringLiteral("bin/zelvane-launcher"));
    QDir().mkpath(bundle.filePath(QStringLiteral("bin")));
    QFile::copy(LauncherPath(), copy);
    QFile::link(
        QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources")).canonicalPath(),
        bundle.filePath(QStringLiteral("Resources")));
    return copy;
}

// The next startup-notification message that reaches the root window
// whole within timeout ms: client messages of 20 bytes, up to a NUL.
QByteArray StartupMessage(xcb_connection_t *x11, int timeout)
{
    QByteArray text;
    for (QDeadlineTimer deadline(timeout); !deadline.hasExpired(); QThread::msleep(10)) {
        while (const std::unique_ptr<xcb_generic_event_t, void (*)(void *)> event{xcb_poll_for_event(x11),
                                                                                  std::free}) {
            const auto *message = reinterpret_cast<const xcb_client_message_event_t *>(event.get());
            if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
                continue;
            text += QByteArray(reinterpret_cast<const char *>(message->data.data8), 20);
            if (text.contains('\0'))
                return text.left(text.indexOf('\0'));
        }
    }
    return QByteArray();
}

const QString Emulator = QStringLiteral("/../Resources/Zelvane.app/Contents/MacOS/zelvane");

// The test's own children that have ended and were not reaped.
int Zombies()
{
    int zombies = 0;
    for (const QString &entry : DirectoryEntries(QStringLiteral("/proc"))) {
        const QByteArray stat = ReadFile(QStringLiteral("/proc/%1/stat").arg(entry));
        const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
        zombies += fields.size() > 1 && fields[0] == "Z" && fields[1].toLongLong() == ::getpid();
    }
    return zombies;
}

// Running, neither ended nor waiting to be reaped.
bool Runs(qint64 pid)
{
    const QByteArray stat = ReadFile(QStringLiteral("/proc/%1/stat").arg(pid));
    return !stat.isEmpty() && !stat.contains(") Z ");
}

QStringList RunningLines(const ChildEnvironment &env)
{
    const auto running = env.start(LauncherPath(), {QStringLiteral("--running")});
    running->waitForFinished(10000);
    return QString::fromUtf8(running->readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class ProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void runs_data();
    void runs();
    void messagesAndCopies();
    void burstsAndCrashes();
    void stoppedInstance();
    void killDuringSave();
    void killAfterEdit();
    void editedWhileIdle();
    void otherNames_data();
    void otherNames();
    void startDuringSlowClose();
    void handOffsOnX11();
    void reaping();
    void runningEmulators();
};

void ProcessesTest::runs_data()
{
    QTest::addColumn<int>("number");          // the signal that ends the launcher
    QTest::addColumn<QByteArray>("userFile"); // none when empty
    QTest::addColumn<QList<int>>("modes");  // of the user's file, its folder and the default file (-1: none)
    QTest::addColumn<bool>("unprivileged"); // run as a user whom file permissions bind
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("refused"); // the close says it could not save
    const QByteArray mine = HandEdited(3), outdated = "$VERSION\t102\n[Profile]\n\"Old\"\t\"\"\n";
    const QList<int> usual{0644, 0755, 0644};
    QTest::newRow("SIGTERM") << int(SIGTERM) << QByteArray() << usual << false << 0 << false;
    QTest::newRow("SIGINT") << int(SIGINT) << QByteArray() << usual << false << 0 << false;
    QTest::newRow("SIGHUP") << int(SIGHUP) << QByteArray() << usual << false << 0 << false;
    QTest::newRow("SIGHUP ignored when started") << 0 << QByteArray() << usual << false << 0 << false;
    QTest::newRow("SIGTERM during the out-of-date warning")
        << int(SIGTERM) << outdated << usual << false << 0 << false;
    QTest::newRow("Launcher.ini mode 000")
        << int(SIGTERM) << mine << QList<int>{0, 0755, 0644} << true << 0 << true;
    QTest::newRow("Launcher.ini write-only")
        << int(SIGTERM) << mine << QList<int>{0200, 0755, 0644} << true << 0 << true;
    QTest::newRow("out of date in a read-only folder") << int(SIGTERM) << mine + "$VERSION 102\n"
                                                       << QList<int>{0644, 0555, 0644} << true << 0 << false;
    QTest::newRow("default unreadable")
        << int(SIGTERM) << QByteArray() << QList<int>{0, 0755, 0} << true << 1 << false;
    QTest::newRow("default missing") << int(SIGTERM) << QByteArray() << QList<int>{0, 0755, -1} << false << 1
                                     << false;
}

// A launcher of its own (the default file beside it as the row says) ends
// through the normal shutdown, which saves; with a file it cannot use it
// leaves the file as it was and tells the user; without any configuration
// it ends with status 1 and writes nothing.
void ProcessesTest::runs()
{
    QFETCH(int, number);
    QFETCH(QByteArray, userFile);
    QFETCH(QList<int>, modes);
    QFETCH(bool, unprivileged);
    QFETCH(int, exitCode);
    QFETCH(bool, refused);
    QTemporaryDir bundle;
    const QString launcher = bundle.filePath(QStringLiteral("bin/zelvane-launcher"));
    const QString defaultFile = bundle.filePath(QStringLiteral("Resources/LauncherDefault.ini"));
    QVERIFY(QDir().mkpath(bundle.filePath(QStringLiteral("bin"))) && QFile::copy(LauncherPath(), launcher));
    const QByteArray shipped = ReadFile(QCoreApplication::applicationDirPath() + ShippedDefault);
    if (modes[2] >= 0)
        WriteFile(defaultFile, shipped);
    ChildEnvironment env;
    const QString folder = QFileInfo(env.userConfigPath()).path();
    if (!userFile.isEmpty())
        WriteFile(env.userConfigPath(), userFile);
    QStringList prefix;
    if (!number)
        prefix = QStringList{"sh", "-c", "trap '' HUP; exec \"$0\""};
    if (unprivileged && ::geteuid() == 0) {
        for (const QString &path : {env.dataHome(), env.runtimeDir(), folder, env.userConfigPath()})
            ::chown(QFile::encodeName(path).constData(), 65534, 65534);
        prefix = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    }
    const QStringList paths{env.userConfigPath(), folder, defaultFile, bundle.path()};
    for (int i = 0; i < 4; ++i)
        ::chmod(QFile::encodeName(paths[i]).constData(), mode_t(i < 3 ? modes[i] : 0755));
    const auto process =
        unprivileged ? StartWindow(env, 10000, launcher, prefix) : StartAnswering(env, prefix, launcher);
    QVERIFY(process);
    // Only the lock file and the socket, out of reach of other users.
    const QStringList entries = DirectoryEntries(env.runtimeDir());
    QCOMPARE(entries.size(), 2);
    for (const QString &entry : entries)
        QCOMPARE(QFileInfo(env.runtimeDir() + u'/' + entry).permissions() & 0077, 0);
    if (!number) { // ignored: the launcher goes on and answers
        QVERIFY(process->signal(SIGHUP));
        QCOMPARE(env.run(launcher).exitCode, 0);
    }
    QVERIFY(process->signal(number ? number : SIGTERM) && process->waitForFinished(10000));
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    ::chmod(QFile::encodeName(env.userConfigPath()).constData(), 0644);
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), exitCode);
    if (exitCode == 0) // (the fatal end leaves them, as a crash does)
        QCOMPARE(DirectoryEntries(env.runtimeDir()), QStringList());
    QCOMPARE(process->readAllStandardError().count("Unable to save the configuration to " +
                                                   env.userConfigPath().toUtf8() + " : "),
             refused ? 1 : 0);
    if (exitCode)
        QCOMPARE(DirectoryEntries(env.dataHome()), QStringList());
    else
        QCOMPARE(ReadFile(env.userConfigPath()), unprivileged ? userFile : SaveModel(LoadModel(shipped)));
    if (userFile.startsWith("$VERSION\t102"))
        QCOMPARE(ReadFile(folder + QStringLiteral("/Launcher.102.ini")), userFile);
}

// A later start hands its argument over and the window comes forward; a
// copy of the launcher elsewhere is another application.
void ProcessesTest::messagesAndCopies()
{
    ChildEnvironment env;
    const auto first = env.start(HelperPath());
    QVERIFY(WaitForLine(*first, QStringLiteral("primary"), 5000));
    // The start's activation tokens ride behind the text, which a receiver
    // that knows no tokens takes for text; the receiver spends them.
    QCOMPARE(EncodeMessage(QStringLiteral("hi"), {QByteArray(), "id"}),
             QByteArray("hi\0DESKTOP_STARTUP_ID=id", 24));
    qputenv("XDG_ACTIVATION_TOKEN", "token=1");
    for (const QString &message : {QStringLiteral("hello wörld"), QString()}) {
        QCOMPARE(env.run(HelperPath(), {message}).exitCode, 0);
        QVERIFY(WaitForLine(*first, QStringLiteral("message %1 restored").arg(message), 5000));
    }
    qunsetenv("XDG_ACTIVATION_TOKEN");
    // A start made while the running one ends (and still saves) waits for
    // it and carries on as the one instance.
    QCOMPARE(env.run(HelperPath(), {QStringLiteral("end slowly")}).exitCode, 0);
    QVERIFY(WaitForLine(*first, QStringLiteral("ending"), 5000));
    const auto second = env.start(HelperPath(), {QStringLiteral("second")});
    QVERIFY(WaitForLine(*second, QStringLiteral("primary"), 5000));
    QVERIFY(first->waitForFinished(5000) && first->exitCode() == 0);
    QCOMPARE(env.run(HelperPath(), {QStringLiteral("third")}).exitCode, 0);
    QVERIFY(WaitForLine(*second, QStringLiteral("message third restored"), 2000));

    // Both start from the shipped default and end with nothing unsaved: the
    // second finds the first one's file and has no alarm to give.
    QTemporaryDir bundle;
    const auto original = StartAnswering(env), other = StartAnswering(env, {}, CopyOfLauncher(bundle));
    QVERIFY(original && other && Quit(*original) && Quit(*other));
    QCOMPARE(DirectoryEntries(QFileInfo(env.userConfigPath()).path()),
             QStringList(QStringLiteral("Launcher.ini")));
    QVERIFY(!(original->readAllStandardError() + other->readAllStandardError()).contains("changed outside"));
}

// Ten simultaneous starts build exactly one window; a launcher killed with
// SIGKILL leaves its lock and socket, and the next start takes them over.
void ProcessesTest::burstsAndCrashes()
{
    ChildEnvironment env;
    for (int round = Rounds(2, 50); round > 0; --round) {
        std::vector<std::unique_ptr<ChildProcess>> starts;
        for (int i = 0; i < 10; ++i)
            starts.push_back(env.start(LauncherPath()));
        auto running = [&] {
            return std::count_if(starts.begin(), starts.end(),
                                 [](const auto &start) { return start->state() != QProcess::NotRunning; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(running() <= 1, 30000);
        QCOMPARE(running(), 1);
        for (const auto &start : starts) {
            start->setReadChannel(QProcess::StandardError);
            if (start->state() == QProcess::Running)
                QVERIFY(WaitForLine(*start, UserFileLookup(env), 10000) && Quit(*start));
            else
                QVERIFY(start->exitCode() == 0 && !start->readAllStandardError().contains("GetFileName("));
        }
        QCOMPARE(DirectoryEntries(env.runtimeDir()), QStringList());
    }
    auto running = StartAnswering(env);
    for (int round = Rounds(2, 20); round > 0; --round) {
        QVERIFY(running && running->signal(SIGKILL) && running->waitForFinished(5000));
        QCOMPARE(DirectoryEntries(env.runtimeDir()).size(), 2);
        running = StartAnswering(env);
    }
    QVERIFY(running && Quit(*running));
}

// Starts that find the running launcher stopped give up and exit 1 without
// a window; once it runs again it answers.
void ProcessesTest::stoppedInstance()
{
    ChildEnvironment env;
    const auto stuck = StartAnswering(env);
    QVERIFY(stuck && stuck->signal(SIGSTOP));
    std::vector<std::unique_ptr<ChildProcess>> waiting;
    for (int i = Rounds(2, 5); i > 0; --i)
        waiting.push_back(env.start(LauncherPath()));
    for (const auto &start : waiting) {
        QVERIFY(start->waitForFinished(15000));
        QCOMPARE(start->exitCode(), 1);
        QCOMPARE(
            start->readAllStandardError(),
            "zelvane-launcher: The launcher already running neither answers nor ends (is it stopped?), so "
            "no window was opened.\n");
    }
    QVERIFY(stuck->signal(SIGCONT));
    QCOMPARE(env.run(LauncherPath()).exitCode, 0);
    QVERIFY(Quit(*stuck));
}

// SIGKILL at random moments after SIGTERM while a large file is saved: the
// file always holds the previous or the new content. The only thing ever
// left beside it is, rarely, a complete copy under the temporary name Qt
// gives the file just before the rename.
void ProcessesTest::killDuringSave()
{
    const QByteArray previous = HandEdited(10000), saved = SaveModel(LoadModel(previous));
    ChildEnvironment env;
    const QString folder = QFileInfo(env.userConfigPath()).path();
    WriteFile(env.userConfigPath(), previous);
    auto launcher = StartAnswering(env);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(launcher && Quit(*launcher));
    const quint64 span = quint64(clock.nsecsElapsed() / 1000); // of an undisturbed save, in µs
    QCOMPARE(ReadFile(env.userConfigPath()), saved);

    QRandomGenerator random(20240606);
    int before = 0, after = 0, copies = 0;
    for (int kill = Rounds(4, 100); kill > 0; --kill) {
        WriteFile(env.userConfigPath(), previous);
        launcher = StartAnswering(env);
        QVERIFY(launcher && launcher->signal(SIGTERM));
        QThread::usleep(random.bounded(span));
        launcher->signal(SIGKILL);
        QVERIFY(launcher->waitForFinished(5000));
        const QByteArray bytes = ReadFile(env.userConfigPath());
        QVERIFY(bytes == previous || bytes == saved);
        ++(bytes == saved ? after : before);
        for (const QString &entry : DirectoryEntries(folder)) {
            if (entry != QLatin1String("Launcher.ini")) {
                QVERIFY2(entry.startsWith(QLatin1String("Launcher.ini.")), qPrintable(entry));
                QCOMPARE(ReadFile(folder + u'/' + entry), saved);
                QVERIFY(QFile::remove(folder + u'/' + entry));
                ++copies;
            }
        }
    }
    qInfo("Kills before the rename: %d, after it: %d; copies left: %d", before, after, copies);
    if (Rounds(false, true)) // enough kills to land on both sides of the rename
        QVERIFY(before && after);
}

// An edit is written at once: a window killed right after it leaves it in
// the file, which the next start reads.
void ProcessesTest::killAfterEdit()
{
    ChildEnvironment env;
    const auto child = env.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--edit")});
    QVERIFY(WaitForLine(*child, QStringLiteral("edited"), 10000));
    QVERIFY(child->signal(SIGKILL) && child->waitForFinished(5000));
    const std::vector<Profile> profiles = LoadModel(ReadFile(env.userConfigPath())).profiles;
    QVERIFY(!profiles.empty() && profiles.back().name == QLatin1String("Kept"));
}

// A file edited by hand while the launcher is idle is what the launcher
// leaves when it ends, as it stands, with nothing kept and nothing said.
void ProcessesTest::editedWhileIdle()
{
    ChildEnvironment env;
    WriteFile(env.userConfigPath(), HandEdited(2));
    const auto launcher = StartAnswering(env);
    QVERIFY(launcher);
    WriteFile(env.userConfigPath(), HandEdited(3));
    QVERIFY(Quit(*launcher));
    QCOMPARE(ReadFile(env.userConfigPath()), HandEdited(3));
    QCOMPARE(DirectoryEntries(QFileInfo(env.userConfigPath()).path()),
             QStringList(QStringLiteral("Launcher.ini")));
    QVERIFY(!launcher->readAllStandardError().contains("changed outside"));
}

void ProcessesTest::otherNames_data()
{
    QTest::addColumn<QStringList>("command"); // "link": a symbolic link to the launcher
    QTest::newRow("link") << QStringList{QStringLiteral("link")};
    QTest::newRow("exec -a") << QStringList{"bash", "-c", "exec -a other \"$0\"", LauncherPath()};
}

// Started under another name, the launcher finds the running one.
void ProcessesTest::otherNames()
{
    QFETCH(QStringList, command);
    ChildEnvironment env;
    QTemporaryDir links;
    const QString link = links.filePath(QStringLiteral("zl"));
    QVERIFY(QFile::link(QFileInfo(LauncherPath()).canonicalFilePath(), link));
    command.replaceInStrings(QRegularExpression(QStringLiteral("^link$")), link);
    const auto launcher = StartAnswering(env);
    const ChildResult second = env.run(command.first(), command.mid(1), 3000);
    QVERIFY(launcher && Quit(*launcher));
    QCOMPARE(second.exitCode, 0);
    QCOMPARE(second.standardError, QByteArray());
}

// A launcher whose last save waits for another writer's lock in vain and
// then shows the failure for minutes: a start meanwhile waits for it, past
// 5 s, and opens the window once it has ended. None leaves a file beside
// Launcher.ini.
void ProcessesTest::startDuringSlowClose()
{
    ChildEnvironment env;
    const QString folder = QFileInfo(env.userConfigPath()).path();
    QVERIFY(QDir().mkpath(folder));
    auto otherWriter = std::make_unique<FolderLock>();
    QString reason;
    QVERIFY(otherWriter->Take(folder, 0, &reason));
    const QString self = QCoreApplication::applicationFilePath();
    const auto ending = env.start(self, {QStringLiteral("--launcher"), QStringLiteral("close")});
    QVERIFY(WaitForLine(*ending, QStringLiteral("window"), 10000));
    const auto next = env.start(self, {QStringLiteral("--launcher")});
    ending->setReadChannel(QProcess::StandardError);
    QVERIFY(
        WaitForLine(*ending,
                    QStringLiteral("Unable to save the configuration to %1 : Another launcher was writing in "
                                   "the folder %2 and did not finish within 3 seconds, so the file was not "
                                   "replaced.")
                        .arg(env.userConfigPath(), folder),
                    10000));
    QVERIFY(!next->waitForFinished(3000)); // 6 s after it started
    otherWriter.reset();
    QVERIFY(ending->signal(SIGTERM) && ending->waitForFinished(5000));
    QVERIFY(WaitForLine(*next, QStringLiteral("window"), 5000) && Quit(*next));
    QCOMPARE(DirectoryEntries(folder), QStringList(QStringLiteral("Launcher.ini")));
}

// Under X11 the launcher's window ends its start's startup notification, a
// second start (forwarded) its own, and an emulator inherits no token.
void ProcessesTest::handOffsOnX11()
{
    ChildProcess xvfb;
    xvfb.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
    if (!xvfb.waitForStarted())
        QSKIP("Xvfb is missing (Debian package xvfb)");
    QVERIFY(xvfb.waitForReadyRead(10000));
    const QByteArray display = ':' + xvfb.readLine().trimmed();
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t *)> x11{xcb_connect(display, nullptr),
                                                                              xcb_disconnect};
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x11.get())).data->root;
    QVERIFY(!xcb_request_check(
        x11.get(), xcb_change_window_attributes_checked(x11.get(), root, XCB_CW_EVENT_MASK, &mask)));
    // This program as the launcher, beside a recording emulator.
    QTemporaryDir bundle;
    const QString copy = bundle.filePath(QStringLiteral("bin/tst_processes")),
                  emulator = bundle.filePath(QStringLiteral("Resources/Zelvane.app/Contents/MacOS/zelvane"));
    WriteFile(copy, ReadFile(QCoreApplication::applicationFilePath()));
    WriteFile(bundle.filePath(QStringLiteral("Resources/LauncherDefault.ini")),
              ReadFile(QCoreApplication::applicationDirPath() + ShippedDefault));
    WriteFile(emulator, "#!/bin/sh\nenv > \"$0.part\" && mv \"$0.part\" \"$0.env\"\n");
    for (const QString &program : {copy, emulator})
        QVERIFY(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    ChildEnvironment env;
    const QStringList x11Env{"QT_QPA_PLATFORM=xcb", "DISPLAY=" + display, "XDG_ACTIVATION_TOKEN=at-start"};
    const auto first =
        env.start("env", x11Env + QStringList{"DESKTOP_STARTUP_ID=first", copy, "--launcher", "launch"});
    QCOMPARE(StartupMessage(x11.get(), 10000), QByteArray("remove: ID=first"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(emulator + ".env"), 10000);
    const QByteArray environment = ReadFile(emulator + ".env");
    QVERIFY(environment.contains("\nDISPLAY=:") && !environment.contains("=at-start\n"));
    const QString id = QStringLiteral("DESKTOP_STARTUP_ID=a \"second\" start\\_TIME42");
    QCOMPARE(env.run("env", x11Env + QStringList{id, copy, "--launcher"}).exitCode, 0);
    QCOMPARE(StartupMessage(x11.get(), 5000), QByteArray("remove: ID=\"a \\\"second\\\" start\\\\_TIME42\""));
    QVERIFY(Quit(*first));
}

// The launcher reaps the emulators it starts and adopts nothing: a start
// that fails leaves no child behind, nor does an emulator that forks.
void ProcessesTest::reaping()
{
    QString reason;
    qint64 pid = 0;
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("emulator"));
    WriteFile(script, "#!/bin/sh\n");
    QVERIFY(!StartInOwnSession({dir.filePath(QStringLiteral("missing")), {}}, QString(), &pid, &reason));
    QCOMPARE(reason, QStringLiteral("No such file or directory"));
    QVERIFY(!StartInOwnSession({script, {}}, QString(), &pid, &reason));
    QCOMPARE(reason, QStringLiteral("Permission denied"));
    QCOMPARE(Zombies(), 0);
    for (int round = 0; round < Rounds(3, 40); ++round) {
        QVERIFY(StartInOwnSession({QStringLiteral("sh"), {"-c", "sleep 0.3 & exit 3"}}, QString(), &pid,
                                  &reason));
        QCOMPARE(::getsid(pid_t(pid)), pid_t(pid)); // a session of its own
        bool ended = false;
        connect(new LaunchWatch(pid, this), &LaunchWatch::Ended, this,
                [&](const EmulatorEnd &end) { ended = !end.signaled && end.number == 3; });
        QTRY_VERIFY_WITH_TIMEOUT(ended, 5000);
    }
    QTest::qWait(500); // the forked children end too, and are not the test's to reap
    QCOMPARE(Zombies(), 0);
}

// A window's launch and --launch are both seen by --running and by a later
// launcher; --stop ends exactly them, and the window's closing ended
// neither. An entry whose process is gone or is another process is dropped
// and never signalled.
void ProcessesTest::runningEmulators()
{
    ChildEnvironment env;
    const QString emulator = QCoreApplication::applicationDirPath() + Emulator;
    const auto leftOver = qScopeGuard([&] { env.run(LauncherPath(), {"--stop", "Default"}); }); // on failure
    const auto window = env.start(QCoreApplication::applicationFilePath(), {"--launcher", "launch"});
    QVERIFY(WaitForLine(*window, QStringLiteral("window"), 10000));
    // Its output stays where the launcher's goes: here not a pipe that closes.
    QCOMPARE(env.run("sh", {"-c", "exec \"$0\" --launch Default >/dev/null 2>&1", LauncherPath()}).exitCode,
             0);
    const auto sameProgram = env.start(emulator); // not the launcher's
    QTRY_COMPARE_WITH_TIMEOUT(RunningLines(env).size(), 2, 5000);
    QVERIFY(Quit(*window));
    const QStringList lines = RunningLines(env);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].startsWith("Default\t") && lines[0].endsWith("_Default.log"));
    QCOMPARE(QFileInfo(lines[0].section(u'\t', 2)).permissions() & 0077, 0);
    QVERIFY(lines[1].startsWith("Default\t") && lines[1].endsWith("\t"));

    // A stale entry: a running process other than the one recorded.
    const QString stale =
        env.runtimeDir() + QStringLiteral("/Zelvane/%1-1.emulator").arg(sameProgram->processId());
    WriteFile(stale, R"({"profile":"Default","log":"","started":0})");
    QCOMPARE(RunningLines(env), lines);
    QVERIFY(!QFile::exists(stale));
    const qint64 first = lines[0].section(u'\t', 1, 1).toLongLong(),
                 second = lines[1].section(u'\t', 1, 1).toLongLong();
    QVERIFY(Runs(first) && Runs(second));
    QElapsedTimer clock;
    clock.start();
    const ChildResult stop = env.run(LauncherPath(), {"--stop", "Default"});
    QCOMPARE(stop.exitCode, 0);
    QCOMPARE(stop.standardError, QByteArray());
    QVERIFY(!Runs(first) && !Runs(second) && Runs(sameProgram->processId()));
    QVERIFY(clock.elapsed() < 5000); // they ended on SIGTERM
    QCOMPARE(RunningLines(env), QStringList());
    QCOMPARE(env.run(LauncherPath(), {"--stop", "Default"}).standardError,
             "zelvane-launcher: No emulator with the profile \"Default\" is running.\n");
    // One that ignores SIGTERM is ended with SIGKILL after the grace.
    QString reason;
    qint64 pid = 0;
    QVERIFY(StartInOwnSession({"sh", {"-c", "trap '' TERM; exec sleep 30"}}, QString(), &pid, &reason));
    RunningEmulator stubborn{pid, 0, "Default", QString(), QDateTime::currentDateTime()};
    QVERIFY(RecordRunningEmulator(env.runtimeDir() + "/Zelvane", &stubborn, &reason));
    QTest::qWait(200); // time to set the trap
    QCOMPARE(StopRunningEmulators(env.runtimeDir() + "/Zelvane", {stubborn}, 300), 1);
    QVERIFY(!Runs(pid));
    ::waitpid(pid_t(pid), nullptr, 0);
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--edit") == 0)
        return RunEditingWindow(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--launcher") == 0)
        return RunLauncher(argc, argv);
    QCoreApplication app(argc, argv);
    ProcessesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_processes.moc"
