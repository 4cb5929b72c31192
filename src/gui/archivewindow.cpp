#include "archivewindow.h"

#include "comparewindow.h"
#include "format.h"
#include "ratioevaluation.h"
#include "trendwindow.h"
#include "xmlmesure.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

ArchiveWindow::ArchiveWindow(const QString &dataDir, const QString &indexFile, QWidget *parent)
    : QDialog(parent), m_dataDir(dataDir), m_indexFile(indexFile), m_model(0, ColumnCount), m_layout(this)
{
    setObjectName(QStringLiteral("archiveWindow"));
    setWindowTitle(tr("Archives"));
    m_filter.setObjectName(QStringLiteral("archiveFilter"));
    m_filter.setPlaceholderText(tr("Filtrer (toutes les colonnes)"));
    m_filter.setClearButtonEnabled(true);
    m_model.setHorizontalHeaderLabels({tr("Date"), tr("Poste"), tr("Transformateur"), tr("Code site"),
                                       tr("Gamme"), tr("Essais reussis"), tr("Rapport moyen"), tr("Ecart")});
    m_proxy.setSourceModel(&m_model);
    m_proxy.setFilterKeyColumn(-1);
    m_proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy.setSortRole(SortRole);
    m_view.setObjectName(QStringLiteral("archiveView"));
    m_view.setModel(&m_proxy);
    m_view.setSortingEnabled(true);
    m_view.setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every column in view, in any language: the substation's takes what is left, the others their text.
    m_view.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_view.horizontalHeader()->setSectionResizeMode(Substation, QHeaderView::Stretch);
    m_view.verticalHeader()->hide();
    m_progress.setObjectName(QStringLiteral("archiveProgress"));
    QPushButton *trend = m_buttons.addButton(tr("Tendance"), QDialogButtonBox::ActionRole);
    QPushButton *compare = m_buttons.addButton(tr("Comparer"), QDialogButtonBox::ActionRole);
    trend->setObjectName(QStringLiteral("archiveTrend"));
    compare->setObjectName(QStringLiteral("archiveCompare"));
    for (QWidget *part : std::initializer_list<QWidget *>{&m_filter, &m_view, &m_progress, &m_buttons})
        m_layout.addWidget(part);
    resize(1000, 600);

    connect(&m_filter, &QLineEdit::textChanged, &m_proxy, &QSortFilterProxyModel::setFilterFixedString);
    connect(&m_buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(trend, &QPushButton::clicked, this, &ArchiveWindow::showTrend);
    connect(compare, &QPushButton::clicked, this, &ArchiveWindow::showComparison);
    connect(&m_view, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { emit openRequested(index.data(PathRole).toString()); });

    // The index is brought up to date on a thread of its own: the window stays responsive meanwhile.
    m_indexer.reset(QThread::create([this] {
        ArchiveIndex index(m_indexFile, m_dataDir);
        index.update([this](int done, int total) {
            QMetaObject::invokeMethod(&m_progress, [this, done, total] {
                m_progress.setMaximum(total);
                m_progress.setValue(done);
            });
            return !QThread::currentThread()->isInterruptionRequested();
        });
        const QList<ArchiveEntry> entries = index.entries();
        QMetaObject::invokeMethod(this, [this, entries] { fill(entries); });
    }));
    m_indexer->start();
}

ArchiveWindow::~ArchiveWindow()
{
    m_indexer->requestInterruption();
    m_indexer->wait();
}

void ArchiveWindow::fill(const QList<ArchiveEntry> &entries)
{
    // A record saved more than once (a form filled in later, a copy) is one row: its newest document.
    m_entries = ArchiveIndex::newestOfEachRecord(entries);
    m_model.setRowCount(0);
    m_proxy.setDynamicSortFilter(false);
    auto item = [](const QString &text, const QVariant &sort = {}) {
        auto *i = new QStandardItem(text);
        i->setData(sort.isValid() ? sort : QVariant(text), SortRole);
        return i;
    };
    // A number that did not read shows blank and sorts first.
    auto number = [&item](double value, const QString &text) {
        return std::isnan(value) ? item(QString()) : item(text, value);
    };
    for (const ArchiveEntry &e : qAsConst(m_entries)) {
        QList<QStandardItem *> items;
        const QString date = Format::date(e.date);
        if (e.readable)
            items = {item(e.dateIsDownload ? tr("%1 (telechargement)").arg(date) : date, e.date),
                     item(e.poste),
                     item(e.numTransfo),
                     item(e.codeGdo),
                     item(e.gamme),
                     item(QStringLiteral("%1 / %2").arg(e.passed).arg(Qvx2::TestCount), e.passed),
                     number(e.ratios[3], Format::ratio(e.ratios[3])),
                     number(e.deviation, Format::percent(e.deviation))};
        else
            for (int column = 0; column < ColumnCount; ++column)
                items << item(column == Substation    ? tr("document illisible")
                              : column == Transformer ? QFileInfo(e.path).fileName()
                                                      : QString());
        for (QStandardItem *i : items) {
            i->setData(e.path, PathRole);
            i->setToolTip(QDir::toNativeSeparators(e.path));
        }
        if (e.readable && e.dateIsDownload)
            items.first()->setToolTip(
                tr("Date du telechargement : l'appareil ne date pas ses enregistrements."));
        m_model.appendRow(items);
    }
    m_proxy.setDynamicSortFilter(true);
    m_view.sortByColumn(Date, Qt::DescendingOrder);
    m_progress.hide();
    fitColumns();
    m_loaded = true;
    emit loaded();
}

void ArchiveWindow::fitColumns()
{
    // Wide enough for every column's text in any language (within the screen): the substation's column
    // takes what is left, with a least width of its own.
    QHeaderView *header = m_view.horizontalHeader();
    int needed = 2 * m_view.frameWidth() + m_view.verticalScrollBar()->sizeHint().width() +
                 qMax(SubstationLeastPx, header->sectionSizeHint(Substation));
    header->resizeSections(QHeaderView::ResizeToContents);
    for (int column = 0; column < ColumnCount; ++column)
        if (column != Substation)
            needed += header->sectionSize(column);
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 4096, 4096);
    const QMargins margins = m_layout.contentsMargins();
    resize(qMin(screen.width(), qMax(width(), needed + margins.left() + margins.right())), height());
}

QList<ArchiveEntry> ArchiveWindow::selected() const
{
    QList<ArchiveEntry> list;
    for (const QModelIndex &row : m_view.selectionModel()->selectedRows()) {
        const QString path = row.data(PathRole).toString();
        for (const ArchiveEntry &e : m_entries)
            if (e.path == path)
                list << e;
    }
    return list;
}

QDialog *ArchiveWindow::showTrend()
{
    const QList<ArchiveEntry> chosen = selected();
    bool one = !chosen.isEmpty();
    for (const ArchiveEntry &e : chosen)
        if (!e.readable || e.transformer() != chosen[0].transformer())
            one = false;
    if (!one) {
        QMessageBox::information(this, tr("Tendance"),
                                 tr("Choisissez des documents d'un seul transformateur (meme poste et meme "
                                    "numero)."));
        return nullptr;
    }
    auto *trend = new TrendWindow(chosen, m_tolerance, this);
    trend->setAttribute(Qt::WA_DeleteOnClose);
    trend->show();
    return trend;
}

QDialog *ArchiveWindow::showComparison()
{
    const QList<ArchiveEntry> chosen = selected();
    if (chosen.size() != 2) {
        QMessageBox::information(
            this, tr("Comparer"),
            tr("Choisissez exactement deux documents a comparer (%1 choisi(s)).").arg(chosen.size()));
        return nullptr;
    }
    // Read again in full: a document may have changed or gone since it was indexed.
    std::array<Measurement, 2> records;
    for (int i = 0; i < 2; ++i) {
        const Result read = XmlMesure::load(chosen[i].path, &records[size_t(i)]);
        if (!read) {
            QMessageBox::information(this, tr("Comparer"), read.reason);
            return nullptr;
        }
    }
    auto *comparison = new CompareWindow(records, this);
    comparison->setAttribute(Qt::WA_DeleteOnClose);
    comparison->show();
    return comparison;
}
