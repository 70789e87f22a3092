// Slots whose behaviour is still being written.
#include "launcher.h"

void MainWindow::OnAddUpdateProfile() {}
void MainWindow::OnRemoveProfile() {}
void MainWindow::OnAddResolution() {}
void MainWindow::OnRemoveResolution() {}
void MainWindow::OnAddPixelDensity() {}
void MainWindow::OnRemovePixelDensity() {}
void MainWindow::OnHelp() {}
void MainWindow::OnLaunch() {}
void MainWindow::CopyWindowToProfile(Profile &) {}
bool MainWindow::RemoveOption(int) { return false; }
