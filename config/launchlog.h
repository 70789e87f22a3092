#pragma once

#include <QDateTime>
#include <QStringList>

// Each launch from the window keeps the emulator's output in a log of its
// own, <time stamp>_<profile>.log in the log folder: the time stamp is the
// launch's local time to the second (yyyy-MM-dd_HH-mm-ss), followed by .2,
// .3 and so on for further launches of the profile in the same second, and
// the profile's name is made safe for a file name. Its first line is the command.
struct LaunchLog {
    QString path;       // empty when there is none
    qint64 outputStart; // where the emulator's output begins
};

// Makes the folder and a new log in it holding the command line. On failure
// the log's path is empty and reason holds the system's reason.
LaunchLog CreateLaunchLog(const QString &folder, const QDateTime &when, const QString &profileName,
                          const QString &commandLine, QString *reason);

// Removes all but the newest `keep` logs of the folder; other files stay.
void PruneLaunchLogs(const QString &folder, int keep);

// The last lines of output in a log, at most count of them.
QStringList LastOutputLines(const LaunchLog &log, int count);
