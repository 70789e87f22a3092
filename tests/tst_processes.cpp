// The launcher as a process: one launcher per user, the quit signals, and
// faults around its file (killed while saving, files it may not use). With ZELVANE_STRESS set, the rows run their many rounds.
#include "childprocess.h"
#include "configio.h"
#include "testenvironment.h"

#include <QDir>
#include <QRandomGenerator>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

int Rounds(int fast, int stress)
{
    return qEnvironmentVariableIsSet("ZELVANE_STRESS") ? stress : fast;
}

const QString ShippedDefault = QStringLiteral("/../Resources/LauncherDefault.ini");

// Hand-edited (comments, CR LF, an old version, loose blanks), so that a
// save changes nearly every byte.
QByteArray HandEdited(int profiles, const QByteArray &prefix = "Profile ")
{
    QByteArray text = "# by hand\r\n$VERSION = 105\r\n[Input]\r\n\"Touch\"\t\" -touch\"\r\n[Profile]\r\n";
    for (int i = 0; i < profiles; ++i)
        text += "\"" + prefix + QByteArray::number(i) + "\"\t\"  -id " + QByteArray::number(i) + "   [Input] " +
                QByteArray::number(i % 2) + " -extra\"\r\n";
    return text;
}

// A launcher with its window, once it answers a second start, which must
// end at once without a window of its own.
std::unique_ptr<ChildProcess> StartAnswering(const ChildEnvironment &env, const QStringList &prefix = {},
                                             const QString &program = LauncherPath())
{
    auto launcher = StartWindow(env, 10000, program, prefix);
    const ChildResult second = env.run(program);
    return launcher && second.exitCode == 0 && !second.standardError.contains("GetFileName(") ? std::move(launcher)
                                                                                              : nullptr;
}

} // namespace

class ProcessesTest : public QObject
{
    Q_OBJECT

private slots:
    void quitSignals_data();
    void quitSignals();
    void messagesAndCopies();
    void burstsAndCrashes();
    void stoppedInstance();
    void killDuringSave();
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
    QTest::newRow("SIGHUP ignored when started, then SIGTERM")
        << int(SIGHUP) << QByteArray() << QStringList{"sh", "-c", "trap '' HUP; exec \"$0\""};
}

// Each ends the launcher through the normal shutdown, which saves.
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
    QCOMPARE(ReadFile(env.userConfigPath()),
             SaveModel(LoadModel(ReadFile(QCoreApplication::applicationDirPath() + ShippedDefault))));
    QCOMPARE(ReadFile(env.dataHome() + QStringLiteral("/Zelvane/Launcher.102.ini")), userFile);
    QCOMPARE(DirectoryEntries(env.runtimeDir()), QStringList()); // lock and socket released
}

// A later start hands its argument over and the window comes forward; a
// copy of the launcher elsewhere is another application.
void ProcessesTest::messagesAndCopies()
{
    ChildEnvironment env;
    const auto first = env.start(HelperPath());
    QVERIFY(WaitForLine(*first, QStringLiteral("primary"), 5000));
    for (const QString &message : {QStringLiteral("hello wörld"), QString()}) {
        QCOMPARE(env.run(HelperPath(), {message}).exitCode, 0);
        QVERIFY(WaitForLine(*first, QStringLiteral("message %1 restored").arg(message), 5000));
    }
    QTemporaryDir bundle;
    const QString copy = bundle.filePath(QStringLiteral("bin/zelvane-launcher"));
    QVERIFY(QDir().mkpath(bundle.filePath(QStringLiteral("bin"))) && QFile::copy(LauncherPath(), copy));
    QVERIFY(QFile::link(QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources")).canonicalPath(),
                        bundle.filePath(QStringLiteral("Resources"))));
    const auto original = StartAnswering(env), other = StartAnswering(env, {}, copy);
    QVERIFY(original && other && Quit(*original) && Quit(*other));
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
        QVERIFY(start->exitCode() == 1 && !start->readAllStandardError().contains("GetFileName("));
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
    const QString directory = QFileInfo(env.userConfigPath()).path();
    WriteFile(env.userConfigPath(), previous);
    auto launcher = StartAnswering(env);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(launcher && Quit(*launcher));
    const quint64 span = quint64(clock.nsecsElapsed() / 1000); // of an undisturbed save, in µs
    QCOMPARE(ReadFile(env.userConfigPath()), saved);

    QRandomGenerator random(20240606);
    QMap<QByteArray, int> outcomes;
    for (int kill = Rounds(4, 100); kill > 0; --kill) {
        WriteFile(env.userConfigPath(), previous);
        launcher = StartAnswering(env);
        QVERIFY(launcher && launcher->signal(SIGTERM));
        QThread::usleep(random.bounded(span));
        launcher->signal(SIGKILL);
        QVERIFY(launcher->waitForFinished(5000));
        const QByteArray bytes = ReadFile(env.userConfigPath());
        QVERIFY(bytes == previous || bytes == saved);
        ++outcomes[launcher->exitStatus() == QProcess::NormalExit ? "exited"
                   : bytes == saved                               ? "killed after the rename"
                                                                  : "killed before it"];
        for (const QString &entry : DirectoryEntries(directory)) {
            if (entry == QLatin1String("Launcher.ini"))
                continue;
            QVERIFY2(entry.startsWith(QLatin1String("Launcher.ini.")), qPrintable(entry));
            QCOMPARE(ReadFile(directory + u'/' + entry), saved);
            QVERIFY(QFile::remove(directory + u'/' + entry));
            ++outcomes["copies left"];
        }
    }
    qInfo() << "outcomes of the kills:" << outcomes;
    QVERIFY(Rounds(1, 0) || (outcomes.value("killed before it") && outcomes.value("killed after the rename")));
}

void ProcessesTest::filesItMayNotUse_data()
{
    QTest::addColumn<QByteArray>("userFile"); // none when empty
    QTest::addColumn<int>("userFileMode");
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("defaultMode"); // the default file is missing when -1
    const QByteArray mine = HandEdited(3);
    QTest::newRow("Launcher.ini mode 000") << mine << 0 << 0755 << 0644;
    QTest::newRow("Launcher.ini write-only") << mine << 0200 << 0755 << 0644;
    QTest::newRow("out of date in a read-only folder") << mine + "$VERSION 102\n" << 0644 << 0555 << 0644;
    QTest::newRow("default unreadable") << QByteArray() << 0 << 0755 << 0;
    QTest::newRow("default missing") << QByteArray() << 0 << 0755 << -1;
}

// Run as a user whom file permissions bind (nobody, when the test runs as
// root). A file the launcher cannot use stays as it was and the user is
// told at exit; without any configuration the launcher ends with status 1
// and writes nothing.
void ProcessesTest::filesItMayNotUse()
{
    QFETCH(QByteArray, userFile);
    QFETCH(int, userFileMode);
    QFETCH(int, folderMode);
    QFETCH(int, defaultMode);
    QTemporaryDir bundle; // the launcher with Resources of its own
    const QString launcher = bundle.filePath(QStringLiteral("bin/zelvane-launcher"));
    const QString defaultFile = bundle.filePath(QStringLiteral("Resources/LauncherDefault.ini"));
    QVERIFY(QDir().mkpath(bundle.filePath(QStringLiteral("bin"))) && QFile::copy(LauncherPath(), launcher));
    if (defaultMode >= 0)
        WriteFile(defaultFile, ReadFile(QCoreApplication::applicationDirPath() + ShippedDefault));
    ChildEnvironment env;
    const QString folder = QFileInfo(env.userConfigPath()).path();
    QStringList paths{env.dataHome(), env.runtimeDir()};
    if (!userFile.isEmpty()) {
        WriteFile(env.userConfigPath(), userFile);
        paths << folder << env.userConfigPath();
    }
    QStringList prefix;
    if (::geteuid() == 0) {
        for (const QString &path : paths)
            QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
        prefix = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
    }
    ::chmod(QFile::encodeName(bundle.path()).constData(), 0755);
    ::chmod(QFile::encodeName(defaultFile).constData(), mode_t(defaultMode));
    ::chmod(QFile::encodeName(env.userConfigPath()).constData(), mode_t(userFileMode));
    ::chmod(QFile::encodeName(folder).constData(), mode_t(folderMode));
    const auto process = StartWindow(env, 10000, launcher, prefix);
    QVERIFY(process && process->signal(SIGTERM) && process->waitForFinished(10000));
    ::chmod(QFile::encodeName(folder).constData(), 0755);
    ::chmod(QFile::encodeName(env.userConfigPath()).constData(), 0644);
    QCOMPARE(process->exitStatus(), QProcess::NormalExit);
    QCOMPARE(process->exitCode(), userFile.isEmpty() ? 1 : 0);
    QCOMPARE(process->readAllStandardError().count("Unable to save the configuration to " +
                                                   env.userConfigPath().toUtf8() + " : "),
             userFile.isEmpty() ? 0 : 1);
    QCOMPARE(ReadFile(env.userConfigPath()), userFile);
    QCOMPARE(DirectoryEntries(userFile.isEmpty() ? env.dataHome() : folder),
             userFile.isEmpty() ? QStringList() : QStringList({"Launcher.ini"}));
}

QTEST_GUILESS_MAIN(ProcessesTest)
#include "tst_processes.moc"
