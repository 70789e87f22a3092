#include "knownfile.h"

#include "folderlock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace
{

bool Lock(FolderLock &lock, const QString &path, SaveError *error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        *error = {SaveFailure::DirectoryNotCreated, folder, QString()};
        return false;
    }
    QString reason;
    if (lock.Take(folder, KnownFile::LockTimeout, &reason))
        return true;
    *error = {reason.isEmpty() ? SaveFailure::FolderLocked : SaveFailure::WriteFailed, folder, reason};
    return false;
}

// Keeps bytes under the first free name, created exclusively so that no
// other writer's copy is ever overwritten, with the permissions of the file
// it comes from.
bool KeepCopy(const QString &path, const QByteArray &bytes, QString *keptPath, SaveError *error)
{
    const QFileDevice::Permissions permissions = QFileInfo(path).permissions();
    for (;;) {
        const QString kept = FreeBackupPath(path, QStringLiteral("edited"));
        QFile file(kept);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, permissions)) {
            if (QFileInfo::exists(kept) || QFileInfo(kept).isSymLink())
                continue; // taken meanwhile
            *error = {SaveFailure::OutsideVersionNotKept, kept, file.errorString()};
            return false;
        }
        // The umask may have taken bits away.
        if (file.write(bytes) != bytes.size() || !file.flush() || !file.setPermissions(permissions)) {
            *error = {SaveFailure::OutsideVersionNotKept, kept, file.errorString()};
            file.remove();
            return false;
        }
        *keptPath = kept;
        return true;
    }
}

} // namespace

void KnownFile::Remember(const QByteArray &bytes)
{
    known = true;
    remembered = bytes;
}

KnownFile::OnDisk KnownFile::Look(const QString &path) const
{
    OnDisk disk;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        disk.readable = false;
        disk.changed = known || QFileInfo::exists(path);
        return disk;
    }
    disk.bytes = file.readAll();
    disk.readable = file.error() == QFileDevice::NoError;
    disk.changed = !disk.readable || !known || disk.bytes != remembered;
    return disk;
}

bool KnownFile::Write(const QString &path, const QByteArray &bytes, Outside outside, QString *keptPath,
                      SaveError *error)
{
    keptPath->clear();
    FolderLock lock;
    if (!Lock(lock, path, error))
        return false;
    const OnDisk disk = Look(path);
    if (!disk.changed)
        return Replace(path, bytes, error);
    // Changed since: by another launcher that wrote these very bytes, or by
    // someone else, whose version is left or kept as asked.
    if (disk.readable && disk.bytes == bytes) {
        Remember(bytes);
        return true;
    }
    if (outside == Outside::Leave)
        return true;
    if (!disk.readable) {
        if (QFileInfo::exists(path)) {
            *error = {SaveFailure::ExistingFileUnreadable, path, QString()};
            return false;
        }
        return Replace(path, bytes, error); // gone: nothing to keep
    }
    if (!KeepCopy(path, disk.bytes, keptPath, error))
        return false;
    // Kept now: should the write below fail, a later one keeps it no second time.
    Remember(disk.bytes);
    return Replace(path, bytes, error);
}

bool KnownFile::Replace(const QString &path, const QByteArray &bytes, SaveError *error)
{
    if (!SaveConfigFile(path, bytes, error))
        return false;
    Remember(bytes);
    return true;
}
