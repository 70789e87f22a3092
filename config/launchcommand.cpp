#include "launchcommand.h"

#include <QProcess>

LaunchCommand BuildLaunchCommand(const QString &program, const std::vector<OptionCategory> &categories,
                                 const std::vector<int> &selection, const QString &argumentsText)
{
    QString fragments;
    for (size_t category = ResolutionCategory; category < categories.size(); ++category) {
        const std::vector<Option> &options = categories[category].options;
        const int index = category - 1 < selection.size() ? selection[category - 1] : -1;
        if (index >= 0 && index < int(options.size()))
            fragments += options[index].value;
    }
    return {program, QProcess::splitCommand(fragments + u' ' + argumentsText)};
}

QString ShellQuoted(const QString &word)
{
    static const QString plain = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                "0123456789_-+.,/:@%");
    bool bare = !word.isEmpty();
    for (QChar c : word)
        bare = bare && plain.contains(c);
    if (bare)
        return word;
    // Inside single quotes nothing is special but the single quote itself,
    // which ends the quoted run, stands escaped and opens a new run.
    QString quoted = word;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

QString ShellCommandLine(const LaunchCommand &command)
{
    QStringList words{ShellQuoted(command.program)};
    for (const QString &argument : command.arguments)
        words << ShellQuoted(argument);
    return words.join(u' ');
}

bool StartDetached(const LaunchCommand &command, QString *reason, const QString &outputFile, qint64 *pid)
{
    QProcess process;
    process.setProgram(command.program);
    process.setArguments(command.arguments);
    if (!outputFile.isEmpty()) {
        process.setStandardOutputFile(outputFile, QIODevice::Append);
        process.setStandardErrorFile(outputFile, QIODevice::Append);
    }
    if (process.startDetached(pid))
        return true;
    // Qt names the call that failed before the system's text
    // ("execv: Permission denied"); the call means nothing to a user.
    *reason = process.errorString().section(QStringLiteral(": "), -1);
    return false;
}
