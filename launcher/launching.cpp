#include "launcher.h"

void MainWindow::OnHelp() {}
void MainWindow::OnLaunch() {}
