#include <cmath>

#include "evalfixture.h"
#include "formula/runtimeerror.h"
#include "formula/stophook.h"
#include "math/funcerror.h"
#include "math/mathlib.h"

namespace {
struct runtimeerror : ::testing::Test {
    void SetUp() override
    {
        shared.error = evalok;
        shared.errorcode = 0;
        shared.reportswitch = 1;
        clearrecordedreports();
    }
    void TearDown() override { shared.error = evalok; }
};

TEST_F(runtimeerror, LibraryErrorsReachTheHandler)
{
    struct row {
        const char* what;
        double (*call)();
        int type;  // 0: no error
        double result;
    } rows[] = {
        {"sqrt(-1)", [] { return mathlib::sqrt(-1); }, mathdomain, HUGE_VAL},
        {"log(0)", [] { return mathlib::log(0); }, mathsingular, HUGE_VAL},
        {"log(-1)", [] { return mathlib::log(-1); }, mathdomain, HUGE_VAL},
        {"exp(1000)", [] { return mathlib::exp(1000); }, mathoverflow, HUGE_VAL},
        {"pow(0,-1)", [] { return mathlib::pow(0, -1); }, mathsingular, HUGE_VAL},
        {"pow(-8,1/3)", [] { return mathlib::pow(-8, 1.0 / 3); }, mathdomain, HUGE_VAL},
        {"pow(1e200,2)", [] { return mathlib::pow(1e200, 2); }, mathoverflow, HUGE_VAL},
        {"pow(-1e110,3)", [] { return mathlib::pow(-1e110, 3); }, mathoverflow, HUGE_VAL},
        {"pow(1e-200,2)", [] { return mathlib::pow(1e-200, 2); }, 0, 0.0},
        {"asin(2)", [] { return mathlib::asin(2); }, mathdomain, HUGE_VAL},
        {"cosh(800)", [] { return mathlib::cosh(800); }, mathoverflow, HUGE_VAL},
        {"y0(0)", [] { return mathlib::y0(0); }, mathsingular, HUGE_VAL},
        {"y1(-1)", [] { return mathlib::y1(-1); }, mathdomain, HUGE_VAL},
        {"sin(inf)", [] { return mathlib::sin(INFINITY); }, mathdomain, HUGE_VAL},
        {"exp(-1000)", [] { return mathlib::exp(-1000); }, 0, 0.0},
        {"exp(-740)", [] { return mathlib::exp(-740); }, 0, 0.0},
        {"sqrt(4)", [] { return mathlib::sqrt(4); }, 0, 2.0},
        {"exp(-700)", [] { return mathlib::exp(-700); }, 0, std::exp(-700)},
        {"sqrt(nan)", [] { return mathlib::sqrt(NAN); }, mathdomain, HUGE_VAL},
        {"j0(nan)", [] { return mathlib::j0(NAN); }, mathdomain, HUGE_VAL},
    };
    for (const row& r : rows) {
        shared.error = evalok;
        shared.errorcode = 0;
        shared.reportswitch = 0;
        double v = r.call();
        if (std::isnan(r.result))
            EXPECT_TRUE(std::isnan(v)) << r.what;
        else
            EXPECT_EQ(v, r.result) << r.what;
        EXPECT_EQ(shared.error, r.type ? evalruntime : evalok) << r.what;
        EXPECT_EQ(shared.errorcode, r.type) << r.what;
    }
    EXPECT_TRUE(recordedreports().empty());
}

int stops = 0;

TEST_F(runtimeerror, FirstMathErrorShowsOneReportLaterOnesAreSilent)
{
    stops = 0;
    setdisablestophook([] { ++stops; });
    mathlib::sqrt(-1);
    mathlib::log(0);
    setdisablestophook(nullptr);
    EXPECT_EQ(shared.reportswitch, 0);
    EXPECT_EQ(shared.errorcode, mathsingular);
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_EQ(recordedreports()[0].text,
              " runtime error: \n\r Call to function sqrt with argument -1 \n\n\r domain error! ");
    EXPECT_EQ(stops, 1);

    shared.reportswitch = 2;
    mathlib::exp(1e4);
    mathlib::exp(-1e4);  // underflow: silent, no budget used
    EXPECT_EQ(shared.reportswitch, 1);
    EXPECT_EQ(recordedreports().back().text.substr(recordedreports().back().text.size() - 11), " overflow! ");
}

TEST_F(runtimeerror, FunctionErrorsAndWarnings)
{
    reportfuncerror(functext, "argeo", "Both arguments must be nonnegative !", 2, -1.0, 2.0);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(shared.reportswitch, 0);
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_EQ(recordedreports()[0].text,
              "\n Both arguments must be nonnegative ! \n\n\r Function \"argeo\" was called with argument(s): "
              "\n\r                        -1 \n\r                         2 \n");
    EXPECT_EQ(recordedreports()[0].caption, " E R R O R ");
    EXPECT_EQ(recordedreports()[0].footer, 10);

    // Spent budget: the error still counts, nothing is shown.
    shared.error = evalok;
    reportfuncerror(funcoverflow, "gam", nullptr, 1, 200.0);
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_EQ(recordedreports().size(), 1u);

    // A warning goes on when closed with Enter or not shown, stops with Esc.
    struct row {
        int key;
        short budget;
        unsigned char error;
    } rows[] = {{13, 1, evalok}, {27, 1, evalruntime}, {27, 0, evalok}};
    for (const row& r : rows) {
        keysink sink(r.key);
        shared.error = evalok;
        shared.reportswitch = r.budget;
        reportfuncerror(funcestimate, "zeta", nullptr, 1, 3.0);
        EXPECT_EQ(shared.error, r.error) << r.key << " " << r.budget;
        EXPECT_EQ(sink.texts.size(), size_t(r.budget));
    }
}

TEST_F(runtimeerror, LongArgumentListsAreCut)
{
    double values[40];
    for (int i = 0; i < 40; i++)
        values[i] = i;
    auto lines = [](const std::string& t) {
        int n = 0;
        for (size_t p = t.find("\n\r "); p != std::string::npos; p = t.find("\n\r ", p + 1))
            n++;
        return n;
    };
    reportfuncerrorlist(functext, "nth", "Nonexisting argument referenced", 40, values);
    shared.reportswitch = 1;
    reportfuncerrorlist(funcnonsense, "sympoly", nullptr, 40, values);
    shared.reportswitch = 1;
    reportfuncerrorlist(functext, "nth", "x", 23, values);
    ASSERT_EQ(recordedreports().size(), 3u);
    const std::string& error = recordedreports()[0].text;
    const std::string& warning = recordedreports()[1].text;
    EXPECT_EQ(lines(error), 1 + 23);  // the name line, screen rows - 7 values
    EXPECT_NE(error.find(" and more. "), std::string::npos);
    EXPECT_EQ(lines(warning), 1 + 21 + 2);  // screen rows - 9 values, two key lines
    EXPECT_NE(warning.find("<esc>   abort"), std::string::npos);
    EXPECT_EQ(recordedreports()[2].text.find(" and more. "), std::string::npos);
}

// Caption, footer and colours (the kind) of the boxes; the call level
// report goes with the call trace, which waits for any key.
TEST_F(runtimeerror, BoxesOfTheReports)
{
    parser keeper;
    struct row {
        const char* what;
        void (*show)(const parser&);
        reportkind kind;
        const char* caption;
        int footer;
    } rows[] = {
        {"stack space", [](const parser&) { reportstackspace("solve##"); }, reportkind::message, " E R R O R ", 10},
        {"singular", [](const parser&) { reportsingular(); }, reportkind::error, " E R R O R ", 10},
        {"call level", [](const parser&) { reportcalllevel(100, "f"); }, reportkind::message, "", 10},
        {"bad arguments", [](const parser& p) { reportbadargs(p, nullptr); }, reportkind::error, "", 0},
        {"function error", [](const parser&) { reportfuncerror(funcdomain, "lg", nullptr, 1, -1.0); },
         reportkind::message, " E R R O R ", 10},
    };
    for (const row& r : rows) {
        clearrecordedreports();
        shared.reportswitch = 1;
        r.show(keeper);
        ASSERT_EQ(recordedreports().size(), 1u) << r.what;
        const reportentry& e = recordedreports()[0];
        EXPECT_EQ(e.kind, r.kind) << r.what;
        EXPECT_EQ(e.caption, r.caption) << r.what;
        EXPECT_EQ(e.footer, r.footer) << r.what;
    }
}

TEST_F(runtimeerror, ReportsThatOnlyTestTheBudget)
{
    parser keeper;
    reportstackspace("solve##");
    reportsingular();
    reportcalllevel(100, "f");
    EXPECT_EQ(shared.reportswitch, 1);
    shared.reportswitch = 0;
    reportassert(keeper, 0.2);
    reportbadargs(keeper, nullptr);
    reportstackspace("solve##");
    ASSERT_EQ(recordedreports().size(), 3u);
    EXPECT_EQ(recordedreports()[0].text,
              "\n \"solve##\" runs out of computation stackspace \n\r                    (computation aborted)\n");
}
}
