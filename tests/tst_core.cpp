// The core without a window or a serial port: the frame parser, the measurement value, documents and
// config.xml as stored, and files the reader refuses. The fuzz corpus replays (fuzz/) check the framing of
// a stream cut anywhere, the firmware pages, patch lines, texts a document stores, and unreadable configs.

#include "../src/cli/clicontext.h"
#include "apppaths.h"
#include "archiveindex.h"
#include "cmdparser.h"
#include "csvexport.h"
#include "format.h"
#include "instrumentlink.h"
#include "lineframer.h"
#include "measurement.h"
#include "numbers.h"
#include "ratioevaluation.h"
#include "recordreader.h"
#include "recordsession.h"
#include "testutil.h"
#include "xmlconf.h"
#include "xmlmesure.h"
#include "xmlreader.h"

#include <QtSql>
#include <QtTest>

#include <functional>

namespace
{

const QString dataDir = QStringLiteral(QVX_SOURCE_DIR "/tests/data/xml/");
const QString defaultConfig = QStringLiteral(QVX_SOURCE_DIR "/resources/file/config/config.xml");

QString esc(QString s)
{
    return s.replace('\r', "\\r").replace('\n', "\\n");
}

// Everything a stream gave: the parser's signals, then its flags and what it stores (values still at their
// start left out), one text each.
QString outcome(CmdParser &p, QByteArray bytes)
{
    QStringList events;
    QObject::connect(&p, &CmdParser::cmdDebReceived, [&](QString t) { events << "deb " + esc(t); });
    QObject::connect(&p, &CmdParser::CmdRawDataReceived, [&](QString t) { events << "raw " + esc(t); });
    QObject::connect(&p, &CmdParser::CmdResultatReceived, [&](unsigned n, bool ok, QString com) {
        events << QStringLiteral("result %1 %2 %3").arg(n).arg(ok).arg(com);
    });
    const auto point = [](QPointF pt) { return QStringLiteral("%1:%2").arg(pt.x()).arg(pt.y()); };
    QObject::connect(&p, &CmdParser::CmdValuesReceived, [&](unsigned n, QVector<QPointF> &pts) {
        events << QStringLiteral("values %1 ").arg(n) + point(pts.first()) + ' ' + point(pts.last());
    });
    QObject::connect(&p, &CmdParser::CmdEndReceived,
                     [&](QString, QString g, QString n) { events << "end " + g + ' ' + esc(n); });
    QObject::connect(&p, &CmdParser::CmdRapportReceived,
                     [&](unsigned n, QString r) { events << QStringLiteral("rapport %1 %2").arg(n).arg(r); });
    p.parse(bytes);
    QStringList flags;
    for (int i = 0; i < Qvx2::FlagCount; ++i)
        if (p.received[i])
            flags << QString::number(i);
    events << "flags " + flags.join(',');
    for (int i = 0; i < Qvx2::ParamCount; ++i)
        if (!p.params[i].name.isEmpty())
            events
                << QStringLiteral("param %1 %2 %3").arg(i).arg(p.params[i].value).arg(esc(p.params[i].name));
    if (!p.range.isEmpty())
        events << "range " + p.range;
    if (p.recordNumber)
        events << "record " + QString::number(p.recordNumber);
    for (int i = 0; i < Qvx2::RatioCount; ++i)
        if (p.ratios[i] != 0.0)
            events << QStringLiteral("ratio %1 %2").arg(i).arg(p.ratios[i], 0, 'g', 10);
    return events.join(" | ");
}

// The record behind expected_document.qv2.
Measurement knownRecord()
{
    Measurement m{QString::fromUtf8("Hélène Dupré"),
                  QDate(2021, 3, 15),
                  "Poste 12",
                  "G0042",
                  "T1234",
                  "250 kVA",
                  "Schneider(SCH)",
                  "20 kV",
                  "Oui",
                  "410 V",
                  QString(),
                  {},
                  {},
                  {50.12, 50.09, 50.20, 50.14},
                  QStringLiteral("Bornes \"HT\" nettoy\u00e9es & serr\u00e9es\nA revoir < 6 mois"),
                  QString()};
    for (int n = 0; n < Qvx2::TestCount; ++n)
        m.verdicts[size_t(n)] =
            n != 4 && n != 17 ? Measurement::Verdict::Passed : Measurement::Verdict::Failed;
    m.curves[0] = {{0, 512}, {1, -37}, {2, 4095}};
    return m;
}

// The program's English catalogue, installed while it lives.
struct English : QTranslator {
    English() { QCoreApplication::installTranslator(load(QVX_APP_DIR "/quarvex2_en.qm") ? this : nullptr); }
    ~English() override { QCoreApplication::removeTranslator(this); }
};

// Every list of config.xml as the form gets it, one line a list.
QStringList configLists(const XmlConf &conf)
{
    QStringList lists{conf.getLangageencours(), conf.getgdotitle()};
    for (const QStringList &list :
         {conf.getFabricants(), conf.getPuissances(), conf.getTensionsHT("HT1"), conf.getTensionsHT("HT2"),
          conf.getTensionsBt("bt"), conf.getTensionsBt("BT"), conf.getEtats(), conf.getPiles()})
        lists << list.join('|');
    return lists;
}

// Everything under a folder, hidden entries (a save's temporary file) included, with a digest of each file.
QStringList tree(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries << path +
                       QCryptographicHash::hash(TestUtil::readFile(path), QCryptographicHash::Sha1).toHex();
    }
    entries.sort();
    return entries;
}

} // namespace

using ConfAction = std::function<void(XmlConf &)>;
using Save = std::function<bool(const QString &)>; // what write() answered
Q_DECLARE_METATYPE(ConfAction)
Q_DECLARE_METATYPE(Save)

class TestCore : public QObject
{
    Q_OBJECT

private slots:
    void resultCodes();
    void parser_data();
    void parser();
    void framing();
    void measurementValue();
    void documents_data();
    void documents();
    void configLists();
    void configRewrite_data();
    void configRewrite();
    void failedSave_data();
    void failedSave();
    void readLimits_data();
    void readLimits();
    void openFailures_data();
    void openFailures();
    void appPaths_data();
    void appPaths();
    void evaluation_data();
    void evaluation();
    void csvExport();
    void archiveIndex();
    void recordLife_data();
    void recordLife();
    void proposedName();

private:
    QTemporaryDir m_dir;
};

// Lines idle (no record coming in) and within a record: the events they give, the flags they set, what the
// parser keeps. A keyword that ends its line carries the CR and matches nothing.
void TestCore::parser_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<QString>("outcome");
    const auto row = [](const char *name, bool active, const QByteArray &lines, const char *outcome) {
        QTest::newRow(name) << active << lines << QString::fromUtf8(outcome);
    };
    row("verdicts", true,
        "RESULT 05 x CORRECT x\rresult 03 Test_clear success ok\rRESULT 03 test_clear SUCCESS ok\r"
        "RESULTAT 19 x DEFAUT x\rRESULT 07 x MAYBE x\rRESULT 05 x CORRECT\rRESULT 123 x CORRECT x\r",
        "result 5 1  | raw RESULT 05 x CORRECT x\\r | result 3 1 clear | "
        "raw result 03 Test_clear success ok\\r | result 3 1  | raw RESULT 03 test_clear SUCCESS ok\\r | "
        "result 19 0  | raw RESULTAT 19 x DEFAUT x\\r | result 7 0  | raw RESULT 07 x MAYBE x\\r | "
        "result 5 0  | raw RESULT 05 x CORRECT\\r | result 12 1  | raw RESULT 123 x CORRECT x\\r | flags ");
    row("verdict idle", false, "RESULT 05 x CORRECT x\r", "flags ");
    row("curves: channel 4 on 3, 2 on 2, junk reads 0", true,
        "V. 4 0 100 0 1 2 3 4 5 6 7 8 9 10\rv. 2 0 5 0 7 x 9\r",
        "values 3 100:1 109:10 | raw V. 4 0 100 0 1 2 3 4 5 6 7 8 9 10\\r | values 2 5:7 14:0 | "
        "raw v. 2 0 5 0 7 x 9\\r | flags ");
    row("ratios and their mean at the third, even idle", false,
        "RAPPORT 0 x 12.3456 x\rRAPPORT 1 x abc x\rRAPPORT 9 x 5 x\rRAPPORT 8 x 7 x\rRAPPORT 2 x 1e1 x\r",
        "rapport 0 12.35 | rapport 1 0.00 | rapport 2 10.00 | rapport 3 7.45 | flags  | ratio 0 12.3456 | "
        "ratio 2 10 | ratio 3 7.448533333 | ratio 8 7");
    row("parameters", false,
        "PARAM 1 -5 P_UN \rPARAM 2 3 NOM\rPARAM 3 99999999999 P \rPARAM 0 1 P \rPARAM 27 1 P \r"
        "PARAM 26 7 P_LAST \r",
        "flags 1,2,3,26 | param 1 -5 P_UN | param 2 3 NOM\\r | param 3 0 P | param 26 7 P_LAST");
    row("answers", false,
        "Clear_enreg \rInf: recu:EEPROM ok\rInf: x\rconf: stack_used 812\rGAMME 20-33kV x\rEnreg_en_cours 23 "
        "\r",
        "flags 28,29,30,31,33 | range 20-33kV | record 23");
    row("recognised, forwarded", true,
        "FFT x\rTitre: Q\xc3\xa9\rConf: Stack_Used 1\rBONJOUR\r\nRESULT 01 x CORRECT x\r",
        "raw FFT x\\r | raw Titre: Q\xc3\xa9\\r | flags 31");
    row("keywords alone", true,
        "RESULT\rV.\rClear_enreg\rRAPPORT\rPARAM\rInf:\rGAMME\rEnreg_en_cours\r"
        "Recup_courbe debut\rRecup_courbe fin\rRecup_courbe milieu x\r",
        "flags ");
    row("NUL cuts a line", true, QByteArray("RESULT 01 x CORRECT x\0garbage\r", 30),
        "result 1 1  | raw RESULT 01 x CORRECT x | flags ");
    // A start line begins a transfer, keeping only parameters and record number; the end line closes it
    // and is not forwarded.
    row("record", false,
        "PARAM 14 2 P \rEnreg_en_cours 17 \rGAMME 1-5kV x\rRecup_courbe debut x\r"
        "RESULT 01 x CORRECT x\rGAMME 20-33kV x\rRecup_courbe fin a b 0007 \rRESULT 02 x DEFAUT x\r",
        "deb ---\\r | raw Recup_courbe debut x\\r | result 1 1  | raw RESULT 01 x CORRECT x\\r | "
        "raw GAMME 20-33kV x\\r | end 20-33kV Recup_courbe fin a b 0007 \\r0007\\rfin de fichier\\r | "
        "flags 28,32 | param 14 2 P | range 20-33kV | record 17");
}

void TestCore::parser()
{
    QFETCH(bool, active);
    QFETCH(QByteArray, lines);
    QFETCH(QString, outcome);
    CmdParser p;
    if (active)
        p.reset();
    QCOMPARE(::outcome(p, lines), outcome);
    QVERIFY(QTest::currentDataTag() != QLatin1String("record") || // the end line stored, then again
            p.text().contains("0007\rfin de fichier\rRecup_courbe fin a b 0007 \r0007\rfin de fichier\r"));
}

// The stream as the port gives it, in pieces: each line framed whole as it completes, a NUL cutting it short;
// a stream without a CR dropped at the bound, and the next line read.
void TestCore::framing()
{
    QByteArray buffer;
    QByteArrayList got;
    const auto take = [&](const QByteArray &piece) {
        return LineFramer::takeLines(buffer += piece,
                                     [&got](const QByteArray &l) { got << QByteArray(l.data(), l.size()); });
    };
    for (const QByteArray &piece :
         {QByteArray("AB\rC"), QByteArray("D\r\xC3"), QByteArray("\xA9\r"), QByteArray("E\0F\rG", 5)})
        QVERIFY(take(piece));
    QCOMPARE(got, QByteArrayList({"AB\r", "CD\r", "\xC3\xA9\r", "E"}));
    QVERIFY(take(QByteArray(Qvx2::ReceiveBufferLimit - 1, 'A')) && !take("AA") && buffer.isEmpty());
    QVERIFY(take("OK\r") && got.last() == "OK\r");
}

// Whatever field differs, the measurement is another one: an edit anywhere is unsaved work. A capture or a
// comment is kept as a plain-text pane holds it: CR, LF and CR LF end a paragraph alike. A report numbered
// out of range changes nothing.
void TestCore::measurementValue()
{
    QString pane;
    for (const QString &p : {QString(), QString("a\rb\r\nc"), QString::fromUtf16(u"d\u2029e\u2028f\u00a0g")})
        Measurement::appendParagraph(pane, p);
    QCOMPARE(pane, QString("a\nb\nc\nd\ne\nf g"));
    const Measurement known = knownRecord();
    QList<Measurement> edited;
    for (QString Measurement::*text :
         {&Measurement::releveur, &Measurement::poste, &Measurement::codeGdo, &Measurement::numTransfo,
          &Measurement::puissance, &Measurement::fabricant, &Measurement::tensionHt, &Measurement::fusible,
          &Measurement::tensionBt, &Measurement::gamme, &Measurement::comment, &Measurement::capture})
        (edited << known).last().*text += 'x';
    (edited << known).last().date = QDate(2021, 3, 16);
    (edited << known).last().verdicts[18] = Measurement::Verdict::None;
    (edited << known).last().curves[0][2].ry() += 1;
    (edited << known).last().ratios[3] = 50.15;
    for (const Measurement &m : qAsConst(edited))
        QVERIFY(!(m == known) && m == m);
    Measurement reported = known;
    QVERIFY(!reported.takeVerdict(0, true, {}) && !reported.takeVerdict(20, true, {}) &&
            !reported.takePoints(6, {{1, 2}}) && !reported.takeRatio(4, "1") && reported == known);
    QVERIFY(reported.takeVerdict(19, false, "clear") && reported == edited[13]); // the verdict withdrawn
}

// A document reads as the record it holds, and a save of that record gives its bytes again whatever order
// the attributes come in (QDom keeps them in a hash: each save runs under a fresh seed). A file that is no
// document at all is refused whole.
void TestCore::documents_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ours");
    QTest::addColumn<QString>("why"); // what the refusal of a file that is no document says
    QTest::newRow("known record") << "expected_document.qv2" << true << "";
    QTest::newRow("reordered, extra elements") << "reordered.qv2" << false << "";
    QTest::newRow("another root") << "wrong_root.qv2" << false << "son element racine est";
    QTest::newRow("not XML") << "not_xml.qv2" << false << "ce n'est pas du XML valide (ligne 1, colonne";
    QTest::newRow("missing") << "missing.qv2" << false << "il ne peut pas etre lu";
}

void TestCore::documents()
{
    QFETCH(QString, file);
    QFETCH(bool, ours);
    QFETCH(QString, why);
    Measurement read;
    read.poste = "untouched";
    const bool document = why.isEmpty();
    const Result loaded = XmlMesure::load(dataDir + file, &read);
    QCOMPARE(loaded.done(), document);
    QVERIFY2(document || (loaded.reason.contains(why) && loaded.reason.contains(file)),
             qPrintable(loaded.reason));
    QVERIFY(document ? read == knownRecord() : read.poste == "untouched");
    if (!document)
        return;
    for (int run = 0; ours && run < 3; ++run) {
        qSetGlobalQHashSeed(-1);
        QVERIFY(XmlMesure::save(read, m_dir.filePath("doc.qv2")));
        QCOMPARE(TestUtil::readFile(m_dir.filePath("doc.qv2")), TestUtil::readFile(dataDir + file));
    }
    // Odd documents: the first of duplicates answers; numbers that do not read count as 0; res 1 alone
    // passes.
    Measurement whole, listed; // the one-pass reading: the first of duplicates too, the comment included
    QVERIFY(XmlMesure::load(dataDir + "duplicates.qv2", &whole) &&
            XmlMesure::summary(dataDir + "duplicates.qv2", &listed));
    QVERIFY(listed == whole && listed.recordId() == whole.recordId());
    const XmlMesure dup(dataDir + "duplicates.qv2", Read), odd(dataDir + "odd_values.qv2", Read);
    QCOMPARE(dup.getInfo("releveur") + '|' + dup.getInfo("poste") + '|' + dup.getRapport(2) + '|' +
                 dup.getComData(),
             QString("du premier info|premier|first|first comment"));
    QCOMPARE(dup.getTest(5).text + QString::number(dup.getCurve(1).value(0).x()), QString("first1"));
    QCOMPARE(QString("%1%2%3").arg(odd.getTest(2).res).arg(odd.getTest(6).res).arg(odd.getTest(18).res),
             QString("010"));
    QCOMPARE(odd.getRapport(0), QString("num not a number"));
    QVERIFY(odd.getCurve(2).value(4) == QPointF(2147483647, -8) && odd.getCurve(2).value(0) == QPointF(0, 7));
}

// The lists in file order with duplicates; types and words compared with case; only "Autre", "Oui" and "Non"
// translated; missing values and sections read empty, a missing title as "CODE GDO".
void TestCore::configLists()
{
    const English translation;
    QCOMPARE(::configLists(XmlConf(dataDir + "conf_odd.xml", Read)),
             QStringList({"", "CODE GDO", "ABB(ABB)||Other", "AUTRE||250 kVA", "20 kV|autre|Other|20 kV|",
                          "66 kV", "Other", "410 V", "Yes|No|No|No|No|No",
                          "9V dry battery:7700|Rechargeable battery:7750|9V dry battery:7200|"
                          "Rechargeable battery:7700|Rechargeable battery:7800|9V dry battery:"}));
    QCOMPARE(::configLists(XmlConf(dataDir + "expected_document.qv2", Read)).join(','),
             QString(",CODE GDO,,,,,,,,"));
}

// Update rewrites config.xml as it was read with only the change made: the lists learn what a save holds,
// compared ignoring case with what is stored (every type), never a placeholder or an empty value.
void TestCore::configRewrite_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ConfAction>("action");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray config = TestUtil::readFile(defaultConfig);
    const QString odd = dataDir + "conf_odd.xml";
    QTest::newRow("known values, placeholders, empty") << defaultConfig << ConfAction([](XmlConf &conf) {
        conf.setLangageencours("fr");
        conf.addFabricant("abb(abb)");
        conf.addTensionBt("autre");
        const English english;
        conf.addPuissance("Other");
        conf.addTensionHT("  ");
    }) << config;
    QTest::newRow("language, an entry appended after Autre")
        << defaultConfig << ConfAction([](XmlConf &conf) {
               conf.setLangageencours("en");
               conf.addTensionHT(QString::fromUtf8("66 kV & \"é\""));
           })
        << QByteArray(config)
               .replace("encours=\"fr\"", "encours=\"en\"")
               .replace("val=\"Autre\"/>\n </tensions_HT>",
                        QString::fromUtf8(
                            "val=\"Autre\"/>\n  <tension_HT type=\"HT1\" val=\"66 kV &amp; &quot;é&quot;\"/>"
                            "\n </tensions_HT>")
                            .toUtf8());
    QTest::newRow("held by an entry of another type") << odd << ConfAction([](XmlConf &conf) {
        conf.addTensionHT("66 KV");
        conf.addTensionBt("410 v");
    }) << TestUtil::readFile(odd);
    QTest::newRow("missing sections") << dataDir + "conf_sections_missing.xml"
                                      << ConfAction([](XmlConf &conf) { conf.addTensionHT("66 kV"); })
                                      << TestUtil::readFile(dataDir + "conf_sections_missing.xml");
    QTest::newRow("missing file") << QString() << ConfAction([](XmlConf &conf) {
        conf.addFabricant("Trafo Nord");
        conf.addTensionHT("20 kV");
        conf.addTensionBt("410 V");
        conf.addPuissance("250 kVA");
        conf.addFabricant("TRAFO NORD");
        conf.setLangageencours("en");
    }) << TestUtil::readFile(dataDir + "conf_created_saved.xml");
}

void TestCore::configRewrite()
{
    QFETCH(QString, file);
    QFETCH(ConfAction, action);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(file.isEmpty() || QFile::copy(file, path));
    for (const XmlAction mode : {Update, Update, Read}) {
        qSetGlobalQHashSeed(-1);
        XmlConf conf(path, mode);
        action(conf);
        QCOMPARE(conf.write(), mode == Update); // Read mode writes nothing
        QCOMPARE(TestUtil::readFile(path), expected);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("config.xml"));
    }
}

void TestCore::failedSave_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Save>("save");
    const Save document = [](const QString &path) { return XmlMesure::save(knownRecord(), path).done(); };
    QTest::newRow("document given up before its write") << "previous.qv2" << Save([](const QString &path) {
        XmlMesure(path, Create).setInfo("poste", "lost");
        return false;
    });
    QTest::newRow("document in a missing folder") << "missing/doc.qv2" << document;
    QTest::newRow("document over a folder") << "folder" << document;
    QTest::newRow("config.xml that is a folder") << "folder" << Save([](const QString &path) {
        XmlConf conf(path, Update);
        conf.addFabricant("Trafo Nord");
        return conf.write();
    });
}

// A save that does not complete says so and leaves every file as it was, with nothing beside it.
void TestCore::failedSave()
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

// Files that could exhaust memory or time read as holding nothing; the largest that may be read is read.
void TestCore::readLimits_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");
    const auto wrap = [](const QByteArray &inner) { return "<OrvaQuardane>" + inner + "</OrvaQuardane>"; };
    const auto nested = [&](int depth) {
        return wrap(QByteArray("<a>").repeated(depth - 1) + QByteArray("</a>").repeated(depth - 1));
    };
    const auto padded = [&](qint64 size) { return wrap(QByteArray(int(size - 29), ' ')); };
    QByteArray bomb = "<!DOCTYPE OrvaXML [<!ENTITY l0 \"lol\">", attributes = "<OrvaQuardane";
    for (int i = 1; i < 10; ++i)
        bomb += "<!ENTITY l" + QByteArray::number(i) + " \"" +
                ("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
    for (int i = 0; i <= xmlreader::MaxAttributesPerElement; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"\"";
    QTest::newRow("entity expansion bomb")
        << bomb + "]>" + wrap("<info><releveur>&l9;</releveur></info>") << false;
    QTest::newRow("external entity") << "<!DOCTYPE OrvaXML [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>" +
                                            wrap("<info><poste>&x;</poste></info>")
                                     << false;
    QTest::newRow("nesting at the limit") << nested(xmlreader::MaxDepth) << true;
    QTest::newRow("nesting one deeper") << nested(xmlreader::MaxDepth + 1) << false;
    QTest::newRow("attributes one more") << attributes + "/>" << false;
    QTest::newRow("too many nodes") << wrap(QByteArray("<a/>").repeated(int(xmlreader::MaxNodes))) << false;
    QTest::newRow("size at the limit") << padded(xmlreader::MaxFileSize) << true;
    QTest::newRow("size one byte over") << padded(xmlreader::MaxFileSize + 1) << false;
}

void TestCore::readLimits()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, readable);
    const QString path = m_dir.filePath("input.xml");
    QVERIFY(TestUtil::writeFile(path, content));
    QCOMPARE(xmlreader::isParsable(path), readable);
    QCOMPARE(XmlMesure(path, Read).isDocument(), readable);
}

QTEST_GUILESS_MAIN(TestCore)
// Each way a port can refuse to open, as the user reads it: Qt's own words kept, and the fix for a
// permission refusal (on Linux, the dialout group) given with that one only.
void TestCore::openFailures_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("start");
    QTest::newRow("permission") << int(QSerialPort::PermissionError) << "acces refuse ou port occupe";
    QTest::newRow("not found") << int(QSerialPort::DeviceNotFoundError) << "le port n'existe plus";
    QTest::newRow("already open") << int(QSerialPort::OpenError) << "port deja ouvert";
    QTest::newRow("unknown") << int(QSerialPort::UnknownError) << "ouverture impossible";
}

void TestCore::openFailures()
{
    QFETCH(int, error);
    QFETCH(QString, start);
    const auto e = QSerialPort::SerialPortError(error);
    const QString text = InstrumentLink::openFailureText(e, "Qt: raison");
    QVERIFY2(text.startsWith(start + " (Qt: raison)"), qPrintable(text));
    QCOMPARE(text.contains("dialout"), e == QSerialPort::PermissionError);
}

void TestCore::appPaths_data()
{
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("installed"); // share/quarvex2 beside bin/
    QTest::newRow("portable") << true << false;
    QTest::newRow("read-only folder") << false << false;
    QTest::newRow("installed, writable (root)") << true << true;
    QTest::newRow("installed") << false << true;
}

// A portable copy keeps everything beside the program. A folder it may not write, or an installed layout
// (even where its owner may write, as root may in /usr/bin), keeps config.xml, Data/ and Maj/ in the user's
// data location, and reads the rest from the installed share folder when there is one.
void TestCore::appPaths()
{
    QFETCH(bool, writable);
    QFETCH(bool, installed);
    QTemporaryDir root;
    const QString bin = root.filePath("bin");
    QVERIFY(QDir().mkpath(bin) && (!installed || QDir().mkpath(root.filePath("share/quarvex2"))));
    const AppPaths paths = AppPaths::locate(bin, writable);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + '/';
    QCOMPARE(paths.data, writable && !installed ? bin + '/' : user);
    QCOMPARE(paths.share, installed ? root.filePath("share/quarvex2/") : bin + '/');
    QVERIFY(AppPaths::isWritableFolder(bin) && !AppPaths::isWritableFolder(root.filePath("none")));
}

void TestCore::evaluation_data()
{
    QTest::addColumn<QString>("ht");
    QTest::addColumn<QString>("bt");
    QTest::addColumn<QString>("ratios");   // A, B, C and the mean
    QTest::addColumn<QString>("expected"); // the rated ratio, then each deviation and whether it is within
    QTest::addColumn<QString>("range");    // the record's measuring range
    const auto row = [](const char *name, const char *ht, const char *bt, const QString &ratios,
                        const QString &expected, const char *range = "") {
        QTest::newRow(name) << QString(ht) << QString(bt) << ratios << expected << QString(range);
    };
    const QString ratios = "48.73 48.78 49.03 48.85";
    const QString at4878 = "48.78 -0.10 % in|0.00 % in|+0.51 % out|+0.14 % in";
    row("20 kV / 410 V", "20 kV", "410 V", ratios, at4878);
    row("20kV / 0,41 kV", "20kV", "0,41 kV", ratios, at4878);
    row("20000 / 410v", "20000", "410v", ratios, at4878);
    row("5.5kV, edge of the tolerance", "5.5kV", "410 V", "13.48 13.35 13.4 ",
        "13.41 +0.49 % in|-0.48 % in|-0.11 % in|-");
    // Exactly at the tolerance's edge: +0.4999... % reads +0.50 %, within; a decimal comma reads.
    row("5.5 kV, 13.4817: +0.50 %", "5.5kV", "410 V", "13.4817 13,35 13.4 13.41",
        "13.41 +0.50 % in|-0.48 % in|-0.11 % in|-0.03 % in", "3-6kV");
    row("other HT", "Autre", "410 V", ratios, "-");
    row("two bt voltages", "20 kV", "400-237 V", ratios, "-");
    row("kilo without volts", "20 k", "410 V", ratios, "-");
    row("no ratio measured", "20 kV", "410 V", "   ", "48.78 -|-|-|-");
    // The record's range against the nameplate: no deviation is judged when they disagree.
    row("range holds HT, bounds included", "20 kV", "410 V", ratios, at4878, "20 - 33 kV");
    row("range of another transformer", "5.5kV", "410 V", ratios, "13.41 range 20000-33000", "20-33kV");
    row("range in volts, HT above", "30 kV", "410 V", ratios, "73.17 range 3000-6000", "3000-6000V");
    row("range that does not read", "20 kV", "410 V", ratios, at4878, "33-20kV");
}

// The rated ratio reads the voltages as the lists hold them; a deviation is signed, with two decimals, and
// within the tolerance as it reads; what does not read leaves the evaluation out. config.xml may set the
// tolerance.
void TestCore::evaluation()
{
    QFETCH(QString, ht);
    QFETCH(QString, bt);
    QFETCH(QString, ratios);
    QFETCH(QString, expected);
    QFETCH(QString, range);
    Measurement m;
    m.tensionHt = ht;
    m.tensionBt = bt;
    m.gamme = range;
    const QStringList r = ratios.split(' ');
    for (size_t i = 0; i < m.ratios.size(); ++i) // as a document holds them: a decimal comma reads too
        QVERIFY(m.takeRatio(uint(i), r.value(int(i))));
    const RatioEvaluation e = RatioEvaluation::of(m, 0.5);
    QStringList shown;
    for (const RatioEvaluation::Deviation &d : e.deviations)
        shown << (d.valid ? Format::percent(d.percent, QLocale::c()) + (d.within ? " in" : " out") : "-");
    const std::optional<Numbers::Range> held = Numbers::range(range);
    if (e.rangeDisagrees) // no deviation is judged against a nameplate the record contradicts
        shown = QStringList{QStringLiteral("range %1-%2").arg(held->low).arg(held->high)};
    QCOMPARE(e.hasRated() ? Format::ratio(e.rated, QLocale::c()) + ' ' + shown.join('|') : QString("-"),
             QString(expected).replace(" %", "\u00a0%"));
    QTemporaryDir dir;
    const QString conf = dir.filePath("config.xml");
    QVERIFY(
        TestUtil::writeFile(conf, XmlConf::builtInDefault().replace(
                                      "</QuardaneConf>", "<tolerance_rapport val=\"1\"/></QuardaneConf>")));
    QCOMPARE(XmlConf(conf, Read).getToleranceRapport(), 1.0);
    QCOMPARE(XmlConf(defaultConfig, Read).getToleranceRapport(), 0.5);
}

// The CSV reads back, as a spreadsheet would split it, to the measurement's own values: one header and the
// same columns on every line, quoted texts whole, numbers in the numeric columns.
void TestCore::csvExport()
{
    Measurement m = knownRecord();
    m.comment = "ligne 1, \"deux\"\nligne 2";
    const QByteArray csv = CsvExport::render(m, RatioEvaluation::of(m, 0.5));
    QVERIFY(csv.startsWith("\xEF\xBB\xBF"
                           "section,item,text,number,point,HT.A,HT.B,HT.C,bt.a,bt.b,bt.c\r\n") &&
            csv.endsWith("\r\n"));
    {
        // The names a script reads are the same whatever the interface's language.
        QTranslator russian;
        QVERIFY(russian.load(QVX_APP_DIR "/quarvex2_ru.qm") && QCoreApplication::installTranslator(&russian));
        QCOMPARE(CsvExport::render(m, RatioEvaluation::of(m, 0.5)), csv);
        QCoreApplication::removeTranslator(&russian);
    }
    QList<QStringList> rows{{}}; // split as CSV: quotes hold commas, quotes and line breaks
    QString cell;
    bool quoted = false;
    const QString text = QString::fromUtf8(csv.mid(3));
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '"' && quoted && text.mid(i + 1, 1) == "\"")
            cell += text[i++];
        else if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == ',' || c == '\n'))
            rows.last() << cell.remove('\r'), cell.clear(), c == '\n' ? rows.append(QStringList()) : void();
        else
            cell += c;
    }
    rows.removeLast();
    QMap<QString, QStringList> first; // each section's first line
    for (const QStringList &row : rows) {
        QCOMPARE(row.size(), 11);
        if (!first.contains(row[0]))
            first[row[0]] = row;
    }
    QCOMPARE(first["identification"].mid(1, 2), QStringList({"operator", m.releveur}));
    QCOMPARE(first["test"].mid(1, 3), QStringList({"Neutre (sec.) / HT.A (prim.) Circuit ouvert",
                                                   m.passed(0) ? "passed" : "failed", "1"}));
    QCOMPARE(first["deviation"].mid(1, 2), QStringList({"HT.A/bt.a", "outside"}));
    QCOMPARE(first["ratio"][3].toDouble(), *m.ratios[0]);
    QCOMPARE(first["comment"][2], m.comment);
    int point = 0;
    for (const QStringList &row : rows)
        if (row[0] == "curve") {
            QCOMPARE(row[4].toInt(), point);
            for (int c = 0; c < 6; ++c)
                QCOMPARE(row[5 + c],
                         point < m.curves[c].size() ? QString::number(m.curves[c][point].y()) : "");
            ++point;
        }
    QCOMPARE(point, m.curves[0].size());
    QCOMPARE(QStringList({CsvExport::field("a,b"), CsvExport::field(" a"), CsvExport::field("a\rb"),
                          CsvExport::field("a\nb"), CsvExport::field("a\"b"), CsvExport::field("a")}),
             QStringList({"\"a,b\"", "\" a\"", "\"a\rb\"", "\"a\nb\"", "\"a\"\"b\"", "a"}));
    m.tensionHt =
        "Autre"; // no rated ratio: no rated line, no deviations; a ratio that does not read has no number
    m.ratios[1] = std::nullopt;
    const QByteArray unrated = CsvExport::render(m, RatioEvaluation::of(m, 0.5));
    QVERIFY(!unrated.contains("\r\nrated,") && !unrated.contains("\r\ndeviation,") &&
            unrated.contains("\r\nratio,HT.B/bt.b,,,"));
}

// The index reads only what is new or changed, forgets what is gone, lists a file that is no document as
// unreadable, writes nothing into Data/, and rebuilds an index file that is corrupt or of an older layout;
// where no index file can be made, it lists all the same.
void TestCore::archiveIndex()
{
    QTemporaryDir dir;
    const QString data = dir.filePath("Data");
    QString index = dir.filePath("user/archive.sqlite");
    Measurement m = knownRecord();
    QVERIFY(QDir().mkpath(data + "/2024") && XmlMesure::save(m, data + "/a.qv2"));
    m.poste = "B";
    QVERIFY(XmlMesure::save(m, data + "/2024/b.qv2") && TestUtil::writeFile(data + "/bad.qv2", "%PDF-1.4"));
    int read = 0;
    auto listed = [&read, &index, &data](bool rebuilt) {
        ArchiveIndex archive(index, data);
        read = 0;
        QStringList shown;
        if (!archive.update([&read](int done, int) { return (read = qMax(read, done)) >= 0; }) ||
            archive.wasRebuilt() != rebuilt)
            return QString("not updated");
        for (const ArchiveEntry &e : archive.entries())
            shown << QFileInfo(e.path).fileName() + ':' +
                         (e.readable ? e.poste + ' ' + QString::number(e.passed) + ' ' +
                                           QString::number(e.deviation, 'f', 2)
                                     : "unreadable");
        return shown.join('|');
    };
    QCOMPARE(listed(true), QString("b.qv2:B 17 2.79|a.qv2:Poste 12 17 2.79|bad.qv2:unreadable"));
    QCOMPARE(read, 3);
    m.poste = "C";
    QFile::remove(data + "/a.qv2");
    QVERIFY(XmlMesure::save(m, data + "/2024/b.qv2"));
    QFile changed(data + "/2024/b.qv2");
    QVERIFY(changed.open(QIODevice::ReadWrite) &&
            changed.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
    changed.close();
    QCOMPARE(listed(false), QString("b.qv2:C 17 2.79|bad.qv2:unreadable"));
    QCOMPARE(read, 1);
    QVERIFY(TestUtil::writeFile(index, "not a database"));
    QCOMPARE(listed(true), QString("b.qv2:C 17 2.79|bad.qv2:unreadable"));
    {
        QSqlDatabase old = QSqlDatabase::addDatabase("QSQLITE", "old");
        old.setDatabaseName(index);
        QVERIFY(old.open() && QSqlQuery("PRAGMA user_version = 0", old).isActive());
        old.close();
    }
    QSqlDatabase::removeDatabase("old");
    QCOMPARE(listed(true), QString("b.qv2:C 17 2.79|bad.qv2:unreadable"));
    index = data + "/bad.qv2/archive.sqlite"; // under a file: no folder for it
    QCOMPARE(listed(true), QString("b.qv2:C 17 2.79|bad.qv2:unreadable"));
    QCOMPARE(QDir(data).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"2024", "bad.qv2"}));
}

// The record's life, step by step: what may be saved, what counts as unsaved work, where a save goes, what a
// new record keeps of the one before. Steps: open (a document), receive (a whole record), cut (a record cut
// off after its first verdict), silent (a download that got nothing), edit, date (set by the user), save,
// clear.
void TestCore::recordLife_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected"); // state, whole, unsaved, path kept, date, verdict 1, comment
    const auto row = [](const char *steps, const char *expected) {
        QTest::newRow(steps) << steps << expected;
    };
    row("", "Empty - - - today none ");
    row("receive", "Complete whole unsaved - today passed ---");
    row("receive save", "Saved whole - path today passed ---");
    row("receive save edit", "Saved whole unsaved path today passed ---");
    row("receive save edit save", "Saved whole - path today passed ---");
    row("open", "Opened whole - path 2021-03-15 passed doc");
    row("open edit", "Opened whole unsaved path 2021-03-15 passed doc");
    // A new record lets the document go and takes the download's date; the form and the comment stay.
    row("open receive", "Complete whole unsaved - today passed ---|doc");
    row("open date receive", "Complete whole unsaved - 2024-02-29 passed ---|doc");
    row("open cut", "Incomplete - unsaved - today failed ---|doc");
    row("open silent", "Incomplete - unsaved - today none doc");
    row("receive cut", "Incomplete - unsaved - today failed ---|---");
    row("cut receive", "Complete whole unsaved - today passed ---|---");
    row("open clear", "Empty - - - 2021-03-15 none doc");
}

void TestCore::recordLife()
{
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    CmdParser parser;
    RecordSession session;
    RecordReader reader(&parser);
    reader.setTarget(&session);
    Measurement document = knownRecord();
    document.comment = "doc";
    int modified = 0;
    connect(&session, &RecordSession::modified, [&modified] { ++modified; });
    QByteArray lines;
    for (const QString &step : steps.split(' ', Qt::SkipEmptyParts)) {
        lines = "Recup_courbe debut 7 \rRESULT 01 x CORRECT x\r";
        if (step == "open") {
            session.opened(m_dir.filePath("doc.qv2"), document);
        } else if (step == "receive" || step == "cut" || step == "silent") {
            session.beginReceiving(); // as a download starts: before the first line
            if (step == "receive")
                lines += "RESULT 01 x CORRECT x\rGAMME 3-6kV x\rRecup_courbe fin 19 6 7 \r";
            else if (step == "cut")
                lines.replace("CORRECT", "DEFAUT");
            else
                lines.clear();
            parser.parse(lines);
            session.endReceiving(false); // the wait ended: whole only if the end line came
        } else if (step == "edit") {
            session.setText(&Measurement::releveur, "edited");
        } else if (step == "date") {
            session.setDate(QDate(2024, 2, 29));
        } else if (step == "save") {
            session.saved(m_dir.filePath("saved.qv2"));
        } else {
            session.clearResults();
        }
    }
    const Measurement &m = session.measurement();
    const QString date = m.date == QDate::currentDate() ? "today" : m.date.toString(Qt::ISODate);
    const Measurement::Verdict v = m.verdicts[0];
    const QString got =
        QStringList({QString(QMetaEnum::fromType<RecordSession::State>().valueToKey(int(session.state()))),
                     session.isWhole() ? "whole" : "-", session.hasUnsavedWork() ? "unsaved" : "-",
                     session.path().isEmpty() ? "-" : "path", date,
                     v == Measurement::Verdict::Passed   ? "passed"
                     : v == Measurement::Verdict::Failed ? "failed"
                                                         : "none",
                     m.comment.split('\n', Qt::SkipEmptyParts).join('|')})
            .join(' ');
    QCOMPARE(got, expected);
    // Reports outside a transfer, or for no record at all, change nothing.
    const Measurement before = session.measurement();
    reader.ratio(4, "9");
    reader.verdict(1, true, QString());
    reader.setTarget(nullptr);
    parser.parse(
        lines = "Recup_courbe debut 8 \rRESULT 02 x CORRECT x\rRAPPORT 2 x 5 x\rRecup_courbe fin a b 8 \r");
    QVERIFY(session.measurement() == before);
    // Whatever the record became, the form's identification stayed, and every change was announced.
    QVERIFY(m.poste == (steps.contains("open") ? document.poste : QString()) &&
            modified >= steps.split(' ', Qt::SkipEmptyParts).size());
}

// Save proposes the record's own document, else a name made from the form; a name held by a document of
// another record (the same transformer tested again) gets the record's date, then a number.
void TestCore::proposedName()
{
    QTemporaryDir dir;
    const QString data = dir.path() + '/';
    RecordSession session;
    session.setText(&Measurement::poste, "P/1");
    session.setText(&Measurement::numTransfo, "T");
    session.setDate(QDate(2024, 5, 14));
    const QString form = data + "/P_1_T_.qv2", dated = data + "/P_1_T__2024-05-14.qv2";
    QCOMPARE(session.proposedFileName(data), form);
    QVERIFY(XmlMesure::save(session.measurement(), form)); // the same record: its own name again
    QCOMPARE(session.proposedFileName(data), form);
    Measurement other = session.measurement();
    other.gamme = "3-6kV"; // another record of the same transformer
    QVERIFY(XmlMesure::save(other, form));
    QCOMPARE(session.proposedFileName(data), dated);
    QVERIFY(XmlMesure::save(other, dated) && TestUtil::writeFile(data + "/P_1_T__2024-05-14_2.qv2", "%PDF"));
    QCOMPARE(session.proposedFileName(data), data + "/P_1_T__2024-05-14_3.qv2");
    session.opened(form, other);
    QCOMPARE(session.proposedFileName(data), form);
}

// Every failure has words of its own for the user, and the exit code a script reads of it.
void TestCore::resultCodes()
{
    using C = Result::Code;
    const std::pair<C, int> codes[] = {{C::Done, 0},     {C::Cancelled, 0},    {C::NotConnected, 2},
                                       {C::Busy, 3},     {C::TimedOut, 3},     {C::NoResponse, 3},
                                       {C::PortLost, 3}, {C::Incomplete, 3},   {C::RefusedFile, 4},
                                       {C::Unknown, 1},  {C::AnswerDiffers, 5}};
    QSet<QString> words;
    for (const auto &[code, exit] : codes) {
        const Result r = code == C::Done ? Result::ok() : Result::failed(code);
        QVERIFY(r.done() == (code == C::Done) && (code == C::Done || !r.reason.isEmpty()));
        words.insert(r.reason);
        QCOMPARE(int(Cli::exitOf(r)), exit);
    }
    QCOMPARE(words.size(), int(std::size(codes)));
    QCOMPARE(Result::failed(C::Busy, "own words").reason, QString("own words"));
}

#include "tst_core.moc"
