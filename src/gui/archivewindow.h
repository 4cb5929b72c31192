#pragma once

// The archive: every measurement document under Data/ in one table served from the index, with a filter
// over every column, sorting by any column, a double click that opens a document in the main window, and
// the trend of one transformer's ratios or the comparison of two records.

#include "archiveindex.h"
#include "archivemodel.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

class TeamCommands;

class ArchiveWindow : public QDialog
{
    Q_OBJECT

public:
    enum Column {
        Date = ArchiveModel::Date,
        Substation = ArchiveModel::Substation,
        Transformer = ArchiveModel::Transformer,
        SiteCode = ArchiveModel::SiteCode,
        Range = ArchiveModel::Range,
        Passed = ArchiveModel::Passed,
        MeanRatio = ArchiveModel::MeanRatio,
        Deviation = ArchiveModel::Deviation,
        Sender = ArchiveModel::Sender, // the team's rows: who sent it, and its versions
        ColumnCount = ArchiveModel::ColumnCount
    };
    enum Scope { ThisComputer, Team };
    static constexpr int PathRole = ArchiveModel::PathRole;

    ArchiveWindow(const QString &dataDir, const QString &indexFile, QWidget *parent = nullptr);
    ~ArchiveWindow() override;

    QTableView *view() { return &m_view; }
    QSortFilterProxyModel *proxy() { return &m_proxy; }
    bool isLoaded() const { return m_loaded; }
    // The team's archive beside this computer's: the scope chooser appears when a server is set.
    void setTeam(TeamCommands *team);
    void setScope(Scope scope);
    QComboBox *scopeBox() { return &m_scope; }
    // The selected rows' entries, in the view's order.
    QList<ArchiveEntry> selected() const;
    // The windows the buttons open (null, with a message, when the selection does not fit).
    QDialog *showTrend();
    QDialog *showComparison();
    // The ratio's tolerance the trend draws, either way, in per cent.
    void setTolerance(double percent) { m_tolerance = percent; }

public slots:
    void showScope(); // the rows again, of the scope chosen

signals:
    void loaded();
    // A document is to be opened in the main window (a double click).
    void openRequested(const QString &path);

private:
    void fill(const QList<ArchiveEntry> &entries);
    // A document's file: a team document's is fetched first. Empty when it could not be had.
    QString fileOf(const ArchiveEntry &entry);
    void fitColumns();
    static constexpr int SubstationLeastPx = 160;

    QString m_dataDir;
    QString m_indexFile;
    QList<ArchiveEntry> m_local; // as the index holds them
    QPointer<TeamCommands> m_team;
    QComboBox m_scope;
    QLineEdit m_filter;
    ArchiveModel m_model;
    ArchiveFilter m_proxy;
    QTableView m_view;
    QProgressBar m_progress;
    QDialogButtonBox m_buttons{QDialogButtonBox::Close};
    QVBoxLayout m_layout;
    std::unique_ptr<QThread> m_indexer;
    bool m_loaded = false;
    double m_tolerance = Qvx2::RatioTolerancePercent;
};
