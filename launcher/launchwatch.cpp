#include "launchwatch.h"

#include <sys/wait.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/syscall.h>
#endif

namespace
{

#if defined(Q_OS_LINUX) && defined(SYS_pidfd_open)
int OpenPidFd(qint64 pid)
{
    return int(::syscall(SYS_pidfd_open, pid_t(pid), 0));
}
#else
int OpenPidFd(qint64)
{
    return -1;
}
#endif

} // namespace

LaunchWatch::LaunchWatch(qint64 pid, QObject *parent) : QObject(parent), pid(pid)
{
    clock.start();
    const int pidFd = OpenPidFd(pid);
    if (pidFd == -1) {
        connect(&poll, &QTimer::timeout, this, &LaunchWatch::OnMaybeEnded);
        poll.start(250);
        return;
    }
    notifier.setSocket(pidFd);
    notifier.setEnabled(true);
    connect(&notifier, &QSocketNotifier::activated, this, &LaunchWatch::OnMaybeEnded);
}

// The notifier, gone right after, needs no disabling first.
LaunchWatch::~LaunchWatch()
{
    if (notifier.isValid())
        ::close(int(notifier.socket()));
}

void LaunchWatch::OnMaybeEnded()
{
    int status = 0;
    const pid_t reaped = ::waitpid(pid_t(pid), &status, WNOHANG);
    if (reaped == 0)
        return;
    notifier.setEnabled(false);
    poll.stop();
    deleteLater();
    if (reaped != pid) // reaped elsewhere: how it ended is not known
        return;
    const qint64 milliseconds = clock.elapsed();
    if (WIFSIGNALED(status))
        emit Ended({milliseconds, true, WTERMSIG(status)});
    else
        emit Ended({milliseconds, false, WEXITSTATUS(status)});
}
