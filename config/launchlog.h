#pragma once

#include <QDateTime>
#include <QStringList>

// Each launch from the window keeps the emulator's output in a log of its
// own, <time stamp>_<profile>.log in the log folder: the time stamp is the
// launch's local time to the second (yyyy-MM-dd_HH-mm-ss), followed by .2,
// .3 and so on for further launches of the profile in the same second, and
// the profile's name is made safe for a file name (its first 40 letters, each
// one not safe replaced by one underscore). Its first line is the command.
struct LaunchLog {
    QString path;       // empty when there is none
    qint64 outputStart; // where the emulator's output begins
};

// How an emulator ended: its exit status, or the signal that ended it.
struct EmulatorEnd {
    qint64 milliseconds; // after its start
    bool signaled;
    int number; // the status, or the signal
};

// Makes the folder (0700) and a new log (0600) in it in it holding the command line. On failure
// the log's path is empty and reason holds the system's reason.
LaunchLog CreateLaunchLog(const QString &folder, const QDateTime &when, const QString &profileName,
                          const QString &commandLine, QString *reason);

// Removes all but the newest `keep` logs of the folder, newest by when they
// were made, whatever their time stamps say (a clock set back makes later
// logs with earlier stamps), and never the log just made; other files stay.
void PruneLaunchLogs(const QString &folder, int keep, const QString &justMade);

// The profile's newest log in the folder, or an empty path when it has none.
QString NewestLaunchLog(const QString &folder, const QString &profileName);

// Adds a last line telling how the emulator ended and after how long.
void AppendEndLine(const QString &path, const EmulatorEnd &end);

// The last lines of output in a log, at most count of them.
QStringList LastOutputLines(const LaunchLog &log, int count);
