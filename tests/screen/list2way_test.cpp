// The scrolling list on the headless front: moving, goto, find, the help,
// printing and writing a range of lines.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "platform/core/files.h"
#include "screen/list2way.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"
#include "tests/screen/workfolder.h"

namespace {

bool strayline = false;   // a line outside first .. last was formatted

// Lines "line n" from firstline; line 0 and every line 30 modulo 40 also
// hold xABCx.
class numbered : public list2way {
public:
    numbered(int32_t first, int32_t n) : list2way(1, 1, 40, 12, first, n) {}
    void formatline() override
    {
        strayline = strayline || current < first || current > last;
        linef(current == 0 || current % 40 == 30 ? "line %d xABCx" : "line %d", int(current));
    }
};

int32_t firstline = 1;
int32_t listsize = 100;
int32_t startline = 0;   // 0: showtop, -1: redraw
int32_t result = -1;

void listloop()
{
    numbered list(firstline, listsize);
    if (startline < 0)
        list.redraw();
    else if (startline)
        list.showfrom(startline);
    else
        list.showtop();
    result = list.run();
}

int32_t runlist(const std::string& script, int32_t size, int32_t start = 0, hostrun* out = nullptr)
{
    listsize = size;
    startline = start;
    result = -1;
    strayline = false;
    hostrun r = runscript(script, listloop);
    EXPECT_EQ(r.status, 0) << script;
    EXPECT_FALSE(strayline) << script;
    if (out)
        *out = r;
    return result;
}

std::string dump(const hostrun& r, const char* name)
{
    return plainfile(r.out + "/" + name + ".txt");
}

TEST(list2way, KeysMoveTheBarWithinTheLines)
{
    // The box (1, 1, 40, 12) shows 10 lines.
    struct {
        const char* script;
        int32_t size, start, line;
    } cases[] = {
        {"<Enter>", 100, 0, 10},   // showtop leaves the bar on the page's last line
        {"<Down><Down><Enter>", 100, 0, 12},
        {"<Up><Up><Enter>", 100, 0, 8},
        {"<PgDn><Enter>", 100, 0, 20},
        {"<PgDn><PgDn><PgUp><Enter>", 100, 0, 20},
        {"<End><Enter>", 100, 0, 100},
        {"<End><Down><Enter>", 100, 0, 100},
        {"<End><Home><Up><Enter>", 100, 0, 1},
        {"<Esc>", 100, 0, 0},
        {"g1e9<Enter><Enter>", 100, 0, 100},
        {"g-5<Enter><Enter>", 100, 0, 1},
        {"g55<Enter><Enter>", 100, 0, 55},
        {"g<Esc><Enter>", 100, 40, 40},
        {"g3<Enter><Enter>", 0, 0, 1},   // no lines
        {"<Up><Down><PgUp><PgDn><Enter>", 1, 0, 1},
        {"<Home><Down><Down><Down><Down><Down><Down><Down><Enter>", 5, 0, 5},
        {"<Home><PgDn><Enter>", 5, 0, 5},
        {"<End><Enter>", 5, 0, 5},
        {"<Enter>", 100, 500, 1},   // beyond the last line: the first
    };
    for (auto c : cases)
        EXPECT_EQ(runlist(c.script, c.size, c.start), c.line) << c.script << " on " << c.size << " lines";
}

// A list opened with redraw (as the axis list of a parametric plot is)
// shows its first line under the bar, and Up stays there.
TEST(list2way, RedrawOpensTheListOnItsFirstLine)
{
    for (int32_t first : {0, 1}) {
        firstline = first;
        hostrun r;
        EXPECT_EQ(runlist("<dump open><Up><Up><Down><Enter>", 100, -1, &r), first + 1) << first;
        std::string open = dump(r, "open");
        EXPECT_NE(open.find("|line " + std::to_string(first) + " "), std::string::npos) << open;
        EXPECT_NE(open.find("|line " + std::to_string(first + 9) + " "), std::string::npos) << open;
        EXPECT_EQ(runlist("<Up><Up><Enter>", 1, -1), first) << first;
    }
    firstline = 1;
}

TEST(list2way, PagesAreDrawnAroundTheCurrentLine)
{
    hostrun r;
    runlist("<dump last><End><Up><dump end><Enter>", 100, 100, &r);
    // showfrom(last) fills the whole page.
    std::string last = dump(r, "last");
    EXPECT_NE(last.find("|line 91 "), std::string::npos);
    EXPECT_NE(last.find("|line 100 "), std::string::npos);
    EXPECT_EQ(last.find("|line 90 "), std::string::npos);
    EXPECT_NE(dump(r, "end").find("|line 91 "), std::string::npos);
    runlist("<dump middle><Enter>", 100, 50, &r);
    std::string middle = dump(r, "middle");
    EXPECT_NE(middle.find("|line 45 "), std::string::npos);
    EXPECT_NE(middle.find("|line 54 "), std::string::npos);
}

TEST(list2way, FindIgnoresCaseAndRepeatsBothWays)
{
    EXPECT_EQ(runlist("<A-f>abc<Enter><Enter>", 100), 30);
    EXPECT_EQ(runlist("<A-f>ABC<Enter>n<Enter>", 100), 70);
    EXPECT_EQ(runlist("<A-f>abc<Enter>nN<Enter>", 100), 30);
    EXPECT_EQ(runlist("<A-f>zzz<Enter><Enter>", 100, 5), 5);
    EXPECT_EQ(runlist("nN<Enter>", 100, 5), 5);   // no search text: nothing
    EXPECT_EQ(runlist("<A-f>line<Enter>x<Enter>", 0), 1);   // no lines to search

    hostrun r;
    EXPECT_EQ(runlist("<A-f>abc<Enter>nn<dump last>x<Enter>", 100, 0, &r), 70);
    EXPECT_NE(dump(r, "last").find("That was it."), std::string::npos);
    EXPECT_EQ(runlist("<A-f>abc<Enter>N<dump first>x<Enter>", 100, 0, &r), 30);
    EXPECT_NE(dump(r, "first").find("This was the first occurrence."), std::string::npos);

    // A hit on line 0 is a hit.
    firstline = 0;
    EXPECT_EQ(runlist("<End><A-f>abc<Enter><Down><Enter>", 100), 1);
    EXPECT_EQ(runlist("<A-f>abc<Enter>nN<Down><Enter>", 100), 1);
    firstline = 1;
}

TEST(list2way, AltF1ShowsTheGeneralHelp)
{
    hostrun r;
    EXPECT_EQ(runlist("<A-F1><dump help>x<F1><dump f1>x<Enter>", 20, 0, &r), 10);
    EXPECT_NE(dump(r, "help").find("General List Commands"), std::string::npos);
    EXPECT_NE(dump(r, "f1").find("<alt>+<w>rite"), std::string::npos);
}

// Restores the file module's failure switch.
class listfile : public workfolder {
protected:
    void TearDown() override
    {
        simulatesavefailure(false);
        workfolder::TearDown();
    }
};

TEST_F(listfile, AltWWritesTheRangeByteForByte)
{
    hostrun r;
    runlist("<A-w>3<Enter>5<Enter>out.txt<Enter><dump done>x<Enter>", 100, 0, &r);
    EXPECT_EQ(slurp(folder + "/out.txt"), "line 3\nline 4\nline 5\n");
    EXPECT_NE(dump(r, "done").find("File \"out.txt\" has been written"), std::string::npos);

    // From beyond the first line is clamped, until beyond the last too;
    // from after until writes nothing.
    runlist("<A-w>-4<Enter>1e9<Enter>all.txt<Enter>x<Enter>", 3);
    EXPECT_EQ(slurp(folder + "/all.txt"), "line 1\nline 2\nline 3\n");
    runlist("<A-w>3<Enter>2<Enter><Enter>", 5);
    runlist("<A-w>9<Enter><Enter>", 5);
    EXPECT_FALSE(fileexists(folder + "/3"));
}

TEST_F(listfile, AnExistingFileIsReplacedOnlyAfterYes)
{
    std::ofstream(folder + "/OLD.TXT") << "keep\n";
    hostrun r;
    runlist("<A-w>1<Enter>2<Enter>old.txt<Enter><dump ask>n<Enter>", 10, 0, &r);
    EXPECT_NE(dump(r, "ask").find("berschreibe existierende Datei \"old.txt\""), std::string::npos);
    EXPECT_EQ(slurp(folder + "/OLD.TXT"), "keep\n");
    runlist("<A-w>1<Enter>2<Enter>old.txt<Enter>yx<Enter>", 10);
    EXPECT_EQ(slurp(folder + "/OLD.TXT"), "line 1\nline 2\n");
}

TEST_F(listfile, AFailedWriteIsReportedAndKeepsTheOldFile)
{
    std::ofstream(folder + "/out.txt") << "keep\n";
    simulatesavefailure(true);
    hostrun r;
    runlist("<A-w>1<Enter>2<Enter>out.txt<Enter>y<dump failed>x<Enter>", 10, 0, &r);
    std::string shown = dump(r, "failed");
    EXPECT_NE(shown.find("Could not write file \"out.txt\""), std::string::npos);
    EXPECT_EQ(shown.find("has been written"), std::string::npos);
    EXPECT_EQ(slurp(folder + "/out.txt"), "keep\n");
}

TEST_F(listfile, AFolderInTheWayIsReported)
{
    // Permissions do not stop every user; a folder of that name stops all.
    ASSERT_EQ(mkdir((folder + "/out.txt").c_str(), 0700), 0);
    hostrun r;
    runlist("<A-w>1<Enter>2<Enter>out.txt<Enter>y<dump refused>x<Enter>", 10, 0, &r);
    std::string shown = dump(r, "refused");
    EXPECT_NE(shown.find("Could not write file \"out.txt\""), std::string::npos) << shown;
    struct stat st;
    ASSERT_EQ(stat((folder + "/out.txt").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
}

std::string pdftext(const std::string& path)
{
    std::string out;
    std::string cmd = "pdftotext -layout '" + path + "' -";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return out;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, p)) > 0;)
        out.append(buffer, n);
    pclose(p);
    return out;
}

TEST(list2way, AltPPrintsTheRangeOnTheVirtualPrinter)
{
    hostrun r;
    EXPECT_EQ(runlist("<A-p>0<Enter>3<Enter><file list.pdf><Enter>", 100, 0, &r), 10);
    std::string text = pdftext(r.out + "/list.pdf");
    EXPECT_NE(text.find("line 1"), std::string::npos);
    EXPECT_NE(text.find("line 3"), std::string::npos);
    EXPECT_EQ(text.find("line 4"), std::string::npos);
    // From 3 until 2 opens no print job (the script has no file for one).
    EXPECT_EQ(runlist("<A-p>3<Enter>2<Enter><Enter>", 100), 10);
}

}  // namespace
