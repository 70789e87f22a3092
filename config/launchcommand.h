#pragma once

#include "config.h"

#include <QStringList>

// What starts the emulator: the program and the words it receives.
struct LaunchCommand {
    QString program;
    QStringList arguments;
};

// The command for a selection (selection[k - 1] is the option chosen in
// category k; an index outside the category's options adds nothing) and an
// arguments text. The options' fragments are joined as stored, each bringing
// its own leading space, then one space and the arguments text follow; that
// string is split into words as QProcess::splitCommand does, where a
// double-quoted run is one word and """ stands for a literal quote. The
// program is never split, so any character may stand in its path.
LaunchCommand BuildLaunchCommand(const QString &program, const std::vector<OptionCategory> &categories,
                                 const std::vector<int> &selection, const QString &argumentsText);

// A word as a POSIX shell reads it back: bare when no character in it means
// anything to a shell, otherwise in single quotes.
QString ShellQuoted(const QString &word);

// The command as one line that a POSIX shell runs as exactly this program
// with exactly these arguments.
QString ShellCommandLine(const LaunchCommand &command);

// Starts the command as the launcher's own child in a session of its own,
// so that it outlives the launcher and no hangup of the launcher's terminal
// reaches it; the launcher reaps it (see LaunchWatch). Its output goes where
// the launcher's goes or, given a file, after what that file holds; pid
// receives its process id. On failure nothing is left to reap, and reason
// holds the system's reason, such as "No such file or directory".
bool StartInOwnSession(const LaunchCommand &command, const QString &outputFile, qint64 *pid, QString *reason);
