#include "commandline.h"
#include "launcher.h"
#include "quitsignals.h"
#include "singleapplication.h"
#include "translations.h"

#include <QIcon>
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
    // The desktop entry's id and icon, so that docks and task bars match the
    // window to its menu entry (on X11 through WM_CLASS, the executable's
    // name, which the entry names as StartupWMClass).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.zelvane.Launcher"));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.zelvane.Launcher.png")));

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
