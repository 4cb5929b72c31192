#pragma once

// The measured turns ratios against the transformer's rated voltage ratio, the HT voltage over the bt
// voltage chosen in the form. Nothing of it is stored: it is derived from the measurement whenever shown.

#include "measurement.h"

#include <QString>

#include <array>

struct RatioEvaluation {
    struct Deviation {
        bool valid = false;  // a rated ratio and this measured ratio both read
        double percent = 0;  // (measured - rated) / rated, in per cent
        bool within = false; // |percent| within the tolerance
    };

    double rated = 0;     // volts over volts; 0 when either voltage does not read
    double tolerance = 0; // per cent, either way
    // The record's measuring range does not hold the form's HT voltage: the form or the record is wrong, and
    // no deviation is judged.
    bool rangeDisagrees = false;
    std::array<Deviation, Qvx2::RatioShown> deviations; // phases A, B, C and their mean

    bool hasRated() const { return rated > 0; }
    static RatioEvaluation of(const Measurement &m, double tolerancePercent);

    // A voltage as the lists hold it ("20 kV", "20kV", "410 V", "5.5kV", "0,41 kV", "20000") in volts; 0 when
    // it does not read as one voltage.
    static double volts(const QString &text);
};
