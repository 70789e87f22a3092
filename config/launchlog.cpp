#include "launchlog.h"

#include "privatefolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <tuple>

namespace
{

// A log's place in the order of the launches: when its file was made, then,
// for files made within one tick of the file system's clock, its time stamp
// and its number within the second (1 for the first, which carries none).
struct LogOrder {
    QDateTime made;
    QString stamp;
    int number = 0;  // 0: not a log's name
    QString profile; // as made safe for the name

    bool operator<(const LogOrder &other) const
    {
        return std::tie(made, stamp, number) < std::tie(other.made, other.stamp, other.number);
    }
};

LogOrder OrderOf(const QString &folder, const QString &fileName)
{
    static const QRegularExpression logName(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d)(?:\\.(\\d+))?_(.*)\\.log$"));
    const QRegularExpressionMatch match = logName.match(fileName);
    if (!match.hasMatch())
        return {};
    // Where the file system keeps no birth time, the last change stands in.
    const QFileInfo info(folder + u'/' + fileName);
    const QDateTime made = info.birthTime().isValid() ? info.birthTime() : info.lastModified();
    return {made, match.captured(1), match.hasCaptured(2) ? match.captured(2).toInt() : 1, match.captured(3)};
}

// The logs of the folder, oldest first.
std::vector<std::pair<LogOrder, QString>> LogsInOrder(const QString &folder)
{
    std::vector<std::pair<LogOrder, QString>> logs;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.log")}, QDir::Files)) {
        if (LogOrder order = OrderOf(folder, name); order.number > 0)
            logs.emplace_back(std::move(order), name);
    }
    std::sort(logs.begin(), logs.end());
    return logs;
}

// Counted and replaced by whole letters: a letter outside the Basic
// Multilingual Plane is one letter, not two halves.
QString FileSafe(const QString &name)
{
    QString safe;
    int letters = 0;
    for (const char32_t c : name.toUcs4()) {
        if (letters++ == 40)
            break;
        if (QChar::isLetterOrNumber(c) || c == U'-' || c == U'+' || c == U'.')
            safe += QString::fromUcs4(&c, 1);
        else
            safe += u'_';
    }
    return safe;
}

} // namespace

LaunchLog CreateLaunchLog(const QString &folder, const QDateTime &when, const QString &profileName,
                          const QString &commandLine, QString *reason)
{
    MakePrivateFolder(folder);
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")), name = FileSafe(profileName);
    QFile file;
    // A further launch of the profile in the same second takes the next number.
    for (int number = 1; number < 1000; ++number) {
        const QString suffix = number > 1 ? u'.' + QString::number(number) : QString();
        file.setFileName(QStringLiteral("%1/%2%3_%4.log").arg(folder, stamp, suffix, name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered,
                      QFile::ReadOwner | QFile::WriteOwner) ||
            !file.exists())
            break;
    }
    const QByteArray firstLine = commandLine.toUtf8() + '\n';
    // QFileDevice gives no reason for a short write, as on a full disk;
    // errno, cleared before, holds the reason of the write(2) that failed.
    errno = 0;
    if (!file.isOpen() || file.write(firstLine) != firstLine.size()) {
        *reason = errno ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString();
        if (file.isOpen())
            file.remove();
        return {QString(), 0};
    }
    return {file.fileName(), firstLine.size()};
}

void PruneLaunchLogs(const QString &folder, int keep, const QString &justMade)
{
    const auto logs = LogsInOrder(folder);
    for (size_t i = 0; i + keep < logs.size(); ++i) {
        if (folder + u'/' + logs[i].second != justMade)
            QFile::remove(folder + u'/' + logs[i].second);
    }
}

QString NewestLaunchLog(const QString &folder, const QString &profileName)
{
    const auto logs = LogsInOrder(folder);
    const QString safe = FileSafe(profileName);
    const auto newest =
        std::find_if(logs.rbegin(), logs.rend(), [&](const auto &log) { return log.first.profile == safe; });
    return newest == logs.rend() ? QString() : folder + u'/' + newest->second;
}

void AppendEndLine(const QString &path, const EmulatorEnd &end)
{
    QFile file(path);
    if (!file.open(QIODevice::Append))
        return;
    const QString seconds = QString::number(end.milliseconds / 1000.0, 'f', 1);
    const QString how = end.signaled ? QStringLiteral("was ended by signal %1 (%2)")
                                           .arg(end.number)
                                           .arg(QString::fromLocal8Bit(strsignal(end.number)))
                                     : QStringLiteral("ended with exit status %1").arg(end.number);
    file.write(
        QStringLiteral("zelvane-launcher: The emulator %1 after %2 seconds.\n").arg(how, seconds).toUtf8());
}

QStringList LastOutputLines(const LaunchLog &log, int count)
{
    // Enough for the lines a message can show; a line cut at the front of
    // this tail is left out.
    constexpr qint64 tailBytes = 4096;
    QFile file(log.path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 from = std::max(log.outputStart, file.size() - tailBytes);
    file.seek(from);
    QList<QByteArray> lines = file.readAll().split('\n');
    if (from > log.outputStart && lines.size() > 1)
        lines.removeFirst();
    if (lines.last().isEmpty()) // split gives at least one part
        lines.removeLast();
    QStringList result;
    for (qsizetype i = std::max<qsizetype>(0, lines.size() - count); i < lines.size(); ++i)
        result << QString::fromUtf8(lines[i]);
    return result;
}
