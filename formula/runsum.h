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

#include <array>
#include <bit>
#include <cstdint>

namespace runsumtables {
// 256 equal slices of [2^52, 2^53), each with the one region end that
// lies in it or within the guard of it (the ends being 2^46 apart at
// least; 0 where there is none) and the error rows of the regions below
// and above that end.
struct slice {
    std::uint64_t end;
    unsigned short below, above;
};
constexpr int sliceshift = 44;
// |E_k| stays below 64 * 2^5: a mantissa this far from a boundary is clear
// of it for every k.
constexpr std::uint64_t guard = 1 << 12;
extern const std::array<slice, 256> slices;
}

class runsum {
public:
    static constexpr int mincopies = 4, maxcopies = 64;
    // The table for n copies, built on first use; null for n outside
    // [mincopies, maxcopies].
    static const runsum* get(int n);
    // The rounded sum of n copies of x; false where the caller must add.
    bool sum(double x, double& s) const
    {
        using u64 = std::uint64_t;
        using namespace runsumtables;
        u64 bits = std::bit_cast<u64>(x);
        u64 exponent = (bits >> 52) & 0x7ff;
        // x = m 2^(exponent - 1075); the scale must be a normal double and
        // n |x| finite.
        if (exponent - 53 > 2032 - 53)
            return false;
        u64 m = (bits & 0x000fffffffffffff) | u64(1) << 52;
        const slice& at = slices[(m >> sliceshift) & 255];
        std::int64_t fromend = std::int64_t(m - at.end);
        if (u64(fromend) + guard <= 2 * guard)
            return false;  // next to a region end
        unsigned row = fromend > 0 ? at.above : at.below;
        std::int64_t total = std::int64_t(n) * std::int64_t(m) + error[row + (m & 127)];
        // x's sign in the scale: the additions round alike on both sides of 0.
        double scale = std::bit_cast<double>(((exponent - 52) << 52) | (bits & 0x8000000000000000));
        s = double(total) * scale;
        return true;
    }
    int copies() const { return n; }

private:
    explicit runsum(int copies);
    int n;
    std::int16_t error[32 * 128];  // E_n by region (32..63), then m mod 128
};
