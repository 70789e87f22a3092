#pragma once

#include <QString>

// Every file the launcher touches. The user's configuration lives in the
// user's data directory; everything shipped lives in Resources beside the
// directory of the executable.
enum FileKind { UserConfig = 0, DefaultConfig = 1, HelpFile = 2, EmulatorBinary = 3 };

// The absolute path of name in the Resources directory, whether or not it exists.
QString ResourcesDir(const QString &name);

// The full path for a FileKind; empty for any other value. Every call writes
// one trace line to standard error: GetFileName( kind ): result= "path"
QString GetFileName(int kind);
