#pragma once

// The instrument's records as operations on the link: the current record's number, one record into a record
// session, every record into documents, a capture replayed through the same reader, the erase of the
// records, and the instrument's information lines. Each says what it came to.

#include "instrumentlink.h"
#include "recordreader.h"
#include "recordsession.h"
#include "result.h"

#include <QObject>
#include <QStringList>
#include <QVector>

#include <functional>

class RecordOperations : public QObject
{
    Q_OBJECT

public:
    // What a download of every record came to.
    struct AllRecords {
        int saved = 0;
        int skipped = 0; // already in Data/, under any name
        int failed = 0;
        bool cancelled = false;
        QStringList files;  // the documents written
        Result lastFailure; // why the last record that failed did
    };

    RecordOperations(InstrumentLink *link, RecordReader *reader, QObject *parent = nullptr);

    // The instrument's current record number (the ring's newest).
    Result recordNumber(int *number);
    // Record `age` (1: the newest, 10: the oldest) into the session: a new record, emptied before its first
    // line, ends whole or cut off.
    Result download(int age, RecordSession *session);
    // Every record into a document of its own in dataDir, named by its number; a record that dataDir holds
    // already (the archive index knows) is skipped, and no file is ever overwritten. going(age) is asked
    // before each record: false stops.
    AllRecords downloadAll(const QString &dataDir, const QString &indexFile,
                           const std::function<bool(int age)> &going = {});
    // The same for these records only (ages, 1: the newest), in this order.
    AllRecords downloadRecords(const QVector<int> &ages, const QString &dataDir, const QString &indexFile,
                               const std::function<bool(int age)> &going = {});
    // A capture file's lines through the parser into the session, as if the instrument sent them again.
    Result replay(const QString &captureFile, RecordSession *session);
    Result erase();
    // The instrument's information lines (its identity, firmware, use); no record is touched.
    Result information(QString *lines);

    // The serial number and firmware an identity line of the information names; empty when none does.
    struct Identity {
        QString serial;
        QString firmware;
    };
    static Identity identityOf(const QString &lines);

    // The document name of a record by its number, in dataDir, with a number after it when that is taken.
    static QString recordFileName(const QString &dataDir, const QString &number);

private:
    InstrumentLink *m_link;
    RecordReader *m_reader;
};
