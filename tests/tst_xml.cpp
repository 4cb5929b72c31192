// The XML files as stored: measurement documents (*.qv2), config.xml, and files the reader must refuse.
#include "testutil.h"
#include "xmlconf.h"
#include "xmlmesure.h"
#include "xmlreader.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <memory>
#include <optional>

namespace
{

const QString dataDir = QStringLiteral(QVX_SOURCE_DIR "/tests/data/xml/");
const QString defaultConfig = QStringLiteral(QVX_SOURCE_DIR "/resources/file/config/config.xml");

// The record behind expected_document.qv2.
const QVector<QPair<QString, QString>> knownInfo = {
    {"releveur", "Hélène Dupré"},    {"date", "15/03/2021"},   {"poste", "Poste 12"},
    {"code_gdo", "G0042"},           {"num_transfo", "T1234"}, {"puissance", "250 kVA"},
    {"fabricant", "Schneider(SCH)"}, {"tension_ht1", "20 kV"}, {"fusible", "Oui"},
    {"tension_bt", "410 V"},         {"gamme_mesure", ""}};
const QStringList knownRatios = {"50.12", "50.09", "50.20", "50.14"};
const QVector<QPointF> knownCurve = {{0, 512}, {1, -37}, {2, 4095}};
const QString knownComment = QStringLiteral("Bornes \"HT\" nettoy\u00e9es & serr\u00e9es\nA revoir < 6 mois");

const auto knownVerdict = [](int n) { return n != 4 && n != 17; };

void fillKnownRecord(XmlMesure &doc)
{
    for (const auto &info : knownInfo)
        doc.setInfo(info.first, info.second);
    for (int n = 0; n < 19; ++n)
        doc.setTest(unsigned(n), knownVerdict(n), QStringLiteral("Resultat test %1").arg(n));
    for (int n = 0; n < 4; ++n)
        doc.setRapport(unsigned(n), knownRatios.at(n));
    for (int c = 0; c < 6; ++c)
        doc.setCurve(c, c == 0 ? knownCurve : QVector<QPointF>());
    doc.setComment(knownComment);
    doc.setRecup("");
}

QString points(const QVector<QPointF> &curve)
{
    QStringList text;
    for (const QPointF &p : curve)
        text << QStringLiteral("(%1,%2)").arg(p.x(), 0, 'g', 17).arg(p.y(), 0, 'g', 17);
    return text.join(' ');
}

// One item as the window gets it: "info poste", "test 5" (number, verdict, text), "rapport 2", "curve 1",
// "comment" or "recup".
QString item(const XmlMesure &doc, const QString &key)
{
    const QString arg = key.section(' ', 1);
    if (key.startsWith("info"))
        return doc.getInfo(arg);
    if (key.startsWith("test")) {
        const TestRecord t = doc.getTest(arg.toInt());
        return QStringLiteral("%1 %2 %3").arg(t.num).arg(t.res).arg(t.text);
    }
    if (key.startsWith("rapport"))
        return doc.getRapport(arg.toUInt());
    if (key.startsWith("curve"))
        return points(doc.getCurve(arg.toInt()));
    return key == "comment" ? doc.getComData() : doc.getRecup();
}

// Everything the window gets from the known record, or from a document without values, one "key=value" a
// line.
QStringList expectedContents(bool known)
{
    QStringList lines;
    for (const auto &info : knownInfo)
        lines << QStringLiteral("info %1=%2").arg(info.first, known ? info.second : QString());
    for (int n = 0; n < 19; ++n)
        lines << QStringLiteral("test %1=%1 %2 %3")
                     .arg(n)
                     .arg(known && knownVerdict(n))
                     .arg(known ? QStringLiteral("Resultat test %1").arg(n) : QString());
    for (int n = 0; n < 4; ++n)
        lines << QStringLiteral("rapport %1=%2").arg(n).arg(known ? knownRatios.at(n) : QString());
    for (int c = 0; c < 6; ++c)
        lines << QStringLiteral("curve %1=%2").arg(c).arg(known && c == 0 ? points(knownCurve) : QString());
    return lines << "comment=" + (known ? knownComment : QString()) << "recup=";
}

QStringList contents(const XmlMesure &doc)
{
    QStringList lines;
    for (const QString &line : expectedContents(false)) {
        const QString key = line.section('=', 0, 0);
        lines << key + '=' + item(doc, key);
    }
    return lines;
}

// Stands for an installed English translation; it knows the configuration's words in context QObject only.
class English : public QTranslator
{
public:
    English() { QCoreApplication::installTranslator(this); }
    ~English() override { QCoreApplication::removeTranslator(this); }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        static const QHash<QString, QString> words = {{"Autre", "Other"},
                                                      {"Oui", "Yes"},
                                                      {"Non", "No"},
                                                      {"Pile seche 9V :", "Dry 9V battery: "},
                                                      {"Pile rechargeable :", "Rechargeable battery: "}};
        return qstrcmp(context, "QObject") == 0 ? words.value(QString::fromUtf8(sourceText)) : QString();
    }
    bool isEmpty() const override { return false; }
};

// Every list of config.xml as the form gets it, one line a list.
QStringList configLists(const XmlConf &conf)
{
    static const char *const names[] = {"fabricants", "puissances", "HT HT1", "HT HT2",
                                        "HT untyped", "bt bt",      "bt BT",  "etats",
                                        "piles",      "langage",    "gdo"};
    const QStringList lists[] = {
        conf.getFabricants(),       conf.getPuissances(),   conf.getTensionsHT("HT1"),
        conf.getTensionsHT("HT2"),  conf.getTensionsHT(""), conf.getTensionsBt("bt"),
        conf.getTensionsBt("BT"),   conf.getEtats(),        conf.getPiles(),
        {conf.getLangageencours()}, {conf.getgdotitle()}};
    QStringList lines;
    for (int i = 0; i < 11; ++i)
        lines << names[i] + (' ' + lists[i].join('|'));
    return lines;
}

const QStringList emptyConfig = {"fabricants ", "puissances ", "HT HT1 ", "HT HT2 ",  "HT untyped ", "bt bt ",
                                 "bt BT ",      "etats ",      "piles ",  "langage ", "gdo CODE GDO"};

// Everything under a folder, hidden entries (a save's temporary file) included, with a digest of each file.
QStringList tree(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries << QDir(root).relativeFilePath(path) + ' ' +
                       QCryptographicHash::hash(TestUtil::readFile(path), QCryptographicHash::Sha1).toHex();
    }
    entries.sort();
    return entries;
}

QByteArray nested(int depth)
{
    return "<OrvaQuardane>" + QByteArray("<a>").repeated(depth - 1) + QByteArray("</a>").repeated(depth - 1) +
           "</OrvaQuardane>";
}

QByteArray withAttributes(int count)
{
    QByteArray tag = "<OrvaQuardane";
    for (int i = 0; i < count; ++i)
        tag += " a" + QByteArray::number(i) + "=\"\"";
    return tag + "/>";
}

QByteArray entityBomb()
{
    QByteArray dtd = "<?xml version='1.0'?>\n<!DOCTYPE OrvaXML [\n <!ENTITY l0 \"lol\">\n";
    for (int i = 1; i < 10; ++i)
        dtd += " <!ENTITY l" + QByteArray::number(i) + " \"" +
               QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    return dtd + "]>\n<OrvaQuardane><info><releveur>&l9;</releveur></info></OrvaQuardane>\n";
}

// A well-formed document of exactly `size` bytes, nearly all of it one blank text.
QByteArray padded(qint64 size)
{
    const QByteArray head = "<OrvaQuardane><info><releveur>x</releveur></info>";
    const QByteArray tail = "</OrvaQuardane>";
    return head + QByteArray(int(size - head.size() - tail.size()), ' ') + tail;
}

} // namespace

using MakeFile = std::function<void(const QString &)>;
using ConfAction = std::function<void(XmlConf &)>;
using Save = std::function<bool(const QString &)>; // what write() answered
Q_DECLARE_METATYPE(MakeFile)
Q_DECLARE_METATYPE(ConfAction)
Q_DECLARE_METATYPE(Save)
Q_DECLARE_METATYPE(XmlAction)

class TestXml : public QObject
{
    Q_OBJECT

private slots:
    // The program's diagnostics, shown with QVX_TEST_VERBOSE.
    void initTestCase() { m_quiet = std::make_unique<TestUtil::DebugCapture>(); }
    void cleanupTestCase() { m_quiet.reset(); }

    void knownDocument_data();
    void knownDocument();
    void documentOddValues_data();
    void documentOddValues();
    void storedTexts_data();
    void storedTexts();
    void coordinates_data();
    void coordinates();
    void configLists_data();
    void configLists();
    void configAdditions_data();
    void configAdditions();
    void configRewrite_data();
    void configRewrite();
    void unreadableConfig_data();
    void unreadableConfig();
    void failedSave_data();
    void failedSave();
    void readLimits_data();
    void readLimits();
    void diagnostics_data();
    void diagnostics();

private:
    std::unique_ptr<TestUtil::DebugCapture> m_quiet;
    QTemporaryDir m_dir;
};

void TestXml::knownDocument_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("ours");

    QTest::newRow("known record") << "expected_document.qv2" << true << true;
    QTest::newRow("nothing added") << "expected_empty.qv2" << false << true;
    QTest::newRow("known record, sections reordered, extra elements") << "reordered.qv2" << true << false;
    QTest::newRow("config root") << "wrong_root.qv2" << false << false;
}

// A document reads as the record it holds. One of ours comes out of every save with the same bytes: QDom
// orders attributes by hash, so each save here runs under a fresh seed.
void TestXml::knownDocument()
{
    QFETCH(QString, file);
    QFETCH(bool, known);
    QFETCH(bool, ours);

    QCOMPARE(contents(XmlMesure(dataDir + file, Read)), expectedContents(known));
    QTemporaryDir dir;
    for (int run = 0; ours && run < 3; ++run) {
        qSetGlobalQHashSeed(-1);
        {
            XmlMesure doc(dir.filePath("doc.qv2"), Create);
            if (known)
                fillKnownRecord(doc);
            QVERIFY(doc.write());
        }
        QCOMPARE(TestUtil::readFile(dir.filePath("doc.qv2")), TestUtil::readFile(dataDir + file));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("doc.qv2"));
    }
}

void TestXml::documentOddValues_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("line");

    const QString dup = "duplicates.qv2", odd = "odd_values.qv2";
    QTest::newRow("first info section") << dup << "info releveur=du premier info";
    QTest::newRow("first info item") << dup << "info poste=premier";
    QTest::newRow("first test") << dup << "test 5=5 1 first";
    QTest::newRow("first rapport") << dup << "rapport 2=first";
    QTest::newRow("first curve") << dup << "curve 1=(1,1)";
    QTest::newRow("first comment") << dup << "comment=first comment";
    QTest::newRow("res 2 is no pass") << odd << "test 2=2 0 deux";
    QTest::newRow("res missing") << odd << "test 5=5 0 absent";
    QTest::newRow("res 01") << odd << "test 6=6 1 zero un";
    QTest::newRow("text missing") << odd << "test 7=7 1 ";
    QTest::newRow("no such test") << odd << "test 18=18 0 ";
    // A number that is not base-10 reads as 0, so the first such entry answers for 0.
    QTest::newRow("rapport num not a number") << odd << "rapport 0=num not a number";
    QTest::newRow("rapport num largest unsigned") << odd << "rapport 4294967295=largest unsigned";
    QTest::newRow("coordinates not integers read 0")
        << odd << "curve 2=(0,7) (0,7) (0,7) (0,0) (2147483647,-8) (0,-2147483648) (0,9)";
}

void TestXml::documentOddValues()
{
    QFETCH(QString, file);
    QFETCH(QString, line);

    const QString key = line.section('=', 0, 0);
    QCOMPARE(key + '=' + item(XmlMesure(dataDir + file, Read), key), line);
}

void TestXml::storedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    // Line noise inside an instrument line reaches the capture text undecoded.
    QTest::newRow("control characters") << QStringLiteral("RESULT 01 \u0001Test\u001b[0m CORRECT\r")
                                        << QStringLiteral("RESULT 01 Test[0m CORRECT\r");
    QTest::newRow("form feed, vertical tab, NUL") << QString::fromUtf16(u"a\fb\vc\0d", 7) << "abcd";
    QTest::newRow("non-characters") << QStringLiteral("\uFFFE50.1\uFFFF") << "50.1";
    QTest::newRow("lone surrogates") << QString::fromUtf16(u"\xDC00x\xD800", 3) << "x";
    QTest::newRow("what XML holds") << QString::fromUtf8("\t\n\r \xC3\xA9\xEF\xBF\xBD\xF0\x9F\x94\x8C")
                                    << QString::fromUtf8("\t\n\r \xC3\xA9\xEF\xBF\xBD\xF0\x9F\x94\x8C");
    const QString markup = QStringLiteral(" \"cit\u00e9e\" & <b> 'x' ]]> &amp;\r\nligne\t2\n\n  fin  ");
    QTest::newRow("markup and line ends") << markup << markup;
    QTest::newRow("blanks only") << QString("   ") << "   ";
    // A CR is written as a character reference, which the reader's blank check once missed.
    QTest::newRow("blanks with a CR") << QString(" \t\r") << " \t\r";
    QTest::newRow("CR LF only") << QString("\r\n") << "\r\n";
}

// Characters XML cannot carry are left out of a saved document, which then opens again; written as they
// were, they made the whole measurement unreadable.
void TestXml::storedTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);

    const QString path = m_dir.filePath("texts.qv2");
    {
        XmlMesure doc(path, Create);
        doc.setInfo("poste", text);
        doc.setTest(1, true, text);
        doc.setRapport(0, text);
        doc.setComment(text);
        doc.setRecup(text);
        QVERIFY(doc.write());
    }
    const XmlMesure doc(path, Read);
    for (const char *key : {"info poste", "test 1", "rapport 0", "comment", "recup"})
        QCOMPARE(item(doc, key), qstrcmp(key, "test 1") == 0 ? "1 1 " + stored : stored);
}

void TestXml::coordinates_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("readBack");

    QTest::newRow("positive whole") << 512.0 << "512" << 512.0;
    QTest::newRow("negative zero") << -0.0 << "0" << 0.0;
    QTest::newRow("largest int32") << 2147483647.0 << "2147483647" << 2147483647.0;
    QTest::newRow("smallest int32") << -2147483648.0 << "-2147483648" << -2147483648.0;
    QTest::newRow("whole beyond int32") << 1e20 << "100000000000000000000" << 0.0;
    QTest::newRow("half") << 2.5 << "2.5" << 0.0;
    QTest::newRow("negative fraction") << -1234.5678 << "-1234.5678" << 0.0;
}

void TestXml::coordinates()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QFETCH(double, readBack);

    const QString path = m_dir.filePath("coordinates.qv2");
    {
        XmlMesure doc(path, Create);
        doc.setCurve(3, {{value, value}});
        QVERIFY(doc.write());
    }
    QVERIFY(TestUtil::readFile(path).contains("<point x=\"" + text.toUtf8() + "\" y=\"" + text.toUtf8() +
                                              "\"/>"));
    QCOMPARE(XmlMesure(path, Read).getCurve(3), QVector<QPointF>({{readBack, readBack}}));
}

void TestXml::configLists_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("default")
        << defaultConfig << false
        << QStringList{"fabricants ABB(ABB)|Alstom(ALS)|GEC Alsthom|Areva(ARE)|France Transfo(FTR)|"
                       "Matelec(MAT)|Merlin Gerin(MGE)|France Transfo Minera|Ormazabal(ORM)|"
                       "Pauwels(PWS)|Schneider(SCH)|Siemens(SIE)|Transfix(TFX)|Aquitaine Transfo|"
                       "CELDUC|TransfoSud|Autre",
                       "puissances 50 kVA|100 kVA|160 kVA|250 kVA|400 kVA|630 kVA|800 kVA|1000 kVA|"
                       "1250 kVA|1600 kVA|2000 kVA|Autre",
                       "HT HT1 20 kV|5 kV|5.5kV|3 kV|8 kV|10 kV|15 kV|30 kV|Autre",
                       "HT HT2 ",
                       "HT untyped ",
                       "bt bt 410 V|380 V|237 V|220 V|400-237 V|110 V|Autre",
                       "bt BT ",
                       "etats Non|Oui",
                       "piles Pile seche 9V :7700|Pile rechargeable :7800",
                       "langage fr",
                       "gdo Commentaire:"};
    // Order and duplicates kept, types and words compared with case, only "Autre", "Oui" and "Non"
    // translated.
    QTest::newRow("odd entries, English")
        << dataDir + "conf_odd.xml" << true
        << QStringList{"fabricants ABB(ABB)||Other",
                       "puissances AUTRE||250 kVA",
                       "HT HT1 20 kV|autre|Other|20 kV|",
                       "HT HT2 66 kV",
                       "HT untyped no type",
                       "bt bt Other",
                       "bt BT 410 V",
                       "etats Yes|No|No|No|No|No",
                       "piles Dry 9V battery: 7700|Rechargeable battery: 7750|Dry 9V battery: 7200|"
                       "Rechargeable battery: 7700|Rechargeable battery: 7800|Dry 9V battery: ",
                       "langage ",
                       "gdo CODE GDO"};
    QTest::newRow("sections missing") << dataDir + "conf_sections_missing.xml" << false
                                      << QStringList{"fabricants Autre", "puissances 250 kVA", "HT HT1 ",
                                                     "HT HT2 ",          "HT untyped ",        "bt bt ",
                                                     "bt BT ",           "etats Non",          "piles ",
                                                     "langage sv",       "gdo Site :"};
    QTest::newRow("document root") << dataDir + "expected_document.qv2" << false << emptyConfig;
}

void TestXml::configLists()
{
    QFETCH(QString, file);
    QFETCH(bool, english);
    QFETCH(QStringList, expected);

    std::optional<English> translation;
    if (english)
        translation.emplace();
    QCOMPARE(::configLists(XmlConf(file, Read)), expected);
}

void TestXml::configAdditions_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("added");
    QTest::addColumn<QString>("value");

    const QString odd = dataDir + "conf_odd.xml";
    const QString def = defaultConfig;
    QTest::newRow("fabricant in other case") << def << "fabricants" << false << "abb(abb)";
    QTest::newRow("fabricant as stored") << def << "fabricants" << false << "CELDUC";
    QTest::newRow("Autre in other case") << def << "fabricants" << false << "autre";
    QTest::newRow("Autre as shown in English") << def << "fabricants" << false << "Other";
    QTest::newRow("prefix of a fabricant") << def << "fabricants" << true << "ABB";
    QTest::newRow("puissance in other case") << def << "puissances" << false << "250 KVA";
    QTest::newRow("empty puissance") << def << "puissances" << false << "";
    QTest::newRow("blank puissance") << def << "puissances" << false << "  ";
    QTest::newRow("empty puissance already there") << odd << "puissances" << false << "";
    QTest::newRow("HT voltage in other case") << def << "HT HT1" << false << "20 KV";
    QTest::newRow("HT voltage held by an HT2 entry") << odd << "HT HT1" << false << "66 KV";
    QTest::newRow("bt value among HT voltages") << def << "HT HT1" << true << "410 V";
    QTest::newRow("bt voltage in other case") << def << "bt bt" << false << "400-237 v";
    QTest::newRow("bt voltage held by a BT entry") << odd << "bt bt" << false << "410 v";
}

// The form offers translated lists; what the user adds is compared, ignoring case, with what is stored.
void TestXml::configAdditions()
{
    QFETCH(QString, file);
    QFETCH(QString, list);
    QFETCH(bool, added);
    QFETCH(QString, value);

    const English translation;
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(QFile::copy(file, path));
    QStringList expected = ::configLists(XmlConf(path, Read));
    {
        XmlConf conf(path, Update);
        const QHash<QString, void (XmlConf::*)(const QString &)> add = {
            {"fabricants", &XmlConf::addFabricant},
            {"puissances", &XmlConf::addPuissance},
            {"HT HT1", &XmlConf::addTensionHT},
            {"bt bt", &XmlConf::addTensionBt}};
        (conf.*add.value(list))(value);
        QVERIFY(conf.write());
    }
    for (QString &line : expected)
        line += added && line.startsWith(list + ' ') ? '|' + value : QString();
    QCOMPARE(::configLists(XmlConf(path, Read)), expected);
}

void TestXml::configRewrite_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<XmlAction>("mode");
    QTest::addColumn<ConfAction>("action");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray config = TestUtil::readFile(defaultConfig);
    const QString missing = dataDir + "conf_sections_missing.xml";
    const auto inserted = [&config](const QByteArray &after, const QByteArray &line) {
        return QByteArray(config).replace(after + "\n", after + "\n" + line + "\n");
    };
    const ConfAction learn = [](XmlConf &conf) {
        conf.addFabricant("Trafo Nord");
        conf.addTensionHT("20 kV");
        conf.addTensionBt("410 V");
        conf.addPuissance("250 kVA");
        conf.addFabricant("TRAFO NORD");
        conf.setLangageencours("en");
    };

    QTest::newRow("read, same language") << defaultConfig << Update << ConfAction([](XmlConf &conf) {
        ::configLists(conf);
        conf.setLangageencours("fr");
    }) << config;
    QTest::newRow("entries there in other case") << defaultConfig << Update << ConfAction([](XmlConf &conf) {
        conf.addFabricant("Autre");
        conf.addPuissance("1000 KVA");
        conf.addTensionHT("3 kv");
        conf.addTensionBt("110 v");
    }) << config;
    QTest::newRow("other language") << defaultConfig << Update << ConfAction([](XmlConf &conf) {
        conf.setLangageencours("en");
    }) << QByteArray(config).replace("<langageencours encours=\"fr\"/>", "<langageencours encours=\"en\"/>");
    QTest::newRow("fabricant appended after Autre")
        << defaultConfig << Update
        << ConfAction([](XmlConf &conf) { conf.addFabricant(QString::fromUtf8("Électro & Fils")); })
        << inserted("  <fabricant nom=\"Autre\"/>",
                    QString::fromUtf8("  <fabricant nom=\"Électro &amp; Fils\"/>").toUtf8());
    QTest::newRow("HT voltage appended with its type")
        << defaultConfig << Update << ConfAction([](XmlConf &conf) { conf.addTensionHT("66 kV"); })
        << inserted("  <tension_HT type=\"HT1\" val=\"Autre\"/>",
                    "  <tension_HT type=\"HT1\" val=\"66 kV\"/>");
    QTest::newRow("additions to missing sections go nowhere")
        << missing << Update << ConfAction([](XmlConf &conf) {
               conf.addTensionHT("66 kV");
               conf.addTensionBt("690 V");
           })
        << TestUtil::readFile(missing);
    QTest::newRow("missing file") << QString() << Update << ConfAction([](XmlConf &) {})
                                  << TestUtil::readFile(dataDir + "conf_created.xml");
    QTest::newRow("missing file, entries learned")
        << QString() << Update << learn << TestUtil::readFile(dataDir + "conf_created_saved.xml");
    QTest::newRow("Read writes nothing") << defaultConfig << Read << learn << config;
}

// Update rewrites config.xml as it was read, with only the change made, at every save.
void TestXml::configRewrite()
{
    QFETCH(QString, file);
    QFETCH(XmlAction, mode);
    QFETCH(ConfAction, action);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(file.isEmpty() || QFile::copy(file, path));
    for (int run = 0; run < 3; ++run) {
        qSetGlobalQHashSeed(-1);
        {
            XmlConf conf(path, mode);
            action(conf);
            QCOMPARE(conf.write(), mode == Update);
        }
        QCOMPARE(TestUtil::readFile(path), expected);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("config.xml"));
    }
}

void TestXml::unreadableConfig_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");

    const QByteArray config = TestUtil::readFile(defaultConfig);
    QTest::newRow("edited by hand, tag left open")
        << QByteArray(config).replace("<codegdo>", "<codegdo") << false;
    QTest::newRow("binary with NUL bytes") << QByteArray("\x00\x01\xff\xfe<\x00QuardaneConf>", 16) << false;
    QTest::newRow("empty") << QByteArray("") << false;
    // Names the stream reader takes with a character XML forbids; the file written back would not read.
    QTest::newRow("NUL in an instruction's name")
        << QByteArray(config).replace("<QuardaneConf>", QByteArray("<?x\0y?>\n<QuardaneConf>", 22)) << false;
    QTest::newRow("NUL in an attribute's name")
        << QByteArray(config).replace(" chemin=", QByteArray(" che\0min=", 9)) << false;
    QTest::newRow("NUL in the document type's name")
        << QByteArray(config).replace("OrvaXML", QByteArray("Orva\0XML", 8)) << false;
    QTest::newRow("readable") << config << true;
}

// A config.xml that does not parse is copied byte for byte beside it, under a new name each time, before
// Update replaces it by the default; one that parses is neither copied nor replaced.
void TestXml::unreadableConfig()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);

    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(TestUtil::writeFile(path, content));
    const QStringList names = {XmlConf::keepUnreadable(path), XmlConf::keepUnreadable(path)};
    const QRegularExpression name('^' + QRegularExpression::escape(path) +
                                  "\\.unreadable-\\d{8}-\\d{6}(-\\d+)?$");
    for (const QString &kept : names)
        QVERIFY2(readable ? kept.isEmpty() : name.match(kept).hasMatch(), qPrintable(kept));
    QVERIFY(readable || names.first() != names.last());
    QCOMPARE(TestUtil::readFile(path), content);

    // An unreadable file gives way to the default, not to an empty configuration.
    const QStringList before = XmlConf(readable ? path : defaultConfig, Read).getFabricants();
    {
        XmlConf conf(path, Update);
        conf.addFabricant("Trafo Nord");
        QVERIFY(conf.write());
    }
    const QStringList kept = QDir(dir.path()).entryList({"config.xml.unreadable-*"}, QDir::Files);
    QCOMPARE(kept.size(), readable ? 0 : 3);
    for (const QString &copy : kept)
        QCOMPARE(TestUtil::readFile(dir.filePath(copy)), content);
    QCOMPARE(XmlConf(path, Read).getFabricants(), before + QStringList("Trafo Nord"));
}

void TestXml::failedSave_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Save>("save");

    const Save document = [](const QString &path) {
        XmlMesure doc(path, Create);
        fillKnownRecord(doc);
        return doc.write();
    };
    const Save config = [](const QString &path) {
        XmlConf conf(path, Update);
        conf.addFabricant("Trafo Nord");
        return conf.write();
    };
    QTest::newRow("document given up before its write") << "previous.qv2" << Save([](const QString &path) {
        XmlMesure doc(path, Create);
        fillKnownRecord(doc);
        return false;
    });
    QTest::newRow("document in a missing folder") << "missing/doc.qv2" << document;
    QTest::newRow("document over a folder") << "folder" << document;
    QTest::newRow("config.xml in a missing folder") << "missing/config.xml" << config;
    // Neither readable nor kept aside: it must stay as it is.
    QTest::newRow("config.xml that is a folder") << "folder" << config;
}

// A save that does not complete says so and leaves every file as it was, with nothing beside it.
void TestXml::failedSave()
{
    QFETCH(QString, target);
    QFETCH(Save, save);

    QTemporaryDir dir;
    QVERIFY(QFile::copy(dataDir + "expected_document.qv2", dir.filePath("previous.qv2")));
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(TestUtil::writeFile(dir.filePath("folder/inside.qv2"), "kept"));
    const QStringList before = tree(dir.path());
    QVERIFY(!save(dir.filePath(target)));
    QCOMPARE(tree(dir.path()), before);
}

void TestXml::readLimits_data()
{
    QTest::addColumn<MakeFile>("make");
    QTest::addColumn<bool>("readable");

    const auto bytes = [](const QByteArray &content) {
        return MakeFile([content](const QString &path) { QVERIFY(TestUtil::writeFile(path, content)); });
    };
    const QByteArray known = TestUtil::readFile(dataDir + "expected_document.qv2");
    const int depth = xmlreader::MaxDepth, attributes = xmlreader::MaxAttributesPerElement;

    QTest::newRow("missing file") << MakeFile([](const QString &) {}) << false;
    QTest::newRow("not XML") << bytes("Ceci n'est pas un document") << false;
    QTest::newRow("empty file") << bytes("") << false;
    QTest::newRow("truncated") << bytes(known.left(known.size() / 2)) << false;
    QTest::newRow("mismatched tags") << bytes("<OrvaQuardane><info></tests></OrvaQuardane>") << false;
    QTest::newRow("entity expansion bomb") << bytes(entityBomb()) << false;
    QTest::newRow("external entity") << bytes(
                                            "<!DOCTYPE OrvaXML [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
                                            "<OrvaQuardane><info><poste>&x;</poste></info></OrvaQuardane>")
                                     << false;
    QTest::newRow("internal subset without entities")
        << bytes("<!DOCTYPE OrvaXML [<!ELEMENT OrvaQuardane ANY>]>\n<OrvaQuardane/>") << false;
    QTest::newRow("document type without subset") << bytes("<!DOCTYPE OrvaXML>\n<OrvaQuardane/>") << true;
    QTest::newRow("nesting at the limit") << bytes(nested(depth)) << true;
    QTest::newRow("nesting one deeper") << bytes(nested(depth + 1)) << false;
    QTest::newRow("nesting 200 000 deep") << bytes(nested(200000)) << false;
    QTest::newRow("attributes at the limit") << bytes(withAttributes(attributes)) << true;
    QTest::newRow("attributes one more") << bytes(withAttributes(attributes + 1)) << false;
    QTest::newRow("300 000 attributes") << bytes(withAttributes(300000)) << false;
    QTest::newRow("'=' inside values do not count")
        << bytes("<OrvaQuardane a=\"" + QByteArray(5000, '=') + "\" b='==>'/>") << true;
    QTest::newRow("too many nodes") << bytes("<OrvaQuardane>" +
                                             QByteArray("<a/>").repeated(int(xmlreader::MaxNodes)) +
                                             "</OrvaQuardane>")
                                    << false;
    QTest::newRow("size at the limit") << MakeFile([](const QString &path) {
        QVERIFY(TestUtil::writeFile(path, padded(xmlreader::MaxFileSize)));
    }) << true;
    QTest::newRow("size one byte over") << MakeFile([](const QString &path) {
        QVERIFY(TestUtil::writeFile(path, padded(xmlreader::MaxFileSize + 1)));
    }) << false;
    QTest::newRow("100 MB file") << MakeFile([](const QString &path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(100 * 1000 * 1000));
    }) << false;
    // The largest record the instrument gives must stay well inside the limits.
    QTest::newRow("six curves of 100 000 points") << MakeFile([](const QString &path) {
        XmlMesure doc(path, Create);
        for (int c = 0; c < 6; ++c) {
            QVector<QPointF> curve;
            for (int i = 0; i < 100000; ++i)
                curve.append(QPointF(i, (i * 37 + c * 1000) % 65536 - 32768));
            doc.setCurve(c, curve);
        }
        QVERIFY(doc.write());
    }) << true;
}

// Files that could exhaust memory or time, or that do not parse, read as holding nothing, and quickly.
void TestXml::readLimits()
{
    QFETCH(MakeFile, make);
    QFETCH(bool, readable);

    const QString path = m_dir.filePath("input.xml");
    QFile::remove(path);
    make(path);
    if (QTest::currentTestFailed())
        return;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(xmlreader::isParsable(path), readable);
    if (readable) {
        QVERIFY(xmlreader(path).isValid());
    } else {
        QCOMPARE(contents(XmlMesure(path, Read)), expectedContents(false));
        QCOMPARE(::configLists(XmlConf(path, Read)), emptyConfig);
    }
    QVERIFY2(timer.elapsed() < 15000, qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed())));
    QFile::remove(path);
}

// The wordings of the diagnostics a maintainer reads in the field log.
void TestXml::diagnostics_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ConfAction>("action");
    QTest::addColumn<QStringList>("lines");

    const ConfAction none = [](XmlConf &) {};
    QTest::newRow("missing sections") << dataDir + "conf_sections_missing.xml" << none
                                      << QStringList{"m_tens_ht isNull", "m_tens_bt isNull", "m_pile isNull"};
    QTest::newRow("missing file") << "/nonexistent/config.xml" << none
                                  << QStringList{"xmlreader(): can't open file ReadOnly", "m_root isNull"};
    QTest::newRow("not XML") << dataDir + "not_xml.qv2" << none
                             << QStringList{"xmlreader(): can't set content from file", "m_root isNull"};
    QTest::newRow("language") << defaultConfig << ConfAction([](XmlConf &c) { c.getLangageencours(); })
                              << QStringList("langue en cours langageencours = fr");
    QTest::newRow("site-code label") << defaultConfig << ConfAction([](XmlConf &c) { c.getgdotitle(); })
                                     << QStringList("CODE GDOChamp_gdo = Commentaire:");
}

void TestXml::diagnostics()
{
    QFETCH(QString, file);
    QFETCH(ConfAction, action);
    QFETCH(QStringList, lines);
    const int from = m_quiet->lines().size();
    XmlConf conf(file, Read);
    action(conf);
    const QStringList written = m_quiet->lines().mid(from);
    for (const QString &line : lines)
        QVERIFY2(written.contains(line), qPrintable(line + "\nnot in:\n" + written.join('\n')));
}

QTEST_GUILESS_MAIN(TestXml)
#include "tst_xml.moc"
