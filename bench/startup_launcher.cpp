// The launcher's own start-up path: single-instance check, configuration
// load, window construction and show, up to the first frame.
#include "firstframe.h"
#include "launcher.h"
#include "singleapplication.h"

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    if (app.isRunning())
        return 2;
    MainWindow window;
    ReportFirstFrame(&window);
    window.show();
    app.setActivationWindow(&window, true);
    return app.exec();
}
