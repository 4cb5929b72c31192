#pragma once

// The commands on the record's documents: save (through the file dialog, or to a given file), open, the
// unsaved-work question, print, the PDF, CSV and picture exports, the archive. What may be done is the
// record session's to say: only a whole record is saved, printed or exported.

#include "ratioevaluation.h"
#include "reportrenderer.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class ArchiveWindow;
class Configuration;
class FormEditor;
class QIODevice;
class QWidget;
class RecentDocuments;
class RecordSession;
class TeamCommands;

class DocumentCommands : public QObject
{
    Q_OBJECT

public:
    DocumentCommands(QWidget *window, RecordSession *session, FormEditor *form, Configuration *config,
                     RecentDocuments *recent, ReportRenderer *renderer, const QString &dataDir,
                     QObject *parent = nullptr);

    // Through the file dialog, with the name the record proposes; the file, or empty when nothing was saved
    // (the record is not whole, a field is missing, the dialog was cancelled, the file could not be written).
    QString save();
    // Writes the record to the file and teaches the configuration's lists its values; marks nothing saved.
    bool saveTo(const QString &fileName);
    QString proposedFileName() const;
    bool isFormFilled() const;
    // Through the file dialog.
    bool open();
    // False, with a message saying why and the record unchanged, when it is no measurement document.
    bool openDocument(const QString &fileName);
    // Before a command that replaces or drops the record: asks when something would be lost. True when the
    // command may go on (saved, or the user chose to let it go).
    bool okToDiscard();

    void print();
    void exportPdf();
    void exportCsv();
    void exportImage();
    ArchiveWindow *showArchive();

    // What a report of the record shows now.
    ReportRenderer::Report report() const;
    RatioEvaluation evaluation() const;
    // The instrument's identity, once it told it.
    void setInstrument(const QString &identity) { m_instrument = identity; }
    void setTeam(TeamCommands *team) { m_team = team; }

signals:
    void documentSaved(const QString &fileName);

private:
    QString exportFileName(const QString &title, const QString &suffix, const QString &filter);
    bool writeExport(const QString &fileName, const std::function<bool(QIODevice *)> &write);

    QWidget *m_window;
    RecordSession *m_session;
    FormEditor *m_form;
    Configuration *m_config;
    RecentDocuments *m_recent;
    ReportRenderer *m_renderer;
    QString m_dataDir;
    QString m_instrument;
    QPointer<ArchiveWindow> m_archive; // open while the user keeps it
    TeamCommands *m_team = nullptr;
};
