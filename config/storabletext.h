#pragma once

#include "config.h"

// Launcher.ini writes names and arguments without escapes, so some text does
// not read back as it was typed. These checks let the window refuse such text
// where it is entered; on refusal, problem says what is wrong and the window
// words it for the user.

enum class UnstorableReason {
    DoubleQuote,   // ends the name or the value in the file
    BackslashT,    // in a name, reads back as a TAB
    LineBreak,     // LF ends the entry's line; the reader drops every CR
    SectionHeader, // in arguments, a word such as "[Resolution]" reads back as an option choice
};

struct UnstorableText {
    UnstorableReason reason = UnstorableReason::DoubleQuote;
    QString value; // the offending text: the character, or the section header
};

// A name must not hold a double quote, a backslash followed by t, nor a line
// break. Every other character, TAB included, reads back unchanged.
bool CanStoreName(const QString &name, UnstorableText *problem);

// Arguments must not hold a double quote, a line break, nor a section header
// as a word of its own.
bool CanStoreArguments(const QString &arguments, const std::vector<OptionCategory> &categories,
                       UnstorableText *problem);
