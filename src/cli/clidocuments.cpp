#include "clidocuments.h"

#include "csvexport.h"
#include "curveplot.h"
#include "format.h"
#include "ratioevaluation.h"
#include "reportrenderer.h"
#include "teamsync.h"
#include "xmlmesure.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QSaveFile>

#include <cmath>
#include <memory>

namespace
{
const QStringList ExportFormats{QStringLiteral("pdf"), QStringLiteral("csv"), QStringLiteral("png"),
                                QStringLiteral("svg")};

// A number for a script: null where there is none.
QJsonValue number(double value)
{
    return std::isnan(value) ? QJsonValue() : QJsonValue(value);
}
} // namespace

CliDocuments::CliDocuments(Cli::Context &context, QObject *parent)
    : QObject(parent), m_context(context), m_out(*context.out)
{
}

bool CliDocuments::isExportFormat(const QString &format)
{
    return ExportFormats.contains(format);
}

bool CliDocuments::isDrawn(const QString &format)
{
    return isExportFormat(format) && format != QLatin1String("csv");
}

int CliDocuments::exportDocuments(const QString &format, const QStringList &documents, const QString &outDir)
{
    if (!outDir.isEmpty() && !QDir().mkpath(outDir)) {
        m_out.error(tr("Le dossier %1 ne peut pas etre cree.").arg(outDir));
        return Cli::RefusedFile;
    }
    // One plot and one renderer for every document: each takes the next one's curves.
    std::unique_ptr<CurvePlot> plot;
    std::unique_ptr<ReportRenderer> renderer;
    if (isDrawn(format)) {
        plot = std::make_unique<CurvePlot>();
        renderer = std::make_unique<ReportRenderer>(plot.get());
    }
    QJsonArray files;
    int refused = 0;
    for (const QString &document : documents) {
        // The one-pass reader first: it reads what the window's reading reads (the fuzz target holds it to
        // that) in a fraction of the time; a file it does not take is read again, for the reason.
        Measurement m;
        Result loaded = Result::ok();
        if (!XmlMesure::summary(document, &m)) {
            m = Measurement();
            loaded = XmlMesure::load(document, &m);
        }
        const QFileInfo info(document);
        const QString target = QDir(outDir.isEmpty() ? info.absolutePath() : outDir)
                                   .filePath(info.completeBaseName() + QLatin1Char('.') + format);
        QSaveFile file(target);
        bool written = false;
        if (loaded && file.open(QIODevice::WriteOnly)) {
            ReportRenderer::Report report{m, RatioEvaluation::of(m, m_context.tolerance),
                                          ReportTexts::current(), info.fileName(), QString()};
            if (format == QLatin1String("csv")) {
                written = file.write(CsvExport::render(m, report.evaluation)) >= 0;
            } else {
                plot->setCurves(m.curves);
                written = format == QLatin1String("pdf") ? renderer->writePdf(&file, report)
                                                         : renderer->writePicture(&file, format, report);
            }
            written = written && file.commit();
        }
        if (!loaded)
            m_out.error(loaded.reason);
        else if (!written)
            m_out.error(tr("Impossible d'ecrire %1 (%2).").arg(target, file.errorString()));
        else
            m_out.line(target);
        refused += !written;
        QJsonObject item;
        item.insert(QStringLiteral("document"), document);
        item.insert(QStringLiteral("file"), written ? target : QString());
        item.insert(QStringLiteral("error"), !loaded    ? loaded.reason
                                             : !written ? file.errorString()
                                                        : QString());
        files.append(item);
    }
    m_out.document().insert(QStringLiteral("files"), files);
    if (refused == 0)
        return Cli::Done;
    return refused == documents.size() ? Cli::RefusedFile : Cli::Partly;
}

QList<ArchiveEntry> CliDocuments::records(bool team)
{
    ArchiveIndex index(m_context.indexFile, m_context.documents());
    index.update([this](int done, int total) {
        m_out.progress(tr("Index : %1 / %2").arg(done).arg(total));
        return true;
    });
    QList<ArchiveEntry> entries = ArchiveIndex::newestOfEachRecord(index.entries());
    if (team) {
        const TeamSettings settings{m_context.server, QString(), m_context.documents(), m_context.indexFile};
        entries = TeamSync::teamScope(index.entries(), settings);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const ArchiveEntry &a, const ArchiveEntry &b) { return a.date > b.date; });
    return entries;
}

QStringList CliDocuments::columns(const ArchiveEntry &e)
{
    // A team row: who sent it, and its versions when there are several.
    const QString where = e.versions == 0 ? e.path : TeamSync::sender(e);
    if (!e.readable)
        return {QString(), tr("document illisible"),
                QString(), QString(),
                QString(), QString(),
                QString(), QString(),
                where};
    const double mean = e.ratios[Qvx2::RatioShown - 1];
    return {Format::date(e.date),
            e.poste,
            e.numTransfo,
            e.codeGdo,
            e.gamme,
            QStringLiteral("%1 / %2").arg(e.passed).arg(Qvx2::TestCount),
            std::isnan(mean) ? QString() : Format::ratio(mean),
            std::isnan(e.deviation) ? QString() : Format::percent(e.deviation),
            where};
}

QJsonObject CliDocuments::row(const ArchiveEntry &e)
{
    QJsonObject ratios;
    const char *const phases[] = {"A", "B", "C", "mean"};
    for (int i = 0; i < Qvx2::RatioShown; ++i)
        ratios.insert(QLatin1String(phases[i]), number(e.ratios[size_t(i)]));
    return {{QStringLiteral("path"), e.path},
            {QStringLiteral("readable"), e.readable},
            {QStringLiteral("date"), e.date.toString(Qt::ISODate)},
            {QStringLiteral("download_date"), e.dateIsDownload},
            {QStringLiteral("substation"), e.poste},
            {QStringLiteral("transformer"), e.numTransfo},
            {QStringLiteral("site_code"), e.codeGdo},
            {QStringLiteral("range"), e.gamme},
            {QStringLiteral("passed"), e.passed},
            {QStringLiteral("ratios"), ratios},
            {QStringLiteral("deviation"), number(e.deviation)},
            {QStringLiteral("record"), QString::fromLatin1(e.record)},
            {QStringLiteral("uploader"), e.uploader},
            {QStringLiteral("revision"), e.revision},
            {QStringLiteral("versions"), e.versions}};
}

int CliDocuments::archive(const QString &filter, bool team)
{
    QJsonArray rows;
    for (const ArchiveEntry &e : records(team)) {
        const QStringList cells = columns(e);
        if (!filter.isEmpty() && !cells.join(QLatin1Char('\t')).contains(filter, Qt::CaseInsensitive))
            continue;
        m_out.line(cells.join(QLatin1Char('\t')));
        rows.append(row(e));
    }
    m_out.document().insert(QStringLiteral("rows"), rows);
    return Cli::Done;
}

int CliDocuments::trend(const QString &substation, const QString &transformer, bool team)
{
    QList<ArchiveEntry> points;
    for (const ArchiveEntry &e : records(team))
        if (e.readable && e.poste == substation && e.numTransfo == transformer)
            points.prepend(e); // oldest first
    QJsonArray rows;
    for (const ArchiveEntry &e : points) {
        QStringList cells{Format::date(e.date)};
        for (double ratio : e.ratios)
            cells << (std::isnan(ratio) ? QString() : Format::ratio(ratio));
        cells << (std::isnan(e.deviation) ? QString() : Format::percent(e.deviation));
        m_out.line(cells.join(QLatin1Char('\t')));
        rows.append(row(e));
    }
    m_out.document().insert(QStringLiteral("points"), rows);
    if (points.isEmpty())
        m_out.note(tr("Aucun document du transformateur %1 du poste %2.").arg(transformer, substation));
    return Cli::Done;
}
