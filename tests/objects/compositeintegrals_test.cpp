// Parameter integrals: values against mpmath's (tests/objects/refdata/
// parin.txt), integrands that call other composite objects, the
// integrator's settings from formulas, precision missed, records.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "objects/context.h"
#include "objects/fuparin.h"
#include "objects/libfile.h"
#include "objects/romberg.h"
#include "objects/slotcomp.h"
#include "tests/objects/compositerecords.h"
#include "tests/objects/libfixture.h"

namespace {

using namespace compositerecords;

const std::string library =
    parin("expa", "a", 'x', "0", "1", "exp(a*x)") + parin("gauss", "b", 'x', "0", "b", "exp(-x*x)") +
    parin("besj", "nz", 't', "0", "pi", "cos(n*t-z*sin(t))/pi") + parin("arct", "", 'x', "0", "1", "1/(1+x^2)") +
    finitsum("poly", "x", 'k', "0", "4", "1", "x^k") + conditional("cc", "ax", "a", "exp(x)", "cos(x)") +
    parin("nested", "a", 'x', "0", "1", "poly(x)+cc(a,x)") +
    parin("rough", "", 'x', "0", "1", "x^0.5", "12", "64") + parin("wide", "", 'x', "0", "1", "x^2", "20", "1000");

struct reference {
    std::string name;
    std::vector<double> args;
    double value;
};

std::vector<reference> references()
{
    std::vector<reference> all;
    std::ifstream in(VEMO_SOURCE_DIR "/tests/objects/refdata/parin.txt");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        reference r;
        std::string args, value;
        std::getline(fields, r.name, '|');
        std::getline(fields, args, '|');
        std::getline(fields, value);
        std::istringstream list(args);
        for (std::string a; std::getline(list, a, ',');)
            r.args.push_back(std::stod(a));
        r.value = std::stod(value);
        all.push_back(r);
    }
    return all;
}

struct integrals : compositelibrary {
    void SetUp() override
    {
        compositelibrary::SetUp();
        start(library);
    }
    fuparin* find(const char* name) { return compositelibrary::find<fuparin>(name); }
};

TEST_F(integrals, ValuesAgainstMpmath)
{
    std::vector<reference> all = references();
    ASSERT_EQ(all.size(), 12u);
    for (const reference& r : all) {
        fuparin* f = find(r.name.c_str());
        ASSERT_TRUE(f) << r.name;
        // Exactly the arguments: the parameter goes into a copy.
        std::vector<double> args = r.args;
        args.push_back(1234.5);
        shared.error = 0;
        double v = f->tcalc(args.data());
        EXPECT_EQ(shared.error, 0) << r.name;
        EXPECT_NEAR(v, r.value, 1e-12 * std::max(1.0, std::fabs(r.value))) << r.name;
        EXPECT_EQ(args.back(), 1234.5) << r.name;
    }
    // From a formula, an integral in the limit of another.
    parser p;
    EXPECT_NEAR(evalexpression(p, "expa(1)+gauss(arct*4/pi)", false), 1.718281828459045 + 0.746824132812427, 1e-12);
}

// Maximum iterations 64 are too few for the square root's 12 digits: the
// approximation, error byte 3 and the report; a precision of 20 is out of
// range and leaves the integrator at its setting.
TEST_F(integrals, SettingsFromTheirFormulas)
{
    shared.reportswitch = 3;
    shared.error = 0;
    fuparin* rough = find("rough");
    double v = rough->tcalc(nullptr);
    EXPECT_EQ(shared.error, 3);
    EXPECT_NEAR(v, 2.0 / 3, 1e-4);
    EXPECT_EQ(sink.count("Romberg integration failed to reach requested precision."), 1);
    EXPECT_EQ(sink.count(" Calculation aborted "), 1);
    EXPECT_EQ(pow2(rough->integrator->levels()), 64u);
    shared.error = 0;
    fuparin* wide = find("wide");
    EXPECT_NEAR(wide->tcalc(nullptr), 1.0 / 3, 1e-15);
    EXPECT_EQ(shared.error, 0);
    EXPECT_EQ(wide->integrator->digits, 12.0);
    EXPECT_EQ(pow2(wide->integrator->levels()), 512u);
}

// Maximum iterations below 1 or beyond any 32-bit integer saturate
// instead of wrapping.
TEST_F(integrals, MaximumIterationsSaturate)
{
    struct row {
        const char* maxiter;
        uint32_t block;
    } rows[] = {{"1000", 512}, {"-5", 1}, {"1e300", 1u << 30}, {"2.9", 2}};
    for (const row& w : rows) {
        put("ONE.LIB", parin("one", "", 'x', "0", "1", "x", "12", w.maxiter));
        chain list;
        ASSERT_EQ(readlib(at("ONE.LIB"), list), 1) << w.maxiter;
        fuparin* f = static_cast<fuparin*>(list.head);
        shared.error = 0;
        f->tcalc(nullptr);
        EXPECT_EQ(pow2(f->integrator->levels()), w.block) << w.maxiter;
        list.clear();
    }
}

// The integrand function outside an integration is an evaluation error.
TEST_F(integrals, IntegrandOutsideAnIntegration)
{
    fuparin* f = find("expa");
    ASSERT_TRUE(f->implement(1, 0));
    shared.error = 0;
    EXPECT_EQ(f->calcx(0.5), 0.0);
    EXPECT_EQ(shared.error, evalinternal);
    shared.error = 0;
}

TEST_F(integrals, ImplementationAndRecords)
{
    ASSERT_TRUE(writelib(at("copy.lib"), *context, true));
    EXPECT_EQ(get("copy.lib"), library);
    struct row {
        std::string record;
        int code;
    } rows[] = {
        {parin("clash", "x", 'x', "0", "1", "x"), 45},
        {parin("limit", "", 'x', "0", "x", "x"), 35},
        {parin("two", "", 'x', "0", "1,2", "x", "12", "1000", 0), 34},
        {parin("flat", "", 'x', "0", "1", "2"), 55},
    };
    for (const row& w : rows) {
        put("BAD.LIB", w.record);
        chain list;
        ASSERT_EQ(readlib(at("BAD.LIB"), list), 1) << w.record;
        fu1* f = static_cast<fu1*>(list.head);
        EXPECT_EQ(f->implement(1, 0), w.code == 55) << w.record;
        EXPECT_EQ(f->diag->code, w.code) << w.record;
        list.clear();
    }
    // Without its maximum iterations a record is incomplete: kept as it
    // stands.
    std::string incomplete = parin("part", "", 'x', "0", "1", "x");
    incomplete.erase(incomplete.find("@MAXITER\n1000\n"), 14);
    put("PART.LIB", incomplete);
    chain list;
    libraryread rest;
    EXPECT_EQ(readlib(at("PART.LIB"), list, &rest), 0);
    ASSERT_EQ(rest.unread.size(), 1u);
    EXPECT_EQ(rest.unread[0].text, incomplete);
}

// An integrand that calls its own integral again integrates with an
// integrator of its own; endless self-reference ends at the call levels.
TEST_F(integrals, IntegralsInsideThemselves)
{
    put("DESKTOP.LIB", parin("inner", "a", 'x', "0", "1", "a*x") + conditional("twice", "a", "a", "outer(a-1)", "1") +
                           parin("outer", "a", 't', "0", "1", "twice(a)*t*2") +
                           parin("endless", "a", 'x', "0", "1", "endless(x)"));
    freecontext();
    first.reset();
    open();
    parser p;
    // outer(2) = integral of outer(1)*2t = outer(1) = integral of outer(0)*2t = 1.
    EXPECT_NEAR(evalexpression(p, "outer(2)", false), 1.0, 1e-13);
    evalexpression(p, "endless(1)", false);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(shared.errorcode, errcalllevel);
}

}  // namespace
