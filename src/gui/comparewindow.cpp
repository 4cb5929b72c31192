#include "comparewindow.h"

#include "xmlmesure.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QPen>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qwt_legend.h>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

CompareWindow::CompareWindow(const QString &first, const QString &second, QWidget *parent)
    : QDialog(parent), m_layout(this)
{
    setObjectName(QStringLiteral("compareWindow"));
    const QString names[2] = {QFileInfo(first).fileName(), QFileInfo(second).fileName()};
    setWindowTitle(tr("Comparer : %1 et %2").arg(names[0], names[1]));
    Measurement records[2];
    XmlMesure::load(first, &records[0]);
    XmlMesure::load(second, &records[1]);

    m_plot.setCanvasBackground(Qt::white);
    m_plot.insertLegend(new QwtLegend, QwtPlot::RightLegend);
    m_plot.enableAxis(QwtPlot::yLeft, false);
    static const Qt::GlobalColor colours[Qvx2::CurveCount] = {Qt::darkGreen, Qt::darkBlue, Qt::darkRed,
                                                              Qt::green,     Qt::blue,     Qt::red};
    const QStringList curves{tr("HT.A"), tr("HT.B"), tr("HT.C"), tr("bt.a"), tr("bt.b"), tr("bt.c")};
    m_plot.setAutoDelete(false);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < Qvx2::CurveCount; ++c) {
            QwtPlotCurve &curve = m_curves[size_t(r * Qvx2::CurveCount + c)];
            curve.setTitle(QStringLiteral("%1 %2").arg(names[r], curves[c]));
            curve.setPen(QPen(colours[c], 1, r == 0 ? Qt::SolidLine : Qt::DashLine));
            curve.setSamples(records[r].curves[size_t(c)]);
            curve.attach(&m_plot);
        }
    m_plot.replot();

    // The verdicts where the two records differ.
    m_differences.setHorizontalHeaderLabels({tr("Essai"), names[0], names[1]});
    m_differences.verticalHeader()->hide();
    m_differences.setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto word = [this](Measurement::Verdict v) {
        return v == Measurement::Verdict::Passed   ? tr("CORRECT")
               : v == Measurement::Verdict::Failed ? tr("DEFAUT")
                                                   : tr("sans verdict");
    };
    for (int t = 0; t < Qvx2::TestCount; ++t) {
        const auto a = records[0].verdicts[size_t(t)], b = records[1].verdicts[size_t(t)];
        if (a == b)
            continue;
        const int row = m_differences.rowCount();
        m_differences.insertRow(row);
        const QString cells[] = {QString::number(t + 1), word(a), word(b)};
        for (int column = 0; column < 3; ++column)
            m_differences.setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_differences.setMaximumHeight(m_differences.rowCount() ? 160 : 0);
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
