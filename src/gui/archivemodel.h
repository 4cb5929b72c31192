#pragma once

// The archive's rows as a table over the entries themselves: texts are made when shown, so that a team
// archive of a hundred thousand documents opens at once and takes little memory. Sorted by itself on keys
// (dates as dates, numbers as numbers with blanks first); ArchiveFilter keeps the rows whose text holds the
// filter, through one lower-case line per row made at the first filtering.

#include "archiveindex.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QVector>

class ArchiveModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Date,
        Substation,
        Transformer,
        SiteCode,
        Range,
        Passed,
        MeanRatio,
        Deviation,
        Sender,
        ColumnCount
    };
    static constexpr int PathRole = Qt::UserRole + 2;

    using QAbstractTableModel::QAbstractTableModel;

    void setEntries(const QList<ArchiveEntry> &entries);
    const ArchiveEntry &entry(int row) const { return m_entries[row]; }
    // A row's words, lower case, for the filter.
    const QString &searchText(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    QString text(const ArchiveEntry &e, int column) const;

    QVector<ArchiveEntry> m_entries;
    mutable QVector<QString> m_search; // made at the first filtering
};

class ArchiveFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setText(const QString &text);
    // The rows keep the model's order: sorting is the model's.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override;

private:
    QString m_text;
};
