// Printing the report page.

#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_actionImprimer_triggered() {}
