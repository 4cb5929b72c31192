// quarvex2-cli against the simulated instrument on a pseudo-terminal. Each row is a command line, what the
// instrument does meanwhile, and what must hold after: the exit code, the JSON document, the files in Data/.
// The rows run in order on one data folder, as a station's commands would.

#include "constants.h"
#include "faultnames.h"
#include "instrumentlink.h"
#include "ptyinstrument.h"
#include "singleinstance.h"
#include "testutil.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void commands_data();
    void commands();

private:
    QTemporaryDir m_dir; // home/ (the user's data location) and data/ (--data)
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList documents() const
    {
        return QDir(path("data/Data")).entryList({"*.qv2"}, QDir::Files, QDir::Name);
    }
};

// A JSON value by its path ("files/0/file"); "#" at the end gives an array's size.
static QString valueAt(const QJsonValue &root, const QString &where)
{
    QJsonValue v = root;
    const bool size = where.endsWith('#');
    for (const QString &step : QString(where).remove('#').split('/', Qt::SkipEmptyParts))
        v = v.isArray() ? v.toArray().at(step.toInt()) : v.toObject().value(step);
    if (size)
        return QString::number(v.toArray().size());
    return v.isBool()     ? (v.toBool() ? "true" : "false")
           : v.isDouble() ? QString::number(v.toDouble())
                          : v.toString();
}

void TestCli::commands_data()
{
    QTest::addColumn<QString>("arguments");  // split at '|'; @doc: the first document, @bad: a text file, ...
    QTest::addColumn<QString>("instrument"); // none, answering, a fault's name, "held" by a window
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("checks"); // path=value or path~part, separated by ';'; "-": a help
    QTest::addColumn<int>("documents");  // in Data/ after; -1: not checked
    auto row = [](const char *name, const char *arguments, const char *instrument, int exit,
                  const char *checks, int documents = -1) {
        QTest::newRow(name) << arguments << instrument << exit << checks << documents;
    };
    row("no command", "", "none", 1, "exit=1");
    row("unknown command", "frobnicate", "none", 1, "command=frobnicate");
    row("erase without --yes", "erase", "answering", 1, "error~--yes");
    row("firmware without --yes", "firmware|@bad", "answering", 1, "exit=1");
    row("no instrument on the port", "info", "none", 2, "error~");
    row("a silent instrument", "info", "silent", 3, "exit=3");
    row("a window holds the port", "info", "held", 2, "error~window");
    row("ports", "ports", "answering", 0, "ports#=1;ports/0/instrument=true");
    row("info", "info", "answering", 0, "serial=SN20417;firmware=D504");
    row("params get", "params|get|P_TEMP_MAX", "answering", 0, "parameter/number=21");
    row("params set", "params|set|P_TEMP_MAX|65", "answering", 0, "parameter/value=65");
    row("params of another name", "params|get|NOPE", "answering", 1, "exit=1");
    row("patch with an unknown name", "patch|@patch", "answering", 5,
        "lines#=2;lines/0/written=false;lines/1/written=true");
    row("download all", "download|all", "answering", 0, "saved=10;skipped=0;files#=10", 10);
    row("download all again", "download|all", "answering", 0, "saved=0;skipped=10;failed=0", 10);
    row("a record cut off", "download|1", "die-after=40", 3, "saved=0;failed=1", 10);
    row("the archive after a download", "archive", "none", 0, "rows#=10;rows/0/passed~1", 10);
    row("the archive filtered", "archive|--filter|no such text", "none", 0, "rows#=0");
    row("trend", "trend||", "none", 0, "points#=10");
    row("export csv", "export|csv|@doc", "none", 0, "files/0/file~.csv");
    row("export pdf elsewhere", "export|pdf|@doc|--out|@out", "none", 0, "files/0/file~/out/");
    row("export of a refused file", "export|csv|@bad", "none", 4, "files/0/file=");
    row("firmware of a missing image", "firmware|@missing|--yes", "answering", 4, "exit=4");
    row("firmware", "firmware|@image|--yes", "answering", 0, "outcome=Done");
    row("unknown option", "--frob|info", "none", 1, "exit=1");
    row("unknown language", "--lang|xx|info", "none", 1, "exit=1");
    row("a record out of range", "download|11", "none", 1, "exit=1");
    row("params set of a word", "params|set|P_TEMP_MAX|x", "answering", 1, "exit=1");
    row("params listed", "params", "answering", 0, "parameters#=26;parameters/20/name=P_TEMP_MAX");
    row("patch of a missing file", "patch|@missing", "answering", 4, "exit=4");
    row("patch of comments only", "patch|@comments", "answering", 4, "lines/0/written=false");
    row("erase", "erase|--yes", "answering", 0, "exit=0");
    row("export to another format", "export|doc|@doc", "none", 1, "exit=1");
    row("export png", "export|png|@doc|--out|@out", "none", 0, "files/0/file~.png");
    row("export svg", "export|svg|@doc|--out|@out", "none", 0, "files/0/file~.svg");
    row("export into a folder that cannot be made", "export|csv|@doc|--out|/proc/none", "none", 4, "exit=4");
    row("ports, none answering", "ports", "none", 2, "ports#=0");
    row("trend of another transformer", "trend|P|T", "none", 0, "points#=0");
    row("the search, no adapter", "download|all", "none", 2, "exit=2");
    row("download without its record", "download", "none", 1, "exit=1");
    row("params set without its value", "params|set|P_TEMP_MAX", "none", 1, "exit=1");
    row("an option the command does not take", "archive|--frob", "none", 1, "exit=1");
    row("params set, another value echoed", "params|set|P_TEMP_MAX|65", "echo-offset=1", 5,
        "parameter/value=66");
    row("export, one of two refused", "export|csv|@doc|@bad", "none", 5, "files#=2;files/1/file=");
    row("the language as --lang=LL", "--lang=ru|archive|--filter|no such row", "none", 0, "rows#=0");
    row("firmware refused by the bootloader", "firmware|@image|--yes", "refuse-page-always=0", 3, "exit=3");
    row("help", "--help", "none", 0, "-");
    row("a command's help", "download|--help", "none", 0, "-");
    row("watch, ended by SIGTERM", "watch", "watch", 0, "runs#=1;runs/0/skipped=10", 10);
}

void TestCli::commands()
{
    QFETCH(QString, arguments);
    QFETCH(QString, instrument);
    QFETCH(int, exit);
    QFETCH(QString, checks);
    QFETCH(int, documents);
    QVERIFY(TestUtil::writeFile(path("bad.qv2"), "not a document") &&
            TestUtil::writeFile(path("patch.txt"), "INCONNU = 4\nP_TEMP_MAX = 55\n") &&
            TestUtil::writeFile(path("comments.txt"), "# only a comment\n"));
    qvx2sim::PtyInstrument sim;
    sim.setPacing(false);
    QVERIFY(instrument == "none" || sim.open());
    // A window of this user's holding the port: its mark taken, its port open.
    qputenv("HOME", path("home").toLocal8Bit()); // the program's user, whose mark it looks for
    SingleInstance window(SingleInstance::keyFor(QLatin1String(Qvx2::ProgramName)));
    InstrumentLink held([&sim] { return QList<PortCandidate>{{sim.slavePath(), "FTDI"}}; });
    if (instrument == "held")
        QVERIFY(!window.isAlreadyRunning() && held.search());
    const bool fault =
        instrument != "none" && instrument != "held" && instrument != "answering" && instrument != "watch";
    QVERIFY(!fault || qvx2sim::applyFault(sim.faults(), instrument));

    QStringList args{"--data", path("data"), "--json", "--lang", "en"};
    if (instrument != "none")
        args << "--port" << sim.slavePath();
    else if (arguments == "info" || arguments == "ports")
        args << "--port" << path("no-such-port");
    for (QString a : arguments.split('|'))
        args << a.replace("@doc", path("data/Data/") + this->documents().value(0))
                    .replace("@bad", path("bad.qv2"))
                    .replace("@patch", path("patch.txt"))
                    .replace("@comments", path("comments.txt"))
                    .replace("@out", path("out"))
                    .replace("@missing", path("no-such-image.bin"))
                    .replace("@image", QVX_SOURCE_DIR "/demo/QVX2_demo.bin");
    if (arguments.isEmpty())
        args.removeLast();
    QProcess cli;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", path("home/.local/share"));
    cli.setProcessEnvironment(env);
    cli.start(QVX_APP_DIR "/quarvex2-cli", args);
    QVERIFY(cli.waitForStarted());
    if (instrument == "watch") { // its records fetched (all there already), then stopped as a service is
        const QByteArray last = QString::fromLatin1(Qvx2::CmdFetchRecord).arg(Qvx2::RecordCount).toLatin1();
        QTRY_VERIFY_WITH_TIMEOUT(sim.receivedBytes().contains(last), 60000);
        QTest::qWait(500);
        cli.terminate();
    }
    QTRY_VERIFY_WITH_TIMEOUT(cli.state() == QProcess::NotRunning, 120000);
    const QByteArray err = cli.readAllStandardError();
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QVERIFY2(cli.exitCode() == exit, err.constData());
    const QByteArray out = cli.readAllStandardOutput();
    if (checks == "-") { // a help: text, and each command named
        QVERIFY(out.contains("download") && out.contains("--json") == !arguments.contains('|'));
        return;
    }
    const QJsonDocument json = QJsonDocument::fromJson(out);
    QVERIFY2(json.isObject() && valueAt(json.object(), "exit") == QString::number(exit), err.constData());
    for (const QString &check : checks.split(';')) {
        const bool contains = check.contains('~');
        const QString where = check.section(contains ? '~' : '=', 0, 0),
                      expected = check.section(contains ? '~' : '=', 1);
        const QString found = valueAt(json.object(), where);
        QVERIFY2(contains ? found.contains(expected) : found == expected,
                 qPrintable(check + " | found: " + found + " | " + err));
    }
    QVERIFY(documents < 0 || this->documents().size() == documents);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
