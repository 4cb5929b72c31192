// Record download and the erase of the instrument's records.

#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_actionTelecharger_triggered() {}
void MainWindow::lancedownload() {}
int MainWindow::recup_enreg_show(int)
{
    return -1;
}
bool MainWindow::recup_eeprom_num_enreg(int)
{
    return false;
}
void MainWindow::effacement_enregistrements() {}
