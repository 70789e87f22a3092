#include "filelocations.h"

#include "emulatorprogram.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QStandardPaths>

QString ResourcesDir(const QString &name)
{
    return QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources/") + name)
        .absolutePath();
}

QString ShippedEmulator()
{
    return ResourcesDir(QStringLiteral("Zelvane.app/Contents/MacOS/zelvane"));
}

QString FilePath(int kind)
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
        // The help page in the language of the window's texts, through the
        // same translation; English where there is none.
        //: The file name of the help page in this language, in Resources.
        result = ResourcesDir(QCoreApplication::translate("FileLocations", "LauncherHelp.html"));
        break;
    case EmulatorBinary:
        result = EmulatorProgram::InUse();
        break;
    }
    return result;
}

QString GetFileName(int kind)
{
    const QString result = FilePath(kind);
    // Built by hand: QDebug would escape the path and drop the trailing space.
    qDebug().noquote().nospace() << "GetFileName( " << kind << " ): result= \"" << result << "\" ";
    return result;
}

QString LaunchLogFolder()
{
#ifdef Q_OS_MACOS
    return QDir::homePath() + QStringLiteral("/Library/Logs/Zelvane");
#else
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative path is to be ignored, as for every XDG base directory.
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/Zelvane/logs");
#endif
}

QString RunningEmulatorFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/Zelvane");
}
