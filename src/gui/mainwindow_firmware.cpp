// Firmware update through the instrument's bootloader.

#include "dialogtelech.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

void MainWindow::on_actionMise_jour_firmware_triggered()
{
    const QString fileName =
        QFileDialog::getOpenFileName(this, tr("Ouvrir"), m_currentPath + QLatin1String(Qvx2::FirmwareDir),
                                     QLatin1String(Qvx2::FirmwareFilter));
    // A cancelled chooser means no update, not the previous image once more.
    if (fileName.isEmpty())
        return;
    firmwareFile = fileName;
    const QFileInfo info(firmwareFile);
    qDebug() << "actionMise_jour_QUARVEN " << info.absoluteFilePath() << " : " << info.exists();
    if (!info.exists())
        return;
    // An image that cannot be flashed is refused before the user is asked anything.
    FirmwareImage image;
    if (!image.load(firmwareFile)) {
        const DialogTelech::Report refusal = DialogTelech::refusal(image, firmwareFile);
        QMessageBox box(refusal.icon, refusal.title, refusal.text, QMessageBox::Ok, this);
        box.exec();
        return;
    }
    // Flashing replaces the instrument's program: the user sees what is about to be sent, and only a Yes
    // sends it.
    const QString question =
        tr("Mettre a jour le firmware de l'appareil avec ce fichier ?\n\n%1\n%2 octets, modifie le %3")
            .arg(QDir::toNativeSeparators(info.absoluteFilePath()))
            .arg(info.size())
            .arg(QLocale().toString(info.lastModified(), QLocale::ShortFormat));
    if (QMessageBox::question(this, tr("Mise a jour firmware"), question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) == QMessageBox::Yes)
        startFirmwareUpdate();
}

void MainWindow::startFirmwareUpdate()
{
    if (m_link->isPaused())
        return;
    DialogTelech::Report report;
    {
        DialogTelech dialog(serialPort(), this);
        dialog.setFile(firmwareFile);
        // The dialog has the port to itself: the link neither reads it nor pings.
        m_link->setPaused(true);
        dialog.runUpdate();
        m_link->setPaused(false);
        report = dialog.report();
    } // the dialog's polling of the port ends here: the main window is its only reader again
    QMessageBox box(report.icon, report.title, report.text, QMessageBox::Ok, this);
    box.exec();
}
