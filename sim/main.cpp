// qvx2-sim: the simulated QUARVEN 2 on a pseudo-terminal, for running the application without an instrument.

#include "faultnames.h"
#include "ptyinstrument.h"
#include "simcontrol.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace
{

int g_signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    const ssize_t written = ::write(g_signalPipe[1], &byte, 1);
    (void)written;
}

// A line of the traffic log with NUL, LF and other control bytes made visible.
QByteArray printable(const QByteArray &line)
{
    QByteArray out;
    for (char c : line) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\0')
            out += "\\0";
        else if (c == '\n')
            out += "\\n";
        else if (u < 0x20 || u >= 0x7f)
            out += "\\x" + QByteArray::number(u | 0x100, 16).right(2);
        else
            out += c;
    }
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("qvx2-sim");

    QCommandLineParser parser;
    parser.setApplicationDescription("Simulated QUARVEN 2 instrument on a pseudo-terminal. Prints the slave "
                                     "path on the first line, and the\n"
                                     "new one each time the cable is plugged back.\n" +
                                     qvx2sim::faultNamesHelp() + "\n" + qvx2sim::SimControl::help());
    parser.addHelpOption();
    const QCommandLineOption noPacing("no-pacing", "Write answers at once instead of at 115 200 baud.");
    const QCommandLineOption record("record", "Current record number (default 23).", "N");
    const QCommandLineOption fault("fault", "Switch a fault on (repeatable).", "NAME[=VALUE]");
    const QCommandLineOption seed("seed", "Seed of the records and of random faults.", "N");
    const QCommandLineOption seuil("seuil-number", "Number of P_AL_FALIM_SEUIL, 0 = none (default 15).", "N");
    const QCommandLineOption script("script", "Timed steps, such as off@5,on@20,unplug@30,plug@35 (seconds).",
                                    "STEPS");
    parser.addOptions({noPacing, record, fault, seed, seuil, script});
    parser.process(app);

    qvx2sim::PtyInstrument sim;
    qvx2sim::InstrumentCore &core = sim.core();
    sim.setPacing(!parser.isSet(noPacing));
    bool ok = true;
    if (parser.isSet(seed))
        core.setSeed(parser.value(seed).toUInt(&ok));
    if (ok && parser.isSet(record))
        core.setRecordNumber(parser.value(record).toInt(&ok));
    if (ok && parser.isSet(seuil)) {
        const int number = parser.value(seuil).toInt(&ok);
        ok = ok && core.setSeuilNumber(number);
    }
    if (!ok) {
        std::fprintf(stderr, "qvx2-sim: bad --seed, --record or --seuil-number value\n");
        return 2;
    }
    for (const QString &option : parser.values(fault)) {
        if (!qvx2sim::applyFault(sim.faults(), option, core.seed())) {
            std::fprintf(stderr, "qvx2-sim: unknown fault or bad value: %s\n", qPrintable(option));
            return 2;
        }
    }

    if (::pipe(g_signalPipe) != 0 || !sim.open()) {
        std::fprintf(stderr, "qvx2-sim: cannot create a pseudo-terminal\n");
        return 1;
    }
    QSocketNotifier signalNotifier(g_signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);

    QElapsedTimer clock;
    clock.start();
    auto log = [&clock](const char *direction, const QByteArray &line) {
        std::fprintf(stderr, "[%10.3f] %s %s\n", clock.nsecsElapsed() / 1e9, direction,
                     printable(line).constData());
    };
    QObject::connect(&sim, &qvx2sim::PtyInstrument::commandReceived,
                     [log](const QByteArray &line) { log("<-", line); });
    QObject::connect(&sim, &qvx2sim::PtyInstrument::lineSent,
                     [log](const QByteArray &line) { log("->", line); });
    QObject::connect(&sim, &qvx2sim::PtyInstrument::unplugged, [log] { log("--", "link closed"); });

    qvx2sim::SimControl control(sim);
    if (!control.schedule(parser.value(script))) {
        std::fprintf(stderr, "qvx2-sim: bad --script value\n");
        return 2;
    }
    control.listenOnStdin();
    QObject::connect(&control, &qvx2sim::SimControl::applied,
                     [log](const QString &command) { log("--", command.toLatin1()); });
    QObject::connect(&control, &qvx2sim::SimControl::plugged, [](const QString &path) {
        std::printf("%s\n", qPrintable(path));
        std::fflush(stdout);
    });

    std::printf("%s\n", qPrintable(sim.slavePath()));
    std::fflush(stdout);
    const int rc = app.exec();
    sim.unplug();
    return rc;
}
