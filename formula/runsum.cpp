#include "formula/runsum.h"

#include <array>
#include <bit>
#include <memory>
#include <mutex>

namespace {
using u64 = std::uint64_t;
constexpr u64 fractionbits = 0x000fffffffffffff, signbit = 0x8000000000000000, hidden = u64(1) << 52;
// |E_k| stays below 64 * 2^5: a mantissa this far from a boundary is clear
// of it for every k.
constexpr u64 guard = 1 << 12;

// floor(2^58 / q): the regions' ends; region r is (bound[r + 1], bound[r]].
constexpr std::array<u64, 66> bound = [] {
    std::array<u64, 66> b{};
    for (u64 q = 1; q < b.size(); q++)
        b[q] = (u64(1) << 58) / q;
    return b;
}();

// 256 equal slices of [2^52, 2^53), each with the one region end that
// lies in it or within the guard of it (the ends being 2^46 apart at
// least; 0 where there is none) and the error rows of the regions below
// and above that end.
struct slice {
    u64 end;
    unsigned short below, above;
};
constexpr int sliceshift = 44;

constexpr unsigned short rowof(u64 r)
{
    return (unsigned short)((r < 32 ? 32 : r > 63 ? 63 : r) - 32) * 128;
}

constexpr std::array<slice, 256> slices = [] {
    std::array<slice, 256> t{};
    for (u64 i = 0; i < t.size(); i++) {
        u64 lo = (i + 256) << sliceshift, hi = lo + (u64(1) << sliceshift);
        u64 r = (u64(1) << 58) / lo;  // the region at the slice's start
        t[i] = {0, rowof(r), rowof(r)};
        for (u64 q = 32; q <= 64; q++)
            if (bound[q] + guard >= lo && bound[q] <= hi + guard)
                t[i] = {bound[q], rowof(q), rowof(q - 1)};
    }
    return t;
}();

// The n - 1 additions on whole numbers, each rounded to 53 significant
// bits, ties to even.
u64 addrounded(u64 m, int n)
{
    u64 s = m;
    for (int k = 2; k <= n; k++) {
        u64 t = s + m;
        int b = 64 - std::countl_zero(t) - 53;
        if (b > 0) {
            u64 unit = u64(1) << b, low = t & (unit - 1);
            t -= low;
            if (low > unit / 2 || (low == unit / 2 && (t & unit)))
                t += unit;
        }
        s = t;
    }
    return s;
}
}

runsum::runsum(int copies) : n(copies)
{
    for (unsigned r = 32; r < 64; r++) {
        u64 middle = (bound[r + 1] + bound[r]) / 2 & ~u64(127);
        for (u64 low = 0; low < 128; low++) {
            u64 m = middle | low;
            error[rowof(r) + low] = std::int16_t(std::int64_t(addrounded(m, n)) - std::int64_t(n * m));
        }
    }
}

const runsum* runsum::get(int n)
{
    if (n < mincopies || n > maxcopies)
        return nullptr;
    static std::mutex building;
    static std::unique_ptr<runsum> tables[maxcopies + 1];
    std::lock_guard lock(building);
    if (!tables[n])
        tables[n].reset(new runsum(n));
    return tables[n].get();
}

bool runsum::sum(double x, double& s) const
{
    u64 bits = std::bit_cast<u64>(x);
    u64 exponent = (bits >> 52) & 0x7ff;
    // x = m 2^(exponent - 1075); the scale must be a normal double and
    // n |x| finite.
    if (exponent - 53 > 2032 - 53)
        return false;
    u64 m = (bits & fractionbits) | hidden;
    const slice& at = slices[(m >> sliceshift) & 255];
    std::int64_t fromend = std::int64_t(m - at.end);
    if (u64(fromend) + guard <= 2 * guard)
        return false;  // next to a region end
    unsigned row = fromend > 0 ? at.above : at.below;
    std::int64_t total = std::int64_t(n) * std::int64_t(m) + error[row + (m & 127)];
    // x's sign in the scale: the additions round alike on both sides of 0.
    double scale = std::bit_cast<double>(((exponent - 52) << 52) | (bits & signbit));
    s = double(total) * scale;
    return true;
}
