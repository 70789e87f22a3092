#include "configfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

namespace
{

enum FileState { Usable, Missing, Unreadable, Outdated };

FileState ReadUsable(const QString &path, ConfigText *config, QStringList *notes)
{
    QString error;
    if (!ReadConfigFile(path, config, &error)) {
        if (error.isEmpty())
            return Missing;
        *notes << QCoreApplication::translate("CommandLine", "%1 cannot be read and was not used: %2")
                      .arg(path, error);
        return Unreadable;
    }
    if (IsSupportedConfigVersion(config->version))
        return Usable;
    *notes << QCoreApplication::translate("CommandLine", "%1 is out of date and was not used.").arg(path);
    return Outdated;
}

} // namespace

bool ReadConfigFile(const QString &path, ConfigText *config, QString *error, QByteArray *bytes)
{
    error->clear();
    if (!QFile::exists(path))
        return false;
    QFile file(path);
    QByteArray content;
    if (file.open(QIODevice::ReadOnly))
        content = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    QTextStream in(&buffer);
    *config = ReadConfig(in);
    if (bytes)
        *bytes = std::move(content);
    return true;
}

bool LoadConfigQuietly(const QString &userPath, const QString &defaultPath, ConfigModel *model,
                       QStringList *notes)
{
    ConfigText config;
    if (ReadUsable(userPath, &config, notes) != Usable) {
        switch (ReadUsable(defaultPath, &config, notes)) {
        case Missing:
            *notes << QCoreApplication::translate("CommandLine", "%1 does not exist.").arg(defaultPath);
            return false;
        case Unreadable:
            return false;
        case Outdated:
            // As in the window: the default file's entries give way to
            // the filled-in defaults.
            config.categories = NewCategories();
            break;
        case Usable:
            break;
        }
    }
    model->categories = std::move(config.categories);
    model->profiles = CompleteModel(model->categories);
    return true;
}
