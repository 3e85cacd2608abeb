#include <atomic>
#include <cmath>
#include <thread>
#include <numbers>

#include "evalfixture.h"
#include "formula/tokenhandler.h"
#include "formula/varman.h"
#include "math/mathlib.h"

namespace {
using namespace tk;

struct casecode {
    const char* what;
    std::vector<unsigned char> tokens;
    std::vector<operand> cells;
    std::vector<double> args;
    double expected;
    double tolerance = 0;
};

TEST_F(evaluator, BuiltinGroups)
{
    const double pi = std::numbers::pi;
    const casecode cases[] = {
        {"x+1", {FEED_ARG_1, FEED_CONSTANT, PLUS, END}, {cst(1)}, {2}, 3},
        {"a-b", {FEED_ARG_1, FEED_ARG_2, MINUS, END}, {}, {2, 5}, -3},
        {"a*b/c", {FEED_ARG_1, FEED_ARG_2, TIMES, FEED_ARG_3, DIVIDE, END}, {}, {3, 4, 8}, 1.5},
        {"1/0", {FEED_ARG_1, FEED_ARG_2, DIVIDE, END}, {}, {1, 0}, 1e300},
        {"-1/0", {FEED_ARG_1, FEED_ARG_2, DIVIDE, END}, {}, {-1, 0}, 1e300},
        {"2^10", {FEED_ARG_1, FEED_ARG_2, POWER, END}, {}, {2, 10}, 1024},
        {"-quad(x)", {FEED_ARG_1, SQUARE, CHANGE_SIGN, END}, {}, {3}, -9},
        {"a;b", {FEED_ARG_1, SEMICOLON, FEED_ARG_2, END}, {}, {1, 2}, 2},
        {"a\\b", {FEED_ARG_1, FEED_ARG_2, BACKSLASH, END}, {}, {1, 2}, 1},
        {"atn2(0,1)", {FEED_ARG_1, FEED_ARG_2, ATAN2, END}, {}, {0, 1}, pi / 2, 1e-15},
        {"cur(-8)", {FEED_ARG_1, CUBIC_ROOT, END}, {}, {-8}, -2, 1e-15},
        {"Bjn(2,1.5)", {FEED_ARG_1, FEED_ARG_2, BESSEL_JN, END}, {}, {2.2, 1.5}, 0.2320876721442147, 1e-15},
        {"Byn(2,1.5)", {FEED_ARG_1, FEED_ARG_2, BESSEL_YN, END}, {}, {2, 1.5}, -0.9321937597629739, 1e-15},
        {"Bj0(2.5)", {FEED_ARG_1, BESSEL_J0, END}, {}, {2.5}, -0.04838377646819800, 1e-16},
        {"By1(3)", {FEED_ARG_1, BESSEL_Y1, END}, {}, {3}, 0.3246744247917999, 1e-15},
        {"acsh(2)", {FEED_ARG_1, HYP_ARCCOS, END}, {}, {2}, 1.316957896924817, 1e-15},
        {"asnh(-3)", {FEED_ARG_1, HYP_ARCSIN, END}, {}, {-3}, -1.818446459232067, 1e-15},
        {"atnh(0.5)", {FEED_ARG_1, HYP_ARCTAN, END}, {}, {0.5}, 0.5493061443340548, 1e-15},
        {"asnh(1e200)", {FEED_ARG_1, HYP_ARCSIN, END}, {}, {1e200}, 461.2101657793691, 1e-12},
        {"acsh(1e200)", {FEED_ARG_1, HYP_ARCCOS, END}, {}, {1e200}, 461.2101657793691, 1e-12},
        {"sin(pi/6)", {FEED_ARG_1, SIN, END}, {}, {pi / 6}, 0.5, 1e-15},
        {"log(1000)", {FEED_ARG_1, LOG, END}, {}, {1000}, 3, 1e-15},
        {"ln(exp(2))", {FEED_ARG_1, EXP, LN, END}, {}, {2}, 2, 1e-15},
        {"round(-2.5)", {FEED_ARG_1, ROUND, END}, {}, {-2.5}, -2},
        {"trunc(-2.7)", {FEED_ARG_1, TRUNCATE, END}, {}, {-2.7}, -2},
        {"frac(-2.75)", {FEED_ARG_1, DECIMAL_PART, END}, {}, {-2.75}, -0.75},
        {"floor+ceil", {FEED_ARG_1, ROUND_DOWN, FEED_ARG_1, ROUND_UP, PLUS, END}, {}, {1.5}, 3},
        {"sgn(-0.1)", {FEED_ARG_1, SIGN, END}, {}, {-0.1}, -1},
        {"abs(-4)", {FEED_ARG_1, ABSOLUTE_VALUE, END}, {}, {-4}, 4},
        {"_sqrpart_(72)", {FEED_ARG_1, SQRPART, END}, {}, {72}, 6},
        {"BTW(1,2,2)", {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, BETWEEN, END}, {}, {1, 2, 2}, 1},
        {"XBTW(1,2,2)", {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, X_BETWEEN, END}, {}, {1, 2, 2}, 0},
        {"LXBTW(1,2,2)", {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, LX_BETWEEN, END}, {}, {1, 2, 2}, 1},
        {"RXBTW(1,2,2)", {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, RX_BETWEEN, END}, {}, {1, 2, 2}, 0},
        {"LE(2,2)+GT(3,2)", {FEED_ARG_1, FEED_ARG_1, LESS_EQUAL, FEED_ARG_2, FEED_ARG_1, GREATER_THAN, PLUS, END}, {}, {2, 3}, 2},
        {"XOR(2,0)", {FEED_ARG_1, FEED_ARG_2, EXCLUSIVE_OR, END}, {}, {2, 0}, 1},
        {"NOT(BOOL(3))", {FEED_ARG_1, BOOL, NOT, END}, {}, {3}, 0},
        {"EQ,NE", {FEED_ARG_1, FEED_ARG_2, EQUAL, FEED_ARG_1, FEED_ARG_2, NOT_EQUAL, MINUS, END}, {}, {1, 2}, -1},
        {"AND(1,0,1)", {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, LOGIC_AND, END}, {fn(3)}, {1, 0, 1}, 0},
        {"OR(0,0,2)", {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, LOGIC_OR, END}, {fn(3)}, {0, 0, 2}, 1},
        {"min(3,-1,2)", {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, MINIMUM, END}, {fn(3)}, {3, -1, 2}, -1},
        {"max(3,-1,2)", {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, MAXIMUM, END}, {fn(3)}, {3, -1, 2}, 3},
        {"nth(2,7,8,9)", {FEED_CONSTANT, FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, NTH_OF_LIST, END}, {cst(2), fn(4)}, {7, 8, 9}, 8},
        {"innerprod", {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, FEED_ARG_4, INNERPROD, END}, {fn(4)}, {1, 2, 3, 4}, 11},
        {"norm2(3,4)", {FEED_ARG_1, FEED_ARG_2, NORM2, END}, {fn(2)}, {3, 4}, 5},
        {"dist", {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, FEED_ARG_4, DISTANCE, END}, {fn(4)}, {1, 1, 4, 5}, 5},
    };
    for (const casecode& c : cases) {
        program p(c.tokens, c.cells);
        double* r = p.calcarray(c.args.data(), short(c.args.size()));
        EXPECT_EQ(shared.error, evalok) << c.what;
        EXPECT_NEAR(*r, c.expected, c.tolerance) << c.what;
        EXPECT_EQ(p.answer, *r) << c.what;
    }
    EXPECT_TRUE(recordedreports().empty());
}

std::vector<double> results(int n)
{
    return std::vector<double>(shared.result, shared.result + n);
}

TEST_F(evaluator, MultiValuedBuiltinsWorkInPlace)
{
    struct multicase {
        const char* what;
        std::vector<unsigned char> tokens;
        std::vector<operand> cells;
        std::vector<double> expected;
    };
    const std::vector<unsigned char> feed4 = {FEED_ARG_1, FEED_ARG_2, FEED_ARG_3, FEED_ARG_4};
    auto with = [&](std::initializer_list<unsigned char> tail) {
        std::vector<unsigned char> t = feed4;
        t.insert(t.end(), tail);
        return t;
    };
    const multicase cases[] = {
        {"sort", with({SORT, ENDMULTI}), {fn(4, 4)}, {1, 2, 3, 4}},
        {"reverse", with({REVERSE, ENDMULTI}), {fn(4, 4)}, {2, 4, 1, 3}},
        {"plus", with({VECTOR_PLUS_VECTOR, ENDMULTI}), {fn(4, 2)}, {7, 3}},
        {"minus", with({VECTOR_MINUS_VECTOR, ENDMULTI}), {fn(4, 2)}, {-1, -1}},
        {"times", with({SCALAR_TIMES_VECTOR, ENDMULTI}), {fn(4, 3)}, {3, 12, 6}},
        {"normiere", {FEED_CONSTANT, FEED_CONSTANT, NORMIERE, ENDMULTI}, {cst(3), cst(5), fn(2, 2)}, {0.5144957554275265, 0.8574929257125441}},
        {"normiere##(0,0)", {FEED_CONSTANT, FEED_CONSTANT, NORMIERE, ENDMULTI}, {cst(0), cst(0), fn(2, 2)}, {0, 0}},
    };
    const double args[] = {3, 1, 4, 2};
    for (const multicase& c : cases) {
        program p(c.tokens, c.cells);
        p.calcarray(args, 4);
        ASSERT_EQ(shared.error, evalok) << c.what;
        for (size_t i = 0; i < c.expected.size(); i++)
            EXPECT_DOUBLE_EQ(shared.result[i], c.expected[i]) << c.what << " " << i;
    }
}

TEST_F(evaluator, EndsLeaveStackAndResultAsAgreed)
{
    program single({FEED_ARG_1, FEED_CONSTANT, PLUS, END}, {cst(1)});
    double v = single.calc1(2.0);
    EXPECT_EQ(v, 3.0);
    // calc1 puts x in the entry slot base+2; the entry of the code is base+3,
    // its value went to base+4 and END left the top one below it.
    EXPECT_EQ(shared.top, shared.valuestack + 3);
    EXPECT_EQ(shared.result, shared.valuestack + 4);

    program three({FEED_ARG_1, FEED_CONSTANT, FEED_CONSTANT, ENDMULTI}, {cst(5), cst(6)});
    const double four = 4.0;
    double* r = three.calcarray(&four, 1);
    EXPECT_EQ(results(3), (std::vector<double>{4, 5, 6}));
    EXPECT_EQ(r, shared.valuestack + 4);
    EXPECT_EQ(shared.top, shared.valuestack + 3);  // back at the entry slot
    EXPECT_EQ(three.answer, 4.0);
}

TEST_F(evaluator, FramesAutosAndAssumedValues)
{
    // Two auto slots: a1 = x*2; a2 = a1+1; a1*a2.
    program autos({MAKE_AUTOSPACE, FEED_ARG_1, FEED_CONSTANT, TIMES, ASSIGN_TO_AUTO, SEMICOLON,
                   FEED_AUTO, FEED_CONSTANT, PLUS, ASSIGN_TO_AUTO, SEMICOLON, FEED_AUTO, FEED_AUTO,
                   TIMES, END},
                  {idx(2), cst(2), idx(1), idx(1), cst(1), idx(2), idx(1), idx(2)});
    EXPECT_EQ(autos.calc1(3.0), 42.0);

    // 10, assume##(x, x+1) -> the statement keeps 10, x, x+1; then assumed
    // values 1 and 2 are x and x+1; nthass(2) is x+1; assumevals pushes both.
    program assume({FEED_CONSTANT, FEED_ARG_1, FEED_ARG_1, FEED_CONSTANT, PLUS, ASSUME, SEMICOLON,
                    FEED_ASSUME_NR, FEED_CONSTANT, NTH_ASSUMED_VAL, TIMES, SEMICOLON,
                    FEED_ASSUMEVALS, ENDMULTI},
                   {cst(10), cst(1), fn(2, 2), idx(1), cst(2), operand::ofassumed(1, 2)});
    assume.calc1(5.0);
    ASSERT_EQ(shared.error, evalok);
    EXPECT_EQ(results(2), (std::vector<double>{5, 6}));

    program second({FEED_ARG_1, FEED_ARG_1, ASSUME, SEMICOLON, FEED_ASSUME_NR, FEED_CONSTANT,
                    NTH_ASSUMED_VAL, TIMES, END},
                   {fn(1, 1), idx(1), cst(1)});
    EXPECT_EQ(second.calc1(7.0), 49.0);
}

TEST_F(evaluator, VariablesRegistersAndStackQueries)
{
    varman store;
    varrecord* g = store.record('G');
    varrecord* s = store.record('s');
    s->value = 4;
    unsigned serial = shared.evalserial;
    program p({FEED_ARG_1, ASSIGN_GLOBAL, STO, SEMICOLON, FEED_STATIC, FEED_RCL, PLUS, END},
              {operand::ofvariable(g, 'G'), operand::ofvariable(s, 's')});
    EXPECT_EQ(p.calc1(3.0), 7.0);
    EXPECT_EQ(g->value, 3.0);
    EXPECT_EQ(g->cls, 'g');
    EXPECT_EQ(shared.evalserial, serial + 1);
    EXPECT_EQ(p.memory, 3.0);

    program ans({FEED_ANSWER, FEED_CONSTANT, PLUS, END}, {cst(1)});
    ans.calc0();
    EXPECT_EQ(ans.calc0(), 2.0);

    program query({FEED_STACKUSED, FEED_STACKLEFT, FEED_MAXSUBLVL, FEED_SUBLEVEL, ENDMULTI});
    query.calc0();
    // calc0: the entry slot is base+2; the first push lands in slot 3.
    EXPECT_EQ(results(4), (std::vector<double>{2, 22222 - 5, 100, 0}));
}

TEST_F(evaluator, ArgumentAccess)
{
    program nth({FEED_CONSTANT, NTH_ARGUMENT, END}, {cst(2.4)});
    const double three[] = {7, 8, 9};
    EXPECT_EQ(*nth.calcarray(three, 3), 8.0);

    for (double k : {0.0, 4.0, double(NAN), 1e20}) {
        clearrecordedreports();
        shared.reportswitch = 1;
        program bad({FEED_CONSTANT, NTH_ARGUMENT, FEED_CONSTANT, END}, {cst(k), cst(1)});
        bad.calcarray(three, 3);
        EXPECT_EQ(shared.error, evalruntime) << k;
        EXPECT_EQ(reportscontaining("Nonexisting argument referenced"), 1) << k;
    }

    program badnth({FEED_CONSTANT, FEED_ARG_1, NTH_OF_LIST, END}, {cst(3), fn(2)});
    shared.reportswitch = 1;
    clearrecordedreports();
    badnth.calcarray(three, 1);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(reportscontaining("\"nth\""), 1);
}

TEST_F(evaluator, AssertAndDomainCheck)
{
    struct row {
        unsigned char token;
        double value;
        bool fails;
    } rows[] = {
        {ASSERT, 0.49, true}, {ASSERT, 0.5, false}, {DOMAINCHECK, 0.0, true}, {DOMAINCHECK, 1e-300, false},
    };
    for (const row& r : rows) {
        clearrecordedreports();
        shared.reportswitch = 1;
        program p({FEED_CONSTANT, r.token, END}, {cst(r.value)});
        double v = p.calc0();
        EXPECT_EQ(shared.error, r.fails ? evalruntime : evalok) << int(r.token) << " " << r.value;
        EXPECT_EQ(v, r.fails ? 0.0 : r.value);
        EXPECT_EQ(recordedreports().size(), r.fails ? 1u : 0u);
        if (r.fails && r.token == DOMAINCHECK) {
            EXPECT_EQ(reportscontaining("User defined formula called with invalid arguments !"), 1);
        }
    }
}

TEST_F(evaluator, UserObjectCalls)
{
    // f(x) = x + g(x+1, 2) with g(a, b) = a*b + sublevel.
    program gcode({FEED_ARG_1, FEED_ARG_2, TIMES, FEED_SUBLEVEL, PLUS, END});
    testobject g{"g", 2, &gcode};
    program f({FEED_ARG_1, FEED_ARG_1, FEED_CONSTANT, PLUS, FEED_CONSTANT, CALL_USER_FUNC, PLUS, END},
              {cst(1), cst(2), operand::ofcall(g.asfu(), 2, 1)});
    EXPECT_EQ(f.calc1(3.0), 3.0 + 8.0 + 1.0);
    EXPECT_EQ(shared.calllevel, 0);
    EXPECT_EQ(shared.top, shared.valuestack + 3);

    // Multi-valued: 9, three(x) with three(x) = (x, x+1, x+2).
    program triple({FEED_ARG_1, FEED_ARG_1, FEED_CONSTANT, PLUS, FEED_ARG_1, FEED_CONSTANT, PLUS, ENDMULTI},
                   {cst(1), cst(2)});
    testobject three{"three", 1, &triple};
    program multi({FEED_CONSTANT, FEED_ARG_1, CALL_MULTIFUNC, ENDMULTI},
                  {cst(9), operand::ofcall(three.asfu(), 1, 3)});
    multi.calc1(5.0);
    ASSERT_EQ(shared.error, evalok);
    EXPECT_EQ(results(4), (std::vector<double>{9, 5, 6, 7}));
}

TEST_F(evaluator, ChecksInsideAnObjectNameItAndItsArguments)
{
    using namespace std::string_literals;
    program guarded({FEED_ARG_1, DOMAINCHECK, SEMICOLON, FEED_ARG_2, ASSERT, END});
    testobject g{"g", 2, &guarded};
    program caller({FEED_ARG_1, FEED_CONSTANT, CALL_USER_FUNC, END}, {cst(0.25), operand::ofcall(g.asfu(), 2, 1)});

    shared.reportswitch = 3;
    caller.calc1(0.0);
    EXPECT_EQ(shared.error, evalruntime);
    ASSERT_EQ(recordedreports().size(), 2u);  // the domain page and g's trace
    EXPECT_EQ(recordedreports()[0].text,
              "\n in call to user function g() on level 1. \n\n\r Called with the following arguments: "
              "\n\r  0\n\r  0.25\n\r\n\r"s);
    EXPECT_EQ(recordedreports()[1].text,
              "\n ...called by function \"g\" on level 1 \n\r whose arguments were: \n\r"
              "                   0\n\r                0.25\n\r\n <esc> will skip all further messages\n"s);

    clearrecordedreports();
    caller.calc1(1.0);
    ASSERT_GE(recordedreports().size(), 1u);
    EXPECT_EQ(recordedreports()[0].text,
              "\n Assert-condition violated in: \n\r g \n\r Call level: 1. \n\r Value passed to assert: 0.25 "
              "\n\r Computation aborted \n\r"s);
}

TEST_F(evaluator, AssignToArgumentWritesTheCallersArray)
{
    program setter({FEED_CONSTANT, ASSIGN_TO_ARG, END}, {cst(42), idx(1)});
    double args[] = {1, 2};
    shared.top = shared.valuestack + 4;
    EXPECT_EQ(setter.calc(args), 42.0);
    EXPECT_EQ(args[1], 42.0);
}

TEST_F(evaluator, CallLevelLimit)
{
    program body;
    testobject self{"endless", 1, &body};
    body.load({FEED_ARG_1, CALL_USER_FUNC, END}, {operand::ofcall(self.asfu(), 1, 1)});
    program top({FEED_ARG_1, CALL_USER_FUNC, END}, {operand::ofcall(self.asfu(), 1, 1)});

    shared.reportswitch = 1;
    EXPECT_EQ(top.calc1(1.0), 0.0);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(shared.errorcode, errcalllevel);
    EXPECT_EQ(shared.calllevel, 0);
    EXPECT_EQ(reportscontaining("Call level rises above the limit 100 \n\r (happened during execution of endless)"), 1);
    // Every level from 100 down to 1 shows its trace; the top formula has no owner.
    EXPECT_EQ(reportscontaining("...called by function \"endless\""), 100);
    EXPECT_EQ(reportscontaining("on level 100 "), 1);
    EXPECT_EQ(reportscontaining("on level 1 "), 1);

    keysink esc(27);
    shared.reportswitch = 1;
    top.calc1(1.0);
    ASSERT_EQ(esc.texts.size(), 2u);  // the limit and one trace
    EXPECT_EQ(shared.reportswitch, 0);
}

TEST_F(evaluator, ErrorBudget)
{
    // sqrt(-1); sqrt(-1) in one run: one report, then the budget is spent.
    program twice({FEED_CONSTANT, SQUARE_ROOT, SEMICOLON, FEED_CONSTANT, SQUARE_ROOT, END},
                  {cst(-1), cst(-1)});
    shared.reportswitch = 1;
    EXPECT_EQ(twice.calc0(), 0.0);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(shared.errorcode, mathdomain);
    EXPECT_EQ(shared.reportswitch, 0);
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_NE(recordedreports()[0].text.find("Call to function sqrt with argument -1 \n\n\r domain error! "),
              std::string::npos);
    // The stop came at the token after the first failure.
    EXPECT_EQ(shared.top, shared.valuestack + 3);

    // A later evaluation with the budget spent is silent but still fails.
    program rand({FEED_CONSTANT, RANDOM_NUMBER, END}, {cst(2e15)});
    rand.calc0();
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(recordedreports().size(), 1u);

    // The error byte of a finished run stays for calcvoid; top-level entries clear it.
    EXPECT_EQ(twice.calcvoid(), 0.0);
    EXPECT_EQ(shared.error, evalruntime);
    program fine({FEED_CONSTANT, END}, {cst(1)});
    EXPECT_EQ(fine.calc0(), 1.0);
    EXPECT_EQ(shared.error, evalok);
}

TEST_F(evaluator, InternalFaultsAreReported)
{
    const unsigned char invalid[] = {TENPOWX, RECGAMMA, RECGAMMA1, RECGAMMA2, RECGAMMA3, END2,
                                     FEED_ARRAY_1, FEED_ARRAY_2, UNUSED93, PERIODE, STACKPTR_UP,
                                     STACKPTR_DOWN, UNUSED126, 181, 255};
    for (unsigned char t : invalid) {
        clearrecordedreports();
        program p({FEED_CONSTANT, t, END}, {cst(5)});
        EXPECT_EQ(p.calc0(), 5.0) << int(t);
        EXPECT_EQ(reportscontaining("Invalid token found in generated code"), 1) << int(t);
    }

    clearrecordedreports();
    program abort({FEED_CONSTANT, ABORT, END}, {cst(6)});
    EXPECT_EQ(abort.calc0(), 6.0);
    EXPECT_EQ(reportscontaining("encounters PA_ABORT token"), 1);

    program leftover({FEED_CONSTANT, FEED_CONSTANT, END}, {cst(1), cst(2)});
    EXPECT_EQ(leftover.calc0(), 2.0);
    EXPECT_EQ(reportscontaining("PA_END exit reached with avalptr != top"), 1);
    EXPECT_EQ(recordedreports().back().kind, reportkind::fault);

    program unimplemented({FEED_CONSTANT, END}, {cst(1)});
    unimplemented.stamp = 0;
    EXPECT_EQ(unimplemented.calc1(1.0), 0.0);
    EXPECT_EQ(shared.error, evalinternal);
    EXPECT_EQ(reportscontaining("isimplemented()=0"), 1);
}

TEST_F(evaluator, FullStackIsAnErrorNotAnOverrun)
{
    // More pushes than the stack has slots.
    std::vector<unsigned char> tokens(22230, FEED_ARG_1);
    tokens.push_back(END);
    program wide(tokens);
    shared.reportswitch = 1;
    EXPECT_EQ(wide.calc1(1.0), 0.0);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(shared.top, shared.valuestack + shared.valuecapacity - 1);
    EXPECT_EQ(reportscontaining("runs out of computation stackspace"), 1);

    struct row {
        const char* what;
        std::vector<unsigned char> tokens;
        std::vector<operand> cells;
    } rows[] = {
        {"autospace", {MAKE_AUTOSPACE, END}, {idx(30000)}},
        {"assume", {FEED_ARG_1, ASSUME, END}, {fn(30000, 30000)}},
        {"assumevals", {FEED_ASSUMEVALS, END}, {operand::ofassumed(0, 30000)}},
    };
    for (const row& r : rows) {
        program p(r.tokens, r.cells);
        p.calc1(1.0);
        EXPECT_EQ(shared.error, evalruntime) << r.what;
    }
}

std::atomic<bool> waiting{false};

// Stands for a long computation: waits until the user breaks it.
void untilbreak(calcframe&)
{
    waiting = true;
    while (shared.error.load() != evalbreak)
        std::this_thread::yield();
}

TEST_F(evaluator, UserBreakFromAnotherThreadStopsSilently)
{
    installhandlers();
    settokenhandler(PERIODE, untilbreak);
    program inner({FEED_ARG_1, PERIODE, FEED_CONSTANT, PLUS, END}, {cst(1)});
    testobject slow{"slow", 1, &inner};
    program outer({FEED_ARG_1, CALL_USER_FUNC, FEED_CONSTANT, STO, END},
                  {operand::ofcall(slow.asfu(), 1, 1), cst(7)});
    shared.reportswitch = 5;
    waiting = false;
    std::thread window([] {
        while (!waiting)
            std::this_thread::yield();
        shared.error = evalbreak;
    });
    double v = outer.calc1(1.0);
    window.join();
    settokenhandler(PERIODE, nullptr);
    EXPECT_EQ(v, 0.0);
    EXPECT_EQ(shared.error, evalbreak);
    EXPECT_EQ(outer.memory, 0.0);  // nothing after the break ran
    EXPECT_TRUE(recordedreports().empty());
    EXPECT_EQ(shared.reportswitch, 5);
}
}
