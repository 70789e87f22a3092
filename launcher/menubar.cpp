#include "menubar.h"

#include "emulatorchoice.h"
#include "filelocations.h"
#include "launcher.h"
#include "modal.h"

#include <QMenuBar>

namespace
{

void ShowAbout(MainWindow *window)
{
    QMessageBox box(QMessageBox::NoIcon, MainWindow::tr("About Zelvane Emulator Launcher"),
                    MainWindow::tr("Zelvane Emulator Launcher %1").arg(QStringLiteral(ZELVANE_VERSION)),
                    QMessageBox::Ok, window);
    box.setIconPixmap(window->windowIcon().pixmap(64));
    box.setInformativeText(MainWindow::tr("Starts the Zelvane emulator with saved profiles of screen "
                                          "resolution, pixel density, input and arguments.\n\n"
                                          "The emulator in use: %1")
                               .arg(FilePath(EmulatorBinary)));
    RunModal(box);
}

} // namespace

void CreateMenuBar(MainWindow *window, EmulatorChoice *emulatorChoice)
{
    QMenu *file = window->menuBar()->addMenu(MainWindow::tr("&File"));
    emulatorChoice->AddActions(file);
    file->addSeparator();
    QAction *quit = file->addAction(MainWindow::tr("&Quit"), window, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    quit->setMenuRole(QAction::QuitRole);

    QMenu *help = window->menuBar()->addMenu(MainWindow::tr("H&elp"));
    QAction *helpPage = help->addAction(MainWindow::tr("&Help"), window, &MainWindow::OnHelp);
    helpPage->setShortcut(QKeySequence(Qt::Key_F1));
    QAction *about = help->addAction(MainWindow::tr("&About Zelvane Emulator Launcher"), window,
                                     [window] { ShowAbout(window); });
    about->setMenuRole(QAction::AboutRole);
}
