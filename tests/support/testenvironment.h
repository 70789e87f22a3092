#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// A private user data directory for one test: XDG_DATA_HOME points into a
// temporary directory while the object lives, so the launcher's user file
// is <temporary>/Zelvane/Launcher.ini, XDG_STATE_HOME to its state/,
// XDG_CONFIG_HOME to its config/ and XDG_RUNTIME_DIR to a private temporary
// directory of its own; ZELVANE_EMULATOR is unset.
class TestDataDir
{
public:
    TestDataDir();
    ~TestDataDir();

    QString path() const
    {
        return dir.path();
    }
    QString userConfigPath() const;
    void writeUserConfig(const QByteArray &bytes) const;
    QByteArray readUserConfig() const;

private:
    QTemporaryDir dir;
    QTemporaryDir runtime; // 0700, as QTemporaryDir makes them
    struct Saved {
        const char *name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<Saved> saved;
};

// Collects the messages that go through Qt's message output while it lives.
class MessageCapture
{
public:
    MessageCapture();
    ~MessageCapture();

    QStringList messages() const;
    QStringList fileLookups() const; // the "GetFileName(" trace lines
};

QByteArray ReadFile(const QString &path);
QStringList DirectoryEntries(const QString &path);            // hidden ones too, without . and ..
void WriteFile(const QString &path, const QByteArray &bytes); // makes the directory too

// True when the file holds exactly these bytes. Otherwise the bytes go to
// actual/<the file's folder>/<its name> in the working directory, for a look
// with diff, and a warning names both.
bool MatchesFile(const QString &expectedPath, const QByteArray &actual);
