// The composite kinds in the user-function database's main list and on
// their view pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "objects/dabalist.h"
#include "objects/fudaba.h"
#include "objects/slotcomp.h"
#include "tests/objects/compositerecords.h"
#include "tests/objects/dabafixture.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"

namespace {

using namespace compositerecords;

class compositedaba : public dabadirectory {
protected:
    void SetUp() override
    {
        dabadirectory::SetUp();
        delete context;  // the run makes its own
        context = nullptr;
        for (const char* name : {"ALPHA.LIB", "alpha.lib", "beta.lib", "gamma.lib", "averyverylongname.lib"})
            std::filesystem::remove(dir / name);
        write("DESKTOP.LIB", finitsum("fs", "n", 'k', "1", "n", "1", "k^2") +
                                 conditional("cc", "x", "x", "10+x", "20+x") +
                                 parin("pa", "a", 'x', "0", "1", "a*x"));
    }
};

void listloop()
{
    parser first;
    makedatabase();
    databasemainlist();
    dropdatabase();
    slotcomp::dropspare();
}

}  // namespace

TEST_F(compositedaba, listedandviewed)
{
    hostrun run = runscript("<dump list><Home>v<dump first><F1><dump help><A-F1><dump listhelp><Esc>kv<End>v<dump third><Esc>"
                            "<Up><Up>v<dump second>v<Esc>", listloop);
    ASSERT_EQ(run.status, 0);
    std::string list = plainfile(run.out + "/list.txt");
    EXPECT_NE(list.find("fs      (   1)  DESKTOP.LIB"), std::string::npos) << list;
    EXPECT_NE(list.find("cc      (   1)  DESKTOP.LIB"), std::string::npos) << list;
    std::string pages =
        plainfile(run.out + "/first.txt") + plainfile(run.out + "/second.txt") + plainfile(run.out + "/third.txt");
    for (const char* text : {" Finite sum ", "Function: fs(n)", "Summation term:", "Summation index: \"k\"",
                             "Index runs to:", " 2-formula-object ", "Function: cc(x)", "Condition:", "Formula 2:",
                             " parameter integral ", "Integration parameter: \"x\"", "Maximum iterations:"})
        EXPECT_NE(pages.find(text), std::string::npos) << text << "\n" << pages;
    EXPECT_NE(plainfile(run.out + "/help.txt").find("Learn all about composite functions like this one"),
              std::string::npos);
    EXPECT_NE(plainfile(run.out + "/listhelp.txt").find(" General List Commands "), std::string::npos);
}
