#include "filelocations.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QStandardPaths>

QString ResourcesDir(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources/") + name)
        .absolutePath();
}

QString GetFileName(int kind)
{
    QString result;
    switch (kind) {
    case UserConfig:
        result = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                 QStringLiteral("/Zelvane/Launcher.ini");
        break;
    case DefaultConfig:
        result = ResourcesDir(QStringLiteral("LauncherDefault.ini"));
        break;
    case HelpFile:
        result = ResourcesDir(QStringLiteral("LauncherHelp.html"));
        break;
    case EmulatorBinary:
        result = ResourcesDir(QStringLiteral("Zelvane.app/Contents/MacOS/zelvane"));
        break;
    }
    // Built by hand: QDebug would escape the path and drop the trailing space.
    qDebug().noquote().nospace() << "GetFileName( " << kind << " ): result= \"" << result << "\" ";
    return result;
}
