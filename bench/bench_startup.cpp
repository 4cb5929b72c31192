// Time from start to the main window on screen with no instrument, against a bare Qt window.

#include "benchutil.h"
#include "mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTemporaryDir>
#include <cstdio>

using Bench::timeToShown;

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench::silenceDiagnostics();
    QTemporaryDir dir;
    timeToShown([] { return new QMainWindow; }); // warm the style and font caches for both
    const double bare = timeToShown([] { return new QMainWindow; });
    double first = 0;
    double later = 0;
    for (int run = 0; run < 5; ++run) {
        // The first run also copies the default config.xml out of the resources.
        const double s =
            timeToShown([&dir] { return new MainWindow(dir.path(), [] { return QList<PortCandidate>(); }); });
        (run == 0 ? first : later) += s;
    }
    later /= 4;
    std::printf("%-34s %10s %12s %10s\n", "start-up, no instrument", "s", "bare window", "ratio");
    std::printf("%-34s %10.3f %12.4f %10.1f   (aim: well under 1 s)\n", "first start (config.xml created)",
                first, bare, first / bare);
    std::printf("%-34s %10.3f %12.4f %10.1f\n", "later starts", later, bare, later / bare);
    Bench::summaryRow(QStringLiteral("start-up to the window, first (no instrument)"),
                      Bench::fixed(first, 3) + " s", "bare window " + Bench::fixed(bare, 4) + " s",
                      Bench::fixed(first / bare, 0), QStringLiteral("< 1 s"));
    Bench::summaryRow(QStringLiteral("start-up to the window, later"), Bench::fixed(later, 3) + " s",
                      "bare window " + Bench::fixed(bare, 4) + " s", Bench::fixed(later / bare, 0),
                      QStringLiteral("< 1 s"));
    return 0;
}
