#include "launcher.h"
#include "modalanswerer.h"
#include "testenvironment.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

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
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../Resources/Zelvane.app/Contents/MacOS/zelvane"));
}

void InstallEmulator(QFileDevice::Permissions permissions)
{
    QDir().mkpath(QFileInfo(EmulatorPath()).path());
    // Replaced, not rewritten, so a recorder still running keeps its file.
    QSaveFile file(EmulatorPath());
    if (!file.open(QIODevice::WriteOnly) || file.write(RecorderScript) != RecorderScript.size() || !file.commit()
        || !QFile::setPermissions(EmulatorPath(), permissions))
        qFatal("Cannot install the recording emulator at %s", qPrintable(EmulatorPath()));
}

QComboBox *Combo(MainWindow &window, const QString &label)
{
    auto *form = window.findChild<QFormLayout *>();
    for (int row = 0; form && row < form->rowCount(); ++row) {
        QLayoutItem *labelItem = form->itemAt(row, QFormLayout::LabelRole);
        auto *text = labelItem ? qobject_cast<QLabel *>(labelItem->widget()) : nullptr;
        if (text && text->text() == label)
            return qobject_cast<QComboBox *>(form->itemAt(row, QFormLayout::FieldRole)->layout()->itemAt(0)->widget());
    }
    qFatal("No combo box labelled %s", qPrintable(label));
}

QPushButton *Button(MainWindow &window, const QString &text)
{
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (button->text() == text)
            return button;
    }
    qFatal("No button %s", qPrintable(text));
}

void Click(MainWindow &window, const QString &text)
{
    QTest::mouseClick(Button(window, text), Qt::LeftButton);
}

// What a user sees of the window's choices and profile buttons.
QStringList WindowState(MainWindow &window)
{
    QStringList state{QString::number(window.findChild<QListWidget *>()->currentRow())};
    for (const QString &label : {QStringLiteral("Resolution"), QStringLiteral("Pixel Density"), QStringLiteral("Input")})
        state << QString::number(Combo(window, label)->currentIndex());
    state << window.findChild<QLineEdit *>()->text();
    for (QPushButton *button : window.findChildren<QPushButton *>())
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
    void Open(const QUrl &url) { urls << url; }
};

class LaunchingTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void commandLine_data();
    void commandLine();
    void unsavedChoicesAreLaunchedAsShown();
    void everyLaunchStartsAnEmulator();
    void failedStart_data();
    void failedStart();
    void helpOpensTheShippedPage();

private:
    QList<QStringList> Recordings() const;
    void ShowWindow(MainWindow &window);

    std::unique_ptr<TestDataDir> dataDir;
    std::unique_ptr<QTemporaryDir> recordDir;
};

void LaunchingTest::init()
{
    dataDir.reset(); // first, so it restores the environment before the next one changes it
    dataDir = std::make_unique<TestDataDir>();
    dataDir->writeUserConfig(TestConfig);
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

void LaunchingTest::ShowWindow(MainWindow &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

void LaunchingTest::commandLine_data()
{
    QTest::addColumn<int>("profile");
    QTest::addColumn<QList<int>>("choices"); // Resolution, Pixel Density, Input; empty: as the profile sets them
    QTest::addColumn<bool>("type");
    QTest::addColumn<QString>("typed"); // replaces the arguments field when type is set
    QTest::addColumn<QStringList>("expected");

    const QStringList phone{"-windowsize", "480x800", "-ppi", "240"};
    QTest::newRow("stored profile") << 1 << QList<int>() << false << QString() << phone + QStringList{"-foo"};
    QTest::newRow("fragments joined as stored") << 0 << QList<int>{2, 2, 1} << true << QString()
                                                << QStringList{"-xyz"};
    QTest::newRow("arguments after one space") << 0 << QList<int>{2, 2, 1} << true << "-w"
                                               << QStringList{"-xyz", "-w"};
    QTest::newRow("empty arguments add nothing") << 1 << QList<int>() << true << QString() << phone;
    QTest::newRow("blanks around arguments") << 0 << QList<int>() << true << "   -a   -b   "
                                             << QStringList{"-a", "-b"};
    QTest::newRow("untrimmed: an open quote keeps trailing blanks")
        << 0 << QList<int>() << true << "  -a \"b  " << QStringList{"-a", "b  "};
    QTest::newRow("double-quoted run is one argument")
        << 1 << QList<int>() << true << "-title \"two words\" -x" << phone + QStringList{"-title", "two words", "-x"};
    QTest::newRow("tripled quote is a literal quote")
        << 0 << QList<int>() << true << "-name \"\"\"quoted\"\"\" say\"\"\"hi"
        << QStringList{"-name", "\"quoted\"", "say\"hi"};
    QTest::newRow("stored index out of range adds nothing") << 2 << QList<int>() << false << QString()
                                                             << QStringList{"-ppi", "240"};
}

void LaunchingTest::commandLine()
{
    QFETCH(int, profile);
    QFETCH(QList<int>, choices);
    QFETCH(bool, type);
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    MainWindow window;
    ShowWindow(window);
    window.findChild<QListWidget *>()->setCurrentRow(profile);
    const QStringList labels{"Resolution", "Pixel Density", "Input"};
    for (int i = 0; i < choices.size(); ++i)
        Combo(window, labels[i])->setCurrentIndex(choices[i]);
    if (type) {
        auto *arguments = window.findChild<QLineEdit *>();
        arguments->clear();
        QTest::keyClicks(arguments, typed);
        QCOMPARE(arguments->text(), typed);
    }

    Click(window, QStringLiteral("&Launch"));
    QTRY_COMPARE(Recordings().size(), 1);
    QCOMPARE(Recordings().first(), expected);
}

void LaunchingTest::unsavedChoicesAreLaunchedAsShown()
{
    MainWindow window;
    ShowWindow(window);
    auto *list = window.findChild<QListWidget *>();
    QComboBox *resolution = Combo(window, QStringLiteral("Resolution"));
    list->setCurrentRow(1);
    resolution->setCurrentIndex(2);

    Click(window, QStringLiteral("&Launch"));
    QTRY_COMPARE(Recordings().size(), 1);
    QCOMPARE(Recordings().first(), (QStringList{"-x", "-ppi", "240", "-foo"}));

    // Launching stored nothing: the profile still differs from the window,
    // and reselecting it brings back its own resolution.
    QVERIFY(Button(window, QStringLiteral("Update"))->isEnabled());
    QCOMPARE(dataDir->readUserConfig(), TestConfig);
    list->setCurrentRow(0);
    list->setCurrentRow(1);
    QCOMPARE(resolution->currentIndex(), 1);
}

void LaunchingTest::everyLaunchStartsAnEmulator()
{
    MainWindow window;
    ShowWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.findChild<QListWidget *>()->setCurrentRow(1);
    Click(window, QStringLiteral("&Launch"));
    QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
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

    MainWindow window;
    ShowWindow(window);
    window.findChild<QListWidget *>()->setCurrentRow(1);
    Combo(window, QStringLiteral("Input"))->setCurrentIndex(1);
    const QStringList before = WindowState(window);

    ModalAnswerer answerer({ClickButton(QStringLiteral("OK"))});
    Click(window, QStringLiteral("&Launch"));
    QCOMPARE(answerer.seen().size(), 1);
    const SeenDialog box = answerer.seen().first();
    QCOMPARE(box.className, QStringLiteral("QMessageBox"));
    QCOMPARE(box.title, QStringLiteral("Zelvane Emulator Launcher"));
    QCOMPARE(box.text, QStringLiteral("Failed to start Zelvane Emulator!"));
    QCOMPARE(box.buttons, QStringList{"OK"});
    QCOMPARE(WindowState(window), before);

    // Still usable: with the emulator in place the same click starts it.
    InstallEmulator(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Click(window, QStringLiteral("&Launch"));
    QTRY_COMPARE(Recordings(), (QList<QStringList>{{"-windowsize", "480x800", "-ppi", "240z", "-foo"}}));
    QCOMPARE(answerer.seen().size(), 1);
}

void LaunchingTest::helpOpensTheShippedPage()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
    MainWindow window;
    ShowWindow(window);
    auto *list = window.findChild<QListWidget *>();
    for (int row : {0, 2}) {
        list->setCurrentRow(row);
        Click(window, QStringLiteral("&Help"));
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    const QUrl page = QUrl::fromLocalFile(QDir::cleanPath(QCoreApplication::applicationDirPath()
                                                          + QStringLiteral("/../Resources/LauncherHelp.html")));
    QCOMPARE(catcher.urls, (QList<QUrl>{page, page}));
}

QTEST_MAIN(LaunchingTest)
#include "tst_launching.moc"
