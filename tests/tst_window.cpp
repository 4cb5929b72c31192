// The window without an instrument: first start, the display of the instrument's lines, documents through
// the form, config.xml and capture failures, the languages, help, and the parameter editors.

#include "aboutdialog.h"
#include "dialogscript.h"
#include "dialogtelech.h"
#include "mainwindow.h"
#include "recup_cutoff.h"
#include "recup_gamme.h"
#include "recup_info.h"
#include "recup_pile.h"
#include "testutil.h"
#include "xmlconf.h"
#include "xmlmesure.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPort>
#include <QStatusBar>
#include <QTextEdit>
#include <QtTest>

namespace
{

QImage image(const char *resource)
{
    return QPixmap(QLatin1String(resource)).toImage();
}

// A small record as the instrument would send it, with a verdict of each kind and one curve.
const QByteArray smallRecord = "Recup_courbe debut 1 \rRESULT 01 x CORRECT x\rRESULT 02 x DEFAUT x\r"
                               "RESULT 19 x SUCCESS x\rV. 0 0 0 0 -37 512 3 4 5 6 7 8 9 10 \r"
                               "V. 6 0 100 0 1 1 1 1 1 1 1 1 1 1 \r"
                               "RAPPORT 0 x 48.70 x\rRAPPORT 1 x 48.80 x\rRAPPORT 2 x 48.90 x\r"
                               "GAMME 20-33kV x\rRecup_courbe fin a b 7 \r";

// Every text a user reads in a widget and its children, by where it is shown.
void collect(QWidget *root, const QString &prefix, QMap<QString, QString> *texts)
{
    const auto add = [&](const QObject *o, const char *what, const QString &text) {
        if (!text.isEmpty())
            texts->insert(prefix + '/' + o->objectName() + '/' + what, text);
    };
    add(root, "windowTitle", root->windowTitle());
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(w))
            add(w, "text", label->text());
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(w, "text", button->text());
        else if (auto *box = qobject_cast<QGroupBox *>(w))
            add(w, "title", box->title());
        else if (auto *edit = qobject_cast<QLineEdit *>(w); edit && !edit->isEnabled())
            add(w, "text", edit->text()); // the test names
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                add(w, qPrintable(QString::number(i)), combo->itemText(i));
    }
    for (QAction *a : root->findChildren<QAction *>())
        add(a, "text", a->text());
    int n = 0; // the status bar's labels have no names: by their order
    if (auto *window = qobject_cast<QMainWindow *>(root))
        for (QLabel *l : window->statusBar()->findChildren<QLabel *>())
            texts->insert(prefix + "/status" + QString::number(n++), l->text());
}

// Texts that are the same in English by nature: names, units, and words both languages share.
bool sameInEnglish(const QString &key, const QString &text)
{
    static const QSet<QString> shared = {
        "QUARVEN 2.00", "QUARVEN2", "QUARVEN2 D504", "Français",    "English",       "Norsk",
        "Svensk",       "Debug",    "Documentation", "Information", "Patch VOLTANE", "Patch DIREVE",
        "Version D504", "Page",     "Reset",         "Fill",        "Write",         "RATIO:"};
    static const QRegularExpression letters(QStringLiteral("[^\\W\\d_]"));
    static const QRegularExpression quantity(QStringLiteral("^\\s*\\d+\\s+minutes\\s*$"));
    // List entries from config.xml are names and values (manufacturers, kV, kVA), bar "Autre", "Oui", "Non".
    if (key.contains(QRegularExpression("Combo/\\d+$")))
        return text != "Autre" && text != "Oui" && text != "Non";
    // The about box's address and contact links are the company's own.
    if (key.contains("/AdressLabel/") || key.contains("/EmailLabel/") || key.contains("/SiteLabel/"))
        return true;
    return shared.contains(text) || quantity.match(text).hasMatch() || !letters.match(text).hasMatch();
}

// Stands for the system's viewer: records what the program asks to open instead of starting anything.
class ViewerStub : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> w;

    template <typename T> T *get(const char *name) { return w->findChild<T *>(QLatin1String(name)); }
    QString data(const QString &name) const { return dir->path() + "/Data/" + name; }
    // A window in a fresh folder holding the catalogues built beside the program (less `omit`) and the
    // default config.xml with `language` as its current language.
    void makeWindow(const QString &language = QStringLiteral("fr"), const QString &omit = QString());
    void feed(QByteArray bytes) { w->parser().parse(bytes); }
    void fillForm();
    void choose(const QString &code);

private slots:
    void init() { makeWindow(); }
    // The window's translators leave the application with it.
    void cleanup()
    {
        w.reset();
        dir.reset();
    }
    void firstStart();
    void verdicts_data();
    void verdicts();
    void records();
    void documents();
    void proposedName_data();
    void proposedName();
    void saveRefusals();
    void print();
    void unreadableConfigKept_data();
    void unreadableConfigKept();
    void captureFile_data();
    void captureFile();
    void switchLanguage_data();
    void switchLanguage();
    void nothingLeftInFrench();
    void guide_data();
    void guide();
    void aboutBox();
    void editors_data();
    void editors();
};

void TestWindow::makeWindow(const QString &language, const QString &omit)
{
    w.reset();
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        const QDir built(QStringLiteral(QVX_APP_DIR));
        for (const QString &qm : built.entryList({QStringLiteral("*.qm")}, QDir::Files))
            if (qm != omit)
                QVERIFY(QFile::copy(built.filePath(qm), dir->filePath(qm)));
        QVERIFY(TestUtil::writeFile(dir->filePath("config.xml"), TestUtil::configWithLanguage(language)));
    }
    w = std::make_unique<MainWindow>(dir->path(), [] { return QList<PortCandidate>(); });
    choose(QString());
}

// A code's menu entry, or "system" for a change of the system locale (Swedish, see main()); an empty code
// only lets the LanguageChange events that follow a translator change through.
void TestWindow::choose(const QString &code)
{
    if (code == QLatin1String("system")) {
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(qApp, &change);
    } else if (!code.isEmpty()) {
        for (QAction *a : get<QMenu>("menuLangue")->actions())
            if (a->data().toString() == code)
                a->trigger();
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void TestWindow::fillForm()
{
    feed(smallRecord);
    get<QLineEdit>("NameEdit")->setText(QString::fromUtf8("Léa Dupré"));
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

// No instrument at the first start: the window says so and offers only what needs none; config.xml is made
// from the built-in default, writable.
void TestWindow::firstStart()
{
    QVERIFY(dir->path().size() > 0);
    QFile::remove(dir->filePath("config.xml"));
    makeWindow();
    QVERIFY(w->windowState() & Qt::WindowMaximized);
    QStringList status;
    for (QLabel *l : w->statusBar()->findChildren<QLabel *>())
        status << l->text() + (l->pixmap(Qt::ReturnByValue).toImage() == image(Qvx2::ImgFailed) ? "!" : "");
    QVERIFY2(status.contains("!") && status.contains("Deconnecte"), qPrintable(status.join('|')));
    // What needs the instrument, or a measurement, waits for one.
    for (const char *menu : {"menuFichier", "menuConfiguration"})
        for (QAction *a : get<QMenu>(menu)->actions()) {
            const QString name = a->objectName();
            const bool needsSomething = !a->isSeparator() && name != "actionOuvrir" &&
                                        name != "actionDebug" && name != "actionOuvrir_fichier_debug" &&
                                        name != "actionQuitter" && name != "actionUSB_recherche_automatique";
            QVERIFY2(a->isEnabled() != needsSomething || a->isSeparator(), qPrintable(name));
        }
    QCOMPARE(get<QDateEdit>("DateEdit")->date(), QDate::currentDate());
    QVERIFY(QFileInfo(dir->path() + "/Data").isDir());
    QVERIFY(QFileInfo(dir->filePath("config.xml")).isWritable());
    QCOMPARE(TestUtil::readFile(dir->filePath("config.xml")), XmlConf::builtInDefault());
    w->setWindowTitleFile("abc.qv2");
    QCOMPARE(w->windowTitle(), QString("QUARVEN2 D504 - abc.qv2"));
    // A 1366 x 768 screen less a task bar and the window's frame.
    const QSize needed = w->minimumSizeHint();
    QVERIFY2(needed.width() <= 1366 && needed.height() <= 720,
             qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));
}

// The instrument numbers the rows 1..19: 0 and 20 fall outside and change nothing; a cleared verdict shows
// no verdict.
void TestWindow::verdicts_data()
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

void TestWindow::verdicts()
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
        QVERIFY2(
            get<QLabel>(qPrintable(QStringLiteral("IconT%1").arg(n)))->pixmap(Qt::ReturnByValue).toImage() ==
                image(img),
            qPrintable(QString::number(n)));
    }
}

// Curves grow in arrival order; a new record empties the measurement but the plot shows the old curves
// until the new points come, and a curve the new record lacks is gone once it has ended. Each transfer adds
// a line to the comment; clearing leaves the form and the comment.
void TestWindow::records()
{
    get<QLineEdit>("NameEdit")->setText("Dupont");
    get<QPlainTextEdit>("CommentText")->setPlainText("ligne 1\nligne 2");
    feed("Recup_courbe debut x\rV. 1 0 0 0 1 2 3 4 5 6 7 8 9 10\rV. 2 0 10 0 1 2 3 4 5 6 7 8 9 10\r"
         "V. 2 0 5 0 11 12 13 14 15 16 17 18 19 20\rV. 7 0 0 0 1 1 1 1 1 1 1 1 1 1\r"
         "RAPPORT 0 x 1 x\rRAPPORT 1 x 2 x\rRAPPORT 2 x 3 x\rRAPPORT 4 x 9 x\rGAMME 5kV x\rRecup_courbe fin "
         "a b 1 \r");
    const QVector<QPointF> &pts = w->pointsOf(2);
    QCOMPARE(pts.size(), 20);
    QCOMPARE(pts.at(9), QPointF(19, 10));
    QCOMPARE(pts.at(10), QPointF(5, 11)); // overlapping x values keep arrival order
    QCOMPARE(get<QLineEdit>("le_gamme")->text(), QString("5kV"));
    QCOMPARE(w->currentMeasurement().ratios[3], QString("2.00"));
    feed("Recup_courbe debut x\rRESULT 01 x CORRECT x\rV. 2 0 0 0 5 5 5 5 5 5 5 5 5 5\r");
    QCOMPARE(w->pointsOf(1).size(), 0);
    QCOMPARE(w->curve(1).dataSize(), size_t(10)); // still the old one while the record comes in
    feed("Recup_courbe fin a b 2 \r");
    QCOMPARE(w->curve(1).dataSize(), size_t(0)); // what is printed is what a save stores
    QCOMPARE(w->curve(2).sample(0), QPointF(0, 5));
    QVERIFY(w->testResult(0));
    QCOMPARE(get<QPlainTextEdit>("CommentText")->toPlainText(), QString("---\n---\nligne 1\nligne 2"));
    w->clearMeasurement();
    QCOMPARE(get<QLineEdit>("NameEdit")->text(), QString("Dupont"));
    QVERIFY(get<QPlainTextEdit>("CommentText")->toPlainText().endsWith("ligne 2"));
    QVERIFY(!w->testResult(0) && get<QLineEdit>("leratio")->text().isEmpty());
    QCOMPARE(w->currentMeasurement().capture, QString());
}

// The window saves what it shows, byte for byte as the known document; opened in a fresh window it shows
// it all again, dates and list entries by their exact text, and saves the same bytes.
void TestWindow::documents()
{
    fillForm();
    QVERIFY(w->saveResult(data("known.qv2")));
    if (qEnvironmentVariableIsSet("QVX_WRITE_FIXTURE"))
        QFile::copy(data("known.qv2"), qEnvironmentVariable("QVX_WRITE_FIXTURE"));
    QCOMPARE(TestUtil::readFile(data("known.qv2")),
             TestUtil::readFile(QStringLiteral(QVX_SOURCE_DIR "/tests/data/documents/known_state.qv2")));
    const QString name = w->currentMeasurement().releveur;

    makeWindow(); // a fresh window: nothing of the first survives but the file
    QVERIFY(w->openDocument(data("known.qv2")));
    QCOMPARE(get<QDateEdit>("DateEdit")->date(), QDate(2021, 3, 15));
    QCOMPARE(get<QComboBox>("VendorCombo")->currentText(), QString("Schneider(SCH)"));
    QCOMPARE(w->curve(0).sample(0), QPointF(0, -37));
    Measurement stored; // a test that had no verdict is stored, and shown again, as failed
    QVERIFY(XmlMesure::load(data("known.qv2"), &stored));
    QCOMPARE(w->currentMeasurement(), stored);
    QCOMPARE(w->windowTitle(), QString("QUARVEN2 D504 - known.qv2"));
    QVERIFY(get<QAction>("actionImprimer")->isEnabled() && !w->hasUnsavedData()); // as on disk until edited
    get<QLineEdit>("NameEdit")->setText("x");
    QVERIFY(w->hasUnsavedData());
    get<QLineEdit>("NameEdit")->setText(name);
    QVERIFY(!w->hasUnsavedData());
    QVERIFY(w->saveResult(data("second.qv2")));
    QCOMPARE(TestUtil::readFile(data("second.qv2")), TestUtil::readFile(data("known.qv2")));
    // The stored date does not follow the interface's language.
    choose("ru");
    QVERIFY(w->saveResult(data("ru.qv2")));
    QVERIFY(TestUtil::readFile(data("ru.qv2")).contains("<date>15/03/2021</date>"));

    // A list entry that differs in letter case, or that the list no longer has, shows no selection.
    QByteArray bytes = TestUtil::readFile(data("known.qv2"));
    bytes.replace("<fabricant>Schneider(SCH)</fabricant>", "<fabricant>schneider(sch)</fabricant>");
    bytes.replace("<date>15/03/2021</date>", "<date>31/02/2021</date>");
    QVERIFY(TestUtil::writeFile(data("lists.qv2"), bytes));
    TestUtil::DialogScript script;
    script.box(QMessageBox::No);
    QVERIFY(w->openDocument(data("lists.qv2")));
    QCOMPARE(get<QComboBox>("VendorCombo")->currentIndex(), -1);
    QCOMPARE(get<QDateEdit>("DateEdit")->date(), QDate(2021, 3, 15)); // a date that does not read: unchanged
}

void TestWindow::proposedName_data()
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

void TestWindow::proposedName()
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

// A save without the needed fields names them; a cancelled save dialog or a target that cannot be written
// saves nothing, learns nothing, and does not mark the data saved.
void TestWindow::saveRefusals()
{
    const QByteArray config = TestUtil::readFile(dir->filePath("config.xml"));
    get<QLineEdit>("NumTranfoEdit")->setText("T");
    TestUtil::DialogScript script;
    script.box(QMessageBox::Ok).file(QString()).file(dir->path() + "/absent/doc.qv2").box(QMessageBox::Ok);
    QVERIFY(w->save().isEmpty());
    get<QLineEdit>("NameEdit")->setText(" "); // a blank counts as filled
    get<QLineEdit>("NamePosteEdit")->setText("P");
    QVERIFY(w->save().isEmpty());
    QVERIFY(w->save().isEmpty());
    QVERIFY2(script.done(), qPrintable(script.seen.join('|')));
    QCOMPARE(script.seen.first(), QString("Erreur: Veuillez remplir les champs avant d'enregistrer.\n\n"
                                          "Champs vides : Nom du releveur, Nom du poste"));
    QVERIFY(script.seen.last().startsWith("Erreur: ") && script.seen.last().contains("doc.qv2"));
    QVERIFY(!w->isDataSaved());
    QCOMPARE(TestUtil::readFile(dir->filePath("config.xml")), config);
}

// One page on the paper from the page widget; the window has its look and layout back afterwards. A
// cancelled dialog changes nothing.
void TestWindow::print()
{
    fillForm();
    w->showMaximized();
    QTest::qWait(100); // let the maximised layout settle
    QWidget *page = get<QWidget>("PrintWidget");
    const QSize size = page->size();
    const QPalette palette = w->palette();
    const QString pdf = dir->path() + "/page.pdf";
    TestUtil::DialogScript script;
    script.dialog([](QWidget *d) { static_cast<QDialog *>(d)->reject(); }).dialog([pdf](QWidget *d) {
        auto *dialog = qobject_cast<QPrintDialog *>(d);
        if (auto *file = dialog->findChild<QLineEdit *>("filename"))
            file->setText(pdf);
        dialog->printer()->setOutputFileName(pdf);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    w->on_actionImprimer_triggered();
    QVERIFY(w->isMaximized());
    QCOMPARE(page->size(), size);
    w->on_actionImprimer_triggered();
    const QByteArray bytes = TestUtil::readFile(pdf);
    QVERIFY2(bytes.startsWith("%PDF"), "no PDF written");
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    QVERIFY(!w->isMaximized());
    QCOMPARE(w->palette(), palette);
    QCOMPARE(page->maximumSize(),
             QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)); // the page follows the window again
}

// A config.xml that does not parse, at start-up or turned so while the program runs, is kept byte for byte
// beside, the default takes its place and the user is told once; the lists stay usable.
void TestWindow::unreadableConfigKept_data()
{
    QTest::addColumn<QString>("when");
    QTest::newRow("at start-up") << "start";
    QTest::newRow("before a save") << "save";
    QTest::newRow("before a language change") << "language";
}

void TestWindow::unreadableConfigKept()
{
    QFETCH(QString, when);
    const QString config = dir->filePath("config.xml");
    const QByteArray broken = "<?xml version='1.0'?><QuardaneConf><fabricants><fabricant nom='Mine'/>";
    QVERIFY(TestUtil::writeFile(config, broken));
    TestUtil::DialogScript script;
    script.box(QMessageBox::Ok);
    if (when == "start") {
        makeWindow();
    } else if (when == "save") {
        fillForm();
        QVERIFY(w->saveResult(data("kept.qv2")));
    } else {
        choose("en");
    }
    QVERIFY2(script.done() && script.seen.first().contains("config.xml"), qPrintable(script.seen.join('|')));
    const QStringList kept = QDir(dir->path()).entryList({"config.xml.*"}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(TestUtil::readFile(dir->filePath(kept.first())), broken);
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

// The debug window's capture is proposed in Data/ and replaces the old file whole, or not at all, and says
// so.
void TestWindow::captureFile_data()
{
    QTest::addColumn<QString>("target"); // under the application folder
    QTest::addColumn<bool>("written");
    QTest::newRow("over an older capture") << "Data/old.txt" << true;
    QTest::newRow("in a folder that is not there") << "Nowhere/capture.txt" << false;
}

void TestWindow::captureFile()
{
    QFETCH(QString, target);
    QFETCH(bool, written);
    const QString path = dir->path() + "/" + target;
    QVERIFY(TestUtil::writeFile(dir->path() + "/Data/old.txt", "older capture"));
    feed(smallRecord);
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
}

// The catalogues are loaded from the program's folder, the choice is stored, and what the user had on screen
// stays: list positions, the date (in a field made anew for the new locale), the document's name.
void TestWindow::switchLanguage_data()
{
    QTest::addColumn<QString>("omit");   // a catalogue missing from the program's folder
    QTest::addColumn<QString>("stored"); // current language in config.xml at start
    QTest::addColumn<QString>("chosen"); // then chosen, if any
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("file");   // the File menu's title
    QTest::addColumn<QString>("qtOpen"); // Qt's own "Open"
    QTest::addColumn<QString>("curves");
    QTest::addColumn<QString>("dateFormat");
    QTest::newRow("fr to en") << ""
                              << "fr"
                              << "en"
                              << "en"
                              << "File"
                              << "Open"
                              << "HV.A lv.c"
                              << "M/d/yy";
    QTest::newRow("en to ng") << ""
                              << "en"
                              << "ng"
                              << "ng"
                              << "Fil"
                              << "Opna"
                              << "HS.A ls.c"
                              << "dd.MM.yyyy";
    QTest::newRow("ru stored") << ""
                               << "ru"
                               << ""
                               << "ru" << QString::fromUtf8("Файл") << QString::fromUtf8("Открыть")
                               << QString::fromUtf8("ВН.А нн.с") << "dd.MM.yyyy";
    QTest::newRow("fr to the system's sv") << ""
                                           << "fr"
                                           << "system"
                                           << "sv"
                                           << "Arkiv" << QString::fromUtf8("Öppna") << "HS.A ls.c"
                                           << "yyyy-MM-dd";
    // A missing catalogue leaves its texts in their source language (French, or Qt's English).
    QTest::newRow("program's catalogue missing") << "quarvex2_ru.qm"
                                                 << "en"
                                                 << "ru"
                                                 << "ru"
                                                 << "Fichier" << QString::fromUtf8("Открыть") << "HT.A bt.c"
                                                 << "dd.MM.yyyy";
    QTest::newRow("Qt's catalogue missing")
        << "qt_ru.qm"
        << "en"
        << "ru"
        << "ru" << QString::fromUtf8("Файл") << "Open" << QString::fromUtf8("ВН.А нн.с") << "dd.MM.yyyy";
    // A code no menu entry carries loads nothing.
    QTest::newRow("stored 'nb'") << ""
                                 << "nb"
                                 << ""
                                 << ""
                                 << "Fichier"
                                 << "Open"
                                 << "HT.A bt.c"
                                 << "";
}

void TestWindow::switchLanguage()
{
    QFETCH(QString, omit);
    QFETCH(QString, stored);
    QFETCH(QString, chosen);
    QFETCH(QString, current);
    QFETCH(QString, file);
    QFETCH(QString, qtOpen);
    QFETCH(QString, curves);
    QFETCH(QString, dateFormat);
    w.reset();
    dir.reset();
    makeWindow(stored, omit);
    auto *list = get<QComboBox>("TensionHT1Combo");
    list->setCurrentIndex(list->count() - 1); // "Autre"
    const QDate someDate(2019, 3, 14);
    get<QDateEdit>("DateEdit")->setDate(someDate);
    w->setWindowTitleFile(QStringLiteral("essai.qv2"));

    choose(chosen);
    QCOMPARE(w->language(), current);
    // The current language's menu entry alone is greyed out.
    for (QAction *a : get<QMenu>("menuLangue")->actions())
        QVERIFY2(a->isEnabled() == (a->data().toString() != current), qPrintable(a->data().toString()));
    QCOMPARE(XmlConf(dir->filePath("config.xml"), Read).getLangageencours(),
             current.isEmpty() ? stored : current);
    QCOMPARE(get<QMenu>("menuFichier")->title(), file);
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), qtOpen);
    QCOMPARE(w->curve(0).title().text() + ' ' + w->curve(5).title().text(), curves);
    QCOMPARE(w->windowTitle(), QStringLiteral("QUARVEN2 D504 - essai.qv2"));
    QVERIFY(list->count() > 1 && list->currentIndex() == list->count() - 1);
    QCOMPARE(list->currentText(), w->currentMeasurement().tensionHt);
    const QList<QDateEdit *> dates = w->findChildren<QDateEdit *>(QStringLiteral("DateEdit"));
    QCOMPARE(dates.size(), 1);
    QCOMPARE(dates.first()->date(), someDate);
    if (current.isEmpty())
        return;
    QCOMPARE(dates.first()->displayFormat(), dateFormat);
    // Choosing the current language again neither rewrites config.xml nor makes a new date field.
    const QDateTime modified = QFileInfo(dir->filePath("config.xml")).lastModified();
    QTest::qWait(50); // a rewrite, even of the same bytes, would show in the modification time
    w->loadLanguage(current);
    choose(QString());
    QCOMPARE(QFileInfo(dir->filePath("config.xml")).lastModified(), modified);
    QCOMPARE(get<QDateEdit>("DateEdit"), dates.first());
}

// After a switch to English, no text the window or a dialog shows is still its French source: the window,
// the debug window that lives as long as it, and each dialog as the commands open them.
void TestWindow::nothingLeftInFrench()
{
    MainWindow::setLinkCycleMs(1); // the record dialog opens after a query no instrument answers
    const auto everything = [this] {
        QMap<QString, QString> texts;
        collect(w.get(), "window", &texts);
        collect(w->debugWindow(), "debug", &texts);
        // Dialogs opened by a command: looked at while they show, then closed.
        TestUtil::DialogScript script;
        for (const char *name : {"battery", "records", "about"})
            script.dialog([&texts, name](QWidget *dialog) {
                collect(dialog, name, &texts);
                static_cast<QDialog *>(dialog)->reject();
            });
        w->on_actionChoix_du_type_de_batterie_triggered();
        w->lancedownload();
        w->on_action_propos_de_ORVA_SA_triggered();
        // Made for one command each, which needs the instrument: made as the command makes them.
        recup_cutoff cutoff(w.get());
        collect(&cutoff, "cutoff", &texts);
        recup_gamme gamme(w.get());
        collect(&gamme, "gamme", &texts);
        QSerialPort port;
        DialogTelech firmware(&port, w.get());
        collect(&firmware, "firmware", &texts);
        return texts;
    };
    const QMap<QString, QString> french = everything();
    QVERIFY(french.size() > 100);
    choose(QStringLiteral("en"));
    const QMap<QString, QString> english = everything();
    MainWindow::setLinkCycleMs(Qvx2::LinkCycleMs);
    QStringList left;
    for (auto it = english.cbegin(); it != english.cend(); ++it)
        if (french.value(it.key()) == it.value() && !sameInEnglish(it.key(), it.value()))
            left << it.key() + ": " + it.value();
    QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
    QVERIFY(english.size() >= french.size() - 1);
}

// Help > Documentation opens the newest guide of the language (French, or English for any other), found by
// its mark whatever the case; a missing guide, or no viewer for it, is told.
void TestWindow::guide_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("files"); // a trailing "/" makes a folder of that name; none: no Doc folder
    QTest::addColumn<QString>("expected");  // empty: the guide is not found; "!": found, no viewer
    const QString fr1 = "GU_QUARVEN2_V_1_fr.pdf", fr2 = "GU_QUARVEN2_V_2_fr.pdf",
                  en1 = "GU_QUARVEN2_V_1_en.pdf";
    QTest::newRow("fr: newest by name") << "fr" << QStringList{fr2, fr1, en1} << fr2;
    QTest::newRow("fr: mark in capitals")
        << "fr" << QStringList{"GU_QUARVEN2_V_2_FR.pdf"} << "GU_QUARVEN2_V_2_FR.pdf";
    QTest::newRow("ru: English") << "ru" << QStringList{fr1, en1} << en1;
    QTest::newRow("sv: French guides only") << "sv" << QStringList{fr1, fr2} << "";
    QTest::newRow("no Doc folder") << "fr" << QStringList() << "";
    QTest::newRow("other names, a folder")
        << "fr" << QStringList{"notes_fr.pdf", "GU_QUARVEN2_V_fr_1.pdf", "GU_QUARVEN2_V_9_fr.pdf/"} << "";
    QTest::newRow("no PDF viewer") << "fr" << QStringList{fr1} << "!" + fr1;
}

void TestWindow::guide()
{
    QFETCH(QString, language);
    QFETCH(QStringList, files);
    QFETCH(QString, expected);
    w.reset();
    dir.reset();
    makeWindow(language);
    const QString docDir = dir->path() + "/Doc/";
    for (const QString &name : qAsConst(files)) {
        QVERIFY(QDir().mkpath(name.endsWith('/') ? docDir + name : docDir));
        if (!name.endsWith('/'))
            QVERIFY(TestUtil::writeFile(docDir + name, "%PDF-1.4\n"));
    }
    ViewerStub viewer;
    const bool noViewer = expected.startsWith('!');
    if (!noViewer)
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "open");
    TestUtil::DialogScript script(true);
    get<QAction>("actionDocumentation")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    const QStringList boxes = script.boxes();
    if (noViewer) {
        QVERIFY2(boxes.size() == 1 && boxes.first().startsWith("Erreur: ") && boxes.first().contains("PDF") &&
                     boxes.first().contains(QDir::toNativeSeparators(docDir + expected.mid(1))),
                 qPrintable(boxes.join('|')));
    } else if (expected.isEmpty()) {
        QVERIFY(viewer.opened.isEmpty());
        QCOMPARE(boxes, QStringList(QCoreApplication::translate("MainWindow", "Erreur") + ": " +
                                    QCoreApplication::translate("MainWindow", "Aide introuvable.")));
    } else {
        QCOMPARE(boxes, QStringList());
        QCOMPARE(viewer.opened.size(), 1);
        QCOMPARE(QFileInfo(viewer.opened.first().toLocalFile()).canonicalFilePath(),
                 QFileInfo(docDir + expected).canonicalFilePath());
    }
}

// The about box: its version in the current language, not resizable, a history that cannot be selected.
void TestWindow::aboutBox()
{
    choose("ru");
    QString version;
    TestUtil::DialogScript script;
    script.dialog([&version](QWidget *box) {
        version = box->findChild<QLabel *>("VersionLabel")->text();
        QCOMPARE(box->layout()->sizeConstraint(), QLayout::SetFixedSize);
        QCOMPARE(box->findChild<QTextEdit *>("text_info")->textInteractionFlags(), Qt::NoTextInteraction);
        QVERIFY(
            box->findChild<QTextEdit *>("text_info")
                ->toPlainText()
                .startsWith(QCoreApplication::translate("aboutDialog", "Version Binaire : \r\n").trimmed()));
        static_cast<QDialog *>(box)->reject();
    });
    get<QAction>("action_propos_de_ORVA_SA")->trigger();
    QCOMPARE(version, QString::fromUtf8("Версия D504"));
    QVERIFY(w->findChildren<aboutDialog *>().isEmpty()); // it lives for one showing only
}

// The parameter editors preset from the instrument's value and give back what the user chose; the battery
// editor reads the threshold after the caption's colon and cannot be confirmed without an entry.
void TestWindow::editors_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<int>("held");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<int>("given"); // sent back unchanged
    for (const auto &r : std::vector<std::tuple<int, const char *, int>>{{0, "M_br_cutoff_1", 120},
                                                                         {120, "M_br_cutoff_1", 120},
                                                                         {121, "M_br_cutoff_2", 180},
                                                                         {200, "M_br_cutoff_3", 240},
                                                                         {241, "M_br_cutoff_4", 480},
                                                                         {480, "M_br_cutoff_4", 480},
                                                                         {481, "M_br_cutoff_3", 240}})
        QTest::addRow("cut-off %d", std::get<0>(r))
            << "cutoff" << std::get<0>(r) << std::get<1>(r) << std::get<2>(r);
    for (const auto &r : std::vector<std::tuple<int, const char *, int>>{
             {0, "M_br_gamme_1", 0}, {1, "M_br_gamme_2", 1}, {2, "M_br_gamme_3", 2}, {7, "M_br_gamme_4", 3}})
        QTest::addRow("range %d", std::get<0>(r))
            << "gamme" << std::get<0>(r) << std::get<1>(r) << std::get<2>(r);
    QTest::newRow("battery, value after the colon") << "pile" << 0 << "Pile seche 9V :7700" << 7700;
    QTest::newRow("battery, no colon") << "pile" << 0 << "7800" << 7800;
    QTest::newRow("battery, not a number") << "pile" << 0 << "Pile : neuf" << 0;
    QTest::newRow("battery, empty list") << "pile" << 0 << "" << -1;
}

void TestWindow::editors()
{
    QFETCH(QString, editor);
    QFETCH(int, held);
    QFETCH(QString, preset);
    QFETCH(int, given);
    if (editor == "pile") {
        recup_pile dialog;
        dialog.set_liste(preset.isEmpty() ? QStringList() : QStringList{preset, "Autre :1"});
        auto *ok = dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok);
        QCOMPARE(ok->isEnabled(), given >= 0);
        if (given >= 0)
            QCOMPARE(dialog.get_vpiles(), given);
        return;
    }
    std::unique_ptr<QDialog> dialog;
    if (editor == "cutoff") {
        auto *d = new recup_cutoff;
        d->set_temps(held);
        dialog.reset(d);
    } else {
        auto *d = new recup_gamme;
        d->set_gamme(held);
        dialog.reset(d);
    }
    QStringList checked;
    for (const QRadioButton *b : dialog->findChildren<QRadioButton *>())
        if (b->isChecked())
            checked << b->objectName();
    QCOMPARE(checked, QStringList(preset));
    dialog->findChild<QPushButton *>(editor == "cutoff" ? "M_pb_cutoff" : "M_pb_gamme")->click();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    const int value = editor == "cutoff" ? static_cast<recup_cutoff *>(dialog.get())->get_temps()
                                         : static_cast<recup_gamme *>(dialog.get())->get_gamme();
    QCOMPARE(value, given);
}

int main(int argc, char *argv[])
{
    // QLocale::system() reads the environment once, when first asked: the locale-change row needs a
    // Swedish system locale, and the event that announces a change carries none.
    qputenv("LC_ALL", "sv_SE.UTF-8");
    qputenv("LANG", "sv_SE.UTF-8");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window.moc"
