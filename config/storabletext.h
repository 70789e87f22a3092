#pragma once

#include "config.h"

// Launcher.ini writes names and arguments without escapes, so some text does
// not read back as it was typed. These checks let the window refuse such text
// where it is entered; on refusal, reason says why in words for the user.

// A name must not hold a double quote (it ends the name in the file) nor a
// backslash followed by t (it reads back as a TAB).
bool CanStoreName(const QString &name, QString *reason);

// Arguments must not hold a double quote, nor a section header such as
// "[Resolution]" as a word of its own, which reads back as an option choice.
bool CanStoreArguments(const QString &arguments, const std::vector<OptionCategory> &categories,
                       QString *reason);
