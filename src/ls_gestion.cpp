// The instrument link: port search, sending, the bounded send-and-wait, receiving, ping and status.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDebug>
#include <QSerialPort>
#include <QThread>

int MainWindow::s_linkCycleMs = Qvx2::LinkCycleMs;

void MainWindow::ls_envoi_cmd(const QString &cmd)
{
    const QByteArray bytes = cmd.toLocal8Bit();
    if (m_serial->write(bytes) > 0)
        qDebug() << "envoi_cmd: Send " << cmd;
    else
        qDebug() << " envoi_cmd Can't send " << cmd;
}

bool MainWindow::ls_attente_trame_progress(int tempo, int pas, int quel_reponse)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qDebug() << "ls_attente_trame_progress: tempo" << tempo << " pas " << pas << " quel_reponse "
             << quel_reponse;
    const bool valid = quel_reponse >= 0 && quel_reponse < Qvx2::FlagCount;
    const int losses = m_portLosses;
    int cycles = 0;
    bool done = false;
    while (!done) {
        QThread::msleep(ulong(pas));
        QCoreApplication::processEvents();
        if (cycles++ > tempo) {
            qDebug() << "cpt_temps  " << tempo;
            done = true;
        }
        if (valid && m_parser.received[quel_reponse] == 1) {
            qDebug() << "recu_command  " << quel_reponse;
            done = true;
        }
        // The adapter went away during the wait: the answer can no longer come.
        if (m_portLosses != losses)
            done = true;
    }
    QApplication::restoreOverrideCursor();
    return valid && m_parser.received[quel_reponse] == 1;
}

bool MainWindow::ls_attente_trame(int tempo, int quel_reponse)
{
    return ls_attente_trame_progress(tempo, s_linkCycleMs, quel_reponse);
}

bool MainWindow::ls_envoi_attente_trame(const QString &cmd, const QString &label, int attente,
                                        int quel_reponse)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_parser.clearReceivedFlags();
    qDebug() << "ls_envoi_attente_trame  " << label << " cmd " << cmd << " pour " << quel_reponse
             << "attente " << attente;
    if (!cmd.isEmpty())
        ls_envoi_cmd(cmd);
    const bool ok = ls_attente_trame(attente, quel_reponse);
    qDebug() << "ls_envoi_attente_trame  " << ok;
    QApplication::restoreOverrideCursor();
    return ok;
}

void MainWindow::PortComLibere()
{
    QCoreApplication::processEvents();
    if (m_serial->isOpen())
        m_serial->close();
    qDebug() << "PortComLibere ";
}

bool MainWindow::ls_connection_auto()
{
    qDebug() << "ls_connection_auto" << 1;
    if (m_isSerialConnected) {
        PortComLibere();
        m_isSerialConnected = false;
        qDebug() << "m_isSerialConnected: " << m_isSerialConnected;
    }
    m_serial->setPortName(QStringLiteral("COM1"));
    m_serial->setBaudRate(Qvx2::BaudRate, QSerialPort::AllDirections);
    m_serial->setDataBits(QSerialPort::Data8);
    m_serial->setParity(QSerialPort::NoParity);
    m_serial->setStopBits(QSerialPort::OneStop);
    m_serial->setFlowControl(QSerialPort::NoFlowControl);

    for (int i = 0; i < m_ports().size(); ++i) {
        const QList<PortCandidate> ports = m_ports();
        if (i >= ports.size())
            break; // the list shrank between the test and the take
        const PortCandidate port = ports.at(i);
        qDebug() << "info manufacturer =" << port.manufacturer << " info.portName " << port.portName;
        if (!port.manufacturer.isEmpty()) {
            m_serial->setPortName(port.portName);
            if (m_serial->open(QIODevice::ReadWrite)) {
                m_buffer_recv.clear();
                if (ls_envoi_attente_trame(QLatin1String(Qvx2::CmdProbe), QStringLiteral("recherhe port"),
                                           Qvx2::WaitProbeCycles, Qvx2::FlagProbe)) {
                    m_isSerialConnected = true;
                    qDebug() << "m_isSerialConnected: --------- " << m_isSerialConnected;
                    break;
                }
                PortComLibere();
            }
        }
        qDebug() << "titre 2 =" << port.portName << "  "
                 << "FTDI non trouvé";
    }

    qDebug() << "ls_connection_auto" << 2;
    updateConnectionStatus();
    updateConnectionActions();
    return m_isSerialConnected;
}

void MainWindow::onDataAvailable()
{
    if (updateInProgress)
        return;
    const QByteArray bytes = m_serial->readAll();
    if (bytes.isEmpty())
        return;
    m_buffer_recv += bytes;
    m_parser.parse(m_buffer_recv);
}

void MainWindow::slotPingQV2()
{
    if (!updateInProgress)
        envoi_pingQV2();
}

void MainWindow::envoi_pingQV2()
{
    if (!m_serial->isOpen())
        return;
    if (m_serial->write(Qvx2::CmdPing) > 0)
        qDebug() << m_serial->portName() << " PING ok";
    else
        qDebug() << "PING KO---------------------";
}

void MainWindow::updateConnectionStatus()
{
    if (m_serial->isOpen()) {
        m_statusText.setText(tr("Connecte (%1)").arg(m_serial->portName()));
        m_statusIcon.setPixmap(m_imgPassed);
    } else {
        m_statusText.setText(tr("Deconnecte"));
        m_statusIcon.setPixmap(m_imgFailed);
    }
}

void MainWindow::updateConnectionActions()
{
    const bool c = m_isSerialConnected;
    ui->actionUSB_recherche_automatique->setEnabled(!c);
    QAction *const instrumentActions[] = {ui->actionTelecharger,
                                          ui->actionTemps_de_Coupure_du_QVX2,
                                          ui->actionChoix_de_la_gamme_au_d_marrage,
                                          ui->actionMise_jour_firmware,
                                          ui->actionChoix_du_type_de_batterie,
                                          ui->actionPatch_court_circuit,
                                          ui->actionPatch_DIREVE,
                                          ui->actionInfo_UC};
    for (QAction *action : instrumentActions)
        action->setEnabled(c);
}

void MainWindow::onSerialError(int error)
{
    // The adapter was pulled out: the port is gone, so say so rather than keep showing "Connecte". A
    // hung-up line shows as a read of nothing, reported as either error depending on the system.
    if ((error != QSerialPort::ResourceError && error != QSerialPort::ReadError) || !m_serial->isOpen())
        return;
    qDebug() << "serial port lost:" << m_serial->errorString();
    m_serial->close();
    m_buffer_recv.clear();
    m_isSerialConnected = false;
    ++m_portLosses;
    updateConnectionStatus();
    updateConnectionActions();
}

void MainWindow::on_actionUSB_recherche_automatique_triggered()
{
    ls_connection_auto();
}
