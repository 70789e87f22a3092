#include "emulatorchoice.h"

#include "emulatorprogram.h"
#include "filelocations.h"
#include "modal.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>

EmulatorChoice::EmulatorChoice(QWidget *window) : QObject(window), window(window)
{
    chooseAction = new QAction(tr("Choose &Emulator…"), this);
    connect(chooseAction, &QAction::triggered, this, &EmulatorChoice::OnChoose);
    useShippedAction = new QAction(tr("Use the &Shipped Emulator"), this);
    connect(useShippedAction, &QAction::triggered, this, &EmulatorChoice::OnUseShipped);
}

void EmulatorChoice::AddActions(QMenu *menu)
{
    menu->addAction(chooseAction);
    menu->addAction(useShippedAction);
    // Another launcher may have saved or forgotten a choice since.
    connect(menu, &QMenu::aboutToShow, this,
            [this] { useShippedAction->setEnabled(!EmulatorProgram::Saved().isEmpty()); });
}

// The chooser comes back after a refused file, in that file's folder, until
// the user takes an executable file or gives up. It opens in the folder of
// the program in use, or in the home folder while that is the shipped one.
void EmulatorChoice::OnChoose()
{
    const QString inUse = FilePath(EmulatorBinary);
    QString folder = inUse == ShippedEmulator() ? QDir::homePath() : QFileInfo(inUse).path();
    for (;;) {
        QFileDialog chooser(window, tr("Choose the Zelvane Emulator"), folder);
        chooser.setFileMode(QFileDialog::ExistingFile);
        if (RunModal(chooser) != QDialog::Accepted || chooser.selectedFiles().isEmpty())
            return;
        const QString program = chooser.selectedFiles().constFirst();
        const QString refusal = EmulatorProgram::Refusal(program);
        if (refusal.isEmpty()) {
            if (!EmulatorProgram::Save(program))
                ReportNotSaved();
            emit Changed();
            ReportNamedForThisRun(program);
            return;
        }
        ShowMessage(window, QMessageBox::Warning, tr("Zelvane Emulator Launcher Warning"), refusal);
        folder = QFileInfo(program).path();
    }
}

void EmulatorChoice::OnUseShipped()
{
    if (!EmulatorProgram::ForgetSaved())
        ReportNotSaved();
    emit Changed();
    ReportNamedForThisRun(ShippedEmulator());
}

// A program named by --emulator or ZELVANE_EMULATOR still wins for this
// run, which the user would not see otherwise.
void EmulatorChoice::ReportNamedForThisRun(const QString &chosen)
{
    const QString inUse = FilePath(EmulatorBinary);
    if (inUse != chosen)
        ShowMessage(window, QMessageBox::Information, tr("Zelvane Emulator Launcher"),
                    tr("Your choice is saved. This launcher still starts %1, which --emulator or "
                       "ZELVANE_EMULATOR names; launchers started without them use your choice.")
                        .arg(inUse));
}

void EmulatorChoice::ReportNotSaved()
{
    ShowMessage(window, QMessageBox::Critical, tr("Zelvane Emulator Launcher"),
                tr("Unable to save the emulator choice to %1.").arg(EmulatorProgram::SettingsPath()));
}
