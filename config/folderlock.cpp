#include "folderlock.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

FolderLock::~FolderLock()
{
    if (fd >= 0)
        ::close(fd); // which lets go of the lock
}

bool FolderLock::Take(const QString &folder, int timeout, QString *reason)
{
    reason->clear();
    fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    const QDeadlineTimer deadline(timeout);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            *reason = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}
