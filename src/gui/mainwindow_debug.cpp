// The debug window's commands: show the capture, ask the instrument for its information, replay a capture.

#include "mainwindow.h"
#include "recup_info.h"
#include "ui_mainwindow.h"

#include <QDebug>
#include <QFile>
#include <QFileDialog>

void MainWindow::on_actionDebug_triggered()
{
    m_recup_info->show();
}

void MainWindow::on_actionInfo_UC_triggered()
{
    // The information lines go to the debug window only: the measurement shown, and what a save would
    // store, stay as they are.
    m_recup_info->efface();
    parser().reset();
    m_reader->setTarget(nullptr);
    const bool answered =
        ls_envoi_attente_trame(QLatin1String(Qvx2::CmdInfo), QStringLiteral("on_actionInfo_UC_triggered"),
                               Qvx2::WaitLongCycles, Qvx2::FlagRange);
    m_reader->setTarget(m_session);
    // The request ends with its range line: what comes after it is no transfer.
    parser().active = false;
    if (!answered)
        return;
    m_recup_info->set_texte(parser().text());
    m_recup_info->show();
}

void MainWindow::on_actionOuvrir_fichier_debug_triggered()
{
    const QString fileName = QFileDialog::getOpenFileName(
        this, tr("Ouvrir"), m_currentPath + QLatin1String(Qvx2::DataDir), QStringLiteral("*.txt"));
    if (fileName.isEmpty() || !okToDiscard())
        return;
    replayCapture(fileName);
}

void MainWindow::replayCapture(const QString &fileName)
{
    qDebug() << fileName;
    QFile file(fileName);
    // Read raw: a CR alone stays inside its line (it then ends a frame), only LF and CR LF end lines.
    if (!file.open(QIODevice::ReadOnly))
        return;
    // A new record, as a download starts one: what the capture holds, and only that, is shown.
    m_recup_info->efface();
    m_session->beginReceiving();
    parser().reset();
    // The display is brought up to date once, at the end, rather than after every line.
    ui->reponsePlot->beginBatch();
    m_recup_info->beginBatch();
    // A line longer than the receive bound is no capture line; it is taken in pieces. One buffer for all
    // lines: a fresh one per line would cost as much as the line's handling.
    QByteArray piece(Qvx2::ReceiveBufferLimit + 1, Qt::Uninitialized);
    while (!file.atEnd()) {
        const qint64 got = file.readLine(piece.data(), piece.size());
        if (got < 0)
            break;
        QByteArray raw(piece.constData(), int(got));
        if (raw.endsWith('\n'))
            raw.chop(raw.endsWith("\r\n") ? 2 : 1);
        QString line = QString::fromLocal8Bit(raw);
        line.remove(QLatin1Char('"'));
        line += QLatin1Char('\r');
        qDebug() << "fichier " << fileName << " temp  " << line;
        QByteArray &buffer = m_link->receiveBuffer();
        buffer = line.toUtf8();
        qDebug() << " m_buffer_recv  " << buffer;
        parser().parse(buffer);
    }
    file.close();
    m_recup_info->endBatch();
    ui->reponsePlot->endBatch();
    // A capture without the record's end line holds a record cut off.
    m_session->endReceiving(false);
}
