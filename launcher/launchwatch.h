#pragma once

#include "launchlog.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

// Watches an emulator that the launcher started as its own child until it
// ends, and then reaps it: exactly that process, nothing else. Destroying
// the watch, as when the launcher closes, neither waits for the emulator
// nor ends it.
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
    void Ended(const EmulatorEnd &end);

private:
    void OnMaybeEnded();

    qint64 pid;
    QSocketNotifier notifier{QSocketNotifier::Read}; // the emulator's pidfd turns readable as it ends
    QTimer poll;                                     // where the system has no pidfd
    QElapsedTimer clock;
};
