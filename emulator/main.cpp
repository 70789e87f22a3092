#include "emulatorargs.h"
#include "emulatorwindow.h"

#include <QApplication>
#include <QDebug>

int main(int argc, char *argv[])
{
    // The command line belongs to the emulator: Qt is shown only the program
    // name, so arguments such as -style reach the list untouched.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);

    const EmulatorSettings settings = ParseEmulatorArguments(arguments);
    for (const QString &problem : settings.problems)
        qWarning().noquote() << "zelvane:" << problem;

    EmulatorWindow window(arguments, settings);
    window.show();
    return app.exec();
}
