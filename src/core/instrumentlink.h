#pragma once

// The link to the instrument: its serial port, the receive buffer and the frame parser, the search for the
// instrument among the ports, the send-and-wait exchange with its bounded wait, and the ping. One exchange
// waits at a time: another one asked for meanwhile is refused, and the ping waits for it to end.

#include "cmdparser.h"
#include "portcatalog.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QTimer>

class InstrumentLink : public QObject
{
    Q_OBJECT

public:
    // ports: what the search may try (the system's, or one a test or the demo offers).
    explicit InstrumentLink(PortCatalog ports, QObject *parent = nullptr);
    ~InstrumentLink() override;

    CmdParser &parser() { return m_parser; }
    QSerialPort *port() const { return m_serial; }
    QByteArray &receiveBuffer() { return m_buffer_recv; }
    // A port answered the probe of the last search (and was not lost since).
    bool isConnected() const { return m_isSerialConnected; }
    bool isOpen() const { return m_serial->isOpen(); }
    QString portName() const { return m_serial->portName(); }
    // An exchange is waiting for its answer.
    bool isBusy() const { return m_busy; }
    // While paused (a firmware update has the port) received bytes stay in the port and no ping goes out.
    void setPaused(bool paused) { m_paused = paused; }
    bool isPaused() const { return m_paused; }
    // Pings every PingPeriodMs from now on.
    void startPing();

    // Writes the command as it is (it carries its own CR).
    void ls_envoi_cmd(const QString &cmd);
    // Waits in cycles of `pas` ms, running the event loop, until flag quel_reponse is set or tempo + 2 cycles
    // have passed, or the port is lost; returns whether the flag is set.
    bool ls_attente_trame_progress(int tempo, int pas, int quel_reponse);
    bool ls_attente_trame(int tempo, int quel_reponse);
    // Clears the flags, sends cmd (unless empty) and waits (attente cycles) for flag quel_reponse.
    bool ls_envoi_attente_trame(const QString &cmd, const QString &label, int attente, int quel_reponse);
    void PortComLibere();
    // Releases the port, then probes each port with a manufacturer string in turn; true when one answered.
    bool ls_connection_auto();
    void envoi_pingQV2();

    // Tests only: a shorter polling cycle, so that waits of hundreds of cycles run quickly.
    static void setCycleMs(int ms);
    static int cycleMs();

public slots:
    void onDataAvailable();
    void slotPingQV2();

signals:
    // A search ended, or the port was lost.
    void connectionChanged(bool connected);
    // An exchange starts or stops waiting: the instrument's other commands must wait too.
    void busyChanged(bool busy);
    // The adapter went away; the port is closed.
    void portLost(const QString &portName, const QString &error);

private:
    bool refuseIfBusy(const QString &what);
    void setBusy(bool busy);
    bool waitFor(int tempo, int pas, int quel_reponse);
    void handleError(QSerialPort::SerialPortError error);

    QSerialPort *m_serial = nullptr;
    PortCatalog m_ports;
    QByteArray m_buffer_recv;
    CmdParser m_parser;
    QTimer m_pingTimer;
    bool m_isSerialConnected = false;
    bool m_busy = false;
    bool m_paused = false;
    bool m_pingDeferred = false; // the ping came during an exchange: it goes out when the exchange ends
    int m_portLosses = 0;        // counts adapters lost, so that a wait can stop when its port is gone
};
