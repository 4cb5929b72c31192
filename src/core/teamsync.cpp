#include "teamsync.h"

#include "archiveindex.h"
#include "measurement.h"
#include "teamserver.h"
#include "teamstore.h"
#include "xmlmesure.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QSysInfo>

namespace
{
QList<ArchiveEntry> localDocuments(const TeamSettings &settings)
{
    ArchiveIndex index(settings.indexFile, settings.dataDir);
    index.update();
    return index.entries();
}

// The data folder's documents that the settings' server does not hold yet, from its copy.
QList<ArchiveEntry> pendingIn(TeamStore &store, const TeamSettings &settings)
{
    store.useServer(TeamServer::withoutPassword(TeamServer::withDefaults(settings.server)));
    return store.pending(localDocuments(settings));
}
} // namespace

QList<ArchiveEntry> TeamSync::teamScope(const QList<ArchiveEntry> &local, const TeamSettings &settings)
{
    return withLocal(teamRows(settings), local);
}

QList<ArchiveEntry> TeamSync::teamRows(const TeamSettings &settings)
{
    return TeamStore(TeamStore::fileFor(settings.indexFile)).entries();
}

QList<ArchiveEntry> TeamSync::withLocal(const QList<ArchiveEntry> &team, const QList<ArchiveEntry> &local)
{
    // A hidden record stays hidden, this computer's copy of it too.
    QSet<QByteArray> known;
    QList<ArchiveEntry> rows;
    for (const ArchiveEntry &e : team) {
        known.insert(e.record);
        if (!e.hidden)
            rows << e;
    }
    for (const ArchiveEntry &e : ArchiveIndex::newestOfEachRecord(local))
        if (!e.readable || !known.contains(e.record))
            rows << e;
    return rows;
}

QString TeamSync::configuredServer(const QString &indexFile)
{
    return TeamStore(TeamStore::fileFor(indexFile)).server();
}

void TeamSync::configureServer(const QString &indexFile, const QString &server)
{
    TeamStore(TeamStore::fileFor(indexFile)).setServer(server);
}

QString TeamSync::lastError(const QString &indexFile)
{
    return TeamStore(TeamStore::fileFor(indexFile)).state(QStringLiteral("error"));
}

int TeamSync::pendingCount(const TeamSettings &settings)
{
    TeamStore store(TeamStore::fileFor(settings.indexFile));
    return int(pendingIn(store, settings).size());
}

TeamOutcome TeamSync::run(const TeamSettings &settings)
{
    TeamOutcome outcome;
    outcome.when = QDateTime::currentDateTime();
    TeamStore store(TeamStore::fileFor(settings.indexFile));
    const QList<ArchiveEntry> pending = pendingIn(store, settings);
    outcome.pending = int(pending.size());

    TeamServer server(settings.server);
    outcome.result = server.open(settings.password);
    outcome.passwordNeeded = server.failure() == TeamServer::Failure::PasswordNeeded ||
                             server.failure() == TeamServer::Failure::PasswordRefused;
    outcome.readOnly = server.readOnly();
    if (outcome.result && !server.readOnly()) {
        const QString computer = QSysInfo::machineHostName();
        for (const ArchiveEntry &e : pending) {
            QFile file(e.path);
            if (!file.open(QIODevice::ReadOnly))
                continue; // gone since the index was read: the next sync sees it
            const QByteArray content = file.readAll();
            outcome.result = server.send(content, e, computer);
            if (!outcome.result)
                break;
            store.markSent(e, TeamServer::revisionOf(content));
            ++outcome.sent;
            --outcome.pending;
        }
    }
    if (outcome.result) {
        QString cursor = store.cursor();
        QList<ArchiveEntry> documents;
        QList<TeamMark> marks;
        outcome.result = server.receive(&cursor, &documents, &marks);
        if (outcome.result && !store.take(documents, marks, cursor))
            outcome.result =
                Result::failed(Result::Code::RefusedFile, tr("La copie locale de l'archive "
                                                             "d'equipe n'a pas pu etre ecrite."));
        if (outcome.result)
            outcome.received = int(documents.size());
    }
    if (outcome.result && server.readOnly())
        outcome.result = Result::failed(
            Result::Code::Offline,
            tr("schema du serveur plus recent (version %1) : lecture seule").arg(server.schemaVersion()));
    store.setState(QStringLiteral("error"), outcome.result.reason);
    if (outcome.result)
        store.setState(QStringLiteral("synced"), outcome.when.toString(Qt::ISODate));
    qDebug() << "team sync:" << outcome.sent << "sent," << outcome.received << "received," << outcome.pending
             << "to send" << outcome.result.reason;
    return outcome;
}

Result TeamSync::fetch(const TeamSettings &settings, const QString &revision, QString *path)
{
    const QString storeFile = TeamStore::fileFor(settings.indexFile);
    const QString folder = TeamStore::cacheFolder(storeFile);
    *path = folder + revision + QStringLiteral(".qv2");
    if (!QFileInfo::exists(*path)) {
        TeamServer server(settings.server);
        QByteArray content;
        Result r = server.open(settings.password);
        if (r)
            r = server.fetch(revision, &content);
        if (!r)
            return r;
        if (TeamServer::revisionOf(content) != revision)
            return Result::failed(Result::Code::RefusedFile, tr("Le document recu ne correspond pas a sa "
                                                                "revision."));
        QDir().mkpath(folder);
        QSaveFile file(*path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
            return Result::failed(Result::Code::RefusedFile, file.errorString());
        QFile::setPermissions(*path,
                              QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
    Measurement m;
    if (XmlMesure::summary(*path, &m))
        return Result::ok();
    TeamStore store(storeFile);
    store.setUnreadable(revision);
    QString uploader;
    for (const ArchiveEntry &e : store.entries())
        if (e.revision == revision)
            uploader = e.uploader;
    return Result::failed(
        Result::Code::RefusedFile,
        tr("Le document envoye par %1 ne se lit pas comme un document de mesure.").arg(uploader));
}

QString TeamSync::readOnlyNote(bool readOnly)
{
    if (!readOnly)
        return QString();
    return tr(" (lecture seule)");
}

QString TeamSync::sender(const ArchiveEntry &entry)
{
    if (entry.versions > 1)
        return tr("%1 (%2 versions)").arg(entry.uploader).arg(entry.versions);
    return entry.uploader;
}

QString TeamSync::status(const TeamOutcome &outcome)
{
    if (outcome.readOnly)
        return tr("Equipe : %1").arg(outcome.result.reason);
    if (!outcome.result && outcome.result.code == Result::Code::Offline)
        return tr("Equipe : hors ligne (%1)").arg(outcome.result.reason);
    if (!outcome.result)
        return tr("Equipe : %1").arg(outcome.result.reason);
    if (outcome.pending > 0)
        return tr("Equipe : %n documents a envoyer", nullptr, outcome.pending);
    return tr("Equipe : a jour (%1)").arg(outcome.when.toString(QStringLiteral("HH:mm")));
}

void TeamSync::sync(const TeamSettings &settings)
{
    TeamOutcome outcome = run(settings);
    // Read here, not in the window: a large team archive takes seconds to read.
    const QString of = settings.indexFile + QLatin1Char('\n') + settings.server;
    if (outcome.received > 0 || outcome.sent > 0 || m_rowsOf != of) {
        outcome.rows = std::make_shared<const QList<ArchiveEntry>>(teamRows(settings));
        m_rowsOf = of;
    }
    emit finished(outcome);
}
