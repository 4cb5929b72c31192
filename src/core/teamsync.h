#pragma once

// A sync with the team's server: every document of Data/ the server does not hold yet is sent, one
// transaction each, and counts as sent once committed; then what the team added since the last sync is
// received into this computer's copy. A cut connection loses nothing: the next sync goes on from there.
// Runs where it is called (the command line) or on a thread of its own (the window), one sync at a time.

#include "archiveindex.h"
#include "result.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

struct TeamSettings {
    QString server;    // a libpq connection string or service name; empty: no team archive
    QString password;  // asked of the user for this session; empty: libpq's own (.pgpass, certificates)
    QString dataDir;   // the documents, Data/
    QString indexFile; // the data folder's archive index; the team's copy lives beside it
};

struct TeamOutcome {
    Result result;
    int sent = 0;
    int received = 0;
    int pending = 0;       // documents still to send
    bool readOnly = false; // the server's schema is newer than this program
    bool passwordNeeded = false;
    QDateTime when; // of the sync, on this computer's clock
    // For the window, on the sync's thread: the team's rows, read again when they changed (null otherwise).
    std::shared_ptr<const QList<ArchiveEntry>> rows;
};
Q_DECLARE_METATYPE(TeamOutcome)

class TeamSync : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    static TeamOutcome run(const TeamSettings &settings);
    // A team document, fetched once into the folder of fetched documents (read-only) and read with the
    // same checks as a local file; its path in *path. One that does not read is marked so, with who sent it.
    static Result fetch(const TeamSettings &settings, const QString &revision, QString *path);
    // The team's scope of the archive: one row per record, the team's choice of revision, with this
    // computer's records that the team does not have yet. Unread team documents are rows of their own.
    static QList<ArchiveEntry> teamScope(const QList<ArchiveEntry> &local, const TeamSettings &settings);
    // The same in two steps: the team's rows as this computer's copy holds them (the long part, for a thread
    // of its own), then this computer's records added.
    static QList<ArchiveEntry> teamRows(const TeamSettings &settings);
    static QList<ArchiveEntry> withLocal(const QList<ArchiveEntry> &team, const QList<ArchiveEntry> &local);
    // The server the data folder's team archive uses (as set in the window), without password.
    static QString configuredServer(const QString &indexFile);
    static void configureServer(const QString &indexFile, const QString &server);
    // The last sync's time and error as kept, for the status and the configuration dialog.
    static QString lastError(const QString &indexFile);
    // How many documents of Data/ wait to be sent, without the server.
    static int pendingCount(const TeamSettings &settings);
    // Who sent a team row, with its number of versions when there are several; empty for a local row.
    static QString sender(const ArchiveEntry &entry);
    // The words that mark a read-only server after its version; none for one that is not.
    static QString readOnlyNote(bool readOnly);
    // The status line's words for an outcome.
    static QString status(const TeamOutcome &outcome);

public slots:
    void sync(const TeamSettings &settings); // for a thread of its own: tells finished()

signals:
    void finished(const TeamOutcome &outcome);

private:
    QString m_rowsOf; // the team copy whose rows the window was given last
};
Q_DECLARE_METATYPE(TeamSettings)
