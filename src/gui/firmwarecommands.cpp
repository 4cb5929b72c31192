#include "firmwarecommands.h"

#include "dialogtelech.h"
#include "format.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

FirmwareCommands::FirmwareCommands(QWidget *window, InstrumentLink *link, const QString &firmwareDir,
                                   QObject *parent)
    : QObject(parent), m_window(window), m_link(link), m_firmwareDir(firmwareDir)
{
}

void FirmwareCommands::update()
{
    const QString fileName = QFileDialog::getOpenFileName(m_window, tr("Ouvrir"), m_firmwareDir,
                                                          QLatin1String(Qvx2::FirmwareFilter));
    // A cancelled chooser means no update, not the previous image once more.
    if (fileName.isEmpty())
        return;
    m_file = fileName;
    const QFileInfo info(m_file);
    qDebug() << "actionMise_jour_QUARVEN " << info.absoluteFilePath() << " : " << info.exists();
    if (!info.exists())
        return;
    // An image that cannot be flashed is refused before the user is asked anything.
    const Result image = FirmwareUpdate::check(m_file, nullptr);
    if (!image) {
        QMessageBox box(QMessageBox::Warning, tr("ATmega File - Attention"), image.reason, QMessageBox::Ok,
                        m_window);
        box.exec();
        return;
    }
    // Flashing replaces the instrument's program: the user sees what is about to be sent, and only a Yes
    // sends it.
    const QString question =
        tr("Mettre a jour le firmware de l'appareil avec ce fichier ?\n\n%1\n%2 octets, modifie le %3")
            .arg(QDir::toNativeSeparators(info.absoluteFilePath()))
            .arg(info.size())
            .arg(Format::dateTime(info.lastModified()));
    if (QMessageBox::question(m_window, tr("Mise a jour firmware"), question,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes)
        run();
}

void FirmwareCommands::run()
{
    if (m_link->isHeld())
        return;
    DialogTelech::Report report;
    {
        // The update holds the port while it lives: the link neither reads it nor pings, and has it back
        // when the scope ends, whatever the run came to.
        FirmwareUpdate update(m_link);
        DialogTelech dialog(&update, m_window);
        dialog.setFile(m_file);
        dialog.runUpdate();
        report = dialog.report();
    }
    QMessageBox box(report.icon, report.title, report.text, QMessageBox::Ok, m_window);
    box.exec();
}
