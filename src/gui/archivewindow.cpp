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
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

ArchiveWindow::ArchiveWindow(const QString &dataDir, const QString &indexFile, QWidget *parent)
    : QDialog(parent), m_dataDir(dataDir), m_indexFile(indexFile), m_layout(this)
{
    setObjectName(QStringLiteral("archiveWindow"));
    setWindowTitle(tr("Archives"));
    m_filter.setObjectName(QStringLiteral("archiveFilter"));
    m_filter.setPlaceholderText(tr("Filtrer (toutes les colonnes)"));
    m_filter.setClearButtonEnabled(true);
    m_scope.setObjectName(QStringLiteral("archiveScope"));
    m_scope.addItems({tr("Ce poste"), tr("Equipe")});
    m_scope.hide();
    m_proxy.setSourceModel(&m_model);
    m_view.setObjectName(QStringLiteral("archiveView"));
    m_view.setModel(&m_proxy);
    m_view.setSortingEnabled(true);
    m_view.setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every column in view, in any language: the substation's takes what is left, the others their text,
    // measured when the rows come (measured at each keystroke, a large archive's filter would lag).
    m_view.horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
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

    connect(&m_filter, &QLineEdit::textChanged, &m_proxy, &ArchiveFilter::setText);
    connect(&m_buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    connect(trend, &QPushButton::clicked, this, &ArchiveWindow::showTrend);
    connect(compare, &QPushButton::clicked, this, &ArchiveWindow::showComparison);
    connect(&m_view, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        const QString file = fileOf(m_model.entry(m_proxy.mapToSource(index).row()));
        if (!file.isEmpty())
            emit openRequested(file);
    });
    connect(&m_scope, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        if (m_loaded) // before, the index's rows are not there yet: they come with the chosen scope
            showScope();
    });

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
    // The team's rows as the window's sync read them (on its thread), or read now before its first.
    const bool team = m_team && m_team->isSet() && m_scope.currentIndex() == Team;
    const auto rows = team ? m_team->rows() : nullptr;
    // A record saved more than once (a form filled in later, a copy) is one row: its newest document; the
    // team's choice of revision in the team's scope.
    if (!team)
        m_model.setEntries(ArchiveIndex::newestOfEachRecord(m_local));
    else if (rows)
        m_model.setEntries(TeamSync::withLocal(*rows, m_local));
    else
        m_model.setEntries(TeamSync::withLocal(TeamSync::teamRows(m_team->settings()), m_local));
    m_view.setColumnHidden(Sender, !team);
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
        list << m_model.entry(m_proxy.mapToSource(row).row());
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
