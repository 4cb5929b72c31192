// The team archive at scale, against a PostgreSQL server of its own (the tests' fixture): N documents
// (5 000 transformers x 20 at the default 100 000) on the server, then a laptop's first receive of the
// summaries beside a plain SELECT of the same rows, a sync with nothing new, the archive opened in the
// team's scope, a filter keystroke, a trend, 1 000 new documents sent beside plain INSERTs of the same
// bytes, and the program's resident memory with that archive open. QVX_BENCH_TEAM_DOCS sets N.

#include "apppaths.h"
#include "archivewindow.h"
#include "benchutil.h"
#include "measurement.h"
#include "pgserver.h"
#include "teamcommands.h"
#include "teamschema.h"
#include "teamserver.h"
#include "teamsync.h"
#include "trendwindow.h"
#include "xmlmesure.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

namespace
{
constexpr int RecordsEach = 20;
constexpr int NewDocuments = 1000;

double seconds(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e9;
}

void row(const char *what, double measured, double aim, const char *unit, double scale, double peer = -1)
{
    const QString beside = peer < 0 ? QString()
                                    : QStringLiteral(", plain SQL %1 %2, ratio %3")
                                          .arg(Bench::fixed(peer * scale, 3), QLatin1String(unit),
                                               Bench::fixed(measured / peer, 2));
    std::printf("  %-44s %10.3f %s   (aim <= %g %s, %s%s)\n", what, measured * scale, unit, aim * scale, unit,
                measured <= aim ? "met" : "MISSED", qPrintable(beside));
    Bench::summaryRow(QString::fromLatin1(what), Bench::fixed(measured * scale, 3) + ' ' + unit,
                      QStringLiteral("aim %1 %2").arg(aim * scale).arg(unit), Bench::fixed(measured / aim, 3),
                      QStringLiteral("<= 1"));
}

double residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

// The same rows as a receive reads, by a plain query, each value read once.
double plainSelect(const QString &conninfo, int *rows)
{
    TeamServer server(conninfo);
    server.open();
    QElapsedTimer t;
    t.start();
    QSqlQuery q(server.database());
    q.setForwardOnly(true);
    q.exec(QStringLiteral(
               "SELECT id, revision, parent, uploader, uploaded, computer, %1 FROM quarvex2.documents")
               .arg(ArchiveIndex::summaryColumns().join(QLatin1String(", "))));
    *rows = 0;
    const int columns = 6 + int(ArchiveIndex::summaryColumns().size());
    while (q.next()) {
        for (int c = 0; c < columns; ++c)
            q.value(c);
        ++*rows;
    }
    return seconds(t);
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench::silenceDiagnostics();
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int documents = qEnvironmentVariableIsSet("QVX_BENCH_TEAM_DOCS")
                              ? qEnvironmentVariableIntValue("QVX_BENCH_TEAM_DOCS")
                              : 100000;
    const int transformers = documents / RecordsEach;
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath("share").toUtf8());
    PgServer pg;
    QString error;
    if (!pg.start(&error)) {
        std::fprintf(stderr, "no server: %s\n", qPrintable(error));
        return 1;
    }
    const QString admin = pg.adminConninfo();
    // The window keeps no password: libpq's own way gives it here, as ~/.pgpass would.
    qputenv("PGPASSWORD", PgServer::adminPassword().toUtf8());
    {
        TeamServer server(admin);
        server.open();
        QSqlDatabase db = server.database();
        TeamSchema::setup(db);
    }
    // The team's documents made on the server: their summaries are what is measured, not their bytes.
    QElapsedTimer t;
    t.start();
    const bool made =
        pg.psql(QStringLiteral(
                    "INSERT INTO quarvex2.documents (record, revision, content, computer, date, substation, "
                    "transformer, site_code, hv_voltage, lv_voltage, gamme, passed, ra, rb, rc, rmean, "
                    "deviation, downloaddate) SELECT md5('r' || i), md5('v' || i), 'x', 'bench', "
                    "(date '2005-01-01' + (i % %1) * 365 + i / %1 % 300)::text, 'Poste ' || (i / %1 % 50), "
                    "'T' || (i / %1), '', '20 kV', '410 V', '10-20kV', 19, 48.6, 48.61, 48.62, 48.61, "
                    "0.1 * (i % 7), false FROM generate_series(0, %2) AS i")
                    .arg(RecordsEach)
                    .arg(documents - 1),
                &error);
    if (!made) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("Team archive of %d documents (%d transformers x %d) on the server, made in %.1f s\n",
                documents, transformers, RecordsEach, seconds(t));

    const QString data = dir.filePath("laptop/Data/");
    QDir().mkpath(data);
    const TeamSettings laptop{admin, QString(), data, AppPaths::indexFile()};
    TeamSync::configureServer(laptop.indexFile, admin);
    t.restart();
    const TeamOutcome first = TeamSync::run(laptop);
    const double receive = seconds(t);
    int rows = 0;
    row("first receive of the summaries", receive, 60, "s", 1, plainSelect(admin, &rows));
    t.restart();
    const TeamOutcome nothing = TeamSync::run(laptop);
    row("a sync with nothing new", seconds(t), 0.3, "s", 1);

    // The window's parts: the team's sync (nothing new), then the archive in the team's scope.
    QStatusBar bar;
    TeamCommands team(nullptr, &bar, data, laptop.indexFile);
    team.syncSoon();
    auto *status = bar.findChild<QLabel *>(QStringLiteral("teamStatus"));
    while (!status->text().contains(QLatin1Char('(')))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    t.restart();
    const int scope = int(TeamSync::teamScope({}, laptop).size());
    std::printf("  (the team's rows read from this computer's copy: %d in %.3f s)\n", scope, seconds(t));
    t.restart();
    ArchiveWindow archive(data, laptop.indexFile);
    archive.setTeam(&team);
    archive.setScope(ArchiveWindow::Team);
    while (!archive.isLoaded())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    row("opening the archive, team scope", seconds(t), 0.5, "s", 1);
    const double memory = residentMiB();
    auto *filter = archive.findChild<QLineEdit *>(QStringLiteral("archiveFilter"));
    t.restart();
    filter->setText(QStringLiteral("T12"));
    row("a filter keystroke", seconds(t), 0.05, "ms", 1000);
    filter->setText(QStringLiteral("T%1").arg(transformers - 1)); // no other name holds it
    archive.view()->selectAll();
    t.restart();
    QDialog *trend = archive.showTrend();
    QCoreApplication::processEvents();
    const int points = trend ? static_cast<TrendWindow *>(trend)->series(3).size() : 0;
    row("trend of one transformer (20 documents)", seconds(t), 0.2, "s", 1);
    row("resident memory, archive open", memory, 400, "MiB", 1);

    // 1 000 new documents of this laptop, whole (six curves of 500 points), sent; beside them the same bytes
    // inserted by plain statements, one transaction each.
    Measurement m;
    m.gamme = QStringLiteral("10-20kV");
    m.verdicts.fill(Measurement::Verdict::Passed);
    for (auto &curve : m.curves)
        for (int i = 0; i < 500; ++i)
            curve << QPointF(i, (i * 37) % 4096);
    m.date = QDate(2026, 12, 7);
    m.numTransfo = QStringLiteral("N");
    QList<QByteArray> contents;
    for (int n = 0; n < NewDocuments; ++n) {
        m.poste = QStringLiteral("Neuf %1").arg(n);
        m.ratios[0] = 40 + n * 0.01;
        const QString file = data + QStringLiteral("N%1.qv2").arg(n);
        XmlMesure::save(m, file);
        QFile f(file);
        f.open(QIODevice::ReadOnly);
        contents << f.readAll();
    }
    t.restart();
    const TeamOutcome sent = TeamSync::run(laptop);
    const double sending = seconds(t);
    double plainInsert = 0;
    {
        TeamServer server(admin);
        server.open();
        QSqlQuery q(server.database());
        q.exec(QStringLiteral("CREATE TEMP TABLE peer (content bytea)"));
        q.prepare(QStringLiteral("INSERT INTO peer VALUES (?)"));
        QElapsedTimer p;
        p.start();
        for (const QByteArray &content : qAsConst(contents)) {
            q.addBindValue(content);
            q.exec();
        }
        plainInsert = seconds(p);
    }
    row("sending 1 000 new documents", sending, 30, "s", 1, plainInsert);
    std::printf("  received %d (plain SELECT %d rows), then %d; sent %d; trend points %d\n", first.received,
                rows, nothing.received, sent.sent, points);
    return first.received == documents && sent.sent == NewDocuments && points == RecordsEach ? 0 : 1;
}
