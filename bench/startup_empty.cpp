// For context: an empty main window, up to its first frame.
#include "firstframe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    ReportFirstFrame(&window);
    window.show();
    return app.exec();
}
