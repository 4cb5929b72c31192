// The firmware update: page commands, acknowledgements, and whole runs against the simulated bootloader,
// with its faults, through the main window's menu. The page texts are checked by fuzz_firmware.

#include "dialogtelech.h"
#include "simrig.h"
#include "testutil.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSerialPort>
#include <QStatusBar>
#include <QtTest>

#include <pty.h>
#include <termios.h>
#include <unistd.h>

Q_DECLARE_METATYPE(qvx2sim::Faults)

namespace
{

// The pages as the instrument must hold them: the file's bytes, then each position's low byte.
QMap<int, QByteArray> flashedPages(const QByteArray &image)
{
    QMap<int, QByteArray> pages;
    for (int k = 0; k <= image.size() / Qvx2::Boot::PageBytes; ++k) {
        QByteArray page = image.mid(k * Qvx2::Boot::PageBytes, Qvx2::Boot::PageBytes);
        for (int i = page.size(); i < Qvx2::Boot::PageBytes; ++i)
            page.append(char(i & 0xFF));
        pages[k] = page;
    }
    return pages;
}

// The commands the instrument received, short: R reset, P<n> page select, F fill, W write, Q quit. The
// main window's own ping, which may fall before or after a run, is left out.
QString commandTrace(const QList<QByteArray> &lines)
{
    static const QHash<QByteArray, QString> whole{
        {"RESET 00", "R"}, {"ORVABOOTW", "W"}, {"ZAZUVEVAZ 00", "Q"}};
    QStringList out;
    for (const QByteArray &l : lines) {
        if (l.startsWith("ORVABOOTP "))
            out << "P" + QString::number(l.mid(10).toInt(nullptr, 16));
        else if (l.startsWith("ORVABOOTF "))
            out << "F";
        else if (l != "INFO 04")
            out << whole.value(l, QString::fromLatin1(l));
    }
    return out.join(' ');
}

} // namespace

class TestFirmware : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<SimRig> rig;
    QString majDir() const { return rig->appDir() + "/Maj/"; }
    void resetSim();
    // Chooses the file in the menu's chooser and runs the update; returns the message boxes' texts.
    QStringList runThroughMenu(const QString &file, QStringList *titles = nullptr);
    bool m_confirm = true;  // answer the confirmation with Yes, not its default
    QString m_confirmation; // the confirmation the last run showed
    void runWithFaults(const qvx2sim::Faults &faults, const QByteArray &image, const QString &message);

private slots:
    void initTestCase();
    void cleanupTestCase() { rig.reset(); }
    void pageCommand_data();
    void pageCommand();
    void acknowledgements_data();
    void acknowledgements();
    void fullRunThroughMenu();
    void faults_data();
    void faults();
    void faultAtEveryExchange_data();
    void faultAtEveryExchange();
    void refusals_data();
    void refusals();
    void linkLostMidRun();
};

void TestFirmware::initTestCase()
{
    rig = std::make_unique<SimRig>(false);
    QVERIFY(rig->start());
    QVERIFY(rig->window->isSerialConnected());
    QVERIFY(QDir().mkpath(majDir()));
}

void TestFirmware::resetSim()
{
    rig->settle();
    rig->sim.faults() = qvx2sim::Faults();
    rig->sim.core().clearFlash();
    rig->sim.core().clearBootLog();
    rig->sim.clearLog();
    rig->takeReceived();
}

QStringList TestFirmware::runThroughMenu(const QString &file, QStringList *titles)
{
    TestUtil::BoxCollector boxes;
    const QString confirmation = QStringLiteral("Mettre a jour le firmware");
    if (m_confirm)
        boxes.answer(confirmation, QMessageBox::Yes);
    TestUtil::answerNextFileDialog(file);
    rig->window->on_actionMise_jour_firmware_triggered();
    QTest::qWait(50); // the chooser's answer, or a box still to come
    rig->settle();
    // The image is flashed only once the user has seen its name and size.
    QStringList texts = boxes.texts;
    QStringList shownTitles = boxes.titles;
    m_confirmation.clear();
    if (!texts.isEmpty() && texts.first().startsWith(confirmation)) {
        m_confirmation = texts.first();
        texts.removeFirst();
        shownTitles.removeFirst();
    }
    if (titles)
        *titles = shownTitles;
    return texts;
}

// Runs the update of the image against these faults. One box tells the outcome; the quit comes last, once,
// and only when every page is in the flash; success only with the flash equal to the image.
void TestFirmware::runWithFaults(const qvx2sim::Faults &faults, const QByteArray &image,
                                 const QString &message)
{
    resetSim();
    rig->sim.faults() = faults;
    const QString file = majDir() + "image.bin";
    QVERIFY(TestUtil::writeFile(file, image));

    const QStringList boxes = runThroughMenu(file);
    QCOMPARE(boxes.size(), 1);
    QVERIFY2(boxes.first().contains(message), qPrintable(boxes.first()));
    const QStringList trace = commandTrace(rig->sim.receivedLines()).split(' ');
    if (trace.contains("Q")) {
        QCOMPARE(trace.count("Q"), 1);
        QCOMPARE(trace.last(), QString("Q"));
        QCOMPARE(rig->sim.core().flashPages(), flashedPages(image));
    }
    if (boxes.first().contains("reussie"))
        QCOMPARE(rig->sim.core().flashPages(), flashedPages(image));
    QVERIFY(rig->window->serialPort()->isOpen());
    QVERIFY(!rig->window->isUpdateInProgress());
}

// Whole runs reach pages 0 to 2 only, where hex and decimal numbers read alike.
void TestFirmware::pageCommand_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("page 255") << "255" << QByteArray("ORVABOOTP 00FF\r");
    QTest::newRow("page 511") << "511" << QByteArray("ORVABOOTP 01FF\r");
}

void TestFirmware::pageCommand()
{
    QFETCH(QString, page);
    QFETCH(QByteArray, bytes);
    resetSim();
    DialogTelech dialog(rig->window->serialPort(), rig->window.get());
    dialog.findChild<QLineEdit *>("lePage")->setText(page);
    dialog.findChild<QPushButton *>("pbPage")->click();
    rig->settle();
    QCOMPARE(rig->takeReceived(), bytes);
}

void TestFirmware::acknowledgements_data()
{
    QTest::addColumn<QByteArrayList>("chunks"); // written one after the other, each read on its own
    QTest::addColumn<bool>("acknowledged");
    QTest::addColumn<QString>("status"); // m_lEtat afterwards

    QTest::newRow("upper case") << QByteArrayList{"PAGE 0001\r"} << true << "PAGE 0001";
    QTest::newRow("lower case") << QByteArrayList{"page 0001\r"} << true << "page 0001";
    QTest::newRow("crc in capitals") << QByteArrayList{"CRC 1F\r"} << true << "CRC 1F";
    QTest::newRow("keyword alone") << QByteArrayList{"WRITE\r"} << true << "WRITE";
    QTest::newRow("title") << QByteArrayList{"TITRE QUARVEN2 bootloader V1.2\r"} << false
                           << "TITRE QUARVEN2 bootloader V1.2";
    QTest::newRow("keyword inside a word") << QByteArrayList{"PAGES 0001\r"} << false << "";
    QTest::newRow("leading blank") << QByteArrayList{" PAGE 0001\r"} << false << "";
    QTest::newRow("no CR yet") << QByteArrayList{"WRITE ok"} << false << "";
    QTest::newRow("LF does not end a line") << QByteArrayList{"WRITE ok\n"} << false << "";
    QTest::newRow("line after CR LF") << QByteArrayList{"bruit\r\nPAGE 0001\r"} << false << "";
    QTest::newRow("CR LF after the line") << QByteArrayList{"PAGE 0001\r\n"} << true << "PAGE 0001";
    QTest::newRow("split over two reads") << QByteArrayList{"PA", "GE 0001\r"} << true << "PAGE 0001";
    QTest::newRow("split UTF-8 character") << QByteArrayList{"TITRE \xC3", "\xA9t\xC3\xA9\r"} << false
                                           << QString::fromUtf8("TITRE \xC3\xA9t\xC3\xA9");
    QTest::newRow("two lines in one read") << QByteArrayList{"TITRE a\rBOOT ok\r"} << true << "BOOT ok";
}

void TestFirmware::acknowledgements()
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
    QWidget owner;
    DialogTelech dialog(&port, &owner);

    bool ack = false;
    for (const QByteArray &chunk : chunks) {
        QCOMPARE(::write(master, chunk.constData(), size_t(chunk.size())), ssize_t(chunk.size()));
        ack = dialog.waitAck("test", 30);
    }
    QCOMPARE(ack, acknowledged);
    QCOMPARE(dialog.findChild<QLabel *>("m_lEtat")->text(), status);
    // Every complete line reaches the log, whatever its kind (written during the next wait cycle).
    dialog.waitAck("test", 0);
    const QString log = dialog.findChild<QPlainTextEdit *>("m_pteJdb")->toPlainText();
    const QStringList lines = QString::fromUtf8(chunks.join()).split('\r');
    for (int i = 0; i + 1 < lines.size(); ++i)
        QVERIFY2(log.contains(lines.at(i)), qPrintable(lines.at(i)));
}

void TestFirmware::fullRunThroughMenu()
{
    resetSim();
    const QByteArray image = TestUtil::firmwareImage(1300); // three pages, the last one partly filler
    const QString file = majDir() + "full.bin";
    QVERIFY(TestUtil::writeFile(file, image));

    // What the user sees while the instrument takes each command.
    QStringList seen;
    auto conn = connect(&rig->sim, &qvx2sim::PtyInstrument::commandReceived, [&](const QByteArray &line) {
        if (line == "INFO 04" && !rig->window->isUpdateInProgress())
            return; // the main window's own ping, before or after the run
        auto *progress = rig->window->findChild<QProgressDialog *>();
        const bool blocking =
            progress && progress->isVisible() && QApplication::activeModalWidget() == progress;
        seen << QString::fromLatin1(line.left(line.indexOf(' '))) +
                    (blocking ? " | " + progress->labelText().section('\n', 1) : " | none");
    });
    // The ping timer goes on firing during the run.
    int pingsDuringRun = 0;
    QTimer pinger;
    connect(&pinger, &QTimer::timeout, [&] {
        if (rig->window->isUpdateInProgress()) {
            ++pingsDuringRun;
            rig->window->slotPingQV2();
        }
    });
    pinger.start(3);
    TestUtil::DebugCapture debug;
    const QStringList boxes = runThroughMenu(file);
    pinger.stop();
    disconnect(conn);

    QCOMPARE(boxes, QStringList{"Mise a jour reussie."});
    QCOMPARE(rig->sim.core().flashPages(), flashedPages(image));
    QCOMPARE(commandTrace(rig->sim.receivedLines()), QString("R P0 F W P1 F W P2 F W Q"));
    QCOMPARE(seen.first(), QString("RESET | "));
    QCOMPARE(seen.at(2), QString("ORVABOOTF | Page 1 / 3"));
    QCOMPARE(seen.at(5), QString("ORVABOOTF | Page 2 / 3"));
    QCOMPARE(seen.at(8), QString("ORVABOOTF | Page 3 / 3"));
    QCOMPARE(seen.last(), QString("ZAZUVEVAZ | Page 3 / 3"));
    for (const QString &s : seen)
        QVERIFY2(!s.endsWith("| none"), qPrintable(s));

    // Neither a ping nor the main window's parser touched the bootloader's conversation.
    QVERIFY(pingsDuringRun > 0);
    const QList<QByteArray> lines = rig->sim.receivedLines();
    const int reset = lines.indexOf("RESET 00");
    QVERIFY(!lines.mid(reset, lines.lastIndexOf("ZAZUVEVAZ 00") - reset).contains("INFO 04"));
    for (const QString &l : debug.lines())
        QVERIFY2(!l.contains("unuse"), qPrintable(l));
    QVERIFY(!rig->window->isUpdateInProgress());
    QVERIFY(rig->window->findChildren<DialogTelech *>().isEmpty());
    QVERIFY(rig->window->findChildren<QProgressDialog *>().isEmpty());
    QVERIFY(debug.contains("actionMise_jour_QUARVEN"));

    // Afterwards the main window has the port again.
    rig->takeReceived();
    rig->window->slotPingQV2();
    rig->settle();
    QCOMPARE(rig->takeReceived(), QByteArray("INFO 04\r"));
}

void TestFirmware::faults_data()
{
    // Exchanges for a two-page image: 0 reset, 1 P0, 2 F, 3 W, 4 P1, 5 F, 6 W, 7 quit.
    QTest::addColumn<qvx2sim::Faults>("faults");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<QString>("message"); // the flash is checked whenever the run succeeds or quits

    const QString ok = "Mise a jour reussie.";
    auto drop = [](QSet<int> exchanges) {
        qvx2sim::Faults f;
        f.dropAck = exchanges;
        return f;
    };
    qvx2sim::Faults wrong;
    wrong.wrongAck = {4};
    qvx2sim::Faults refusedOnce;
    refusedOnce.refuseChecksum[1] = 1;
    qvx2sim::Faults refusedAlways;
    refusedAlways.refuseChecksum[0] = -1;
    qvx2sim::Faults writeLost;
    writeLost.dropAckIf = [](int index, const QByteArray &command) {
        return index >= 6 && command == "ORVABOOTW";
    };

    QTest::newRow("page answer lost") << drop({1}) << "R P0 P0 F W P1 F W Q" << ok;
    QTest::newRow("fill answer lost") << drop({5}) << "R P0 F W P1 F F W Q" << ok;
    QTest::newRow("write answer lost") << drop({3}) << "R P0 F W W P1 F W Q" << ok;
    QTest::newRow("page answer spoilt") << wrong << "R P0 F W P1 P1 F W Q" << ok;
    QTest::newRow("checksum refused once") << refusedOnce << "R P0 F W P1 F F W Q" << ok;
    QTest::newRow("write never answered") << writeLost << "R P0 F W P1 F W W W"
                                          << "La page 1 n'a pas pu etre ecrite : l'etape WRITE";
    QTest::newRow("checksum always refused") << refusedAlways << "R P0 F F F"
                                             << "La page 0 n'a pas pu etre ecrite : l'etape FILL";
    QTest::newRow("no bootloader") << drop({0}) << "R"
                                   << "pas de reponse a RESET 00";
    QTest::newRow("start not confirmed") << drop({7}) << "R P0 F W P1 F W Q"
                                         << "n'a pas confirme son redemarrage";
}

void TestFirmware::faults()
{
    QFETCH(qvx2sim::Faults, faults);
    QFETCH(QString, trace);
    QFETCH(QString, message);
    runWithFaults(faults, TestUtil::firmwareImage(700), message);
    QCOMPARE(commandTrace(rig->sim.receivedLines()), trace);
}

// One fault at each exchange of a whole run, in turn: an answer lost, or another word in its place.
void TestFirmware::faultAtEveryExchange_data()
{
    // A three-page image: 0 reset, then P, F, W for each page (1 to 9), 10 quit.
    QTest::addColumn<qvx2sim::Faults>("faults");
    QTest::addColumn<QString>("message");

    const int exchanges = 11;
    for (int i = 0; i < exchanges; ++i) {
        const QString message = i == 0               ? QStringLiteral("pas de reponse a RESET 00")
                                : i == exchanges - 1 ? QStringLiteral("n'a pas confirme son redemarrage")
                                                     : QStringLiteral("Mise a jour reussie.");
        qvx2sim::Faults lost;
        lost.dropAck = {i};
        qvx2sim::Faults spoilt;
        spoilt.wrongAck = {i};
        QTest::addRow("answer %d lost", i) << lost << message;
        QTest::addRow("answer %d spoilt", i) << spoilt << message;
    }
}

void TestFirmware::faultAtEveryExchange()
{
    QFETCH(qvx2sim::Faults, faults);
    QFETCH(QString, message);
    runWithFaults(faults, TestUtil::firmwareImage(1100), message);
}

void TestFirmware::refusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size"); // -1: a file that exists but cannot be read
    QTest::addColumn<QString>("message");

    QTest::newRow("empty") << "empty.bin" << 0 << "est vide";
    QTest::newRow("too long") << "long.bin" << 262144 << "trop grand";
    QTest::newRow("unreadable") << "locked.bin" << -1 << "Impossible de lire";
    QTest::newRow("chooser cancelled") << "" << 0 << "";
    QTest::newRow("confirmation's default (No)") << "declined.bin" << 1100 << "";
}

void TestFirmware::refusals()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QString, message);
    resetSim();
    QString file;
    if (name.isEmpty()) {
        // A file chosen before must not be flashed again when the chooser is cancelled.
        QVERIFY(TestUtil::writeFile(majDir() + "earlier.bin", TestUtil::firmwareImage(100)));
        QCOMPARE(runThroughMenu(majDir() + "earlier.bin"), QStringList{"Mise a jour reussie."});
        resetSim();
    } else {
        file = majDir() + name;
        if (size >= 0) {
            QVERIFY(TestUtil::writeFile(file, TestUtil::firmwareImage(size)));
        } else {
            // A kernel file that no one may read, whatever the permissions of this user.
            QVERIFY(QFile::link("/proc/sys/vm/drop_caches", file));
            if (QFile(file).open(QIODevice::ReadOnly))
                QSKIP("no unreadable file on this machine");
        }
    }
    QStringList titles;
    m_confirm = !name.startsWith("declined");
    const QStringList boxes = runThroughMenu(file, &titles);
    m_confirm = true;
    QCOMPARE(commandTrace(rig->sim.receivedLines()), QString());
    // The question names the image and its size before anything is sent.
    if (name.startsWith("declined"))
        QVERIFY2(m_confirmation.contains("declined.bin") && m_confirmation.contains("1100"),
                 qPrintable(m_confirmation));
    if (message.isEmpty()) {
        QVERIFY(boxes.isEmpty());
    } else {
        QCOMPARE(boxes.size(), 1);
        QVERIFY2(boxes.first().contains(message), qPrintable(boxes.first()));
        QCOMPARE(titles.first(), QString("ATmega File - Attention"));
    }
    QVERIFY(!rig->window->isUpdateInProgress());
}

void TestFirmware::linkLostMidRun()
{
    SimRig local;
    QVERIFY(local.start());
    QVERIFY(QDir().mkpath(local.appDir() + "/Maj"));
    const QString file = local.appDir() + "/Maj/fw.bin";
    QVERIFY(TestUtil::writeFile(file, TestUtil::firmwareImage(2000)));
    int fills = 0;
    connect(&local.sim, &qvx2sim::PtyInstrument::commandReceived, [&](const QByteArray &line) {
        if (line.startsWith("ORVABOOTF") && ++fills == 2)
            QTimer::singleShot(0, &local.sim, &qvx2sim::PtyInstrument::unplug);
    });

    TestUtil::BoxCollector boxes;
    boxes.answer("Mettre a jour le firmware", QMessageBox::Yes);
    TestUtil::answerNextFileDialog(file);
    local.window->on_actionMise_jour_firmware_triggered();
    QTest::qWait(50);

    QCOMPARE(boxes.texts.size(), 2);
    QVERIFY2(boxes.texts.last().contains("perdue"), qPrintable(boxes.texts.last()));
    QVERIFY(!local.window->serialPort()->isOpen());
    QVERIFY(!local.window->isSerialConnected());
    bool disconnectedShown = false;
    for (QLabel *l : local.window->statusBar()->findChildren<QLabel *>())
        disconnectedShown |= l->text() == "Deconnecte";
    QVERIFY(disconnectedShown);
    QVERIFY(!local.sim.receivedLines().contains("ZAZUVEVAZ 00"));
    QVERIFY(!local.window->isUpdateInProgress());
}

QTEST_MAIN(TestFirmware)
#include "tst_firmware.moc"
