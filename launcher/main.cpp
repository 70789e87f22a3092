#include "launcher.h"
#include "quitsignals.h"
#include "singleapplication.h"

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    // A launcher that is ending lets go while this one waits for its answer:
    // then this one carries on with the window.
    if (app.isRunning() && app.sendMessage(QString(), 5000))
        return 0;
    if (app.isRunning())
        return 1;

    QuitSignals quitSignals;
    int result = 0;
    {
        MainWindow window;
        window.show();
        app.setActivationWindow(&window, true);
        result = app.exec();
    }
    return result;
}
