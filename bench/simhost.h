#pragma once

// The simulated instrument on a thread of its own, as a real one runs beside the application and not inside
// its event loop; and a port opened on it as the program opens the instrument's.

#include "ptyinstrument.h"
#include "simconstants.h"

#include <QMetaObject>
#include <QSemaphore>
#include <QSerialPort>
#include <QThread>

namespace Bench
{

class SimHost : public QThread
{
public:
    explicit SimHost(bool pacing) : m_pacing(pacing) {}
    ~SimHost() override
    {
        quit();
        wait();
    }
    bool open()
    {
        start();
        m_ready.acquire();
        return !m_path.isEmpty();
    }
    QString path() const { return m_path; }
    // Runs fn on the simulator's thread and waits for it.
    template <typename Fn> void call(Fn fn)
    {
        QMetaObject::invokeMethod(
            m_sim, [&] { fn(*m_sim); }, Qt::BlockingQueuedConnection);
    }

protected:
    void run() override
    {
        qvx2sim::PtyInstrument sim;
        sim.setPacing(m_pacing);
        if (sim.open())
            m_path = sim.slavePath();
        m_sim = &sim;
        m_ready.release();
        exec();
        m_sim = nullptr;
    }

private:
    bool m_pacing;
    QString m_path;
    qvx2sim::PtyInstrument *m_sim = nullptr;
    QSemaphore m_ready;
};

inline bool openPort(QSerialPort &port, const QString &path)
{
    port.setPortName(path);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.setBaudRate(qvx2sim::kBaudRate);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    return true;
}

// What a serial terminal does: writes the command, then blocking reads with no other work until a line
// (up to its CR) that `isEnd` accepts has come. Returns the bytes read, empty on a time-out.
template <typename IsEnd> QByteArray rawExchange(QSerialPort &port, const QByteArray &command, IsEnd isEnd)
{
    port.write(command);
    port.waitForBytesWritten(1000);
    QByteArray received;
    int lineStart = 0;
    while (port.waitForReadyRead(5000)) {
        received += port.readAll();
        for (int cr = received.indexOf('\r', lineStart); cr >= 0; cr = received.indexOf('\r', lineStart)) {
            const QByteArray line = received.mid(lineStart, cr - lineStart);
            lineStart = cr + 1;
            if (isEnd(line))
                return received;
        }
    }
    return QByteArray();
}

} // namespace Bench
