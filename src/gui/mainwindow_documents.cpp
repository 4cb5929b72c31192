// Measurement documents: the form, save, open, and the configuration's lists.

#include "archivewindow.h"
#include "formeditor.h"
#include "mainwindow.h"
#include "recup_info.h"
#include "ui_mainwindow.h"
#include "xmlconf.h"
#include "xmlmesure.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

void MainWindow::loadConfiguration()
{
    if (!QFile::exists(m_configFile))
        XmlConf::restoreDefault(m_configFile);
    ensureConfigReadable();

    {
        XmlConf conf(m_configFile, Read);
        savedLanguage = conf.getLangageencours();
    }
    createLanguageMenu();

    XmlConf conf(m_configFile, Read);
    m_form->fillLists(conf);
    m_code_gdo = conf.getgdotitle();
    ui->CodeGDOLabel->setText(m_code_gdo);
    qDebug() << "m_code_gdo " << m_code_gdo;
    batteryList = conf.getPiles();
    m_tolerance = conf.getToleranceRapport();
}

void MainWindow::ensureConfigReadable()
{
    // Never overwritten while unreadable: the user's file is kept as it is, and the program goes on with
    // the default rather than an empty configuration.
    const QString kept = XmlConf::ensureReadable(m_configFile);
    if (kept.isEmpty())
        return;
    QMessageBox::warning(this, tr("Attention"),
                         tr("Le fichier de configuration %1 est illisible. Il a ete conserve sous le nom %2 "
                            "et la configuration par defaut est utilisee.")
                             .arg(QDir::toNativeSeparators(m_configFile), QDir::toNativeSeparators(kept)));
}

void MainWindow::reloadFormLists()
{
    ensureConfigReadable();
    {
        XmlConf conf(m_configFile, Read);
        m_form->fillLists(conf);
        // The battery captions are translated texts too.
        batteryList = conf.getPiles();
    }
    m_form->recreateDateEdit();
    ui->DateEdit = m_form->dateEdit();
}

bool MainWindow::isFormFilled() const
{
    return emptyRequiredFields().isEmpty();
}

QStringList MainWindow::emptyRequiredFields() const
{
    return m_form->emptyRequiredFields();
}

QString MainWindow::proposedFileName() const
{
    return m_session->proposedFileName(m_currentPath + QLatin1String(Qvx2::DataDir));
}

QString MainWindow::save()
{
    // A record cut off, or still arriving, is never saved, whatever the path that asks.
    if (!m_session->isWhole())
        return QString();
    const QStringList empty = emptyRequiredFields();
    if (!empty.isEmpty()) {
        QMessageBox::critical(this, tr("Erreur"),
                              tr("Veuillez remplir les champs avant d'enregistrer.") + QLatin1String("\n\n") +
                                  tr("Champs vides : %1").arg(empty.join(QLatin1String(", "))),
                              QMessageBox::Ok);
        return QString();
    }
    const QString proposed = proposedFileName();
    const QString fileName = QFileDialog::getSaveFileName(this, tr("Enregistrer %1").arg(proposed), proposed,
                                                          QLatin1String(Qvx2::DocumentFilter));
    if (fileName.isEmpty()) {
        qDebug() << "save(): bad filename.";
        return QString();
    }
    if (!saveResult(fileName)) {
        QMessageBox::critical(
            this, tr("Erreur"),
            tr("Impossible d'enregistrer le fichier %1.").arg(QDir::toNativeSeparators(fileName)),
            QMessageBox::Ok);
        return QString();
    }
    m_session->saved(fileName);
    addRecentDocument(fileName);
    return fileName;
}

bool MainWindow::saveResult(const QString &fileName)
{
    qDebug() << "saveResult()" << fileName;
    if (m_session->isIncomplete() || m_session->state() == RecordSession::State::Receiving)
        return false;
    const Measurement &m = currentMeasurement();
    const bool written = XmlMesure::save(m, fileName);

    ensureConfigReadable();
    XmlConf conf(m_configFile, Update);
    conf.addFabricant(m.fabricant);
    conf.addTensionHT(m.tensionHt);
    conf.addTensionBt(m.tensionBt);
    conf.addPuissance(m.puissance);
    conf.write();
    return written;
}

bool MainWindow::okToDiscard()
{
    if (!hasUnsavedData())
        return true;
    if (m_session->isIncomplete()) {
        // It cannot be saved: the question is only whether to let it go.
        QMessageBox box(QMessageBox::Warning, tr("Attention"),
                        tr("L'enregistrement affiche est incomplet : il ne peut pas etre enregistre. "
                           "Voulez-vous l'abandonner ?"),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    QMessageBox box(QMessageBox::Question, tr("Attention"),
                    tr("Les donnees n'ont pas ete enregistrees. Voulez-vous les enregistrer ?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        // A save that was refused (fields empty) or cancelled keeps the measurement and stops the command.
        return !save().isEmpty();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::on_actionEnregistrer_triggered()
{
    // The title follows the record's document: a refused or cancelled save leaves it as it was.
    save();
}

void MainWindow::on_actionOuvrir_triggered()
{
    const QString fileName =
        QFileDialog::getOpenFileName(this, tr("Ouvrir"), m_currentPath + QLatin1String(Qvx2::DataDir),
                                     QLatin1String(Qvx2::DocumentFilter));
    if (fileName.isEmpty())
        return;
    openDocument(fileName);
}

bool MainWindow::openDocument(const QString &fileName)
{
    qDebug() << "openDocument()" << fileName;
    Measurement m;
    if (!XmlMesure::load(fileName, &m)) {
        // Shown as a document, such a file would be overwritten by the next save.
        QMessageBox::critical(this, tr("Erreur"),
                              tr("Le fichier %1 n'est pas un document de mesure : il n'a pas ete ouvert.")
                                  .arg(QDir::toNativeSeparators(fileName)),
                              QMessageBox::Ok);
        return false;
    }
    if (!okToDiscard())
        return false;
    // The document is as it is on disk: nothing to save until it is edited.
    m_session->opened(QFileInfo(fileName).absoluteFilePath(), m);
    addRecentDocument(fileName);
    return true;
}

void MainWindow::on_actionQuitter_triggered()
{
    if (okToDiscard())
        QCoreApplication::exit(0);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // While an exchange waits, the record and the port are in use: the window goes once it has ended.
    if (!m_link->isBusy() && okToDiscard())
        event->accept();
    else
        event->ignore();
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

ArchiveWindow *MainWindow::on_actionArchive_triggered()
{
    // The index lives with the user's data, never in Data/, which may be read-only or shared.
    if (!m_archive) {
        m_archive = new ArchiveWindow(this, m_currentPath + QLatin1String(Qvx2::DataDir),
                                      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                          QLatin1Char('/') + QLatin1String(Qvx2::ArchiveIndexFile));
        m_archive->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_archive->show();
    m_archive->raise();
    return m_archive;
}
