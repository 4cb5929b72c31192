#pragma once

// The firmware update as the user sees it: the image's pages and the bootloader's steps in the dialog's
// fields, a progress window over the main window during the run, and what to tell the user after it. The
// update itself (the image, the port lent to the bootloader, the conversation) is the core's FirmwareUpdate.

#include "firmwareupdate.h"

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>

class QProgressDialog;

namespace Ui
{
class DialogTelech;
}

namespace Qvx2::Boot
{
constexpr int LogMaxLines = 10000; // the log pane keeps the last lines only
} // namespace Qvx2::Boot

class DialogTelech : public QDialog
{
    Q_OBJECT

public:
    using Outcome = FirmwareUpdate::Outcome;

    // What the user is told about a run.
    struct Report {
        QMessageBox::Icon icon = QMessageBox::Information;
        QString title;
        QString text;
    };

    // update: the update in progress, which holds the port while it lives; parent: the main window, which
    // also parents the progress window.
    DialogTelech(FirmwareUpdate *update, QWidget *parent);
    ~DialogTelech() override;

    void setFile(const QString &path);
    // Reset, pages, quit; the progress window stays up and keeps the main window blocked throughout.
    Outcome runUpdate();
    Report report() const;

    // Cuts the file into page texts; false when it cannot be flashed (the report then says why).
    bool loadFile();
    int pageCount() const { return m_image.pageCount(); }
    QString pageText(int page) const { return m_image.pageText(page); }

    // Waits for an acknowledgement line; false after cycleLimit + 2 cycles or when the port is gone.
    bool waitAck(const QString &label, int cycleLimit)
    {
        return m_update->session().waitAck(label, cycleLimit);
    }

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
    void flushLog();
    void showProgress(int page, int pages);

    Ui::DialogTelech *ui = nullptr;
    FirmwareUpdate *m_update;
    FirmwareImage m_image;
    QStringList m_logPending;              // lines not yet in the log pane
    QProgressDialog *m_progress = nullptr; // alive during runUpdate only
    Outcome m_outcome = Outcome::Success;
};
