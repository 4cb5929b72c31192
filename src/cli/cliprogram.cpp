#include "cliprogram.h"

#include "apppaths.h"
#include "clidocuments.h"
#include "cliinstrument.h"
#include "cliteam.h"
#include "teamsync.h"
#include "xmlconf.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <csignal>
#include <unistd.h>

namespace
{
const QStringList Languages{QStringLiteral("fr"), QStringLiteral("en"), QStringLiteral("ng"),
                            QStringLiteral("sv"), QStringLiteral("ru")};

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
    (void)written;
}

// The value of a global option given before the command ("--lang en" or "--lang=en").
QString globalValue(const QStringList &arguments, const QString &option)
{
    static const QStringList withValue{QStringLiteral("--port"), QStringLiteral("--data"),
                                       QStringLiteral("--lang"), QStringLiteral("--server")};
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (!a.startsWith(QLatin1String("--")))
            break; // the command: what follows is its own
        if (a == option)
            return arguments.value(i + 1);
        if (a.startsWith(option + QLatin1Char('=')))
            return a.mid(option.size() + 1);
        if (withValue.contains(a))
            ++i;
    }
    return QString();
}
} // namespace

const CliProgram::Command CliProgram::Commands[] = {
    {"ports", "", QT_TR_NOOP("les ports serie, l'adaptateur de chacun et celui qui repond en QUARVEN 2"), 0,
     0, false},
    {"info", "", QT_TR_NOOP("les lignes d'information de l'appareil (numero de serie, firmware)"), 0, 0,
     false},
    {"params", "[get NAME | set NAME VALUE]",
     QT_TR_NOOP("les parametres ; une ecriture est verifiee par son echo et enregistree dans l'appareil"), 0,
     3, false},
    {"erase", "--yes", QT_TR_NOOP("efface les enregistrements de l'appareil (refuse sans --yes)"), 0, 0,
     true},
    {"patch", "FILE", QT_TR_NOOP("applique un fichier de patch, un resultat par ligne"), 1, 1, false},
    {"download", "N|all",
     QT_TR_NOOP("enregistre des documents dans DIR/Data/ comme Telecharger tout (N : 1 le dernier a 10)"), 1,
     1, false},
    {"watch", "",
     QT_TR_NOOP(
         "attend un appareil et telecharge ses enregistrements a chaque branchement, jusqu'a SIGINT ou "
         "SIGTERM"),
     0, 0, false},
    {"firmware", "FILE --yes", QT_TR_NOOP("met a jour le firmware de l'appareil (refuse sans --yes)"), 1, 1,
     true},
    {"export", "pdf|csv|png|svg DOC... [--out DIR]",
     QT_TR_NOOP("exporte chaque document comme la fenetre, un fichier par document"), 2, -1, false},
    {"archive", "[--filter TEXT] [--scope local|team]",
     QT_TR_NOOP("les lignes de l'index des archives, mis a jour d'abord ; team : celles de l'equipe"), 0, 0,
     false},
    {"trend", "SUBSTATION TRANSFORMER [--scope local|team]",
     QT_TR_NOOP("les rapports d'un transformateur par date"), 2, 2, false},
    {"sync", "",
     QT_TR_NOOP(
         "envoie au serveur d'equipe les documents de Data/ qu'il n'a pas, puis recoit ceux de l'equipe"),
     0, 0, false},
    {"team", "setup|status|reference REVISION|hide RECORD",
     QT_TR_NOOP("installe le schema (administrateur), l'etat de la connexion, ou une marque de relecteur"), 1,
     2, false},
};

CliProgram::CliProgram(const QStringList &arguments, QObject *parent)
    : QObject(parent), m_arguments(arguments), m_out(false)
{
    m_context.out = &m_out;
}

CliProgram::~CliProgram()
{
    if (m_signals) {
        ::close(g_signalPipe[0]);
        ::close(g_signalPipe[1]);
    }
}

bool CliProgram::needsPainter(const QStringList &arguments)
{
    const int command = int(arguments.indexOf(QStringLiteral("export")));
    return command > 0 && CliDocuments::isDrawn(arguments.value(command + 1));
}

const CliProgram::Command *CliProgram::find(const QString &name)
{
    for (const Command &c : Commands)
        if (name == QLatin1String(c.name))
            return &c;
    return nullptr;
}

void CliProgram::loadLanguage(const QString &code, const QString &share)
{
    QLocale::setDefault(QLocale(code == QLatin1String("ng") ? QStringLiteral("nb") : code));
    if (m_program.load(share + QStringLiteral("quarvex2_%1.qm").arg(code)))
        QCoreApplication::installTranslator(&m_program);
    if (m_qt.load(share + QStringLiteral("qt_%1.qm").arg(code)))
        QCoreApplication::installTranslator(&m_qt);
}

QString CliProgram::programHelp() const
{
    QString text = tr("Le QUARVEN 2 et ses archives depuis un script.") + QStringLiteral("\n\n") +
                   tr("Commandes (COMMAND --help pour chacune) :") + QLatin1Char('\n');
    for (const Command &c : Commands)
        text +=
            QStringLiteral("  %1\n      %2\n")
                .arg(QStringLiteral("%1 %2").arg(QLatin1String(c.name), QLatin1String(c.syntax)).trimmed(),
                     tr(c.description));
    text += QLatin1Char('\n') + tr("Codes de sortie :") + QLatin1Char('\n') +
            tr("  0  fait\n"
               "  1  ligne de commande fausse, ou confirmation manquante\n"
               "  2  la recherche n'a trouve aucun appareil, ou le port ne s'ouvre pas\n"
               "  3  l'appareil ne repond pas sur le port, ou la liaison est perdue\n"
               "  4  un fichier refuse\n"
               "  5  fait en partie (des enregistrements ou des lignes ont echoue, des documents restent a "
               "envoyer)\n"
               "  6  le serveur d'equipe ne repond pas, refuse la connexion, ou est en lecture seule");
    return text;
}

void CliProgram::watchSignals()
{
    if (::pipe(g_signalPipe) != 0)
        return;
    m_signals = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(m_signals, &QSocketNotifier::activated, this, [this] {
        char byte;
        const ssize_t got = ::read(g_signalPipe[0], &byte, 1);
        (void)got;
        if (m_instrument)
            m_instrument->stop();
    });
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
}

int CliProgram::run()
{
    // The folder and the language come first: the help itself is in the language.
    const AppPaths paths = AppPaths::locate(QCoreApplication::applicationDirPath());
    const QString data = globalValue(m_arguments, QStringLiteral("--data"));
    m_context.dataDir = data.isEmpty() ? paths.data : QDir(data).absolutePath() + QLatin1Char('/');
    const QString config = m_context.dataDir + QStringLiteral("config.xml");
    QString language = globalValue(m_arguments, QStringLiteral("--lang"));
    if (language.isEmpty() && QFileInfo::exists(config))
        language = XmlConf(config, Read).getLangageencours();
    loadLanguage(Languages.contains(language) ? language : Languages.first(), paths.share);
    if (QFileInfo::exists(config))
        m_context.tolerance = XmlConf(config, Read).getToleranceRapport();
    else
        m_context.tolerance = Qvx2::RatioTolerancePercent;
    // The window's index for its own data folder; another folder has an index of its own.
    m_context.indexFile = AppPaths::indexFile(
        data.isEmpty() || m_context.dataDir == paths.data ? QString() : m_context.dataDir);

    QCommandLineParser parser;
    parser.setApplicationDescription(programHelp());
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help = parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"), tr("Le port de l'appareil, sans recherche."),
                                  QStringLiteral("PATH"));
    const QCommandLineOption dataOption(
        QStringLiteral("data"), tr("Le dossier des donnees (config.xml, Data/)."), QStringLiteral("DIR"));
    const QCommandLineOption json(QStringLiteral("json"), tr("Un document JSON sur la sortie standard."));
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  tr("La langue des messages : fr, en, ng, sv ou ru."), QStringLiteral("LL"));
    const QCommandLineOption server(QStringLiteral("server"),
                                    tr("Le serveur d'equipe : une chaine de connexion libpq ou service=NOM."),
                                    QStringLiteral("CONNINFO"));
    parser.addOptions({port, dataOption, json, lang, server});
    parser.addPositionalArgument(QStringLiteral("COMMAND"), tr("La commande et ses arguments."),
                                 QStringLiteral("COMMAND ..."));
    m_out.setJson(
        m_arguments.mid(1).contains(QStringLiteral("--json"))); // a failed parse answers in JSON too
    if (!parser.parse(m_arguments)) {
        m_out.error(parser.errorText());
        m_out.finish(QString(), Cli::Usage);
        return Cli::Usage;
    }
    if (parser.isSet(help))
        parser.showHelp(Cli::Done);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    m_out.setJson(parser.isSet(json));
    m_context.port = parser.value(port);
    m_context.server =
        parser.isSet(server) ? parser.value(server) : TeamSync::configuredServer(m_context.indexFile);
    if (parser.isSet(lang) && !Languages.contains(parser.value(lang))) {
        m_out.error(tr("Langue inconnue : %1 (fr, en, ng, sv ou ru).").arg(parser.value(lang)));
        m_out.finish(QString(), Cli::Usage);
        return Cli::Usage;
    }
    const QStringList positional = parser.positionalArguments();
    const Command *command = find(positional.value(0));
    if (!command) {
        m_out.error(positional.isEmpty()
                        ? tr("Quelle commande ? --help les donne.")
                        : tr("Commande inconnue : %1. --help les donne.").arg(positional.first()));
        m_out.finish(positional.value(0), Cli::Usage);
        return Cli::Usage;
    }
    const int code = runCommand(*command, positional.mid(1));
    m_out.finish(QLatin1String(command->name), code);
    return code;
}

int CliProgram::runCommand(const Command &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(tr(command.description));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption yes(QStringLiteral("yes"), tr("Confirme l'operation."));
    const QCommandLineOption out(QStringLiteral("out"), tr("Le dossier des fichiers ecrits."),
                                 QStringLiteral("DIR"));
    const QCommandLineOption filter(QStringLiteral("filter"), tr("Les lignes qui contiennent ce texte."),
                                    QStringLiteral("TEXT"));
    const QCommandLineOption scope(QStringLiteral("scope"), tr("local : ce poste ; team : l'equipe."),
                                   QStringLiteral("local|team"), QStringLiteral("local"));
    const QString name = QLatin1String(command.name);
    if (command.confirm)
        parser.addOption(yes);
    if (name == QLatin1String("export"))
        parser.addOption(out);
    if (name == QLatin1String("archive"))
        parser.addOption(filter);
    if (name == QLatin1String("archive") || name == QLatin1String("trend"))
        parser.addOption(scope);
    parser.addPositionalArgument(name, QString(),
                                 QStringLiteral("%1 %2").arg(name, QLatin1String(command.syntax)));
    if (!parser.parse(QStringList(m_arguments.first()) + arguments)) {
        m_out.error(parser.errorText());
        return Cli::Usage;
    }
    if (parser.isSet(help))
        parser.showHelp(Cli::Done);
    const QStringList args = parser.positionalArguments();
    const bool params = name == QLatin1String("params");
    const bool paramsForm = !params || args.isEmpty() ||
                            (args.size() == 2 && args.first() == QLatin1String("get")) ||
                            (args.size() == 3 && args.first() == QLatin1String("set"));
    const bool teamForm = name != QLatin1String("team") || CliTeam::isTeamCommand(args);
    const bool scoped = name == QLatin1String("archive") || name == QLatin1String("trend");
    const QString scopeValue = scoped ? parser.value(scope) : QStringLiteral("local");
    const bool scopeForm = scopeValue == QLatin1String("local") || scopeValue == QLatin1String("team");
    if (args.size() < command.least || (command.most >= 0 && args.size() > command.most) || !paramsForm ||
        !teamForm || !scopeForm) {
        m_out.error(tr("Usage : %1 %2").arg(name, QLatin1String(command.syntax)));
        return Cli::Usage;
    }
    if (command.confirm && !parser.isSet(yes)) {
        m_out.error(tr("%1 est refuse sans --yes.").arg(name));
        return Cli::Usage;
    }
    if (name == QLatin1String("export") && !CliDocuments::isExportFormat(args.first())) {
        m_out.error(tr("Format inconnu : %1 (pdf, csv, png ou svg).").arg(args.first()));
        return Cli::Usage;
    }

    CliTeam team(m_context);
    if (name == QLatin1String("sync"))
        return team.sync();
    if (name == QLatin1String("team"))
        return team.team(args);
    CliDocuments documents(m_context);
    const bool teamScope = scopeValue == QLatin1String("team");
    if (teamScope && !CliTeam::hasServer(m_context))
        return Cli::Usage;
    if (name == QLatin1String("export"))
        return documents.exportDocuments(args.first(), args.mid(1), parser.value(out));
    if (name == QLatin1String("archive"))
        return documents.archive(parser.value(filter), teamScope);
    if (name == QLatin1String("trend"))
        return documents.trend(args.value(0), args.value(1), teamScope);

    CliInstrument instrument(m_context);
    m_instrument = &instrument;
    watchSignals();
    int code = Cli::Usage;
    if (name == QLatin1String("ports"))
        code = instrument.ports();
    else if (name == QLatin1String("info"))
        code = instrument.info();
    else if (params)
        code = instrument.params(args);
    else if (name == QLatin1String("erase"))
        code = instrument.erase();
    else if (name == QLatin1String("patch"))
        code = instrument.patch(args.first());
    else if (name == QLatin1String("download"))
        code = instrument.download(args.first());
    else if (name == QLatin1String("watch"))
        code = instrument.watch();
    else if (name == QLatin1String("firmware"))
        code = instrument.firmware(args.first());
    m_instrument = nullptr;
    return code;
}
