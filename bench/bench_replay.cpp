// Replaying captures of 1, 10 and 100 records through the window: cost per line against its wire time.

#include "benchutil.h"
#include "instrumentcore.h"
#include "mainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace
{

// A capture file as the debug window saves it: its own path, a CR, then the lines separated by LF.
qint64 writeCapture(const QString &path, int records, int *lines)
{
    qvx2sim::InstrumentCore instrument;
    QByteArray text = path.toLocal8Bit() + '\r';
    *lines = 0;
    for (int r = 0; r < records; ++r) {
        for (QByteArray line : instrument.recordLines(r % 10 + 1)) {
            if (line.endsWith('\r'))
                line.chop(1);
            text += line + '\n';
            ++*lines;
        }
    }
    text.chop(1);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return 0;
    f.write(text);
    return text.size();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench::silenceDiagnostics();
    QTemporaryDir dir;
    MainWindow window(dir.path(), [] { return QList<PortCandidate>(); });

    {
        // First use of the plot, the panes and the fonts is not what is measured.
        int lines = 0;
        writeCapture(dir.path() + QStringLiteral("/warm.txt"), 2, &lines);
        window.replayCapture(dir.path() + QStringLiteral("/warm.txt"));
    }
    std::printf("%-18s %8s %14s %14s %8s\n", "replay", "lines", "us per line", "wire us/line", "ratio");
    double perRecord[3] = {};
    int i = 0;
    for (int records : {1, 10, 100}) {
        const QString path = dir.path() + QStringLiteral("/capture_%1.txt").arg(records);
        int lines = 0;
        const qint64 bytes = writeCapture(path, records, &lines);
        QElapsedTimer t;
        t.start();
        window.replayCapture(path);
        const double s = t.nsecsElapsed() / 1e9;
        const double perLine = s / lines;
        const double wirePerLine = Bench::wireSeconds(bytes) / lines;
        perRecord[i++] = s / records;
        std::printf("%3d record(s)      %8d %14.1f %14.1f %8.4f   (aim <= 0.1)\n", records, lines,
                    perLine * 1e6, wirePerLine * 1e6, perLine / wirePerLine);
        Bench::summaryRow(QStringLiteral("replay of %1 record(s), per line").arg(records),
                          Bench::fixed(perLine * 1e6, 1) + " us",
                          "wire " + Bench::fixed(wirePerLine * 1e6, 1) + " us",
                          Bench::fixed(perLine / wirePerLine, 4), QStringLiteral("<= 0.1"));
    }
    std::printf("scaling: time per record 1 -> 100 records x%.2f, 10 -> 100 x%.2f   (aim: about 1, linear)\n",
                perRecord[2] / perRecord[0], perRecord[2] / perRecord[1]);
    Bench::summaryRow(QStringLiteral("replay, time per record 10 -> 100 records"),
                      Bench::fixed(perRecord[2] * 1e3, 2) + " ms",
                      Bench::fixed(perRecord[1] * 1e3, 2) + " ms",
                      Bench::fixed(perRecord[2] / perRecord[1], 2), QStringLiteral("about 1"));
    return 0;
}
