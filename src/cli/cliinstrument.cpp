#include "cliinstrument.h"

#include "firmwareupdate.h"
#include "singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QJsonArray>
#include <QMetaEnum>
#include <QRegularExpression>
#include <QTimer>

CliInstrument::CliInstrument(Cli::Context &context, QObject *parent)
    : QObject(parent), m_context(context), m_out(*context.out)
{
}

CliInstrument::~CliInstrument() = default;

void CliInstrument::stop()
{
    m_stop = true;
    if (m_watch)
        m_watch->quit();
}

PortCatalog CliInstrument::catalog() const
{
    if (m_context.port.isEmpty())
        return systemPortCatalog();
    // The port given: tried as it is, while it exists (an adapter may come and go).
    const QString port = m_context.port;
    return [port] {
        return QFileInfo::exists(port) ? QList<PortCandidate>{{port, QStringLiteral("--port")}}
                                       : QList<PortCandidate>{};
    };
}

bool CliInstrument::windowRuns()
{
    // The window and its demo each mark that they run; taking the mark for a moment tells, and lets it go.
    for (const char *program : {Qvx2::ProgramName, Qvx2::DemoProgramName}) {
        SingleInstance mark(SingleInstance::keyFor(QLatin1String(program)));
        if (mark.isAlreadyRunning())
            return true;
    }
    return false;
}

int CliInstrument::connectInstrument()
{
    QDir().mkpath(m_context.documents()); // where records go, made as the window makes it
    m_link = std::make_unique<InstrumentLink>(catalog());
    m_reader = std::make_unique<RecordReader>(&m_link->parser());
    m_records = std::make_unique<RecordOperations>(m_link.get(), m_reader.get());
    m_parameters = std::make_unique<ParameterOperations>(m_link.get());
    if (m_link->search())
        return Cli::Done;
    const QList<PortAttempt> &tried = m_link->lastSearch();
    if (tried.isEmpty()) {
        m_out.error(m_context.port.isEmpty() ? tr("Aucun adaptateur serie n'est branche.")
                                             : tr("Le port %1 n'existe pas.").arg(m_context.port));
        return Cli::NoInstrument;
    }
    bool silent = false, locked = false;
    for (const PortAttempt &attempt : tried) {
        m_out.error(tr("%1 : %2").arg(attempt.portName, attempt.failure));
        silent = silent || attempt.openError == QSerialPort::NoError;
        locked = locked || attempt.openError == QSerialPort::PermissionError ||
                 attempt.openError == QSerialPort::ResourceError;
    }
    if (locked && windowRuns()) {
        m_out.error(tr("Le port est tenu par la fenetre QUARVEN 2 : deconnectez-la ou fermez-la, puis "
                       "recommencez."));
        return Cli::NoInstrument;
    }
    if (!m_context.port.isEmpty() && silent) {
        m_out.error(tr("L'appareil ne repond pas sur %1.").arg(m_context.port));
        return Cli::NotAnswering;
    }
    m_out.error(tr("Aucun QUARVEN 2 n'a repondu."));
    return Cli::NoInstrument;
}

int CliInstrument::fail(const Result &result)
{
    m_out.error(result.reason);
    return Cli::exitOf(result);
}

int CliInstrument::ports()
{
    const QList<PortCandidate> candidates = catalog()();
    QJsonArray rows;
    bool found = false;
    for (const PortCandidate &port : candidates) {
        QString answer;
        bool instrument = false;
        if (port.manufacturer.isEmpty()) {
            answer = tr("non essaye : pas un adaptateur USB");
        } else {
            InstrumentLink link([port] { return QList<PortCandidate>{port}; });
            instrument = link.search();
            answer = instrument ? tr("QUARVEN 2") : link.lastSearch().value(0).failure;
        }
        found = found || instrument;
        m_out.line(QStringLiteral("%1\t%2\t%3").arg(port.portName, port.manufacturer, answer));
        QJsonObject item;
        item.insert(QStringLiteral("port"), port.portName);
        item.insert(QStringLiteral("adapter"), port.manufacturer);
        item.insert(QStringLiteral("instrument"), instrument);
        item.insert(QStringLiteral("answer"), answer);
        rows.append(item);
    }
    m_out.document().insert(QStringLiteral("ports"), rows);
    if (found)
        return Cli::Done;
    m_out.error(tr("Aucun QUARVEN 2 n'a repondu."));
    return Cli::NoInstrument;
}

int CliInstrument::info()
{
    if (const int failed = connectInstrument())
        return failed;
    QString lines;
    const Result r = m_records->information(&lines);
    if (!r)
        return fail(r);
    const RecordOperations::Identity identity = RecordOperations::identityOf(lines);
    const QStringList all = lines.split(QRegularExpression(QStringLiteral("[\r\n]+")), Qt::SkipEmptyParts);
    for (const QString &line : all)
        m_out.line(line);
    m_out.document().insert(QStringLiteral("lines"), QJsonArray::fromStringList(all));
    m_out.document().insert(QStringLiteral("serial"), identity.serial);
    m_out.document().insert(QStringLiteral("firmware"), identity.firmware);
    return Cli::Done;
}

int CliInstrument::params(const QStringList &arguments)
{
    if (const int failed = connectInstrument())
        return failed;
    const Result read = m_parameters->read();
    if (!read)
        return fail(read);
    if (arguments.isEmpty()) {
        QJsonArray rows;
        for (int n = Qvx2::FlagParamFirst; n <= Qvx2::FlagParamLast; ++n) {
            const CmdParser::Param &p = m_parameters->parameter(n);
            m_out.line(QStringLiteral("%1\t%2\t%3").arg(n).arg(p.name).arg(p.value));
            QJsonObject item;
            item.insert(QStringLiteral("number"), n);
            item.insert(QStringLiteral("name"), p.name);
            item.insert(QStringLiteral("value"), p.value);
            rows.append(item);
        }
        m_out.document().insert(QStringLiteral("parameters"), rows);
        return Cli::Done;
    }
    const QString name = arguments.value(1);
    const int number = m_parameters->numberOf(name);
    if (number < 0) {
        m_out.error(tr("L'appareil ne connait pas le parametre %1.").arg(name));
        return Cli::Usage;
    }
    QJsonObject row{{QStringLiteral("number"), number}, {QStringLiteral("name"), name}};
    if (arguments.first() == QLatin1String("get")) {
        const qint32 value = m_parameters->parameter(number).value;
        m_out.line(QString::number(value));
        row.insert(QStringLiteral("value"), value);
        m_out.document().insert(QStringLiteral("parameter"), row);
        return Cli::Done;
    }
    bool ok = false;
    const qint32 value = arguments.value(2).toInt(&ok);
    if (!ok) {
        m_out.error(tr("La valeur %1 n'est pas un nombre entier.").arg(arguments.value(2)));
        return Cli::Usage;
    }
    qint32 echoed = value;
    const Result written = m_parameters->write(number, value, name, &echoed);
    row.insert(QStringLiteral("value"), echoed);
    m_out.document().insert(QStringLiteral("parameter"), row);
    if (!written)
        return fail(written);
    m_out.line(tr("%1 = %2, enregistre dans l'appareil.").arg(name).arg(echoed));
    return Cli::Done;
}

int CliInstrument::erase()
{
    if (const int failed = connectInstrument())
        return failed;
    const Result r = m_records->erase();
    if (!r)
        return fail(r);
    m_out.line(tr("Les enregistrements de l'appareil sont effaces."));
    return Cli::Done;
}

int CliInstrument::patch(const QString &file)
{
    if (const int failed = connectInstrument())
        return failed;
    const ParameterOperations::PatchRun run = m_parameters->applyPatch(file);
    QJsonArray rows;
    int failedLines = 0;
    for (const ParameterOperations::PatchLineResult &line : run.lines) {
        // A line of words that names no parameter is a comment (or a name the instrument does not know).
        const bool comment = line.number < 0 && line.name.startsWith(QLatin1Char('#'));
        const QString outcome = line.number < 0 ? tr("pas un parametre de l'appareil")
                                : line.result   ? tr("ecrit")
                                                : line.result.reason;
        failedLines += !comment && (line.number < 0 || !line.result);
        if (!comment)
            m_out.line(QStringLiteral("%1\t%2\t%3").arg(line.name).arg(line.value).arg(outcome));
        QJsonObject item;
        item.insert(QStringLiteral("name"), line.name);
        item.insert(QStringLiteral("value"), line.value);
        item.insert(QStringLiteral("number"), line.number);
        item.insert(QStringLiteral("written"), line.number >= 0 && line.result.done());
        item.insert(QStringLiteral("result"), outcome);
        rows.append(item);
    }
    m_out.document().insert(QStringLiteral("lines"), rows);
    if (!run.result)
        return fail(run.result);
    if (run.named() == 0) {
        m_out.error(
            tr("Le fichier %1 ne nomme aucun parametre de l'appareil : rien n'a ete ecrit.").arg(file));
        return Cli::RefusedFile;
    }
    return failedLines > 0 ? Cli::Partly : Cli::Done;
}

int CliInstrument::summarise(const RecordOperations::AllRecords &all, QJsonObject *into)
{
    m_out.line(tr("Enregistres : %1. Deja presents, non remplaces : %2. En echec : %3.")
                   .arg(all.saved)
                   .arg(all.skipped)
                   .arg(all.failed));
    for (const QString &file : all.files)
        m_out.line(file);
    into->insert(QStringLiteral("saved"), all.saved);
    into->insert(QStringLiteral("skipped"), all.skipped);
    into->insert(QStringLiteral("failed"), all.failed);
    into->insert(QStringLiteral("cancelled"), all.cancelled);
    into->insert(QStringLiteral("files"), QJsonArray::fromStringList(all.files));
    if (all.failed == 0)
        return all.cancelled ? Cli::Partly : Cli::Done;
    m_out.error(all.lastFailure.reason);
    return all.saved + all.skipped == 0 ? Cli::exitOf(all.lastFailure) : Cli::Partly;
}

int CliInstrument::download(const QString &which)
{
    QVector<int> ages;
    if (which == QLatin1String("all")) {
        for (int age = 1; age <= Qvx2::RecordCount; ++age)
            ages << age;
    } else {
        bool ok = false;
        const int age = which.toInt(&ok);
        if (!ok || age < 1 || age > Qvx2::RecordCount) {
            m_out.error(
                tr("Choisissez un enregistrement de 1 (le dernier) a %1, ou all.").arg(Qvx2::RecordCount));
            return Cli::Usage;
        }
        ages << age;
    }
    if (const int failed = connectInstrument())
        return failed;
    const RecordOperations::AllRecords all =
        m_records->downloadRecords(ages, m_context.documents(), m_context.indexFile, [this, &ages](int age) {
            m_out.progress(tr("Enregistrement %1 / %2").arg(ages.indexOf(age) + 1).arg(ages.size()));
            QCoreApplication::processEvents();
            return !m_stop;
        });
    return summarise(all, &m_out.document());
}

int CliInstrument::watch()
{
    QDir().mkpath(m_context.documents());
    m_link = std::make_unique<InstrumentLink>(catalog());
    m_reader = std::make_unique<RecordReader>(&m_link->parser());
    m_records = std::make_unique<RecordOperations>(m_link.get(), m_reader.get());
    QEventLoop loop;
    m_watch = &loop;
    QJsonArray runs;
    int worst = Cli::Done;
    bool running = false;
    const auto downloadAll = [&] {
        if (running || m_stop || !m_link->isConnected())
            return;
        running = true;
        m_out.line(tr("Appareil sur %1 : telechargement de ses enregistrements.").arg(m_link->portName()));
        QJsonObject run{{QStringLiteral("port"), m_link->portName()}};
        const RecordOperations::AllRecords all =
            m_records->downloadAll(m_context.documents(), m_context.indexFile, [this](int age) {
                m_out.progress(tr("Enregistrement %1 / %2").arg(age).arg(Qvx2::RecordCount));
                return !m_stop;
            });
        worst = qMax(worst, summarise(all, &run));
        runs.append(run);
        running = false;
        if (!m_stop)
            m_out.progress(tr("En attente d'un appareil\u2026"));
    };
    connect(m_link.get(), &InstrumentLink::connectionChanged, &loop, [&](bool connected) {
        if (connected)
            QTimer::singleShot(0, &loop, downloadAll);
    });
    m_out.progress(tr("En attente d'un appareil\u2026"));
    m_link->startPortWatch();
    m_link->search();
    if (!m_stop)
        loop.exec();
    m_watch = nullptr;
    m_out.document().insert(QStringLiteral("runs"), runs);
    return worst;
}

int CliInstrument::firmware(const QString &file)
{
    FirmwareImage image;
    const Result checked = FirmwareUpdate::check(file, &image);
    if (!checked)
        return fail(checked);
    if (const int failed = connectInstrument())
        return failed;
    FirmwareUpdate update(m_link.get());
    connect(&update.session(), &BootloaderSession::pageStarted, this,
            [this](int page, int pages) { m_out.progress(tr("Page %1 / %2").arg(page + 1).arg(pages)); });
    const Result r = update.run(image);
    m_out.document().insert(QStringLiteral("outcome"),
                            QString::fromLatin1(QMetaEnum::fromType<Result::Code>().valueToKey(int(r.code))));
    if (!r)
        return fail(r);
    m_out.line(tr("Le firmware de l'appareil est mis a jour."));
    return Cli::Done;
}
