// The statistics of a calculator's Monte Carlo runs: count, mean, spread
// and extremes of the results.  Mean and spread are kept as the mean and
// the sum of squared deviations from it, chunks joined by Chan's update,
// so that a small spread about a large mean is not lost to cancellation as
// it would be in count * sum of squares - sum^2.  A plain record: the
// calculator holds it through a pointer and frees it with free().
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
    // Takes in a chunk of results summed as deviations from shift.
    void merge(const struct mcchunk& chunk, double shift);

    double sum() const { return mean * count; }
    // The population variance (divided by the count); never negative.
    double variance() const;
    double deviation() const;
    // Half width of the two-sided 99.9% interval of the mean.
    double halfwidth() const;
};

// The sums of a chunk of results, as deviations from a shift near them.
struct mcchunk {
    double count, sum, sumsq;
    double maximum, minimum;
};

// A new record (malloc'd, reset, no breakpoint, errors reported); null
// when memory fails.
mcstat* newmcstat();
