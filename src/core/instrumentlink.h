#pragma once

// The link to the instrument: its serial port, the receive buffer and the frame parser, the search for the
// instrument among the ports, the send-and-wait exchange with its bounded wait, and the ping. One exchange
// waits at a time: another one asked for meanwhile is refused, and the ping waits for it to end.
// While connected it watches whether the instrument still answers its pings; while not, it watches the port
// list and searches a port that appears, so that a replugged adapter reconnects by itself.

#include "cmdparser.h"
#include "portcatalog.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QSet>
#include <QTimer>

class QEventLoop;

// One port the last search tried, and why it did not lead to the instrument.
struct PortAttempt {
    QString portName;
    QString failure; // for the user: no answer, or why the port could not be opened
};

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
    // False once an instrument that used to answer the ping has left several in a row unanswered.
    bool isResponding() const { return m_responding; }
    bool isOpen() const { return m_serial->isOpen(); }
    QString portName() const { return m_serial->portName(); }
    // An exchange is waiting for its answer.
    bool isBusy() const { return m_busy; }
    bool isSearching() const { return m_searching; }
    // The ports the last search tried without finding the instrument; empty when it had no candidate.
    const QList<PortAttempt> &lastSearch() const { return m_lastSearch; }
    // While paused (a firmware update has the port) received bytes stay in the port and no ping goes out.
    void setPaused(bool paused);
    bool isPaused() const { return m_paused; }
    // Pings every PingPeriodMs from now on.
    void startPing();
    // From now on, while disconnected, a port that appears in the list is searched by itself.
    void startPortWatch();

    // Writes the command as it is (it carries its own CR).
    void ls_envoi_cmd(const QString &cmd);
    // Waits, running the event loop, until flag quel_reponse is set or tempo + 2 cycles of `pas` ms have
    // passed, or the port is lost; returns whether the flag is set. Received bytes end the wait at once.
    bool ls_attente_trame_progress(int tempo, int pas, int quel_reponse);
    bool ls_attente_trame(int tempo, int quel_reponse);
    // Clears the flags, sends cmd (unless empty) and waits (attente cycles) for flag quel_reponse.
    bool ls_envoi_attente_trame(const QString &cmd, const QString &label, int attente, int quel_reponse);
    void PortComLibere();
    // Releases the port, then probes each port with a manufacturer string in turn; true when one answered.
    bool ls_connection_auto();
    void envoi_pingQV2();

    // What the user is told of a port that could not be opened, from Qt's error and its text.
    static QString openFailureText(QSerialPort::SerialPortError error, const QString &qtText);

    // Tests only: a shorter polling cycle, so that waits of hundreds of cycles run quickly, and shorter ping
    // and port-watch periods.
    static void setCycleMs(int ms);
    static int cycleMs();
    static void setWatchTiming(int pingPeriodMs, int pingAnswerMs, int portWatchMs,
                               int portRetryMs = Qvx2::PortRetryMs);
    // How often ports that did not answer are probed again while no instrument is connected.
    static int portRetryMs();

public slots:
    void onDataAvailable();
    void slotPingQV2();

signals:
    // A search ended, or the port was lost.
    void connectionChanged(bool connected);
    // The instrument stopped answering its pings, or a line came again.
    void respondingChanged(bool responding);
    // A search starts or ends.
    void searchingChanged(bool searching);
    // An exchange starts or stops waiting: the instrument's other commands must wait too.
    void busyChanged(bool busy);
    // The adapter went away; the port is closed.
    void portLost(const QString &portName, const QString &error);

private:
    bool refuseIfBusy(const QString &what);
    void setBusy(bool busy);
    void setResponding(bool responding);
    void resetLiveness();
    bool waitFor(int tempo, int pas, int quel_reponse);
    // quiet: a probe in the background, with no busy cursor and no "searching" shown.
    bool search(const QList<PortCandidate> &ports, bool quiet = false);
    void checkPingAnswer();
    void watchPorts();
    bool deviceGone() const;
    void handleError(QSerialPort::SerialPortError error);

    QSerialPort *m_serial = nullptr;
    PortCatalog m_ports;
    QByteArray m_buffer_recv;
    CmdParser m_parser;
    QTimer m_pingTimer;
    QTimer m_pingCheck; // PingAnswerMs after a ping: was anything received?
    QTimer m_portWatch;
    QEventLoop *m_waitLoop = nullptr; // the running wait, ended early by its answer or a lost port
    int m_waitFlag = -1;
    bool m_isSerialConnected = false;
    bool m_busy = false;
    bool m_searching = false;
    bool m_paused = false;
    bool m_quiet = false;        // the running search is a background retry
    bool m_pingDeferred = false; // the ping came during an exchange: it goes out when the exchange ends
    bool m_responding = true;
    bool m_pingEverAnswered = false; // an instrument that never answers pings is never judged by them
    int m_missedPings = 0;
    qint64 m_linesReceived = 0;
    qint64 m_linesAtPing = 0;
    int m_portLosses = 0;        // counts adapters lost, so that a wait can stop when its port is gone
    QSet<QString> m_seenPorts;   // the port list at the last look: ports new to it are searched at once
    QElapsedTimer m_sinceSearch; // ports that did not answer are probed again PortRetryMs after a search
    QList<PortAttempt> m_lastSearch;
    QString m_connectedPort; // as the catalog names it
};
