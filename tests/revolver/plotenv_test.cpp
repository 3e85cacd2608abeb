// The plot environment through the program's main loop: two designer
// plots made with "ppn", the environment entered with "pp+", plots and
// perspectives stepped, perspectives made by mouse frames, a help topic,
// the question before deleting a plot, leaving, "ppp" and "pp" Del.
#include <gtest/gtest.h>

#include <string>

#include "revolver/program.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/goldenfiles.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/workfolder.h"

namespace {

const std::string plotenvgolden = VEMO_SOURCE_DIR "/tests/revolver/golden";

class plotenv : public workfolder {};

bool contains(const std::vector<std::string>& texts, const std::string& part)
{
    for (const std::string& t : texts)
        if (t.find(part) != std::string::npos)
            return true;
    return false;
}

TEST_F(plotenv, StepsFramesHelpDeleteQuestionAndLeaving)
{
    const std::string inside = "<press 200 200 px><move 400 400 px><release 400 400 px>";
    const std::string pastright = "<press 500 200 px><move 2000 400 px><release 2000 400 px>";
    std::string script = "ex*x<Enter><Enter>3<Enter>ppn0<Enter>5<Enter>0<Enter>30<Enter>r<Esc>"
                         "<Right>e10*sin(x)+10<Enter><Enter>1<Enter>ppn0<Enter>5<Enter>0<Enter>30<Enter>b<Esc>"
                         "pp+g<dump plotenv-enter><Left><dump plotenv-left><Right>"
                         + inside + "<dialog press=1002><dump plotenv-magnify><Ins>"     // perspective 2
                         + inside + "<dialog press=1003><dump plotenv-minify><Ins>"      // 3
                         + pastright + "<dialog press=1004><dump plotenv-push><Ins>"     // 4
                         + pastright + "<dialog 1007=1 press=1004><ok><dump plotenv-keepx><Ins>"   // 5, pushed all the same
                         + "<Home><dump home><End><dump plotenv-end>"
                           "<click 17 203 px><dump plotenv-tab><Up><Up>"   // the tab of perspective 2
                           "<click 787 13 px><dump plotenv-help><click 69 87 px>"   // help, then the delete button
                           "<C-Del><no>"
                           "<Esc><dump plotenv-leave>"
                           "ppp<dump ppp><Esc>"
                           "pp<Del><dump erase>1pp<Del><dump again><Esc><dump cancelled>x<close>";
    hostrun r = runscript(script, runprogram);
    ASSERT_EQ(r.status, 0);
    for (const char* name : {"plotenv-enter", "plotenv-left", "plotenv-magnify", "plotenv-minify", "plotenv-push",
                             "plotenv-keepx", "plotenv-end", "plotenv-tab", "plotenv-help", "plotenv-leave"})
        checkgoldenfiles(r.out, name, plotenvgolden);
    // Home shows the first perspective as on entering.
    EXPECT_EQ(dumpfile(r, "home.txt"), dumpfile(r, "plotenv-enter.txt"));
    EXPECT_TRUE(contains(r.boxes, "\"Keep X fixed\""));
    // The second plot holds five perspectives that show curves: asked.
    EXPECT_TRUE(contains(r.boxes, "Delete the Plot ?"));
    ASSERT_FALSE(r.infos.empty());
    EXPECT_EQ(r.infos.front().title, "The delete Button");
    EXPECT_NE(dumpfile(r, "plotenv-leave.txt").find("Calculator 2"), std::string::npos);
    EXPECT_EQ(dumpfile(r, "ppp.txt").find("Calculator 2"), std::string::npos);
    EXPECT_NE(dumpfile(r, "erase.txt").find("You wish to erase plot nr. 2  ?"), std::string::npos);
    // Erased: the first plot is the current one.
    EXPECT_NE(dumpfile(r, "again.txt").find("You wish to erase plot nr. 1  ?"), std::string::npos);
    EXPECT_NE(dumpfile(r, "cancelled.txt").find("Command cancelled"), std::string::npos);
}

}  // namespace
