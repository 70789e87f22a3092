#include "windowwidgets.h"

#include <QTest>

QStringList Items(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

QStringList Items(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
}

void WindowFixture::openWindow(const QByteArray &config)
{
    closeWindow();
    data.reset(); // first, so it restores the environment before the next one changes it
    data = std::make_unique<TestDataDir>();
    data->writeUserConfig(config);
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
