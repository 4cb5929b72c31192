#pragma once

// The life of the record on screen: what it holds, where it came from (a download, a replayed capture, a
// document), whether it arrived whole, and whether it differs from what was last saved or opened. Saving,
// printing, exporting, the proposed file name and the unsaved-work question all read it here.
//
//   Empty --download/replay--> Receiving --end line--> Complete --save--> Saved
//                                  \--cut off-------> Incomplete (never saved, printed or exported)
//   any --open--> Opened --save--> Saved;  any --download/replay--> Receiving (the file let go)

#include "measurement.h"

#include <QObject>
#include <QString>

class RecordSession : public QObject
{
    Q_OBJECT

public:
    enum class State { Empty, Receiving, Complete, Incomplete, Opened, Saved };
    Q_ENUM(State)

    explicit RecordSession(QObject *parent = nullptr);

    State state() const { return m_state; }
    // The document the record came from or was last saved to; empty unless Opened or Saved.
    QString path() const { return m_path; }
    const Measurement &measurement() const { return m_current; }
    // The measurement as a download or a replay fills it; each change is announced by the one who makes it
    // (the record reader) through the signals below.
    Measurement &receiving() { return m_current; }

    // The whole record may be saved, printed and exported.
    bool isWhole() const;
    bool isIncomplete() const { return m_state == State::Incomplete; }
    // Something would be lost by replacing the record: a record received and never saved, a record cut off,
    // or a document edited since it was opened or saved. Compares the measurement, never what widgets show.
    bool hasUnsavedWork() const;

    // A new record starts: its results are emptied before its first line is read and the file it came from
    // is let go; the identification and the comment stay. A date that came from a document becomes the
    // download's (the instrument's lines carry none).
    void beginReceiving();
    // The record ended, whole or cut off (by a lost link or a time-out): only what arrived stays.
    void endReceiving(bool whole);
    // Empties the results; the identification and the comment stay, and nothing is left to save.
    void clearResults();
    // A document replaces the record.
    void opened(const QString &path, const Measurement &measurement);
    // The record was written to this file.
    void saved(const QString &path);

    // The form's edits. A date set by the user is the record's from then on.
    void setText(QString Measurement::*field, const QString &text);
    void setDate(const QDate &date);
    // A verdict set by hand (out of range: nothing changes).
    bool setVerdict(int index, Measurement::Verdict verdict);

    // Where Save proposes to write the record, in dataDir (ending with '/'): the document it came from or
    // was saved to; otherwise a name made from the form. A name held by a document of another record (the
    // same transformer tested again) gets the record's date, and a number if needed: a transformer's history
    // is never overwritten by accident.
    QString proposedFileName(const QString &dataDir) const;
    // The name made from the form alone: substation, transformer and site code, made safe for a file name.
    QString formFileName(const QString &dataDir) const;

signals:
    void stateChanged(RecordSession::State state);
    // The whole measurement changed (a document, a new record): everything shown is to be redrawn.
    void replaced();
    // One part changed, while a record is read or edited.
    void verdictChanged(int index);
    void curveChanged(int curve);
    void ratiosChanged();
    void rangeChanged();
    void commentChanged();
    void dateChanged();
    void lineCaptured(const QString &line);
    // Anything the unsaved-work question depends on changed.
    void modified();

private:
    void setState(State state);

    Measurement m_current;
    Measurement m_baseline; // as last saved or opened
    State m_state = State::Empty;
    QString m_path;
    bool m_dateFromDocument = false;
};
