#include "measurement.h"

void Measurement::clearResults()
{
    gamme.clear();
    verdicts.fill(Verdict::None);
    for (QVector<QPointF> &points : curves)
        points.clear();
    for (QString &ratio : ratios)
        ratio.clear();
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
    ratios[ratio] = text;
    return true;
}

bool Measurement::operator==(const Measurement &o) const
{
    return releveur == o.releveur && date == o.date && poste == o.poste && codeGdo == o.codeGdo &&
           numTransfo == o.numTransfo && puissance == o.puissance && fabricant == o.fabricant &&
           tensionHt == o.tensionHt && fusible == o.fusible && tensionBt == o.tensionBt && gamme == o.gamme &&
           verdicts == o.verdicts && curves == o.curves && ratios == o.ratios && comment == o.comment &&
           capture == o.capture;
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
