#pragma once

#include <QString>

// The emulator program the launcher starts. --emulator and ZELVANE_EMULATOR
// name one for a single run; the user's choice is saved in the launcher's
// settings file, never in Launcher.ini, whose format is shared; otherwise it
// is the one shipped in Resources. The settings file is read at every
// lookup, so a choice saved by one launcher is used from the next launch on
// by every launcher, running or later.
class EmulatorProgram
{
public:
    // The program in use: the option, then the variable, then the saved
    // choice, then the shipped emulator.
    static QString InUse();

    // The program --emulator names for this run, relative to the working
    // directory; an empty path names none.
    static void NameForThisRun(const QString &path);

    // $XDG_CONFIG_HOME/Zelvane/Launcher.conf (normally
    // ~/.config/Zelvane/Launcher.conf); on macOS in ~/Library/Preferences.
    static QString SettingsPath();
    static QString Saved(); // empty when the user has chosen none

    // The settings file is written only here; false when it cannot be.
    static bool Save(const QString &program);
    static bool ForgetSaved();

    // Why the path cannot be the emulator, as a sentence naming it: it does
    // not exist, is a directory or is not an executable file; empty when it
    // is an executable file.
    static QString Refusal(const QString &path);

private:
    static QString namedForThisRun;
};
