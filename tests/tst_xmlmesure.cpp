// Measurement documents (*.qv2) and the XML file layer under them: exact bytes, reading, hostile files.
#include "xmlmesure.h"
#include "xmlreader.h"

#include <QDir>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace
{

const QString dataDir = QStringLiteral(QVX_SOURCE_DIR "/tests/data/xml/");

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

    // The lines whose wording other code relies on, in the order they were written.
    QStringList fixedLines() const
    {
        QStringList fixed;
        for (const QString &line : qAsConst(s_lines)) {
            if (line.endsWith(QLatin1String(" isNull")) ||
                line == QLatin1String("getComData(): can't get comment data") ||
                line == QLatin1String("xmlreader(): can't open file ReadOnly") ||
                line == QLatin1String("xmlreader(): can't set content from file") ||
                line == QLatin1String("xmlwriter(): can't open file WriteOnly"))
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

const QStringList infoTags = {"releveur",  "date",        "poste",   "code_gdo",   "num_transfo", "puissance",
                              "fabricant", "tension_ht1", "fusible", "tension_bt", "gamme_mesure"};

const QStringList allSectionsMissing = {"m_root isNull",     "m_info isNull",  "m_tests isNull",
                                        "m_rapports isNull", "m_graph isNull", "m_comment isNull",
                                        "m_recup isNull"};

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

// Everything a document yields to the window, one line per item, so two readings compare as a whole.
QStringList contents(const XmlMesure &doc)
{
    QStringList lines;
    for (const QString &tag : infoTags)
        lines << QStringLiteral("info %1=%2").arg(tag, doc.getInfo(tag));
    for (int n = 0; n < 19; ++n) {
        const TestRecord t = doc.getTest(n);
        lines << QStringLiteral("test %1 %2 %3").arg(t.num).arg(t.res).arg(t.text);
    }
    for (unsigned n = 0; n < 4; ++n)
        lines << QStringLiteral("rapport %1 %2").arg(n).arg(doc.getRapport(n));
    for (int c = 0; c < 6; ++c) {
        QString line = QStringLiteral("curve %1:").arg(c);
        for (const QPointF &p : doc.getCurve(c))
            line += QStringLiteral(" (%1,%2)").arg(p.x()).arg(p.y());
        lines << line;
    }
    lines << QStringLiteral("comment %1").arg(doc.getComData());
    lines << QStringLiteral("recup %1").arg(doc.getRecup());
    return lines;
}

// What a document that yields nothing reads as.
QStringList emptyContents()
{
    QTemporaryDir dir;
    DiagnosticLog quiet;
    return contents(XmlMesure(dir.filePath("absent.qv2"), Read));
}

// The record behind tests/data/xml/expected_document.qv2.
void fillKnownRecord(XmlMesure &doc)
{
    doc.setInfo("releveur", QString::fromUtf8("Hélène Dupré"));
    doc.setInfo("date", "15/03/2021");
    doc.setInfo("poste", "Poste 12");
    doc.setInfo("code_gdo", "G0042");
    doc.setInfo("num_transfo", "T1234");
    doc.setInfo("puissance", "250 kVA");
    doc.setInfo("fabricant", "Schneider(SCH)");
    doc.setInfo("tension_ht1", "20 kV");
    doc.setInfo("fusible", "Oui");
    doc.setInfo("tension_bt", "410 V");
    doc.setInfo("gamme_mesure", "");
    for (unsigned n = 0; n < 19; ++n)
        doc.setTest(n, n != 4 && n != 17, QStringLiteral("Resultat test %1").arg(n));
    doc.setRapport(0, "50.12");
    doc.setRapport(1, "50.09");
    doc.setRapport(2, "50.20");
    doc.setRapport(3, "50.14");
    doc.setCurve(0, {{0, 512}, {1, -37}, {2, 4095}});
    for (int c = 1; c < 6; ++c)
        doc.setCurve(c, {});
    doc.setComment(QStringLiteral("Bornes \"HT\" nettoy\u00e9es & serr\u00e9es\nA revoir < 6 mois"));
    doc.setRecup("");
}

QByteArray repeated(const QByteArray &piece, qint64 count)
{
    QByteArray bytes;
    bytes.reserve(int(piece.size() * count));
    for (qint64 i = 0; i < count; ++i)
        bytes += piece;
    return bytes;
}

QByteArray nested(int depth)
{
    return "<OrvaQuardane>" + repeated("<a>", depth - 1) + repeated("</a>", depth - 1) + "</OrvaQuardane>";
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
               repeated("&l" + QByteArray::number(i - 1) + ";", 10) + "\">\n";
    return dtd + "]>\n<OrvaQuardane><info><releveur>&l9;</releveur></info></OrvaQuardane>\n";
}

// A well-formed document of exactly `size` bytes, nearly all of it one blank text.
void writePadded(const QString &path, qint64 size)
{
    const QByteArray head = "<OrvaQuardane><info><releveur>x</releveur></info>";
    const QByteArray tail = "</OrvaQuardane>";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(head);
    const QByteArray blanks(1024 * 1024, ' ');
    qint64 left = size - head.size() - tail.size();
    while (left > 0) {
        const qint64 n = qMin<qint64>(left, blanks.size());
        file.write(blanks.constData(), n);
        left -= n;
    }
    file.write(tail);
}

} // namespace

using FillDocument = std::function<void(XmlMesure &)>;
using MakeFile = std::function<void(const QString &)>;
Q_DECLARE_METATYPE(FillDocument)
Q_DECLARE_METATYPE(MakeFile)

// Writes and reads measurement documents through XmlMesure, and feeds the reader hostile files.
class TestXmlMesure : public QObject
{
    Q_OBJECT

private slots:
    void writtenBytes_data();
    void writtenBytes();
    void roundTrip();
    void textsXmlCannotHold_data();
    void textsXmlCannotHold();
    void coordinatesWritten_data();
    void coordinatesWritten();
    void largeDocument();
    void readsLikeCanonical_data();
    void readsLikeCanonical();
    void duplicatesFirstWins();
    void verdicts_data();
    void verdicts();
    void oddNumbers();
    void unreadable_data();
    void unreadable();
    void hostileInput_data();
    void hostileInput();
    void unwrittenSaveKeepsPreviousFile();
    void unwritableTarget_data();
    void unwritableTarget();

private:
    QTemporaryDir m_dir;
};

void TestXmlMesure::writtenBytes_data()
{
    QTest::addColumn<FillDocument>("fill");
    QTest::addColumn<QString>("expected");

    QTest::newRow("known record") << FillDocument(fillKnownRecord) << "expected_document.qv2";
    QTest::newRow("nothing added") << FillDocument([](XmlMesure &) {}) << "expected_empty.qv2";
}

void TestXmlMesure::writtenBytes()
{
    QFETCH(FillDocument, fill);
    QFETCH(QString, expected);

    const QString path = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".qv2"));
    {
        XmlMesure doc(path, Create);
        fill(doc);
        QVERIFY(doc.write());
    }
    const QByteArray want = readFile(dataDir + expected);
    QVERIFY(!want.isEmpty());
    QCOMPARE(readFile(path), want);
}

void TestXmlMesure::roundTrip()
{
    const QString path = m_dir.filePath("roundtrip.qv2");
    const QString comment = QString::fromUtf8("ligne 1 \"cit\u00e9e\" & <balise> 'x'\r\nligne\t2\n\n  fin  ");
    const QString recup =
        QStringLiteral("Recup_courbe debut\rRESULT 01 1\rV. 1 2 3\r]]> &amp;\rRecup_courbe fin\r");
    const QVector<QPointF> curve = {{0, 0}, {1, -2147483647 - 1}, {2, 2147483647}, {3, -37}};
    QStringList written;
    {
        XmlMesure doc(path, Create);
        doc.setInfo("releveur", "   ");
        doc.setInfo("date", "01/02/2011");
        doc.setInfo("poste", QString::fromUtf8(" Подстанция Åre \u00e9t\u00e9 "));
        for (unsigned n = 0; n < 19; ++n)
            doc.setTest(n, n % 3 == 0, QStringLiteral("Resultat test %1").arg(n));
        doc.setRapport(2, "<&>\"");
        for (int c = 0; c < 6; ++c)
            doc.setCurve(c, c == 4 ? curve : QVector<QPointF>());
        doc.setComment("first");
        doc.setComment(comment);
        doc.setRecup(recup);
        QVERIFY(doc.write());
    }
    XmlMesure doc(path, Read);
    QCOMPARE(doc.getInfo("releveur"), QStringLiteral("   "));
    QCOMPARE(doc.getInfo("date"), QStringLiteral("01/02/2011"));
    QCOMPARE(doc.getInfo("poste"), QString::fromUtf8(" Подстанция Åre \u00e9t\u00e9 "));
    QCOMPARE(doc.getInfo("num_transfo"), QString());
    for (int n = 0; n < 19; ++n) {
        const TestRecord t = doc.getTest(n);
        QCOMPARE(t.num, n);
        QCOMPARE(t.res, n % 3 == 0);
        QCOMPARE(t.text, QStringLiteral("Resultat test %1").arg(n));
    }
    QCOMPARE(doc.getRapport(2), QStringLiteral("<&>\""));
    QCOMPARE(doc.getRapport(0), QString());
    QCOMPARE(doc.getCurve(4), curve);
    QCOMPARE(doc.getCurve(0), QVector<QPointF>());
    QCOMPARE(doc.getComData(), comment);
    QCOMPARE(doc.getRecup(), recup);
}

void TestXmlMesure::textsXmlCannotHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    // Line noise inside an instrument line reaches the capture text undecoded.
    QTest::newRow("control characters") << QStringLiteral("RESULT 01 \u0001Test\u001b[0m CORRECT\r")
                                        << QStringLiteral("RESULT 01 Test[0m CORRECT\r");
    QTest::newRow("form feed, vertical tab, NUL")
        << QString::fromUtf16(u"a\fb\vc\0d", 7) << QStringLiteral("abcd");
    QTest::newRow("non-characters") << QStringLiteral("\uFFFE50.1\uFFFF") << QStringLiteral("50.1");
    QTest::newRow("lone surrogates") << QString::fromUtf16(u"\xDC00x\xD800", 3) << QStringLiteral("x");
    QTest::newRow("what XML holds") << QString::fromUtf8("\t\n\r \xC3\xA9\xEF\xBF\xBD\xF0\x9F\x94\x8C")
                                    << QString::fromUtf8("\t\n\r \xC3\xA9\xEF\xBF\xBD\xF0\x9F\x94\x8C");
}

// Characters that XML cannot carry are left out of a saved document, which then opens again; written as
// they were, they made the whole measurement unreadable.
void TestXmlMesure::textsXmlCannotHold()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);

    const QString path = m_dir.filePath(QStringLiteral("texts-%1.qv2").arg(QTest::currentDataTag()));
    {
        XmlMesure doc(path, Create);
        doc.setInfo("poste", text);
        doc.setTest(1, true, text);
        doc.setRapport(0, text);
        doc.setComment(text);
        doc.setRecup(text);
        QVERIFY(doc.write());
    }
    QVERIFY(xmlreader::isParsable(path));
    const XmlMesure doc(path, Read);
    QCOMPARE(doc.getInfo("poste"), stored);
    QCOMPARE(doc.getTest(1).text, stored);
    QCOMPARE(doc.getRapport(0), stored);
    QCOMPARE(doc.getComData(), stored);
    QCOMPARE(doc.getRecup(), stored);
}

void TestXmlMesure::coordinatesWritten_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("readBack");

    QTest::newRow("positive whole") << 512.0 << "512" << 512.0;
    QTest::newRow("negative whole") << -37.0 << "-37" << -37.0;
    QTest::newRow("zero") << 0.0 << "0" << 0.0;
    QTest::newRow("negative zero") << -0.0 << "0" << 0.0;
    QTest::newRow("largest int32") << 2147483647.0 << "2147483647" << 2147483647.0;
    QTest::newRow("smallest int32") << -2147483648.0 << "-2147483648" << -2147483648.0;
    QTest::newRow("whole beyond int32") << 1e20 << "100000000000000000000" << 0.0;
    QTest::newRow("half") << 2.5 << "2.5" << 0.0;
    QTest::newRow("tenth") << 0.1 << "0.1" << 0.0;
    QTest::newRow("negative fraction") << -1234.5678 << "-1234.5678" << 0.0;
}

void TestXmlMesure::coordinatesWritten()
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
    QDomDocument raw;
    QVERIFY(raw.setContent(readFile(path)));
    const QDomElement point =
        raw.documentElement().firstChildElement("graph").firstChildElement("curve").firstChildElement(
            "point");
    QCOMPARE(point.attribute("x"), text);
    QCOMPARE(point.attribute("y"), text);

    XmlMesure doc(path, Read);
    QCOMPARE(doc.getCurve(3), QVector<QPointF>({{readBack, readBack}}));
}

// Six curves of 100 000 points are the largest record; such a document must still be written and opened.
void TestXmlMesure::largeDocument()
{
    const QString path = m_dir.filePath("large.qv2");
    QVector<QPointF> curves[6];
    for (int c = 0; c < 6; ++c) {
        curves[c].reserve(100000);
        for (int i = 0; i < 100000; ++i)
            curves[c].append(QPointF(i, (i * 37 + c * 1000) % 65536 - 32768));
    }
    {
        XmlMesure doc(path, Create);
        for (int c = 0; c < 6; ++c)
            doc.setCurve(c, curves[c]);
        QVERIFY(doc.write());
    }
    QVERIFY(QFileInfo(path).size() > 15 * 1000 * 1000);
    XmlMesure doc(path, Read);
    for (int c = 0; c < 6; ++c)
        QCOMPARE(doc.getCurve(c), curves[c]);
}

void TestXmlMesure::readsLikeCanonical_data()
{
    QTest::addColumn<QString>("file");

    QTest::newRow("canonical") << "expected_document.qv2";
    QTest::newRow("sections reordered, extra elements") << "reordered.qv2";
}

void TestXmlMesure::readsLikeCanonical()
{
    QFETCH(QString, file);

    // What the known record must read as, stated independently of the writer.
    QStringList want;
    want << QString::fromUtf8("info releveur=Hélène Dupré") << "info date=15/03/2021"
         << "info poste=Poste 12"
         << "info code_gdo=G0042"
         << "info num_transfo=T1234"
         << "info puissance=250 kVA"
         << "info fabricant=Schneider(SCH)"
         << "info tension_ht1=20 kV"
         << "info fusible=Oui"
         << "info tension_bt=410 V"
         << "info gamme_mesure=";
    for (int n = 0; n < 19; ++n)
        want << QStringLiteral("test %1 %2 Resultat test %1").arg(n).arg(n != 4 && n != 17);
    want << "rapport 0 50.12"
         << "rapport 1 50.09"
         << "rapport 2 50.20"
         << "rapport 3 50.14";
    want << "curve 0: (0,512) (1,-37) (2,4095)"
         << "curve 1:"
         << "curve 2:"
         << "curve 3:"
         << "curve 4:"
         << "curve 5:";
    want << QString::fromUtf8("comment Bornes \"HT\" nettoyées & serrées\nA revoir < 6 mois") << "recup ";

    DiagnosticLog log;
    XmlMesure doc(dataDir + file, Read);
    QCOMPARE(contents(doc), want);
    QCOMPARE(log.fixedLines(), QStringList());
}

void TestXmlMesure::duplicatesFirstWins()
{
    XmlMesure doc(dataDir + "duplicates.qv2", Read);
    QCOMPARE(doc.getInfo("poste"), QStringLiteral("premier"));
    QCOMPARE(doc.getInfo("releveur"), QStringLiteral("du premier info"));
    QCOMPARE(doc.getRapport(2), QStringLiteral("first"));
    QCOMPARE(doc.getTest(5).res, true);
    QCOMPARE(doc.getTest(5).text, QStringLiteral("first"));
    QCOMPARE(doc.getCurve(1), QVector<QPointF>({{1, 1}}));
    QCOMPARE(doc.getComData(), QStringLiteral("first comment"));
}

void TestXmlMesure::verdicts_data()
{
    QTest::addColumn<int>("num");
    QTest::addColumn<bool>("passed");
    QTest::addColumn<QString>("text");

    QTest::newRow("res 1") << 0 << true << "un";
    QTest::newRow("res 0") << 1 << false << "zero";
    QTest::newRow("res 2") << 2 << false << "deux";
    QTest::newRow("res word") << 3 << false << "mot";
    QTest::newRow("res empty") << 4 << false << "vide";
    QTest::newRow("res missing") << 5 << false << "absent";
    QTest::newRow("res 01") << 6 << true << "zero un";
    QTest::newRow("text missing") << 7 << true << "";
    QTest::newRow("no such test") << 18 << false << "";
    QTest::newRow("num beyond the tests") << 40 << false << "";
}

void TestXmlMesure::verdicts()
{
    QFETCH(int, num);
    QFETCH(bool, passed);
    QFETCH(QString, text);

    XmlMesure doc(dataDir + "odd_values.qv2", Read);
    const TestRecord t = doc.getTest(num);
    QCOMPARE(t.num, num);
    QCOMPARE(t.res, passed);
    QCOMPARE(t.text, text);
}

void TestXmlMesure::oddNumbers()
{
    XmlMesure doc(dataDir + "odd_values.qv2", Read);
    // An attribute that is not a base-10 integer reads as 0, so the first such entry answers for number 0.
    QCOMPARE(doc.getRapport(0), QStringLiteral("num not a number"));
    QCOMPARE(doc.getRapport(4294967295u), QStringLiteral("largest unsigned"));
    QCOMPARE(doc.getRapport(1), QString());
    const QVector<QPointF> want = {{0, 7}, {0, 7}, {0, 7}, {0, 0}, {2147483647, -8}, {0, -2147483648.0},
                                   {0, 9}};
    QCOMPARE(doc.getCurve(2), want);
}

void TestXmlMesure::unreadable_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("diagnostics");

    const QStringList notParsed =
        QStringList("xmlreader(): can't set content from file") + allSectionsMissing;
    const QByteArray canonical = readFile(dataDir + "expected_document.qv2");

    QTest::newRow("missing file") << "" << QByteArray()
                                  << QStringList("xmlreader(): can't open file ReadOnly") +
                                         allSectionsMissing;
    QTest::newRow("not XML") << "not_xml.qv2" << QByteArray() << notParsed;
    QTest::newRow("empty file") << "" << QByteArray("") << notParsed;
    QTest::newRow("truncated") << "" << canonical.left(canonical.size() / 2) << notParsed;
    QTest::newRow("mismatched tags") << "" << QByteArray("<OrvaQuardane><info></tests></OrvaQuardane>")
                                     << notParsed;
    QTest::newRow("wrong root") << "wrong_root.qv2" << QByteArray() << allSectionsMissing;
}

void TestXmlMesure::unreadable()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, diagnostics);

    QString path = dataDir + file;
    if (file.isEmpty()) {
        path = m_dir.filePath("unreadable.qv2");
        QFile::remove(path);
        if (!bytes.isNull())
            QVERIFY(writeFile(path, bytes));
    }
    const QStringList empty = emptyContents();
    DiagnosticLog log;
    XmlMesure doc(path, Read);
    QCOMPARE(log.fixedLines(), diagnostics);
    QCOMPARE(contents(doc), empty);
    QCOMPARE(log.fixedLines(), diagnostics + QStringList("getComData(): can't get comment data"));
}

void TestXmlMesure::hostileInput_data()
{
    QTest::addColumn<MakeFile>("make");
    QTest::addColumn<bool>("accepted");

    const auto bytes = [](const QByteArray &content) {
        return MakeFile([content](const QString &path) { QVERIFY(writeFile(path, content)); });
    };
    const int depth = xmlreader::MaxDepth;
    const int attributes = xmlreader::MaxAttributesPerElement;

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
    QTest::newRow("too many elements")
        << bytes("<OrvaQuardane>" + repeated("<a/>", xmlreader::MaxNodes) + "</OrvaQuardane>") << false;
    QTest::newRow("size at the limit")
        << MakeFile([](const QString &path) { writePadded(path, xmlreader::MaxFileSize); }) << true;
    QTest::newRow("size one byte over")
        << MakeFile([](const QString &path) { writePadded(path, xmlreader::MaxFileSize + 1); }) << false;
    QTest::newRow("100 MB file") << MakeFile([](const QString &path) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(100 * 1000 * 1000));
    }) << false;
}

void TestXmlMesure::hostileInput()
{
    QFETCH(MakeFile, make);
    QFETCH(bool, accepted);

    const QString path = m_dir.filePath("hostile.xml");
    make(path);
    if (QTest::currentTestFailed())
        return;

    QElapsedTimer timer;
    timer.start();
    {
        DiagnosticLog log;
        xmlreader reader(path);
        QCOMPARE(reader.isValid(), accepted);
        QCOMPARE(reader.document().documentElement().isNull(), !accepted);
        QCOMPARE(log.fixedLines(),
                 accepted ? QStringList() : QStringList("xmlreader(): can't set content from file"));
    }
    QCOMPARE(xmlreader::isParsable(path), accepted);
    QVERIFY2(timer.elapsed() < 15000, qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed())));
    QFile::remove(path);
}

void TestXmlMesure::unwrittenSaveKeepsPreviousFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("previous.qv2");
    const QByteArray previous = readFile(dataDir + "expected_document.qv2");
    QVERIFY(writeFile(path, previous));
    {
        XmlMesure doc(path, Create);
        doc.setInfo("releveur", "nouveau");
        QCOMPARE(readFile(path), previous);
    } // destroyed without write, like a save interrupted before the document was complete
    QCOMPARE(readFile(path), previous);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("previous.qv2"));

    {
        XmlMesure doc(path, Create);
        doc.setInfo("releveur", "nouveau");
        QVERIFY(doc.write());
    }
    QCOMPARE(XmlMesure(path, Read).getInfo("releveur"), QStringLiteral("nouveau"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList("previous.qv2"));
}

void TestXmlMesure::unwritableTarget_data()
{
    QTest::addColumn<QString>("target");

    QTest::newRow("directory missing") << "missing/doc.qv2";
    QTest::newRow("target is a directory") << "folder";
}

void TestXmlMesure::unwritableTarget()
{
    QFETCH(QString, target);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(writeFile(dir.filePath("folder/inside.qv2"), "kept"));
    const QString path = dir.filePath(target);
    {
        DiagnosticLog log;
        XmlMesure doc(path, Create);
        fillKnownRecord(doc);
        QVERIFY(!doc.write());
        QCOMPARE(log.fixedLines(), QStringList("xmlwriter(): can't open file WriteOnly"));
    }
    QVERIFY(!QFileInfo(dir.filePath("missing")).exists());
    QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
    QCOMPARE(readFile(dir.filePath("folder/inside.qv2")), QByteArray("kept"));
}

QTEST_GUILESS_MAIN(TestXmlMesure)
#include "tst_xmlmesure.moc"
