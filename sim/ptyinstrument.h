#pragma once

#include "instrumentcore.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class QSocketNotifier;

namespace qvx2sim
{

// The simulated instrument on the master side of a pseudo-terminal, paced like a 115 200 baud line and
// driven by the event loop of the thread it lives in (it never blocks or sleeps).
class PtyInstrument : public QObject
{
    Q_OBJECT

public:
    explicit PtyInstrument(QObject *parent = nullptr);
    ~PtyInstrument() override;

    bool open(); // a fresh pseudo-terminal pair; false when it cannot be made
    bool isOpen() const { return m_master >= 0; }
    QString slavePath() const { return m_slavePath; }
    void unplug(); // closes our side: the application's port then fails

    void setPacing(bool on) { m_pacing = on; }
    bool pacing() const { return m_pacing; }
    bool isIdle() const { return m_in.isEmpty() && m_out.isEmpty(); } // every command handled and answered

    InstrumentCore &core() { return m_core; }
    Faults &faults() { return m_core.faults(); }

    QByteArray receivedBytes() const { return m_received; }     // all the application sent, in order
    QList<QByteArray> receivedLines() const { return m_lines; } // lines handled, without their CR
    QByteArray sentBytes() const { return m_sent; }             // all written to the application
    qint64 bytesReceivedCount() const { return m_receivedCount; }
    qint64 bytesWrittenCount() const { return m_writtenCount; }
    void clearLog();

signals:
    void commandReceived(const QByteArray &line); // a line reached the instrument (without its CR)
    void lineSent(const QByteArray &line);        // an answer line went out (up to and without its CR)
    void bytesWritten(qint64 count);
    void unplugged();

private:
    // Bytes read from the application, crossing the wire from startMs on.
    struct InSegment {
        QByteArray bytes;
        double startMs = 0;
        int fed = 0;
    };
    // A chunk of answer waiting to be written.
    struct OutChunk {
        Chunk chunk;
        double queuedMs = 0;
        bool scheduled = false;
        double startMs = 0;
        int written = 0;
    };

    double nowMs() const { return m_clock.nsecsElapsed() / 1e6; }
    void readMaster();
    void pump();
    void feedDueInput(double now);
    void deliver(const QByteArray &bytes, double atMs);
    bool writeDueOutput(double now);
    void schedule(OutChunk &c);
    void scheduleNext(double now);
    void logWritten(const QByteArray &bytes);
    void closeFds();

    InstrumentCore m_core;
    int m_master = -1;
    int m_slave = -1; // kept open so that the master never sees a hang-up between two opens of the port
    QString m_slavePath;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_pacing = true;

    QList<InSegment> m_in;
    double m_inWireFreeMs = 0;
    QList<OutChunk> m_out;
    double m_outWireFreeMs = 0; // end of the last chunk on the modelled wire
    double m_lastWriteMs = 0;   // when bytes were last really written

    QByteArray m_rxLine;
    QByteArray m_txLine;
    QByteArray m_received;
    QByteArray m_sent;
    QList<QByteArray> m_lines;
    qint64 m_receivedCount = 0;
    qint64 m_writtenCount = 0;
};

} // namespace qvx2sim
