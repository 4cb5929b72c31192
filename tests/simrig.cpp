#include "simrig.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

bool SimRig::start()
{
    sim.setPacing(false);
    if (!m_dir.isValid() || !sim.open())
        return false;
    // The port list follows the simulator's cable, as the system's follows an adapter.
    window = std::make_unique<MainWindow>(m_dir.path(), [this] {
        return sim.isOpen() ? QList<PortCandidate>{{sim.slavePath(), QStringLiteral("FTDI")}}
                            : QList<PortCandidate>{};
    });
    settle(200);
    takeReceived();
    return window->isSerialConnected();
}

bool SimRig::trigger(const char *name) const
{
    auto *action = child<QAction>(QLatin1String(name));
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
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
