#include "archivemodel.h"

#include "format.h"
#include "teamsync.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace
{
// A number's place in a sort: blanks (NaN) first.
bool numberLess(double a, double b)
{
    return std::isnan(a) ? !std::isnan(b) : !std::isnan(b) && a < b;
}
} // namespace

void ArchiveModel::setEntries(const QList<ArchiveEntry> &entries)
{
    beginResetModel();
    m_entries = entries.toVector();
    m_search.clear();
    searchText(0); // made now, with the rows: the first keystroke finds it ready
    endResetModel();
}

int ArchiveModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int ArchiveModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString ArchiveModel::text(const ArchiveEntry &e, int column) const
{
    if (!e.readable) {
        if (column == Substation)
            return tr("document illisible");
        if (column == Transformer)
            return QFileInfo(e.path).fileName();
        if (column == Sender)
            return TeamSync::sender(e);
        return QString();
    }
    const double mean = e.ratios[Qvx2::RatioShown - 1];
    switch (column) {
    case Date:
        if (e.dateIsDownload)
            return tr("%1 (telechargement)").arg(Format::date(e.date));
        return Format::date(e.date);
    case Substation:
        return e.poste;
    case Transformer:
        return e.numTransfo;
    case SiteCode:
        return e.codeGdo;
    case Range:
        return e.gamme;
    case Passed:
        return QStringLiteral("%1 / %2").arg(e.passed).arg(Qvx2::TestCount);
    case MeanRatio: // blank when there is none
        if (std::isnan(mean))
            return QString();
        return Format::ratio(mean);
    case Deviation:
        if (std::isnan(e.deviation))
            return QString();
        return Format::percent(e.deviation);
    default:
        return TeamSync::sender(e);
    }
}

QVariant ArchiveModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return QVariant();
    const ArchiveEntry &e = m_entries[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return text(e, index.column());
    case PathRole:
        return e.path;
    case Qt::ToolTipRole:
        if (index.column() == Date && e.readable && e.dateIsDownload)
            return tr("Date du telechargement : l'appareil ne date pas ses enregistrements.");
        if (index.column() == Sender && e.versions > 1)
            return tr("Deux revisions ou plus de cet enregistrement ont ete envoyees : un relecteur choisit "
                      "celle de reference.");
        if (e.versions == 0)
            return QDir::toNativeSeparators(e.path);
        return tr("Envoye par %1 depuis %2 le %3")
            .arg(e.uploader, e.computer, Format::date(e.uploaded.date()));
    default:
        return QVariant();
    }
}

QVariant ArchiveModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QString titles[] = {tr("Date"),          tr("Poste"), tr("Transformateur"),
                              tr("Code site"),     tr("Gamme"), tr("Essais reussis"),
                              tr("Rapport moyen"), tr("Ecart"), tr("Envoye par")};
    if (section < 0 || section >= ColumnCount)
        return QVariant();
    return titles[section];
}

const QString &ArchiveModel::searchText(int row) const
{
    static const QString none;
    if (m_entries.isEmpty())
        return none;
    if (m_search.size() != m_entries.size()) {
        // Formatting is the long part, and an archive holds few distinct dates, scores and ratios: each is
        // formatted once, looked up by a number.
        QHash<qint64, QString> formatted[ColumnCount];
        const auto once = [&](int column, qint64 key, const ArchiveEntry &e) -> const QString & {
            auto found = formatted[column].find(key);
            if (found == formatted[column].end())
                found = formatted[column].insert(key, text(e, column));
            return found.value();
        };
        const auto numberKey = [](double value) {
            return std::isnan(value) ? std::numeric_limits<qint64>::min() : qint64(std::llround(value * 1e4));
        };
        m_search.resize(m_entries.size());
        for (int r = 0; r < m_entries.size(); ++r) {
            const ArchiveEntry &e = m_entries[r];
            QString line;
            line.reserve(128);
            for (int c = 0; c < ColumnCount; ++c) {
                if (!e.readable)
                    line += text(e, c);
                else if (c == Date)
                    line += once(c, e.date.toJulianDay() * 2 + (e.dateIsDownload ? 1 : 0), e);
                else if (c == Passed)
                    line += once(c, e.passed, e);
                else if (c == MeanRatio)
                    line += once(c, numberKey(e.ratios[Qvx2::RatioShown - 1]), e);
                else if (c == Deviation)
                    line += once(c, numberKey(e.deviation), e);
                else
                    line += text(e, c);
                line += QLatin1Char('\t');
            }
            m_search[r] = line.toCaseFolded();
        }
    }
    return m_search[row];
}

void ArchiveModel::sort(int column, Qt::SortOrder order)
{
    const auto less = [column](const ArchiveEntry &a, const ArchiveEntry &b) {
        switch (column) {
        case Date:
            return a.date < b.date;
        case Passed:
            return a.passed < b.passed;
        case MeanRatio:
            return numberLess(a.ratios[Qvx2::RatioShown - 1], b.ratios[Qvx2::RatioShown - 1]);
        case Deviation:
            return numberLess(a.deviation, b.deviation);
        default:
            return false;
        }
    };
    const bool byText = column != Date && column != Passed && column != MeanRatio && column != Deviation;
    QVector<QString> keys;
    if (byText) {
        keys.reserve(m_entries.size());
        for (const ArchiveEntry &e : qAsConst(m_entries))
            keys << text(e, column);
    }
    QVector<int> order_(m_entries.size());
    std::iota(order_.begin(), order_.end(), 0);
    std::stable_sort(order_.begin(), order_.end(), [&](int a, int b) {
        const bool before = byText ? keys[a] < keys[b] : less(m_entries[a], m_entries[b]);
        const bool after = byText ? keys[b] < keys[a] : less(m_entries[b], m_entries[a]);
        return order == Qt::AscendingOrder ? before : after;
    });
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QVector<ArchiveEntry> sorted;
    sorted.reserve(m_entries.size());
    QVector<int> newRow(m_entries.size());
    for (int r = 0; r < order_.size(); ++r) {
        sorted << m_entries[order_[r]];
        newRow[order_[r]] = r;
    }
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex &i : before)
        after << index(newRow[i.row()], i.column());
    changePersistentIndexList(before, after);
    QVector<QString> search(m_search.size());
    for (int r = 0; r < m_search.size(); ++r)
        search[newRow[r]] = m_search[r];
    m_entries = sorted;
    m_search = search;
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ArchiveFilter::setText(const QString &text)
{
    m_text = text.toCaseFolded();
    // Anew rather than row by row: removing tens of thousands of rows one range at a time takes the view
    // seconds.
    invalidate();
}

void ArchiveFilter::sort(int column, Qt::SortOrder order)
{
    if (sourceModel() && column >= 0)
        sourceModel()->sort(column, order);
}

bool ArchiveFilter::filterAcceptsRow(int row, const QModelIndex &) const
{
    return m_text.isEmpty() ||
           static_cast<const ArchiveModel *>(sourceModel())->searchText(row).contains(m_text);
}
