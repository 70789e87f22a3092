#include "commandline.h"
#include "launcher.h"
#include "quitsignals.h"
#include "singleapplication.h"

int main(int argc, char *argv[])
{
    const int status = RunCommandLine(argc, argv);
    if (status != StartWindow)
        return status;

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
