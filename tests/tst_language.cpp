// Run-time language switching: the catalogues loaded from the program's folder, the stored choice, the menu,
// and the parts of the window that are rebuilt after a change.

#include "mainwindow.h"
#include "testutil.h"
#include "xmlconf.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace
{

// What each language shows; "ng" is the program's own code for Norwegian Bokmål.
struct Language {
    const char *code;
    const char *action;
    const char *nameLabel; // NameLabel of the identification form
    const char *qtOpen;    // Qt's own "Open" of the file dialog
    QStringList curves;
    const char *other; // list entry "Autre"
    const char *no;
    const char *yes;
    const char *locale;
    const char *dateFormat; // a new date field's format in that locale
};

const Language languages[] = {
    {"fr",
     "actionFrancais",
     "Nom du releveur :",
     "Ouvrir",
     {"HT.A", "HT.B", "HT.C", "bt.a", "bt.b", "bt.c"},
     "Autre",
     "Non",
     "Oui",
     "fr_FR",
     "dd/MM/yyyy"},
    {"en",
     "actionEnglish",
     "Tested by:",
     "Open",
     {"HV.A", "HV.B", "HV.C", "lv.a", "lv.b", "lv.c"},
     "Other",
     "No",
     "Yes",
     "en_US",
     "M/d/yy"},
    {"ng",
     "actionNorsk",
     "Kontrollert av:",
     "Opna",
     {"HS.A", "HS.B", "HS.C", "ls.a", "ls.b", "ls.c"},
     "Annet",
     "Nei",
     "Ja",
     "nb_NO",
     "dd.MM.yyyy"},
    {"sv",
     "actionSvensk",
     "Kontrollerad av:",
     "Öppna",
     {"HS.A", "HS.B", "HS.C", "ls.a", "ls.b", "ls.c"},
     "Annat",
     "Nej",
     "Ja",
     "sv_SE",
     "yyyy-MM-dd"},
    {"ru",
     "actionRussian",
     "Проверку выполнил:",
     "Открыть",
     {"ВН.A", "ВН.B", "ВН.C", "нн.a", "нн.b", "нн.c"},
     "Другое",
     "Нет",
     "Да",
     "ru_RU",
     "dd.MM.yyyy"},
};

const Language &language(const QString &code)
{
    for (const Language &l : languages)
        if (code == QLatin1String(l.code))
            return l;
    qFatal("no language %s", qPrintable(code));
    return languages[0];
}

const QString defaultConfig = QStringLiteral(QVX_SOURCE_DIR "/resources/file/config/config.xml");
const QDate someDate(2019, 3, 14);

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
    QString label() const { return get<QLabel>("NameLabel")->text(); }
    QStringList curveTitles() const
    {
        QStringList titles;
        for (int i = 0; i < 6; ++i)
            titles.append(w->curve(i).title().text());
        return titles;
    }
    static QString qtOpen() { return QCoreApplication::translate("QFileDialog", "Open"); }
    // The LanguageChange events that follow a translator change arrive through the event loop.
    static void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    // A window in a fresh application folder holding the catalogues built beside the program, less those in
    // omit; with a stored code, config.xml is the default one with that current language.
    bool open(const QStringList &omit = {}, const char *stored = nullptr);
    void checkMenu(const QString &current);

private slots:
    void init();
    void cleanup();
    void switchLanguage_data();
    void switchLanguage();
    void sameLanguageWritesNothing_data();
    void sameLanguageWritesNothing();
    void missingCatalogueFallsBack_data();
    void missingCatalogueFallsBack();
    void systemLocaleChange();
    void unknownStoredCode_data();
    void unknownStoredCode();
};

bool TestLanguage::open(const QStringList &omit, const char *stored)
{
    dir = std::make_unique<QTemporaryDir>();
    if (!dir->isValid())
        return false;
    const QDir built(QStringLiteral(QVX_APP_DIR));
    const QStringList catalogues = built.entryList({QStringLiteral("*.qm")}, QDir::Files);
    if (!catalogues.contains(QStringLiteral("quarvex2_fr.qm")))
        return false;
    for (const QString &qm : catalogues)
        if (!omit.contains(qm) && !QFile::copy(built.filePath(qm), dir->filePath(qm)))
            return false;
    if (stored) {
        QFile in(defaultConfig);
        if (!in.open(QIODevice::ReadOnly))
            return false;
        QByteArray xml = in.readAll();
        const QByteArray current("encours=\"fr\"");
        if (!xml.contains(current))
            return false;
        xml.replace(current, "encours=\"" + QByteArray(stored) + '"');
        QFile out(config());
        if (!out.open(QIODevice::WriteOnly) || out.write(xml) != xml.size())
            return false;
    }
    w = std::make_unique<MainWindow>(dir->path(), [] { return QList<PortCandidate>(); });
    settle();
    return true;
}

// The current language's entry is the one greyed out; an empty code greys none.
void TestLanguage::checkMenu(const QString &current)
{
    for (const Language &l : languages)
        QVERIFY2(get<QAction>(l.action)->isEnabled() == (current != QLatin1String(l.code)), l.action);
}

void TestLanguage::init()
{
    quiet = std::make_unique<TestUtil::DebugCapture>();
}

void TestLanguage::cleanup()
{
    w.reset(); // its translators leave the application with it
    dir.reset();
    quiet.reset();
}

void TestLanguage::switchLanguage_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("fr to en") << "fr"
                              << "en";
    QTest::newRow("en to ng") << "en"
                              << "ng";
    QTest::newRow("ng to sv") << "ng"
                              << "sv";
    QTest::newRow("sv to ru") << "sv"
                              << "ru";
    QTest::newRow("ru to fr") << "ru"
                              << "fr";
}

void TestLanguage::switchLanguage()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    const Language &target = language(to);
    QVERIFY(open());
    QCOMPARE(w->language(), QStringLiteral("fr"));
    get<QAction>(language(from).action)->trigger();
    settle();
    QCOMPARE(w->language(), from);

    // A user's choices in the form, which a language change must not lose.
    auto *vendor = get<QComboBox>("VendorCombo");
    auto *power = get<QComboBox>("PuissanceCombo");
    auto *hv = get<QComboBox>("TensionHT1Combo");
    auto *lv = get<QComboBox>("TensionBtCombo");
    auto *fuse = get<QComboBox>("FuseCombo");
    vendor->setCurrentIndex(4);
    power->setCurrentIndex(2);
    hv->setCurrentIndex(hv->count() - 1); // "Autre"
    lv->setCurrentIndex(3);
    fuse->setCurrentIndex(1);
    QPointer<QDateEdit> oldDate = get<QDateEdit>("DateEdit");
    oldDate->setDate(someDate);

    get<QAction>(target.action)->trigger();
    settle();

    QCOMPARE(w->language(), to);
    QCOMPARE(label(), QString::fromUtf8(target.nameLabel));
    QCOMPARE(qtOpen(), QString::fromUtf8(target.qtOpen));
    QCOMPARE(storedLanguage(), to);
    checkMenu(to);
    QCOMPARE(curveTitles(), target.curves);

    QCOMPARE(vendor->currentIndex(), 4);
    QCOMPARE(power->currentIndex(), 2);
    QCOMPARE(hv->currentIndex(), hv->count() - 1);
    QCOMPARE(hv->currentText(), QString::fromUtf8(target.other));
    QCOMPARE(lv->currentIndex(), 3);
    QCOMPARE(fuse->currentIndex(), 1);
    QCOMPARE(fuse->count(), 2);
    QCOMPARE(fuse->itemText(0), QString::fromUtf8(target.no));
    QCOMPARE(fuse->itemText(1), QString::fromUtf8(target.yes));

    // The date field is made anew in the new locale and keeps the date.
    QVERIFY(oldDate.isNull());
    const QList<QDateEdit *> dates = w->findChildren<QDateEdit *>(QStringLiteral("DateEdit"));
    QCOMPARE(dates.size(), 1);
    QCOMPARE(dates.first()->date(), someDate);
    QCOMPARE(QLocale().name(), QString::fromLatin1(target.locale));
    QCOMPARE(dates.first()->displayFormat(), QString::fromLatin1(target.dateFormat));
}

void TestLanguage::sameLanguageWritesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("menu entry") << "menu";
    QTest::newRow("slot") << "slot";
    QTest::newRow("loadLanguage") << "load";
}

// Choosing the language already loaded neither rewrites config.xml nor rebuilds the form.
void TestLanguage::sameLanguageWritesNothing()
{
    QFETCH(QString, how);
    QVERIFY(open());
    auto *swedish = get<QAction>("actionSvensk");
    swedish->trigger();
    settle();
    QCOMPARE(w->language(), QStringLiteral("sv"));

    QFile file(config());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    file.close();
    const QDateTime modified = QFileInfo(config()).lastModified();
    const QDateEdit *date = get<QDateEdit>("DateEdit");
    QTest::qWait(50); // a rewrite, even of the same bytes, would now show in the modification time

    if (how == QLatin1String("menu"))
        swedish->trigger();
    else if (how == QLatin1String("slot"))
        w->slotLanguageChanged(swedish);
    else
        w->loadLanguage(QStringLiteral("sv"));
    settle();

    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(QFileInfo(config()).lastModified(), modified);
    QCOMPARE(get<QDateEdit>("DateEdit"), date);
    QCOMPARE(w->language(), QStringLiteral("sv"));
    checkMenu(QStringLiteral("sv"));
    QCOMPARE(label(), QString::fromUtf8(language("sv").nameLabel));
}

void TestLanguage::missingCatalogueFallsBack_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<QString>("nameLabel");
    QTest::addColumn<QStringList>("curves");
    QTest::addColumn<QString>("qtOpen");
    const Language &fr = language(QStringLiteral("fr"));
    const Language &ru = language(QStringLiteral("ru"));
    QTest::newRow("application's") << "quarvex2_ru.qm" << QString::fromUtf8(fr.nameLabel) << fr.curves
                                   << QString::fromUtf8(ru.qtOpen);
    QTest::newRow("Qt's") << "qt_ru.qm" << QString::fromUtf8(ru.nameLabel) << ru.curves << "Open";
}

// A catalogue that is not there leaves its texts in their source language (French, or Qt's English), even
// after another language was loaded; the choice is still stored and shown in the menu.
void TestLanguage::missingCatalogueFallsBack()
{
    QFETCH(QString, missing);
    QFETCH(QString, nameLabel);
    QFETCH(QStringList, curves);
    QFETCH(QString, qtOpen);
    QVERIFY(open({missing}));
    get<QAction>("actionEnglish")->trigger();
    settle();
    QCOMPARE(label(), QString::fromUtf8(language("en").nameLabel));

    get<QAction>("actionRussian")->trigger();
    settle();
    QCOMPARE(w->language(), QStringLiteral("ru"));
    QCOMPARE(label(), nameLabel);
    QCOMPARE(curveTitles(), curves);
    QCOMPARE(TestLanguage::qtOpen(), qtOpen);
    QCOMPARE(storedLanguage(), QStringLiteral("ru"));
    checkMenu(QStringLiteral("ru"));
}

// main() made the system locale Swedish before the application started; the change notice switches to it.
void TestLanguage::systemLocaleChange()
{
    QCOMPARE(QLocale::system().name(), QStringLiteral("sv_SE"));
    QVERIFY(open());
    QCOMPARE(w->language(), QStringLiteral("fr"));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
    settle();
    const Language &sv = language(QStringLiteral("sv"));
    QCOMPARE(w->language(), QStringLiteral("sv"));
    QCOMPARE(storedLanguage(), QStringLiteral("sv"));
    QCOMPARE(label(), QString::fromUtf8(sv.nameLabel));
    QCOMPARE(curveTitles(), sv.curves);
    QCOMPARE(qtOpen(), QString::fromUtf8(sv.qtOpen));
    checkMenu(QStringLiteral("sv"));
}

void TestLanguage::unknownStoredCode_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("other language") << QByteArray("de");
    QTest::newRow("Bokmal locale name") << QByteArray("nb");
    QTest::newRow("case differs") << QByteArray("EN");
    QTest::newRow("empty") << QByteArray("");
}

// A code no menu entry carries loads nothing: French texts, Qt's English, no entry greyed, file untouched.
void TestLanguage::unknownStoredCode()
{
    QFETCH(QByteArray, stored);
    QVERIFY(open({}, stored.constData()));
    QFile file(config());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("encours=\"" + stored + '"'));

    QCOMPARE(w->language(), QString());
    checkMenu(QString());
    const Language &fr = language(QStringLiteral("fr"));
    QCOMPARE(label(), QString::fromUtf8(fr.nameLabel));
    QCOMPARE(curveTitles(), fr.curves);
    QCOMPARE(qtOpen(), QStringLiteral("Open"));
    QCOMPARE(get<QComboBox>("TensionHT1Combo")->itemText(get<QComboBox>("TensionHT1Combo")->count() - 1),
             QString::fromUtf8(fr.other));
}

int main(int argc, char *argv[])
{
    // QLocale::system() reads the environment once, when first asked: the locale-change test needs a
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
