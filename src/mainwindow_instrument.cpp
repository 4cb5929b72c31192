// Instrument parameters, the memory save and patch files.

#include "mainwindow.h"
#include "ui_mainwindow.h"

void MainWindow::qv2_sauve_eeprom(const QString &) {}
int MainWindow::qv2_demande_param(const QString &, int)
{
    return 0;
}
void MainWindow::qv2_envoi_et_sauve_param(int, const QString &, int) {}
void MainWindow::Ouvrir_fichier_patch(const QString &) {}
void MainWindow::on_actionTemps_de_Coupure_du_QVX2_triggered() {}
void MainWindow::on_actionChoix_de_la_gamme_au_d_marrage_triggered() {}
void MainWindow::on_actionChoix_du_type_de_batterie_triggered() {}
void MainWindow::on_actionPatch_court_circuit_triggered() {}
void MainWindow::on_actionPatch_DIREVE_triggered() {}
