#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <memory>

// A program started by a test; killed if it still runs when destroyed.
class ChildProcess : public QProcess
{
public:
    ~ChildProcess() override;
    bool signal(int number) const;
};

// How a program run to its end went: exitCode is -1 when it crashed or
// was still running at the timeout.
struct ChildResult {
    int exitCode;
    qint64 elapsed;
    QByteArray standardError;
};

// Temporary data and runtime directories for the programs a test starts,
// which run offscreen and find their files, and each other, only there.
class ChildEnvironment
{
public:
    QString dataHome() const
    {
        return data.path();
    }
    QString runtimeDir() const
    {
        return runtime.path();
    }
    QString userConfigPath() const
    {
        return data.path() + QStringLiteral("/Zelvane/Launcher.ini");
    }

    std::unique_ptr<ChildProcess> start(const QString &program, const QStringList &arguments = {}) const;
    ChildResult run(const QString &program, const QStringList &arguments = {}, int timeout = 10000) const;

private:
    QTemporaryDir data;
    QTemporaryDir runtime;
};

QString LauncherPath();
QString HelperPath();

// The trace line of the lookup of the user's file: a launcher prints it
// only as the running instance, when it builds its window.
QString UserFileLookup(const ChildEnvironment &env);
// Starts a launcher (with a command such as setpriv's before it) and waits
// for that line. Null when it did not come within the timeout.
std::unique_ptr<ChildProcess> StartWindow(const ChildEnvironment &env, int timeout = 10000,
                                          const QString &program = LauncherPath(),
                                          const QStringList &prefix = {});
// Ends a launcher with SIGTERM: true when it exits normally with status 0.
bool Quit(ChildProcess &launcher);

// Reads the program's current channel up to the given line.
bool WaitForLine(QProcess &process, const QString &line, int timeout);
