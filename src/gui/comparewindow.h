#pragma once

// Two records side by side: their curves overlaid, the first solid and the second dashed, the legend naming
// each curve once with a sample of both lines, the two records named by date and transformer; and the tests
// whose verdicts differ, by number and name.

#include "measurement.h"

#include <QDialog>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <array>

class CompareWindow : public QDialog
{
    Q_OBJECT

public:
    CompareWindow(const std::array<Measurement, 2> &records, QWidget *parent = nullptr);
    ~CompareWindow() override;
    QwtPlot *plot() { return &m_plot; }
    QTableWidget *differences() { return &m_differences; }
    // How a record is named: its date and its transformer.
    static QString nameOf(const Measurement &record);

private:
    // One legend entry per curve, its sample a solid line above a dashed one: the first record and the
    // second.
    class PairedCurve : public QwtPlotCurve
    {
    public:
        QwtGraphic legendIcon(int index, const QSizeF &size) const override;
    };

    QVBoxLayout m_layout;
    QLabel m_key; // which line is which record
    QwtPlot m_plot;
    QTableWidget m_differences{0, 3};
    std::array<PairedCurve, 2 * Qvx2::CurveCount> m_curves; // the plot must not delete them
};
