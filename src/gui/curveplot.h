#pragma once

// The plot of the six curves of a record: a colour per phase that colour-blind eyes tell apart, the HT curve
// solid and the bt one dashed, the dotted grid, the legend at the top, axes with their scales (the sample's
// number, the instrument's values). It owns its curves, grid and legend. The user reads it with Qwt's own
// tools: a rubber band zooms, the wheel magnifies, Ctrl and a drag pans, Home or a double click shows the
// whole record again, a legend entry hides or shows its curve; below the plot, where it hides no curve, the
// point of the curve nearest the pointer is read out with the curve's name.

#include "constants.h"

#include <QColor>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <QVector>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_grid.h>

#include <array>

class QwtLegend;
class QwtPlotMagnifier;
class QwtPlotPanner;
class QwtPlotZoomer;

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

    // What the user made of the view: the scales shown (empty: the whole record) and the curves shown.
    struct View {
        QRectF shown;
        std::array<bool, Qvx2::CurveCount> visible{};
    };
    View view() const;
    void setView(const View &view);
    bool isZoomed() const { return m_zoomed; }
    // The whole record, every curve shown: what is printed and exported, whatever the screen shows.
    void showWholeRecord();
    // The whole record's scales; the curves the user hid stay hidden.
    void resetZoom();
    // Shows the whole record while it lives, without the pointer's readout, and the user's view again after.
    class WholeRecord
    {
    public:
        explicit WholeRecord(CurvePlot *plot) : m_plot(plot), m_view(plot->view()), m_readout(plot->footer())
        {
            plot->setFooter(QwtText());
            plot->showWholeRecord();
        }
        ~WholeRecord()
        {
            m_plot->setFooter(m_readout);
            m_plot->setView(m_view);
        }
        WholeRecord(const WholeRecord &) = delete;
        WholeRecord &operator=(const WholeRecord &) = delete;

    private:
        CurvePlot *m_plot;
        View m_view;
        QwtText m_readout;
    };
    void setCurveVisible(int index, bool visible);
    // The six curves' names in the interface's language, and the pen each is drawn with.
    static QStringList curveNames();
    static QPen curvePen(int index);
    // The curve point nearest this place of the canvas (in its pixels), among the curves shown; -1 as the
    // curve when none is near.
    std::pair<int, int> nearestPoint(const QPoint &canvasPosition) const;
    // The readout of a curve's point: its name, its sample number and its value.
    static QString readout(const QString &curve, const QPointF &point);
    // What the readout shows now.
    QString readoutText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void viewChanged();
    void showReadout(const QPoint &canvasPosition);
    void setAxisTitles();

    std::array<QwtPlotCurve, Qvx2::CurveCount> m_curves;
    QwtPlotGrid m_grid;
    QwtLegend *m_legend = nullptr; // handed to the plot, which owns it
    QwtPlotZoomer *m_zoomer = nullptr;
    QwtPlotPanner *m_panner = nullptr;
    QwtPlotMagnifier *m_magnifier = nullptr;
    bool m_batching = false;
    bool m_replotPending = false;
    bool m_zoomed = false;
};
