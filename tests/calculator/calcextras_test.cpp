// What a calculator offers beside computing: its variable lists and
// editor, display modes, the transfer formula, the Runge-Kutta
// information window and the calculation notepad.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "base/limits.h"
#include "base/serial.h"
#include "calculator/calcfunm.h"
#include "calculator/calcvars.h"
#include "calculator/notepad.h"
#include "calculator/rkdialog.h"
#include "calculator/rk.h"
#include "calculator/rksetup.h"
#include "formula/evalstate.h"
#include "formula/formulaholder.h"
#include "formula/parser.h"
#include "objects/fu.h"
#include "formula/varman.h"
#include "math/valtable.h"
#include "screen/boxsettings.h"
#include "tests/calculator/calcfixture.h"

namespace {
bool has(const hostrun& run, const std::string& dump, const std::string& part)
{
    return dumptext(run, dump).find(part) != std::string::npos;
}

// A ready calculator of formula in x.
void ready(calculator& c, const char* formula)
{
    c.setformula(formula, "x");
    c.reimplement();
    c.proceed(true);
}

// A Runge-Kutta calculator made from a complete record.
void rkcalc(calculator& c, int order, int dimension, const char* formula, std::initializer_list<double> start)
{
    c.setup = new rksetup;
    c.setup->shape = {uint16_t(order), uint16_t(dimension), 't', false};
    c.setup->setformula(formula);
    c.setup->zerostart();
    std::copy(start.begin(), start.end(), c.setup->start);
    c.setup->setallgiven();
    ASSERT_TRUE(c.makemyrk());
    c.setstatus(calcstatus::mustimplement);
}
}  // namespace

TEST_F(calcsitting, VariableUsageAndEditor)
{
    bool asked = false, refused = true;
    double g = 0;
    hostrun run = withcalc("<dump usage><Esc><dump none><Esc>g<Backspace>5<Enter>", [&](calculator& c) {
        shared.globals->setvalue('g', 2);
        ready(c, "x*g");
        showvariableusage(c);
        shared.globals->clearclass('g');
        calculator plain(c.owner);
        ready(plain, "x*x");
        showvariableusage(plain);
        shared.globals->setvalue('g', 2);
        asked = inputvaredit(c);
        g = shared.globals->value('g');
        calculator empty(c.owner);
        refused = !inputvaredit(empty);
        shared.globals->clearclass('g');
    });
    EXPECT_TRUE(has(run, "usage", " Variable Usage Reference "));
    EXPECT_TRUE(has(run, "usage", "#global g               2"));
    EXPECT_TRUE(has(run, "none", "Implementation uses no #global, #static or #const variables !"));
    EXPECT_TRUE(asked);
    EXPECT_EQ(g, 5);
    EXPECT_TRUE(refused);
}

TEST_F(calcsitting, DisplayModes)
{
    std::vector<bool> took;
    double derivative = 0;
    hostrun run = withcalc("<Backspace>3<Enter><dump fixed>x<Esc>", [&](calculator& c) {
        ready(c, "x*x");
        took.push_back(c.diffoperator('5'));   // no such mode
        took.push_back(c.diffoperator('8'));   // no tool result yet
        took.push_back(c.diffoperator('1'));
        took.push_back(c.isderivativemode());
        c.proceed(true);                       // x = 3
        derivative = c.latest;
        c.fixedlabel = " numeric integration result: ";
        c.fixedvalue = 0.25;
        took.push_back(c.diffoperator('8'));
        show(c);
        took.push_back(c.diffoperator(-1));
        took.push_back(c.fixed == 0);
        took.push_back(c.diffoperator(9));     // no operator yet: says so
    });
    EXPECT_EQ(took, (std::vector<bool>{false, false, true, true, true, true, true, false}));
    EXPECT_NEAR(derivative, 6, 1e-8);
    std::string row = dumprow(dumptext(run, "fixed"), 7);
    EXPECT_EQ(row.substr(0, 35), "  numeric integration result:  0.25");
}

TEST_F(calcsitting, TransferFormulaPickedUpAndDropped)
{
    std::vector<int32_t> modes;
    hostrun run = withcalc("<dump none><Esc><dump full><Esc>", [&](calculator& c) {
        rksetup* transfer = nullptr;
        calculator target(c.owner);
        EXPECT_FALSE(dropformula(target, transfer));   // nothing picked up
        rkcalc(c, 2, 1, "-f.1", {0, 0, 1});
        ASSERT_TRUE(pickupformula(c, transfer));
        EXPECT_FALSE(dropformula(c, transfer));        // not empty
        ASSERT_TRUE(dropformula(target, transfer));
        modes.push_back(target.mode);
        EXPECT_EQ(target.status, calcstatus::mustimplement);
        EXPECT_EQ(target.solver->shape.order, 2);
        EXPECT_EQ(target.initvalues->startvector[2], 1);
        calculator direct(c.owner);
        ready(direct, "x+1");
        ASSERT_TRUE(pickupformula(direct, transfer));
        calculator second(c.owner);
        ASSERT_TRUE(dropformula(second, transfer));
        modes.push_back(second.mode);
        EXPECT_STREQ(second.formulatext(), "x+1");
        delete transfer;
    });
    EXPECT_EQ(modes, (std::vector<int32_t>{10, 9}));
    EXPECT_TRUE(has(run, "full", "needs an empty calculator!"));
    EXPECT_TRUE(has(run, "none", "There has no transfer formula been picked up yet!"));
}

TEST_F(calcsitting, InformationWindowArclengthAndOrder)
{
    std::vector<double> start;
    bool changed = false, refused = true;
    int32_t mode = 0;
    hostrun run = withcalc("<dump info>a<dump arc><Esc>" "a<dump refused><Esc><Esc>", [&](calculator& c) {
        rkcalc(c, 1, 1, "f.1", {2, 5});
        changed = c.rkinfo();
        mode = c.mode;
        start.assign(c.initvalues->startvector, c.initvalues->startvector + 3);
        calculator second(c.owner);
        rkcalc(second, 2, 1, "-f.1", {0, 0, 1});
        refused = !second.rkinfo() && !second.solver->shape.arclength;
    });
    EXPECT_TRUE(changed);
    EXPECT_EQ(mode, calcmode::arclength);
    EXPECT_EQ(start, (std::vector<double>{0, 2, 5}));
    EXPECT_TRUE(has(run, "info", "Order     = 1"));
    EXPECT_TRUE(has(run, "info", "Equation: f' = ..."));
    EXPECT_TRUE(has(run, "arc", " arc      = 0"));
    EXPECT_TRUE(has(run, "arc", " t        = 2"));
    EXPECT_TRUE(has(run, "arc", " f        = 5"));
    EXPECT_TRUE(refused);
    EXPECT_TRUE(has(run, "refused", "Arclength mode is available only for Order=Dimension=1"));
}

TEST_F(calcsitting, NotepadEvaluatesLines)
{
    hostrun run = withcalc("1+2<Enter>1,2,3<Enter><dump pad><Esc>", [&](calculator& c) { calcnotepad(&c); });
    std::string pad = dumptext(run, "pad");
    EXPECT_NE(pad.find(" Calculation Notepad "), std::string::npos);
    EXPECT_NE(pad.find(" 3 "), std::string::npos);
    EXPECT_NE(pad.find("1   2   3"), std::string::npos);
}

// Calculators share the owner's operator: a change of its text reaches
// every one of them, and none frees it.
TEST_F(calcsitting, SharedDifferentialOperator)
{
    std::vector<double> seen;
    hostrun run = withcalc("<Backspace>2<Enter><Backspace>2<Enter>", [&](calculator& c) {
        formulaholder holder;
        holder.compiled = new parser;
        holder.text = new char[limits::formulalength + 1]();
        std::strcpy(holder.text, "d0 + d1");
        c.owner->diffop = &holder;
        {
            calculator other(c.owner);
            ready(c, "x*x");
            ready(other, "x*x*x");
            ASSERT_TRUE(c.diffoperator(9));
            ASSERT_TRUE(other.diffoperator(9));
            c.proceed(true);       // x = 2: 4 + 4
            seen.push_back(c.latest);
            std::strcpy(holder.text, "d1");
            holder.serial = newserial();
            EXPECT_GT(other.calling->changestamp(), other.calling->called->serial);
            nextgeneration();      // as a change of the operator does
            other.proceed(true);   // status 6
            other.proceed(true);   // implements again
            other.proceed(true);   // x = 2: 12
            seen.push_back(other.latest);
        }
        c.release();
        c.owner->diffop = nullptr;
        EXPECT_STREQ(holder.text, "d1");
    });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NEAR(seen[0], 8, 1e-7);
    EXPECT_NEAR(seen[1], 12, 1e-7);
}

// A system taken from a solver (as from a Runge-Kutta function object):
// computed like one set up by hand; an incomplete one leaves the
// calculator empty.
TEST_F(calcsitting, SystemTakenFromASolver)
{
    double value = 0;
    bool incomplete = true;
    hostrun run = withcalc("<Backspace>2<Enter>", [&](calculator& c) {
        RK source;
        source.shape = {2, 1, 't', false};
        source.setformula("-f.1");
        const double start[] = {0, 0, 1, 99};   // sin: y(0) = 0, y'(0) = 1; one too many
        ASSERT_TRUE(c.takesystem(source, start, 4));
        EXPECT_EQ(c.mode, calcmode::rungekutta);
        EXPECT_EQ(c.status, calcstatus::mustimplement);
        c.proceed(true);
        c.proceed(true);   // t = 2
        value = c.values[0];
        calculator other(c.owner);
        RK empty;
        empty.shape = {1, 1, 't', false};
        incomplete = !other.takesystem(empty, nullptr, 0) && other.isempty() && !other.setup;
    });
    EXPECT_NEAR(value, std::sin(2.0), 1e-11);
    EXPECT_TRUE(incomplete);
}

// The information window's order and dimension: a value out of range is
// refused with its message and asked again, Esc keeps the system; a new
// order resizes the start values.
TEST_F(calcsitting, InformationWindowCountsRefusedOrTaken)
{
    std::vector<size_t> lengths;
    bool changed = true;
    hostrun run = withcalc("o<Backspace>13<Enter><dump refused><Esc><Esc><Esc>"
                           "d<Backspace>x<Enter><Esc><Esc><Esc>"
                           "o<Backspace>3<Enter><Esc>",
                           [&](calculator& c) {
                               rkcalc(c, 2, 1, "-f.1", {0, 0, 1});
                               changed = c.rkinfo();
                               lengths.push_back(c.solver->statelength());
                               changed = changed || c.rkinfo();
                               lengths.push_back(c.solver->statelength());
                               EXPECT_TRUE(c.rkinfo());
                               lengths.push_back(c.solver->statelength());
                               EXPECT_EQ(c.initvalues->startvector[2], 0);
                           });
    EXPECT_FALSE(changed);
    EXPECT_EQ(lengths, (std::vector<size_t>{3, 3, 4}));
    EXPECT_TRUE(has(run, "refused", "Not accepted. Expecting a number between 1 and 12."));
}

// "s" in the start-value list stores the value under the bar in a global
// variable; a key that is no letter stores nothing.
TEST_F(calcsitting, StartValueSavedToAVariable)
{
    double saved = 0;
    bool digit = true;
    hostrun run = withcalc("<Down>s7<Down>sq<Enter>", [&](calculator& c) {
        rkcalc(c, 2, 1, "-f.1", {0, 0.5, 1.5});
        setboxtitle(" Edit the Initial Values ");
        EXPECT_TRUE(editstartvalues(c.initvalues->startvector, c.solver->shape));
        saved = shared.globals->value('q');
        digit = shared.globals->classof('7') != 0;
        shared.globals->clearclass('q');
    });
    EXPECT_EQ(saved, 1.5);
    EXPECT_FALSE(digit);
}
