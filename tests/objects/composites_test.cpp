// Finite sums and two-formula objects: read from their records, evaluated
// alone and from formulas, written back byte for byte, refused where their
// components do not fit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>

#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "objects/context.h"
#include "objects/fuconditional.h"
#include "objects/fufinitsum.h"
#include "objects/libfile.h"
#include "objects/slotcomp.h"
#include "screen/menustate.h"
#include "tests/objects/compositerecords.h"
#include "tests/objects/libfixture.h"

namespace {

using namespace compositerecords;

const std::string kindrecords =
    finitsum("tri", "n", 'k', "1", "n", "1", "k") + finitsum("squares", "", 'k', "1", "100", "1", "k^2") +
    finitsum("down", "", 'k', "10", "1", "-3", "k") + finitsum("none", "", 'k', "1", "0", "1", "k") +
    finitsum("geo", "xn", 'j', "0", "n", "1", "x^j") + finitsum("lns", "", 'k', "1", "9", "1", "ln(5-k)") +
    finitsum("still", "", 'k', "1", "9", "1-1", "k") + finitsum("endless", "e", 'k', "1", "e", "1", "1/k^2") +
    finitsum("stuck", "", 'k', "1e17", "1e17+64", "1", "1") +
    conditional("pick", "x", "x", "10+x", "20+x") + conditional("pair", "x", "x-1", "x, 2*x", "-x, 0") +
    conditional("bytwo", "x", "x", "tri(x)", "geo(2,x)");

struct compositekinds : compositelibrary {
    void SetUp() override
    {
        compositelibrary::SetUp();
        start(kindrecords);
    }
    double value(const char* text)
    {
        parser p;
        return evalexpression(p, text, false);
    }
};

// The caller's array holds exactly the arguments; the word behind it must
// survive an evaluation that puts the index behind the arguments.
struct guarded {
    double args[2];
    double guard = 1234.5;
};

TEST_F(compositekinds, FiniteSumsAgainstClosedForms)
{
    ASSERT_EQ(context->count, 12);
    struct row {
        const char* name;
        double a, b, expected;
    } rows[] = {
        {"tri", 100, 0, 5050},
        {"tri", 0, 0, 0},
        {"squares", 0, 0, 100.0 * 101 * 201 / 6},
        {"down", 0, 0, 10 + 7 + 4 + 1},
        {"none", 0, 0, 0},
        {"geo", 0.5, 20, (1 - std::pow(0.5, 21)) / 0.5},
        {"geo", 3, 10, (std::pow(3.0, 11) - 1) / 2},
    };
    for (const row& w : rows) {
        fufinitsum* f = find<fufinitsum>(w.name);
        ASSERT_TRUE(f) << w.name;
        guarded g{{w.a, w.b}};
        shared.error = 0;
        EXPECT_DOUBLE_EQ(f->tcalc(g.args), w.expected) << w.name << "(" << w.a << ")";
        EXPECT_EQ(shared.error, 0) << w.name;
        EXPECT_EQ(g.guard, 1234.5) << w.name;
    }
    // Called by name from formulas, also inside another object.
    EXPECT_DOUBLE_EQ(value("tri(10)+squares"), 55 + 338350);
    EXPECT_DOUBLE_EQ(value("bytwo(4)"), 10);
    EXPECT_DOUBLE_EQ(value("bytwo(0)"), 1);
}

TEST_F(compositekinds, TwoFormulaObjectPicksByCondition)
{
    fuconditional* f = find<fuconditional>("pick");
    ASSERT_TRUE(f);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct row {
        double x, expected;
    } rows[] = {{0.0, 20}, {-0.0, 20}, {-3, 7}, {2, 12}, {1e-300, 10}};
    for (const row& w : rows) {
        double x = w.x;
        EXPECT_EQ(f->tcalc(&x), w.expected) << w.x;
    }
    double x = nan;
    EXPECT_TRUE(std::isnan(f->tcalc(&x)));   // formula 2 of NaN: the NaN chose it
    // Both values of the chosen formula.
    fuconditional* pair = find<fuconditional>("pair");
    ASSERT_EQ(pair->countvalues(), 2);
    double three = 3, one = 1;
    double* v = pair->mcalc(&three);
    EXPECT_EQ(v[0], 3);
    EXPECT_EQ(v[1], 6);
    v = pair->mcalc(&one);
    EXPECT_EQ(v[0], -1);
    EXPECT_EQ(v[1], 0);
    EXPECT_EQ(value("pick(5)+pick(0)"), 15 + 20);
}

TEST_F(compositekinds, RecordsRoundTripByteForByte)
{
    ASSERT_TRUE(writelib(at("copy.lib"), *context, true));
    EXPECT_EQ(get("copy.lib"), kindrecords);
    for (const char* name : {"geo", "pair"}) {
        fu1* f = find<fu1>(name);
        std::unique_ptr<fu1> twin(f->clone());
        ASSERT_TRUE(twin && !twin->failed);
        std::ostringstream a, b;
        f->save(a);
        twin->save(b);
        EXPECT_EQ(a.str(), b.str());
    }
    double args[] = {0.5, 6};
    std::unique_ptr<fu1> twin(find<fu1>("geo")->clone());
    EXPECT_EQ(twin->tcalc(args), find<fu1>("geo")->tcalc(args));
}

// "@FORMULA", the older key of a kind's first component, reads as that
// component and is written back as it stood.
TEST_F(compositekinds, OlderKeyOfTheFirstComponent)
{
    std::string older = conditional("old", "x", "x", "1", "2");
    older.replace(older.find("@CONDITION"), 10, "@FORMULA");
    std::string sum = finitsum("oldsum", "n", 'k', "1", "n", "1", "k");
    sum.replace(sum.find("@SUMMAND"), 8, "@FORMULA");
    put("OLD.LIB", older + sum);
    chain list;
    ASSERT_EQ(readlib(at("OLD.LIB"), list), 2);
    double x = 0, n = 4;
    EXPECT_EQ(static_cast<fu1*>(list.head)->tcalc(&x), 2);
    EXPECT_EQ(static_cast<fu1*>(list.head->next)->tcalc(&n), 10);
    ASSERT_TRUE(writelib(at("NEW.LIB"), list, true));
    EXPECT_EQ(get("NEW.LIB"), older + sum);
}

// A term that fails ends the sum with the terms before it; a step that
// would never reach the stop is an error at once.
TEST_F(compositekinds, EvaluationErrorsOfFiniteSums)
{
    shared.reportswitch = 8;
    shared.error = 0;
    fufinitsum* lns = find<fufinitsum>("lns");
    EXPECT_DOUBLE_EQ(lns->tcalc(nullptr), std::log(24.0));
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(sink.count("Runtime Error during finite Summation"), 1);
    EXPECT_EQ(sink.count("while the index was at 5 "), 1);
    shared.error = 0;
    EXPECT_EQ(find<fufinitsum>("still")->tcalc(nullptr), 0.0);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(sink.count("the step is 0:"), 1);
    // A stop that the index cannot count to: an error at once, with no
    // term evaluated; one below the start: no term, no error.
    for (double stop : {0x1p53 + 2, 1e18, double(INFINITY), -double(INFINITY)}) {
        shared.error = 0;
        double e = stop;
        EXPECT_EQ(find<fufinitsum>("endless")->tcalc(&e), 0.0) << stop;
        EXPECT_EQ(shared.error, stop > 0 ? evalruntime : evalok) << stop;
    }
    // An index that the step no longer advances: the one term, then the
    // error.
    shared.error = 0;
    EXPECT_EQ(find<fufinitsum>("stuck")->tcalc(nullptr), 1.0);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(sink.count("it would never reach its end"), 4);
    // A STOP request ends the sum silently.
    shared.error = 0;
    menus().abortflag = true;
    double n = 100;
    EXPECT_EQ(find<fufinitsum>("tri")->tcalc(&n), 0.0);
    menus().abortflag = false;
    EXPECT_EQ(sink.count("Runtime Error during finite Summation"), 6);
    // Without reports the error byte is all there is.
    shared.reportswitch = 0;
    shared.error = 0;
    find<fufinitsum>("still")->tcalc(nullptr);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(sink.count("Runtime Error during finite Summation"), 6);
}

TEST_F(compositekinds, ImplementationRefusesWhatDoesNotFit)
{
    struct row {
        std::string record;
        int code;
        int nvalues;
    } rows[] = {
        // The index is an argument; a limit uses the index.
        {finitsum("clash", "k", 'k', "1", "9", "1", "k"), 46, 1},
        {finitsum("usesk", "", 'k', "k", "9", "1", "k"), 36, 1},
        {finitsum("twostep", "", 'k', "1", "9", "1,2", "k", 0), 34, 0},
        // A condition of two values; formulas of different counts.
        {conditional("twocond", "x", "x,1", "1", "2", 0), 34, 0},
        {conditional("mixed", "x", "x", "1", "1,2", 0), 37, 0},
    };
    for (const row& w : rows) {
        put("BAD.LIB", w.record);
        chain list;
        ASSERT_EQ(readlib(at("BAD.LIB"), list), 1) << w.record;
        fu1* f = static_cast<fu1*>(list.head);
        EXPECT_FALSE(f->implement(1, 0)) << w.record;
        ASSERT_TRUE(f->diag);
        EXPECT_EQ(f->diag->code, w.code) << w.record;
        EXPECT_EQ(f->nvalues, w.nvalues) << w.record;
        // Called anyway: error byte 2 and 0.
        double args[2] = {1, 1};
        shared.error = 0;
        EXPECT_EQ(f->tcalc(args), 0.0);
        EXPECT_EQ(shared.error, evalinternal);
        list.clear();
    }
    // An index the term does not use is only a warning.
    put("BAD.LIB", finitsum("const", "", 'k', "1", "3", "1", "2"));
    chain list;
    readlib(at("BAD.LIB"), list);
    fu1* f = static_cast<fu1*>(list.head);
    EXPECT_TRUE(f->implement(1, 0));
    EXPECT_EQ(f->diag->code, 56);
    shared.error = 0;
    EXPECT_EQ(f->tcalc(nullptr), 6.0);
    list.clear();
}

// Records that cannot be read whole stay as they stand and are written
// back unchanged, with a message.
TEST_F(compositekinds, RecordsNotReadWholeAreKept)
{
    std::string good = finitsum("tri", "n", 'k', "1", "n", "1", "k");
    std::string missing = good;
    missing.erase(missing.find("@INCREMENT\n1\n"), 13);
    std::string unknown = good;
    unknown.insert(unknown.find("@SUMMAND"), "@NOSUCHKEY\n");
    std::string noindex = good;
    noindex.replace(noindex.find("@SUMVAR\nk"), 9, "@SUMVAR\n ");
    std::string toomany = finitsum("many", std::string(53, 'a').c_str(), 'k', "1", "2", "1", "k");
    std::string cond = conditional("pick", "x", "x", "1", "2");
    std::string nocond = cond;
    nocond.erase(nocond.find("@CONDITION\nx\n"), 13);
    for (const std::string& bad : {missing, unknown, noindex, toomany, nocond}) {
        std::string file = cond + bad + good;
        put("KEEP.LIB", file);
        chain list;
        libraryread rest;
        sink.seen.clear();
        EXPECT_EQ(readlib(at("KEEP.LIB"), list, &rest), 2) << bad;
        EXPECT_EQ(sink.count("could not be read"), 1) << bad;
        ASSERT_EQ(rest.unread.size(), 1u);
        EXPECT_EQ(rest.unread[0].text, bad);
        ASSERT_TRUE(writelib(at("OUT.LIB"), list, true, savemode::copy, &rest));
        EXPECT_EQ(get("OUT.LIB"), file) << bad;
        list.clear();
    }
}

// Objects that call themselves: a recursion that ends gives its value;
// one deeper than the call levels allow gives the evaluator's error.
TEST_F(compositekinds, RecursionEndsOrHitsTheCallLevelLimit)
{
    put("DESKTOP.LIB", conditional("fact", "n", "n", "n*fact(n-1)", "1") + finitsum("self", "n", 'k', "1", "2", "1", "self(n+k)") +
                           conditional("deep", "n", "n", "deep(n-1)+1", "0"));
    freecontext();
    first.reset();
    open();
    EXPECT_EQ(value("fact(10)"), 3628800);
    EXPECT_EQ(shared.error, 0);
    EXPECT_EQ(value("deep(90)"), 90);
    for (const char* text : {"deep(500)", "self(1)"}) {
        value(text);
        EXPECT_EQ(shared.error, evalruntime) << text;
        EXPECT_EQ(shared.errorcode, errcalllevel) << text;
    }
}

}  // namespace
