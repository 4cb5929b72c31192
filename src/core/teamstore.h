#pragma once

// This computer's side of the team archive, in SQLite beside the archive's index: which local documents
// the server holds (by path and modification time, with the revision sent), the summaries received from
// the server with the reviewers' marks, where the next receive starts, and the server that is set. Rows
// of another server are forgotten when the server changes.

#include "archiveindex.h"
#include "teamserver.h"

#include <QDateTime>
#include <QList>
#include <QString>

class TeamStore
{
public:
    explicit TeamStore(const QString &file);
    ~TeamStore();
    TeamStore(const TeamStore &) = delete;
    TeamStore &operator=(const TeamStore &) = delete;

    // The team store of a data folder, beside that folder's archive index; the folder of fetched documents.
    static QString fileFor(const QString &indexFile);
    static QString cacheFolder(const QString &storeFile);

    QString server() const; // as the user set it; empty: no team archive
    void setServer(const QString &conninfo);
    // Forgets what came from another server than this one (a connection string without password).
    void useServer(const QString &server);

    // The readable documents of Data/ that the server does not hold as they are now, each with the revision
    // it was edited from (the one sent from the same file) as its parent.
    QList<ArchiveEntry> pending(const QList<ArchiveEntry> &local);
    void markSent(const ArchiveEntry &local, const QString &revision);

    QString cursor() const;
    // What a receive brought and where the next starts, kept together or not at all.
    bool take(const QList<ArchiveEntry> &documents, const QList<TeamMark> &marks, const QString &cursor);
    void setUnreadable(const QString &revision);

    // One row per record: the reviewer's reference, or the newest of the revisions no other revision was
    // edited from, with their number as versions; marked when a reviewer hid it. A document that did not
    // read is a row of its own.
    QList<ArchiveEntry> entries();
    QByteArray recordOf(const QString &revision); // empty: not received

    QString state(const QString &key) const;
    void setState(const QString &key, const QString &value);

private:
    bool exec(const QString &statement, const QVariantList &values = {});
    QString m_connection;
};
