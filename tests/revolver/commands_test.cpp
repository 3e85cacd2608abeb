// Every command of the calculator's and the revolver's tables, reached
// through the program's main loop on a calculator that holds x*x computed
// at 3: the keys in, a text of the first screen or box they open out.
#include <gtest/gtest.h>

#include "objects/fudaba.h"
#include "revolver/program.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/hostrun.h"
#include "tests/revolver/vemorun.h"
#include "tests/screen/workfolder.h"

namespace {

const char setup[] = "ex*x<Enter><Enter>3<Enter>";

struct commandcase {
    const char* keys;
    const char* before;   // after the keys, before the dump
    const char* after;    // after the dump: what ends the command
    const char* shows;    // on the dump or in a native box
};

const commandcase cases[] = {
    // The calculator's commands.
    {"<Enter>", "", "<Esc>", "enter argument x"},
    // Rows that start with a default fastplot ("<Space><Space>") show by
    // the space menu whether a plot is still ready: "Edit in Detail".
    {"<Space><Space><key 601>", "<Space>", "<Esc>", "Create a simple Plot / enter Window"},   // closed
    {"<Space><Space><key 602>", "<Space>", "<Esc>", "Edit in Detail"},
    {"<Space><Space><Tab>", "<Space>", "<Esc>", "Edit in Detail"},   // one plot: nothing to switch
    {"<Space><Space><S-Tab>", "<Space>", "<Esc>", "Edit in Detail"},
    {"<Up>", "", "", "Calculator 1 "},
    {"<Down>", "", "", "Calculator 1 "},
    {"<PgUp>", "", "", "Calculator 1 "},
    {"<PgDn>", "", "", "Calculator 1 "},
    {"<Space><Space><click 10 10>", "<Space>", "<Esc>", "Edit in Detail"},   // a frame of no size
    {"<F3>", "", "<Esc>", " Possible Representations of 9 "},
    {"<C-w>", "", "x", "The variable list is displayed with <W> !"},
    {"<F8>v", "", "xxx", "myfu->version"},
    {"<F8>2", "", "<Esc>", " formula ? "},
    {"+", "", "<Esc>", "<+> (Summation Menu)"},
    {"<Space>", "", "<Esc>", " <space> - Commands "},
    {"<Space><Space><S-Space>", "<Space>S<ok>", "", "Plot consisting of"},
    {"d1", "", "", "f.1     =       6.0000000000"},   // d(x*x)/dx at 3
    {"dd", "", "<Esc>", "Initializing Runge-Kutta Mode"},
    {"^", "", "", "Calculator 1 "},
    {"a", "", "", "inactive"},
    {"c", "", "<Esc>", "(local)"},
    {"e", "", "<Esc>", "x*x"},
    {"fe", "", "<Esc>", "x*x"},
    {"I", "", "x", "This formula has no user defined components !"},
    {"ii", "", "<Esc>", "Left limit ?"},
    {"mi", "", "<Esc>", "Found a local minimum at ("},
    {"ma", "", "x", "Unable to locate a maximum !"},
    {"Mi", "", "x", "\"Mi\" expects a calculator with at least two arguments !"},
    {"Ma", "", "x", "\"Ma\" expects a calculator with at least two arguments !"},
    {"n0", "", "x", " Nonlinear Solver "},
    {"nn", "", "x", "Nr.            Value                  Target"},
    {"ppn", "", "<Esc>", " Left border (abscissa) ? "},   // no fastplot: a window is asked
    {"pp+", "", "x", "There has no designer plot been created yet."},
    {"ppl", "", "x", "because there is no designer plot yet!"},
    {"p+", "", "x", "There has no designer plot been created yet."},
    {"r0", "", "x", "Found nothing"},
    {"rf", "", "<Esc>", " requested value ? "},
    {"s", "", "<Esc>", "Save the number 9"},
    {"u+", "", "<Esc>", "Input of a 1-formula function"},
    {"v", "", "x", "This formula has no user defined components !"},
    {"w", "", "<Esc>", "Input a variable:"},
    {"W", "", "<Esc>", "x"},
    {"x", "", "<Esc>", "new argument list"},
    {"z", "<busy>x</busy>", "<Esc>", "Computation interrupted:"},
    // The revolver's commands.
    {"<A-x>", "", "n", "Quit (y/n) ?"},
    {"<F7>", "", "", "Calculator 1 "},
    {"<F1>", "", "<Esc>", "Master Reference List"},
    {"<S-F1>", "", "", "Calculator 1 "},   // no fastplot drawn
    {"<Space><Space><S-F1>", "", "", "On drawing Mouse Frames"},
    {"<F2>", "", "", "Calculator 1 "},
    {"<F4>", "", "<Esc>", "<F4> Submenu"},
    {"<F5>", "", "<Esc>", "Calculation Notepad"},
    {"<F9>", "", "", "Calculator 1 "},
    {"<F10>", "", "x", "VEMO 0.1"},
    {"<Left>", "", "", "Calculator 0 "},
    {"<Right>", "", "", "Calculator 2 "},
    {"<Ins>", "", "", "press <e> to enter a formula"},
    {"<Del>", "", "x", "You have cleared calculator 1."},
    {"<C-Del>", "", "x", "There has no calculator been deleted yet !"},
    {"<Esc>", "", "x", "Quit: <alt>+<x>"},
    {"f9", "", "<Esc>", "Input a differential operator (using x, d0,d1,d2,d3)"},
    {"fd", "", "x", "There has no transfer formula been picked up yet!"},
    {"fp", "<Right>fd", "", "x*x"},
    {"ot", "", "<Esc>", "enter file name"},
    {"or", "", "<Esc>", "Input a Random Seed Value (1<=n<=32767) ?"},
    {"oa", "", "n", "Should the calculator arguments coincide"},
    {"od", "", "x", "Compilations will not use the database"},
    {"og", "", "<click 50 20 right>", "Calculator 1 "},
    {"oj", "", "<Esc>", "Auto-jump Feature"},
    {"op", "", "x<Esc>", "Process priority class is"},
    {"om", "<dialog press=1002>", "x", " \"g\" returned "},
    {"oof", "<press 100 80 px><move 150 90 px><release 200 170 px><ok>", "", "left=100"},
    {"ooF", "", "xxx", "Properties of VEMO Text Font"},
    {"oom", "<press 100 80 px><move 150 90 px><release 200 170 px>",
     "xabcd<press 300 100 px><move 350 100 px><release 400 100 px>fgh", "left=100"},
    {"ooc", "<ok><click 5 5><click 1 1 right><ok>", "", "Number of contaminated screenchars: 1"},
    {"ook", "", "<Esc>", "Close with <esc>"},
    {"oo_r", "", "n", "Set undocumented constants of class recognizer (y/n) ?"},
    {"ppp", "", "x", "There has no designer plot been created yet."},
    {"pp<Del>", "", "x", "No plot left to be erased"},
    {"ul", "", "x", " empty "},
    {"ui", "", "<Esc>", "What type of object are you installing ?"},
    {"ud", "", "<Esc>", "No user defined functions or library files were found"},
};

class commands : public workfolder {};

TEST_F(commands, EveryCommandOfBothTablesIsReached)
{
    for (const commandcase& c : cases) {
        hostrun r = runscript(std::string(setup) + c.keys + c.before + "<dump d>" + c.after + "<close>", runprogram);
        EXPECT_EQ(r.status, 0) << c.keys;
        std::string seen = dumpfile(r, "d.txt");
        for (const std::string& box : r.boxes)
            seen += box;
        for (const platform::inforecord& info : r.infos)
            seen += info.title;
        EXPECT_NE(seen.find(c.shows), std::string::npos) << c.keys << " shows:\n" << seen;
        std::remove("vemo.rev");
        databaseassistance = true;   // "od" switches it off
    }
}

// A key sequence that is no command beeps (BEL on standard error) and is
// dropped whole: the next command works.  Case counts.
TEST(nocommand, BeepsAndIsDropped)
{
    for (const char* keys : {"q", "ppx", "mx", "Mx", "oz", "f1", "pP", "ooX", "D", "A"}) {
        vemorun v;
        ASSERT_EQ(v.run(std::string(keys) + "<F10><dump after>x"), 0) << keys;
        // One beep and nothing else (a sanitizer build adds its summary).
        std::string err = v.read("stderr.txt");
        EXPECT_EQ(err.substr(0, err.find("-----")), "\a") << keys;
        EXPECT_NE(v.screen("after").find("VEMO 0.1"), std::string::npos) << keys;
    }
}

}  // namespace
