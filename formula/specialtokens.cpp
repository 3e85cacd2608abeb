// Handlers of the special-function tokens: gamma and its relatives, zeta,
// elliptic integrals, distributions, cached number sequences, polynomial
// and trigonometric series, divisors and symmetric polynomials.
#include "formula/runtimeerror.h"
#include "formula/tokengroups.h"
#include "formula/tokenhandler.h"
#include "formula/tokens.h"
#include "math/combinatorics.h"
#include "math/elemspecial.h"
#include "math/elliptic.h"
#include "math/gamma.h"
#include "math/numtheory.h"
#include "math/seidel.h"
#include "math/series.h"
#include "math/smallfuncs.h"
#include "math/zeta.h"

namespace {
double factorial(double x) { return gammafn(x + 1); }
template <int order> double gammad(double x) { return gammaderivative(order, x); }
template <int k> double psi(double x) { return polygamma(k, x); }

// Four or five operands, one result.
template <double (*fn)(double, double, double, double)> void quadhandler(calcframe&)
{
    double* t = shared.top -= 3;
    *t = fn(t[0], t[1], t[2], t[3]);
}

template <double (*fn)(double, double, double, double, double)> void quinthandler(calcframe&)
{
    double* t = shared.top -= 4;
    *t = fn(t[0], t[1], t[2], t[3], t[4]);
}

// n arguments from the cell: x, then the coefficients; skip is the number
// of arguments that the routine's count leaves out besides x.
template <double (*fn)(double, int, const double*), int skip> void serieshandler(calcframe& f)
{
    int n = f.cur.take().argc;
    double* first = shared.top - n + 1;
    *first = fn(first[0], n - 1 - skip, first + 1);
    shared.top = first;
}

template <double (*fn)(double*, int)> void inplacelisthandler(calcframe& f)
{
    int n = f.cur.take().argc;
    double* first = shared.top - n + 1;
    *first = fn(first, n);
    shared.top = first;
}

double sumofpowers(double* values, int n) { return powersum(values, n - 1); }

// The convolutions need 3 (k + 1) work cells beyond the arguments.
template <double (*fn)(const double*, int)> void symmetrichandler(calcframe& f)
{
    int n = f.cur.take().argc;
    double* first = shared.top - n + 1;
    double k = builtin::trunc(first[0]);
    if (!(stackleft() >= n + 3 * (k + 1))) {
        if (shared.reportswitch > 0)
            reportstackspace("sympoly");
        shared.error = evalruntime;
        return;
    }
    *first = fn(first, n - 1);
    shared.top = first;
}

const handlerrow specialrows[] = {
    {tk::GAMMA, unaryhandler<gammafn>},
    {tk::FACTORIAL, unaryhandler<factorial>},
    {tk::GAMMA1, unaryhandler<gammad<1>>},
    {tk::GAMMA2, unaryhandler<gammad<2>>},
    {tk::GAMMA3, unaryhandler<gammad<3>>},
    {tk::PSI, unaryhandler<psi<0>>},
    {tk::PSI1, unaryhandler<psi<1>>},
    {tk::PSI2, unaryhandler<psi<2>>},
    {tk::PSI3, unaryhandler<psi<3>>},
    {tk::LNGAMMA, unaryhandler<psi<-1>>},
    {tk::LNFACTORIAL, unaryhandler<lnfactorial>},
    {tk::HARMONIC_SUM, unaryhandler<harmonicsum>},
    {tk::ERROR_INTEGRAL, unaryhandler<phi0>},
    {tk::ZETA, unaryhandler<zeta>},
    {tk::ZETAM1, unaryhandler<zetam1>},
    {tk::ELLIPTIC_K, unaryhandler<ellK>},
    {tk::LN1PX, unaryhandler<ln1px>},
    {tk::EXPM1, unaryhandler<em1>},
    {tk::TAN_DERIVATIVE, unaryhandler<Tangent>},
    {tk::EULER_NUMBER, unaryhandler<Eul>},
    {tk::BERNOULLI_NR, unaryhandler<Ber>},
    {tk::NCR, binaryhandler<ncr>},
    {tk::CHEBY_POL, binaryhandler<Tsch>},
    {tk::LEGENDRE_P, binaryhandler<Legendre>},
    {tk::REMAINDER, binaryhandler<mod>},
    {tk::ELLIPTIC_F, binaryhandler<ellF>},
    {tk::AR_GEO_MEAN, binaryhandler<argeo>},
    {tk::MATCH, binaryhandler<matchdigits16>},
    {tk::CUMUL_BINOMIAL, quadhandler<Binomial>},
    {tk::CUMUL_HGEO, quinthandler<Hgeo>},
    {tk::POLYNOMIAL, serieshandler<Poly, 0>},
    {tk::POWER_SERIES, serieshandler<Pser, 0>},
    {tk::CHEBY_SERIES, serieshandler<Tser, 1>},
    {tk::COSINE_SERIES, serieshandler<Cser, 0>},
    {tk::SINE_SERIES, serieshandler<Sser, 0>},
    {tk::TRIGON_SERIES, serieshandler<Fser, 0>},
    {tk::GGT, listhandler<ggt>},
    {tk::KGV, inplacelisthandler<kgv>},
    {tk::POWER_SUM, inplacelisthandler<sumofpowers>},
    {tk::SYMMETRIC_POL, symmetrichandler<sympoly>},
    {tk::LARGE_SYM_POL, symmetrichandler<sympoly2>},
};
}

void registerspecial()
{
    registerrows(specialrows);
}
