#pragma once

// One measurement as the technician sees it and as a document stores it: the identification form, the
// verdicts, the curves, the ratios, the range, the comment and the lines captured from the instrument.

#include "constants.h"

#include <QByteArray>
#include <QDate>
#include <QPointF>
#include <QString>
#include <QVector>

#include <array>
#include <optional>

struct Measurement {
    enum class Verdict : quint8 { None, Passed, Failed };

    // Identification, as the form shows it (list fields hold the entry's text).
    QString releveur;
    QDate date; // null: a document whose date did not read
    QString poste;
    QString codeGdo;
    QString numTransfo;
    QString puissance;
    QString fabricant;
    QString tensionHt;
    QString fusible;
    QString tensionBt;

    QString gamme; // measuring range
    std::array<Verdict, Qvx2::TestCount> verdicts{};
    std::array<QVector<QPointF>, Qvx2::CurveCount> curves;
    // Phases A, B, C and their mean, as the instrument reports them (two decimals); none when not measured.
    std::array<std::optional<double>, Qvx2::RatioShown> ratios;
    QString comment;
    QString capture;             // the instrument's lines of the record, one paragraph each
    bool dateIsDownload = false; // the date is the day of a download that no one confirmed on a form

    bool passed(int test) const { return verdicts[size_t(test)] == Verdict::Passed; }
    // Empties what a new record replaces: range, verdicts, curves, ratios and capture; the identification
    // and the comment stay.
    void clearResults();

    // The instrument's reports of a record, numbered as it sends them (tests from 1, curves and ratios
    // from 0). A number out of range changes nothing and answers false; "clear" withdraws a verdict; a ratio
    // reads with a decimal point or comma, and one that does not read is none.
    bool takeVerdict(uint test, bool passed, const QString &com);
    bool takePoints(uint curve, const QVector<QPointF> &points);
    bool takeRatio(uint ratio, const QString &text);

    // What identifies the record whatever its file and its form: what the instrument measured (range,
    // verdicts, ratios, curves) and its own lines, as a document keeps them. Hexadecimal.
    QByteArray recordId() const;

    bool operator==(const Measurement &other) const;
    bool operator!=(const Measurement &other) const { return !(*this == other); }

    // Appends a paragraph to a text the way a plain-text pane does, so that a stored capture reads back
    // as the pane showed it: CR, LF and CR LF all end a paragraph, paragraphs are joined by LF, and a
    // first paragraph appended to an empty text has no break before it.
    static void appendParagraph(QString &text, const QString &paragraph);
    static QString asParagraphs(const QString &text);
};
