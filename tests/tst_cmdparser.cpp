// The frame parser: keyword rules, flags, stored values, the transfer states and the receive bound.
// Reads cut at arbitrary places are checked by the fuzz corpus replay (fuzz/fuzz_cmdparser.cpp).

#include "cmdparser.h"
#include "testutil.h"

#include <QtTest>

namespace
{

QString esc(QString s)
{
    return s.replace('\r', "\\r").replace('\n', "\\n");
}

// Records the parser's signals as text lines; the forwarded lines apart, as they mirror text().
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

const QByteArray sampleRecord = "Recup_courbe debut x\r"
                                "RESULT 01 x CORRECT x\r"
                                "RESULT 02 x DEFAUT x\r"
                                "V. 0 0 100 0 1 2 3 4 5 6 7 8 9 10 \r"
                                "V. 5 0 0 0 -1 -2 -3 -4 -5 -6 -7 -8 -9 -10 \r"
                                "Titre: essai\r"
                                "RAPPORT 0 x 48.10 x\r"
                                "RAPPORT 1 x 48.20 x\r"
                                "RAPPORT 2 x 48.30 x\r"
                                "GAMME 20-33kV x\r"
                                "Recup_courbe fin a b 0007 \r";

} // namespace

class TestCmdParser : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void recordTransfer();
    void boundedBuffer();
    void diagnostics();
};

// Lines outside a record: the events they give, the flags they set, what they store, and whether they are
// recognised (forwarded and kept in text()). Recognition stops at a NUL.
void TestCmdParser::lines_data()
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
    row("verdict failed", "RESULT 7 x FAILED x\r", "result 7 0 ", "", "", true);
    row("verdict other word", "RESULT 07 x MAYBE x\r", "result 7 0 ", "", "", true);
    row("verdict carrying CR", "RESULT 05 x CORRECT\r", "result 5 0 ", "", "", true);
    row("verdict three digits", "RESULT 123 x CORRECT x\r", "result 12 1 ", "", "", true);
    row("verdict missing fields", "RESULT \r", "result 0 0 ", "", "", true);
    row("curve channel 4 on 3", "V. 4 0 100 0 1 2 3 4 5 6 7 8 9 10\r",
        "values 3 100:1,101:2,102:3,103:4,104:5,105:6,106:7,107:8,108:9,109:10", "", "", true);
    row("curve channel 3 on 2", "V. 3 0 0 0 1 1 1 1 1 1 1 1 1 1 \r",
        "values 2 0:1,1:1,2:1,3:1,4:1,5:1,6:1,7:1,8:1,9:1", "", "", true);
    row("curve short and junk", "v. 6 0 5 0 7 x 9\r", "values 5 5:7,6:0,7:9,8:0,9:0,10:0,11:0,12:0,13:0,14:0",
        "", "", true);
    row("curve empty channel", "V.  0 10 0 1 2 3 4 5 6 7 8 9 10\r",
        "values 0 10:1,11:2,12:3,13:4,14:5,15:6,16:7,17:8,18:9,19:10", "", "", true);
    row("ratios before the third", "RAPPORT 0 x 10.0 x\rRAPPORT 1 x 11.0\r", "", "",
        "ratios 10 11 0 0 0 0 0 0 0", true);
    row("ratios and mean at the third", "RAPPORT 0 x 10.0 x\rRAPPORT 1 x 11.0\rRAPPORT 2 x 12.0 x\r",
        "rapport 0 10.00|rapport 1 11.00|rapport 2 12.00|rapport 3 11.00", "", "ratios 10 11 12 11 0 0 0 0 0",
        true);
    row("ratios rounded, junk, exponent", "RAPPORT 0 x 12.3456 x\rRAPPORT 1 x abc x\rRAPPORT 2 x 1e1 x\r",
        "rapport 0 12.35|rapport 1 0.00|rapport 2 10.00|rapport 3 7.45", "",
        "ratios 12.3456 0 10 7.448533333 0 0 0 0 0", true);
    row("ratio index outside 0..8",
        "RAPPORT 9 x 5 x\rRAPPORT -1 x 5 x\rRAPPORT 99999 x 5 x\rRAPPORT 8 x 7 x\r", "", "",
        "ratios 0 0 0 0 0 0 0 0 7", true);
    row("PARAM 13", "PARAM 13 240 P_AL_FALIM_TEMPS x\r", "", "13", "param 13 240 P_AL_FALIM_TEMPS", true);
    row("PARAM 1 negative", "PARAM 1 -5 P_UN \r", "", "1", "param 1 -5 P_UN", true);
    row("PARAM 26", "PARAM 26 7 P_DERNIER \r", "", "26", "param 26 7 P_DERNIER", true);
    row("PARAM name keeps CR", "PARAM 2 3 NOM\r", "", "2", "param 2 3 NOM\\r", true);
    row("PARAM overflowing value", "PARAM 3 99999999999 P \r", "", "3", "param 3 0 P", true);
    row("PARAM 0", "PARAM 0 1 P \r", "", "", "", true);
    row("PARAM 27", "PARAM 27 1 P \r", "", "", "", true);
    row("PARAM not a number", "PARAM x 1 P \r", "", "", "", true);
    row("FFT", "FFT x\r", "", "", "", true);
    row("Transformateur", "transformateur 1\r", "", "", "", true);
    row("Voie", "Voie 1 2\r", "", "", "", true);
    row("Titre", "Titre: QVX2\r", "", "", "", true);
    row("TempsUse", "TempsUse: 12 h\r", "", "", "", true);
    row("Alim", "ALIM 9.1V \r", "", "", "", true);
    row("IDENT", "IDENT QVX2 \r", "", "", "", true);
    row("Clear_enreg", "Clear_enreg ok\r", "", "33", "", true);
    row("Clear_enreg with space", "Clear_enreg \r", "", "33", "", true);
    row("Inf eeprom", "Inf: recu:EEPROM ok\r", "", "30", "", true);
    row("Inf other", "Inf: autre ok\r", "", "", "", true);
    row("Inf eeprom carrying CR", "Inf: recu:EEPROM\r", "", "", "", true);
    row("Conf probe", "Conf: Stack_Used 812\r", "", "31", "", false);
    row("Conf lower case", "conf: stack_used 812\r", "", "31", "", false);
    row("Conf other", "Conf: x 812\r", "", "", "", false);
    row("GAMME", "GAMME 20-33kV x\r", "", "28", "range 20-33kV", true);
    row("RANGE", "range 10-19kV x\r", "", "28", "range 10-19kV", true);
    row("Enreg_en_cours", "Enreg_en_cours 23 \r", "", "29", "record 23", true);
    row("Recup_courbe other", "Recup_courbe milieu x\r", "", "", "", false);
    row("unknown", "BONJOUR 1 2\r", "", "", "", false);
    row("empty line", "\r", "", "", "", false);
    row("after CR LF", "\nRESULT 01 x CORRECT x\r", "", "", "", false);
    row("NUL cuts the line", QByteArray("RESULT 01 x CORRECT x\0garbage\r", 30), "result 1 1 ", "", "", true);
    row("NUL at start", QByteArray("\0RESULT 01 x CORRECT x\r", 23), "", "", "", false);
    // A keyword that ends the line carries the CR and matches nothing.
    for (const char *k : {"RESULT", "V.", "FFT", "Clear_enreg", "RAPPORT", "Voie", "PARAM", "Titre:", "Inf:",
                          "GAMME", "Enreg_en_cours", "IDENT", "Recup_courbe debut", "Recup_courbe fin"})
        row(qPrintable(QStringLiteral("%1 alone").arg(k)), QByteArray(k) + '\r', "", "", "", false);
}

void TestCmdParser::lines()
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
        QCOMPARE(p.active, active);
    }
}

// A start line begins a transfer, keeping only parameters and record number; the end line closes it.
void TestCmdParser::recordTransfer()
{
    CmdParser p;
    Recorder r(p);
    QByteArray b =
        "PARAM 14 2 P_DEMAR_GAMME \rEnreg_en_cours 17 \rGAMME 1-5kV x\rRAPPORT 5 x 3 x\r" + sampleRecord;
    p.parse(b);
    const QString end = "Recup_courbe fin a b 0007 \r0007\rfin de fichier\r";
    QVERIFY(!p.active);
    QCOMPARE(flags(p), QString("28,32"));
    QCOMPARE(stored(p), QString("param 14 2 P_DEMAR_GAMME|range 20-33kV|record 17|"
                                "ratios 48.1 48.2 48.3 48.2 0 0 0 0 0"));
    QCOMPARE(p.numero, QString("0007"));
    QVERIFY(p.text().startsWith("Recup_courbe debut x\rRESULT 01 x CORRECT x\r"));
    QVERIFY(p.text().endsWith(end + end)); // stored with the end event, then again as a recognised line
    QCOMPARE(r.events.first(), QString("deb ---\\r"));
    QCOMPARE(r.events.at(1), QString("result 1 1 "));
    const QString last = r.events.last();
    QVERIFY2(last.startsWith("end Recup_courbe debut x\\r"), qPrintable(last));
    QVERIFY(last.endsWith(" | 20-33kV | " + esc(end)));
    QCOMPARE(r.raw.size(), 10); // the end line is not forwarded
    QCOMPARE(r.raw.first(), QString("Recup_courbe debut x\r"));

    // Idle, an end line still sets its flag and stores the number, without an event.
    CmdParser idle;
    Recorder ri(idle);
    b = "Recup_courbe fin a b c\r";
    idle.parse(b);
    QCOMPARE(idle.numero, QString("c\r"));
    QCOMPARE(flags(idle), QString("32"));
    QVERIFY(ri.events.isEmpty() && ri.raw.isEmpty());
}

void TestCmdParser::boundedBuffer()
{
    QCOMPARE(Qvx2::ReceiveBufferLimit, 64 * 1024);
    CmdParser p;
    p.reset();
    Recorder r(p);
    QByteArray buffer;
    const QByteArray junk(4096, 'A');
    for (int i = 0; i < 100; ++i) {
        buffer += junk;
        p.parse(buffer);
        QVERIFY(buffer.size() <= Qvx2::ReceiveBufferLimit);
    }
    // The stream goes on normally after the flood.
    buffer += "\rRESULT 02 x CORRECT x\r";
    p.parse(buffer);
    QCOMPARE(r.events, QStringList("result 2 1 "));
}

// The field log's wordings for an unknown line, a parameter and a ratio.
void TestCmdParser::diagnostics()
{
    TestUtil::DebugCapture capture;
    CmdParser p;
    QByteArray b = "ZZZ 1\rPARAM 13 240 P_AL_FALIM_TEMPS x\rRAPPORT 1 x 2.5 x\r";
    p.parse(b);
    const QStringList l = capture.lines();
    QVERIFY2(l.contains(QStringLiteral(" unuse  \"ZZZ 1\\r\"")), qPrintable(l.join('\n')));
    QVERIFY(l.contains(QStringLiteral(" CMD_PARAM  13  ->  \"P_AL_FALIM_TEMPS\"  =  240")));
    QVERIFY(l.contains(QStringLiteral(" voie  1  rapport  2.5")));
}

QTEST_GUILESS_MAIN(TestCmdParser)
#include "tst_cmdparser.moc"
