#include "instrumentlink.h"

#include <QDebug>
#include <QEventLoop>
#include <QFileInfo>

namespace
{
QString portKey(const PortCandidate &port)
{
    return port.portName + QLatin1Char('\n') + port.manufacturer;
}

QSet<QString> portKeys(const QList<PortCandidate> &ports)
{
    QSet<QString> keys;
    for (const PortCandidate &port : ports)
        keys.insert(portKey(port));
    return keys;
}
} // namespace

InstrumentLink::InstrumentLink(PortCatalog ports, QObject *parent)
    : QObject(parent), m_serial(new QSerialPort(this)), m_ports(std::move(ports))
{
    connect(m_serial, &QSerialPort::readyRead, this, &InstrumentLink::takeReceived);
    connect(m_serial, &QSerialPort::errorOccurred, this, &InstrumentLink::handleError);
    connect(&m_pingTimer, &QTimer::timeout, this, &InstrumentLink::pingDue);
    m_pingCheck.setSingleShot(true);
    connect(&m_pingCheck, &QTimer::timeout, this, &InstrumentLink::checkPingAnswer);
    connect(&m_portWatch, &QTimer::timeout, this, &InstrumentLink::watchPorts);
}

InstrumentLink::~InstrumentLink()
{
    if (m_serial->isOpen())
        m_serial->close();
}

void InstrumentLink::setTiming(const LinkTiming &timing)
{
    m_timing = timing;
    // Running timers take the new periods at once.
    if (m_pingTimer.isActive())
        m_pingTimer.start(m_timing.pingPeriodMs);
    if (m_portWatch.isActive())
        m_portWatch.start(m_timing.portWatchMs);
}

void InstrumentLink::startPing()
{
    m_pingTimer.start(m_timing.pingPeriodMs);
}

void InstrumentLink::startPortWatch()
{
    m_portWatch.start(m_timing.portWatchMs);
}

void InstrumentLink::hold(bool held)
{
    m_held += held ? 1 : -1;
    m_pingCheck.stop(); // a ping left unanswered while the bootloader has the port says nothing
}

void InstrumentLink::send(const QByteArray &command)
{
    if (m_serial->write(command) > 0) {
        // On the wire now, not after whatever the event loop does first (a repaint of the whole window).
        m_serial->flush();
        qDebug() << "envoi_cmd: Send " << command;
    } else {
        qDebug() << " envoi_cmd Can't send " << command;
    }
}

bool InstrumentLink::refuseIfBusy(const char *what) const
{
    if (!m_busy && !m_searching)
        return false;
    // A second exchange would clear the flags the first one waits for, and its answer could end the first.
    qDebug() << what << "refused: an exchange is already waiting";
    return true;
}

void InstrumentLink::setBusy(bool busy)
{
    m_busy = busy;
    if (!m_quiet)
        emit busyChanged(busy);
    if (!busy && m_pingDeferred) {
        m_pingDeferred = false;
        pingDue();
    }
}

void InstrumentLink::setResponding(bool responding)
{
    if (m_responding == responding)
        return;
    m_responding = responding;
    qDebug() << (responding ? "instrument answers again" : "instrument does not answer the ping");
    emit respondingChanged(responding);
}

void InstrumentLink::resetLiveness()
{
    m_pingCheck.stop();
    m_pingEverAnswered = false;
    m_missedPings = 0;
    setResponding(true);
}

Result InstrumentLink::wait(Qvx2::Answer awaited, int deadlineMs)
{
    if (refuseIfBusy("wait"))
        return Result::failed(Result::Code::Busy);
    setBusy(true);
    const Result result = waitFor(awaited, deadlineMs);
    setBusy(false);
    return result;
}

Result InstrumentLink::waitFor(Qvx2::Answer awaited, int deadlineMs)
{
    const int flag = Qvx2::flag(awaited);
    qDebug() << "ls_attente_trame_progress: deadline" << deadlineMs << "ms quel_reponse " << flag;
    const bool valid = flag >= 0 && flag < Qvx2::FlagCount;
    auto answered = [&] { return valid && m_parser.received[flag] == 1; };
    const int losses = m_portLosses;
    const qint64 lines = m_linesReceived;
    if (!answered() && m_serial->isOpen()) {
        // The event loop runs (the window repaints, the busy cursor shows) and the received bytes end the
        // wait as soon as the awaited line is complete; the bound is the deadline.
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        deadline.setTimerType(Qt::PreciseTimer);
        connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
        deadline.start(deadlineMs);
        m_waitLoop = &loop;
        m_waitFlag = valid ? flag : -1;
        loop.exec();
        m_waitLoop = nullptr;
        m_waitFlag = -1;
    }
    if (answered()) {
        qDebug() << "recu_command  " << flag;
        return Result::ok();
    }
    if (m_portLosses != losses)
        return Result::failed(Result::Code::PortLost);
    if (!m_serial->isOpen())
        return Result::failed(Result::Code::NotConnected);
    qDebug() << "cpt_temps  " << deadlineMs;
    return Result::failed(m_linesReceived == lines ? Result::Code::NoResponse : Result::Code::TimedOut);
}

Result InstrumentLink::exchange(const QByteArray &command, Qvx2::Answer awaited, int deadlineMs,
                                const QString &label)
{
    if (m_busy) {
        refuseIfBusy("exchange");
        return Result::failed(Result::Code::Busy);
    }
    setBusy(true);
    m_parser.clearReceivedFlags();
    qDebug() << "ls_envoi_attente_trame  " << label << " cmd " << command << " pour " << Qvx2::flag(awaited)
             << "attente " << deadlineMs << "ms";
    if (!command.isEmpty())
        send(command);
    const Result result = waitFor(awaited, deadlineMs);
    qDebug() << "ls_envoi_attente_trame  " << result.done();
    setBusy(false);
    return result;
}

void InstrumentLink::release()
{
    if (m_serial->isOpen())
        m_serial->close();
    qDebug() << "PortComLibere ";
    // A released port is no connection any more: whoever shows the link must not go on showing one.
    if (m_isSerialConnected) {
        m_isSerialConnected = false;
        resetLiveness();
        emit connectionChanged(false);
    }
}

bool InstrumentLink::search()
{
    if (refuseIfBusy("ls_connection_auto"))
        return m_isSerialConnected;
    const QList<PortCandidate> ports = m_ports();
    m_seenPorts = portKeys(ports);
    return search(ports, false);
}

bool InstrumentLink::search(const QList<PortCandidate> &ports, bool quiet)
{
    qDebug() << "ls_connection_auto" << 1;
    m_searching = true;
    m_quiet = quiet;
    if (!quiet)
        emit searchingChanged(true);
    if (m_isSerialConnected)
        release();
    m_serial->setPortName(QStringLiteral("COM1"));
    m_serial->setBaudRate(Qvx2::BaudRate, QSerialPort::AllDirections);
    m_serial->setDataBits(QSerialPort::Data8);
    m_serial->setParity(QSerialPort::NoParity);
    m_serial->setStopBits(QSerialPort::OneStop);
    m_serial->setFlowControl(QSerialPort::NoFlowControl);

    m_lastSearch.clear();
    for (const PortCandidate &port : ports) {
        qDebug() << "info manufacturer =" << port.manufacturer << " info.portName " << port.portName;
        if (!port.manufacturer.isEmpty()) {
            m_serial->setPortName(port.portName);
            if (m_serial->open(QIODevice::ReadWrite)) {
                m_buffer_recv.clear();
                if (exchange(Qvx2::CmdProbe, Qvx2::Answer::Probe, m_timing.probeWaitMs,
                             QStringLiteral("recherhe port"))
                        .done()) {
                    m_isSerialConnected = true;
                    m_connectedPort = port.portName;
                    resetLiveness();
                    qDebug() << "m_isSerialConnected: --------- " << m_isSerialConnected;
                    break;
                }
                m_lastSearch.append({port.portName, tr("pas de reponse")});
                release();
            } else {
                m_lastSearch.append({port.portName,
                                     openFailureText(m_serial->error(), m_serial->errorString()),
                                     m_serial->error()});
                qDebug() << "cannot open" << port.portName << m_serial->errorString();
                m_serial->clearError();
            }
        }
        qDebug() << "titre 2 =" << port.portName << "  "
                 << "FTDI non trouvé";
    }

    qDebug() << "ls_connection_auto" << 2;
    m_searching = false;
    m_quiet = false;
    m_sinceSearch.start();
    if (!quiet || m_isSerialConnected)
        emit searchingChanged(false);
    emit connectionChanged(m_isSerialConnected);
    return m_isSerialConnected;
}

QString InstrumentLink::openFailureText(QSerialPort::SerialPortError error, const QString &qtText)
{
    switch (error) {
    case QSerialPort::PermissionError:
        return tr("acces refuse ou port occupe (%1). Sous Linux, le compte doit appartenir au groupe dialout "
                  ": "
                  "sudo usermod -a -G dialout $USER, puis fermer la session et la rouvrir.")
            .arg(qtText);
    case QSerialPort::DeviceNotFoundError:
        return tr("le port n'existe plus (%1)").arg(qtText);
    case QSerialPort::OpenError:
        return tr("port deja ouvert (%1)").arg(qtText);
    default:
        return tr("ouverture impossible (%1)").arg(qtText);
    }
}

void InstrumentLink::watchPorts()
{
    if (m_busy || m_searching)
        return;
    const QList<PortCandidate> ports = m_ports();
    const QSet<QString> before = m_seenPorts;
    m_seenPorts = portKeys(ports);
    if (m_isSerialConnected || isHeld()) // no search while the bootloader may still hold the port
        return;
    // What appeared since the last look is searched at once; a port that did not answer is probed again at a
    // slower pace, in the background: the instrument may have been switched on since.
    QList<PortCandidate> fresh, candidates;
    for (const PortCandidate &port : ports) {
        if (port.manufacturer.isEmpty())
            continue;
        candidates.append(port);
        if (!before.contains(portKey(port)))
            fresh.append(port);
    }
    if (!fresh.isEmpty())
        search(fresh, false);
    else if (!candidates.isEmpty() &&
             (!m_sinceSearch.isValid() || m_sinceSearch.elapsed() >= m_timing.portRetryMs))
        search(candidates, true);
}

void InstrumentLink::takeReceived()
{
    if (isHeld())
        return;
    const QByteArray bytes = m_serial->readAll();
    if (bytes.isEmpty())
        return;
    m_buffer_recv += bytes;
    const int lines = bytes.count('\r');
    m_linesReceived += lines;
    m_parser.parse(m_buffer_recv);
    // A line, whatever it is, says the instrument is alive (the state counts only when connected).
    if (lines > 0)
        setResponding(true);
    if (m_waitLoop && m_waitFlag >= 0 && m_parser.received[m_waitFlag] == 1)
        m_waitLoop->quit();
}

void InstrumentLink::pingDue()
{
    if (isHeld())
        return;
    // In the middle of an exchange a ping would put its answer among the awaited ones.
    if (m_busy)
        m_pingDeferred = true;
    else
        ping();
}

void InstrumentLink::ping()
{
    if (!m_serial->isOpen())
        return;
    if (m_serial->write(Qvx2::CmdPing) > 0) {
        qDebug() << m_serial->portName() << " PING ok";
        m_linesAtPing = m_linesReceived;
        m_pingCheck.start(m_timing.pingAnswerMs);
    } else {
        qDebug() << "PING KO---------------------";
    }
}

// Stopped while disconnected or held: it runs only for a connected link's ping.
void InstrumentLink::checkPingAnswer()
{
    if (m_linesReceived > m_linesAtPing) {
        m_pingEverAnswered = true;
        m_missedPings = 0;
    } else if (m_pingEverAnswered && ++m_missedPings >= Qvx2::PingMissLimit) {
        setResponding(false);
    }
}

bool InstrumentLink::deviceGone() const
{
    bool listed = false;
    for (const PortCandidate &port : m_ports())
        listed = listed || port.portName == m_connectedPort;
    const QString path = m_connectedPort.startsWith(QLatin1Char('/'))
                             ? m_connectedPort
                             : QStringLiteral("/dev/") + m_connectedPort;
    return !listed || !QFileInfo::exists(path);
}

void InstrumentLink::handleError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
        return;
    case QSerialPort::ResourceError:
    case QSerialPort::ReadError:
        // A pulled-out adapter shows as a failed read, reported as either error depending on the system.
        // Only a device that is gone closes the link; a passing read error is logged and the link stays.
        if (!m_serial->isOpen())
            return;
        if (!deviceGone()) {
            qDebug() << "serial port error (link kept):" << error << m_serial->errorString();
            m_serial->clearError();
            return;
        }
        qDebug() << "serial port lost:" << m_serial->errorString();
        m_serial->close();
        m_buffer_recv.clear();
        m_isSerialConnected = false;
        resetLiveness();
        ++m_portLosses;
        // Its return, even within one look at the list, counts as a new port.
        for (auto it = m_seenPorts.begin(); it != m_seenPorts.end();)
            it = it->startsWith(m_connectedPort + QLatin1Char('\n')) ? m_seenPorts.erase(it) : std::next(it);
        if (m_waitLoop)
            m_waitLoop->quit();
        emit portLost(m_serial->portName(), m_serial->errorString());
        emit connectionChanged(false);
        return;
    default:
        qDebug() << "serial port error:" << error << m_serial->errorString();
        return;
    }
}
