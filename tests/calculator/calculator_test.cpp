// One calculator driven through its statuses on the headless front: the
// status and value lines as drawn, the transitions of Enter, and the
// argument input with good and bad values.
#include <gtest/gtest.h>

#include <string>

#include "formula/evalstate.h"
#include "formula/varman.h"
#include "tests/calculator/calcfixture.h"
#include "tests/screen/goldenfiles.h"

namespace {

// Row 7 (the status row) of a dump, without trailing blanks.
std::string statusrow(const hostrun& run, const std::string& dump)
{
    std::string row = dumprow(dumptext(run, dump), 7);
    return row.substr(0, row.find_last_not_of(' ') + 1);
}

struct enterscase {
    const char* formula;
    int enters;          // Enter presses (proceed) before the dump
    const char* keys;    // the keys they read, then the dump
    int32_t status;
    const char* row;
};

}  // namespace

// Each status reached by Enter from a fresh formula, with its status line.
TEST_F(calcsitting, EveryStatusShowsItsLine)
{
    put("DESKTOP.LIB", "@@FU1\nbad\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\nx+(\n@@END FU1\n");
    const enterscase cases[] = {
        {"x*x", 0, "", 6, " press <enter> to implement"},
        {"x*x", 1, "", 3, " Formula OK.   Press <enter> to start computation"},
        {"x*x", 2, "<Backspace>3<Enter>", 1, " :               f.1     =                      9"},
        {"x, x*x, -x", 2, "<Backspace>3<Enter>", 1, " :               f.1     =                      3"},
        {"ln(x)", 2, "<Backspace>-1<Enter><Esc>", 2, " Runtime error. Change argument(s) and retry"},
        {"x, x*x", 2, "<Backspace>2<Enter><busy><menu 40042><yes></busy>", 4, " User break.    Press <enter> to restart"},
        {"x*g", 1, "", 5, " Undefined #global Dependencies. Press <Enter> to edit"},
        {"bad(x)", 1, "<Esc><Esc>", 7, " Component error.   Press <v> for more info"},
        {"x+(", 1, "<Esc>", 8, " Implementation failed. Fix problem and retry"},
    };
    for (const enterscase& k : cases) {
        int32_t status = 0;
        hostrun run = withcalc(std::string(k.keys) + "<dump s>x", [&](calculator& c) {
            c.setformula(k.formula, "x");
            c.reimplement();
            for (int i = 0; i < k.enters; i++)
                c.proceed(true);
            status = c.status;
            show(c);
        });
        EXPECT_EQ(status, k.status) << k.formula;
        EXPECT_EQ(statusrow(run, "s"), k.row) << k.formula << " " << run.out;
    }
}

// Status 5: Enter lists the undefined #global letters and stays; once the
// letter has a value Enter leads to 3.  A change of the local context's
// generation sends a computed calculator back to 6.
TEST_F(calcsitting, GlobalsThenGenerationTransitions)
{
    std::vector<int32_t> seen;
    hostrun run = withcalc("<dump list><Esc><Backspace>2<Enter>", [&](calculator& c) {
        c.setformula("x*g", "x");
        c.reimplement();
        c.proceed(true);
        seen.push_back(c.status);   // 5
        c.proceed(true);            // the list, Esc
        seen.push_back(c.status);   // still 5
        shared.globals->setvalue('g', 10);
        c.proceed(true);
        seen.push_back(c.status);   // 3
        c.proceed(true);            // x = 2
        seen.push_back(c.status);   // 1
        EXPECT_EQ(c.latest, 20);
        nextgeneration();
        c.proceed(false);
        seen.push_back(c.status);   // 6
        shared.globals->clearclass('g');
    });
    EXPECT_EQ(seen, (std::vector<int32_t>{5, 5, 3, 1, 6}));
    std::string list = dumptext(run, "list");
    EXPECT_NE(list.find(" List of undefined #global Dependencies "), std::string::npos);
    EXPECT_NE(list.find("#global g    undefined     (used in calculator formula)"), std::string::npos);
}

// Argument input: a text that gives no number is refused with "bad input"
// and asked again; Esc then leaves argument, values and status as they
// were.  An emptied field keeps the value and computes.
TEST_F(calcsitting, BadArgumentInputLeavesTheCalculatorAsItWas)
{
    struct outcome {
        int32_t status;
        double x, latest;
    };
    const struct {
        const char* keys;
        outcome expected;
    } cases[] = {
        {"<Backspace>2+<Enter><Esc><dump bad><Esc>", {1, 3, 9}},
        {"<Backspace>zz(<Enter><Esc><Esc>", {1, 3, 9}},
        {"<Esc>", {1, 3, 9}},
        {"<Backspace><Enter>", {1, 3, 9}},
        {"<Backspace>4<Enter>", {1, 4, 16}},
    };
    for (const auto& k : cases) {
        outcome got{};
        hostrun run = withcalc(std::string("<Backspace>3<Enter>") + k.keys, [&](calculator& c) {
            c.setformula("x*x", "x");
            c.reimplement();
            c.proceed(true);
            c.proceed(true);   // x = 3
            c.proceed(true);   // the case's input
            got = {c.status, c.argstore()->value('x'), c.latest};
        });
        EXPECT_EQ(got.status, k.expected.status) << k.keys;
        EXPECT_EQ(got.x, k.expected.x) << k.keys;
        EXPECT_EQ(got.latest, k.expected.latest) << k.keys;
    }
}

// The screens of a computed calculator with three values (the value box
// under the status row, its bar on the selected value) and of the same
// calculator with the second value selected.
TEST_F(calcsitting, GoldenScreensOfValues)
{
    hostrun run = withcalc("<Backspace>3<Enter><dump calcvalues>x<dump calcvalue2>x", [&](calculator& c) {
        c.setformula("x, x*x, -x", "x");
        c.reimplement();
        c.proceed(true);
        c.proceed(true);
        show(c);
        c.valueindex() = 2;
        c.latest = c.values[1];
        show(c);
    });
    EXPECT_EQ(statusrow(run, "calcvalue2"), " :               f.2     =                      9");
    checkgoldenfiles(run.out, "calcvalues");
    checkgoldenfiles(run.out, "calcvalue2");
}

// An argument the formula never reads is marked in the input title.
TEST_F(calcsitting, UnusedArgumentIsMarked)
{
    bool x = true, y = false;
    hostrun run = withcalc("<Down><dump unused><Esc>", [&](calculator& c) {
        c.setformula("x*2", "xy");
        c.reimplement();
        c.proceed(true);
        c.proceed(true);
        x = c.hasargletter('x');
        y = c.hasargletter('y');
    });
    EXPECT_FALSE(x);
    EXPECT_TRUE(y);
    EXPECT_NE(dumptext(run, "unused").find(" enter argument y (unused) "), std::string::npos);
}

// The match indicator stays blank until two values in a row agree in at
// least 3 digits.
TEST_F(calcsitting, MatchIndicatorAfterAgreeingValues)
{
    hostrun run = withcalc("<Backspace>3<Enter><dump first>x<End>.0001<Enter><dump second>x",
                           [&](calculator& c) {
                               c.setformula("x*x", "x");
                               c.reimplement();
                               c.proceed(true);
                               c.proceed(true);
                               show(c);
                               c.proceed(true);
                               show(c);
                           });
    EXPECT_EQ(dumprow(dumptext(run, "first"), 1).substr(29, 15), std::string(15, ' '));
    std::string second = dumprow(dumptext(run, "second"), 1).substr(29, 15);
    EXPECT_EQ(second.substr(0, 14), " Match =  4.2 ");   // 9 and 9.00060001
}
