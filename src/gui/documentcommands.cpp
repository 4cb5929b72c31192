#include "documentcommands.h"
#include "apppaths.h"
#include "teamcommands.h"
#include "teamstore.h"

#include "archivewindow.h"
#include "configuration.h"
#include "csvexport.h"
#include "formeditor.h"
#include "recentdocuments.h"
#include "recordsession.h"
#include "xmlmesure.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

DocumentCommands::DocumentCommands(QWidget *window, RecordSession *session, FormEditor *form,
                                   Configuration *config, RecentDocuments *recent, ReportRenderer *renderer,
                                   const QString &dataDir, QObject *parent)
    : QObject(parent), m_window(window), m_session(session), m_form(form), m_config(config), m_recent(recent),
      m_renderer(renderer), m_dataDir(dataDir)
{
    connect(m_recent, &RecentDocuments::openRequested, this, &DocumentCommands::openDocument);
}

QString DocumentCommands::proposedFileName() const
{
    // A team document stays as the server holds it: its copy is saved in Data/, under the form's name.
    if (m_team &&
        m_session->path().startsWith(TeamStore::cacheFolder(TeamStore::fileFor(AppPaths::indexFile()))))
        return m_session->formFileName(m_dataDir);
    return m_session->proposedFileName(m_dataDir);
}

bool DocumentCommands::isFormFilled() const
{
    return m_form->emptyRequiredFields().isEmpty();
}

QString DocumentCommands::save()
{
    // A record cut off, or still arriving, is never saved, whatever the path that asks.
    if (!m_session->isWhole())
        return QString();
    const QStringList empty = m_form->emptyRequiredFields();
    if (!empty.isEmpty()) {
        QMessageBox::critical(m_window, tr("Erreur"),
                              tr("Veuillez remplir les champs avant d'enregistrer.") + QLatin1String("\n\n") +
                                  tr("Champs vides : %1").arg(empty.join(QLatin1String(", "))),
                              QMessageBox::Ok);
        return QString();
    }
    const QString proposed = proposedFileName();
    const QString fileName = QFileDialog::getSaveFileName(m_window, tr("Enregistrer %1").arg(proposed),
                                                          proposed, QLatin1String(Qvx2::DocumentFilter));
    if (fileName.isEmpty()) {
        qDebug() << "save(): bad filename.";
        return QString();
    }
    if (!saveTo(fileName))
        return QString();
    m_session->saved(QFileInfo(fileName).absoluteFilePath());
    m_recent->add(fileName);
    emit documentSaved(fileName);
    return fileName;
}

bool DocumentCommands::saveTo(const QString &fileName)
{
    qDebug() << "saveResult()" << fileName;
    if (m_session->isIncomplete() || m_session->state() == RecordSession::State::Receiving)
        return false;
    const Result written = XmlMesure::save(m_session->measurement(), fileName);
    if (!written) {
        QMessageBox::critical(
            m_window, tr("Erreur"),
            tr("Impossible d'enregistrer le fichier %1.").arg(QDir::toNativeSeparators(fileName)) +
                QLatin1Char('\n') + written.reason,
            QMessageBox::Ok);
        return false;
    }
    m_config->learn(m_session->measurement());
    return true;
}

bool DocumentCommands::open()
{
    const QString fileName =
        QFileDialog::getOpenFileName(m_window, tr("Ouvrir"), m_dataDir, QLatin1String(Qvx2::DocumentFilter));
    return !fileName.isEmpty() && openDocument(fileName);
}

bool DocumentCommands::openDocument(const QString &fileName)
{
    qDebug() << "openDocument()" << fileName;
    Measurement m;
    const Result read = XmlMesure::load(fileName, &m);
    if (!read) {
        // Shown as a document, such a file would be overwritten by the next save.
        QMessageBox::critical(m_window, tr("Erreur"),
                              tr("Le fichier %1 n'est pas un document de mesure : il n'a pas ete ouvert.")
                                      .arg(QDir::toNativeSeparators(fileName)) +
                                  QLatin1String("\n\n") + read.reason,
                              QMessageBox::Ok);
        return false;
    }
    if (!okToDiscard())
        return false;
    // The document is as it is on disk: nothing to save until it is edited.
    m_session->opened(QFileInfo(fileName).absoluteFilePath(), m);
    m_recent->add(fileName);
    return true;
}

bool DocumentCommands::okToDiscard()
{
    if (!m_session->hasUnsavedWork())
        return true;
    if (m_session->isIncomplete()) {
        // It cannot be saved: the question is only whether to let it go.
        QMessageBox box(QMessageBox::Warning, tr("Attention"),
                        tr("L'enregistrement affiche est incomplet : il ne peut pas etre enregistre. "
                           "Voulez-vous l'abandonner ?"),
                        QMessageBox::Yes | QMessageBox::No, m_window);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    QMessageBox box(QMessageBox::Question, tr("Attention"),
                    tr("Les donnees n'ont pas ete enregistrees. Voulez-vous les enregistrer ?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_window);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        // A save that was refused (fields empty) or cancelled keeps the record and stops the command.
        return !save().isEmpty();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

RatioEvaluation DocumentCommands::evaluation() const
{
    return RatioEvaluation::of(m_session->measurement(), m_config->tolerance());
}

ReportRenderer::Report DocumentCommands::report() const
{
    ReportRenderer::Report r;
    r.measurement = m_session->measurement();
    r.evaluation = evaluation();
    // The site code's caption from config.xml names the field in French only, as the form does.
    r.texts = ReportTexts::current(QLocale().language() == QLocale::French ? m_config->siteCodeCaption()
                                                                           : QString());
    r.documentName = QFileInfo(m_session->path()).fileName();
    r.instrument = m_instrument;
    return r;
}

void DocumentCommands::print()
{
    if (!m_session->isWhole())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!m_renderer->print(&printer, report()))
        QMessageBox::critical(m_window, tr("Erreur"), tr("L'impression n'a pas pu etre faite."));
}

QString DocumentCommands::exportFileName(const QString &title, const QString &suffix, const QString &filter)
{
    // Proposed from the document's name, beside the documents; Qt's dialog asks before replacing a file.
    const QFileInfo info(proposedFileName());
    return QFileDialog::getSaveFileName(
        m_window, title, info.path() + QLatin1Char('/') + info.completeBaseName() + suffix, filter);
}

bool DocumentCommands::writeExport(const QString &fileName, const std::function<bool(QIODevice *)> &write)
{
    if (fileName.isEmpty())
        return false;
    // Written beside and renamed over: a failed write leaves no half file.
    QSaveFile file(fileName);
    const bool ok = file.open(QIODevice::WriteOnly) && write(&file) && file.commit();
    if (!ok)
        QMessageBox::critical(
            m_window, tr("Erreur"),
            tr("Impossible d'enregistrer le fichier %1.").arg(QDir::toNativeSeparators(fileName)) +
                QLatin1Char('\n') + file.errorString());
    return ok;
}

void DocumentCommands::exportPdf()
{
    if (!m_session->isWhole())
        return;
    writeExport(exportFileName(tr("Exporter PDF"), QStringLiteral(".pdf"), tr("Rapport PDF (*.pdf)")),
                [this](QIODevice *device) { return m_renderer->writePdf(device, report()); });
}

void DocumentCommands::exportCsv()
{
    if (!m_session->isWhole())
        return;
    writeExport(exportFileName(tr("Exporter CSV"), QStringLiteral(".csv"), tr("Tableau CSV (*.csv)")),
                [this](QIODevice *device) {
                    const ReportRenderer::Report r = report();
                    const QByteArray csv = CsvExport::render(r.measurement, r.evaluation);
                    return device->write(csv) == csv.size();
                });
}

void DocumentCommands::exportImage()
{
    if (!m_session->isWhole())
        return;
    const QString fileName =
        exportFileName(tr("Exporter image"), QStringLiteral(".png"),
                       tr("Image PNG (*.png)") + QStringLiteral(";;") + tr("Image SVG (*.svg)"));
    const QString format = fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)
                               ? QStringLiteral("svg")
                               : QStringLiteral("png");
    writeExport(fileName, [this, &format](QIODevice *device) {
        return m_renderer->writePicture(device, format, report());
    });
}

ArchiveWindow *DocumentCommands::showArchive()
{
    // The index lives with the user's data, never in Data/, which may be read-only or shared.
    if (!m_archive) {
        m_archive = new ArchiveWindow(m_dataDir, AppPaths::indexFile(), m_window);
        m_archive->setTeam(m_team);
        m_archive->setAttribute(Qt::WA_DeleteOnClose);
        m_archive->setTolerance(m_config->tolerance());
        connect(m_archive, &ArchiveWindow::openRequested, this, &DocumentCommands::openDocument);
    }
    m_archive->show();
    m_archive->raise();
    return m_archive;
}
