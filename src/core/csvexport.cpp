#include "csvexport.h"

#include "format.h"
#include "identification.h"

namespace CsvExport
{

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

QStringList identificationValues(const Measurement &m)
{
    QStringList values;
    for (const IdentificationField &f : Identification::Fields)
        values << (f.member ? m.*f.member : m.date.toString(Qt::ISODate));
    return values;
}

QByteArray render(const Measurement &m, const RatioEvaluation &e, const ReportTexts &t)
{
    QStringList lines;
    auto row = [&lines](const QString &section, const QString &item, const QString &text,
                        const QString &number) {
        lines << QStringList{section,   field(item), field(text), number,    QString(), QString(),
                             QString(), QString(),   QString(),   QString(), QString()}
                     .join(QLatin1Char(','));
    };
    QStringList header{QStringLiteral("section"), QStringLiteral("item"), QStringLiteral("text"),
                       QStringLiteral("number"), QStringLiteral("point")};
    for (const QString &curve : t.curves)
        header << field(curve);
    lines << header.join(QLatin1Char(','));

    const QStringList values = identificationValues(m);
    for (int i = 0; i < values.size(); ++i)
        row(QStringLiteral("identification"), t.identification.value(i), values[i], QString());
    for (int i = 0; i < Qvx2::TestCount; ++i) {
        const Measurement::Verdict v = m.verdicts[size_t(i)];
        row(QStringLiteral("test"), t.tests.value(i),
            v == Measurement::Verdict::Passed   ? t.passed
            : v == Measurement::Verdict::Failed ? t.failed
                                                : t.none,
            QString::number(i + 1));
    }
    row(QStringLiteral("range"), t.range, m.gamme, QString());
    for (int i = 0; i < Qvx2::RatioShown; ++i) {
        const std::optional<double> &ratio = m.ratios[size_t(i)];
        row(QStringLiteral("ratio"), t.ratios.value(i), QString(),
            ratio ? Format::plain(*ratio, 2) : QString());
    }
    if (e.hasRated()) {
        row(QStringLiteral("rated"), t.rated, QString(), QString::number(e.rated, 'f', 4));
        for (int i = 0; i < Qvx2::RatioShown; ++i) {
            const RatioEvaluation::Deviation &d = e.deviations[size_t(i)];
            if (d.valid)
                row(QStringLiteral("deviation"), t.ratios.value(i), d.within ? t.within : t.outside,
                    QString::number(d.percent, 'f', 2));
        }
    }
    row(QStringLiteral("tolerance"), t.tolerance, QString(), QString::number(e.tolerance));
    row(QStringLiteral("comment"), t.comment, m.comment, QString());

    int points = 0;
    for (const QVector<QPointF> &curve : m.curves)
        points = qMax(points, curve.size());
    for (int p = 0; p < points; ++p) {
        QStringList cells{QStringLiteral("curve"), QString(), QString(), QString(), QString::number(p)};
        for (const QVector<QPointF> &curve : m.curves)
            cells << (p < curve.size() ? QString::number(curve[p].y(), 'g', 10) : QString());
        lines << cells.join(QLatin1Char(','));
    }
    // CR LF ends each line, as the CSV format has it; the mark tells a spreadsheet the text is UTF-8.
    return QByteArray("\xEF\xBB\xBF") + lines.join(QLatin1String("\r\n")).toUtf8() + "\r\n";
}

} // namespace CsvExport
