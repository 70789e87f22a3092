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

// Loads the model as the window does, from the user's file when it can be
// read and has a supported version, else from the default file, but shows
// nothing and moves nothing: every file passed over adds a line to notes.
// False when neither file can be read; notes then say why.
bool LoadConfigQuietly(const QString &userPath, const QString &defaultPath, ConfigModel *model,
                       QStringList *notes);
