#pragma once

// The identification fields of a record in one table, in the order a document keeps them: the member of the
// measurement, the element of a document, the form's field and label (object names and the label's source
// text, translated in the form's context), and the fixed identifier the CSV and the archive use.

#include "measurement.h"

#include <QString>

#include <array>

struct IdentificationField {
    const char *key;              // the CSV item and the archive's column; never translated
    const char *element;          // in a document's <info>
    const char *formField;        // the form's widget
    const char *formLabel;        // the form's label widget
    const char *label;            // the label's source text (context "MainWindow")
    QString Measurement::*member; // null for the date
    bool required;                // a save needs it

    // The label in the interface's language, without its colon.
    QString shownLabel() const;
    // The field's value as text (the date as dd/MM/yyyy, as a document holds it).
    QString text(const Measurement &m) const;
};

namespace Identification
{
constexpr int Count = 10;
extern const std::array<IdentificationField, Count> Fields;
constexpr char DocumentDateFormat[] = "dd/MM/yyyy";
// The field of the measured range in a document's <info>, after the identification.
constexpr char RangeElement[] = "gamme_mesure";
const IdentificationField *byKey(const QString &key);
} // namespace Identification
