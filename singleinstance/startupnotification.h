#pragma once

#include <QByteArray>

// Ends the desktop's startup notification for id on X11, as a start's first
// window does when it shows: the busy cursor or the task bar's entry for
// that start goes. Does nothing on other platforms or without an id.
void EndStartupNotification(const QByteArray &id);
