#pragma once

// Shared pieces of the benchmarks: the wire's speed, a quiet log, the time a window takes to show.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>

namespace Bench
{

// 115 200 baud, 10 bits a byte (start, 8 data, stop).
constexpr double WireBytesPerSecond = 115200.0 / 10.0;

inline double wireSeconds(qint64 bytes)
{
    return double(bytes) / WireBytesPerSecond;
}

// The program's diagnostics would measure the terminal, not the program.
inline void silenceDiagnostics()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &msg) {
        if (type >= QtCriticalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(msg));
    });
}

// One row of the combined table `make bench` prints: what was measured, the figure, its physical limit or
// baseline, their ratio and the aim. Appended, tab-separated, to the file QVX_BENCH_SUMMARY names (nothing
// without it); bench/summary.sh gathers the rows of every benchmark.
inline void summaryRow(const QString &what, const QString &figure, const QString &limit, const QString &ratio,
                       const QString &aim)
{
    const QString path = qEnvironmentVariable("QVX_BENCH_SUMMARY");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (file.open(QIODevice::Append | QIODevice::Text))
        file.write(QStringList{what, figure, limit, ratio, aim}.join(QLatin1Char('\t')).toUtf8() + '\n');
}

// Seconds from making a window to its being on screen; the window is deleted after.
template <typename Make> double timeToShown(Make make)
{
    QElapsedTimer t;
    t.start();
    auto window = make();
    window->show();
    while (!window->isVisible())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const double s = t.nsecsElapsed() / 1e9;
    delete window;
    return s;
}

inline QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

} // namespace Bench
