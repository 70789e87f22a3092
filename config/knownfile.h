#pragma once

#include "configformat.h"

#include <QByteArray>

// Launcher.ini can change while the launcher runs: edited by hand, or
// written by a launcher started from another path. KnownFile remembers what
// the file held when the launcher last read or wrote it, and every write
// compares, keeps and replaces under a lock on the file's folder, so that
// two launchers never interleave.
class KnownFile
{
public:
    // How long a write waits for another launcher's write in the same folder.
    static constexpr int LockTimeout = 3000;

    // The bytes just read from the file or written to it.
    void Remember(const QByteArray &bytes);

    // What a write does with a file on disk that is not the one remembered.
    enum class Outside {
        Keep,  // keep it under a free name beside it (Launcher.edited.ini,
               // Launcher.edited.1.ini, ...), then replace it
        Leave, // leave it as it stands and write nothing: the newer file wins
    };

    // Writes bytes to path atomically and remembers them. A file on disk that
    // already holds these bytes is no outside change. keptPath tells where
    // an outside version went; it is empty when there was none.
    bool Write(const QString &path, const QByteArray &bytes, Outside outside, QString *keptPath,
               SaveError *error);

private:
    // The file on disk against the remembered one. A file that disappeared
    // has changed but holds nothing to keep; one that could not be read
    // whole has changed and cannot be kept, so it is not replaced either.
    struct OnDisk {
        bool changed = false;
        bool readable = true;
        QByteArray bytes;
    };
    OnDisk Look(const QString &path) const;
    bool Replace(const QString &path, const QByteArray &bytes, SaveError *error); // and remember them

    bool known = false; // neither read nor written yet: any file found is an outside one
    QByteArray remembered;
};
