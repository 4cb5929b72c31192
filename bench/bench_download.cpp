// A whole record from the paced simulator to the window, against the time its bytes take on the wire.

#include "benchutil.h"
#include "mainwindow.h"
#include "ptyinstrument.h"
#include "simconstants.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench::silenceDiagnostics();

    qvx2sim::PtyInstrument sim; // paced at 115 200 baud
    QTemporaryDir dir;
    if (!sim.open() || !dir.isValid())
        return 1;
    const QList<PortCandidate> ports = {{sim.slavePath(), QStringLiteral("FTDI")}};
    MainWindow window(dir.path(), [ports] { return ports; });
    if (!window.isSerialConnected())
        return 1;

    // The limit: the record's bytes both ways on the wire, plus the time the instrument itself takes to
    // read the record out of its memory before it starts sending.
    const double instrumentSeconds = qvx2sim::kRecordStartDelayMs / 1000.0;
    std::printf("%-28s %10s %14s %8s\n", "download (paced simulator)", "elapsed s", "wire+instr s", "ratio");
    double worst = 0;
    double worstElapsed = 0;
    double worstLimit = 0;
    for (int age : {1, 5, 10}) {
        const qint64 in0 = sim.bytesReceivedCount();
        const qint64 out0 = sim.bytesWrittenCount();
        QElapsedTimer t;
        t.start();
        const bool ok = window.recup_eeprom_num_enreg(age);
        const double elapsed = t.nsecsElapsed() / 1e9;
        const qint64 bytes = (sim.bytesReceivedCount() - in0) + (sim.bytesWrittenCount() - out0);
        const double limit = Bench::wireSeconds(bytes) + instrumentSeconds;
        if (elapsed / limit > worst) {
            worst = elapsed / limit;
            worstElapsed = elapsed;
            worstLimit = limit;
        }
        std::printf("record %-2d %6lld bytes %s %10.3f %14.3f %8.3f   (aim <= 1.05)\n", age, bytes,
                    ok ? "  " : "!!", elapsed, limit, elapsed / limit);
    }
    std::printf("worst ratio %.3f\n", worst);
    Bench::summaryRow(QStringLiteral("download of a record (worst of 3)"),
                      Bench::fixed(worstElapsed, 3) + " s",
                      Bench::fixed(worstLimit, 3) + " s wire + instrument read", Bench::fixed(worst, 3),
                      QStringLiteral("<= 1.05"));
    return 0;
}
