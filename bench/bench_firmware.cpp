// Firmware update benchmark: a full image through the paced simulated bootloader against the time the wire
// and the flash themselves need, then many short updates that lose acknowledgements.

#include "benchutil.h"
#include "dialogtelech.h"
#include "simhost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaObject>
#include <QSemaphore>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QThread>
#include <QWidget>

#include <cstdio>
#include <memory>
#include <random>

namespace
{

using Bench::openPort;
using Bench::SimHost;

constexpr int FullImageBytes = 261632; // 511 full pages: 512 pages go out, the last one filler only
constexpr int SmallImageBytes = 1800;  // 4 pages
constexpr int DefaultRuns = 1000;
constexpr double DropProbability = 0.05;
constexpr quint32 DropSeed = 4711;

int g_resends = 0;

// The run's own diagnostics would bury the table: only the resends are counted.
void quietHandler(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.startsWith(QLatin1String("telech: nouvel essai")))
        ++g_resends;
}

QByteArray makeImage(int size)
{
    QByteArray bytes(size, '\0');
    std::mt19937 rng(size);
    for (char &b : bytes)
        b = char(rng() & 0xFF);
    return bytes;
}

QMap<int, QByteArray> expectedFlash(const QByteArray &image)
{
    QMap<int, QByteArray> pages;
    for (int k = 0; k <= image.size() / Qvx2::Boot::PageBytes; ++k) {
        QByteArray page = image.mid(k * Qvx2::Boot::PageBytes, Qvx2::Boot::PageBytes);
        for (int i = page.size(); i < Qvx2::Boot::PageBytes; ++i)
            page.append(char(i & 0xFF));
        pages[k] = page;
    }
    return pages;
}

QString writeImage(const QTemporaryDir &dir, const QByteArray &image)
{
    const QString path = dir.filePath(QStringLiteral("image_%1.bin").arg(image.size()));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(image) != image.size())
        return QString();
    return path;
}

double wireMs(qint64 bytes)
{
    return bytes / qvx2sim::kWireBytesPerMs;
}

// A bootloader client with nothing else to do: each command written, then blocking reads until its
// acknowledgement line. What the program's update is compared with.
double rawUpdateMs(const QString &file, bool *ok)
{
    SimHost host(true);
    QSerialPort port;
    FirmwareImage image;
    *ok = false;
    if (!host.open() || !openPort(port, host.path()) || !image.load(file))
        return 0;
    auto isAck = [](const QByteArray &line) {
        const QByteArray word = line.split(' ').value(0).toLower();
        for (const char *ack : Qvx2::Boot::AckWords)
            if (word == QByteArray(ack).toLower())
                return true;
        return false;
    };
    auto exchange = [&](const QString &command) {
        return !Bench::rawExchange(port, (command + '\r').toLatin1(), isAck).isEmpty();
    };
    QElapsedTimer clock;
    clock.start();
    bool done = exchange(QLatin1String(Qvx2::Boot::CmdReset));
    for (int page = 0; done && page <= image.pageCount(); ++page)
        done = exchange(QString::asprintf(Qvx2::Boot::CmdPage, uint(page))) &&
               exchange(QString::fromLatin1(Qvx2::Boot::CmdFill).arg(image.pageText(page))) &&
               exchange(QLatin1String(Qvx2::Boot::CmdWrite));
    done = done && exchange(QLatin1String(Qvx2::Boot::CmdQuit));
    *ok = done;
    return clock.nsecsElapsed() / 1e6;
}

int fullImage(const QTemporaryDir &dir, QWidget *owner)
{
    SimHost host(true);
    InstrumentLink link([&host] { return QList<PortCandidate>{{host.path(), QStringLiteral("FTDI")}}; });
    if (!host.open() || !link.search()) {
        std::fprintf(stderr, "bench_firmware: no simulator\n");
        return 1;
    }
    const QByteArray image = makeImage(FullImageBytes);
    const QString file = writeImage(dir, image);
    FirmwareUpdate update(&link);
    DialogTelech dialog(&update, owner);
    dialog.setFile(file);

    QElapsedTimer clock;
    clock.start();
    const DialogTelech::Outcome outcome = dialog.runUpdate();
    const double measuredMs = clock.nsecsElapsed() / 1e6;

    qint64 out = 0;
    qint64 in = 0;
    int pageWrites = 0;
    bool flashed = false;
    host.call([&](qvx2sim::PtyInstrument &sim) {
        out = sim.bytesReceivedCount();
        in = sim.bytesWrittenCount();
        for (const qvx2sim::BootExchange &e : sim.core().bootLog())
            pageWrites += e.command == qvx2sim::kCmdBootWrite && e.acknowledged;
        flashed = sim.core().flashPages() == expectedFlash(image);
    });
    const int pages = dialog.pageCount() + 1;
    const double writeMs = double(pageWrites) * qvx2sim::kPageWriteMs;
    const double limitMs = wireMs(out) + wireMs(in) + writeMs;
    const double otherMs =
        qvx2sim::kBootStartDelayMs + qvx2sim::kBootQuitDelayMs + 2.0 * pages * qvx2sim::kBootAnswerDelayMs;

    std::printf("Full image through the paced bootloader (%d baud, %d bits a byte)\n", qvx2sim::kBaudRate,
                qvx2sim::kBitsPerByte);
    std::printf("  %-28s %10d bytes, %d pages, %s, flash %s\n", "image", FullImageBytes, pages,
                outcome == DialogTelech::Outcome::Success ? "success" : "FAILED",
                flashed ? "identical" : "DIFFERENT");
    std::printf("  %-28s %10.2f s\n", "measured", measuredMs / 1000);
    std::printf("  %-28s %10.2f s   (%lld bytes out, %lld bytes in)\n", "wire, both ways",
                (wireMs(out) + wireMs(in)) / 1000, static_cast<long long>(out), static_cast<long long>(in));
    std::printf("  %-28s %10.2f s   (%d x %d ms)\n", "page writes", writeMs / 1000, pageWrites,
                qvx2sim::kPageWriteMs);
    std::printf("  %-28s %10.2f s\n", "limit", limitMs / 1000);
    std::printf("  %-28s %10.3f     (aim: at most 1.05)\n", "ratio", measuredMs / limitMs);
    std::printf("  %-28s %10.2f s   (restart, quit, %d ms per select and fill: not in the limit)\n",
                "instrument's own delays", otherMs / 1000, qvx2sim::kBootAnswerDelayMs);
    std::printf("  %-28s %10.3f\n", "ratio with them in the limit", measuredMs / (limitMs + otherMs));
    bool rawOk = false;
    const double rawMs = rawUpdateMs(file, &rawOk);
    std::printf("  %-28s %10.2f s   %s\n", "raw bootloader client", rawMs / 1000, rawOk ? "" : "(FAILED)");
    std::printf("  %-28s %10.3f     (aim: at most 1.02)\n", "ratio to the raw client", measuredMs / rawMs);
    Bench::summaryRow(QStringLiteral("firmware against a raw bootloader client"),
                      Bench::fixed(measuredMs / 1000, 2) + " s",
                      Bench::fixed(rawMs / 1000, 2) + " s raw client on the same simulator",
                      Bench::fixed(measuredMs / rawMs, 3), QStringLiteral("<= 1.02"));
    Bench::summaryRow(QStringLiteral("firmware, %1 bytes (%2 pages)").arg(FullImageBytes).arg(pages),
                      Bench::fixed(measuredMs / 1000, 2) + " s",
                      Bench::fixed(limitMs / 1000, 2) + " s wire + page writes",
                      Bench::fixed(measuredMs / limitMs, 3), QStringLiteral("<= 1.05"));
    return outcome == DialogTelech::Outcome::Success && flashed ? 0 : 1;
}

int lostAcknowledgements(const QTemporaryDir &dir, QWidget *owner, int runs)
{
    SimHost host(false);
    InstrumentLink link([&host] { return QList<PortCandidate>{{host.path(), QStringLiteral("FTDI")}}; });
    if (!host.open() || !link.search()) {
        std::fprintf(stderr, "bench_firmware: no simulator\n");
        return 1;
    }
    // Lost answers of page steps, the ones a resend can make up for; a lost answer to the reset or to the
    // quit command ends a run by design and would only measure the dice.
    int dropped = 0;
    host.call([&](qvx2sim::PtyInstrument &sim) {
        auto rng = std::make_shared<std::mt19937>(DropSeed);
        sim.faults().dropAckIf = [rng, &dropped](int, const QByteArray &command) {
            const bool drop = command.startsWith("ORVABOOT") &&
                              std::uniform_real_distribution<double>(0, 1)(*rng) < DropProbability;
            dropped += drop;
            return drop;
        };
    });
    const QByteArray image = makeImage(SmallImageBytes);
    const QMap<int, QByteArray> expected = expectedFlash(image);
    const QString file = writeImage(dir, image);
    int successes = 0;
    int flashedRuns = 0;
    g_resends = 0;
    QElapsedTimer clock;
    clock.start();
    for (int run = 0; run < runs; ++run) {
        host.call([](qvx2sim::PtyInstrument &sim) { sim.core().clearFlash(); });
        FirmwareUpdate update(&link);
        DialogTelech dialog(&update, owner);
        dialog.setFile(file);
        successes += dialog.runUpdate() == DialogTelech::Outcome::Success;
        bool flashed = false;
        host.call([&](qvx2sim::PtyInstrument &sim) { flashed = sim.core().flashPages() == expected; });
        flashedRuns += flashed;
    }
    const double totalMs = clock.nsecsElapsed() / 1e6;
    int droppedNow = 0;
    host.call([&](qvx2sim::PtyInstrument &) { droppedNow = dropped; });

    std::printf("Lost acknowledgements: %d runs of a %d-byte image, %.0f%% of page-step answers dropped\n",
                runs, SmallImageBytes, DropProbability * 100);
    std::printf("  %-28s %10d / %d   (aim: all)\n", "success", successes, runs);
    std::printf("  %-28s %10d / %d\n", "flash identical", flashedRuns, runs);
    std::printf("  %-28s %10d answers, %d resends\n", "dropped", droppedNow, g_resends);
    std::printf("  %-28s %10.0f ms   (a lost answer costs one wait of about %d ms)\n", "mean run",
                totalMs / runs, Qvx2::Boot::StepAckCycles);
    Bench::summaryRow(
        QStringLiteral("firmware, %1 runs, %2 % of answers lost").arg(runs).arg(DropProbability * 100),
        QStringLiteral("%1 / %2 succeeded").arg(successes).arg(runs),
        QStringLiteral("%1 / %2 flash identical").arg(flashedRuns).arg(runs), QStringLiteral("-"),
        QStringLiteral("all"));
    return successes == runs ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int runsAt = args.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt > 0 && runsAt + 1 < args.size() ? args.at(runsAt + 1).toInt() : DefaultRuns;

    qInstallMessageHandler(quietHandler);
    QTemporaryDir dir;
    QWidget owner;
    int rc = fullImage(dir, &owner);
    rc |= lostAcknowledgements(dir, &owner, qMax(1, runs));
    return rc;
}
