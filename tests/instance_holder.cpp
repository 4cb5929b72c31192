// Holds the single-instance segment of a given key, as the program does, until it is killed.
// Exit status 255 (-1) when another holder already runs.

#include "singleinstance.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (instance.isAlreadyRunning())
        return -1;
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
