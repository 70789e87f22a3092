// Reading and writing the configuration files through the window: where
// they are, falling back to the shipped default, moving an out-of-date file
// aside, and saving when the window goes away. This program lives in its own
// bin/ directory, so it controls the Resources directory beside it.
#include "configio.h"
#include "modalanswerer.h"
#include "testenvironment.h"
#include "windowwidgets.h"

#include "filelocations.h"

#include <QDir>
#include <QProcess>
#include <QTest>

#include <cstdio>
#include <memory>

namespace
{

const QByteArray canonicalDefault =
    QByteArray(SavedFileHeader) + "[Profile]\n"
                                  "\"Shipped\"\t\"[Resolution] 1 [PixelDensity] 0 [Input] 0 \"\n"
                                  "\"Shipped phone\"\t\"[Resolution] 1 [PixelDensity] 0 [Input] 0 -phone\"\n"
                                  "\n"
                                  "[Resolution]\n"
                                  "\"R0\"\t\"\"\n"
                                  "\"R1\"\t\" -windowsize 480x800\"\n"
                                  "\n"
                                  "[PixelDensity]\n"
                                  "\"D0\"\t\"\"\n"
                                  "\n"
                                  "[Input]\n"
                                  "\"I0\"\t\"\"\n"
                                  "\n";

const QByteArray userConfig = "# hand-edited\r\n"
                              "$VERSION = 104\r\n"
                              "\r\n"
                              "[Input]\r\n\"Touch\"\t\" -touch\"\r\n"
                              "[Profile]\r\n\"Mine\"\t\"-mine  [Input] 0\"\r\n";

QString DefaultConfigPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources/LauncherDefault.ini");
}

QStringList ProfileNames(MainWindow &window)
{
    const WindowWidgets widgets(window);
    QStringList names;
    for (int i = 0; i < widgets.profileList->count(); ++i)
        names << widgets.profileList->item(i)->text();
    return names;
}

QString Lookup(int kind, const QString &path)
{
    return QStringLiteral("GetFileName( %1 ): result= \"%2\" ").arg(kind).arg(path);
}

// Run as a child process: no configuration can be read, so building the
// window shows the fatal message, which this answers, and ends the process.
int RunFatalChild(int argc, char **argv)
{
    QApplication app(argc, argv);
    ModalAnswerer answerer({[](QWidget *dialog) {
        std::printf("%s|%s\n", qPrintable(dialog->windowTitle()),
                    qPrintable(dialog->parentWidget() ? "parent" : "none"));
        std::fflush(stdout);
        ClickButton(QStringLiteral("OK"))(dialog);
    }});
    answerer.add(Reject());
    MainWindow window;
    std::printf("constructor returned\n");
    return 0;
}

} // namespace

class ConfigFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void fileLookups();
    void userFileLoadsAndIsRewritten();
    void fallbackToDefault();
    void outdatedUserFile_data();
    void outdatedUserFile();
    void earlierBackupsAreKept();
    void outdatedDefaultFile();
    void linkIntoExistingFolder();
    void failedSaveIsReported_data();
    void failedSaveIsReported();
    void fatalWithoutConfiguration();

private:
    std::unique_ptr<TestDataDir> data;
};

void ConfigFilesTest::init()
{
    data = std::make_unique<TestDataDir>();
    QDir().mkpath(QFileInfo(DefaultConfigPath()).path());
    WriteFile(DefaultConfigPath(), canonicalDefault);
}

void ConfigFilesTest::cleanup()
{
    data.reset();
}

void ConfigFilesTest::fileLookups()
{
    MessageCapture capture;
    const QString resources =
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources"));
    QCOMPARE(GetFileName(UserConfig), data->userConfigPath());
    QCOMPARE(GetFileName(DefaultConfig), resources + QStringLiteral("/LauncherDefault.ini"));
    QCOMPARE(GetFileName(HelpFile), resources + QStringLiteral("/LauncherHelp.html"));
    QCOMPARE(GetFileName(EmulatorBinary), resources + QStringLiteral("/Zelvane.app/Contents/MacOS/zelvane"));
    QCOMPARE(GetFileName(7), QString());
    QCOMPARE(GetFileName(-1), QString());

    // Paths are written as they are: spaces, quotes and non-ASCII unescaped.
    const QString odd = data->path() + QStringLiteral("/a \"quoted\" dïr\\");
    qputenv("XDG_DATA_HOME", odd.toUtf8());
    QCOMPARE(GetFileName(UserConfig), odd + QStringLiteral("/Zelvane/Launcher.ini"));

    QCOMPARE(capture.fileLookups(),
             QStringList({Lookup(0, data->userConfigPath()), Lookup(1, resources + "/LauncherDefault.ini"),
                          Lookup(2, resources + "/LauncherHelp.html"),
                          Lookup(3, resources + "/Zelvane.app/Contents/MacOS/zelvane"), Lookup(7, QString()),
                          Lookup(-1, QString()), Lookup(0, odd + "/Zelvane/Launcher.ini")}));
}

void ConfigFilesTest::userFileLoadsAndIsRewritten()
{
    data->writeUserConfig(userConfig);
    {
        MessageCapture capture;
        ModalAnswerer answerer;
        MainWindow window;
        QCOMPARE(capture.fileLookups(), QStringList({Lookup(0, data->userConfigPath())}));
        QVERIFY(answerer.seen().isEmpty());
        QCOMPARE(ProfileNames(window), QStringList({"Mine"}));
        QCOMPARE(WindowWidgets(window).argumentsEdit->text(), QStringLiteral(" -mine"));
        QCOMPARE(data->readUserConfig(), userConfig); // nothing is written before the end
    }
    // Comments, CR LF and the old version are gone; the model is kept.
    const QByteArray saved = data->readUserConfig();
    QVERIFY(saved.startsWith(SavedFileHeader));
    QVERIFY(saved.contains("[Profile]\n\"Mine\"\t\"[Resolution] 0 [PixelDensity] 0 [Input] 0 -mine\"\n\n"));
    QVERIFY(saved.contains("[Input]\n\"Touch\"\t\" -touch\"\n\n"));
    QVERIFY(!saved.contains('\r'));
}

void ConfigFilesTest::fallbackToDefault()
{
    {
        MessageCapture capture;
        ModalAnswerer answerer;
        MainWindow window;
        QVERIFY(answerer.seen().isEmpty());
        QCOMPARE(capture.fileLookups(),
                 QStringList({Lookup(0, data->userConfigPath()),
                              Lookup(1, QFileInfo(DefaultConfigPath()).absoluteFilePath())}));
        QCOMPARE(ProfileNames(window), QStringList({"Shipped", "Shipped phone"}));
        QVERIFY(!QFileInfo::exists(QFileInfo(data->userConfigPath()).path()));
    }
    // The user's own file appears, directory and all, with the same model.
    QCOMPARE(data->readUserConfig(), canonicalDefault);
}

void ConfigFilesTest::outdatedUserFile_data()
{
    QTest::addColumn<QByteArray>("versionLine");
    QTest::addColumn<QString>("backupName");
    QTest::newRow("no version line") << QByteArray() << "Launcher.0.ini";
    QTest::newRow("older") << QByteArray("$VERSION\t102\n") << "Launcher.102.ini";
    QTest::newRow("newer") << QByteArray("$VERSION\t107\n") << "Launcher.107.ini";
    QTest::newRow("negative") << QByteArray("$VERSION -1\n") << "Launcher.-1.ini";
}

void ConfigFilesTest::outdatedUserFile()
{
    QFETCH(QByteArray, versionLine);
    QFETCH(QString, backupName);
    const QByteArray outdated = versionLine + "[Profile]\n\"Old\"\t\"\"\n";
    data->writeUserConfig(outdated);
    const QString directory = QFileInfo(data->userConfigPath()).path();
    const QString backup = directory + u'/' + backupName;
    {
        MessageCapture capture;
        ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))});
        MainWindow window;
        QCOMPARE(answerer.seen().size(), 1);
        const SeenDialog warning = answerer.seen().first();
        QCOMPARE(warning.title, QStringLiteral("Zelvane Emulator Launcher Warning"));
        QCOMPARE(warning.text,
                 QStringLiteral("Your Launcher.ini configuration file is out of date and will not be "
                                "used. It has been renamed to %1 to make place for a new "
                                "configuration file.")
                     .arg(backup));
        QCOMPARE(warning.buttons, QStringList({"OK"}));
        // The user file is looked up once to load and twice to rename it.
        QCOMPARE(capture.fileLookups().size(), 4);
        QCOMPARE(capture.fileLookups().last().left(15), QStringLiteral("GetFileName( 1 "));
        QCOMPARE(ProfileNames(window), QStringList({"Shipped", "Shipped phone"}));
        QCOMPARE(ReadFile(backup), outdated);
        QVERIFY(!QFileInfo::exists(data->userConfigPath()));
    }
    QCOMPARE(data->readUserConfig(), canonicalDefault);
    QCOMPARE(ReadFile(backup), outdated);
}

void ConfigFilesTest::earlierBackupsAreKept()
{
    const QString directory = QFileInfo(data->userConfigPath()).path();
    data->writeUserConfig("$VERSION 102\n# third\n");
    WriteFile(directory + "/Launcher.102.ini", "# first\n");
    WriteFile(directory + "/Launcher.102.1.ini", "# second\n");
    {
        ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))});
        MainWindow window;
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(answerer.seen().first().text.contains(directory + "/Launcher.102.2.ini to make place"));
    }
    QCOMPARE(ReadFile(directory + "/Launcher.102.ini"), QByteArray("# first\n"));
    QCOMPARE(ReadFile(directory + "/Launcher.102.1.ini"), QByteArray("# second\n"));
    QCOMPARE(ReadFile(directory + "/Launcher.102.2.ini"), QByteArray("$VERSION 102\n# third\n"));
    QCOMPARE(data->readUserConfig(), canonicalDefault);
}

void ConfigFilesTest::outdatedDefaultFile()
{
    WriteFile(DefaultConfigPath(), "$VERSION 5\n[Profile]\n\"Ignored\"\t\"\"\n[Input]\n\"x\"\n");
    {
        ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))});
        MainWindow window;
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.seen().first().title, QStringLiteral("Zelvane Emulator Launcher Warning"));
        QCOMPARE(answerer.seen().first().text, QStringLiteral("Config file is out of date"));
        const WindowWidgets widgets(window);
        QCOMPARE(ProfileNames(window), QStringList({"Default"}));
        QCOMPARE(widgets.inputCombo->itemText(0), QStringLiteral("Default"));
        QCOMPARE(widgets.inputCombo->count(), 1);
    }
    const QByteArray saved = data->readUserConfig();
    QVERIFY(saved.contains("[Profile]\n\"Default\"\t\"[Resolution] 0 [PixelDensity] 0 [Input] 0 \"\n\n"));
    QVERIFY(saved.endsWith("[Input]\n\"Default\"\t\"\"\n\n"));
}

void ConfigFilesTest::linkIntoExistingFolder()
{
    // A dangling symlink as the user's file: the default is used without a
    // word, and the save creates the file the link points to.
    const QString synced = data->path() + QStringLiteral("/Synced/Launcher.ini");
    QVERIFY(QDir().mkpath(QFileInfo(synced).path()) &&
            QDir().mkpath(QFileInfo(data->userConfigPath()).path()));
    QVERIFY(QFile::link(synced, data->userConfigPath()));
    ModalAnswerer answerer;
    delete new MainWindow;
    QVERIFY(answerer.seen().isEmpty());
    QCOMPARE(QFileInfo(data->userConfigPath()).symLinkTarget(), synced);
    QCOMPARE(ReadFile(synced), canonicalDefault);
    QCOMPARE(DirectoryEntries(QFileInfo(data->userConfigPath()).path()), QStringList({"Launcher.ini"}));
}

void ConfigFilesTest::failedSaveIsReported_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason"); // in the message, after the path
    QTest::newRow("file where the Zelvane directory should be") << "file"
                                                                << "The directory %1/Zelvane cannot be";
    QTest::newRow("link into a folder that is gone") << "link"
                                                     << "No such file";
}

void ConfigFilesTest::failedSaveIsReported()
{
    // The default is used without a word; the save at the end fails, the
    // user is told, naming the path and why, and what is on disk stays.
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    const QString zelvane = data->path() + QStringLiteral("/Zelvane");
    const QString unmounted = data->path() + QStringLiteral("/Unmounted/Launcher.ini");
    if (fault == QLatin1String("file")) {
        WriteFile(zelvane, "not a directory");
    } else {
        QVERIFY(QDir().mkpath(zelvane));
        QVERIFY(QFile::link(unmounted, data->userConfigPath()));
    }
    MessageCapture capture;
    ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))});
    {
        MainWindow window;
        QVERIFY(answerer.seen().isEmpty());
        QCOMPARE(ProfileNames(window), QStringList({"Shipped", "Shipped phone"}));
        WindowWidgets(window).argumentsEdit->setText(QStringLiteral("-edited"));
    }
    QCOMPARE(answerer.seen().size(), 1);
    const SeenDialog report = answerer.seen().first();
    QCOMPARE(report.className, QStringLiteral("QMessageBox"));
    QCOMPARE(report.title, QStringLiteral("Zelvane Emulator Launcher"));
    const QString named =
        QStringLiteral("Unable to save the configuration to %1.\n\n").arg(data->userConfigPath());
    QVERIFY2(report.text.startsWith(named + reason.replace(QStringLiteral("%1"), data->path())),
             qPrintable(report.text));
    const QStringList lines = capture.messages().filter(QStringLiteral("Unable to save"));
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().startsWith(QStringLiteral("Unable to save the configuration to ") +
                                     data->userConfigPath()));

    if (fault == QLatin1String("file")) {
        QCOMPARE(ReadFile(zelvane), QByteArray("not a directory"));
    } else {
        QCOMPARE(QFileInfo(data->userConfigPath()).symLinkTarget(), unmounted);
        QVERIFY(!QFileInfo::exists(QFileInfo(unmounted).path()));
        QCOMPARE(DirectoryEntries(zelvane), QStringList({"Launcher.ini"}));
    }
}

void ConfigFilesTest::fatalWithoutConfiguration()
{
    QFile::remove(DefaultConfigPath());
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments({QStringLiteral("--fatal-child")});
    child.start();
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    const QByteArray out = child.readAllStandardOutput();
    QVERIFY2(out.startsWith("Zelvane Emulator|none\n"), out.constData());
    QVERIFY2(!out.contains("constructor returned"), out.constData());
    // Nothing was saved: not even the directory exists.
    QVERIFY(QDir(data->path()).isEmpty());
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--fatal-child") == 0)
        return RunFatalChild(argc, argv);
    QApplication app(argc, argv);
    ConfigFilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_configfiles.moc"
