#include "csvexport.h"

#include "format.h"
#include "identification.h"
#include "reporttexts.h"

#include <cmath>

namespace CsvExport
{

namespace
{
const char *const RatioItems[] = {"HT.A/bt.a", "HT.B/bt.b", "HT.C/bt.c", "mean"};
} // namespace

QString field(const QString &text)
{
    const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                       text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                       text != text.trimmed();
    if (!quote)
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
           QLatin1Char('"');
}

QStringList header()
{
    QStringList names{QStringLiteral("section"), QStringLiteral("item"), QStringLiteral("text"),
                      QStringLiteral("number"), QStringLiteral("point")};
    for (const char *curve : Qvx2::CurveNames)
        names << QLatin1String(curve);
    return names;
}

QByteArray render(const Measurement &m, const RatioEvaluation &e)
{
    QStringList lines;
    auto row = [&lines](const char *section, const QString &item, const QString &text,
                        const QString &number) {
        lines << QStringList{QLatin1String(section),
                             field(item),
                             field(text),
                             number,
                             QString(),
                             QString(),
                             QString(),
                             QString(),
                             QString(),
                             QString(),
                             QString()}
                     .join(QLatin1Char(','));
    };
    lines << header().join(QLatin1Char(','));

    for (const IdentificationField &f : Identification::Fields)
        row("identification", QLatin1String(f.key), f.member ? m.*f.member : m.date.toString(Qt::ISODate),
            QString());
    for (int i = 0; i < Qvx2::TestCount; ++i) {
        const Measurement::Verdict v = m.verdicts[size_t(i)];
        row("test", QLatin1String(Qvx2::TestNames[i]),
            v == Measurement::Verdict::Passed   ? QStringLiteral("passed")
            : v == Measurement::Verdict::Failed ? QStringLiteral("failed")
                                                : QStringLiteral("none"),
            QString::number(i + 1));
    }
    row("range", e.rangeDisagrees ? QStringLiteral("disagrees") : QString(), m.gamme, QString());
    for (int i = 0; i < Qvx2::RatioShown; ++i) {
        const std::optional<double> &ratio = m.ratios[size_t(i)];
        row("ratio", QLatin1String(RatioItems[i]), QString(), ratio ? Format::plain(*ratio, 2) : QString());
    }
    if (e.hasRated()) {
        row("rated", QString(), QString(), Format::plain(e.rated, 4));
        for (int i = 0; i < Qvx2::RatioShown; ++i) {
            const RatioEvaluation::Deviation &d = e.deviations[size_t(i)];
            if (d.valid)
                row("deviation", QLatin1String(RatioItems[i]),
                    d.within ? QStringLiteral("within") : QStringLiteral("outside"),
                    Format::plain(d.percent, 2));
        }
    }
    row("tolerance", QString(), QString(), Format::plain(e.tolerance));
    row("comment", QString(), m.comment, QString());

    int points = 0;
    for (const QVector<QPointF> &curve : m.curves)
        points = qMax(points, curve.size());
    for (int p = 0; p < points; ++p) {
        QStringList cells{QStringLiteral("curve"), QString(), QString(), QString(), QString::number(p)};
        for (const QVector<QPointF> &curve : m.curves) {
            // The instrument's values are whole numbers: written as such, without a float's formatting.
            const double y = p < curve.size() ? curve[p].y() : 0;
            cells << (p >= curve.size()                      ? QString()
                      : y == std::trunc(y) && qAbs(y) < 1e15 ? QString::number(qint64(y))
                                                             : QString::number(y, 'g', 10));
        }
        lines << cells.join(QLatin1Char(','));
    }
    // CR LF ends each line, as the CSV format has it; the mark tells a spreadsheet the text is UTF-8.
    return QByteArray("\xEF\xBB\xBF") + lines.join(QLatin1String("\r\n")).toUtf8() + "\r\n";
}

} // namespace CsvExport
