// The instrument link and the bootloader exchange over pseudo-terminals, with no window: the search for the
// instrument, send-and-wait, one exchange at a time, a lost adapter, and firmware runs against every fault.

#include "bootloadersession.h"
#include "faultnames.h"
#include "instrumentlink.h"
#include "ptyinstrument.h"
#include "testutil.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace
{

// A link whose search is offered these simulated instruments, under their manufacturer strings (empty: an
// adapter that reports none), "silent" ones not answering.
struct Rig {
    std::vector<std::unique_ptr<qvx2sim::PtyInstrument>> sims;
    std::unique_ptr<InstrumentLink> link;

    qvx2sim::PtyInstrument &sim(int i = 0) { return *sims.at(size_t(i)); }
    bool start(const QStringList &manufacturers, const QString &fault = QString())
    {
        QList<PortCandidate> ports;
        for (const QString &manufacturer : manufacturers) {
            sims.push_back(std::make_unique<qvx2sim::PtyInstrument>());
            sims.back()->setPacing(false);
            qvx2sim::applyFault(sims.back()->faults(), manufacturer == "silent" ? "silent" : fault);
            if (!sims.back()->open())
                return false;
            ports.append({sims.back()->slavePath(), manufacturer});
        }
        link = std::make_unique<InstrumentLink>([ports] { return ports; });
        return true;
    }
    QList<QByteArray> settledLines(int timeoutMs = 200)
    {
        QTest::qWait(timeoutMs);
        return sim().receivedLines();
    }
};

} // namespace

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void search_data();
    void search();
    void sendAndWait();
    void oneExchangeAtATime();
    void lostAdapterEndsTheWait();
    void acknowledgements();
    void firmwareRuns_data();
    void firmwareRuns();
};

// Ports are tried in the system's order, the first that answers the probe wins; a port whose adapter reports
// no manufacturer is never opened, a silent one costs its whole probe time; a new search releases the port.
void TestLink::search_data()
{
    QTest::addColumn<QStringList>("manufacturers");
    QTest::addColumn<int>("found"); // -1: none
    QTest::addColumn<QString>("probes");
    QTest::newRow("hidden, silent, instrument") << QStringList{"", "silent", "FTDI"} << 2 << "0 1 1";
    QTest::newRow("first of two") << QStringList{"FTDI", "FTDI"} << 0 << "1 0";
    QTest::newRow("nothing answers") << QStringList{"silent"} << -1 << "1";
    QTest::newRow("no candidate") << QStringList{""} << -1 << "0";
}

void TestLink::search()
{
    QFETCH(QStringList, manufacturers);
    QFETCH(int, found);
    QFETCH(QString, probes);
    Rig rig;
    QVERIFY(rig.start(manufacturers));
    QSignalSpy changed(rig.link.get(), &InstrumentLink::connectionChanged);
    QElapsedTimer t;
    t.start();
    QCOMPARE(rig.link->ls_connection_auto(), found >= 0);
    QVERIFY(t.elapsed() >= 2000 * manufacturers.count("silent"));
    QStringList received;
    for (int i = 0; i < manufacturers.size(); ++i)
        received << QString::number(rig.sim(i).receivedLines().count("TEST 05"));
    QCOMPARE(received.join(' '), probes);
    QVERIFY(changed.size() == 1 && changed.first().first().toBool() == (found >= 0) &&
            rig.link->isOpen() == (found >= 0));
    if (found < 0)
        return;
    QCOMPARE(rig.link->portName(),
             QString(rig.sim(found).slavePath()).remove("/dev/")); // as the list shows it
    rig.sim(found).clearLog();
    QVERIFY(rig.link->ls_connection_auto());
    QCOMPARE(rig.sim(found).receivedLines(), QList<QByteArray>{"TEST 05"});
    for (const PortCandidate &port : systemPortCatalog()()) // the machine's own list
        QVERIFY(!port.portName.isEmpty());
}

// The flags are cleared before the command goes out; an empty command only waits; an answer already there
// still costs a cycle; a wait of tempo cycles gives up in cycle tempo + 2.
void TestLink::sendAndWait()
{
    Rig rig;
    QVERIFY(rig.start({"FTDI"}) && rig.link->ls_connection_auto());
    InstrumentLink &link = *rig.link;
    QVERIFY(link.ls_envoi_attente_trame("INFO 00 \r", "essai", 500, Qvx2::FlagRecordNumber));
    QCOMPARE(link.parser().recordNumber, 23);
    rig.sim().clearLog();
    QVERIFY(!link.ls_envoi_attente_trame(QString(), "vide", 3, Qvx2::FlagRecordNumber));
    QCOMPARE(rig.settledLines(), QList<QByteArray>());
    link.parser().received[Qvx2::FlagRange] = 1;
    QElapsedTimer t;
    t.start();
    QVERIFY(link.ls_attente_trame(100, Qvx2::FlagRange) && t.elapsed() >= Qvx2::LinkCycleMs);
    t.restart();
    QVERIFY(!link.ls_attente_trame(0, 27) && t.elapsed() >= 2 * Qvx2::LinkCycleMs);
    QVERIFY(!link.ls_attente_trame(0, Qvx2::FlagCount)); // no such flag
}

// While an exchange waits, a second one (or a search) is refused without a byte or a cleared flag, and the
// ping waits for the exchange to end; paused (a firmware update has the port), the link neither pings nor
// reads.
void TestLink::oneExchangeAtATime()
{
    Rig rig;
    QVERIFY(rig.start({"FTDI"}, "late=300") && rig.link->ls_connection_auto());
    InstrumentLink &link = *rig.link;
    rig.sim().clearLog();
    QSignalSpy busy(&link, &InstrumentLink::busyChanged);
    bool second = true;
    QTimer::singleShot(50, [&] {
        second = !link.isBusy() || link.ls_envoi_attente_trame("PARAM 00\r", "second", 500, 13) ||
                 link.ls_attente_trame_progress(5, 1, 13);
        link.ls_connection_auto();
        link.slotPingQV2();
    });
    QVERIFY(link.ls_envoi_attente_trame("INFO 01\r", "info", 500, Qvx2::FlagRange));
    QVERIFY(!second && !link.isBusy());
    QCOMPARE(rig.settledLines(500), (QList<QByteArray>{"INFO 01", "INFO 04"}));
    QVERIFY(busy.size() == 2 && busy.at(0).first().toBool() && !busy.at(1).first().toBool());
    link.setPaused(true);
    rig.sim().clearLog();
    link.slotPingQV2();
    link.ls_envoi_cmd("INFO 00 \r");
    QCOMPARE(rig.settledLines(500), QList<QByteArray>{"INFO 00 "});
    QVERIFY(link.port()->bytesAvailable() > 0);
    link.setPaused(false);
    link.onDataAvailable();
    QCOMPARE(link.parser().received[Qvx2::FlagRecordNumber], 1);
}

// A record cut off by an adapter pulled out: the wait ends at once, not after its 25 s, and the link says it
// is no longer connected.
void TestLink::lostAdapterEndsTheWait()
{
    Rig rig;
    QVERIFY(rig.start({"FTDI"}, "die-after=40") && rig.link->ls_connection_auto());
    QSignalSpy changed(rig.link.get(), &InstrumentLink::connectionChanged);
    QSignalSpy lost(rig.link.get(), &InstrumentLink::portLost);
    QElapsedTimer t;
    t.start();
    QVERIFY(!rig.link->ls_envoi_attente_trame("TEST1 06 1 \r", "record", Qvx2::WaitLongCycles,
                                              Qvx2::FlagRecordEnd));
    QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed()))); // the simulator drains first
    QVERIFY(changed.size() == 1 && !changed.first().first().toBool() && lost.size() == 1);
    QVERIFY(!rig.link->isOpen() && !rig.link->isConnected());
}

// The bootloader's lines as they come: only a line's first word acknowledges, ignoring case; a title is shown
// but acknowledges nothing; only a CR ends a line, a line in pieces is one line.
void TestLink::acknowledgements()
{
    int master = -1, slave = -1;
    char name[256] = {};
    QVERIFY(::openpty(&master, &slave, name, nullptr, nullptr) == 0);
    termios raw{};
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    QSerialPort port(QString::fromLocal8Bit(name));
    QVERIFY(port.open(QIODevice::ReadWrite));
    BootloaderSession session(&port);
    QStringList shown;
    connect(&session, &BootloaderSession::statusLine, [&shown](const QString &line) { shown << line; });
    QString acks;
    for (const QByteArray &chunk :
         QByteArrayList{"page 0001\r", "CRC 1F\r", "TITRE QUARVEN2 b\xC3", "\xA9\r", "PAGES 1\r", " PAGE 1\r",
                        "WRITE ok\n", "\r", "bruit\r\nPAGE 1\r", "WR", "ITE\r"}) {
        session.send(QString()); // a command's send clears the last acknowledgement
        QCOMPARE(::write(master, chunk.constData(), size_t(chunk.size())), ssize_t(chunk.size()));
        acks += session.waitAck("test", 30) ? '+' : '-';
    }
    QCOMPARE(acks, QString("++-----+--+"));
    QCOMPARE(shown, QStringList({"page 0001", "CRC 1F", QString::fromUtf8("TITRE QUARVEN2 b\xC3\xA9"),
                                 "WRITE ok\n", "WRITE"}));
    ::close(master);
    ::close(slave);
}

// Whole runs against the simulated bootloader: a lost or spoilt answer costs a resend; a step that fails
// every attempt stops the run without the quit; the quit goes out once, last, and only with every page in
// the flash; success only with the flash equal to the image.
void TestLink::firmwareRuns_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("trace"); // empty: not checked
    QTest::addColumn<int>("outcome");
    using O = BootloaderSession::Outcome;
    // Two pages: exchanges 0 reset, 1 P0, 2 F, 3 W, 4 P1, 5 F, 6 W, 7 quit.
    const std::tuple<const char *, const char *, O> runs[] = {
        {"", "R P0 F W P1 F W Q", O::Success},
        {"drop-ack=1", "R P0 P0 F W P1 F W Q", O::Success},
        {"wrong-ack=3", "R P0 F W W P1 F W Q", O::Success},
        {"refuse-page=1", "R P0 F W P1 F F W Q", O::Success},
        {"drop-ack-cmd=ORVABOOTW", "R P0 F W W W", O::PageFailed},
        {"refuse-page-always=0", "R P0 F F F", O::PageFailed},
        {"drop-ack=0", "R", O::NoBootloader},
        {"drop-ack=7", "R P0 F W P1 F W Q", O::StartUnconfirmed}};
    for (const auto &run : runs)
        QTest::newRow(*std::get<0>(run) ? std::get<0>(run) : "clean")
            << std::get<0>(run) << 700 << std::get<1>(run) << int(std::get<2>(run));
    QTest::newRow("empty image") << "" << 0 << "" << int(O::ImageRefused);
    // A three-page image: 0 reset, P F W for each page (1 to 9), 10 quit; a fault at each in turn.
    for (int i = 0; i < 11; ++i)
        for (const char *kind : {"drop-ack", "wrong-ack"})
            QTest::addRow("%s=%d", kind, i) << QStringLiteral("%1=%2").arg(kind).arg(i) << 1100 << ""
                                            << int(i == 0    ? O::NoBootloader
                                                   : i == 10 ? O::StartUnconfirmed
                                                             : O::Success);
}

void TestLink::firmwareRuns()
{
    QFETCH(QString, fault);
    QFETCH(int, size);
    QFETCH(QString, trace);
    QFETCH(int, outcome);
    Rig rig;
    QVERIFY(rig.start({"FTDI"}, fault) && rig.link->ls_connection_auto());
    rig.sim().clearLog();
    QTemporaryDir dir;
    const QByteArray image = TestUtil::firmwareImage(size);
    QVERIFY(TestUtil::writeFile(dir.filePath("fw.bin"), image));
    FirmwareImage loaded;
    loaded.load(dir.filePath("fw.bin"));
    rig.link->setPaused(true);
    BootloaderSession session(rig.link->port());
    QSignalSpy pages(&session, &BootloaderSession::pageStarted);
    QCOMPARE(int(session.run(loaded)), outcome);
    const QString sent = TestUtil::commandTrace(rig.sim().receivedLines());
    QVERIFY2(trace.isEmpty() || sent == trace, qPrintable(sent));
    QVERIFY(size || sent.isEmpty());
    const QStringList steps = sent.split(' ', Qt::SkipEmptyParts);
    if (steps.contains("Q")) {
        QVERIFY(steps.count("Q") == 1 && steps.last() == "Q" && pages.size() == steps.count("F"));
        QCOMPARE(rig.sim().core().flashPages(), TestUtil::flashedPages(image));
    }
    QCOMPARE(session.failedPage() >= 0 && !session.failedStep().isEmpty(),
             outcome == int(BootloaderSession::Outcome::PageFailed));
    // A page past the whole runs' three, where hex and decimal numbers differ.
    rig.sim().clearLog();
    session.sendPage(255);
    QCOMPARE(rig.settledLines().value(0), QByteArray("ORVABOOTP 00FF"));
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
