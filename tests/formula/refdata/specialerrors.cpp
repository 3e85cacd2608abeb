// Measures the maximum errors of the special functions over the mpmath
// reference tables, beside glibc's and GSL's where they have the function.
// A measuring program only: GSL is never linked into the program itself.
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_math.h>
#include <gsl/gsl_sf.h>

#include <cmath>
#include <cstdio>
#include <functional>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/start.h"
#include "math/combinatorics.h"
#include "math/elemspecial.h"
#include "math/elliptic.h"
#include "math/gamma.h"
#include "math/seidel.h"
#include "math/series.h"
#include "math/zeta.h"
#include "refdata/reftable.h"

namespace {
using args = const std::vector<double>&;
using fn = std::function<double(args)>;

struct row {
    const char* name;
    double floor;
    fn ours, glibc, gsl;
};

bool whole(args x)
{
    for (double v : x)
        if (v != std::floor(v) || v < 0)
            return false;
    return true;
}

double hgeocdf(double k, double bign, double m, double n)
{
    return k < 0 ? 0 : gsl_cdf_hypergeometric_P(unsigned(k), unsigned(m), unsigned(bign - m), unsigned(n));
}

const row rows[] = {
    {"gamma", 0, [](args x) { return gammafn(x[0]); }, [](args x) { return std::tgamma(x[0]); },
     [](args x) { return gsl_sf_gamma(x[0]); }},
    {"lngam", 1, [](args x) { return polygamma(-1, x[0]); }, [](args x) { return std::lgamma(x[0]); },
     [](args x) { return gsl_sf_lngamma(x[0]); }},
    {"psi", 1, [](args x) { return polygamma(0, x[0]); }, nullptr, [](args x) { return gsl_sf_psi(x[0]); }},
    {"psi1", 0, [](args x) { return polygamma(1, x[0]); }, nullptr, [](args x) { return gsl_sf_psi_1(x[0]); }},
    {"psi2", 1e-3, [](args x) { return polygamma(2, x[0]); }, nullptr,
     [](args x) { return gsl_sf_psi_n(2, x[0]); }},
    {"psi3", 0, [](args x) { return polygamma(3, x[0]); }, nullptr,
     [](args x) { return gsl_sf_psi_n(3, x[0]); }},
    {"zeta", 1e-3, [](args x) { return zeta(x[0]); }, nullptr, [](args x) { return gsl_sf_zeta(x[0]); }},
    {"zm1", 1e-3, [](args x) { return zetam1(x[0]); }, nullptr, [](args x) { return gsl_sf_zetam1(x[0]); }},
    {"ellF", 0, [](args x) { return ellF(x[0], x[1]); }, nullptr,
     [](args x) { return gsl_sf_ellint_F(x[1], x[0], GSL_PREC_DOUBLE); }},
    {"ellK", 0, [](args x) { return ellK(x[0]); }, nullptr,
     [](args x) { return gsl_sf_ellint_Kcomp(x[0], GSL_PREC_DOUBLE); }},
    {"argeo", 0, [](args x) { return argeo(x[0], x[1]); }, nullptr, nullptr},
    {"phi0", 1e-3, [](args x) { return phi0(x[0]); }, [](args x) { return std::erf(x[0] * M_SQRT1_2) / 2; },
     [](args x) { return gsl_sf_erf(x[0] * M_SQRT1_2) / 2; }},
    {"em1", 0, [](args x) { return em1(x[0]); }, [](args x) { return std::expm1(x[0]); },
     [](args x) { return gsl_sf_expm1(x[0]); }},
    {"ln1px", 0, [](args x) { return ln1px(x[0]); }, [](args x) { return std::log1p(x[0]); },
     [](args x) { return gsl_sf_log_1plusx(x[0]); }},
    {"Tsch", 1, [](args x) { return Tsch(x[0], x[1]); }, nullptr, nullptr},
    {"Legendre", 1, [](args x) { return Legendre(x[0], x[1]); }, nullptr,
     [](args x) { return gsl_sf_legendre_Pl(int(x[1]), x[0]); }},
    {"ncr", 0, [](args x) { return ncr(x[0], x[1]); }, nullptr,
     [](args x) { return whole(x) ? gsl_sf_choose(unsigned(x[0]), unsigned(x[1])) : NAN; }},
    {"Binomial", 1e-10, [](args x) { return Binomial(x[0], x[1], x[2], x[3]); }, nullptr,
     [](args x) {
         double below = x[2] < 1 ? 0 : gsl_cdf_binomial_P(unsigned(x[2] - 1), x[1], unsigned(x[0]));
         return gsl_cdf_binomial_P(unsigned(x[3]), x[1], unsigned(x[0])) - below;
     }},
    {"Hgeo", 1e-10, [](args x) { return Hgeo(x[0], x[1], x[2], x[3], x[4]); }, nullptr,
     [](args x) { return hgeocdf(x[4], x[0], x[1], x[2]) - hgeocdf(x[3] - 1, x[0], x[1], x[2]); }},
    {"Ber", 0, [](args x) { return Ber(x[0]); }, nullptr, nullptr},
    {"Eul", 0, [](args x) { return Eul(x[0]); }, nullptr, nullptr},
    {"Tangent", 0, [](args x) { return Tangent(x[0]); }, nullptr, nullptr},
};

// Cases where the library gives no number are left out of its maximum and
// counted.
void column(const std::vector<refcase>& cases, double floor, const fn& f)
{
    if (!f) {
        std::printf(" %22s", "-");
        return;
    }
    std::vector<refcase> kept;
    for (const refcase& c : cases)
        if (std::isfinite(f(c.in)))
            kept.push_back(c);
    errorstat s = measure(kept, floor, f);
    char skipped[16] = "";
    if (kept.size() < cases.size())
        std::snprintf(skipped, sizeof skipped, " (-%zu)", cases.size() - kept.size());
    std::printf(" %14.2e%8s", s.worst, skipped);
}
}

namespace {
// The sweeps (refdata/sweep) as the evaluator computes them, beside GSL's
// function on the same points where GSL has one.
struct sweeprow {
    const char* name;
    fn gsl;
};

double gslwhole(args x, double (*f)(unsigned, unsigned))
{
    return whole(x) ? f(unsigned(x[0]), unsigned(x[1])) : NAN;
}

const sweeprow sweeps[] = {
    {"sqr", nullptr}, {"exp", [](args x) { return gsl_sf_exp(x[0]); }},
    {"ln", [](args x) { return gsl_sf_log(x[0]); }}, {"log", nullptr},
    {"sin", [](args x) { return gsl_sf_sin(x[0]); }}, {"cos", [](args x) { return gsl_sf_cos(x[0]); }},
    {"tan", nullptr}, {"asn", nullptr}, {"acs", nullptr}, {"atn", nullptr},
    {"sinh", nullptr}, {"cosh", nullptr}, {"tanh", nullptr},
    {"acsh", [](args x) { return gsl_acosh(x[0]); }}, {"asnh", [](args x) { return gsl_asinh(x[0]); }},
    {"atnh", [](args x) { return gsl_atanh(x[0]); }}, {"cur", nullptr},
    {"em1", [](args x) { return gsl_sf_expm1(x[0]); }}, {"ln1px", [](args x) { return gsl_sf_log_1plusx(x[0]); }},
    {"phi0", [](args x) { return gsl_sf_erf(x[0] * M_SQRT1_2) / 2; }},
    {"gam", [](args x) { return gsl_sf_gamma(x[0]); }}, {"fact", [](args x) { return gsl_sf_gamma(x[0] + 1); }},
    {"lngam", [](args x) { return gsl_sf_lngamma(x[0]); }},
    {"lnfac", [](args x) { return gsl_sf_lngamma(x[0] + 1); }},
    {"lnfacsmall", [](args x) { return gsl_sf_lngamma(x[0] + 1); }},
    {"psi", [](args x) { return gsl_sf_psi(x[0]); }},
    {"harm", [](args x) { return gsl_sf_psi(x[0] + 1) + M_EULER; }},
    {"psi1", [](args x) { return gsl_sf_psi_1(x[0]); }}, {"psi2", [](args x) { return gsl_sf_psi_n(2, x[0]); }},
    {"psi3", [](args x) { return gsl_sf_psi_n(3, x[0]); }},
    {"gam1", nullptr}, {"gam2", nullptr}, {"gam3", nullptr},
    {"ncr", [](args x) { return gslwhole(x, gsl_sf_choose); }}, {"ncrfrac", nullptr}, {"ncrlarge", nullptr},
    {"zeta", [](args x) { return gsl_sf_zeta(x[0]); }}, {"zm1", [](args x) { return gsl_sf_zetam1(x[0]); }},
    {"ellF", [](args x) { return gsl_sf_ellint_F(x[1], x[0], GSL_PREC_DOUBLE); }},
    {"ellK", [](args x) { return gsl_sf_ellint_Kcomp(x[0], GSL_PREC_DOUBLE); }}, {"argeo", nullptr},
    {"Bj0", [](args x) { return gsl_sf_bessel_J0(x[0]); }}, {"Bj1", [](args x) { return gsl_sf_bessel_J1(x[0]); }},
    {"By0", [](args x) { return gsl_sf_bessel_Y0(x[0]); }}, {"By1", [](args x) { return gsl_sf_bessel_Y1(x[0]); }},
    {"Bj0zeros", [](args x) { return gsl_sf_bessel_J0(x[0]); }},
    {"Bj1zeros", [](args x) { return gsl_sf_bessel_J1(x[0]); }},
    {"By0zeros", [](args x) { return gsl_sf_bessel_Y0(x[0]); }},
    {"By1zeros", [](args x) { return gsl_sf_bessel_Y1(x[0]); }},
    {"Bjn", [](args x) { return gsl_sf_bessel_Jn(int(x[0]), x[1]); }},
    {"Byn", [](args x) { return gsl_sf_bessel_Yn(int(x[0]), x[1]); }},
    {"Tsch", nullptr},
    {"Legendre", [](args x) { return std::fabs(x[0]) <= 1 ? gsl_sf_legendre_Pl(int(x[1]), x[0]) : NAN; }},
};

struct ulpstat {
    double worst = 0, mid = 0;
    size_t skipped = 0;
};

template <class F> ulpstat ulps(const sweeptable& t, F f)
{
    ulpstat s;
    std::vector<double> errors;
    for (size_t i = 0; i < t.in.size(); i++) {
        double got = f(t.in[i]);
        if (!std::isfinite(got)) {
            s.skipped++;
            continue;
        }
        errors.push_back(ulperror(got, t.expected[i], t.floor));
        s.worst = std::max(s.worst, errors.back());
    }
    s.mid = median(errors);
    return s;
}

void sweeptables()
{
    std::printf("\n%-9s %6s %6s %10s %10s %10s %10s\n", "function", "points", "bound", "max ulp", "median",
                "GSL max", "GSL median");
    parser p;
    shared.reportswitch = 0;
    for (const sweeprow& r : sweeps) {
        sweeptable t = readsweep(VEMO_SOURCE_DIR "/tests/formula/refdata", r.name);
        globaldiagnostics().clear();
        p.compile(t.formula.c_str(), t.letters.c_str(), 3);
        ulpstat ours = ulps(t, [&](args x) {
            shared.error = evalok;
            double v = p.calcarray(const_cast<double*>(x.data()), short(x.size()))[0];
            return shared.error == evalok ? v : NAN;
        });
        std::printf("%-9s %6zu %6g %10.3g %10.3g", r.name, t.in.size(), t.bound, ours.worst, ours.mid);
        if (ours.skipped)
            std::printf(" (%zu errors)", ours.skipped);
        if (r.gsl) {
            ulpstat gsl = ulps(t, r.gsl);
            std::printf(" %10.3g %10.3g", gsl.worst, gsl.mid);
            if (gsl.skipped)
                std::printf(" (-%zu)", gsl.skipped);
        }
        std::printf("\n");
    }
}
}

int main()
{
    startformula();
    gsl_set_error_handler_off();
    std::printf("%-9s %6s %22s %22s %22s\n", "function", "cases", "ours", "glibc", "GSL");
    for (const row& r : rows) {
        auto cases = readreftable(VEMO_SOURCE_DIR "/tests/formula/refdata", r.name);
        std::printf("%-9s %6zu", r.name, cases.size());
        column(cases, r.floor, r.ours);
        column(cases, r.floor, r.glibc);
        column(cases, r.floor, r.gsl);
        std::printf("\n");
    }
    sweeptables();
}
