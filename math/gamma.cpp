#include "math/gamma.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "base/limits.h"
#include "math/funcerror.h"
#include "math/rounding.h"

const double bernoullitable[14][2] = {
    {1, 6}, {-1, 30}, {1, 42}, {-1, 30}, {5, 66}, {-691, 2730}, {7, 6},
    {-3617, 510}, {43867, 798}, {-174611, 330}, {854513, 138},
    {-236364091, 2730}, {8553103, 6}, {-23749461029.0, 870},
};

namespace {
// Fit of ln(Gamma(5 - t) / 24) / t on |t| <= 0.5.
const double gammacore[15] = {
    -1.5061176684318005, 0.1106614778685577, 0.00813162204085242,
    0.0008928261746981282, 0.000117193261184273, 1.702987449438e-05,
    2.642122120744e-06, 4.289523257458e-07, 7.19850434776e-08,
    1.238656932488e-08, 2.173297353294e-09, 3.8727e-10, 6.988022e-11,
    1.274e-11, 2.3427e-12,
};

double core(double x)
{
    double t = 5 - x;
    double p = 0;
    for (int i = 14; i >= 0; i--)
        p = p * t + gammacore[i];
    return 24 * std::exp(t * p);
}

constexpr double eulergamma = 0.57721566490153286061;

// zeta(k) - 1 for k = 2, 3, ..., 58 (mpmath).
const double zetaminus1[57] = {
    0.64493406684822643647, 0.2020569031595942854, 0.082323233711138191516,
    0.036927755143369926331, 0.017343061984449139715, 0.0083492773819228268398,
    0.0040773561979443393787, 0.0020083928260822144179, 0.00099457512781808533715,
    0.0004941886041194645587, 0.00024608655330804829864, 0.00012271334757848914675,
    6.1248135058704829259e-05, 3.0588236307020493552e-05, 1.5282259408651871733e-05,
    7.6371976378997622736e-06, 3.8172932649998398565e-06, 1.9082127165539389257e-06,
    9.5396203387279611315e-07, 4.7693298678780646312e-07, 2.3845050272773299e-07,
    1.1921992596531107307e-07, 5.9608189051259479612e-08, 2.9803503514652280186e-08,
    1.4901554828365041235e-08, 7.450711789835429492e-09, 3.7253340247884570548e-09,
    1.8626597235130490064e-09, 9.3132743241966818287e-10, 4.656629065033784073e-10,
    2.328311833676505492e-10, 1.1641550172700519776e-10, 5.8207720879027008892e-11,
    2.9103850444970996869e-11, 1.4551921891041984236e-11, 7.2759598350574810145e-12,
    3.6379795473786511902e-12, 1.8189896503070659476e-12, 9.0949478402638892825e-13,
    4.5474737830421540268e-13, 2.2737368458246525152e-13, 1.1368684076802278493e-13,
    5.6843419876275856093e-14, 2.8421709768893018555e-14, 1.421085482803160677e-14,
    7.1054273952108527129e-15, 3.5527136913371136733e-15, 1.7763568435791203275e-15,
    8.8817842109308159031e-16, 4.4408921031438133642e-16, 2.220446050798041984e-16,
    1.1102230251410661337e-16, 5.5511151248454812437e-17, 2.7755575621361241726e-17,
    1.3877787809725232763e-17, 6.9388939045441536974e-18, 3.4694469521659226247e-18,
};

// ln Gamma(1 + t) for |t| <= 1/2 (one = 1) and ln Gamma(2 + t) for
// -1/2 <= t <= 1 (one = 0), from the Taylor series
// ln Gamma(1 + t) = -gamma t + sum (-1)^k zeta(k) t^k / k, k >= 2, and the
// same less ln(1 + t) = sum (-1)^(k+1) t^k / k: both vanish exactly at
// their zero, where the Stirling sum keeps only an absolute accuracy.
double lngammaseries(double t, double one)
{
    if (t == 0)
        return 0.0;
    double s = 0;
    for (int k = 58; k >= 2; k--)
        s = (k % 2 ? -1 : 1) * (one + zetaminus1[k - 2]) / k + t * s;
    return t * ((1 - one - eulergamma) + t * s);
}

// psi(1 + t) + gamma for |t| <= 1/4, the derivative of the series above:
// sum (-1)^k zeta(k) t^(k-1), k >= 2, exact at its zero t = 0.
double harmonicseries(double t)
{
    double s = 0;
    for (int k = 58; k >= 2; k--)
        s = (k % 2 ? -1 : 1) * (1 + zetaminus1[k - 2]) + t * s;
    return t * s;
}

// A sum kept to twice the double's precision.
struct exactsum {
    double hi = 0, lo = 0;
    void add(double x, double e = 0)
    {
        double s = hi + x;
        double b = s - hi;
        lo += (hi - (s - b)) + (x - b) + e;
        hi = s;
    }
    // Adds a / b with the rounding of the quotient.
    void addquotient(double a, double b)
    {
        double q = a / b;
        add(q, std::fma(-q, b, a) / b);
    }
};

// psi(x) for x < 2, not whole: with u = x - floor(x) in [0, 1),
// psi(x) = -gamma + u / (1 + u) + Z(u) - sum 1/(x + j), j = 0 .. -floor(x)
// (the last term is 1/u),
// where psi(1 + u) + gamma = u / (1 + u) + Z(u), Z(u) = sum (-1)^k
// (zeta(k) - 1) u^(k-1).  The terms cancel next to the zeros of psi, so
// they are summed in double length.  Every x + j is exact but u itself
// for -1 < x < 0, whose rounding is corrected by the slope.
double psiunit(double x)
{
    double f = std::floor(x), u = x - f, eu = sumerror(x, -f, u);
    exactsum sum;
    sum.add(-eulergamma, 4.942915152430645e-18);  // -gamma: its double and the rest
    double w = 1 + u;
    double q = u / w;
    sum.add(q, (std::fma(-q, w, u) - q * sumerror(1, u, w)) / w);
    double z = 0, dz = 0;
    for (int k = 58; k >= 3; k--) {
        double c = (k % 2 ? -1 : 1) * zetaminus1[k - 2];
        dz = z + u * dz;
        z = c + u * z;
    }
    double p = zetaminus1[0] * u;
    sum.add(p, std::fma(zetaminus1[0], u, -p));
    sum.add(u * u * z);
    for (double j = 0; j < -f; j++)
        sum.addquotient(-1, x + j);
    if (f <= 0) {
        sum.addquotient(-1, u);
        if (eu != 0)
            sum.add(eu * (1 / (w * w) + 1 / (u * u) + zetaminus1[0] + u * (2 * z + u * dz)));
    }
    return sum.hi + sum.lo;
}

// sum += c / (t + et)^3, the cube kept to twice the precision.
void addcube(exactsum& sum, double c, double t, double et)
{
    double r = 1 / t;
    double e = (std::fma(-r, t, 1) - r * et) / t;
    exactproduct q;
    for (int i = 0; i < 3; i++)
        q.times(r, e);
    sum.add(c * q.hi, c * q.lo);
}

// psi''(x) for x < 2, not whole, as psiunit: with v = x - round(x),
// psi''(1 + v) = -2 / (1 + v)^3 - 2 sum (m+2)(m+1)/2 (zeta(m+3) - 1) (-v)^m,
// stepped to x by psi''(y + 1) = psi''(y) + 2 / y^3, in double length.
double psi2unit(double x)
{
    double r = std::nearbyint(x), v = x - r;  // exact
    exactsum sum;
    double z = 0;
    for (int m = 55; m >= 0; m--)
        z = (m + 2) * (m + 1) / 2.0 * zetaminus1[m + 1] - v * z;
    sum.add(-2 * z);
    double w = 1 + v, ew = sumerror(1, v, w);
    addcube(sum, -2, w, ew);
    if (r == 2)
        addcube(sum, 2, w, ew);
    for (double j = 0; j < 1 - r; j++)
        addcube(sum, -2, x + j, 0);
    return sum.hi + sum.lo;
}

// psi(x) about its positive zero x0 = x0hi + x0lo: the Taylor coefficients
// psi^(k)(x0) / k!, k = 1, 2, ... (mpmath).
constexpr double x0hi = 1.4616321449683622, x0lo = 9.549995429965697e-17;
const double psiroot[24] = {
    0.96767224544762117043,  -0.44276316898359210609, 0.25849976095565101062,
    -0.1639427054424065275,  0.10782405069126236576,  -0.072199561256454710926,
    0.048804288164143107225, -0.033161126474847359292, 0.02259764823221810466,
    -0.015424765904948959139, 0.010538791616612175388, -0.007204534386356868241,
    0.0049267813957298534464, -0.0033698016554393280828, 0.0023051263267349278369,
    -0.0015769367714301972593, 0.0010788252019162965807, -0.00073807093899600512957,
    0.00050495326583460203518, -0.00034546802510630769956, 0.00023635601564027052792,
    -0.00016170622091974803449, 0.00011063372768747410904, -7.5691795821950659192e-05,
};

template <class T> T psinearroot(T x)
{
    T t = (x - x0hi) - x0lo;
    T s = 0;
    for (int k = 23; k >= 0; k--)
        s = psiroot[k] + t * s;
    return t * s;
}

// j-th derivative of ln x (j = -1: its integral x ln x - x).
template <class T> T lnderivative(int j, T x)
{
    using std::log;
    switch (j) {
    case -1: return x * log(x) - x;
    case 0: return log(x);
    case 1: return 1 / x;
    case 2: return -1 / (x * x);
    case 3: return 2 / (x * x * x);
    default: return -6 / (x * x * x * x);
    }
}

// Factor of B_m in the asymptotic series of the (j-1)-th polygamma function.
double seriesfactor(int j, double m)
{
    switch (j) {
    case 0: return 1 / (m * (m + 1));
    case 1: return -1 / m;
    case 2: return 1;
    case 3: return 1 - m;
    default: return (m - 1) * (m - 2);
    }
}

// psi^(k)(x) (k = -1: ln Gamma) stepped up by the recurrence to x > from,
// then the asymptotic series at y = x - 1, in the precision of T.
template <class T> T polygammaseries(int k, T x, T from)
{
    T s = 0;
    for (; x <= from; x += 1)
        s += lnderivative(k + 1, x);
    T y = x - 1;
    T p = 1 / std::pow(y, k + 2);
    T acc = 0;
    int b = 0;
    for (int m = k + 2; m <= 27; m += 2, b++) {
        acc += p * T(bernoullitable[b][0]) / T(bernoullitable[b][1]) * seriesfactor(k + 1, m);
        p /= y * y;
    }
    return lnderivative(k, y) + acc + T(0.5) * lnderivative(k + 1, y) - s;
}

using wide = long double;

// psi^(k)(x) in long double, the series from 20 on.
wide polygammawide(int k, double x) { return polygammaseries<wide>(k, x, 20); }

// The reflection of the polygamma functions to x < 0, for arguments the
// recurrence cannot step up from: psi^(k)(x) from psi^(k)(1 - x) and the
// k-th derivative of pi cot(pi x), with pi x reduced exactly.
// The terms cancel next to the zeros, so they are computed in long double.
double reflected(int k, double x)
{
    constexpr wide pi = piwide;
    wide upper = polygammawide(k, 1 - x);  // 1 - x is exact
    wide r = x - std::nearbyint(x);
    wide c = std::sin(pi * (0.5L - std::fabs(r))), s = std::sin(pi * r);  // c = 0 at r = 1/2
    wide cot = c / s, csc2 = 1 / (s * s);
    switch (k) {
    case 0: return double(upper - pi * cot);
    case 1: return double(pi * pi * csc2 - upper);
    case 2: return double(upper - 2 * pi * pi * pi * csc2 * cot);
    default: return double(2 * pi * pi * pi * pi * csc2 * (2 * cot * cot + csc2) - upper);
    }
}

const char* polygammaname(int k)
{
    static const char* const names[] = {"lngam", "psi", "psi1", "psi2", "psi3"};
    return names[k + 1];
}
}

double gammafn(double x)
{
    if (std::isnan(x)) {
        reportfuncerror(funcdomain, "gam", nullptr, 1, x);
        return 0.0;
    }
    if (x <= 0 && iswhole(x)) {
        reportfuncerror(funcsingular, "gam", nullptr, 1, x);
        return 0.0;
    }
    if (x > 167.920348883977) {
        reportfuncerror(funcoverflow, "gam", nullptr, 1, x);
        return std::numeric_limits<double>::infinity();
    }
    // Left of -184 |Gamma| is below half the least subnormal even next to
    // its poles: an underflow, which gives 0 silently.  From there to
    // -170.5 it is a subnormal, or next to a pole a tiny normal, double.
    if (x < -184)
        return 0.0;
    // Gamma(x) = core(x + n) / (x (x + 1) ... (x + n - 1)) or, above the
    // core's interval, core(x - n) (x - 1) ... (x - n).  The product is
    // kept exact and the rounding of x + i carried into it; the core's
    // argument is corrected to first order with psi(x) ~ ln(x - 1/2).
    exactproduct q;
    double result;
    if (x < 4.5) {
        // Two partial products: near -170 the whole one leaves the range.
        double n = std::ceil(4.5 - x);
        exactproduct q2;
        for (double i = 0; i < n; i++) {
            double f = x + i;
            (i < n / 2 ? q : q2).times(f, sumerror(x, i, f));
        }
        double xn = x + n;
        double c = core(xn) * (1 + sumerror(x, n, xn) * std::log(xn - 0.5));
        result = c / q2.hi / q.hi;  // q holds x, which may be tiny
        result -= result * (q.lo / q.hi + q2.lo / q2.hi);
    } else {
        double xn = x;
        for (; xn > 5.5; q.times(xn))
            xn -= 1;  // exact: the magnitude only decreases
        double c = core(xn);
        result = c * q.hi + c * q.lo;
    }
    // Next to 0 the pole leaves the double range.
    if (!std::isfinite(result))
        reportfuncerror(funcoverflow, "gam", nullptr, 1, x);
    return result;
}

double polygamma(int k, double x)
{
    if (!(x > 0 || (k >= 0 && !iswhole(x)))) {
        if (k < 0)
            reportfuncerror(functext, "lngam", "Arguments must be nonnegative !", 1, x);
        else
            reportfuncerror(funcsingular, polygammaname(k), nullptr, 1, x);
        return 0.0;
    }
    if (!std::isfinite(x)) {
        reportfuncerror(funcdomain, polygammaname(k), nullptr, 1, x);
        return 0.0;
    }
    // The recurrence steps x up one at a time: far left, reflect.
    if (x < -limits::polygammasteps)
        return reflected(k, x);
    if (k == -1 && x <= 167) {
        if (x < 0.5)
            return lngammaseries(x, 1) - std::log(x);
        if (x <= 1.5)
            return lngammaseries(x - 1, 1);
        if (x <= 3)
            return lngammaseries(x - 2, 0);
        return std::log(gammafn(x));
    }
    if (k == 0 && std::fabs(x - x0hi) < 0.2)
        return psinearroot(x);
    if (k == 0 && x < 2)
        return psiunit(x);
    if (k == 2 && x < 2)
        return psi2unit(x);
    double result = polygammaseries<double>(k, x, 11);
    if (k != -1)
        return result;
    result += 0.9189385332046727;
    if (!std::isfinite(result))
        reportfuncerror(funcoverflow, "lngam", nullptr, 1, x);
    return result;
}

double lnfactorial(double x)
{
    // The series about 1 and 2 take x and x - 1 (exact) for x + 1 - 1 and
    // x + 1 - 2: forming x + 1 would drop the low bits of x, all of a tiny x.
    if (x >= -0.5 && x <= 0.5)
        return lngammaseries(x, 1);
    if (x > 0.5 && x <= 2)
        return lngammaseries(x - 1, 0);
    return polygamma(-1, x + 1);
}

double harmonicsum(double x)
{
    if (std::fabs(x) <= 0.25)
        return harmonicseries(x);
    return polygamma(0, x + 1) + eulergamma;
}

double gammaderivative(int order, double x)
{
    double g = gammafn(x);
    // Where Gamma has a plain value (no error, no underflow), the products
    // and sums of the rounded factors are avoided: all in long double.
    if (std::isfinite(g) && g != 0) {
        wide p0 = std::fabs(x - x0hi) < 0.2 ? psinearroot<wide>(x) : polygammawide(0, x), sum = p0;
        if (order > 1) {
            wide p1 = polygammawide(1, x);
            sum = order == 2 ? p1 + p0 * p0 : polygammawide(2, x) + 3 * p1 * p0 + p0 * p0 * p0;
        }
        double result = double(std::tgamma(wide(x)) * sum);
        if (!std::isfinite(result)) {
            static const char* const names[] = {"gam1", "gam2", "gam3"};
            reportfuncerror(funcoverflow, names[order - 1], nullptr, 1, x);
        }
        return result;
    }
    double p0 = polygamma(0, x);
    if (order == 1)
        return p0 * g;
    double p1 = polygamma(1, x);
    if (order == 2)
        return g * (p1 + p0 * p0);
    return g * (polygamma(2, x) + 3 * p1 * p0 + p0 * p0 * p0);
}
