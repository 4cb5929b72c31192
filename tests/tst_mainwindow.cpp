// The main window without an instrument: construction, title, form, and the display of parser events.

#include "mainwindow.h"
#include "testutil.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QtTest>
#include <qwt_legend.h>
#include <qwt_plot.h>

namespace
{

const char *const names[] = {"Neutre (sec.) / HT.A (prim.) Circuit ouvert",
                             "Neutre (sec.) / HT.B (prim.) Circuit ouvert",
                             "Neutre (sec.) / HT.C (prim.) Circuit ouvert",
                             "Terre (chassis) / HT.A (prim.) Circuit ouvert",
                             "Terre (chassis) / HT.B (prim.) Circuit ouvert",
                             "Terre (chassis) / HT.C (prim.) Circuit ouvert",
                             "Neutre (sec.) / BT.A (sec.) Continuite",
                             "Neutre (sec.) / BT.B (sec.) Continuite",
                             "Neutre (sec.) / BT.C (sec.) Continuite",
                             "Terre (chassis) / BT.A (sec.) Circuit ouvert",
                             "Terre (chassis) / BT.B (sec.) Circuit ouvert",
                             "Terre (chassis) / BT.C (sec.) Circuit ouvert",
                             "Terre (chassis) / Neutre (sec.) Circuit ouvert",
                             "HT.A (prim.) Coherence courbe",
                             "HT.B (prim.) Coherence courbe",
                             "HT.C (prim.) Coherence courbe",
                             "BT.A (sec.) Coherence courbe",
                             "BT.B (sec.) Coherence courbe",
                             "BT.C (sec.) Coherence courbe"};

QImage imageOf(const QLabel *label)
{
    return label->pixmap(Qt::ReturnByValue).toImage();
}

QImage resourceImage(const char *path)
{
    return QPixmap(QLatin1String(path)).toImage();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    MainWindow *w = nullptr;

    template <typename T> T *get(const char *name) { return w->findChild<T *>(QLatin1String(name)); }
    QLabel *icon(int n) { return get<QLabel>(qPrintable(QStringLiteral("IconT%1").arg(n))); }
    void feed(const QByteArray &bytes)
    {
        QByteArray b = bytes;
        w->parser().parse(b);
    }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void startsDisconnected();
    void configCreatedWritable();
    void fitsALaptopScreen();
    void title_data();
    void title();
    void testNames();
    void plotSetUp();
    void verdictRows_data();
    void verdictRows();
    void clearVerdict();
    void curvesGrowInArrivalOrder();
    void ratios();
    void clearingLeavesFormAndComment();
    void transferLinePerDownload();
    void curveMissingFromNewRecordCleared();
    void dateFollowsLanguageWithoutTranslations();
};

void TestMainWindow::initTestCase()
{
    QVERIFY(dir.isValid());
    w = new MainWindow(dir.path(), [] { return QList<PortCandidate>(); });
}

void TestMainWindow::cleanupTestCase()
{
    delete w;
}

void TestMainWindow::init()
{
    w->clearMeasurement();
    get<QPlainTextEdit>("CommentText")->clear();
}

void TestMainWindow::startsDisconnected()
{
    QVERIFY(w->isMaximized() || w->windowState() & Qt::WindowMaximized);
    QVERIFY(!w->isSerialConnected());
    const QList<QLabel *> status = w->statusBar()->findChildren<QLabel *>();
    bool textFound = false;
    for (QLabel *l : status)
        textFound |= l->text() == QLatin1String("Deconnecte");
    QVERIFY(textFound);
    QVERIFY(get<QAction>("actionUSB_recherche_automatique")->isEnabled());
    for (const char *a :
         {"actionTelecharger", "actionTemps_de_Coupure_du_QVX2", "actionChoix_de_la_gamme_au_d_marrage",
          "actionMise_jour_firmware", "actionChoix_du_type_de_batterie", "actionPatch_court_circuit",
          "actionPatch_DIREVE", "actionImprimer", "actionEnregistrer"})
        QVERIFY2(!get<QAction>(a)->isEnabled(), a);
    for (const char *a : {"actionOuvrir", "actionDebug", "actionOuvrir_fichier_debug", "actionInfo_UC",
                          "actionQuitter", "actionDocumentation", "action_propos_de_ORVA_SA"})
        QVERIFY2(get<QAction>(a)->isEnabled(), a);
    QCOMPARE(get<QAction>("actionOuvrir")->shortcut(), QKeySequence(QKeySequence::Open));
    QCOMPARE(get<QAction>("actionEnregistrer")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(get<QAction>("actionImprimer")->shortcut(), QKeySequence(QKeySequence::Print));
    QCOMPARE(get<QAction>("actionQuitter")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    QCOMPARE(get<QAction>("actionDocumentation")->shortcut(), QKeySequence(QStringLiteral("F1")));
    QCOMPARE(get<QDateEdit>("DateEdit")->date(), QDate::currentDate());
    QVERIFY(QFileInfo(dir.path() + "/Data").isDir());
}

void TestMainWindow::fitsALaptopScreen()
{
    // A 1366 x 768 screen less a task bar and the window's frame.
    const QSize needed = w->minimumSizeHint();
    QVERIFY2(needed.width() <= 1366 && needed.height() <= 720,
             qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));
}

void TestMainWindow::configCreatedWritable()
{
    QFileInfo config(dir.path() + "/config.xml");
    QVERIFY(config.exists());
    QVERIFY(config.isWritable());
    QFile resource(":/file/config/config.xml");
    QVERIFY(resource.open(QIODevice::ReadOnly));
    QFile copy(config.filePath());
    QVERIFY(copy.open(QIODevice::ReadOnly));
    QCOMPARE(copy.readAll(), resource.readAll());
}

void TestMainWindow::title_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::newRow("document") << "abc.qv2"
                              << "QUARVEN2 D504 - abc.qv2";
    QTest::newRow("none") << ""
                          << "QUARVEN2 D504";
}

void TestMainWindow::title()
{
    QFETCH(QString, file);
    QFETCH(QString, title);
    w->setWindowTitleFile(file);
    QCOMPARE(w->windowTitle(), title);
}

void TestMainWindow::testNames()
{
    for (int n = 1; n <= 19; ++n) {
        const QString name = n == 19 ? QStringLiteral("TesT19Edit") : QStringLiteral("Test%1Edit").arg(n);
        auto *edit = get<QLineEdit>(qPrintable(name));
        QVERIFY2(edit, qPrintable(name));
        QCOMPARE(edit->text(), QString::fromLatin1(names[n - 1]));
        QVERIFY(!edit->isEnabled());
        QCOMPARE(get<QLabel>(qPrintable(QStringLiteral("TextT%1").arg(n)))->text(), QString::number(n));
        QCOMPARE(imageOf(icon(n)), resourceImage(Qvx2::ImgNoVerdict));
    }
}

void TestMainWindow::plotSetUp()
{
    auto *plot = get<QwtPlot>("reponsePlot");
    QVERIFY(plot);
    QVERIFY(!plot->axisEnabled(QwtPlot::yLeft));
    QVERIFY(!plot->axisEnabled(QwtPlot::xBottom));
    const QStringList titles = {"HT.A", "HT.B", "HT.C", "bt.a", "bt.b", "bt.c"};
    const Qt::GlobalColor colours[] = {Qt::darkGreen, Qt::darkBlue, Qt::darkRed,
                                       Qt::green,     Qt::blue,     Qt::red};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(w->curve(i).title().text(), titles[i]);
        QCOMPARE(w->curve(i).pen().color(), QColor(colours[i]));
        QCOMPARE(w->curve(i).plot(), plot);
    }
    auto *legend = qobject_cast<QwtLegend *>(plot->legend());
    QVERIFY(legend);
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotCurve).size(), 6);
    QCOMPARE(plot->itemList(QwtPlotItem::Rtti_PlotGrid).size(), 1);
}

// Rows are numbered 1..19 by the instrument; 0 and 20 fall outside.
void TestMainWindow::verdictRows_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("passed");
    QTest::addColumn<QString>("diagnostic");
    QTest::newRow("first passed") << QByteArray("RESULT 01 x CORRECT x\r") << 1 << true << "";
    QTest::newRow("last failed") << QByteArray("RESULT 19 x DEFAUT x\r") << 19 << false << "";
    QTest::newRow("zero") << QByteArray("RESULT 00 x CORRECT x\r") << 0 << false
                          << "cmd_result_received(): n_test  4294967295 > NB_TEST 19";
    QTest::newRow("twenty") << QByteArray("RESULT 20 x CORRECT x\r") << 0 << false
                            << "cmd_result_received(): n_test  19 > NB_TEST 19";
}

void TestMainWindow::verdictRows()
{
    QFETCH(QByteArray, line);
    QFETCH(int, row);
    QFETCH(bool, passed);
    QFETCH(QString, diagnostic);
    TestUtil::DebugCapture capture;
    w->parser().reset();
    feed(line);
    for (int n = 1; n <= 19; ++n) {
        const bool set = n == row;
        QCOMPARE(w->testResult(n - 1), set && passed);
        const char *img = !set ? Qvx2::ImgNoVerdict : passed ? Qvx2::ImgPassed : Qvx2::ImgFailed;
        QCOMPARE(imageOf(icon(n)), resourceImage(img));
    }
    if (!diagnostic.isEmpty())
        QVERIFY2(capture.lines().contains(diagnostic), qPrintable(capture.lines().join('\n')));

    // The same bounds hold for direct calls.
    TestUtil::DebugCapture c2;
    w->setTestResult(19, true);
    QVERIFY(c2.lines().contains("setTestResult(): can't set test result:  19"));
}

void TestMainWindow::clearVerdict()
{
    w->parser().reset();
    feed("RESULT 04 x CORRECT x\r");
    QVERIFY(w->testResult(3));
    feed("RESULT 04 Test_clear CORRECT x\r");
    QVERIFY(!w->testResult(3));
    QCOMPARE(imageOf(icon(4)), resourceImage(Qvx2::ImgNoVerdict));
}

void TestMainWindow::curvesGrowInArrivalOrder()
{
    w->parser().reset();
    feed("V. 2 0 10 0 1 2 3 4 5 6 7 8 9 10\rV. 2 0 5 0 11 12 13 14 15 16 17 18 19 20\r");
    const QVector<QPointF> &pts = w->pointsOf(2);
    QCOMPARE(pts.size(), 20);
    QCOMPARE(pts.first(), QPointF(10, 1));
    QCOMPARE(pts.at(9), QPointF(19, 10));
    QCOMPARE(pts.at(10), QPointF(5, 11)); // overlapping x values keep arrival order
    QCOMPARE(w->curve(2).dataSize(), size_t(20));
    for (int c : {0, 1, 3, 4, 5})
        QCOMPARE(w->pointsOf(c).size(), 0);

    TestUtil::DebugCapture capture;
    feed("V. 7 0 0 0 1 1 1 1 1 1 1 1 1 1\r"); // channel 7 is curve 6
    QVERIFY(capture.lines().contains("cmd_values_received(): n_curve out of range"));

    // Clearing empties the points but leaves the plot showing the last samples.
    w->clearMeasurement();
    QCOMPARE(w->pointsOf(2).size(), 0);
    QCOMPARE(w->curve(2).dataSize(), size_t(20));
    feed("V. 2 0 0 0 1 1 1 1 1 1 1 1 1 1\r");
    QCOMPARE(w->curve(2).dataSize(), size_t(10));
}

void TestMainWindow::ratios()
{
    const char *edits[] = {"EditRapportL1", "EditRapportL2", "EditRapportL3", "leratio"};
    w->cmd_rapport_received(0, "48.10");
    w->cmd_rapport_received(1, "48.20");
    w->cmd_rapport_received(2, "48.30");
    w->cmd_rapport_received(3, "48.20");
    const QStringList expected = {"48.10", "48.20", "48.30", "48.20"};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(get<QLineEdit>(edits[i])->text(), expected[i]);
    TestUtil::DebugCapture capture;
    w->cmd_rapport_received(4, "99");
    QVERIFY(capture.lines().contains("cmd_rapport_received(): n_rapport out of range"));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(get<QLineEdit>(edits[i])->text(), expected[i]);
}

void TestMainWindow::clearingLeavesFormAndComment()
{
    get<QLineEdit>("NameEdit")->setText("Dupont");
    get<QPlainTextEdit>("CommentText")->setPlainText("remarque");
    get<QLineEdit>("le_gamme")->setText("20-33kV");
    get<QLineEdit>("EditRapportL2")->setText("1.00");
    w->setTestResult(5, true);
    w->clearMeasurement();
    QCOMPARE(get<QLineEdit>("NameEdit")->text(), QString("Dupont"));
    QCOMPARE(get<QPlainTextEdit>("CommentText")->toPlainText(), QString("remarque"));
    QVERIFY(get<QLineEdit>("le_gamme")->text().isEmpty());
    QVERIFY(get<QLineEdit>("EditRapportL2")->text().isEmpty());
    QVERIFY(!w->testResult(5));
    QCOMPARE(imageOf(icon(6)), resourceImage(Qvx2::ImgNoVerdict));
}

void TestMainWindow::transferLinePerDownload()
{
    get<QPlainTextEdit>("CommentText")->setPlainText("ligne 1\nligne 2");
    const QByteArray record =
        "Recup_courbe debut x\rRESULT 01 x CORRECT x\rGAMME 5kV x\rRecup_courbe fin a b 3 \r";
    feed(record);
    QCOMPARE(get<QLineEdit>("le_gamme")->text(), QString("5kV"));
    feed(record);
    QCOMPARE(get<QPlainTextEdit>("CommentText")->toPlainText(), QString("---\n---\nligne 1\nligne 2"));
    QVERIFY(w->testResult(0));
}

void TestMainWindow::curveMissingFromNewRecordCleared()
{
    feed("Recup_courbe debut x\rV. 1 0 0 0 1 2 3 4 5 6 7 8 9 10\rV. 2 0 0 0 1 2 3 4 5 6 7 8 9 10\r"
         "Recup_courbe fin a b 1 \r");
    QCOMPARE(w->curve(1).dataSize(), size_t(10));
    // The next record has no curve 1: at its end the plot (what a save stores) shows none either.
    feed("Recup_courbe debut x\rV. 2 0 0 0 5 5 5 5 5 5 5 5 5 5\r");
    QCOMPARE(w->curve(1).dataSize(), size_t(10)); // still the old one while the record comes in
    feed("Recup_courbe fin a b 2 \r");
    QCOMPARE(w->curve(1).dataSize(), size_t(0));
    QCOMPARE(w->curve(2).dataSize(), size_t(10));
    QCOMPARE(w->curve(2).sample(0), QPointF(0, 5));
}

void TestMainWindow::dateFollowsLanguageWithoutTranslations()
{
    // This folder has no translation file, so no retranslation runs: the date field must follow anyway.
    w->loadLanguage("ru");
    QCOMPARE(get<QDateEdit>("DateEdit")->locale().language(), QLocale::Russian);
    w->loadLanguage("fr");
    QCOMPARE(get<QDateEdit>("DateEdit")->locale().language(), QLocale::French);
    QCOMPARE(get<QDateEdit>("DateEdit")->date(), QDate::currentDate());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
