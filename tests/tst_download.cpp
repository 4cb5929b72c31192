// Record download, the debug capture and its replay, and the information request, against the simulator.
// Each simulator fault against each command is run by tst_soak.

#include "recup_info.h"
#include "simrig.h"
#include "testutil.h"

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace
{

// Presses record button n of the record dialog when it shows; texts receives the ten button texts.
void chooseRecord(int n, QStringList *texts = nullptr)
{
    TestUtil::onNextModal([n, texts](QWidget *dialog) {
        if (texts)
            for (int i = 1; i <= 10; ++i)
                *texts << dialog->findChild<QPushButton *>(QStringLiteral("pushButton_%1").arg(i))->text();
        if (n <= 0)
            static_cast<QDialog *>(dialog)->reject();
        else
            dialog->findChild<QPushButton *>(QStringLiteral("pushButton_%1").arg(n))->click();
    });
}

QString paneText(SimRig &rig)
{
    return rig.window->debugWindow()->texte();
}

// What the window shows of a record, in one text, to compare two ways of getting it.
QString windowState(SimRig &rig)
{
    QStringList s;
    for (int i = 0; i < 19; ++i)
        s << QString::number(rig.window->testResult(i));
    for (const char *e : {"EditRapportL1", "EditRapportL2", "EditRapportL3", "leratio", "le_gamme"})
        s << rig.child<QLineEdit>(e)->text();
    for (int c = 0; c < 6; ++c) {
        QStringList pts;
        for (const QPointF &p : rig.window->pointsOf(c))
            pts << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
        s << pts.join(' ');
    }
    s << paneText(rig);
    return s.join('\n');
}

// Checks the window against the simulator's record of that age.
void checkRecord(SimRig &rig, int age)
{
    const qvx2sim::Record record = rig.sim.core().record(age);
    for (int i = 0; i < 19; ++i)
        QVERIFY2(rig.window->testResult(i) == record.passed[size_t(i)], qPrintable(QString::number(i)));
    for (int c = 0; c < 6; ++c) {
        const QVector<QPointF> &pts = rig.window->pointsOf(c);
        QCOMPARE(pts.size(), record.curves[size_t(c)].size());
        for (int i = 0; i < pts.size(); ++i)
            QCOMPARE(pts.at(i), QPointF(i, record.curves[size_t(c)].at(i)));
        QCOMPARE(int(rig.window->curve(c).dataSize()), pts.size());
    }
    const char *edits[] = {"EditRapportL1", "EditRapportL2", "EditRapportL3"};
    double sum = 0;
    for (const QByteArray &line : rig.sim.core().recordLines(age)) {
        if (!line.startsWith("RAPPORT "))
            continue;
        const QList<QByteArray> f = line.split(' ');
        const int k = f.at(1).toInt();
        QCOMPARE(rig.child<QLineEdit>(edits[k])->text(), QString::number(f.at(3).toDouble(), 'f', 2));
        sum += f.at(3).toDouble();
    }
    // The mean is taken of the ratios as sent, before rounding.
    QCOMPARE(rig.child<QLineEdit>("leratio")->text(), QString::number(sum / 3.0, 'f', 2));
    QCOMPARE(rig.child<QLineEdit>("le_gamme")->text(),
             QString::fromLatin1(qvx2sim::kRangeNames[record.rangeCode]));
}

} // namespace

class TestDownload : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { MainWindow::setLinkCycleMs(10); }
    void download_data();
    void download();
    void recordLabels_data();
    void recordLabels();
    void waitEnds_data();
    void waitEnds();
    void captureSaveAndReplay();
    void replayOddFiles_data();
    void replayOddFiles();
    void infoRequest();
};

// Button 10 asks for record 10, which a fault once sent as a line feed.
void TestDownload::download_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("newest") << 1;
    QTest::newRow("oldest") << 10;
}

void TestDownload::download()
{
    QFETCH(int, button);
    SimRig rig;
    QVERIFY(rig.start());
    auto *comment = rig.child<QPlainTextEdit>("CommentText");
    comment->setPlainText("avant");
    rig.window->setWindowTitleFile("ancien.qv2");

    chooseRecord(button);
    rig.window->lancedownload();

    QCOMPARE(rig.takeReceived(), QByteArray("INFO 00 \rTEST1 06 ") + QByteArray::number(button) + " \r");
    checkRecord(rig, button);
    QCOMPARE(comment->toPlainText(), QString("---\navant"));
    QCOMPARE(rig.window->windowTitle(), QString("QUARVEN2 D504"));
    QVERIFY(rig.child<QAction>("actionImprimer")->isEnabled());
    QVERIFY(rig.child<QAction>("actionEnregistrer")->isEnabled());
    QVERIFY(rig.window->isDataPresent());
    QVERIFY(!rig.window->isDataSaved());

    // The debug pane holds the record's lines, the last one extended with its number.
    QStringList expected;
    for (QByteArray line : rig.sim.core().recordLines(button))
        expected << QString::fromLatin1(line.endsWith('\r') ? line.chopped(1) : line);
    const QString last = expected.takeLast();
    expected << last << last.split(' ').value(4) << "fin de fichier";
    QCOMPARE(paneText(rig), expected.join('\n'));

    // A cancelled record dialog sends nothing more and leaves the record on screen.
    const QString before = windowState(rig);
    TestUtil::DebugCapture capture;
    chooseRecord(0);
    rig.window->lancedownload();
    QCOMPARE(rig.takeReceived(), QByteArray("INFO 00 \r"));
    QVERIFY(capture.contains("No record has been selected."));
    QCOMPARE(windowState(rig), before);
    QVERIFY(rig.window->isDataPresent());
}

// The dialog names each record with its slot in the instrument's ring of ten, from the current number.
void TestDownload::recordLabels_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("answers");
    QTest::addColumn<QList<int>>("ringSlots");
    QTest::newRow("0") << 0 << true << QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("10") << 10 << true << QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    QTest::newRow("23") << 23 << true << QList<int>{3, 2, 1, 10, 9, 8, 7, 6, 5, 4};
    QTest::newRow("no answer") << 23 << false << QList<int>{10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
}

void TestDownload::recordLabels()
{
    QFETCH(int, current);
    QFETCH(bool, answers);
    QFETCH(QList<int>, ringSlots);
    SimRig rig;
    QVERIFY(rig.start());
    rig.sim.core().setRecordNumber(current);
    rig.sim.faults().silent = !answers;
    MainWindow::setLinkCycleMs(1);
    QStringList texts;
    chooseRecord(0, &texts);
    rig.window->lancedownload();
    MainWindow::setLinkCycleMs(10);
    QCOMPARE(texts.size(), 10);
    QCOMPARE(texts.first(), QStringLiteral("Dernier\nenregistrement\r\n(%1/10)").arg(ringSlots.first()));
    for (int i = 1; i < 10; ++i)
        QCOMPARE(texts.at(i), QStringLiteral("Enregistrement\nn-%1\r\n(%2/10)").arg(i).arg(ringSlots.at(i)));
}

// A record that never ends: the wait gives up with a message and the record is not taken as complete.
// What arrived before stays on screen.
void TestDownload::waitEnds_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("partial");
    QTest::newRow("port lost half way") << "dies" << true;
    QTest::newRow("CR LF lines") << "crlf" << false;
    QTest::newRow("silent") << "silent" << false;
}

void TestDownload::waitEnds()
{
    QFETCH(QString, fault);
    QFETCH(bool, partial);
    SimRig rig;
    QVERIFY(rig.start());
    qvx2sim::Faults &f = rig.sim.faults();
    f.dieAfterRecordLines = fault == "dies" ? 60 : -1;
    f.crlf = fault == "crlf";
    f.silent = fault == "silent";
    QString text;
    QString title;
    MainWindow::setLinkCycleMs(fault == "dies" ? 10 : 1);
    chooseRecord(2);
    TestUtil::answerNextMessageBox(QMessageBox::Ok, &text, &title, 60000);
    rig.window->lancedownload();
    MainWindow::setLinkCycleMs(10);
    QCOMPARE(title, QString("Erreur"));
    QCOMPARE(text, QString("L'appareil ne reponds pas. Verifier la liaison."));
    QVERIFY(!rig.window->isDataPresent());
    QVERIFY(!rig.child<QAction>("actionImprimer")->isEnabled());
    const qvx2sim::Record record = rig.sim.core().record(2);
    int points = 0;
    for (int i = 0; i < 19; ++i)
        QCOMPARE(rig.window->testResult(i), partial && record.passed[size_t(i)]);
    for (int c = 0; c < 6; ++c)
        points += rig.window->pointsOf(c).size();
    QCOMPARE(points > 0, partial);
    QCOMPARE(paneText(rig).startsWith("Recup_courbe debut"), partial);
}

void TestDownload::captureSaveAndReplay()
{
    SimRig rig;
    QVERIFY(rig.start());
    chooseRecord(3);
    rig.window->lancedownload();
    const QString downloaded = windowState(rig);

    const QString path = rig.appDir() + "/Data/capture.txt";
    recup_info *pane = rig.window->debugWindow();
    TestUtil::answerNextFileDialog(path);
    QMetaObject::invokeMethod(pane, "on_pushButton_clicked");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    QCOMPARE(bytes, path.toLocal8Bit() + '\r' + pane->texte().toLocal8Bit());
    QVERIFY(bytes.contains('\n'));
    QVERIFY(!bytes.contains("\r\n"));
    QVERIFY(!bytes.endsWith('\n'));

    // Another record on screen, then the capture brings the first one back.
    chooseRecord(5);
    rig.window->lancedownload();
    QVERIFY(windowState(rig) != downloaded);
    rig.child<QAction>("actionImprimer")->setEnabled(false);
    rig.child<QAction>("actionEnregistrer")->setEnabled(false);
    TestUtil::answerNextFileDialog(path);
    TestUtil::answerNextMessageBox(QMessageBox::No); // the unsaved record 5 is dropped
    rig.window->on_actionOuvrir_fichier_debug_triggered();
    QCOMPARE(windowState(rig), downloaded);
    QVERIFY(rig.child<QAction>("actionImprimer")->isEnabled());
    QVERIFY(rig.child<QAction>("actionEnregistrer")->isEnabled());

    // A cancelled chooser changes nothing.
    TestUtil::answerNextFileDialog(QString());
    rig.window->on_actionOuvrir_fichier_debug_triggered();
    QCOMPARE(windowState(rig), downloaded);
}

// Captures written by hand or by other tools: quoted keywords, CR LF ends, no last end, nothing at all.
// A replay starts from an empty measurement and makes it printable and savable.
void TestDownload::replayOddFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("secondPassed");
    QTest::addColumn<int>("points");
    QTest::newRow("quoted, CR LF")
        << QByteArray("\"RESULT\" 02 x \"CORRECT\" x\r\n\"V.\" 0 0 5 0 1 2 3 4 5 6 7 8 9 10") << true << 10;
    QTest::newRow("empty") << QByteArray() << false << 0;
}

void TestDownload::replayOddFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, secondPassed);
    QFETCH(int, points);
    SimRig rig;
    QVERIFY(rig.start());
    rig.window->parser().reset();
    QByteArray before =
        "RESULT 02 x CORRECT x\rV. 0 0 0 0 1 1 1 1 1 1 1 1 1 1\rV. 0 0 0 0 1 1 1 1 1 1 1 1 1 1\r";
    rig.window->parser().parse(before);

    const QString file = rig.appDir() + "/Data/odd.txt";
    QVERIFY(TestUtil::writeFile(file, content));
    TestUtil::answerNextFileDialog(file);
    rig.window->on_actionOuvrir_fichier_debug_triggered();
    QCOMPARE(rig.window->testResult(1), secondPassed);
    QCOMPARE(rig.window->pointsOf(0).size(), points);
    QVERIFY(rig.child<QAction>("actionImprimer")->isEnabled());
    QVERIFY(rig.child<QAction>("actionEnregistrer")->isEnabled());
}

void TestDownload::infoRequest()
{
    SimRig rig;
    QVERIFY(rig.start());
    rig.window->on_actionInfo_UC_triggered();
    QCOMPARE(rig.takeReceived(), QByteArray("INFO 01\r"));
    QVERIFY(rig.window->debugWindow()->isVisible());
    const QString text = paneText(rig);
    QVERIFY2(text.startsWith("IDENT"), qPrintable(text));
    QVERIFY(text.contains("GAMME"));
}

QTEST_MAIN(TestDownload)
#include "tst_download.moc"
