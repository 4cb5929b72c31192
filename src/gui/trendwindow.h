#pragma once

// The three phase ratios of one transformer and their mean over its measurement dates, with the rated
// ratio and its tolerance band.

#include "archiveindex.h"

#include <QDialog>
#include <QVBoxLayout>
#include <QVector>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_marker.h>
#include <qwt_plot_zoneitem.h>

#include <array>

class TrendWindow : public QDialog
{
    Q_OBJECT

public:
    // tolerance: the ratio's, either way, in per cent (config.xml's).
    TrendWindow(QList<ArchiveEntry> entries, double tolerance, QWidget *parent = nullptr);
    ~TrendWindow() override;
    // Phase A, B, C and the mean: (date as days since the epoch, ratio) per document, oldest first.
    const QVector<QPointF> &series(int ratio) const { return m_series[size_t(ratio)]; }
    double rated() const { return m_rated; }
    QwtPlot *plot() { return &m_plot; }

private:
    QVBoxLayout m_layout;
    QwtPlot m_plot;
    // The plot's items are members: the plot must not delete them.
    QwtPlotGrid m_grid;
    std::array<QwtPlotCurve, Qvx2::RatioShown> m_curves;
    QwtPlotZoneItem m_band;
    QwtPlotMarker m_ratedLine;
    std::array<QVector<QPointF>, Qvx2::RatioShown> m_series;
    double m_rated = 0;
};
