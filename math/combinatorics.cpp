#include "math/combinatorics.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "base/limits.h"
#include "math/funcerror.h"
#include "math/gamma.h"
#include "math/rounding.h"

namespace {
constexpr double huge = 1e300;
constexpr double wholeproductmax = 100000;  // steps of the ncr product

// ln Gamma(k + 1) less its Stirling approximation (k + 1/2) ln k - k +
// ln sqrt(2 pi), for whole k >= 1: small for large k and free of the
// cancellation that differences of ln Gamma suffer.  Values up to 15 from
// mpmath.
const double stirlingtable[16] = {
    0, 0.08106146679532725822, 0.041340695955409294094, 0.027677925684998339149,
    0.020790672103765093112, 0.016644691189821192163, 0.013876128823070747999,
    0.011896709945891770095, 0.010411265261972096497, 0.0092554621827127329177,
    0.0083305634333628712565, 0.007573675487951840795, 0.0069428401072095298657,
    0.0064089941880042070684, 0.0059513701127588477356, 0.005554733551962801371,
};

// The distributions' terms are computed in long double: their logarithms
// are differences of large numbers, and exp turns the absolute error of a
// logarithm into a relative one.
using wide = long double;

wide stirlerr(wide k)
{
    if (k <= 15)
        return stirlingtable[static_cast<int>(k)];
    wide k2 = k * k;
    wide s = 1.0L / 156;
    for (wide c : {-691.0L / 360360, 1.0L / 1188, -1.0L / 1680, 1.0L / 1260, -1.0L / 360, 1.0L / 12})
        s = c + s / k2;
    return s / k;
}

// x ln(x / m) + m - x, accurate when x is close to m.
wide bd0(wide x, wide m)
{
    if (std::fabs(x - m) >= 0.1L * (x + m))
        return x * std::log(x / m) + m - x;
    wide v = (x - m) / (x + m), s = (x - m) * v, ej = 2 * x * v;
    for (int j = 1;; j++) {
        ej *= v * v;
        wide next = s + ej / (2 * j + 1);
        if (next == s)
            return s;
        s = next;
    }
}

// ln of the binomial probability of x successes in n trials, q = 1 - p.
wide lnbinomterm(wide x, wide n, wide p, wide q)
{
    if (x == 0)
        return n == 0 ? 0 : n * std::log(q);
    if (x == n)
        return n * std::log(p);
    return stirlerr(n) - stirlerr(x) - stirlerr(n - x) - bd0(x, n * p) - bd0(n - x, n * q)
           + 0.5L * std::log(n / (2 * std::numbers::pi_v<wide> * x * (n - x)));
}

// The change of ln Gamma(x + 1) over the rounding of x + 1 and the error
// ex of x itself: Gamma is steep next to its poles, where these errors
// would otherwise show in full.
template <class T> T plus1slope(T x, T ex)
{
    T a = x + 1, e = ex + sumerror(x, T(1), a);
    return e == 0 ? 0 : e * polygamma(0, double(a));
}

using wide = long double;

// Gamma(n + 1) / (Gamma(k + 1) Gamma(n - k + 1)) in long double, whose
// range holds the three values for arguments up to widegammamax: one
// rounding at the end.
constexpr double widegammamax = 1700;
double gammaratio(double n, double k)
{
    wide d = wide(n) - k, ed = sumerror(wide(n), wide(-k), d);
    wide r = std::tgamma(wide(n) + 1) / (std::tgamma(wide(k) + 1) * std::tgamma(d + 1));
    return double(r * (1 + plus1slope<wide>(n, 0) - plus1slope<wide>(k, 0) - plus1slope(d, ed)));
}

// A result beyond the double range is an overflow.
bool overflowed(double n, double k, double result)
{
    if (std::isfinite(result))
        return false;
    reportfuncerror(funcoverflow, "ncr", nullptr, 2, n, k);
    return true;
}

// sin(pi (a + b)) in long double, a + b reduced exactly: 0 at whole sums.
wide sinpisum(double a, double b)
{
    double hi = a + b, m = std::nearbyint(hi);
    wide v = std::sin(piwide * (wide(hi - m) + sumerror(a, b, hi)));
    return std::fmod(m, 2) == 0 ? v : -v;
}

// Gamma(x + 1) in long double, |x| below widegammamax.
wide gammaplus1(double x)
{
    return std::tgamma(wide(x) + 1) * (1 + plus1slope<wide>(x, 0));
}

// Stirling's series of ln Gamma(y) less (y - 1/2) ln y - y + ln sqrt(2 pi),
// y of 800 and more.
wide stirlingtail(wide y)
{
    wide y2 = y * y;
    return (1 / 12.0L - (1 / 360.0L - 1 / (1260.0L * y2)) / y2) / y;
}

// ln(Gamma(b + s) / Gamma(b)) for b and b + s of 800 and more: the
// Stirling series of both with their large terms taken apart, so that
// only s ln b is left of the size of the two logarithms.
wide lngammaquotient(wide b, wide s)
{
    wide c = b + s;
    return s * std::log(b) + (c - 0.5L) * std::log1p(s / b) - s + stirlingtail(c) - stirlingtail(b);
}

// About ln |Gamma(y)| for |y| of 1700 and more (the sine of the reflection
// left out): enough to tell an overflow from an underflow.
wide lnabsgamma(wide y)
{
    return y > 0 ? (y - 0.5L) * std::log(y) - y : -lnabsgamma(1 - y);
}

// ncr when n, k or d = n - k reaches widegammamax.  Of the three, the two
// largest (in magnitude) are of one sign for n and d or n and k, of
// opposite signs for k and d; their Gamma values, reflected to positive
// arguments, form one quotient Gamma(b + s) / Gamma(b) with s the smallest
// of the three or -(n + 1).  When even the smallest reaches widegammamax,
// the result is far out of range.
double largencr(double n, double k)
{
    wide d = wide(n) - k;
    wide an = std::fabs(wide(n)), ak = std::fabs(wide(k)), ad = std::fabs(d);
    if (std::min({an, ak, ad}) >= widegammamax) {
        wide l = lnabsgamma(wide(n) + 1) - lnabsgamma(wide(k) + 1) - lnabsgamma(d + 1);
        return l > 0 ? HUGE_VAL : 0.0;
    }
    wide r;
    if (ak <= an && ak <= ad) {
        // Gamma(n + 1) / Gamma(d + 1); reflected: sin(pi d) / sin(pi n) Gamma(-d) / Gamma(-n).
        r = n > 0 ? std::exp(lngammaquotient(d + 1, k))
                  : sinpisum(n, -k) / sinpisum(n, 0) * std::exp(lngammaquotient(-wide(n), k));
        r /= gammaplus1(k);
    } else if (ad <= an && ad <= ak) {
        double dd = double(d);   // exact: n and k are within a factor 2
        r = n > 0 ? std::exp(lngammaquotient(wide(k) + 1, d))
                  : sinpisum(k, 0) / sinpisum(n, 0) * std::exp(lngammaquotient(-wide(n), d));
        r /= gammaplus1(dd);
    } else {
        // 1 / (Gamma(k + 1) Gamma(d + 1)), the negative one reflected:
        // -sin(pi x) Gamma(-x) / pi for x = d or k.
        wide s = -(wide(n) + 1);
        r = k > 0 ? -sinpisum(n, -k) * std::exp(lngammaquotient(wide(k) + 1, s))
                  : -sinpisum(k, 0) * std::exp(lngammaquotient(d + 1, s));
        r *= gammaplus1(n) / piwide;
    }
    return double(r);
}

bool isnegwhole(double x) { return x < 0 && iswhole(x); }

// Arguments above 2^53 (or not numbers) would make the summing loops
// endless or meaningless.
bool outofreach(double x) { return !(std::fabs(x) <= limits::distributionmax); }

// Sums a unimodal table of terms from its term at m: up while k < b with
// up(k) = term(k+1)/term(k), then down while k > a with down(k) =
// term(k-1)/term(k), each side stopping once the terms are negligible.
template <class Up, class Down>
double sumfrommode(wide tm, double m, double a, double b, Up up, Down down)
{
    wide sum = tm, t = tm;
    for (double k = m; k < b; k++) {
        t *= up(k);
        sum += t;
        if (t <= 1e-17 * sum)
            break;
    }
    t = tm;
    for (double k = m; k > a; k--) {
        t *= down(k);
        sum += t;
        if (t <= 1e-17 * sum)
            break;
    }
    return double(sum);
}
}

double ncr(double n, double k)
{
    if (std::isnan(n) || std::isnan(k)) {
        reportfuncerror(funcdomain, "ncr", nullptr, 2, n, k);
        return 0.0;
    }
    if (isnegwhole(n) && !iswhole(k)) {   // Gamma(n + 1) at a pole, the others not
        reportfuncerror(funcsingular, "ncr", nullptr, 2, n, k);
        return 0.0;
    }
    double d = n - k;
    if (isnegwhole(d) || isnegwhole(k))
        return 0.0;
    // A whole lower index m (k or n - k): the product of (n - i + 1) / i,
    // i = 1..m, kept to twice the double's precision, where the logarithms
    // of large n would lose digits.  Its partial products C(n, i) grow
    // toward the result but for non-whole n with m above n/2; when they
    // leave the range, the logarithms decide.
    double m = std::min(iswhole(k) ? k : huge, iswhole(d) ? d : huge);
    if (m <= wholeproductmax) {
        exactproduct q;
        for (double i = 1; i <= m && std::isfinite(q.hi); i++) {
            double t = n - (i - 1);
            q.over(i);
            q.times(t, sumerror(n, 1 - i, t));
        }
        if (std::isfinite(q.hi))
            return q.hi + q.lo;
    }
    bool inrange = std::max({std::fabs(n), std::fabs(k), std::fabs(d)}) < widegammamax;
    double result = inrange ? gammaratio(n, k) : largencr(n, k);
    if (overflowed(n, k, result))
        return 0.0;
    return iswhole(d) && iswhole(k) ? builtin::roundnear(result) : result;
}

double Binomial(double n, double p, double a, double b)
{
    n = builtin::roundnear(n);
    a = builtin::roundnear(a);
    b = builtin::roundnear(b);
    if (n < 1 || p < 0 || p > 1) {
        reportfuncerror(functext, "Binomial",
                        n < 1 ? "The first argument must be at least 1 !"
                              : "The second argument must be between 0 and 1 !",
                        4, n, p, a, b);
        return 0.0;
    }
    if (outofreach(n) || std::isnan(p) || std::isnan(a) || std::isnan(b)) {
        reportfuncerror(std::isnan(n + p + a + b) ? funcdomain : funccapacity, "Binomial",
                        nullptr, 4, n, p, a, b);
        return 0.0;
    }
    if (b < a)
        std::swap(a, b);
    if (b < 0 || a > n)
        return 0.0;
    a = std::max(a, 0.0);
    b = std::min(b, n);
    if (p == 0)
        return a == 0 ? 1.0 : 0.0;
    if (p == 1)
        return b == n ? 1.0 : 0.0;
    double m = std::clamp(builtin::roundnear(n * p), a, b);
    wide pw = p, q = 1 - pw;  // exact but for p below 2^-12
    wide tm = std::exp(lnbinomterm(m, n, pw, q));
    return sumfrommode(
        tm, m, a, b, [&](double k) { return (n - k) * pw / ((k + 1) * q); },
        [&](double k) { return k * q / ((n - k + 1) * pw); });
}

double Hgeo(double bign, double m, double n, double a, double b)
{
    bign = builtin::roundnear(bign);
    m = builtin::roundnear(m);
    n = builtin::roundnear(n);
    a = builtin::roundnear(a);
    b = builtin::roundnear(b);
    if (bign < 0 || m < 0 || n < 0 || m > bign || n > bign) {
        reportfuncerror(functext, "Hgeo",
                        bign < 0 || m < 0 || n < 0 ? "No negative arguments allowed !"
                                                   : "Arguments 2 and 3 must not exceed argument 1 !",
                        5, bign, m, n, a, b);
        return 0.0;
    }
    if (outofreach(bign) || std::isnan(m + n + a + b)) {
        reportfuncerror(std::isnan(bign + m + n + a + b) ? funcdomain : funccapacity, "Hgeo",
                        nullptr, 5, bign, m, n, a, b);
        return 0.0;
    }
    double lo = std::max(0.0, n - (bign - m)), hi = std::min(m, n);
    if (b < a)
        std::swap(a, b);
    if (hi < a || b < lo)
        return 0.0;
    a = std::max(a, lo);
    b = std::min(b, hi);
    if (m == 0 || n == 0)
        return a <= 0 && 0 <= b ? 1.0 : 0.0;
    double mode = std::clamp(builtin::roundnear(n * m / bign), a, b);
    // The hypergeometric term as a ratio of binomial terms with p = n / N.
    wide p = n / wide(bign), q = (bign - n) / wide(bign);
    wide tm = std::exp(lnbinomterm(mode, m, p, q) + lnbinomterm(n - mode, bign - m, p, q)
                       - lnbinomterm(n, bign, p, q));
    return sumfrommode(
        tm, mode, a, b,
        [&](double k) { return wide(n - k) * (m - k) / (wide(bign - n - m + k + 1) * (k + 1)); },
        [&](double k) { return wide(bign - n - m + k) * k / (wide(n + 1 - k) * (m + 1 - k)); });
}
