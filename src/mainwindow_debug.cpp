// The debug window's commands: show the capture, ask the instrument for its information, replay a capture.

#include "mainwindow.h"
#include "recup_info.h"
#include "ui_mainwindow.h"

void MainWindow::on_actionDebug_triggered()
{
    m_recup_info->show();
}

void MainWindow::on_actionInfo_UC_triggered() {}
void MainWindow::on_actionOuvrir_fichier_debug_triggered() {}
void MainWindow::replayCapture(const QString &) {}
