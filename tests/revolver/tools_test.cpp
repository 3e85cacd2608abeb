// The numeric tools run from the revolver, headless: each command with its
// dialogue, its report and the result on the calculator.
#include <gtest/gtest.h>

#include "tests/revolver/vemorun.h"

namespace {


// "r0" on sin(x) from 3 adopts pi; "ii" over [0, 1] puts the integral
// 1 - cos 1 on the calculator as its fixed value.
TEST(tools, ZeroSearchAndIntegration)
{
    vemorun v;
    ASSERT_EQ(v.run("esin(x)<Enter><Enter>3<Enter>r0<dump r0>y<dump adopted>"
                    "ii0<Enter>1<Enter><dump ii>x<dump iiresult><A-x>y"),
              0)
        << v.read("stderr.txt");
    EXPECT_TRUE(v.shows("r0", "Zero or pole with change of sign found at x=3.14159265358979"));
    EXPECT_NE(v.row("adopted", 1).find("x= 3.14159265358979"), std::string::npos) << v.row("adopted", 1);
    EXPECT_TRUE(v.shows("ii", "result = 0.4596976941318603"));
    EXPECT_TRUE(v.shows("iiresult", "  numeric integration result:  0.45969769413186 "));
}

// STOP during "ii" asks; "n" goes on to the full result.
TEST(tools, IntegrationAsksOnStop)
{
    vemorun v;
    ASSERT_EQ(v.run("eexp(x)<Enter><Enter>3<Enter>ii0<Enter>1<Enter><busy><menu 40042><yes></busy>"
                    "<dump stop>n<dump goon>x<A-x>y"),
              0)
        << v.read("stderr.txt");
    EXPECT_TRUE(v.shows("stop", "Abort numeric integration (y/n) ?"));
    EXPECT_TRUE(v.shows("goon", "result = 1.718281828459045"));
}

// "rf" asks the requested value; "mi" reports the minimum and adopts it.
TEST(tools, ValueSearchAndGoldenSection)
{
    vemorun v;
    ASSERT_EQ(v.run("ex*x<Enter><Enter>1<Enter>rf<dump rfask>2<Enter><dump rf>y<dump rfadopted>"
                    "<Right>ex*x-2*x+3<Enter><Enter>5<Enter>mi<dump mi>a<dump miadopted><A-x>y"),
              0)
        << v.read("stderr.txt");
    EXPECT_TRUE(v.shows("rfask", " requested value ? "));
    EXPECT_TRUE(v.shows("rf", "Target found at x=1.41421356237309"));
    EXPECT_NE(v.row("rfadopted", 1).find("x= 1.41421356237309"), std::string::npos);
    EXPECT_TRUE(v.shows("mi", "Found a local minimum at (0.999999986125 | 2)"));
    EXPECT_NE(v.row("miadopted", 1).find("x= 0.99999998612"), std::string::npos);
    EXPECT_TRUE(v.shows("miadopted", "f.1     =                      2 "));
}

// "z": a key typed while the run goes on interrupts it after its chunk;
// a breakpoint set there stops it exactly at 1050, and the mean becomes
// the result.  A formula that fails at once leaves no sample, and the
// calculator keeps its status line.
TEST(tools, MonteCarloRuns)
{
    vemorun v;
    ASSERT_EQ(v.run("ex+1<Enter><Enter>2<Enter>z<busy>x</busy><dump z1>b1050<Enter><Enter><dump zbreak>"
                    "<Esc><dump zresult>"
                    "<Right>eln(x)<Enter><Enter><Backspace>-1<Enter>xz<dump zerr1>x<dump zerr2><Esc><dump zafter>"
                    "<A-x>y"),
              0)
        << v.read("stderr.txt");
    EXPECT_TRUE(v.shows("z1", "Computation interrupted:"));
    EXPECT_TRUE(v.shows("zbreak", "Iterations:    1050 "));
    EXPECT_TRUE(v.shows("zresult", " Mean value of random function:  3 "));
    EXPECT_TRUE(v.shows("zerr1", "Call to function log with argument -1"));
    EXPECT_TRUE(v.shows("zerr2", "Runtime error during iteration 1. Choose one:"));
    EXPECT_TRUE(v.shows("zafter", " Runtime error. Change argument(s) and retry"));
}

// Esc stops "z" and Esc in its menu quits as the menu offers: the Esc that
// stopped the run was read, so the second is no double Esc asking to abort.
TEST(tools, EscStopsMonteCarloAndEscQuits)
{
    vemorun v;
    ASSERT_EQ(v.run("ex+1<Enter><Enter>2<Enter>z<busy><Esc></busy><dump menu><Esc><dump quit><A-x>y"), 0)
        << v.read("stderr.txt");
    EXPECT_TRUE(v.shows("menu", "Computation interrupted:"));
    EXPECT_TRUE(v.shows("quit", " Mean value of random function:  3"));
    EXPECT_TRUE(v.exists("vemo.rev"));
}

// F3 on the value, and "oo_r" showing the recognizer's settings.
TEST(tools, RecognizerWindowAndSettings)
{
    vemorun v;
    ASSERT_EQ(v.run("ex/4<Enter><Enter>3<Enter><PgDn><F3><dump f3><F1><dump f3help><Esc><A-F1><dump listhelp><Esc><Esc>oo_ry<dump oor><Enter><Enter><Enter><A-x>y"),
              0)
        << v.read("stderr.txt");
    EXPECT_TRUE(v.shows("f3", " Possible Representations of 0.75 "));
    EXPECT_TRUE(v.shows("f3", "║ 3 / 4 "));
    // F1 is the recognizer's help, Alt-F1 the help of every list.
    EXPECT_TRUE(v.shows("f3help", " This is the recognizer window. "));
    EXPECT_TRUE(v.shows("listhelp", " General List Commands "));
    EXPECT_TRUE(v.shows("oor", "maxsig (Default=0.1,  previous value=0.1)"));
}

// The notepad's F3 reaches the recognizer with the latest value there.
TEST(tools, NotepadRecognizesItsValue)
{
    vemorun v;
    ASSERT_EQ(v.run("<F5>3/4<Enter><F3><dump notepad><Esc><Esc><A-x>y"), 0) << v.read("stderr.txt");
    EXPECT_TRUE(v.shows("notepad", " Possible Representations of 0.75 "));
    EXPECT_FALSE(v.shows("notepad", "not available"));
}

}  // namespace

namespace {
// STOP during "r0" and "mi" ends them without a message; during "z" it
// opens the menu without counting the stopped iteration, and the run
// goes on from there.
TEST(tools, StopEndsEverySearchAndPausesMonteCarlo)
{
    vemorun v;
    const std::string stop = "<busy><menu 40042><yes></busy>";
    ASSERT_EQ(v.run("esin(x)<Enter><Enter>3<Enter>r0" + stop + "<dump r0stop>mi" + stop + "<dump mistop>z" + stop
                    + "<dump zstop><Enter><busy>x</busy><dump zagain><Esc><dump zend><A-x>y"),
              0)
        << v.read("stderr.txt");
    for (const char* dump : {"r0stop", "mistop"}) {
        EXPECT_FALSE(v.shows(dump, "╔")) << dump;
        EXPECT_NE(v.row(dump, 1).find("x= 3 "), std::string::npos) << dump;
    }
    EXPECT_TRUE(v.shows("zstop", "Iterations:    0 "));
    EXPECT_TRUE(v.shows("zstop", "Computation interrupted:"));
    EXPECT_TRUE(v.shows("zagain", "Iterations:    1 "));
    EXPECT_TRUE(v.shows("zend", " Mean value of random function:  0.141120008059867"));
}
}  // namespace

namespace {
// On a Runge-Kutta calculator (f' = f, f(0) = 1) the tools work on the
// solution: "rf" finds ln 2 for the value 2, "ii" integrates e^t.  The
// calculator, set up where the empty slot was shown, keeps nothing of it.
TEST(tools, RungeKuttaSolution)
{
    vemorun v;
    ASSERT_EQ(v.run("dd<Backspace>1<Enter><Backspace>1<Enter>tf.1<Enter><Down>e<Backspace>1<Enter>"
                    "<Enter><dump rk6><Enter><Enter><Backspace>1<Enter><dump rk1>rf2<Enter><dump rkrf>y"
                    "ii0<Enter>1<Enter><dump rkii>x<A-x>y"),
              0)
        << v.read("stderr.txt");
    for (const char* dump : {"rk6", "rk1"})
        EXPECT_EQ(v.row(dump, 3), "Order = 1    Dimension = 1" + std::string(54, ' ')) << dump;
    EXPECT_TRUE(v.shows("rkrf", "Target found at t=0.6931471805599"));
    EXPECT_TRUE(v.shows("rkii", "result = 1.7182818284"));
}
}  // namespace

namespace {
// The whole number that follows text on a dump's screen, or -1.
long numberafter(const vemorun& v, const std::string& dump, const std::string& text)
{
    std::string s = v.screen(dump);
    size_t at = s.find(text);
    return at == std::string::npos ? -1 : std::atol(s.c_str() + at + text.size());
}

// STOP, or a key, delivered a chosen time into a run (<busy N>) rather
// than at its first checkpoint: "Mi" and "n0" end the iteration under way
// as a user break and run on to their result from there; "z" opens its
// menu after that many iterations, and Esc gives the mean and lets the
// script go on.
TEST(tools, StopReachesLongRunsAtAChosenPoint)
{
    const std::string stop = "<menu 40042><yes></busy>";
    const std::string twoargs = "<Enter>xxy<Enter><Enter>";
    struct {
        std::string keys, counted;
        long low, high;               // the count found after counted
        std::string after, result;    // keys that go on, and what they show
    } cases[] = {
        {"e100*(y-x^2)^2+(1-x)^2" + twoargs + "Mi<Enter><busy 50>" + stop, " Iteration nr. ", 2, 13,
         "<Esc><Enter><Enter>", "x= 0.99999998"},
        {"ex^2+y^2-4,exp(x)-y-3" + twoargs + "n0<Enter><busy 40>" + stop, " Iteration nr. ", 2, 5,
         "<Esc><Enter><Enter>", "x= 1.47126891645095"},
        {"ex+1<Enter><Enter>2<Enter>z<busy 300>" + stop, "Iterations:    ", 100, 1000,
         "<Esc><dump mean>ii0<Enter>1<Enter>x", "numeric integration result:  1.5 "},
        {"ex+1<Enter><Enter>2<Enter>z<busy 3000>x</busy>", "Iterations:    ", 1000, 100000,
         "<Esc><dump mean>ii0<Enter>1<Enter>x", "numeric integration result:  1.5 "},
    };
    for (const auto& c : cases) {
        vemorun v;
        ASSERT_EQ(v.run(c.keys + "<dump stopped>" + c.after + "<dump after><A-x>y"), 0)
            << c.keys << "\n" << v.read("stderr.txt");
        long n = numberafter(v, "stopped", c.counted);
        EXPECT_GE(n, c.low) << c.keys << "\n" << v.screen("stopped");
        EXPECT_LE(n, c.high) << c.keys << "\n" << v.screen("stopped");
        bool z = c.keys.find(">z<") != std::string::npos;
        EXPECT_TRUE(v.shows("stopped", z ? "Computation interrupted:" : "Termination condition 6 encountered:  User break"))
            << c.keys;
        EXPECT_TRUE(v.shows("after", c.result)) << c.keys << "\n" << v.screen("after");
        if (z) {
            EXPECT_TRUE(v.shows("mean", " Mean value of random function:  3 ")) << v.screen("mean");
        }
    }
}
}  // namespace
