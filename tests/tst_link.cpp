// The instrument link and the bootloader exchange over pseudo-terminals, with no window: the search for the
// instrument, send-and-wait, one exchange at a time, a lost adapter, and firmware runs against every fault.

#include "bootloadersession.h"
#include "faultnames.h"
#include "firmwareimage.h"
#include "instrumentlink.h"
#include "ptyinstrument.h"
#include "testutil.h"

#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace
{

// A link whose search is offered these simulated instruments, each under a manufacturer string (empty: an
// adapter that reports none).
struct Rig {
    std::vector<std::unique_ptr<qvx2sim::PtyInstrument>> sims;
    std::unique_ptr<InstrumentLink> link;

    qvx2sim::PtyInstrument &sim(int i = 0) { return *sims.at(size_t(i)); }
    bool start(const QStringList &manufacturers, const QStringList &faults = {})
    {
        QList<PortCandidate> ports;
        for (const QString &manufacturer : manufacturers) {
            sims.push_back(std::make_unique<qvx2sim::PtyInstrument>());
            sims.back()->setPacing(false);
            for (const QString &f : faults)
                if (!qvx2sim::applyFault(sims.back()->faults(), f))
                    return false;
            if (!sims.back()->open())
                return false;
            ports.append({sims.back()->slavePath(), manufacturer});
        }
        link = std::make_unique<InstrumentLink>([ports] { return ports; });
        return true;
    }
    // Runs the event loop until every simulator has answered (or timeoutMs passes).
    void settle(int timeoutMs = 2000)
    {
        QElapsedTimer t;
        t.start();
        const auto idle = [this] {
            for (auto &s : sims)
                if (!s->isIdle())
                    return false;
            return true;
        };
        do
            QTest::qWait(2);
        while (!idle() && t.elapsed() < timeoutMs);
    }
    QList<QByteArray> lines(int i = 0) { return sim(i).receivedLines(); }
};

} // namespace

Q_DECLARE_METATYPE(std::function<void(Rig &)>)

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void search_data();
    void search();
    void sendAndWait();
    void oneExchangeAtATime();
    void lostAdapterEndsTheWait();
    void acknowledgements_data();
    void acknowledgements();
    void firmwareRuns_data();
    void firmwareRuns();
};

// Ports are tried in the system's order, the first that answers the probe wins; a port whose adapter
// reports no manufacturer is never opened, a silent one costs its whole probe time.
void TestLink::search_data()
{
    QTest::addColumn<QStringList>("manufacturers");
    QTest::addColumn<QStringList>("silent"); // which of them do not answer ("1": silent)
    QTest::addColumn<int>("found");          // index of the instrument found, -1 none
    QTest::addColumn<QString>("probes");     // probes each received, "1 0 ..."
    QTest::newRow("hidden, silent, instrument")
        << QStringList{"", "Prolific", "FTDI"} << QStringList{"0", "1", "0"} << 2 << "0 1 1";
    QTest::newRow("first of two") << QStringList{"FTDI", "FTDI"} << QStringList{"0", "0"} << 0 << "1 0";
    QTest::newRow("nothing answers") << QStringList{"FTDI"} << QStringList{"1"} << -1 << "1";
    QTest::newRow("no candidate") << QStringList{""} << QStringList{"0"} << -1 << "0";
}

void TestLink::search()
{
    QFETCH(QStringList, manufacturers);
    QFETCH(QStringList, silent);
    QFETCH(int, found);
    QFETCH(QString, probes);
    Rig rig;
    QVERIFY(rig.start(manufacturers));
    for (int i = 0; i < silent.size(); ++i)
        rig.sim(i).faults().silent = silent.at(i) == "1";
    QSignalSpy changed(rig.link.get(), &InstrumentLink::connectionChanged);
    QElapsedTimer t;
    t.start();
    QCOMPARE(rig.link->ls_connection_auto(), found >= 0);
    QVERIFY(t.elapsed() >= 2000 * silent.count("1"));
    QStringList received;
    for (int i = 0; i < manufacturers.size(); ++i)
        received << QString::number(rig.lines(i).count("TEST 05"));
    QCOMPARE(received.join(' '), probes);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toBool(), found >= 0);
    QCOMPARE(rig.link->isOpen(), found >= 0);
    if (found < 0)
        return;
    // The port shows under its system name, as the port list gives it.
    QCOMPARE(rig.link->portName(), QString(rig.sim(found).slavePath()).remove(QRegularExpression("^/dev/")));
    // A new search releases the port first, then finds the instrument again.
    rig.sim(found).clearLog();
    QVERIFY(rig.link->ls_connection_auto());
    QCOMPARE(rig.lines(found), QList<QByteArray>{"TEST 05"});
}

// The flags are cleared before the command goes out; an empty command only waits; an answer already there
// still costs a cycle; a wait of tempo cycles gives up in cycle tempo + 2.
void TestLink::sendAndWait()
{
    Rig rig;
    QVERIFY(rig.start({"FTDI"}));
    QVERIFY(rig.link->ls_connection_auto());
    InstrumentLink &link = *rig.link;
    QVERIFY(link.ls_envoi_attente_trame("INFO 00 \r", "essai", 500, Qvx2::FlagRecordNumber));
    QCOMPARE(link.parser().recordNumber, 23);

    rig.sim().clearLog();
    link.parser().received[Qvx2::FlagRecordNumber] = 1;
    QVERIFY(!link.ls_envoi_attente_trame(QString(), "vide", 3, Qvx2::FlagRecordNumber));
    rig.settle(100);
    QCOMPARE(rig.lines(), QList<QByteArray>());

    link.parser().received[Qvx2::FlagRange] = 1;
    QElapsedTimer t;
    t.start();
    QVERIFY(link.ls_attente_trame(100, Qvx2::FlagRange));
    QVERIFY(t.elapsed() >= Qvx2::LinkCycleMs);
    t.restart();
    QVERIFY(!link.ls_attente_trame(0, 27));
    QVERIFY(t.elapsed() >= 2 * Qvx2::LinkCycleMs);
    QVERIFY(!link.ls_attente_trame(0, Qvx2::FlagCount)); // no such flag
}

// While an exchange waits, a second one is refused without a byte or a cleared flag, and the ping waits
// for the exchange to end; the busy state brackets the exchange.
void TestLink::oneExchangeAtATime()
{
    Rig rig;
    QVERIFY(rig.start({"FTDI"}, {"late=300"}));
    QVERIFY(rig.link->ls_connection_auto());
    InstrumentLink &link = *rig.link;
    rig.sim().clearLog();
    QSignalSpy busy(&link, &InstrumentLink::busyChanged);
    bool second = true;
    QTimer::singleShot(50, [&] {
        QVERIFY(link.isBusy());
        second = link.ls_envoi_attente_trame("PARAM 00\r", "second", 500, 13) ||
                 link.ls_attente_trame_progress(5, 1, 13);
        link.ls_connection_auto(); // no new search either: no probe goes out
        link.slotPingQV2();
    });
    QVERIFY(link.ls_envoi_attente_trame("INFO 01\r", "info", 500, Qvx2::FlagRange));
    QVERIFY(!second);
    QVERIFY(!link.isBusy());
    rig.settle();
    QCOMPARE(rig.lines(), (QList<QByteArray>{"INFO 01", "INFO 04"}));
    QCOMPARE(busy.size(), 2);
    QCOMPARE(busy.at(0).first().toBool(), true);
    QCOMPARE(busy.at(1).first().toBool(), false);

    // Paused (a firmware update has the port): no ping, and received bytes stay in the port.
    link.setPaused(true);
    rig.sim().clearLog();
    link.slotPingQV2();
    link.ls_envoi_cmd("INFO 00 \r");
    rig.settle();
    QTest::qWait(50);
    QCOMPARE(rig.lines(), QList<QByteArray>{"INFO 00 "});
    QVERIFY(link.port()->bytesAvailable() > 0);
    link.setPaused(false);
    link.onDataAvailable();
    QCOMPARE(link.parser().received[Qvx2::FlagRecordNumber], 1);
}

// A record cut off by an adapter pulled out: the wait ends at once, not after its 25 s, and the link says
// it is no longer connected.
void TestLink::lostAdapterEndsTheWait()
{
    Rig rig;
    QVERIFY(rig.start({"FTDI"}, {"die-after=40"}));
    QVERIFY(rig.link->ls_connection_auto());
    QSignalSpy changed(rig.link.get(), &InstrumentLink::connectionChanged);
    QSignalSpy lost(rig.link.get(), &InstrumentLink::portLost);
    QElapsedTimer t;
    t.start();
    QVERIFY(!rig.link->ls_envoi_attente_trame("TEST1 06 1 \r", "record", Qvx2::WaitLongCycles,
                                              Qvx2::FlagRecordEnd));
    QVERIFY2(t.elapsed() < 1000 + 2 * 2000, qPrintable(QString::number(t.elapsed()))); // the sim drains first
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toBool(), false);
    QCOMPARE(lost.size(), 1);
    QVERIFY(!rig.link->isOpen() && !rig.link->isConnected());
}

// The bootloader's lines as they come: only a line's first word acknowledges, ignoring case, and only a CR
// ends a line.
void TestLink::acknowledgements_data()
{
    QTest::addColumn<QByteArrayList>("chunks"); // written one after the other, each read on its own
    QTest::addColumn<bool>("acknowledged");
    QTest::addColumn<QString>("status"); // the last acknowledgement or title line
    QTest::newRow("lower case") << QByteArrayList{"page 0001\r"} << true << "page 0001";
    QTest::newRow("crc in capitals") << QByteArrayList{"CRC 1F\r"} << true << "CRC 1F";
    QTest::newRow("keyword alone") << QByteArrayList{"WRITE\r"} << true << "WRITE";
    QTest::newRow("title") << QByteArrayList{"TITRE QUARVEN2 bootloader V1.2\r"} << false
                           << "TITRE QUARVEN2 bootloader V1.2";
    QTest::newRow("keyword inside a word") << QByteArrayList{"PAGES 0001\r"} << false << "";
    QTest::newRow("leading blank") << QByteArrayList{" PAGE 0001\r"} << false << "";
    QTest::newRow("LF does not end a line") << QByteArrayList{"WRITE ok\n"} << false << "";
    QTest::newRow("line after CR LF") << QByteArrayList{"bruit\r\nPAGE 0001\r"} << false << "";
    QTest::newRow("split over two reads") << QByteArrayList{"PA", "GE 0001\r"} << true << "PAGE 0001";
    QTest::newRow("split UTF-8 character") << QByteArrayList{"TITRE \xC3", "\xA9t\xC3\xA9\r"} << false
                                           << QString::fromUtf8("TITRE \xC3\xA9t\xC3\xA9");
    QTest::newRow("NUL before the CR") << QByteArrayList{QByteArray("BOOT ok\0\r", 9)} << true << "BOOT ok";
    QTest::newRow("two lines in one read") << QByteArrayList{"TITRE a\rBOOT ok\r"} << true << "BOOT ok";
}

void TestLink::acknowledgements()
{
    QFETCH(QByteArrayList, chunks);
    QFETCH(bool, acknowledged);
    QFETCH(QString, status);
    // A pseudo-terminal whose master side the test writes by hand.
    int master = -1;
    int slave = -1;
    char name[256] = {};
    QVERIFY(::openpty(&master, &slave, name, nullptr, nullptr) == 0);
    const auto closeBoth = qScopeGuard([&] {
        ::close(master);
        ::close(slave);
    });
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    QSerialPort port(QString::fromLocal8Bit(name));
    QVERIFY(port.open(QIODevice::ReadWrite));
    BootloaderSession session(&port);
    QString shown;
    connect(&session, &BootloaderSession::statusLine, [&shown](const QString &line) { shown = line; });
    bool ack = false;
    for (const QByteArray &chunk : chunks) {
        QCOMPARE(::write(master, chunk.constData(), size_t(chunk.size())), ssize_t(chunk.size()));
        ack = session.waitAck("test", 30);
    }
    QCOMPARE(ack, acknowledged);
    QCOMPARE(shown, status);
}

// Whole runs against the simulated bootloader: a lost or spoilt answer costs a resend; a step that fails
// every attempt stops the run without the quit; the quit goes out once, last, and only with every page in
// the flash; success only with the flash equal to the image.
void TestLink::firmwareRuns_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("trace"); // empty: not checked
    QTest::addColumn<int>("outcome");
    using O = BootloaderSession::Outcome;
    // Two pages: exchanges 0 reset, 1 P0, 2 F, 3 W, 4 P1, 5 F, 6 W, 7 quit.
    QTest::newRow("clean") << QStringList() << 700 << "R P0 F W P1 F W Q" << int(O::Success);
    QTest::newRow("page answer lost")
        << QStringList{"drop-ack=1"} << 700 << "R P0 P0 F W P1 F W Q" << int(O::Success);
    QTest::newRow("fill answer lost")
        << QStringList{"drop-ack=5"} << 700 << "R P0 F W P1 F F W Q" << int(O::Success);
    QTest::newRow("write answer spoilt")
        << QStringList{"wrong-ack=3"} << 700 << "R P0 F W W P1 F W Q" << int(O::Success);
    QTest::newRow("checksum refused once")
        << QStringList{"refuse-page=1"} << 700 << "R P0 F W P1 F F W Q" << int(O::Success);
    QTest::newRow("write never answered")
        << QStringList{"drop-ack-cmd=ORVABOOTW"} << 700 << "R P0 F W W W" << int(O::PageFailed);
    QTest::newRow("checksum always refused")
        << QStringList{"refuse-page-always=0"} << 700 << "R P0 F F F" << int(O::PageFailed);
    QTest::newRow("no bootloader") << QStringList{"drop-ack=0"} << 700 << "R" << int(O::NoBootloader);
    QTest::newRow("start not confirmed")
        << QStringList{"drop-ack=7"} << 700 << "R P0 F W P1 F W Q" << int(O::StartUnconfirmed);
    QTest::newRow("empty image") << QStringList() << 0 << "" << int(O::ImageRefused);
    // A three-page image: 0 reset, P F W for each page (1 to 9), 10 quit; a fault at each in turn.
    for (int i = 0; i < 11; ++i) {
        const int outcome = i == 0    ? int(O::NoBootloader)
                            : i == 10 ? int(O::StartUnconfirmed)
                                      : int(O::Success);
        QTest::addRow("answer %d lost", i)
            << QStringList{QStringLiteral("drop-ack=%1").arg(i)} << 1100 << "" << outcome;
        QTest::addRow("answer %d spoilt", i)
            << QStringList{QStringLiteral("wrong-ack=%1").arg(i)} << 1100 << "" << outcome;
    }
}

void TestLink::firmwareRuns()
{
    QFETCH(QStringList, faults);
    QFETCH(int, size);
    QFETCH(QString, trace);
    QFETCH(int, outcome);
    Rig rig;
    QVERIFY(rig.start({"FTDI"}, faults));
    QVERIFY(rig.link->ls_connection_auto());
    rig.sim().clearLog();
    QTemporaryDir dir;
    const QByteArray image = TestUtil::firmwareImage(size);
    QVERIFY(TestUtil::writeFile(dir.filePath("fw.bin"), image));
    FirmwareImage loaded;
    QCOMPARE(loaded.load(dir.filePath("fw.bin")), size > 0);
    rig.link->setPaused(true);
    BootloaderSession session(rig.link->port());
    QSignalSpy pages(&session, &BootloaderSession::pageStarted);
    QCOMPARE(int(session.run(loaded)), outcome);
    rig.link->setPaused(false);

    const QString sent = TestUtil::commandTrace(rig.lines());
    if (!trace.isEmpty())
        QCOMPARE(sent, trace);
    const QStringList steps = sent.split(' ', Qt::SkipEmptyParts);
    if (steps.contains("Q")) {
        QCOMPARE(steps.count("Q"), 1);
        QCOMPARE(steps.last(), QString("Q"));
        QCOMPARE(rig.sim().core().flashPages(), TestUtil::flashedPages(image));
        QCOMPARE(pages.size(), steps.count("F"));
    }
    if (outcome == int(BootloaderSession::Outcome::PageFailed))
        QVERIFY(session.failedPage() >= 0 && !session.failedStep().isEmpty());
    // A page past the whole runs' three, where hex and decimal numbers differ.
    rig.sim().clearLog();
    session.sendPage(255);
    rig.settle();
    QCOMPARE(rig.lines().value(0), QByteArray("ORVABOOTP 00FF"));
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
