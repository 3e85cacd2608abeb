#include "formula/mathlib.h"

#include <cerrno>
#include <cfenv>
#include <cmath>

namespace {
// What errno and the floating-point flags say about the call just made;
// 0 when it went well.
int failure(double result)
{
    int err = errno;
    int flags = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW | FE_UNDERFLOW);
    if (err == EDOM || (flags & FE_INVALID))
        return mathdomain;
    if (flags & FE_DIVBYZERO)
        return mathsingular;
    if (flags & FE_OVERFLOW)
        return mathoverflow;
    // Tiny but normal results raise the flag too when inexact; only a
    // result that left the normal range counts.
    if ((flags & FE_UNDERFLOW) && std::fpclassify(result) != FP_NORMAL)
        return mathunderflow;
    return 0;
}

void clear()
{
    errno = 0;
    std::feclearexcept(FE_ALL_EXCEPT);
}

// Keeps the compiler from moving the call across the flag handling.
template <class T> inline void fence(T& v)
{
    asm volatile("" : "+m"(v));
}

double checked(const char* name, double x, double y, double result)
{
    int type = failure(result);
    if (!type)
        return result;
    mathexception e{type, name, x, y, result};
    matherr(&e);
    return e.retval;
}

template <double (*f)(double)> double call1(const char* name, double x)
{
    clear();
    fence(x);
    double r = f(x);
    fence(r);
    return checked(name, x, 0.0, r);
}

template <double (*f)(double, double)> double call2(const char* name, double x, double y)
{
    clear();
    fence(x);
    double r = f(x, y);
    fence(r);
    return checked(name, x, y, r);
}

template <double (*f)(int, double)> double calln(const char* name, int n, double x)
{
    clear();
    fence(x);
    double r = f(n, x);
    fence(r);
    return checked(name, n, x, r);
}

double sqrtfn(double x) { return std::sqrt(x); }
double expfn(double x) { return std::exp(x); }
double logfn(double x) { return std::log(x); }
double log10fn(double x) { return std::log10(x); }
double powfn(double x, double y) { return std::pow(x, y); }
double sinfn(double x) { return std::sin(x); }
double cosfn(double x) { return std::cos(x); }
double tanfn(double x) { return std::tan(x); }
double asinfn(double x) { return std::asin(x); }
double acosfn(double x) { return std::acos(x); }
double atanfn(double x) { return std::atan(x); }
double atan2fn(double y, double x) { return std::atan2(y, x); }
double sinhfn(double x) { return std::sinh(x); }
double coshfn(double x) { return std::cosh(x); }
double tanhfn(double x) { return std::tanh(x); }
double j0fn(double x) { return ::j0(x); }
double j1fn(double x) { return ::j1(x); }
double jnfn(int n, double x) { return ::jn(n, x); }
double y0fn(double x) { return ::y0(x); }
double y1fn(double x) { return ::y1(x); }
double ynfn(int n, double x) { return ::yn(n, x); }
}

namespace mathlib {
double sqrt(double x) { return call1<sqrtfn>("sqrt", x); }
double exp(double x) { return call1<expfn>("exp", x); }
double log(double x) { return call1<logfn>("log", x); }
double log10(double x) { return call1<log10fn>("log10", x); }
double pow(double x, double y) { return call2<powfn>("pow", x, y); }
double sin(double x) { return call1<sinfn>("sin", x); }
double cos(double x) { return call1<cosfn>("cos", x); }
double tan(double x) { return call1<tanfn>("tan", x); }
double asin(double x) { return call1<asinfn>("asin", x); }
double acos(double x) { return call1<acosfn>("acos", x); }
double atan(double x) { return call1<atanfn>("atan", x); }
double atan2(double y, double x) { return call2<atan2fn>("atan2", y, x); }
double sinh(double x) { return call1<sinhfn>("sinh", x); }
double cosh(double x) { return call1<coshfn>("cosh", x); }
double tanh(double x) { return call1<tanhfn>("tanh", x); }
double j0(double x) { return call1<j0fn>("j0", x); }
double j1(double x) { return call1<j1fn>("j1", x); }
double jn(int n, double x) { return calln<jnfn>("jn", n, x); }
double y0(double x) { return call1<y0fn>("y0", x); }
double y1(double x) { return call1<y1fn>("y1", x); }
double yn(int n, double x) { return calln<ynfn>("yn", n, x); }
}
