// Measurement documents through the window: save, open, file names, refusals, safe writes, printing.

#include "recup_info.h"
#include "simrig.h"
#include "testutil.h"
#include "xmlconf.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

namespace
{

// A small record as the instrument would send it, with a verdict of each kind and one curve.
const QByteArray smallRecord = "Recup_courbe debut 1 \r"
                               "RESULT 01 x CORRECT x\r"
                               "RESULT 02 x DEFAUT x\r"
                               "RESULT 19 x SUCCESS x\r"
                               "V. 0 0 0 0 -37 512 3 4 5 6 7 8 9 10 \r"
                               "V. 6 0 100 0 1 1 1 1 1 1 1 1 1 1 \r"
                               "RAPPORT 0 x 48.70 x\rRAPPORT 1 x 48.80 x\rRAPPORT 2 x 48.90 x\r"
                               "GAMME 20-33kV x\r"
                               "Recup_courbe fin a b 7 \r";

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> w;

    template <typename T> T *get(const char *name) { return w->findChild<T *>(QLatin1String(name)); }
    QString data(const QString &name) const { return dir->path() + "/Data/" + name; }
    void makeWindow()
    {
        w.reset();
        w = std::make_unique<MainWindow>(dir->path(), [] { return QList<PortCandidate>(); });
    }
    void fillKnownState()
    {
        QByteArray b = smallRecord;
        w->parser().parse(b);
        get<QLineEdit>("NameEdit")->setText("Léa Dupré");
        get<QLineEdit>("NamePosteEdit")->setText("Poste 12");
        get<QLineEdit>("NumTranfoEdit")->setText("T1234");
        get<QLineEdit>("CodeGDOEdit")->setText("G0042");
        get<QDateEdit>("DateEdit")->setDate(QDate(2021, 3, 15));
        get<QComboBox>("PuissanceCombo")->setCurrentText("250 kVA");
        get<QComboBox>("VendorCombo")->setCurrentText("Schneider(SCH)");
        get<QComboBox>("TensionHT1Combo")->setCurrentText("20 kV");
        get<QComboBox>("TensionBtCombo")->setCurrentText("410 V");
        get<QComboBox>("FuseCombo")->setCurrentText("Oui");
        get<QPlainTextEdit>("CommentText")->setPlainText("ligne 1 & \"deux\"\nligne 2 <fin>");
    }

private slots:
    void init();
    void cleanup() { w.reset(); }
    void exactBytes();
    void roundTrip();
    void dateFormatInAnyLanguage();
    void listsByExactText();
    void proposedName_data();
    void proposedName();
    void saveRefusals();
    void unwritableTargetReported();
    void interruptedSaveKeepsPrevious();
    void unreadableConfigKept();
    void configLearnsListEntries();
    void unsavedQuestionBeforeDownload();
    void printToPdf();
    void printCancelled();
    void quitEndsTheLoop();
};

void TestDocuments::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    makeWindow();
}

void TestDocuments::exactBytes()
{
    fillKnownState();
    QVERIFY(w->saveResult(data("known.qv2")));
    if (qEnvironmentVariableIsSet("QVX_WRITE_FIXTURE"))
        QFile::copy(data("known.qv2"), qEnvironmentVariable("QVX_WRITE_FIXTURE"));
    const QByteArray expected =
        TestUtil::readFile(QStringLiteral(QVX_SOURCE_DIR "/tests/data/documents/known_state.qv2"));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(TestUtil::readFile(data("known.qv2")), expected);
}

void TestDocuments::roundTrip()
{
    fillKnownState();
    QVERIFY(w->saveResult(data("first.qv2")));

    makeWindow(); // a fresh window: nothing of the first survives but the file
    w->openDocument(data("first.qv2"));
    QCOMPARE(get<QLineEdit>("NameEdit")->text(), QString("Léa Dupré"));
    QCOMPARE(get<QDateEdit>("DateEdit")->date(), QDate(2021, 3, 15));
    QCOMPARE(get<QComboBox>("VendorCombo")->currentText(), QString("Schneider(SCH)"));
    QCOMPARE(get<QLineEdit>("leratio")->text(), QString("48.80"));
    QCOMPARE(get<QLineEdit>("le_gamme")->text(), QString("20-33kV"));
    QVERIFY(w->testResult(0));
    QVERIFY(!w->testResult(1));
    QVERIFY(w->testResult(18));
    QCOMPARE(w->curve(0).dataSize(), size_t(10));
    QCOMPARE(w->curve(0).sample(0), QPointF(0, -37));
    QCOMPARE(w->curve(5).dataSize(), size_t(10));
    QCOMPARE(get<QPlainTextEdit>("CommentText")->toPlainText(), QString("ligne 1 & \"deux\"\nligne 2 <fin>"));
    QVERIFY(w->debugWindow()->texte().startsWith("Recup_courbe debut 1 "));
    QCOMPARE(w->windowTitle(), QString("QUARVEN2 D504 - first.qv2"));
    QVERIFY(w->isDataPresent());
    QVERIFY(!w->isDataSaved());
    QVERIFY(get<QAction>("actionImprimer")->isEnabled());

    QVERIFY(w->saveResult(data("second.qv2")));
    QCOMPARE(TestUtil::readFile(data("second.qv2")), TestUtil::readFile(data("first.qv2")));
}

void TestDocuments::dateFormatInAnyLanguage()
{
    w->loadLanguage("ru"); // the date field now shows Russian dates
    get<QLineEdit>("NameEdit")->setText("x");
    get<QDateEdit>("DateEdit")->setDate(QDate(2024, 1, 5));
    QVERIFY(w->saveResult(data("ru.qv2")));
    QVERIFY(TestUtil::readFile(data("ru.qv2")).contains("<date>05/01/2024</date>"));
    w->loadLanguage("fr");
    get<QDateEdit>("DateEdit")->setDate(QDate(2030, 12, 31));
    w->openDocument(data("ru.qv2"));
    QCOMPARE(get<QDateEdit>("DateEdit")->date(), QDate(2024, 1, 5));
}

void TestDocuments::listsByExactText()
{
    fillKnownState();
    QVERIFY(w->saveResult(data("lists.qv2")));
    QByteArray bytes = TestUtil::readFile(data("lists.qv2"));
    bytes.replace("<fabricant>Schneider(SCH)</fabricant>", "<fabricant>schneider(sch)</fabricant>");
    bytes.replace("<puissance>250 kVA</puissance>", "<puissance>251 kVA</puissance>");
    QVERIFY(TestUtil::writeFile(data("lists.qv2"), bytes));
    w->openDocument(data("lists.qv2"));
    QCOMPARE(get<QComboBox>("VendorCombo")->currentIndex(), -1); // case differs: no selection
    QCOMPARE(get<QComboBox>("PuissanceCombo")->currentIndex(), -1);
    QCOMPARE(get<QComboBox>("TensionHT1Combo")->currentText(), QString("20 kV"));
}

void TestDocuments::proposedName_data()
{
    QTest::addColumn<QString>("poste");
    QTest::addColumn<QString>("transfo");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("file");
    QTest::newRow("plain") << "Poste 12"
                           << "T1234"
                           << "G0042"
                           << "Poste 12_T1234_G0042.qv2";
    QTest::newRow("empty code") << "P"
                                << "T"
                                << ""
                                << "P_T_.qv2";
    QTest::newRow("separators") << "../etc"
                                << "a\\b"
                                << "c:d"
                                << ".._etc_a_b_c_d.qv2";
}

void TestDocuments::proposedName()
{
    QFETCH(QString, poste);
    QFETCH(QString, transfo);
    QFETCH(QString, code);
    QFETCH(QString, file);
    get<QLineEdit>("NamePosteEdit")->setText(poste);
    get<QLineEdit>("NumTranfoEdit")->setText(transfo);
    get<QLineEdit>("CodeGDOEdit")->setText(code);
    const QString proposed = w->proposedFileName();
    QCOMPARE(QFileInfo(proposed).fileName(), file);
    QCOMPARE(QFileInfo(proposed).absolutePath(), QFileInfo(dir->path() + "/Data").absoluteFilePath());
}

void TestDocuments::saveRefusals()
{
    const QByteArray config = TestUtil::readFile(dir->path() + "/config.xml");
    QString text;
    QString title;
    TestUtil::answerNextMessageBox(QMessageBox::Ok, &text, &title);
    get<QLineEdit>("NamePosteEdit")->setText("P");
    get<QLineEdit>("NumTranfoEdit")->setText("T");
    QVERIFY(w->save().isEmpty()); // operator name missing
    QCOMPARE(title, QString("Erreur"));
    QCOMPARE(text, QString("Veuillez remplir les champs avant d'enregistrer."));

    get<QLineEdit>("NameEdit")->setText(" "); // a blank counts as filled
    TestUtil::DebugCapture capture;
    TestUtil::answerNextFileDialog(QString());
    QVERIFY(w->save().isEmpty());
    QVERIFY(capture.contains("save(): bad filename."));
    QVERIFY(!w->isDataSaved());
    QCOMPARE(TestUtil::readFile(dir->path() + "/config.xml"), config);
    QCOMPARE(QDir(dir->path() + "/Data").entryList(QDir::Files).size(), 0);

    TestUtil::answerNextFileDialog(data("ok.qv2"));
    w->setWindowTitleFile("avant.qv2");
    w->on_actionEnregistrer_triggered();
    QVERIFY(QFile::exists(data("ok.qv2")));
    QVERIFY(w->isDataSaved());
    QCOMPARE(w->windowTitle(), QString("QUARVEN2 D504 - ok.qv2"));
}

void TestDocuments::unwritableTargetReported()
{
    get<QLineEdit>("NameEdit")->setText("N");
    get<QLineEdit>("NamePosteEdit")->setText("P");
    get<QLineEdit>("NumTranfoEdit")->setText("T");
    const QString target = dir->path() + "/absent/folder/doc.qv2";
    QString title;
    QString text;
    TestUtil::answerNextFileDialog(target);
    TestUtil::answerNextMessageBox(QMessageBox::Ok, &text, &title);
    QVERIFY(w->save().isEmpty());
    QCOMPARE(title, QString("Erreur"));
    QVERIFY2(text.contains("doc.qv2"), qPrintable(text));
    QVERIFY(!w->isDataSaved());
    QVERIFY(!QFile::exists(target));
}

void TestDocuments::interruptedSaveKeepsPrevious()
{
    fillKnownState();
    const QString target = data("precious.qv2");
    QVERIFY(w->saveResult(target));
    const QByteArray before = TestUtil::readFile(target);

    QProcess child;
    child.start(QStringLiteral(QVX_SAVE_CHILD), {target, "400000"});
    // Building the large document is slow under the sanitizers; the kill lands while it is being written.
    QVERIFY(child.waitForReadyRead(180000));
    QTest::qWait(150);
    child.kill();
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(TestUtil::readFile(target), before);
    w->openDocument(target);
    QCOMPARE(get<QLineEdit>("NumTranfoEdit")->text(), QString("T1234"));
}

void TestDocuments::unreadableConfigKept()
{
    w.reset();
    const QString config = dir->path() + "/config.xml";
    const QByteArray broken = "<?xml version='1.0'?><QuardaneConf><fabricants><fabricant nom='Mine'/>";
    QVERIFY(TestUtil::writeFile(config, broken));
    QString text;
    TestUtil::answerNextMessageBox(QMessageBox::Ok, &text);
    makeWindow();
    QVERIFY2(text.contains("config.xml"), qPrintable(text));
    const QStringList kept = QDir(dir->path()).entryList({"config.xml.*"}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(TestUtil::readFile(dir->path() + "/" + kept.first()), broken);
    QCOMPARE(TestUtil::readFile(config), TestUtil::readFile(":/file/config/config.xml"));
    QVERIFY(get<QComboBox>("VendorCombo")->count() > 10);

    // Told once: the next start finds a good file and says nothing.
    text.clear();
    makeWindow();
    QTest::qWait(100);
    QVERIFY(text.isEmpty());
}

void TestDocuments::configLearnsListEntries()
{
    fillKnownState();
    get<QComboBox>("VendorCombo")->setCurrentIndex(-1); // a value the list no longer has
    QVERIFY(w->saveResult(data("learn.qv2")));
    const QStringList vendors = XmlConf(dir->path() + "/config.xml", Read).getFabricants();
    QCOMPARE(vendors.last(), QString()); // the empty value is learned like any other
    QCOMPARE(vendors.count("Schneider(SCH)"), 1);
}

void TestDocuments::unsavedQuestionBeforeDownload()
{
    SimRig rig;
    QVERIFY(rig.start());
    MainWindow *win = rig.window.get();
    auto chooseNewest = [] {
        TestUtil::onNextModal([](QWidget *d) { d->findChild<QPushButton *>("pushButton_1")->click(); });
    };
    chooseNewest();
    win->on_actionTelecharger_triggered(); // nothing unsaved yet: no question
    QVERIFY(win->isDataPresent());
    rig.takeReceived();

    // Yes, then the save dialog is cancelled: the download does not happen.
    rig.child<QLineEdit>("NameEdit")->setText("N");
    rig.child<QLineEdit>("NamePosteEdit")->setText("P");
    rig.child<QLineEdit>("NumTranfoEdit")->setText("T");
    QString question;
    TestUtil::onNextModal([&question](QWidget *box) {
        question = static_cast<QMessageBox *>(box)->text();
        TestUtil::answerNextFileDialog(QString());
        static_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click();
    });
    win->on_actionTelecharger_triggered();
    QCOMPARE(question, QString("Les donnees n'ont pas ete enregistrees. Voulez-vous les enregistrer ?"));
    QCOMPARE(rig.takeReceived(), QByteArray());

    // No: downloads at once, without saving.
    TestUtil::onNextModal([chooseNewest](QWidget *box) {
        chooseNewest();
        static_cast<QMessageBox *>(box)->button(QMessageBox::No)->click();
    });
    win->on_actionTelecharger_triggered();
    QCOMPARE(rig.takeReceived(), QByteArray("INFO 00 \rTEST1 06 1 \r"));
    QVERIFY(!win->isDataSaved());
}

void TestDocuments::printToPdf()
{
    fillKnownState();
    w->showMaximized();
    const QString pdf = dir->path() + "/page.pdf";
    QWidget *page = get<QWidget>("PrintWidget");
    const QSize minimum = page->minimumSize();
    const QSize maximum = page->maximumSize();
    const QPalette palette = w->palette();
    TestUtil::onNextModal([pdf](QWidget *d) {
        auto *dialog = qobject_cast<QPrintDialog *>(d);
        QVERIFY(dialog);
        if (auto *file = dialog->findChild<QLineEdit *>("filename"))
            file->setText(pdf);
        dialog->printer()->setOutputFileName(pdf);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    w->on_actionImprimer_triggered();
    const QByteArray bytes = TestUtil::readFile(pdf);
    if (qEnvironmentVariableIsSet("QVX_KEEP_PDF"))
        QFile::copy(pdf, qEnvironmentVariable("QVX_KEEP_PDF"));
    QVERIFY2(bytes.startsWith("%PDF"), "no PDF written");
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    QVERIFY(!w->isMaximized());
    QCOMPARE(w->palette(), palette);
    QCOMPARE(page->minimumSize(), minimum); // the page follows the window again
    QCOMPARE(page->maximumSize(), maximum);
}

void TestDocuments::printCancelled()
{
    w->showMaximized();
    QTest::qWait(100); // let the maximised layout settle
    QWidget *page = get<QWidget>("PrintWidget");
    const QSize size = page->size();
    TestUtil::onNextModal([](QWidget *d) { static_cast<QDialog *>(d)->reject(); });
    w->on_actionImprimer_triggered();
    QVERIFY(w->isMaximized());
    QCOMPARE(page->size(), size);
    QCOMPARE(page->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

void TestDocuments::quitEndsTheLoop()
{
    QTimer::singleShot(0, w.get(), &MainWindow::on_actionQuitter_triggered);
    QCOMPARE(QCoreApplication::exec(), 0);
}

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
