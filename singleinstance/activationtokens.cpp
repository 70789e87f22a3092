#include "activationtokens.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace
{

const char XdgActivationToken[] = "XDG_ACTIVATION_TOKEN";
const char DesktopStartupId[] = "DESKTOP_STARTUP_ID";

// Read as the program starts, before main: Qt's X11 support removes
// DESKTOP_STARTUP_ID when the application object connects to the display.
const ActivationTokens startTokens{qgetenv(XdgActivationToken), qgetenv(DesktopStartupId)};
bool startTokensSpent = false;

// Activates its window with the start's tokens once the first frame has
// been flushed, when the compositor has mapped the window.
class ActivationAfterFirstFrame : public QObject
{
public:
    explicit ActivationAfterFirstFrame(QWidget *window) : QObject(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                ActivateWindow(static_cast<QWidget *>(parent()), startTokens);
                deleteLater();
            });
        }
        return false;
    }
};

} // namespace

const ActivationTokens &StartTokens()
{
    return startTokens;
}

void SpendStartTokens(QWidget *window)
{
    if (std::exchange(startTokensSpent, true))
        return;
    qunsetenv(XdgActivationToken);
    qunsetenv(DesktopStartupId);
    const bool anyToken =
        !startTokens.xdgActivationToken.isEmpty() || !startTokens.desktopStartupId.isEmpty();
    if (anyToken && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new ActivationAfterFirstFrame(window);
}

QByteArray EncodeMessage(const QString &message, const ActivationTokens &tokens)
{
    QByteArray bytes = message.toUtf8();
    for (const auto &[name, value] : {std::pair{XdgActivationToken, tokens.xdgActivationToken},
                                      std::pair{DesktopStartupId, tokens.desktopStartupId}}) {
        if (!value.isEmpty())
            bytes += '\0' + QByteArray(name) + '=' + value;
    }
    return bytes;
}

QString DecodeMessage(const QByteArray &bytes, ActivationTokens *tokens)
{
    const QList<QByteArray> parts = bytes.split('\0');
    for (const QByteArray &part : parts.mid(1)) {
        const qsizetype equals = part.indexOf('=');
        const QByteArray name = part.left(equals), value = part.mid(equals + 1);
        if (name == XdgActivationToken)
            tokens->xdgActivationToken = value;
        else if (name == DesktopStartupId)
            tokens->desktopStartupId = value;
    }
    return QString::fromUtf8(parts.first());
}

void ActivateWindow(QWidget *window, const ActivationTokens &tokens)
{
    // Qt's Wayland support hands the compositor the token it finds in the
    // environment when a window asks to be activated, and removes it; only
    // with one does a window that lacks the focus get it. Put there for this
    // one activation and removed after it, so that no later activation, nor
    // an emulator started later, comes upon a spent token.
    const QByteArray &token =
        tokens.xdgActivationToken.isEmpty() ? tokens.desktopStartupId : tokens.xdgActivationToken;
    if (!token.isEmpty())
        qputenv(XdgActivationToken, token);
    window->activateWindow();
    qunsetenv(XdgActivationToken);
}
