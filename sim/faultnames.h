#pragma once

#include "faults.h"

#include <QString>

namespace qvx2sim
{

// The faults by the names qvx2-sim's --fault option and the tests give them: "silent", "late=MS",
// "split=N[:GAP_MS]", "crlf", "nul", "garbage", "echo-offset=N", "drop-ack=I[,I..]", "drop-ack-cmd=PREFIX",
// "wrong-ack=I[,I..]", "wrong-ack-cmd=PREFIX", "drop-ack-prob=P", "refuse-page=P[,P..]",
// "refuse-page-always=P[,P..]", "die-after=LINES". Switches one on in `faults`; false when the name or the
// value is not understood. `seed` seeds the random ones.
bool applyFault(Faults &faults, const QString &option, quint32 seed = 1);

// The list above, for a program's help text.
QString faultNamesHelp();

} // namespace qvx2sim
