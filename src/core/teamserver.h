#pragma once

// One connection to the team's PostgreSQL server (Qt SQL's QPSQL driver), given as a libpq connection
// string or service name so that pg_service.conf, ~/.pgpass and client certificates work as for psql. TLS
// verifies the server's certificate and name unless the connection string says otherwise. The server
// enforces the rights; this class adds, reads and marks rows and never updates or deletes one.

#include "archiveindex.h"
#include "result.h"

#include <QCoreApplication>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// A reviewer's mark on a record: its reference revision, or hidden.
struct TeamMark {
    qint64 serverId = 0;
    QByteArray record;
    QString reference;
    bool hidden = false;
};

class QSqlQuery;

class TeamServer
{
    Q_DECLARE_TR_FUNCTIONS(TeamServer)
public:
    enum class Failure { None, Unreachable, Certificate, PasswordNeeded, PasswordRefused, NoSchema, Refused };

    explicit TeamServer(const QString &conninfo);
    ~TeamServer();
    TeamServer(const TeamServer &) = delete;
    TeamServer &operator=(const TeamServer &) = delete;

    // The connection string as it is used: TLS that verifies the server unless sslmode is given.
    static QString withDefaults(const QString &conninfo);
    // The connection string without any password, to name the server in files and messages.
    static QString withoutPassword(const QString &conninfo);

    // Connects (with the password the user gave, if any) and reads the schema's version; an older schema is
    // upgraded where this role may, a newer one is used read-only.
    Result open(const QString &password = QString());
    Failure failure() const { return m_failure; }
    bool readOnly() const { return m_readOnly; }
    int schemaVersion() const { return m_version; }
    QString user() const { return m_user; }
    QSqlDatabase database() const;

    // Stores a document; done too when the server holds it already. Counts as sent once this returns done:
    // the row is committed.
    Result send(const QByteArray &content, const ArchiveEntry &summary, const QString &computer);
    // What was added since *cursor (a transaction number of the server, "0" at first), in the order added;
    // *cursor moves on past it.
    Result receive(QString *cursor, QList<ArchiveEntry> *documents, QList<TeamMark> *marks);
    Result fetch(const QString &revision, QByteArray *content);
    // A reviewer's mark; the server refuses it to a technician.
    Result mark(const QByteArray &record, const QString &reference, bool hidden);

    static QString revisionOf(const QByteArray &content); // the hash that names a document's revision

private:
    Result failed(const QString &serverText);
    Result run(QSqlQuery &query); // the statement's result, its failure told as failed() tells it

    QString m_conninfo;
    QString m_connection;
    QString m_user;
    Failure m_failure = Failure::None;
    bool m_readOnly = false;
    int m_version = -1;
};
