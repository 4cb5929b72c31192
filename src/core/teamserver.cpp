#include "teamserver.h"

#include "teamschema.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace
{
const QString Driver = QStringLiteral("QPSQL");

// A libpq value, quoted so that spaces, quotes and backslashes survive.
QString quoted(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

bool hasKey(const QString &conninfo, const QString &key)
{
    return conninfo.contains(QRegularExpression(QStringLiteral("(^|\\s)%1\\s*=").arg(key)));
}

QVariant textOrNull(const QString &text)
{
    if (text.isEmpty())
        return QVariant(QVariant::String);
    return text;
}

QString summarySelect(const QString &table)
{
    return QStringLiteral("SELECT id, revision, parent, uploader, uploaded, computer, %1 FROM "
                          "quarvex2.%2 WHERE tx >= ?::xid8 ORDER BY id")
        .arg(ArchiveIndex::summaryColumns().join(QLatin1String(", ")), table);
}
} // namespace

TeamServer::TeamServer(const QString &conninfo)
    : m_conninfo(withDefaults(conninfo)),
      m_connection(QStringLiteral("team-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    QSqlDatabase::addDatabase(Driver, m_connection);
}

TeamServer::~TeamServer()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QString TeamServer::withDefaults(const QString &conninfo)
{
    const QString given = conninfo.trimmed();
    if (hasKey(given, QStringLiteral("sslmode")))
        return given;
    return (given + QStringLiteral(" sslmode=verify-full")).trimmed();
}

QString TeamServer::withoutPassword(const QString &conninfo)
{
    QString shown = conninfo;
    shown.remove(QRegularExpression(QStringLiteral("(^|\\s)password\\s*=\\s*('([^'\\\\]|\\\\.)*'|\\S*)")));
    return shown.trimmed();
}

QString TeamServer::revisionOf(const QByteArray &content)
{
    return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
}

QSqlDatabase TeamServer::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

Result TeamServer::failed(const QString &serverText)
{
    const QString text = serverText.trimmed();
    qDebug() << "team server:" << withoutPassword(text);
    QString why;
    if (text.isEmpty()) { // the driver's first word on a connection the server closed
        m_failure = Failure::Unreachable;
        why = tr("connexion coupee");
    } else if (text.contains(QLatin1String("no password supplied"))) {
        m_failure = Failure::PasswordNeeded;
        why = tr("le serveur demande un mot de passe");
    } else if (text.contains(QLatin1String("password authentication failed"))) {
        m_failure = Failure::PasswordRefused;
        why = tr("mot de passe refuse");
    } else if (text.contains(QLatin1String("certificate"), Qt::CaseInsensitive)) {
        m_failure = Failure::Certificate;
        why =
            tr("le certificat du serveur n'est pas verifie : %1").arg(text.section(QLatin1Char('\n'), 0, 0));
    } else if (text.contains(QLatin1String("permission denied"))) {
        m_failure = Failure::Refused;
        why = tr("le serveur refuse : %1").arg(text.section(QLatin1Char('\n'), 0, 0));
    } else {
        m_failure = Failure::Unreachable;
        why = tr("serveur injoignable : %1").arg(text.section(QLatin1Char('\n'), 0, 0));
    }
    return Result::failed(Result::Code::Offline, why);
}

Result TeamServer::run(QSqlQuery &query)
{
    if (query.exec())
        return Result::ok();
    return failed(query.lastError().text());
}

Result TeamServer::open(const QString &password)
{
    QSqlDatabase db = database();
    db.close();
    // The driver passes its connect options to libpq whole: the user's connection string goes there.
    QString conninfo = m_conninfo;
    if (!password.isEmpty())
        conninfo += QStringLiteral(" password=") + quoted(password);
    db.setConnectOptions(conninfo);
    m_failure = Failure::None;
    if (!db.open())
        return failed(db.lastError().databaseText() + QLatin1Char(' ') + db.lastError().driverText());
    QSqlQuery who(QStringLiteral("SELECT current_user"), db);
    if (who.next())
        m_user = who.value(0).toString();
    m_version = TeamSchema::version(db);
    if (m_version < 0)
        return failed(db.lastError().text());
    if (m_version == 0) {
        m_failure = Failure::NoSchema;
        return Result::failed(Result::Code::Offline,
                              tr("le serveur n'a pas d'archive d'equipe : l'administrateur lance "
                                 "\"quarvex2-cli team setup\""));
    }
    if (m_version < TeamSchema::Known && TeamSchema::setup(db))
        m_version = TeamSchema::Known;
    // A newer schema is read as far as this program knows it, and nothing is sent to it; an older one that
    // this role could not upgrade too.
    m_readOnly = m_version != TeamSchema::Known;
    return Result::ok();
}

Result TeamServer::send(const QByteArray &content, const ArchiveEntry &summary, const QString &computer)
{
    QSqlQuery q(database());
    const QStringList columns = ArchiveIndex::summaryColumns();
    q.prepare(QStringLiteral("INSERT INTO quarvex2.documents (revision, parent, content, computer, %1) "
                             "VALUES (?, ?, ?, ?%2) ON CONFLICT (revision) DO NOTHING")
                  .arg(columns.join(QLatin1String(", ")), QStringLiteral(", ?").repeated(columns.size())));
    q.addBindValue(revisionOf(content));
    q.addBindValue(textOrNull(summary.parent));
    q.addBindValue(content);
    q.addBindValue(computer);
    for (const QVariant &value : ArchiveIndex::summaryValues(summary))
        q.addBindValue(value);
    return run(q);
}

Result TeamServer::receive(QString *cursor, QList<ArchiveEntry> *documents, QList<TeamMark> *marks)
{
    QSqlDatabase db = database();
    // One snapshot for the horizon and the rows: a transaction still running when it was taken is newer
    // than the horizon, so its rows come with the next receive even when it commits late.
    if (!db.transaction())
        return failed(db.lastError().text());
    QSqlQuery q(db);
    q.setForwardOnly(true);
    const auto fail = [&] {
        const Result r = failed(q.lastError().text());
        db.rollback();
        return r;
    };
    if (!q.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ")) ||
        !q.exec(QStringLiteral("SELECT pg_snapshot_xmin(pg_current_snapshot())::text")) || !q.next())
        return fail();
    const QString horizon = q.value(0).toString();
    q.prepare(summarySelect(QStringLiteral("documents")));
    q.addBindValue(*cursor);
    if (!q.exec())
        return fail();
    while (q.next()) {
        ArchiveEntry e;
        e.serverId = q.value(0).toLongLong();
        e.revision = q.value(1).toString();
        e.parent = q.value(2).toString();
        e.uploader = q.value(3).toString();
        e.uploaded = q.value(4).toDateTime();
        e.computer = q.value(5).toString();
        ArchiveIndex::takeSummary(&e, q, 6);
        e.readable = !e.record.isEmpty();
        e.versions = 1;
        *documents << e;
    }
    q.prepare(QStringLiteral("SELECT id, record, reference, hidden FROM quarvex2.marks WHERE tx >= ?::xid8 "
                             "ORDER BY id"));
    q.addBindValue(*cursor);
    if (!q.exec())
        return fail();
    while (q.next())
        *marks << TeamMark{q.value(0).toLongLong(), q.value(1).toString().toLatin1(), q.value(2).toString(),
                           q.value(3).toBool()};
    q.finish();
    if (!db.commit())
        return failed(db.lastError().text());
    *cursor = horizon;
    return Result::ok();
}

Result TeamServer::fetch(const QString &revision, QByteArray *content)
{
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT content FROM quarvex2.documents WHERE revision = ?"));
    q.addBindValue(revision);
    const Result asked = run(q);
    if (!asked)
        return asked;
    if (!q.next())
        return Result::failed(Result::Code::RefusedFile, tr("le serveur n'a pas ce document"));
    *content = q.value(0).toByteArray();
    return Result::ok();
}

Result TeamServer::mark(const QByteArray &record, const QString &reference, bool hidden)
{
    QSqlQuery q(database());
    q.prepare(QStringLiteral("INSERT INTO quarvex2.marks (record, reference, hidden) VALUES (?, ?, ?)"));
    q.addBindValue(QString::fromLatin1(record));
    q.addBindValue(textOrNull(reference));
    q.addBindValue(hidden);
    return run(q);
}
