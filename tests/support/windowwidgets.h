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
    explicit WindowWidgets(MainWindow &window)
        : profileList(find<ProfileQListWidget>(window, "profileList")),
          addUpdateButton(find<QPushButton>(window, "addUpdateButton")),
          removeProfileButton(find<QPushButton>(window, "removeProfileButton")),
          resolutionCombo(find<QComboBox>(window, "resolutionCombo")),
          addResolutionButton(find<QPushButton>(window, "addResolutionButton")),
          removeResolutionButton(find<QPushButton>(window, "removeResolutionButton")),
          pixelDensityCombo(find<QComboBox>(window, "pixelDensityCombo")),
          addPixelDensityButton(find<QPushButton>(window, "addPixelDensityButton")),
          removePixelDensityButton(find<QPushButton>(window, "removePixelDensityButton")),
          inputCombo(find<QComboBox>(window, "inputCombo")),
          argumentsEdit(find<QLineEdit>(window, "argumentsEdit")),
          helpButton(find<QPushButton>(window, "helpButton")),
          launchButton(find<QPushButton>(window, "launchButton"))
    {
    }

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

private:
    template <typename T> static T *find(MainWindow &window, const char *name)
    {
        T *widget = window.findChild<T *>(QString::fromLatin1(name));
        if (!widget)
            qFatal("The window has no %s", name);
        return widget;
    }
};

QStringList Items(const QListWidget *list);
QStringList Items(const QComboBox *combo);

// A shown launcher window on a user file of its own, for window tests.
class WindowFixture
{
public:
    void openWindow(const QByteArray &config); // closes any window open before
    void closeWindow();
    QByteArray closeAndReadFile();
    void selectRow(int row); // by a click, as a user would

    std::unique_ptr<TestDataDir> data;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<WindowWidgets> w;
};
