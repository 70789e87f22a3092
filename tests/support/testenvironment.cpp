#include "testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

TestDataDir::TestDataDir()
{
    for (const char *name : {"XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR",
                             "ZELVANE_EMULATOR"})
        saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
    qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
    qputenv("XDG_STATE_HOME", (dir.path() + QStringLiteral("/state")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (dir.path() + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    qunsetenv("ZELVANE_EMULATOR");
}

TestDataDir::~TestDataDir()
{
    for (const Saved &variable : saved) {
        if (variable.wasSet)
            qputenv(variable.name, variable.value);
        else
            qunsetenv(variable.name);
    }
}

QString TestDataDir::userConfigPath() const
{
    return dir.path() + QStringLiteral("/Zelvane/Launcher.ini");
}

void TestDataDir::writeUserConfig(const QByteArray &bytes) const
{
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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList DirectoryEntries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("Cannot write %s", qPrintable(path));
}

bool MatchesFile(const QString &expectedPath, const QByteArray &actual)
{
    if (ReadFile(expectedPath) == actual)
        return true;
    const QFileInfo expected(expectedPath);
    const QString copy = QStringLiteral("actual/%1/%2").arg(expected.dir().dirName(), expected.fileName());
    WriteFile(copy, actual);
    qWarning("%s differs from %s", qPrintable(expectedPath), qPrintable(QFileInfo(copy).absoluteFilePath()));
    return false;
}
