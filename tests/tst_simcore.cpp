// Tests of the simulated instrument's protocol core: the exact answers the application's parser relies on,
// the content of records, parameters, the bootloader and the injected faults.

#include "instrumentcore.h"

#include <QRandomGenerator>
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

int firmwarePageCount(const QByteArray &file)
{
    return file.size() / 512 + 1;
}

// The command lines of a whole update run, quit included.
QList<QByteArray> updateRun(const QByteArray &file)
{
    QList<QByteArray> run{"RESET 00\r"};
    for (int k = 0; k < firmwarePageCount(file); ++k) {
        run.append("ORVABOOTP " + QByteArray::number(k | 0x10000, 16).right(4).toUpper() + '\r');
        run.append("ORVABOOTF " + InstrumentCore::pageText(firmwarePage(file, k)) + '\r');
        run.append("ORVABOOTW\r");
    }
    run.append("ZAZUVEVAZ 00\r");
    return run;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray out(size, '\0');
    for (char &c : out)
        c = char(rng.bounded(256));
    return out;
}

const QList<QByteArray> kParserKeywords{
    "RESULT", "V.",           "Clear_enreg",    "RAPPORT", "Voie",          "PARAM",
    "Titre:", "Continuite",   "TempsUse:",      "Alim",    "Inf:",          "Conf:",
    "GAMME",  "Recup_courbe", "Enreg_en_cours", "IDENT",   "Transformateur"};

} // namespace

// Tests of InstrumentCore.
class TstSimCore : public QObject
{
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void commandSplitAcrossFeeds();
    void answerLinesMatchParser_data();
    void answerLinesMatchParser();
    void recordContent_data();
    void recordContent();
    void recordsDeterministicAndDistinct();
    void clearedRecords_data();
    void clearedRecords();
    void parameterList_data();
    void parameterList();
    void parameterWrite_data();
    void parameterWrite();
    void lineFaults_data();
    void lineFaults();
    void chunkTiming_data();
    void chunkTiming();
    void linkDiesMidRecord_data();
    void linkDiesMidRecord();
    void pageTextMatchesUpdateFormat();
    void flashImage_data();
    void flashImage();
    void bootloaderRefusals_data();
    void bootloaderRefusals();
    void checksumRefusalFault_data();
    void checksumRefusalFault();
    void exchangeFaults_data();
    void exchangeFaults();
    void randomAckDrops();
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

void TstSimCore::answerLinesMatchParser_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("probe") << QByteArray("TEST 05\r");
    QTest::newRow("ping") << QByteArray("INFO 04\r");
    QTest::newRow("record number") << QByteArray("INFO 00 \r");
    QTest::newRow("erase") << QByteArray("RESET 03\r");
    QTest::newRow("param list") << QByteArray("PARAM 00\r");
    QTest::newRow("eeprom") << QByteArray("EEPROM 01\r");
    QTest::newRow("info") << QByteArray("INFO 01\r");
    for (int age = 1; age <= qvx2sim::kRecordCount; ++age)
        QTest::addRow("record %d", age) << QByteArray("TEST1 06 " + QByteArray::number(age) + " \r");
}

// Every answer line starts with a keyword of the parser and ends with a blank before its CR, so that no
// field the parser reads carries the CR.
void TstSimCore::answerLinesMatchParser()
{
    QFETCH(QByteArray, command);
    InstrumentCore core;
    const QByteArray out = ask(core, command);
    QVERIFY(out.endsWith('\r'));
    for (const QByteArray &line : lines(out)) {
        QVERIFY2(kParserKeywords.contains(fields(line).first()), line.constData());
        QVERIFY2(line.endsWith(" \r"), line.constData());
        QVERIFY2(!line.contains("  "), line.constData());
    }
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

void TstSimCore::parameterList_data()
{
    QTest::addColumn<int>("seuilNumber");
    QTest::newRow("default") << qvx2sim::kDefaultSeuilNumber;
    QTest::newRow("moved") << 20;
    QTest::newRow("absent") << 0;
}

void TstSimCore::parameterList()
{
    QFETCH(int, seuilNumber);
    InstrumentCore core;
    QVERIFY(core.setSeuilNumber(seuilNumber));
    const QList<QByteArray> list = lines(ask(core, "PARAM 00\r"));
    QCOMPARE(list.size(), qvx2sim::kParamCount);
    QSet<QByteArray> names;
    int seuilFound = 0;
    for (int n = 1; n <= qvx2sim::kParamCount; ++n) {
        const QList<QByteArray> f = fields(list[n - 1]);
        QCOMPARE(f.size(), 5); // PARAM, number, value, name, CR
        QCOMPARE(f[1].toInt(), n);
        QVERIFY(f[3].startsWith("P_"));
        names.insert(f[3]);
        if (f[3] == "P_AL_FALIM_SEUIL") {
            seuilFound = n;
            QCOMPARE(f[2], QByteArray("7700"));
        }
    }
    QCOMPARE(names.size(), qvx2sim::kParamCount);
    QCOMPARE(list[12], QByteArray("PARAM 13 240 P_AL_FALIM_TEMPS \r"));
    QCOMPARE(list[13], QByteArray("PARAM 14 3 P_DEMAR_GAMME \r"));
    QCOMPARE(seuilFound, seuilNumber);

    // The threshold never shares a number with the cut-off time or the start-up range.
    QVERIFY(!core.setSeuilNumber(13));
    QVERIFY(!core.setSeuilNumber(14));
}

void TstSimCore::parameterWrite_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("echoOffset");
    QTest::addColumn<QByteArray>("echo");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("stored");

    QTest::newRow("cut-off time") << QByteArray("PARAM 13 120 P_AL_FALIM_TEMPS\r") << 0
                                  << QByteArray("PARAM 13 120 P_AL_FALIM_TEMPS \r") << 13 << 120;
    QTest::newRow("range, name not reported yet")
        << QByteArray("PARAM 14 0 \r") << 0 << QByteArray("PARAM 14 0 P_DEMAR_GAMME \r") << 14 << 0;
    QTest::newRow("threshold, echo offset") << QByteArray("PARAM 15 7000 P_AL_FALIM_SEUIL\r") << 5
                                            << QByteArray("PARAM 15 7005 P_AL_FALIM_SEUIL \r") << 15 << 7000;
    QTest::newRow("negative echo offset") << QByteArray("PARAM 13 480 P_AL_FALIM_TEMPS\r") << -240
                                          << QByteArray("PARAM 13 240 P_AL_FALIM_TEMPS \r") << 13 << 480;
}

void TstSimCore::parameterWrite()
{
    QFETCH(QByteArray, command);
    QFETCH(int, echoOffset);
    QFETCH(QByteArray, echo);
    QFETCH(int, number);
    QFETCH(int, stored);
    InstrumentCore core;
    core.faults().echoOffset = echoOffset;
    const qint32 before = core.parameter(number).value;
    QCOMPARE(ask(core, command), echo);
    QCOMPARE(core.parameter(number).value, stored);
    QVERIFY(lines(ask(core, "PARAM 00\r"))
                .contains("PARAM " + QByteArray::number(number) + ' ' + QByteArray::number(stored) + ' ' +
                          core.parameter(number).name.toLatin1() + " \r"));

    // Only the EEPROM save makes the value permanent.
    QCOMPARE(core.savedParameters()[number].value, before);
    ask(core, "EEPROM 01\r");
    QCOMPARE(core.eepromSaveCount(), 1);
    QCOMPARE(core.savedParameters()[number].value, stored);
}

void TstSimCore::lineFaults_data()
{
    QTest::addColumn<bool>("nul");
    QTest::addColumn<bool>("crlf");
    QTest::addColumn<bool>("garbage");
    QTest::addColumn<bool>("silent");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("answer");

    const QByteArray probe("TEST 05\r");
    QTest::newRow("nul") << true << false << false << false << probe
                         << QByteArray("Conf: Stack_Used 812 \0\r", 23);
    QTest::newRow("crlf") << false << true << false << false << probe
                          << QByteArray("Conf: Stack_Used 812 \r\n");
    QTest::newRow("nul and crlf") << true << true << false << false << probe
                                  << QByteArray("Conf: Stack_Used 812 \0\r\n", 24);
    QTest::newRow("garbage") << false << false << true << false << QByteArray("INFO 00 \r")
                             << QByteArray("bruit 1 ligne parasite \rEnreg_en_cours 23 \r");
    QTest::newRow("silent") << false << false << false << true << probe << QByteArray();
    QTest::newRow("silent bootloader")
        << false << false << false << true << QByteArray("RESET 00\r") << QByteArray();
    QTest::newRow("crlf bootloader") << false << true << false << false << QByteArray("RESET 00\r")
                                     << QByteArray("TITRE QUARVEN2 bootloader V1.2\r\nBOOT ok\r\n");
}

void TstSimCore::lineFaults()
{
    QFETCH(bool, nul);
    QFETCH(bool, crlf);
    QFETCH(bool, garbage);
    QFETCH(bool, silent);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, answer);
    InstrumentCore core;
    core.faults().nulBeforeCr = nul;
    core.faults().crlf = crlf;
    core.faults().garbage = garbage;
    core.faults().silent = silent;
    QCOMPARE(ask(core, command), answer);
}

void TstSimCore::chunkTiming_data()
{
    QTest::addColumn<int>("lateMs");
    QTest::addColumn<int>("splitBytes");
    QTest::addColumn<int>("splitGapMs");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QList<int>>("delays");

    // The probe answer is 22 bytes, answered after kAnswerDelayMs.
    const int d = qvx2sim::kAnswerDelayMs;
    QTest::newRow("plain") << 0 << 0 << 0 << QList<int>{22} << QList<int>{d};
    QTest::newRow("late") << 300 << 0 << 0 << QList<int>{22} << QList<int>{d + 300};
    QTest::newRow("split 5") << 0 << 5 << 7 << QList<int>{5, 5, 5, 5, 2} << QList<int>{d, 7, 7, 7, 7};
    QTest::newRow("split 1, late") << 50 << 1 << 0 << QVector<int>(22, 1).toList()
                                   << (QList<int>{d + 50} + QVector<int>(21, 0).toList());
    QTest::newRow("split larger than answer") << 0 << 100 << 9 << QList<int>{22} << QList<int>{d};
}

void TstSimCore::chunkTiming()
{
    QFETCH(int, lateMs);
    QFETCH(int, splitBytes);
    QFETCH(int, splitGapMs);
    QFETCH(QList<int>, sizes);
    QFETCH(QList<int>, delays);
    InstrumentCore core;
    core.faults().lateMs = lateMs;
    core.faults().splitBytes = splitBytes;
    core.faults().splitGapMs = splitGapMs;
    core.feed("TEST 05\r");
    QList<int> gotSizes;
    QList<int> gotDelays;
    QByteArray joined;
    for (const Chunk &c : core.takeOutput()) {
        gotSizes.append(c.bytes.size());
        gotDelays.append(c.delayMs);
        joined += c.bytes;
    }
    QCOMPARE(gotSizes, sizes);
    QCOMPARE(gotDelays, delays);
    QCOMPARE(joined, QByteArray("Conf: Stack_Used 812 \r"));
}

void TstSimCore::linkDiesMidRecord_data()
{
    QTest::addColumn<int>("afterLines");
    QTest::addColumn<bool>("garbage");
    QTest::newRow("before the first line") << 0 << false;
    QTest::newRow("after the start line") << 1 << false;
    QTest::newRow("among the curves") << 60 << false;
    QTest::newRow("garbage lines do not count") << 30 << true;
}

void TstSimCore::linkDiesMidRecord()
{
    QFETCH(int, afterLines);
    QFETCH(bool, garbage);
    InstrumentCore core;
    const QList<QByteArray> full = core.recordLines(1);
    core.faults().dieAfterRecordLines = afterLines;
    core.faults().garbage = garbage;
    core.feed("TEST1 06 1 \r");
    const QList<Chunk> out = core.takeOutput();
    QVERIFY(!out.isEmpty());
    QVERIFY(out.last().closeLink);
    QByteArray bytes;
    for (int i = 0; i < out.size() - 1; ++i) {
        QVERIFY(!out[i].closeLink);
        bytes += out[i].bytes;
    }
    QList<QByteArray> sent = lines(bytes);
    sent.erase(
        std::remove_if(sent.begin(), sent.end(), [](const QByteArray &l) { return l.startsWith("bruit"); }),
        sent.end());
    QCOMPARE(sent, full.mid(0, afterLines));

    // Other commands are not cut, nor a record shorter than the limit.
    QVERIFY(!ask(core, "PARAM 00\r").isEmpty());
    core.faults().dieAfterRecordLines = full.size();
    core.feed("TEST1 06 1 \r");
    const QList<Chunk> whole = core.takeOutput();
    QVERIFY(std::none_of(whole.begin(), whole.end(), [](const Chunk &c) { return c.closeLink; }));
}

// The example of the update format: the three bytes "abc" completed with filler, checksum 23.
void TstSimCore::pageTextMatchesUpdateFormat()
{
    const QByteArray text = InstrumentCore::pageText(firmwarePage("abc", 0));
    QCOMPARE(text.size(), qvx2sim::kFillHexDigits);
    QVERIFY(text.startsWith("6162630304"));
    QCOMPARE(text.mid(2 * 255, 2), QByteArray("FF"));
    QCOMPARE(text.mid(2 * 256, 4), QByteArray("0001"));
    QVERIFY(text.endsWith("FF23"));
    QCOMPARE(InstrumentCore::pageText(firmwarePage(QByteArray(512, 'x'), 1)).right(2), QByteArray("00"));
}

void TstSimCore::flashImage_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("three bytes") << QByteArray("abc");
    QTest::newRow("one whole page") << randomBytes(512, 1);
    QTest::newRow("three pages") << randomBytes(1300, 2);
}

void TstSimCore::flashImage()
{
    QFETCH(QByteArray, file);
    InstrumentCore core;
    const QList<QByteArray> run = updateRun(file);
    for (const QByteArray &command : run) {
        const QList<QByteArray> answer = lines(ask(core, command));
        QVERIFY2(!answer.isEmpty() && isAck(answer.last()), command.left(20).constData());
    }
    QCOMPARE(core.mode(), InstrumentCore::Mode::Normal);

    const QMap<int, QByteArray> flash = core.flashPages();
    QCOMPARE(flash.size(), firmwarePageCount(file));
    for (int k = 0; k < firmwarePageCount(file); ++k)
        QCOMPARE(flash.value(k), firmwarePage(file, k));
    QCOMPARE(flash.value(0).left(file.size()), file.left(512));

    const QList<qvx2sim::BootExchange> log = core.bootLog();
    QCOMPARE(log.size(), run.size());
    for (int i = 0; i < log.size(); ++i) {
        QCOMPARE(log[i].index, i);
        QCOMPARE(log[i].command + '\r', run[i]);
        QVERIFY(log[i].acknowledged);
    }
    QCOMPARE(ask(core, "TEST 05\r"), QByteArray("Conf: Stack_Used 812 \r"));
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

void TstSimCore::checksumRefusalFault_data()
{
    QTest::addColumn<int>("refusals");
    QTest::addColumn<QList<bool>>("acks"); // of three fills in a row of page 1
    QTest::newRow("once") << 1 << QList<bool>{false, true, true};
    QTest::newRow("twice") << 2 << QList<bool>{false, false, true};
    QTest::newRow("always") << -1 << QList<bool>{false, false, false};
}

void TstSimCore::checksumRefusalFault()
{
    QFETCH(int, refusals);
    QFETCH(QList<bool>, acks);
    InstrumentCore core;
    core.faults().refuseChecksum[1] = refusals;
    const QByteArray fill = "ORVABOOTF " + InstrumentCore::pageText(firmwarePage("abc", 0)) + '\r';
    ask(core, "RESET 00\r");
    ask(core, "ORVABOOTP 0000\r");
    QCOMPARE(ask(core, fill), QByteArray("FILL ok\r")); // other pages are not refused
    ask(core, "ORVABOOTP 0001\r");
    QList<bool> got;
    for (int i = 0; i < acks.size(); ++i) {
        const QByteArray answer = ask(core, fill);
        got.append(isAck(answer));
        if (!got.last())
            QCOMPARE(answer, QByteArray("ERREUR checksum\r"));
    }
    QCOMPARE(got, acks);
}

void TstSimCore::exchangeFaults_data()
{
    QTest::addColumn<QString>("kind"); // "drop", "wrong", "drop if write", "wrong if fill"
    QTest::addColumn<int>("index");

    // Two pages: 0 RESET 00, 1-3 page 0, 4-6 page 1, 7 quit. A fault at every single exchange of one run.
    for (int i = 0; i < 8; ++i) {
        QTest::addRow("drop %d", i) << "drop" << i;
        QTest::addRow("wrong %d", i) << "wrong" << i;
    }
    QTest::newRow("drop every write") << "drop if write" << -1;
    QTest::newRow("wrong every fill") << "wrong if fill" << -1;
}

void TstSimCore::exchangeFaults()
{
    QFETCH(QString, kind);
    QFETCH(int, index);
    const QByteArray file = randomBytes(700, 3);
    const QList<QByteArray> run = updateRun(file);
    QCOMPARE(run.size(), 8);

    InstrumentCore core;
    qvx2sim::Faults &f = core.faults();
    QSet<int> hit;
    if (kind == "drop") {
        f.dropAck = {index};
        hit = {index};
    } else if (kind == "wrong") {
        f.wrongAck = {index};
        hit = {index};
    } else if (kind == "drop if write") {
        f.dropAckIf = [](int, const QByteArray &command) { return command == "ORVABOOTW"; };
        hit = {3, 6};
    } else {
        f.wrongAckIf = [](int, const QByteArray &command) { return command.startsWith("ORVABOOTF"); };
        hit = {2, 5};
    }
    const bool dropped = kind.startsWith("drop");

    for (int i = 0; i < run.size(); ++i) {
        const QList<QByteArray> answer = lines(ask(core, run[i]));
        const bool acked = std::any_of(answer.begin(), answer.end(), isAck);
        QVERIFY2(acked != hit.contains(i), qPrintable(QString("exchange %1").arg(i)));
        if (hit.contains(i) && dropped)
            QVERIFY(answer.isEmpty());
        if (hit.contains(i) && !dropped)
            QVERIFY(!answer.isEmpty());
    }
    // The commands were carried out all the same: only their answers were spoilt.
    QCOMPARE(core.flashPages().value(0), firmwarePage(file, 0));
    QCOMPARE(core.flashPages().value(1), firmwarePage(file, 1));
    QCOMPARE(core.mode(), InstrumentCore::Mode::Normal);
    for (const qvx2sim::BootExchange &e : core.bootLog())
        QCOMPARE(e.acknowledged, !hit.contains(e.index));
}

void TstSimCore::randomAckDrops()
{
    auto pattern = [](double probability, quint32 seed) {
        InstrumentCore core;
        core.faults().dropAckProbability = probability;
        core.faults().dropAckSeed = seed;
        QList<bool> acked;
        for (int run = 0; run < 2; ++run) { // the pattern restarts at each bootloader entry
            ask(core, "RESET 00\r");
            for (int i = 0; i < 40; ++i)
                ask(core, "ORVABOOTP 0001\r");
        }
        for (const qvx2sim::BootExchange &e : core.bootLog())
            acked.append(e.acknowledged);
        return acked;
    };
    const QList<bool> half = pattern(0.5, 11);
    QCOMPARE(half.size(), 82);
    QCOMPARE(pattern(0.5, 11), half);
    QVERIFY(pattern(0.5, 12) != half);
    QCOMPARE(half.mid(41), half.mid(0, 41));
    QVERIFY(half.count(true) > 10 && half.count(false) > 10);
    QCOMPARE(pattern(1.0, 11).count(true), 0);
    QCOMPARE(pattern(0.0, 11).count(false), 0);
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
