#include "mainwindow.h"
#include "singleinstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SingleInstance instance;
    if (instance.refuseIfAlreadyRunning())
        return -1;
    MainWindow window;
    return app.exec();
}
