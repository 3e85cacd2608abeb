// Unary and binary tokens of the runtime math library, rounding and
// random numbers.
#include <cmath>

#include "math/mathlib.h"
#include "math/random.h"
#include "math/smallfuncs.h"
#include "formula/tokengroups.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "math/sqrpart.h"

namespace {
using namespace builtin;

// Beyond this, x*x overflows; ln(2x) is then exact to the double.
constexpr double hugearg = 1e150;
constexpr double ln2 = 0.6931471805599453;

double cuberoot(double x)
{
    return sign(x) * mathlib::pow(std::fabs(x), 0.3333333333333333);
}

double acsh(double x)
{
    if (x > hugearg)
        return mathlib::log(x) + ln2;
    return mathlib::log(x + mathlib::sqrt(x * x - 1));
}

double asnh(double x)
{
    double s = x > 0 ? 1.0 : -1.0;
    double a = std::fabs(x);
    if (a > hugearg)
        return s * (mathlib::log(a) + ln2);
    return s * mathlib::log(a + mathlib::sqrt(a * a + 1));
}

double atnh(double x)
{
    return 0.5 * mathlib::log((1 + x) / (1 - x));
}

double absolute(double x) { return std::fabs(x); }
double rounddown(double x) { return std::floor(x); }
double roundup(double x) { return std::ceil(x); }

// ATAN2 takes x first: the angle of the point (a, b).
double angle(double a, double b) { return mathlib::atan2(b, a); }
double besseljn(double a, double b) { return mathlib::jn(toint(roundnear(a), -32768, 32767), b); }
double besselyn(double a, double b) { return mathlib::yn(toint(roundnear(a), -32768, 32767), b); }

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
