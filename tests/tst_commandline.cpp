// The launcher's options as real processes without a display, with a copy of
// the launcher installed under a path full of quotes, and the Launch button's
// tooltip and failure box. This program lives in its own bin/ directory, so
// the Resources beside it hold a recording emulator for the window.
#include "childprocess.h"
#include "modalanswerer.h"
#include "windowwidgets.h"

#include <QHelpEvent>
#include <QRegularExpression>
#include <QTest>

namespace
{

// Records its arguments, NUL-terminated, in a file named after its process id.
const QByteArray Recorder = "#!/bin/sh\nout=\"$ZELVANE_RECORD_DIR/$$\"\n"
                            "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$out.part\"\n"
                            "mv \"$out.part\" \"$out.args\"\n";
const QString EmulatorInBundle = QStringLiteral("/Resources/Zelvane.app/Contents/MacOS/zelvane");
const QStringList Phone{"-windowsize", "480x800", "-ppi",  "240",  "-touch",
                        "-title",      "it's",    "$HOME", "a\\b", "*;|&"};

QByteArray Data(const QString &name)
{
    return ReadFile(QFINDTESTDATA(QStringLiteral("data/commandline/") + name));
}

void Install(const QString &path, const QByteArray &bytes, QFileDevice::Permissions permissions)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile::remove(path);
    WriteFile(path, bytes);
    QFile::setPermissions(path, permissions);
}

struct Outcome {
    int exitCode;
    QString out;
    QString err;
};

} // namespace

class CommandLineTest : public QObject, WindowFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void options_data();
    void options();
    void launchAndDryRunRunTheSame_data();
    void launchAndDryRunRunTheSame();
    void failedStartSaysWhy();
    void windowOpenAtTheSameTime();
    void tooltipIsWhatLaunchRuns();
    void failureBoxSaysWhy();

private:
    Outcome run(const QStringList &arguments) const;
    QList<QStringList> recordings() const;
    void clearRecordings() const;
    QStringList readBack(const QString &line) const;

    QTemporaryDir root, records;
    QString install; // a launcher copy's top directory, with bin/ and Resources/
    ChildEnvironment env;
};

void CommandLineTest::initTestCase()
{
    qputenv("ZELVANE_RECORD_DIR", records.path().toLocal8Bit());
    install = root.path() + QStringLiteral("/it's \"quoted\" $HOME");
    const auto exe = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    Install(install + QStringLiteral("/bin/zelvane-launcher"),
            ReadFile(QCoreApplication::applicationDirPath() + QStringLiteral("/../../bin/zelvane-launcher")),
            exe);
    Install(install + QStringLiteral("/Resources/LauncherDefault.ini"), Data("default.ini"),
            QFile::ReadOwner);
    Install(install + EmulatorInBundle, Recorder, exe);
    Install(QCoreApplication::applicationDirPath() + QStringLiteral("/..") + EmulatorInBundle, Recorder, exe);
}

Outcome CommandLineTest::run(const QStringList &arguments) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), env.dataHome());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), env.runtimeDir());
    ChildProcess process;
    process.setProcessEnvironment(environment);
    process.start(install + QStringLiteral("/bin/zelvane-launcher"), arguments);
    const bool ended = process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

QList<QStringList> CommandLineTest::recordings() const
{
    QList<QStringList> recordings;
    const QDir dir(records.path());
    for (const QString &name : dir.entryList({QStringLiteral("*.args")}, QDir::Files, QDir::Name)) {
        const QString text = QString::fromLocal8Bit(ReadFile(dir.filePath(name)));
        recordings << text.split(QChar(0)).mid(0, text.count(QChar(0)));
    }
    return recordings;
}

void CommandLineTest::clearRecordings() const
{
    QDir(records.path()).removeRecursively();
    QDir().mkpath(records.path());
}

// What a POSIX shell runs for the line: the recording emulator's arguments.
QStringList CommandLineTest::readBack(const QString &line) const
{
    if (QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), line}) != 0)
        return {QStringLiteral("the shell could not run: ") + line};
    const QStringList arguments = recordings().value(0);
    clearRecordings();
    return arguments;
}

void CommandLineTest::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("userFile"); // under data/commandline; "dir" a directory in its place
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out"); // patterns
    QTest::addColumn<QString>("err");
    const QString user = QStringLiteral("user.ini"), none, silent = QStringLiteral("^$");
    const QString users = QStringLiteral("^Base\nPhone\nPhone\nOut of range\n$");
    const QString defaults = QStringLiteral("^Default\nTablet\n$");
    const QString help = QStringLiteral("^Run zelvane-launcher --help to see the options.\n$");
    QTest::newRow("help") << QStringList{"--help"} << user << 0 << "--launch <name>.*--dry-run" << silent;
    QTest::newRow("version") << QStringList{"-v"} << user << 0 << "^zelvane-launcher \\d+\\.\\d+\\.\\d+\n$"
                             << silent;
    QTest::newRow("list") << QStringList{"--list"} << user << 0 << users << silent;
    QTest::newRow("list with Qt's options")
        << QStringList{"-platform", "xcb", "-reverse", "--style=fusion", "-list"} << user << 0 << users
        << silent;
    QTest::newRow("no user file") << QStringList{"--list"} << none << 0 << defaults << silent;
    QTest::newRow("out-of-date user file")
        << QStringList{"--list"} << "outdated.ini" << 0 << defaults
        << "^zelvane-launcher: \\S+/Launcher.ini is out of date and was not "
           "used.\n$";
    QTest::newRow("unreadable user file")
        << QStringList{"--list"} << "dir" << 0 << defaults
        << "^zelvane-launcher: \\S+/Launcher.ini cannot be read and was not "
           "used: .+\n$";
    QTest::newRow("unknown profile")
        << QStringList{"--launch", "phone"} << user << 2 << silent
        << "^zelvane-launcher: There is no profile called \"phone\". The profiles "
           "are:\n  Base\n  Phone\n  Phone\n  Out of range\n$";
    QTest::newRow("unknown option") << QStringList{"--lists"} << user << 2 << silent
                                    << "lists.*\n" + help.mid(1);
    QTest::newRow("launch without name")
        << QStringList{"--launch"} << user << 2 << silent << "launch.*\n" + help.mid(1);
    QTest::newRow("dry run alone") << QStringList{"--dry-run"} << user << 2 << silent
                                   << "dry-run.*\n" + help.mid(1);
    QTest::newRow("stray word") << QStringList{"list"} << user << 2 << silent << "list\n" + help.mid(1);
}

// Each run reads what it needs and leaves every file, the user's included,
// exactly as it was.
void CommandLineTest::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, userFile);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QDir(env.userConfigPath()).removeRecursively();
    QFile::remove(env.userConfigPath());
    if (userFile == QLatin1String("dir"))
        QDir().mkpath(env.userConfigPath());
    else if (!userFile.isEmpty())
        Install(env.userConfigPath(), Data(userFile), QFile::ReadOwner | QFile::WriteOwner);
    const QStringList before =
        DirectoryEntries(env.dataHome() + QStringLiteral("/Zelvane")) + env.runtimeEntries();
    const QByteArray bytes = ReadFile(env.userConfigPath());

    const Outcome outcome = run(arguments);
    QCOMPARE(outcome.exitCode, exitCode);
    const auto multiLine = QRegularExpression::DotMatchesEverythingOption;
    QVERIFY2(QRegularExpression(out, multiLine).match(outcome.out).hasMatch(), qPrintable(outcome.out));
    QVERIFY2(QRegularExpression(err).match(outcome.err).hasMatch(), qPrintable(outcome.err));
    QCOMPARE(DirectoryEntries(env.dataHome() + QStringLiteral("/Zelvane")) + env.runtimeEntries(), before);
    QCOMPARE(ReadFile(env.userConfigPath()), bytes);
    QVERIFY(recordings().isEmpty());
}

void CommandLineTest::launchAndDryRunRunTheSame_data()
{
    QTest::addColumn<QString>("profile");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first of two of that name") << "Phone" << Phone;
    QTest::newRow("no options, no arguments") << "Base" << QStringList();
    QTest::newRow("indexes out of range") << "Out of range" << QStringList{"-x"};
}

void CommandLineTest::launchAndDryRunRunTheSame()
{
    QFETCH(QString, profile);
    QFETCH(QStringList, expected);
    Install(env.userConfigPath(), Data("user.ini"), QFile::ReadOwner | QFile::WriteOwner);

    const Outcome dryRun = run({"--launch", profile, "--dry-run"});
    QCOMPARE(dryRun.exitCode, 0);
    QVERIFY(dryRun.out.endsWith(u'\n') && dryRun.out.count(u'\n') == 1);
    QVERIFY(recordings().isEmpty());
    QCOMPARE(readBack(dryRun.out), expected);

    const Outcome launch = run({"--launch", profile});
    QCOMPARE(launch.exitCode, 0);
    QCOMPARE(launch.out + launch.err, QString());
    QTRY_COMPARE(recordings(), QList<QStringList>{expected});
    clearRecordings();
}

void CommandLineTest::failedStartSaysWhy()
{
    Install(env.userConfigPath(), Data("user.ini"), QFile::ReadOwner | QFile::WriteOwner);
    Install(install + EmulatorInBundle, Recorder, QFile::ReadOwner | QFile::WriteOwner);
    const Outcome outcome = run({"--launch", "Base"});
    Install(install + EmulatorInBundle, Recorder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.err, QStringLiteral("zelvane-launcher: The emulator %1 could not be started: Permission "
                                         "denied.\n")
                              .arg(QDir::cleanPath(install + EmulatorInBundle)));
}

// The options never ask the open window anything, nor wait for it.
void CommandLineTest::windowOpenAtTheSameTime()
{
    Install(env.userConfigPath(), Data("user.ini"), QFile::ReadOwner | QFile::WriteOwner);
    const auto window = StartWindow(env, 5000, install + QStringLiteral("/bin/zelvane-launcher"));
    QVERIFY(window);
    QCOMPARE(run({"--list"}).out, QStringLiteral("Base\nPhone\nPhone\nOut of range\n"));
    QCOMPARE(readBack(run({"--launch", "Phone", "--dry-run"}).out), Phone);
    QVERIFY(Quit(*window));
}

// Whatever the window shows, its tooltip read by a shell runs what Launch runs.
void CommandLineTest::tooltipIsWhatLaunchRuns()
{
    openWindow(Data("user.ini"));
    const auto check = [this](const QStringList &expected) {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), w->launchButton->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(w->launchButton, &event);
        QCOMPARE(readBack(w->launchButton->toolTip()), expected);
        QTest::mouseClick(w->launchButton, Qt::LeftButton);
        QTRY_COMPARE(recordings(), QList<QStringList>{expected});
        clearRecordings();
    };
    selectRow(1);
    check(Phone);
    w->argumentsEdit->clear();
    QTest::keyClicks(w->argumentsEdit, "-name \"\"\"it's\"\"\" \"two  words\" $x");
    w->resolutionCombo->setCurrentIndex(0);
    check({"-ppi", "240", "-touch", "-name", "\"it's\"", "two  words", "$x"});
}

void CommandLineTest::failureBoxSaysWhy()
{
    openWindow(Data("user.ini"));
    const QString emulator =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + "/.." + EmulatorInBundle);
    QVERIFY(QFile::remove(emulator));
    ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))});
    QTest::mouseClick(w->launchButton, Qt::LeftButton);
    Install(emulator, Recorder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(answerer.seen().size(), 1);
    QCOMPARE(answerer.seen().first().text, QStringLiteral("Failed to start Zelvane Emulator!"));
    QCOMPARE(
        answerer.seen().first().informativeText,
        QStringLiteral("The emulator %1 could not be started: No such file or directory.").arg(emulator));
}

QTEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"
