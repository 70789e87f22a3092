// Launch and Help: the exact arguments a recording emulator receives, a
// failed start, and the help page handed to the desktop. This program lives
// in its own bin/ directory, so it controls the Resources beside it.
#include "modalanswerer.h"
#include "windowwidgets.h"

#include <QDesktopServices>
#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{

// Resolution 2, PixelDensity 2 and Input 1 are fragments without a leading
// space, so choosing all three shows whether anything is put between them.
const QByteArray TestConfig = "$VERSION\t106\n"
                              "[Profile]\n"
                              "\"Base\"\t\"[Resolution] 0 [PixelDensity] 0 [Input] 0 \"\n"
                              "\"Phone\"\t\"[Resolution] 1 [PixelDensity] 1 [Input] 0 -foo\"\n"
                              "\"Out of range\"\t\"[Resolution] 7 [PixelDensity] 1 [Input] 0 \"\n"
                              "[Resolution]\n"
                              "\"Emulator default\"\t\"\"\n"
                              "\"WVGA\"\t\" -windowsize 480x800\"\n"
                              "\"Joined\"\t\" -x\"\n"
                              "[PixelDensity]\n"
                              "\"Emulator default\"\t\"\"\n"
                              "\"High\"\t\" -ppi 240\"\n"
                              "\"Joined\"\t\"y\"\n"
                              "[Input]\n"
                              "\"Mouse\"\t\"\"\n"
                              "\"Joined\"\t\"z\"\n";

// Stands at the emulator's path and records its arguments, NUL-terminated,
// in a file named after its process id, renamed into place when complete.
const QByteArray RecorderScript = "#!/bin/sh\n"
                                  "out=\"$ZELVANE_RECORD_DIR/$$\"\n"
                                  "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$out.part\"\n"
                                  "mv \"$out.part\" \"$out.args\"\n";

QString EmulatorPath()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../Resources/Zelvane.app/Contents/MacOS/zelvane"));
}

void InstallEmulator(QFileDevice::Permissions permissions)
{
    QDir().mkpath(QFileInfo(EmulatorPath()).path());
    // Replaced, not rewritten, so a recorder still running keeps its file.
    QSaveFile file(EmulatorPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(RecorderScript) != RecorderScript.size() ||
        !file.commit() || !QFile::setPermissions(EmulatorPath(), permissions))
        qFatal("Cannot install the recording emulator at %s", qPrintable(EmulatorPath()));
}

// What a user sees of the window's choices and profile buttons.
QStringList WindowState(const WindowWidgets &w)
{
    QStringList state{QString::number(w.profileList->currentRow())};
    for (QComboBox *combo : {w.resolutionCombo, w.pixelDensityCombo, w.inputCombo})
        state << QString::number(combo->currentIndex());
    state << w.argumentsEdit->text();
    for (QPushButton *button :
         {w.addUpdateButton, w.removeProfileButton, w.addResolutionButton, w.removeResolutionButton,
          w.addPixelDensityButton, w.removePixelDensityButton, w.helpButton, w.launchButton})
        state << button->text() + (button->isEnabled() ? QStringLiteral(" on") : QStringLiteral(" off"));
    return state;
}

} // namespace

// Stands in for the desktop: receives the URLs of the file scheme.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void Open(const QUrl &url)
    {
        urls << url;
    }
};

class LaunchingTest : public QObject, WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void cleanup()
    {
        closeWindow();
    }
    void commandLine_data();
    void commandLine();
    void unsavedChoicesAreLaunchedAsShown();
    void everyLaunchStartsAnEmulator();
    void failedStart_data();
    void failedStart();
    void helpOpensTheShippedPage();

private:
    QList<QStringList> Recordings() const;

    std::unique_ptr<QTemporaryDir> recordDir;
};

void LaunchingTest::init()
{
    openWindow(TestConfig);
    recordDir = std::make_unique<QTemporaryDir>();
    qputenv("ZELVANE_RECORD_DIR", recordDir->path().toLocal8Bit());
    InstallEmulator(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Every finished recording, oldest process id first.
QList<QStringList> LaunchingTest::Recordings() const
{
    QList<QStringList> recordings;
    const QDir dir(recordDir->path());
    for (const QString &name : dir.entryList({QStringLiteral("*.args")}, QDir::Files, QDir::Name)) {
        QList<QByteArray> words = ReadFile(dir.filePath(name)).split('\0');
        words.removeLast(); // after the last terminator
        QStringList arguments;
        for (const QByteArray &word : words)
            arguments << QString::fromLocal8Bit(word);
        recordings << arguments;
    }
    return recordings;
}

void LaunchingTest::commandLine_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QList<int>>(
        "choices"); // Resolution, Pixel Density, Input; empty: as the profile sets them
    QTest::addColumn<bool>("type");
    QTest::addColumn<QString>("typed"); // replaces the arguments field when type is set
    QTest::addColumn<QStringList>("expected");

    const QStringList phone{"-windowsize", "480x800", "-ppi", "240"};
    QTest::newRow("stored profile") << 1 << QList<int>() << false << QString() << phone + QStringList{"-foo"};
    QTest::newRow("fragments joined as stored")
        << 0 << QList<int>{2, 2, 1} << true << QString() << QStringList{"-xyz"};
    QTest::newRow("arguments after one space")
        << 0 << QList<int>{2, 2, 1} << true << "-w" << QStringList{"-xyz", "-w"};
    QTest::newRow("empty arguments add nothing") << 1 << QList<int>() << true << QString() << phone;
    QTest::newRow("blanks around arguments")
        << 0 << QList<int>() << true << "   -a   -b   " << QStringList{"-a", "-b"};
    QTest::newRow("untrimmed: an open quote keeps trailing blanks")
        << 0 << QList<int>() << true << "  -a \"b  " << QStringList{"-a", "b  "};
    QTest::newRow("double-quoted run is one argument")
        << 1 << QList<int>() << true << "-title \"two words\" -x"
        << phone + QStringList{"-title", "two words", "-x"};
    QTest::newRow("tripled quote is a literal quote")
        << 0 << QList<int>() << true << "-name \"\"\"quoted\"\"\" say\"\"\"hi"
        << QStringList{"-name", "\"quoted\"", "say\"hi"};
    QTest::newRow("stored index out of range adds nothing")
        << 2 << QList<int>() << false << QString() << QStringList{"-ppi", "240"};
}

void LaunchingTest::commandLine()
{
    QFETCH(int, profile);
    QFETCH(QList<int>, choices);
    QFETCH(bool, type);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    w->profileList->setCurrentRow(profile);
    const QList<QComboBox *> combos{w->resolutionCombo, w->pixelDensityCombo, w->inputCombo};
    for (int i = 0; i < choices.size(); ++i)
        combos[i]->setCurrentIndex(choices[i]);
    if (type) {
        w->argumentsEdit->clear();
        QTest::keyClicks(w->argumentsEdit, typed);
        QCOMPARE(w->argumentsEdit->text(), typed);
    }

    QTest::mouseClick(w->launchButton, Qt::LeftButton);
    QTRY_COMPARE(Recordings().size(), 1);
    QCOMPARE(Recordings().first(), expected);
}

void LaunchingTest::unsavedChoicesAreLaunchedAsShown()
{
    w->profileList->setCurrentRow(1);
    w->resolutionCombo->setCurrentIndex(2);
    QTest::mouseClick(w->launchButton, Qt::LeftButton);
    QTRY_COMPARE(Recordings().size(), 1);
    QCOMPARE(Recordings().first(), (QStringList{"-x", "-ppi", "240", "-foo"}));

    // Launching stored nothing: the profile still differs from the window,
    // and reselecting it brings back its own resolution.
    QCOMPARE(w->addUpdateButton->text(), QStringLiteral("Update"));
    QVERIFY(w->addUpdateButton->isEnabled());
    QCOMPARE(data->readUserConfig(), TestConfig);
    w->profileList->setCurrentRow(0);
    w->profileList->setCurrentRow(1);
    QCOMPARE(w->resolutionCombo->currentIndex(), 1);
}

void LaunchingTest::everyLaunchStartsAnEmulator()
{
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    w->profileList->setCurrentRow(1);
    QTest::mouseClick(w->launchButton, Qt::LeftButton);
    QTest::keyClick(window.get(), Qt::Key_L, Qt::AltModifier);
    const QStringList expected{"-windowsize", "480x800", "-ppi", "240", "-foo"};
    QTRY_COMPARE(Recordings(), (QList<QStringList>{expected, expected}));
}

void LaunchingTest::failedStart_data()
{
    QTest::addColumn<bool>("present");
    QTest::newRow("missing") << false;
    QTest::newRow("not executable") << true;
}

void LaunchingTest::failedStart()
{
    QFETCH(bool, present);
    QVERIFY(QFile::remove(EmulatorPath()));
    if (present)
        InstallEmulator(QFile::ReadOwner | QFile::WriteOwner);

    w->profileList->setCurrentRow(1);
    w->inputCombo->setCurrentIndex(1);
    const QStringList before = WindowState(*w);
    ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))});
    QTest::mouseClick(w->launchButton, Qt::LeftButton);
    QCOMPARE(answerer.seen().size(), 1);
    const SeenDialog box = answerer.seen().first();
    QCOMPARE(box.className, QStringLiteral("QMessageBox"));
    QCOMPARE(box.title, QStringLiteral("Zelvane Emulator Launcher"));
    QCOMPARE(box.text, QStringLiteral("Failed to start Zelvane Emulator!"));
    QCOMPARE(box.buttons, QStringList{"OK"});
    QCOMPARE(WindowState(*w), before);

    // Still usable: with the emulator in place the same click starts it.
    InstallEmulator(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QTest::mouseClick(w->launchButton, Qt::LeftButton);
    QTRY_COMPARE(Recordings(), (QList<QStringList>{{"-windowsize", "480x800", "-ppi", "240z", "-foo"}}));
    QCOMPARE(answerer.seen().size(), 1);
}

void LaunchingTest::helpOpensTheShippedPage()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    for (int row : {0, 2}) {
        w->profileList->setCurrentRow(row);
        QTest::mouseClick(w->helpButton, Qt::LeftButton);
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    const QUrl page = QUrl::fromLocalFile(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                          QStringLiteral("/../Resources/LauncherHelp.html")));
    QCOMPARE(catcher.urls, (QList<QUrl>{page, page}));
}

QTEST_MAIN(LaunchingTest)
#include "tst_launching.moc"
