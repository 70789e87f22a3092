#include "launcher.h"

#include "filelocations.h"
#include "launchcommand.h"
#include "modal.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

void MainWindow::OnHelp()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(GetFileName(HelpFile)));
}

// What the window shows, stored or not: the selected options' fragments and
// the arguments field as typed.
LaunchCommand MainWindow::GetWindowLaunchCommand() const
{
    return BuildLaunchCommand(GetFileName(EmulatorBinary), categories, GetWindowSelection(),
                              argumentsEdit->text());
}

void MainWindow::OnLaunch()
{
    StartEmulator(GetWindowLaunchCommand());
}

void MainWindow::StartEmulator(const LaunchCommand &command)
{
    QString reason;
    if (StartDetached(command, &reason))
        return;
    QMessageBox box(QMessageBox::Critical, tr("Zelvane Emulator Launcher"),
                    tr("Failed to start Zelvane Emulator!"), QMessageBox::Ok, this);
    box.setInformativeText(tr("The emulator %1 could not be started: %2.").arg(command.program, reason));
    RunModal(box);
}

// The Launch button's tooltip is the command Launch would run now, as a
// shell reads it. It is built when the tooltip is asked for, which keeps it
// current through every change without looking up the emulator on each. It
// is escaped rich text: as plain text, a command holding something like a
// tag would be taken for rich text and shown without it.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == launchButton && event->type() == QEvent::ToolTip) {
        const QString command = ShellCommandLine(GetWindowLaunchCommand());
        launchButton->setToolTip(
            QStringLiteral("<p style=\"white-space:pre\">%1</p>").arg(command.toHtmlEscaped()));
    }
    return QMainWindow::eventFilter(watched, event);
}
