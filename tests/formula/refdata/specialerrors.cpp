// Measures the maximum errors of the special functions over the mpmath
// reference tables, beside glibc's and GSL's where they have the function.
// A measuring program only: GSL is never linked into the program itself.
#include <gsl/gsl_cdf.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_sf.h>

#include <cmath>
#include <cstdio>
#include <functional>

#include "math/combinatorics.h"
#include "math/elemspecial.h"
#include "math/elliptic.h"
#include "math/gamma.h"
#include "math/seidel.h"
#include "math/series.h"
#include "math/zeta.h"
#include "formula/hooks.h"
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
}
