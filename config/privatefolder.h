#pragma once

#include <QString>

// Makes the folder and any missing folder above it readable only by the
// user (0700), as what the launcher keeps there (command lines, the
// emulator's output, what runs) is the user's own. A folder that exists
// keeps its mode. False when the folder is not there afterwards.
bool MakePrivateFolder(const QString &path);
