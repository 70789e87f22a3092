// The floor for the command line's answers: a bare core application that
// reads the file given to it line by line, as the launcher reads its
// configuration, and prints nothing.
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QFile file(QCoreApplication::arguments().value(1));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 1;
    QTextStream in(&file);
    QString line;
    qsizetype lines = 0;
    while (in.readLineInto(&line))
        ++lines;
    return lines > 0 ? 0 : 1;
}
