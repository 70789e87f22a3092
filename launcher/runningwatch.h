#pragma once

#include "runningemulators.h"

#include <QObject>
#include <QTimer>

// Follows the record of running emulators, whoever started them (this
// window, another launcher, --launch in a terminal), and tells when what
// runs has changed. It looks twice a second; a look reads one small file
// per running emulator.
class RunningWatch : public QObject
{
    Q_OBJECT

public:
    // How long Stop waits for an emulator to end before it offers to end it
    // at once. Tests shorten it.
    static inline int stopGraceMilliseconds = 5000;

    RunningWatch(const QString &folder, QObject *parent);

    const std::vector<RunningEmulator> &Running() const
    {
        return running;
    }
    // Looks now, as after a start or an end the launcher saw itself.
    void Refresh();

signals:
    void Changed();

private:
    QString folder;
    QTimer timer;
    std::vector<RunningEmulator> running;
};
