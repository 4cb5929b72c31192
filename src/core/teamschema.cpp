#include "teamschema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

const char *const TeamSchema::Technician = "quarvex2_technician";
const char *const TeamSchema::Reviewer = "quarvex2_reviewer";

namespace
{
// The group roles, made only where they do not exist yet: a second setup changes nothing.
QStringList roles()
{
    QStringList list;
    for (const char *role : {TeamSchema::Technician, TeamSchema::Reviewer})
        list << QStringLiteral("DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = '%1') THEN "
                               "CREATE ROLE %1 NOLOGIN; END IF; END $$")
                    .arg(QLatin1String(role));
    return list << QStringLiteral("GRANT %1 TO %2")
                       .arg(QLatin1String(TeamSchema::Technician), QLatin1String(TeamSchema::Reviewer));
}

// Version 1: the documents, the reviewers' marks, one sequence numbering both, and the rights.
QStringList version1()
{
    const QString t = QLatin1String(TeamSchema::Technician);
    const QString r = QLatin1String(TeamSchema::Reviewer);
    return {
        QStringLiteral("CREATE SCHEMA IF NOT EXISTS quarvex2"),
        QStringLiteral("CREATE TABLE quarvex2.schema_version (version integer NOT NULL)"),
        QStringLiteral("INSERT INTO quarvex2.schema_version VALUES (0)"),
        QStringLiteral("CREATE SEQUENCE quarvex2.seq"),
        // tx: the inserting transaction, by which a laptop receives what is new (never by clocks). The
        // uploader, the time and tx are the server's, whatever the client sends.
        QStringLiteral(
            "CREATE TABLE quarvex2.documents (id bigint PRIMARY KEY DEFAULT nextval('quarvex2.seq'), "
            "tx xid8 NOT NULL, record text NOT NULL, revision text NOT NULL UNIQUE, parent text, "
            "content bytea NOT NULL, uploader name NOT NULL, uploaded timestamptz NOT NULL, "
            "computer text NOT NULL DEFAULT '', date text, substation text, "
            "transformer text, site_code text, hv_voltage text, lv_voltage text, gamme text, "
            "passed integer, ra double precision, rb double precision, rc double precision, "
            "rmean double precision, deviation double precision, downloaddate boolean)"),
        QStringLiteral("CREATE INDEX documents_tx ON quarvex2.documents (tx)"),
        QStringLiteral("CREATE TABLE quarvex2.marks (id bigint PRIMARY KEY DEFAULT nextval('quarvex2.seq'), "
                       "tx xid8 NOT NULL, record text NOT NULL, reference text, hidden boolean NOT NULL "
                       "DEFAULT false, uploader name NOT NULL, uploaded timestamptz NOT NULL)"),
        QStringLiteral("CREATE INDEX marks_tx ON quarvex2.marks (tx)"),
        QStringLiteral("CREATE FUNCTION quarvex2.stamp() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                       "NEW.tx := pg_current_xact_id(); NEW.uploader := current_user; NEW.uploaded := now(); "
                       "RETURN NEW; END $$"),
        QStringLiteral("CREATE TRIGGER stamp BEFORE INSERT ON quarvex2.documents FOR EACH ROW EXECUTE "
                       "FUNCTION quarvex2.stamp()"),
        QStringLiteral("CREATE TRIGGER stamp BEFORE INSERT ON quarvex2.marks FOR EACH ROW EXECUTE "
                       "FUNCTION quarvex2.stamp()"),
        QStringLiteral("ALTER TABLE quarvex2.documents ENABLE ROW LEVEL SECURITY"),
        QStringLiteral("ALTER TABLE quarvex2.marks ENABLE ROW LEVEL SECURITY"),
        QStringLiteral("CREATE POLICY read_all ON quarvex2.documents FOR SELECT TO %1 USING (true)").arg(t),
        QStringLiteral("CREATE POLICY add_own ON quarvex2.documents FOR INSERT TO %1 "
                       "WITH CHECK (uploader = current_user)")
            .arg(t),
        QStringLiteral("CREATE POLICY read_all ON quarvex2.marks FOR SELECT TO %1 USING (true)").arg(t),
        QStringLiteral("CREATE POLICY add_own ON quarvex2.marks FOR INSERT TO %1 "
                       "WITH CHECK (uploader = current_user)")
            .arg(r),
        QStringLiteral("GRANT USAGE ON SCHEMA quarvex2 TO %1").arg(t),
        QStringLiteral("GRANT SELECT ON quarvex2.schema_version TO %1").arg(t),
        QStringLiteral("GRANT SELECT, INSERT ON quarvex2.documents TO %1").arg(t),
        QStringLiteral("GRANT SELECT ON quarvex2.marks TO %1").arg(t),
        QStringLiteral("GRANT INSERT ON quarvex2.marks TO %1").arg(r),
        QStringLiteral("GRANT USAGE ON SEQUENCE quarvex2.seq TO %1").arg(t),
    };
}
} // namespace

QStringList TeamSchema::upgrade(int from)
{
    QStringList statements;
    if (from == 0)
        statements = version1();
    if (!statements.isEmpty())
        statements << QStringLiteral("UPDATE quarvex2.schema_version SET version = %1").arg(from + 1);
    return statements;
}

QString TeamSchema::script()
{
    QStringList all = roles();
    for (int from = 0; from < Known; ++from)
        all << upgrade(from);
    return QStringLiteral("BEGIN;\n") + all.join(QLatin1String(";\n")) + QStringLiteral(";\nCOMMIT;\n");
}

int TeamSchema::version(QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT to_regclass('quarvex2.schema_version') IS NOT NULL")) || !q.next())
        return -1;
    if (!q.value(0).toBool())
        return 0;
    if (!q.exec(QStringLiteral("SELECT max(version) FROM quarvex2.schema_version")) || !q.next())
        return -1;
    return q.value(0).toInt();
}

Result TeamSchema::setup(QSqlDatabase &db)
{
    const int from = version(db);
    if (from < 0)
        return Result::failed(Result::Code::Offline, db.lastError().text());
    if (from > Known)
        return Result::failed(
            Result::Code::RefusedFile,
            tr("Le schema du serveur (version %1) est plus recent que ce programme (version "
               "%2) : il n'est pas modifie.")
                .arg(from)
                .arg(Known));
    db.transaction();
    QSqlQuery q(db);
    QStringList statements = roles();
    for (int v = from; v < Known; ++v)
        statements << upgrade(v);
    for (const QString &statement : qAsConst(statements)) {
        if (!q.exec(statement)) {
            const QString why = q.lastError().text();
            db.rollback();
            return Result::failed(Result::Code::Offline, why); // the server refused: rights, most often
        }
    }
    return db.commit() ? Result::ok() : Result::failed(Result::Code::Offline, db.lastError().text());
}
