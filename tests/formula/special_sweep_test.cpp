// The built-in functions as the evaluator computes them, over sweeps of
// their whole domains against mpmath (refdata/gen_sweep.py and
// gen_distributions.py): every point within the bound its table states, in
// units in the last place.
#include <gtest/gtest.h>

#include <cstdio>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "refdata/reftable.h"

namespace {
const char* const sweeps[] = {
    "sqr", "exp", "ln", "log", "sin", "cos", "tan", "asn", "acs", "atn", "sinh", "cosh", "tanh",
    "acsh", "asnh", "atnh", "cur", "em1", "ln1px", "phi0", "gam", "fact", "lngam", "lnfac", "lnfacsmall", "psi",
    "harm", "psi1", "psi2", "psi3", "gam1", "gam2", "gam3", "ncr", "ncrfrac", "ncrlarge", "zeta", "zm1", "ellF", "ellK",
    "argeo", "Bj0", "Bj1", "By0", "By1", "Bj0zeros", "Bj1zeros", "By0zeros", "By1zeros", "Bjn", "Byn", "Tsch",
    "Legendre", "Binomial", "Hgeo",
};

class specialsweep : public testing::TestWithParam<const char*> {};

TEST_P(specialsweep, WithinStatedBound)
{
    sweeptable t = readsweep(VEMO_SOURCE_DIR "/tests/formula/refdata", GetParam());
    ASSERT_GE(t.in.size(), 100u);
    ASSERT_GT(t.bound, 0);
    parser p;
    shared.reportswitch = 0;
    globaldiagnostics().clear();
    ASSERT_NE(p.compile(t.formula.c_str(), t.letters.c_str(), 3), 0) << t.formula;
    std::vector<double> errors;
    double worst = 0;
    std::string worstat;
    for (size_t i = 0; i < t.in.size(); i++) {
        shared.error = evalok;
        double got = p.calcarray(t.in[i].data(), short(t.in[i].size()))[0];
        double e = shared.error == evalok ? ulperror(got, t.expected[i], t.floor) : INFINITY;
        errors.push_back(e);
        if (!(e <= worst)) {
            worst = e;
            worstat.clear();
            for (double x : t.in[i]) {
                char text[32];
                std::snprintf(text, sizeof text, "%.17g ", x);
                worstat += text;
            }
        }
    }
    std::printf("%-9s %5zu points, max %.3g ulp, median %.3g ulp\n", GetParam(), t.in.size(), worst,
                median(errors));
    EXPECT_LE(worst, t.bound) << t.formula << " at " << worstat;
}

INSTANTIATE_TEST_SUITE_P(sweeps, specialsweep, testing::ValuesIn(sweeps),
                         [](const auto& info) { return std::string(info.param); });
}
