#include "fileopener.h"

#include <QDesktopServices>
#include <QUrl>

void OpenLocalFile(QWidget *, const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
