#include "numbers.h"

#include <QRegularExpression>

#include <cmath>

namespace Numbers
{

namespace
{
// Digits with at most one decimal mark, either kind.
const QString Number = QStringLiteral("(\\d+(?:[.,]\\d+)?)");

double read(QString digits)
{
    // The patterns leave only digits and one decimal mark: the number always reads.
    return digits.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}
} // namespace

std::optional<double> decimal(const QString &text)
{
    bool ok = false;
    const double value = QString(text.trimmed()).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> volts(const QString &text)
{
    static const QRegularExpression voltage(QStringLiteral("^\\s*%1\\s*(k?)\\s*(V?)\\s*$").arg(Number),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = voltage.match(text);
    // A bare "k" is no unit; a number alone is in volts.
    if (!m.hasMatch() || (!m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return std::nullopt;
    return read(m.captured(1)) * (m.captured(2).isEmpty() ? 1.0 : 1000.0);
}

std::optional<Range> range(const QString &text)
{
    // The unit after the second bound counts for both, unless the first carries its own.
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*%1\\s*(k?)(V?)\\s*-\\s*%1\\s*(k?)V\\s*$").arg(Number),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch() || (!m.captured(2).isEmpty() && m.captured(3).isEmpty()))
        return std::nullopt;
    const bool firstHasUnit = !m.captured(3).isEmpty();
    const double highScale = m.captured(5).isEmpty() ? 1.0 : 1000.0;
    const double lowScale = firstHasUnit ? (m.captured(2).isEmpty() ? 1.0 : 1000.0) : highScale;
    Range r{read(m.captured(1)) * lowScale, read(m.captured(4)) * highScale};
    if (r.low > r.high)
        return std::nullopt;
    return r;
}

} // namespace Numbers
