#include "launchwatch.h"

#include "launchcommand.h"

#include <sys/wait.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
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

// Whether a watch can learn that an emulator ended: without that, an
// adopted emulator would never be reaped, so none is adopted.
bool CanWatch()
{
    static const bool can = ::close(OpenPidFd(::getpid())) == 0;
    return can;
}

} // namespace

// The emulator is started through an intermediate process that ends at once
// and leaves it an orphan. While the launcher is a child subreaper, orphans
// below it become its own children; it is one only while the emulator
// starts, so the processes the emulator leaves behind later are not its own.
bool StartAdopted(const LaunchCommand &command, const QString &outputFile, qint64 *pid, QString *reason)
{
#ifdef Q_OS_LINUX
    if (CanWatch()) {
        ::prctl(PR_SET_CHILD_SUBREAPER, 1);
        const bool started = StartDetached(command, reason, outputFile, pid);
        ::prctl(PR_SET_CHILD_SUBREAPER, 0);
        return started;
    }
#endif
    return StartDetached(command, reason, outputFile, pid);
}

LaunchWatch::LaunchWatch(qint64 pid, QObject *parent) : QObject(parent), pid(pid)
{
    clock.start();
    const int pidFd = OpenPidFd(pid);
    if (pidFd == -1)
        return;
    notifier.setSocket(pidFd);
    notifier.setEnabled(true);
    connect(&notifier, &QSocketNotifier::activated, this, &LaunchWatch::OnEnded);
}

// The notifier, gone right after, needs no disabling first.
LaunchWatch::~LaunchWatch()
{
    if (notifier.isValid())
        ::close(int(notifier.socket()));
}

void LaunchWatch::OnEnded()
{
    notifier.setEnabled(false);
    deleteLater();
    int status = 0;
    // Not its parent after all (a start without the subreaper): nothing to learn.
    if (::waitpid(pid_t(pid), &status, WNOHANG) != pid)
        return;
    const qint64 milliseconds = clock.elapsed();
    if (milliseconds >= earlyEndMilliseconds)
        return;
    if (WIFSIGNALED(status))
        emit EndedEarly({milliseconds, true, WTERMSIG(status)});
    else if (WEXITSTATUS(status) != 0)
        emit EndedEarly({milliseconds, false, WEXITSTATUS(status)});
}
