#pragma once

class EmulatorChoice;
class MainWindow;

// The window's menu bar: File with the emulator choice and Quit (Ctrl+Q),
// Help with the help page (F1) and About.
void CreateMenuBar(MainWindow *window, EmulatorChoice *emulatorChoice);
