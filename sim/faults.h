#pragma once

#include "simconstants.h"

#include <QByteArray>
#include <QHash>
#include <QSet>

#include <functional>

namespace qvx2sim
{

// Faults the simulated instrument can show, each switched on by itself; all are off by default.
struct Faults {
    // Decides for one bootloader exchange (its index, the command line without CR) whether it is hit.
    using ExchangePredicate = std::function<bool(int index, const QByteArray &command)>;

    bool silent = false;                 // no answer at all, in either mode (also: switched off)
    bool ignorePing = false;             // the ping goes unanswered, everything else is answered
    int lateMs = 0;                      // extra delay before the first byte of every answer
    int splitBytes = 0;                  // > 0: answers go out in writes of this many bytes...
    int splitGapMs = kDefaultSplitGapMs; // ...each after this pause
    bool crlf = false;                   // lines end with CR LF instead of CR
    bool nulBeforeCr = false;            // a NUL byte right before the CR of every line
    bool garbage = false;                // an unknown text line before every answer line
    int echoOffset = 0;                  // added to the value echoed by a parameter write (not stored)

    // Bootloader. Exchange index 0 is the RESET 00 that entered the bootloader.
    QSet<int> dropAck;               // exchanges whose answer is lost (the command is still carried out)
    ExchangePredicate dropAckIf;     // same, for every exchange the predicate picks
    QSet<int> wrongAck;              // exchanges answered with a non-acknowledgement word instead
    ExchangePredicate wrongAckIf;    // same, for every exchange the predicate picks
    double dropAckProbability = 0.0; // each answer lost with this probability...
    quint32 dropAckSeed = 1;         // ...drawn from a PRNG seeded with this at each bootloader entry
    QHash<int, int> refuseChecksum;  // page -> fills refused with a checksum error (negative: all)

    int dieAfterRecordLines = -1; // >= 0: the link closes after that many lines of a record download
};

} // namespace qvx2sim
