// The main window without an instrument: first start, menus, title, form, and the display of parser events.

#include "mainwindow.h"
#include "testutil.h"

#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QtTest>

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

QImage image(const char *resource)
{
    return QPixmap(QLatin1String(resource)).toImage();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;
    MainWindow *w = nullptr;

    template <typename T> T *get(const QString &name) { return w->findChild<T *>(name); }
    QImage icon(int n)
    {
        return get<QLabel>(QStringLiteral("IconT%1").arg(n))->pixmap(Qt::ReturnByValue).toImage();
    }
    void feed(const QByteArray &bytes)
    {
        QByteArray b = bytes;
        w->parser().parse(b);
    }

private slots:
    void initTestCase();
    void cleanupTestCase() { delete w; }
    void init();
    void firstStart();
    void actions_data();
    void actions();
    void verdicts_data();
    void verdicts();
    void curvesGrowInArrivalOrder();
    void clearingLeavesFormAndComment();
    void secondRecordReplacesFirst();
    void dateFollowsLanguageWithoutTranslations();
};

void TestMainWindow::initTestCase()
{
    QVERIFY(dir.isValid());
    w = new MainWindow(dir.path(), [] { return QList<PortCandidate>(); });
}

void TestMainWindow::init()
{
    w->clearMeasurement();
    get<QPlainTextEdit>("CommentText")->clear();
}

void TestMainWindow::firstStart()
{
    QVERIFY(w->windowState() & Qt::WindowMaximized);
    QVERIFY(!w->isSerialConnected());
    QStringList status;
    for (QLabel *l : w->statusBar()->findChildren<QLabel *>())
        status << l->text();
    QVERIFY2(status.contains("Deconnecte"), qPrintable(status.join('|')));
    QCOMPARE(get<QDateEdit>("DateEdit")->date(), QDate::currentDate());
    QVERIFY(QFileInfo(dir.path() + "/Data").isDir());
    w->setWindowTitleFile("abc.qv2");
    QCOMPARE(w->windowTitle(), QString("QUARVEN2 D504 - abc.qv2"));
    w->setWindowTitleFile(QString());
    QCOMPARE(w->windowTitle(), QString("QUARVEN2 D504"));

    // The built-in configuration is copied beside the program, writable.
    QFile config(dir.path() + "/config.xml");
    QVERIFY(QFileInfo(config).isWritable());
    QFile resource(":/file/config/config.xml");
    QVERIFY(config.open(QIODevice::ReadOnly) && resource.open(QIODevice::ReadOnly));
    QCOMPARE(config.readAll(), resource.readAll());

    // A 1366 x 768 screen less a task bar and the window's frame.
    const QSize needed = w->minimumSizeHint();
    QVERIFY2(needed.width() <= 1366 && needed.height() <= 720,
             qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));

    for (int n = 1; n <= 19; ++n) {
        const QString name = n == 19 ? QStringLiteral("TesT19Edit") : QStringLiteral("Test%1Edit").arg(n);
        auto *edit = get<QLineEdit>(name);
        QVERIFY2(edit && !edit->isEnabled(), qPrintable(name));
        QCOMPARE(edit->text(), QString::fromLatin1(names[n - 1]));
        QCOMPARE(get<QLabel>(QStringLiteral("TextT%1").arg(n))->text(), QString::number(n));
        QCOMPARE(icon(n), image(Qvx2::ImgNoVerdict));
    }
}

// Each action by name, its menu, whether it is usable without an instrument, and its shortcut.
void TestMainWindow::actions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QKeySequence>("shortcut");
    const auto row = [](const char *action, const char *menu, bool enabled, QKeySequence shortcut = {}) {
        QTest::newRow(action) << QString(action) << QString(menu) << enabled << shortcut;
    };
    row("actionTelecharger", "menuFichier", false);
    row("actionOuvrir", "menuFichier", true, QKeySequence::Open);
    row("actionEnregistrer", "menuFichier", false, QKeySequence::Save);
    row("actionImprimer", "menuFichier", false, QKeySequence::Print);
    row("actionDebug", "menuFichier", true);
    row("actionOuvrir_fichier_debug", "menuFichier", true);
    row("actionInfo_UC", "menuFichier", false);
    row("actionQuitter", "menuFichier", true, QKeySequence("Ctrl+Q"));
    row("actionUSB_recherche_automatique", "menuConfiguration", true);
    row("actionTemps_de_Coupure_du_QVX2", "menuConfiguration", false);
    row("actionChoix_de_la_gamme_au_d_marrage", "menuConfiguration", false);
    row("actionChoix_du_type_de_batterie", "menuConfiguration", false);
    row("actionPatch_court_circuit", "menuConfiguration", false);
    row("actionPatch_DIREVE", "menuConfiguration", false);
    row("actionMise_jour_firmware", "menuConfiguration", false);
    row("actionDocumentation", "menuAide", true, QKeySequence("F1"));
    row("action_propos_de_ORVA_SA", "menuAide", true);
}

void TestMainWindow::actions()
{
    QFETCH(QString, action);
    QFETCH(QString, menu);
    QFETCH(bool, enabled);
    QFETCH(QKeySequence, shortcut);
    auto *a = get<QAction>(action);
    QVERIFY(a);
    QVERIFY(get<QMenu>(menu)->actions().contains(a));
    QCOMPARE(a->isEnabled(), enabled);
    QCOMPARE(a->shortcut(), shortcut);
}

// The instrument numbers the rows 1..19: 0 and 20 fall outside and change nothing.
void TestMainWindow::verdicts_data()
{
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("first passed") << QByteArray("RESULT 01 x CORRECT x\r") << 1 << "passed";
    QTest::newRow("last failed") << QByteArray("RESULT 19 x DEFAUT x\r") << 19 << "failed";
    QTest::newRow("zero") << QByteArray("RESULT 00 x CORRECT x\r") << 0 << "";
    QTest::newRow("twenty") << QByteArray("RESULT 20 x CORRECT x\r") << 0 << "";
    QTest::newRow("cleared") << QByteArray("RESULT 04 x CORRECT x\rRESULT 04 Test_clear CORRECT x\r") << 4
                             << "";
}

void TestMainWindow::verdicts()
{
    QFETCH(QByteArray, lines);
    QFETCH(int, row);
    QFETCH(QString, verdict);
    w->parser().reset();
    feed(lines);
    for (int n = 1; n <= 19; ++n) {
        const QString shown = n == row ? verdict : QString();
        QCOMPARE(w->testResult(n - 1), shown == "passed");
        const char *img = shown.isEmpty()     ? Qvx2::ImgNoVerdict
                          : shown == "passed" ? Qvx2::ImgPassed
                                              : Qvx2::ImgFailed;
        QVERIFY2(icon(n) == image(img), qPrintable(QString::number(n)));
    }
}

void TestMainWindow::curvesGrowInArrivalOrder()
{
    w->parser().reset();
    feed("V. 2 0 10 0 1 2 3 4 5 6 7 8 9 10\rV. 2 0 5 0 11 12 13 14 15 16 17 18 19 20\r"
         "V. 7 0 0 0 1 1 1 1 1 1 1 1 1 1\r"); // channel 7 would be curve 6, which does not exist
    const QVector<QPointF> &pts = w->pointsOf(2);
    QCOMPARE(pts.size(), 20);
    QCOMPARE(pts.first(), QPointF(10, 1));
    QCOMPARE(pts.at(9), QPointF(19, 10));
    QCOMPARE(pts.at(10), QPointF(5, 11)); // overlapping x values keep arrival order
    QCOMPARE(w->curve(2).dataSize(), size_t(20));
    for (int c : {0, 1, 3, 4, 5})
        QCOMPARE(w->pointsOf(c).size(), 0);

    // Clearing empties the points but leaves the plot showing the last samples until new ones come.
    w->clearMeasurement();
    QCOMPARE(w->pointsOf(2).size(), 0);
    QCOMPARE(w->curve(2).dataSize(), size_t(20));
    feed("V. 2 0 0 0 1 1 1 1 1 1 1 1 1 1\r");
    QCOMPARE(w->curve(2).dataSize(), size_t(10));
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
    QCOMPARE(icon(6), image(Qvx2::ImgNoVerdict));
}

// Each transfer adds a line to the comment; a curve the new record lacks is gone once it has ended.
void TestMainWindow::secondRecordReplacesFirst()
{
    get<QPlainTextEdit>("CommentText")->setPlainText("ligne 1\nligne 2");
    feed("Recup_courbe debut x\rV. 1 0 0 0 1 2 3 4 5 6 7 8 9 10\rV. 2 0 0 0 1 2 3 4 5 6 7 8 9 10\r"
         "GAMME 5kV x\rRecup_courbe fin a b 1 \r");
    QCOMPARE(get<QLineEdit>("le_gamme")->text(), QString("5kV"));
    QCOMPARE(w->curve(1).dataSize(), size_t(10));
    feed("Recup_courbe debut x\rRESULT 01 x CORRECT x\rV. 2 0 0 0 5 5 5 5 5 5 5 5 5 5\r");
    QCOMPARE(w->curve(1).dataSize(), size_t(10)); // still the old one while the record comes in
    feed("Recup_courbe fin a b 2 \r");
    QCOMPARE(w->curve(1).dataSize(), size_t(0)); // what a save would store
    QCOMPARE(w->curve(2).dataSize(), size_t(10));
    QCOMPARE(w->curve(2).sample(0), QPointF(0, 5));
    QVERIFY(w->testResult(0));
    QCOMPARE(get<QPlainTextEdit>("CommentText")->toPlainText(), QString("---\n---\nligne 1\nligne 2"));
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
