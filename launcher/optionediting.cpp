#include "launcher.h"

void MainWindow::OnAddResolution() {}
void MainWindow::OnRemoveResolution() {}
void MainWindow::OnAddPixelDensity() {}
void MainWindow::OnRemovePixelDensity() {}
bool MainWindow::RemoveOption(int) { return false; }
