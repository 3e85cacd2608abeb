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

// The region at the start of each of 4096 equal slices of [2^52, 2^53):
// a slice (2^40 wide) holds at most one region end, the ends being 2^46
// apart at least.
constexpr int sliceshift = 40;
constexpr std::array<unsigned char, 4096> slicestart = [] {
    std::array<unsigned char, 4096> s{};
    for (u64 i = 0; i < s.size(); i++)
        s[i] = (unsigned char)((u64(1) << 58) / ((i + 4096) << sliceshift));
    return s;
}();

unsigned regionof(u64 m)
{
    unsigned r = slicestart[(m >> sliceshift) & 4095];
    return r - (m > bound[r]);
}

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
            error[r - 32][low] = std::int16_t(std::int64_t(addrounded(m, n)) - std::int64_t(n * m));
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
    unsigned r = regionof(m);
    if (bound[r] - m <= guard || m - bound[r + 1] <= guard)
        return false;
    std::int64_t total = std::int64_t(n) * std::int64_t(m) + error[r - 32][m & 127];
    double v = double(total) * std::bit_cast<double>((exponent - 52) << 52);
    s = std::bit_cast<double>(std::bit_cast<u64>(v) | (bits & signbit));
    return true;
}
