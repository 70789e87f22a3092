#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;

// The window's part of the emulator setting: choosing the program with a
// file chooser, and going back to the shipped emulator.
class EmulatorChoice : public QObject
{
    Q_OBJECT

public:
    explicit EmulatorChoice(QWidget *window);

    // "Choose Emulator…", then "Use the Shipped Emulator", which is enabled
    // only while a choice is saved.
    void AddActions(QMenu *menu);

    QAction *chooseAction = nullptr;

signals:
    // The saved choice changed: the next launch may start another program.
    void Changed();

private:
    void OnChoose();
    void OnUseShipped();
    void ReportNotSaved();
    void ReportNamedForThisRun(const QString &chosen);

    QWidget *window;
    QAction *useShippedAction = nullptr;
};
