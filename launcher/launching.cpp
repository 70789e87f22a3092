#include "launcher.h"

#include "emulatorchoice.h"
#include "filelocations.h"
#include "fileopener.h"
#include "launchcommand.h"
#include "launchlog.h"
#include "launchwatch.h"
#include "modal.h"
#include "profilelistwidget.h"
#include "runningemulators.h"
#include "runningview.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include <cmath>
#include <cstring>

namespace
{

constexpr int keptLogs = 20;   // the newest logs in the log folder
constexpr int shownLines = 10; // of an early end's output

} // namespace

void MainWindow::OnHelp()
{
    OpenLocalFile(this, GetFileName(HelpFile));
}

// What the window shows, stored or not: the selected options' fragments and
// the arguments field as typed.
LaunchCommand MainWindow::GetWindowLaunchCommand(const QString &program) const
{
    return BuildLaunchCommand(program, categories, GetWindowSelection(), argumentsEdit->text());
}

void MainWindow::OnLaunch()
{
    Launch(GetWindowLaunchCommand(GetFileName(EmulatorBinary)), profiles[profileList->currentRow()].name);
}

// A log that cannot be written costs the launch nothing: the emulator's
// output then goes to standard error, as the launcher's own does.
void MainWindow::Launch(const LaunchCommand &command, const QString &profileName)
{
    const QString folder = LaunchLogFolder();
    QString reason;
    const LaunchLog log = CreateLaunchLog(folder, QDateTime::currentDateTime(), profileName,
                                          ShellCommandLine(command), &reason);
    if (log.path.isEmpty())
        qWarning().noquote() << "No log for this launch; the emulator's output goes to standard error. "
                                "Cannot write in"
                             << folder << ":" << reason;
    qint64 pid = 0;
    if (!StartInOwnSession(command, log.path, &pid, &reason)) {
        if (!log.path.isEmpty())
            QFile::remove(log.path);
        QMessageBox box(QMessageBox::Critical, tr("Zelvane Emulator Launcher"),
                        tr("Failed to start Zelvane Emulator!"), QMessageBox::Ok, this);
        box.setTextFormat(Qt::PlainText);
        box.setInformativeText(tr("The emulator %1 could not be started: %2.").arg(command.program, reason));
        QPushButton *choose = box.addButton(emulatorChoice->chooseAction->text(), QMessageBox::ActionRole);
        RunModal(box);
        if (box.clickedButton() == choose)
            emulatorChoice->chooseAction->trigger();
        return;
    }
    PruneLaunchLogs(folder, keptLogs, log.path);
    RecordLaunch(pid, profileName, log);
}

// Records the emulator for Stop, --running and other launchers, and
// watches it until it ends.
void MainWindow::RecordLaunch(qint64 pid, const QString &profileName, const LaunchLog &log)
{
    RunningEmulator emulator{pid, 0, profileName, log.path, QDateTime::currentDateTime()};
    QString reason;
    if (!RecordRunningEmulator(RunningEmulatorFolder(), &emulator, &reason))
        qWarning().noquote() << "The emulator runs unrecorded, out of Stop's reach. Cannot write in"
                             << RunningEmulatorFolder() << ":" << reason;
    auto *watch = new LaunchWatch(pid, this);
    connect(watch, &LaunchWatch::Ended, this,
            [this, emulator, log](const EmulatorEnd &end) { OnEmulatorEnded(emulator, log, end); });
    runningView->Refresh();
}

// The output's last lines are taken before the log's end line is added.
void MainWindow::OnEmulatorEnded(const RunningEmulator &emulator, const LaunchLog &log,
                                 const EmulatorEnd &end)
{
    const QStringList lines = log.path.isEmpty() ? QStringList() : LastOutputLines(log, shownLines);
    if (!log.path.isEmpty())
        AppendEndLine(log.path, end);
    ForgetRunningEmulator(RunningEmulatorFolder(), emulator);
    runningView->Refresh();
    const bool stopped = runningView->TakeStopAsked(emulator.pid);
    if (!stopped && end.milliseconds < LaunchWatch::earlyEndMilliseconds && (end.signaled || end.number != 0))
        WarnEarlyEnd(emulator.profileName, log, end, lines);
}

void MainWindow::WarnEarlyEnd(const QString &profileName, const LaunchLog &log, const EmulatorEnd &end,
                              const QStringList &lines)
{
    // In tenths of a second, rounded up: an emulator that fails at once
    // ended "within 0.1 seconds".
    const QString seconds =
        QLocale().toString(std::ceil(std::max<qint64>(end.milliseconds, 1) / 100.0) / 10, 'f', 1);
    const QString text = end.signaled ? tr("The emulator with the profile \"%1\" was ended by signal %2 (%3) "
                                           "within %4 seconds of its start.")
                                            .arg(profileName, QString::number(end.number),
                                                 QString::fromLocal8Bit(strsignal(end.number)), seconds)
                                      : tr("The emulator with the profile \"%1\" ended with exit status %2 "
                                           "within %3 seconds of its start.")
                                            .arg(profileName, QString::number(end.number), seconds);
    QMessageBox box(QMessageBox::Warning, tr("Zelvane Emulator Launcher Warning"), text, QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(box.windowTitle());
    box.setAccessibleDescription(text);
    QPushButton *openLog = nullptr;
    if (log.path.isEmpty()) {
        box.setInformativeText(
            tr("Its output went to the launcher's standard error, as no log could be written."));
    } else {
        // Only the first line decides whether a label takes its text for
        // rich text; it is the launcher's own, so the emulator's lines below
        // it show as plain text.
        box.setInformativeText(
            lines.isEmpty() ? tr("It wrote no output; its log holds only the command:\n%1").arg(log.path)
                            : tr("Its last lines of output:\n\n%1\n\nIts whole output is in the log %2")
                                  .arg(lines.join(u'\n'), log.path));
        openLog = box.addButton(tr("Open &Log"), QMessageBox::ActionRole);
    }
    RunModal(box);
    if (openLog && box.clickedButton() == openLog)
        OpenLocalFile(this, log.path);
}

void MainWindow::KeepLaunchDescriptionCurrent()
{
    for (int category = ResolutionCategory; category <= InputCategory; ++category)
        connect(categories[category].combo, &QComboBox::currentIndexChanged, this,
                &MainWindow::UpdateLaunchDescription);
    connect(argumentsEdit, &QLineEdit::textChanged, this, &MainWindow::UpdateLaunchDescription);
    UpdateLaunchDescription();
}

// The Launch button tells what it runs, the command as a shell reads it, to
// screen readers as its description and to the eye as its tooltip. The
// emulator's path is taken without a lookup's trace line: the launch itself
// looks it up.
void MainWindow::UpdateLaunchDescription()
{
    const QString command = ShellCommandLine(GetWindowLaunchCommand(FilePath(EmulatorBinary)));
    launchButton->setAccessibleDescription(command);
    // Escaped rich text: as plain text, a command holding something like a
    // tag would be taken for rich text and shown without it.
    launchButton->setToolTip(
        QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(command.toHtmlEscaped()));
}
