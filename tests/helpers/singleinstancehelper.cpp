// SingleApplication in a program of its own, for the tests. The first
// instance prints "primary", shows a minimised window that messages activate
// and prints each message with the window's state after it; "end slowly"
// ends it, as a launcher that prints "ending" and saves 1.5 s on its way out.
// A later start sends its first argument, waiting as many milliseconds as
// its second (default 5000), and exits 0 when it was acknowledged, 1
// otherwise, unless the first one ended meanwhile and it took its place.
#include "singleapplication.h"

#include <QTextStream>
#include <QThread>

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (app.isRunning() &&
        app.sendMessage(arguments.value(1), arguments.value(2, QStringLiteral("5000")).toInt()))
        return 0;
    if (app.isRunning())
        return 1;

    QTextStream out(stdout);
    QWidget window;
    window.showMinimized();
    app.setActivationWindow(&window, true);
    QObject::connect(&app, &SingleApplication::messageReceived, &app, [&](const QString &message) {
        out << "message " << message << (window.isMinimized() ? " minimized" : " restored")
            << (qEnvironmentVariableIsSet("XDG_ACTIVATION_TOKEN") ? " token left behind" : "") << Qt::endl;
        if (message == QLatin1String("end slowly"))
            app.exit(2);
    });
    out << "primary" << Qt::endl;
    if (app.exec() == 2) {
        out << "ending" << Qt::endl;
        QThread::msleep(1500);
    }
    return 0;
}
