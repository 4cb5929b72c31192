#pragma once

// The conversation with the instrument's serial bootloader that flashes a firmware image: reset into the
// bootloader, then for each page select, fill and write, each acknowledged by a line, then quit.

#include "firmwareimage.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QSerialPort;

namespace Qvx2::Boot
{

// Polling: the receive tick and one wait cycle last this long.
constexpr int PollMs = 1;
constexpr int ReadChunkBytes = 32000; // most bytes taken from the port in one tick

// Waits, counted in cycles of PollMs.
constexpr int ResetAckCycles = 5000; // about 5 s: the instrument restarts into its bootloader
constexpr int StepAckCycles = 1000;  // about 1 s: page select, buffer fill, page write
constexpr int StartAckCycles = 1000; // about 1 s: the instrument's own program starting again
constexpr int StepAttempts = 3;      // sends of one page step before the update stops

// Commands, without their CR.
constexpr char CmdReset[] = "RESET 00";
constexpr char CmdPage[] = "ORVABOOTP %04X";
constexpr char CmdFill[] = "ORVABOOTF %1";
constexpr char CmdWrite[] = "ORVABOOTW";
constexpr char CmdQuit[] = "ZAZUVEVAZ 00";

// First words of the bootloader's lines, compared ignoring case.
constexpr const char *AckWords[] = {"FILL", "PAGE", "WRITE",
                                    "BOOT", "crc",  "-------------START--------------"};
constexpr char TitleWord[] = "TITRE";

// Step names shown while waiting, and the names given to the user when a page step fails.
constexpr char LabelBoot[] = "Cmd BOOT";
constexpr char LabelPage[] = "Cmd PAGE";
constexpr char LabelFill[] = "Cmd Fill";
constexpr char LabelWrite[] = "Cmd Write";
constexpr char LabelStart[] = "starting...";
constexpr char LabelDone[] = "OK";
constexpr char StepPage[] = "PAGE";
constexpr char StepFill[] = "FILL";
constexpr char StepWrite[] = "WRITE";

} // namespace Qvx2::Boot

class BootloaderSession : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Success,          // every page written and the instrument started again
        ImageRefused,     // the file is unreadable, empty or too long: nothing was sent
        NoBootloader,     // no answer to the reset: nothing else was sent
        PageFailed,       // a page step failed every attempt: no quit command, the bootloader stays
        StartUnconfirmed, // every page written, but the start was not acknowledged
        LinkLost,         // the serial port went away
    };

    // port: the link's open port, not owned; read every PollMs while the session lives.
    explicit BootloaderSession(QSerialPort *port, QObject *parent = nullptr);

    // Reset, every page of the image (a step not acknowledged is sent again, StepAttempts in all), quit.
    Outcome run(const FirmwareImage &image);
    // The page and step that failed, after PageFailed.
    int failedPage() const { return m_failedPage; }
    QString failedStep() const { return m_failedStep; }

    // The single steps of a run.
    void sendReset(); // DTR and RTS up, then the reset
    void sendQuit();  // DTR and RTS up, then the quit
    void sendPage(uint page);
    void sendFill(const QString &pageText);
    void sendWrite();
    // Sends the command with its CR; the next acknowledgement is awaited from here on.
    void send(const QString &command);
    // Waits for an acknowledgement line; false after cycleLimit + 2 cycles or when the port is gone.
    bool waitAck(const QString &label, int cycleLimit);
    // Reads what the port holds and handles its complete lines.
    void receive();
    bool linkGone() const;

signals:
    void commandSent(const QString &command);
    // The step being waited for, then "OK".
    void stepLabel(const QString &label);
    // An acknowledgement or a title line.
    void statusLine(const QString &line);
    // Every line the bootloader sends.
    void lineReceived(const QString &line);
    // Page `page` (from 0) of `pages` is on its way.
    void pageStarted(int page, int pages);

private:
    void handleLine(const QString &line);
    void pollCycle();
    void raiseLines();
    Outcome sendPages(const FirmwareImage &image);
    bool sendStep(const std::function<void()> &step, const char *label,
                  const std::function<void()> &whileWaiting = nullptr);
    Outcome pageFailure(int page, const char *step);
    Outcome failure(Outcome ifPortAlive) const;

    QSerialPort *m_port = nullptr;
    QTimer m_timer;
    QByteArray m_received; // bytes of the line not yet complete
    bool m_ackReceived = false;
    bool m_linkLost = false; // the port reported that its device is gone
    int m_failedPage = -1;
    QString m_failedStep;
};
