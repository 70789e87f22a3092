// Faults around the user's configuration file: the launcher killed while it
// saves, a full disk and files it may not read. Whatever
// happens, Launcher.ini holds either the previous or the new content, and a
// save that fails is reported and leaves the previous file as it was.
#include "childprocess.h"
#include "modalanswerer.h"
#include "testenvironment.h"

#include "configio.h"
#include "launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

#include <csignal>
#include <limits>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>

namespace
{

constexpr int LargeProfileCount = 10000;

// What the test's own user may do with a file, rather than its mode bits.
constexpr QFile::Permissions UserPermissions = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;

// A large hand-edited file: comments, CR LF, an old version spelled with an
// equals sign, sections out of order and loose blanks in the profile texts,
// so that a save changes nearly every byte.
QByteArray HandEditedConfig(int profileCount, const QByteArray &namePrefix = "Profile ")
{
    QByteArray text =
        "# kept by hand\r\n$VERSION = 105\r\n\r\n[Input]\r\n\"Mouse\"\t\"\"\r\n\"Touch\"\t\" -touch\"\r\n"
        "[Resolution]\r\n\"Default\"\t\"\"\r\n\"Small\"\t\" -windowsize 320x480\"\r\n"
        "\"Large\"\t\" -windowsize 1280x800\"\r\n[PixelDensity]\r\n\"Default\"\t\"\"\r\n[Profile]\r\n";
    for (int i = 0; i < profileCount; ++i) {
        if (i % 100 == 0)
            text += "# block " + QByteArray::number(i / 100) + "\r\n";
        text += "\"" + namePrefix + QByteArray::number(i) + "\"\t\"  -id " + QByteArray::number(i) +
                "   [Input] " + QByteArray::number(i % 2) + "  [Resolution] " + QByteArray::number(i % 3) +
                " -extra\"\r\n";
    }
    return text;
}

// What the launcher writes for a model loaded from these bytes.
QByteArray SavedForm(const QByteArray &bytes)
{
    return SaveModel(LoadModel(bytes));
}

// True when the bytes load as a current file with this many profiles.
bool LoadsWithProfiles(const QByteArray &bytes, int profileCount)
{
    const ConfigModel model = LoadModel(bytes);
    return IsSupportedConfigVersion(model.version) && int(model.profiles.size()) == profileCount;
}

// The process state letter from /proc/<pid>/stat: R, S, T (stopped), Z
// (exited, not yet reaped); 0 once the process is gone.
char ProcessState(qint64 pid)
{
    const QByteArray stat = ReadFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype end = stat.lastIndexOf(')');
    return end < 0 || end + 2 >= stat.size() ? 0 : stat.at(end + 2);
}

// A file the process holds open in the directory other than the named
// file: the save's temporary file, named or unnamed (O_TMPFILE, shown as
// "#<inode> (deleted)"). Empty when there is none.
QString TemporaryFileIn(qint64 pid, const QString &directory, const QString &except)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    for (const QString &fd : QDir(fds).entryList(QDir::NoDotAndDotDot | QDir::System | QDir::Files)) {
        char target[4096];
        const ssize_t length =
            ::readlink(QFile::encodeName(fds + u'/' + fd).constData(), target, sizeof target);
        if (length <= 0)
            continue;
        const QString path = QFile::decodeName(QByteArray(target, int(length)));
        if (path.startsWith(directory + u'/') && path != except)
            return path;
    }
    return QString();
}

// Removes and counts what a kill left beside Launcher.ini. The one thing
// allowed is the save's temporary file, Launcher.ini.<random>, complete: Qt
// gives the unnamed file (O_TMPFILE) that name just before renaming it, so a
// kill between the two leaves it. Returns -1 for anything else.
int RemoveLeftovers(const QString &directory, const QByteArray &saved)
{
    static const QRegularExpression temporaryName(QStringLiteral("^Launcher\\.ini\\..+$"));
    int count = 0;
    for (const QString &entry : DirectoryEntries(directory)) {
        if (entry == QLatin1String("Launcher.ini"))
            continue;
        const QString path = directory + u'/' + entry;
        if (!temporaryName.match(entry).hasMatch() || ReadFile(path) != saved || !QFile::remove(path))
            return -1;
        ++count;
    }
    return count;
}

// Starts a launcher on the environment and returns it once its event loop
// runs: it has looked for its file, so it holds the single-instance lock,
// and it acknowledges a second start.
std::unique_ptr<ChildProcess> StartRunning(const ChildEnvironment &env)
{
    auto launcher = StartWindow(env, 10000);
    if (!launcher)
        return nullptr;
    const ChildResult second = env.run(LauncherPath(), {}, 20000);
    return second.exitCode == 0 && launcher->state() == QProcess::Running ? std::move(launcher) : nullptr;
}

// Freezes the process (or finds it exited) so that what it holds can be
// looked at before it is killed.
bool StopProcess(qint64 pid)
{
    ::kill(pid_t(pid), SIGSTOP);
    const QDeadlineTimer deadline(2000);
    for (char state = ProcessState(pid); state != 'T' && state != 'Z' && state != 0;
         state = ProcessState(pid)) {
        if (deadline.hasExpired())
            return false;
        QThread::usleep(50);
    }
    return true;
}

// Sets RLIMIT_FSIZE, with SIGXFSZ ignored, while it lives: writes beyond the
// limit fail with EFBIG as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &previous);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = previous;
        lowered.rlim_cur = limit;
        applied = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool applied = false;

private:
    rlimit previous = {};
    void (*previousHandler)(int) = nullptr;
};

// Runs the launcher as a user whom file permissions bind: the launcher
// itself when the test is not root, else setpriv's command as nobody.
// Nothing when root cannot drop its privileges here.
std::optional<QStringList> UnprivilegedPrefix()
{
    if (::geteuid() != 0)
        return QStringList();
    const QStringList prefix{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                             QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups")};
    QProcess trial;
    trial.start(prefix.first(), prefix.mid(1) << QStringLiteral("true"));
    if (!trial.waitForFinished(10000) || trial.exitStatus() != QProcess::NormalExit || trial.exitCode() != 0)
        return std::nullopt;
    return prefix;
}

// Gives the path to the user the launcher runs as.
bool HandOver(const QString &path)
{
    return ::geteuid() != 0 || ::lchown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
}

// A copy of the launcher with Resources of its own, which a test may
// change without disturbing the others, open to every user.
class PrivateBundle
{
public:
    PrivateBundle()
    {
        const QString shipped = QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources/");
        ready = QDir().mkpath(dir.filePath(QStringLiteral("bin"))) &&
                QDir().mkpath(dir.filePath(QStringLiteral("Resources"))) &&
                QFile::copy(LauncherPath(), launcher()) &&
                QFile::copy(shipped + QStringLiteral("LauncherDefault.ini"), defaultConfig()) &&
                QFile::setPermissions(dir.path(), QFile::permissions(dir.filePath(QStringLiteral("bin"))));
    }

    QString launcher() const
    {
        return dir.filePath(QStringLiteral("bin/zelvane-launcher"));
    }
    QString defaultConfig() const
    {
        return dir.filePath(QStringLiteral("Resources/LauncherDefault.ini"));
    }

    bool ready = false;

private:
    QTemporaryDir dir;
};

// One undisturbed SIGTERM: how many microseconds after the signal the
// launcher had exited having saved the expected file, or -1.
qint64 MeasureSave(const ChildEnvironment &env, const QByteArray &previous, const QByteArray &saved)
{
    WriteFile(env.userConfigPath(), previous);
    const auto launcher = StartRunning(env);
    if (!launcher)
        return -1;
    QElapsedTimer clock;
    clock.start();
    launcher->signal(SIGTERM);
    if (!launcher->waitForFinished(20000) || launcher->exitCode() != 0 ||
        ReadFile(env.userConfigPath()) != saved)
        return -1;
    return clock.nsecsElapsed() / 1000;
}

// Runs the launcher until it has looked for the user's file, then ends it
// with SIGTERM, which cancels any dialog and saves as a normal end does.
ChildResult RunAndQuit(const ChildEnvironment &env, const QStringList &prefix, const QString &launcher)
{
    const auto process = StartWindow(env, 10000, launcher, prefix);
    if (!process)
        return {-1, 0, QByteArray()};
    process->signal(SIGTERM);
    const bool ended = process->waitForFinished(10000) && process->exitStatus() == QProcess::NormalExit;
    return {ended ? process->exitCode() : -1, 0, process->readAllStandardError()};
}

} // namespace

class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void killDuringSave();
    void fullDisk();
    void unreadableFiles();
};

void FaultsTest::killDuringSave()
{
    const QByteArray previous = HandEditedConfig(LargeProfileCount);
    const QByteArray saved = SavedForm(previous);
    QVERIFY(saved != previous);
    QVERIFY(LoadsWithProfiles(previous, LargeProfileCount) && LoadsWithProfiles(saved, LargeProfileCount));

    ChildEnvironment env;
    const QString directory = QFileInfo(env.userConfigPath()).path();
    QVERIFY(QDir().mkpath(directory));
    // The kills spread over the time from SIGTERM to the end of the
    // quickest of three undisturbed runs.
    qint64 span = std::numeric_limits<qint64>::max();
    for (int i = 0; i < 3; ++i) {
        const qint64 exit = MeasureSave(env, previous, saved);
        QVERIFY2(exit > 0, "an undisturbed save did not write the expected file");
        span = qMin(span, exit);
    }

    QRandomGenerator random(20240606);
    int before = 0, during = 0, committed = 0, exited = 0, leftovers = 0;
    for (int kill = 0; kill < 100; ++kill) {
        WriteFile(env.userConfigPath(), previous);
        const auto launcher = StartRunning(env);
        QVERIFY2(launcher, qPrintable(QStringLiteral("start %1").arg(kill)));
        const qint64 pid = launcher->processId();
        const qint64 delay = qint64(random.bounded(quint64(span)));
        QVERIFY(launcher->signal(SIGTERM));
        QThread::usleep(delay);
        QVERIFY(StopProcess(pid));
        const char state = ProcessState(pid);
        const bool writing = state == 'T' && !TemporaryFileIn(pid, directory, env.userConfigPath()).isEmpty();
        ::kill(pid_t(pid), SIGKILL);
        QVERIFY(launcher->waitForFinished(5000));

        const QByteArray bytes = ReadFile(env.userConfigPath());
        QVERIFY2(bytes == previous || bytes == saved,
                 qPrintable(QStringLiteral("kill %1 after %2 us: %3 bytes of neither content")
                                .arg(kill)
                                .arg(delay)
                                .arg(bytes.size())));
        QVERIFY(LoadsWithProfiles(bytes, LargeProfileCount));
        const int left = RemoveLeftovers(directory, saved);
        QVERIFY2(left >= 0, qPrintable(DirectoryEntries(directory).join(u' ')));
        leftovers += left;
        QCOMPARE(DirectoryEntries(directory), QStringList({QStringLiteral("Launcher.ini")}));
        if (state != 'T')
            ++exited;
        else if (bytes == saved)
            ++committed;
        else if (writing)
            ++during;
        else
            ++before;
    }
    qInfo("100 kills within %lld us of SIGTERM: %d before the write, %d during it, %d after it "
          "(%d before the launcher exited, %d once it had exited); %d temporary files left behind",
          span, before, during, committed + exited, committed, exited, leftovers);
    // The kills must have hit the write itself and both sides of it.
    QVERIFY(before > 0);
    QVERIFY(during > 0);
    QVERIFY(committed + exited > 0);
}

void FaultsTest::fullDisk()
{
    // Names of two-byte characters, so the text stream hands the file
    // longer blocks than the file's own buffer.
    const QByteArray previous = HandEditedConfig(2000, "Профиль ");
    const QByteArray saved = SavedForm(previous);
    // The first buffer, limits spread over the file, and all but its last byte.
    QList<qsizetype> limits{4096};
    for (qsizetype limit = saved.size() / 25; limit < saved.size(); limit += saved.size() / 25)
        limits << limit;
    limits << saved.size() - 1;
    for (const qsizetype limit : limits) {
        TestDataDir data;
        data.writeUserConfig(previous);
        MessageCapture capture;
        ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))});
        {
            const FileSizeLimit fileSizeLimit{rlim_t(limit)};
            QVERIFY(fileSizeLimit.applied);
            MainWindow window;
            QVERIFY(answerer.seen().isEmpty());
        }
        QCOMPARE(answerer.seen().size(), 1);
        const SeenDialog report = answerer.seen().first();
        QCOMPARE(report.className, QStringLiteral("QMessageBox"));
        QVERIFY2(report.text.contains(data.userConfigPath() + QStringLiteral(".\n\nFile too large\n")),
                 qPrintable(report.text));
        QCOMPARE(capture.messages().filter(QStringLiteral("Unable to save the configuration to")).size(), 1);
        QVERIFY2(data.readUserConfig() == previous, qPrintable(QString::number(limit)));
        QCOMPARE(DirectoryEntries(QFileInfo(data.userConfigPath()).path()), QStringList({"Launcher.ini"}));
    }

    // Without the limit the same model is saved: the limit was the fault.
    TestDataDir data;
    data.writeUserConfig(previous);
    ModalAnswerer answerer;
    delete new MainWindow;
    QVERIFY(answerer.seen().isEmpty());
    QCOMPARE(data.readUserConfig(), saved);
}

void FaultsTest::unreadableFiles()
{
    const std::optional<QStringList> prefix = UnprivilegedPrefix();
    if (!prefix)
        QSKIP("Running as root and setpriv cannot switch to the user nobody: root reads any file, so files "
              "without read permission cannot be tested here");
    PrivateBundle bundle;
    QVERIFY(bundle.ready);
    const QByteArray mine = HandEditedConfig(3);
    const QByteArray shipped = ReadFile(bundle.defaultConfig());

    // The user's file without any permission, and write-only as chmod a-r
    // leaves it: the shipped default is used after a warning, and at the end
    // the file is left as it was and the user is told.
    for (const QFile::Permissions permissions :
         {QFile::Permissions(), QFile::Permissions(QFile::WriteOwner)}) {
        ChildEnvironment env;
        const QString directory = QFileInfo(env.userConfigPath()).path();
        QVERIFY(QDir().mkpath(directory));
        WriteFile(env.userConfigPath(), mine);
        QVERIFY(QFile::setPermissions(env.userConfigPath(), permissions));
        for (const QString &path : {env.dataHome(), env.runtimeDir(), directory, env.userConfigPath()})
            QVERIFY(HandOver(path));
        const ChildResult result = RunAndQuit(env, *prefix, bundle.launcher());
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.standardError.contains("Unable to save the configuration to " +
                                               env.userConfigPath().toUtf8() + " : "),
                 result.standardError.constData());
        QCOMPARE(ReadFile(env.userConfigPath()), mine);
        QCOMPARE(QFile::permissions(env.userConfigPath()) & ~UserPermissions, permissions);
        QCOMPARE(DirectoryEntries(directory), QStringList({"Launcher.ini"}));
    }

    // An out-of-date file in a directory the user cannot change: it can be
    // neither moved aside nor replaced, and stays as it was.
    {
        ChildEnvironment env;
        const QString directory = QFileInfo(env.userConfigPath()).path();
        QVERIFY(QDir().mkpath(directory));
        const QByteArray outdated = mine + "$VERSION 102\r\n";
        WriteFile(env.userConfigPath(), outdated);
        const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadUser |
                                            QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(directory, readOnly));
        QVERIFY(HandOver(env.dataHome()) && HandOver(env.runtimeDir()));
        const ChildResult result = RunAndQuit(env, *prefix, bundle.launcher());
        QVERIFY(QFile::setPermissions(directory, readOnly | QFile::WriteOwner | QFile::WriteUser));
        QCOMPARE(result.exitCode, 0);
        QVERIFY2(result.standardError.contains("Unable to save the configuration to " +
                                               env.userConfigPath().toUtf8() + " : "),
                 result.standardError.constData());
        QCOMPARE(ReadFile(env.userConfigPath()), outdated);
        QCOMPARE(DirectoryEntries(directory), QStringList({"Launcher.ini"}));
    }

    // No file of the user's and an unreadable default: the fatal message,
    // status 1, and nothing written.
    ChildEnvironment env;
    QVERIFY(HandOver(env.dataHome()) && HandOver(env.runtimeDir()));
    QVERIFY(QFile::setPermissions(bundle.defaultConfig(), QFile::Permissions()));
    const ChildResult result = RunAndQuit(env, *prefix, bundle.launcher());
    QCOMPARE(result.exitCode, 1);
    QVERIFY(!result.standardError.contains("Unable to save"));
    QCOMPARE(DirectoryEntries(env.dataHome()), QStringList());
    QCOMPARE(ReadFile(bundle.defaultConfig()), shipped);
}

QTEST_MAIN(FaultsTest)
#include "tst_faults.moc"
