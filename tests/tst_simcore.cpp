// The simulated instrument's protocol core: the exact texts and framing of its answers, which the suites
// that drive the window rely on without pinning them, and the faults those suites do not switch on.

#include "instrumentcore.h"

#include <QtTest>
#include <numeric>

using qvx2sim::Faults;
using qvx2sim::InstrumentCore;

Q_DECLARE_METATYPE(qvx2sim::Faults)

namespace
{

// Feeds one command a byte at a time, as a slow wire brings it, and returns every answer byte.
QByteArray ask(InstrumentCore &core, const QByteArray &command)
{
    for (char c : command)
        core.feed(QByteArray(1, c));
    QByteArray out;
    for (const qvx2sim::Chunk &c : core.takeOutput())
        out += c.bytes;
    return out;
}

// A record with every value known: test 3 failed, ten points a curve.
qvx2sim::Record madeRecord()
{
    qvx2sim::Record r;
    r.number = 23;
    r.highVoltage = 15000;
    r.rangeCode = 2;
    r.passed.fill(true);
    r.passed[2] = false;
    std::iota(r.measures.begin(), r.measures.end(), 100);
    for (int c = 0; c < qvx2sim::kCurveCount; ++c)
        for (int x = 0; x < 10; ++x)
            r.curves[size_t(c)].append(100 * c + x - 5);
    r.ratios = {36.5854, 36.6, 36.55};
    return r;
}

// A page of 511 zero bytes and 0x2A, as the fill command carries it: data then checksum, upper-case hex.
const QByteArray pageHex = QByteArray(1022, '0') + "2A2A";

} // namespace

class TstSimCore : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void recordText_data();
    void recordText();
    void generatedRecords();
    void randomAckLoss();
};

void TstSimCore::answers_data()
{
    QTest::addColumn<bool>("boot");           // the commands are sent in the bootloader, after RESET 00
    QTest::addColumn<QByteArray>("commands"); // fed a byte at a time
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<bool>("flashed"); // page 1 holds the page afterwards
    QTest::addColumn<Faults>("faults");
    const auto row = [](const char *name, const QByteArray &commands, const char *answers = "") {
        QTest::newRow(name) << false << commands << QByteArray(answers) << false << Faults();
    };
    const auto boot = [](const char *name, const QByteArray &commands, const char *answers,
                         bool flashed = false, const Faults &faults = Faults()) {
        QTest::newRow(name) << true << commands << QByteArray(answers) << flashed << faults;
    };

    row("probe", "TEST 05\r", "Conf: Stack_Used 812 \r");
    row("ping", "INFO 04\r", "Alim 9.12V \r");
    row("record number", "INFO 00 \r", "Enreg_en_cours 23 \r");
    row("erase", "RESET 03\r", "Clear_enreg ok \r");
    row("eeprom save", "EEPROM 01\r", "Inf: recu:EEPROM ok \r");
    row("info block", "INFO 01\r",
        "IDENT QUARVEN2 D504 SN20417 \rTitre: QUARVEN2 testeur de transformateurs \rTempsUse: 1287 h \r"
        "Alim 9.12V \rGAMME 20-33kV \r");
    row("param write", "PARAM 13 480 P_AL_FALIM_TEMPS\r", "PARAM 13 480 P_AL_FALIM_TEMPS \r");
    // The instrument echoes its own name for the number, whatever the command carried.
    row("param write, empty name", "PARAM 15 7000 \r", "PARAM 15 7000 P_AL_FALIM_SEUIL \r");
    row("param write, negative", "PARAM 9 -12 P_OFFSET_HT\r", "PARAM 9 -12 P_OFFSET_HT \r");
    row("bootloader entry", "RESET 00\r", "TITRE QUARVEN2 bootloader V1.2\rBOOT ok\r");
    row("two commands", "INFO 04\rTEST 05\r", "Alim 9.12V \rConf: Stack_Used 812 \r");
    // The firmware's receive buffer drops an overlong line whole and goes on after its CR.
    row("overlong line", QByteArray(5000, 'A') + "TEST 05\rTEST 05\r", "Conf: Stack_Used 812 \r");
    // Lines that differ from the command set are not commands.
    row("param 27", "PARAM 27 1 X\r");
    row("param 0 write", "PARAM 0 1 X\r");
    row("param without name field", "PARAM 13 240\r");
    row("record number without blank", "INFO 00\r");
    row("download without blank", "TEST1 06 3\r");
    row("download age 0", "TEST1 06 0 \r");
    row("download age 11", "TEST1 06 11 \r");
    row("lower case", "test 05\r");
    row("after a line feed", "\nTEST 05\r");
    row("no CR yet", "TEST 05");
    row("bootloader command in normal mode", "ORVABOOTW\r");

    // The bootloader.
    const QByteArray page = "ORVABOOTP 0001\r";
    const QByteArray fill = "ORVABOOTF " + pageHex + '\r';
    const QByteArray badSum = "ORVABOOTF " + pageHex.chopped(1) + "B\r";
    const QByteArray write = "ORVABOOTW\r";
    boot("page, fill, write", page + fill + write, "PAGE 0001\rFILL ok\rWRITE ok\r", true);
    boot("quit, then normal mode", "ZAZUVEVAZ 00\rTEST 05\r",
         "-------------START--------------\rConf: Stack_Used 812 \r");
    boot("last page", "ORVABOOTP 01FF\r", "PAGE 01FF\r");
    boot("page past the flash", "ORVABOOTP 0200\r", "ERREUR page\r");
    boot("wrong checksum", page + badSum, "PAGE 0001\rERREUR checksum\r");
    boot("short page", page + "ORVABOOTF " + pageHex.mid(2) + '\r', "PAGE 0001\rERREUR longueur\r");
    boot("write before fill", page + write, "PAGE 0001\rERREUR ordre\r");
    boot("write after a refused fill", page + fill + badSum + write,
         "PAGE 0001\rFILL ok\rERREUR checksum\rERREUR ordre\r");
    boot("normal commands ignored", "TEST 05\rINFO 04\rPARAM 00\rRESET 03\rbruit\r", "");

    // Faults; the commands are carried out all the same.
    Faults f;
    f.dropAck = {1}; // an ignored line is no exchange: index 1 is the page select
    boot("ignored line shifts no fault index", "TEST 05\r" + page + "ORVABOOTP 0002\r", "PAGE 0002\r", false,
         f);
    f = Faults();
    f.wrongAckIf = [](int, const QByteArray &command) { return command.startsWith("ORVABOOTF"); };
    boot("answers spoilt by a predicate", page + fill + write, "PAGE 0001\rNAK FILL ok\rWRITE ok\r", true, f);
    f = Faults();
    f.refuseChecksum[1] = 2;
    boot("checksum refused twice", page + fill + fill + fill + write,
         "PAGE 0001\rERREUR checksum\rERREUR checksum\rFILL ok\rWRITE ok\r", true, f);
    f = Faults();
    f.silent = true;
    boot("silent", page + fill + write, "", true, f);
}

void TstSimCore::answers()
{
    QFETCH(bool, boot);
    QFETCH(QByteArray, commands);
    QFETCH(QByteArray, answers);
    QFETCH(bool, flashed);
    QFETCH(Faults, faults);
    InstrumentCore core;
    core.faults() = faults;
    if (boot)
        ask(core, "RESET 00\r");
    QCOMPARE(ask(core, commands), answers);
    QCOMPARE(core.flashPages().value(1), flashed ? QByteArray(511, '\0') + '\x2A' : QByteArray());
    if (boot)
        QVERIFY(!core.erased()); // RESET 03 is no bootloader command
}

void TstSimCore::recordText_data()
{
    QTest::addColumn<QString>("state"); // "made": madeRecord(); "erased": after RESET 03; "unwritten"
    QTest::addColumn<int>("age");
    QTest::addColumn<int>("line"); // the rows of the last line pin the line count
    QTest::addColumn<QByteArray>("text");
    const auto made = [](const char *name, int line, const char *text) {
        QTest::newRow(name) << "made" << 1 << line << QByteArray(text);
    };

    made("start", 0, "Recup_courbe debut 23 \r");
    made("title", 1, "Titre: Enregistrement 23 \r");
    made("transformer", 2, "Transformateur 15000V 410V \r");
    made("channels", 3, "Voie HT.A HT.B HT.C bt.a bt.b bt.c \r");
    made("first verdict", 4, "RESULT 01 Test CORRECT 100 \r");
    made("failed verdict", 6, "RESULT 03 Test DEFAUT 102 \r");
    made("last verdict", 22, "RESULT 19 Test CORRECT 118 \r");
    made("continuity", 23, "Continuite neutre 106 mOhm \r");
    made("primary curve", 24, "V. 0 0 0 0 -5 -4 -3 -2 -1 0 1 2 3 4 \r");
    made("secondary curve on channel 4", 27, "V. 4 0 0 0 295 296 297 298 299 300 301 302 303 304 \r");
    made("ratio, four decimals", 31, "RAPPORT 1 L2 36.6000 \r");
    made("range", 33, "GAMME 10-20kV \r");
    made("end", 34, "Recup_courbe fin 19 6 23 \r");
    // Erased or never written slots download as their number and nineteen cleared verdicts.
    QTest::newRow("erased") << "erased" << 1 << 1 << QByteArray("RESULT 01 Test_clear DEFAUT 0 \r");
    QTest::newRow("erased, oldest") << "erased" << 10 << 20 << QByteArray("Recup_courbe fin 19 6 14 \r");
    QTest::newRow("unwritten") << "unwritten" << 4 << 20 << QByteArray("Recup_courbe fin 19 6 0 \r");
}

void TstSimCore::recordText()
{
    QFETCH(QString, state);
    QFETCH(int, age);
    QFETCH(int, line);
    QFETCH(QByteArray, text);
    InstrumentCore core;
    if (state == "made")
        core.setRecord(age, madeRecord());
    else if (state == "erased")
        ask(core, "RESET 03\r");
    else
        core.setRecordNumber(3);
    // Cut at the CRs: every line ends with one, the last too.
    QByteArrayList record = ask(core, "TEST1 06 " + QByteArray::number(age) + " \r").split('\r');
    QCOMPARE(record.takeLast(), QByteArray());
    QCOMPARE(record.value(line) + '\r', text);
    QVERIFY(record.last().startsWith("Recup_courbe fin "));
}

// Generated records stay the same for a seed and a number wherever the number sits in the ring. They
// differ from each other and some have failed tests, so that a download shows whether it got the right one.
void TstSimCore::generatedRecords()
{
    InstrumentCore core(7);
    InstrumentCore same(7);
    InstrumentCore other(8);
    InstrumentCore later(7);
    later.setRecordNumber(qvx2sim::kDefaultRecordNumber + 3);
    QSet<QByteArray> distinct;
    int failed = 0;
    for (int age = 1; age <= qvx2sim::kRecordCount; ++age) {
        const QByteArray text = core.recordLines(age).join();
        QCOMPARE(same.recordLines(age).join(), text);
        QVERIFY(other.recordLines(age).join() != text);
        if (age + 3 <= qvx2sim::kRecordCount)
            QCOMPARE(later.recordLines(age + 3).join(), text);
        distinct.insert(text);
        failed += text.count(" DEFAUT ");
    }
    QCOMPARE(distinct.size(), qvx2sim::kRecordCount);
    QVERIFY(failed > 0);
}

// Answers lost at random: drawn afresh at each bootloader entry from the seed, so a run can be replayed.
void TstSimCore::randomAckLoss()
{
    InstrumentCore core;
    core.faults().dropAckProbability = 0.3;
    core.faults().dropAckSeed = 5;
    const auto run = [&core] {
        QByteArray answered(1, ask(core, "RESET 00\r").isEmpty() ? '-' : '+');
        for (int page = 0; page < 100; ++page) {
            const QByteArray hex = QByteArray::number(page, 16).toUpper().rightJustified(4, '0');
            answered += ask(core, "ORVABOOTP " + hex + '\r').isEmpty() ? '-' : '+';
        }
        return answered;
    };
    const QByteArray first = run();
    QCOMPARE(run(), first);
    QVERIFY2(first.count('-') > 15 && first.count('-') < 45, first.constData());
    core.faults().dropAckSeed = 6;
    QVERIFY(run() != first);
}

QTEST_GUILESS_MAIN(TstSimCore)
#include "tst_simcore.moc"
