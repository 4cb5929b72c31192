#include "mainwindow.h"
#include "singleinstance.h"

#include <QApplication>
#include <QMessageBox>

namespace
{
// Fixed key of this application's single-instance segment.
const char InstanceKey[] = "{5B8E2C14-7A3F-4D61-9E0B-3C2A7F91D4E6}";
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SingleInstance instance(QString::fromLatin1(InstanceKey));
    if (instance.isAlreadyRunning()) {
        QMessageBox::critical(nullptr, QObject::tr("Erreur"),
                              QObject::tr("Impossible de lancer l'application car elle est deja lancee."),
                              QMessageBox::Ok);
        return -1;
    }
    MainWindow window;
    return app.exec();
}
