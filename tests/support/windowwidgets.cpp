#include "windowwidgets.h"

#include <QTest>

namespace
{

template <typename T> T *Find(MainWindow &window, const char *name)
{
    T *widget = window.findChild<T *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("The window has no %s", name);
    return widget;
}

} // namespace

WindowWidgets::WindowWidgets(MainWindow &window)
    : profileList(Find<ProfileQListWidget>(window, "profileList")),
      addUpdateButton(Find<QPushButton>(window, "addUpdateButton")),
      removeProfileButton(Find<QPushButton>(window, "removeProfileButton")),
      resolutionCombo(Find<QComboBox>(window, "resolutionCombo")),
      addResolutionButton(Find<QPushButton>(window, "addResolutionButton")),
      removeResolutionButton(Find<QPushButton>(window, "removeResolutionButton")),
      pixelDensityCombo(Find<QComboBox>(window, "pixelDensityCombo")),
      addPixelDensityButton(Find<QPushButton>(window, "addPixelDensityButton")),
      removePixelDensityButton(Find<QPushButton>(window, "removePixelDensityButton")),
      inputCombo(Find<QComboBox>(window, "inputCombo")),
      argumentsEdit(Find<QLineEdit>(window, "argumentsEdit")),
      helpButton(Find<QPushButton>(window, "helpButton")),
      launchButton(Find<QPushButton>(window, "launchButton"))
{
}

void WindowFixture::openWindow(const QByteArray &config)
{
    closeWindow();
    data.reset(); // first, so it restores the environment before the next one changes it
    data = std::make_unique<TestDataDir>();
    data->writeUserConfig(config);
    showWindow();
}

void WindowFixture::showWindow()
{
    window = std::make_unique<MainWindow>();
    window->show();
    w = std::make_unique<WindowWidgets>(*window);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void WindowFixture::closeWindow()
{
    w.reset();
    window.reset();
}

QByteArray WindowFixture::closeAndReadFile()
{
    closeWindow();
    return data->readUserConfig();
}

void WindowFixture::selectRow(int row)
{
    QListWidget *list = w->profileList;
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    QCOMPARE(list->currentRow(), row);
}
