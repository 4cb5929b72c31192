#include "curveplot.h"

#include <QPen>
#include <qwt_legend.h>

CurvePlot::CurvePlot(QWidget *parent) : QwtPlot(parent)
{
    static const Qt::GlobalColor colours[Qvx2::CurveCount] = {Qt::darkGreen, Qt::darkBlue, Qt::darkRed,
                                                              Qt::green,     Qt::blue,     Qt::red};
    // The curves and the grid are members: the plot must not delete them.
    setAutoDelete(false);
    m_legend = new QwtLegend;
    for (size_t i = 0; i < m_curves.size(); ++i) {
        QwtPlotCurve &c = m_curves[i];
        c.setPen(QPen(colours[i]));
        c.attach(this);
        c.setLegendAttribute(QwtPlotCurve::LegendShowLine, true);
    }
    insertLegend(m_legend, QwtPlot::TopLegend, -1);
    enableAxis(QwtPlot::yLeft, false);
    m_grid.enableX(false);
    m_grid.setPen(QPen(QBrush(Qt::darkGray), 0.0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
    m_grid.attach(this);
    enableAxis(QwtPlot::xBottom, false);
}

CurvePlot::~CurvePlot()
{
    // Detached while the plot is whole: the members go after the plot's own destructor has run.
    for (QwtPlotCurve &c : m_curves)
        c.detach();
    m_grid.detach();
}

void CurvePlot::setTitles(const QStringList &titles)
{
    for (size_t i = 0; i < m_curves.size(); ++i)
        m_curves[i].setTitle(titles.value(int(i)));
}

void CurvePlot::setCurve(int index, const QVector<QPointF> &points)
{
    m_curves[size_t(index)].setSamples(points);
    if (m_batching)
        m_replotPending = true;
    else
        replot();
}

void CurvePlot::setCurves(const std::array<QVector<QPointF>, Qvx2::CurveCount> &curves)
{
    for (size_t i = 0; i < m_curves.size(); ++i)
        m_curves[i].setSamples(curves[i]);
    replot();
}

void CurvePlot::beginBatch()
{
    m_batching = true;
    m_replotPending = false;
}

void CurvePlot::endBatch()
{
    m_batching = false;
    if (m_replotPending)
        replot();
}
