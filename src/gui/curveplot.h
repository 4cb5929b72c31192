#pragma once

// The plot of the six curves of a record: their colours, the dotted horizontal grid, the legend at the top,
// no visible axes. It owns its curves, grid and legend.

#include "constants.h"

#include <QPointF>
#include <QStringList>
#include <QVector>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include <array>

class QwtLegend;

class CurvePlot : public QwtPlot
{
    Q_OBJECT

public:
    explicit CurvePlot(QWidget *parent = nullptr);
    ~CurvePlot() override;

    // Titles of the six curves, in index order (HT.A ... bt.c in the interface's language).
    void setTitles(const QStringList &titles);
    const QwtPlotCurve &curve(int index) const { return m_curves[size_t(index)]; }
    // Gives curve `index` these points as its samples and redraws, now or at the end of a batch.
    void setCurve(int index, const QVector<QPointF> &points);
    // Every curve at once, one redraw.
    void setCurves(const std::array<QVector<QPointF>, Qvx2::CurveCount> &curves);
    // Between the two, the plot redraws once, at the end: a capture replay sends thousands of curve lines.
    void beginBatch();
    void endBatch();

private:
    std::array<QwtPlotCurve, Qvx2::CurveCount> m_curves;
    QwtPlotGrid m_grid;
    QwtLegend *m_legend = nullptr; // handed to the plot, which owns it
    bool m_batching = false;
    bool m_replotPending = false;
};
