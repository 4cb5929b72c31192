#include "teamstore.h"

#include "constants.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <algorithm>

namespace
{
constexpr int Layout = 2; // raised whenever a table changes: an older copy is made anew and received again
// The team row's own columns; the summary's (the record among them) follow.
const QString TeamColumns = QStringLiteral("id, revision, parent, uploader, uploaded, computer, readable");
constexpr int TeamColumnCount = 7;

QString serverKey()
{
    return QStringLiteral("synced-server");
}

// Whether a revision was edited, directly or through others, from `ancestor`.
bool descends(const QHash<QString, QString> &parentOf, QString revision, const QString &ancestor)
{
    for (int steps = 0; !revision.isEmpty() && steps <= parentOf.size(); ++steps) {
        if (revision == ancestor)
            return true;
        revision = parentOf.value(revision);
    }
    return false;
}

// The revision a record shows, of its revisions by server number, and its number of versions: the heads
// (revisions nobody edited further) make the versions; a reviewer's reference sets aside the heads that
// were there when it was marked and do not come from it.
ArchiveEntry choose(const QList<ArchiveEntry> &revisions, const TeamMark &mark)
{
    if (revisions.size() == 1) // most records: nothing to choose
        return revisions.first();
    QHash<QString, QString> parentOf;
    QSet<QString> parents;
    for (const ArchiveEntry &e : revisions) {
        parentOf.insert(e.revision, e.parent);
        parents.insert(e.parent);
    }
    QList<int> heads;
    for (int i = 0; i < revisions.size(); ++i) {
        const ArchiveEntry &e = revisions[i];
        const bool setAside = !mark.reference.isEmpty() && e.serverId < mark.serverId &&
                              !descends(parentOf, e.revision, mark.reference);
        if (!parents.contains(e.revision) && !setAside)
            heads << i;
    }
    ArchiveEntry shown = revisions[heads.isEmpty() ? revisions.size() - 1 : heads.last()];
    shown.versions = std::max(1, int(heads.size()));
    return shown;
}

ArchiveEntry entryOf(const QSqlQuery &q)
{
    ArchiveEntry e;
    e.serverId = q.value(0).toLongLong();
    e.revision = q.value(1).toString();
    e.parent = q.value(2).toString();
    e.uploader = q.value(3).toString();
    e.uploaded = QDateTime::fromMSecsSinceEpoch(q.value(4).toLongLong());
    e.computer = q.value(5).toString();
    e.readable = q.value(6).toBool();
    ArchiveIndex::takeSummary(&e, q, TeamColumnCount);
    e.versions = 1;
    return e;
}
} // namespace

TeamStore::TeamStore(const QString &file)
    : m_connection(QStringLiteral("team-store-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(file);
    if (!db.open()) {
        db.setDatabaseName(QStringLiteral(":memory:"));
        db.open();
    }
    QSqlQuery version(QStringLiteral("PRAGMA user_version"), db);
    if (version.next() && version.value(0).toInt() == Layout)
        return;
    version.finish();
    const QString summary = ArchiveIndex::summaryColumns().join(QLatin1String(", "));
    for (const QString &statement :
         {QStringLiteral("DROP TABLE IF EXISTS sent"), QStringLiteral("DROP TABLE IF EXISTS team"),
          QStringLiteral("DROP TABLE IF EXISTS marks"), QStringLiteral("DROP TABLE IF EXISTS state"),
          QStringLiteral("CREATE TABLE sent (path TEXT PRIMARY KEY, mtime INTEGER, revision TEXT)"),
          QStringLiteral("CREATE TABLE team (%1, %2, PRIMARY KEY (revision))").arg(TeamColumns, summary),
          QStringLiteral("CREATE INDEX team_record ON team (record, id)"),
          QStringLiteral("CREATE TABLE marks (id INTEGER PRIMARY KEY, record TEXT, reference TEXT, hidden "
                         "INTEGER)"),
          QStringLiteral("CREATE TABLE state (key TEXT PRIMARY KEY, value TEXT)"),
          QStringLiteral("PRAGMA user_version = %1").arg(Layout)})
        exec(statement);
}

TeamStore::~TeamStore()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

QString TeamStore::fileFor(const QString &indexFile)
{
    const QFileInfo index(indexFile);
    return index.absolutePath() + QLatin1Char('/') +
           index.fileName().replace(QLatin1String("archive"), QLatin1String("team"));
}

QString TeamStore::cacheFolder(const QString &storeFile)
{
    return QFileInfo(storeFile).absolutePath() + QLatin1Char('/') + QLatin1String(Qvx2::TeamFolder);
}

bool TeamStore::exec(const QString &statement, const QVariantList &values)
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(statement);
    for (const QVariant &value : values)
        q.addBindValue(value);
    return q.exec();
}

QString TeamStore::state(const QString &key) const
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT value FROM state WHERE key = ?"));
    q.addBindValue(key);
    return q.exec() && q.next() ? q.value(0).toString() : QString();
}

void TeamStore::setState(const QString &key, const QString &value)
{
    exec(QStringLiteral("INSERT OR REPLACE INTO state (key, value) VALUES (?, ?)"), {key, value});
}

QString TeamStore::server() const
{
    return state(QStringLiteral("server"));
}

void TeamStore::setServer(const QString &conninfo)
{
    setState(QStringLiteral("server"), TeamServer::withoutPassword(conninfo));
}

void TeamStore::useServer(const QString &server)
{
    if (state(serverKey()) == server)
        return;
    for (const char *table : {"sent", "team", "marks"})
        exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    setState(QStringLiteral("cursor"), QString());
    setState(serverKey(), server);
}

QList<ArchiveEntry> TeamStore::pending(const QList<ArchiveEntry> &local)
{
    QHash<QString, QPair<qint64, QString>> sent; // path -> modification time, revision
    QSqlQuery q(QStringLiteral("SELECT path, mtime, revision FROM sent"),
                QSqlDatabase::database(m_connection));
    while (q.next())
        sent.insert(q.value(0).toString(), {q.value(1).toLongLong(), q.value(2).toString()});
    QList<ArchiveEntry> list;
    for (ArchiveEntry e : local) {
        const auto found = sent.constFind(e.path);
        if (!e.readable || (found != sent.constEnd() && found->first == e.modified))
            continue;
        e.parent = found != sent.constEnd() ? found->second : QString();
        list << e;
    }
    return list;
}

void TeamStore::markSent(const ArchiveEntry &local, const QString &revision)
{
    // A file saved again unchanged keeps the revision it was edited from.
    exec(QStringLiteral("INSERT OR REPLACE INTO sent (path, mtime, revision) VALUES (?, ?, ?)"),
         {local.path, local.modified, revision});
}

QString TeamStore::cursor() const
{
    const QString c = state(QStringLiteral("cursor"));
    return c.isEmpty() ? QStringLiteral("0") : c;
}

bool TeamStore::take(const QList<ArchiveEntry> &documents, const QList<TeamMark> &marks,
                     const QString &cursor)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    db.transaction();
    const QStringList summary = ArchiveIndex::summaryColumns();
    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT OR IGNORE INTO team (%1, %2) VALUES (?%3)")
                       .arg(TeamColumns, summary.join(QLatin1String(", ")),
                            QStringLiteral(", ?").repeated(TeamColumnCount - 1 + summary.size())));
    for (const ArchiveEntry &e : documents) {
        const QVariantList values =
            QVariantList{e.serverId, e.revision, e.parent, e.uploader, e.uploaded.toMSecsSinceEpoch(),
                         e.computer, e.readable} +
            ArchiveIndex::summaryValues(e);
        for (const QVariant &value : values)
            insert.addBindValue(value);
        insert.exec();
    }
    QSqlQuery mark(db);
    mark.prepare(
        QStringLiteral("INSERT OR IGNORE INTO marks (id, record, reference, hidden) VALUES (?, ?, ?, ?)"));
    for (const TeamMark &m : marks) {
        for (const QVariant &value :
             QVariantList{m.serverId, QString::fromLatin1(m.record), m.reference, m.hidden})
            mark.addBindValue(value);
        mark.exec();
    }
    setState(QStringLiteral("cursor"), cursor);
    return db.commit();
}

void TeamStore::setUnreadable(const QString &revision)
{
    exec(QStringLiteral("UPDATE team SET readable = 0 WHERE revision = ?"), {revision});
}

QByteArray TeamStore::recordOf(const QString &revision)
{
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("SELECT record FROM team WHERE revision = ?"));
    q.addBindValue(revision);
    return q.exec() && q.next() ? q.value(0).toString().toLatin1() : QByteArray();
}

QList<ArchiveEntry> TeamStore::entries()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // The last mark of each record.
    QHash<QByteArray, TeamMark> marks;
    QSqlQuery m(QStringLiteral("SELECT id, record, reference, hidden FROM marks ORDER BY id"), db);
    while (m.next())
        marks.insert(m.value(1).toString().toLatin1(),
                     TeamMark{m.value(0).toLongLong(), {}, m.value(2).toString(), m.value(3).toBool()});
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT %1, %2 FROM team ORDER BY record, id")
               .arg(TeamColumns, ArchiveIndex::summaryColumns().join(QLatin1String(", "))));
    QList<ArchiveEntry> list;
    QList<ArchiveEntry> group;
    const auto settle = [&] {
        if (group.isEmpty())
            return;
        const TeamMark mark = marks.value(group.first().record);
        list << choose(group, mark);
        list.last().hidden = mark.hidden;
        group.clear();
    };
    while (q.next()) {
        ArchiveEntry e = entryOf(q);
        if (!e.readable) {
            list << e;
            continue;
        }
        if (!group.isEmpty() && group.first().record != e.record)
            settle();
        group << e;
    }
    settle();
    return list;
}
