// The recursion object read from library records: its loop, its limit,
// its record and its edit transaction.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <sstream>
#include <string>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "objects/context.h"
#include "objects/furekur.h"
#include "objects/libfile.h"
#include "objects/slotcomp.h"
#include "screen/menustate.h"
#include "tests/objects/kindfixture.h"

namespace {

std::string recursion(const char* name, const char* args, int nvalues, const char* ini, const char* whilepart,
                      const char* body, const char* untilpart, const char* eval, const char* itermax)
{
    std::ostringstream r;
    r << "@@FUREKUR\n" << name << '\n' << std::strlen(args) << '\n' << nvalues << "\n@DATA\n@ARGS\n" << args
      << "\n@INI\n" << ini << "\n@WHILE\n" << whilepart << "\n@BODY\n" << body << "\n@UNTIL\n" << untilpart
      << "\n@EVAL\n" << eval << "\n@ITERMAX\n" << itermax << "\n@@END FUREKUR\n";
    return r.str();
}

// Newton's method for the square root of a, counting its iterations.
const std::string newton = recursion("root", "a", 1, "#static x; x = a", "1", "x = (x + a/x)/2",
                                     "LE(abs(x*x - a), 1e-15*a)", "x", "100");

struct recursions : kindfixture<furekur> {
    furekur* load(const std::string& records, const char* name)
    {
        put("DESKTOP.LIB", records);
        open();
        return find(name);
    }
};

}  // namespace

TEST_F(recursions, NewtonsMethodGivesTheSquareRoot)
{
    furekur* f = load(newton, "root");
    ASSERT_TRUE(f);
    for (double a : {2.0, 10.0, 0.25, 1e6}) {
        double v = f->tcalc(&a);
        EXPECT_EQ(shared.error, 0) << a;
        EXPECT_NEAR(v, std::sqrt(a), 2e-16 * std::sqrt(a)) << a;
    }
}

// The evaluation part recalls the iteration count; the loop's edge cases
// by its conditions and limit.
TEST_F(recursions, IterationCountAndConditions)
{
    struct row {
        const char *whilepart, *untilpart, *eval, *itermax;
        double arg, expected;
        unsigned char error;
    } rows[] = {
        {"0", "0", "rcl", "0", 5, 0, 0},                  // no iteration, the body never runs
        {"1", "1", "rcl", "0", 5, 1, 0},                  // the until condition ends the first
        {"LT(n, a)", "0", "rcl", "0", 5, 5, 0},              // head test only
        {"1", "GE(n, a)", "n", "0", 7, 7, 0},               // foot test only
        {"1", "0", "rcl", "3", 5, 0, 3},                  // limit 3 exceeded: error byte 3
        {"1", "GE(n, a)", "rcl", "2.9", 2, 2, 0},           // limit 2.9 is 2
        {"1", "GE(n, a)", "rcl", "2.9", 3, 0, 3},
        {"1", "ln(n - 3)", "n", "0", 9, 0, 1},            // a runtime error in the loop
    };
    std::string records;
    for (size_t i = 0; i < std::size(rows); i++) {
        std::string name = "r" + std::to_string(i);
        const row& w = rows[i];
        records += recursion(name.c_str(), "a", 1, "#static n; n = 0", w.whilepart, "n = n + 1", w.untilpart, w.eval,
                             w.itermax);
    }
    put("DESKTOP.LIB", records);
    open();
    for (size_t i = 0; i < std::size(rows); i++) {
        const row& w = rows[i];
        std::string name = "r" + std::to_string(i);
        furekur* f = find(name.c_str());
        ASSERT_TRUE(f) << name;
        double a = w.arg;
        sink.seen.clear();
        double v = f->tcalc(&a);
        EXPECT_EQ(v, w.expected) << name;
        EXPECT_EQ(shared.error, w.error) << name;
        shared.error = 0;
    }
}

TEST(recursionlimit, ConvertsTheLimitValue)
{
    struct row {
        double value;
        uint32_t limit;
    } rows[] = {{0, 0},       {3, 3},          {2.9, 2},          {5e9, 4000000000u}, {4e9, 4000000000u},
                {-1, 0xffffffffu}, {-2.5, 0xfffffffeu}, {NAN, 0}, {INFINITY, 4000000000u}, {-4294967296.0, 0}};
    for (const row& w : rows)
        EXPECT_EQ(furekur::iterationlimit(w.value), w.limit) << w.value;
}

// An exceeded limit sets the error byte 3 whether or not the box is
// shown: with reports off (as the search tools run) and with a report.
TEST_F(recursions, ExceededLimitAlwaysSetsTheErrorByte)
{
    furekur* f = load(recursion("endless", "a", 1, "1", "1", "a + 1", "0", "a", "3"), "endless");
    ASSERT_TRUE(f);
    for (short budget : {short(0), short(2)}) {
        sink.seen.clear();
        shared.reportswitch = budget;
        double a = 1;
        EXPECT_EQ(f->tcalc(&a), 0.0);
        EXPECT_EQ(shared.error, 3) << budget;
        EXPECT_EQ(sink.count("Too many Loops in Recursion"), budget ? 1 : 0);
        EXPECT_EQ(sink.count("where the limit is 3."), budget ? 1 : 0);
        EXPECT_EQ(shared.reportswitch, budget ? budget - 1 : 0);
        shared.error = 0;
        // The several-value evaluation fails alike.
        shared.reportswitch = 0;
        f->mcalc(&a);
        EXPECT_EQ(shared.error, 3);
        shared.error = 0;
    }
}

// A pending stop ends the loop as a break, without a box.
TEST_F(recursions, StopRequestEndsTheLoopAsABreak)
{
    furekur* f = load(recursion("endless", "a", 1, "1", "1", "a + 1", "0", "a", "0"), "endless");
    ASSERT_TRUE(f);
    menus().abortflag = true;
    shared.reportswitch = 5;
    double a = 1;
    EXPECT_EQ(f->tcalc(&a), 0.0);
    menus().abortflag = false;
    EXPECT_EQ(shared.error, evalbreak);
    EXPECT_EQ(sink.count("Recursion"), 0);
    EXPECT_EQ(shared.reportswitch, 5);
}

TEST_F(recursions, RuntimeErrorNamesTheIteration)
{
    furekur* f = load(recursion("bad", "a", 1, "#static n; n = 0", "1", "n = n + 1", "LT(ln(a - n), -50)", "n", "0"),
                      "bad");
    ASSERT_TRUE(f);
    // The logarithm's own report uses one of the budget.
    shared.reportswitch = 2;
    double a = 3;
    EXPECT_EQ(f->tcalc(&a), 0.0);
    EXPECT_NE(shared.error, 0);
    EXPECT_EQ(sink.count("Runtime Error during Recursion"), 1);
    EXPECT_EQ(sink.count("in its 3 th iteration."), 1);
}

// Only the evaluation part may give several values; the object follows it.
TEST_F(recursions, ValueCountsOfTheComponents)
{
    std::string records =
        recursion("two", "a", 2, "#static x; x = a", "1", "x = x/2", "LT(x, 1)", "x, rcl", "0") +
        recursion("badbody", "a", 1, "1", "1", "a, a", "1", "a", "0") +
        recursion("badwhile", "a", 0, "1", "a, 1", "a", "1", "a", "0");
    put("DESKTOP.LIB", records);
    open();
    furekur* two = find("two");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->nvalues, 2);
    double a = 10;
    double* v = two->mcalc(&a);
    ASSERT_EQ(shared.error, 0);
    EXPECT_EQ(v[0], 0.625);
    EXPECT_EQ(v[1], 4);
    for (const char* name : {"badbody", "badwhile"}) {
        furekur* f = find(name);
        ASSERT_TRUE(f) << name;
        EXPECT_FALSE(f->implement(2, 0)) << name;
        EXPECT_EQ(f->diag->code, 34) << name;
        EXPECT_NE(f->diag->message().find("must return a single value."), std::string::npos);
    }
}

TEST_F(recursions, RecordRoundTripsAndCopiesAgree)
{
    furekur* f = load(newton, "root");
    ASSERT_TRUE(f);
    ASSERT_TRUE(writelib(at("copy.lib"), *context, true));
    EXPECT_EQ(get("copy.lib"), newton);
    std::unique_ptr<fu1> twin(f->clone());
    ASSERT_TRUE(twin && !twin->failed);
    std::ostringstream a, b;
    f->save(a);
    twin->save(b);
    EXPECT_EQ(a.str(), b.str());
    double x = 7;
    EXPECT_EQ(twin->tcalc(&x), f->tcalc(&x));
}

// Older records name the body "@FORMULA"; they read and write back so.
TEST_F(recursions, FormulaKeyGivesTheBody)
{
    std::string older = newton;
    older.replace(older.find("@BODY"), 5, "@FORMULA");
    furekur* f = load(older, "root");
    ASSERT_TRUE(f);
    EXPECT_STREQ(f->slot[furekur::body]->formula(), "x = (x + a/x)/2");
    ASSERT_TRUE(writelib(at("copy.lib"), *context, true));
    EXPECT_EQ(get("copy.lib"), older);
    double a = 9;
    EXPECT_EQ(f->tcalc(&a), 3);
}

// A record missing a component is kept as it stands, reported, and
// written back unchanged; a record with an unknown line likewise.
TEST_F(recursions, BadAndIncompleteRecordsAreKept)
{
    std::string incomplete = newton;
    incomplete.erase(incomplete.find("@UNTIL\n"), incomplete.find("@EVAL\n") - incomplete.find("@UNTIL\n"));
    std::string unknown = newton;
    unknown.replace(unknown.find("@ITERMAX"), 8, "@LIMIT");
    for (const std::string& bad : {incomplete, unknown}) {
        sink.seen.clear();
        std::string other = recursion("other", "a", 1, "1", "1", "a", "1", "a", "0");
        put("DESKTOP.LIB", bad + other);
        open();
        EXPECT_FALSE(find("root"));
        EXPECT_TRUE(find("other"));
        EXPECT_EQ(sink.count("could not be read"), 1);
        ASSERT_TRUE(savecontext());
        EXPECT_EQ(get("DESKTOP.LIB"), bad + other);
        slotcomp::dropspare();
        freecontext();
        first.reset();
    }
}

TEST_F(recursions, EditTransaction)
{
    furekur* f = load(newton, "root");
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->implement(1, 0));
    ASSERT_TRUE(f->beginedit());
    EXPECT_FALSE(f->isimplemented());
    f->slot[furekur::evalpart]->settext("x*2");
    double a = 4;
    EXPECT_EQ(f->tcalc(&a), 4);
    // Undo all: the working copies get the old texts again.
    f->restoreedit(0);
    EXPECT_STREQ(f->slot[furekur::evalpart]->formula(), "x");
    f->slot[furekur::evalpart]->settext("x*3");
    ASSERT_TRUE(f->commitedit());
    EXPECT_EQ(f->tcalc(&a), 6);
    ASSERT_TRUE(f->beginedit());
    f->slot[furekur::evalpart]->settext("x*4");
    f->restoreedit(1);
    EXPECT_STREQ(f->slot[furekur::evalpart]->formula(), "x*3");
    EXPECT_EQ(f->tcalc(&a), 6);
}
