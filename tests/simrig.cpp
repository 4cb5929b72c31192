#include "simrig.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

SimRig::SimRig(bool pacing)
{
    sim.setPacing(pacing);
}

SimRig::~SimRig()
{
    window.reset();
}

bool SimRig::start()
{
    if (!sim.isOpen() && !sim.open())
        return false;
    return start({{sim.slavePath(), QStringLiteral("FTDI")}});
}

bool SimRig::start(const QList<PortCandidate> &catalog)
{
    if (!m_dir.isValid() || (!sim.isOpen() && !sim.open()))
        return false;
    window = std::make_unique<MainWindow>(m_dir.path(), [catalog] { return catalog; });
    settle(200);
    takeReceived();
    return true;
}

QByteArray SimRig::takeReceived()
{
    const QByteArray all = sim.receivedBytes();
    const QByteArray fresh = all.mid(m_seen);
    m_seen = all.size();
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
