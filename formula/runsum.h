// x + x + ... + x, n copies, rounded after every addition as the evaluator
// adds them, in a few operations instead of n - 1 dependent additions.
//
// With x = m 2^e (m a 53-bit whole number) every partial sum is k m + E_k
// in units of 2^e.  The k-th addition rounds to a multiple of 2^b, where b
// (0 to 6 for n <= 64) is fixed by which power of two k m has passed: by
// floor(2^58 / m), the region of m.  The rounding, ties to even included,
// then depends only on the low 7 bits of k m + E_(k-1), so E_n is a
// function of the region and of m mod 128: a table per n.  Next to the
// region boundaries, where E could tip k m over the power of two, and for
// x out of the table's reach, the caller adds.
#pragma once

#include <cstdint>

class runsum {
public:
    static constexpr int mincopies = 4, maxcopies = 64;
    // The table for n copies, built on first use; null for n outside
    // [mincopies, maxcopies].
    static const runsum* get(int n);
    // The rounded sum of n copies of x; false where the caller must add.
    bool sum(double x, double& s) const;
    int copies() const { return n; }

private:
    explicit runsum(int copies);
    int n;
    std::int16_t error[32 * 128];  // E_n by region (32..63), then m mod 128
};
