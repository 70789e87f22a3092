#pragma once

#include <QSocketNotifier>
#include <QTimer>

#include <csignal>

// While it lives, SIGTERM, SIGINT and SIGHUP end the application the way
// closing the window does: every event loop returns, exec() gives 0 and the
// caller shuts down normally. Signals ignored when the process started (as
// under nohup) stay ignored. One object at a time, after the application.
class QuitSignals
{
public:
    QuitSignals();
    ~QuitSignals();
    QuitSignals(const QuitSignals &) = delete;
    QuitSignals &operator=(const QuitSignals &) = delete;

    // True once a signal has reached the event loop: the launcher is on its
    // way out, and nobody waits for its questions.
    static bool Received();

private:
    void OnSignal();

    int pipeFds[2] = {-1, -1};
    QSocketNotifier notifier{QSocketNotifier::Read};
    QTimer quitTimer;
    struct sigaction previous[3] = {};
};
