#pragma once

#include <QString>

// Every file the launcher touches. The user's configuration lives in the
// user's data directory; everything shipped lives in Resources beside the
// directory of the executable.
enum FileKind { UserConfig = 0, DefaultConfig = 1, HelpFile = 2, EmulatorBinary = 3 };

// The absolute path of name in the Resources directory, whether or not it exists.
QString ResourcesDir(const QString &name);

// The emulator shipped in Resources, which the launcher starts unless
// another program is named or chosen.
QString ShippedEmulator();

// The full path for a FileKind, for EmulatorBinary the program in use;
// empty for any other value. Every call writes one trace line to standard
// error: GetFileName( kind ): result= "path"
QString GetFileName(int kind);

// The same path without the trace line, for what the window shows while the
// user makes choices; what the launcher opens, writes or starts is looked up
// with GetFileName.
QString FilePath(int kind);

// The folder of the emulator's logs: $XDG_STATE_HOME/Zelvane/logs (normally
// ~/.local/state/Zelvane/logs), on macOS ~/Library/Logs/Zelvane.
QString LaunchLogFolder();

// The folder of the record of running emulators: $XDG_RUNTIME_DIR/Zelvane,
// private to the user.
QString RunningEmulatorFolder();
