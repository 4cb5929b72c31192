#pragma once

// The report of a record on paper: one A4 page, drawn the same for the PDF export and the printer, in the
// interface's language; and the plot as a picture (PNG or SVG). Every text wraps within its column, nothing
// is cut or runs off the page.

#include "measurement.h"
#include "ratioevaluation.h"
#include "reporttexts.h"

#include <QObject>
#include <QString>

class CurvePlot;
class QIODevice;
class QPagedPaintDevice;
class QPainter;
class QPrinter;

class ReportRenderer : public QObject
{
    Q_OBJECT

public:
    // Everything a report shows.
    struct Report {
        Measurement measurement;
        RatioEvaluation evaluation;
        ReportTexts texts;
        QString documentName; // the document's file name; empty when it is not saved
        QString instrument;   // the instrument's serial number and firmware, when known
    };

    // plot: the curves to draw (shown whole, whatever the user zoomed into); not owned.
    explicit ReportRenderer(CurvePlot *plot, QObject *parent = nullptr);

    bool writePdf(QIODevice *device, const Report &report);
    bool print(QPrinter *printer, const Report &report);
    // The plot alone, with its title line: "png" or "svg".
    bool writePicture(QIODevice *device, const QString &format, const Report &report);

    // The overall verdict at the top of the report: "19 / 19 CORRECT", or the number of faults.
    static QString overallVerdict(const Measurement &m, const ReportTexts &t);

private:
    bool paintPage(QPagedPaintDevice *device, const Report &report);
    void paint(QPainter &p, const QRect &page, int dpi, const Report &report);

    CurvePlot *m_plot;
};
