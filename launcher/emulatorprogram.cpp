#include "emulatorprogram.h"

#include "filelocations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace
{

const QString savedKey = QStringLiteral("emulator");

// A program named by a path relative to the working directory keeps
// naming it when the launcher shows, logs or saves it.
QString Absolute(const QString &path)
{
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

} // namespace

QString EmulatorProgram::namedForThisRun;

QString EmulatorProgram::InUse()
{
    if (!namedForThisRun.isEmpty())
        return namedForThisRun;
    if (const QString variable = qEnvironmentVariable("ZELVANE_EMULATOR"); !variable.isEmpty())
        return Absolute(variable);
    if (const QString saved = Saved(); !saved.isEmpty())
        return saved;
    return ShippedEmulator();
}

void EmulatorProgram::NameForThisRun(const QString &path)
{
    namedForThisRun = Absolute(path);
}

QString EmulatorProgram::SettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Zelvane/Launcher.conf");
}

// A fresh QSettings each time: it reads the file again when another
// launcher has changed it since.
QString EmulatorProgram::Saved()
{
    return QSettings(SettingsPath(), QSettings::IniFormat).value(savedKey).toString();
}

bool EmulatorProgram::Save(const QString &program)
{
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    settings.setValue(savedKey, program);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

bool EmulatorProgram::ForgetSaved()
{
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    settings.remove(savedKey);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString EmulatorProgram::Refusal(const QString &path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return QCoreApplication::translate("EmulatorProgram", "%1 does not exist.").arg(path);
    if (file.isDir())
        return QCoreApplication::translate("EmulatorProgram", "%1 is a directory.").arg(path);
    if (!file.isFile() || !file.isExecutable())
        return QCoreApplication::translate("EmulatorProgram", "%1 is not an executable file.").arg(path);
    return QString();
}
