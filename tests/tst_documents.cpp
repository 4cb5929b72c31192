// Measurement documents through the window: save, open, file names, refusals, safe writes, printing.

#include "recup_info.h"
#include "simrig.h"
#include "testutil.h"
#include "xmlconf.h"
#include "xmlmesure.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
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

bool paneHolds(MainWindow *w, const QString &text)
{
    return w->debugWindow()->texte().contains(text);
}

// The window holding record `button` of the simulator, downloaded with no question, the form filled in (the
// operator's name left empty when `name` is).
bool downloaded(SimRig &rig, int button, const QString &name = QStringLiteral("N"))
{
    if (!rig.start())
        return false;
    TestUtil::DialogScript script;
    script.dialog([button](QWidget *d) {
        d->findChild<QPushButton *>(QStringLiteral("pushButton_%1").arg(button))->click();
    });
    rig.window->on_actionTelecharger_triggered();
    rig.child<QLineEdit>("NameEdit")->setText(name);
    rig.child<QLineEdit>("NamePosteEdit")->setText("P");
    rig.child<QLineEdit>("NumTranfoEdit")->setText("T");
    return script.seen == QStringList("recup_enreg") && rig.window->isDataPresent();
}

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
    void unreadableConfigKept_data();
    void unreadableConfigKept();
    void captureFile_data();
    void captureFile();
    void configLearnsListEntries();
    void unsavedWork_data();
    void unsavedWork();
    void wrongReports_data();
    void wrongReports();
    void printToPdf();
    void printCancelled();
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
    QVERIFY(!w->hasUnsavedData()); // as on disk until edited
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
    QCOMPARE(text,
             QString("Veuillez remplir les champs avant d'enregistrer.\n\nChamps vides : Nom du releveur"));

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

// A config.xml that does not parse, at start-up or turned so while the program runs, is kept byte for byte
// beside, the default takes its place and the user is told once; the lists stay usable.
void TestDocuments::unreadableConfigKept_data()
{
    QTest::addColumn<QString>("when");
    QTest::newRow("at start-up") << "start";
    QTest::newRow("before a save") << "save";
    QTest::newRow("before a language change") << "language";
}

void TestDocuments::unreadableConfigKept()
{
    QFETCH(QString, when);
    const QString config = dir->path() + "/config.xml";
    const QByteArray broken = "<?xml version='1.0'?><QuardaneConf><fabricants><fabricant nom='Mine'/>";
    if (when == "start")
        w.reset();
    QVERIFY(TestUtil::writeFile(config, broken));
    TestUtil::DialogScript script;
    script.box(QMessageBox::Ok);
    if (when == "start") {
        makeWindow();
    } else if (when == "save") {
        fillKnownState();
        QVERIFY(w->saveResult(data("kept.qv2")));
    } else {
        w->loadLanguage("en");
    }
    QVERIFY2(script.done() && script.seen.first().contains("config.xml"), qPrintable(script.seen.join('|')));
    const QStringList kept = QDir(dir->path()).entryList({"config.xml.*"}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(TestUtil::readFile(dir->path() + "/" + kept.first()), broken);
    const XmlConf restored(config, Read);
    QCOMPARE(restored.getPiles().size(), 2); // the default's, not an empty skeleton
    QCOMPARE(restored.getLangageencours(), QString(when == "language" ? "en" : "fr"));
    QVERIFY(get<QComboBox>("VendorCombo")->count() > 10);

    // Told once: the next start finds a good file and says nothing.
    TestUtil::DialogScript none;
    makeWindow();
    QTest::qWait(300);
    QCOMPARE(none.seen, QStringList());
}

void TestDocuments::configLearnsListEntries()
{
    fillKnownState();
    get<QComboBox>("VendorCombo")->setCurrentIndex(-1); // a value the list no longer has
    QVERIFY(w->saveResult(data("learn.qv2")));
    const QStringList vendors = XmlConf(dir->path() + "/config.xml", Read).getFabricants();
    QVERIFY(!vendors.contains(QString())); // an empty value is never learned
    QCOMPARE(vendors.count("Schneider(SCH)"), 1);
}

// Every command that replaces or drops the measurement asks first when it was downloaded and not saved:
// Yes saves (and a save that cannot be done stops the command), No discards, Cancel goes back.
void TestDocuments::unsavedWork_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");  // to the question; 0: Yes with the operator's name empty
    QTest::addColumn<bool>("goesOn"); // the command then runs
    for (const char *command : {"download", "open", "replay", "quit", "close"}) {
        QTest::addRow("%s, Yes", command) << command << int(QMessageBox::Yes) << true;
        QTest::addRow("%s, No", command) << command << int(QMessageBox::No) << true;
        QTest::addRow("%s, Cancel", command) << command << int(QMessageBox::Cancel) << false;
        QTest::addRow("%s, Yes with a field empty", command) << command << 0 << false;
    }
}

void TestDocuments::unsavedWork()
{
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    SimRig rig;
    QVERIFY(downloaded(rig, 1, answer ? "N" : ""));
    MainWindow *win = rig.window.get();
    const QString dataDir = rig.appDir() + "/Data/";
    const auto chooseNewest = [](QWidget *d) { d->findChild<QPushButton *>("pushButton_1")->click(); };
    const Measurement before = win->currentMeasurement();
    const QString title = win->windowTitle();

    // Another document and a capture of another record, for open and replay.
    Measurement other = before;
    other.poste = "Autre poste";
    QVERIFY(XmlMesure::save(other, dataDir + "other.qv2"));
    QVERIFY(TestUtil::writeFile(dataDir + "capture.txt",
                                "RESULT 01 x DEFAUT x\nGAMME 7-77kV x\nRecup_courbe fin a b 9 \n"));

    TestUtil::DialogScript script;
    if (command == "open")
        script.file(dataDir + "other.qv2");
    else if (command == "replay")
        script.file(dataDir + "capture.txt");
    script.box(answer ? answer : int(QMessageBox::Yes));
    if (answer == QMessageBox::Yes)
        script.file(dataDir + "kept.qv2");
    else if (answer == 0)
        script.box(QMessageBox::Ok); // the fields the save needs
    if (goesOn && command == "download")
        script.dialog(chooseNewest);
    rig.takeReceived();

    bool wentOn = false;
    if (command == "download") {
        win->on_actionTelecharger_triggered();
        wentOn = rig.takeReceived().contains("TEST1 06 1");
    } else if (command == "open") {
        win->on_actionOuvrir_triggered();
        wentOn = win->windowTitle().endsWith("other.qv2");
    } else if (command == "replay") {
        win->on_actionOuvrir_fichier_debug_triggered();
        wentOn = win->currentMeasurement().gamme == "7-77kV";
    } else if (command == "quit") {
        QTimer::singleShot(0, win, &MainWindow::on_actionQuitter_triggered);
        QTimer stay; // a quit that does not happen
        stay.setSingleShot(true);
        connect(&stay, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        stay.start(3000);
        wentOn = QCoreApplication::exec() == 0;
    } else {
        wentOn = win->close();
    }
    QVERIFY2(script.done(), qPrintable(script.seen.join(" | ")));
    QCOMPARE(script.seen.filter("unexpected"), QStringList());
    QCOMPARE(script.seen.filter("Les donnees n'ont pas ete enregistrees").size(), 1);
    QCOMPARE(wentOn, goesOn);
    if (!goesOn) {
        QCOMPARE(win->currentMeasurement(), before);
        QCOMPARE(win->windowTitle(), title);
    }
    if (answer == 0)
        QVERIFY2(script.seen.last().contains("Champs vides : Nom du releveur"),
                 qPrintable(script.seen.last()));
    // What Yes saved is the measurement that was on screen.
    Measurement saved;
    QCOMPARE(XmlMesure::load(dataDir + "kept.qv2", &saved), answer == QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        QCOMPARE(saved, before);
}

// A command that reports on the instrument, or a file that is no measurement document, leaves the
// measurement as it was: saved again it gives the same bytes and the same verdicts.
void TestDocuments::wrongReports_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("file"); // opened, when not empty
    QTest::addColumn<bool>("opens");
    const QByteArray document = TestUtil::readFile(QVX_SOURCE_DIR "/tests/data/xml/expected_document.qv2");
    QTest::newRow("Info UC after a download") << "info" << QByteArray() << false;
    QTest::newRow("renamed PDF") << "open" << QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj\n") << false;
    QTest::newRow("truncated XML") << "open" << document.left(document.size() / 2) << false;
    QTest::newRow("another root element")
        << "open" << QByteArray("<?xml version='1.0'?>\n<QuardaneConf><info/></QuardaneConf>\n") << false;
    QTest::newRow("a document lacking sections")
        << "open" << QByteArray("<?xml version='1.0'?>\n<OrvaQuardane><info/></OrvaQuardane>\n") << true;
}

void TestDocuments::wrongReports()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, file);
    QFETCH(bool, opens);
    SimRig rig;
    QVERIFY(downloaded(rig, 2));
    MainWindow *win = rig.window.get();
    const QString dataDir = rig.appDir() + "/Data/";
    QVERIFY(win->saveResult(dataDir + "before.qv2"));
    const QString title = win->windowTitle();

    TestUtil::DialogScript script;
    const QString damaged = dataDir + "damaged.qv2";
    if (action == "info") {
        win->on_actionInfo_UC_triggered();
        QVERIFY(paneHolds(win, "IDENT"));
    } else {
        QVERIFY(TestUtil::writeFile(damaged, file));
        if (!opens)
            script.box(QMessageBox::Ok);
        else
            script.box(QMessageBox::No); // the downloaded record is let go
        QCOMPARE(win->openDocument(damaged), opens);
        QCOMPARE(TestUtil::readFile(damaged), file);
    }
    QVERIFY2(script.done(), qPrintable(script.seen.join(" | ")));
    if (opens) {
        QVERIFY(win->windowTitle().endsWith("damaged.qv2"));
        return;
    }
    if (action == "open")
        QVERIFY2(script.seen.first().contains(QDir::toNativeSeparators(damaged)),
                 qPrintable(script.seen.first()));
    QCOMPARE(win->windowTitle(), title);
    QVERIFY(rig.child<QAction>("actionEnregistrer")->isEnabled());
    QVERIFY(win->saveResult(dataDir + "after.qv2"));
    QCOMPARE(TestUtil::readFile(dataDir + "after.qv2"), TestUtil::readFile(dataDir + "before.qv2"));
    Measurement reopened;
    QVERIFY(XmlMesure::load(dataDir + "after.qv2", &reopened));
    for (int i = 0; i < Qvx2::TestCount; ++i)
        QCOMPARE(reopened.passed(i), rig.sim.core().record(2).passed[size_t(i)]);
}

// The debug window's capture is proposed in Data/ and replaces the old file whole, or not at all, and says
// so.
void TestDocuments::captureFile_data()
{
    QTest::addColumn<QString>("target"); // under the application folder
    QTest::addColumn<bool>("written");
    QTest::newRow("new file") << "Data/capture.txt" << true;
    QTest::newRow("over an older capture") << "Data/old.txt" << true;
    QTest::newRow("in a folder that is not there") << "Nowhere/capture.txt" << false;
}

void TestDocuments::captureFile()
{
    QFETCH(QString, target);
    QFETCH(bool, written);
    const QString path = dir->path() + "/" + target;
    const QByteArray old = "older capture";
    QVERIFY(TestUtil::writeFile(dir->path() + "/Data/old.txt", old));
    QByteArray record = smallRecord;
    w->parser().parse(record);
    TestUtil::DialogScript script;
    script.file(path);
    if (QFile::exists(path))
        script.box(QMessageBox::Yes); // the file dialog's own question
    if (!written)
        script.box(QMessageBox::Ok);
    QMetaObject::invokeMethod(w->debugWindow(), "on_pushButton_clicked");
    QVERIFY2(script.done(), qPrintable(script.seen.join('|')));
    QCOMPARE(script.seen.first(), "QFileDialog: " + QDir(dir->path() + "/Data").absolutePath());
    if (written) {
        QCOMPARE(TestUtil::readFile(path),
                 path.toLocal8Bit() + '\r' + w->debugWindow()->texte().toLocal8Bit());
    } else {
        QVERIFY2(script.seen.last().contains("capture.txt"), qPrintable(script.seen.last()));
        QVERIFY(!QFile::exists(path));
    }
    QCOMPARE(TestUtil::readFile(dir->path() + "/Data/old.txt"),
             target.endsWith("old.txt") ? TestUtil::readFile(path) : old);
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

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
