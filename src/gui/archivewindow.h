#pragma once

// The archive: every measurement document under Data/ in one table served from the index, with a filter
// over every column, sorting by any column, a double click that opens a document in the main window, and
// the trend of one transformer's ratios or the comparison of two records.

#include "archiveindex.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

class ArchiveWindow : public QDialog
{
    Q_OBJECT

public:
    enum Column { Date, Substation, Transformer, SiteCode, Range, Passed, MeanRatio, Deviation, ColumnCount };
    static constexpr int SortRole = Qt::UserRole + 1;
    static constexpr int PathRole = Qt::UserRole + 2;

    ArchiveWindow(const QString &dataDir, const QString &indexFile, QWidget *parent = nullptr);
    ~ArchiveWindow() override;

    QTableView *view() { return &m_view; }
    QSortFilterProxyModel *proxy() { return &m_proxy; }
    bool isLoaded() const { return m_loaded; }
    // The selected rows' entries, in the view's order.
    QList<ArchiveEntry> selected() const;
    // The windows the buttons open (null, with a message, when the selection does not fit).
    QDialog *showTrend();
    QDialog *showComparison();
    // The ratio's tolerance the trend draws, either way, in per cent.
    void setTolerance(double percent) { m_tolerance = percent; }

signals:
    void loaded();
    // A document is to be opened in the main window (a double click).
    void openRequested(const QString &path);

private:
    void fill(const QList<ArchiveEntry> &entries);
    void fitColumns();
    static constexpr int SubstationLeastPx = 160;

    QString m_dataDir;
    QString m_indexFile;
    QList<ArchiveEntry> m_entries;
    QLineEdit m_filter;
    QStandardItemModel m_model;
    QSortFilterProxyModel m_proxy;
    QTableView m_view;
    QProgressBar m_progress;
    QDialogButtonBox m_buttons{QDialogButtonBox::Close};
    QVBoxLayout m_layout;
    std::unique_ptr<QThread> m_indexer;
    bool m_loaded = false;
    double m_tolerance = Qvx2::RatioTolerancePercent;
};
