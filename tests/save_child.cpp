// Writes a large measurement document to the given path, slowly enough to be killed half way.

#include "xmlmesure.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const int points = QByteArray(argv[2]).toInt();
    XmlMesure doc(QString::fromLocal8Bit(argv[1]), Create);
    for (int c = 0; c < 6; ++c) {
        QVector<QPointF> curve;
        curve.reserve(points);
        for (int i = 0; i < points; ++i)
            curve.append(QPointF(i, (i * 37 + c) % 4096 - 2048));
        doc.setCurve(c, curve);
    }
    std::printf("writing\n");
    std::fflush(stdout);
    return doc.write() ? 0 : 1;
}
