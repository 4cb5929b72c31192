#pragma once

// The link to the instrument: its serial port, the receive buffer and the frame parser, the search for the
// instrument among the ports, the exchange (send a command, wait for its answer with a deadline), and the
// ping. One exchange waits at a time: another one asked for meanwhile is refused, and the ping waits for it
// to end. While connected it watches whether the instrument still answers its pings; while not, it watches
// the port list: a port that appears is searched at once, one that did not answer again every little while.

#include "cmdparser.h"
#include "linktiming.h"
#include "portcatalog.h"
#include "result.h"

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
    // Why the port did not open; NoError: it opened, and nothing answered the probe.
    QSerialPort::SerialPortError openError = QSerialPort::NoError;
};

class InstrumentLink : public QObject
{
    Q_OBJECT

public:
    // ports: what the search may try (the system's, or one a test or the demo offers).
    explicit InstrumentLink(PortCatalog ports, QObject *parent = nullptr);
    // Closes the port; runs no event loop.
    ~InstrumentLink() override;

    void setTiming(const LinkTiming &timing);
    const LinkTiming &timing() const { return m_timing; }
    CmdParser &parser() { return m_parser; }

    // A port answered the probe of the last search (and was not lost since).
    bool isConnected() const { return m_isSerialConnected; }
    // False once an instrument that used to answer the ping has left several in a row unanswered.
    bool isResponding() const { return m_responding; }
    bool isOpen() const { return m_serial->isOpen(); }
    QString portName() const { return m_serial->portName(); }
    // An exchange is waiting for its answer.
    bool isBusy() const { return m_busy; }
    bool isSearching() const { return m_searching; }
    // While held (a firmware update has the port) received bytes stay in the port and no ping goes out.
    bool isHeld() const { return m_held > 0; }
    // Bytes received and not yet a whole line.
    int pendingBytes() const { return m_buffer_recv.size(); }
    // The ports the last search tried without finding the instrument; empty when it had no candidate.
    const QList<PortAttempt> &lastSearch() const { return m_lastSearch; }
    // Pings every pingPeriodMs from now on.
    void startPing();
    // From now on, while disconnected, the port list is watched and searched by itself.
    void startPortWatch();

    // Writes the command as it is (it carries its own CR).
    void send(const QByteArray &command);
    // Clears the answer flags, sends the command (none: only waits) and waits at most deadlineMs for the
    // answer, running the event loop; received bytes end the wait as soon as the answer is complete. The
    // label names the exchange in the diagnostics.
    Result exchange(const QByteArray &command, Qvx2::Answer awaited, int deadlineMs,
                    const QString &label = QString());
    // Waits at most deadlineMs for an answer, without clearing the flags or sending anything.
    Result wait(Qvx2::Answer awaited, int deadlineMs);
    // Releases the port, then probes each port with a manufacturer string in turn; true when one answered.
    bool search();
    // Closes the port; a released port is no connection.
    void release();
    // The ping's command, now, if the port is open.
    void ping();

    // Lends the port to another conversation (the bootloader's) while it lives: the link neither reads it nor
    // pings meanwhile, and takes it back on every path out.
    class PortHold
    {
    public:
        explicit PortHold(InstrumentLink &link) : m_link(link) { m_link.hold(true); }
        ~PortHold() { m_link.hold(false); }
        PortHold(const PortHold &) = delete;
        PortHold &operator=(const PortHold &) = delete;
        QSerialPort *port() const { return m_link.m_serial; }

    private:
        InstrumentLink &m_link;
    };

    // What the user is told of a port that could not be opened, from Qt's error and its text.
    static QString openFailureText(QSerialPort::SerialPortError error, const QString &qtText);

public slots:
    // The port's received bytes to the parser.
    void takeReceived();
    // The ping timer: pings now, or once the running exchange has ended.
    void pingDue();

signals:
    // A search ended, or the port was lost.
    void connectionChanged(bool connected);
    // The instrument stopped answering its pings, or a line came again.
    void respondingChanged(bool responding);
    // A search starts or ends (not the quiet ones in the background).
    void searchingChanged(bool searching);
    // An exchange starts or stops waiting: the instrument's other commands must wait too.
    void busyChanged(bool busy);
    // The adapter went away; the port is closed.
    void portLost(const QString &portName, const QString &error);

private:
    bool refuseIfBusy(const char *what) const;
    void hold(bool held);
    void setBusy(bool busy);
    void setResponding(bool responding);
    void resetLiveness();
    Result waitFor(Qvx2::Answer awaited, int deadlineMs);
    // quiet: a probe in the background, with no busy cursor and no "searching" shown.
    bool search(const QList<PortCandidate> &ports, bool quiet);
    void checkPingAnswer();
    void watchPorts();
    bool deviceGone() const;
    void handleError(QSerialPort::SerialPortError error);

    QSerialPort *m_serial = nullptr;
    PortCatalog m_ports;
    LinkTiming m_timing;
    QByteArray m_buffer_recv;
    CmdParser m_parser;
    QTimer m_pingTimer;
    QTimer m_pingCheck; // pingAnswerMs after a ping: was anything received?
    QTimer m_portWatch;
    QEventLoop *m_waitLoop = nullptr; // the running wait, ended early by its answer or a lost port
    int m_waitFlag = -1;
    int m_held = 0;
    bool m_isSerialConnected = false;
    bool m_busy = false;
    bool m_searching = false;
    bool m_quiet = false;        // the running search is a background retry
    bool m_pingDeferred = false; // the ping came during an exchange: it goes out when the exchange ends
    bool m_responding = true;
    bool m_pingEverAnswered = false; // an instrument that never answers pings is never judged by them
    int m_missedPings = 0;
    qint64 m_linesReceived = 0;
    qint64 m_linesAtPing = 0;
    int m_portLosses = 0;        // counts adapters lost, so that a wait can stop when its port is gone
    QSet<QString> m_seenPorts;   // the port list at the last look: ports new to it are searched at once
    QElapsedTimer m_sinceSearch; // ports that did not answer are probed again portRetryMs after a search
    QList<PortAttempt> m_lastSearch;
    QString m_connectedPort; // as the catalog names it
};
