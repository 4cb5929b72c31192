#pragma once

// The words of a report in the interface's language, from the same source texts the window shows: the
// identification's labels, the nineteen test names, the ratio and curve names, the verdict words.

#include <QString>
#include <QStringList>

namespace Qvx2
{
// The instrument's names of its tests (numbered from 1) and curves, as source texts: tests in the context
// "MainWindow", curves in "CurvePlot".
extern const char *const TestNames[19];
extern const char *const CurveNames[6];
} // namespace Qvx2

struct ReportTexts {
    QStringList
        identification; // the ten field labels, in the identification's order (releveur ... tensionBt)
    QStringList tests;  // the nineteen test names
    QStringList ratios; // HT.A / bt.a, HT.B / bt.b, HT.C / bt.c, the mean
    QStringList curves; // HT.A ... bt.c
    QString passed, failed, none;
    QString within, outside;
    QString range, rated, tolerance, comment;

    // In the language installed now; siteCode: the caption config.xml gives the site code's field (empty:
    // the form's own).
    static ReportTexts current(const QString &siteCode = QString());
};
