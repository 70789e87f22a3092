#include "childprocess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <csignal>

ChildProcess::~ChildProcess()
{
    if (state() != NotRunning) {
        kill();
        waitForFinished();
    }
}

bool ChildProcess::signal(int number) const
{
    return ::kill(pid_t(processId()), number) == 0;
}

std::unique_ptr<ChildProcess> ChildEnvironment::start(const QString &program,
                                                      const QStringList &arguments) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    environment.insert(QStringLiteral("XDG_STATE_HOME"), data.path() + QStringLiteral("/state"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), data.path() + QStringLiteral("/config"));
    environment.remove(QStringLiteral("ZELVANE_EMULATOR"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    auto process = std::make_unique<ChildProcess>();
    process->setProcessEnvironment(environment);
    process->start(program, arguments);
    process->waitForStarted();
    return process;
}

ChildResult ChildEnvironment::run(const QString &program, const QStringList &arguments, int timeout) const
{
    const auto process = start(program, arguments);
    const bool ended = process->waitForFinished(timeout) && process->exitStatus() == QProcess::NormalExit;
    return {ended ? process->exitCode() : -1, process->readAllStandardError()};
}

QString LauncherPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/zelvane-launcher");
}

QString HelperPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/singleinstance-helper");
}

QString UserFileLookup(const ChildEnvironment &env)
{
    return QStringLiteral("GetFileName( 0 ): result= \"%1\" ").arg(env.userConfigPath());
}

std::unique_ptr<ChildProcess> StartWindow(const ChildEnvironment &env, int timeout, const QString &program,
                                          const QStringList &prefix)
{
    const QStringList command = prefix + QStringList(program);
    auto launcher = env.start(command.first(), command.mid(1));
    launcher->setReadChannel(QProcess::StandardError);
    return WaitForLine(*launcher, UserFileLookup(env), timeout) ? std::move(launcher) : nullptr;
}

bool Quit(ChildProcess &launcher)
{
    return launcher.signal(SIGTERM) && launcher.waitForFinished(10000) &&
           launcher.exitStatus() == QProcess::NormalExit && launcher.exitCode() == 0;
}

bool WaitForLine(QProcess &process, const QString &line, int timeout)
{
    const QDeadlineTimer deadline(timeout);
    for (;;) {
        while (process.canReadLine()) {
            if (QString::fromUtf8(process.readLine()).chopped(1) == line)
                return true;
        }
        if (deadline.hasExpired() || !process.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
}
