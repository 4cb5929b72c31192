#pragma once

// Two records side by side: their curves overlaid (the second dashed), each named by its document in the
// legend, and the verdicts that differ between them.

#include "measurement.h"

#include <QDialog>

class QwtPlot;
class QTableWidget;

class CompareWindow : public QDialog
{
    Q_OBJECT

public:
    CompareWindow(const QString &first, const QString &second, QWidget *parent = nullptr);
    QwtPlot *plot() const { return m_plot; }
    QTableWidget *differences() const { return m_differences; }

private:
    QwtPlot *m_plot;
    QTableWidget *m_differences;
};
