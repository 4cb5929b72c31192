#pragma once

// The three phase ratios of one transformer and their mean over its measurement dates, with the rated
// ratio and its tolerance band.

#include "archiveindex.h"

#include <QDialog>
#include <QVBoxLayout>
#include <QVector>
#include <qwt_plot.h>

class TrendWindow : public QDialog
{
    Q_OBJECT

public:
    TrendWindow(QList<ArchiveEntry> entries, QWidget *parent = nullptr);
    // Phase A, B, C and the mean: (date as days since the epoch, ratio) per document, oldest first.
    const QVector<QPointF> &series(int ratio) const { return m_series[size_t(ratio)]; }
    double rated() const { return m_rated; }
    QwtPlot *plot() { return &m_plot; }

private:
    QVBoxLayout m_layout;
    QwtPlot m_plot;
    std::array<QVector<QPointF>, Qvx2::RatioShown> m_series;
    double m_rated = 0;
};
