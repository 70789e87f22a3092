#include "configfile.h"

#include <QBuffer>
#include <QFile>
#include <QTextStream>

namespace
{

// True when the file at path was read and has a supported version;
// otherwise says why it is passed over.
bool ReadUsable(const QString &path, ConfigText *config, PassedOverFile *passedOver)
{
    QString error;
    if (!ReadConfigFile(path, config, &error)) {
        *passedOver = {path, error.isEmpty() ? PassedOverFile::Missing : PassedOverFile::Unreadable, error};
        return false;
    }
    *passedOver = {path, PassedOverFile::Outdated, QString()};
    return IsSupportedConfigVersion(config->version);
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
                       std::vector<PassedOverFile> *passedOver)
{
    ConfigText config;
    PassedOverFile file;
    if (!ReadUsable(userPath, &config, &file)) {
        if (file.why != PassedOverFile::Missing)
            passedOver->push_back(file);
        if (!ReadUsable(defaultPath, &config, &file)) {
            passedOver->push_back(file);
            if (file.why != PassedOverFile::Outdated)
                return false;
            // As in the window: the default file's entries give way to the
            // filled-in defaults.
            config.categories = NewCategories();
        }
    }
    model->categories = std::move(config.categories);
    model->profiles = CompleteModel(model->categories);
    return true;
}
