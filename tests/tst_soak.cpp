// Every fault of the simulated instrument against every instrument command, the firmware update included:
// no crash, no wait past its limit, no success shown for a failure, and a saved document never touched.
// Plus a flood without CR.

#include "recup_info.h"
#include "simrig.h"
#include "testutil.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSocketNotifier>
#include <QtTest>
#include <fcntl.h>
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

namespace
{

// Presses the given push button of every record or parameter dialog that shows while alive.
class DialogDriver
{
public:
    DialogDriver()
    {
        m_timer.setInterval(15);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!d || qobject_cast<QMessageBox *>(d) || !d->isVisible())
                return;
            if (auto *cutoff = d->findChild<QRadioButton *>("M_br_cutoff_4")) {
                cutoff->setChecked(true);
                d->findChild<QPushButton *>("M_pb_cutoff")->click();
            } else if (auto *record = d->findChild<QPushButton *>("pushButton_1")) {
                record->click();
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindow::setLinkCycleMs(1); }
    void faults_data();
    void faults();
    void floodWithoutCr();
};

void TestSoak::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("command");
    for (const char *fault :
         {"none", "silence", "late", "split", "crlf", "nul", "garbage", "echo", "acks lost", "link dies"})
        for (const char *command : {"download", "parameter", "patch", "info", "firmware"})
            QTest::newRow(qPrintable(QStringLiteral("%1 / %2").arg(fault, command))) << fault << command;
}

void TestSoak::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, command);

    SimRig rig;
    QVERIFY(rig.start());
    MainWindow *w = rig.window.get();
    const QString saved = rig.appDir() + "/Data/saved.qv2";
    QVERIFY(w->saveResult(saved));
    const QByteArray document = TestUtil::readFile(saved);
    QVERIFY(TestUtil::writeFile(rig.appDir() + "/patch_voltane.txt", "P_TEMPO_MESURE = 750\n"));
    const QByteArray image = TestUtil::firmwareImage(2 * 512 + 100);
    const QString imageFile = rig.appDir() + "/image.bin";
    QVERIFY(TestUtil::writeFile(imageFile, image));

    qvx2sim::Faults &f = rig.sim.faults();
    if (fault == "silence")
        f.silent = true;
    else if (fault == "late")
        f.lateMs = 400;
    else if (fault == "split")
        f.splitBytes = 64; // a pause every 64 bytes keeps the record within the shortened waits
    else if (fault == "crlf")
        f.crlf = true;
    else if (fault == "nul")
        f.nulBeforeCr = true;
    else if (fault == "garbage")
        f.garbage = true;
    else if (fault == "echo")
        f.echoOffset = 7;
    else if (fault == "acks lost") {
        f.dropAckProbability = 0.2; // the bootloader's acknowledgements
        f.dropAckSeed = 7;
    } else if (fault == "link dies")
        f.dieAfterRecordLines = 40;

    TestUtil::BoxCollector boxes;
    boxes.answer(QStringLiteral("Mettre a jour le firmware"), QMessageBox::Yes);
    DialogDriver driver;
    QElapsedTimer t;
    t.start();
    bool success = false;
    bool truth = false;
    const qvx2sim::InstrumentCore &core = rig.sim.core();
    if (command == "download") {
        w->lancedownload();
        success = w->isDataPresent() && !boxes.titles.contains("Erreur");
        bool same = true;
        for (int i = 0; i < 19; ++i)
            same &= w->testResult(i) == core.record(1).passed[size_t(i)];
        truth = same && w->pointsOf(5).size() == core.record(1).curves[5].size();
    } else if (command == "parameter") {
        w->on_actionTemps_de_Coupure_du_QVX2_triggered();
        success = boxes.titles.contains("Enregistrement");
        const QString shown = boxes.texts.value(boxes.titles.indexOf("Enregistrement"));
        truth = core.eepromSaveCount() == 1 && core.savedParameters().at(13).value == 480 &&
                shown.contains(QString::number(480 + f.echoOffset));
    } else if (command == "patch") {
        w->on_actionPatch_court_circuit_triggered();
        success = boxes.titles.contains("Enregistrement");
        truth = core.eepromSaveCount() == 1 && core.savedParameters().at(18).value == 750;
    } else if (command == "firmware") {
        TestUtil::answerNextFileDialog(imageFile);
        w->on_actionMise_jour_firmware_triggered();
        rig.settle();
        success = boxes.texts.contains("Mise a jour reussie.");
        QMap<int, QByteArray> pages;
        for (int k = 0; k <= image.size() / 512; ++k) {
            pages[k] = image.mid(k * 512, 512);
            for (int i = pages[k].size(); i < 512; ++i)
                pages[k].append(char(i));
        }
        truth = core.flashPages() == pages;
    } else {
        w->on_actionInfo_UC_triggered();
        success = w->debugWindow()->isVisible();
        truth = w->debugWindow()->texte().contains("IDENT") && w->debugWindow()->texte().contains("GAMME");
    }
    qInfo("soak | %s | %s | %s | %lld ms", qPrintable(fault), qPrintable(command),
          success ? "success" : "failure told", static_cast<long long>(t.elapsed()));
    // The longest wait of any command is 2 500 cycles plus the dialogs around it.
    QVERIFY2(t.elapsed() < 60000, qPrintable(QString::number(t.elapsed())));
    QVERIFY2(!success || truth, "success shown for a failure");
    if (fault == "none" || fault == "late" || fault == "split" || fault == "nul" || fault == "garbage" ||
        (fault == "acks lost" && command != "firmware"))
        QVERIFY2(success, qPrintable(boxes.texts.join(" | ")));
    if (fault == "silence" || fault == "crlf")
        QVERIFY(!success);
    QCOMPARE(TestUtil::readFile(saved), document);
}

void TestSoak::floodWithoutCr()
{
    // A port that answers the probe and then pours 100 MB without a single CR.
    int master = -1;
    int slave = -1;
    char name[256] = {};
    QVERIFY(openpty(&master, &slave, name, nullptr, nullptr) == 0);
    termios raw{};
    tcgetattr(master, &raw);
    cfmakeraw(&raw);
    tcsetattr(master, TCSANOW, &raw);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK); // the window reads on this very thread

    qint64 sent = 0;
    const qint64 total = qEnvironmentVariableIntValue("QVX_FLOOD_MB") > 0
                             ? qEnvironmentVariableIntValue("QVX_FLOOD_MB") * 1024LL * 1024
                             : 100LL * 1024 * 1024;
    const QByteArray chunk(64 * 1024, 'A');
    QByteArray pending;
    bool probed = false;
    QSocketNotifier readable(master, QSocketNotifier::Read);
    QSocketNotifier writable(master, QSocketNotifier::Write);
    writable.setEnabled(false);
    QObject::connect(&readable, &QSocketNotifier::activated, [&] {
        char buf[256];
        const ssize_t n = ::read(master, buf, sizeof buf);
        if (n > 0 && !probed && QByteArray(buf, int(n)).contains("TEST 05\r")) {
            probed = true;
            pending = "Conf: Stack_Used 1 \r";
            writable.setEnabled(true);
        }
    });
    QObject::connect(&writable, &QSocketNotifier::activated, [&] {
        if (pending.isEmpty() && sent < total)
            pending = chunk;
        if (pending.isEmpty()) {
            writable.setEnabled(false);
            return;
        }
        const ssize_t n = ::write(master, pending.constData(), size_t(pending.size()));
        if (n > 0) {
            if (probed && !pending.startsWith("Conf:"))
                sent += n;
            pending.remove(0, int(n));
        }
    });

    QTemporaryDir dir;
    const QList<PortCandidate> ports = {{QString::fromLatin1(name), QStringLiteral("FTDI")}};
    MainWindow window(dir.path(), [ports] { return ports; });
    QVERIFY(window.isSerialConnected());
    const long before = peakKiB();
    QElapsedTimer t;
    t.start();
    while (sent < total && t.elapsed() < 120000)
        QCoreApplication::processEvents();
    for (int i = 0; i < 50; ++i)
        QCoreApplication::processEvents();
    QCOMPARE(sent, total);
    const long grown = peakKiB() - before;
    qInfo("100 MB without CR: peak memory grew by %ld KiB in %lld ms", grown, t.elapsed());
#ifndef __SANITIZE_ADDRESS__ // the address sanitizer keeps freed memory in quarantine: no bound to check
    QVERIFY2(grown < 32 * 1024, qPrintable(QString::number(grown)));
#endif
    ::close(slave);
    ::close(master);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
