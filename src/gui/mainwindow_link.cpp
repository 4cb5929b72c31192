// The instrument link as the window shows it: the status bar, the commands that need the instrument, the
// busy cursor while an exchange waits, and the link's primitives under the names the commands use.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>

void MainWindow::ls_envoi_cmd(const QString &cmd)
{
    m_link->ls_envoi_cmd(cmd);
}

bool MainWindow::ls_attente_trame_progress(int tempo, int pas, int quel_reponse)
{
    return m_link->ls_attente_trame_progress(tempo, pas, quel_reponse);
}

bool MainWindow::ls_attente_trame(int tempo, int quel_reponse)
{
    return m_link->ls_attente_trame(tempo, quel_reponse);
}

bool MainWindow::ls_envoi_attente_trame(const QString &cmd, const QString &label, int attente,
                                        int quel_reponse)
{
    return m_link->ls_envoi_attente_trame(cmd, label, attente, quel_reponse);
}

void MainWindow::PortComLibere()
{
    m_link->PortComLibere();
}

bool MainWindow::ls_connection_auto()
{
    return m_link->ls_connection_auto();
}

void MainWindow::onDataAvailable()
{
    m_link->onDataAvailable();
}

void MainWindow::slotPingQV2()
{
    m_link->slotPingQV2();
}

void MainWindow::envoi_pingQV2()
{
    m_link->envoi_pingQV2();
}

void MainWindow::updateConnectionStatus()
{
    if (m_link->isOpen()) {
        m_statusText.setText(tr("Connecte (%1)").arg(m_link->portName()));
        m_statusIcon.setPixmap(m_imgPassed);
    } else {
        m_statusText.setText(tr("Deconnecte"));
        m_statusIcon.setPixmap(m_imgFailed);
    }
}

void MainWindow::updateConnectionActions()
{
    // While an exchange waits, no other command may reach the instrument, nor replace what it is filling.
    const bool idle = !m_link->isBusy();
    const bool usable = m_link->isConnected() && idle;
    ui->actionUSB_recherche_automatique->setEnabled(!m_link->isConnected() && idle);
    QAction *const instrumentActions[] = {ui->actionTelecharger,
                                          ui->actionTemps_de_Coupure_du_QVX2,
                                          ui->actionChoix_de_la_gamme_au_d_marrage,
                                          ui->actionMise_jour_firmware,
                                          ui->actionChoix_du_type_de_batterie,
                                          ui->actionPatch_court_circuit,
                                          ui->actionPatch_DIREVE,
                                          ui->actionInfo_UC};
    for (QAction *action : instrumentActions)
        action->setEnabled(usable);
    ui->actionOuvrir->setEnabled(idle);
    ui->actionOuvrir_fichier_debug->setEnabled(idle);
}

void MainWindow::onBusyChanged(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    updateConnectionActions();
}

void MainWindow::on_actionUSB_recherche_automatique_triggered()
{
    ls_connection_auto();
}
