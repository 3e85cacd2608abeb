#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <map>
#include <string>

#include "base/report.h"
#include "nlfixture.h"
#include "screen/linelist.h"

namespace {

const std::map<std::string, std::vector<double>> refs = {
#include "refdata/nlrefs.inc"
};

const double nan = std::numeric_limits<double>::quiet_NaN();

double rosenbrock(const double* x) { return 100 * std::pow(x[1] - x[0] * x[0], 2) + std::pow(1 - x[0], 2); }

double beale(const double* x)
{
    double a = 1.5 - x[0] + x[0] * x[1], b = 2.25 - x[0] + x[0] * x[1] * x[1],
           c = 2.625 - x[0] + x[0] * x[1] * x[1] * x[1];
    return a * a + b * b + c * c;
}

void powellresiduals(const double* x, double* r)
{
    r[0] = x[0] + 10 * x[1];
    r[1] = std::sqrt(5.0) * (x[2] - x[3]);
    r[2] = std::pow(x[1] - 2 * x[2], 2);
    r[3] = std::sqrt(10.0) * std::pow(x[0] - x[3], 2);
}

double powell(const double* x)
{
    double r[4];
    powellresiduals(x, r);
    return r[0] * r[0] + r[1] * r[1] + r[2] * r[2] + r[3] * r[3];
}

const double fitdata[8] = {2.01, 1.47, 1.11, 0.80, 0.61, 0.44, 0.33, 0.25};

void expfit(const double* x, double* r)
{
    for (int t = 0; t < 8; t++)
        r[t] = x[0] * std::exp(x[1] * t) - fitdata[t];
}

struct reportlists {
    linelist status, detail, verdict;
    std::string all() const
    {
        std::string s;
        for (const linelist* l : {&status, &detail, &verdict})
            for (int i = 1; i < l->count; i++)
                s += l->text(i);
        return s;
    }
};

struct mincase {
    const char* name;
    int n;
    objectivefn fn;
    std::vector<double> start;
    int sign;
    const char* ref;     // the optimum, or null for the origin
    double tolerance;
    int state;           // after the report
};

// Each run ends by itself in a state; the report then tells a clear
// optimum (state 1) from a point it cannot confirm.
TEST(NLminimizer, ReachesKnownOptima)
{
    const mincase cases[] = {
        {"rosenbrock", 2, rosenbrock, {-1.2, 1}, -1, "rosenbrock", 1e-6, nlsolved},
        {"beale", 2, beale, {1, 1}, -1, "beale", 1e-6, nlsolved},
        {"flatvalley", 2,
         [](const double* x) {
             return std::pow(x[0] + x[1] - 2, 2) + 1e-6 * std::pow(x[0] - x[1], 2) + 1e-6 * x[0];
         },
         {0, 0}, -1, "flatvalley", 1e-4, nlsolved},
        {"maximum", 2,
         [](const double* x) {
             return std::exp(-std::pow(x[0] - 1, 2) - std::pow(x[1] - 2, 2) + x[0] * x[1] / 10);
         },
         {0.5, 1.5}, +1, "maximum", 1e-6, nlsolved},
        // The Hessian is singular at the optimum: convergence is linear.
        {"powell", 4, powell, {3, -1, 0, 1}, -1, nullptr, 2e-3, nllittleprogress},
    };
    for (const mincase& c : cases) {
        SCOPED_TRACE(c.name);
        fnminimizer e(c.n, c.fn, c.sign);
        ASSERT_EQ(e.status, nlready);
        e.ini(c.start.data());
        int st = runengine(e);
        ASSERT_GT(st, 0);
        reportlists r;
        ASSERT_TRUE(e.report(&r.status, &r.detail, &r.verdict));
        EXPECT_EQ(e.state, c.state) << r.all();
        std::vector<double> want = c.ref ? refs.at(c.ref) : std::vector<double>(c.n, 0.0);
        std::vector<double> got = position(e);
        for (int i = 0; i < c.n; i++)
            EXPECT_NEAR(got[i], want[i], c.tolerance) << "x" << i + 1;
        if (c.sign > 0) {
            EXPECT_GT(e.value(), 0);   // the user's value, not the negated one
            EXPECT_NE(r.all().find("maximum"), std::string::npos) << r.all();
        }
    }
}

struct solcase {
    const char* name;
    int m, n;
    residualfn fn;
    std::vector<double> start;
    std::vector<double> want;
    double tolerance;
    int state;           // after the report
    const char* verdict; // a piece of the verdict
};

TEST(NLsolver, SolvesFitsAndRecognisesFailure)
{
    const solcase cases[] = {
        {"rosenbrock", 2, 2,
         [](const double* x, double* r) {
             r[0] = 10 * (x[1] - x[0] * x[0]);
             r[1] = 1 - x[0];
         },
         {-1.2, 1}, {1, 1}, 1e-10, nlnoprogress, "has been solved"},
        {"expfit", 8, 2, expfit, {1, 0}, refs.at("expfit"), 1e-8, nlnoprogress,
         "local best approximation"},
        // Both residuals depend on x + y only: the minimum-norm steps stay
        // on the line through the start along (1, 1).
        {"rankdeficient", 2, 2,
         [](const double* x, double* r) {
             r[0] = std::exp(x[0] + x[1]) - std::exp(2.0);
             r[1] = x[0] + x[1] - 2;
         },
         {0.3, 0.2}, {1.05, 0.95}, 1e-9, nlnoprogress, ""},
        // Inconsistent: the least-squares point is (1, 1).
        {"inconsistent", 3, 2,
         [](const double* x, double* r) {
             r[0] = x[0] + x[1] - 1;
             r[1] = x[0] + x[1] - 3;
             r[2] = x[0] - x[1];
         },
         {0, 0}, {1, 1}, 1e-10, nlnoprogress, "local best approximation"},
        // Singular Jacobian at the root.
        {"powell", 4, 4, powellresiduals, {3, -1, 0, 1}, {0, 0, 0, 0}, 1e-3, nlnoprogress, ""},
    };
    for (const solcase& c : cases) {
        SCOPED_TRACE(c.name);
        fnsolver e(c.m, c.n, c.fn);
        ASSERT_EQ(e.status, nlready);
        e.setstart(c.start.data());
        int st = runengine(e);
        ASSERT_GT(st, 0);
        reportlists r;
        ASSERT_TRUE(e.report(&r.status, &r.detail, &r.verdict));
        EXPECT_EQ(e.state, c.state) << r.all();
        EXPECT_NE(r.all().find(c.verdict), std::string::npos) << r.all();
        std::vector<double> got = position(e);
        for (int i = 0; i < c.n; i++)
            EXPECT_NEAR(got[i], c.want[i], c.tolerance) << "x" << i + 1;
    }
}

// A system without a root whose residuals shrink towards infinity: the
// run ends by itself, heading away.
TEST(NLsolver, NoRootEndsInAState)
{
    fnsolver e(2, 2, [](const double* x, double* r) {
        r[0] = std::exp(x[0]) + 1;
        r[1] = x[1];
    });
    std::vector<double> start{0, 0};
    e.setstart(start.data());
    int st = runengine(e);
    EXPECT_GT(st, 0);
    reportlists r;
    EXPECT_TRUE(e.report(&r.status, &r.detail, &r.verdict));
    EXPECT_NE(e.state, nlsolved) << r.all();
}

// Non-finite values and singular derivatives end the run in a state with
// its report, never in a loop.
TEST(NLminimizer, NonFiniteAndSingularEndInAState)
{
    struct badcase {
        const char* name;
        objectivefn fn;
        std::vector<double> start;
        int state;
    };
    const badcase cases[] = {
        {"nan at start", [](const double*) { return nan; }, {1, 1}, nldomain},
        {"infinite", [](const double*) { return HUGE_VAL; }, {1, 1}, nldomain},
        // Finite values whose differences overflow.
        {"overflowing differences",
         [](const double* x) { return 1e308 * std::sin(1e3 * x[0]) + x[1]; }, {1, 1}, nldomain},
        // Defined for x >= 0 only; the optimum lies beyond the border.
        {"domain border",
         [](const double* x) { return x[0] < 0 ? nan : std::pow(x[0] + 1, 2) + x[1] * x[1]; },
         {1, 1}, nldomain},
        // A line of minima: the Hessian is singular everywhere.
        {"singular hessian", [](const double* x) { return std::pow(x[0] - x[1], 2); }, {1, 3}, nlnoprogress},
        // Unbounded below, ever faster.
        {"unbounded", [](const double* x) { return x[0] * x[0] + x[1] * x[1] * x[1]; }, {1, 1},
         nlunbounded},
        // Unbounded below, ever slower.
        {"runaway", [](const double* x) { return -std::log(1 + x[0] * x[0] + x[1] * x[1]); }, {1, 1},
         nlrunaway},
    };
    for (const badcase& c : cases) {
        SCOPED_TRACE(c.name);
        fnminimizer e(2, c.fn);
        e.ini(c.start.data());
        EXPECT_EQ(runengine(e), c.state);
        reportlists r;
        EXPECT_TRUE(e.report(&r.status, &r.detail, &r.verdict));
        EXPECT_FALSE(r.status.isempty());
    }
}

TEST(NLsolver, NonFiniteAndSingularEndInAState)
{
    struct badcase {
        const char* name;
        residualfn fn;
        int state;          // of the run
        const char* text;   // of the report, which may decide anew
    };
    const badcase cases[] = {
        // Failing everywhere: the report keeps the domain error.
        {"nan", [](const double*, double* r) { r[0] = r[1] = nan; }, nldomain, "Domain error"},
        {"infinite", [](const double*, double* r) { r[0] = r[1] = HUGE_VAL; }, nldomain, "Domain error"},
        // The start is a root: the report tells that the target was hit.
        {"overflowing jacobian",
         [](const double* x, double* r) {
             r[0] = 1e308 * std::sin(1e6 * x[0]);
             r[1] = x[1];
         },
         nldomain, "No further progress"},
        // The Jacobian at the start is 0: rank 0, a zero step.
        {"zero jacobian",
         [](const double* x, double* r) { r[0] = r[1] = 1 + x[0] * x[0] + x[1] * x[1]; },
         nlnoprogress, "No further progress"},
    };
    for (const badcase& c : cases) {
        SCOPED_TRACE(c.name);
        fnsolver e(2, 2, c.fn);
        std::vector<double> start{0, 0};
        e.setstart(start.data());
        EXPECT_EQ(runengine(e), c.state);
        reportlists r;
        EXPECT_TRUE(e.report(&r.status, &r.detail, &r.verdict));
        EXPECT_NE(r.status.isempty() ? std::string::npos : std::string(r.status.text(1)).find(c.text),
                  std::string::npos)
            << r.all();
    }
}

TEST(NLengines, StepBeforeIniIsUnexpected)
{
    clearrecordedreports();
    fnminimizer mi(2, rosenbrock);
    EXPECT_EQ(mi.singlestep(), nlunexpected);
    fnsolver so(1, 1, [](const double* x, double* r) { r[0] = x[0]; });
    EXPECT_EQ(so.singlestep(), nlunexpected);
    ASSERT_EQ(recordedreports().size(), 2u);
    EXPECT_NE(recordedreports()[0].text.find("NLminimizer::singlestep called without calling ini()"),
              std::string::npos);
    EXPECT_NE(recordedreports()[1].text.find("NLsolver::singlestep"), std::string::npos);
    reportlists r;
    EXPECT_TRUE(mi.report(&r.status, &r.detail, &r.verdict));
    EXPECT_STREQ(r.status.text(1), "Termination condition 7 encountered:  Unexpected error");
}

}  // namespace
