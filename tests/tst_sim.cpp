// The simulated instrument where the other suites lean on it without checking it: faults by name, records
// that tell one download from another, the bootloader's refusals, and its pseudo-terminal paced like a
// 115 200 baud line as QSerialPort sees it (the benchmarks compare with that wire).

#include "faultnames.h"
#include "instrumentcore.h"
#include "ptyinstrument.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QtTest>

using qvx2sim::InstrumentCore;

namespace
{

// Feeds commands a byte at a time, as a slow wire brings them, and returns every answer byte.
QByteArray ask(InstrumentCore &core, const QByteArray &commands)
{
    for (char c : commands)
        core.feed(QByteArray(1, c));
    QByteArray out;
    for (const qvx2sim::Chunk &c : core.takeOutput())
        out += c.bytes;
    return out;
}

} // namespace

class TestSim : public QObject
{
    Q_OBJECT

private slots:
    void core();
    void wire_data();
    void wire();
};

void TestSim::core()
{
    // Every name the help gives is understood; a name or a value it does not know is refused.
    for (const char *option :
         {"silent", "late=400", "split=8:30", "crlf", "nul", "garbage", "echo-offset=-3", "drop-ack=1,4",
          "drop-ack-cmd=ORVABOOTW", "wrong-ack=2", "wrong-ack-cmd=X", "drop-ack-prob=0.2", "refuse-page=0",
          "refuse-page-always=3", "die-after=40"}) {
        qvx2sim::Faults f;
        QVERIFY2(qvx2sim::applyFault(f, option), option);
        QVERIFY2(qvx2sim::faultNamesHelp().contains(QString(option).section('=', 0, 0)), option);
    }
    for (const char *option : {"noise", "late=", "split=0", "drop-ack=a", "drop-ack-cmd="}) {
        qvx2sim::Faults f;
        QVERIFY2(!qvx2sim::applyFault(f, option), option);
    }
    // Records stay the same for a seed and a number wherever the number sits in the ring, and differ.
    InstrumentCore a(7), same(7), later(7);
    later.setRecordNumber(qvx2sim::kDefaultRecordNumber + 3);
    QSet<QByteArray> distinct;
    for (int age = 1; age <= qvx2sim::kRecordCount; ++age) {
        const QByteArray text = a.recordLines(age).join();
        QCOMPARE(same.recordLines(age).join(), text);
        if (age + 3 <= qvx2sim::kRecordCount)
            QCOMPARE(later.recordLines(age + 3).join(), text);
        distinct.insert(text);
    }
    QCOMPARE(distinct.size(), qvx2sim::kRecordCount);
    // The bootloader refuses what a real one would, and keeps a written page.
    const QByteArray hex = QByteArray(1022, '0') + "2A2A";
    QCOMPARE(ask(a, "RESET 00\rORVABOOTP 0200\rORVABOOTP 0001\rORVABOOTW\rORVABOOTF " + hex.chopped(1) +
                        "B\rORVABOOTF " + hex + "\rORVABOOTW\r"),
             QByteArray("TITRE QUARVEN2 bootloader V1.2\rBOOT ok\rERREUR page\rPAGE 0001\rERREUR ordre\r"
                        "ERREUR checksum\rFILL ok\rWRITE ok\r"));
    QCOMPARE(a.flashPages().value(1), QByteArray(511, '\0') + '\x2A');
    // Answers lost at random are drawn afresh at each bootloader entry from the seed: a run can be replayed.
    InstrumentCore lossy;
    QVERIFY(qvx2sim::applyFault(lossy.faults(), "drop-ack-prob=0.3", 5));
    const auto run = [&lossy] {
        QByteArray answered = ask(lossy, "RESET 00\r").isEmpty() ? "-" : "+";
        for (int page = 0; page < 100; ++page)
            answered +=
                ask(lossy, QStringLiteral("ORVABOOTP %1\r").arg(page, 4, 16, QChar('0')).toLatin1()).isEmpty()
                    ? '-'
                    : '+';
        return answered;
    };
    const QByteArray first = run();
    QCOMPARE(run(), first);
    QVERIFY2(first.count('-') > 15 && first.count('-') < 45, first.constData());
}

// Through the pseudo-terminal: answers shaped by the faults, spread over reads; a paced record takes at
// least its time on the wire; an adapter unplugged, or dying half way through a record, fails the port after
// the lines before it have arrived.
void TestSim::wire_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("paced");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("lines"); // of the record that arrive; 0: all of it; -1: the probe's answer
    QTest::newRow("split in pieces of 8") << "split=8:30" << false << QByteArray("TEST 05\r") << -1;
    QTest::newRow("paced record") << "" << true << QByteArray("TEST1 06 1 \r") << 0;
    QTest::newRow("dies after 25 lines") << "die-after=25" << false << QByteArray("TEST1 06 1 \r") << 25;
    QTest::newRow("unplugged") << "" << false << QByteArray() << 1;
}

void TestSim::wire()
{
    QFETCH(QString, fault);
    QFETCH(bool, paced);
    QFETCH(QByteArray, command);
    QFETCH(int, lines);
    qvx2sim::PtyInstrument sim;
    sim.setPacing(paced);
    QVERIFY(fault.isEmpty() || qvx2sim::applyFault(sim.faults(), fault));
    QVERIFY(sim.open());
    QSerialPort port(sim.slavePath());
    QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
    int reads = 0;
    QByteArray in;
    connect(&port, &QSerialPort::readyRead, [&] {
        ++reads;
        in += port.readAll();
    });
    const QByteArrayList record = sim.core().recordLines(1);
    const QByteArray expected = lines < 0           ? QByteArray("Conf: Stack_Used 812 \r")
                                : command.isEmpty() ? QByteArray()
                                                    : record.mid(0, lines ? lines : record.size()).join();
    const double wireMs = (command.size() + expected.size()) / qvx2sim::kWireBytesPerMs;
    QElapsedTimer clock;
    clock.start();
    if (command.isEmpty())
        sim.unplug();
    else
        QCOMPARE(port.write(command), qint64(command.size()));
    // A hung-up port reads nothing: Qt reports that as a resource or a read error, depending on errno.
    const bool dies = fault.startsWith("die") || command.isEmpty();
    QTRY_VERIFY_WITH_TIMEOUT(
        in.size() >= expected.size() &&
            (!dies || port.error() == QSerialPort::ResourceError || port.error() == QSerialPort::ReadError),
        int(4 * wireMs) + 5000);
    QCOMPARE(in, expected);
    QCOMPARE(sim.isOpen(), !dies);
    if (paced)
        QVERIFY2(clock.elapsed() >= wireMs && clock.elapsed() < 3 * wireMs + 2000,
                 qPrintable(QString::number(wireMs)));
    if (fault.startsWith("split"))
        QVERIFY(reads >= 3);
}

QTEST_GUILESS_MAIN(TestSim)
#include "tst_sim.moc"
