#include "curveplot.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPen>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_magnifier.h>
#include <qwt_plot_panner.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_div.h>

namespace
{
// The zoomer's tracker reads out the point under the cursor.
class Zoomer : public QwtPlotZoomer
{
public:
    explicit Zoomer(QWidget *canvas) : QwtPlotZoomer(canvas, false) {}

protected:
    QwtText trackerTextF(const QPointF &pos) const override { return QwtText(CurvePlot::readout(pos)); }
};
} // namespace

QStringList CurvePlot::curveNames()
{
    return {tr("HT.A"), tr("HT.B"), tr("HT.C"), tr("bt.a"), tr("bt.b"), tr("bt.c")};
}

QColor CurvePlot::curveColour(int index)
{
    static const Qt::GlobalColor colours[Qvx2::CurveCount] = {Qt::darkGreen, Qt::darkBlue, Qt::darkRed,
                                                              Qt::green,     Qt::blue,     Qt::red};
    return colours[index];
}

CurvePlot::CurvePlot(QWidget *parent) : QwtPlot(parent)
{
    // The curves and the grid are members: the plot must not delete them.
    setAutoDelete(false);
    m_legend = new QwtLegend;
    m_legend->setDefaultItemMode(QwtLegendData::Checkable);
    for (size_t i = 0; i < m_curves.size(); ++i) {
        QwtPlotCurve &c = m_curves[i];
        c.setPen(QPen(curveColour(int(i))));
        c.attach(this);
        c.setLegendAttribute(QwtPlotCurve::LegendShowLine, true);
    }
    insertLegend(m_legend, QwtPlot::TopLegend, -1);
    connect(m_legend, &QwtLegend::checked, this, [this](const QVariant &info, bool on, int) {
        for (size_t i = 0; i < m_curves.size(); ++i)
            if (infoToItem(info) == &m_curves[i])
                setCurveVisible(int(i), on);
    });
    enableAxis(QwtPlot::yLeft, false);
    m_grid.enableX(false);
    m_grid.setPen(QPen(QBrush(Qt::darkGray), 0.0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
    m_grid.attach(this);
    enableAxis(QwtPlot::xBottom, false);

    m_zoomer = new Zoomer(canvas());
    m_zoomer->setTrackerMode(QwtPicker::AlwaysOn);
    m_zoomer->setKeyPattern(QwtEventPattern::KeyHome, Qt::Key_unknown); // Home is ours: see eventFilter
    m_panner = new QwtPlotPanner(canvas());
    m_panner->setMouseButton(Qt::LeftButton, Qt::ControlModifier);
    m_magnifier = new QwtPlotMagnifier(canvas());
    m_magnifier->setMouseButton(Qt::NoButton); // the right button belongs to the zoomer
    connect(m_zoomer, &QwtPlotZoomer::zoomed, this, &CurvePlot::viewChanged);
    connect(m_panner, &QwtPlotPanner::panned, this, &CurvePlot::viewChanged);
    canvas()->installEventFilter(this);
    setCurveVisible(0, true); // the legend's boxes start checked
    for (int i = 1; i < Qvx2::CurveCount; ++i)
        setCurveVisible(i, true);
}

CurvePlot::~CurvePlot()
{
    // Detached while the plot is whole: the members go after the plot's own destructor has run.
    for (QwtPlotCurve &c : m_curves)
        c.detach();
    m_grid.detach();
}

QString CurvePlot::readout(const QPointF &point)
{
    return QCoreApplication::translate("CurvePlot", "point %1 : %2")
        .arg(qRound(point.x()))
        .arg(qRound(point.y()));
}

bool CurvePlot::eventFilter(QObject *watched, QEvent *event)
{
    const bool home =
        event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Home;
    if (watched == canvas() && (home || event->type() == QEvent::MouseButtonDblClick)) {
        showWholeRecord();
        return true;
    }
    // The wheel magnifies: the view is no longer the whole record.
    if (watched == canvas() && event->type() == QEvent::Wheel)
        QMetaObject::invokeMethod(this, &CurvePlot::viewChanged, Qt::QueuedConnection);
    return QwtPlot::eventFilter(watched, event);
}

void CurvePlot::viewChanged()
{
    m_zoomed = !axisAutoScale(QwtPlot::xBottom) || !axisAutoScale(QwtPlot::yLeft);
}

void CurvePlot::showWholeRecord()
{
    setAxisAutoScale(QwtPlot::xBottom);
    setAxisAutoScale(QwtPlot::yLeft);
    for (int i = 0; i < Qvx2::CurveCount; ++i)
        setCurveVisible(i, true);
    replot();
    m_zoomer->setZoomBase(false);
    m_zoomed = false;
}

void CurvePlot::setCurveVisible(int index, bool visible)
{
    QwtPlotCurve &c = m_curves[size_t(index)];
    c.setVisible(visible);
    if (auto *label = qobject_cast<QwtLegendLabel *>(m_legend->legendWidget(itemToInfo(&c))))
        label->setChecked(visible);
    replot();
}

CurvePlot::View CurvePlot::view() const
{
    View v;
    if (m_zoomed) {
        const QwtScaleDiv &x = axisScaleDiv(QwtPlot::xBottom);
        const QwtScaleDiv &y = axisScaleDiv(QwtPlot::yLeft);
        v.shown = QRectF(QPointF(x.lowerBound(), y.lowerBound()), QPointF(x.upperBound(), y.upperBound()));
    }
    for (size_t i = 0; i < m_curves.size(); ++i)
        v.visible[i] = m_curves[i].isVisible();
    return v;
}

void CurvePlot::setView(const View &view)
{
    showWholeRecord();
    for (int i = 0; i < Qvx2::CurveCount; ++i)
        setCurveVisible(i, view.visible[size_t(i)]);
    if (view.shown.isEmpty())
        return;
    setAxisScale(QwtPlot::xBottom, view.shown.left(), view.shown.right());
    setAxisScale(QwtPlot::yLeft, view.shown.top(), view.shown.bottom());
    replot();
    m_zoomed = true;
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
    // Another record: shown whole.
    if (m_zoomed)
        showWholeRecord();
    replot();
    m_zoomer->setZoomBase(false);
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
