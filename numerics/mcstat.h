// The statistics of a calculator's Monte Carlo runs: count, mean, spread
// and extremes of the results.  Mean and spread are kept by Welford's
// update (the mean and the sum of squared deviations from it), so that a
// small spread about a large mean is not lost to cancellation as it would
// be in count * sum of squares - sum^2.  A plain record: the calculator
// holds it through a pointer and frees it with free().
#pragma once

#include <cstdint>

struct mcstat {
    double count;
    double breakpoint;   // iteration after which a run stops; 0 none
    double mean;
    double squares;      // sum of squared deviations from the mean
    double maximum;      // -1e300 when empty
    double minimum;      // +1e300 when empty
    bool reporterrors;

    // Clears the statistics; breakpoint and error reports stay.
    void reset();
    bool isempty() const { return count == 0; }
    void add(double y);
    // Takes in the statistics of a chunk run apart (count, mean, squares,
    // extremes).
    void merge(const mcstat& chunk);

    double sum() const { return mean * count; }
    // The population variance (divided by the count); never negative.
    double variance() const;
    double deviation() const;
    // Half width of the two-sided 99.9% interval of the mean.
    double halfwidth() const;
};

// A new record (malloc'd, reset, no breakpoint, errors reported); null
// when memory fails.
mcstat* newmcstat();
