#include "math/zeta.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "math/funcerror.h"
#include "math/gamma.h"
#include "base/limits.h"
#include "base/report.h"
#include "math/hooks.h"

namespace {
constexpr double reflectionbound = -0.212314;

// Repeated averaging of the partial sums of an alternating series: each new
// partial sum is averaged with the stored row, level by level, until a level
// repeats its value exactly.
class zaverager {
public:
    enum state { goon, converged, failed };

    state add(double& value)
    {
        for (int i = 0; i < count; i++) {
            if (table[i] == value)
                return converged;
            double old = table[i];
            table[i] = value;
            value = (old + value) / 2;
        }
        table[count++] = value;
        return count < limits::zetaaverages ? goon : failed;
    }

private:
    double table[limits::zetaaverages];
    int count = 0;
};

// 2^-s - 3^-s + 4^-s - ...
double zsumalt(double s)
{
    double sum = 0;
    int k = 2;
    for (; k <= 9; k++)
        sum += (k % 2 ? -1 : 1) * std::pow(k, -s);
    zaverager averages;
    for (;; k++) {
        sum += (k % 2 ? -1 : 1) * std::pow(k, -s);
        double value = sum;
        switch (averages.add(value)) {
        case zaverager::converged: return value;
        case zaverager::failed:
            report(reportkind::unexpected, "zsumalt in zetam1: zmittel reports no convergence");
            internalerror();
            return 0.0;
        default: break;
        }
    }
}
}

double zetam1(double s)
{
    if (std::isnan(s)) {
        reportfuncerror(funcdomain, "zm1", nullptr, 1, s);
        return 0.0;
    }
    // Left of this the alternating sum does not settle; zeta is far from 1
    // there, so no digits are lost in the subtraction.
    if (s <= reflectionbound)
        return zeta(s) - 1;
    double a = zsumalt(s);
    double p = std::pow(2.0, 1 - s);
    if (p == 1)
        return std::numeric_limits<double>::infinity();
    return (a - p) / (p - 1);
}

double zeta(double s)
{
    using std::numbers::pi;
    if (s == 1 || std::isnan(s)) {
        reportfuncerror(s == 1 ? funcsingular : funcdomain, "zeta", nullptr, 1, s);
        return 0.0;
    }
    if (s <= reflectionbound) {
        double r = 1 - s;
        return std::pow(2.0, s) * gammafn(r) * (zetam1(r) + 1) * std::cos(pi / 2 * r)
               / std::pow(pi, r);
    }
    return zetam1(s) + 1;
}
