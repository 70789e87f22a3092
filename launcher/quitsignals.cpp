#include "quitsignals.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace
{

constexpr int QuitSignalNumbers[3] = {SIGTERM, SIGINT, SIGHUP};

int signalWriteFd = -1;
bool signalReceived = false;

// Runs in signal context: only hands the signal to the event loop.
void OnQuitSignal(int)
{
    const int savedErrno = errno;
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(signalWriteFd, &byte, 1);
    errno = savedErrno;
}

// Cancels the modal dialogs, so the code that runs them goes on as after
// Cancel, and ends every event loop that is running.
void QuitAllLoops()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (dialog && dialog->isVisible() && dialog->isModal())
            dialog->reject();
    }
    QCoreApplication::exit(0);
}

// pipe() and fcntl() rather than pipe2(), which macOS lacks: neither end is
// inherited by the emulator, and neither blocks the signal handler or the
// drain.
bool OpenPipe(int fds[2])
{
    if (::pipe(fds) != 0)
        return false;
    for (int i = 0; i < 2; ++i) {
        const int flags = ::fcntl(fds[i], F_GETFL);
        if (::fcntl(fds[i], F_SETFD, FD_CLOEXEC) != 0 || flags < 0 ||
            ::fcntl(fds[i], F_SETFL, flags | O_NONBLOCK) != 0) {
            ::close(fds[0]);
            ::close(fds[1]);
            fds[0] = fds[1] = -1;
            return false;
        }
    }
    return true;
}

} // namespace

bool QuitSignals::Received()
{
    return signalReceived;
}

QuitSignals::QuitSignals()
{
    if (!OpenPipe(pipeFds)) {
        qWarning("Cannot create the signal pipe: SIGTERM, SIGINT and SIGHUP end the launcher unsaved");
        return;
    }
    signalWriteFd = pipeFds[1];
    notifier.setSocket(pipeFds[0]);
    notifier.setEnabled(true);
    QObject::connect(&notifier, &QSocketNotifier::activated, &notifier, [this] { OnSignal(); });
    quitTimer.setInterval(0);
    QObject::connect(&quitTimer, &QTimer::timeout, &quitTimer, QuitAllLoops);

    struct sigaction action = {}; // no signal blocked during the handler
    action.sa_handler = OnQuitSignal;
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) {
        sigaction(QuitSignalNumbers[i], nullptr, &previous[i]);
        if (previous[i].sa_handler != SIG_IGN)
            sigaction(QuitSignalNumbers[i], &action, nullptr);
    }
}

QuitSignals::~QuitSignals()
{
    signalReceived = false;
    if (pipeFds[0] == -1)
        return;
    for (int i = 0; i < 3; ++i)
        sigaction(QuitSignalNumbers[i], &previous[i], nullptr);
    signalWriteFd = -1;
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
}

void QuitSignals::OnSignal()
{
    char buffer[16];
    while (::read(pipeFds[0], buffer, sizeof buffer) > 0) {
    }
    signalReceived = true;
    // QCoreApplication::exit() ends only the loops already running. A
    // request that comes during a dialog shown before exec(), or a dialog
    // opened on the way out, would otherwise be lost: the timer keeps ending
    // each loop that starts from now on.
    quitTimer.start();
}
