#include "archiveindex.h"

#include "identification.h"
#include "ratioevaluation.h"
#include "xmlmesure.h"

#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QUuid>
#include <QVariant>

#include <atomic>
#include <cmath>
#include <limits>
#include <thread>
#include <vector>

namespace
{
constexpr double None = std::numeric_limits<double>::quiet_NaN();
// The identification the index keeps, each in a column named by the identification table's key.
struct Kept {
    const char *key;
    QString ArchiveEntry::*entry;
};
const Kept KeptFields[] = {{"substation", &ArchiveEntry::poste},
                           {"transformer", &ArchiveEntry::numTransfo},
                           {"site_code", &ArchiveEntry::codeGdo},
                           {"hv_voltage", &ArchiveEntry::tensionHt},
                           {"lv_voltage", &ArchiveEntry::tensionBt}};

// Every column, in the order the statements bind and read them: the file's, then the record's.
QStringList columns()
{
    return QStringList{QStringLiteral("path"), QStringLiteral("size"), QStringLiteral("mtime"),
                       QStringLiteral("readable")} +
           ArchiveIndex::summaryColumns();
}

// The table anew; the layout number goes with it.
QStringList schema()
{
    QStringList typed;
    for (const QString &column : columns()) {
        const bool number =
            QStringList{"size", "mtime", "readable", "passed", "downloaddate"}.contains(column);
        const bool real = QStringList{"ra", "rb", "rc", "rmean", "deviation"}.contains(column);
        typed << column + (column == QLatin1String("path") ? QStringLiteral(" TEXT PRIMARY KEY")
                           : number                        ? QStringLiteral(" INTEGER")
                           : real                          ? QStringLiteral(" REAL")
                                                           : QStringLiteral(" TEXT"));
    }
    return {QStringLiteral("DROP TABLE IF EXISTS files"),
            QStringLiteral("CREATE TABLE files (%1)").arg(typed.join(QLatin1String(", "))),
            QStringLiteral("PRAGMA user_version = %1").arg(ArchiveIndex::Layout)};
}

QVariant numberOrNull(double value)
{
    return std::isnan(value) ? QVariant() : QVariant(value);
}

// A date as the tables keep it (yyyy-MM-dd), read without the general parser: an archive reads many.
QDate isoDate(const QString &text)
{
    if (text.size() != 10 || text[4] != QLatin1Char('-') || text[7] != QLatin1Char('-'))
        return QDate();
    return QDate(text.midRef(0, 4).toInt(), text.midRef(5, 2).toInt(), text.midRef(8, 2).toInt());
}

double numberOf(const QVariant &value)
{
    return value.isNull() ? None : value.toDouble();
}
} // namespace

ArchiveIndex::ArchiveIndex(const QString &indexFile, const QString &dataDir)
    : m_indexFile(indexFile), m_dataDir(QDir(dataDir).absolutePath()),
      m_connection(QStringLiteral("archive-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
}

ArchiveIndex::~ArchiveIndex()
{
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

bool ArchiveIndex::open()
{
    if (m_open)
        return true;
    QDir().mkpath(QFileInfo(m_indexFile).absolutePath());
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    // The file; the file anew when it is not a database (it only indexes files that are still there); and
    // where no file can be made, an index in memory for this session: the archive still lists everything.
    for (const QString &name : {m_indexFile, m_indexFile, QStringLiteral(":memory:")}) {
        db.setDatabaseName(name);
        QSqlQuery version(db);
        if (db.open() && version.exec(QStringLiteral("PRAGMA user_version")) && version.next()) {
            const int layout = version.value(0).toInt();
            version.finish(); // a statement left open would lock the table against the rebuild
            m_open = true;
            if (layout != Layout) { // an older layout, or a new file: the table is made anew
                QSqlQuery q(db);
                for (const QString &statement : schema())
                    m_open = m_open && q.exec(statement);
                m_rebuilt = true;
            }
            return m_open;
        }
        qDebug() << "archive index not opened:" << name << db.lastError().text();
        db.close();
        QFile::remove(name);
    }
    return false;
}

QStringList ArchiveIndex::summaryColumns()
{
    QStringList list{QStringLiteral("date")};
    for (const Kept &k : KeptFields)
        list << QLatin1String(k.key);
    return list << QStringLiteral("gamme") << QStringLiteral("passed") << QStringLiteral("ra")
                << QStringLiteral("rb") << QStringLiteral("rc") << QStringLiteral("rmean")
                << QStringLiteral("deviation") << QStringLiteral("record") << QStringLiteral("downloaddate");
}

QVariantList ArchiveIndex::summaryValues(const ArchiveEntry &e)
{
    QVariantList values{e.date.toString(Qt::ISODate)};
    for (const Kept &k : KeptFields)
        values << e.*k.entry;
    values << e.gamme << e.passed;
    for (double ratio : e.ratios)
        values << numberOrNull(ratio);
    return values << numberOrNull(e.deviation) << QString::fromLatin1(e.record) << e.dateIsDownload;
}

void ArchiveIndex::takeSummary(ArchiveEntry *e, const QSqlQuery &q, int first)
{
    const auto next = [&q, &first] { return q.value(first++); };
    e->date = isoDate(next().toString());
    for (const Kept &k : KeptFields)
        e->*k.entry = next().toString();
    e->gamme = next().toString();
    e->passed = next().toInt();
    for (double &ratio : e->ratios)
        ratio = numberOf(next());
    e->deviation = numberOf(next());
    e->record = next().toString().toLatin1();
    e->dateIsDownload = next().toBool();
}

ArchiveEntry ArchiveIndex::read(const QString &path)
{
    ArchiveEntry e;
    e.path = path;
    e.ratios.fill(None);
    e.deviation = None;
    Measurement m;
    e.readable = XmlMesure::summary(path, &m);
    if (!e.readable)
        return e;
    e.record = m.recordId();
    e.date = m.date;
    e.dateIsDownload = m.dateIsDownload;
    for (const Kept &k : KeptFields)
        e.*k.entry = m.*Identification::byKey(QLatin1String(k.key))->member;
    e.gamme = m.gamme;
    for (int i = 0; i < Qvx2::TestCount; ++i)
        e.passed += m.passed(i) ? 1 : 0;
    for (size_t i = 0; i < e.ratios.size(); ++i)
        e.ratios[i] = m.ratios[i].value_or(None);
    const RatioEvaluation::Deviation mean = RatioEvaluation::of(m, Qvx2::RatioTolerancePercent).deviations[3];
    e.deviation = mean.valid ? mean.percent : None;
    return e;
}

bool ArchiveIndex::update(const std::function<bool(int, int)> &progress)
{
    if (!open())
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QHash<QString, QPair<qint64, qint64>> known; // path -> size, modification time
    QSqlQuery all(QStringLiteral("SELECT path, size, mtime FROM files"), db);
    while (all.next())
        known.insert(all.value(0).toString(), {all.value(1).toLongLong(), all.value(2).toLongLong()});

    QList<QFileInfo> changed;
    QDirIterator it(m_dataDir, {QStringLiteral("*.qv2")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const auto stamp = qMakePair(info.size(), info.lastModified().toMSecsSinceEpoch());
        const auto found = known.find(info.absoluteFilePath());
        if (found == known.end() || found.value() != stamp)
            changed << info;
        if (found != known.end())
            known.erase(found);
    }

    db.transaction();
    QSqlQuery remove(db);
    remove.prepare(QStringLiteral("DELETE FROM files WHERE path = ?"));
    for (auto gone = known.cbegin(); gone != known.cend(); ++gone) {
        remove.addBindValue(gone.key());
        remove.exec();
    }
    QSqlQuery insert(db);
    insert.prepare(
        QStringLiteral("INSERT OR REPLACE INTO files (%1) VALUES (?%2)")
            .arg(columns().join(QLatin1String(", ")), QStringLiteral(", ?").repeated(columns().size() - 1)));
    // The documents are read on every core; the rows go in from this thread, the index's own.
    QVector<ArchiveEntry> read(changed.size());
    std::atomic<int> next{0}, done{0};
    std::atomic<bool> going{true};
    auto readSome = [&](bool reporting) {
        for (int i = next++; i < changed.size() && going; i = next++) {
            read[i] = ArchiveIndex::read(changed[i].absoluteFilePath());
            const int finished = ++done;
            if (reporting && progress && !progress(finished, int(changed.size())))
                going = false;
        }
    };
    std::vector<std::thread> helpers;
    for (int w = 1; w < QThread::idealThreadCount(); ++w)
        helpers.emplace_back(readSome, false);
    readSome(true);
    for (std::thread &helper : helpers)
        helper.join();
    if (progress && going)
        progress(done, int(changed.size())); // the last of the helpers' too
    for (int i = 0; i < changed.size(); ++i) {
        const QFileInfo &info = changed[i];
        const ArchiveEntry &e = read[i];
        if (e.path.isEmpty())
            continue; // not read: the update was stopped
        const QVariantList values =
            QVariantList{e.path, info.size(), info.lastModified().toMSecsSinceEpoch(), e.readable} +
            summaryValues(e);
        for (const QVariant &value : qAsConst(values))
            insert.addBindValue(value);
        insert.exec();
    }
    return db.commit();
}

QList<ArchiveEntry> ArchiveIndex::entries()
{
    QList<ArchiveEntry> list;
    if (!open())
        return list;
    QSqlQuery q(QStringLiteral("SELECT %1 FROM files ORDER BY path").arg(columns().join(QLatin1String(", "))),
                QSqlDatabase::database(m_connection, false));
    while (q.next()) {
        ArchiveEntry e;
        int column = 0;
        const auto next = [&q, &column] { return q.value(column++); };
        e.path = next().toString();
        next(); // the size
        e.modified = next().toLongLong();
        e.readable = next().toBool();
        takeSummary(&e, q, column);
        list << e;
    }
    return list;
}

QList<ArchiveEntry> ArchiveIndex::newestOfEachRecord(const QList<ArchiveEntry> &entries)
{
    QHash<QByteArray, int> newest; // record -> index of its newest document in entries
    for (int i = 0; i < entries.size(); ++i) {
        const ArchiveEntry &e = entries[i];
        if (!e.readable)
            continue;
        const auto found = newest.find(e.record);
        if (found == newest.end())
            newest.insert(e.record, i);
        else if (e.modified > entries[found.value()].modified)
            found.value() = i;
    }
    QList<ArchiveEntry> list;
    for (int i = 0; i < entries.size(); ++i)
        if (!entries[i].readable || newest.value(entries[i].record) == i)
            list << entries[i];
    return list;
}
