#pragma once

#include <QString>

// An advisory lock on a folder, held while the object lives: two launchers
// that write files in the same folder take turns. It is a lock on the folder
// itself (flock), so it leaves no file behind, not even when the process is
// killed, and the system lets go of it with the process.
class FolderLock
{
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Waits up to timeout milliseconds for the lock. False when the folder
    // cannot be opened (reason: the system's words) or stays locked (reason
    // empty).
    bool Take(const QString &folder, int timeout, QString *reason);

private:
    int fd = -1;
};
