#include "math/seidel.h"

#include <cmath>
#include <vector>

#include "base/limits.h"
#include "base/objcount.h"
#include "math/funcerror.h"
#include "math/rounding.h"

namespace {
class tangentcache {
public:
    tangentcache() { objcount(181); }
    ~tangentcache() { objcount(-181); }

    double entry(int i)
    {
        if (table.empty())
            fill();
        return table[i];
    }

private:
    // The triangle rows run alternately left and right in a work row of
    // tangentcount cells; each row's last sum is the next zigzag number.
    void fill()
    {
        std::vector<double> work(limits::tangentcount, 0.0);
        table.reserve(limits::tangentcount);
        int pos = limits::tangentcount / 2;
        int dir = -1;
        work[pos] = 1;
        table.push_back(1);
        for (int k = 2; k <= limits::tangentcount; k++) {
            pos += dir;
            work[pos] = 0;
            double sum = 0;
            dir = -dir;
            for (int j = 1; j < k; j++) {
                pos += dir;
                sum += work[pos];
                work[pos] = sum;
            }
            table.push_back(sum);
        }
    }

    std::vector<double> table;
};

tangentcache cache;

// Rounds n and checks it against the function's limit; -1 when refused.
int cacheindex(double x, const char* name, int limit)
{
    double n = builtin::roundnear(x);
    if (n < 0 || std::isnan(n)) {
        reportfuncerror(functext, name, "Negative arguments not allowed !", 1, x);
        return -1;
    }
    if (n > limit) {
        reportfuncerror(funcoverflow, name, nullptr, 1, x);
        return -1;
    }
    return static_cast<int>(n);
}
}

double zigzag(int i)
{
    return cache.entry(i);
}

double Tangent(double x)
{
    int n = cacheindex(x, "Tangent", 183);
    return n < 0 || n % 2 == 0 ? 0.0 : zigzag(n);
}

double Eul(double x)
{
    int n = cacheindex(x, "Eul", 182);
    if (n < 0 || n % 2)
        return 0.0;
    return (n / 2) % 2 ? -zigzag(n) : zigzag(n);
}

double Ber(double x)
{
    int n = cacheindex(x, "Ber", 186);
    if (n < 0)
        return 0.0;
    if (n <= 1)
        return n == 0 ? 1.0 : -0.5;
    if (n % 2)
        return 0.0;
    double b = n * zigzag(n - 1) / ((std::ldexp(1.0, n) - 1) * std::ldexp(1.0, n));
    return (n / 2) % 2 ? b : -b;
}
