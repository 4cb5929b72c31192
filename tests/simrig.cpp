#include "simrig.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

bool SimRig::start()
{
    sim.setPacing(false);
    if (!m_dir.isValid() || !sim.open())
        return false;
    const QList<PortCandidate> catalog = {{sim.slavePath(), QStringLiteral("FTDI")}};
    window = std::make_unique<MainWindow>(m_dir.path(), [catalog] { return catalog; });
    settle(200);
    takeReceived();
    return window->isSerialConnected();
}

QByteArray SimRig::takeReceived()
{
    const QByteArray fresh = sim.receivedBytes().mid(m_seen);
    m_seen += fresh.size();
    return fresh;
}

void SimRig::settle(int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    do {
        QCoreApplication::processEvents();
        QThread::msleep(2);
    } while (!sim.isIdle() && t.elapsed() < timeoutMs);
    QCoreApplication::processEvents();
}
