// Tests of the simulator's pseudo-terminal transport, reached with QSerialPort in the same thread and waited
// for the way the application waits: sleep, then process events once.

#include "ptyinstrument.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>
#include <QtTest>

#include <functional>
#include <memory>

using qvx2sim::PtyInstrument;

namespace
{

// A hung-up port reads nothing: QSerialPort 5.15 reports that as ResourceError or ReadError depending on
// the errno left by an earlier call, so both mean the other side is gone.
bool isGone(QSerialPort::SerialPortError error)
{
    return error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
}

} // namespace

// Tests of PtyInstrument.
class TstSimPty : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void probeAnswered();
    void pacedRecordTakesItsWireTime();
    void pacedCommandCrossesTheWireFirst();
    void answerShapes_data();
    void answerShapes();
    void unplugFailsThePort();
    void linkDiesMidRecord();

private:
    // Sleeps `stepMs` then processes events, until `done` or `timeoutMs`; returns `done()`.
    bool waitLikeApp(const std::function<bool()> &done, int timeoutMs, int stepMs = 10);
    bool send(const QByteArray &command);

    std::unique_ptr<PtyInstrument> m_sim;
    std::unique_ptr<QSerialPort> m_port;
    QList<QByteArray> m_reads; // what each readyRead brought
    QByteArray m_in;
};

void TstSimPty::initTestCase()
{
    qRegisterMetaType<QSerialPort::SerialPortError>();
}

void TstSimPty::init()
{
    m_sim = std::make_unique<PtyInstrument>();
    m_sim->setPacing(false);
    QVERIFY(m_sim->open());
    QVERIFY(m_sim->slavePath().startsWith("/dev/"));

    m_port = std::make_unique<QSerialPort>();
    m_port->setPortName(m_sim->slavePath());
    m_port->setBaudRate(QSerialPort::Baud115200);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    QVERIFY2(m_port->open(QIODevice::ReadWrite), qPrintable(m_port->errorString()));
    m_reads.clear();
    m_in.clear();
    connect(m_port.get(), &QSerialPort::readyRead, this, [this] {
        const QByteArray bytes = m_port->readAll();
        if (!bytes.isEmpty()) {
            m_reads.append(bytes);
            m_in += bytes;
        }
    });
}

void TstSimPty::cleanup()
{
    m_port.reset();
    m_sim.reset();
}

bool TstSimPty::waitLikeApp(const std::function<bool()> &done, int timeoutMs, int stepMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QThread::msleep(stepMs);
        QCoreApplication::processEvents();
    }
    return done();
}

bool TstSimPty::send(const QByteArray &command)
{
    return m_port->write(command) == command.size();
}

void TstSimPty::probeAnswered()
{
    QSignalSpy commands(m_sim.get(), &PtyInstrument::commandReceived);
    QVERIFY(send("TEST 05\r"));
    QVERIFY(waitLikeApp([this] { return m_in.endsWith('\r'); }, 2000));
    QCOMPARE(m_in, QByteArray("Conf: Stack_Used 812 \r"));
    QCOMPARE(m_sim->receivedBytes(), QByteArray("TEST 05\r"));
    QCOMPARE(m_sim->receivedLines(), QList<QByteArray>{"TEST 05"});
    QCOMPARE(commands.count(), 1);
    QCOMPARE(commands.first().first().toByteArray(), QByteArray("TEST 05"));
    QCOMPARE(m_sim->bytesWrittenCount(), qint64(m_in.size()));
    QCOMPARE(m_sim->sentBytes(), m_in);

    // The application may close and reopen the port, as its search does.
    m_port->close();
    QVERIFY(m_port->open(QIODevice::ReadWrite));
    m_in.clear();
    QVERIFY(send("INFO 00 \r"));
    QVERIFY(waitLikeApp([this] { return m_in.endsWith('\r'); }, 2000));
    QCOMPARE(m_in, QByteArray("Enreg_en_cours 23 \r"));
}

void TstSimPty::pacedRecordTakesItsWireTime()
{
    m_sim->setPacing(true);
    const QByteArray record = m_sim->core().recordLines(1).join();
    const QByteArray command("TEST1 06 1 \r");
    const double wireMs = (command.size() + record.size()) / qvx2sim::kWireBytesPerMs;

    QElapsedTimer clock;
    clock.start();
    QVERIFY(send(command));
    QVERIFY(waitLikeApp([&] { return m_in.size() >= record.size(); }, int(4 * wireMs) + 5000));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(m_in, record);
    QVERIFY2(elapsed >= wireMs, qPrintable(QString("%1 ms for %2 ms of wire").arg(elapsed).arg(wireMs)));
    QVERIFY2(elapsed < 3 * wireMs + 2000,
             qPrintable(QString("%1 ms for %2 ms of wire").arg(elapsed).arg(wireMs)));
    QVERIFY(m_reads.size() > 10); // spread over the transfer, not one burst
}

void TstSimPty::pacedCommandCrossesTheWireFirst()
{
    m_sim->setPacing(true);
    QVERIFY(send("RESET 00\r"));
    QVERIFY(waitLikeApp([this] { return m_in.endsWith("BOOT ok\r"); }, 3000, 1));
    m_in.clear();

    // 1 037 bytes take 90 ms at 115 200 baud before the bootloader can even look at them.
    const QByteArray fill = "ORVABOOTF " + qvx2sim::InstrumentCore::pageText(QByteArray(512, '\x5a')) + '\r';
    const double wireMs = fill.size() / qvx2sim::kWireBytesPerMs;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(send(fill));
    QVERIFY(waitLikeApp([this] { return m_in.endsWith('\r'); }, 3000, 1));
    QCOMPARE(m_in, QByteArray("FILL ok\r"));
    QVERIFY2(clock.elapsed() >= wireMs, qPrintable(QString::number(clock.elapsed())));
}

void TstSimPty::answerShapes_data()
{
    QTest::addColumn<int>("splitBytes");
    QTest::addColumn<bool>("crlf");
    QTest::addColumn<bool>("nul");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<int>("maxRead");

    QTest::newRow("split 8") << 8 << false << false << QByteArray("Conf: Stack_Used 812 \r") << 8;
    QTest::newRow("split 1") << 1 << false << false << QByteArray("Conf: Stack_Used 812 \r") << 1;
    QTest::newRow("crlf") << 0 << true << false << QByteArray("Conf: Stack_Used 812 \r\n") << 1000;
    QTest::newRow("nul") << 0 << false << true << QByteArray("Conf: Stack_Used 812 \0\r", 23) << 1000;
}

void TstSimPty::answerShapes()
{
    QFETCH(int, splitBytes);
    QFETCH(bool, crlf);
    QFETCH(bool, nul);
    QFETCH(QByteArray, expected);
    QFETCH(int, maxRead);
    qvx2sim::Faults &f = m_sim->faults();
    f.splitBytes = splitBytes;
    f.splitGapMs = 30;
    f.crlf = crlf;
    f.nulBeforeCr = nul;

    QVERIFY(send("TEST 05\r"));
    QVERIFY(waitLikeApp([&] { return m_in.size() >= expected.size(); }, 5000, 1));
    waitLikeApp([] { return false; }, 50); // for anything that would follow
    QCOMPARE(m_in, expected);
    for (const QByteArray &read : m_reads)
        QVERIFY2(read.size() <= maxRead, read.constData());
}

void TstSimPty::unplugFailsThePort()
{
    QSignalSpy errors(m_port.get(), &QSerialPort::errorOccurred);
    QSignalSpy unplugged(m_sim.get(), &PtyInstrument::unplugged);
    m_sim->unplug();
    QCOMPARE(unplugged.count(), 1);
    QVERIFY(!m_sim->isOpen());
    QVERIFY(waitLikeApp([this] { return isGone(m_port->error()); }, 2000));
    QVERIFY(errors.count() >= 1);

    // Writing to a port whose other side is gone fails with the adapter-gone error.
    m_port->clearError();
    m_port->write("INFO 04\r");
    QVERIFY(waitLikeApp([this] { return m_port->error() == QSerialPort::ResourceError; }, 2000));
}

void TstSimPty::linkDiesMidRecord()
{
    m_sim->faults().dieAfterRecordLines = 25;
    QVERIFY(send("TEST1 06 1 \r"));
    QVERIFY(waitLikeApp([this] { return isGone(m_port->error()); }, 5000));
    QCOMPARE(m_in, m_sim->core().recordLines(1).mid(0, 25).join());
    QVERIFY(!m_sim->isOpen());
}

QTEST_GUILESS_MAIN(TstSimPty)
#include "tst_simpty.moc"
