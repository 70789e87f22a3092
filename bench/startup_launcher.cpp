// The launcher's own start-up path, main's sequence: command line, single-
// instance check, translations, desktop identity, quit signals,
// configuration load, window construction and show, up to the first frame.
#include "commandline.h"
#include "desktopidentity.h"
#include "firstframe.h"
#include "launcher.h"
#include "quitsignals.h"
#include "singleapplication.h"
#include "translations.h"

#include <QLocale>

int main(int argc, char *argv[])
{
    if (RunCommandLine(argc, argv) != StartWindow)
        return 2;
    SingleApplication app(argc, argv);
    if (app.isRunning())
        return 2;
    InstallTranslations(QLocale(), &app);
    SetDesktopIdentity();
    QuitSignals quitSignals;
    MainWindow window;
    ReportFirstFrame(&window);
    window.show();
    app.setActivationWindow(&window, true);
    return app.exec();
}
