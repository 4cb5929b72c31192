#include "faultnames.h"

#include <QSet>

namespace qvx2sim
{

namespace
{

QSet<int> intSet(const QString &value, bool *ok)
{
    QSet<int> set;
    *ok = !value.isEmpty();
    for (const QString &part : value.split(',')) {
        bool partOk = false;
        set.insert(part.toInt(&partOk));
        *ok = *ok && partOk;
    }
    return set;
}

Faults::ExchangePredicate commandStartsWith(const QString &prefix)
{
    const QByteArray p = prefix.toLatin1();
    return [p](int, const QByteArray &command) { return command.startsWith(p); };
}

} // namespace

bool applyFault(Faults &f, const QString &option, quint32 seed)
{
    const QString name = option.section('=', 0, 0);
    const QString value = option.section('=', 1);
    bool ok = true;
    if (name == "silent") {
        f.silent = true;
    } else if (name == "no-ping") {
        f.ignorePing = true;
    } else if (name == "late") {
        f.lateMs = value.toInt(&ok);
    } else if (name == "split") {
        f.splitBytes = value.section(':', 0, 0).toInt(&ok);
        if (ok && value.contains(':'))
            f.splitGapMs = value.section(':', 1).toInt(&ok);
        ok = ok && f.splitBytes > 0;
    } else if (name == "crlf") {
        f.crlf = true;
    } else if (name == "nul") {
        f.nulBeforeCr = true;
    } else if (name == "garbage") {
        f.garbage = true;
    } else if (name == "echo-offset") {
        f.echoOffset = value.toInt(&ok);
    } else if (name == "drop-ack") {
        f.dropAck += intSet(value, &ok);
    } else if (name == "drop-ack-cmd") {
        f.dropAckIf = commandStartsWith(value);
        ok = !value.isEmpty();
    } else if (name == "wrong-ack") {
        f.wrongAck += intSet(value, &ok);
    } else if (name == "wrong-ack-cmd") {
        f.wrongAckIf = commandStartsWith(value);
        ok = !value.isEmpty();
    } else if (name == "drop-ack-prob") {
        f.dropAckProbability = value.toDouble(&ok);
        f.dropAckSeed = seed;
    } else if (name == "refuse-page" || name == "refuse-page-always") {
        for (int page : intSet(value, &ok))
            f.refuseChecksum[page] = name == "refuse-page" ? 1 : -1;
    } else if (name == "die-after") {
        f.dieAfterRecordLines = value.toInt(&ok);
    } else {
        ok = false;
    }
    return ok;
}

QString faultNamesHelp()
{
    return QStringLiteral(
        "Faults: silent, no-ping, late=MS, split=N[:GAP_MS], crlf, nul, garbage, echo-offset=N, "
        "drop-ack=I[,I..],\ndrop-ack-cmd=PREFIX, wrong-ack=I[,I..], wrong-ack-cmd=PREFIX, "
        "drop-ack-prob=P, refuse-page=P[,P..],\nrefuse-page-always=P[,P..], "
        "die-after=LINES. Bootloader exchange 0 is the RESET 00.");
}

} // namespace qvx2sim
