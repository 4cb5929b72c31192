#pragma once

// A measurement as one CSV table that a spreadsheet (LibreOffice Calc), pandas' read_csv or a database import
// opens with no options: UTF-8 with a byte-order mark, commas, a dot as decimal mark, ISO dates, one header
// line, the same columns on every line, numbers only in the numeric columns so that each column reads as one
// type. Every name in it (the header, the sections, the items, the verdict words) is a fixed identifier, the
// same whatever the interface's language, so that a script written once reads every file.
//
// Columns: section, item, text, number, point, then the six curves (HT.A HT.B HT.C bt.a bt.b bt.c).
// Sections, in order:
//   identification  item: the field's key (operator, date, substation, site_code, transformer, power,
//                   manufacturer, hv_voltage, fuses, lv_voltage), text: its value (the date as yyyy-MM-dd)
//   test            item: the instrument's name of the test, text: passed, failed or none, number: 1..19
//   range           text: the measuring range; item "disagrees" when it does not hold the HT voltage
//   ratio           item: HT.A/bt.a, HT.B/bt.b, HT.C/bt.c, mean; number: the measured ratio
//   rated           number: the rated ratio (HT voltage over bt voltage), when both voltages read
//   deviation       item: as for ratio, text: within or outside, number: the deviation in %
//   tolerance       number: the tolerance in %, either way
//   comment         text: the comment
//   curve           point: the point number, then each curve's value at that point

#include "measurement.h"
#include "ratioevaluation.h"

#include <QByteArray>
#include <QStringList>

namespace CsvExport
{
QByteArray render(const Measurement &m, const RatioEvaluation &e);
// One field as CSV writes it: quoted when it holds a comma, a quote, a line break or edge blanks.
QString field(const QString &text);
// The header line's names.
QStringList header();
} // namespace CsvExport
