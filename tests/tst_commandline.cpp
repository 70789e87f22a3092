// The options as real processes with no display.
#include "childprocess.h"
#include "testenvironment.h"

#include <QRegularExpression>
#include <QTest>

namespace
{

// Stands at the emulator's path and records its arguments, NUL-terminated.
const QByteArray Recorder = "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$RECORD.part\"\n"
                            "mv \"$RECORD.part\" \"$RECORD\"\n";
const QString Emulator = "/Resources/Zelvane.app/Contents/MacOS/zelvane";

QByteArray Data(const QString &name)
{
    return ReadFile(QFINDTESTDATA("data/commandline/" + name));
}

void Install(const QString &path, const QByteArray &bytes, bool executable = true)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path); // a program still running keeps its own copy
    WriteFile(path, bytes);
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    QFile::setPermissions(path, executable ? permissions | QFile::ExeOwner : permissions);
}

// The arguments the recording emulator received within the timeout, taken away; "none" when it did not run.
QStringList TakeRecording(int timeout = 0)
{
    const QString path = qEnvironmentVariable("RECORD");
    if (!QTest::qWaitFor([&path] { return QFile::exists(path); }, timeout))
        return {"none"};
    const QString text = QString::fromLocal8Bit(ReadFile(path));
    QFile::remove(path);
    return text.split(QChar(0), Qt::SkipEmptyParts);
}

bool Matches(const QString &text, const QString &pattern)
{
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).match(text).hasMatch();
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    QString launcher; // the copy, in a bin/ beside its own Resources/
    ChildEnvironment env;
    std::unique_ptr<ChildProcess> openLauncher; // a window open all along

    // Exit status, standard output and error; leading NAME=value words are
    // set in its environment, and it runs in the folder of the emulators.
    QStringList run(QStringList arguments) const
    {
        ChildProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (; !arguments.isEmpty() && arguments[0].contains(u'='); arguments.removeFirst())
            environment.insert(arguments[0].section(u'=', 0, 0), arguments[0].section(u'=', 1));
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(root.filePath("emulators"));
        process.start(launcher, arguments);
        return {QString::number(process.waitForFinished(10000) ? process.exitCode() : -1),
                QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

private slots:
    void initTestCase()
    {
        qputenv("RECORD", root.filePath("record").toLocal8Bit());
        const QString top = root.path() + "/it's \"quoted\" $HOME";
        launcher = top + "/bin/zelvane-launcher";
        Install(launcher, ReadFile(QCoreApplication::applicationDirPath() + "/../../bin/zelvane-launcher"));
        Install(top + "/Resources/LauncherDefault.ini", Data("default.ini"), false);
        for (const char *name : {"option", "variable", "setting"}) // programs of the user's own
            Install(root.filePath("emulators/") + name, Recorder);
        Install(root.filePath("emulators/plain"), Recorder, false);
        QDir().mkpath(root.filePath("emulators/folder"));
        QVERIFY(openLauncher = StartWindow(env, 5000, launcher));
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) // the options need none
            qunsetenv(name);
        qputenv("XDG_DATA_HOME", env.dataHome().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (env.dataHome() + "/config").toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", env.runtimeDir().toLocal8Bit());
    }
    void cleanupTestCase()
    {
        QVERIFY(Quit(*openLauncher)); // asked nothing, and still answering
    }

    void options_data()
    {
        QTest::addColumn<QStringList>("arguments");
        for (const char *column : {"userFile", "exitCode", "out", "err", "recorded"})
            QTest::addColumn<QString>(column);
        for (const QString &line : QString::fromUtf8(Data("options.txt")).split(u'\n')) {
            const QStringList fields = line.split(u'\t');
            if (fields.size() == 7)
                QTest::newRow(qPrintable(fields[0]))
                    << fields[1].split(u' ') << fields[2] << fields[3] << fields[4] << fields[5] << fields[6];
        }
    }
    void options()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, userFile);
        QFETCH(QString, recorded);
        arguments.replaceInStrings("$E", root.filePath("emulators"));
        Install(QFileInfo(launcher).path() + "/.." + Emulator, Recorder, !userFile.contains(" !x"));
        const QString settings = env.dataHome() + "/config/Zelvane/Launcher.conf"; // the saved choice
        QFile::remove(settings);
        if (QString chosen = userFile.section(" chosen=", 1); !chosen.isEmpty())
            WriteFile(settings,
                      "[General]\nemulator=" + chosen.replace("$E", root.filePath("emulators")).toUtf8());
        QDir(env.userConfigPath()).removeRecursively();
        QFile::remove(env.userConfigPath());
        if (userFile == "dir")
            QDir().mkpath(env.userConfigPath());
        else if (userFile != "-")
            Install(env.userConfigPath(), Data(userFile.section(u' ', 0, 0)), false);
        const QString folder = env.dataHome() + "/Zelvane";
        // Besides the record of what runs, which a launch adds to.
        const auto files = [&] {
            return DirectoryEntries(folder) +
                   DirectoryEntries(env.runtimeDir()).filter(QRegularExpression("^(?!Zelvane$)")) +
                   DirectoryEntries(QFileInfo(settings).path());
        };
        const QStringList before = files();
        const QByteArray bytes = ReadFile(env.userConfigPath()), settingsBytes = ReadFile(settings);

        const QStringList outcome = run(arguments);
        QTEST(outcome[0], "exitCode");
        QFETCH(QString, out);
        QFETCH(QString, err);
        QVERIFY2(Matches(outcome[1], out) && Matches(outcome[2], err), qPrintable(outcome.join(u'|')));
        QCOMPARE(files(), before);
        QCOMPARE(ReadFile(env.userConfigPath()), bytes);
        QCOMPARE(ReadFile(settings), settingsBytes);
        if (arguments.contains("--dry-run") && TakeRecording() == QStringList{"none"}) // it started nothing
            QProcess::execute("/bin/sh", {"-c", outcome[1]});
        QCOMPARE(TakeRecording(recorded == "none" ? 0 : 5000), recorded.split(u' ', Qt::SkipEmptyParts));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
