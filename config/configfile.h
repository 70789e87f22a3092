#pragma once

#include "configformat.h"

#include <functional>

// Reads a file of the Launcher.ini format as it stands, whatever its version.
// False when no file exists at path or it cannot be read; error then says
// why it could not be read, and stays empty for a missing file. The file is
// read whole, and bytes, when given, receives exactly what it held, so that
// it can later be compared with the file on disk.
bool ReadConfigFile(const QString &path, ConfigText *config, QString *error, QByteArray *bytes = nullptr);

struct ConfigModel {
    std::vector<OptionCategory> categories;
    std::vector<Profile> profiles;
};

// A file the launcher passed over when choosing its configuration, and why.
struct PassedOverFile {
    enum Why { Missing, Unreadable, Outdated };
    QString path;
    Why why;
    QString reason;         // the system's, for an unreadable file
    bool isDefault = false; // the shipped default rather than the user's file
    int version = 0;        // for an out-of-date file
};

enum class ConfigSource { None, UserFile, DefaultFile };

// Chooses and reads the configuration, for the window and the command line
// alike: the user's file when it can be read and has a supported version,
// else the default file, whose entries give way to the filled-in defaults
// when it is out of date. Each file passed over goes to passedOver at once,
// a missing user file (the ordinary first start) included, before the
// default file's path is asked for. userBytes receives exactly what the
// user's file held when it is the one used. None when neither can be read.
ConfigSource ChooseConfigFile(const QString &userPath, const std::function<QString()> &defaultPath,
                              const std::function<void(const PassedOverFile &)> &passedOver,
                              ConfigText *config, QByteArray *userBytes);

// Loads the model as the window does, but shows nothing and moves nothing.
// Every file passed over is added to passedOver, except a missing user
// file. False when neither file can be read.
bool LoadConfigQuietly(const QString &userPath, const QString &defaultPath, ConfigModel *model,
                       std::vector<PassedOverFile> *passedOver);
