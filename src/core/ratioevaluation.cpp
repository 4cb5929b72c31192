#include "ratioevaluation.h"

#include <QRegularExpression>

#include <cmath>

double RatioEvaluation::volts(const QString &text)
{
    static const QRegularExpression voltage(QStringLiteral("^\\s*(\\d+(?:[.,]\\d+)?)\\s*(k?)\\s*(V?)\\s*$"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = voltage.match(text);
    // A bare "k" is no unit; a number alone is in volts.
    if (!m.hasMatch() || (!m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return 0;
    // The pattern leaves only digits and one decimal mark: the number always reads.
    return m.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble() *
           (m.captured(2).isEmpty() ? 1.0 : 1000.0);
}

RatioEvaluation RatioEvaluation::of(const Measurement &m, double tolerancePercent)
{
    RatioEvaluation e;
    e.tolerance = tolerancePercent;
    const double ht = volts(m.tensionHt);
    const double bt = volts(m.tensionBt);
    if (ht <= 0 || bt <= 0)
        return e;
    e.rated = ht / bt;
    for (size_t i = 0; i < e.deviations.size(); ++i) {
        bool ok = false;
        const double measured =
            QString(m.ratios[i]).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
        Deviation &d = e.deviations[i];
        d.valid = ok && measured > 0;
        d.percent = d.valid ? (measured - e.rated) / e.rated * 100.0 : 0;
        // Judged on the figure shown, so that "0.50 %" is within a 0.5 % tolerance, as it reads.
        d.within = d.valid && std::abs(std::round(d.percent * 100.0)) <= std::round(tolerancePercent * 100.0);
    }
    return e;
}

QString RatioEvaluation::percentText(double percent)
{
    const double shown = std::round(percent * 100.0) / 100.0;
    return (shown > 0 ? QStringLiteral("+") : QString()) + QString::number(shown == 0 ? 0.0 : shown, 'f', 2) +
           QStringLiteral(" %");
}
