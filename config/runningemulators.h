#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

// An emulator the launcher started and that may still run, as the launcher
// records it in the user's runtime directory: the window, --launch,
// --running and --stop of every launcher of the user share the record. An
// entry is pinned to its process by the process id and the process's start
// time, so a process id that the system has given to another process since
// is never taken for the emulator.
struct RunningEmulator {
    qint64 pid = 0;
    qint64 processStart = 0; // in clock ticks after boot, as /proc/PID/stat has it
    QString profileName;
    QString logPath; // empty when its output went elsewhere
    QDateTime started;
};

// Records an emulator just started (its process start is read here); false
// with the system's reason when the entry cannot be written.
bool RecordRunningEmulator(const QString &folder, RunningEmulator *emulator, QString *reason);

// The recorded emulators that still run, the earliest started first. An
// entry whose process has ended, or whose process id now belongs to another
// process, is dropped on the way.
std::vector<RunningEmulator> ReadRunningEmulators(const QString &folder);

// The emulators of a renamed profile follow it.
void RenameRunningEmulators(const QString &folder, const QString &oldName, const QString &newName);

void ForgetRunningEmulator(const QString &folder, const RunningEmulator &emulator);

// Sends the signal to exactly the recorded process: through a handle to
// the process taken before its start time is checked, so that neither a
// name nor a reused process id is ever signalled. False when it has ended.
bool SignalRunningEmulator(const RunningEmulator &emulator, int signal);

// Ends the emulators: SIGTERM, then, for those still running after
// graceMilliseconds, SIGKILL; returns once they have ended (or a further
// grace has passed), with how many were stopped.
int StopRunningEmulators(const QString &folder, const std::vector<RunningEmulator> &emulators,
                         int graceMilliseconds);
