#include "ptyinstrument.h"

#include <QSocketNotifier>

#include <cerrno>
#include <climits>
#include <cmath>
#include <fcntl.h>
#include <pty.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace qvx2sim
{

namespace
{

constexpr int kReadBlockBytes = 4096;
constexpr double kMinTickMs = 1.0; // the finest step of paced output

// Bytes written to the application that it has not read yet.
int unreadBytes(int slave)
{
    int count = 0;
    return ::ioctl(slave, TIOCINQ, &count) == 0 ? count : 0;
}

bool makeRaw(int fd)
{
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return false;
    ::cfmakeraw(&t);
    ::cfsetispeed(&t, B115200);
    ::cfsetospeed(&t, B115200);
    return ::tcsetattr(fd, TCSANOW, &t) == 0;
}

} // namespace

PtyInstrument::PtyInstrument(QObject *parent) : QObject(parent)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PtyInstrument::pump);
}

PtyInstrument::~PtyInstrument()
{
    closeFds();
}

bool PtyInstrument::open()
{
    closeFds();
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return false;
    char name[PATH_MAX] = {};
    const bool ok = ::ptsname_r(master, name, sizeof name) == 0 && makeRaw(master) && makeRaw(slave) &&
                    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK) == 0 &&
                    ::fcntl(master, F_SETFD, FD_CLOEXEC) == 0 && ::fcntl(slave, F_SETFD, FD_CLOEXEC) == 0;
    if (!ok) {
        ::close(master);
        ::close(slave);
        return false;
    }
    m_master = master;
    m_slave = slave;
    m_slavePath = QString::fromLocal8Bit(name);
    m_in.clear();
    m_out.clear();
    m_inWireFreeMs = m_outWireFreeMs = m_lastWriteMs = 0;
    m_rxLine.clear();
    m_txLine.clear();

    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyInstrument::readMaster);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PtyInstrument::pump);
    return true;
}

void PtyInstrument::unplug()
{
    if (m_master < 0)
        return;
    closeFds();
    emit unplugged();
}

void PtyInstrument::closeFds()
{
    m_timer.stop();
    // Later deletion: this may run inside one of the notifiers' own signals.
    for (QSocketNotifier *notifier : {m_readNotifier, m_writeNotifier}) {
        if (notifier) {
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    m_readNotifier = nullptr;
    m_writeNotifier = nullptr;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
    m_in.clear();
    m_out.clear();
}

void PtyInstrument::clearLog()
{
    m_received.clear();
    m_sent.clear();
    m_lines.clear();
}

void PtyInstrument::readMaster()
{
    if (m_master < 0)
        return;
    char block[kReadBlockBytes];
    for (;;) {
        const ssize_t n = ::read(m_master, block, sizeof block);
        if (n > 0) {
            const QByteArray bytes(block, int(n));
            m_received += bytes;
            m_receivedCount += n;
            const double now = nowMs();
            // Bytes seen now start crossing the wire now, or when the bytes before them have crossed.
            const double start = m_pacing ? qMax(now, m_inWireFreeMs) : now;
            m_inWireFreeMs = start + n / kWireBytesPerMs;
            m_in.append(InSegment{bytes, start, 0});
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0 || (n < 0 && errno != EAGAIN))
            m_readNotifier->setEnabled(false); // no slave left: nothing more can come
        break;
    }
    pump();
}

void PtyInstrument::pump()
{
    if (m_master < 0)
        return;
    m_writeNotifier->setEnabled(false);
    const double now = nowMs();
    feedDueInput(now);
    if (!writeDueOutput(now))
        return; // the link was closed
    scheduleNext(now);
}

void PtyInstrument::feedDueInput(double now)
{
    while (!m_in.isEmpty()) {
        InSegment &s = m_in.first();
        const int size = s.bytes.size();
        const int due =
            m_pacing ? qMin(size, int(std::floor((now - s.startMs) * kWireBytesPerMs + 1e-9))) : size;
        while (s.fed < due) {
            // Cut at each CR so that every command is stamped with the time its CR crossed.
            const int cr = s.bytes.indexOf('\r', s.fed);
            const int end = (cr >= 0 && cr < due) ? cr + 1 : due;
            const double at = m_pacing ? s.startMs + end / kWireBytesPerMs : now;
            const QByteArray part = s.bytes.mid(s.fed, end - s.fed);
            s.fed = end;
            deliver(part, at);
        }
        if (s.fed < size)
            break;
        m_in.removeFirst();
    }
}

void PtyInstrument::deliver(const QByteArray &bytes, double atMs)
{
    m_core.feed(bytes);
    for (char c : bytes) {
        if (c == '\r') {
            m_lines.append(m_rxLine);
            emit commandReceived(m_rxLine);
            m_rxLine.clear();
        } else {
            m_rxLine.append(c);
        }
    }
    for (const Chunk &chunk : m_core.takeOutput())
        m_out.append(OutChunk{chunk, atMs});
}

void PtyInstrument::schedule(OutChunk &c)
{
    if (c.scheduled)
        return;
    // Back-to-back chunks follow each other on the modelled wire; a pause is real time after the last
    // bytes really written, so that split pieces reach the application as separate reads.
    double anchor = qMax(c.queuedMs, m_outWireFreeMs);
    if (c.chunk.delayMs > 0)
        anchor = qMax(anchor, m_lastWriteMs);
    c.startMs = anchor + c.chunk.delayMs;
    c.scheduled = true;
}

// Writes every byte that is due by now; false when the link was closed on the way.
bool PtyInstrument::writeDueOutput(double now)
{
    while (!m_out.isEmpty()) {
        OutChunk &c = m_out.first();
        schedule(c);
        if (now < c.startMs)
            return true;
        if (c.chunk.closeLink) {
            // Lines already on the wire reach the application; closing earlier would have the kernel drop
            // them. Freshly written bytes may not show in the slave's queue yet, hence the settling time.
            const bool drained = now - m_lastWriteMs >= kLinkDeathSettleMs && unreadBytes(m_slave) == 0;
            if (!drained && now - c.startMs < kLinkDeathDrainMs)
                return true;
            unplug();
            return false;
        }
        const int size = c.chunk.bytes.size();
        // Paced: the bytes due are those the wire could have carried since the chunk started.
        const int due =
            m_pacing ? qMin(size, int(std::floor((now - c.startMs) * kWireBytesPerMs + 1e-9))) : size;
        if (due > c.written) {
            const ssize_t n =
                ::write(m_master, c.chunk.bytes.constData() + c.written, size_t(due - c.written));
            if (n < 0) {
                if (errno == EAGAIN || errno == EINTR)
                    m_writeNotifier->setEnabled(true);
                return true;
            }
            logWritten(c.chunk.bytes.mid(c.written, int(n)));
            c.written += int(n);
            m_lastWriteMs = now;
            if (c.written < due) {
                m_writeNotifier->setEnabled(true); // the pseudo-terminal is full for now
                return true;
            }
        }
        if (c.written < size)
            return true;
        m_outWireFreeMs = m_pacing ? c.startMs + size / kWireBytesPerMs : c.startMs;
        m_out.removeFirst();
    }
    return true;
}

void PtyInstrument::scheduleNext(double now)
{
    double next = -1;
    auto consider = [&next](double at) {
        if (next < 0 || at < next)
            next = at;
    };
    for (const InSegment &s : m_in) {
        const int cr = s.bytes.indexOf('\r', s.fed);
        if (cr >= 0) {
            consider(s.startMs + (cr + 1) / kWireBytesPerMs);
            break;
        }
    }
    if (!m_out.isEmpty() && !m_writeNotifier->isEnabled()) {
        OutChunk &c = m_out.first();
        schedule(c);
        if (now < c.startMs)
            consider(c.startMs);
        else if (c.chunk.closeLink)
            consider(now + kMinTickMs);
        else
            consider(qMax(now + kMinTickMs, c.startMs + (c.written + 1) / kWireBytesPerMs));
    }
    if (next < 0) {
        m_timer.stop();
        return;
    }
    m_timer.start(qMax(0, int(std::ceil(next - now))));
}

void PtyInstrument::logWritten(const QByteArray &bytes)
{
    m_sent += bytes;
    m_writtenCount += bytes.size();
    for (char c : bytes) {
        if (c == '\r') {
            emit lineSent(m_txLine);
            m_txLine.clear();
        } else {
            m_txLine.append(c);
        }
    }
    emit bytesWritten(bytes.size());
}

} // namespace qvx2sim
