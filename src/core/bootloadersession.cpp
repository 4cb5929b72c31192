#include "bootloadersession.h"

#include "lineframer.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QThread>

using namespace Qvx2::Boot;

BootloaderSession::BootloaderSession(QSerialPort *port, QObject *parent) : QObject(parent), m_port(port)
{
    connect(port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::ResourceError)
            m_linkLost = true;
    });
    connect(&m_timer, &QTimer::timeout, this, &BootloaderSession::receive);
    m_timer.start(PollMs);
}

BootloaderSession::Outcome BootloaderSession::run(const FirmwareImage &image)
{
    m_failedPage = -1;
    m_failedStep.clear();
    m_linkLost = false;
    if (image.error() != FirmwareImage::Error::None)
        return Outcome::ImageRefused;
    if (linkGone())
        return Outcome::LinkLost;

    sendReset();
    if (!waitAck(QLatin1String(LabelBoot), ResetAckCycles))
        return failure(Outcome::NoBootloader);
    const Outcome pages = sendPages(image);
    if (pages != Outcome::Success)
        return pages;
    sendQuit();
    if (!waitAck(QLatin1String(LabelStart), StartAckCycles))
        return failure(Outcome::StartUnconfirmed);
    emit stepLabel(QLatin1String(LabelDone));
    return Outcome::Success;
}

BootloaderSession::Outcome BootloaderSession::sendPages(const FirmwareImage &image)
{
    const int pages = image.pageCount() + 1;
    for (int page = 0; page < pages; ++page) {
        const QString text = image.pageText(page);
        if (!sendStep([this, page] { sendPage(uint(page)); }, LabelPage))
            return pageFailure(page, StepPage);
        // The window is brought up to date while the page's kilobyte crosses the wire, not before a send.
        if (!sendStep([this, &text] { sendFill(text); }, LabelFill,
                      [this, page, pages] { emit pageStarted(page, pages); }))
            return pageFailure(page, StepFill);
        if (!sendStep([this] { sendWrite(); }, LabelWrite))
            return pageFailure(page, StepWrite);
        emit stepLabel(QLatin1String(LabelDone));
    }
    return Outcome::Success;
}

// A lost acknowledgement must not cost the whole image: the step is sent again, a bounded number of times.
bool BootloaderSession::sendStep(const std::function<void()> &step, const char *label,
                                 const std::function<void()> &whileWaiting)
{
    for (int attempt = 1; attempt <= StepAttempts; ++attempt) {
        if (linkGone())
            return false;
        if (attempt > 1)
            qDebug() << "telech: nouvel essai" << attempt << label;
        step();
        if (whileWaiting)
            whileWaiting();
        if (waitAck(QLatin1String(label), StepAckCycles))
            return true;
    }
    return false;
}

BootloaderSession::Outcome BootloaderSession::pageFailure(int page, const char *step)
{
    m_failedPage = page;
    m_failedStep = QLatin1String(step);
    qDebug() << "telech: page" << page << "echec" << step;
    return failure(Outcome::PageFailed);
}

BootloaderSession::Outcome BootloaderSession::failure(Outcome ifPortAlive) const
{
    return linkGone() ? Outcome::LinkLost : ifPortAlive;
}

bool BootloaderSession::linkGone() const
{
    return m_linkLost || !m_port->isOpen();
}

bool BootloaderSession::waitAck(const QString &label, int cycleLimit)
{
    emit stepLabel(label);
    for (int cycles = 0;; ++cycles) {
        pollCycle();
        if (cycles > cycleLimit) {
            m_ackReceived = false;
            return false;
        }
        if (m_ackReceived)
            return true;
        if (linkGone())
            return false;
    }
}

// One wait cycle: at least PollMs long, but bytes that arrive meanwhile are handled at once, and an
// acknowledgement ends the cycle there, so that the next command does not wait for the cycle's end.
void BootloaderSession::pollCycle()
{
    QElapsedTimer cycle;
    cycle.start();
    const qint64 cycleNs = qint64(PollMs) * 1000000;
    do {
        const int leftMs = int((cycleNs - cycle.nsecsElapsed() + 999999) / 1000000);
        // Waiting on the port rather than sleeping: an answer is handled the moment it arrives.
        const int waitMs = qMax(leftMs, 1);
        if (!m_port->isOpen()) {
            QThread::msleep(ulong(waitMs));
        } else if (!m_port->waitForReadyRead(waitMs)) {
            if (m_port->error() == QSerialPort::TimeoutError)
                m_port->clearError(); // nothing came: not a fault of the port
            else
                QThread::msleep(ulong(waitMs)); // a failing port must not make this loop spin
        }
        QCoreApplication::processEvents();
        // Bytes the port took in during this pass count in this cycle, whatever order the events came in.
        receive();
    } while (!m_ackReceived && !linkGone() && cycle.nsecsElapsed() < cycleNs);
}

void BootloaderSession::raiseLines()
{
    if (!m_port->isOpen())
        return;
    // A pseudo-terminal, or an adapter without these lines, refuses them; the run goes on regardless.
    const bool dtr = m_port->setDataTerminalReady(true);
    const bool rts = m_port->setRequestToSend(true);
    if (!dtr || !rts)
        m_port->clearError();
}

void BootloaderSession::sendReset()
{
    raiseLines();
    send(QLatin1String(CmdReset));
}

void BootloaderSession::sendQuit()
{
    raiseLines();
    send(QLatin1String(CmdQuit));
}

void BootloaderSession::sendPage(uint page)
{
    send(QString::asprintf(CmdPage, page));
}

void BootloaderSession::sendFill(const QString &pageText)
{
    send(QString::fromLatin1(CmdFill).arg(pageText));
}

void BootloaderSession::sendWrite()
{
    send(QLatin1String(CmdWrite));
}

void BootloaderSession::send(const QString &command)
{
    m_ackReceived = false;
    const QByteArray bytes = (command + QLatin1Char('\r')).toLocal8Bit();
    if (m_port->isOpen() && m_port->write(bytes) == bytes.size()) {
        m_port->flush(); // on the wire now rather than at the next event pass
        qDebug() << "pPortCom env:" << command;
    } else {
        qDebug() << "pPortCom err:" << m_port->errorString();
    }
    emit commandSent(command);
}

void BootloaderSession::receive()
{
    if (!m_port->isOpen())
        return;
    qint64 count = m_port->bytesAvailable();
    if (count > ReadChunkBytes) {
        qDebug("LS_reception_donnee max %d = ", int(count));
        count = ReadChunkBytes;
    }
    if (count <= 0)
        return;
    const QByteArray bytes = m_port->read(count);
    if (bytes.isEmpty())
        return;
    m_received += bytes;
    // Only CR ends a line: a LF is an ordinary character of the next line.
    LineFramer::takeLines(m_received, [this](const QByteArray &line) {
        QString text = QString::fromUtf8(line);
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        handleLine(text);
    });
}

void BootloaderSession::handleLine(const QString &line)
{
    const QString word = line.section(QLatin1Char(' '), 0, 0);
    bool acknowledgement = false;
    for (const char *keyword : AckWords)
        acknowledgement |= word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
    if (acknowledgement || word.compare(QLatin1String(TitleWord), Qt::CaseInsensitive) == 0)
        emit statusLine(line);
    if (acknowledgement)
        m_ackReceived = true;
    emit lineReceived(line);
}
