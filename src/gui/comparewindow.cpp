#include "comparewindow.h"

#include "curveplot.h"
#include "format.h"
#include "reporttexts.h"

#include <QHeaderView>
#include <QPainter>
#include <QPen>
#include <qwt_legend.h>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

namespace
{
// A curve's colour: its phase's, lighter for the bt side; the line's style tells the two records apart.
QPen penOf(int curve, int record)
{
    QPen pen = CurvePlot::curvePen(curve);
    if (curve >= Qvx2::CurveCount / 2)
        pen.setColor(pen.color().lighter(150));
    pen.setStyle(record == 0 ? Qt::SolidLine : Qt::DashLine);
    return pen;
}
} // namespace

QwtGraphic CompareWindow::PairedCurve::legendIcon(int, const QSizeF &size) const
{
    QwtGraphic icon;
    icon.setDefaultSize(size);
    icon.setRenderHint(QwtGraphic::RenderPensUnscaled, true);
    QPainter p(&icon);
    QPen solid = pen(), dashed = pen();
    solid.setStyle(Qt::SolidLine);
    dashed.setStyle(Qt::DashLine);
    p.setPen(solid);
    p.drawLine(QPointF(0, size.height() / 3), QPointF(size.width(), size.height() / 3));
    p.setPen(dashed);
    p.drawLine(QPointF(0, 2 * size.height() / 3), QPointF(size.width(), 2 * size.height() / 3));
    return icon;
}

QString CompareWindow::nameOf(const Measurement &record)
{
    // A record with no transformer number is named by its substation, or its date alone.
    if (!record.numTransfo.isEmpty())
        return tr("%1, transformateur %2").arg(Format::date(record.date), record.numTransfo);
    if (!record.poste.isEmpty())
        return QStringLiteral("%1, %2").arg(Format::date(record.date), record.poste);
    return Format::date(record.date);
}

CompareWindow::CompareWindow(const std::array<Measurement, 2> &records, QWidget *parent)
    : QDialog(parent), m_layout(this)
{
    setObjectName(QStringLiteral("compareWindow"));
    const QString first = nameOf(records[0]), second = nameOf(records[1]);
    setWindowTitle(tr("Comparer : %1 et %2").arg(first, second));
    m_key.setText(tr("\u2014\u2014 trait plein : %1      - - - pointilles : %2").arg(first, second));
    m_key.setWordWrap(true);

    m_plot.setCanvasBackground(Qt::white);
    m_plot.insertLegend(new QwtLegend, QwtPlot::RightLegend);
    const QStringList curves = CurvePlot::curveNames();
    m_plot.setAutoDelete(false);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < Qvx2::CurveCount; ++c) {
            PairedCurve &curve = m_curves[size_t(r * Qvx2::CurveCount + c)];
            curve.setTitle(curves[c]);
            curve.setPen(penOf(c, r));
            curve.setSamples(records[size_t(r)].curves[size_t(c)]);
            // Each curve once in the legend: the first record's entry stands for both.
            curve.setItemAttribute(QwtPlotItem::Legend, r == 0);
            curve.setLegendIconSize(QSize(28, 10));
            curve.attach(&m_plot);
        }
    m_plot.replot();

    // The verdicts where the two records differ.
    const ReportTexts texts = ReportTexts::current();
    m_differences.setHorizontalHeaderLabels({tr("Essai"), first, second});
    m_differences.verticalHeader()->hide();
    m_differences.setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_differences.setWordWrap(true);
    // A document holds each verdict as passed or failed.
    for (int t = 0; t < Qvx2::TestCount; ++t) {
        if (records[0].passed(t) == records[1].passed(t))
            continue;
        const int row = m_differences.rowCount();
        m_differences.insertRow(row);
        m_differences.setItem(row, 0,
                              new QTableWidgetItem(QStringLiteral("%1  %2").arg(t + 1).arg(texts.tests[t])));
        for (int r = 0; r < 2; ++r)
            m_differences.setItem(
                row, r + 1, new QTableWidgetItem(records[size_t(r)].passed(t) ? texts.passed : texts.failed));
    }
    m_differences.setMaximumHeight(180);
    m_differences.setVisible(m_differences.rowCount() > 0);
    m_differences.horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_differences.horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_differences.horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // Rows as high as their text once the columns have their widths, not as the default widths made them.
    m_differences.verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    m_layout.addWidget(&m_key);
    m_layout.addWidget(&m_plot, 1);
    m_layout.addWidget(&m_differences);
    resize(1000, 650);
}

CompareWindow::~CompareWindow()
{
    for (QwtPlotCurve &curve : m_curves)
        curve.detach();
}
