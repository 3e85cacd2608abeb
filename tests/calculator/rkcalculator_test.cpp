// A Runge-Kutta calculator set up through its dialogue on the headless
// front, computed, switched to Direct and back with "dd", and the
// dialogue's refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "calculator/rk.h"
#include "calculator/rksetup.h"
#include "math/valtable.h"
#include "tests/calculator/calcfixture.h"
#include "tests/screen/goldenfiles.h"

namespace {
std::string rowof(const hostrun& run, const std::string& dump, int n)
{
    std::string row = dumprow(dumptext(run, dump), n);
    return row.substr(0, row.find_last_not_of(' ') + 1);
}

// y' = y from y(0) = 1 with t as the independent variable: order, values,
// variable, formula, then the start value of f (line 2 of the list).
const char setupkeys[] = "<Backspace>1<Enter><Backspace>1<Enter>tf.1<Enter><Down>e<Backspace>1<Enter><Enter>";
}

TEST_F(calcsitting, RungeKuttaCalculatorSetUpComputedAndSwitched)
{
    std::vector<int32_t> modes, statuses;
    double value = 0;
    hostrun run = withcalc(std::string(setupkeys) + "<dump rk6>x<Backspace>1<Enter><dump rk1>x<dump direct>x<dump back>x",
                           [&](calculator& c) {
                               c.switchmode();
                               modes.push_back(c.mode);
                               statuses.push_back(c.status);
                               show(c);
                               c.proceed(true);   // implements: 3
                               c.proceed(true);   // t = 1
                               statuses.push_back(c.status);
                               value = c.latest;
                               show(c);
                               c.switchmode();    // Direct with the system's formula in t
                               modes.push_back(c.mode);
                               show(c);
                               c.switchmode();    // back to the kept solver
                               modes.push_back(c.mode);
                               show(c);
                           });
    EXPECT_EQ(modes, (std::vector<int32_t>{10, 9, 10}));
    EXPECT_EQ(statuses, (std::vector<int32_t>{6, 1}));
    EXPECT_NEAR(value, std::numbers::e, 1e-12);
    EXPECT_EQ(rowof(run, "rk6", 1).substr(15, 10), "(RK-mode) ");
    EXPECT_EQ(rowof(run, "rk6", 3), "Order = 1    Dimension = 1");
    EXPECT_EQ(rowof(run, "rk6", 7), " press <enter> to implement");
    EXPECT_EQ(rowof(run, "rk1", 7), "                 f       =       2.71828182845902");
    EXPECT_EQ(rowof(run, "direct", 3), "f.1");
    EXPECT_EQ(rowof(run, "direct", 7), " press <enter> to implement");
    EXPECT_EQ(rowof(run, "back", 1).substr(15, 10), "(RK-mode) ");
    checkgoldenfiles(run.out, "rk1");
}

// Esc at the first question leaves the calculator empty in Direct mode;
// an order out of range is refused and asked again.
TEST_F(calcsitting, RungeKuttaDialogueRefusesAndCancels)
{
    struct {
        const char* keys;
        bool empty;
        uint16_t order;
    } cases[] = {
        {"<Esc>", true, 0},
        {"<Backspace>13<Enter><dump refused><Esc><Backspace>2<Enter><Esc>", true, 0},
        {"<Backspace>abc<Enter><Esc><Esc>", true, 0},
        {"<Backspace>2<Enter><Backspace>1<Enter>x-f.1<Enter><Esc><dump cancel>y", true, 0},
        {"<Backspace>2<Enter><Backspace>1<Enter>x-f.1<Enter><Enter>", false, 2},
        {"<Backspace>2<Enter><Backspace>1<Enter>x<Enter><dump empty><Esc>-f.1<Enter><Enter>", false, 2},
    };
    for (const auto& k : cases) {
        bool empty = false;
        int32_t mode = 0;
        uint16_t order = 0;
        size_t length = 0;
        hostrun run = withcalc(k.keys, [&](calculator& c) {
            c.switchmode();
            empty = c.isempty();
            mode = c.mode;
            order = c.solver ? c.solver->shape.order : 0;
            length = c.solver ? c.solver->statelength() : 0;
            EXPECT_EQ(c.setup, nullptr);
        });
        EXPECT_EQ(empty, k.empty) << k.keys;
        EXPECT_EQ(mode, k.empty ? 9 : 10) << k.keys;
        EXPECT_EQ(order, k.order) << k.keys;
        if (!k.empty) {
            EXPECT_EQ(length, 3u);
        }
        if (std::string(k.keys).find("refused") != std::string::npos) {
            EXPECT_NE(dumptext(run, "refused").find("Not accepted. Expecting a value between 1 and 12."), std::string::npos);
        }
        if (std::string(k.keys).find("empty") != std::string::npos) {
            EXPECT_NE(dumptext(run, "empty").find("This component needs a nonempty formula."), std::string::npos);
        }
        if (std::string(k.keys).find("cancel") != std::string::npos) {
            EXPECT_NE(dumptext(run, "cancel").find("Cancel and delete all input (y/n) ?"), std::string::npos);
        }
    }
}

// A STOP request confirmed while the system is integrated: status 4, and
// Enter computes again.
TEST_F(calcsitting, StopRequestDuringIntegrationGivesUserBreak)
{
    std::vector<int32_t> statuses;
    hostrun run = withcalc(std::string(setupkeys) + "<Backspace>3<Enter><busy><menu 40042><yes></busy><dump s4>x<Enter>",
                           [&](calculator& c) {
                               c.switchmode();
                               c.proceed(true);
                               c.proceed(true);
                               statuses.push_back(c.status);
                               show(c);
                               c.proceed(true);   // the same argument again
                               statuses.push_back(c.status);
                           });
    EXPECT_EQ(statuses, (std::vector<int32_t>{4, 1}));
    EXPECT_EQ(rowof(run, "s4", 7), " User break.    Press <enter> to restart");
}

// Robertson's stiff system: its first trial steps overflow and are halved.
// STOP reaches the run; computed again, the value at t = 40 is that of
// tests/formula/refdata/stiff.txt.
TEST_F(calcsitting, StiffSystemComputesAndStops)
{
    const std::string setup = "<Backspace>1<Enter><Backspace>3<Enter>t"
                              "-0.04*f.1+1e4*f.2*f.3,0.04*f.1-1e4*f.2*f.3-3e7*f.2^2,3e7*f.2^2<Enter>"
                              "<Down>e<Backspace>1<Enter><Enter>";
    std::vector<int32_t> statuses;
    double value = 0;
    hostrun run = withcalc(setup + "<Backspace>40<Enter><busy><menu 40042><yes></busy>x<Enter>",
                           [&](calculator& c) {
                               c.switchmode();
                               c.proceed(true);   // implements
                               c.proceed(true);   // t = 40, stopped
                               statuses.push_back(c.status);
                               show(c);
                               c.proceed(true);   // the same argument again
                               statuses.push_back(c.status);
                               value = c.latest;
                           });
    EXPECT_EQ(statuses, (std::vector<int32_t>{4, 1}));
    EXPECT_NEAR(value, 0.7158270687194047, 1e-10);
}
