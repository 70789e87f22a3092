#pragma once

#include "configformat.h"

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

// A file that LoadConfigQuietly passed over, and why.
struct PassedOverFile {
    enum Why { Missing, Unreadable, Outdated };
    QString path;
    Why why;
    QString reason; // the system's, for an unreadable file
};

// Loads the model as the window does, from the user's file when it can be
// read and has a supported version, else from the default file, but shows
// nothing and moves nothing. Every file passed over is added to passedOver,
// except a missing user file, which is the ordinary first start. False when
// neither file can be read.
bool LoadConfigQuietly(const QString &userPath, const QString &defaultPath, ConfigModel *model,
                       std::vector<PassedOverFile> *passedOver);
