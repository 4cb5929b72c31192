#pragma once

// Two records side by side: their curves overlaid (the second dashed), each named by its document in the
// legend, and the verdicts that differ between them.

#include "measurement.h"

#include <QDialog>
#include <QTableWidget>
#include <QVBoxLayout>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>

#include <array>

class CompareWindow : public QDialog
{
    Q_OBJECT

public:
    // Two records and the names of their documents.
    CompareWindow(const std::array<Measurement, 2> &records, const QStringList &names,
                  QWidget *parent = nullptr);
    ~CompareWindow() override;
    QwtPlot *plot() { return &m_plot; }
    QTableWidget *differences() { return &m_differences; }

private:
    QVBoxLayout m_layout;
    QwtPlot m_plot;
    QTableWidget m_differences{0, 3};
    std::array<QwtPlotCurve, 2 * Qvx2::CurveCount> m_curves; // the plot must not delete them
};
