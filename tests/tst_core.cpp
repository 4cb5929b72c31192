// The core without a window or a serial port: the frame parser and its framing, the firmware image, the
// measurement value, the documents and config.xml as stored, patch lines, and files the reader refuses.
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
#include <QElapsedTimer>
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

// The parser's signals as text lines; the forwarded lines apart, as they mirror text().
struct Recorder {
    QStringList events;
    QStringList raw;
    explicit Recorder(CmdParser &p)
    {
        QObject::connect(&p, &CmdParser::cmdDebReceived, [this](QString t) { events << "deb " + esc(t); });
        QObject::connect(&p, &CmdParser::CmdRawDataReceived, [this](QString t) { raw << t; });
        QObject::connect(&p, &CmdParser::CmdResultatReceived, [this](unsigned n, bool ok, QString com) {
            events << QStringLiteral("result %1 %2 %3").arg(n).arg(ok).arg(com);
        });
        QObject::connect(&p, &CmdParser::CmdValuesReceived, [this](unsigned n, QVector<QPointF> &pts) {
            QStringList s;
            for (const QPointF &pt : pts)
                s << QStringLiteral("%1:%2").arg(pt.x()).arg(pt.y());
            events << QStringLiteral("values %1 %2").arg(n).arg(s.join(','));
        });
        QObject::connect(&p, &CmdParser::CmdEndReceived, [this](QString c, QString g, QString n) {
            events << "end " + esc(c) + " | " + esc(g) + " | " + esc(n);
        });
        QObject::connect(&p, &CmdParser::CmdRapportReceived, [this](unsigned n, QString r) {
            events << QStringLiteral("rapport %1 %2").arg(n).arg(r);
        });
    }
};

QString flags(const CmdParser &p)
{
    QStringList set;
    for (int i = 0; i < Qvx2::FlagCount; ++i)
        if (p.received[i])
            set << QString::number(i);
    return set.join(',');
}

// The values a stream left in the parser, those still at their initial value left out.
QString stored(const CmdParser &p)
{
    QStringList s;
    for (int i = 0; i < Qvx2::ParamCount; ++i)
        if (!p.params[i].name.isEmpty() || p.params[i].value)
            s << QStringLiteral("param %1 %2 %3").arg(i).arg(p.params[i].value).arg(esc(p.params[i].name));
    if (!p.range.isEmpty())
        s << "range " + esc(p.range);
    if (p.recordNumber)
        s << "record " + QString::number(p.recordNumber);
    QStringList ratios;
    bool anyRatio = false;
    for (double r : p.ratios) {
        ratios << QString::number(r, 'g', 10);
        anyRatio |= r != 0.0;
    }
    if (anyRatio)
        s << "ratios " + ratios.join(' ');
    return s.join('|');
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

// A document with nothing in it reads as this.
Measurement emptyRecord()
{
    Measurement m;
    m.verdicts.fill(Measurement::Verdict::Failed);
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
                                                      {"Pile seche 9V :", "Dry 9V battery: "},
                                                      {"Pile rechargeable :", "Rechargeable battery: "}};
        return qstrcmp(context, "QObject") == 0 ? words.value(QString::fromUtf8(sourceText)) : QString();
    }
    bool isEmpty() const override { return false; }
};

// Every list of config.xml as the form gets it, one line a list.
QStringList configLists(const XmlConf &conf)
{
    const QStringList lists[] = {
        conf.getFabricants(),      conf.getPuissances(),     conf.getTensionsHT("HT1"),
        conf.getTensionsHT("HT2"), conf.getTensionsBt("bt"), conf.getTensionsBt("BT"),
        conf.getEtats(),           conf.getPiles(),          {conf.getLangageencours()},
        {conf.getgdotitle()}};
    QStringList lines;
    for (const QStringList &list : lists)
        lines << list.join('|');
    return lines;
}

const QStringList emptyConfig = {"", "", "", "", "", "", "", "", "", "CODE GDO"};

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

} // namespace

using ReadItem = std::function<QString(const XmlMesure &)>;
using ConfAction = std::function<void(XmlConf &)>;
using Save = std::function<bool(const QString &)>; // what write() answered
Q_DECLARE_METATYPE(ReadItem)
Q_DECLARE_METATYPE(ConfAction)
Q_DECLARE_METATYPE(Save)
Q_DECLARE_METATYPE(Measurement)

class TestCore : public QObject
{
    Q_OBJECT

private slots:

    void parserLines_data();
    void parserLines();
    void recordTransfer();
    void framing_data();
    void framing();
    void firmwarePages_data();
    void firmwarePages();
    void paragraphs_data();
    void paragraphs();
    void documents_data();
    void documents();
    void documentItems_data();
    void documentItems();
    void storedTexts_data();
    void storedTexts();
    void configLists_data();
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

// Lines outside a record: the events they give, the flags they set, what they store, and whether they are
// recognised (forwarded and kept in text()).
void TestCore::parserLines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("flagSet");
    QTest::addColumn<QString>("values");
    QTest::addColumn<bool>("recognised");
    const auto row = [](const char *name, const QByteArray &line, const char *events, const char *flagSet,
                        const char *values, bool recognised) {
        QTest::newRow(name) << line << QString(events) << QString(flagSet) << QString(values) << recognised;
    };

    row("verdict correct", "RESULT 05 x CORRECT x\r", "result 5 1 ", "", "", true);
    row("verdict success lower case", "result 03 Test_clear success ok\r", "result 3 1 clear", "", "", true);
    row("Test_clear case matters", "RESULT 03 test_clear SUCCESS ok\r", "result 3 1 ", "", "", true);
    row("verdict defaut", "RESULTAT 19 x DEFAUT x\r", "result 19 0 ", "", "", true);
    row("verdict other word", "RESULT 07 x MAYBE x\r", "result 7 0 ", "", "", true);
    row("verdict carrying CR", "RESULT 05 x CORRECT\r", "result 5 0 ", "", "", true);
    row("verdict three digits", "RESULT 123 x CORRECT x\r", "result 12 1 ", "", "", true);
    row("curve channel 4 on 3", "V. 4 0 100 0 1 2 3 4 5 6 7 8 9 10\r",
        "values 3 100:1,101:2,102:3,103:4,104:5,105:6,106:7,107:8,108:9,109:10", "", "", true);
    row("curve channel 2 on 2", "V. 2 0 0 0 1 1 1 1 1 1 1 1 1 1 \r",
        "values 2 0:1,1:1,2:1,3:1,4:1,5:1,6:1,7:1,8:1,9:1", "", "", true);
    row("curve short and junk", "v. 6 0 5 0 7 x 9\r", "values 5 5:7,6:0,7:9,8:0,9:0,10:0,11:0,12:0,13:0,14:0",
        "", "", true);
    row("ratios and mean at the third", "RAPPORT 0 x 10.0 x\rRAPPORT 1 x 11.0\rRAPPORT 2 x 12.0 x\r",
        "rapport 0 10.00|rapport 1 11.00|rapport 2 12.00|rapport 3 11.00", "", "ratios 10 11 12 11 0 0 0 0 0",
        true);
    row("ratios rounded, junk, exponent", "RAPPORT 0 x 12.3456 x\rRAPPORT 1 x abc x\rRAPPORT 2 x 1e1 x\r",
        "rapport 0 12.35|rapport 1 0.00|rapport 2 10.00|rapport 3 7.45", "",
        "ratios 12.3456 0 10 7.448533333 0 0 0 0 0", true);
    row("ratio index outside 0..8", "RAPPORT 9 x 5 x\rRAPPORT -1 x 5 x\rRAPPORT 8 x 7 x\r", "", "",
        "ratios 0 0 0 0 0 0 0 0 7", true);
    row("PARAM 1 negative", "PARAM 1 -5 P_UN \r", "", "1", "param 1 -5 P_UN", true);
    row("PARAM 26", "PARAM 26 7 P_DERNIER \r", "", "26", "param 26 7 P_DERNIER", true);
    row("PARAM name keeps CR", "PARAM 2 3 NOM\r", "", "2", "param 2 3 NOM\\r", true);
    row("PARAM overflowing value", "PARAM 3 99999999999 P \r", "", "3", "param 3 0 P", true);
    row("PARAM 0 and 27", "PARAM 0 1 P \rPARAM 27 1 P \r", "", "", "", true);
    row("recognised, nothing else",
        "FFT x\rtransformateur 1\rVoie 1\rTitre: Q\rTempsUse: 1\rALIM 9\rIDENT Q\r", "", "", "", true);
    row("Clear_enreg", "Clear_enreg \r", "", "33", "", true);
    row("Inf eeprom", "Inf: recu:EEPROM ok\r", "", "30", "", true);
    row("Inf other", "Inf: autre ok\r", "", "", "", true);
    row("Conf probe, not recognised", "conf: stack_used 812\r", "", "31", "", false);
    row("Conf other", "Conf: x 812\r", "", "", "", false);
    row("GAMME", "GAMME 20-33kV x\r", "", "28", "range 20-33kV", true);
    row("RANGE", "range 10-19kV x\r", "", "28", "range 10-19kV", true);
    row("Enreg_en_cours", "Enreg_en_cours 23 \r", "", "29", "record 23", true);
    row("Recup_courbe other", "Recup_courbe milieu x\r", "", "", "", false);
    row("unknown", "BONJOUR 1 2\r", "", "", "", false);
    row("after CR LF", "\nRESULT 01 x CORRECT x\r", "", "", "", false);
    row("NUL cuts the line", QByteArray("RESULT 01 x CORRECT x\0garbage\r", 30), "result 1 1 ", "", "", true);
    // A keyword that ends the line carries the CR and matches nothing.
    for (const char *k : {"RESULT", "V.", "Clear_enreg", "RAPPORT", "PARAM", "Inf:", "GAMME",
                          "Enreg_en_cours", "Recup_courbe debut", "Recup_courbe fin"})
        row(qPrintable(QStringLiteral("%1 alone").arg(k)), QByteArray(k) + '\r', "", "", "", false);
}

void TestCore::parserLines()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, events);
    QFETCH(QString, flagSet);
    QFETCH(QString, values);
    QFETCH(bool, recognised);
    const int nul = line.indexOf('\0');
    const QString text = recognised ? QString::fromUtf8(nul < 0 ? line : line.left(nul)) : QString();

    // Within a transfer, then idle: an idle parser sets and stores the same but emits only the ratios.
    for (const bool active : {true, false}) {
        CmdParser p;
        if (active)
            p.reset();
        Recorder r(p);
        QByteArray buffer = line;
        p.parse(buffer);
        QVERIFY(buffer.isEmpty());
        const QStringList expected = events.isEmpty() ? QStringList() : events.split('|');
        QCOMPARE(r.events, active ? expected : expected.filter(QRegularExpression("^rapport ")));
        QCOMPARE(r.raw.join(QString()), active ? text : QString());
        QCOMPARE(p.text(), text);
        QCOMPARE(flags(p), flagSet);
        QCOMPARE(stored(p), values);
    }
}

// A start line begins a transfer, keeping only parameters and record number; the end line closes it.
void TestCore::recordTransfer()
{
    CmdParser p;
    Recorder r(p);
    QByteArray b = "PARAM 14 2 P_DEMAR_GAMME \rEnreg_en_cours 17 \rGAMME 1-5kV x\rRAPPORT 5 x 3 x\r"
                   "Recup_courbe debut x\rRESULT 01 x CORRECT x\rV. 5 0 0 0 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 \r"
                   "RAPPORT 0 x 48.10 x\rRAPPORT 1 x 48.20 x\rRAPPORT 2 x 48.30 x\rGAMME 20-33kV x\r"
                   "Recup_courbe fin a b 0007 \r";
    p.parse(b);
    const QString end = "Recup_courbe fin a b 0007 \r0007\rfin de fichier\r";
    QVERIFY(!p.active);
    QCOMPARE(flags(p), QString("28,32"));
    QCOMPARE(stored(p), QString("param 14 2 P_DEMAR_GAMME|range 20-33kV|record 17|"
                                "ratios 48.1 48.2 48.3 48.2 0 0 0 0 0"));
    QVERIFY(p.text().startsWith("Recup_courbe debut x\rRESULT 01 x CORRECT x\r"));
    QVERIFY(p.text().endsWith(end + end)); // stored with the end event, then again as a recognised line
    QCOMPARE(r.events.first(), QString("deb ---\\r"));
    const QString last = r.events.last();
    QVERIFY2(last.startsWith("end Recup_courbe debut x\\r") && last.endsWith(" | 20-33kV | " + esc(end)),
             qPrintable(last));
    QCOMPARE(r.raw.size(), 7); // the end line is not forwarded

    // Idle, an end line still sets its flag and stores the number, without an event.
    CmdParser idle;
    Recorder ri(idle);
    b = "Recup_courbe fin a b c\r";
    idle.parse(b);
    QCOMPARE(idle.numero, QString("c\r"));
    QCOMPARE(flags(idle), QString("32"));
    QVERIFY(ri.events.isEmpty() && ri.raw.isEmpty());
}

// The stream as it arrives, in pieces: each piece framed as it comes, what is left kept for the next one.
void TestCore::framing_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("left");
    QTest::newRow("two lines and half of one")
        << QList<QByteArray>{"AB\rCD\rE"} << QStringList{"AB\\r", "CD\\r"} << QByteArray("E");
    QTest::newRow("a line over three reads")
        << QList<QByteArray>{"RES", "UL", "T\r"} << QStringList{"RESULT\\r"} << QByteArray();
    QTest::newRow("a character split between reads")
        << QList<QByteArray>{"\xC3", "\xA9\r"} << QStringList{QString::fromUtf8("\xC3\xA9\\r")}
        << QByteArray();
    QTest::newRow("a NUL cuts the line, its CR too")
        << QList<QByteArray>{QByteArray("A\0B\rC\r", 6)} << QStringList{"A", "C\\r"} << QByteArray();
    // 100 reads of 4 KiB without a CR: dropped at the bound, then the stream goes on.
    QList<QByteArray> flood;
    for (int i = 0; i < 100; ++i)
        flood << QByteArray(4096, 'A');
    flood << "\rOK\r";
    QTest::newRow("flood, then a line") << flood << QStringList{"OK\\r"} << QByteArray();
}

void TestCore::framing()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, left);
    QByteArray buffer;
    QStringList got;
    for (const QByteArray &piece : pieces) {
        buffer += piece;
        LineFramer::takeLines(buffer,
                              [&got](const QByteArray &line) { got << esc(QString::fromUtf8(line)); });
        QVERIFY(buffer.size() <= Qvx2::ReceiveBufferLimit);
    }
    // The flood's tail (the part after the last drop) comes out as one line before the CR: left out here.
    got = got.filter(QRegularExpression("^(?!AAAA)"));
    QCOMPARE(got, lines);
    QCOMPARE(buffer, left);
}

// Pages of an image: 512 bytes as upper-case hex, the last completed with each position's low byte, and
// the checksum of all 512 bytes, as the instrument's bootloader checks them.
void TestCore::firmwarePages_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("complete");
    QTest::newRow("abc") << QByteArray("abc") << int(FirmwareImage::Error::None) << 0;
    QTest::newRow("one page exactly") << TestUtil::firmwareImage(512) << int(FirmwareImage::Error::None) << 1;
    QTest::newRow("two pages and a bit")
        << TestUtil::firmwareImage(1300) << int(FirmwareImage::Error::None) << 2;
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
    if (image != "-")
        QVERIFY(TestUtil::writeFile(path, image));
    FirmwareImage loaded;
    QCOMPARE(loaded.load(path), error == int(FirmwareImage::Error::None));
    QCOMPARE(int(loaded.error()), error);
    QCOMPARE(loaded.pageCount(), complete);
    if (error != int(FirmwareImage::Error::None)) {
        QCOMPARE(loaded.pageText(0), QString());
        QCOMPARE(loaded.errorString().isEmpty(), error != int(FirmwareImage::Error::Unreadable));
        return;
    }
    const QMap<int, QByteArray> pages = TestUtil::flashedPages(image);
    QCOMPARE(pages.size(), complete + 1);
    for (auto it = pages.cbegin(); it != pages.cend(); ++it)
        QCOMPARE(loaded.pageText(it.key()),
                 QString::fromLatin1(qvx2sim::InstrumentCore::pageText(it.value())));
    QCOMPARE(loaded.pageText(complete + 1), QString());
    if (image == "abc")
        QVERIFY(loaded.pageText(0).startsWith("61626303040506") && loaded.pageText(0).endsWith("FEFF23"));
}

// A capture or a comment stored as a plain-text pane holds it: CR, LF and CR LF end a paragraph alike.
void TestCore::paragraphs_data()
{
    QTest::addColumn<QStringList>("appended");
    QTest::addColumn<QString>("text");
    QTest::newRow("first paragraph, no break before") << QStringList{"a"} << "a";
    QTest::newRow("paragraphs joined by LF") << QStringList{"a", "b"} << "a\nb";
    QTest::newRow("CR, CR LF, LF") << QStringList{"a\rb\r\nc\nd"} << "a\nb\nc\nd";
    QTest::newRow("an empty first paragraph leaves it empty") << QStringList{"", "x"} << "x";
    QTest::newRow("separators and no-break space")
        << QStringList{QString::fromUtf16(u"a\u2029b\u2028c\u00a0d")} << "a\nb\nc d";
}

void TestCore::paragraphs()
{
    QFETCH(QStringList, appended);
    QFETCH(QString, text);
    QString pane;
    for (const QString &p : appended)
        Measurement::appendParagraph(pane, p);
    QCOMPARE(pane, text);
    QCOMPARE(Measurement::asParagraphs(text), text);
}

// A document reads as the record it holds, and one of ours comes out of every save with the same bytes:
// QDom orders attributes by hash, so each save runs under a fresh seed. A file that is no document at all
// is refused whole.
void TestCore::documents_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("document");
    QTest::addColumn<Measurement>("record");
    QTest::addColumn<bool>("ours");
    QTest::newRow("known record") << "expected_document.qv2" << true << knownRecord() << true;
    QTest::newRow("nothing in it") << "expected_empty.qv2" << true << emptyRecord() << false;
    QTest::newRow("sections reordered, extra elements") << "reordered.qv2" << true << knownRecord() << false;
    QTest::newRow("config root") << "wrong_root.qv2" << false << Measurement() << false;
    QTest::newRow("not XML") << "not_xml.qv2" << false << Measurement() << false;
    QTest::newRow("no such file") << "missing.qv2" << false << Measurement() << false;
}

void TestCore::documents()
{
    QFETCH(QString, file);
    QFETCH(bool, document);
    QFETCH(Measurement, record);
    QFETCH(bool, ours);
    Measurement read = knownRecord();
    read.poste = "untouched";
    QCOMPARE(XmlMesure::load(dataDir + file, &read), document);
    if (!document) {
        QCOMPARE(read.poste, QString("untouched"));
        return;
    }
    QCOMPARE(read, record);
    for (int run = 0; ours && run < 3; ++run) {
        qSetGlobalQHashSeed(-1);
        QVERIFY(XmlMesure::save(record, m_dir.filePath("doc.qv2")));
        QCOMPARE(TestUtil::readFile(m_dir.filePath("doc.qv2")), TestUtil::readFile(dataDir + file));
    }
    // Saved and read again, it is the same record.
    QVERIFY(XmlMesure::save(read, m_dir.filePath("again.qv2")));
    Measurement again;
    QVERIFY(XmlMesure::load(m_dir.filePath("again.qv2"), &again));
    QCOMPARE(again, record);
}

// Items as the reader finds them in odd documents: the first of duplicates, numbers that do not read.
void TestCore::documentItems_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ReadItem>("read");
    QTest::addColumn<QString>("expected");
    using Read = ReadItem;
    const auto test = [](int n) {
        return Read([n](const XmlMesure &d) {
            const TestRecord t = d.getTest(n);
            return QStringLiteral("%1 %2 %3").arg(t.num).arg(t.res).arg(t.text);
        });
    };
    const auto curve = [](int n) {
        return Read([n](const XmlMesure &d) {
            QStringList s;
            for (const QPointF &p : d.getCurve(n))
                s << QStringLiteral("(%1,%2)").arg(p.x(), 0, 'g', 17).arg(p.y(), 0, 'g', 17);
            return s.join(' ');
        });
    };
    const QString dup = "duplicates.qv2", odd = "odd_values.qv2";
    QTest::newRow("first info section")
        << dup << Read([](const XmlMesure &d) { return d.getInfo("releveur"); }) << "du premier info";
    QTest::newRow("first info item") << dup << Read([](const XmlMesure &d) { return d.getInfo("poste"); })
                                     << "premier";
    QTest::newRow("first test") << dup << test(5) << "5 1 first";
    QTest::newRow("first rapport") << dup << Read([](const XmlMesure &d) { return d.getRapport(2); })
                                   << "first";
    QTest::newRow("first curve") << dup << curve(1) << "(1,1)";
    QTest::newRow("first comment") << dup << Read([](const XmlMesure &d) { return d.getComData(); })
                                   << "first comment";
    QTest::newRow("res 2 is no pass") << odd << test(2) << "2 0 deux";
    QTest::newRow("res 01") << odd << test(6) << "6 1 zero un";
    QTest::newRow("no such test") << odd << test(18) << "18 0 ";
    // A number that is not base-10 reads as 0, so the first such entry answers for 0.
    QTest::newRow("rapport num not a number")
        << odd << Read([](const XmlMesure &d) { return d.getRapport(0); }) << "num not a number";
    QTest::newRow("coordinates not integers read 0")
        << odd << curve(2) << "(0,7) (0,7) (0,7) (0,0) (2147483647,-8) (0,-2147483648) (0,9)";
}

void TestCore::documentItems()
{
    QFETCH(QString, file);
    QFETCH(ReadItem, read);
    QFETCH(QString, expected);
    QCOMPARE(read(XmlMesure(dataDir + file, Read)), expected);
}

// Texts and coordinates as stored: characters XML cannot carry are left out (written as they were, they
// made the whole measurement unreadable), markup and line ends come back as they were.
void TestCore::storedTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("control characters") << QStringLiteral("RESULT 01 \u0001Test\u001b[0m CORRECT\r")
                                        << QStringLiteral("RESULT 01 Test[0m CORRECT\r");
    QTest::newRow("non-characters, lone surrogates")
        << QString(QChar(0xFFFE)) + '5' + QChar(0xFFFF) + QChar(0xDC00) + 'x' + QChar(0xD800) << "5x";
    const QString markup = QStringLiteral(" \"cit\u00e9e\" & <b> 'x' ]]> &amp;\r\nligne\t2\n\n  fin  ");
    QTest::newRow("markup and line ends") << markup << markup;
    // A CR is written as a character reference, which the reader's blank check once missed.
    QTest::newRow("blanks with a CR") << QString(" \t\r") << " \t\r";
}

void TestCore::storedTexts()
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
        doc.setCurve(3, {{2.5, -2147483648.0}, {1e20, -0.0}});
        QVERIFY(doc.write());
    }
    QVERIFY(TestUtil::readFile(path).contains("<point x=\"2.5\" y=\"-2147483648\"/>"));
    QVERIFY(TestUtil::readFile(path).contains("<point x=\"100000000000000000000\" y=\"0\"/>"));
    const XmlMesure doc(path, Read);
    QCOMPARE(doc.getCurve(3), QVector<QPointF>({{0, -2147483648.0}, {0, 0}}));
    for (const QString &got :
         {doc.getInfo("poste"), doc.getTest(1).text, doc.getRapport(0), doc.getComData(), doc.getRecup()})
        QCOMPARE(got, stored);
}

void TestCore::configLists_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QStringList>("expected");
    // Order and duplicates kept, types and words compared with case, only "Autre", "Oui" and "Non"
    // translated.
    QTest::newRow("odd entries, English")
        << dataDir + "conf_odd.xml" << true
        << QStringList{"ABB(ABB)||Other",
                       "AUTRE||250 kVA",
                       "20 kV|autre|Other|20 kV|",
                       "66 kV",
                       "Other",
                       "410 V",
                       "Yes|No|No|No|No|No",
                       "Dry 9V battery: 7700|Rechargeable battery: 7750|Dry 9V battery: 7200|"
                       "Rechargeable battery: 7700|Rechargeable battery: 7800|Dry 9V battery: ",
                       "",
                       "CODE GDO"};
    QTest::newRow("document root") << dataDir + "expected_document.qv2" << false << emptyConfig;
}

void TestCore::configLists()
{
    QFETCH(QString, file);
    QFETCH(bool, english);
    QFETCH(QStringList, expected);
    std::optional<English> translation;
    if (english)
        translation.emplace();
    QCOMPARE(::configLists(XmlConf(file, Read)), expected);
}

// Update rewrites config.xml as it was read, with only the change made: the lists learn what a save holds,
// compared ignoring case with what is stored, but never a placeholder or an empty value.
void TestCore::configRewrite_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<ConfAction>("action");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray config = TestUtil::readFile(defaultConfig);
    const QString missing = dataDir + "conf_sections_missing.xml";
    const auto inserted = [&config](const QByteArray &after, const QByteArray &line) {
        return QByteArray(config).replace(after + "\n", after + "\n" + line + "\n");
    };
    QTest::newRow("entries there in other case, placeholders, empty")
        << defaultConfig << ConfAction([](XmlConf &conf) {
               ::configLists(conf);
               conf.setLangageencours("fr");
               conf.addFabricant("abb(abb)");
               conf.addPuissance("1000 KVA");
               conf.addTensionHT("3 kv");
               conf.addTensionBt("autre");
               conf.addFabricant("Autre");
               const English english;
               conf.addPuissance("Other");
               conf.addTensionHT("");
               conf.addTensionBt("  ");
           })
        << config;
    QTest::newRow("other language") << defaultConfig
                                    << ConfAction([](XmlConf &conf) { conf.setLangageencours("en"); })
                                    << QByteArray(config).replace("encours=\"fr\"", "encours=\"en\"");
    QTest::newRow("fabricant appended after Autre")
        << defaultConfig
        << ConfAction([](XmlConf &conf) { conf.addFabricant(QString::fromUtf8("Électro & Fils")); })
        << inserted("  <fabricant nom=\"Autre\"/>",
                    QString::fromUtf8("  <fabricant nom=\"Électro &amp; Fils\"/>").toUtf8());
    QTest::newRow("HT voltage appended with its type")
        << defaultConfig << ConfAction([](XmlConf &conf) { conf.addTensionHT("66 kV"); })
        << inserted("  <tension_HT type=\"HT1\" val=\"Autre\"/>",
                    "  <tension_HT type=\"HT1\" val=\"66 kV\"/>");
    QTest::newRow("a value held by an entry of another type")
        << dataDir + "conf_odd.xml" << ConfAction([](XmlConf &conf) {
               conf.addTensionHT("66 KV");
               conf.addTensionBt("410 v");
           })
        << TestUtil::readFile(dataDir + "conf_odd.xml");
    QTest::newRow("additions to missing sections go nowhere")
        << missing << ConfAction([](XmlConf &conf) { conf.addTensionHT("66 kV"); })
        << TestUtil::readFile(missing);
    QTest::newRow("missing file, entries learned") << QString() << ConfAction([](XmlConf &conf) {
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
    for (int run = 0; run < 3; ++run) {
        qSetGlobalQHashSeed(-1);
        {
            XmlConf conf(path, Update);
            action(conf);
            QVERIFY(conf.write());
        }
        QCOMPARE(TestUtil::readFile(path), expected);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("config.xml"));
    }
    // Read mode writes nothing.
    XmlConf read(path, Read);
    action(read);
    QVERIFY(!read.write());
    QCOMPARE(TestUtil::readFile(path), expected);
}

void TestCore::unreadableConfig_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");
    const QByteArray config = TestUtil::readFile(defaultConfig);
    QTest::newRow("edited by hand, tag left open")
        << QByteArray(config).replace("<codegdo>", "<codegdo") << false;
    QTest::newRow("binary with NUL bytes") << QByteArray("\x00\x01\xff\xfe<\x00QuardaneConf>", 16) << false;
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
void TestCore::unreadableConfig()
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
    {
        XmlConf conf(path, Update);
        conf.addFabricant("Trafo Nord");
        QVERIFY(conf.write());
    }
    const QStringList kept = QDir(dir.path()).entryList({"config.xml.unreadable-*"}, QDir::Files);
    QCOMPARE(kept.size(), readable ? 0 : 3);
    for (const QString &copy : kept)
        QCOMPARE(TestUtil::readFile(dir.filePath(copy)), content);
    // An unreadable file gives way to the default, not to an empty configuration.
    QCOMPARE(XmlConf(path, Read).getFabricants(), XmlConf(defaultConfig, Read).getFabricants()
                                                      << "Trafo Nord");
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
    // Neither readable nor kept aside: it must stay as it is.
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

// Files that could exhaust memory or time, or that do not parse, read as holding nothing, and quickly.
void TestCore::readLimits_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("readable");
    const QByteArray known = TestUtil::readFile(dataDir + "expected_document.qv2");
    const auto nested = [](int depth) {
        return "<OrvaQuardane>" + QByteArray("<a>").repeated(depth - 1) +
               QByteArray("</a>").repeated(depth - 1) + "</OrvaQuardane>";
    };
    const auto withAttributes = [](int count) {
        QByteArray tag = "<OrvaQuardane";
        for (int i = 0; i < count; ++i)
            tag += " a" + QByteArray::number(i) + "=\"\"";
        return tag + "/>";
    };
    QByteArray bomb = "<?xml version='1.0'?>\n<!DOCTYPE OrvaXML [\n <!ENTITY l0 \"lol\">\n";
    for (int i = 1; i < 10; ++i)
        bomb += " <!ENTITY l" + QByteArray::number(i) + " \"" +
                QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    bomb += "]>\n<OrvaQuardane><info><releveur>&l9;</releveur></info></OrvaQuardane>\n";
    const QByteArray head = "<OrvaQuardane><info><releveur>x</releveur></info>", tail = "</OrvaQuardane>";
    const auto padded = [&](qint64 size) {
        return head + QByteArray(int(size - head.size() - tail.size()), ' ') + tail;
    };

    QTest::newRow("truncated") << known.left(known.size() / 2) << false;
    QTest::newRow("entity expansion bomb") << bomb << false;
    QTest::newRow("external entity") << QByteArray(
                                            "<!DOCTYPE OrvaXML [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>\n"
                                            "<OrvaQuardane><info><poste>&x;</poste></info></OrvaQuardane>")
                                     << false;
    QTest::newRow("document type without subset")
        << QByteArray("<!DOCTYPE OrvaXML>\n<OrvaQuardane/>") << true;
    QTest::newRow("nesting at the limit") << nested(xmlreader::MaxDepth) << true;
    QTest::newRow("nesting one deeper") << nested(xmlreader::MaxDepth + 1) << false;
    QTest::newRow("300 000 attributes") << withAttributes(300000) << false;
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
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(xmlreader::isParsable(path), readable);
    QCOMPARE(XmlMesure(path, Read).isDocument(), readable);
    if (!readable)
        QCOMPARE(::configLists(XmlConf(path, Read)), emptyConfig);
    QVERIFY2(timer.elapsed() < 15000, qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed())));
    QFile::remove(path);
}

// A patch line names a parameter and gives its value as the third field; anything else is no parameter.
void TestCore::patchLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("parsed"); // "name value", empty when the line is skipped
    QTest::newRow("name = value") << "P_TEMP_MAX = 55"
                                  << "P_TEMP_MAX 55";
    QTest::newRow("name number value, more") << "P_GAIN_HT 7 1010 x y"
                                             << "P_GAIN_HT 1010";
    QTest::newRow("runs of blanks and tabs") << "P_A \t =   -3"
                                             << "P_A -3";
    QTest::newRow("value not a number") << "P_A = 12abc"
                                        << "P_A 0";
    QTest::newRow("comment") << "# P_A = 3"
                             << "# 0";
    QTest::newRow("two fields") << "P_A 3"
                                << "";
    QTest::newRow("indented") << "  P_A = 3"
                              << "";
    QTest::newRow("blank") << ""
                           << "";
}

void TestCore::patchLines()
{
    QFETCH(QString, line);
    QFETCH(QString, parsed);
    PatchLine out;
    const bool applies = PatchFile::parseLine(line, &out);
    QCOMPARE(applies ? out.name + ' ' + QString::number(out.value) : QString(), parsed);
    // As a file, in the system's encoding and with CR LF ends, with a missing file apart.
    const QString path = m_dir.filePath("patch.txt");
    QVERIFY(TestUtil::writeFile(path, (line + "\r\n" + line).toLocal8Bit()));
    QVector<PatchLine> lines;
    QVERIFY(PatchFile::read(path, &lines));
    QCOMPARE(lines.size(), applies ? 2 : 0);
    QVERIFY(!PatchFile::read(m_dir.filePath("missing.txt"), &lines) && lines.isEmpty());
}

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
