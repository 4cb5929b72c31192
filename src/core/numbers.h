#pragma once

// The numbers a measurement holds as text (ratios, voltages, the measuring range), read in one place:
// a decimal point or a decimal comma, units of volts or kilovolts.

#include <QString>

#include <optional>

namespace Numbers
{
// A decimal number with a point or a comma ("13.30", "13,30", " 7 "); nothing when it does not read as one
// finite number.
std::optional<double> decimal(const QString &text);
// A voltage as the lists hold it ("20 kV", "20kV", "410 V", "5.5kV", "0,41 kV", "20000") in volts; nothing
// when it does not read as one voltage.
std::optional<double> volts(const QString &text);

// A measuring range as the instrument names it ("20-33kV", "3 - 6 kV", "6000-10000V"), in volts.
struct Range {
    double low = 0;
    double high = 0;
    bool holds(double value) const { return value >= low && value <= high; }
};
std::optional<Range> range(const QString &text);
} // namespace Numbers
