// Run-time language switching: the catalogues loaded from the program's folder, the stored choice, the menu,
// and the parts of the window that are rebuilt after a change.

#include "dialogtelech.h"
#include "mainwindow.h"
#include "recup_cutoff.h"
#include "recup_gamme.h"
#include "recup_info.h"
#include "testutil.h"
#include "xmlconf.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSerialPort>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace
{

// What each language shows; "ng" is the program's own code for Norwegian Bokmål.
struct Language {
    const char *code;
    const char *file;       // title of the File menu
    const char *nameLabel;  // NameLabel of the identification form
    const char *qtOpen;     // Qt's own "Open" of the file dialog
    const char *curves;     // the six curve titles
    const char *other;      // list entry "Autre"
    const char *dateFormat; // a new date field's format in that language's locale
};

const Language languages[] = {
    {"fr", "Fichier", "Nom du releveur :", "Ouvrir", "HT.A HT.B HT.C bt.a bt.b bt.c", "Autre", "dd/MM/yyyy"},
    {"en", "File", "Tested by:", "Open", "HV.A HV.B HV.C lv.a lv.b lv.c", "Other", "M/d/yy"},
    {"ng", "Fil", "Kontrollert av:", "Opna", "HS.A HS.B HS.C ls.a ls.b ls.c", "Annet", "dd.MM.yyyy"},
    {"sv", "Arkiv", "Kontrollerad av:", "Öppna", "HS.A HS.B HS.C ls.a ls.b ls.c", "Annat", "yyyy-MM-dd"},
    {"ru", "Файл", "Проверку выполнил:", "Открыть", "ВН.А ВН.В ВН.С нн.а нн.в нн.с", "Другое", "dd.MM.yyyy"},
};

const Language &language(const QString &code)
{
    for (const Language &l : languages)
        if (code == QLatin1String(l.code))
            return l;
    qFatal("no language %s", qPrintable(code));
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<MainWindow> w;
    std::unique_ptr<TestUtil::DebugCapture> quiet; // the window's diagnostics, shown with QVX_TEST_VERBOSE

    template <typename T> T *get(const char *name) const { return w->findChild<T *>(QLatin1String(name)); }
    QString config() const { return dir->filePath(QStringLiteral("config.xml")); }
    QString storedLanguage() const { return XmlConf(config(), Read).getLangageencours(); }
    QAction *action(const QString &code) const
    {
        for (QAction *a : get<QMenu>("menuLangue")->actions())
            if (a->data().toString() == code)
                return a;
        qFatal("no menu entry for %s", qPrintable(code));
    }

    bool open(const QString &omit, const QString &stored);
    void choose(const QString &code);

private slots:
    void init() { quiet = std::make_unique<TestUtil::DebugCapture>(); }
    // The window's translators leave the application with it.
    void cleanup()
    {
        w.reset();
        quiet.reset();
    }
    void switchLanguage_data();
    void switchLanguage();
    void nothingLeftInFrench();
};

// A window in a fresh application folder holding the catalogues built beside the program, less omit, and
// the default config.xml with the stored code as its current language.
bool TestLanguage::open(const QString &omit, const QString &stored)
{
    dir = std::make_unique<QTemporaryDir>();
    const QDir built(QStringLiteral(QVX_APP_DIR));
    for (const QString &qm : built.entryList({QStringLiteral("*.qm")}, QDir::Files))
        if (qm != omit && !QFile::copy(built.filePath(qm), dir->filePath(qm)))
            return false;
    if (!TestUtil::writeFile(config(), TestUtil::configWithLanguage(stored)))
        return false;
    w = std::make_unique<MainWindow>(dir->path(), [] { return QList<PortCandidate>(); });
    choose(QString());
    return true;
}

// A code's menu entry, or "system" for a change of the system locale (Swedish, see main()); an empty code
// only lets the LanguageChange events that follow a translator change through.
void TestLanguage::choose(const QString &code)
{
    if (code == QLatin1String("system")) {
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(qApp, &change);
    } else if (!code.isEmpty()) {
        action(code)->trigger();
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void TestLanguage::switchLanguage_data()
{
    QTest::addColumn<QString>("omit");    // a catalogue missing from the program's folder
    QTest::addColumn<QString>("stored");  // current language in config.xml at start
    QTest::addColumn<QString>("chosen");  // then chosen, if any
    QTest::addColumn<QString>("current"); // the window's language afterwards
    QTest::addColumn<QString>("texts");   // the language of the program's texts
    QTest::addColumn<QString>("qt");      // the language of Qt's texts
    const auto row = [](const QString &name, const char *omit, const char *stored, const char *chosen,
                        const char *current, const char *texts, const char *qt) {
        QTest::newRow(qPrintable(name)) << omit << stored << chosen << current << texts << qt;
    };

    const int count = int(std::size(languages));
    for (int i = 0; i < count; ++i) {
        const char *from = languages[i].code;
        const char *to = languages[(i + 1) % count].code;
        row(QStringLiteral("%1 to %2").arg(from, to), "", from, to, to, to, to);
    }
    row("fr to the system's sv", "", "fr", "system", "sv", "sv", "sv");
    row("stored ru", "", "ru", "", "ru", "ru", "ru");
    // A missing catalogue leaves its texts in their source language (French, or Qt's English), even after
    // another language was loaded.
    row("program's catalogue missing", "quarvex2_ru.qm", "en", "ru", "ru", "fr", "ru");
    row("Qt's catalogue missing", "qt_ru.qm", "en", "ru", "ru", "ru", "en");
    // Codes no menu entry carries load nothing: another language, Bokmål's locale name, another case, none.
    for (const char *code : {"de", "nb", "EN", ""})
        row(QStringLiteral("stored '%1'").arg(code), "", code, "", "", "fr", "en");
}

void TestLanguage::switchLanguage()
{
    QFETCH(QString, omit);
    QFETCH(QString, stored);
    QFETCH(QString, chosen);
    QFETCH(QString, current);
    QFETCH(QString, texts);
    QFETCH(QString, qt);
    QVERIFY(open(omit, stored));

    // What the user has on screen, which a change must keep.
    QList<QComboBox *> lists;
    for (const char *name :
         {"VendorCombo", "PuissanceCombo", "TensionHT1Combo", "TensionBtCombo", "FuseCombo"}) {
        lists.append(get<QComboBox>(name));
        lists.last()->setCurrentIndex(lists.last()->count() - 1); // for the voltages, "Autre"
    }
    QPointer<QDateEdit> oldDate = get<QDateEdit>("DateEdit");
    const QDate someDate(2019, 3, 14);
    oldDate->setDate(someDate);
    w->setWindowTitleFile(QStringLiteral("essai.qv2"));

    choose(chosen);
    // The current language's menu entry alone is greyed out.
    QCOMPARE(w->language(), current);
    for (const Language &l : languages)
        QVERIFY2(action(l.code)->isEnabled() == (current != QLatin1String(l.code)), l.code);
    QCOMPARE(storedLanguage(), current.isEmpty() ? stored : current);

    const Language &shown = language(texts);
    QCOMPARE(get<QMenu>("menuFichier")->title(), QString::fromUtf8(shown.file));
    QCOMPARE(get<QLabel>("NameLabel")->text(), QString::fromUtf8(shown.nameLabel));
    QStringList titles;
    for (int i = 0; i < 6; ++i)
        titles.append(w->curve(i).title().text());
    QCOMPARE(titles.join(' '), QString::fromUtf8(shown.curves));
    QCOMPARE(QCoreApplication::translate("QFileDialog", "Open"), QString::fromUtf8(language(qt).qtOpen));
    QCOMPARE(w->windowTitle(), QStringLiteral("QUARVEN2 D504 - essai.qv2"));
    for (QComboBox *list : lists)
        QVERIFY2(list->count() > 1 && list->currentIndex() == list->count() - 1,
                 qPrintable(list->objectName()));
    QCOMPARE(lists.at(2)->currentText(), QString::fromUtf8(shown.other));

    // A change makes the date field anew in the new locale, keeping the date.
    QCOMPARE(oldDate.isNull(), !chosen.isEmpty());
    const QList<QDateEdit *> dates = w->findChildren<QDateEdit *>(QStringLiteral("DateEdit"));
    QCOMPARE(dates.size(), 1);
    QCOMPARE(dates.first()->date(), someDate);
    if (current.isEmpty())
        return;
    QCOMPARE(dates.first()->displayFormat(), QString::fromLatin1(language(current).dateFormat));

    // Choosing the current language again neither rewrites config.xml nor makes a new date field.
    const QDateTime modified = QFileInfo(config()).lastModified();
    QTest::qWait(50); // a rewrite, even of the same bytes, would show in the modification time
    w->slotLanguageChanged(action(current));
    choose(QString());
    QCOMPARE(QFileInfo(config()).lastModified(), modified);
    QCOMPARE(get<QDateEdit>("DateEdit"), dates.first());
}

namespace
{

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
        add(w, "toolTip", w->toolTip());
    }
    for (QAction *a : root->findChildren<QAction *>())
        add(a, "text", a->text());
    // The status bar's labels have no names: by their order.
    int n = 0;
    if (auto *window = qobject_cast<QMainWindow *>(root))
        for (QLabel *l : window->statusBar()->findChildren<QLabel *>())
            texts->insert(prefix + "/status" + QString::number(n++), l->text());
}

// Texts that are the same in English by nature: names, units, and words both languages share.
bool sameInEnglish(const QString &key, const QString &text)
{
    static const QSet<QString> shared = {
        "QUARVEN 2.00", "QUARVEN2",      "Français",    "English",       "Norsk",        "Svensk",
        "Debug",        "Documentation", "Information", "Patch VOLTANE", "Patch DIREVE", "Version D504",
        "Page",         "Reset",         "Fill",        "Write",         "RATIO:",       "QUARVEN2 D504"};
    // A number and its unit.
    static const QRegularExpression quantity(QStringLiteral("^\\s*\\d+\\s+minutes\\s*$"));
    static const QRegularExpression letters(QStringLiteral("[^\\W\\d_]"));
    // List entries from config.xml are names and values (manufacturers, kV, kVA), bar "Autre", "Oui", "Non".
    static const QRegularExpression listEntry(QStringLiteral("Combo/\\d+$"));
    if (listEntry.match(key).hasMatch())
        return text != QLatin1String("Autre") && text != QLatin1String("Oui") && text != QLatin1String("Non");
    // The about box's address and contact links are the company's own.
    if (key.contains("/AdressLabel/") || key.contains("/EmailLabel/") || key.contains("/SiteLabel/"))
        return true;
    return shared.contains(text) || quantity.match(text).hasMatch() || !letters.match(text).hasMatch();
}

} // namespace

// After a switch to English, no text the window or a dialog shows is still its French source: the window,
// the debug window that lives as long as it, and each dialog as the commands open them.
void TestLanguage::nothingLeftInFrench()
{
    QVERIFY(open(QString(), QStringLiteral("fr")));
    MainWindow::setLinkCycleMs(1); // the record dialog opens after a query no instrument answers
    const auto everything = [this] {
        QMap<QString, QString> texts;
        collect(w.get(), "window", &texts);
        collect(w->debugWindow(), "debug", &texts);
        // Dialogs opened by a command: looked at while they show, then closed.
        const auto shown = [&](const QString &name, const std::function<void()> &command) {
            TestUtil::onNextModal([&texts, name](QWidget *dialog) {
                collect(dialog, name, &texts);
                if (auto *d = qobject_cast<QDialog *>(dialog))
                    d->reject();
            });
            command();
        };
        shown("battery", [this] { w->on_actionChoix_du_type_de_batterie_triggered(); });
        shown("records", [this] { w->lancedownload(); });
        shown("about", [this] { w->on_action_propos_de_ORVA_SA_triggered(); });
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

int main(int argc, char *argv[])
{
    // QLocale::system() reads the environment once, when first asked: the locale-change row needs a
    // Swedish system locale, and the event that announces a change carries none.
    qputenv("LC_ALL", "sv_SE.UTF-8");
    qputenv("LANG", "sv_SE.UTF-8");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestLanguage test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"
