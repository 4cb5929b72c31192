#include "trendwindow.h"

#include "format.h"
#include "ratioevaluation.h"

#include <QPen>
#include <QVBoxLayout>
#include <qwt_date_scale_draw.h>
#include <qwt_date_scale_engine.h>
#include <qwt_legend.h>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_zoneitem.h>
#include <qwt_symbol.h>

#include <algorithm>
#include <cmath>

TrendWindow::TrendWindow(QList<ArchiveEntry> entries, double tolerance, QWidget *parent)
    : QDialog(parent), m_layout(this)
{
    setObjectName(QStringLiteral("trendWindow"));
    std::sort(entries.begin(), entries.end(),
              [](const ArchiveEntry &a, const ArchiveEntry &b) { return a.date < b.date; });
    const ArchiveEntry &last = entries.last();
    setWindowTitle(tr("Tendance : %1, transformateur %2").arg(last.poste, last.numTransfo));
    m_plot.setCanvasBackground(Qt::white);
    m_plot.insertLegend(new QwtLegend, QwtPlot::TopLegend);
    // Dates on the time axis, never times of day.
    auto *dates = new QwtDateScaleDraw(Qt::LocalTime);
    for (const QwtDate::IntervalType interval : {QwtDate::Millisecond, QwtDate::Second, QwtDate::Minute,
                                                 QwtDate::Hour, QwtDate::Day, QwtDate::Week, QwtDate::Month})
        dates->setDateFormat(interval, QLocale().dateFormat(QLocale::ShortFormat));
    m_plot.setAxisScaleDraw(QwtPlot::xBottom, dates);
    m_plot.setAxisScaleEngine(QwtPlot::xBottom, new QwtDateScaleEngine(Qt::LocalTime));
    m_plot.setAutoDelete(false);
    m_grid.attach(&m_plot);

    const QStringList names{tr("HT.A / bt.a"), tr("HT.B / bt.b"), tr("HT.C / bt.c"), tr("Moyenne")};
    static const Qt::GlobalColor colours[] = {Qt::darkGreen, Qt::darkBlue, Qt::darkRed, Qt::black};
    for (const ArchiveEntry &e : entries) {
        const double day = QwtDate::toDouble(e.date.startOfDay());
        for (size_t i = 0; i < m_series.size(); ++i)
            if (!std::isnan(e.ratios[i]))
                m_series[i] << QPointF(day, e.ratios[i]);
    }
    for (size_t i = 0; i < m_series.size(); ++i) {
        QwtPlotCurve &curve = m_curves[i];
        curve.setTitle(names[int(i)]);
        curve.setPen(QPen(colours[i], i == 3 ? 2 : 1));
        curve.setSymbol(new QwtSymbol(QwtSymbol::Ellipse, QBrush(colours[i]), QPen(colours[i]), QSize(7, 7)));
        curve.setSamples(m_series[i]);
        curve.attach(&m_plot);
    }
    // The nameplate of the newest document: the rated ratio and, around it, the tolerance band.
    m_rated = RatioEvaluation::volts(last.tensionBt) > 0
                  ? RatioEvaluation::volts(last.tensionHt) / RatioEvaluation::volts(last.tensionBt)
                  : 0;
    if (m_rated > 0) {
        m_band.setTitle(tr("Tolerance %1").arg(Format::tolerance(tolerance)));
        m_band.setOrientation(Qt::Horizontal);
        m_band.setInterval(m_rated * (1 - tolerance / 100), m_rated * (1 + tolerance / 100));
        m_band.setBrush(QColor(27, 94, 32, 40));
        m_band.setItemAttribute(QwtPlotItem::Legend, true);
        m_band.attach(&m_plot);
        m_ratedLine.setTitle(tr("Rapport nominal %1").arg(Format::ratio(m_rated)));
        m_ratedLine.setLineStyle(QwtPlotMarker::HLine);
        m_ratedLine.setLinePen(QPen(Qt::darkGreen, 1, Qt::DashLine));
        m_ratedLine.setYValue(m_rated);
        m_ratedLine.setItemAttribute(QwtPlotItem::Legend, true);
        m_ratedLine.attach(&m_plot);
    }
    m_plot.replot();
    m_layout.addWidget(&m_plot);
    resize(800, 500);
}

TrendWindow::~TrendWindow()
{
    // Detached while the plot is whole.
    for (QwtPlotItem *item : m_plot.itemList())
        item->detach();
}
