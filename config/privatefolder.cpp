#include "privatefolder.h"

#include <QDir>
#include <QFileInfo>

bool MakePrivateFolder(const QString &path)
{
    const QFileInfo folder(path);
    if (folder.isDir())
        return true;
    if (folder.exists() || !MakePrivateFolder(folder.path()))
        return false;
    // Another process may make it at the same moment.
    return QDir().mkdir(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
           QFileInfo(path).isDir();
}
