#include "commandline.h"

#include "configfile.h"
#include "filelocations.h"
#include "launchcommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLoggingCategory>

#include <cstdio>

namespace
{

QString Tr(const char *text)
{
    return QCoreApplication::translate("CommandLine", text);
}

void Print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().append('\n').constData(), stream);
}

void Complain(const QString &text)
{
    Print(stderr, QStringLiteral("zelvane-launcher: ") + text);
}

int UsageError(const QString &text)
{
    Complain(text);
    Print(stderr, Tr("Run zelvane-launcher --help to see the options."));
    return 2;
}

// Qt's options for GUI programs, as QGuiApplication, QApplication and the
// platform plugins take them: known to the parser so they pass, hidden from
// the help, which is about the launcher's own.
void AddQtOptions(QCommandLineParser &parser)
{
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "geometry", "qwindowtitle", "title", "qwindowicon", "icon", "session", "display",
                             "name", "style", "stylesheet", "qmljsdebugger"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

bool LoadProfiles(ConfigModel *model)
{
    QStringList notes;
    const bool loaded = LoadConfigQuietly(GetFileName(UserConfig), GetFileName(DefaultConfig), model, &notes);
    for (const QString &note : notes)
        Complain(note);
    return loaded;
}

int List()
{
    ConfigModel model;
    if (!LoadProfiles(&model))
        return 1;
    for (const Profile &profile : model.profiles)
        Print(stdout, profile.name);
    return 0;
}

// The profile's command as Launch gives it with the profile selected and
// unchanged, started or, for a dry run, printed for a shell.
int Launch(const QString &name, bool dryRun)
{
    ConfigModel model;
    if (!LoadProfiles(&model))
        return 1;
    const Profile *profile = nullptr;
    QStringList names;
    for (const Profile &candidate : model.profiles) {
        if (!profile && candidate.name == name)
            profile = &candidate;
        names << QStringLiteral("  ") + candidate.name;
    }
    if (!profile) {
        Complain(Tr("There is no profile called \"%1\". The profiles are:").arg(name));
        Print(stderr, names.join(u'\n'));
        return 2;
    }
    const LaunchCommand command = BuildLaunchCommand(GetFileName(EmulatorBinary), model.categories,
                                                     profile->selection, profile->arguments);
    if (dryRun) {
        Print(stdout, ShellCommandLine(command));
        return 0;
    }
    QString reason;
    if (StartDetached(command, &reason))
        return 0;
    Complain(Tr("The emulator %1 could not be started: %2.").arg(command.program, reason));
    return 1;
}

} // namespace

int RunCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Single-dash words are whole options, as Qt's own -platform or -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(Tr(
        "Starts the Zelvane emulator with saved profiles. Without options it opens the launcher's window."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  Tr("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     Tr("Show the launcher's version and exit."));
    const QCommandLineOption list(QStringLiteral("list"),
                                  Tr("List the saved profiles' names, one per line."));
    const QCommandLineOption launch(
        QStringLiteral("launch"),
        Tr("Start the emulator with the profile called <name>, without the window."), Tr("name"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    Tr("With --launch: print the command instead of running it."));
    parser.addOptions({help, version, list, launch, dryRun});
    AddQtOptions(parser);

    if (!parser.parse(arguments))
        return UsageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return UsageError(Tr("Unexpected argument: %1").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(dryRun) && !parser.isSet(launch))
        return UsageError(Tr("--dry-run goes only with --launch."));
    if (parser.isSet(list) && parser.isSet(launch))
        return UsageError(Tr("--list and --launch cannot be used together."));
    const bool ownOption =
        parser.isSet(help) || parser.isSet(version) || parser.isSet(list) || parser.isSet(launch);
    if (!ownOption)
        return StartWindow;

    QCoreApplication app(argc, argv);
    // The file-lookup trace is for the window's developers; a script reads
    // standard error for reasons only. QT_LOGGING_RULES still brings it back.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    if (parser.isSet(help)) {
        Print(stdout, parser.helpText().trimmed());
        return 0;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("zelvane-launcher " ZELVANE_VERSION));
        return 0;
    }
    if (parser.isSet(list))
        return List();
    return Launch(parser.value(launch), parser.isSet(dryRun));
}
