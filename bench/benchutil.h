#pragma once

// Shared pieces of the benchmarks: the wire's speed and a quiet log.

#include <QString>
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

} // namespace Bench
