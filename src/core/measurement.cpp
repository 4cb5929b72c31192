#include "measurement.h"

#include "numbers.h"

#include <QCryptographicHash>

void Measurement::clearResults()
{
    gamme.clear();
    verdicts.fill(Verdict::None);
    for (QVector<QPointF> &points : curves)
        points.clear();
    ratios.fill(std::nullopt);
    capture.clear();
}

bool Measurement::takeVerdict(uint test, bool passed, const QString &com)
{
    if (test < 1 || test > uint(Qvx2::TestCount))
        return false;
    verdicts[test - 1] = com == QLatin1String("clear") ? Verdict::None
                         : passed                      ? Verdict::Passed
                                                       : Verdict::Failed;
    return true;
}

bool Measurement::takePoints(uint curve, const QVector<QPointF> &points)
{
    if (curve >= uint(Qvx2::CurveCount))
        return false;
    curves[curve] += points;
    return true;
}

bool Measurement::takeRatio(uint ratio, const QString &text)
{
    if (ratio >= uint(Qvx2::RatioShown))
        return false;
    ratios[ratio] = Numbers::decimal(text);
    return true;
}

QByteArray Measurement::recordId() const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const auto add = [&hash](const QString &text) {
        hash.addData(text.toUtf8());
        hash.addData("\0", 1);
    };
    add(gamme);
    // A document keeps a verdict as passed or not, a ratio with two decimals, the points as numbers.
    QString verdictBits;
    for (size_t i = 0; i < verdicts.size(); ++i)
        verdictBits += passed(int(i)) ? QLatin1Char('1') : QLatin1Char('0');
    add(verdictBits);
    for (const std::optional<double> &ratio : ratios)
        add(ratio ? QString::number(*ratio, 'f', 2) : QString());
    for (const QVector<QPointF> &curve : curves) {
        QString points;
        for (const QPointF &p : curve)
            points += QString::number(p.x()) + QLatin1Char(',') + QString::number(p.y()) + QLatin1Char(';');
        add(points);
    }
    add(asParagraphs(capture));
    return hash.result().toHex();
}

bool Measurement::operator==(const Measurement &o) const
{
    return releveur == o.releveur && date == o.date && dateIsDownload == o.dateIsDownload &&
           poste == o.poste && codeGdo == o.codeGdo && numTransfo == o.numTransfo &&
           puissance == o.puissance && fabricant == o.fabricant && tensionHt == o.tensionHt &&
           fusible == o.fusible && tensionBt == o.tensionBt && gamme == o.gamme && verdicts == o.verdicts &&
           curves == o.curves && ratios == o.ratios && comment == o.comment && capture == o.capture;
}

QString Measurement::asParagraphs(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case '\r':
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += QLatin1Char('\n');
            break;
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
        case 0xfdd0: // frame marks of a text document
        case 0xfdd1:
            out += QLatin1Char('\n');
            break;
        case QChar::Nbsp:
            out += QLatin1Char(' ');
            break;
        default:
            out += c;
        }
    }
    return out;
}

void Measurement::appendParagraph(QString &text, const QString &paragraph)
{
    if (!text.isEmpty())
        text += QLatin1Char('\n');
    text += asParagraphs(paragraph);
}
