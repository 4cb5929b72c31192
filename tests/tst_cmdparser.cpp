// The frame parser: framing, keyword rules, flags, stored values and the transfer states.

#include "cmdparser.h"
#include "testutil.h"

#include <QtTest>

namespace
{

// Records every signal of a parser as one text line, in emission order.
struct Recorder {
    QStringList events;
    explicit Recorder(CmdParser &p)
    {
        QObject::connect(&p, &CmdParser::cmdDebReceived, [this](QString t) { events << "deb " + esc(t); });
        QObject::connect(&p, &CmdParser::CmdRawDataReceived,
                         [this](QString t) { events << "raw " + esc(t); });
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
    static QString esc(QString s) { return s.replace('\r', "\\r").replace('\n', "\\n"); }
};

QString flags(const CmdParser &p)
{
    QStringList set;
    for (int i = 0; i < Qvx2::FlagCount; ++i)
        if (p.received[i])
            set << QString::number(i);
    return set.join(',');
}

// Everything observable of a parser after a stream, to compare two ways of feeding it.
QString state(const CmdParser &p, const Recorder &r)
{
    QStringList s = r.events;
    s << "flags " + flags(p) << "active " + QString::number(p.active) << "text " + Recorder::esc(p.text())
      << "range " + Recorder::esc(p.range) << "numero " + Recorder::esc(p.numero)
      << "record " + QString::number(p.recordNumber);
    for (int i = 0; i < Qvx2::ParamCount; ++i)
        if (!p.params[i].name.isEmpty() || p.params[i].value)
            s << QStringLiteral("param %1 %2 %3")
                     .arg(i)
                     .arg(p.params[i].value)
                     .arg(Recorder::esc(p.params[i].name));
    for (int i = 0; i < Qvx2::RatioCount; ++i)
        s << QString::number(p.ratios[i], 'g', 10);
    return s.join('\n');
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
    void constructedIdle();
    void lines_data();
    void lines();
    void keywordCarryingCr_data();
    void keywordCarryingCr();
    void splitAtEveryByte();
    void chunkedLikeOneBuffer_data();
    void chunkedLikeOneBuffer();
    void incompleteLineStays();
    void ratiosAfterThird();
    void ratioIndexOutOfTable();
    void paramBounds_data();
    void paramBounds();
    void endLineText();
    void resetKeepsParamsAndRecord();
    void boundedBuffer();
    void unrecognisedAfterRecognisedNotForwarded();
    void diagnostics();
};

void TestCmdParser::constructedIdle()
{
    CmdParser p;
    QVERIFY(!p.active);
    QCOMPARE(flags(p), QString());
    Recorder r(p);
    QByteArray b = "RESULT 01 x CORRECT x\rV. 0 0 0 0 1 2 3 4 5 6 7 8 9 10\r";
    p.parse(b);
    QVERIFY2(r.events.isEmpty(), qPrintable(r.events.join('|')));
    QCOMPARE(p.text(), QString("RESULT 01 x CORRECT x\rV. 0 0 0 0 1 2 3 4 5 6 7 8 9 10\r"));
}

// One line during a transfer: the events it gives, the flags it sets, whether it is accumulated.
void TestCmdParser::lines_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("flagSet");
    QTest::addColumn<bool>("recognised");

    QTest::newRow("verdict correct") << QByteArray("RESULT 05 x CORRECT x\r") << "result 5 1 "
                                     << "" << true;
    QTest::newRow("verdict success lower case")
        << QByteArray("result 03 Test_clear success ok\r") << "result 3 1 clear"
        << "" << true;
    QTest::newRow("test_clear case matters")
        << QByteArray("RESULT 03 test_clear SUCCESS ok\r") << "result 3 1 "
        << "" << true;
    QTest::newRow("verdict defaut") << QByteArray("RESULTAT 19 x DEFAUT x\r") << "result 19 0 "
                                    << "" << true;
    QTest::newRow("verdict failed") << QByteArray("RESULT 7 x FAILED x\r") << "result 7 0 "
                                    << "" << true;
    QTest::newRow("verdict other word") << QByteArray("RESULT 07 x MAYBE x\r") << "result 7 0 "
                                        << "" << true;
    QTest::newRow("verdict carrying CR") << QByteArray("RESULT 05 x CORRECT\r") << "result 5 0 "
                                         << "" << true;
    QTest::newRow("verdict three digits") << QByteArray("RESULT 123 x CORRECT x\r") << "result 12 1 "
                                          << "" << true;
    QTest::newRow("verdict missing fields") << QByteArray("RESULT \r") << "result 0 0 "
                                            << "" << true;
    QTest::newRow("curve channel 4")
        << QByteArray("V. 4 0 100 0 1 2 3 4 5 6 7 8 9 10\r")
        << "values 3 100:1,101:2,102:3,103:4,104:5,105:6,106:7,107:8,108:9,109:10"
        << "" << true;
    QTest::newRow("curve channel 3 on 2") << QByteArray("V. 3 0 0 0 1 1 1 1 1 1 1 1 1 1 \r")
                                          << "values 2 0:1,1:1,2:1,3:1,4:1,5:1,6:1,7:1,8:1,9:1"
                                          << "" << true;
    QTest::newRow("curve short and junk")
        << QByteArray("v. 6 0 5 0 7 x 9\r") << "values 5 5:7,6:0,7:9,8:0,9:0,10:0,11:0,12:0,13:0,14:0"
        << "" << true;
    QTest::newRow("empty fields") << QByteArray("V.  0 10 0 1 2 3 4 5 6 7 8 9 10\r")
                                  << "values 0 10:1,11:2,12:3,13:4,14:5,15:6,16:7,17:8,18:9,19:10"
                                  << "" << true;
    QTest::newRow("silent keywords") << QByteArray("FFT x\r") << ""
                                     << "" << true;
    QTest::newRow("Transformateur") << QByteArray("transformateur 1\r") << ""
                                    << "" << true;
    QTest::newRow("Voie") << QByteArray("Voie 1 2\r") << ""
                          << "" << true;
    QTest::newRow("Titre") << QByteArray("Titre: QVX2\r") << ""
                           << "" << true;
    QTest::newRow("TempsUse") << QByteArray("TempsUse: 12 h\r") << ""
                              << "" << true;
    QTest::newRow("Alim") << QByteArray("ALIM 9.1V \r") << ""
                          << "" << true;
    QTest::newRow("IDENT") << QByteArray("IDENT QVX2 \r") << ""
                           << "" << true;
    QTest::newRow("Clear_enreg") << QByteArray("Clear_enreg ok\r") << ""
                                 << "33" << true;
    QTest::newRow("Clear_enreg with space") << QByteArray("Clear_enreg \r") << ""
                                            << "33" << true;
    QTest::newRow("Clear_enreg alone") << QByteArray("Clear_enreg\r") << ""
                                       << "" << false;
    QTest::newRow("Inf eeprom") << QByteArray("Inf: recu:EEPROM ok\r") << ""
                                << "30" << true;
    QTest::newRow("Inf other") << QByteArray("Inf: autre ok\r") << ""
                               << "" << true;
    QTest::newRow("Inf eeprom carrying CR") << QByteArray("Inf: recu:EEPROM\r") << ""
                                            << "" << true;
    QTest::newRow("Conf probe") << QByteArray("Conf: Stack_Used 812\r") << ""
                                << "31" << false;
    QTest::newRow("Conf lower case") << QByteArray("conf: stack_used 812\r") << ""
                                     << "31" << false;
    QTest::newRow("Conf other") << QByteArray("Conf: x 812\r") << ""
                                << "" << false;
    QTest::newRow("GAMME") << QByteArray("GAMME 20-33kV x\r") << ""
                           << "28" << true;
    QTest::newRow("RANGE") << QByteArray("range 10-19kV x\r") << ""
                           << "28" << true;
    QTest::newRow("Enreg_en_cours") << QByteArray("Enreg_en_cours 23 \r") << ""
                                    << "29" << true;
    QTest::newRow("PARAM") << QByteArray("PARAM 13 240 P_AL_FALIM_TEMPS x\r") << ""
                           << "13" << true;
    QTest::newRow("Recup_courbe other") << QByteArray("Recup_courbe milieu x\r") << ""
                                        << "" << false;
    QTest::newRow("unknown") << QByteArray("BONJOUR 1 2\r") << ""
                             << "" << false;
    QTest::newRow("empty line") << QByteArray("\r") << ""
                                << "" << false;
    QTest::newRow("after CR LF") << QByteArray("\nRESULT 01 x CORRECT x\r") << ""
                                 << "" << false;
    QTest::newRow("NUL cuts the line") << QByteArray("RESULT 01 x CORRECT x\0garbage\r", 30) << "result 1 1 "
                                       << "" << true;
    QTest::newRow("NUL at start") << QByteArray("\0RESULT 01 x CORRECT x\r", 23) << ""
                                  << "" << false;
}

void TestCmdParser::lines()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, events);
    QFETCH(QString, flagSet);
    QFETCH(bool, recognised);

    CmdParser p;
    p.reset();
    Recorder r(p);
    QByteArray buffer = line;
    p.parse(buffer);
    QVERIFY(buffer.isEmpty());

    QStringList expected;
    if (!events.isEmpty())
        expected << events;
    if (recognised) {
        const int nul = line.indexOf('\0');
        expected << "raw " + Recorder::esc(QString::fromUtf8(nul < 0 ? line : line.left(nul)));
    }
    QCOMPARE(r.events, expected);
    QCOMPARE(flags(p), flagSet);
    QCOMPARE(p.text().isEmpty(), !recognised);
}

// A keyword field that ends the line carries the CR and matches nothing.
void TestCmdParser::keywordCarryingCr_data()
{
    QTest::addColumn<QByteArray>("line");
    for (const char *k : {"RESULT", "V.", "FFT", "Clear_enreg", "RAPPORT", "Voie", "PARAM",
                          "Titre:", "Inf:", "GAMME", "Enreg_en_cours", "IDENT"})
        QTest::newRow(k) << QByteArray(k) + '\r';
    QTest::newRow("debut alone") << QByteArray("Recup_courbe debut\r");
    QTest::newRow("fin alone") << QByteArray("Recup_courbe fin\r");
}

void TestCmdParser::keywordCarryingCr()
{
    QFETCH(QByteArray, line);
    CmdParser p;
    Recorder r(p);
    QByteArray b = line;
    p.parse(b);
    QVERIFY(r.events.isEmpty());
    QCOMPARE(flags(p), QString());
    QVERIFY(p.text().isEmpty());
    QVERIFY(!p.active);
}

void TestCmdParser::splitAtEveryByte()
{
    CmdParser whole;
    Recorder rw(whole);
    QByteArray all = sampleRecord + "PARAM 14 2 P_DEMAR_GAMME \rEnreg_en_cours 3 \rBAD LINE\r";
    QByteArray b = all;
    whole.parse(b);
    const QString expected = state(whole, rw);

    for (int cut = 1; cut < all.size(); ++cut) {
        CmdParser p;
        Recorder r(p);
        QByteArray buffer = all.left(cut);
        p.parse(buffer);
        buffer += all.mid(cut);
        p.parse(buffer);
        QVERIFY(buffer.isEmpty());
        QCOMPARE(state(p, r), expected);
    }
}

void TestCmdParser::chunkedLikeOneBuffer_data()
{
    QTest::addColumn<int>("chunk");
    for (int c : {1, 2, 3, 7, 64, 1000})
        QTest::newRow(qPrintable(QString::number(c))) << c;
}

void TestCmdParser::chunkedLikeOneBuffer()
{
    QFETCH(int, chunk);
    QByteArray all;
    for (int i = 0; i < 5; ++i)
        all += sampleRecord;

    CmdParser whole;
    Recorder rw(whole);
    QByteArray b = all;
    whole.parse(b);

    CmdParser p;
    Recorder r(p);
    QByteArray buffer;
    for (int i = 0; i < all.size(); i += chunk) {
        buffer += all.mid(i, chunk);
        p.parse(buffer);
    }
    QVERIFY(buffer.isEmpty());
    QCOMPARE(state(p, r), state(whole, rw));
}

void TestCmdParser::incompleteLineStays()
{
    CmdParser p;
    p.reset();
    Recorder r(p);
    QByteArray b = "RESULT 01 x CORRECT x\rRESULT 02 x DEFAUT x\rRESULT 03 x COR";
    p.parse(b);
    QCOMPARE(b, QByteArray("RESULT 03 x COR"));
    QCOMPARE(r.events.size(), 4);
    b += "RECT x\r";
    p.parse(b);
    QVERIFY(b.isEmpty());
    QCOMPARE(r.events.at(4), QString("result 3 1 "));
}

void TestCmdParser::ratiosAfterThird()
{
    CmdParser p; // idle: the ratios are emitted all the same
    Recorder r(p);
    QByteArray b = "RAPPORT 0 x 10.0 x\rRAPPORT 1 x 11.0\r";
    p.parse(b);
    QVERIFY(r.events.isEmpty());
    QCOMPARE(p.ratios[0], 10.0);
    QCOMPARE(p.ratios[1], 11.0);
    b = "RAPPORT 2 x 12.0 x\r";
    p.parse(b);
    QCOMPARE(r.events,
             QStringList({"rapport 0 10.00", "rapport 1 11.00", "rapport 2 12.00", "rapport 3 11.00"}));
    b = "RAPPORT 0 x 12.3456 x\rRAPPORT 1 x abc x\rRAPPORT 2 x 1e1 x\r";
    r.events.clear();
    p.parse(b);
    QCOMPARE(r.events,
             QStringList({"rapport 0 12.35", "rapport 1 0.00", "rapport 2 10.00", "rapport 3 7.45"}));
}

void TestCmdParser::ratioIndexOutOfTable()
{
    CmdParser p;
    Recorder r(p);
    QByteArray b = "RAPPORT 9 x 5 x\rRAPPORT -1 x 5 x\rRAPPORT 99999 x 5 x\rRAPPORT 8 x 7 x\r";
    p.parse(b);
    QVERIFY(r.events.isEmpty());
    for (int i = 0; i < 8; ++i)
        QCOMPARE(p.ratios[i], 0.0);
    QCOMPARE(p.ratios[8], 7.0);
}

void TestCmdParser::paramBounds_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("name");
    QTest::newRow("13") << QByteArray("PARAM 13 240 P_AL_FALIM_TEMPS x\r") << 13 << 240 << "P_AL_FALIM_TEMPS";
    QTest::newRow("1") << QByteArray("PARAM 1 -5 P_UN \r") << 1 << -5 << "P_UN";
    QTest::newRow("26") << QByteArray("PARAM 26 7 P_DERNIER \r") << 26 << 7 << "P_DERNIER";
    QTest::newRow("name keeps CR") << QByteArray("PARAM 2 3 NOM\r") << 2 << 3 << "NOM\r";
    QTest::newRow("overflow value") << QByteArray("PARAM 3 99999999999 P \r") << 3 << 0 << "P";
    QTest::newRow("0") << QByteArray("PARAM 0 1 P \r") << -1 << 0 << "";
    QTest::newRow("27") << QByteArray("PARAM 27 1 P \r") << -1 << 0 << "";
    QTest::newRow("not a number") << QByteArray("PARAM x 1 P \r") << -1 << 0 << "";
}

void TestCmdParser::paramBounds()
{
    QFETCH(QByteArray, line);
    QFETCH(int, index);
    QFETCH(int, value);
    QFETCH(QString, name);
    CmdParser p;
    QByteArray b = line;
    p.parse(b);
    QCOMPARE(p.text(), QString::fromLatin1(line)); // recognised either way
    for (int i = 0; i < Qvx2::ParamCount; ++i) {
        if (i == index) {
            QCOMPARE(p.params[i].value, value);
            QCOMPARE(p.params[i].name, name);
            QCOMPARE(p.received[i], 1);
        } else {
            QCOMPARE(p.params[i].value, 0);
            QVERIFY(p.params[i].name.isEmpty());
            QCOMPARE(p.received[i], 0);
        }
    }
}

void TestCmdParser::endLineText()
{
    CmdParser p;
    Recorder r(p);
    QByteArray b = sampleRecord;
    p.parse(b);
    const QString end = "Recup_courbe fin a b 0007 \r0007\rfin de fichier\r";
    QVERIFY(!p.active);
    QCOMPARE(p.numero, QString("0007"));
    QCOMPARE(p.range, QString("20-33kV"));
    QCOMPARE(flags(p), QString("28,32"));
    QVERIFY(p.text().startsWith("Recup_courbe debut x\rRESULT 01 x CORRECT x\r"));
    QVERIFY(p.text().endsWith(end + end)); // stored with the end event, then by the end of the line
    QCOMPARE(r.events.first(), QString("deb ---\\r"));
    QCOMPARE(r.events.at(1), QString("raw Recup_courbe debut x\\r"));
    const QString last = r.events.last();
    QVERIFY2(last.startsWith("end Recup_courbe debut x\\r"), qPrintable(last));
    QVERIFY(last.endsWith(" | 20-33kV | " + Recorder::esc(end)));
    QCOMPARE(r.events.filter(QRegularExpression("^raw ")).size(), 10); // the end line is not forwarded

    // Idle: the end line still sets the flag and stores the number, without an event.
    CmdParser idle;
    Recorder ri(idle);
    b = "Recup_courbe fin a b c\r";
    idle.parse(b);
    QCOMPARE(idle.numero, QString("c\r"));
    QCOMPARE(idle.received[Qvx2::FlagRecordEnd], 1);
    QVERIFY(ri.events.isEmpty());
}

void TestCmdParser::resetKeepsParamsAndRecord()
{
    CmdParser p;
    QByteArray b = "PARAM 14 2 P_DEMAR_GAMME \rEnreg_en_cours 17 \rGAMME 1-5kV x\rRAPPORT 0 x 3 x\r";
    p.parse(b);
    p.reset();
    QVERIFY(p.active);
    QCOMPARE(p.params[14].value, 2);
    QCOMPARE(p.recordNumber, 17);
    QCOMPARE(flags(p), QString());
    QVERIFY(p.range.isEmpty());
    QVERIFY(p.text().isEmpty());
    QCOMPARE(p.ratios[0], 0.0);
    b = "Recup_courbe debut x\r";
    p.parse(b);
    QCOMPARE(p.text(), QString("Recup_courbe debut x\r"));
}

void TestCmdParser::boundedBuffer()
{
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
    QVERIFY(r.events.contains("result 2 1 "));
}

void TestCmdParser::unrecognisedAfterRecognisedNotForwarded()
{
    CmdParser p;
    p.reset();
    Recorder r(p);
    QByteArray b = "RESULT 01 x CORRECT x\rHELLO world\rConf: Stack_Used 1\r";
    p.parse(b);
    QCOMPARE(r.events, QStringList({"result 1 1 ", "raw RESULT 01 x CORRECT x\\r"}));
    QCOMPARE(p.text(), QString("RESULT 01 x CORRECT x\r"));
}

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
