#include "configfile.h"

#include <QBuffer>
#include <QFile>
#include <QTextStream>

namespace
{

// True when the file at path was read and has a supported version;
// otherwise says why it is passed over.
bool ReadUsable(const QString &path, ConfigText *config, QByteArray *bytes, PassedOverFile *passedOver)
{
    QString error;
    if (!ReadConfigFile(path, config, &error, bytes)) {
        *passedOver = {path, error.isEmpty() ? PassedOverFile::Missing : PassedOverFile::Unreadable, error};
        return false;
    }
    *passedOver = {path, PassedOverFile::Outdated, QString(), false, config->version};
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

ConfigSource ChooseConfigFile(const QString &userPath, const std::function<QString()> &defaultPath,
                              const std::function<void(const PassedOverFile &)> &passedOver,
                              ConfigText *config, QByteArray *userBytes)
{
    PassedOverFile file;
    if (ReadUsable(userPath, config, userBytes, &file))
        return ConfigSource::UserFile;
    passedOver(file);
    if (ReadUsable(defaultPath(), config, nullptr, &file))
        return ConfigSource::DefaultFile;
    file.isDefault = true;
    passedOver(file);
    if (file.why != PassedOverFile::Outdated)
        return ConfigSource::None;
    config->categories = NewCategories();
    return ConfigSource::DefaultFile;
}

bool LoadConfigQuietly(const QString &userPath, const QString &defaultPath, ConfigModel *model,
                       std::vector<PassedOverFile> *passedOver)
{
    ConfigText config;
    const auto passOver = [passedOver](const PassedOverFile &file) {
        if (file.isDefault || file.why != PassedOverFile::Missing)
            passedOver->push_back(file);
    };
    if (ChooseConfigFile(
            userPath, [&defaultPath] { return defaultPath; }, passOver, &config, nullptr) ==
        ConfigSource::None)
        return false;
    model->categories = std::move(config.categories);
    model->profiles = CompleteModel(model->categories);
    return true;
}
