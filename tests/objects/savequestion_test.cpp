// The context's save question on the headless screen: asked when quitting
// with changes, answered from the script.
#include <gtest/gtest.h>

#include "objects/context.h"
#include "objects/fu1.h"
#include "tests/objects/libfixture.h"
#include "tests/screen/editrun.h"

namespace {

const char* const desktop = "@@FUCONST\ncst\n0\n1\n@DATA\n2.5\n@@END FUCONST\n";

struct savequestion : libdir {
    void SetUp() override
    {
        libdir::SetUp();
        put("DESKTOP.LIB", desktop);
    }
    // Quits after marking the constant changed; the result of quitprogram.
    bool quit(const std::string& script, hostrun* run)
    {
        bool quitted = false;
        *run = rundialogue(script, [&] {
            open();
            static_cast<fu1*>(context->head)->setmark('e');
            quitted = quitprogram();
        });
        return quitted;
    }
};

TEST_F(savequestion, QuittingWithChangesAsksAndSaves)
{
    hostrun run;
    EXPECT_TRUE(quit("<dump ask>l<dump list><Esc>y", &run));
    EXPECT_EQ(run.status, 0);
    std::string ask = dumptext(run, "ask");
    EXPECT_NE(ask.find("The contents of DESKTOP.LIB have changed."), std::string::npos);
    EXPECT_NE(ask.find("<l>    show the list of changes"), std::string::npos);
    EXPECT_NE(ask.find(" Terminating "), std::string::npos);
    std::string list = dumptext(run, "list");
    EXPECT_NE(list.find("Changes made to cst(0):"), std::string::npos);
    EXPECT_NE(list.find("- Mathematical properties edited"), std::string::npos);
    EXPECT_NE(list.find(" Close with <esc> "), std::string::npos) << list;
    EXPECT_EQ(get("DESKTOP.bak"), desktop);
}

TEST_F(savequestion, EscKeepsTheProgramRunning)
{
    hostrun run;
    EXPECT_FALSE(quit("<Esc>", &run));
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(fileexists(at("DESKTOP.bak")));
}

}  // namespace
