#include "dialogtelech.h"
#include "constants.h"
#include "ui_dialogtelech.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QProgressDialog>
#include <QSerialPort>
#include <QTextCodec>
#include <QTextDecoder>
#include <QThread>

using namespace Qvx2::Boot;

namespace
{

// The update's progress window: the user can neither close nor cancel it, so it keeps the main window
// blocked until the instrument is out of its bootloader or the run has stopped.
class UpdateProgress : public QProgressDialog
{
public:
    using QProgressDialog::QProgressDialog;
    void reject() override {}

protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

// Writes the byte as two upper-case hex digits at `out`.
void putHex(QChar *out, quint8 byte)
{
    static const char digits[] = "0123456789ABCDEF";
    out[0] = QLatin1Char(digits[byte >> 4]);
    out[1] = QLatin1Char(digits[byte & 0x0F]);
}

} // namespace

DialogTelech::DialogTelech(QSerialPort *port, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogTelech), port(port),
      decoder(QTextCodec::codecForName("UTF-8")->makeDecoder())
{
    ui->setupUi(this);
    ui->m_pteJdb->setFont(QFont(QStringLiteral("Courier New")));
    ui->m_pteJdb->setMaximumBlockCount(LogMaxLines);

    connect(port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::ResourceError)
            m_linkLost = true;
    });
    connect(&timer, &QTimer::timeout, this, &DialogTelech::reception_telech);
    timer.start(PollMs);
}

DialogTelech::~DialogTelech()
{
    delete ui;
}

void DialogTelech::setFile(const QString &path)
{
    ui->leFile->setText(path);
}

QString DialogTelech::pageText(int page) const
{
    return page >= 0 && page < PageSlots ? pages[size_t(page)] : QString();
}

bool DialogTelech::loadFile()
{
    m_pageCount = 0;
    pages.fill(QString());
    m_imageError.clear();
    ui->lbPage->setText(QStringLiteral("0"));

    const QString name = QDir::toNativeSeparators(ui->leFile->text());
    QFile file(ui->leFile->text());
    const auto unreadable = [&] {
        m_imageError = tr("Impossible de lire %1:\n%2.\nLe fichier n'existe pas ou est deja utilise par un "
                          "programme")
                           .arg(name, file.errorString());
        return false;
    };
    if (!file.open(QIODevice::ReadOnly))
        return unreadable();
    // Reading no further than the limit is enough to tell an image that would not fit.
    // (A file that tells its size is read in one buffer of that size; /proc files tell 0.)
    const qint64 told = file.isSequential() ? 0 : file.size();
    const QByteArray image = file.read(told > 0 ? qMin<qint64>(MaxImageBytes, told + 1) : MaxImageBytes);
    if (image.isEmpty() && file.error() != QFileDevice::NoError)
        return unreadable();
    if (image.size() >= MaxImageBytes) {
        m_imageError = tr("Le fichier %1 est trop grand (%2 octets) : l'appareil en recoit au plus %3.")
                           .arg(name)
                           .arg(qMax(file.size(), qint64(image.size())))
                           .arg(MaxImageBytes - 1);
        return false;
    }
    if (image.isEmpty()) {
        m_imageError = tr("Le fichier %1 est vide.").arg(name);
        return false;
    }

    // Complete pages, then the partial last one (filler only when the size is a multiple of a page).
    for (int k = 0;; ++k) {
        const int offset = k * PageBytes;
        const int dataBytes = qBound(0, image.size() - offset, PageBytes);
        QString &text = pages[size_t(k)];
        text.resize(PageTextChars);
        QChar *out = text.data();
        const char *in = image.constData() + offset;
        quint8 sum = 0;
        const auto put = [&](int i, quint8 byte) {
            putHex(out + 2 * i, byte);
            sum = quint8(sum + byte);
        };
        int i = 0;
        for (; i < dataBytes; ++i)
            put(i, quint8(in[i]));
        // Past the end of the file each byte is the low byte of its own position in the page.
        for (; i < PageBytes; ++i)
            put(i, quint8(i));
        putHex(out + 2 * PageBytes, sum);
        if (dataBytes < PageBytes)
            break;
        ++m_pageCount;
    }
    ui->lbPage->setText(QString::number(m_pageCount));
    return true;
}

DialogTelech::Outcome DialogTelech::runUpdate()
{
    m_failedPage = -1;
    m_failedStep.clear();
    m_linkLost = false;
    if (!loadFile())
        return m_outcome = Outcome::ImageRefused;
    if (linkGone())
        return m_outcome = Outcome::LinkLost;

    UpdateProgress progress(parentWidget(), Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    progress.setWindowModality(Qt::WindowModal);
    progress.setWindowTitle(tr("Mise a jour firmware"));
    progress.setLabelText(tr("Mise a jour de l'appareil en cours..."));
    progress.setCancelButton(nullptr);
    // The window is closed by the run, not by reaching the maximum: the last page and the start are in it.
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    progress.setRange(0, m_pageCount + 1);
    progress.setValue(0);
    progress.show();
    m_progress = &progress;

    m_outcome = Outcome::Success;
    on_pbReset_clicked();
    if (!waitAck(QLatin1String(LabelBoot), ResetAckCycles)) {
        m_outcome = failure(Outcome::NoBootloader);
    } else {
        m_outcome = sendPages();
        if (m_outcome == Outcome::Success) {
            progress.setValue(progress.maximum());
            on_pbReset_2_clicked();
            if (waitAck(QLatin1String(LabelStart), StartAckCycles)) {
                ui->m_lRecu->setText(QLatin1String(LabelDone));
                close();
            } else {
                m_outcome = failure(Outcome::StartUnconfirmed);
            }
        }
    }
    m_progress = nullptr;
    flushLog();
    return m_outcome;
}

DialogTelech::Report DialogTelech::report() const
{
    const QString title = tr("Mise a jour firmware");
    switch (m_outcome) {
    case Outcome::Success:
        return {QMessageBox::Information, title, tr("Mise a jour reussie.")};
    case Outcome::ImageRefused:
        return {QMessageBox::Warning, tr("ATmega File - Attention"), m_imageError};
    case Outcome::NoBootloader:
        return {QMessageBox::Warning, title,
                tr("L'appareil n'est pas passe en mode mise a jour : pas de reponse a %1.\n"
                   "Rien d'autre ne lui a ete envoye.")
                    .arg(QLatin1String(CmdReset))};
    case Outcome::PageFailed:
        return {QMessageBox::Warning, title,
                tr("La page %1 n'a pas pu etre ecrite : l'etape %2 est restee sans reponse apres %3 "
                   "essais.\nL'appareil reste en mode mise a jour : relancez la mise a jour.")
                    .arg(m_failedPage)
                    .arg(m_failedStep)
                    .arg(StepAttempts)};
    case Outcome::StartUnconfirmed:
        return {QMessageBox::Warning, title,
                tr("Toutes les pages ont ete ecrites, mais l'appareil n'a pas confirme son redemarrage.")};
    case Outcome::LinkLost:
        break;
    }
    return {QMessageBox::Critical, title,
            tr("La liaison avec l'appareil a ete perdue pendant la mise a jour.\n"
               "Reconnectez l'appareil puis relancez la mise a jour.")};
}

void DialogTelech::on_pbLance_clicked()
{
    m_outcome = loadFile() ? sendPages() : Outcome::ImageRefused;
}

DialogTelech::Outcome DialogTelech::sendPages()
{
    for (int page = 0; page <= m_pageCount; ++page) {
        ui->lePage->setText(QString::number(page));
        if (!sendStep(&DialogTelech::on_pbPage_clicked, LabelPage))
            return pageFailure(page, StepPage);
        // The window is brought up to date while the page's kilobyte crosses the wire, not before a send.
        if (!sendStep(&DialogTelech::on_pbFill_clicked, LabelFill, [this, page] { showProgress(page); }))
            return pageFailure(page, StepFill);
        if (!sendStep(&DialogTelech::on_pbWrite_clicked, LabelWrite))
            return pageFailure(page, StepWrite);
        ui->m_lRecu->setText(QLatin1String(LabelDone));
    }
    return Outcome::Success;
}

// A lost acknowledgement must not cost the whole image: the step is sent again, a bounded number of times.
bool DialogTelech::sendStep(void (DialogTelech::*step)(), const char *label,
                            const std::function<void()> &whileWaiting)
{
    for (int attempt = 1; attempt <= StepAttempts; ++attempt) {
        if (linkGone())
            return false;
        if (attempt > 1)
            qDebug() << "telech: nouvel essai" << attempt << label << "page" << ui->lePage->text();
        (this->*step)();
        if (whileWaiting)
            whileWaiting();
        if (waitAck(QLatin1String(label), StepAckCycles))
            return true;
    }
    return false;
}

DialogTelech::Outcome DialogTelech::pageFailure(int page, const char *step)
{
    m_failedPage = page;
    m_failedStep = QLatin1String(step);
    qDebug() << "telech: page" << page << "echec" << step;
    return failure(Outcome::PageFailed);
}

DialogTelech::Outcome DialogTelech::failure(Outcome ifPortAlive) const
{
    return linkGone() ? Outcome::LinkLost : ifPortAlive;
}

bool DialogTelech::linkGone() const
{
    return m_linkLost || !port->isOpen();
}

void DialogTelech::showProgress(int page)
{
    if (!m_progress)
        return;
    m_progress->setLabelText(tr("Mise a jour de l'appareil en cours...") + QLatin1Char('\n') +
                             tr("Page %1 / %2").arg(page + 1).arg(m_pageCount + 1));
    m_progress->setValue(page);
}

bool DialogTelech::waitAck(const QString &label, int cycleLimit)
{
    ui->m_lRecu->setText(label);
    for (int cycles = 0;; ++cycles) {
        pollCycle();
        if (cycles > cycleLimit) {
            ackReceived = false;
            return false;
        }
        if (ackReceived)
            return true;
        if (linkGone())
            return false;
    }
}

// One wait cycle: at least PollMs long, but bytes that arrive meanwhile are handled at once, and an
// acknowledgement ends the cycle there, so that the next command does not wait for the cycle's end.
void DialogTelech::pollCycle()
{
    flushLog();
    QElapsedTimer cycle;
    cycle.start();
    const qint64 cycleNs = qint64(PollMs) * 1000000;
    do {
        const int leftMs = int((cycleNs - cycle.nsecsElapsed() + 999999) / 1000000);
        // Waiting on the port rather than sleeping: an answer is handled the moment it arrives.
        const int waitMs = qMax(leftMs, 1);
        if (!port->isOpen()) {
            QThread::msleep(ulong(waitMs));
        } else if (!port->waitForReadyRead(waitMs)) {
            if (port->error() == QSerialPort::TimeoutError)
                port->clearError(); // nothing came: not a fault of the port
            else
                QThread::msleep(ulong(waitMs)); // a failing port must not make this loop spin
        }
        QCoreApplication::processEvents();
        // Bytes the port took in during this pass count in this cycle, whatever order the events came in.
        reception_telech();
    } while (!ackReceived && !linkGone() && cycle.nsecsElapsed() < cycleNs);
}

void DialogTelech::raiseLines()
{
    if (!port->isOpen())
        return;
    // A pseudo-terminal, or an adapter without these lines, refuses them; the run goes on regardless.
    const bool dtr = port->setDataTerminalReady(true);
    const bool rts = port->setRequestToSend(true);
    if (!dtr || !rts)
        port->clearError();
}

void DialogTelech::sendCommand(const QString &command)
{
    // Out first: laying out a kilobyte of text in the field would hold the command back.
    send(command);
    ui->m_lePortComEnvoi->setText(command);
}

void DialogTelech::on_pbReset_clicked()
{
    raiseLines();
    sendCommand(QLatin1String(CmdReset));
}

void DialogTelech::on_pbReset_2_clicked()
{
    raiseLines();
    sendCommand(QLatin1String(CmdQuit));
}

void DialogTelech::on_pbPage_clicked()
{
    sendCommand(QString::asprintf(CmdPage, ui->lePage->text().toUInt()));
}

void DialogTelech::on_pbFill_clicked()
{
    sendCommand(QString::fromLatin1(CmdFill).arg(pageText(ui->lePage->text().toInt())));
}

void DialogTelech::on_pbWrite_clicked()
{
    sendCommand(QLatin1String(CmdWrite));
}

void DialogTelech::on_m_pbEnvoi_clicked()
{
    send(ui->m_lePortComEnvoi->text());
}

void DialogTelech::send(const QString &command)
{
    ackReceived = false;
    const QByteArray bytes = (command + QLatin1Char('\r')).toLocal8Bit();
    if (port->isOpen() && port->write(bytes) == bytes.size()) {
        port->flush(); // on the wire now rather than at the next event pass
        qDebug() << "pPortCom env:" << command;
    } else {
        qDebug() << "pPortCom err:" << port->errorString();
    }
}

void DialogTelech::reception_telech()
{
    if (!port->isOpen())
        return;
    qint64 count = port->bytesAvailable();
    if (count > ReadChunkBytes) {
        qDebug("LS_reception_donnee max %d = ", int(count));
        count = ReadChunkBytes;
    }
    if (count <= 0)
        return;
    const QByteArray bytes = port->read(count);
    if (bytes.isEmpty())
        return;
    // Only CR ends a line: a LF is an ordinary character of the next line.
    const QString text = decoder->toUnicode(bytes);
    int from = 0;
    for (int cr = text.indexOf(QLatin1Char('\r')); cr >= 0; cr = text.indexOf(QLatin1Char('\r'), from)) {
        lineBuffer += text.midRef(from, cr - from);
        from = cr + 1;
        handleLine();
        lineBuffer.clear();
    }
    lineBuffer += text.midRef(from);
    if (lineBuffer.size() > Qvx2::ReceiveBufferLimit) {
        qDebug() << "reception_telech: ligne sans CR abandonnee," << lineBuffer.size() << "caracteres";
        lineBuffer.clear();
    }
}

void DialogTelech::handleLine()
{
    // As in the main window's lines, characters from a NUL on are line noise, not text.
    const int nul = lineBuffer.indexOf(QChar(0));
    if (nul >= 0)
        lineBuffer.truncate(nul);
    const QString word = lineBuffer.section(QLatin1Char(' '), 0, 0);
    bool acknowledgement = false;
    for (const char *keyword : AckWords)
        acknowledgement |= word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
    if (acknowledgement || word.compare(QLatin1String(TitleWord), Qt::CaseInsensitive) == 0)
        ui->m_lEtat->setText(lineBuffer);
    if (acknowledgement)
        ackReceived = true;
    // The log is written at the next cycle, once the command that this line allows has gone out.
    logPending.append(lineBuffer);
}

void DialogTelech::flushLog()
{
    if (logPending.isEmpty())
        return;
    for (const QString &line : qAsConst(logPending))
        ui->m_pteJdb->appendPlainText(line);
    logPending.clear();
    ui->m_pteJdb->moveCursor(QTextCursor::End);
    ui->m_pteJdb->ensureCursorVisible();
}
