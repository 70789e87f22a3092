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
    ConfigModel model{text.version, std::move(text.categories), {}};
    model.profiles = CompleteModel(model.categories);
    return model;
}

QByteArray SaveModel(ConfigModel model)
{
    StageProfiles(model.categories, model.profiles);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly | QIODevice::Text);
    QTextStream out(&buffer);
    WriteConfig(out, model.categories);
    out.flush();
    return bytes;
}
