#include "launchcommand.h"

#include <QFile>
#include <QProcess>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

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

bool StartInOwnSession(const LaunchCommand &command, const QString &outputFile, qint64 *pid, QString *reason)
{
    const QByteArray program = QFile::encodeName(command.program), output = QFile::encodeName(outputFile);
    std::vector<QByteArray> words{program};
    for (const QString &argument : command.arguments)
        words.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!outputFile.isEmpty()) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.constData(), O_WRONLY | O_APPEND, 0);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
    pid_t child = 0;
    // posix_spawnp searches PATH for a bare name, as QProcess did, and
    // reports a failed exec itself, after reaping the child it made.
    const int error = posix_spawnp(&child, program.constData(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        *reason = QString::fromLocal8Bit(std::strerror(error));
        return false;
    }
    *pid = child;
    return true;
}
