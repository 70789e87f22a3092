#include "configio.h"

#include <QBuffer>
#include <QTextStream>

ConfigText ReadConfigBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly | QIODevice::Text);
    QTextStream in(&buffer);
    return ReadConfig(in);
}

ConfigModel LoadModel(const QByteArray &bytes)
{
    ConfigText text = ReadConfigBytes(bytes);
    ConfigModel model{std::move(text.categories), {}};
    model.profiles = CompleteModel(model.categories);
    return model;
}

QByteArray SaveModel(ConfigModel model)
{
    StageProfiles(model.categories, model.profiles);
    return ConfigFileBytes(model.categories);
}
