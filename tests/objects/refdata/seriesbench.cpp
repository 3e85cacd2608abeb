// Digits and terms of the accelerated sums of the test series beside GSL's
// Levin u-transform and mpmath's nsum (series.txt).  A measuring program,
// built when GSL is installed; not part of VEMO.
#include <gsl/gsl_errno.h>
#include <gsl/gsl_sum.h>

#include <cstdio>
#include <vector>

#include "math/seraccel.h"
#include "objects/hooks.h"
#include "objects/sumrecord.h"
#include "objects/sumrun.h"
#include "series.h"

namespace {
struct levin {
    double value;
    double digits;
    size_t terms;
};

// The first n signed terms given to the Levin u-transform; the smallest n
// that reaches the best digits of n up to 100.
levin bylevin(const testseries::series& s, double ref)
{
    levin best{0, -1, 0};
    for (size_t n = 2; n <= 100; n++) {
        std::vector<double> terms(n);
        for (size_t k = 0; k < n; k++)
            terms[k] = s.signedterm(s.first + double(k));
        gsl_sum_levin_u_workspace* w = gsl_sum_levin_u_alloc(n);
        double sum = 0, err = 0;
        gsl_sum_levin_u_accel(terms.data(), n, w, &sum, &err);
        gsl_sum_levin_u_free(w);
        double d = testseries::digits(sum, ref);
        if (d > best.digits + 0.05)
            best = {sum, d, n};
    }
    return best;
}
}

int main()
{
    startobjects();
    gsl_set_error_handler_off();
    auto refs = testseries::references(VEMO_SOURCE_DIR "/tests/objects/refdata/series.txt");
    std::printf("%-10s %-5s | %-22s %6s %7s | %6s %7s | %6s %7s\n", "series", "type", "sumrun", "digits", "terms",
                "levin", "terms", "nsum", "terms");
    for (const testseries::series& s : testseries::all) {
        const testseries::reference& ref = refs[s.name];
        sumrecord r;
        r.mode = s.mode;
        r.first = s.first;
        r.rot = s.rot;
        r.reset();
        seraccel a;
        testseries::counted f(s.term);
        int code = sumrun(&f, &r, &a);
        levin l = bylevin(s, ref.value);
        std::printf("%-10s %-5c | %-22.17g %6.1f %7ld | %6.1f %7zu | %6.1f %7ld%s\n", s.name, s.mode, r.result.re,
                    testseries::digits(r.result.re, ref.value), f.calls, l.digits, l.terms, ref.nsumdigits,
                    ref.nsumterms, code == sumcomplete ? "" : "  (not converged)");
    }
}
