// The launcher as a process: one launcher per user, the quit signals, and
// faults around its file (killed while saving, a full disk, files it may
// not read). With ZELVANE_STRESS set, the rows run their many rounds.
#include "childprocess.h"
#include "configio.h"
#include "launcher.h"
#include "modalanswerer.h"
#include "testenvironment.h"

#include <QDir>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace
{

int Rounds(int fast, int stress)
{
    return qEnvironmentVariableIsSet("ZELVANE_STRESS") ? stress : fast;
}

QByteArray SavedDefault()
{
    return SaveModel(LoadModel(ReadFile(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/../Resources/LauncherDefault.ini"))));
}

// A hand-edited file (comments, CR LF, an old version, loose blanks), so
// that a save changes nearly every byte.
QByteArray HandEdited(int profiles, const QByteArray &prefix = "Profile ")
{
    QByteArray text = "# by hand\r\n$VERSION = 105\r\n[Input]\r\n\"Touch\"\t\" -touch\"\r\n[Profile]\r\n";
    for (int i = 0; i < profiles; ++i)
        text += "\"" + prefix + QByteArray::number(i) + "\"\t\"  -id " + QByteArray::number(i) + "   [Input] " +
                QByteArray::number(i % 2) + " -extra\"\r\n";
    return text;
}

// Starts a launcher and waits until it answers a second start, which must
// end at once without a window of its own.
std::unique_ptr<ChildProcess> StartAnswering(const ChildEnvironment &env, const QStringList &prefix = {},
                                             const QString &program = LauncherPath())
{
    auto launcher = StartWindow(env, 10000, program, prefix);
    const ChildResult second = env.run(program);
    if (!launcher || second.exitCode != 0 || second.standardError.contains("GetFileName("))
        return nullptr;
    return launcher;
}

// Runs the launcher as the user nobody when the test runs as root, so that
// file permissions bind it; empty when the test is not root.
QStringList Unprivileged(const QStringList &paths)
{
    if (::geteuid() != 0)
        return {};
    for (const QString &path : paths) {
        if (::lchown(QFile::encodeName(path).constData(), 65534, 65534) != 0)
            qFatal("Cannot hand %s to nobody", qPrintable(path));
    }
    return {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
}

} // namespace

class ProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void quitSignals_data();
    void quitSignals();
    void messagesReachTheRunningInstance();
    void copyElsewhereRunsSideBySide();
    void burstsAndCrashes();
    void stoppedInstance();
    void killDuringSave();
    void fullDisk();
    void filesItMayNotUse_data();
    void filesItMayNotUse();
};

void ProcessesTest::quitSignals_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QByteArray>("userFile");
    QTest::addColumn<QStringList>("prefix");
    QTest::newRow("SIGTERM") << int(SIGTERM) << QByteArray() << QStringList();
    QTest::newRow("SIGINT") << int(SIGINT) << QByteArray() << QStringList();
    QTest::newRow("SIGHUP") << int(SIGHUP) << QByteArray() << QStringList();
    QTest::newRow("SIGTERM during the out-of-date warning")
        << int(SIGTERM) << QByteArray("$VERSION\t102\n[Profile]\n\"Old\"\t\"\"\n") << QStringList();
    QTest::newRow("SIGHUP ignored by the parent, then SIGTERM")
        << int(SIGHUP) << QByteArray() << QStringList{"sh", "-c", "trap '' HUP; exec \"$0\""};
}

void ProcessesTest::quitSignals()
{
    QFETCH(int, number);
    QFETCH(QByteArray, userFile);
    QFETCH(QStringList, prefix);
    ChildEnvironment env;
    if (!userFile.isEmpty())
        WriteFile(env.userConfigPath(), userFile);
    const auto launcher = StartAnswering(env, prefix);
    QVERIFY(launcher);
    // Only the lock file and the socket, out of reach of other users.
    const QStringList entries = DirectoryEntries(env.runtimeDir());
    QCOMPARE(entries.size(), 2);
    for (const QString &entry : entries)
        QCOMPARE(QFileInfo(env.runtimeDir() + u'/' + entry).permissions() & 0077, 0);

    QVERIFY(launcher->signal(number));
    if (!prefix.isEmpty()) { // ignored: the launcher goes on and answers
        QCOMPARE(env.run(LauncherPath()).exitCode, 0);
        QVERIFY(launcher->signal(SIGTERM));
    }
    QVERIFY(launcher->waitForFinished(10000));
    QCOMPARE(launcher->exitStatus(), QProcess::NormalExit);
    QCOMPARE(launcher->exitCode(), 0);
    QCOMPARE(ReadFile(env.userConfigPath()), SavedDefault());
    if (!userFile.isEmpty())
        QCOMPARE(ReadFile(env.dataHome() + QStringLiteral("/Zelvane/Launcher.102.ini")), userFile);
    QCOMPARE(DirectoryEntries(env.runtimeDir()), QStringList()); // lock and socket released
}

// A later start hands its arguments over, and the window comes forward.
void ProcessesTest::messagesReachTheRunningInstance()
{
    ChildEnvironment env;
    const auto first = env.start(HelperPath());
    QVERIFY(WaitForLine(*first, QStringLiteral("primary"), 5000));
    for (const QString &message : {QStringLiteral("hello wörld"), QString()}) {
        QCOMPARE(env.run(HelperPath(), {message}).exitCode, 0);
        QVERIFY(WaitForLine(*first, QStringLiteral("message %1 restored").arg(message), 5000));
    }
}

void ProcessesTest::copyElsewhereRunsSideBySide()
{
    QTemporaryDir bundle;
    const QString copy = bundle.filePath(QStringLiteral("bin/zelvane-launcher"));
    QVERIFY(QDir().mkpath(bundle.filePath(QStringLiteral("bin"))) && QFile::copy(LauncherPath(), copy));
    QVERIFY(QFile::link(QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources")).canonicalPath(),
                        bundle.filePath(QStringLiteral("Resources"))));
    ChildEnvironment env;
    const auto original = StartAnswering(env);
    const auto other = StartAnswering(env, {}, copy);
    QVERIFY(original && other);
    QVERIFY(Quit(*original) && Quit(*other));
}

// Bursts of ten simultaneous starts build exactly one window; a launcher
// killed with SIGKILL leaves its lock and socket, and the next start takes
// them over.
void ProcessesTest::burstsAndCrashes()
{
    ChildEnvironment env;
    for (int round = Rounds(2, 50); round > 0; --round) {
        std::vector<std::unique_ptr<ChildProcess>> starts;
        for (int i = 0; i < 10; ++i)
            starts.push_back(env.start(LauncherPath()));
        int windows = 0;
        for (const auto &start : starts) {
            start->setReadChannel(QProcess::StandardError);
            if (WaitForLine(*start, UserFileLookup(env), 500)) {
                ++windows;
                QVERIFY(Quit(*start));
            } else {
                QVERIFY(start->waitForFinished(10000));
                QCOMPARE(start->exitCode(), 0);
            }
        }
        QCOMPARE(windows, 1);
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
        QVERIFY(!start->readAllStandardError().contains("GetFileName("));
    }
    QVERIFY(stuck->signal(SIGCONT));
    QCOMPARE(env.run(LauncherPath()).exitCode, 0);
    QVERIFY(Quit(*stuck));
}

// SIGKILL at random moments after SIGTERM, while a large file is saved: the
// file always holds the previous or the new content, nothing else is left
// but, rarely, a complete copy under the temporary name Qt gives it just
// before the rename.
void ProcessesTest::killDuringSave()
{
    const QByteArray previous = HandEdited(10000), saved = SaveModel(LoadModel(previous));
    ChildEnvironment env;
    const QString directory = QFileInfo(env.userConfigPath()).path();
    QElapsedTimer clock;
    WriteFile(env.userConfigPath(), previous);
    auto launcher = StartAnswering(env);
    clock.start();
    QVERIFY(launcher && Quit(*launcher));
    const quint64 span = quint64(clock.nsecsElapsed() / 1000);
    QCOMPARE(ReadFile(env.userConfigPath()), saved);

    QRandomGenerator random(20240606);
    QMap<QByteArray, int> outcomes;
    for (int kill = Rounds(4, 100); kill > 0; --kill) {
        WriteFile(env.userConfigPath(), previous);
        launcher = StartAnswering(env);
        QVERIFY(launcher && launcher->signal(SIGTERM));
        QThread::usleep(random.bounded(span));
        QVERIFY(launcher->signal(SIGKILL) || launcher->state() != QProcess::Running);
        QVERIFY(launcher->waitForFinished(5000));
        const bool exited = launcher->exitStatus() == QProcess::NormalExit;
        const QByteArray bytes = ReadFile(env.userConfigPath());
        QVERIFY(bytes == previous || bytes == saved);
        ++outcomes[exited ? "exited" : bytes == saved ? "killed after the rename" : "killed before it"];
        for (const QString &entry : DirectoryEntries(directory)) {
            if (entry != QLatin1String("Launcher.ini")) {
                QVERIFY2(entry.startsWith(QLatin1String("Launcher.ini.")), qPrintable(entry));
                QCOMPARE(ReadFile(directory + u'/' + entry), saved);
                QVERIFY(QFile::remove(directory + u'/' + entry));
                ++outcomes["copies left"];
            }
        }
    }
    qInfo() << "outcomes of the kills:" << outcomes;
    if (Rounds(0, 1))
        QVERIFY(outcomes.value("killed before it") > 0 && outcomes.value("killed after the rename") > 0);
}

// RLIMIT_FSIZE below the new file's size, with SIGXFSZ ignored, fails the
// writes as a full disk does: the user is told, the old file stays.
void ProcessesTest::fullDisk()
{
    const QByteArray previous = HandEdited(2000, "Профиль "), saved = SaveModel(LoadModel(previous));
    const int count = Rounds(3, 27);
    std::signal(SIGXFSZ, SIG_IGN);
    for (int i = 0; i <= count; ++i) {
        TestDataDir data;
        data.writeUserConfig(previous);
        MessageCapture capture;
        ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))});
        rlimit limit = {RLIM_INFINITY, RLIM_INFINITY};
        {
            MainWindow window;
            limit.rlim_cur = i < count ? 4096 + (saved.size() - 4096) * i / count : RLIM_INFINITY;
            QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
        }
        limit.rlim_cur = RLIM_INFINITY;
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
        QCOMPARE(DirectoryEntries(QFileInfo(data.userConfigPath()).path()), QStringList({"Launcher.ini"}));
        if (i == count) { // without a limit, the same model is saved
            QCOMPARE(data.readUserConfig(), saved);
            QCOMPARE(answerer.seen().size(), 0);
            continue;
        }
        QCOMPARE(data.readUserConfig(), previous);
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(answerer.seen()[0].text.contains(data.userConfigPath() + QStringLiteral(".\n\nFile too large")));
        QCOMPARE(capture.messages().filter(QStringLiteral("Unable to save the configuration to")).size(), 1);
    }
}

void ProcessesTest::filesItMayNotUse_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("exitCode");
    for (const char *fault : {"Launcher.ini mode 000", "Launcher.ini write-only", "out of date in a read-only folder"})
        QTest::newRow(fault) << QString::fromLatin1(fault) << 0;
    QTest::newRow("default unreadable") << "default unreadable" << 1;
    QTest::newRow("default missing") << "default missing" << 1;
}

// Run as a user whom file permissions bind. A file the launcher cannot use
// stays as it was; the user is told at exit; without any configuration the
// launcher ends with status 1 and writes nothing.
void ProcessesTest::filesItMayNotUse()
{
    QFETCH(QString, fault);
    QFETCH(int, exitCode);
    QTemporaryDir bundle; // the launcher with Resources of its own
    const QString launcher = bundle.filePath(QStringLiteral("bin/zelvane-launcher"));
    const QString defaultFile = bundle.filePath(QStringLiteral("Resources/LauncherDefault.ini"));
    WriteFile(launcher, ReadFile(LauncherPath()));
    QVERIFY(QFile::setPermissions(launcher, QFile::permissions(LauncherPath())));
    QVERIFY(QFile::setPermissions(bundle.path(), QFile::permissions(bundle.filePath(QStringLiteral("bin")))));
    if (fault != QLatin1String("default missing"))
        WriteFile(defaultFile, ReadFile(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/../Resources/LauncherDefault.ini")));
    ChildEnvironment env;
    const QString directory = QFileInfo(env.userConfigPath()).path();
    const QByteArray mine = HandEdited(3) + (fault.startsWith(QLatin1String("out")) ? "$VERSION 102\n" : "");
    QStringList owned{env.dataHome(), env.runtimeDir()};
    if (exitCode == 0) {
        WriteFile(env.userConfigPath(), mine);
        owned << directory << env.userConfigPath();
    }
    const QStringList prefix = Unprivileged(owned);
    if (fault.endsWith(QLatin1String("000")) || fault == QLatin1String("default unreadable"))
        QVERIFY(QFile::setPermissions(exitCode ? defaultFile : env.userConfigPath(), {}));
    if (fault.endsWith(QLatin1String("write-only")))
        QVERIFY(QFile::setPermissions(env.userConfigPath(), QFile::WriteOwner));
    if (fault.startsWith(QLatin1String("out")))
        QVERIFY(QFile::setPermissions(directory, QFile::ReadOwner | QFile::ExeOwner));
    const auto process = StartWindow(env, 10000, launcher, prefix);
    QVERIFY(process && process->signal(SIGTERM) && process->waitForFinished(10000));
    QFile::setPermissions(directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), exitCode);
    const QByteArray errors = process->readAllStandardError();
    QCOMPARE(errors.count("Unable to save the configuration to " + env.userConfigPath().toUtf8() + " : "),
             1 - exitCode);
    if (exitCode == 0) {
        QFile::setPermissions(env.userConfigPath(), QFile::ReadOwner);
        QCOMPARE(ReadFile(env.userConfigPath()), mine);
        QCOMPARE(DirectoryEntries(directory), QStringList({"Launcher.ini"}));
    } else {
        QCOMPARE(DirectoryEntries(env.dataHome()), QStringList());
    }
}

QTEST_MAIN(ProcessesTest)
#include "tst_processes.moc"
