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

// How a program run to its end went: exitCode -1 when it crashed or ran on.
struct ChildResult {
    int exitCode;
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
// The trace line of the lookup of the user's file, which a launcher prints
// only as the running instance, when it builds its window.
QString UserFileLookup(const ChildEnvironment &env);
// Starts a launcher (after a command such as setpriv's) and waits for that
// line; null when it did not come in time.
std::unique_ptr<ChildProcess> StartWindow(const ChildEnvironment &env, int timeout = 10000,
                                          const QString &program = LauncherPath(),
                                          const QStringList &prefix = {});
bool Quit(ChildProcess &launcher); // SIGTERM; true when it ends normally with status 0
bool WaitForLine(QProcess &process, const QString &line, int timeout); // on the read channel
