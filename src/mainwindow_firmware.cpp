// Firmware update through the instrument's bootloader.

#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::on_actionMise_jour_firmware_triggered() {}
void MainWindow::startFirmwareUpdate() {}
