#include "teamschema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <iterator>

const char *const TeamSchema::Technician = "quarvex2_technician";
const char *const TeamSchema::Reviewer = "quarvex2_reviewer";

namespace
{
// The statements of an SQL text, one per line ending with ';'. %1 is the technicians' role, %2 the
// reviewers'.
QStringList statements(const char *sql)
{
    QStringList list;
    for (const QString &statement :
         QString::fromLatin1(sql)
             .arg(QLatin1String(TeamSchema::Technician), QLatin1String(TeamSchema::Reviewer))
             .split(QStringLiteral(";\n"), Qt::SkipEmptyParts))
        if (!statement.trimmed().isEmpty())
            list << statement.simplified();
    return list;
}

// The group roles, made only where they do not exist yet: a second setup changes nothing.
const char Roles[] = R"(
DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = '%1') THEN CREATE ROLE %1 NOLOGIN; END IF; END $$;
DO $$ BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = '%2') THEN CREATE ROLE %2 NOLOGIN; END IF; END $$;
GRANT %1 TO %2;
)";

// Version 1: the documents, the reviewers' marks, one sequence numbering both, and the rights. tx is the
// inserting transaction, by which a laptop receives what is new (never by clocks); the uploader, the time
// and tx are the server's, whatever the client sends.
const char Version1[] = R"(
CREATE SCHEMA IF NOT EXISTS quarvex2;
CREATE TABLE quarvex2.schema_version (version integer NOT NULL);
INSERT INTO quarvex2.schema_version VALUES (0);
CREATE SEQUENCE quarvex2.seq;
CREATE TABLE quarvex2.documents (id bigint PRIMARY KEY DEFAULT nextval('quarvex2.seq'), tx xid8 NOT NULL,
  record text NOT NULL, revision text NOT NULL UNIQUE, parent text, content bytea NOT NULL,
  uploader name NOT NULL, uploaded timestamptz NOT NULL, computer text NOT NULL DEFAULT '', date text,
  substation text, transformer text, site_code text, hv_voltage text, lv_voltage text, gamme text,
  passed integer, ra double precision, rb double precision, rc double precision, rmean double precision,
  deviation double precision, downloaddate boolean);
CREATE INDEX documents_tx ON quarvex2.documents (tx);
CREATE TABLE quarvex2.marks (id bigint PRIMARY KEY DEFAULT nextval('quarvex2.seq'), tx xid8 NOT NULL,
  record text NOT NULL, reference text, hidden boolean NOT NULL DEFAULT false, uploader name NOT NULL,
  uploaded timestamptz NOT NULL);
CREATE INDEX marks_tx ON quarvex2.marks (tx);
CREATE FUNCTION quarvex2.stamp() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN NEW.tx := pg_current_xact_id(); NEW.uploader := current_user; NEW.uploaded := now(); RETURN NEW; END $$;
CREATE TRIGGER stamp BEFORE INSERT ON quarvex2.documents FOR EACH ROW EXECUTE FUNCTION quarvex2.stamp();
CREATE TRIGGER stamp BEFORE INSERT ON quarvex2.marks FOR EACH ROW EXECUTE FUNCTION quarvex2.stamp();
ALTER TABLE quarvex2.documents ENABLE ROW LEVEL SECURITY;
ALTER TABLE quarvex2.marks ENABLE ROW LEVEL SECURITY;
CREATE POLICY read_all ON quarvex2.documents FOR SELECT TO %1 USING (true);
CREATE POLICY add_own ON quarvex2.documents FOR INSERT TO %1 WITH CHECK (uploader = current_user);
CREATE POLICY read_all ON quarvex2.marks FOR SELECT TO %1 USING (true);
CREATE POLICY add_own ON quarvex2.marks FOR INSERT TO %2 WITH CHECK (uploader = current_user);
GRANT USAGE ON SCHEMA quarvex2 TO %1;
GRANT SELECT ON quarvex2.schema_version TO %1;
GRANT SELECT, INSERT ON quarvex2.documents TO %1;
GRANT SELECT ON quarvex2.marks TO %1;
GRANT INSERT ON quarvex2.marks TO %2;
GRANT USAGE ON SEQUENCE quarvex2.seq TO %1;
)";

// Each version's SQL, the first bringing a server without schema to version 1.
const char *const Upgrades[] = {Version1};
static_assert(std::size(Upgrades) == TeamSchema::Known, "an upgrade for each version");
} // namespace

QStringList TeamSchema::upgrade(int from)
{
    if (from < 0 || from >= int(std::size(Upgrades)))
        return {};
    return statements(Upgrades[from])
           << QStringLiteral("UPDATE quarvex2.schema_version SET version = %1").arg(from + 1);
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
    QStringList all = statements(Roles);
    for (int v = from; v < Known; ++v)
        all << upgrade(v);
    for (const QString &statement : qAsConst(all)) {
        if (!q.exec(statement)) {
            const QString why = q.lastError().text();
            db.rollback();
            return Result::failed(Result::Code::Offline, why); // the server refused: rights, most often
        }
    }
    return db.commit() ? Result::ok() : Result::failed(Result::Code::Offline, db.lastError().text());
}
