// The instrument link end to end over pseudo-terminals: port search, send-and-wait, ping, unplug.

#include "simrig.h"
#include "testutil.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QSerialPort>
#include <QStatusBar>
#include <QtTest>

namespace
{

QString statusText(MainWindow *w)
{
    QStringList texts;
    for (QLabel *l : w->statusBar()->findChildren<QLabel *>())
        texts << l->text();
    return texts.join('|');
}

bool statusIconIs(MainWindow *w, const char *resource)
{
    const QImage expected = QPixmap(QLatin1String(resource)).toImage();
    for (QLabel *l : w->statusBar()->findChildren<QLabel *>())
        if (!l->pixmap(Qt::ReturnByValue).isNull() && l->pixmap(Qt::ReturnByValue).toImage() == expected)
            return true;
    return false;
}

const char *const instrumentActions[] = {
    "actionTelecharger",        "actionTemps_de_Coupure_du_QVX2",  "actionChoix_de_la_gamme_au_d_marrage",
    "actionMise_jour_firmware", "actionChoix_du_type_de_batterie", "actionPatch_court_circuit",
    "actionPatch_DIREVE"};

void checkActions(SimRig &rig, bool connected)
{
    QCOMPARE(rig.child<QAction>("actionUSB_recherche_automatique")->isEnabled(), !connected);
    for (const char *name : instrumentActions)
        QVERIFY2(rig.child<QAction>(name)->isEnabled() == connected, name);
}

} // namespace

class TestLink : public QObject
{
    Q_OBJECT

private slots:
    void searchSkipsAndTimesOut();
    void newSearchReleasesFirst();
    void sendAndWait();
    void cycleSemantics();
    void pingEveryTenSeconds();
    void unplugShowsDisconnected();
};

void TestLink::searchSkipsAndTimesOut()
{
    qvx2sim::PtyInstrument hidden; // the instrument itself, behind an adapter reporting no manufacturer
    qvx2sim::PtyInstrument silent;
    QVERIFY(hidden.open());
    QVERIFY(silent.open());
    hidden.setPacing(false);
    silent.setPacing(false);
    silent.faults().silent = true;

    SimRig rig;
    QVERIFY(rig.sim.open());
    TestUtil::DebugCapture capture;
    QElapsedTimer t;
    t.start();
    QVERIFY(rig.start({{hidden.slavePath(), QString()},
                       {silent.slavePath(), QStringLiteral("Prolific")},
                       {rig.sim.slavePath(), QStringLiteral("FTDI")}}));
    QVERIFY(t.elapsed() >= 2000); // the silent candidate had its whole probe time

    QVERIFY(hidden.receivedBytes().isEmpty()); // never opened
    QCOMPARE(silent.receivedBytes(), QByteArray("TEST 05\r"));
    QVERIFY(rig.sim.receivedBytes().startsWith("TEST 05\r"));
    QVERIFY(rig.window->isSerialConnected());
    // The port shows under its system name, as the port list gives it.
    const QString name = QString(rig.sim.slavePath()).remove(QRegularExpression("^/dev/"));
    QCOMPARE(rig.window->serialPort()->portName(), name);
    QCOMPARE(statusText(rig.window.get()), QStringLiteral("|Connecte (%1)").arg(name));
    QVERIFY(statusIconIs(rig.window.get(), Qvx2::ImgPassed));
    checkActions(rig, true);
    QVERIFY(capture.contains(QStringLiteral("info manufacturer = \"\"  info.portName ")));
}

void TestLink::newSearchReleasesFirst()
{
    SimRig rig;
    QVERIFY(rig.start());
    QVERIFY(rig.window->isSerialConnected());
    TestUtil::DebugCapture capture;
    rig.window->on_actionUSB_recherche_automatique_triggered();
    const QStringList lines = capture.lines();
    const int released = lines.indexOf(QStringLiteral("PortComLibere "));
    const int tried = lines.indexOf(QRegularExpression("^info manufacturer.*"));
    QVERIFY(released >= 0);
    QVERIFY(released < tried);
    QVERIFY(rig.window->isSerialConnected()); // and it finds the instrument again
    QCOMPARE(rig.takeReceived(), QByteArray("TEST 05\r"));
}

void TestLink::sendAndWait()
{
    SimRig rig;
    QVERIFY(rig.start());
    MainWindow *w = rig.window.get();

    QVERIFY(w->ls_envoi_attente_trame("INFO 00 \r", "essai", 500, 29));
    QCOMPARE(rig.takeReceived(), QByteArray("INFO 00 \r"));
    QCOMPARE(w->parser().recordNumber, 23);

    // An empty command only waits, and the flags are cleared before the wait.
    w->parser().received[29] = 1;
    QVERIFY(!w->ls_envoi_attente_trame(QString(), "vide", 3, 29));
    rig.settle(100);
    QCOMPARE(rig.takeReceived(), QByteArray());

    QVERIFY(w->ls_envoi_attente_trame("EEPROM 01\r", "eeprom", 500, 30));
    QCOMPARE(rig.takeReceived(), QByteArray("EEPROM 01\r"));
    QCOMPARE(rig.sim.core().eepromSaveCount(), 1);
}

void TestLink::cycleSemantics()
{
    SimRig rig;
    QVERIFY(rig.start());
    MainWindow *w = rig.window.get();

    // An answer already there still costs one whole cycle.
    w->parser().received[28] = 1;
    QElapsedTimer t;
    t.start();
    QVERIFY(w->ls_attente_trame(100, 28));
    QVERIFY(t.elapsed() >= 10);

    // tempo 0 gives up in the second cycle.
    TestUtil::DebugCapture capture;
    t.restart();
    QVERIFY(!w->ls_attente_trame(0, 27));
    QVERIFY(t.elapsed() >= 20);
    QCOMPARE(capture.lines().filter("cpt_temps").size(), 1);
    QVERIFY(capture.lines().contains("ls_attente_trame_progress: tempo 0  pas  10  quel_reponse  27"));
}

void TestLink::pingEveryTenSeconds()
{
    SimRig rig;
    QVERIFY(rig.start());
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 10600) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
    rig.settle();
    QCOMPARE(rig.takeReceived(), QByteArray("INFO 04\r"));
    // The answer goes through the parser like any line.
    QVERIFY2(rig.window->parser().text().contains("Alim"), qPrintable(rig.window->parser().text()));
}

void TestLink::unplugShowsDisconnected()
{
    SimRig rig;
    QVERIFY(rig.start());
    checkActions(rig, true);
    rig.sim.unplug();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.window->serialPort()->isOpen(), 5000);
    QVERIFY(!rig.window->isSerialConnected());
    QCOMPARE(statusText(rig.window.get()), QString("|Deconnecte"));
    QVERIFY(statusIconIs(rig.window.get(), Qvx2::ImgFailed));
    checkActions(rig, false);
    // Commands now fail quietly.
    QVERIFY(!rig.window->ls_envoi_attente_trame("INFO 00 \r", "apres", 3, 29));
}

QTEST_MAIN(TestLink)
#include "tst_link.moc"
