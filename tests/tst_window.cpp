// The launcher window driven as a user drives it. Each folder of data/window
// is one session: an optional Launcher.ini, the steps (setup, then "open",
// then clicks, typing and the answers to the dialogs they bring up), the
// transcript of what the user saw and the emulator received, and optionally
// saved.ini, the exact Launcher.ini left after the window closed.
// This program lives in its own bin/ directory: it puts a default file and a
// recording emulator into the Resources beside it.
#include "adddlg.h"
#include "commandline.h"
#include "emulatorprogram.h"
#include "launchcommand.h"
#include "launchwatch.h"
#include "modalanswerer.h"
#include "quitsignals.h"
#include "runningwatch.h"
#include "translations.h"
#include "windowwidgets.h"

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocumentFragment>

#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace
{

// Stands at the emulator's path and records its arguments, NUL-terminated,
// in a file named by its process id; a session's own script calls record
// where it likes.
const QByteArray Recorder =
    "#!/bin/sh\nrecord() { for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$RECORD_DIR/$$.part\"\n"
    "mv \"$RECORD_DIR/$$.part\" \"$RECORD_DIR/$$.args\"; }\n";

QString Resources()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources"));
}

QString EmulatorPath()
{
    return Resources() + QStringLiteral("/Zelvane.app/Contents/MacOS/zelvane");
}

QString OnOff(const QWidget *widget)
{
    return widget->isEnabled() ? QStringLiteral(" on") : QStringLiteral(" off");
}

// A style under which a single click activates an item, as some desktops set.
class SingleClickStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *data) const override
    {
        return hint == SH_ItemView_ActivateItemOnSingleClick
                   ? 1
                   : QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

class WindowTest : public QObject, WindowFixture
{
    Q_OBJECT

private slots:
    void sessions_data();
    void sessions();

private:
    void Run(const QString &step);
    void Log(QString line);
    void Flush();
    ModalAnswerer::Answer Logged(const ModalAnswerer::Answer &answer, const QString &kind);

    void TakeRecordings(int count);

    QString caseDir;
    QList<int> emulators; // recorded, not yet ended
    QStringList transcript;
    std::unique_ptr<ModalAnswerer> answerer;
    std::unique_ptr<MessageCapture> capture;
    std::unique_ptr<QTemporaryDir> records;
    std::unique_ptr<QuitSignals> quitSignals;
    std::unique_ptr<QObject> translations;
    int dialogsLogged = 0, messagesLogged = 0;
    bool opening = false;
};

void WindowTest::Log(QString line)
{
    // The logs' time stamps and how long an emulator ran change from run to run.
    static const QRegularExpression stamp(
        QStringLiteral("\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d(\\.\\d+)?")),
        seconds(QStringLiteral("\\d+\\.\\d seconds")), since(QStringLiteral("since [^']*")),
        process(QStringLiteral("process \\d+"));
    transcript << line.replace(data->path(), QStringLiteral("$DATA"))
                      .replace(stamp, QStringLiteral("$TIME"))
                      .replace(seconds, QStringLiteral("$SECONDS"))
                      .replace(since, QStringLiteral("since $WHEN"))
                      .replace(process, QStringLiteral("process $PID"))
                      .replace(Resources(), QStringLiteral("$RES"))
                      .replace(QDir::homePath(), QStringLiteral("$HOME"))
                      .replace(u'\n', QStringLiteral("\\n"));
}

// What came up since the last step: dialogs and messages, the file lookups
// while the window is built and the emulator's (the saves bring more).
void WindowTest::Flush()
{
    for (; dialogsLogged < answerer->seen().size(); ++dialogsLogged) {
        const SeenDialog &seen = answerer->seen()[dialogsLogged];
        const QString more =
            seen.informativeText.isEmpty() ? QString() : QStringLiteral(" / ") + seen.informativeText;
        Log(QStringLiteral("dialog %1 | %2 | %3").arg(seen.title, seen.text + more, seen.buttons.join(u',')));
    }
    const QStringList messages = capture->messages();
    for (; messagesLogged < messages.size(); ++messagesLogged) {
        const QString &message = messages[messagesLogged];
        if ((opening || !message.startsWith(QLatin1String("GetFileName( ")) ||
             message.startsWith(QLatin1String("GetFileName( 3 )"))) &&
            !message.startsWith(QLatin1String("This plugin does not support"))) // offscreen's own
            Log(QStringLiteral("message ") + message);
    }
}

// An answer that first puts its dialog and what it offers in the transcript.
ModalAnswerer::Answer WindowTest::Logged(const ModalAnswerer::Answer &answer, const QString &kind)
{
    return [=](QWidget *dialog) {
        Flush();
        if (auto *input = qobject_cast<QInputDialog *>(dialog))
            Log(QStringLiteral("  offered '%1'").arg(input->textValue()));
        for (const QLabel *label : dialog->findChildren<QLabel *>()) {
            if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text()))
                Log(QStringLiteral("  shown as rich text: ") + label->text());
        }
        QFont bold = dialog->font(); // as title bars show it, beside an icon and three buttons
        bold.setBold(true);
        if (dialog->width() < QFontMetrics(bold).horizontalAdvance(dialog->windowTitle()) + 90)
            Log(QStringLiteral("  too narrow for its title: %1 px").arg(dialog->width()));
        if (!dialog->accessibleName().isEmpty())
            Log(QStringLiteral("  accessible %1 | %2")
                    .arg(dialog->accessibleName(), dialog->accessibleDescription()));
        answer(dialog);
        if (auto *add = qobject_cast<AddDlg *>(dialog)) {
            QStringList fields;
            for (const AddDlgField &field : add->fields)
                fields << field.label + u' ' + field.edit->text();
            Log(QStringLiteral("  %1 | OK%2").arg(fields.join(QStringLiteral(" | ")), OnOff(add->okButton)));
            if (add->isVisible())
                add->reject();
        }
        Log(QStringLiteral("  answered ") + kind);
    };
}

void WindowTest::Run(const QString &step)
{
    const QString word = step.section(u' ', 0, 0);
    const QString rest = step.section(u' ', 1).replace(QLatin1String("\\n"), QLatin1String("\n"));
    const QString path = data->path() + u'/' + rest.section(u' ', 0, 0);
    const QString file = caseDir + u'/' + rest.section(u' ', -1);
    if (word == QLatin1String("default")) {
        WriteFile(Resources() + QStringLiteral("/LauncherDefault.ini"), ReadFile(file));
    } else if (word == QLatin1String("write")) {
        WriteFile(path, ReadFile(file).replace("$DATA", data->path().toUtf8()));
    } else if (word == QLatin1String("rm")) {
        QVERIFY(QFile::remove(path));
    } else if (word == QLatin1String("mkdir")) {
        QVERIFY(QDir().mkpath(path));
    } else if (word == QLatin1String("link")) {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        const QString target = rest.section(u' ', 1);
        QVERIFY(QFile::link(target.startsWith(u'/') ? target : data->path() + u'/' + target, path));
    } else if (word == QLatin1String("emulator")) { // recording, not-executable or missing; a script
        const QString kind = rest.section(u' ', 0, 0), script = rest.section(u' ', 1);
        QFile::remove(EmulatorPath());
        if (kind != QLatin1String("missing"))
            WriteFile(EmulatorPath(), Recorder + (script.isEmpty() ? QByteArray("record \"$@\"\n")
                                                                   : ReadFile(caseDir + u'/' + script)));
        QFile::setPermissions(EmulatorPath(), kind == QLatin1String("recording")
                                                  ? QFile::ExeOwner | QFile::ReadOwner
                                                  : QFile::ReadOwner);
    } else if (word == QLatin1String("commandline")) { // as main hands it on before the window opens
        QByteArrayList words{"zelvane-launcher"};
        for (const QString &argument : rest.split(u' '))
            words << QString(argument).replace(QStringLiteral("$DATA"), data->path()).toLocal8Bit();
        std::vector<char *> argv;
        for (QByteArray &argument : words)
            argv.push_back(argument.data());
        Log(QStringLiteral("status %1").arg(RunCommandLine(int(argv.size()), argv.data())));
    } else if (word == QLatin1String("dryrun")) { // another launcher, on the same files
        QProcess launcher;
        launcher.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../../bin/zelvane-launcher"),
                       {QStringLiteral("--launch"), rest, QStringLiteral("--dry-run")});
        QVERIFY(launcher.waitForFinished(10000));
        Log(QStringLiteral("dry run ") + QString::fromLocal8Bit(launcher.readAll()).trimmed());
    } else if (word == QLatin1String("opener")) { // the desktop's, ending with that status; or missing
        const QString opener = records->path() + QStringLiteral("/bin/xdg-open");
        QFile::remove(opener);
        if (rest == QLatin1String("missing"))
            qputenv("PATH", QFile::encodeName(QFileInfo(opener).path()));
        else
            // A failing one ends well after the step that ran it, so its
            // message comes within "opened", also under the sanitizers.
            WriteFile(opener, "#!/bin/sh\nprintf '%s' \"$*\" > \"$RECORD_DIR/opened\"\n" +
                                  QByteArray(rest == QLatin1String("0") ? "" : "sleep 0.5\n") + "exit " +
                                  rest.toLatin1() + '\n');
        QFile::setPermissions(opener, QFile::ExeOwner | QFile::ReadOwner);
    } else if (word == QLatin1String("opened")) { // once the opener has ended
        QTRY_VERIFY(window->findChildren<QProcess *>().isEmpty());
        Log(QStringLiteral("opened ") +
            QString::fromUtf8(ReadFile(records->path() + QStringLiteral("/opened"))));
        QFile::remove(records->path() + QStringLiteral("/opened"));
    } else if (word == QLatin1String("language")) { // of the window's texts, as main installs it
        translations = std::make_unique<QObject>();
        InstallTranslations(QLocale(rest), translations.get());
    } else if (word == QLatin1String("open")) {
        opening = true;
        showWindow();
    } else if (word == QLatin1String("close")) {
        closeWindow();
    } else if (word == QLatin1String("select")) {
        selectRow(rest.toInt());
    } else if (word == QLatin1String("choose")) {
        window->findChild<QComboBox *>(rest.section(u' ', 0, 0) + QStringLiteral("Combo"))
            ->setCurrentIndex(rest.section(u' ', 1).toInt());
    } else if (word == QLatin1String("type")) {
        w->argumentsEdit->clear();
        QTest::keyClicks(w->argumentsEdit, rest);
    } else if (word == QLatin1String("paste")) { // the clipboard keeps line breaks that typing cannot give
        QGuiApplication::clipboard()->setText(rest);
        w->argumentsEdit->selectAll();
        QTest::keySequence(w->argumentsEdit, QKeySequence::Paste);
    } else if (word == QLatin1String("click")) {
        QTest::mouseClick(window->findChild<QPushButton *>(rest + QStringLiteral("Button")), Qt::LeftButton);
    } else if (word == QLatin1String("key")) { // on a control given the focus, or on an open popup
        QWidget *target = QApplication::activePopupWidget();
        if (!target) { // offscreen, a combo box's closed popup stays the active window
            window->activateWindow();
            QApplication::setActiveWindow(window.get());
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            target = window->findChild<QWidget *>(rest.section(u' ', 0, 0));
            target->setFocus();
        }
        QTest::keySequence(target->focusWidget(), QKeySequence::fromString(rest.section(u' ', 1)));
    } else if (word == QLatin1String("tab") || word == QLatin1String("backtab")) { // "tab 0": where it is
        QStringList path = {window->focusWidget()->objectName()};
        for (int i = 0; i < rest.toInt(); ++i) {
            QTest::keyClick(window->focusWidget(),
                            word == QLatin1String("tab") ? Qt::Key_Tab : Qt::Key_Backtab);
            path << window->focusWidget()->objectName();
        }
        Log(QStringLiteral("focus ") + path.join(QStringLiteral(" > ")));
    } else if (word == QLatin1String("popup")) { // as voice control opens it, the focus left where it is
        QAccessibleInterface *combo = QAccessible::queryAccessibleInterface(
            window->findChild<QComboBox *>(rest + QStringLiteral("Combo")));
        combo->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(QApplication::activePopupWidget());
    } else if (word == QLatin1String("rightclick") || word == QLatin1String("doubleclick")) {
        QListWidget *list = w->profileList;
        const QPoint at = list->visualItemRect(list->item(rest.toInt())).center();
        if (word == QLatin1String("doubleclick")) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at); // the events a desktop sends
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        } else { // with the context menu event the desktop sends
            QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
            QCoreApplication::sendEvent(list->viewport(), &event);
        }
    } else if (word == QLatin1String("singleclickstyle")) {
        static SingleClickStyle style;
        w->profileList->setStyle(&style);
    } else if (word == QLatin1String("menu") || word == QLatin1String("pick")) { // the open popup menu
        const QPointer<QMenu> menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(menu);
        QStringList items;
        for (int i = 0; i < node->childCount(); ++i) {
            QAccessibleInterface *item = node->child(i);
            const QString name = item->text(QAccessible::Name);
            if (word == QLatin1String("pick") && name == rest)
                QTest::mouseClick(menu, Qt::LeftButton, {},
                                  menu->actionGeometry(menu->actions()[i]).center());
            else if (name.isEmpty())
                items << QStringLiteral("-");
            else
                items << name + QStringLiteral(" (") + item->text(QAccessible::Accelerator) + u')' +
                             (item->state().disabled ? QStringLiteral(" off") : QString());
        }
        if (word == QLatin1String("menu"))
            Log(QStringLiteral("menu ") + items.join(QStringLiteral(" | ")));
        else if (rest.isEmpty())
            QTest::keyClick(menu, Qt::Key_Escape);
        if (!menu || !menu->isVisible()) // a closed list menu leaves nothing behind
            QTRY_VERIFY(!w->profileList->findChild<QMenu *>());
    } else if (word == QLatin1String("clipboard")) { // run by a shell as a user may paste it
        const QString command = QGuiApplication::clipboard()->text();
        Log(QStringLiteral("clipboard ") + command);
        QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    } else if (word == QLatin1String("saved")) { // the user file's profile lines as they are now
        const QStringList lines = QString::fromUtf8(data->readUserConfig()).split(u'\n');
        for (qsizetype i = lines.indexOf(QLatin1String("[Profile]")) + 1; lines.value(i).startsWith(u'"');
             ++i)
            Log(QStringLiteral("  ") + lines[i]);
    } else if (word == QLatin1String("tooltip")) { // Launch's, run by a shell as a user may copy it
        const QString command = QTextDocumentFragment::fromHtml(w->launchButton->toolTip()).toPlainText();
        Log(QStringLiteral("tooltip ") + command);
        if (w->launchButton->accessibleDescription() != command)
            Log(QStringLiteral("description ") + w->launchButton->accessibleDescription());
        QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
    } else if (word == QLatin1String("sigterm")) { // as the desktop sends it at logout
        quitSignals = std::make_unique<QuitSignals>();
        ::raise(SIGTERM);
        QCoreApplication::processEvents();
    } else if (word == QLatin1String("limit")) { // the largest file it may write, as on a full disk
        const rlimit limit = {rlim_t(rest.toLongLong()), RLIM_INFINITY};
        QVERIFY(::setrlimit(RLIMIT_FSIZE, &limit) == 0);
    } else if (word == QLatin1String("button")) {
        answerer->add(Logged(ClickButton(rest), step));
    } else if (word == QLatin1String("name")) {
        answerer->add(Logged(EnterText(rest), step));
    } else if (word == QLatin1String("file")) { // the chooser's answer, taken as a desktop's chooser gives it
        answerer->add(Logged(
            [path](QWidget *dialog) {
                auto *chooser = qobject_cast<QFileDialog *>(dialog);
                if (!chooser || chooser->fileMode() != QFileDialog::ExistingFile) // one existing file only
                    return static_cast<QDialog *>(dialog)->reject();
                chooser->selectFile(path);
                static_cast<QDialog *>(chooser)->done(QDialog::Accepted); // QFileDialog hides it
            },
            step));
    } else if (word == QLatin1String("reject")) {
        answerer->add(Logged(Reject(), step));
    } else if (word == QLatin1String("fill")) {
        answerer->add(Logged(
            [texts = rest.split(u'|')](QWidget *dialog) {
                auto *add = static_cast<AddDlg *>(dialog);
                for (int i = 0; i < texts.size(); ++i) {
                    add->fields[i].edit->selectAll();
                    QTest::keyClicks(add->fields[i].edit, texts[i]);
                }
                QTest::mouseClick(add->okButton, Qt::LeftButton);
            },
            step));
    } else if (word == QLatin1String("state")) { // of what a user sees in the window
        QString line = QStringLiteral("row %1, choices").arg(w->profileList->currentRow());
        for (QComboBox *combo : {w->resolutionCombo, w->pixelDensityCombo, w->inputCombo})
            line += u' ' + QString::number(combo->currentIndex());
        line += QStringLiteral(", arguments '%1'").arg(w->argumentsEdit->text());
        for (QPushButton *button : {w->addUpdateButton, w->removeProfileButton, w->removeResolutionButton,
                                    w->removePixelDensityButton})
            line += QStringLiteral(", ") + button->text() + OnOff(button);
        Log(line);
        QStringList items;
        for (int i = 0; i < w->profileList->count(); ++i)
            items << w->profileList->item(i)->text();
        Log(QStringLiteral("  profiles ") + items.join(QStringLiteral(", ")));
        for (QComboBox *combo : {w->resolutionCombo, w->pixelDensityCombo, w->inputCombo}) {
            for (items.clear(); items.size() < combo->count();)
                items << combo->itemText(int(items.size()));
            Log(QStringLiteral("  ") + combo->objectName() + u' ' + items.join(QStringLiteral(", ")));
        }
    } else if (word == QLatin1String("layout")) { // the placement the eye sees
        const auto x = [this](const QWidget *widget) { return widget->mapTo(window.get(), QPoint()).x(); };
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (label->buddy() == w->resolutionCombo)
                Log(QStringLiteral("gap after the list %1")
                        .arg(x(label) - x(w->profileList) - w->profileList->width()));
        }
        const QWidget *const lists[] = {w->profileList, w->resolutionCombo, w->pixelDensityCombo};
        for (const QWidget *list : lists) {
            const QWidget *add = list->parentWidget()->childAt(list->x(), list->y() + list->height() + 8);
            Log(list->objectName() + QStringLiteral(" above ") +
                (add ? add->objectName() : QStringLiteral("nothing")));
        }
    } else if (word == QLatin1String("recordings")) {
        TakeRecordings(rest.toInt());
    } else if (word == QLatin1String("ended")) { // those emulators, once the launcher has reaped them
        const QDir dir(records->path());
        if (rest.toInt() == 0)
            QTest::qWait(300); // time enough for one wrongly started to record
        QTRY_COMPARE(dir.entryList({QStringLiteral("*.args")}).size(), rest.toInt());
        for (const QString &name : dir.entryList({QStringLiteral("*.args")}))
            QTRY_VERIFY2_WITH_TIMEOUT(!QFileInfo::exists(QStringLiteral("/proc/") + name.section(u'.', 0, 0)),
                                      "not reaped", 5000);
        TakeRecordings(rest.toInt());
        emulators.clear();
        int adopting = 0;
        if (::prctl(PR_GET_CHILD_SUBREAPER, &adopting) == 0 && adopting)
            Log(QStringLiteral("still adopting orphans"));
    } else if (word == QLatin1String("running")) { // the recorded emulators run on; they are ended here
        for (int pid : std::exchange(emulators, {})) {
            const QByteArray stat = ReadFile(QStringLiteral("/proc/%1/stat").arg(pid));
            Log(QStringLiteral("emulator ") + (stat.isEmpty() || stat.contains(") Z ")
                                                   ? QStringLiteral("ended")
                                                   : QStringLiteral("running")));
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    } else if (word == QLatin1String("rows")) { // what runs, as the rows and the status bar tell it
        for (int i = 0; i < w->profileList->count(); ++i) {
            const QListWidgetItem *item = w->profileList->item(i);
            Log(QStringLiteral("row %1%2 '%3'")
                    .arg(item->text(), item->icon().isNull() ? QString() : QStringLiteral(" (icon)"),
                         item->data(Qt::AccessibleDescriptionRole).toString()));
            QCOMPARE(item->toolTip(), item->data(Qt::AccessibleDescriptionRole).toString());
        }
        const QLabel *status = window->findChild<QLabel *>(QStringLiteral("runningLabel"));
        Log(QStringLiteral("status ") +
            (status && status->isVisibleTo(window.get()) ? status->text() : QStringLiteral("none")));
    } else if (word == QLatin1String("outside")) { // an emulator started as --launch starts one
        QString reason;
        qint64 pid = 0;
        QVERIFY(
            StartInOwnSession({QStringLiteral("sleep"), {QStringLiteral("30")}}, QString(), &pid, &reason));
        RunningEmulator emulator{pid, 0, rest, QString(), QDateTime::currentDateTime()};
        QVERIFY(RecordRunningEmulator(QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")) +
                                          QStringLiteral("/Zelvane"),
                                      &emulator, &reason));
        emulators << int(pid);
    } else if (word == QLatin1String("wait")) {
        QTest::qWait(rest.toInt());
    } else if (word == QLatin1String("grace")) {
        RunningWatch::stopGraceMilliseconds = rest.toInt();
    } else if (word == QLatin1String("early-end")) {
        LaunchWatch::earlyEndMilliseconds = rest.toInt();
    } else if (word == QLatin1String("logs")) {
        // In the order of their contents, as their names differ by time only.
        const QString folder = data->path() + QStringLiteral("/state/Zelvane/logs/");
        QStringList logs;
        for (const QString &entry : DirectoryEntries(folder))
            logs << QString::fromUtf8(ReadFile(folder + entry)).trimmed();
        logs.sort();
        for (const QString &log : logs) {
            Log(QStringLiteral("log"));
            for (const QString &line : log.split(u'\n'))
                Log(QStringLiteral("  ") + line);
        }
    } else if (word == QLatin1String("files")) {
        for (const QString &entry : DirectoryEntries(path)) {
            const QFileInfo info(path + u'/' + entry);
            Log(QStringLiteral("file ") + entry + (info.isDir() ? QStringLiteral("/") : QString()) +
                (info.isSymLink() ? QStringLiteral(" -> ") + info.symLinkTarget() : QString()));
        }
    } else if (word == QLatin1String("chmod")) {
        QVERIFY(::chmod(QFile::encodeName(path).constData(),
                        mode_t(rest.section(u' ', 1).toUInt(nullptr, 8))) == 0);
    } else if (word == QLatin1String("mode")) {
        struct stat status = {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &status) == 0);
        Log(QStringLiteral("mode %1").arg(status.st_mode & 07777, 4, 8, QLatin1Char('0')));
    } else if (word == QLatin1String("modes")) { // of the files in a folder
        for (const QString &entry : DirectoryEntries(path))
            Run(QStringLiteral("mode ") + rest + u'/' + entry);
    } else if (word == QLatin1String("cat")) {
        Log(QStringLiteral("content ") + QString::fromUtf8(ReadFile(path)));
    } else {
        QFAIL(qPrintable(QStringLiteral("Unknown step: ") + step));
    }
}

// Waits for that many emulators and takes their records away.
void WindowTest::TakeRecordings(int count)
{
    const QDir dir(records->path());
    QTRY_COMPARE(dir.entryList({QStringLiteral("*.args")}).size(), count);
    for (const QString &name : dir.entryList({QStringLiteral("*.args")})) {
        QList<QByteArray> words = ReadFile(dir.filePath(name)).split('\0');
        words.removeLast(); // after the last terminator
        Log(QStringLiteral("emulator ") + QString::fromUtf8(words.join(" | ")));
        emulators << name.section(u'.', 0, 0).toInt();
        QFile::remove(dir.filePath(name));
    }
}

void WindowTest::sessions_data()
{
    QTest::addColumn<QString>("dir");
    const QDir sessions(QStringLiteral(ZELVANE_TEST_DATA "/window"));
    for (const QString &name : sessions.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        QTest::newRow(qPrintable(name)) << sessions.filePath(name);
}

void WindowTest::sessions()
{
    QFETCH(QString, dir);
    caseDir = dir;
    transcript.clear();
    emulators.clear();
    LaunchWatch::earlyEndMilliseconds = 5000;
    RunningWatch::stopGraceMilliseconds = 5000;
    struct sigaction termBefore = {}, termAfter = {};
    sigaction(SIGTERM, nullptr, &termBefore);
    dialogsLogged = messagesLogged = 0;
    data.reset(); // first, so it restores the environment before the next one changes it
    data = std::make_unique<TestDataDir>();
    records = std::make_unique<QTemporaryDir>();
    qputenv("RECORD_DIR", records->path().toLocal8Bit());
    EmulatorProgram::NameForThisRun(QString());
    Run(QStringLiteral("default ../LauncherDefault.ini"));
    Run(QStringLiteral("emulator recording"));
    if (QFile::exists(dir + QStringLiteral("/Launcher.ini")))
        data->writeUserConfig(ReadFile(dir + QStringLiteral("/Launcher.ini")));
    answerer = std::make_unique<ModalAnswerer>();
    capture = std::make_unique<MessageCapture>();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(records->path()) + "/bin:" + path);
    Run(QStringLiteral("opener 0"));
    for (const QByteArray &step : ReadFile(dir + QStringLiteral("/steps")).split('\n')) {
        if (step.isEmpty() || step.startsWith('#'))
            continue;
        Log(QStringLiteral("> ") + QString::fromUtf8(step));
        Run(QString::fromUtf8(step));
        Flush();
        opening = false;
        if (QTest::currentTestFailed())
            break;
    }
    closeWindow();
    Flush();
    qputenv("PATH", path);
    const rlimit unlimited = {RLIM_INFINITY, RLIM_INFINITY};
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    capture.reset();
    answerer.reset();
    quitSignals.reset();
    translations.reset();
    sigaction(SIGTERM, nullptr, &termAfter); // the quit signals' handling gives back what it found
    QVERIFY(termAfter.sa_handler == termBefore.sa_handler);
    const bool saved = !QFile::exists(dir + QStringLiteral("/saved.ini")) ||
                       MatchesFile(dir + QStringLiteral("/saved.ini"), data->readUserConfig());
    QVERIFY(MatchesFile(dir + QStringLiteral("/transcript"), transcript.join(u'\n').toUtf8() + '\n') &&
            saved);
}

int main(int argc, char **argv)
{
    std::signal(SIGXFSZ, SIG_IGN); // a write beyond the limit fails as on a full disk
    QApplication app(argc, argv);
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window.moc"
