// The new-file-name dialogue on the headless front, in a fresh folder.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/limits.h"
#include "screen/filenames.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"
#include "tests/screen/workfolder.h"

namespace {

using newname = workfolder;

const char* oldname = nullptr;
const char* extension = nullptr;
const char* start = "";
std::string answer;

void askloop()
{
    char buffer[limits::pathlength];
    strcpy(buffer, start);
    answer = newfilename(buffer, oldname, extension);
}

std::string ask(const std::string& script, const char* old, const char* ext, hostrun* out = nullptr,
                const char* starttext = "")
{
    oldname = old;
    extension = ext;
    start = starttext;
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

// Row y (from 1) of a text dump, made plain.
std::string dumprow(const std::string& file, int y)
{
    std::istringstream rows(plainfile(file));
    std::string row;
    for (int i = 0; i < y && std::getline(rows, row); i++) {
    }
    return row;
}

TEST_F(newname, AnEmptyNameIsAskedForAgain)
{
    for (const char* ext : {"rkp", (const char*)nullptr}) {
        hostrun r;
        EXPECT_EQ(ask("<Enter><dump empty>x<Esc>", nullptr, ext, &r), "") << (ext ? ext : "none");
        EXPECT_NE(plainfile(r.out + "/empty.txt").find("Cannot use this as a file name"), std::string::npos);
    }
}

// The prompt stands in the bar two rows above the bottom, the field of
// twelve characters at column 12 of the row below; it starts with the
// buffer's text, and after a refused name with that name.
TEST_F(newname, TheFieldStandsAtColumn12AndKeepsItsText)
{
    hostrun r;
    EXPECT_EQ(ask("<dump start><Enter>", nullptr, nullptr, &r, "START.LIB"), "START.LIB");
    EXPECT_NE(dumprow(r.out + "/start.txt", 28).find(" Name of the new file? "), std::string::npos);
    EXPECT_EQ(dumprow(r.out + "/start.txt", 29), std::string(11, ' ') + "START.LIB" + std::string(60, ' '));

    EXPECT_EQ(ask("a/b<Enter>x<dump again><Esc>", nullptr, "rkp", &r), "");
    EXPECT_EQ(dumprow(r.out + "/again.txt", 29).substr(0, 23), std::string(11, ' ') + "a/b.rkp     ");
}

}  // namespace
