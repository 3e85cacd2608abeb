// Unary and binary tokens of the runtime math library, rounding and
// random numbers.
#include <cmath>

#include "formula/tokengroups.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "math/funcerror.h"
#include "math/mathlib.h"
#include "math/random.h"
#include "math/smallfuncs.h"
#include "math/sqrpart.h"

namespace {
using namespace builtin;

// Beyond this, x*x overflows; ln(2x) is then exact to the double.
constexpr double hugearg = 1e150;
constexpr double ln2 = 0.6931471805599453;

double cuberoot(double x)
{
    if (x == 0)
        return 0.0;
    return mathlib::cbrt(x);
}

// The logarithmic forms lose the digits of small results (ln of a number
// near 1): these use ln(1 + t) of the small part t instead.  Arguments
// outside the domain take the plain form, whose library calls report them.
double acsh(double x)
{
    if (!(x >= 1))
        return mathlib::log(x + mathlib::sqrt(x * x - 1));
    if (x > hugearg)
        return mathlib::log(x) + ln2;
    double t = x - 1;
    return std::log1p(t + std::sqrt(t * (2 + t)));
}

double asnh(double x)
{
    double s = x > 0 ? 1.0 : -1.0;
    double a = std::fabs(x);
    if (!(a <= hugearg))
        return s * (mathlib::log(a) + ln2);
    return s * std::log1p(a + a * a / (1 + std::sqrt(1 + a * a)));
}

double atnh(double x)
{
    double a = std::fabs(x);
    if (a == 1)
        return -0.5 * mathlib::log(0.0);  // the pole, reported as ln 0
    if (!(a < 1))
        return 0.5 * mathlib::log((1 + x) / (1 - x));
    double s = x > 0 ? 0.5 : -0.5;
    if (a < 0.5)
        return s * std::log1p(2 * a + 2 * a * a / (1 - a));
    return s * std::log1p(2 * a / (1 - a));
}

double absolute(double x) { return std::fabs(x); }
double rounddown(double x) { return std::floor(x); }
double roundup(double x) { return std::ceil(x); }

// ATAN2 takes x first: the angle of the point (a, b).
double angle(double a, double b) { return mathlib::atan2(b, a); }
// The library's recurrences take time in proportion to the order: orders
// beyond 16 bits are refused with a report.
bool besselorder(double a, double b, const char* name, int& n)
{
    double r = roundnear(a);
    if (!(std::fabs(r) <= 32767)) {
        reportfuncerror(std::isnan(r) ? funcdomain : funccapacity, name, nullptr, 2, a, b);
        return false;
    }
    n = int(r);
    return true;
}

double besseljn(double a, double b)
{
    int n;
    return besselorder(a, b, "Bjn", n) ? mathlib::jn(n, b) : 0.0;
}

double besselyn(double a, double b)
{
    int n;
    return besselorder(a, b, "Byn", n) ? mathlib::yn(n, b) : 0.0;
}

const handlerrow rows[] = {
    {tk::ABSOLUTE_VALUE, unaryhandler<absolute>},
    {tk::SQUARE_ROOT, unaryhandler<mathlib::sqrt>},
    {tk::CUBIC_ROOT, unaryhandler<cuberoot>},
    {tk::EXP, unaryhandler<mathlib::exp>},
    {tk::LN, unaryhandler<mathlib::log>},
    {tk::LOG, unaryhandler<mathlib::log10>},
    {tk::SIN, unaryhandler<mathlib::sin>},
    {tk::COS, unaryhandler<mathlib::cos>},
    {tk::TAN, unaryhandler<mathlib::tan>},
    {tk::ARCSIN, unaryhandler<mathlib::asin>},
    {tk::ARCCOS, unaryhandler<mathlib::acos>},
    {tk::ARCTAN, unaryhandler<mathlib::atan>},
    {tk::HYP_SIN, unaryhandler<mathlib::sinh>},
    {tk::HYP_COS, unaryhandler<mathlib::cosh>},
    {tk::HYP_TAN, unaryhandler<mathlib::tanh>},
    {tk::HYP_ARCCOS, unaryhandler<acsh>},
    {tk::HYP_ARCSIN, unaryhandler<asnh>},
    {tk::HYP_ARCTAN, unaryhandler<atnh>},
    {tk::BESSEL_J0, unaryhandler<mathlib::j0>},
    {tk::BESSEL_J1, unaryhandler<mathlib::j1>},
    {tk::BESSEL_Y0, unaryhandler<mathlib::y0>},
    {tk::BESSEL_Y1, unaryhandler<mathlib::y1>},
    {tk::TRUNCATE, unaryhandler<builtin::trunc>},
    {tk::ROUND_DOWN, unaryhandler<rounddown>},
    {tk::ROUND_UP, unaryhandler<roundup>},
    {tk::ROUND, unaryhandler<roundnear>},
    {tk::DECIMAL_PART, unaryhandler<frac>},
    {tk::SIGN, unaryhandler<sign>},
    {tk::RANDOM_NUMBER, unaryhandler<randomarg>},
    {tk::SQRPART, unaryhandler<sqrpart>},
    {tk::ATAN2, binaryhandler<angle>},
    {tk::BESSEL_JN, binaryhandler<besseljn>},
    {tk::BESSEL_YN, binaryhandler<besselyn>},
};
}

void registerelementary()
{
    registerrows(rows);
}
