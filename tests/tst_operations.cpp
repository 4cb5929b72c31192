// The instrument's operations in the core, against the simulated instrument over a pseudo-terminal, with no
// window: parameters (read, write with its echo and memory save, patch files), records (one into a record
// session, all into documents, a capture replayed, the erase, the information lines), each with what it
// came to; and every simulator fault against every operation.

#include "archiveindex.h"
#include "faultnames.h"
#include "firmwareupdate.h"
#include "parameteroperations.h"
#include "ptyinstrument.h"
#include "recordoperations.h"
#include "testutil.h"
#include "xmlmesure.h"

#include <QtTest>

namespace
{
using Code = Result::Code;

// The link to a simulated instrument and the operations on it, with waits ten times shorter.
struct Rig {
    qvx2sim::PtyInstrument sim;
    std::unique_ptr<InstrumentLink> link;
    std::unique_ptr<RecordReader> reader;
    std::unique_ptr<RecordOperations> records;
    std::unique_ptr<ParameterOperations> parameters;
    QTemporaryDir dir;
    int seen = 0;

    bool start(const QString &fault = QString())
    {
        sim.setPacing(false);
        if (!sim.open())
            return false;
        link = std::make_unique<InstrumentLink>([this] {
            return sim.isOpen() ? QList<PortCandidate>{{sim.slavePath(), QStringLiteral("FTDI")}}
                                : QList<PortCandidate>{};
        });
        link->setTiming(LinkTiming().faster(10));
        reader = std::make_unique<RecordReader>(&link->parser());
        records = std::make_unique<RecordOperations>(link.get(), reader.get());
        parameters = std::make_unique<ParameterOperations>(link.get());
        const bool found = link->search();
        sent();
        return found && (fault.isEmpty() || qvx2sim::applyFault(sim.faults(), fault, 7));
    }
    // Lines the instrument got since the last call, the ping left out.
    QString sent()
    {
        QStringList lines =
            QString::fromLatin1(sim.receivedBytes().mid(seen)).split('\r', Qt::SkipEmptyParts);
        seen = sim.receivedBytes().size();
        lines.removeAll("INFO 04");
        return lines.join(';');
    }
    QString data() const { return dir.path() + "/Data"; }
    QString index() const { return dir.path() + "/user/archive.sqlite"; }
};

QString code(const Result &r)
{
    return QString::fromLatin1(QMetaEnum::fromType<Result::Code>().valueToKey(int(r.code)));
}
} // namespace

class TestOperations : public QObject
{
    Q_OBJECT

private slots:
    void parameters_data();
    void parameters();
    void patch_data();
    void patch();
    void download_data();
    void download();
    void downloadAll_data();
    void downloadAll();
    void replay_data();
    void replay();
    void informationAndErase();
    void faults_data();
    void faults();
};

// A read waits for the wanted parameter's line; a write goes out with the instrument's name for the number,
// is saved in its memory only once the instrument echoed it, and an echo of another value is saved as the
// instrument holds it and told; a number the instrument has no parameter for sends nothing.
void TestOperations::parameters_data()
{
    QTest::addColumn<QString>("steps"); // "read N", "write N=V", "save"; "silent" switches the instrument off
    QTest::addColumn<QString>("fault"); // applied after the first step
    QTest::addColumn<QString>("expected"); // each step's result, then "|" and the lines sent
    QTest::addColumn<QString>("held");     // the instrument's parameters afterwards: "N=V saved|unsaved"
    const auto row = [](const char *name, const char *steps, const char *fault, const char *expected,
                        const char *held) {
        QTest::newRow(name) << QString(steps) << QString(fault) << QString(expected) << QString(held);
    };
    row("read the cut-off", "read 13", "", "Done|PARAM 00", "13=240 saved");
    row("read the last one", "read 26", "", "Done|PARAM 00", "26=0 saved");
    row("write, then save", "read 13;write 13=480", "",
        "Done Done|PARAM 00;PARAM 13 480 P_AL_FALIM_TEMPS;EEPROM 01", "13=480 saved");
    row("write the last one", "read 26;write 26=1", "",
        "Done Done|PARAM 00;PARAM 26 1 P_MODE_DEBUG;EEPROM 01", "26=1 saved");
    // The instrument goes silent between the query and the write: nothing is made permanent.
    row("no echo", "read 13;write 13=480", "silent", "Done NoResponse|PARAM 00;PARAM 13 480 P_AL_FALIM_TEMPS",
        "13=480 unsaved");
    row("another value echoed", "read 13;write 13=480", "echo-offset=7",
        "Done AnswerDiffers|PARAM 00;PARAM 13 480 P_AL_FALIM_TEMPS;EEPROM 01", "13=480 saved");
    row("no parameter of that number", "write 27=1", "", "Unknown|", "13=240 saved");
    row("list unanswered", "read 13", "silent", "NoResponse|PARAM 00", "13=240 saved");
    row("memory save alone", "save", "", "Done|EEPROM 01", "13=240 saved");
}

void TestOperations::parameters()
{
    QFETCH(QString, steps);
    QFETCH(QString, fault);
    QFETCH(QString, expected);
    QFETCH(QString, held);
    Rig rig;
    QVERIFY(rig.start());
    QStringList results;
    const QStringList list = steps.split(';');
    for (int i = 0; i < list.size(); ++i) {
        if (i == 1 || list.size() == 1) {
            QTRY_VERIFY(rig.sim.isIdle()); // the list's last lines in, before the fault
            QTest::qWait(20);
            QVERIFY(fault.isEmpty() || qvx2sim::applyFault(rig.sim.faults(), fault));
        }
        const QString step = list[i];
        const int number = step.section(' ', 1).section('=', 0, 0).toInt();
        Result r;
        rig.sim.setPacing(true); // at the wire's pace: a read ends at its own line, before the list's end
        if (step.startsWith("read")) {
            r = rig.parameters->read(number);
            QVERIFY(!r || number == Qvx2::FlagParamLast || !rig.link->parser().received[Qvx2::FlagParamLast]);
        } else if (step.startsWith("write"))
            r = rig.parameters->write(number, step.section('=', 1).toInt());
        else
            r = rig.parameters->saveEeprom();
        results << code(r);
        QVERIFY(r.done() || !r.reason.isEmpty());
    }
    QCOMPARE(results.join(' ') + '|' + rig.sent(), expected);
    const int number = held.section('=', 0, 0).toInt();
    const qvx2sim::InstrumentCore &core = rig.sim.core();
    QCOMPARE(core.parameter(number).value, held.section('=', 1).section(' ', 0, 0).toInt());
    // Saved means the instrument's memory holds what it holds now.
    QCOMPARE(core.savedParameters().at(number).value == core.parameter(number).value,
             held.endsWith(" saved"));
    QCOMPARE(core.eepromSaveCount(), expected.count("EEPROM"));
}

// Each line that names a parameter the instrument reported is one write, with its echo and memory save, in
// file order; names are compared with their case; a file that cannot be read sends nothing.
void TestOperations::patch_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<QString>("fault");   // after the query
    QTest::addColumn<QString>("lines");   // each line: name, number, result
    QTest::addColumn<QString>("run");     // the run's result, written and named
    QTest::newRow("a name twice, in file order") << QByteArray("P_TEMP_MAX = 55\nP_TEMP_MAX 21 65\n") << ""
                                                 << "P_TEMP_MAX 21 Done;P_TEMP_MAX 21 Done"
                                                 << "Done 2 2";
    QTest::newRow("unknown name, case differs") << QByteArray("INCONNU = 4\np_temp_max = 5\n") << ""
                                                << "INCONNU -1 Unknown;p_temp_max -1 Unknown"
                                                << "Done 0 0";
    QTest::newRow("missing file") << QByteArray() << ""
                                  << ""
                                  << "RefusedFile 0 0";
    QTest::newRow("instrument silent") << QByteArray("P_TEMP_MAX = 55\n") << "silent"
                                       << ""
                                       << "NoResponse 0 0";
}

void TestOperations::patch()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, fault);
    QFETCH(QString, lines);
    QFETCH(QString, run);
    Rig rig;
    QVERIFY(rig.start());
    const QString path = rig.dir.filePath("patch.txt");
    QVERIFY(file.isNull() || TestUtil::writeFile(path, file));
    QVERIFY(rig.parameters->read()); // the names, before the fault
    QVERIFY(fault.isEmpty() || qvx2sim::applyFault(rig.sim.faults(), fault));
    const ParameterOperations::PatchRun done = rig.parameters->applyPatch(path);
    QStringList shown;
    for (const ParameterOperations::PatchLineResult &line : done.lines)
        shown << QStringLiteral("%1 %2 %3").arg(line.name).arg(line.number).arg(code(line.result));
    QCOMPARE(shown.join(';'), lines);
    QCOMPARE(QStringLiteral("%1 %2 %3").arg(code(done.result)).arg(done.written()).arg(done.named()), run);
    QVERIFY(done.result.code != Code::RefusedFile || done.result.reason.contains("patch.txt"));
}

// A record downloaded into a session is the instrument's, whole; cut off, it holds only what arrived and is
// marked so; the reason says which failure it was.
void TestOperations::download_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("expected"); // the result and the session's state
    QTest::newRow("whole") << ""
                           << "Done Complete";
    QTest::newRow("nothing comes") << "silent"
                                   << "NoResponse Incomplete";
    QTest::newRow("cable pulled half way") << "die-after=60"
                                           << "PortLost Incomplete";
    QTest::newRow("lines not read (CR LF)") << "crlf"
                                            << "TimedOut Incomplete";
    QTest::newRow("answers late, in pieces") << "late=30"
                                             << "Done Complete";
}

void TestOperations::download()
{
    QFETCH(QString, fault);
    QFETCH(QString, expected);
    Rig rig;
    QVERIFY(rig.start(fault));
    RecordSession session;
    Measurement document;
    document.poste = "P";
    document.verdicts.fill(Measurement::Verdict::Passed);
    document.curves[5] = {{0, 1}};
    session.opened(rig.dir.filePath("doc.qv2"), document);
    const Result r = rig.records->download(3, &session);
    const QString state = QMetaEnum::fromType<RecordSession::State>().valueToKey(int(session.state()));
    QCOMPARE(code(r) + ' ' + state, expected);
    QCOMPARE(rig.sent(), QString("TEST1 06 3 "));
    const Measurement &m = session.measurement();
    const qvx2sim::Record record = rig.sim.core().record(3);
    // The previous record's results are gone before the first line: what is held arrived.
    QVERIFY(m.poste == "P" && session.path().isEmpty() && m.curves[5].size() <= record.curves[5].size());
    for (int i = 0; i < Qvx2::TestCount; ++i)
        QVERIFY(m.verdicts[size_t(i)] == Measurement::Verdict::None ||
                m.passed(i) == record.passed[size_t(i)]);
    if (!r)
        return;
    for (size_t c = 0; c < 6; ++c)
        QCOMPARE(m.curves[c].size(), record.curves[c].size());
    QCOMPARE(*m.ratios[0], QString::number(record.ratios[0], 'f', 2).toDouble());
    QCOMPARE(m.gamme, QString::fromLatin1(qvx2sim::kRangeNames[record.rangeCode]));
}

// Every record into a document of its own, by its number, with the download's date marked as such; a record
// already in Data/ under any name is skipped; no file is ever overwritten; a record cut off is never saved;
// going(age) stops the run.
void TestOperations::downloadAll_data()
{
    QTest::addColumn<QString>("before"); // "saved": record 1 saved under a form's name; "taken": its number's
                                         // name held by another document; "fetched": a record fetched, then
                                         // the instrument silent
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("stopAt");
    QTest::addColumn<QString>("told"); // saved, skipped, failed on each of two runs
    QTest::newRow("ten, then all skipped") << ""
                                           << "" << 0 << "10 0 0|0 10 0";
    QTest::newRow("stopped before the fourth") << ""
                                               << "" << 4 << "3 0 0|0 3 0";
    QTest::newRow("link lost in the first") << ""
                                            << "die-after=40" << 0 << "0 0 10|0 0 10";
    QTest::newRow("one under a form's name") << "saved"
                                             << "" << 0 << "9 1 0|0 10 0";
    QTest::newRow("its name taken by another") << "taken"
                                               << "" << 0 << "10 0 0|0 10 0";
    QTest::newRow("instrument silent after a record") << "fetched"
                                                      << "silent" << 0 << "0 0 10|0 0 10";
}

void TestOperations::downloadAll()
{
    QFETCH(QString, before);
    QFETCH(QString, fault);
    QFETCH(int, stopAt);
    QFETCH(QString, told);
    Rig rig;
    QVERIFY(rig.start() && QDir().mkpath(rig.data()));
    RecordSession first;
    if (!before.isEmpty())
        QVERIFY(rig.records->download(1, &first));
    const QString taken = rig.data() + "/QVX2_0023.qv2";
    Measurement other;
    other.poste = "autre";
    if (before == "saved")
        QVERIFY(XmlMesure::save(first.measurement(), rig.data() + "/P_T_G.qv2"));
    if (before == "taken")
        QVERIFY(XmlMesure::save(other, taken));
    const QByteArray takenBytes = TestUtil::readFile(taken);
    QVERIFY(qvx2sim::applyFault(rig.sim.faults(), fault) || fault.isEmpty());
    QStringList runs;
    for (int run = 0; run < 2; ++run) {
        const RecordOperations::AllRecords all =
            rig.records->downloadAll(rig.data(), rig.index(), [stopAt](int age) { return age != stopAt; });
        runs << QStringLiteral("%1 %2 %3").arg(all.saved).arg(all.skipped).arg(all.failed);
        QVERIFY(all.cancelled == (stopAt > 0) && (all.failed == 0 || !all.lastFailure.reason.isEmpty()));
    }
    QCOMPARE(runs.join('|'), told);
    const int saved = told.section(' ', 0, 0).toInt();
    QCOMPARE(QDir(rig.data()).entryList({"QVX2_*.qv2"}).size(), saved + (before == "taken" ? 1 : 0));
    QCOMPARE(TestUtil::readFile(taken), before == "taken" ? takenBytes : TestUtil::readFile(taken));
    if (saved == 0)
        return;
    // The newest record saved: number 23, or 22 when 23 was in Data/ already.
    Measurement newest;
    QVERIFY(XmlMesure::load(before == "taken"   ? rig.data() + "/QVX2_0023_2.qv2"
                            : before == "saved" ? rig.data() + "/QVX2_0022.qv2"
                                                : taken,
                            &newest));
    const qvx2sim::Record record = rig.sim.core().record(before == "saved" ? 2 : 1);
    for (int i = 0; i < 19; ++i)
        QCOMPARE(newest.passed(i), record.passed[size_t(i)]);
    // The instrument's lines carry no date: the document has the download's, marked as such.
    QVERIFY(newest.releveur.isEmpty() && newest.date == QDate::currentDate() && newest.dateIsDownload);
}

// A capture's lines through the same reader as the instrument's: a whole record, one cut off, the last of
// several, a file that cannot be read (refused, the session untouched).
void TestOperations::replay_data()
{
    QTest::addColumn<QByteArray>("capture"); // null: no file
    QTest::addColumn<QString>("expected");   // the result, the state, the range
    const QByteArray record =
        "Recup_courbe debut 4 x\nRESULT 01 x CORRECT x\nGAMME 3-6kV x\nRecup_courbe fin a b 4 \n";
    QTest::newRow("a record") << record << "Done Complete 3-6kV";
    QTest::newRow("cut off") << record.left(record.indexOf("Recup_courbe fin")) << "Incomplete Incomplete ";
    QTest::newRow("the last of two") << record + QByteArray(record).replace("3-6kV", "6-10kV")
                                     << "Done Complete 6-10kV";
    QTest::newRow("no file") << QByteArray() << "RefusedFile Opened ";
}

void TestOperations::replay()
{
    QFETCH(QByteArray, capture);
    QFETCH(QString, expected);
    Rig rig;
    QVERIFY(rig.start());
    RecordSession session;
    session.opened(rig.dir.filePath("doc.qv2"), Measurement());
    const QString file = rig.dir.filePath("capture.txt");
    QVERIFY(capture.isNull() || TestUtil::writeFile(file, capture));
    const Result r = rig.records->replay(file, &session);
    QCOMPARE(code(r) + ' ' + QMetaEnum::fromType<RecordSession::State>().valueToKey(int(session.state())) +
                 ' ' + session.measurement().gamme,
             expected);
    QVERIFY(r.done() || !r.reason.isEmpty());
    QCOMPARE(rig.sent(), QString()); // nothing goes to the instrument
}

// The information lines come to the caller and no record is touched; the erase is confirmed or told.
void TestOperations::informationAndErase()
{
    Rig rig;
    QVERIFY(rig.start());
    RecordSession session;
    rig.reader->setTarget(&session);
    QString lines;
    QVERIFY(rig.records->information(&lines) && lines.contains("IDENT QUARVEN2 D504 SN20417"));
    const RecordOperations::Identity identity = RecordOperations::identityOf(lines);
    QVERIFY(identity.serial == "SN20417" && identity.firmware == "D504" &&
            RecordOperations::identityOf("xIDENT A B C\rIDENT Q\r").serial.isEmpty());
    QVERIFY(session.state() == RecordSession::State::Empty && session.measurement().capture.isEmpty());
    QVERIFY(rig.records->erase() && rig.sim.core().erased());
    int number = 0;
    QVERIFY(rig.records->recordNumber(&number) && number == 23);
    QCOMPARE(rig.sent(), QString("INFO 01;RESET 03;INFO 00 "));
    QVERIFY(qvx2sim::applyFault(rig.sim.faults(), "silent"));
    QCOMPARE(code(rig.records->information(&lines)) + ' ' + code(rig.records->erase()),
             QString("NoResponse NoResponse"));
}

// Every fault of the simulator against every operation: each ends within its waits, is done only when the
// instrument really did it, and otherwise says why.
void TestOperations::faults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("operation");
    for (const char *fault : {"", "silent", "late=400", "split=64", "crlf", "nul", "garbage", "echo-offset=7",
                              "drop-ack-prob=0.2", "die-after=40"})
        for (const char *operation : {"download", "parameter", "patch", "info", "firmware"})
            QTest::addRow("%s / %s", *fault ? fault : "none", operation) << fault << operation;
}

void TestOperations::faults()
{
    QFETCH(QString, fault);
    QFETCH(QString, operation);
    Rig rig;
    QVERIFY(rig.start(fault));
    const qvx2sim::InstrumentCore &core = rig.sim.core();
    const QByteArray image = TestUtil::firmwareImage(2 * 512 + 100);
    QVERIFY(TestUtil::writeFile(rig.dir.filePath("patch.txt"), "P_TEMPO_MESURE = 750\n") &&
            TestUtil::writeFile(rig.dir.filePath("image.bin"), image));
    QElapsedTimer t;
    t.start();
    Result r;
    bool truth = false;
    if (operation == "download") {
        RecordSession session;
        r = rig.records->download(1, &session);
        truth = session.measurement().curves[5].size() == core.record(1).curves[5].size();
        for (int i = 0; i < 19; ++i)
            truth &= session.measurement().passed(i) == core.record(1).passed[size_t(i)];
    } else if (operation == "parameter" || operation == "patch") {
        r = rig.parameters->read();
        const int number = operation == "patch" ? 18 : 13, value = operation == "patch" ? 750 : 480;
        if (r && operation == "patch") {
            const ParameterOperations::PatchRun run =
                rig.parameters->applyPatch(rig.dir.filePath("patch.txt"));
            r = run.lines.isEmpty() ? run.result : run.lines.first().result;
        } else if (r) {
            r = rig.parameters->write(number, value);
        }
        truth = core.eepromSaveCount() == 1 && core.savedParameters().at(number).value == value &&
                rig.parameters->parameter(number).value == value + rig.sim.faults().echoOffset;
    } else if (operation == "firmware") {
        FirmwareImage loaded;
        QVERIFY(FirmwareUpdate::check(rig.dir.filePath("image.bin"), &loaded));
        FirmwareUpdate update(rig.link.get());
        r = update.run(loaded);
        truth = core.flashPages() == TestUtil::flashedPages(image);
    } else {
        QString lines;
        r = rig.records->information(&lines);
        truth = lines.contains("IDENT") && lines.contains("GAMME");
    }
    QVERIFY2(t.elapsed() < 30000, qPrintable(QString::number(t.elapsed())));
    const bool done = r.done() || r.code == Code::AnswerDiffers;
    QVERIFY2(!done || truth, "done reported for a failure");
    QVERIFY2(done || !r.reason.isEmpty(), "a failure without its reason");
    const bool harmless = fault.isEmpty() || fault.startsWith("late") || fault.startsWith("split") ||
                          fault == "nul" || fault == "garbage" ||
                          (fault.startsWith("drop-ack") && operation != "firmware");
    QVERIFY2(done == harmless || (!harmless && fault != "silent" && fault != "crlf"), qPrintable(r.reason));
    // The port is the link's again, whatever the operation came to.
    QVERIFY(!rig.link->isHeld());
}

QTEST_GUILESS_MAIN(TestOperations)
#include "tst_operations.moc"
