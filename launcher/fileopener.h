#pragma once

class QString;
class QWidget;

// Opens a local file, such as the help page or a launch log, with the
// desktop's program for its type. When no program takes it, a message over
// parent says so and names the file, with a button that copies its path, so
// the user can open it some other way. The answer comes later, so nothing
// waits for the program.
void OpenLocalFile(QWidget *parent, const QString &path);
