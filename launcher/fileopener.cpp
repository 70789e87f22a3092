#include "fileopener.h"

#include "modal.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

namespace
{

// The desktop's opener, which ends with a status other than 0 when no
// program takes the file. It may run the program itself and wait for it, so
// its output goes where the launcher's goes rather than into a pipe that
// nobody reads.
#ifdef Q_OS_MACOS
const char *const Opener = "open";
#else
const char *const Opener = "xdg-open";
#endif

void ReportNoProgram(QWidget *parent, const QString &path)
{
    QMessageBox box(
        QMessageBox::Warning, QCoreApplication::translate("FileOpener", "Zelvane Emulator Launcher"),
        QCoreApplication::translate("FileOpener", "No program on this system opens the file %1.").arg(path),
        QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setInformativeText(QCoreApplication::translate(
        "FileOpener", "Open it with a program of your choice; Copy Path puts its path on the clipboard."));
    QPushButton *copy =
        box.addButton(QCoreApplication::translate("FileOpener", "Copy &Path"), QMessageBox::ActionRole);
    RunModal(box);
    if (box.clickedButton() == copy)
        QGuiApplication::clipboard()->setText(path);
}

} // namespace

void OpenLocalFile(QWidget *parent, const QString &path)
{
    auto *opener = new QProcess(parent);
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, parent,
                     [parent, opener, path](int status, QProcess::ExitStatus how) {
                         opener->deleteLater();
                         if (how != QProcess::NormalExit || status != 0)
                             ReportNoProgram(parent, path);
                     });
    QObject::connect(opener, &QProcess::errorOccurred, parent,
                     [parent, opener, path](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         opener->deleteLater();
                         ReportNoProgram(parent, path);
                     });
    opener->start(QString::fromLatin1(Opener), {path});
}
