#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>

struct LaunchCommand;

// How an emulator ended: its exit status, or the signal that ended it.
struct EmulatorEnd {
    qint64 milliseconds; // after its start
    bool signaled;
    int number; // the status, or the signal
};

// Starts the command as StartDetached does and, where the system allows,
// makes the launcher the emulator's parent, so that it learns how the
// emulator ends (see LaunchWatch). Nothing else changes: the emulator runs
// on when the launcher ends.
bool StartAdopted(const LaunchCommand &command, const QString &outputFile, qint64 *pid, QString *reason);

// Watches an emulator that StartAdopted started until it ends, and then
// reaps it. Destroying the watch, as when the launcher closes, neither waits
// for the emulator nor ends it. Where the launcher cannot learn how the
// emulator ended, the watch stays silent.
class LaunchWatch : public QObject
{
    Q_OBJECT

public:
    // An end this soon after the start is told to the user; a later one is
    // not. Tests shorten it.
    static inline int earlyEndMilliseconds = 5000;

    LaunchWatch(qint64 pid, QObject *parent);
    ~LaunchWatch() override;

signals:
    // Sent when the emulator ended early with a non-zero status or by a signal.
    void EndedEarly(const EmulatorEnd &end);

private:
    void OnEnded();

    qint64 pid;
    QSocketNotifier notifier{QSocketNotifier::Read}; // the emulator's pidfd turns readable as it ends
    QElapsedTimer clock;
};
