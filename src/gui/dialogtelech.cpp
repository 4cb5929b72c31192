#include "dialogtelech.h"
#include "ui_dialogtelech.h"

#include <QCloseEvent>
#include <QDir>
#include <QFont>
#include <QProgressDialog>

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

} // namespace

DialogTelech::DialogTelech(QSerialPort *port, QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogTelech), m_session(port)
{
    ui->setupUi(this);
    ui->m_pteJdb->setFont(QFont(QStringLiteral("Courier New")));
    ui->m_pteJdb->setMaximumBlockCount(LogMaxLines);

    connect(&m_session, &BootloaderSession::commandSent, this, [this](const QString &command) {
        ui->m_lePortComEnvoi->setText(command);
        // The lines that allowed this command are logged now that it has gone out.
        flushLog();
    });
    connect(&m_session, &BootloaderSession::stepLabel, ui->m_lRecu, &QLabel::setText);
    connect(&m_session, &BootloaderSession::statusLine, ui->m_lEtat, &QLabel::setText);
    connect(&m_session, &BootloaderSession::lineReceived, this,
            [this](const QString &line) { m_logPending.append(line); });
    connect(&m_session, &BootloaderSession::pageStarted, this, &DialogTelech::showProgress);
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

    m_outcome = m_session.run(m_image);
    if (m_outcome == Outcome::Success)
        close();
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
        return refusal(m_image, ui->leFile->text());
    case Outcome::NoBootloader:
        return {QMessageBox::Warning, title,
                tr("L'appareil n'est pas passe en mode mise a jour : pas de reponse a %1.\n"
                   "Rien d'autre ne lui a ete envoye.")
                    .arg(QLatin1String(CmdReset))};
    case Outcome::PageFailed:
        return {QMessageBox::Warning, title,
                tr("La page %1 n'a pas pu etre ecrite : l'etape %2 est restee sans reponse apres %3 "
                   "essais.\nL'appareil reste en mode mise a jour : relancez la mise a jour.")
                    .arg(m_session.failedPage())
                    .arg(m_session.failedStep())
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

DialogTelech::Report DialogTelech::refusal(const FirmwareImage &image, const QString &path)
{
    const QString name = QDir::toNativeSeparators(path);
    QString text;
    switch (image.error()) {
    case FirmwareImage::Error::TooLarge:
        text = tr("Le fichier %1 est trop grand (%2 octets) : l'appareil en recoit au plus %3.")
                   .arg(name)
                   .arg(image.fileSize())
                   .arg(MaxImageBytes - 1);
        break;
    case FirmwareImage::Error::Empty:
        text = tr("Le fichier %1 est vide.").arg(name);
        break;
    default:
        text = tr("Impossible de lire %1:\n%2.\nLe fichier n'existe pas ou est deja utilise par un programme")
                   .arg(name, image.errorString());
    }
    return {QMessageBox::Warning, tr("ATmega File - Attention"), text};
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
    m_outcome = loadFile() ? m_session.run(m_image) : Outcome::ImageRefused;
}

void DialogTelech::on_pbReset_clicked()
{
    m_session.sendReset();
}

void DialogTelech::on_pbReset_2_clicked()
{
    m_session.sendQuit();
}

void DialogTelech::on_pbPage_clicked()
{
    m_session.sendPage(ui->lePage->text().toUInt());
}

void DialogTelech::on_pbFill_clicked()
{
    m_session.sendFill(pageText(ui->lePage->text().toInt()));
}

void DialogTelech::on_pbWrite_clicked()
{
    m_session.sendWrite();
}

void DialogTelech::on_m_pbEnvoi_clicked()
{
    m_session.send(ui->m_lePortComEnvoi->text());
}

void DialogTelech::reception_telech()
{
    m_session.receive();
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
