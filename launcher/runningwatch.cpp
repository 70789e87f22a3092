#include "runningwatch.h"

RunningWatch::RunningWatch(const QString &folder, QObject *parent) : QObject(parent), folder(folder)
{
    connect(&timer, &QTimer::timeout, this, &RunningWatch::Refresh);
    timer.start(500);
    running = ReadRunningEmulators(folder);
}

void RunningWatch::Refresh()
{
    std::vector<RunningEmulator> now = ReadRunningEmulators(folder);
    const auto same = [](const RunningEmulator &a, const RunningEmulator &b) {
        return a.pid == b.pid && a.processStart == b.processStart && a.profileName == b.profileName;
    };
    if (std::equal(now.begin(), now.end(), running.begin(), running.end(), same))
        return;
    running = std::move(now);
    emit Changed();
}
