#include "commandline.h"
#include "desktopidentity.h"
#include "launcher.h"
#include "quitsignals.h"
#include "singleapplication.h"
#include "translations.h"

#include <QLocale>

int main(int argc, char *argv[])
{
    const int status = RunCommandLine(argc, argv);
    if (status != StartWindow)
        return status;

    SingleApplication app(argc, argv);
    // A launcher that is ending, however long its last save takes, is waited
    // for: then this one carries on with the window.
    if (app.isRunning() && app.sendMessage(QString(), 5000))
        return 0;
    if (app.isRunning()) {
        InstallTranslations(QLocale(), &app);
        ComplainNoAnswer();
        return 1;
    }

    InstallTranslations(QLocale(), &app);
    // On X11 docks also match the window through WM_CLASS, the executable's
    // name, which the desktop entry names as StartupWMClass.
    SetDesktopIdentity();

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
