#include "mainwindow.h"
#include "singleinstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Per-user settings and, for an installed copy, the data location are kept under this name.
    QCoreApplication::setOrganizationName(QLatin1String(Qvx2::OrganizationName));
    QCoreApplication::setApplicationName(QLatin1String(Qvx2::ProgramName));
    SingleInstance instance;
    if (instance.refuseIfAlreadyRunning())
        return -1;
    MainWindow window;
    return app.exec();
}
