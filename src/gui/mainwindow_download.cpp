// Record download and the erase of the instrument's records.

#include "archiveindex.h"
#include "mainwindow.h"
#include "recup_enreg.h"
#include "recup_info.h"
#include "ui_mainwindow.h"
#include "xmlmesure.h"

#include <QDebug>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSet>
#include <QStandardPaths>

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
        updateRecordActions();
        return;
    }
    if (r == recup_enreg::ChoiceNone) {
        updateRecordActions();
        return;
    }
    if (r == recup_enreg::ChoiceErase) {
        effacement_enregistrements();
        updateRecordActions();
        return;
    }
    // What arrived stays in view, marked as cut off, and cannot be saved, printed or exported.
    if (!recup_eeprom_num_enreg(r))
        QMessageBox::critical(this, tr("Erreur"), tr("L'appareil ne reponds pas. Verifier la liaison."));
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
    // A new record: the previous one's results go before its first line is read, and its document is let go.
    m_recup_info->efface();
    m_session->beginReceiving();
    const bool whole = ls_envoi_attente_trame(QString(), QStringLiteral("recup eeprom num enreg "),
                                              Qvx2::WaitLongCycles, Qvx2::FlagRecordEnd) &&
                       m_session->state() == RecordSession::State::Complete;
    m_session->endReceiving(whole);
    return whole;
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
    // Each record becomes a document of its own in Data/, named by its number; a record that has a document
    // already, under any name, is not saved again, and no document is ever overwritten. The window keeps the
    // record it shows, saved or not.
    QProgressDialog progress(tr("Telechargement des enregistrements\u2026"), tr("Annuler"), 0,
                             Qvx2::RecordCount, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const QString dataDir = m_currentPath + QLatin1String(Qvx2::DataDir);
    QSet<QByteArray> known; // the records Data/ holds
    {
        ArchiveIndex index(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                               QLatin1Char('/') + QLatin1String(Qvx2::ArchiveIndexFile),
                           dataDir);
        index.update();
        for (const ArchiveEntry &e : index.entries())
            if (e.readable)
                known.insert(e.record);
    }
    int saved = 0, skipped = 0, failed = 0;
    int age = 1;
    for (; age <= Qvx2::RecordCount && !progress.wasCanceled() && m_link->isConnected(); ++age) {
        progress.setLabelText(tr("Enregistrement %1 / %2").arg(age).arg(Qvx2::RecordCount));
        progress.setValue(age - 1);
        RecordSession record;
        m_reader->setTarget(&record);
        record.beginReceiving();
        const bool ended = ls_envoi_attente_trame(QString::fromLatin1(Qvx2::CmdFetchRecord).arg(age),
                                                  QStringLiteral("recup eeprom num enreg "),
                                                  Qvx2::WaitLongCycles, Qvx2::FlagRecordEnd);
        m_reader->setTarget(m_session);
        const QString number = parser().numero.trimmed();
        // The instrument's lines carry no date: the document has the download's, marked as such.
        Measurement m = record.measurement();
        m.dateIsDownload = true;
        const QString base = dataDir + QString::fromLatin1(Qvx2::RecordFilePattern)
                                           .arg(number, Qvx2::RecordFileDigits, QLatin1Char('0'));
        QString file = base;
        for (int n = 2; QFileInfo::exists(file); ++n)
            file = base.chopped(int(qstrlen(".qv2"))) + QStringLiteral("_%1.qv2").arg(n);
        if (!ended || record.state() != RecordSession::State::Complete || number.isEmpty())
            ++failed; // an incomplete record is not saved
        else if (known.contains(m.recordId()))
            ++skipped;
        else if (!XmlMesure::save(m, file))
            ++failed;
        else {
            known.insert(m.recordId());
            ++saved;
        }
    }
    if (!progress.wasCanceled())
        failed += Qvx2::RecordCount - (age - 1); // the link was lost: the rest could not be fetched
    progress.setValue(Qvx2::RecordCount);
    QMessageBox::information(this, tr("Telecharger tout"),
                             tr("Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.")
                                 .arg(saved)
                                 .arg(skipped)
                                 .arg(failed));
}
