// Measurement documents: the form, save, open, and the configuration's lists.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>

void MainWindow::loadConfiguration()
{
    if (!QFile::exists(m_configFile)) {
        if (QFile::copy(QLatin1String(Qvx2::ConfigResource), m_configFile)) {
            // A file copied out of the resources is read-only.
            QFile::setPermissions(m_configFile, QFile::permissions(m_configFile) | QFile::ReadOwner |
                                                    QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
            qDebug() << "setPermissions config.xml";
        } else {
            qDebug() << "Can't create default config.xml";
        }
    }
}

void MainWindow::fillFormLists() {}
QString MainWindow::save()
{
    return QString();
}
bool MainWindow::saveResult(const QString &)
{
    return false;
}
bool MainWindow::isFormFilled() const
{
    return !ui->NameEdit->text().isEmpty() && !ui->NamePosteEdit->text().isEmpty() &&
           !ui->NumTranfoEdit->text().isEmpty();
}
QString MainWindow::proposedFileName() const
{
    return QString();
}
void MainWindow::reloadFormLists() {}
void MainWindow::openDocument(const QString &) {}
void MainWindow::on_actionOuvrir_triggered() {}
void MainWindow::on_actionEnregistrer_triggered() {}

void MainWindow::on_actionQuitter_triggered()
{
    QCoreApplication::exit(0);
}

void MainWindow::on_NameEdit_textChanged(QString arg1)
{
    qDebug() << " on_NameEdit_textChanged  " << arg1;
}

void MainWindow::on_NamePosteEdit_textChanged(QString arg1)
{
    qDebug() << " on_NamePosteEdit_textChanged  " << arg1;
}

void MainWindow::on_NumTranfoEdit_textChanged(QString arg1)
{
    qDebug() << " on_NumTranfoEdit_textChanged  " << arg1;
}

void MainWindow::on_CodeGDOEdit_textChanged(QString arg1)
{
    qDebug() << " on_CodeGDOEdit_textChanged  " << arg1;
}
