#include "math/mathlib.h"
#include "math/besselzero.h"
#include "math/smallpower.h"

#include <cerrno>
#include <cfloat>
#include <cfenv>
#include <cmath>

#if defined(__SSE2__)
#include <xmmintrin.h>
#endif

namespace {
// The floating-point exception flags.  On x86-64 the library computes in
// SSE registers, so MXCSR holds the ones that matter.
#if defined(__SSE2__)
constexpr unsigned invalid = 0x01, divbyzero = 0x04, overflow = 0x08, underflow = 0x10;

inline unsigned readflags()
{
    return _mm_getcsr();
}

inline void clearflags()
{
    unsigned csr = _mm_getcsr();
    if (csr & (invalid | divbyzero | overflow | underflow))
        _mm_setcsr(csr & ~(invalid | divbyzero | overflow | underflow));
}
#else
constexpr unsigned invalid = FE_INVALID, divbyzero = FE_DIVBYZERO, overflow = FE_OVERFLOW,
                   underflow = FE_UNDERFLOW;

inline unsigned readflags()
{
    return unsigned(std::fetestexcept(FE_ALL_EXCEPT));
}

inline void clearflags()
{
    std::feclearexcept(FE_ALL_EXCEPT);
}
#endif

// What errno and the floating-point flags say about the call just made;
// 0 when it went well.
int failure(double result)
{
    int err = errno;
    unsigned flags = readflags();
    // A NaN argument passes through quietly, without errno or flag: it is
    // reported as a domain error like any other call that gives no number.
    if (err == EDOM || (flags & invalid) || std::isnan(result))
        return mathdomain;
    if (flags & divbyzero)
        return mathsingular;
    if (flags & overflow)
        return mathoverflow;
    // Tiny but normal results raise the flag too when inexact; only a
    // result that left the normal range counts.
    if ((flags & underflow) && std::fpclassify(result) != FP_NORMAL)
        return mathunderflow;
    return 0;
}

void clear()
{
    errno = 0;
    clearflags();
}

// Keeps the compiler from moving the call across the flag handling.
template <class T> inline void fence(T& v)
{
    asm volatile("" : "+m"(v));
}

// Anything but a plain result is rare: the call is made again with clean
// errno and flags (the functions are pure) to find out what went wrong.
template <class Call> [[gnu::noinline]] double checked(const char* name, double x, double y, Call call)
{
    clear();
    fence(x);
    fence(y);
    double r = call(x, y);
    fence(r);
    int type = failure(r);
    if (!type)
        return r;
    mathexception e{type, name, x, y, r};
    matherr(&e);
    return e.retval;
}

template <class Call> inline double guarded(const char* name, double x, double y, Call call)
{
    double r = call(x, y);
    if (mathlib::plain(r)) [[likely]]
        return r;
    return checked(name, x, y, call);
}

// The Bessel functions may end in a zero without an errno: for them an
// errno that stays 0 rules out a failure as before.
template <class Call> double guardederrno(const char* name, double x, double y, Call call)
{
    errno = 0;
    double r = call(x, y);
    if (errno == 0 && (r == 0.0 || mathlib::plain(r)))
        return r;
    return checked(name, x, y, call);
}

template <double (*f)(double)> double call1(const char* name, double x)
{
    return guarded(name, x, 0.0, [](double a, double) { return f(a); });
}

template <double (*f)(double, double)> double call2(const char* name, double x, double y)
{
    return guarded(name, x, y, [](double a, double b) { return f(a, b); });
}

template <double (*f)(double)> double bessel1(const char* name, double x)
{
    return guardederrno(name, x, 0.0, [](double a, double) { return f(a); });
}

template <double (*f)(int, double)> double calln(const char* name, int n, double x)
{
    return guardederrno(name, n, x, [](double a, double b) { return f(int(a), b); });
}

double sqrtfn(double x) { return std::sqrt(x); }
double expfn(double x) { return std::exp(x); }
double logfn(double x) { return std::log(x); }
double log10fn(double x) { return std::log10(x); }
double cbrtfn(double x) { return std::cbrt(x); }
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
// Next to their first zeros the library's J0, J1, Y0, Y1 lose the
// relative accuracy: there the series about the zero.
template <besselkind kind, double (*f)(double)> double nearzero(double x)
{
    double r;
    return besselnearzero(kind, x, r) ? r : f(x);
}
double j0fn(double x) { return nearzero<besselkind::J0, ::j0>(x); }
double j1fn(double x) { return nearzero<besselkind::J1, ::j1>(x); }
double jnfn(int n, double x) { return ::jn(n, x); }
double y0fn(double x) { return nearzero<besselkind::Y0, ::y0>(x); }
double y1fn(double x) { return nearzero<besselkind::Y1, ::y1>(x); }
double ynfn(int n, double x) { return ::yn(n, x); }
}

namespace mathlib {
double sqrt(double x) { return call1<sqrtfn>("sqrt", x); }
double exp(double x) { return call1<expfn>("exp", x); }
double log(double x) { return call1<logfn>("log", x); }
double log10(double x) { return call1<log10fn>("log10", x); }
double cbrt(double x) { return call1<cbrtfn>("cbrt", x); }
double powguarded(double x, double y)
{
    return call2<powfn>("pow", x, y);
}
double pow(double x, double y)
{
    double r;
    return smallpower(x, y, r) ? r : powguarded(x, y);
}
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
double j0(double x) { return bessel1<j0fn>("j0", x); }
double j1(double x) { return bessel1<j1fn>("j1", x); }
double jn(int n, double x) { return calln<jnfn>("jn", n, x); }
double y0(double x) { return bessel1<y0fn>("y0", x); }
double y1(double x) { return bessel1<y1fn>("y1", x); }
double yn(int n, double x) { return calln<ynfn>("yn", n, x); }
}
