#include "launcher.h"
#include "quitsignals.h"
#include "singleapplication.h"

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    if (app.isRunning())
        return app.sendMessage(QString(), 5000) ? 0 : 1;

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
