// The application wired to the simulated instrument, so it can be tried without a QUARVEN 2 at hand.

#include "mainwindow.h"
#include "ptyinstrument.h"
#include "simcontrol.h"
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
    QCoreApplication::setOrganizationName(QLatin1String(Qvx2::OrganizationName));
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("QUARVEN 2 companion against a simulated instrument"));
    options.addHelpOption();
    options.addOption({QStringLiteral("port"),
                       QStringLiteral("Offer this pseudo-terminal instead of the built-in "
                                      "simulator (for example one made by qvx2-sim)."),
                       QStringLiteral("path")});
    options.addOption({QStringLiteral("no-pacing"), QStringLiteral("Built-in simulator answers at full speed "
                                                                   "instead of 115 200 baud.")});
    options.addOption({QStringLiteral("script"),
                       QStringLiteral("Timed steps for the built-in simulator, such as "
                                      "off@5,on@20,unplug@30,plug@35 (seconds)."),
                       QStringLiteral("steps")});
    options.process(app);

    QCoreApplication::setApplicationName(QLatin1String(Qvx2::DemoProgramName)); // a program of its own
    SingleInstance instance;
    if (instance.refuseIfAlreadyRunning())
        return -1;

    qvx2sim::PtyInstrument simulator;
    qvx2sim::SimControl control(simulator);
    const QString port = options.value(QStringLiteral("port"));
    const QString manufacturer = QString::fromLatin1(DemoManufacturer);
    PortCatalog catalog = [port, manufacturer] { return QList<PortCandidate>{{port, manufacturer}}; };
    if (port.isEmpty()) {
        simulator.setPacing(!options.isSet(QStringLiteral("no-pacing")));
        if (!simulator.open() || !control.schedule(options.value(QStringLiteral("script")))) {
            std::fprintf(stderr, "quarvex2-demo: cannot create a pseudo-terminal, or bad --script\n");
            return 1;
        }
        // The built-in instrument can be switched off and unplugged: the port list follows its cable.
        catalog = [&simulator, manufacturer] {
            return simulator.isOpen() ? QList<PortCandidate>{{simulator.slavePath(), manufacturer}}
                                      : QList<PortCandidate>{};
        };
        control.listenOnStdin();
        QObject::connect(&control, &qvx2sim::SimControl::applied, [](const QString &command) {
            std::printf("quarvex2-demo: simulator %s\n", qPrintable(command));
            std::fflush(stdout);
        });
        std::printf("quarvex2-demo: instrument on %s\n%s\n", qPrintable(simulator.slavePath()),
                    qPrintable(qvx2sim::SimControl::help()));
    } else {
        std::printf("quarvex2-demo: instrument on %s\n", qPrintable(port));
    }
    std::fflush(stdout);

    MainWindow window(QCoreApplication::applicationDirPath(), catalog);
    return app.exec();
}
