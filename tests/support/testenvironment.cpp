#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtGlobal>

TestDataDir::TestDataDir()
    : previous(qgetenv("XDG_DATA_HOME")), hadPrevious(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
{
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
}

TestDataDir::~TestDataDir()
{
    if (hadPrevious)
        qputenv("XDG_DATA_HOME", previous);
    else
        qunsetenv("XDG_DATA_HOME");
}

QString TestDataDir::userConfigPath() const
{
    return dir.path() + QStringLiteral("/Zelvane/Launcher.ini");
}

void TestDataDir::writeUserConfig(const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(userConfigPath()).path());
    WriteFile(userConfigPath(), bytes);
}

QByteArray TestDataDir::readUserConfig() const
{
    return ReadFile(userConfigPath());
}

namespace
{

QStringList captured;
QtMessageHandler previousHandler = nullptr;

void Capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    captured << message;
}

} // namespace

MessageCapture::MessageCapture()
{
    captured.clear();
    previousHandler = qInstallMessageHandler(Capture);
}

MessageCapture::~MessageCapture()
{
    qInstallMessageHandler(previousHandler);
}

QStringList MessageCapture::messages() const
{
    return captured;
}

QStringList MessageCapture::fileLookups() const
{
    return captured.filter(QRegularExpression(QStringLiteral("^GetFileName\\(")));
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QStringList DirectoryEntries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("Cannot write %s", qPrintable(path));
}
