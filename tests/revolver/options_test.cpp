// The option commands "op", "oj", "ot", the switches "-p" and "-a", and
// the handlers' mends: "s" takes letters only, a calculator made from the
// context list counts as made.
#include <gtest/gtest.h>

#include <fstream>

#include "revolver/optioncmds.h"
#include "revolver/program.h"
#include "screen/host.h"
#include "tests/revolver/vemorun.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/workfolder.h"

namespace {

TEST(options, PriorityNames)
{
    EXPECT_STREQ(priorityname(32), "normal priority");
    EXPECT_STREQ(priorityname(64), "idle");
    EXPECT_STREQ(priorityname(128), "high");
    EXPECT_STREQ(priorityname(256), "realtime");
    EXPECT_STREQ(priorityname(5), "unknown");
    EXPECT_STREQ(threadpriorityname(nullptr), "## invalid thread handle ##");
    for (auto [p, name] : {std::pair{-15, "idle"}, {-2, "lowest"}, {-1, "below normal"}, {0, "normal"},
                           {1, "above normal"}, {2, "highest"}, {15, "time critical"}, {7, "unknown"}})
        EXPECT_STREQ(threadpriorityname(&p), name) << p;
}

// In a process of its own: the class changes for every thread.  Lowering
// the priority is always allowed; raising it again needs privileges, and a
// refusal is told, never fatal.
TEST(options, PriorityCommandAndSwitch)
{
    vemorun v;
    ASSERT_EQ(v.run("op<dump told>x<dump offer>i<dump set>xop<dump idle>xn<dump back>x"), 0);
    EXPECT_NE(v.screen("told").find("Process priority class is \"normal priority\""), std::string::npos)
        << v.screen("told");
    EXPECT_NE(v.screen("told").find("Priority of thread 2 is 0 (normal)"), std::string::npos);
    EXPECT_NE(v.screen("offer").find("Change of Priority Class"), std::string::npos);
    EXPECT_NE(v.screen("set").find("Process priority class has been set to:"), std::string::npos);
    EXPECT_NE(v.screen("set").find(" idle "), std::string::npos);
    EXPECT_NE(v.screen("idle").find("Process priority class is \"idle\""), std::string::npos);
    std::string back = v.screen("back");
    EXPECT_TRUE(back.find("normal priority") != std::string::npos || back.find("was refused") != std::string::npos)
        << back;

    ASSERT_EQ(v.run("op<dump told>x<Esc>x", "-p i"), 0);
    EXPECT_NE(v.screen("told").find("Process priority class is \"idle\""), std::string::npos);
    ASSERT_EQ(v.run("op<dump told>x<Esc>x", "-p x"), 0);   // another letter: normal (or told)
    EXPECT_EQ(v.screen("told").find("\"idle\""), std::string::npos);
}

class optionrun : public workfolder {};

TEST_F(optionrun, AutoJumpSwitchesOffWithANotice)
{
    hostrun r = runscript("oj<dump asked>n<dump notice>x", runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(dumpfile(r, "asked.txt").find("Current status: enabled"), std::string::npos);
    EXPECT_NE(dumpfile(r, "notice.txt").find("N O T I C E"), std::string::npos);
    EXPECT_FALSE(autojump());
    r = runscript("ojnxoj<dump asked>Y", runprogram);
    EXPECT_NE(dumpfile(r, "asked.txt").find("Current status: disabled"), std::string::npos);
    EXPECT_TRUE(autojump());
}

TEST_F(optionrun, TextFileStatistics)
{
    std::ofstream("three.txt") << "alpha\nbe\r\n\ngamma delta\n";
    std::ofstream("empty.txt");
    struct {
        const char* name;
        std::vector<const char*> shows;
    } cases[] = {
        {"three.txt", {"alpha", "statistics: 4 lines", " 18 characters", "longest line: 11 characters"}},
        {"empty.txt", {"statistics: 0 lines", " 0 characters", "longest line: 0 characters"}},
        {"missing.txt", {"could not open file", "missing.txt"}},
    };
    for (const auto& c : cases) {
        hostrun r = runscript(std::string("ot") + c.name + "<Enter><dump page><Esc><Esc>", runprogram);
        ASSERT_EQ(r.status, 0) << c.name;
        std::string page = dumpfile(r, "page.txt");
        for (const char* text : c.shows)
            EXPECT_NE(page.find(text), std::string::npos) << c.name << ": " << text << "\n" << page;
    }
}

// "s" stores the shown value under a letter only, and says so.
TEST_F(optionrun, SaveValueTakesLettersOnly)
{
    hostrun r = runscript("ex*x<Enter><Enter>3<Enter>s<dump asked>5s<dump again>q<Right>eq<Enter><Enter><Enter><dump letter>",
                          runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(dumpfile(r, "asked.txt").find("a letter (either case)"), std::string::npos);
    EXPECT_NE(dumpfile(r, "again.txt").find("Save the number 9"), std::string::npos);   // 5 ended it
    EXPECT_NE(dumpfile(r, "letter.txt").find("f.1     =                      9"), std::string::npos)
        << dumpfile(r, "letter.txt");
}

// <Ins> in the context list makes a calling calculator and says OK.
TEST_F(optionrun, ContextListInsMakesACallingCalculator)
{
    std::ofstream("DESKTOP.LIB") << "@@FU1\nsq\n1\n1\n@DATA\n@ARGS\nt\n@FORMULA\nt*t\n@@END FU1\n";
    hostrun r = runscript("ul<Ins><dump made><Esc><Enter><Enter>4<Enter><dump computed>", runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(dumpfile(r, "made.txt").find("failed !"), std::string::npos);
    std::string computed = dumpfile(r, "computed.txt");
    EXPECT_NE(computed.find("sq(t)"), std::string::npos) << computed;
    EXPECT_NE(computed.find("f.1     =                     16"), std::string::npos) << computed;
}

// While a formula's #global dependencies are shown (q, saved with "s"), F1
// explains them once; then F1 is the Master Reference List again.
TEST_F(optionrun, F1HelpsOnTheDependenciesShown)
{
    hostrun r = runscript("ex*x<Enter><Enter>3<Enter>sq<Right>eq<Enter><Enter><Enter><F1><dump deps><Esc><F1><dump list><Esc>", runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(dumpfile(r, "deps.txt").find("They are #global variables"), std::string::npos) << dumpfile(r, "deps.txt");
    EXPECT_NE(dumpfile(r, "list.txt").find("Master Reference List"), std::string::npos);
}

// F1 in the Master Reference List opens the page for first-time users,
// whose F10 shows the version notice.
TEST(options, FirstTimeHelp)
{
    vemorun v;
    ASSERT_EQ(v.run("<F1><F1><dump first><F10><dump version>x<Esc><Esc>"), 0);
    EXPECT_NE(v.screen("first").find("You are in the \"revolver\" environment of VEMO."), std::string::npos);
    EXPECT_NE(v.screen("version").find("VEMO 0.1"), std::string::npos);
}

// "oa" switches the calculators' arguments to the global variables and
// back; the Options menu's check mark 40043 follows.
TEST_F(optionrun, ArgumentsModeAndItsCheckMark)
{
    hostrun r = runscript("oa<dump asked>y<dump told>x", runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(dumpfile(r, "asked.txt").find("coincide with the"), std::string::npos);
    EXPECT_NE(dumpfile(r, "told.txt").find("specify the following option on the command line:  -a"),
              std::string::npos);
    EXPECT_TRUE(r.menu.checked[menuid::argsvars]);
    r = runscript("oan", runprogram);
    EXPECT_FALSE(r.menu.checked[menuid::argsvars]);
}

// With "-a" the arguments are the global variables from the start.
TEST(options, ArgumentsAsGlobalVariables)
{
    vemorun v;
    ASSERT_EQ(v.run("ex<Enter><Enter>5<Enter><Right>ex<Enter><dump shared>", "-a"), 0);
    EXPECT_NE(v.screen("shared").find("x= 5"), std::string::npos) << v.screen("shared");
    ASSERT_EQ(v.run("<Right><dump own>"), 0);
    EXPECT_EQ(v.screen("own").find("x= 5"), std::string::npos) << v.screen("own");
}

// With "-a" an undefined global letter used several times, beside the
// argument, is listed once.
TEST(options, UndefinedGlobalsListedOnceWithArgumentsAsGlobals)
{
    vemorun v;
    ASSERT_EQ(v.run("eg*x+g*g+h<Enter><Enter><dump list><Esc><A-x>y", "-a"), 0) << v.read("stderr.txt");
    std::string list = v.screen("list");
    for (const char* line : {"#global g    undefined", "#global h    undefined"}) {
        size_t at = list.find(line);
        ASSERT_NE(at, std::string::npos) << list;
        EXPECT_EQ(list.find(line, at + 1), std::string::npos) << list;
    }
    EXPECT_EQ(list.find("#global x"), std::string::npos) << list;
}

}  // namespace
