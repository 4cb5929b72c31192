#include "dialogtelech.h"
#include "ui_dialogtelech.h"

#include <QCloseEvent>
#include <QDir>
#include <QFont>
#include <QProgressDialog>

using Qvx2::Boot::LogMaxLines;

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

} // namespace

DialogTelech::DialogTelech(FirmwareUpdate *update, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogTelech), m_update(update)
{
    BootloaderSession *session = &m_update->session();
    ui->setupUi(this);
    ui->m_pteJdb->setFont(QFont(QStringLiteral("Courier New")));
    ui->m_pteJdb->setMaximumBlockCount(LogMaxLines);

    connect(session, &BootloaderSession::commandSent, this, [this](const QString &command) {
        ui->m_lePortComEnvoi->setText(command);
        // The lines that allowed this command are logged now that it has gone out.
        flushLog();
    });
    connect(session, &BootloaderSession::stepLabel, ui->m_lRecu, &QLabel::setText);
    connect(session, &BootloaderSession::statusLine, ui->m_lEtat, &QLabel::setText);
    connect(session, &BootloaderSession::lineReceived, this,
            [this](const QString &line) { m_logPending.append(line); });
    connect(session, &BootloaderSession::pageStarted, this, &DialogTelech::showProgress);
}

DialogTelech::~DialogTelech()
{
    delete ui;
}

void DialogTelech::setFile(const QString &path)
{
    ui->leFile->setText(path);
}

bool DialogTelech::loadFile()
{
    const bool loaded = m_image.load(ui->leFile->text());
    ui->lbPage->setText(QString::number(m_image.pageCount()));
    return loaded;
}

DialogTelech::Outcome DialogTelech::runUpdate()
{
    if (!loadFile())
        return m_outcome = Outcome::ImageRefused;

    UpdateProgress progress(parentWidget(), Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    progress.setWindowModality(Qt::WindowModal);
    progress.setWindowTitle(tr("Mise a jour firmware"));
    progress.setLabelText(tr("Mise a jour de l'appareil en cours..."));
    progress.setCancelButton(nullptr);
    // The window is closed by the run, not by reaching the maximum: the last page and the start are in it.
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    progress.setRange(0, m_image.pageCount() + 1);
    progress.setValue(0);
    progress.show();
    m_progress = &progress;

    m_update->run(m_image);
    m_outcome = m_update->outcome();
    if (m_outcome == Outcome::Success)
        close();
    m_progress = nullptr;
    flushLog();
    return m_outcome;
}

DialogTelech::Report DialogTelech::report() const
{
    const QString title = tr("Mise a jour firmware");
    if (m_outcome == Outcome::ImageRefused)
        return {QMessageBox::Warning, tr("ATmega File - Attention"),
                FirmwareUpdate::check(ui->leFile->text(), nullptr).reason};
    const Result result = m_update->resultOf(m_outcome);
    if (result)
        return {QMessageBox::Information, title, tr("Mise a jour reussie.")};
    return {result.code == Result::Code::PortLost ? QMessageBox::Critical : QMessageBox::Warning, title,
            result.reason};
}

void DialogTelech::showProgress(int page, int pages)
{
    if (!m_progress)
        return;
    m_progress->setLabelText(tr("Mise a jour de l'appareil en cours...") + QLatin1Char('\n') +
                             tr("Page %1 / %2").arg(page + 1).arg(pages));
    m_progress->setValue(page);
    ui->lePage->setText(QString::number(page));
}

void DialogTelech::on_pbLance_clicked()
{
    if (!loadFile()) {
        m_outcome = Outcome::ImageRefused;
        return;
    }
    m_update->run(m_image);
    m_outcome = m_update->outcome();
}

void DialogTelech::on_pbReset_clicked()
{
    m_update->session().sendReset();
}

void DialogTelech::on_pbReset_2_clicked()
{
    m_update->session().sendQuit();
}

void DialogTelech::on_pbPage_clicked()
{
    m_update->session().sendPage(ui->lePage->text().toUInt());
}

void DialogTelech::on_pbFill_clicked()
{
    m_update->session().sendFill(pageText(ui->lePage->text().toInt()));
}

void DialogTelech::on_pbWrite_clicked()
{
    m_update->session().sendWrite();
}

void DialogTelech::on_m_pbEnvoi_clicked()
{
    m_update->session().send(ui->m_lePortComEnvoi->text());
}

void DialogTelech::reception_telech()
{
    m_update->session().receive();
}

void DialogTelech::flushLog()
{
    if (m_logPending.isEmpty())
        return;
    for (const QString &line : qAsConst(m_logPending))
        ui->m_pteJdb->appendPlainText(line);
    m_logPending.clear();
    ui->m_pteJdb->moveCursor(QTextCursor::End);
    ui->m_pteJdb->ensureCursorVisible();
}
