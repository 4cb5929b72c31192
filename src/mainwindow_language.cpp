// Run-time language switching, the about box and the user guide.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QEvent>

void MainWindow::createLanguageMenu() {}
void MainWindow::slotLanguageChanged(QAction *) {}
void MainWindow::loadLanguage(const QString &) {}
void MainWindow::switchTranslator(QTranslator &, const QString &) {}
void MainWindow::updateLanguageActions(const QString &) {}
void MainWindow::retranslateUi() {}
int MainWindow::rechercheficdansliste(const QStringList *, const QString &)
{
    return -1;
}
void MainWindow::on_actionDocumentation_triggered() {}
void MainWindow::on_action_propos_de_ORVA_SA_triggered() {}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
}
