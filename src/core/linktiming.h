#pragma once

// How long the link waits for each kind of answer and how often it looks: the instrument's own pace, or a
// shorter one that a test or a benchmark sets.

#include "constants.h"

#include <QtGlobal>

struct LinkTiming {
    int probeWaitMs = Qvx2::WaitProbeMs;
    int answerWaitMs = Qvx2::WaitAnswerMs;
    int longWaitMs = Qvx2::WaitLongMs;
    int cycleMs = Qvx2::LinkCycleMs; // the unit of the window's historical cycle counts
    int pingPeriodMs = Qvx2::PingPeriodMs;
    int pingAnswerMs = Qvx2::PingAnswerMs;
    int portWatchMs = Qvx2::PortWatchMs;
    int portRetryMs = Qvx2::PortRetryMs;

    // A wait given as a number of cycles, as the historical primitives count it: it ends after the cycles
    // and two more.
    int cycles(int count) const { return (count + 2) * cycleMs; }
    // Every wait of an exchange this many times shorter (ping and port watch unchanged).
    LinkTiming faster(int factor) const
    {
        LinkTiming t = *this;
        t.probeWaitMs /= factor;
        t.answerWaitMs /= factor;
        t.longWaitMs /= factor;
        t.cycleMs = qMax(1, t.cycleMs / factor);
        return t;
    }
};
