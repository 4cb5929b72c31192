// The instrument link as the window shows it: the status bar, the commands that need the instrument, the
// busy cursor while an exchange waits, and the link's primitives under the names the commands use.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QMessageBox>

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
    QString note;
    if (m_link->isSearching()) {
        m_statusText.setText(tr("Recherche de l'appareil\u2026"));
    } else if (m_link->isConnected()) {
        const bool responding = m_link->isResponding();
        m_statusText.setText(responding ? tr("Connecte (%1)").arg(m_link->portName())
                                        : tr("L'appareil ne repond pas"));
        m_statusIcon.setPixmap(responding ? m_imgPassed : m_imgFailed);
    } else {
        m_statusText.setText(tr("Deconnecte"));
        m_statusIcon.setPixmap(m_imgFailed);
        if (m_linkNote == LinkNote::Lost)
            note = tr("Liaison perdue (%1)").arg(m_lostPort);
        else if (m_linkNote == LinkNote::SearchFailed)
            note = searchReport();
    }
    // The first and last lines in the bar (why, and that the search goes on), the whole report when the
    // pointer rests on it.
    const QStringList lines = note.split(QLatin1Char('\n'));
    m_statusNote.setText(lines.size() > 1 ? lines.first() + QStringLiteral("  ") + lines.last() : note);
    m_statusNote.setToolTip(note);
}

QString MainWindow::searchReport() const
{
    const QList<PortAttempt> &tried = m_link->lastSearch();
    if (tried.isEmpty())
        return tr("Aucun adaptateur serie USB n'est branche.") + QLatin1Char('\n') +
               tr("Un adaptateur branche sera essaye des son arrivee.");
    QStringList lines{tr("Aucun QUARVEN 2 n'a repondu. Ports essayes :")};
    for (const PortAttempt &attempt : tried)
        lines << tr("%1 : %2").arg(attempt.portName, attempt.failure);
    // The program keeps looking: a port that did not answer is probed again, an instrument switched on is
    // found.
    lines << tr("Nouvel essai toutes les %1 s.").arg(InstrumentLink::portRetryMs() / 1000);
    return lines.join(QLatin1Char('\n'));
}

void MainWindow::updateConnectionActions()
{
    // While an exchange waits, no other command may reach the instrument, nor replace what it is filling.
    const bool idle = !m_link->isBusy() && !m_link->isSearching();
    const bool usable = m_link->isConnected() && m_link->isResponding() && idle;
    ui->actionUSB_recherche_automatique->setEnabled((!m_link->isConnected() || !m_link->isResponding()) &&
                                                    idle);
    QAction *const instrumentActions[] = {ui->actionTelecharger,
                                          ui->actionTelechargerTout,
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
    ui->menuDocumentsRecents->setEnabled(idle && !ui->menuDocumentsRecents->isEmpty());
}

void MainWindow::onBusyChanged(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    updateConnectionActions();
    updateRecordActions();
}

void MainWindow::on_actionUSB_recherche_automatique_triggered()
{
    if (!ls_connection_auto())
        QMessageBox::warning(this, tr("Connexion"), searchReport());
}
