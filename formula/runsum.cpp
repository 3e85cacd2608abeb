#include "formula/runsum.h"

#include <array>
#include <bit>
#include <memory>
#include <mutex>

namespace {
using u64 = std::uint64_t;
using runsumtables::guard;
using runsumtables::slice;
using runsumtables::sliceshift;

// floor(2^58 / q): the regions' ends; region r is (bound[r + 1], bound[r]].
constexpr std::array<u64, 66> bound = [] {
    std::array<u64, 66> b{};
    for (u64 q = 1; q < b.size(); q++)
        b[q] = (u64(1) << 58) / q;
    return b;
}();

constexpr unsigned short rowof(u64 r)
{
    return (unsigned short)((r < 32 ? 32 : r > 63 ? 63 : r) - 32) * 128;
}

constexpr std::array<slice, 256> built = [] {
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

const std::array<slice, 256> runsumtables::slices = built;

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
