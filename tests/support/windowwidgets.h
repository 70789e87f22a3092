#pragma once

#include "launcher.h"
#include "profilelistwidget.h"
#include "testenvironment.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <memory>

// The launcher window's controls, found by their object names, so tests
// drive the same widgets a user clicks.
struct WindowWidgets {
    explicit WindowWidgets(MainWindow &window);

    ProfileQListWidget *profileList;
    QPushButton *addUpdateButton;
    QPushButton *removeProfileButton;
    QComboBox *resolutionCombo;
    QPushButton *addResolutionButton;
    QPushButton *removeResolutionButton;
    QComboBox *pixelDensityCombo;
    QPushButton *addPixelDensityButton;
    QPushButton *removePixelDensityButton;
    QComboBox *inputCombo;
    QLineEdit *argumentsEdit;
    QPushButton *helpButton;
    QPushButton *launchButton;
};

// A shown launcher window on a user file of its own, for window tests.
class WindowFixture
{
public:
    void openWindow(const QByteArray &config); // closes any window open before
    void showWindow();                         // on the files already in data
    void closeWindow();
    QByteArray closeAndReadFile();
    void selectRow(int row); // by a click, as a user would

    std::unique_ptr<TestDataDir> data;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<WindowWidgets> w;
};
