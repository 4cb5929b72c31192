// config.xml: the lists it offers, what Update writes back, and how an unreadable file is kept.
#include "xmlconf.h"
#include "xmlreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>

namespace
{

const QString dataDir = QStringLiteral(QVX_SOURCE_DIR "/tests/data/xml/");
const QString defaultConfig = QStringLiteral(QVX_SOURCE_DIR "/resources/file/config/config.xml");

// Collects the debug lines written while it lives; other messages go on to the test framework.
class DiagnosticLog
{
public:
    DiagnosticLog()
    {
        s_lines.clear();
        s_previous = qInstallMessageHandler(&DiagnosticLog::handle);
    }
    ~DiagnosticLog() { qInstallMessageHandler(s_previous); }
    DiagnosticLog(const DiagnosticLog &) = delete;
    DiagnosticLog &operator=(const DiagnosticLog &) = delete;

    QStringList lines() const { return s_lines; }

    // The lines whose wording other code relies on, in the order they were written.
    QStringList fixedLines() const
    {
        QStringList fixed;
        for (const QString &line : qAsConst(s_lines)) {
            if (line.endsWith(QLatin1String(" isNull")) ||
                line == QLatin1String("xmlreader(): can't open file ReadOnly") ||
                line == QLatin1String("xmlreader(): can't set content from file"))
                fixed.append(line);
        }
        return fixed;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtDebugMsg)
            s_lines.append(message);
        else if (s_previous)
            s_previous(type, context, message);
    }

    static QStringList s_lines;
    static QtMessageHandler s_previous;
};
QStringList DiagnosticLog::s_lines;
QtMessageHandler DiagnosticLog::s_previous = nullptr;

// Stands for an installed English translation; it knows the configuration's words in context QObject only.
class EnglishTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char * = nullptr,
                      int = -1) const override
    {
        static const QHash<QString, QString> words = {{"Autre", "Other"},
                                                      {"Oui", "Yes"},
                                                      {"Non", "No"},
                                                      {"Pile seche 9V :", "Dry 9V battery: "},
                                                      {"Pile rechargeable :", "Rechargeable battery: "}};
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        return words.value(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// Installs the English translation for the lifetime of the object, when asked to.
class Translation
{
public:
    explicit Translation(bool on) : m_on(on)
    {
        if (m_on)
            QCoreApplication::installTranslator(&m_translator);
    }
    ~Translation()
    {
        if (m_on)
            QCoreApplication::removeTranslator(&m_translator);
    }
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

private:
    bool m_on;
    EnglishTranslator m_translator;
};

const QStringList allSectionsMissing = {
    "m_root isNull", "m_file isNull", "m_puis isNull",    "m_tens_ht isNull", "m_tens_bt isNull",
    "m_fab isNull",  "m_fuse isNull", "m_langage isNull", "m_gdo isNull",     "m_pile isNull"};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// One list of the configuration by a short name: "fabricants", "tensionsHT HT1", "gdo", ...
QStringList list(const XmlConf &conf, const QString &name)
{
    const QString kind = name.section(QLatin1Char(' '), 0, 0);
    const QString type = name.section(QLatin1Char(' '), 1);
    if (kind == QLatin1String("fabricants"))
        return conf.getFabricants();
    if (kind == QLatin1String("puissances"))
        return conf.getPuissances();
    if (kind == QLatin1String("tensionsHT"))
        return conf.getTensionsHT(type);
    if (kind == QLatin1String("tensionsBt"))
        return conf.getTensionsBt(type);
    if (kind == QLatin1String("etats"))
        return conf.getEtats();
    if (kind == QLatin1String("piles"))
        return conf.getPiles();
    if (kind == QLatin1String("langage"))
        return {conf.getLangageencours()};
    if (kind == QLatin1String("gdo"))
        return {conf.getgdotitle()};
    return {QStringLiteral("unknown list %1").arg(name)};
}

// Unparsable config files a user could be left with.
void addUnparsableRows()
{
    QTest::addColumn<QByteArray>("content");

    const QByteArray config = readFile(defaultConfig);
    QTest::newRow("truncated") << config.left(config.size() / 3);
    QTest::newRow("edited by hand, tag left open") << QByteArray(config).replace("<codegdo>", "<codegdo");
    QTest::newRow("binary with NUL bytes") << QByteArray("\x00\x01\xff\xfe<\x00QuardaneConf>", 16);
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("entity expansion bomb") << QByteArray(
        "<!DOCTYPE OrvaXML [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n"
        "<QuardaneConf><codegdo><Champ_gdo titre=\"&b;\"/></codegdo></QuardaneConf>\n");
}

QStringList keptCopies(const QString &dir)
{
    return QDir(dir).entryList({"config.xml.unreadable-*"}, QDir::Files, QDir::Name);
}

} // namespace

using ConfAction = std::function<void(XmlConf &)>;
Q_DECLARE_METATYPE(ConfAction)
Q_DECLARE_METATYPE(XmlAction)

// Reads, updates and rescues config.xml through XmlConf.
class TestXmlConf : public QObject
{
    Q_OBJECT

private slots:
    void lists_data();
    void lists();
    void lookupDiagnostics_data();
    void lookupDiagnostics();
    void composedDiagnostics_data();
    void composedDiagnostics();
    void additions_data();
    void additions();
    void additionsXmlCannotHold_data();
    void additionsXmlCannotHold();
    void updateRewrite_data();
    void updateRewrite();
    void missingFile_data();
    void missingFile();
    void readModeWritesNothing();
    void keepUnreadable_data();
    void keepUnreadable();
    void keepUnreadableNothingToKeep();
    void updateKeepsUnparsable_data();
    void updateKeepsUnparsable();
    void updateLeavesWhatItCannotKeep();
};

void TestXmlConf::lists_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("translated");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QStringList>("expected");

    const QString odd = dataDir + "conf_odd.xml";
    const QStringList fabricants = {"ABB(ABB)",          "Alstom(ALS)",           "GEC Alsthom",
                                    "Areva(ARE)",        "France Transfo(FTR)",   "Matelec(MAT)",
                                    "Merlin Gerin(MGE)", "France Transfo Minera", "Ormazabal(ORM)",
                                    "Pauwels(PWS)",      "Schneider(SCH)",        "Siemens(SIE)",
                                    "Transfix(TFX)",     "Aquitaine Transfo",     "CELDUC",
                                    "TransfoSud"};
    const QStringList puissances = {"50 kVA",  "100 kVA",  "160 kVA",  "250 kVA",  "400 kVA", "630 kVA",
                                    "800 kVA", "1000 kVA", "1250 kVA", "1600 kVA", "2000 kVA"};
    const QStringList tensionsHT = {"20 kV", "5 kV", "5.5kV", "3 kV", "8 kV", "10 kV", "15 kV", "30 kV"};
    const QStringList tensionsBt = {"410 V", "380 V", "237 V", "220 V", "400-237 V", "110 V"};

    for (const bool translated : {false, true}) {
        const QString other = translated ? "Other" : "Autre";
        const char *const lang = translated ? "default, English: " : "default, French: ";
        const auto row = [&](const char *name) -> QTestData & {
            return QTest::newRow(qPrintable(lang + QString(name)));
        };
        row("fabricants") << defaultConfig << translated << "fabricants" << fabricants + QStringList(other);
        row("puissances") << defaultConfig << translated << "puissances" << puissances + QStringList(other);
        row("HT1 voltages") << defaultConfig << translated << "tensionsHT HT1"
                            << tensionsHT + QStringList(other);
        row("bt voltages") << defaultConfig << translated << "tensionsBt bt"
                           << tensionsBt + QStringList(other);
        row("fuses") << defaultConfig << translated << "etats"
                     << (translated ? QStringList{"No", "Yes"} : QStringList{"Non", "Oui"});
        row("batteries") << defaultConfig << translated << "piles"
                         << (translated ? QStringList{"Dry 9V battery: 7700", "Rechargeable battery: 7800"}
                                        : QStringList{"Pile seche 9V :7700", "Pile rechargeable :7800"});
    }
    QTest::newRow("default: HT list with the bt type")
        << defaultConfig << false << "tensionsHT bt" << QStringList();
    QTest::newRow("default: type compared with case")
        << defaultConfig << false << "tensionsHT ht1" << QStringList();
    QTest::newRow("default: language") << defaultConfig << false << "langage" << QStringList("fr");
    QTest::newRow("default: site-code label")
        << defaultConfig << false << "gdo" << QStringList("Commentaire:");

    QTest::newRow("odd: HT1 keeps order and duplicates, only Autre translated")
        << odd << true << "tensionsHT HT1" << QStringList{"20 kV", "autre", "Other", "20 kV", ""};
    QTest::newRow("odd: HT2") << odd << true << "tensionsHT HT2" << QStringList{"66 kV"};
    QTest::newRow("odd: missing type reads as empty")
        << odd << true << "tensionsHT " << QStringList{"no type"};
    QTest::newRow("odd: bt type with case") << odd << true << "tensionsBt BT" << QStringList{"410 V"};
    QTest::newRow("odd: AUTRE not translated")
        << odd << true << "puissances" << QStringList{"AUTRE", "", "250 kVA"};
    QTest::newRow("odd: fabricant without nom")
        << odd << true << "fabricants" << QStringList{"ABB(ABB)", "", "Other"};
    QTest::newRow("odd: only Oui is yes")
        << odd << true << "etats" << QStringList{"Yes", "No", "No", "No", "No", "No"};
    QTest::newRow("odd: battery rules")
        << odd << true << "piles"
        << QStringList{"Dry 9V battery: 7700",       "Rechargeable battery: 7750", "Dry 9V battery: 7200",
                       "Rechargeable battery: 7700", "Rechargeable battery: 7800", "Dry 9V battery: "};
    QTest::newRow("odd: no current language") << odd << true << "langage" << QStringList("");
    QTest::newRow("odd: site-code label without titre") << odd << true << "gdo" << QStringList("CODE GDO");

    const QString missing = QStringLiteral("/nonexistent/config.xml");
    for (const char *name : {"fabricants", "puissances", "tensionsHT HT1", "tensionsBt bt", "etats", "piles"})
        QTest::newRow(qPrintable(QStringLiteral("missing file: %1").arg(name)))
            << missing << true << name << QStringList();
    QTest::newRow("missing file: language") << missing << true << "langage" << QStringList("");
    QTest::newRow("missing file: site-code label") << missing << true << "gdo" << QStringList("CODE GDO");
    QTest::newRow("not a config: site-code label")
        << dataDir + "expected_document.qv2" << true << "gdo" << QStringList("CODE GDO");
}

void TestXmlConf::lists()
{
    QFETCH(QString, file);
    QFETCH(bool, translated);
    QFETCH(QString, list);
    QFETCH(QStringList, expected);

    const Translation translation(translated);
    const DiagnosticLog quiet;
    const XmlConf conf(file, Read);
    QCOMPARE(::list(conf, list), expected);
}

void TestXmlConf::lookupDiagnostics_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<XmlAction>("mode");
    QTest::addColumn<QStringList>("diagnostics");

    QTest::newRow("default") << defaultConfig << Read << QStringList();
    QTest::newRow("default, Update") << defaultConfig << Update << QStringList();
    QTest::newRow("sections in another order") << dataDir + "conf_odd.xml" << Read << QStringList();
    QTest::newRow("missing sections") << dataDir + "conf_sections_missing.xml" << Read
                                      << QStringList{"m_tens_ht isNull", "m_tens_bt isNull", "m_pile isNull"};
    QTest::newRow("missing sections, Update")
        << dataDir + "conf_sections_missing.xml" << Update
        << QStringList{"m_tens_ht read isNull", "m_tens_bt read isNull", "m_pile isNull"};
    QTest::newRow("missing file") << "/nonexistent/config.xml" << Read
                                  << QStringList("xmlreader(): can't open file ReadOnly") +
                                         allSectionsMissing;
    QTest::newRow("not XML") << dataDir + "not_xml.qv2" << Read
                             << QStringList("xmlreader(): can't set content from file") + allSectionsMissing;
    QTest::newRow("another root") << dataDir + "expected_document.qv2" << Read << allSectionsMissing;
}

void TestXmlConf::lookupDiagnostics()
{
    QFETCH(QString, file);
    QFETCH(XmlAction, mode);
    QFETCH(QStringList, diagnostics);

    // Update rewrites nothing until write(), but work on a copy all the same.
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(!QFileInfo::exists(file) || QFile::copy(file, path));
    const DiagnosticLog log;
    const XmlConf conf(QFileInfo::exists(file) ? path : file, mode);
    QCOMPARE(log.fixedLines(), diagnostics);
}

void TestXmlConf::composedDiagnostics_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ConfAction>("action");
    QTest::addColumn<QStringList>("lines");

    const ConfAction language = [](XmlConf &conf) { conf.getLangageencours(); };
    const ConfAction title = [](XmlConf &conf) { conf.getgdotitle(); };
    const ConfAction setEnglish = [](XmlConf &conf) { conf.setLangageencours("en"); };
    const QString odd = dataDir + "conf_odd.xml";

    QTest::newRow("language") << defaultConfig << language
                              << QStringList("langue en cours langageencours = fr");
    QTest::newRow("no language element")
        << odd << language << QStringList{"el isNull", "langue en cours  = "};
    QTest::newRow("language set, read back")
        << defaultConfig << setEnglish << QStringList("langue en cours langageencours = en");
    QTest::newRow("language set without element")
        << odd << setEnglish << QStringList{"el isNull", "langue en cours  = "};
    QTest::newRow("site-code label") << defaultConfig << title
                                     << QStringList("CODE GDOChamp_gdo = Commentaire:");
    QTest::newRow("site-code label without titre")
        << odd << title << QStringList("CODE GDOChamp_gdo = CODE GDO");
}

void TestXmlConf::composedDiagnostics()
{
    QFETCH(QString, file);
    QFETCH(ConfAction, action);
    QFETCH(QStringList, lines);

    XmlConf conf(file, Read);
    const DiagnosticLog log;
    action(conf);
    QCOMPARE(log.lines(), lines);
}

void TestXmlConf::additions_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("added");

    const QString odd = dataDir + "conf_odd.xml";
    QTest::newRow("fabricant, other case") << defaultConfig << "fabricants"
                                           << "abb(abb)" << false;
    QTest::newRow("fabricant, same text") << defaultConfig << "fabricants"
                                          << "CELDUC" << false;
    QTest::newRow("fabricant, new") << defaultConfig << "fabricants"
                                    << "Trafo Nord" << true;
    QTest::newRow("fabricant, autre") << defaultConfig << "fabricants"
                                      << "autre" << false;
    QTest::newRow("fabricant, translation of Autre") << defaultConfig << "fabricants"
                                                     << "Other" << true;
    QTest::newRow("fabricant, prefix of an entry") << defaultConfig << "fabricants"
                                                   << "ABB" << true;
    QTest::newRow("puissance, other case") << defaultConfig << "puissances"
                                           << "250 KVA" << false;
    QTest::newRow("puissance, new") << defaultConfig << "puissances"
                                    << "3150 kVA" << true;
    QTest::newRow("puissance, empty text") << defaultConfig << "puissances"
                                           << "" << true;
    QTest::newRow("puissance, empty text already there") << odd << "puissances"
                                                         << "" << false;
    QTest::newRow("HT, other case") << defaultConfig << "tensionsHT HT1"
                                    << "20 KV" << false;
    QTest::newRow("HT, new") << defaultConfig << "tensionsHT HT1"
                             << "66 kV" << true;
    QTest::newRow("HT, held by an HT2 entry") << odd << "tensionsHT HT1"
                                              << "66 KV" << false;
    QTest::newRow("HT, a bt value") << defaultConfig << "tensionsHT HT1"
                                    << "410 V" << true;
    QTest::newRow("bt, other case") << defaultConfig << "tensionsBt bt"
                                    << "400-237 v" << false;
    QTest::newRow("bt, held by a BT entry") << odd << "tensionsBt bt"
                                            << "410 v" << false;
    QTest::newRow("bt, new") << defaultConfig << "tensionsBt bt"
                             << "690 V" << true;
}

void TestXmlConf::additions()
{
    QFETCH(QString, file);
    QFETCH(QString, list);
    QFETCH(QString, value);
    QFETCH(bool, added);

    // The form shows translated lists; additions must compare with what is stored.
    const Translation translation(true);
    const DiagnosticLog quiet;
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(QFile::copy(file, path));
    const QStringList before = ::list(XmlConf(path, Read), list);
    {
        XmlConf conf(path, Update);
        if (list == QLatin1String("fabricants"))
            conf.addFabricant(value);
        else if (list == QLatin1String("puissances"))
            conf.addPuissance(value);
        else if (list.startsWith(QLatin1String("tensionsHT")))
            conf.addTensionHT(value);
        else
            conf.addTensionBt(value);
        QVERIFY(conf.write());
    }
    QCOMPARE(::list(XmlConf(path, Read), list), added ? before + QStringList(value) : before);
}

void TestXmlConf::additionsXmlCannotHold_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");

    QTest::newRow("control characters") << QStringLiteral("Trafo\u0001 Nord\u001b") << "Trafo Nord";
    QTest::newRow("form feed and NUL") << QString::fromUtf16(u"\f66 kV\0", 7) << "66 kV";
    QTest::newRow("non-characters") << QStringLiteral("\uFFFE690 V\uFFFF") << "690 V";
    QTest::newRow("lone surrogate") << QString::fromUtf16(u"\xD800x", 2) << "x";
    QTest::newRow("tab and a character beyond U+FFFF")
        << QString::fromUtf8("a\tb \xF0\x9F\x94\x8C") << QString::fromUtf8("a\tb \xF0\x9F\x94\x8C");
}

// A name pasted into the form may hold characters that no XML file can: written as they are, they would
// leave config.xml unreadable at the next start, and every list with it.
void TestXmlConf::additionsXmlCannotHold()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);

    const DiagnosticLog quiet;
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(QFile::copy(defaultConfig, path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    const QStringList before = XmlConf(path, Read).getFabricants();
    {
        XmlConf conf(path, Update);
        conf.addFabricant(typed);
        QVERIFY(conf.write());
    }
    QVERIFY(xmlreader::isParsable(path));
    QCOMPARE(XmlConf(path, Read).getFabricants(), before + QStringList(stored));
}

void TestXmlConf::updateRewrite_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ConfAction>("action");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray config = readFile(defaultConfig);
    const QString missing = dataDir + "conf_sections_missing.xml";
    const auto inserted = [&config](const QByteArray &after, const QByteArray &line) {
        return QByteArray(config).replace(after + "\n", after + "\n" + line + "\n");
    };

    QTest::newRow("no change") << defaultConfig << ConfAction([](XmlConf &) {}) << config;
    QTest::newRow("reading only") << defaultConfig << ConfAction([](XmlConf &conf) {
        conf.getFabricants();
        conf.getPiles();
        conf.getgdotitle();
    }) << config;
    QTest::newRow("same language") << defaultConfig
                                   << ConfAction([](XmlConf &conf) { conf.setLangageencours("fr"); })
                                   << config;
    QTest::newRow("nothing new to add") << defaultConfig << ConfAction([](XmlConf &conf) {
        conf.addFabricant("Autre");
        conf.addPuissance("1000 KVA");
        conf.addTensionHT("3 kv");
        conf.addTensionBt("110 v");
    }) << config;
    QTest::newRow("other language") << defaultConfig << ConfAction([](XmlConf &conf) {
        conf.setLangageencours("en");
    }) << QByteArray(config).replace("<langageencours encours=\"fr\"/>", "<langageencours encours=\"en\"/>");
    QTest::newRow("fabricant appended after Autre")
        << defaultConfig
        << ConfAction([](XmlConf &conf) { conf.addFabricant(QString::fromUtf8("Électro & Fils")); })
        << inserted("  <fabricant nom=\"Autre\"/>",
                    QString::fromUtf8("  <fabricant nom=\"Électro &amp; Fils\"/>").toUtf8());
    QTest::newRow("HT voltage appended with its type")
        << defaultConfig << ConfAction([](XmlConf &conf) { conf.addTensionHT("66 kV"); })
        << inserted("  <tension_HT type=\"HT1\" val=\"Autre\"/>",
                    "  <tension_HT type=\"HT1\" val=\"66 kV\"/>");
    QTest::newRow("additions to missing sections go nowhere") << missing << ConfAction([](XmlConf &conf) {
        conf.addTensionHT("66 kV");
        conf.addTensionBt("690 V");
    }) << readFile(missing);
}

void TestXmlConf::updateRewrite()
{
    QFETCH(QString, file);
    QFETCH(ConfAction, action);
    QFETCH(QByteArray, expected);

    const DiagnosticLog quiet;
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(QFile::copy(file, path));
    {
        XmlConf conf(path, Update);
        action(conf);
        QVERIFY(conf.write());
    }
    QCOMPARE(readFile(path), expected);
    QCOMPARE(keptCopies(dir.path()), QStringList());
}

void TestXmlConf::missingFile_data()
{
    QTest::addColumn<XmlAction>("mode");
    QTest::addColumn<ConfAction>("action");
    QTest::addColumn<QString>("expected");

    const ConfAction nothing = [](XmlConf &) {};
    const ConfAction save = [](XmlConf &conf) {
        conf.addFabricant("Trafo Nord");
        conf.addTensionHT("20 kV");
        conf.addTensionBt("410 V");
        conf.addPuissance("250 kVA");
        conf.addFabricant("TRAFO NORD");
        conf.setLangageencours("en");
    };
    QTest::newRow("Create") << Create << nothing << "conf_created.xml";
    QTest::newRow("Update") << Update << nothing << "conf_created.xml";
    QTest::newRow("Update, a save and a language change") << Update << save << "conf_created_saved.xml";
}

void TestXmlConf::missingFile()
{
    QFETCH(XmlAction, mode);
    QFETCH(ConfAction, action);
    QFETCH(QString, expected);

    const DiagnosticLog log;
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    {
        XmlConf conf(path, mode);
        action(conf);
        QVERIFY(conf.write());
    }
    QCOMPARE(readFile(path), readFile(dataDir + expected));
    for (const QString &line : log.lines())
        QVERIFY2(!line.startsWith("xmlreader") && !line.startsWith("keepUnreadable"), qPrintable(line));
}

void TestXmlConf::readModeWritesNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    {
        const DiagnosticLog quiet;
        XmlConf conf(path, Read);
        conf.addFabricant("Trafo Nord");
        QVERIFY(!conf.write());
    }
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(QFile::copy(defaultConfig, path));
    {
        const DiagnosticLog quiet;
        XmlConf conf(path, Read);
        conf.addFabricant("Trafo Nord");
        conf.setLangageencours("en");
        QVERIFY(!conf.write());
    }
    QCOMPARE(readFile(path), readFile(defaultConfig));
}

void TestXmlConf::keepUnreadable_data()
{
    addUnparsableRows();
}

void TestXmlConf::keepUnreadable()
{
    QFETCH(QByteArray, content);

    const DiagnosticLog quiet;
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(writeFile(path, content));

    const QString first = XmlConf::keepUnreadable(path);
    const QString second = XmlConf::keepUnreadable(path);
    const QRegularExpression name(QStringLiteral("^config\\.xml\\.unreadable-\\d{8}-\\d{6}(-\\d+)?$"));
    for (const QString &kept : {first, second}) {
        QCOMPARE(QFileInfo(kept).absolutePath(), QFileInfo(path).absolutePath());
        QVERIFY2(name.match(QFileInfo(kept).fileName()).hasMatch(), qPrintable(kept));
        QCOMPARE(readFile(kept), content);
    }
    QVERIFY(first != second);
    QCOMPARE(readFile(path), content);
    QCOMPARE(keptCopies(dir.path()).size(), 2);
}

void TestXmlConf::keepUnreadableNothingToKeep()
{
    const DiagnosticLog quiet;
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QCOMPARE(XmlConf::keepUnreadable(path), QString());
    QVERIFY(QFile::copy(defaultConfig, path));
    QCOMPARE(XmlConf::keepUnreadable(path), QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList("config.xml"));
}

void TestXmlConf::updateKeepsUnparsable_data()
{
    addUnparsableRows();
}

void TestXmlConf::updateKeepsUnparsable()
{
    QFETCH(QByteArray, content);

    const DiagnosticLog quiet;
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(writeFile(path, content));
    {
        XmlConf conf(path, Update);
        conf.addFabricant("Trafo Nord");
        QVERIFY(conf.write());
    }
    const QStringList kept = keptCopies(dir.path());
    QCOMPARE(kept.size(), 1);
    QCOMPARE(readFile(dir.filePath(kept.first())), content);
    QCOMPARE(XmlConf(path, Read).getFabricants(), QStringList("Trafo Nord"));
}

// A config.xml that can be neither read nor copied (here a directory) must not be replaced.
void TestXmlConf::updateLeavesWhatItCannotKeep()
{
    const DiagnosticLog quiet;
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(QDir(dir.path()).mkdir("config.xml"));
    QVERIFY(writeFile(path + "/inside", "kept"));
    {
        XmlConf conf(path, Update);
        conf.addFabricant("Trafo Nord");
        QVERIFY(!conf.write());
    }
    QVERIFY(QFileInfo(path).isDir());
    QCOMPARE(readFile(path + "/inside"), QByteArray("kept"));
}

QTEST_GUILESS_MAIN(TestXmlConf)
#include "tst_xmlconf.moc"
