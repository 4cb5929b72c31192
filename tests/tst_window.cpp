// The program without an instrument: one copy at a time, first start, the display of the instrument's lines,
// documents through the form, config.xml failures, the languages, help, and the parameter editors.

#include "archivemodel.h"
#include "archivewindow.h"
#include "comparewindow.h"
#include "configuration.h"
#include "csvexport.h"
#include "curveplot.h"
#include "dialogscript.h"
#include "format.h"
#include "mainwindow.h"
#include "recup_cutoff.h"
#include "recup_enreg.h"
#include "recup_gamme.h"
#include "recup_info.h"
#include "singleinstance.h"
#include "testutil.h"
#include "trendwindow.h"
#include "xmlconf.h"
#include "xmlmesure.h"

#include <QtPrintSupport>
#include <QtTest>
#include <QtWidgets>
#include <qwt_legend_label.h>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_zoomer.h>

QImage image(const char *resource)
{
    return QPixmap(QLatin1String(resource)).toImage();
}

// Every text a user reads in a widget and its children (the test names in disabled fields, not what the form
// holds), by where it is shown.
void collect(QObject *root, const QString &prefix, QMap<QString, QString> *texts)
{
    int unnamed = 0;
    const QObjectList all = root->findChildren<QObject *>() + QObjectList{root};
    for (QObject *o : all) {
        const QString at = prefix + '/' + o->objectName() + '/' + o->metaObject()->className();
        auto *combo = qobject_cast<QComboBox *>(o);
        auto *edit = qobject_cast<QLineEdit *>(o);
        for (int i = 0; combo && i < combo->count(); ++i)
            texts->insert(at + QString::number(i), combo->itemText(i));
        for (const char *property : {"text", "title", "windowTitle"})
            if (!combo && (!edit || !edit->isEnabled()) && !o->property(property).toString().isEmpty())
                texts->insert(at + property + (o->objectName().isEmpty() ? QString::number(unnamed++) : ""),
                              o->property(property).toString());
    }
}

// Texts the same in English by nature: names, units, words both languages share, list values.
bool sameInEnglish(const QString &key, const QString &text)
{
    static const QStringList shared = {
        "QUARVEN 2.00",  "QUARVEN2",     "QUARVEN2 D504", "Français",      "English",
        "Norsk",         "Svensk",       "Debug",         "Documentation", "Information",
        "Patch VOLTANE", "Patch DIREVE", "Version D504",  "RATIO:",        "OK",
        "Configuration"};
    const bool listValue = key.contains(QRegularExpression("QComboBox\\d+$")) && text != "Autre" &&
                           text != "Oui" && text != "Non";
    const bool company = key.contains(QRegularExpression("/(Adress|Email|Site)Label/"));
    return listValue || company || shared.contains(QString(text).remove('&')) ||
           !text.contains(QRegularExpression("[^\\W\\d_]"));
}

class TestWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> w;

    template <typename T> T *get(const char *name) { return w->findChild<T *>(QLatin1String(name)); }
    // Triggers a menu action as the user would; false when the user could not (the action is disabled).
    bool trigger(const char *name)
    {
        auto *action = get<QAction>(name);
        if (!action || !action->isEnabled())
            return false;
        action->trigger();
        return true;
    }
    QString data(const QString &name) const { return dir->path() + "/Data/" + name; }
    // A window in a folder holding the catalogues built beside the program (less `omit`) and the default
    // config.xml with `language` as its current language; a fresh folder when `fresh`.
    void makeWindow(const QString &language = "fr", bool fresh = false, const QString &omit = QString())
    {
        w.reset();
        if (fresh || !dir) {
            dir = std::make_unique<QTemporaryDir>();
            const QDir built(QStringLiteral(QVX_APP_DIR));
            for (const QString &qm : built.entryList({QStringLiteral("*.qm")}, QDir::Files))
                QVERIFY(qm == omit || QFile::copy(built.filePath(qm), dir->filePath(qm)));
            QVERIFY(TestUtil::writeFile(
                dir->filePath("config.xml"),
                XmlConf::builtInDefault().replace("encours=\"fr\"", "encours=\"" + language.toUtf8() + '"')));
        }
        if (fresh)
            QSettings().clear(); // a first start
        w = std::make_unique<MainWindow>(dir->path(), [] { return QList<PortCandidate>(); });
        choose(QString());
    }
    // A code's menu entry, or "system" for a change of the system locale (Swedish, see main()); an empty
    // code only lets the LanguageChange events that follow a translator change through.
    void choose(const QString &code)
    {
        QEvent change(QEvent::LocaleChange);
        if (code == "system")
            QCoreApplication::sendEvent(qApp, &change);
        for (QAction *a : get<QMenu>("menuLangue")->actions())
            if (!code.isEmpty() && a->data().toString() == code)
                a->trigger();
        QCoreApplication::sendPostedEvents();
    }
    void feed(QByteArray bytes) { w->parser().parse(bytes); }
    // Every menu and menu entry has one Alt letter, and no two share it within a menu.
    void checkMnemonics()
    {
        QList<QList<QAction *>> menus{w->menuBar()->actions()};
        for (QAction *title : w->menuBar()->actions())
            menus << title->menu()->actions();
        for (const QList<QAction *> &entries : menus) {
            QSet<QChar> letters;
            for (const QAction *a : entries) {
                const QString text = a->text();
                const int at = text.indexOf('&') + 1;
                QVERIFY2(a->isSeparator() || (at > 0 && text.count('&') == 1 && text.at(at).isLetter() &&
                                              !letters.contains(text.at(at).toLower())),
                         qPrintable(w->language() + ": " + text));
                letters.insert(a->isSeparator() ? QChar() : text.at(at).toLower());
            }
        }
    }
    void fillForm()
    {
        feed("Recup_courbe debut 1 \rRESULT 01 x CORRECT x\rRESULT 02 x DEFAUT x\rRESULT 19 x SUCCESS x\r"
             "V. 0 0 0 0 -37 512 3 4 5 6 7 8 9 10 \rV. 6 0 100 0 1 1 1 1 1 1 1 1 1 1 \rRAPPORT 0 x 48.70 x\r"
             "RAPPORT 1 x 48.80 x\rRAPPORT 2 x 48.90 x\rGAMME 20-33kV x\rRecup_courbe fin a b 7 \r");
        const std::pair<const char *, const char *> form[] = {
            {"NameEdit", "Léa Dupré"},    {"NamePosteEdit", "Poste 12"}, {"NumTranfoEdit", "T1234"},
            {"CodeGDOEdit", "G0042"},     {"PuissanceCombo", "250 kVA"}, {"VendorCombo", "Schneider(SCH)"},
            {"TensionHT1Combo", "20 kV"}, {"TensionBtCombo", "410 V"},   {"FuseCombo", "Oui"}};
        for (const auto &f : form)
            if (auto *edit = get<QLineEdit>(f.first))
                edit->setText(QString::fromUtf8(f.second));
            else
                get<QComboBox>(f.first)->setCurrentText(QString::fromUtf8(f.second));
        get<QDateEdit>("DateEdit")->setDate(QDate(2021, 3, 15));
        get<QPlainTextEdit>("CommentText")->setPlainText("ligne 1 & \"deux\"\nligne 2 <fin>");
    }

private slots:
    void init() { makeWindow("fr", true); }
    void cleanup() { w.reset(); }
    void singleInstance();
    void firstStart();
    void display();
    void documents();
    void saveRefusals();
    void print();
    void unreadableConfigKept_data();
    void unreadableConfigKept();
    void switchLanguage_data();
    void switchLanguage();
    void nothingLeftInFrench();
    void guide_data();
    void guide();
    void editors();
    void session();
    void exports();
    void plotTools();
    void archive();
    void archiveOrder_data();
    void archiveOrder();
    void decimalComma();
};

// A second copy is refused and told why; a copy killed without cleaning up does not block the next start.
void TestWindow::singleInstance()
{
    const QString key = QUuid::createUuid().toString();
    QProcess first, third;
    for (QProcess *holder : {&first, &third}) {
        holder->start(QStringLiteral(QVX_HOLDER), {key});
        QVERIFY(holder->waitForStarted() && holder->waitForReadyRead(10000) &&
                holder->readAll() == "ready\n");
        if (holder == &third)
            break;
        SingleInstance second(key);
        TestUtil::DialogScript script;
        script.box(QMessageBox::Ok);
        QVERIFY(second.refuseIfAlreadyRunning());
        QVERIFY2(script.done() && script.seen.first().contains("deja lancee"),
                 qPrintable(script.seen.join('|')));
        first.kill(); // SIGKILL: the segment is left behind
        QVERIFY(first.waitForFinished(10000));
    }
    third.kill();
    QVERIFY(third.waitForFinished(10000));
    SingleInstance after(key); // removes the orphan the kill left, then holds the segment
    QVERIFY(!after.refuseIfAlreadyRunning());
}

// No instrument at the first start: the window says so and offers what needs none; config.xml is made from
// the built-in default, writable; the window fits a small laptop screen.
void TestWindow::firstStart()
{
    QFile::remove(dir->filePath("config.xml"));
    makeWindow();
    QVERIFY(w->windowState() & Qt::WindowMaximized);
    QStringList status;
    for (QLabel *l : w->statusBar()->findChildren<QLabel *>())
        status << l->text() + (l->pixmap(Qt::ReturnByValue).toImage() == image(Qvx2::ImgFailed) ? "!" : "");
    QVERIFY2(status.contains("!") && status.contains("Deconnecte"), qPrintable(status.join('|')));
    QVERIFY(get<QAction>("actionOuvrir")->isEnabled() && !get<QAction>("actionTelecharger")->isEnabled());
    QVERIFY(QFileInfo(dir->filePath("config.xml")).isWritable() && QFileInfo(dir->path() + "/Data").isDir());
    QCOMPARE(TestUtil::readFile(dir->filePath("config.xml")), XmlConf::builtInDefault());
    QCOMPARE(w->currentMeasurement().date, QDate::currentDate());
    QVERIFY(w->minimumSizeHint().width() <= 1366 && w->minimumSizeHint().height() <= 720);
}

// Rows 1..19 take verdicts, 0 and 20 change nothing, a cleared one shows no verdict; curves grow in arrival
// order; a new record empties the measurement and the plot at once, so that only what arrived is shown;
// each record adds a line to the comment; clearing leaves the form and the comment.
void TestWindow::display()
{
    get<QLineEdit>("NameEdit")->setText("Dupont");
    get<QPlainTextEdit>("CommentText")->setPlainText("ligne 1");
    feed("Recup_courbe debut x\rRESULT 01 x CORRECT x\rRESULT 19 x DEFAUT x\rRESULT 00 x CORRECT x\r"
         "RESULT 20 x CORRECT x\rRESULT 04 x CORRECT x\rRESULT 04 Test_clear CORRECT x\r"
         "V. 1 0 0 0 1 2 3 4 5 6 7 8 9 10\rV. 2 0 10 0 1 2 3 4 5 6 7 8 9 10\r"
         "V. 2 0 5 0 11 12 13 14 15 16 17 18 19 20\rV. 7 0 0 0 1 1 1 1 1 1 1 1 1 1\rRAPPORT 0 x 1 x\r"
         "RAPPORT 1 x 2 x\rRAPPORT 2 x 3 x\rGAMME 5kV x\rRecup_courbe fin a b 1 \r");
    for (int n = 1; n <= 19; ++n)
        QVERIFY2(get<QLabel>(qPrintable("IconT" + QString::number(n)))->pixmap(Qt::ReturnByValue).toImage() ==
                     image(n == 1 ? Qvx2::ImgPassed : (n == 19 ? Qvx2::ImgFailed : Qvx2::ImgNoVerdict)),
                 qPrintable(QString::number(n)));
    QCOMPARE(w->pointsOf(2).size(), 20);
    QCOMPARE(w->pointsOf(2).at(10), QPointF(5, 11)); // overlapping x values keep arrival order
    QCOMPARE(get<QLineEdit>("le_gamme")->text() + get<QLineEdit>("leratio")->text(), QString("5kV2,00"));
    const Measurement shown = w->currentMeasurement();
    w->setTestResult(19, true); // out of range, as the window's own callers may ask: nothing changes
    w->cmd_rapport_received(4, "9");
    QVERIFY(w->currentMeasurement() == shown);
    // The next record through the window's own slots, as the parser calls them.
    w->cmd_deb_received("---\r");
    QVector<QPointF> points(10, QPointF(0, 5));
    w->cmd_values_received(2, points);
    w->cmd_raw_data_received("V. 2 x\r");
    QVERIFY(w->pointsOf(1).isEmpty() && !w->testResult(0) && w->curve(1).dataSize() == 0);
    QCOMPARE(w->curve(2).sample(0), QPointF(0, 5)); // what is shown is what a save stores
    w->cmd_result_received(2, true, QString());
    w->cmd_end_received(QString(), "6-10kV", "Recup_courbe fin a b 2 \r");
    QVERIFY(w->testResult(1) && w->isDataPresent() && w->currentMeasurement().gamme == "6-10kV");
    QCOMPARE(get<QPlainTextEdit>("CommentText")->toPlainText(), QString("---\n---\nligne 1"));
    w->clearMeasurement();
    QCOMPARE(get<QLineEdit>("NameEdit")->text() + get<QPlainTextEdit>("CommentText")->toPlainText().right(7),
             QString("Dupontligne 1"));
    QVERIFY(get<QLineEdit>("leratio")->text().isEmpty() && w->currentMeasurement().capture.isEmpty());
}

// The window saves what it shows, byte for byte as the known document, under a name made from the form with
// no path in it; opened in a fresh window it shows the document, unsaved only once edited, list entries
// matched by their exact text; a file that is no document changes nothing; the stored date does not follow
// the interface's language.
void TestWindow::documents()
{
    fillForm();
    QVERIFY(w->saveResult(data("known.qv2")));
    QCOMPARE(TestUtil::readFile(data("known.qv2")),
             TestUtil::readFile(QStringLiteral(QVX_SOURCE_DIR "/tests/data/documents/known_state.qv2")));
    get<QLineEdit>("NamePosteEdit")->setText("../etc");
    get<QLineEdit>("CodeGDOEdit")->setText("a\\b:c");
    QCOMPARE(w->proposedFileName(), dir->path() + "/Data//.._etc_T1234_a_b_c.qv2");

    makeWindow();
    QVERIFY(w->openDocument(data("known.qv2")));
    Measurement stored; // a test that had no verdict is stored, and shown again, as failed
    QVERIFY(XmlMesure::load(data("known.qv2"), &stored));
    QCOMPARE(w->currentMeasurement(), stored);
    QCOMPARE(get<QComboBox>("VendorCombo")->currentText() + w->windowTitle(),
             QString("Schneider(SCH)QUARVEN2 D504 - known.qv2"));
    QVERIFY(get<QAction>("actionImprimer")->isEnabled() && !w->hasUnsavedData());
    get<QLineEdit>("NameEdit")->setText("x");
    QVERIFY(w->hasUnsavedData());
    get<QLineEdit>("NameEdit")->setText(stored.releveur);
    QVERIFY(!w->hasUnsavedData());
    QVERIFY(TestUtil::writeFile(data("guide.qv2"), "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n")); // no document: refused
    TestUtil::DialogScript refused;
    refused.box(QMessageBox::Ok);
    QVERIFY(!w->openDocument(data("guide.qv2")));
    QVERIFY2(refused.seen.value(0).contains(QDir::toNativeSeparators(data("guide.qv2"))) &&
                 refused.seen.value(0).contains("ce n'est pas du XML valide (ligne 1, colonne"),
             qPrintable(refused.seen.join('|')));
    QVERIFY(w->currentMeasurement() == stored && w->windowTitle().endsWith("known.qv2"));
    choose("ru");
    QVERIFY(w->saveResult(data("ru.qv2")));
    QVERIFY(TestUtil::readFile(data("ru.qv2")).contains("<date>15/03/2021</date>"));
    QByteArray bytes = TestUtil::readFile(data("known.qv2"));
    bytes.replace("Schneider(SCH)", "schneider(sch)").replace("15/03/2021", "31/02/2021");
    QVERIFY(TestUtil::writeFile(data("lists.qv2"), bytes));
    TestUtil::DialogScript
        script; // the lists show Russian words: the record is as it was opened all the same
    QVERIFY(w->openDocument(data("lists.qv2")) && script.seen.isEmpty());
    // A value the lists do not hold shows as it is, and is what a save stores.
    QCOMPARE(get<QComboBox>("VendorCombo")->currentText(), QString("schneider(sch)"));
    QCOMPARE(get<QDateEdit>("DateEdit")->date(), QDate(2021, 3, 15)); // a date that does not read: unchanged
    QVERIFY(!w->hasUnsavedData());
}

// A save without the needed fields names them; a cancelled dialog or a target that cannot be written saves
// nothing, learns nothing, and does not mark the data saved.
void TestWindow::saveRefusals()
{
    const QByteArray config = TestUtil::readFile(dir->filePath("config.xml"));
    feed("Recup_courbe debut 1 \rGAMME 3-6kV x\rRecup_courbe fin a b 7 \r");
    get<QLineEdit>("NumTranfoEdit")->setText("T");
    TestUtil::DialogScript script;
    script.box(QMessageBox::Ok).file(QString()).file(dir->path() + "/absent/doc.qv2").box(QMessageBox::Ok);
    QVERIFY(w->save().isEmpty());
    get<QLineEdit>("NameEdit")->setText(" "); // a blank counts as filled
    get<QLineEdit>("NamePosteEdit")->setText("P");
    QVERIFY(w->save().isEmpty() && w->save().isEmpty());
    QVERIFY2(script.done(), qPrintable(script.seen.join('|')));
    QCOMPARE(script.seen.first(), QString("Erreur: Veuillez remplir les champs avant d'enregistrer.\n\n"
                                          "Champs vides : Nom du releveur, Nom du poste"));
    QVERIFY(script.seen.last().startsWith("Erreur: ") && script.seen.last().contains("doc.qv2"));
    QVERIFY(!w->isDataSaved());
    QCOMPARE(TestUtil::readFile(dir->filePath("config.xml")), config);
}

// One page, the report's own; the window stays as it was (maximised, its look and layout); a cancelled dialog
// changes nothing.
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
        if (auto *file = d->findChild<QLineEdit *>("filename"))
            file->setText(pdf);
        static_cast<QPrintDialog *>(d)->printer()->setOutputFileName(pdf);
        QMetaObject::invokeMethod(d, "accept");
    });
    QVERIFY(trigger("actionImprimer"));
    QVERIFY(w->isMaximized() && page->size() == size);
    QVERIFY(trigger("actionImprimer"));
    const QByteArray bytes = TestUtil::readFile(pdf);
    QVERIFY2(bytes.startsWith("%PDF"), "no PDF written");
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    QVERIFY(w->isMaximized() && w->palette() == palette && page->size() == size);
}

void TestWindow::unreadableConfigKept_data()
{
    QTest::addColumn<QString>("when");
    for (const char *when : {"at start-up", "before a save", "before a language change"})
        QTest::newRow(when) << QString(when);
}

// A config.xml that does not parse, at start-up or turned so while the program runs, is kept byte for byte
// beside, the default takes its place and the user is told once; the lists stay usable.
void TestWindow::unreadableConfigKept()
{
    QFETCH(QString, when);
    const QByteArray broken = "<?xml version='1.0'?><QuardaneConf><fabricants><fabricant nom='Mine'/>";
    QVERIFY(TestUtil::writeFile(dir->filePath("config.xml"), broken));
    TestUtil::DialogScript script;
    script.box(QMessageBox::Ok);
    if (when.contains("start"))
        makeWindow();
    else if (when.contains("save"))
        QVERIFY(w->saveResult(data("kept.qv2")));
    else
        choose("en");
    QVERIFY2(script.done() && script.seen.first().contains("config.xml"), qPrintable(script.seen.join('|')));
    const QStringList kept = QDir(dir->path()).entryList({"config.xml.*"}, QDir::Files);
    QCOMPARE(TestUtil::readFile(dir->filePath(kept.value(0))), broken);
    const XmlConf restored(dir->filePath("config.xml"), Read); // the default, not an empty skeleton
    QVERIFY(restored.getPiles().size() == 2 &&
            restored.getLangageencours() == (when.contains("language") ? "en" : "fr"));
    QVERIFY(get<QComboBox>("VendorCombo")->count() > 10);
    TestUtil::DialogScript none; // told once: the next start finds a good file and says nothing
    makeWindow();
    QTest::qWait(300);
    QCOMPARE(none.seen, QStringList());
    const QString path = dir->filePath("config.xml"); // kept twice in a second: two copies
    QVERIFY(TestUtil::writeFile(path, broken) &&
            XmlConf::keepUnreadable(path) != XmlConf::keepUnreadable(path));
}

// The catalogues come from the program's folder, the choice is stored, and what the user had on screen
// stays: list positions, the date (in a field made anew for the new locale), the document's name.
void TestWindow::switchLanguage_data()
{
    QTest::addColumn<QString>("omit");   // a catalogue missing from the program's folder
    QTest::addColumn<QString>("stored"); // current language in config.xml at start
    QTest::addColumn<QString>("chosen"); // then chosen, if any
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("shown"); // File menu, Qt's "Open", a curve, a new date field's format
    const auto row = [](const char *name, const char *omit, const char *stored, const char *chosen,
                        const char *current, const char *shown) {
        QTest::newRow(name) << QString(omit) << QString(stored) << QString(chosen) << QString(current)
                            << QString::fromUtf8(shown);
    };
    row("fr to en", "", "fr", "en", "en", "File Open HV.A M/d/yyyy");
    row("en to ng", "", "en", "ng", "ng", "Fil Opna HS.A dd.MM.yyyy");
    row("ru stored", "", "ru", "", "ru", "Файл Открыть ВН.А dd.MM.yyyy");
    row("system's sv", "", "fr", "system", "sv", "Arkiv Öppna HS.A yyyy-MM-dd");
    // A missing catalogue leaves its texts in their source language (French, or Qt's English).
    row("program's catalogue missing", "quarvex2_ru.qm", "en", "ru", "ru", "Fichier Открыть HT.A dd.MM.yyyy");
    row("Qt's catalogue missing", "qt_ru.qm", "en", "ru", "ru", "Файл Open ВН.А dd.MM.yyyy");
    row("a code no entry carries", "", "nb", "", "", "Fichier Open HT.A dd/MM/yyyy");
}

void TestWindow::switchLanguage()
{
    QFETCH(QString, omit);
    QFETCH(QString, stored);
    QFETCH(QString, chosen);
    QFETCH(QString, current);
    QFETCH(QString, shown);
    makeWindow(stored, true, omit);
    auto *list = get<QComboBox>("TensionHT1Combo");
    list->setCurrentIndex(list->count() - 1); // "Autre"
    get<QDateEdit>("DateEdit")->setDate(QDate(2019, 3, 14));
    w->setWindowTitleFile(QStringLiteral("essai.qv2"));
    checkMnemonics();
    choose(chosen);
    checkMnemonics();
    QCOMPARE(w->language(), current);
    for (QAction *a : get<QMenu>("menuLangue")->actions()) // the current language's entry alone is greyed
        QVERIFY2(a->isEnabled() == (a->data().toString() != current), qPrintable(a->data().toString()));
    QCOMPARE(XmlConf(dir->filePath("config.xml"), Read).getLangageencours(),
             current.isEmpty() ? stored : current);
    const QList<QDateEdit *> dates = w->findChildren<QDateEdit *>(QStringLiteral("DateEdit"));
    QCOMPARE(QStringList({get<QMenu>("menuFichier")->title().remove('&'),
                          QCoreApplication::translate("QFileDialog", "Open"), w->curve(0).title().text(),
                          dates.value(0)->displayFormat()})
                 .join(' '),
             shown);
    QVERIFY(dates.size() == 1 && dates.first()->date() == QDate(2019, 3, 14));
    // The record keeps the value the lists store, whatever language shows it.
    QVERIFY(list->currentIndex() == list->count() - 1 && list->currentData() == "Autre" &&
            w->currentMeasurement().tensionHt == "Autre" && !w->hasUnsavedData());
    QCOMPARE(w->windowTitle(), QStringLiteral("QUARVEN2 D504 - essai.qv2"));
}

// After a switch to English no text of the window, of the debug window that lives as long as it, or of a
// dialog as its command opens it, is still its French source.
void TestWindow::nothingLeftInFrench()
{
    w->setLinkTiming(LinkTiming().faster(10)); // the record dialog opens after a query no instrument answers
    const auto everything = [this](QMap<QString, QString> *texts) {
        collect(w.get(), "window", texts);
        collect(w->debugWindow(), "debug", texts);
        TestUtil::DialogScript script;
        for (const char *name : {"battery", "records", "about", "range"})
            script.dialog([texts, name](QWidget *dialog) {
                collect(dialog, name, texts);
                static_cast<QDialog *>(dialog)->reject();
            });
        w->on_actionChoix_du_type_de_batterie_triggered();
        w->lancedownload();
        w->on_action_propos_de_ORVA_SA_triggered();
        recup_gamme(w.get()).exec(); // made for a command that needs the instrument
    };
    QMap<QString, QString> french, english;
    everything(&french);
    choose(QStringLiteral("en"));
    everything(&english);
    QStringList left;
    for (auto it = english.cbegin(); it != english.cend(); ++it)
        if (french.value(it.key()) == it.value() && !sameInEnglish(it.key(), it.value()))
            left << it.key() + ": " + it.value();
    QVERIFY2(left.isEmpty(), qPrintable(left.join('\n')));
    QVERIFY(french.size() > 150 && english.size() >= french.size() - 1);
}

// Help > Documentation opens the newest guide of the language (English where it has none), its mark found
// whatever the case; a missing guide, or no viewer for it, is told.
void TestWindow::guide_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("files"); // a trailing "/" makes a folder; none: no Doc folder
    QTest::addColumn<QString>("opened");    // empty: "not found"; "!": found, but no viewer
    const QString fr1 = "GU_QUARVEN2_V_1_fr.pdf", fr2 = "GU_QUARVEN2_V_2_FR.pdf",
                  en1 = "GU_QUARVEN2_V_1_en.pdf";
    QTest::newRow("fr: newest, mark in capitals") << "fr" << QStringList{fr1, fr2, en1} << fr2;
    for (const char *code : {"en", "ng", "sv", "ru"}) { // each its own, among the five
        QStringList five;
        for (const char *guide : {"fr", "en", "ng", "sv", "ru"})
            five << QStringLiteral("GU_QUARVEN2_V_1_%1.pdf").arg(guide);
        QTest::newRow(qPrintable(QStringLiteral("%1: its own").arg(code)))
            << code << five << QStringLiteral("GU_QUARVEN2_V_1_%1.pdf").arg(code);
    }
    QTest::newRow("ru: English") << "ru" << QStringList{fr1, en1} << en1;
    QTest::newRow("sv: French guides only") << "sv" << QStringList{fr1, fr2} << "";
    QTest::newRow("no Doc folder") << "fr" << QStringList() << "";
    QTest::newRow("other names, a folder")
        << "fr" << QStringList{"notes_fr.pdf", "GU_QUARVEN2_V_fr_1.pdf", fr1 + "/"} << "";
    QTest::newRow("no PDF viewer") << "fr" << QStringList{fr1} << "!" + fr1;
}

void TestWindow::guide()
{
    QFETCH(QString, language);
    QFETCH(QStringList, files);
    QFETCH(QString, opened);
    makeWindow(language, true);
    const QString doc = dir->path() + "/Doc/";
    for (const QString &name : qAsConst(files))
        QVERIFY(QDir().mkpath(doc + name.section('/', 0, -2)) &&
                (name.endsWith('/') || TestUtil::writeFile(doc + name, "%PDF")));
    QTextBrowser viewer; // stands for the system's viewer
    if (!opened.startsWith('!'))
        QDesktopServices::setUrlHandler("file", &viewer, "setSource");
    TestUtil::DialogScript script(true);
    get<QAction>("actionDocumentation")->trigger();
    QDesktopServices::unsetUrlHandler("file");
    const QString told = script.boxes().join('|'),
                  missing = QCoreApplication::translate("LanguageSwitch", "Erreur") + ": " +
                            QCoreApplication::translate("LanguageSwitch", "Aide introuvable.");
    QVERIFY2(opened.isEmpty() ? told == missing
             : opened.startsWith('!')
                 ? told.contains("PDF") && told.contains(QDir::toNativeSeparators(doc + opened.mid(1)))
                 : told.isEmpty() && viewer.source() == QUrl::fromLocalFile(doc + opened),
             qPrintable(told));
}

// The parameter editors preset the instrument's value (a cut-off: the choice nearest above it) and give back
// what was chosen; every button of the record dialog gives its choice.
void TestWindow::editors()
{
    const std::pair<int, int> cutoffs[] = {{0, 120},   {120, 120}, {121, 180},
                                           {200, 240}, {241, 480}, {481, 240}};
    for (const auto &c : cutoffs) {
        recup_cutoff dialog;
        dialog.set_temps(c.first);
        dialog.findChild<QPushButton *>("M_pb_cutoff")->click();
        QCOMPARE(dialog.get_temps(), c.second);
    }
    for (int g = 0; g <= 4; ++g) { // 4: beyond the last one, the last one
        recup_gamme dialog;
        dialog.set_gamme(g);
        dialog.findChild<QPushButton *>("M_pb_gamme")->click();
        QCOMPARE(dialog.get_gamme(), qMin(g, 3));
    }
    for (int button = 1; button <= 11; ++button) {
        recup_enreg dialog;
        dialog.findChild<QPushButton *>(QStringLiteral("pushButton_%1").arg(button))->click();
        QCOMPARE(dialog.get_choix(), button);
    }
}

// An installed copy's very first start, for a user whose home has no ~/.local/share yet, makes its data
// folder before it looks for its configuration: the lists and the language are there at once. The window and
// the debug window come back where they were left; the last five documents opened or saved come back newest
// first and open from the menu, and one whose file is gone leaves the list with a word.
void TestWindow::session()
{
    QTemporaryDir root;
    const QString bin = root.filePath("usr/bin"), home = root.filePath("home");
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(root.filePath("usr/share/quarvex2")) && QDir().mkpath(home));
    const QByteArray ownHome = qgetenv("HOME");
    qputenv("HOME", home.toLocal8Bit());
    const AppPaths paths = AppPaths::locate(bin, false);
    QVERIFY(paths.data.startsWith(home) && !QFileInfo::exists(paths.data));
    w = std::make_unique<MainWindow>(paths, [] { return QList<PortCandidate>(); });
    qputenv("HOME", ownHome);
    for (const char *made : {"config.xml", "Data", "Maj"})
        QVERIFY2(QFileInfo::exists(paths.data + made), made);
    QVERIFY(get<QComboBox>("VendorCombo")->count() > 10 && w->language() == "fr");
    w->showNormal();
    w->setGeometry(40, 50, 1320, 760);
    w->debugWindow()->setGeometry(60, 70, 500, 400);
    makeWindow();
    QVERIFY(w->geometry() == QRect(40, 50, 1320, 760) && !(w->windowState() & Qt::WindowMaximized));
    QCOMPARE(w->debugWindow()->geometry(), QRect(60, 70, 500, 400));
    fillForm();
    TestUtil::DialogScript discard; // the record received, not saved: let go for the first document
    discard.box(QMessageBox::No);
    for (int i = 1; i <= 7; ++i)
        QVERIFY(w->saveResult(data(QString::number(i) + ".qv2")) &&
                w->openDocument(data(QString::number(i) + ".qv2")));
    QString shown;
    for (QAction *a : get<QMenu>("menuDocumentsRecents")->actions())
        shown += a->text() + ' ';
    QCOMPARE(shown, QString("&1 7.qv2 &2 6.qv2 &3 5.qv2 &4 4.qv2 &5 3.qv2 "));
    get<QMenu>("menuDocumentsRecents")->actions().at(3)->trigger();
    QCOMPARE(w->windowTitle(), QString("QUARVEN2 D504 - 4.qv2"));
    QFile::remove(data("6.qv2"));
    TestUtil::DialogScript script;
    script.box(QMessageBox::Ok);
    get<QMenu>("menuDocumentsRecents")->actions().at(2)->trigger(); // 6.qv2, second after 4.qv2's opening
    QVERIFY2(script.boxes().join("").contains("6.qv2 n'existe plus"), qPrintable(script.boxes().join("")));
    QCOMPARE(w->recentDocuments(), QStringList({data("4.qv2"), data("7.qv2"), data("5.qv2"), data("3.qv2")}));
}

// The deviations beside the ratios, by colour and by a word; each export through its file dialog: a one-page
// PDF holding the identification, a verdict and the rated ratio as text; the CSV the core renders, replaced
// only after the question; a PNG wide enough for paper and an SVG; a failed write told.
void TestWindow::exports()
{
    fillForm();
    QCOMPARE(get<QLabel>("EcartHTA")->text() + ' ' + get<QLabel>("EcartHTA")->accessibleName() + ' ' +
                 get<QLabel>("EcartMoyen")->text(),
             QString::fromUtf8("-0,16\u00a0% dans la tolerance +0,04\u00a0%"));
    const QString pdf = data("r.pdf"), csv = data("r.csv"), png = data("r.png"), svg = data("r.svg");
    TestUtil::DialogScript script;
    script.file(pdf)
        .file(csv)
        .file(csv)
        .box(QMessageBox::No)
        .file("")
        .file(png)
        .file(svg)
        .file("/proc/r.csv")
        .box(0);
    for (const char *action : {"actionExporterPdf", "actionExporterCsv", "actionExporterCsv",
                               "actionExporterImage", "actionExporterImage", "actionExporterCsv"})
        QVERIFY(trigger(action));
    QVERIFY2(script.done() &&
                 script.boxes().last().contains("Impossible d'enregistrer le fichier /proc/r.csv"),
             qPrintable(script.boxes().join('|')));
    QProcess text, info;
    text.start("pdftotext", {pdf, "-"});
    info.start("pdfinfo", {pdf});
    QVERIFY(text.waitForFinished() && info.waitForFinished());
    const QString report = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(report.contains(QString::fromUtf8("Léa Dupré")) && report.contains("CORRECT") &&
                 report.contains("48,78") && report.contains("BT.C (sec.) Coherence courbe"),
             qPrintable(report));
    QVERIFY(info.readAllStandardOutput().contains("Pages:           1"));
    QCOMPARE(TestUtil::readFile(csv), CsvExport::render(w->currentMeasurement(), w->evaluation()));
    QVERIFY(QImage(png).width() >= 1600);
    QXmlStreamReader xml(TestUtil::readFile(svg));
    QVERIFY(xml.readNextStartElement() && xml.name() == QLatin1String("svg"));
}

// The plot's tools: a rubber band zooms, Home and a double click show the whole record again, a legend entry
// hides and shows its curve, the cursor reads out point and value; the print and the exports leave the
// user's view as it was.
void TestWindow::plotTools()
{
    fillForm();
    auto *plot = get<CurvePlot>("reponsePlot");
    w->showNormal();
    plot->resize(600, 400);
    QWidget *canvas = plot->canvas();
    canvas->findChild<QwtPlotZoomer *>()->zoom(QRectF(2, 0, 6, 600)); // what a rubber band asks
    QVERIFY(plot->isZoomed() && !plot->view().shown.isEmpty());
    QTest::keyClick(canvas, Qt::Key_Home);
    QVERIFY(!plot->isZoomed());
    QWheelEvent wheel(QPointF(100, 100), QPointF(canvas->mapToGlobal(QPoint(100, 100))), {}, {0, 120},
                      Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    QTRY_VERIFY(plot->isZoomed()); // the wheel magnifies
    QTest::keyClick(canvas, Qt::Key_Home);
    auto *legend = plot->findChildren<QwtLegendLabel *>().value(3); // bt.a
    QTest::mouseClick(legend, Qt::LeftButton);
    QVERIFY(!plot->curve(3).isVisible() && plot->curve(0).isVisible());
    const CurvePlot::View zoomed{QRectF(QPointF(2, 0), QPointF(8, 600)),
                                 {true, true, false, false, true, true}};
    plot->setView(zoomed);
    TestUtil::DialogScript script;
    script.file(data("r.png"));
    QVERIFY(trigger("actionExporterImage"));
    QVERIFY(plot->view().shown == zoomed.shown && plot->view().visible == zoomed.visible);
    QTest::mouseDClick(canvas, Qt::LeftButton); // the whole record again; a hidden curve stays hidden
    QVERIFY(!plot->isZoomed() && !plot->curve(3).isVisible());
    // The readout snaps to the nearest point of a curve shown, names the curve, and reads its value.
    const QPointF point = plot->curve(5).sample(1); // bt.c's second point, its neighbours well apart
    plot->setView(
        {QRectF(point - QPointF(4, 4), point + QPointF(4, 4)), {true, true, true, true, true, true}});
    const QPoint at(qRound(plot->transform(QwtPlot::xBottom, point.x())) + 2,
                    qRound(plot->transform(QwtPlot::yLeft, point.y())) - 2);
    QMouseEvent move(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
    QCOMPARE(plot->readoutText(), CurvePlot::readout("bt.c", point));
    QVERIFY(plot->readoutText().startsWith(QString("bt.c \u2014 point %1 : ").arg(point.x())));
    script.file(data("r.svg")); // the pointer's readout is the screen's, not the picture's
    QVERIFY(trigger("actionExporterImage") && !TestUtil::readFile(data("r.svg")).contains("\u2014 point") &&
            plot->readoutText() == CurvePlot::readout("bt.c", point));
}

// The archive lists every document under Data/ from its index, an unreadable file as such; the filter
// matches any column, the columns sort as numbers where they hold numbers; a double click opens a document;
// the trend plots one transformer's ratios by date with its rated ratio, the comparison both records' curves
// with the verdicts that differ.
void TestWindow::archive()
{
    fillForm(); // 20 kV / 410 V, ratios 48.70 48.80 48.90
    const std::pair<const char *, const char *> documents[] = {
        {"2024/a.qv2", "2024-05-14 P1 48.90"},
        {"b.qv2", "2023-05-14 P1 9.60"},
        {"c.qv2", "2022-01-02 P2 "}}; // no ratio, unrated
    for (const auto &d : documents) {
        const QStringList f = QString(d.second).split(' ');
        Measurement m = w->currentMeasurement();
        m.date = QDate::fromString(f[0], Qt::ISODate);
        m.poste = f[1];
        m.ratios = {f[2].toDouble(), m.ratios[1], m.ratios[2], f[2].toDouble()};
        if (f[2].isEmpty()) {
            m.ratios = {};
            m.tensionBt = "Autre";
        }
        m.verdicts[3] = f[0] != "2023-05-14" ? Measurement::Verdict::Passed : Measurement::Verdict::Failed;
        QVERIFY(QDir().mkpath(data("2024")) && XmlMesure::save(m, data(d.first)));
    }
    Measurement again; // record a.qv2's, its form filled in later: one row, the newest document's
    QVERIFY(XmlMesure::load(data("2024/a.qv2"), &again));
    again.releveur = "later";
    again.dateIsDownload = true;
    QVERIFY(XmlMesure::save(again, data("d.qv2")));
    QFile later(data("d.qv2"));
    QVERIFY(later.open(QIODevice::ReadWrite) &&
            later.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    later.close();
    QVERIFY(TestUtil::writeFile(data("x.qv2"), "%PDF"));
    ArchiveWindow archive(dir->path() + "/Data", dir->filePath("index/archive.sqlite"), w.get());
    connect(&archive, &ArchiveWindow::openRequested, w.get(), &MainWindow::openDocument);
    QTRY_VERIFY(archive.isLoaded());
    QSortFilterProxyModel *rows = archive.proxy();
    auto column = [rows](int c) {
        QStringList cells;
        for (int r = 0; r < rows->rowCount(); ++r)
            cells << rows->index(r, c).data().toString();
        return cells.join('|');
    };
    QCOMPARE(column(ArchiveWindow::Substation), QString("P1|P1|P2|document illisible")); // newest first
    QVERIFY(
        rows->index(0, 0).data(ArchiveWindow::PathRole).toString().endsWith("/d.qv2") &&
        column(ArchiveWindow::Date)
            .startsWith(QLocale().toString(QDate(2024, 5, 14), QLocale::ShortFormat) + " (telechargement)"));
    archive.findChild<QLineEdit *>("archiveFilter")->setText("p1");
    QCOMPARE(column(ArchiveWindow::Date).count('|'), 1);
    archive.findChild<QLineEdit *>("archiveFilter")->clear();
    archive.view()->sortByColumn(ArchiveWindow::MeanRatio, Qt::AscendingOrder);
    QCOMPARE(column(ArchiveWindow::MeanRatio), QString("||9,60|48,90")); // as numbers, blanks first
    archive.findChild<QLineEdit *>("archiveFilter")->setText("P1");
    archive.view()->selectAll();
    auto *trend = qobject_cast<TrendWindow *>(archive.showTrend()); // 2023 and 2024 of P1, in date order
    QVERIFY(trend && trend->series(0).size() == 2 && trend->series(0).last().y() == 48.90);
    QVERIFY(trend->series(0).first().x() < trend->series(0).last().x() &&
            qAbs(trend->rated() - 48.7805) < 1e-4);
    auto *comparison = qobject_cast<CompareWindow *>(archive.showComparison());
    QVERIFY(comparison && comparison->plot()->itemList(QwtPlotItem::Rtti_PlotCurve).size() == 12);
    const auto curves = comparison->plot()->itemList(QwtPlotItem::Rtti_PlotCurve);
    QVERIFY(static_cast<QwtPlotCurve *>(curves.last())->pen().style() == Qt::DashLine &&
            comparison->differences()->rowCount() == 1 &&
            comparison->differences()->item(0, 0)->text() ==
                "4  Terre (chassis) / HT.A (prim.) Circuit ouvert");
    Measurement unnamed; // no transformer number: named by its substation, or its date alone
    unnamed.date = QDate(2024, 5, 14);
    const QString day = Format::date(unnamed.date);
    QCOMPARE(CompareWindow::nameOf(unnamed), day);
    unnamed.poste = "P9";
    QCOMPARE(CompareWindow::nameOf(unnamed), day + ", P9");
    archive.findChild<QLineEdit *>("archiveFilter")->clear();
    archive.view()->selectAll();
    TestUtil::DialogScript script;
    script.box(0).box(0).box(0);
    QVERIFY(!archive.showTrend() && !archive.showComparison() && script.boxes().join("").contains("un seul"));
    archive.findChild<QLineEdit *>("archiveFilter")->setText("P1");
    archive.view()->selectAll();
    QVERIFY(QFile::remove(data("b.qv2")) && !archive.showComparison()); // gone since it was indexed
    QCOMPARE(script.boxes().size(), 3);
    archive.findChild<QLineEdit *>("archiveFilter")->setText("P2");
    archive.view()->selectAll();
    trend = qobject_cast<TrendWindow *>(archive.showTrend()); // no ratio, no rated ratio: an empty plot
    QVERIFY(trend && trend->series(3).isEmpty() && trend->rated() == 0);
    TestUtil::DialogScript letGo; // the record received in the window is let go
    letGo.box(QMessageBox::No);
    emit archive.view()->doubleClicked(rows->index(0, 0));         // opened in the window
    QVERIFY(trigger("actionArchive") && trigger("actionArchive")); // the menu's: one window
    QCOMPARE(w->findChildren<ArchiveWindow *>().size(), 2);
    QCOMPARE(w->windowTitle(), QString("QUARVEN2 D504 - c.qv2"));
}

// The archive's rows sorted by each column, both ways: dates as dates, numbers as numbers with blanks
// first, texts as texts; the filter ignores case; the tooltips say where a row comes from.
void TestWindow::archiveOrder_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("ascending"); // the rows A B C (readable) and D (unreadable)
    QTest::newRow("date") << int(ArchiveModel::Date) << "DBAC";
    QTest::newRow("substation") << int(ArchiveModel::Substation) << "ABCD";
    QTest::newRow("passed") << int(ArchiveModel::Passed) << "DBCA";
    QTest::newRow("mean ratio") << int(ArchiveModel::MeanRatio) << "DBAC";
    QTest::newRow("deviation") << int(ArchiveModel::Deviation) << "DBAC";
    QTest::newRow("sender") << int(ArchiveModel::Sender) << "DBCA";
}

void TestWindow::archiveOrder()
{
    QFETCH(int, column);
    QFETCH(QString, ascending);
    const auto entry = [](const char *poste, QDate date, int passed, double mean, double deviation,
                          const char *uploader, int versions) {
        ArchiveEntry e;
        e.readable = true;
        e.path = QString("/d/") + poste;
        e.poste = poste;
        e.date = date;
        e.passed = passed;
        e.ratios = {mean, mean, mean, mean};
        e.deviation = deviation;
        e.uploader = uploader;
        e.versions = versions;
        return e;
    };
    const double none = std::nan("");
    ArchiveEntry c = entry("Ouest", QDate(2025, 3, 3), 18, 50.1, 1.5, "u2", 1);
    c.dateIsDownload = true;
    ArchiveEntry d = entry("", QDate(), 0, none, none, "u0", 1);
    d.readable = false;
    ArchiveModel model;
    model.setEntries({entry("Est", QDate(2024, 1, 2), 19, 48.6, 0.5, "u3", 1),
                      entry("Nord", QDate(2023, 5, 1), 17, 9.6, -2.0, "u1", 2), c, d});
    const auto letters = [&model] {
        QString s;
        for (int r = 0; r < model.rowCount(); ++r)
            s += model.entry(r).readable
                     ? QChar('A' + QString("Est Nord Ouest").split(' ').indexOf(model.entry(r).poste))
                     : QChar('D');
        return s;
    };
    model.sort(column, Qt::AscendingOrder);
    QCOMPARE(letters(), ascending);
    model.sort(column, Qt::DescendingOrder);
    std::reverse(ascending.begin(), ascending.end());
    QCOMPARE(letters(), ascending);

    ArchiveFilter filter;
    filter.setSourceModel(&model);
    filter.setText("OUEST");
    QCOMPARE(filter.rowCount(), 1);
    const int rowC = filter.mapToSource(filter.index(0, 0)).row();
    QVERIFY(
        model.index(rowC, ArchiveModel::Date).data(Qt::ToolTipRole).toString().contains("telechargement"));
    QVERIFY(model.index(rowC, ArchiveModel::Date).data().toString().contains("(telechargement)"));
    QVERIFY(model.index(rowC, ArchiveModel::Substation)
                .data(Qt::ToolTipRole)
                .toString()
                .startsWith("Envoye par u2"));
    filter.setText("u1 (2 versions)");
    const int rowB = filter.mapToSource(filter.index(0, 0)).row();
    QVERIFY(model.index(rowB, ArchiveModel::Sender).data(Qt::ToolTipRole).toString().contains("relecteur"));
    filter.setText("document illisible");
    QCOMPARE(filter.rowCount(), 1);
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid() || model.headerData(0, Qt::Vertical).toInt() == 1);
    QCOMPARE(model.headerData(ArchiveModel::Sender, Qt::Horizontal).toString(), QString("Envoye par"));
    const QModelIndex cell = model.index(0, 0);
    QVERIFY(model.rowCount(cell) == 0 && model.columnCount(cell) == 0 &&
            !model.data(QModelIndex()).isValid() && !model.data(cell, Qt::DecorationRole).isValid() &&
            !model.headerData(ArchiveModel::ColumnCount, Qt::Horizontal).isValid());
}

// A document whose ratios were written with a decimal comma, as a program set to a French locale writes them,
// gives the same figure in the window, the evaluation, the CSV, the report and the archive; and a
// configuration that cannot be written is told.
void TestWindow::decimalComma()
{
    fillForm();
    QVERIFY(w->saveResult(data("dot.qv2")));
    QByteArray bytes = TestUtil::readFile(data("dot.qv2"));
    for (const char *ratio : {"48.70", "48.80", "48.90"})
        bytes.replace(QByteArray("val=\"") + ratio,
                      QByteArray("val=\"") + QByteArray(ratio).replace('.', ','));
    QVERIFY(bytes.contains("val=\"48,80\"") && TestUtil::writeFile(data("comma.qv2"), bytes));
    TestUtil::DialogScript letGo;
    letGo.box(QMessageBox::No);
    QVERIFY(w->openDocument(data("comma.qv2")));
    QCOMPARE(get<QLineEdit>("leratio")->text() + ' ' + get<QLabel>("EcartMoyen")->text(),
             QString::fromUtf8("48,80 +0,04\u00a0%"));
    QVERIFY(CsvExport::render(w->currentMeasurement(), w->evaluation()).contains(",48.80,"));
    QCOMPARE(ArchiveIndex::read(data("comma.qv2")).ratios[3], 48.80);
    TestUtil::DialogScript save;
    save.file(data("comma.pdf"));
    QVERIFY(trigger("actionExporterPdf"));
    QProcess text;
    text.start("pdftotext", {data("comma.pdf"), "-"});
    QVERIFY(text.waitForFinished() && text.readAllStandardOutput().contains("48,80"));
    Configuration nowhere("/proc/quarvex2-test/config.xml", w.get());
    TestUtil::DialogScript told;
    told.box(0);
    nowhere.setLanguage("en");
    QVERIFY2(told.boxes().join("").contains("n'a pas pu etre ecrit"), qPrintable(told.seen.join('|')));
}

int main(int argc, char *argv[])
{
    // QLocale::system() reads the environment once, when first asked: the locale-change row needs a
    // Swedish system locale, and the event that announces a change carries none.
    qputenv("LC_ALL", "sv_SE.UTF-8");
    qputenv("LANG", "sv_SE.UTF-8");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    QStandardPaths::setTestModeEnabled(true); // the settings of the user running the tests stay untouched
    TestWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window.moc"
