#pragma once

#include "configformat.h"

#include <QByteArray>

// Launcher.ini can change while the launcher runs: edited by hand, or
// written by a launcher started from another path. KnownFile remembers what
// the file held when the launcher last read or wrote it. Before each write,
// a file on disk that differs, or that has appeared since, is first kept
// under a free name beside it (Launcher.edited.ini, Launcher.edited.1.ini,
// ...); only then is it replaced.
class KnownFile
{
public:
    // The bytes just read from the file or written to it.
    void Remember(const QByteArray &bytes);

    // Writes bytes to path atomically and remembers them. keptPath tells
    // where an outside version went; it is empty when there was none.
    bool Write(const QString &path, const QByteArray &bytes, QString *keptPath, SaveError *error);

private:
    bool ChangedOnDisk(const QString &path, QByteArray *onDisk) const;

    bool known = false; // neither read nor written yet: any file found is an outside one
    QByteArray hash;
};
