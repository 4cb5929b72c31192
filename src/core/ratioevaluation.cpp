#include "ratioevaluation.h"

#include "numbers.h"

#include <cmath>

double RatioEvaluation::volts(const QString &text)
{
    return Numbers::volts(text).value_or(0);
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
    const std::optional<Numbers::Range> range = Numbers::range(m.gamme);
    e.rangeDisagrees = range && !range->holds(ht);
    if (e.rangeDisagrees)
        return e;
    for (size_t i = 0; i < e.deviations.size(); ++i) {
        const double measured = m.ratios[i].value_or(0);
        Deviation &d = e.deviations[i];
        d.valid = measured > 0;
        d.percent = d.valid ? (measured - e.rated) / e.rated * 100.0 : 0;
        // Judged on the figure shown, so that "0.50 %" is within a 0.5 % tolerance, as it reads.
        d.within = d.valid && std::abs(std::round(d.percent * 100.0)) <= std::round(tolerancePercent * 100.0);
    }
    return e;
}
