// The core without a window or a serial port: the frame parser and its framing, the firmware image, the
// measurement value, documents and config.xml as stored, patch lines, and files the reader refuses.
// Reads cut at arbitrary places are checked by the fuzz corpus replays (fuzz/).

#include "cmdparser.h"
#include "firmwareimage.h"
#include "instrumentcore.h"
#include "lineframer.h"
#include "measurement.h"
#include "patchfile.h"
#include "testutil.h"
#include "xmlconf.h"
#include "xmlmesure.h"
#include "xmlreader.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <functional>
#include <optional>

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
    QObject::connect(&p, &CmdParser::CmdValuesReceived, [&](unsigned n, QVector<QPointF> &pts) {
        events << QStringLiteral("values %1 %2:%3 %4:%5")
                      .arg(n)
                      .arg(pts.first().x())
                      .arg(pts.first().y())
                      .arg(pts.last().x())
                      .arg(pts.last().y());
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
    Measurement m;
    m.releveur = QString::fromUtf8("Hélène Dupré");
    m.date = QDate(2021, 3, 15);
    m.poste = "Poste 12";
    m.codeGdo = "G0042";
    m.numTransfo = "T1234";
    m.puissance = "250 kVA";
    m.fabricant = "Schneider(SCH)";
    m.tensionHt = "20 kV";
    m.fusible = "Oui";
    m.tensionBt = "410 V";
    for (int n = 0; n < Qvx2::TestCount; ++n)
        m.verdicts[size_t(n)] =
            n != 4 && n != 17 ? Measurement::Verdict::Passed : Measurement::Verdict::Failed;
    m.ratios = {"50.12", "50.09", "50.20", "50.14"};
    m.curves[0] = {{0, 512}, {1, -37}, {2, 4095}};
    m.comment = QStringLiteral("Bornes \"HT\" nettoy\u00e9es & serr\u00e9es\nA revoir < 6 mois");
    return m;
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
                                                      {"Pile seche 9V :", "Dry: "},
                                                      {"Pile rechargeable :", "Ni: "}};
        return qstrcmp(context, "QObject") == 0 ? words.value(QString::fromUtf8(sourceText)) : QString();
    }
    bool isEmpty() const override { return false; }
};

// Every list of config.xml as the form gets it, one line a list.
QStringList configLists(const XmlConf &conf)
{
    return {conf.getFabricants().join('|'),
            conf.getPuissances().join('|'),
            conf.getTensionsHT("HT1").join('|'),
            conf.getTensionsHT("HT2").join('|'),
            conf.getTensionsBt("bt").join('|'),
            conf.getTensionsBt("BT").join('|'),
            conf.getEtats().join('|'),
            conf.getPiles().join('|'),
            conf.getLangageencours(),
            conf.getgdotitle()};
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
    void parser_data();
    void parser();
    void framing();
    void firmwarePages_data();
    void firmwarePages();
    void paragraphs();
    void documents_data();
    void documents();
    void storedTexts();
    void configLists();
    void configRewrite_data();
    void configRewrite();
    void unreadableConfig_data();
    void unreadableConfig();
    void failedSave_data();
    void failedSave();
    void readLimits_data();
    void readLimits();
    void patchLines_data();
    void patchLines();

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
        QTest::newRow(name) << active << lines << QString::fromLatin1(outcome);
    };
    row("verdicts", true,
        "RESULT 05 x CORRECT x\rresult 03 Test_clear success ok\rRESULT 03 test_clear SUCCESS ok\r"
        "RESULTAT 19 x DEFAUT x\rRESULT 07 x MAYBE x\rRESULT 05 x CORRECT\rRESULT 123 x CORRECT x\r",
        "result 5 1  | raw RESULT 05 x CORRECT x\\r | result 3 1 clear | raw result 03 Test_clear success "
        "ok\\r | "
        "result 3 1  | raw RESULT 03 test_clear SUCCESS ok\\r | result 19 0  | raw RESULTAT 19 x DEFAUT x\\r "
        "| "
        "result 7 0  | raw RESULT 07 x MAYBE x\\r | result 5 0  | raw RESULT 05 x CORRECT\\r | result 12 1  "
        "| "
        "raw RESULT 123 x CORRECT x\\r | flags ");
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
        "PARAM 1 -5 P_UN \rPARAM 2 3 NOM\rPARAM 3 99999999999 P \rPARAM 0 1 P \rPARAM 27 1 P \r",
        "flags 1,2,3 | param 1 -5 P_UN | param 2 3 NOM\\r | param 3 0 P");
    row("answers", false,
        "Clear_enreg \rInf: recu:EEPROM ok\rInf: x\rconf: stack_used 812\rGAMME 20-33kV x\r"
        "Enreg_en_cours 23 \r",
        "flags 28,29,30,31,33 | range 20-33kV | record 23");
    row("recognised, forwarded", true,
        "FFT x\rTitre: Q\rConf: Stack_Used 1\rBONJOUR\r\nRESULT 01 x CORRECT x\r",
        "raw FFT x\\r | raw Titre: Q\\r | flags 31");
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
        "raw GAMME 20-33kV x\\r | end 20-33kV Recup_courbe fin a b 0007 \\r0007\\rfin de fichier\\r | flags "
        "28,32 | "
        "param 14 2 P | range 20-33kV | record 17");
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
    if (QTest::currentDataTag() == QLatin1String("record")) // the end line stored with its event, then again
        QVERIFY(
            p.text().contains("0007\rfin de fichier\rRecup_courbe fin a b 0007 \r0007\rfin de fichier\r"));
}

// The stream as it comes, in pieces: each framed as it arrives, the rest kept; a stream without a CR is
// dropped at the bound, and the next line reads.
void TestCore::framing()
{
    const QList<QByteArray> pieces = {"AB\rC", "D\r\xC3", "\xA9\r", QByteArray("E\0F\rG", 5)};
    QByteArray buffer;
    QStringList got;
    const auto take = [&] {
        return LineFramer::takeLines(buffer,
                                     [&got](const QByteArray &line) { got << esc(QString::fromUtf8(line)); });
    };
    for (const QByteArray &piece : pieces) {
        buffer += piece;
        QVERIFY(take());
    }
    QCOMPARE(got, QStringList({"AB\\r", "CD\\r", QString::fromUtf8("\xC3\xA9\\r"), "E"}));
    QCOMPARE(buffer, QByteArray("G"));
    for (int i = 0; i < 15; ++i)
        buffer += QByteArray(4096, 'A');
    QVERIFY(take());
    buffer += QByteArray(4096, 'A');
    QVERIFY(!take());
    QVERIFY(buffer.isEmpty());
    buffer += "OK\r";
    QVERIFY(take());
    QCOMPARE(got.last(), QString("OK\\r"));
}

// Pages of an image: 512 bytes as upper-case hex, the last completed with each position's low byte, and the
// checksum of all 512, as the simulated bootloader checks them.
void TestCore::firmwarePages_data()
{
    QTest::addColumn<QByteArray>("image"); // "-": no file
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("complete");
    QTest::newRow("abc") << QByteArray("abc") << int(FirmwareImage::Error::None) << 0;
    QTest::newRow("one page exactly") << TestUtil::firmwareImage(512) << int(FirmwareImage::Error::None) << 1;
    QTest::newRow("largest") << TestUtil::firmwareImage(262143) << int(FirmwareImage::Error::None) << 511;
    QTest::newRow("empty") << QByteArray() << int(FirmwareImage::Error::Empty) << 0;
    QTest::newRow("one byte too long")
        << TestUtil::firmwareImage(262144) << int(FirmwareImage::Error::TooLarge) << 0;
    QTest::newRow("not there") << QByteArray("-") << int(FirmwareImage::Error::Unreadable) << 0;
}

void TestCore::firmwarePages()
{
    QFETCH(QByteArray, image);
    QFETCH(int, error);
    QFETCH(int, complete);
    const QString path = m_dir.filePath("image.bin");
    QFile::remove(path);
    QVERIFY(image == "-" || TestUtil::writeFile(path, image));
    FirmwareImage loaded;
    QCOMPARE(loaded.load(path), error == 0);
    QCOMPARE(int(loaded.error()), error);
    QCOMPARE(loaded.pageCount(), complete);
    QCOMPARE(loaded.errorString().isEmpty(), error != int(FirmwareImage::Error::Unreadable));
    const QMap<int, QByteArray> pages = error ? QMap<int, QByteArray>() : TestUtil::flashedPages(image);
    for (int page = 0; page <= complete + 1; ++page)
        QCOMPARE(loaded.pageText(page),
                 pages.contains(page) ? QString::fromLatin1(qvx2sim::InstrumentCore::pageText(pages[page]))
                                      : QString());
    if (image == "abc")
        QVERIFY(loaded.pageText(0).startsWith("61626303040506") && loaded.pageText(0).endsWith("FEFF23"));
}

// A capture or a comment is kept as a plain-text pane holds it: CR, LF and CR LF end a paragraph alike.
void TestCore::paragraphs()
{
    QString pane;
    for (const QString &p : {QString(), QString("a\rb\r\nc"), QString::fromUtf16(u"d\u2029e\u2028f\u00a0g")})
        Measurement::appendParagraph(pane, p);
    QCOMPARE(pane, QString("a\nb\nc\nd\ne\nf g"));
}

// A document reads as the record it holds, and a save of that record gives its bytes again whatever order
// the attributes come in (QDom keeps them in a hash: each save runs under a fresh seed). A file that is no
// document at all is refused whole.
void TestCore::documents_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("ours");
    QTest::newRow("known record") << "expected_document.qv2" << true;
    QTest::newRow("reordered, extra elements") << "reordered.qv2" << false;
    for (const char *other : {"wrong_root.qv2", "not_xml.qv2", "missing.qv2"})
        QTest::newRow(other) << other << false;
}

void TestCore::documents()
{
    QFETCH(QString, file);
    QFETCH(bool, ours);
    Measurement read;
    read.poste = "untouched";
    const bool document = !file.startsWith("wrong") && !file.startsWith("not") && !file.startsWith("missing");
    QCOMPARE(XmlMesure::load(dataDir + file, &read), document);
    if (!document) {
        QCOMPARE(read.poste, QString("untouched"));
        return;
    }
    QCOMPARE(read, knownRecord());
    for (int run = 0; ours && run < 3; ++run) {
        qSetGlobalQHashSeed(-1);
        QVERIFY(XmlMesure::save(read, m_dir.filePath("doc.qv2")));
        QCOMPARE(TestUtil::readFile(m_dir.filePath("doc.qv2")), TestUtil::readFile(dataDir + file));
    }
    // Odd documents: the first of duplicates answers; numbers that do not read count as 0; res 1 alone
    // passes.
    const XmlMesure dup(dataDir + "duplicates.qv2", Read), odd(dataDir + "odd_values.qv2", Read);
    QCOMPARE(dup.getInfo("releveur") + '|' + dup.getInfo("poste") + '|' + dup.getRapport(2) + '|' +
                 dup.getComData(),
             QString("du premier info|premier|first|first comment"));
    QCOMPARE(dup.getTest(5).text + QString::number(dup.getCurve(1).value(0).x()), QString("first1"));
    QCOMPARE(QString("%1%2%3").arg(odd.getTest(2).res).arg(odd.getTest(6).res).arg(odd.getTest(18).res),
             QString("010"));
    QCOMPARE(odd.getRapport(0), QString("num not a number"));
    QCOMPARE(odd.getCurve(2).value(4), QPointF(2147483647, -8));
    QCOMPARE(odd.getCurve(2).value(0), QPointF(0, 7));
}

// Texts and coordinates as stored: characters XML cannot carry are left out (written as they were, they made
// the whole document unreadable); markup, line ends and blanks come back as they were.
void TestCore::storedTexts()
{
    const QString odd = QString(QChar(0xFFFE)) + "5\x01" + QChar(0xDC00) + 'x' + QChar(0xD800);
    const QString markup = QStringLiteral(" \"cit\u00e9e\" & <b> ]]> &amp;\r\nligne\t2\n\n  fin  ");
    for (const QString &text : {odd, markup, QString(" \t\r")}) {
        const QString path = m_dir.filePath("texts.qv2");
        {
            XmlMesure doc(path, Create);
            doc.setInfo("poste", text);
            doc.setTest(1, true, text);
            doc.setRapport(0, text);
            doc.setComment(text);
            doc.setRecup(text);
            doc.setCurve(3, {{2.5, -2147483648.0}, {1e20, -0.0}});
            QVERIFY(doc.write());
        }
        QVERIFY(TestUtil::readFile(path).contains("<point x=\"2.5\" y=\"-2147483648\"/>\n   <point x=\"1"
                                                  "00000000000000000000\" y=\"0\"/>"));
        const XmlMesure doc(path, Read);
        QCOMPARE(doc.getCurve(3), QVector<QPointF>({{0, -2147483648.0}, {0, 0}}));
        const QString stored = text == odd ? "5x" : text;
        for (const QString &got :
             {doc.getInfo("poste"), doc.getTest(1).text, doc.getRapport(0), doc.getComData(), doc.getRecup()})
            QCOMPARE(got, stored);
    }
}

// The lists in file order with duplicates; types and words compared with case; only "Autre", "Oui" and "Non"
// translated; missing values and sections read empty, a missing title as "CODE GDO".
void TestCore::configLists()
{
    const English translation;
    QCOMPARE(::configLists(XmlConf(dataDir + "conf_odd.xml", Read)),
             QStringList({"ABB(ABB)||Other", "AUTRE||250 kVA", "20 kV|autre|Other|20 kV|", "66 kV", "Other",
                          "410 V", "Yes|No|No|No|No|No",
                          "Dry: 7700|Ni: 7750|Dry: 7200|Ni: 7700|Ni: 7800|Dry: ", "", "CODE GDO"}));
    QCOMPARE(::configLists(XmlConf(dataDir + "expected_document.qv2", Read)),
             QStringList({"", "", "", "", "", "", "", "", "", "CODE GDO"}));
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

void TestCore::unreadableConfig_data()
{
    QTest::addColumn<QByteArray>("content");
    const QByteArray config = TestUtil::readFile(defaultConfig);
    QTest::newRow("edited by hand, tag left open") << QByteArray(config).replace("<codegdo>", "<codegdo");
    QTest::newRow("binary with NUL bytes") << QByteArray("\x00\x01\xff\xfe<\x00QuardaneConf>", 16);
    // Names the stream reader takes with a character XML forbids; the file written back would not read.
    QTest::newRow("NUL in an instruction's name")
        << QByteArray(config).replace("<QuardaneConf>", QByteArray("<?x\0y?>\n<QuardaneConf>", 22));
    QTest::newRow("NUL in an attribute's name")
        << QByteArray(config).replace(" chemin=", QByteArray(" che\0min=", 9));
    QTest::newRow("NUL in the document type's name")
        << QByteArray(config).replace("OrvaXML", QByteArray("Orva\0XML", 8));
}

// A config.xml that does not parse is copied byte for byte beside it, under a new name each time, before
// Update replaces it by the default (not an empty configuration) and applies the change to that.
void TestCore::unreadableConfig()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath("config.xml");
    QVERIFY(TestUtil::writeFile(path, content));
    QCOMPARE(XmlConf::keepUnreadable(dir.filePath("missing.xml")), QString());
    const QString first = XmlConf::keepUnreadable(path);
    QVERIFY2(first.contains(QRegularExpression("config\\.xml\\.unreadable-\\d{8}-\\d{6}$")),
             qPrintable(first));
    QVERIFY(XmlConf::keepUnreadable(path) != first);
    {
        XmlConf conf(path, Update);
        conf.addFabricant("Trafo Nord");
        QVERIFY(conf.write());
    }
    const QStringList kept = QDir(dir.path()).entryList({"config.xml.unreadable-*"}, QDir::Files);
    QCOMPARE(kept.size(), 3);
    for (const QString &copy : kept)
        QCOMPARE(TestUtil::readFile(dir.filePath(copy)), content);
    QCOMPARE(XmlConf(path, Read).getFabricants(), XmlConf(defaultConfig, Read).getFabricants()
                                                      << "Trafo Nord");
    QCOMPARE(XmlConf::keepUnreadable(path), QString()); // readable now: neither kept nor replaced
}

void TestCore::failedSave_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<Save>("save");
    const Save document = [](const QString &path) { return XmlMesure::save(knownRecord(), path); };
    const Save config = [](const QString &path) {
        XmlConf conf(path, Update);
        conf.addFabricant("Trafo Nord");
        return conf.write();
    };
    QTest::newRow("document given up before its write") << "previous.qv2" << Save([](const QString &path) {
        XmlMesure doc(path, Create);
        doc.setInfo("poste", "lost");
        return false;
    });
    QTest::newRow("document in a missing folder") << "missing/doc.qv2" << document;
    QTest::newRow("document over a folder") << "folder" << document;
    QTest::newRow("config.xml in a missing folder") << "missing/config.xml" << config;
    QTest::newRow("config.xml that is a folder") << "folder" << config;
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
    const auto nested = [](int depth) {
        return "<OrvaQuardane>" + QByteArray("<a>").repeated(depth - 1) +
               QByteArray("</a>").repeated(depth - 1) + "</OrvaQuardane>";
    };
    QByteArray bomb = "<?xml version='1.0'?>\n<!DOCTYPE OrvaXML [\n <!ENTITY l0 \"lol\">\n";
    for (int i = 1; i < 10; ++i)
        bomb += " <!ENTITY l" + QByteArray::number(i) + " \"" +
                QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    const QByteArray head = "<OrvaQuardane><info><releveur>x</releveur></info>", tail = "</OrvaQuardane>";
    const auto padded = [&](qint64 size) {
        return head + QByteArray(int(size - head.size() - tail.size()), ' ') + tail;
    };
    QTest::newRow("entity expansion bomb")
        << bomb + "]>\n<OrvaQuardane><info><releveur>&l9;</releveur></info></OrvaQuardane>" << false;
    QTest::newRow("external entity") << QByteArray(
                                            "<!DOCTYPE OrvaXML [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
                                            "<OrvaQuardane><info><poste>&x;</poste></info></OrvaQuardane>")
                                     << false;
    QTest::newRow("nesting at the limit") << nested(xmlreader::MaxDepth) << true;
    QTest::newRow("nesting one deeper") << nested(xmlreader::MaxDepth + 1) << false;
    QByteArray attributes = "<OrvaQuardane";
    for (int i = 0; i <= xmlreader::MaxAttributesPerElement; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"\"";
    QTest::newRow("attributes one more") << attributes + "/>" << false;
    QTest::newRow("too many nodes") << "<OrvaQuardane>" +
                                           QByteArray("<a/>").repeated(int(xmlreader::MaxNodes)) +
                                           "</OrvaQuardane>"
                                    << false;
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
    QFile::remove(path);
}

// A patch line names a parameter and gives its value as the third field; anything else is no parameter.
void TestCore::patchLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("parsed"); // "name value", empty when the line is skipped
    QTest::newRow("name = value") << "P_TEMP_MAX = 55"
                                  << "P_TEMP_MAX 55";
    QTest::newRow("name number value, more, tabs") << "P_GAIN_HT \t 7  -10 x"
                                                   << "P_GAIN_HT -10";
    QTest::newRow("value not a number") << "P_A = 12abc"
                                        << "P_A 0";
    QTest::newRow("two fields") << "P_A 3"
                                << "";
    QTest::newRow("indented") << "  P_A = 3"
                              << "";
}

void TestCore::patchLines()
{
    QFETCH(QString, line);
    QFETCH(QString, parsed);
    // As a file, in the system's encoding and with CR LF ends.
    const QString path = m_dir.filePath("patch.txt");
    QVERIFY(TestUtil::writeFile(path, (line + "\r\n" + line).toLocal8Bit()));
    QVector<PatchLine> lines;
    QVERIFY(PatchFile::read(path, &lines));
    QStringList read;
    for (const PatchLine &l : lines)
        read << l.name + ' ' + QString::number(l.value);
    QCOMPARE(read, parsed.isEmpty() ? QStringList() : QStringList({parsed, parsed}));
    QVERIFY(!PatchFile::read(m_dir.filePath("missing.txt"), &lines) && lines.isEmpty());
}

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
