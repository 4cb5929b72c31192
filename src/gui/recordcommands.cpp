#include "recordcommands.h"
#include "apppaths.h"

#include "documentcommands.h"
#include "recup_enreg.h"
#include "recup_info.h"

#include <QDebug>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QStandardPaths>

RecordCommands::RecordCommands(QWidget *window, RecordOperations *records, InstrumentLink *link,
                               RecordSession *session, DocumentCommands *documents, recup_info *debugWindow,
                               const QString &dataDir, QObject *parent)
    : QObject(parent), m_window(window), m_records(records), m_link(link), m_session(session),
      m_documents(documents), m_debug(debugWindow), m_dataDir(dataDir)
{
    // The record's lines land in the debug window as they come; a record replaced shows its own.
    connect(m_session, &RecordSession::lineCaptured, m_debug, &recup_info::ajoute_texte);
    connect(m_session, &RecordSession::replaced, this, [this] {
        const QString &capture = m_session->measurement().capture;
        if (capture.isEmpty())
            m_debug->efface();
        else
            m_debug->set_texte(capture);
    });
}

void RecordCommands::download()
{
    if (m_documents->okToDiscard())
        chooseAndDownload();
}

void RecordCommands::chooseAndDownload()
{
    qDebug() << "lancedownload";
    int position = 0;
    if (!m_records->recordNumber(&position))
        position = 0; // the dialog opens all the same, its slots from (10/10) down
    const int choice = chooseRecord(position);
    if (choice < 0) {
        qDebug() << "No record has been selected.";
        return;
    }
    if (choice == recup_enreg::ChoiceNone)
        return;
    if (choice == recup_enreg::ChoiceErase) {
        erase();
        return;
    }
    fetchRecord(choice);
}

int RecordCommands::chooseRecord(int position)
{
    qDebug() << "m_recup_enreg lancedownload ";
    recup_enreg dialog(m_window);
    dialog.init_boutons(position);
    return dialog.exec() == QDialog::Accepted ? dialog.get_choix() : -1;
}

bool RecordCommands::fetchRecord(int age)
{
    const Result r = m_records->download(age, m_session);
    // What arrived stays in view, marked as cut off, and cannot be saved, printed or exported.
    if (!r && r.code != Result::Code::Busy)
        QMessageBox::critical(m_window, tr("Erreur"),
                              tr("L'appareil ne reponds pas. Verifier la liaison.") + QLatin1String("\n\n") +
                                  r.reason);
    return r.done();
}

void RecordCommands::erase()
{
    const auto answer =
        QMessageBox::warning(m_window, tr("Effacement des enregistrements"),
                             tr("Etes vous sur de supprimer tous les enregistrements du QUARVEN2 ?"),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    const Result r = m_records->erase();
    if (!r)
        QMessageBox::warning(m_window, tr("Effacement des enregistrements"),
                             tr("L'appareil n'a pas confirme l'effacement.") + QLatin1Char('\n') + r.reason);
}

void RecordCommands::downloadAll()
{
    // Each record becomes a document of its own in Data/; the window keeps the record it shows, saved or not.
    QProgressDialog progress(tr("Telechargement des enregistrements\u2026"), tr("Annuler"), 0,
                             Qvx2::RecordCount, m_window);
    progress.setWindowTitle(tr("Telecharger tout"));
    progress.setMinimumWidth(progress.fontMetrics().horizontalAdvance(progress.windowTitle()) *
                             3); // title whole
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const RecordOperations::AllRecords all =
        m_records->downloadAll(m_dataDir, AppPaths::indexFile(), [&progress](int age) {
            progress.setLabelText(tr("Enregistrement %1 / %2").arg(age).arg(Qvx2::RecordCount));
            progress.setValue(age - 1);
            return !progress.wasCanceled();
        });
    progress.setValue(Qvx2::RecordCount);
    QString summary = tr("Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.")
                          .arg(all.saved)
                          .arg(all.skipped)
                          .arg(all.failed);
    if (all.cancelled)
        summary +=
            QLatin1Char('\n') + tr("Interrompu : les enregistrements suivants n'ont pas ete demandes.");
    else if (all.failed > 0)
        summary += QLatin1Char('\n') + all.lastFailure.reason;
    if (all.saved > 0)
        emit documentsSaved();
    QMessageBox::information(m_window, tr("Telecharger tout"), summary);
}

void RecordCommands::information()
{
    m_debug->efface();
    QString lines;
    const Result r = m_records->information(&lines);
    if (!r) {
        QMessageBox::warning(m_window, tr("Info UC"), r.reason);
        return;
    }
    m_debug->set_texte(lines);
    m_debug->show();
    // The serial number and the firmware, for the reports.
    const RecordOperations::Identity identity = RecordOperations::identityOf(lines);
    if (!identity.serial.isEmpty())
        emit instrumentIdentified(tr("%1, firmware %2").arg(identity.serial, identity.firmware));
}

void RecordCommands::showCapture()
{
    m_debug->show();
}

void RecordCommands::replayAsked()
{
    const QString fileName =
        QFileDialog::getOpenFileName(m_window, tr("Ouvrir"), m_dataDir, QStringLiteral("*.txt"));
    if (fileName.isEmpty() || !m_documents->okToDiscard())
        return;
    replay(fileName);
}

void RecordCommands::replay(const QString &fileName)
{
    qDebug() << fileName;
    // The pane is laid out once, at the end, rather than after every line.
    m_debug->beginBatch();
    const Result r = m_records->replay(fileName, m_session);
    m_debug->endBatch();
    if (r.code == Result::Code::RefusedFile)
        QMessageBox::warning(m_window, tr("Erreur"), r.reason);
}
