#include "format.h"

#include <cmath>

namespace Format
{

QString ratio(const std::optional<double> &value, const QLocale &locale)
{
    return value ? locale.toString(*value, 'f', 2) : QString();
}

QString percent(double value, const QLocale &locale)
{
    // Rounded as shown, so that a deviation that reads 0.00 has no sign.
    const double shown = std::round(value * 100.0) / 100.0;
    return (shown > 0 ? QStringLiteral("+") : QString()) + locale.toString(shown == 0 ? 0.0 : shown, 'f', 2) +
           QStringLiteral("\u00a0%");
}

QString tolerance(double percent, const QLocale &locale)
{
    return QStringLiteral("\u00b1") + locale.toString(percent, 'g', QLocale::FloatingPointShortest) +
           QStringLiteral("\u00a0%");
}

QString datePattern(const QLocale &locale)
{
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    if (!pattern.contains(QLatin1String("yyyy")))
        pattern.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return pattern;
}

QString date(const QDate &date, const QLocale &locale)
{
    return date.isValid() ? locale.toString(date, datePattern(locale)) : QString();
}

QString dateTime(const QDateTime &dateTime, const QLocale &locale)
{
    QString time = locale.timeFormat(QLocale::ShortFormat);
    return locale.toString(dateTime, datePattern(locale) + QLatin1Char(' ') + time);
}

QString plain(double value, int decimals)
{
    return decimals < 0 ? QString::number(value, 'g', QLocale::FloatingPointShortest)
                        : QString::number(value, 'f', decimals);
}

} // namespace Format
