// A whole record from the paced simulator to the window, against a raw reader on the same simulator (what a
// serial terminal would take) and against the time its bytes take on the wire.

#include "benchutil.h"
#include "constants.h"
#include "mainwindow.h"
#include "simhost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace
{
constexpr int Ages[] = {1, 5, 10};
constexpr int RawRuns = 3; // the raw reader's best of three: the peer at its fastest

// Sends the record's command and reads, blocking, until the record's end line.
double rawRecordSeconds(QSerialPort &port, int age)
{
    const QByteArray command = QString::fromLatin1(Qvx2::CmdFetchRecord).arg(age).toLatin1();
    QElapsedTimer t;
    t.start();
    const QByteArray record = Bench::rawExchange(
        port, command, [](const QByteArray &line) { return line.startsWith("Recup_courbe fin"); });
    return record.isEmpty() ? -1 : t.nsecsElapsed() / 1e9;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench::silenceDiagnostics();

    Bench::SimHost programSim(true); // both paced at 115 200 baud
    Bench::SimHost rawSim(true);
    QSerialPort rawPort;
    QTemporaryDir dir;
    if (!programSim.open() || !rawSim.open() || !Bench::openPort(rawPort, rawSim.path()) || !dir.isValid())
        return 1;
    const QList<PortCandidate> ports = {{programSim.path(), QStringLiteral("FTDI")}};
    MainWindow window(dir.path(), [ports] { return ports; });
    if (!window.isSerialConnected())
        return 1;

    std::printf("%-26s %10s %10s %8s %12s %8s\n", "download (paced simulator)", "program s", "raw s", "ratio",
                "wire+instr s", "ratio");
    double worst = 0, worstProgram = 0, worstRaw = 0;
    for (int age : Ages) {
        qint64 bytes0 = 0, bytes1 = 0;
        auto count = [](qint64 *n) {
            return
                [n](qvx2sim::PtyInstrument &sim) { *n = sim.bytesReceivedCount() + sim.bytesWrittenCount(); };
        };
        programSim.call(count(&bytes0));
        QElapsedTimer t;
        t.start();
        const bool ok = window.recup_eeprom_num_enreg(age);
        const double program = t.nsecsElapsed() / 1e9;
        programSim.call(count(&bytes1));
        double raw = 1e9;
        for (int run = 0; run < RawRuns; ++run)
            raw = qMin(raw, rawRecordSeconds(rawPort, age));
        // The limit: the record's bytes both ways, plus the instrument reading its memory before it sends.
        const double limit = Bench::wireSeconds(bytes1 - bytes0) + qvx2sim::kRecordStartDelayMs / 1000.0;
        if (program / raw > worst) {
            worst = program / raw;
            worstProgram = program;
            worstRaw = raw;
        }
        std::printf("record %-2d %6lld bytes %s %10.3f %10.3f %8.3f %12.3f %8.3f\n", age, bytes1 - bytes0,
                    ok && raw > 0 ? "  " : "!!", program, raw, program / raw, limit, program / limit);
    }
    std::printf("worst ratio to the raw reader %.3f   (aim <= 1.01)\n", worst);
    Bench::summaryRow(QStringLiteral("download of a record (worst of 3)"),
                      Bench::fixed(worstProgram, 3) + " s",
                      Bench::fixed(worstRaw, 3) + " s raw reader on the same simulator",
                      Bench::fixed(worst, 3), QStringLiteral("<= 1.01"));
    return 0;
}
