#pragma once

#include "emulatorargs.h"

#include <QWidget>

// The stand-in's only window: the size the launcher asked for, showing the
// density, any problems with the switches and every argument received.
class EmulatorWindow : public QWidget
{
    Q_OBJECT

public:
    EmulatorWindow(const QStringList &arguments, const EmulatorSettings &settings);
};
