// Tests of the simulated instrument's protocol core: the exact answers the application's parser relies on,
// the content of records, parameters, the bootloader and the injected faults.

#include "instrumentcore.h"

#include <QtTest>

using qvx2sim::Chunk;
using qvx2sim::InstrumentCore;

namespace
{

// Feeds one command and returns the bytes of every answer chunk, pauses ignored.
QByteArray ask(InstrumentCore &core, const QByteArray &command)
{
    core.feed(command);
    QByteArray out;
    for (const Chunk &c : core.takeOutput())
        out += c.bytes;
    return out;
}

// Lines as the application's parser cuts them: each keeps its CR.
QList<QByteArray> lines(const QByteArray &bytes)
{
    QList<QByteArray> out;
    int start = 0;
    for (int cr = bytes.indexOf('\r'); cr >= 0; cr = bytes.indexOf('\r', start)) {
        out.append(bytes.mid(start, cr + 1 - start));
        start = cr + 1;
    }
    return out;
}

// Fields as the application's parser splits a line: at every single space, the last one carrying the CR.
QList<QByteArray> fields(const QByteArray &line)
{
    return line.split(' ');
}

// First word of a bootloader answer line, as the update dialog reads it.
bool isAck(const QByteArray &line)
{
    const int blank = line.indexOf(' ');
    QByteArray word = blank < 0 ? line : line.left(blank);
    word = word.replace('\r', "").toUpper();
    return word == "FILL" || word == "PAGE" || word == "WRITE" || word == "BOOT" || word == "CRC" ||
           word == "-------------START--------------";
}

// Page k of a firmware file as the update dialog sends it: short pages are completed with filler bytes
// whose value is the low byte of their position.
QByteArray firmwarePage(const QByteArray &file, int k)
{
    QByteArray page = file.mid(k * 512, 512);
    for (int i = page.size(); i < 512; ++i)
        page.append(char(i & 0xff));
    return page;
}

} // namespace

// Tests of InstrumentCore.
class TstSimCore : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void commandSplitAcrossFeeds();
    void recordContent_data();
    void recordContent();
    void recordsDeterministicAndDistinct();
    void clearedRecords_data();
    void clearedRecords();
    void bootloaderRefusals_data();
    void bootloaderRefusals();
    void bootloaderModeIgnoresNormalCommands();
};

void TstSimCore::answers_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("answer");

    QTest::newRow("probe") << QByteArray("TEST 05\r") << QByteArray("Conf: Stack_Used 812 \r");
    QTest::newRow("ping") << QByteArray("INFO 04\r") << QByteArray("Alim 9.12V \r");
    QTest::newRow("record number") << QByteArray("INFO 00 \r") << QByteArray("Enreg_en_cours 23 \r");
    QTest::newRow("erase") << QByteArray("RESET 03\r") << QByteArray("Clear_enreg ok \r");
    QTest::newRow("eeprom save") << QByteArray("EEPROM 01\r") << QByteArray("Inf: recu:EEPROM ok \r");
    QTest::newRow("info block") << QByteArray("INFO 01\r")
                                << QByteArray("IDENT QUARVEN2 D504 SN20417 \r"
                                              "Titre: QUARVEN2 testeur de transformateurs \r"
                                              "TempsUse: 1287 h \rAlim 9.12V \rGAMME 20-33kV \r");
    QTest::newRow("param write") << QByteArray("PARAM 13 480 P_AL_FALIM_TEMPS\r")
                                 << QByteArray("PARAM 13 480 P_AL_FALIM_TEMPS \r");
    QTest::newRow("param write, empty name")
        << QByteArray("PARAM 15 7000 \r") << QByteArray("PARAM 15 7000 P_AL_FALIM_SEUIL \r");
    QTest::newRow("param write, negative")
        << QByteArray("PARAM 9 -12 P_OFFSET_HT\r") << QByteArray("PARAM 9 -12 P_OFFSET_HT \r");
    QTest::newRow("bootloader entry")
        << QByteArray("RESET 00\r") << QByteArray("TITRE QUARVEN2 bootloader V1.2\rBOOT ok\r");
    // Lines that differ from the command set are not commands.
    QTest::newRow("param 27") << QByteArray("PARAM 27 1 X\r") << QByteArray();
    QTest::newRow("param 0 write") << QByteArray("PARAM 0 1 X\r") << QByteArray();
    QTest::newRow("param without name field") << QByteArray("PARAM 13 240\r") << QByteArray();
    QTest::newRow("record number without blank") << QByteArray("INFO 00\r") << QByteArray();
    QTest::newRow("download without blank") << QByteArray("TEST1 06 3\r") << QByteArray();
    QTest::newRow("download age 0") << QByteArray("TEST1 06 0 \r") << QByteArray();
    QTest::newRow("download age 11") << QByteArray("TEST1 06 11 \r") << QByteArray();
    QTest::newRow("lower case") << QByteArray("test 05\r") << QByteArray();
    QTest::newRow("after a line feed") << QByteArray("\nTEST 05\r") << QByteArray();
    QTest::newRow("no CR yet") << QByteArray("TEST 05") << QByteArray();
    QTest::newRow("unknown") << QByteArray("HELLO\r") << QByteArray();
    QTest::newRow("bootloader command in normal mode") << QByteArray("ORVABOOTW\r") << QByteArray();
}

void TstSimCore::answers()
{
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, answer);
    InstrumentCore core;
    QCOMPARE(ask(core, command), answer);
}

void TstSimCore::commandSplitAcrossFeeds()
{
    InstrumentCore core;
    QByteArray out;
    for (char c : QByteArray("INFO 04\rTEST 05\r"))
        out += ask(core, QByteArray(1, c));
    QCOMPARE(out, QByteArray("Alim 9.12V \rConf: Stack_Used 812 \r"));

    // An overlong line is dropped whole and the stream goes on after its CR.
    QCOMPARE(ask(core, QByteArray(5000, 'A') + "TEST 05\rTEST 05\r"), QByteArray("Conf: Stack_Used 812 \r"));
}

void TstSimCore::recordContent_data()
{
    QTest::addColumn<int>("age");
    for (int age = 1; age <= qvx2sim::kRecordCount; ++age)
        QTest::addRow("age %d", age) << age;
}

void TstSimCore::recordContent()
{
    QFETCH(int, age);
    InstrumentCore core;
    const QList<QByteArray> record = lines(ask(core, "TEST1 06 " + QByteArray::number(age) + " \r"));
    QVERIFY(record.size() > 2);

    const QList<QByteArray> first = fields(record.first());
    QCOMPARE(first.value(0), QByteArray("Recup_courbe"));
    QCOMPARE(first.value(1), QByteArray("debut"));
    const QList<QByteArray> last = fields(record.last());
    QCOMPARE(last.value(0), QByteArray("Recup_courbe"));
    QCOMPARE(last.value(1), QByteArray("fin"));
    QCOMPARE(last.value(4), QByteArray::number(qvx2sim::kDefaultRecordNumber - (age - 1)));

    int results = 0;
    QMap<int, QList<int>> curveStarts; // channel -> x of each line
    QList<double> ratios;
    double primaryPeak = 0;
    double secondaryPeak = 0;
    bool range = false;
    for (const QByteArray &line : record) {
        const QList<QByteArray> f = fields(line);
        if (f[0] == "RESULT") {
            ++results;
            QCOMPARE(f.value(1), QByteArray::number(results).rightJustified(2, '0'));
            QVERIFY2(f.value(3) == "CORRECT" || f.value(3) == "DEFAUT", line.constData());
        } else if (f[0] == "V.") {
            QCOMPARE(f.size(), 16);
            const int channel = f[1].toInt();
            curveStarts[channel].append(f[3].toInt());
            for (int i = 5; i < 15; ++i) {
                bool ok = false;
                const int y = f[i].toInt(&ok);
                QVERIFY2(ok, line.constData());
                double &peak = channel <= 2 ? primaryPeak : secondaryPeak;
                peak = qMax(peak, qAbs(double(y)));
            }
        } else if (f[0] == "RAPPORT") {
            QCOMPARE(f.value(1).toInt(), ratios.size());
            QVERIFY(f.value(3).contains('.'));
            bool ok = false;
            ratios.append(f.value(3).toDouble(&ok));
            QVERIFY(ok);
        } else if (f[0] == "GAMME") {
            range = QList<QByteArray>{"3-6kV", "6-10kV", "10-20kV", "20-33kV"}.contains(f.value(1));
        }
    }
    QCOMPARE(results, qvx2sim::kTestCount);
    QVERIFY(range);

    QCOMPARE(curveStarts.keys(), (QList<int>{0, 1, 2, 4, 5, 6}));
    for (const QList<int> &starts : curveStarts) {
        QCOMPARE(starts.size(), qvx2sim::kCurvePoints / 10);
        for (int i = 0; i < starts.size(); ++i)
            QCOMPARE(starts[i], 10 * i); // x runs on without gaps or overlaps
    }
    QVERIFY2(primaryPeak > 2 * secondaryPeak,
             qPrintable(QString("%1 %2").arg(primaryPeak).arg(secondaryPeak)));

    // Three ratios near one real transformer's turns ratio, a little apart from each other.
    QCOMPARE(ratios.size(), 3);
    bool nearReal = false;
    for (int hv : {5500, 10000, 15000, 20000, 30000})
        nearReal = nearReal || qAbs(ratios[0] / (hv / 410.0) - 1.0) < 0.005;
    QVERIFY(nearReal);
    for (double r : ratios)
        QVERIFY(qAbs(r / ratios[0] - 1.0) < 0.01);
    QVERIFY(ratios[0] != ratios[1] || ratios[1] != ratios[2]);
}

void TstSimCore::recordsDeterministicAndDistinct()
{
    InstrumentCore a(7);
    InstrumentCore b(7);
    InstrumentCore other(8);
    QSet<QByteArray> distinct;
    int failed = 0;
    for (int age = 1; age <= qvx2sim::kRecordCount; ++age) {
        const QByteArray command = "TEST1 06 " + QByteArray::number(age) + " \r";
        const QByteArray record = ask(a, command);
        QCOMPARE(ask(b, command), record);
        QVERIFY(ask(other, command) != record);
        distinct.insert(record);
        failed += record.count(" DEFAUT ");
    }
    QCOMPARE(distinct.size(), qvx2sim::kRecordCount);
    QVERIFY(failed > 0);

    // A record keeps its content when newer records push it down the ring.
    InstrumentCore newer(7);
    newer.setRecordNumber(qvx2sim::kDefaultRecordNumber + 3);
    QCOMPARE(ask(newer, "TEST1 06 4 \r"), ask(a, "TEST1 06 1 \r"));
}

void TstSimCore::clearedRecords_data()
{
    QTest::addColumn<bool>("erase");
    QTest::addColumn<int>("recordNumber");
    QTest::addColumn<int>("age");
    QTest::newRow("erased, newest") << true << 23 << 1;
    QTest::newRow("erased, oldest") << true << 23 << 10;
    QTest::newRow("never recorded") << false << 3 << 4;
}

void TstSimCore::clearedRecords()
{
    QFETCH(bool, erase);
    QFETCH(int, recordNumber);
    QFETCH(int, age);
    InstrumentCore core;
    core.setRecordNumber(recordNumber);
    if (erase) {
        QCOMPARE(ask(core, "RESET 03\r"), QByteArray("Clear_enreg ok \r"));
        QVERIFY(core.erased());
    }
    const QList<QByteArray> record = lines(ask(core, "TEST1 06 " + QByteArray::number(age) + " \r"));
    QCOMPARE(record.first(), "Recup_courbe debut " + QByteArray::number(recordNumber - age + 1) + " \r");
    QCOMPARE(record.last(), "Recup_courbe fin 19 6 " + QByteArray::number(recordNumber - age + 1) + " \r");
    QCOMPARE(record.size(), 2 + qvx2sim::kTestCount);
    for (int i = 1; i <= qvx2sim::kTestCount; ++i)
        QCOMPARE(fields(record[i]).value(2), QByteArray("Test_clear"));
}

void TstSimCore::bootloaderRefusals_data()
{
    QTest::addColumn<QList<QByteArray>>("commands"); // sent after RESET 00 and ORVABOOTP 0001
    QTest::addColumn<QByteArray>("answer");          // to the last command

    const QByteArray good = InstrumentCore::pageText(firmwarePage("abc", 0));
    QByteArray badSum = good;
    badSum[badSum.size() - 1] = badSum.endsWith('3') ? '4' : '3';
    QTest::newRow("wrong checksum") << QList<QByteArray>{"ORVABOOTF " + badSum + '\r'}
                                    << QByteArray("ERREUR checksum\r");
    QTest::newRow("write after a refused fill")
        << QList<QByteArray>{"ORVABOOTF " + good + '\r', "ORVABOOTF " + badSum + '\r', "ORVABOOTW\r"}
        << QByteArray("ERREUR ordre\r");
    QTest::newRow("short page") << QList<QByteArray>{"ORVABOOTF " + good.mid(2) + '\r'}
                                << QByteArray("ERREUR longueur\r");
    QTest::newRow("lower-case hex") << QList<QByteArray>{"ORVABOOTF " + good.toLower() + '\r'}
                                    << QByteArray("ERREUR hex\r");
    QTest::newRow("write before fill") << QList<QByteArray>{"ORVABOOTW\r"} << QByteArray("ERREUR ordre\r");
    QTest::newRow("page past the flash")
        << QList<QByteArray>{"ORVABOOTP 0200\r"} << QByteArray("ERREUR page\r");
    QTest::newRow("page with 2 digits") << QList<QByteArray>{"ORVABOOTP 12\r"} << QByteArray("ERREUR page\r");
    QTest::newRow("last page") << QList<QByteArray>{"ORVABOOTP 01FF\r"} << QByteArray("PAGE 01FF\r");
}

void TstSimCore::bootloaderRefusals()
{
    QFETCH(QList<QByteArray>, commands);
    QFETCH(QByteArray, answer);
    InstrumentCore core;
    ask(core, "RESET 00\r");
    QCOMPARE(ask(core, "ORVABOOTP 0001\r"), QByteArray("PAGE 0001\r"));
    QByteArray last;
    for (const QByteArray &command : commands)
        last = ask(core, command);
    QCOMPARE(last, answer);
    if (answer.startsWith("ERREUR")) {
        QVERIFY(!isAck(answer));
        QVERIFY(!core.flashPages().contains(1));
    }
}

void TstSimCore::bootloaderModeIgnoresNormalCommands()
{
    InstrumentCore core;
    ask(core, "RESET 00\r");
    QCOMPARE(core.mode(), InstrumentCore::Mode::Bootloader);
    for (const char *command : {"TEST 05\r", "INFO 04\r", "PARAM 00\r", "RESET 03\r", "bruit\r"})
        QCOMPARE(ask(core, command), QByteArray());
    QVERIFY(!core.erased());
    QCOMPARE(core.bootExchangeCount(), 1);

    // A second reset restarts the bootloader with a new count of exchanges.
    QCOMPARE(ask(core, "RESET 00\r"), QByteArray("TITRE QUARVEN2 bootloader V1.2\rBOOT ok\r"));
    QCOMPARE(core.bootRuns(), 2);
    ask(core, "ORVABOOTP 0003\r");
    QCOMPARE(core.bootLog().last().index, 1);
    QCOMPARE(ask(core, "ZAZUVEVAZ 00\r"), QByteArray("-------------START--------------\r"));
    QCOMPARE(ask(core, "TEST 05\r"), QByteArray("Conf: Stack_Used 812 \r"));
}

QTEST_GUILESS_MAIN(TstSimCore)
#include "tst_simcore.moc"
