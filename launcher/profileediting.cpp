#include "launcher.h"

void MainWindow::OnAddUpdateProfile() {}
void MainWindow::OnRemoveProfile() {}
void MainWindow::CopyWindowToProfile(Profile &) {}
