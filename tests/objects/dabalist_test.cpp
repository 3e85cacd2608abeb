// The database main list on the headless front, over the fixture libraries.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "objects/context.h"
#include "objects/dabalist.h"
#include "objects/fudaba.h"
#include "platform/core/files.h"
#include "tests/objects/dabafixture.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"

namespace {

using namespace dabafiles;

// What the context held after the list closed.
std::string changelog;
int libraryafter;
int residentsafter;

void mainlistloop()
{
    parser first;
    makedatabase();
    databasemainlist();
    databasemainlist();  // opens again where it was left
    dropdatabase();
    changelog = context->changelog;
    libraryafter = currentlibrary;
    residentsafter = context->count;
}

// "name values args library" of the list lines in a dump, for a list
// whose frame stands in column left.
std::vector<std::string> listed(const std::string& dump, size_t left = 10)
{
    std::vector<std::string> lines;
    std::istringstream in(dump);
    for (std::string row; std::getline(in, row);) {
        std::istringstream words(row.size() > left && row[left - 1] == '|' ? row.substr(left, 62) : "");
        std::string index, name, rest, word;
        if (!(words >> index >> name) || index.find_first_not_of("0123456789") != std::string::npos)
            continue;
        while (words >> word)
            rest += " " + word;
        lines.push_back(name + rest);
    }
    return lines;
}

class mainlist : public dabadirectory {
protected:
    void SetUp() override
    {
        dabadirectory::SetUp();
        delete context;  // the run makes its own
        context = nullptr;
    }
    static std::vector<std::string> screen(const hostrun& run, const char* name, size_t left = 10)
    {
        return listed(plainfile(run.out + "/" + name + ".txt"), left);
    }
};

TEST_F(mainlist, sortsandopensagainwhereitwasleft)
{
    hostrun run = runscript("<dump first><Down><Down>sC<dump chrono>sx<Esc><dump again><Esc>", mainlistloop);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(screen(run, "first"),
              (std::vector<std::string>{"Cspeed ( 0) ALPHA.LIB", "e2 ( 0) ALPHA.LIB", "fa ( 1) resident",
                                        "fa ( 1) DESKTOP.LIB", "Ga#3 ( 0) beta.lib", "ga ( 1) ALPHA.LIB",
                                        "ga ( 2) ALPHA.LIB", "ka ( 1) beta.lib", "ma ( 0) beta.lib",
                                        "na#2 ( 0) beta.lib"}));
    std::vector<std::string> chrono{"fa ( 1) resident", "fa ( 1) DESKTOP.LIB", "ga ( 1) ALPHA.LIB", "ga ( 2) ALPHA.LIB",
                                    "Cspeed ( 0) ALPHA.LIB", "e2 ( 0) ALPHA.LIB", "ka ( 1) beta.lib",
                                    "ma ( 0) beta.lib", "na#2 ( 0) beta.lib", "Ga#3 ( 0) beta.lib"};
    EXPECT_EQ(screen(run, "chrono"), chrono);
    EXPECT_EQ(screen(run, "again"), chrono);
}

// Copy g to beta.lib, copy it back (refused), copy g with two arguments
// to beta.lib too, move e2 to a new library, erase k.
TEST_F(mainlist, copymoveanderasewritethefiles)
{
    hostrun run = runscript("<Down><Down><Down><Down><Down>cbeta<Enter>"
                            "calpha<Enter><dump refused><Esc><Down>cbeta<Enter>"
                            "<Home><Down>mnewlib<Enter>y"
                            "<End><Up><Up><Del>y<dump erased><Esc><Esc>",
                            mainlistloop);
    ASSERT_EQ(run.status, 0);
    std::string refused = plainfile(run.out + "/refused.txt");
    EXPECT_NE(refused.find("There is another object of equal identity in the"), std::string::npos);
    EXPECT_EQ(screen(run, "erased"),
              (std::vector<std::string>{"Cspeed ( 0) ALPHA.LIB", "e2 ( 0) NEWLIB.LIB", "fa ( 1) resident",
                                        "fa ( 1) DESKTOP.LIB", "Ga#3 ( 0) beta.lib", "ga ( 1) ALPHA.LIB", "ga ( 1) beta.lib",
                                        "ga ( 2) ALPHA.LIB", "ga ( 2) beta.lib", "ma ( 0) beta.lib",
                                        "na#2 ( 0) beta.lib"}));
    std::string g1 = formularecord("ga", 1, "x", "x+1", "adds one");
    std::string g2 = formularecord("ga", 2, "xy", "x+y");
    EXPECT_EQ(read("ALPHA.LIB"), g1 + g2 + constant("Cspeed", "299792458", "speed of light"));
    EXPECT_EQ(read("beta.lib"), formularecord("ma", 0, "", "ga+fa(2)") + formularecord("na", 0, "", "ga#2", nullptr, nullptr, 2)
                                    + formularecord("Ga", 0, "", "sort##(3,1,2)*Cspeed", nullptr, nullptr, 3) + g1
                                    + g2);
    EXPECT_EQ(read("NEWLIB.LIB"), constant("e2", "7.38905609893065"));
    EXPECT_EQ(read("DESKTOP.LIB"), desktop);
    EXPECT_EQ(read("alpha.lib"), beta);
}

// f of DESKTOP.LIB belongs to the active context: the resident copy moves
// and DESKTOP.LIB stays as it is.  The copy of Cspeed that follows writes
// beta.lib again and keeps the deletion in the context's change log.
TEST_F(mainlist, movingfromtheactivecontextmovestheresidentobject)
{
    hostrun run = runscript("<Down><Down><Down>m1beta<Enter><dump moved><Home>cbeta<Enter><Esc><Esc>", mainlistloop);
    ASSERT_EQ(run.status, 0);
    std::vector<std::string> shown = screen(run, "moved");
    ASSERT_EQ(shown.size(), 10u);
    EXPECT_EQ(shown[2], "fa ( 1) DESKTOP.LIB");
    EXPECT_EQ(shown[3], "fa ( 1) beta.lib");
    EXPECT_EQ(read("DESKTOP.LIB"), desktop);
    EXPECT_EQ(read("beta.lib"), beta + formularecord("fa", 1, "x", "x*x")
                                    + constant("Cspeed", "299792458", "speed of light"));
    EXPECT_NE(changelog.find("Deleted:"), std::string::npos);
    EXPECT_EQ(residentsafter, 1);
}

// The copy lands under the cursor in chronologic order, also behind a
// foreign copy that the database does not number.
TEST_F(mainlist, copylandsonthecopyinchronologicorder)
{
    std::string foreign = formularecord("zz", 0, "", "1", nullptr, "ALPHA.LIB");
    write("beta.lib", foreign + beta);
    hostrun run = runscript("sC<Down>cbeta<Enter>v<dump view><Esc><Esc><Esc>", mainlistloop);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(read("beta.lib"), foreign + beta + constant("e2", "7.38905609893065"));
    std::string view = plainfile(run.out + "/view.txt");
    EXPECT_NE(view.find("The constant \"e2\""), std::string::npos);
    EXPECT_NE(view.find("from beta.lib"), std::string::npos);
}

// A target that cannot be written leaves both files as they were.
TEST_F(mainlist, afailedwritemovesnothing)
{
    simulatesavefailure(true);
    hostrun run = runscript("<Home><Down>mbeta<Enter><dump failed><Esc><dump after><Esc><Esc>", mainlistloop);
    simulatesavefailure(false);
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(plainfile(run.out + "/failed.txt").find("The old file is kept."), std::string::npos);
    EXPECT_EQ(screen(run, "after")[1], "e2 ( 0) ALPHA.LIB");
    EXPECT_EQ(read("ALPHA.LIB"), alpha);
    EXPECT_EQ(read("beta.lib"), beta);
}

TEST_F(mainlist, gotovisitsalibraryandcomesback)
{
    hostrun run = runscript("<Home>g<Esc><Esc><Esc>", mainlistloop);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(libraryafter, 1);  // DESKTOP.LIB
    EXPECT_EQ(residentsafter, 2);
    EXPECT_EQ(read("ALPHA.LIB"), alpha);
}

TEST_F(mainlist, grepandcallfinderlists)
{
    hostrun run = runscript("fiLIGHT<Enter><dump grep><Esc>"
                            "<Down><Down><Down><Down><Down>fc<dump calls>g"
                            "fCsort##<Enter><dump sorts><Esc>"
                            "fCga<Enter>0<Enter><dump plain><Esc>"
                            "<Tab><dump again><Esc><Esc><Esc>",
                            mainlistloop);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(screen(run, "grep", 17), (std::vector<std::string>{"Cspeed ( 0) ALPHA.LIB"}));
    EXPECT_NE(plainfile(run.out + "/grep.txt").find(" Grep (case-i.) \"LIGHT\" "), std::string::npos);
    EXPECT_EQ(screen(run, "calls", 17), (std::vector<std::string>{"ka ( 1) beta.lib"}));
    EXPECT_NE(plainfile(run.out + "/calls.txt").find(" Calls to ga(1) "), std::string::npos);
    EXPECT_EQ(screen(run, "sorts", 17), (std::vector<std::string>{"Ga#3 ( 0) beta.lib"}));
    EXPECT_EQ(screen(run, "plain", 17), (std::vector<std::string>{"ma ( 0) beta.lib"}));
    EXPECT_EQ(screen(run, "again", 17), (std::vector<std::string>{"ma ( 0) beta.lib"}));
}

// F1 twice, Ins (no revolver: "failed !"), Alt+3 on f, back with 3 and with 0.
TEST_F(mainlist, keyhelpviewandpositions)
{
    hostrun run = runscript("<F1><dump help><F1><dump info><Esc><Ins>"
                            "<Down><Down><A-3><Home>3v<dump view><Esc>"
                            "0v<dump previous><Esc><Esc><Esc>",
                            mainlistloop);
    ASSERT_EQ(run.status, 0);
    auto shows = [&](const char* dump, const char* text) {
        return plainfile(run.out + "/" + dump + ".txt").find(text) != std::string::npos;
    };
    EXPECT_TRUE(shows("help", "Key Reference: Database Main List"));
    EXPECT_TRUE(shows("info", "\"ref2.wri\""));
    // Memory 3 holds f; memory 0 the line left for it.
    EXPECT_TRUE(shows("view", "Function: fa(x)"));
    EXPECT_TRUE(shows("previous", "The constant \"Cspeed\""));
}

}  // namespace
