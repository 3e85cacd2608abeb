// The new-file-name dialogue on the headless front, in a fresh folder.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "base/limits.h"
#include "screen/filenames.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"
#include "tests/screen/workfolder.h"

namespace {

using newname = workfolder;

const char* oldname = nullptr;
const char* extension = nullptr;
std::string answer;

void askloop()
{
    char buffer[limits::pathlength];
    answer = newfilename(buffer, oldname, extension);
}

std::string ask(const std::string& script, const char* old, const char* ext, hostrun* out = nullptr)
{
    oldname = old;
    extension = ext;
    hostrun r = runscript(script, askloop);
    EXPECT_EQ(r.status, 0) << script;
    if (out)
        *out = r;
    return answer;
}

TEST_F(newname, TheDialogueRepeatsUntilANameIsUsable)
{
    std::ofstream("TAKEN.RKP");
    hostrun r;
    EXPECT_EQ(ask("a/b<Enter><dump bad>x.h<Enter>xlongname<Enter>", nullptr, "rkp", &r), "longname.rkp");
    EXPECT_NE(plainfile(r.out + "/bad.txt").find("Cannot use this as a file name"), std::string::npos);
    EXPECT_EQ(ask("taken<Enter><dump exists>xfree<Enter>", "other", "rkp", &r), "free.rkp");
    EXPECT_NE(plainfile(r.out + "/exists.txt").find("This file already exists"), std::string::npos);
    EXPECT_EQ(ask("taken<Enter>", "taken.rkp", "rkp"), "taken.rkp");
    EXPECT_EQ(ask("Taken<Enter>", "taken.rkp", "rkp"), "Taken.rkp");   // the same file
    EXPECT_EQ(ask("taken.rkp<Enter>", "*2OK", nullptr), "taken.rkp");
    EXPECT_EQ(ask("abc<Esc>", "*2OK", nullptr), "");
    EXPECT_EQ(ask("1234567890123456<Enter>", nullptr, nullptr), "123456789012");
    EXPECT_TRUE(holds(1));
}

}  // namespace
