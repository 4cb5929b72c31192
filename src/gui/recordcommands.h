#pragma once

// The commands on the instrument's records, as the user meets them: the record dialog and the download into
// the window, the download of every record with its progress, the erase, the information lines and the
// debug window, a capture replayed. The work is the core's record operations; this class asks and tells.

#include "recordoperations.h"

#include <QObject>
#include <QString>

class DocumentCommands;
class QWidget;
class recup_info;

class RecordCommands : public QObject
{
    Q_OBJECT

public:
    RecordCommands(QWidget *window, RecordOperations *records, InstrumentLink *link, RecordSession *session,
                   DocumentCommands *documents, recup_info *debugWindow, const QString &dataDir,
                   QObject *parent = nullptr);

    // The menu's download: the unsaved-work question, then the record dialog and the download.
    void download();
    // The record dialog at the instrument's current record, then the chosen record, or the erase.
    void chooseAndDownload();
    // The record dialog: the choice, or -1 when it was closed.
    int chooseRecord(int position);
    // Record `age` into the window; false, the record marked cut off, when it did not arrive whole.
    bool fetchRecord(int age);
    // The erase, after the question (No is its default).
    void erase();
    void downloadAll();
    // The information lines into the debug window; the record stays as it is.
    void information();
    void showCapture();
    // Through the file dialog, after the unsaved-work question.
    void replayAsked();
    void replay(const QString &fileName);

signals:
    // The instrument told its identity (serial number, firmware).
    void instrumentIdentified(const QString &identity);
    // Telecharger tout wrote documents into Data/.
    void documentsSaved();

private:
    QWidget *m_window;
    RecordOperations *m_records;
    InstrumentLink *m_link;
    RecordSession *m_session;
    DocumentCommands *m_documents;
    recup_info *m_debug;
    QString m_dataDir;
};
