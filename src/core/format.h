#pragma once

// Numbers and dates as the user reads them, in one place: in the interface's language (its decimal mark, its
// order of day, month and year, always a four-digit year) for the window, the archive, the trend, the
// comparison and the report. Files meant for programs (the CSV, the documents) write a dot and ISO dates.

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

namespace Format
{
// A ratio with two decimals ("48,78" in French); empty when there is none.
QString ratio(const std::optional<double> &value, const QLocale &locale = QLocale());
// A signed deviation with two decimals and its unit ("+0,10 %", "-263,78 %"; 0 has no sign).
QString percent(double value, const QLocale &locale = QLocale());
// A tolerance either way ("±0,5 %").
QString tolerance(double percent, const QLocale &locale = QLocale());
// The language's short date with a four-digit year ("14/05/2024", "5/14/2024", "14.05.2024").
QString date(const QDate &date, const QLocale &locale = QLocale());
QString dateTime(const QDateTime &dateTime, const QLocale &locale = QLocale());
// The pattern date() writes, for a date field or an axis.
QString datePattern(const QLocale &locale = QLocale());
// A number for a program: dot, no grouping, `decimals` decimals (-1: as few as it needs).
QString plain(double value, int decimals = -1);
} // namespace Format
