#pragma once

// A measurement as one CSV table that a spreadsheet (LibreOffice Calc) and pandas' read_csv open with no
// options: UTF-8 with a byte-order mark, commas, a dot as decimal mark, one header line, the same columns
// on every line, and numbers only in the numeric columns so that each column reads as one type.
//
// Columns: section, item, text, number, point, then the six curves. Sections, in order:
//   identification  item: the field's label, text: its value (the date as yyyy-MM-dd)
//   test            item: the test's name, text: its verdict, number: 1..19
//   range           text: the measuring range
//   ratio           item: HT.A / bt.a ... and the mean, number: the measured ratio
//   rated           number: the rated ratio (HT voltage over bt voltage), when both voltages read
//   deviation       item: as for ratio, text: within or outside the tolerance, number: the deviation in %
//   tolerance       number: the tolerance in %, either way
//   comment         text: the comment
//   curve           point: the point number, then each curve's value at that point

#include "measurement.h"
#include "ratioevaluation.h"
#include "reporttexts.h"

#include <QByteArray>
#include <QStringList>

namespace CsvExport
{
QByteArray render(const Measurement &m, const RatioEvaluation &e, const ReportTexts &t);
// One field as CSV writes it: quoted when it holds a comma, a quote, a line break or edge blanks.
QString field(const QString &text);
// The identification values in the order of ReportTexts::identification.
QStringList identificationValues(const Measurement &m);
} // namespace CsvExport
