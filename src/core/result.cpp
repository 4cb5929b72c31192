#include "result.h"

Result Result::failed(Code code, const QString &reason)
{
    Result r;
    r.code = code;
    r.reason = reason.isEmpty() ? describe(code) : reason;
    return r;
}

QString Result::describe(Code code)
{
    switch (code) {
    case Code::Done:
        return QString();
    case Code::Busy:
        return tr("Une autre commande attend deja la reponse de l'appareil.");
    case Code::NotConnected:
        return tr("Aucun appareil n'est connecte.");
    case Code::TimedOut:
        return tr("L'appareil n'a pas donne la reponse attendue a temps.");
    case Code::NoResponse:
        return tr("L'appareil ne repond pas. Verifier la liaison.");
    case Code::PortLost:
        return tr("La liaison avec l'appareil a ete perdue.");
    case Code::AnswerDiffers:
        return tr("L'appareil a repondu autre chose que ce qui etait demande.");
    case Code::RefusedFile:
        return tr("Le fichier a ete refuse.");
    case Code::Incomplete:
        return tr("L'enregistrement n'est pas arrive en entier.");
    case Code::Unknown:
        return tr("L'appareil ne connait pas ce qui a ete demande.");
    case Code::Cancelled:
        return tr("Annule.");
    case Code::Offline:
        return tr("Le serveur de l'equipe ne repond pas.");
    }
    return QString();
}
