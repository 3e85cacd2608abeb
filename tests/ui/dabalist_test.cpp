// The database main list on the headless front, over the fixture libraries.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "objects/fudaba.h"
#include "tests/objects/dabafixture.h"
#include "tests/ui/hostrun.h"
#include "tests/ui/plainrow.h"
#include "ui/dabalist.h"

namespace {

using namespace dabafiles;

void mainlistloop()
{
    parser first;
    fudaba db;
    database = &db;
    databasemainlist();
    databasemainlist();  // opens again where it was left
    database = nullptr;
}

// "name values args library" of the list lines in a dump.
std::vector<std::string> listed(const std::string& dump)
{
    std::vector<std::string> lines;
    std::istringstream in(dump);
    for (std::string row; std::getline(in, row);) {
        std::istringstream words(row.size() > 10 && row[9] == '|' ? row.substr(10, 62) : "");
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
    static std::vector<std::string> screen(const hostrun& run, const char* name)
    {
        return listed(plainfile(run.out + "/" + name + ".txt"));
    }
};

TEST_F(mainlist, sortsandopensagainwhereitwasleft)
{
    hostrun run = runscript("<dump first><Down><Down>sC<dump chrono>sx<Esc><dump again><Esc>", mainlistloop);
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(screen(run, "first"),
              (std::vector<std::string>{"Cspeed ( 0) ALPHA.LIB", "e2 ( 0) ALPHA.LIB", "f ( 1) DESKTOP.LIB",
                                        "G#3 ( 0) beta.lib", "g ( 1) ALPHA.LIB", "g ( 2) ALPHA.LIB",
                                        "k ( 1) beta.lib", "m ( 0) beta.lib", "n ( 0) beta.lib"}));
    std::vector<std::string> chrono{"f ( 1) DESKTOP.LIB", "g ( 1) ALPHA.LIB", "g ( 2) ALPHA.LIB",
                                    "Cspeed ( 0) ALPHA.LIB", "e2 ( 0) ALPHA.LIB", "k ( 1) beta.lib",
                                    "m ( 0) beta.lib", "n ( 0) beta.lib", "G#3 ( 0) beta.lib"};
    EXPECT_EQ(screen(run, "chrono"), chrono);
    EXPECT_EQ(screen(run, "again"), chrono);
}

// Copy g to beta.lib, copy it back (refused), move e2 to a new library,
// erase k.
TEST_F(mainlist, copymoveanderasewritethefiles)
{
    hostrun run = runscript("<Down><Down><Down><Down>cbeta<Enter>"
                            "calpha<Enter><dump refused><Esc>"
                            "<Home><Down>mnewlib<Enter>y"
                            "<End><Up><Up><Del>y<dump erased><Esc><Esc>",
                            mainlistloop);
    ASSERT_EQ(run.status, 0);
    std::string refused = plainfile(run.out + "/refused.txt");
    EXPECT_NE(refused.find("There is another object of equal identity in the"), std::string::npos);
    EXPECT_EQ(screen(run, "erased"),
              (std::vector<std::string>{"Cspeed ( 0) ALPHA.LIB", "e2 ( 0) NEWLIB.LIB", "f ( 1) DESKTOP.LIB",
                                        "G#3 ( 0) beta.lib", "g ( 1) ALPHA.LIB", "g ( 1) beta.lib",
                                        "g ( 2) ALPHA.LIB", "m ( 0) beta.lib", "n ( 0) beta.lib"}));
    std::string g = formularecord("g", 1, "x", "x+1", "adds one");
    EXPECT_EQ(read("ALPHA.LIB"), g + formularecord("g", 2, "xy", "x+y") + constant("Cspeed", "299792458", "speed of light"));
    EXPECT_EQ(read("beta.lib"), formularecord("m", 0, "", "g+f(2)") + formularecord("n", 0, "", "g#2")
                                    + formularecord("G", 0, "", "sort##(3,1,2)*Cspeed", nullptr, nullptr, 3) + g);
    EXPECT_EQ(read("NEWLIB.LIB"), constant("e2", "7.38905609893065"));
    EXPECT_EQ(read("DESKTOP.LIB"), desktop);
    EXPECT_EQ(read("alpha.lib"), beta);
}

}  // namespace
