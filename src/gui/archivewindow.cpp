#include "archivewindow.h"

#include "comparewindow.h"
#include "format.h"
#include "ratioevaluation.h"
#include "teamcommands.h"
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
                                       tr("Gamme"), tr("Essais reussis"), tr("Rapport moyen"), tr("Ecart"),
                                       tr("Envoye par")});
    m_scope.setObjectName(QStringLiteral("archiveScope"));
    m_scope.addItems({tr("Ce poste"), tr("Equipe")});
    m_scope.hide();
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
    auto *top = new QHBoxLayout; // the layout's own
    top->addWidget(&m_filter, 1);
    top->addWidget(&m_scope);
    m_layout.addLayout(top);
    for (QWidget *part : std::initializer_list<QWidget *>{&m_view, &m_progress, &m_buttons})
        m_layout.addWidget(part);
    m_view.setColumnHidden(Sender, true);
    resize(1000, 600);

    connect(&m_filter, &QLineEdit::textChanged, &m_proxy, &QSortFilterProxyModel::setFilterFixedString);
    connect(&m_buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(trend, &QPushButton::clicked, this, &ArchiveWindow::showTrend);
    connect(compare, &QPushButton::clicked, this, &ArchiveWindow::showComparison);
    connect(&m_view, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        const QString file = fileOf(m_entries.value(index.data(EntryRole).toInt()));
        if (!file.isEmpty())
            emit openRequested(file);
    });
    connect(&m_scope, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &ArchiveWindow::showScope);

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

void ArchiveWindow::setTeam(TeamCommands *team)
{
    m_team = team;
    m_scope.setVisible(team && team->isSet());
    if (team)
        connect(team, &TeamCommands::synced, this, [this] {
            if (m_loaded && m_scope.currentIndex() == Team)
                showScope();
        });
}

void ArchiveWindow::setScope(Scope scope)
{
    m_scope.setCurrentIndex(scope);
}

QString ArchiveWindow::fileOf(const ArchiveEntry &entry)
{
    if (entry.versions == 0 || !m_team)
        return entry.path;
    return m_team->fetch(entry.revision);
}

void ArchiveWindow::fill(const QList<ArchiveEntry> &entries)
{
    m_local = entries;
    showScope();
    m_loaded = true;
    emit loaded();
}

void ArchiveWindow::showScope()
{
    const bool team = m_team && m_team->isSet() && m_scope.currentIndex() == Team;
    // A record saved more than once (a form filled in later, a copy) is one row: its newest document; the
    // team's choice of revision in the team's scope.
    m_entries =
        team ? TeamSync::teamScope(m_local, m_team->settings()) : ArchiveIndex::newestOfEachRecord(m_local);
    m_view.setColumnHidden(Sender, !team);
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
    for (int row = 0; row < m_entries.size(); ++row) {
        const ArchiveEntry &e = m_entries[row];
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
                     number(e.deviation, Format::percent(e.deviation)),
                     item(TeamSync::sender(e))};
        else
            for (int column = 0; column < ColumnCount; ++column)
                items << item(column == Substation    ? tr("document illisible")
                              : column == Transformer ? QFileInfo(e.path).fileName()
                              : column == Sender      ? TeamSync::sender(e)
                                                      : QString());
        const QString where = e.versions == 0
                                  ? QDir::toNativeSeparators(e.path)
                                  : tr("Envoye par %1 depuis %2 le %3")
                                        .arg(e.uploader, e.computer, Format::date(e.uploaded.date()));
        for (QStandardItem *i : items) {
            i->setData(e.path, PathRole);
            i->setData(row, EntryRole);
            i->setToolTip(where);
        }
        if (e.versions > 1)
            items[Sender]->setToolTip(tr("Deux revisions ou plus de cet enregistrement ont ete envoyees : un "
                                         "relecteur choisit celle de reference."));
        if (e.readable && e.dateIsDownload)
            items.first()->setToolTip(
                tr("Date du telechargement : l'appareil ne date pas ses enregistrements."));
        m_model.appendRow(items);
    }
    m_proxy.setDynamicSortFilter(true);
    m_view.sortByColumn(Date, Qt::DescendingOrder);
    m_progress.hide();
    fitColumns();
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
        if (column != Substation && !m_view.isColumnHidden(column))
            needed += header->sectionSize(column);
    const QRect screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 4096, 4096);
    const QMargins margins = m_layout.contentsMargins();
    resize(qMin(screen.width(), qMax(width(), needed + margins.left() + margins.right())), height());
}

QList<ArchiveEntry> ArchiveWindow::selected() const
{
    QList<ArchiveEntry> list;
    for (const QModelIndex &row : m_view.selectionModel()->selectedRows())
        list << m_entries.value(row.data(EntryRole).toInt());
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
        const QString file = fileOf(chosen[i]);
        if (file.isEmpty())
            return nullptr;
        const Result read = XmlMesure::load(file, &records[size_t(i)]);
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
