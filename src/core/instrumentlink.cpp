#include "instrumentlink.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>

namespace
{
int s_cycleMs = Qvx2::LinkCycleMs;
} // namespace

InstrumentLink::InstrumentLink(PortCatalog ports, QObject *parent)
    : QObject(parent), m_serial(new QSerialPort(this)), m_ports(std::move(ports))
{
    connect(m_serial, &QSerialPort::readyRead, this, &InstrumentLink::onDataAvailable);
    connect(m_serial, &QSerialPort::errorOccurred, this, &InstrumentLink::handleError);
    connect(&m_pingTimer, &QTimer::timeout, this, &InstrumentLink::slotPingQV2);
}

InstrumentLink::~InstrumentLink()
{
    PortComLibere();
}

void InstrumentLink::setCycleMs(int ms)
{
    s_cycleMs = ms;
}

int InstrumentLink::cycleMs()
{
    return s_cycleMs;
}

void InstrumentLink::startPing()
{
    m_pingTimer.start(Qvx2::PingPeriodMs);
}

void InstrumentLink::ls_envoi_cmd(const QString &cmd)
{
    const QByteArray bytes = cmd.toLocal8Bit();
    if (m_serial->write(bytes) > 0)
        qDebug() << "envoi_cmd: Send " << cmd;
    else
        qDebug() << " envoi_cmd Can't send " << cmd;
}

bool InstrumentLink::refuseIfBusy(const QString &what)
{
    if (!m_busy)
        return false;
    // A second exchange would clear the flags the first one waits for, and its answer could end the first.
    qDebug() << what << "refused: an exchange is already waiting";
    return true;
}

void InstrumentLink::setBusy(bool busy)
{
    m_busy = busy;
    emit busyChanged(busy);
    if (!busy && m_pingDeferred) {
        m_pingDeferred = false;
        slotPingQV2();
    }
}

bool InstrumentLink::ls_attente_trame_progress(int tempo, int pas, int quel_reponse)
{
    if (refuseIfBusy(QStringLiteral("ls_attente_trame_progress")))
        return false;
    setBusy(true);
    const bool ok = waitFor(tempo, pas, quel_reponse);
    setBusy(false);
    return ok;
}

bool InstrumentLink::waitFor(int tempo, int pas, int quel_reponse)
{
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
    return valid && m_parser.received[quel_reponse] == 1;
}

bool InstrumentLink::ls_attente_trame(int tempo, int quel_reponse)
{
    return ls_attente_trame_progress(tempo, s_cycleMs, quel_reponse);
}

bool InstrumentLink::ls_envoi_attente_trame(const QString &cmd, const QString &label, int attente,
                                            int quel_reponse)
{
    if (refuseIfBusy(QStringLiteral("ls_envoi_attente_trame  ") + label))
        return false;
    setBusy(true);
    m_parser.clearReceivedFlags();
    qDebug() << "ls_envoi_attente_trame  " << label << " cmd " << cmd << " pour " << quel_reponse
             << "attente " << attente;
    if (!cmd.isEmpty())
        ls_envoi_cmd(cmd);
    const bool ok = waitFor(attente, s_cycleMs, quel_reponse);
    qDebug() << "ls_envoi_attente_trame  " << ok;
    setBusy(false);
    return ok;
}

void InstrumentLink::PortComLibere()
{
    QCoreApplication::processEvents();
    if (m_serial->isOpen())
        m_serial->close();
    qDebug() << "PortComLibere ";
    // A released port is no connection any more: whoever shows the link must not go on showing one.
    if (m_isSerialConnected) {
        m_isSerialConnected = false;
        emit connectionChanged(false);
    }
}

bool InstrumentLink::ls_connection_auto()
{
    if (refuseIfBusy(QStringLiteral("ls_connection_auto")))
        return m_isSerialConnected;
    qDebug() << "ls_connection_auto" << 1;
    if (m_isSerialConnected)
        PortComLibere();
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
    emit connectionChanged(m_isSerialConnected);
    return m_isSerialConnected;
}

void InstrumentLink::onDataAvailable()
{
    if (m_paused)
        return;
    const QByteArray bytes = m_serial->readAll();
    if (bytes.isEmpty())
        return;
    m_buffer_recv += bytes;
    m_parser.parse(m_buffer_recv);
}

void InstrumentLink::slotPingQV2()
{
    if (m_paused)
        return;
    // In the middle of an exchange a ping would put its answer among the awaited ones.
    if (m_busy)
        m_pingDeferred = true;
    else
        envoi_pingQV2();
}

void InstrumentLink::envoi_pingQV2()
{
    if (!m_serial->isOpen())
        return;
    if (m_serial->write(Qvx2::CmdPing) > 0)
        qDebug() << m_serial->portName() << " PING ok";
    else
        qDebug() << "PING KO---------------------";
}

void InstrumentLink::handleError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
        return;
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
        // The adapter was pulled out: the port is gone, so say so rather than keep showing it connected. A
        // hung-up line shows as a read of nothing, reported as either error depending on the system.
        if (!m_serial->isOpen())
            return;
        qDebug() << "serial port lost:" << m_serial->errorString();
        m_serial->close();
        m_buffer_recv.clear();
        m_isSerialConnected = false;
        ++m_portLosses;
        emit portLost(m_serial->portName(), m_serial->errorString());
        emit connectionChanged(false);
        return;
    default:
        qDebug() << "serial port error:" << error << m_serial->errorString();
        return;
    }
}
