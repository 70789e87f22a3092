#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// What the desktop hands a program it starts so that its window may come
// forward: on Wayland a token from the compositor (XDG_ACTIVATION_TOKEN), on
// X11 a startup-notification id (DESKTOP_STARTUP_ID, which GTK 3 programs
// also use for the Wayland token). A later start passes its own on to the
// running instance, whose window comes forward in its stead.
struct ActivationTokens {
    QByteArray xdgActivationToken;
    QByteArray desktopStartupId;
};

// This process's, as it was started: read before the toolkit takes them out
// of the environment.
const ActivationTokens &StartTokens();

// Spends this process's tokens on window, its first, once: both leave the
// environment at once, so that no program the launcher starts inherits a
// token meant for the launcher. On Wayland the window asks to be activated
// with them as soon as it shows its first frame (Qt's Wayland support would
// hand the token over only once the window is active already); on X11 Qt
// has used the startup id for the window as it showed it.
void SpendStartTokens(QWidget *window);

// A message travels as its text in UTF-8, followed by a NUL and "NAME=value"
// for each token, NUL-separated. A receiver that knows no tokens takes it
// all for the text; a text without tokens travels exactly as it is.
QByteArray EncodeMessage(const QString &message, const ActivationTokens &tokens);
QString DecodeMessage(const QByteArray &bytes, ActivationTokens *tokens);

// Asks for window to become the active window with tokens, the only way a
// window that does not have the focus may take it on Wayland.
void ActivateWindow(QWidget *window, const ActivationTokens &tokens);
