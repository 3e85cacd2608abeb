// The Runge-Kutta function read from library records: the harmonic
// oscillator against cos and sin, the returned derivative level, runtime
// initial values, calls from formulas and its record.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

#include "calculator/furk.h"
#include "calculator/rk.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "math/valtable.h"
#include "objects/context.h"
#include "objects/libfile.h"
#include "objects/slotcomp.h"
#include "screen/menustate.h"
#include "tests/objects/kindfixture.h"

namespace {

// The record of a function of args whose system is given by its order,
// values, formula and start values (none: runtime initial values given by
// initial).
std::string rkfunction(const char* name, const char* args, int nvalues, int order, int dim, const char* formula,
                       const char* start, const char* initial = nullptr, int returnorder = 0)
{
    std::ostringstream r;
    r << "@@FURK\n" << name << '\n' << std::strlen(args) << '\n' << nvalues << "\n@DATA\n@ARGS\n" << args << '\n';
    if (returnorder)
        r << "@RETURNORDER\n" << returnorder << '\n';
    if (initial)
        r << "@INIVALSFURK\n" << initial << '\n';
    r << "@RKITERATOR\n@ORDER\n" << order << "\n@DIM\n" << dim << "\n@IV\nt\n@FORMULA\n" << formula << '\n';
    if (start)
        r << "@INIVALSCONST\n" << start;
    r << "@END RKITERATOR\n@@END FURK\n";
    return r.str();
}

// sin t and cos t as a first-order system of two values.
const std::string oscillator = rkfunction("osc", "t", 2, 1, 2, "f.2, -f.1", "0\n0\n1\n");
// cos t as a second-order equation of one value.
const std::string cosine = rkfunction("cosine", "t", 1, 2, 1, "-f.1", "0\n1\n0\n");
// cos t and sin 2t; their first derivatives returned.
const std::string pair = rkfunction("pair", "t", 2, 2, 2, "-f.1, -4*f.2", "0\n1\n0\n0\n2\n", nullptr, 1);
// a sin t and a cos t: the amplitude sets the initial values at each call.
const std::string wave = rkfunction("wave", "ta", 2, 1, 2, "f.2, -f.1", nullptr, "0, 0, a");

struct rkfunctions : kindfixture<furk> {
};

constexpr double tolerance = 1e-11;

}  // namespace

TEST_F(rkfunctions, HarmonicOscillatorMatchesCosAndSin)
{
    put("DESKTOP.LIB", oscillator + cosine);
    open();
    furk* osc = find("osc");
    furk* cos1 = find("cosine");
    ASSERT_TRUE(osc && cos1);
    EXPECT_EQ(osc->nvalues, 2);
    // Forward, backward, and back again from the points the table keeps.
    for (double t : {0.5, 1.0, 2.0, 5.0, -3.0, 0.25, 10.0}) {
        double* v = osc->mcalc(&t);
        ASSERT_EQ(shared.error, 0) << t;
        EXPECT_NEAR(v[0], std::sin(t), tolerance) << t;
        EXPECT_NEAR(v[1], std::cos(t), tolerance) << t;
        double arg = t;
        EXPECT_NEAR(osc->tcalc(&arg), std::sin(t), tolerance) << t;
        EXPECT_NEAR(cos1->tcalc(&arg), std::cos(t), tolerance) << t;
    }
}

// One value and all values start at the same place of the state vector,
// also with several values and a derivative level above 0.
TEST_F(rkfunctions, ReturnedDerivativeLevel)
{
    put("DESKTOP.LIB", pair);
    open();
    furk* f = find("pair");
    ASSERT_TRUE(f);
    ASSERT_EQ(f->returnorder, 1);
    for (double t : {0.3, 1.7}) {
        double* v = f->mcalc(&t);
        EXPECT_NEAR(v[0], -std::sin(t), tolerance);
        EXPECT_NEAR(v[1], 2 * std::cos(2 * t), tolerance);
        EXPECT_NEAR(f->tcalc(&t), -std::sin(t), tolerance);
    }
    // All levels: cos t, sin 2t, then their derivatives.
    f->returnorder = 2;
    clearimplemented(f);
    EXPECT_EQ(f->countvalues(), 4);
    double t = 0.9;
    double* v = f->mcalc(&t);
    EXPECT_NEAR(v[0], std::cos(t), tolerance);
    EXPECT_NEAR(v[1], std::sin(2 * t), tolerance);
    EXPECT_NEAR(v[3], 2 * std::cos(2 * t), tolerance);
    EXPECT_NEAR(f->tcalc(&t), std::cos(t), tolerance);
}

TEST_F(rkfunctions, RuntimeInitialValuesFollowTheArguments)
{
    put("DESKTOP.LIB", wave);
    open();
    furk* f = find("wave");
    ASSERT_TRUE(f);
    EXPECT_EQ(f->runtime, 1);
    for (double a : {1.0, 3.0, -2.0, 3.0}) {
        for (double t : {1.0, 2.5}) {
            double args[2] = {t, a};
            double* v = f->mcalc(args);
            ASSERT_EQ(shared.error, 0);
            EXPECT_NEAR(v[0], a * std::sin(t), tolerance * 3) << a << " " << t;
            EXPECT_NEAR(v[1], a * std::cos(t), tolerance * 3) << a << " " << t;
        }
    }
}

TEST_F(rkfunctions, CalledFromFormulas)
{
    put("DESKTOP.LIB", oscillator + cosine + wave);
    open();
    parser p;
    ASSERT_NE(p.compile("cosine(x)^2 + sin(x)^2 + cosine(2*x)", "x", 1), 0);
    for (double x : {0.2, 1.1, 4.0}) {
        double arg = x;
        EXPECT_NEAR(p.calc(&arg), 1 + std::cos(2 * x), 1e-10) << x;
        EXPECT_EQ(shared.error, 0);
    }
    parser q;
    ASSERT_NE(q.compile("osc#2(x)", "x", 1), 0);
    double arg = 0.7;
    q.calc(&arg);
    EXPECT_NEAR(shared.result[0], std::sin(0.7), tolerance);
    EXPECT_NEAR(shared.result[1], std::cos(0.7), tolerance);
    parser r;
    ASSERT_NE(r.compile("wave#2(x, 3)", "x", 1), 0);
    r.calc(&arg);
    EXPECT_NEAR(shared.result[0], 3 * std::sin(0.7), 3 * tolerance);
    EXPECT_NEAR(shared.result[1], 3 * std::cos(0.7), 3 * tolerance);
}

// STOP during a function's run: the question names the function and the
// call level before the step and parameter; "y" restricts the domain.
TEST_F(rkfunctions, StopQuestionNamesTheFunction)
{
    put("DESKTOP.LIB", oscillator);
    open();
    furk* osc = find("osc");
    ASSERT_TRUE(osc);
    // STOP confirmed after the third step.
    osc->solver->callback = [](RK& rk, const double*) { menus().abortflag = rk.stepcount == 3; };
    sink.keys = {'y'};
    double t = 1000;
    osc->mcalc(&t);
    menus().abortflag = false;
    ASSERT_EQ(sink.seen.size(), 1u);
    const std::string& text = sink.seen[0].text;
    EXPECT_EQ(text.rfind("\n User break received while busy in \"osc\" \n\r at call level ", 0), 0u) << text;
    EXPECT_NE(text.find("Runge-Kutta procedure interrupted during step 4 (ascending)"), std::string::npos) << text;
    EXPECT_TRUE(osc->table->upperon);
    EXPECT_EQ(osc->table->upperlimit, osc->solver->yy[0]);
}

TEST_F(rkfunctions, RecordsRoundTripAndCopiesAgree)
{
    const std::string all = oscillator + pair + wave;
    put("DESKTOP.LIB", all);
    open();
    ASSERT_TRUE(find("osc") && find("pair") && find("wave"));
    ASSERT_TRUE(writelib(at("copy.lib"), *context, true));
    EXPECT_EQ(get("copy.lib"), all);
    for (const char* name : {"osc", "pair", "wave"}) {
        std::unique_ptr<fu1> twin(find(name)->clone());
        ASSERT_TRUE(twin && !twin->failed) << name;
        std::ostringstream a, b;
        find(name)->save(a);
        twin->save(b);
        EXPECT_EQ(a.str(), b.str()) << name;
        double args[2] = {1.5, 2};
        EXPECT_EQ(twin->tcalc(args), find(name)->tcalc(args)) << name;
    }
}

// Bad and incomplete records are kept as they stand and reported.
TEST_F(rkfunctions, BadRecordsAreKept)
{
    std::string badorder = oscillator;
    badorder.replace(badorder.find("@ORDER\n1"), 8, "@ORDER\n13");
    std::string unknown = oscillator;
    unknown.replace(unknown.find("@ARGS"), 5, "@ARGZ");
    std::string cut = oscillator.substr(0, oscillator.find("@@END FURK"));
    std::string noinitial = rkfunction("osc", "t", 2, 1, 2, "f.2, -f.1", nullptr);
    for (const std::string& bad : {badorder, unknown, noinitial, cut}) {
        sink.seen.clear();
        put("DESKTOP.LIB", cosine + bad);
        open();
        EXPECT_TRUE(find("cosine"));
        EXPECT_FALSE(find("osc")) << bad;
        EXPECT_EQ(sink.count("could not be read"), 1) << bad;
        ASSERT_TRUE(savecontext());
        EXPECT_EQ(get("DESKTOP.LIB"), cosine + bad);
        slotcomp::dropspare();
        freecontext();
        first.reset();
    }
}

TEST_F(rkfunctions, IndependentVariableMustBeAnArgument)
{
    put("DESKTOP.LIB", oscillator);
    open();
    furk* f = find("osc");
    ASSERT_TRUE(f);
    std::strcpy(f->argletters, "s");
    clearimplemented(f);
    EXPECT_FALSE(f->implement(2, 0));
    EXPECT_EQ(f->diag->code, 71);
    double t = 1;
    EXPECT_EQ(f->tcalc(&t), 0.0);
    EXPECT_EQ(shared.error, evalinternal);
}

// Editing on copies, undone, discarded and kept, with a static variable of
// the equation in the object's own store.
TEST_F(rkfunctions, EditTransaction)
{
    put("DESKTOP.LIB", rkfunction("spin", "t", 2, 1, 2, "#static k; k = 1; f.2*k, -f.1*k", "0\n0\n1\n"));
    open();
    furk* f = find("spin");
    ASSERT_TRUE(f);
    double t = 1;
    EXPECT_NEAR(f->tcalc(&t), std::sin(1.0), tolerance);
    ASSERT_TRUE(f->ownvars);
    ASSERT_TRUE(f->beginedit());
    f->solver->setformula("#static k; k = 2; f.2*k, -f.1*k");
    EXPECT_NEAR(f->tcalc(&t), std::sin(2.0), tolerance);
    f->restoreedit(0);   // undo all, editing goes on
    EXPECT_NEAR(f->tcalc(&t), std::sin(1.0), tolerance);
    f->table->startvector[2] = 2;
    f->restoreedit(1);   // discarded
    EXPECT_NEAR(f->tcalc(&t), std::sin(1.0), tolerance);
    ASSERT_TRUE(f->beginedit());
    f->table->startvector[2] = 3;
    f->table->reset();
    ASSERT_TRUE(f->commitedit());
    EXPECT_NEAR(f->tcalc(&t), 3 * std::sin(1.0), 3 * tolerance);
}
