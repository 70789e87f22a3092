#include "startupnotification.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace
{

// A value as the startup-notification messages quote it: in double quotes,
// with a backslash before each double quote and backslash, when it holds a
// blank or either of them.
QByteArray Quoted(const QByteArray &value)
{
    if (!value.contains(' ') && !value.contains('"') && !value.contains('\\'))
        return value;
    QByteArray quoted = value;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return '"' + quoted + '"';
}

xcb_atom_t Atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, false, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// The root window of the screen that DISPLAY names.
xcb_window_t Root(xcb_connection_t *connection)
{
    char *host = nullptr;
    int display = 0, screen = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen))
        std::free(host);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (; screen > 0 && screens.rem > 1; --screen)
        xcb_screen_next(&screens);
    return screens.data->root;
}

} // namespace

void EndStartupNotification(const QByteArray &id)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (id.isEmpty() || !x11)
        return;
    xcb_connection_t *connection = x11->connection();
    const xcb_window_t root = Root(connection);
    // The text, with its terminating NUL, in client messages of 20 bytes
    // each on the root window: the first of type _NET_STARTUP_INFO_BEGIN,
    // the rest _NET_STARTUP_INFO.
    const QByteArray message = "remove: ID=" + Quoted(id);
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 8;
    event.window = root;
    event.type = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    for (qsizetype sent = 0; sent <= message.size(); sent += 20) {
        std::memset(event.data.data8, 0, 20);
        std::memcpy(event.data.data8, message.constData() + sent,
                    size_t(qMin<qsizetype>(20, message.size() + 1 - sent)));
        xcb_send_event(connection, false, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char *>(&event));
        event.type = more;
    }
    xcb_flush(connection);
}
