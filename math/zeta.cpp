#include "math/zeta.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "base/limits.h"
#include "base/report.h"
#include "math/funcerror.h"
#include "math/gamma.h"
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

// 2^(1-s) - 1 in long double, without the cancellation next to the pole
// at s = 1.
long double twopowerminus1(double s)
{
    constexpr long double ln2 = 0.693147180559945309417232121458176568L;
    return std::expm1((1 - static_cast<long double>(s)) * ln2);
}

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
    if (std::isnan(s) || s == 1) {
        reportfuncerror(s == 1 ? funcsingular : funcdomain, "zm1", nullptr, 1, s);
        return 0.0;
    }
    // Left of this the alternating sum does not settle; zeta is far from 1
    // there, so no digits are lost in the subtraction.
    if (s <= reflectionbound)
        return zeta(s) - 1;
    // Far right the terms fall so fast that their plain sum is exact to
    // the last place, where the alternating sum keeps only an absolute
    // accuracy.
    if (s >= 20) {
        double sum = 0;
        for (int k = 2;; k++) {
            double t = std::pow(k, -s);
            if (t <= 0x1p-60 * sum || t == 0)
                return sum;
            sum += t;
        }
    }
    double a = zsumalt(s);
    double p = std::pow(2.0, 1 - s);
    // p - 1 without the cancellation next to the pole at s = 1.
    return double((a - p) / twopowerminus1(s));
}

namespace {
// ln of zeta(r) Gamma(r) / (2 pi)^r, for its slope.
double lnreflected(double r)
{
    return std::log(zetam1(r) + 1) + polygamma(-1, r) - r * std::log(2 * std::numbers::pi);
}

}

double zeta(double s)
{
    if (s == 1 || !(s > -std::numeric_limits<double>::infinity())) {
        reportfuncerror(s == 1 ? funcsingular : funcdomain, "zeta", nullptr, 1, s);
        return 0.0;
    }
    // (1 - A) / (1 - 2^(1-s)) with A the alternating sum, without the
    // cancellation of zetam1(s) + 1 where zeta(s) is small.
    if (s > reflectionbound && s < 20)
        return double((1 - zsumalt(s)) / -twopowerminus1(s));
    if (s > reflectionbound)
        return zetam1(s) + 1;
    // The reflection zeta(s) = 2^s pi^(s-1) sin(pi s / 2) Gamma(1 - s)
    // zeta(1 - s); the sine is exactly 0 at the trivial zeros.
    double sine = sinpi(s / 2);
    if (sine == 0)
        return 0.0;
    double r = 1 - s;
    if (r > 300) {  // |zeta| > 1e308 from about r = 262 on
        reportfuncerror(funcoverflow, "zeta", nullptr, 1, s);
        return 0.0;
    }
    // 2 sin(pi s/2) zeta(r) Gamma(r) / (2 pi)^r in long double, whose range
    // holds every factor.
    long double w = 2 * sinpiwide(s / 2) * (zetam1(r) + 1) * std::tgamma(static_cast<long double>(r))
                    / std::pow(2 * piwide, static_cast<long double>(r));
    // 1 - s may round; the factor is steep near the pole of zeta(r) and
    // for large r, so it is corrected by its slope.
    double e = sumerror(1, -s, r);
    if (e != 0) {
        constexpr double h = 1e-4;
        w *= 1 + e * (lnreflected(r + h) - lnreflected(r - h)) / (2 * h);
    }
    double v = double(w);
    if (!std::isfinite(v)) {
        reportfuncerror(funcoverflow, "zeta", nullptr, 1, s);
        return 0.0;
    }
    return v;
}
