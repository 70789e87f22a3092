#pragma once

#include "configformat.h"

#include <QByteArray>

// A configuration model as loaded from bytes and saved back, through a
// QBuffer in text mode as the launcher does with its file.
struct ConfigModel
{
    int version = 0;
    std::vector<OptionCategory> categories = NewCategories();
    std::vector<Profile> profiles;
};

ConfigText ReadConfigBytes(const QByteArray &bytes);
ConfigModel LoadModel(const QByteArray &bytes);
QByteArray SaveModel(ConfigModel model);
