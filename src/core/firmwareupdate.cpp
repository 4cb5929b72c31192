#include "firmwareupdate.h"

#include <QDir>

using namespace Qvx2::Boot;

FirmwareUpdate::FirmwareUpdate(InstrumentLink *link, QObject *parent)
    : QObject(parent), m_hold(*link), m_session(m_hold.port())
{
}

Result FirmwareUpdate::check(const QString &path, FirmwareImage *image)
{
    FirmwareImage own;
    if (!image)
        image = &own;
    if (image->load(path))
        return Result::ok();
    const QString name = QDir::toNativeSeparators(path);
    QString text;
    switch (image->error()) {
    case FirmwareImage::Error::TooLarge:
        text = tr("Le fichier %1 est trop grand (%2 octets) : l'appareil en recoit au plus %3.")
                   .arg(name)
                   .arg(image->fileSize())
                   .arg(MaxImageBytes - 1);
        break;
    case FirmwareImage::Error::Empty:
        text = tr("Le fichier %1 est vide.").arg(name);
        break;
    default:
        text = tr("Impossible de lire %1:\n%2.\nLe fichier n'existe pas ou est deja utilise par un programme")
                   .arg(name, image->errorString());
    }
    return Result::failed(Result::Code::RefusedFile, text);
}

Result FirmwareUpdate::run(const FirmwareImage &image)
{
    m_outcome = m_session.run(image);
    return resultOf(m_outcome);
}

Result FirmwareUpdate::resultOf(Outcome outcome) const
{
    switch (outcome) {
    case Outcome::Success:
        return Result::ok();
    case Outcome::ImageRefused:
        return Result::failed(Result::Code::RefusedFile);
    case Outcome::NoBootloader:
        return Result::failed(Result::Code::NoResponse,
                              tr("L'appareil n'est pas passe en mode mise a jour : pas de reponse a %1.\n"
                                 "Rien d'autre ne lui a ete envoye.")
                                  .arg(QLatin1String(CmdReset)));
    case Outcome::PageFailed:
        return Result::failed(
            Result::Code::TimedOut,
            tr("La page %1 n'a pas pu etre ecrite : l'etape %2 est restee sans reponse apres %3 "
               "essais.\nL'appareil reste en mode mise a jour : relancez la mise a jour.")
                .arg(m_session.failedPage())
                .arg(m_session.failedStep())
                .arg(StepAttempts));
    case Outcome::StartUnconfirmed:
        return Result::failed(
            Result::Code::TimedOut,
            tr("Toutes les pages ont ete ecrites, mais l'appareil n'a pas confirme son redemarrage."));
    case Outcome::LinkLost:
        break;
    }
    return Result::failed(Result::Code::PortLost,
                          tr("La liaison avec l'appareil a ete perdue pendant la mise a "
                             "jour.\nReconnectez l'appareil puis relancez la mise a jour."));
}
