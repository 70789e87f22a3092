#include "launchlog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace
{

// A log's place in time: its time stamp, then its number within the second
// (1 for the first, which carries none).
struct LogOrder {
    QString stamp;
    int number = 0; // 0: not a log's name

    bool operator<(const LogOrder &other) const
    {
        return stamp != other.stamp ? stamp < other.stamp : number < other.number;
    }
};

LogOrder OrderOf(const QString &fileName)
{
    static const QRegularExpression logName(
        QStringLiteral("^(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d)(?:\\.(\\d+))?_.*\\.log$"));
    const QRegularExpressionMatch match = logName.match(fileName);
    if (!match.hasMatch())
        return {};
    return {match.captured(1), match.hasCaptured(2) ? match.captured(2).toInt() : 1};
}

QString FileSafe(const QString &name)
{
    QString safe = name.left(40);
    for (QChar &c : safe) {
        if (!c.isLetterOrNumber() && c != u'-' && c != u'+' && c != u'.')
            c = u'_';
    }
    return safe;
}

} // namespace

LaunchLog CreateLaunchLog(const QString &folder, const QDateTime &when, const QString &profileName,
                          const QString &commandLine, QString *reason)
{
    QDir().mkpath(folder);
    const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss")), name = FileSafe(profileName);
    QFile file;
    // A further launch of the profile in the same second takes the next number.
    for (int number = 1; number < 1000; ++number) {
        const QString suffix = number > 1 ? u'.' + QString::number(number) : QString();
        file.setFileName(QStringLiteral("%1/%2%3_%4.log").arg(folder, stamp, suffix, name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered) || !file.exists())
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

void PruneLaunchLogs(const QString &folder, int keep)
{
    std::vector<std::pair<LogOrder, QString>> logs;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.log")}, QDir::Files)) {
        if (const LogOrder order = OrderOf(name); order.number > 0)
            logs.emplace_back(order, name);
    }
    std::sort(logs.begin(), logs.end());
    for (size_t i = 0; i + keep < logs.size(); ++i)
        QFile::remove(folder + u'/' + logs[i].second);
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
