#include "knownfile.h"

#include <QCryptographicHash>
#include <QFile>

namespace
{

QByteArray Hash(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

} // namespace

void KnownFile::Remember(const QByteArray &bytes)
{
    known = true;
    hash = Hash(bytes);
}

// True, with its bytes, when the file on disk is not what was remembered. A
// missing file holds nothing to keep, and one that cannot be read is left to
// SaveConfigFile, which refuses to replace it.
bool KnownFile::ChangedOnDisk(const QString &path, QByteArray *onDisk) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *onDisk = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    return !known || Hash(*onDisk) != hash;
}

bool KnownFile::Write(const QString &path, const QByteArray &bytes, QString *keptPath, SaveError *error)
{
    keptPath->clear();
    QByteArray outside;
    if (ChangedOnDisk(path, &outside)) {
        // Kept as a copy, so a Launcher.ini exists at every moment.
        const QString kept = FreeBackupPath(path, QStringLiteral("edited"));
        if (!SaveConfigFile(kept, outside, error)) {
            *error = {SaveFailure::OutsideVersionNotKept, kept, error->systemReason};
            return false;
        }
        *keptPath = kept;
        // Kept now: should the write below fail, a later one keeps it no second time.
        Remember(outside);
    }
    if (!SaveConfigFile(path, bytes, error))
        return false;
    Remember(bytes);
    return true;
}
