// The application wired to the simulated instrument, so it can be tried without a QUARVEN 2 at hand.

#include "mainwindow.h"
#include "ptyinstrument.h"
#include "singleinstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

namespace
{
// The manufacturer string a USB serial adapter would report; the search skips ports without one.
const char DemoManufacturer[] = "FTDI (simulated QUARVEN 2)";
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("QUARVEN 2 companion against a simulated instrument"));
    options.addHelpOption();
    options.addOption({QStringLiteral("port"),
                       QStringLiteral("Offer this pseudo-terminal instead of the built-in "
                                      "simulator (for example one made by qvx2-sim)."),
                       QStringLiteral("path")});
    options.addOption({QStringLiteral("no-pacing"), QStringLiteral("Built-in simulator answers at full speed "
                                                                   "instead of 115 200 baud.")});
    options.process(app);

    SingleInstance instance; // the demo and the program share config.xml: one of them at a time
    if (instance.refuseIfAlreadyRunning())
        return -1;

    qvx2sim::PtyInstrument simulator;
    QString port = options.value(QStringLiteral("port"));
    if (port.isEmpty()) {
        simulator.setPacing(!options.isSet(QStringLiteral("no-pacing")));
        if (!simulator.open()) {
            std::fprintf(stderr, "quarvex2-demo: cannot create a pseudo-terminal for the simulator\n");
            return 1;
        }
        port = simulator.slavePath();
    }
    std::printf("quarvex2-demo: instrument on %s\n", qPrintable(port));
    std::fflush(stdout);

    const QList<PortCandidate> ports = {{port, QString::fromLatin1(DemoManufacturer)}};
    MainWindow window(QCoreApplication::applicationDirPath(), [ports] { return ports; });
    return app.exec();
}
