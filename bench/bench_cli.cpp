// quarvex2-cli as a script runs it: one record downloaded by the command, against a raw reader on the same
// paced simulator (the probe and the record, as a serial terminal would send and read them), and the time
// from the process's start to its first byte on the wire; then the CSV and PDF exports of a thousand
// documents, beside the time to read the same documents alone.

#include "benchutil.h"
#include "constants.h"
#include "measurement.h"
#include "simhost.h"
#include "xmlmesure.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>

namespace
{
constexpr int Documents = 1000;
constexpr int DownloadRuns = 3; // each side's best of three
const QString Cli = QStringLiteral(QVX_APP_DIR "/quarvex2-cli");

// Runs the program to its end; its exit code, or -1.
int runCli(const QStringList &arguments)
{
    QProcess cli;
    cli.start(Cli, arguments);
    return cli.waitForFinished(600000) && cli.exitStatus() == QProcess::NormalExit ? cli.exitCode() : -1;
}

double rawDownloadSeconds(QSerialPort &port)
{
    QElapsedTimer t;
    t.start();
    const QByteArray probe =
        Bench::rawExchange(port, Qvx2::CmdProbe, [](const QByteArray &) { return true; });
    const QByteArray record =
        Bench::rawExchange(port, QString::fromLatin1(Qvx2::CmdFetchRecord).arg(1).toLatin1(),
                           [](const QByteArray &line) { return line.startsWith("Recup_courbe fin"); });
    return probe.isEmpty() || record.isEmpty() ? -1 : t.nsecsElapsed() / 1e9;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Bench::silenceDiagnostics();
    QTemporaryDir dir;
    Bench::SimHost cliSim(true), rawSim(true); // both paced at 115 200 baud
    QSerialPort rawPort;
    if (!dir.isValid() || !cliSim.open() || !rawSim.open() || !Bench::openPort(rawPort, rawSim.path()))
        return 1;

    // The download: the whole command, and its first byte on the wire.
    std::atomic<qint64> firstByteNs{-1};
    QElapsedTimer sinceStart;
    cliSim.call([&](qvx2sim::PtyInstrument &sim) {
        QObject::connect(&sim, &qvx2sim::PtyInstrument::commandReceived, &sim, [&](const QByteArray &) {
            qint64 none = -1;
            firstByteNs.compare_exchange_strong(none, sinceStart.nsecsElapsed());
        });
    });
    double cli = 1e9, raw = 1e9, firstByte = 1e9;
    for (int run = 0; run < DownloadRuns; ++run) {
        QDir(dir.filePath("data")).removeRecursively();
        firstByteNs = -1;
        sinceStart.start();
        const int code = runCli({"--port", cliSim.path(), "--data", dir.filePath("data"), "download", "1"});
        const double seconds = sinceStart.nsecsElapsed() / 1e9;
        if (code != 0)
            return 1;
        cli = qMin(cli, seconds);
        firstByte = qMin(firstByte, firstByteNs / 1e9);
        raw = qMin(raw, rawDownloadSeconds(rawPort));
    }
    std::printf("%-40s %10s %10s %8s %8s\n", "download 1 (paced simulator)", "cli s", "raw s", "ratio",
                "aim");
    std::printf("%-40s %10.3f %10.3f %8.3f %8s\n", "whole command", cli, raw, cli / raw, "<= 1.01");
    std::printf("%-40s %10.3f %10.3f %8.3f %8s\n", "from the first byte on the wire", cli - firstByte, raw,
                (cli - firstByte) / raw, "");
    std::printf("%-40s %10.3f %10s %8s %8s\n", "process start to first byte on the wire", firstByte, "", "",
                "<= 0.1 s");
    Bench::summaryRow(QStringLiteral("quarvex2-cli download 1"), Bench::fixed(cli, 3) + " s",
                      Bench::fixed(raw, 3) + " s raw reader on the same simulator",
                      Bench::fixed(cli / raw, 3), QStringLiteral("<= 1.01"));
    Bench::summaryRow(QStringLiteral("quarvex2-cli start to first byte"), Bench::fixed(firstByte, 3) + " s",
                      QStringLiteral("0.1 s"), Bench::fixed(firstByte / 0.1, 3), QStringLiteral("<= 1"));

    // The exports: a thousand copies of the record just downloaded.
    const QStringList downloaded = QDir(dir.filePath("data/Data")).entryList({"*.qv2"}, QDir::Files);
    Measurement m;
    if (downloaded.isEmpty() || !XmlMesure::load(dir.filePath("data/Data/") + downloaded.first(), &m))
        return 1;
    QDir().mkpath(dir.filePath("docs"));
    QStringList documents;
    for (int i = 0; i < Documents; ++i) {
        m.numTransfo = QStringLiteral("T%1").arg(i);
        documents << dir.filePath(QStringLiteral("docs/%1.qv2").arg(i));
        if (!XmlMesure::save(m, documents.last()))
            return 1;
    }
    QElapsedTimer t;
    t.start();
    for (const QString &document : documents) {
        Measurement read;
        if (!XmlMesure::load(document, &read))
            return 1;
    }
    const double reading = t.nsecsElapsed() / 1e9;
    std::printf("\n%-40s %10s %10s %12s %8s\n", "export of 1000 documents", "cli s", "load s", "documents/s",
                "aim");
    for (const char *format : {"csv", "pdf"}) {
        t.start();
        if (runCli(QStringList{"export", QLatin1String(format)} + documents +
                   QStringList{"--out", dir.filePath(format)}) != 0)
            return 1;
        const double seconds = t.nsecsElapsed() / 1e9;
        const bool csv = QLatin1String(format) == QLatin1String("csv");
        std::printf("%-40s %10.3f %10.3f %12.1f %8s\n", format, seconds, reading, Documents / seconds,
                    csv ? ">= 200" : ">= 20");
        Bench::summaryRow(QStringLiteral("quarvex2-cli export %1 of %2 documents")
                              .arg(QLatin1String(format))
                              .arg(Documents),
                          Bench::fixed(Documents / seconds, 1) + " documents/s",
                          Bench::fixed(reading, 3) + " s to load them alone (the window's reading)",
                          Bench::fixed(Documents / seconds / (csv ? 200 : 20), 2),
                          csv ? ">= 200/s" : ">= 20/s");
    }
    return 0;
}
