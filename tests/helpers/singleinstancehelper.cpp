// SingleApplication in a program of its own, for the tests. The first
// instance prints "primary", shows a minimised window that messages activate
// and prints each message with the window's state after it. A later start
// sends its first argument, waiting as many milliseconds as its second
// (default 5000), and exits 0 when it was acknowledged, 1 otherwise.
#include "singleapplication.h"

#include <QTextStream>

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (app.isRunning())
        return app.sendMessage(arguments.value(1), arguments.value(2, QStringLiteral("5000")).toInt()) ? 0
                                                                                                       : 1;

    QTextStream out(stdout);
    QWidget window;
    window.showMinimized();
    app.setActivationWindow(&window, true);
    QObject::connect(&app, &SingleApplication::messageReceived, &app, [&](const QString &message) {
        out << "message " << message << (window.isMinimized() ? " minimized" : " restored") << Qt::endl;
    });
    out << "primary" << Qt::endl;
    return app.exec();
}
