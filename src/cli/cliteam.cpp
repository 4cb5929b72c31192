#include "cliteam.h"

#include "teamschema.h"
#include "teamserver.h"
#include "teamstore.h"

#include <QJsonArray>

CliTeam::CliTeam(Cli::Context &context, QObject *parent)
    : QObject(parent), m_context(context), m_out(*context.out)
{
}

bool CliTeam::isTeamCommand(const QStringList &arguments)
{
    const QString sub = arguments.value(0);
    if (sub == QLatin1String("setup") || sub == QLatin1String("status"))
        return arguments.size() == 1;
    return (sub == QLatin1String("reference") || sub == QLatin1String("hide")) && arguments.size() == 2;
}

TeamSettings CliTeam::settings() const
{
    return {m_context.server, QString(), m_context.documents(), m_context.indexFile};
}

bool CliTeam::hasServer(const Cli::Context &context)
{
    if (!context.server.isEmpty())
        return true;
    context.out->error(
        tr("Aucun serveur d'equipe : --server CONNINFO, ou le dialogue Equipe de la fenetre."));
    return false;
}

int CliTeam::sync()
{
    if (!hasServer(m_context))
        return Cli::Usage;
    const TeamOutcome outcome = TeamSync::run(settings());
    m_out.line(tr("Envoyes : %1, recus : %2, a envoyer : %3")
                   .arg(outcome.sent)
                   .arg(outcome.received)
                   .arg(outcome.pending));
    QJsonObject &doc = m_out.document();
    doc.insert(QStringLiteral("sent"), outcome.sent);
    doc.insert(QStringLiteral("received"), outcome.received);
    doc.insert(QStringLiteral("pending"), outcome.pending);
    if (!outcome.result) {
        m_out.error(TeamSync::status(outcome));
        return Cli::exitOf(outcome.result);
    }
    return outcome.pending == 0 ? Cli::Done : Cli::Partly;
}

int CliTeam::team(const QStringList &arguments)
{
    if (!hasServer(m_context))
        return Cli::Usage;
    const QString sub = arguments.first();
    if (sub == QLatin1String("setup"))
        return setup();
    if (sub == QLatin1String("status"))
        return status();
    return mark(arguments.value(1), sub == QLatin1String("hide"));
}

int CliTeam::setup()
{
    TeamServer server(m_context.server);
    Result r = server.open();
    if (!r && server.failure() == TeamServer::Failure::NoSchema)
        r = Result::ok(); // what setup is for
    if (r) {
        QSqlDatabase db = server.database();
        r = TeamSchema::setup(db);
    }
    if (!r) {
        m_out.error(tr("Le schema n'a pas ete installe : %1").arg(r.reason));
        return Cli::exitOf(r);
    }
    m_out.line(tr("Archive d'equipe prete (schema version %1). Un technicien : CREATE ROLE tech1 LOGIN; "
                  "GRANT %2 TO tech1;")
                   .arg(TeamSchema::Known)
                   .arg(QLatin1String(TeamSchema::Technician)));
    return Cli::Done;
}

int CliTeam::status()
{
    TeamServer server(m_context.server);
    const Result r = server.open();
    const int pending = TeamSync::pendingCount(settings());
    const QString synced = TeamStore(TeamStore::fileFor(m_context.indexFile)).state(QStringLiteral("synced"));
    m_out.line(
        tr("Serveur : %1").arg(TeamServer::withoutPassword(TeamServer::withDefaults(m_context.server))));
    if (r)
        m_out.line(tr("Connexion : oui, role %1, schema version %2%3")
                       .arg(server.user())
                       .arg(server.schemaVersion())
                       .arg(TeamSync::readOnlyNote(server.readOnly())));
    else
        m_out.line(tr("Connexion : non (%1)").arg(r.reason));
    m_out.line(tr("A envoyer : %1").arg(pending));
    m_out.line(tr("Derniere synchronisation : %1").arg(synced.isEmpty() ? tr("jamais") : synced));
    QJsonObject &doc = m_out.document();
    doc.insert(QStringLiteral("connected"), r.done());
    doc.insert(QStringLiteral("role"), server.user());
    doc.insert(QStringLiteral("schema"), server.schemaVersion());
    doc.insert(QStringLiteral("read_only"), server.readOnly());
    doc.insert(QStringLiteral("pending"), pending);
    doc.insert(QStringLiteral("synced"), synced);
    if (!r)
        m_out.error(r.reason);
    return Cli::exitOf(r);
}

int CliTeam::mark(const QString &subject, bool hide)
{
    // A reference names a revision; its record is the one it belongs to in this computer's copy.
    const QByteArray record =
        hide ? subject.toLatin1() : TeamStore(TeamStore::fileFor(m_context.indexFile)).recordOf(subject);
    if (record.isEmpty()) {
        m_out.error(tr("Revision inconnue : %1 (quarvex2-cli sync d'abord).").arg(subject));
        return Cli::RefusedFile;
    }
    TeamServer server(m_context.server);
    Result r = server.open();
    if (r)
        r = server.mark(record, hide ? QString() : subject, hide);
    if (!r) {
        m_out.error(r.reason);
        return Cli::exitOf(r);
    }
    return Cli::Done;
}
