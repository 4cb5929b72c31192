#pragma once

// The index of every measurement document under Data/, kept in SQLite (Qt SQL's driver) in the user's data
// location so that Data/ may be read-only or shared. Brought up to date by each file's path, size and
// modification time: only new or changed files are read. An index that is missing, unreadable or of an
// older layout is rebuilt, and where no file can be made the index is kept in memory: it never stops the
// program.

#include "constants.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariantList>

#include <array>
#include <functional>

class QSqlQuery;

struct ArchiveEntry {
    QString path;          // absolute
    qint64 modified = 0;   // the file's modification time, ms since the epoch
    bool readable = false; // false: the file does not read as a measurement document
    QByteArray record;     // what identifies the record (Measurement::recordId)
    QDate date;
    bool dateIsDownload = false; // the date is a download's, never confirmed on a form
    QString poste, numTransfo, codeGdo, gamme, tensionHt, tensionBt;
    int passed = 0; // tests passed out of the nineteen
    // Phases A, B, C and the mean; NaN when the document holds none.
    std::array<double, Qvx2::RatioShown> ratios{};
    double deviation = 0; // of the mean from the rated ratio, in %; NaN without one
    // A team document's: the server's number, the whole document's hash, the revision it was edited from,
    // who sent it from which computer and when; the record's versions (more than one: a conflict).
    qint64 serverId = 0;
    QString revision, parent, uploader, computer;
    QDateTime uploaded;
    int versions = 0;    // 0: a document of this computer's Data/
    bool hidden = false; // a record a reviewer hid from the team's archive
    // Documents of one transformer share this.
    QString transformer() const { return poste + QLatin1Char('\n') + numTransfo; }
};

class ArchiveIndex
{
public:
    static constexpr int Layout = 3; // raised whenever the table changes: an older index is rebuilt

    ArchiveIndex(const QString &indexFile, const QString &dataDir);
    ~ArchiveIndex();
    ArchiveIndex(const ArchiveIndex &) = delete;
    ArchiveIndex &operator=(const ArchiveIndex &) = delete;

    // Reads what is new or changed under Data/ and forgets what is gone. progress(done, total) is told as
    // files are read; false from it stops (what was read is kept). False when no index could be opened.
    bool update(const std::function<bool(int done, int total)> &progress = {});
    QList<ArchiveEntry> entries(); // as the index holds them, by path
    // The index's own file was rebuilt at the last opening (missing, unreadable or older).
    bool wasRebuilt() const { return m_rebuilt; }

    static ArchiveEntry read(const QString &path); // one document, as the index holds it
    // The record's summary as tables keep it (this index, the team's server and its copy): the columns'
    // names, their values for an entry, and an entry's summary from a query's columns from `first` on.
    static QStringList summaryColumns();
    static QVariantList summaryValues(const ArchiveEntry &e);
    static void takeSummary(ArchiveEntry *e, const QSqlQuery &q, int first);
    // One entry per record: of the documents of one record, the newest file; an unreadable file is an entry
    // of its own. In the order given.
    static QList<ArchiveEntry> newestOfEachRecord(const QList<ArchiveEntry> &entries);

private:
    bool open();

    QString m_indexFile;
    QString m_dataDir;
    QString m_connection;
    bool m_open = false;
    bool m_rebuilt = false;
};
