#pragma once

#include "config.h"

// The names of the profiles whose choice in `category` is option `index`, in
// profile order, each followed by a line break; empty when no profile uses it.
QString OptionUsers(const std::vector<Profile> &profiles, int category, int index);

// Prepares the profiles for the removal of option `index` of `category`: a
// profile that chose it falls back to option 0 and keeps the removed option's
// command-line fragment as a free argument; a choice above it moves down one
// so that it still names the same option.
void RenumberForRemovedOption(std::vector<Profile> &profiles, int category, int index,
                              const QString &removedValue);

// Arguments that carry a removed option's command-line fragment: a space
// after any text (blanks count as text), then the fragment.
QString WithRemovedOption(const QString &arguments, const QString &removedValue);
