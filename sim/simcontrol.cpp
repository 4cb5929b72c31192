#include "simcontrol.h"

#include "ptyinstrument.h"

#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace qvx2sim
{

namespace
{
const QStringList kCommands = {QStringLiteral("off"), QStringLiteral("on"), QStringLiteral("unplug"),
                               QStringLiteral("plug")};
} // namespace

SimControl::SimControl(PtyInstrument &sim, QObject *parent) : QObject(parent), m_sim(sim) {}

QString SimControl::help()
{
    return QStringLiteral(
        "While running, type off, on, unplug or plug (one per line) to switch the simulated "
        "instrument off or on, or to pull out and plug back its cable.");
}

bool SimControl::apply(const QString &command)
{
    const QString c = command.trimmed();
    if (c == kCommands[0]) {
        m_sim.faults().silent = true;
    } else if (c == kCommands[1]) {
        m_sim.faults().silent = false;
    } else if (c == kCommands[2]) {
        m_sim.unplug();
    } else if (c == kCommands[3]) {
        if (!m_sim.isOpen() && m_sim.open())
            emit plugged(m_sim.slavePath());
    } else {
        return false;
    }
    emit applied(c);
    return true;
}

bool SimControl::schedule(const QString &script)
{
    QList<QPair<QString, int>> steps;
    for (const QString &step : script.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const double seconds = step.section(QLatin1Char('@'), 1).toDouble(&ok);
        const QString command = step.section(QLatin1Char('@'), 0, 0).trimmed();
        if (!ok || seconds < 0 || !kCommands.contains(command))
            return false;
        steps.append({command, int(seconds * 1000)});
    }
    for (const auto &step : steps) {
        const QString command = step.first;
        QTimer::singleShot(step.second, this, [this, command] { apply(command); });
    }
    return true;
}

void SimControl::listenOnStdin()
{
    m_stdin = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(m_stdin, &QSocketNotifier::activated, this, &SimControl::readStdin);
}

void SimControl::readStdin()
{
    char block[256];
    const ssize_t n = ::read(STDIN_FILENO, block, sizeof block);
    if (n <= 0) {
        m_stdin->setEnabled(false); // the input ended: nothing more will come
        return;
    }
    m_pending.append(block, int(n));
    for (int eol = m_pending.indexOf('\n'); eol >= 0; eol = m_pending.indexOf('\n')) {
        const QString line = QString::fromLocal8Bit(m_pending.left(eol)).trimmed();
        m_pending.remove(0, eol + 1);
        if (!line.isEmpty() && !apply(line))
            std::fprintf(stderr, "unknown command: %s (off, on, unplug, plug)\n", qPrintable(line));
    }
}

} // namespace qvx2sim
