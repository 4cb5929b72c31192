// The instrument link and the bootloader exchange over pseudo-terminals, with no window: the search for the
// instrument, the exchange and what it comes to, one exchange at a time, a flood, and firmware runs against
// every fault.

#include "bootloadersession.h"
#include "faultnames.h"
#include "firmwareupdate.h"
#include "instrumentlink.h"
#include "ptyinstrument.h"
#include "testutil.h"

#include <QtTest>

#include <atomic>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

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
};

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void search_data();
    void search();
    void sendAndWait();
    void exchangeResults_data();
    void exchangeResults();
    void oneExchangeAtATime();
    void acknowledgements();
    void floodWithoutCr();
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
    QCOMPARE(rig.link->search(), found >= 0);
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
    QVERIFY(rig.link->search());
    QCOMPARE(rig.sim(found).receivedLines(), QList<QByteArray>{"TEST 05"});
    for (const PortCandidate &port : systemPortCatalog()()) // the machine's own list
        QVERIFY(!port.portName.isEmpty());
}

// The flags are cleared before the command goes out; an empty command only waits; an answer already there
// ends the wait at once; a wait gives up at its deadline; a read error closes the link only once the device
// is gone.
void TestLink::sendAndWait()
{
    Rig rig;
    QVERIFY(rig.start({"FTDI"}) && rig.link->search());
    InstrumentLink &link = *rig.link;
    QVERIFY(link.exchange("INFO 00 \r", Qvx2::Answer::RecordNumber, 5000));
    QCOMPARE(link.parser().recordNumber, 23);
    rig.sim().clearLog();
    QCOMPARE(link.exchange(QByteArray(), Qvx2::Answer::RecordNumber, 30).code, Result::Code::NoResponse);
    QTest::qWait(200);
    QCOMPARE(rig.sim().receivedLines(), QList<QByteArray>());
    link.parser().received[Qvx2::flag(Qvx2::Answer::Range)] = 1;
    QElapsedTimer t;
    t.start();
    QVERIFY(link.wait(Qvx2::Answer::Range, 1000) && t.elapsed() < 1000);
    t.restart();
    QVERIFY(!link.wait(Qvx2::Answer(27), 20) && t.elapsed() >= 20);
    QVERIFY(!link.wait(Qvx2::Answer(Qvx2::FlagCount), 0)); // no such flag
    {
        const InstrumentLink::PortHold held(link);
        emit held.port()->errorOccurred(QSerialPort::ReadError); // a passing error: the device is still there
    }
    QVERIFY(link.isConnected() && link.isOpen());
    rig.sim().unplug(); // its pseudo-terminal is gone, though the port list still names it
    QTRY_VERIFY(!link.isConnected() && !link.isOpen());
}

// What an exchange comes to, and why: its answer; nothing at all from a silent instrument; lines, but not the
// awaited one; the adapter pulled out during the wait; no port; another exchange waiting.
void TestLink::exchangeResults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("awaited");
    QTest::addColumn<QString>("when"); // "unplug": the cable pulled during the wait; "closed": before it
    QTest::addColumn<int>("code");
    using C = Result::Code;
    const int number = Qvx2::flag(Qvx2::Answer::RecordNumber), range = Qvx2::flag(Qvx2::Answer::Range);
    QTest::newRow("answered") << "" << QByteArray("INFO 00 \r") << number << "" << int(C::Done);
    QTest::newRow("silent") << "silent" << QByteArray("INFO 00 \r") << number << "" << int(C::NoResponse);
    QTest::newRow("another answer") << "" << QByteArray("INFO 00 \r") << range << "" << int(C::TimedOut);
    QTest::newRow("cable pulled") << "silent" << QByteArray("INFO 00 \r") << number << "unplug"
                                  << int(C::PortLost);
    QTest::newRow("port closed") << "" << QByteArray("INFO 00 \r") << number << "closed"
                                 << int(C::NotConnected);
    QTest::newRow("another exchange")
        << "late=300" << QByteArray("INFO 01\r") << range << "busy" << int(C::Busy);
}

void TestLink::exchangeResults()
{
    QFETCH(QString, fault);
    QFETCH(QByteArray, command);
    QFETCH(int, awaited);
    QFETCH(QString, when);
    QFETCH(int, code);
    Rig rig;
    QVERIFY(rig.start({"FTDI"}) && rig.link->search());
    QVERIFY(qvx2sim::applyFault(rig.sim().faults(), fault) || fault.isEmpty());
    InstrumentLink &link = *rig.link;
    if (when == "closed")
        link.release();
    if (when == "unplug")
        QTimer::singleShot(100, &rig.sim(), &qvx2sim::PtyInstrument::unplug);
    Result second;
    if (when == "busy") // asked while the first waits
        QTimer::singleShot(50, [&] { second = link.exchange("PARAM 00\r", Qvx2::parameterAnswer(13), 500); });
    QElapsedTimer t;
    t.start();
    const Result r = link.exchange(command, Qvx2::Answer(awaited), 1000);
    QCOMPARE(int((when == "busy" ? second : r).code), code);
    QVERIFY(r.done() == (code == int(Result::Code::Done) || when == "busy") &&
            (r.done() || !r.reason.isEmpty()));
    QVERIFY2(when != "unplug" || t.elapsed() < 900, qPrintable(QString::number(t.elapsed())));
}

// While an exchange waits, a second one (or a search) is refused without a byte or a cleared flag, and the
// ping waits for the exchange to end.
void TestLink::oneExchangeAtATime()
{
    Rig rig;
    QVERIFY(rig.start({"FTDI"}, "late=300") && rig.link->search());
    InstrumentLink &link = *rig.link;
    rig.sim().clearLog();
    QSignalSpy busy(&link, &InstrumentLink::busyChanged);
    bool second = true;
    QTimer::singleShot(50, [&] {
        second = !link.isBusy() || link.exchange("PARAM 00\r", Qvx2::parameterAnswer(13), 5000) ||
                 link.wait(Qvx2::parameterAnswer(13), 7);
        link.search();
        link.pingDue();
    });
    QVERIFY(link.exchange("INFO 01\r", Qvx2::Answer::Range, 5000));
    QVERIFY(!second && !link.isBusy());
    QTest::qWait(500);
    QCOMPARE(rig.sim().receivedLines(), (QList<QByteArray>{"INFO 01", "INFO 04"}));
    QVERIFY(busy.size() == 2 && busy.at(0).first().toBool() && !busy.at(1).first().toBool());
}

// The bootloader's lines as they come: only a line's first word acknowledges, ignoring case; a title is shown
// but acknowledges nothing; only a CR ends a line, a line in pieces is one line.
void TestLink::acknowledgements()
{
    TestUtil::RawPty pty;
    QSerialPort port(pty.slavePath);
    QVERIFY(port.open(QIODevice::ReadWrite));
    BootloaderSession session(&port);
    QStringList shown;
    connect(&session, &BootloaderSession::statusLine, [&shown](const QString &line) { shown << line; });
    QString acks;
    for (const QByteArray &chunk :
         QByteArrayList{"page 0001\r", "CRC 1F\r", "TITRE QUARVEN2 b\xC3", "\xA9\r", "PAGES 1\r", " PAGE 1\r",
                        "WRITE ok\n", "\r", "bruit\r\nPAGE 1\r", "WR", "ITE\r"}) {
        session.send(QString()); // a command's send clears the last acknowledgement
        QCOMPARE(::write(pty.master, chunk.constData(), size_t(chunk.size())), ssize_t(chunk.size()));
        acks += session.waitAck("test", 30) ? '+' : '-';
    }
    QCOMPARE(acks, QString("++-----+--+"));
    QCOMPARE(shown, QStringList({"page 0001", "CRC 1F", QString::fromUtf8("TITRE QUARVEN2 b\xC3\xA9"),
                                 "WRITE ok\n", "WRITE"}));
}

// A port that answers the probe, then pours 100 MB without a CR: the link reads it all in bounded memory,
// and the line after it reads.
void TestLink::floodWithoutCr()
{
    TestUtil::RawPty pty;
    const qint64 total = 100LL << 20;
    std::atomic<qint64> sent{0};
    std::atomic<bool> stop{false};
    std::thread instrument([&] {
        const auto pour = [&](const QByteArray &bytes) {
            for (ssize_t done = 0, n = 0; !stop && done < bytes.size(); done += qMax(n, ssize_t(0)))
                if ((n = ::write(pty.master, bytes.constData() + done, size_t(bytes.size() - done))) <= 0)
                    ::usleep(500);
        };
        QByteArray asked;
        for (char c = 0; !stop && !asked.endsWith("TEST 05\r");)
            if (::read(pty.master, &c, 1) == 1)
                asked += c;
            else
                ::usleep(500);
        pour("Conf: Stack_Used 1 \r");
        for (const QByteArray chunk(1 << 16, 'A'); !stop && sent < total; sent += chunk.size())
            pour(chunk);
        pour("\rGAMME 1-5kV x\r");
    });
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    [[maybe_unused]] const long before = usage.ru_maxrss; // read only without the address sanitizer
    InstrumentLink link([&pty] { return QList<PortCandidate>{{pty.slavePath, "FTDI"}}; });
    const bool found = link.search();
    const int range = Qvx2::flag(Qvx2::Answer::Range);
    QElapsedTimer t;
    for (t.start(); found && !link.parser().received[range] && t.elapsed() < 120000;)
        QCoreApplication::processEvents();
    const bool read = found && link.parser().received[range];
    stop = true;
    instrument.join();
    getrusage(RUSAGE_SELF, &usage);
    QVERIFY(read && sent >= total && link.pendingBytes() == 0);
    QCOMPARE(link.parser().range, QString("1-5kV"));
#ifndef __SANITIZE_ADDRESS__ // the address sanitizer keeps freed memory in quarantine: no bound to check
    QVERIFY2(usage.ru_maxrss - before < 32 * 1024, qPrintable(QString::number(usage.ru_maxrss - before)));
#endif
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
    // Two pages: exchanges 0 reset, 1 P0, 2 F, 3 W, 4 P1, 5 F, 6 W, 7 quit. A lost or spoilt answer at each
    // exchange in turn is the three-page table below.
    const std::tuple<const char *, const char *, O> runs[] = {
        {"", "R P0 F W P1 F W Q", O::Success},
        {"drop-ack=1", "R P0 P0 F W P1 F W Q", O::Success},
        {"wrong-ack=3", "R P0 F W W P1 F W Q", O::Success},
        {"refuse-page=1", "R P0 F W P1 F F W Q", O::Success},
        {"drop-ack-cmd=ORVABOOTW", "R P0 F W W W", O::PageFailed},
        {"refuse-page-always=0", "R P0 F F F", O::PageFailed}};
    for (const auto &run : runs)
        QTest::newRow(*std::get<0>(run) ? std::get<0>(run) : "clean")
            << std::get<0>(run) << 700 << std::get<1>(run) << int(std::get<2>(run));
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
    QVERIFY(rig.start({"FTDI"}, fault) && rig.link->search());
    rig.sim().clearLog();
    QTemporaryDir dir;
    const QByteArray image = TestUtil::firmwareImage(size);
    QVERIFY(TestUtil::writeFile(dir.filePath("fw.bin"), image));
    FirmwareImage loaded;
    QVERIFY(FirmwareUpdate::check(dir.filePath("fw.bin"), &loaded));
    FirmwareUpdate update(rig.link.get()); // the port held for the bootloader while it lives
    QVERIFY(rig.link->isHeld());
    BootloaderSession &session = update.session();
    QSignalSpy pages(&session, &BootloaderSession::pageStarted);
    const Result result = update.run(loaded);
    QCOMPARE(int(update.outcome()), outcome);
    QCOMPARE(result.done(), outcome == int(BootloaderSession::Outcome::Success));
    const QString sent = TestUtil::commandTrace(rig.sim().receivedLines());
    QVERIFY2(trace.isEmpty() || sent == trace, qPrintable(sent));
    const QStringList steps = sent.split(' ', Qt::SkipEmptyParts);
    if (steps.contains("Q")) {
        QVERIFY(steps.count("Q") == 1 && steps.last() == "Q" && pages.size() == steps.count("F"));
        QCOMPARE(rig.sim().core().flashPages(), TestUtil::flashedPages(image));
    }
    QCOMPARE(session.failedPage() >= 0 && !session.failedStep().isEmpty(),
             outcome == int(BootloaderSession::Outcome::PageFailed));
}

QTEST_GUILESS_MAIN(TestLink)
#include "tst_link.moc"
