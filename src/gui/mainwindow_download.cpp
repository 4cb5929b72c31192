// Record download and the erase of the instrument's records.

#include "mainwindow.h"
#include "recordcollector.h"
#include "recup_enreg.h"
#include "ui_mainwindow.h"
#include "xmlmesure.h"

#include <QDebug>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>

void MainWindow::on_actionTelecharger_triggered()
{
    if (okToDiscard())
        lancedownload();
}

void MainWindow::lancedownload()
{
    setPrintEnabled(false);
    qDebug() << "lancedownload";
    int position = 0;
    if (ls_envoi_attente_trame(QLatin1String(Qvx2::CmdRecordNumber), QStringLiteral("recherhe pos num enreg"),
                               Qvx2::WaitAnswerCycles, Qvx2::FlagRecordNumber))
        position = parser().recordNumber;

    const int r = recup_enreg_show(position);
    if (r < 0) {
        qDebug() << "No record has been selected.";
        return;
    }
    dataPresent = false;
    dataSaved = false;
    if (r == recup_enreg::ChoiceNone)
        return;
    if (r == recup_enreg::ChoiceErase) {
        effacement_enregistrements();
        return;
    }
    clearMeasurement();
    if (recup_eeprom_num_enreg(r)) {
        setWindowTitleFile(QString());
        setPrintEnabled(true);
        ui->actionEnregistrer->setEnabled(true);
    } else {
        // Whatever arrived stays in view, marked as cut off; Save and Print stay off.
        setIncomplete(true);
        QMessageBox::critical(this, tr("Erreur"), tr("L'appareil ne reponds pas. Verifier la liaison."));
    }
}

int MainWindow::recup_enreg_show(int position)
{
    qDebug() << "m_recup_enreg lancedownload ";
    recup_enreg dialog(this);
    dialog.init_boutons(position);
    return dialog.exec() == QDialog::Accepted ? dialog.get_choix() : -1;
}

bool MainWindow::recup_eeprom_num_enreg(int numero)
{
    if (m_link->isBusy())
        return false;
    // The command goes out first: the window is cleared while the instrument reads the record out of its
    // memory. Its answer is parsed only once the wait runs the event loop, after the flags are cleared.
    ls_envoi_cmd(QString::fromLatin1(Qvx2::CmdFetchRecord).arg(numero));
    clearMeasurement();
    if (!ls_envoi_attente_trame(QString(), QStringLiteral("recup eeprom num enreg "), Qvx2::WaitLongCycles,
                                Qvx2::FlagRecordEnd))
        return false;
    dataPresent = true;
    return true;
}

void MainWindow::effacement_enregistrements()
{
    const auto answer =
        QMessageBox::warning(this, tr("Effacement des enregistrements"),
                             tr("Etes vous sur de supprimer tous les enregistrements du QUARVEN2 ?"),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    // The instrument's answer is not shown either way.
    ls_envoi_attente_trame(QLatin1String(Qvx2::CmdErase), QStringLiteral("Effacement enregistrement"),
                           Qvx2::WaitAnswerCycles, Qvx2::FlagErased);
}

void MainWindow::on_actionTelechargerTout_triggered()
{
    // Each record becomes a document of its own in Data/, named by its number; one that has its document
    // already is never overwritten, and the window keeps the measurement it shows, saved or not.
    QProgressDialog progress(tr("Telechargement des enregistrements\u2026"), tr("Annuler"), 0,
                             Qvx2::RecordCount, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    RecordCollector collector(&parser());
    m_collecting = true;
    int saved = 0, skipped = 0, failed = 0;
    int age = 1;
    for (; age <= Qvx2::RecordCount && !progress.wasCanceled() && m_link->isConnected(); ++age) {
        progress.setLabelText(tr("Enregistrement %1 / %2").arg(age).arg(Qvx2::RecordCount));
        progress.setValue(age - 1);
        collector.start();
        const bool complete = ls_envoi_attente_trame(QString::fromLatin1(Qvx2::CmdFetchRecord).arg(age),
                                                     QStringLiteral("recup eeprom num enreg "),
                                                     Qvx2::WaitLongCycles, Qvx2::FlagRecordEnd);
        collector.stop();
        const QString number = parser().numero.trimmed();
        const QString file = m_currentPath + QLatin1String(Qvx2::DataDir) +
                             QString::fromLatin1(Qvx2::RecordFilePattern)
                                 .arg(number, Qvx2::RecordFileDigits, QLatin1Char('0'));
        if (!complete || number.isEmpty())
            ++failed; // an incomplete record is not saved
        else if (QFileInfo::exists(file))
            ++skipped;
        else if (XmlMesure::save(collector.measurement(), file))
            ++saved;
        else
            ++failed;
    }
    if (!progress.wasCanceled())
        failed += Qvx2::RecordCount - (age - 1); // the link was lost: the rest could not be fetched
    m_collecting = false;
    progress.setValue(Qvx2::RecordCount);
    QMessageBox::information(this, tr("Telecharger tout"),
                             tr("Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.")
                                 .arg(saved)
                                 .arg(skipped)
                                 .arg(failed));
}
