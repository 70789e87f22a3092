#pragma once

#include <QSize>
#include <QStringList>

// What the stand-in emulator makes of the switches the launcher composes:
// "-windowsize WxH" and "-ppi N". Everything else is passed over.
constexpr QSize DefaultWindowSize(480, 800);
constexpr int DefaultPpi = 160;
constexpr int MaxWindowSide = 8192;
constexpr int MaxPpi = 1000;

struct EmulatorSettings {
    QSize windowSize = DefaultWindowSize;
    int ppi = DefaultPpi;
    QStringList problems; // one readable sentence per malformed switch
};

// A malformed or missing value gives a problem and the default for that
// switch; a later switch of the same kind overrides an earlier one.
EmulatorSettings ParseEmulatorArguments(const QStringList &arguments);
