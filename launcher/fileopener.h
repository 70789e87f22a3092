#pragma once

#include <QString>

class QWidget;

// Opens a local file with the desktop's program for it.
void OpenLocalFile(QWidget *parent, const QString &path);
