#include "comparewindow.h"

#include "curveplot.h"

#include <QHeaderView>
#include <QPen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qwt_legend.h>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

CompareWindow::CompareWindow(const std::array<Measurement, 2> &records, const QStringList &names,
                             QWidget *parent)
    : QDialog(parent), m_layout(this)
{
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(tr("Comparer : %1 et %2").arg(names[0], names[1]));

    m_plot.setCanvasBackground(Qt::white);
    m_plot.insertLegend(new QwtLegend, QwtPlot::RightLegend);
    m_plot.enableAxis(QwtPlot::yLeft, false);
    const QStringList curves = CurvePlot::curveNames();
    m_plot.setAutoDelete(false);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < Qvx2::CurveCount; ++c) {
            QwtPlotCurve &curve = m_curves[size_t(r * Qvx2::CurveCount + c)];
            curve.setTitle(QStringLiteral("%1 %2").arg(names[r], curves[c]));
            curve.setPen(QPen(CurvePlot::curveColour(c), 1, r == 0 ? Qt::SolidLine : Qt::DashLine));
            curve.setSamples(records[size_t(r)].curves[size_t(c)]);
            curve.attach(&m_plot);
        }
    m_plot.replot();

    // The verdicts where the two records differ.
    m_differences.setHorizontalHeaderLabels(QStringList(tr("Essai")) + names);
    m_differences.verticalHeader()->hide();
    m_differences.setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A document holds each verdict as passed or failed.
    for (int t = 0; t < Qvx2::TestCount; ++t) {
        if (records[0].passed(t) == records[1].passed(t))
            continue;
        const int row = m_differences.rowCount();
        m_differences.insertRow(row);
        m_differences.setItem(row, 0, new QTableWidgetItem(QString::number(t + 1)));
        for (int r = 0; r < 2; ++r)
            m_differences.setItem(
                row, r + 1,
                new QTableWidgetItem(records[size_t(r)].passed(t) ? tr("CORRECT") : tr("DEFAUT")));
    }
    m_differences.setMaximumHeight(160);
    m_differences.setVisible(m_differences.rowCount() > 0);
    m_differences.horizontalHeader()->setStretchLastSection(true);

    m_layout.addWidget(&m_plot, 1);
    m_layout.addWidget(&m_differences);
    resize(900, 600);
}

CompareWindow::~CompareWindow()
{
    for (QwtPlotCurve &curve : m_curves)
        curve.detach();
}
