// Saving and opening measurement documents of 6 x 1 000, 10 000 and 100 000 points: time and peak memory.

#include "benchutil.h"
#include "xmlmesure.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace
{

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One size in a process of its own, so that the peak memory is that size's alone.
int measure(int points)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/doc.qv2");
    QElapsedTimer t;
    t.start();
    {
        XmlMesure doc(path, Create);
        for (int c = 0; c < 6; ++c) {
            QVector<QPointF> curve;
            curve.reserve(points);
            for (int i = 0; i < points; ++i)
                curve.append(QPointF(i, (i * 37 + c * 11) % 4000 - 2000));
            doc.setCurve(c, curve);
        }
        for (unsigned n = 0; n < 19; ++n)
            doc.setTest(n, n % 3, QStringLiteral("Resultat test %1").arg(n));
        if (!doc.write())
            return 1;
    }
    const double save = t.nsecsElapsed() / 1e9;
    t.restart();
    qint64 read = 0;
    {
        XmlMesure doc(path, Read);
        for (int c = 0; c < 6; ++c)
            read += doc.getCurve(c).size();
    }
    const double open = t.nsecsElapsed() / 1e9;
    std::printf("%d %.4f %.4f %ld %lld %lld\n", points, save, open, peakKiB(), QFileInfo(path).size(), read);
    return read == 6LL * points ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Bench::silenceDiagnostics();
    if (argc == 3 && QByteArray(argv[1]) == "--points")
        return measure(QByteArray(argv[2]).toInt());

    std::printf("%-22s %10s %10s %12s %12s\n", "documents (6 curves)", "save s", "open s", "peak MiB",
                "file MiB");
    double total[3] = {};
    int i = 0;
    for (int points : {1000, 10000, 100000}) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--points", QString::number(points)});
        if (!child.waitForFinished(600000) || child.exitCode() != 0) {
            std::printf("%d points: failed\n", points);
            return 1;
        }
        const QList<QByteArray> f = child.readAllStandardOutput().trimmed().split(' ');
        const double save = f.value(1).toDouble();
        const double open = f.value(2).toDouble();
        total[i++] = save + open;
        std::printf("6 x %-18d %10.3f %10.3f %12.1f %12.1f\n", points, save, open,
                    f.value(3).toDouble() / 1024.0, f.value(4).toDouble() / 1048576.0);
        Bench::summaryRow(QStringLiteral("document of 6 x %1 points: save, open").arg(points),
                          Bench::fixed(save, 3) + " s, " + Bench::fixed(open, 3) + " s",
                          QStringLiteral("peak %1 MiB").arg(Bench::fixed(f.value(3).toDouble() / 1024.0, 0)),
                          QStringLiteral("-"), QStringLiteral("-"));
    }
    std::printf("time ratio 10k -> 100k: %.2f   (aim <= 12, linear = 10)\n", total[2] / total[1]);
    Bench::summaryRow(QStringLiteral("documents, time 10 000 -> 100 000 points"),
                      Bench::fixed(total[2] / total[1], 2), QStringLiteral("linear: 10"),
                      Bench::fixed(total[2] / total[1] / 10, 2), QStringLiteral("<= 1.2"));
    return 0;
}
