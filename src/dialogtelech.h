#pragma once

// Flashes a firmware image into the instrument through its serial bootloader, page by page.

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

class QProgressDialog;
class QSerialPort;
class QTextDecoder;

namespace Ui
{
class DialogTelech;
}

namespace Qvx2::Boot
{

// Flash layout of the instrument's microcontroller.
constexpr int PageBytes = 512;
constexpr int PageSlots = 512;                                  // pages the table can hold
constexpr qint64 MaxImageBytes = qint64(PageBytes) * PageSlots; // 262 144: an image this long is refused
constexpr int PageTextChars = 2 * PageBytes + 2;                // hex data and checksum

// Polling: the receive tick and one wait cycle last this long.
constexpr int PollMs = 1;
constexpr int ReadChunkBytes = 32000; // most bytes taken from the port in one tick
constexpr int LogMaxLines = 10000;    // the log pane keeps the last lines only

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

class DialogTelech : public QDialog
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

    // What the user is told about a run.
    struct Report {
        QMessageBox::Icon icon = QMessageBox::Information;
        QString title;
        QString text;
    };

    // port: the main window's open port, not owned; parent: the main window, which also parents the
    // progress window.
    DialogTelech(QSerialPort *port, QWidget *parent);
    ~DialogTelech() override;

    void setFile(const QString &path);
    // Reset, pages, quit; the progress window stays up and keeps the main window blocked throughout.
    Outcome runUpdate();
    Report report() const;

    // Cuts the file into page texts; false when it cannot be flashed (the report then says why).
    bool loadFile();
    int pageCount() const { return m_pageCount; }
    QString pageText(int page) const;

    // Waits for an acknowledgement line; false after cycleLimit + 2 cycles or when the port is gone.
    bool waitAck(const QString &label, int cycleLimit);

public slots:
    void on_pbLance_clicked();
    void on_pbReset_clicked();
    void on_pbReset_2_clicked();
    void on_pbPage_clicked();
    void on_pbFill_clicked();
    void on_pbWrite_clicked();
    void on_m_pbEnvoi_clicked();
    void reception_telech();

private:
    void handleLine();
    void pollCycle();
    void sendCommand(const QString &command);
    void send(const QString &command);
    void flushLog();
    void raiseLines(); // DTR then RTS
    Outcome sendPages();
    bool sendStep(void (DialogTelech::*step)(), const char *label,
                  const std::function<void()> &whileWaiting = nullptr);
    Outcome pageFailure(int page, const char *step);
    Outcome failure(Outcome ifPortAlive) const;
    bool linkGone() const;
    void showProgress(int page);

    Ui::DialogTelech *ui = nullptr;
    QSerialPort *port = nullptr;
    QTimer timer;
    std::unique_ptr<QTextDecoder> decoder; // keeps a character split over two reads whole
    QString lineBuffer;
    QStringList logPending; // lines not yet in the log pane
    std::array<QString, Qvx2::Boot::PageSlots> pages;
    int m_pageCount = 0;
    bool ackReceived = false;
    bool m_linkLost = false; // the port reported that its device is gone

    QProgressDialog *m_progress = nullptr; // alive during runUpdate only
    QString m_imageError;
    Outcome m_outcome = Outcome::Success;
    int m_failedPage = -1;
    QString m_failedStep;
};
