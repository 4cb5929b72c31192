#include "curveplot.h"

#include "reporttexts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
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
// A phase's colour, from the Okabe-Ito palette that the common colour-vision deficiencies still tell apart:
// vermillion, blue, bluish green.
const QColor PhaseColours[3] = {QColor(0xd5, 0x5e, 0x00), QColor(0x00, 0x72, 0xb2), QColor(0x00, 0x9e, 0x73)};
constexpr int ReadoutReachPx = 25; // the nearest point counts only this close to the pointer
} // namespace

QStringList CurvePlot::curveNames()
{
    QStringList names;
    for (const char *name : Qvx2::CurveNames)
        names << tr(name);
    return names;
}

QPen CurvePlot::curvePen(int index)
{
    // HT (primary) solid, bt (secondary) dashed, in its phase's colour.
    const bool primary = index < Qvx2::CurveCount / 2;
    QPen pen(PhaseColours[index % 3], primary ? 1.6 : 1.4, primary ? Qt::SolidLine : Qt::DashLine);
    pen.setCosmetic(true);
    return pen;
}

CurvePlot::CurvePlot(QWidget *parent) : QwtPlot(parent)
{
    // The curves and the grid are members: the plot must not delete them.
    setAutoDelete(false);
    m_legend = new QwtLegend;
    m_legend->setDefaultItemMode(QwtLegendData::Checkable);
    for (size_t i = 0; i < m_curves.size(); ++i) {
        QwtPlotCurve &c = m_curves[i];
        c.setPen(curvePen(int(i)));
        c.attach(this);
        c.setLegendAttribute(QwtPlotCurve::LegendShowLine, true);
    }
    insertLegend(m_legend, QwtPlot::TopLegend, -1);
    connect(m_legend, &QwtLegend::checked, this, [this](const QVariant &info, bool on, int) {
        for (size_t i = 0; i < m_curves.size(); ++i)
            if (infoToItem(info) == &m_curves[i])
                setCurveVisible(int(i), on);
    });
    m_grid.enableX(false);
    m_grid.setPen(QPen(QBrush(Qt::darkGray), 0.0, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
    m_grid.attach(this);
    QFont axisFont = font();
    axisFont.setPointSizeF(axisFont.pointSizeF() * 0.85);
    for (const int axis : {int(QwtPlot::xBottom), int(QwtPlot::yLeft)}) {
        enableAxis(axis, true);
        setAxisFont(axis, axisFont);
    }
    setAxisTitles();

    m_zoomer = new QwtPlotZoomer(canvas(), false);
    m_zoomer->setTrackerMode(QwtPicker::AlwaysOff); // the readout is below the plot, not on the curves
    m_zoomer->setKeyPattern(QwtEventPattern::KeyHome, Qt::Key_unknown); // Home is ours: see eventFilter
    m_panner = new QwtPlotPanner(canvas());
    m_panner->setMouseButton(Qt::LeftButton, Qt::ControlModifier);
    m_magnifier = new QwtPlotMagnifier(canvas());
    m_magnifier->setMouseButton(Qt::NoButton); // the right button belongs to the zoomer
    connect(m_zoomer, &QwtPlotZoomer::zoomed, this, &CurvePlot::viewChanged);
    connect(m_panner, &QwtPlotPanner::panned, this, &CurvePlot::viewChanged);
    canvas()->installEventFilter(this);
    canvas()->setMouseTracking(true);
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

void CurvePlot::setAxisTitles()
{
    // The instrument gives the curves' values with no unit: they are read as it sends them.
    QFont titleFont = font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 0.85);
    QwtText x(tr("Echantillon")), y(tr("Valeur (unite de l'appareil)"));
    x.setFont(titleFont);
    y.setFont(titleFont);
    // A long title goes over two lines rather than past the ends of a short axis (the report's plot).
    y.setRenderFlags(Qt::AlignCenter | Qt::TextWordWrap);
    setAxisTitle(QwtPlot::xBottom, x);
    setAxisTitle(QwtPlot::yLeft, y);
}

QString CurvePlot::readout(const QString &curve, const QPointF &point)
{
    return tr("%1 \u2014 point %2 : %3")
        .arg(curve)
        .arg(qRound(point.x()))
        .arg(QLocale().toString(point.y(), 'g'));
}

std::pair<int, int> CurvePlot::nearestPoint(const QPoint &position) const
{
    int best = -1, bestPoint = -1;
    double bestDistance = ReadoutReachPx;
    for (int i = 0; i < Qvx2::CurveCount; ++i) {
        const QwtPlotCurve &c = m_curves[size_t(i)];
        double distance = 0;
        const int point = c.isVisible() && c.dataSize() > 0 ? c.closestPoint(position, &distance) : -1;
        if (point >= 0 && distance < bestDistance) {
            best = i;
            bestPoint = point;
            bestDistance = distance;
        }
    }
    return {best, bestPoint};
}

void CurvePlot::showReadout(const QPoint &position)
{
    const std::pair<int, int> near = nearestPoint(position);
    QwtText text(near.first < 0 ? QString()
                                : readout(m_curves[size_t(near.first)].title().text(),
                                          m_curves[size_t(near.first)].sample(size_t(near.second))));
    QFont f = font();
    f.setPointSizeF(f.pointSizeF() * 0.85);
    text.setFont(f);
    if (near.first >= 0)
        text.setColor(curvePen(near.first).color().darker(130));
    setFooter(text);
}

QString CurvePlot::readoutText() const
{
    return footer().text();
}

bool CurvePlot::eventFilter(QObject *watched, QEvent *event)
{
    const bool home =
        event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Home;
    if (watched == canvas() && (home || event->type() == QEvent::MouseButtonDblClick)) {
        resetZoom();
        return true;
    }
    if (watched == canvas() && event->type() == QEvent::MouseMove)
        showReadout(static_cast<QMouseEvent *>(event)->pos());
    if (watched == canvas() && event->type() == QEvent::Leave)
        setFooter(QString());
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
    for (int i = 0; i < Qvx2::CurveCount; ++i)
        setCurveVisible(i, true);
    resetZoom();
}

void CurvePlot::resetZoom()
{
    setAxisAutoScale(QwtPlot::xBottom);
    setAxisAutoScale(QwtPlot::yLeft);
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
    setAxisTitles();
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
