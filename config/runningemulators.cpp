#include "runningemulators.h"

#include "privatefolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#ifdef Q_OS_LINUX
#include <sys/syscall.h>
#endif

namespace
{

const QString EntrySuffix = QStringLiteral(".emulator");

// The start time of a running process (field 22 of /proc/PID/stat), or 0
// when there is no such process or it has ended and waits to be reaped.
qint64 ProcessStart(qint64 pid)
{
    // Read in one call, as the window reads it for every entry at start-up.
    char buffer[1024];
    const int file = ::open(("/proc/" + QByteArray::number(pid) + "/stat").constData(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return 0;
    const ssize_t size = ::read(file, buffer, sizeof buffer);
    ::close(file);
    const QByteArray stat = QByteArray::fromRawData(buffer, int(std::max<ssize_t>(size, 0)));
    // The program's name, field 2, is in parentheses and may hold anything;
    // the fields from the state (field 3) on follow the last parenthesis.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 20 || fields[0] == "Z" || fields[0] == "X")
        return 0;
    return fields[19].toLongLong();
}

QString EntryName(const RunningEmulator &emulator)
{
    return QStringLiteral("%1-%2").arg(emulator.pid).arg(emulator.processStart) + EntrySuffix;
}

bool ReadEntry(const QString &folder, const QString &name, RunningEmulator *emulator)
{
    const QStringList numbers = name.chopped(EntrySuffix.size()).split(u'-');
    QFile file(folder + u'/' + name);
    if (numbers.size() != 2 || !file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject entry = QJsonDocument::fromJson(file.readAll()).object();
    emulator->pid = numbers[0].toLongLong();
    emulator->processStart = numbers[1].toLongLong();
    emulator->profileName = entry.value(QStringLiteral("profile")).toString();
    emulator->logPath = entry.value(QStringLiteral("log")).toString();
    emulator->started = QDateTime::fromMSecsSinceEpoch(entry.value(QStringLiteral("started")).toInteger());
    return emulator->pid > 0 && entry.contains(QStringLiteral("profile"));
}

#if defined(Q_OS_LINUX) && defined(SYS_pidfd_open) && defined(SYS_pidfd_send_signal)
int OpenProcessHandle(const RunningEmulator &emulator)
{
    const int handle = int(::syscall(SYS_pidfd_open, pid_t(emulator.pid), 0));
    // Taken first and checked after: a handle to the recorded process.
    if (handle >= 0 && ProcessStart(emulator.pid) != emulator.processStart) {
        ::close(handle);
        return -1;
    }
    return handle;
}

bool SendSignal(int handle, int signal)
{
    return ::syscall(SYS_pidfd_send_signal, handle, signal, nullptr, 0) == 0;
}
#else
int OpenProcessHandle(const RunningEmulator &)
{
    return -1;
}

bool SendSignal(int, int)
{
    return false;
}
#endif

// Waits until every handle's process has ended, or the time is up; those
// that ended are closed and removed from the list.
void WaitForEnds(std::vector<pollfd> *handles, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (!handles->empty() && clock.elapsed() < milliseconds) {
        if (::poll(handles->data(), handles->size(), int(milliseconds - clock.elapsed())) < 0 &&
            errno != EINTR)
            return;
        const auto ended = std::partition(handles->begin(), handles->end(),
                                          [](const pollfd &handle) { return !(handle.revents & POLLIN); });
        std::for_each(ended, handles->end(), [](const pollfd &handle) { ::close(handle.fd); });
        handles->erase(ended, handles->end());
    }
}

bool WriteEntry(const QString &folder, const RunningEmulator &emulator, QString *reason)
{
    const QJsonObject entry{{QStringLiteral("profile"), emulator.profileName},
                            {QStringLiteral("log"), emulator.logPath},
                            {QStringLiteral("started"), emulator.started.toMSecsSinceEpoch()}};
    QSaveFile file(folder + u'/' + EntryName(emulator));
    if (MakePrivateFolder(folder) && file.open(QIODevice::WriteOnly) &&
        file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact)) >= 0 && file.commit())
        return true;
    *reason = file.errorString();
    return false;
}

} // namespace

bool RecordRunningEmulator(const QString &folder, RunningEmulator *emulator, QString *reason)
{
    emulator->processStart = ProcessStart(emulator->pid);
    if (emulator->processStart == 0) // it has ended already
        return true;
    return WriteEntry(folder, *emulator, reason);
}

void RenameRunningEmulators(const QString &folder, const QString &oldName, const QString &newName)
{
    QString reason;
    for (RunningEmulator emulator : ReadRunningEmulators(folder)) {
        if (emulator.profileName == oldName) {
            emulator.profileName = newName;
            WriteEntry(folder, emulator, &reason);
        }
    }
}

std::vector<RunningEmulator> ReadRunningEmulators(const QString &folder)
{
    std::vector<RunningEmulator> running;
    for (const QString &name : QDir(folder).entryList({u'*' + EntrySuffix}, QDir::Files)) {
        RunningEmulator emulator;
        if (ReadEntry(folder, name, &emulator) && emulator.processStart != 0 &&
            ProcessStart(emulator.pid) == emulator.processStart)
            running.push_back(emulator);
        else
            QFile::remove(folder + u'/' + name);
    }
    std::sort(running.begin(), running.end(),
              [](const RunningEmulator &a, const RunningEmulator &b) { return a.started < b.started; });
    return running;
}

void ForgetRunningEmulator(const QString &folder, const RunningEmulator &emulator)
{
    QFile::remove(folder + u'/' + EntryName(emulator));
}

bool SignalRunningEmulator(const RunningEmulator &emulator, int signal)
{
    const int handle = OpenProcessHandle(emulator);
    if (handle < 0)
        return false;
    const bool sent = SendSignal(handle, signal);
    ::close(handle);
    return sent;
}

int StopRunningEmulators(const QString &folder, const std::vector<RunningEmulator> &emulators,
                         int graceMilliseconds)
{
    std::vector<pollfd> handles;
    for (const RunningEmulator &emulator : emulators) {
        const int handle = OpenProcessHandle(emulator);
        if (handle >= 0 && SendSignal(handle, SIGTERM))
            handles.push_back({handle, POLLIN, 0});
        else if (handle >= 0)
            ::close(handle);
    }
    const int stopped = int(handles.size());
    WaitForEnds(&handles, graceMilliseconds);
    for (const pollfd &handle : handles)
        SendSignal(handle.fd, SIGKILL);
    WaitForEnds(&handles, graceMilliseconds);
    for (const pollfd &handle : handles)
        ::close(handle.fd);
    for (const RunningEmulator &emulator : emulators) {
        if (ProcessStart(emulator.pid) != emulator.processStart)
            ForgetRunningEmulator(folder, emulator);
    }
    return stopped;
}
