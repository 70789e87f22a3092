#pragma once

#include "config.h"

#include <QList>
#include <QObject>
#include <vector>

struct RunningEmulator;
class ProfileQListWidget;
class QLabel;
class QMainWindow;
class RunningWatch;

// Shows in the window which profiles' emulators run: each row's icon and
// description and the status bar's count. It also stops a profile's
// emulators when the user asks and remembers them, so that their end is no
// surprise.
class RunningView : public QObject
{
    Q_OBJECT

public:
    // The list's rows stand for the profiles, row by row.
    RunningView(QMainWindow *window, ProfileQListWidget *profileList, const std::vector<Profile> &profiles);

    // Shows what runs now, as after the profiles were renamed or moved.
    void Show();
    // Looks now, as after a start or an end the launcher saw itself.
    void Refresh();
    int Count(const QString &profileName) const;
    // Asks the profile's emulators to end, and offers to end at once those
    // still running after a grace.
    void Stop(const QString &profileName);
    // Whether the user's Stop ended the process: it is forgotten then.
    bool TakeStopAsked(qint64 pid);

private:
    void OfferToEndAtOnce(const std::vector<RunningEmulator> &stopping);

    QMainWindow *window;
    ProfileQListWidget *profileList;
    const std::vector<Profile> &profiles;
    RunningWatch *runningWatch;
    QLabel *runningLabel = nullptr; // in the status bar, made when something first runs
    QList<qint64> stopAsked;        // the user's Stop ended them: no early-end warning
};
