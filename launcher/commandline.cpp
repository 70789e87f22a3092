#include "commandline.h"

#include "configfile.h"
#include "emulatorprogram.h"
#include "filelocations.h"
#include "launchcommand.h"
#include "runningemulators.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QLoggingCategory>

#include <cstdio>

namespace
{

void Print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().append('\n').constData(), stream);
}

bool HasNul(const QString &text)
{
    return text.contains(QChar(0));
}

// The text with each NUL shown as \0, so that nothing after it is lost.
QString Visible(QString text)
{
    return text.replace(QChar(0), QLatin1String("\\0"));
}

void Complain(const QString &text)
{
    Print(stderr, QStringLiteral("zelvane-launcher: ") + text);
}

int UsageError(const QString &text)
{
    Complain(text);
    Print(stderr,
          QCoreApplication::translate("CommandLine", "Run zelvane-launcher --help to see the options."));
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

QString PassedOverText(const PassedOverFile &file)
{
    switch (file.why) {
    case PassedOverFile::Missing:
        return QCoreApplication::translate("CommandLine", "%1 does not exist.").arg(file.path);
    case PassedOverFile::Unreadable:
        return QCoreApplication::translate("CommandLine", "%1 cannot be read and was not used: %2")
            .arg(file.path, file.reason);
    case PassedOverFile::Outdated:
        break;
    }
    return QCoreApplication::translate("CommandLine", "%1 is out of date and was not used.").arg(file.path);
}

bool LoadProfiles(ConfigModel *model)
{
    std::vector<PassedOverFile> passedOver;
    const bool loaded =
        LoadConfigQuietly(GetFileName(UserConfig), GetFileName(DefaultConfig), model, &passedOver);
    for (const PassedOverFile &file : passedOver)
        Complain(PassedOverText(file));
    return loaded;
}

int List()
{
    ConfigModel model;
    if (!LoadProfiles(&model))
        return 1;
    int status = 0;
    for (const Profile &profile : model.profiles) {
        if (HasNul(profile.name)) {
            Complain(QCoreApplication::translate(
                         "CommandLine", "A profile's name holds a NUL character, which cannot be printed: %1")
                         .arg(Visible(profile.name)));
            status = 1;
        } else {
            Print(stdout, profile.name);
        }
    }
    return status;
}

// The named profile, or null after telling which profiles there are.
const Profile *FindProfile(const ConfigModel &model, const QString &name)
{
    QStringList names;
    for (const Profile &candidate : model.profiles) {
        if (candidate.name == name)
            return &candidate;
        names << QStringLiteral("  ") + Visible(candidate.name);
    }
    Complain(
        QCoreApplication::translate("CommandLine", "There is no profile called \"%1\". The profiles are:")
            .arg(name));
    Print(stderr, names.join(u'\n'));
    return nullptr;
}

// Recorded like a launch from the window, so that the window, --running
// and --stop see it; its output stays where the launcher's goes.
void Record(qint64 pid, const QString &profileName)
{
    RunningEmulator emulator{pid, 0, profileName, QString(), QDateTime::currentDateTime()};
    QString reason;
    if (!RecordRunningEmulator(RunningEmulatorFolder(), &emulator, &reason))
        Complain(QCoreApplication::translate("CommandLine",
                                             "The emulator runs unrecorded, out of --stop's reach. Cannot "
                                             "write in %1: %2")
                     .arg(RunningEmulatorFolder(), reason));
}

// The profile's command as Launch gives it with the profile selected and
// unchanged, started or, for a dry run, printed for a shell.
int Launch(const QString &name, bool dryRun)
{
    ConfigModel model;
    if (!LoadProfiles(&model))
        return 1;
    const Profile *profile = FindProfile(model, name);
    if (!profile)
        return 2;
    const QString program = GetFileName(EmulatorBinary);
    // A program named or chosen is checked first, so that a dry run also
    // tells of one that cannot start; the shipped one is started or printed
    // as it is.
    if (const QString refusal = EmulatorProgram::Refusal(program);
        program != ShippedEmulator() && !refusal.isEmpty()) {
        Complain(refusal);
        return 1;
    }
    const LaunchCommand command =
        BuildLaunchCommand(program, model.categories, profile->selection, profile->arguments);
    const QString line = ShellCommandLine(command);
    if (HasNul(line)) {
        Complain(QCoreApplication::translate("CommandLine",
                                             "The command holds a NUL character, which no command line can "
                                             "carry: %1")
                     .arg(Visible(line)));
        return 1;
    }
    if (dryRun) {
        Print(stdout, line);
        return 0;
    }
    QString reason;
    qint64 pid = 0;
    if (StartInOwnSession(command, QString(), &pid, &reason)) {
        Record(pid, profile->name);
        return 0;
    }
    Complain(QCoreApplication::translate("CommandLine", "The emulator %1 could not be started: %2.")
                 .arg(command.program, reason));
    return 1;
}

// One line per running emulator: the profile's name, the process id and the
// log (empty when its output went elsewhere), separated by tabs.
int Running()
{
    for (const RunningEmulator &emulator : ReadRunningEmulators(RunningEmulatorFolder()))
        Print(
            stdout,
            QStringList{Visible(emulator.profileName), QString::number(emulator.pid), emulator.logPath}.join(
                u'\t'));
    return 0;
}

// Stops the profile's emulators as the window's Stop does, without asking
// before SIGKILL, and returns once they have ended.
int Stop(const QString &name)
{
    ConfigModel model;
    if (!LoadProfiles(&model))
        return 1;
    if (!FindProfile(model, name))
        return 2;
    std::vector<RunningEmulator> profileEmulators;
    for (const RunningEmulator &emulator : ReadRunningEmulators(RunningEmulatorFolder())) {
        if (emulator.profileName == name)
            profileEmulators.push_back(emulator);
    }
    if (StopRunningEmulators(RunningEmulatorFolder(), profileEmulators, 5000) == 0)
        Complain(QCoreApplication::translate("CommandLine", "No emulator with the profile \"%1\" is running.")
                     .arg(name));
    return 0;
}

// The launcher's own options.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QCoreApplication::translate("CommandLine", "Show this help and exit.")};
    QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        QCoreApplication::translate("CommandLine", "Show the launcher's version and exit.")};
    QCommandLineOption list{
        QStringLiteral("list"),
        QCoreApplication::translate("CommandLine", "List the saved profiles' names, one per line.")};
    QCommandLineOption launch{
        QStringLiteral("launch"),
        QCoreApplication::translate("CommandLine",
                                    "Start the emulator with the profile called <name>, without the window."),
        QCoreApplication::translate("CommandLine", "name")};
    QCommandLineOption running{
        QStringLiteral("running"),
        QCoreApplication::translate(
            "CommandLine", "List the running emulators, one per line: the profile's name, the process "
                           "id and the log, separated by tabs.")};
    QCommandLineOption stop{QStringLiteral("stop"),
                            QCoreApplication::translate(
                                "CommandLine",
                                "Stop the emulators of the profile called <name> and wait until they have "
                                "ended."),
                            QCoreApplication::translate("CommandLine", "name")};
    QCommandLineOption dryRun{QStringLiteral("dry-run"),
                              QCoreApplication::translate(
                                  "CommandLine", "With --launch: print the command instead of running it.")};
    QCommandLineOption emulator{
        QStringLiteral("emulator"),
        QCoreApplication::translate("CommandLine",
                                    "Start the emulator program at <path> for this run, in the window too, "
                                    "instead of the chosen or the shipped one. The variable "
                                    "ZELVANE_EMULATOR does the same when this option is not given."),
        QCoreApplication::translate("CommandLine", "path")};
};

// What is wrong with a command line that parsed, or nothing.
QString Misuse(const QCommandLineParser &parser, const Options &options)
{
    if (!parser.positionalArguments().isEmpty())
        return QCoreApplication::translate("CommandLine", "Unexpected argument: %1")
            .arg(parser.positionalArguments().constFirst());
    if (parser.isSet(options.dryRun) && !parser.isSet(options.launch))
        return QCoreApplication::translate("CommandLine", "--dry-run goes only with --launch.");
    QStringList actions;
    for (const QCommandLineOption *option :
         {&options.list, &options.launch, &options.running, &options.stop}) {
        if (parser.isSet(*option))
            actions << QStringLiteral("--") + option->names().constFirst();
    }
    if (actions.size() > 1)
        return QCoreApplication::translate("CommandLine", "%1 and %2 cannot be used together.")
            .arg(actions[0], actions[1]);
    return QString();
}

// The parser with the launcher's options and Qt's.
void Configure(QCommandLineParser &parser, const Options &options)
{
    // Single-dash words are whole options, as Qt's own -platform or -style.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "Starts the Zelvane emulator with saved profiles. Without options it opens the launcher's window."));
    parser.addOptions({options.help, options.version, options.list, options.launch, options.running,
                       options.stop, options.dryRun, options.emulator});
    AddQtOptions(parser);
}

// True when the command line holds nothing of the launcher's own but
// --emulator, so that the window starts as usual; that program is named for
// the window or for the options alike.
bool OpensWindow(const QStringList &arguments)
{
    QCommandLineParser parser;
    const Options options;
    Configure(parser, options);
    if (!parser.parse(arguments))
        return false;
    EmulatorProgram::NameForThisRun(parser.value(options.emulator));
    return Misuse(parser, options).isEmpty() && !parser.isSet(options.help) &&
           !parser.isSet(options.version) && !parser.isSet(options.list) && !parser.isSet(options.launch) &&
           !parser.isSet(options.running) && !parser.isSet(options.stop);
}

// Runs the launcher's own options; the texts are built only now, with the
// translations loaded.
int RunOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const Options options;
    Configure(parser, options);
    if (!parser.parse(arguments))
        return UsageError(parser.errorText());
    if (const QString misuse = Misuse(parser, options); !misuse.isEmpty())
        return UsageError(misuse);
    if (parser.isSet(options.help)) {
        Print(stdout, parser.helpText().trimmed());
        return 0;
    }
    if (parser.isSet(options.version)) {
        Print(stdout, QStringLiteral("zelvane-launcher " ZELVANE_VERSION));
        return 0;
    }
    if (parser.isSet(options.list))
        return List();
    if (parser.isSet(options.running))
        return Running();
    if (parser.isSet(options.stop))
        return Stop(parser.value(options.stop));
    return Launch(parser.value(options.launch), parser.isSet(options.dryRun));
}

} // namespace

int RunCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (OpensWindow(arguments))
        return StartWindow;

    QCoreApplication app(argc, argv);
    InstallTranslations(QLocale(), &app);
    // The file-lookup trace is for the window's developers; a script reads
    // standard error for reasons only. QT_LOGGING_RULES still brings it back.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    return RunOptions(arguments);
}

void ComplainNoAnswer()
{
    Complain(QCoreApplication::translate("CommandLine", "The launcher already running neither answers nor "
                                                        "ends (is it stopped?), so no window was opened."));
}
