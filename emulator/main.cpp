#include "emulatorargs.h"
#include "emulatorwindow.h"

#include <QApplication>
#include <QDebug>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    // The command line belongs to the emulator: Qt is shown only the program
    // name, so arguments such as -style reach the list untouched.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    // The stand-in carries its translations inside, like a bundle of its own.
    QTranslator translator;
    if (translator.load(QLocale(), QStringLiteral("zelvane-emulator"), QStringLiteral("_"),
                        QStringLiteral(":/i18n")))
        app.installTranslator(&translator);

    const EmulatorSettings settings = ParseEmulatorArguments(arguments);
    for (const QString &problem : settings.problems)
        qWarning().noquote() << "zelvane:" << problem;

    EmulatorWindow window(arguments, settings);
    window.show();
    return app.exec();
}
