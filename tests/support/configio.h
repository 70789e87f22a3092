#pragma once

#include "configfile.h"

#include <QByteArray>

// The fixed start of every saved file, up to the first section.
inline constexpr char SavedFileHeader[] =
    "# A configuration out for the Zelvane Launcher.\n"
    "# It makes it easy to start multiple instances with various command line\n"
    "# options.\n"
    "#\n"
    "# Note that the arguments are just concatenated together, so start new\n"
    "# arguments with a space in the string to avoid errors.\n"
    "\n"
    "$VERSION\t106\n"
    "\n";

// A configuration model as loaded from bytes and saved back, as the
// launcher reads and writes its file.
ConfigText ReadConfigBytes(const QByteArray &bytes);
ConfigModel LoadModel(const QByteArray &bytes);
QByteArray SaveModel(ConfigModel model);
