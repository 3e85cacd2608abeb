// The window layer's test commands, run by the host on scripts.
#include <gtest/gtest.h>

#include <string>

#include "revolver/wintests.h"
#include "screen/keys.h"
#include "tests/screen/dumpfile.h"

namespace {

const char* command = "";

// Waits for a key, runs the test command, waits for a key.  Dumps are
// taken at key waits, so scripts dump before their first key.
void commandloop()
{
    getkey();
    windowtest(command);
    getkey();
}

hostrun runcommand(const char* keys, const std::string& script)
{
    command = keys;
    return runscript(script + "e", commandloop);
}

TEST(wintests, MouseFrameLeavesTheScreenAsItWas)
{
    hostrun r = runcommand("oom", "<dump before>s<press 100 80 px><move 150 90 px><release 200 170 px>"
                                  "<dump told>x<dump stored>a<dump released>b<dump coloured>cd"
                                  "<press 300 100 px><move 350 100 px><release 400 100 px>"
                                  "<dump line>fgh<dump after>");
    ASSERT_EQ(r.status, 0);
    std::string told = dumpfile(r, "told.txt");
    EXPECT_NE(told.find("left=100"), std::string::npos);
    EXPECT_NE(told.find("lower=170"), std::string::npos);
    std::string before = dumpfile(r, "before.png");
    EXPECT_NE(dumpfile(r, "stored.png"), before);
    EXPECT_EQ(dumpfile(r, "released.png"), before);
    EXPECT_NE(dumpfile(r, "coloured.png"), dumpfile(r, "stored.png"));
    EXPECT_NE(dumpfile(r, "line.png"), before);
    EXPECT_EQ(dumpfile(r, "after.png"), before);
    EXPECT_EQ(dumpfile(r, "after.txt"), dumpfile(r, "before.txt"));
}

TEST(wintests, DrawFrameShowsTheRectangle)
{
    hostrun r = runcommand("oof", "s<press 100 80 px><move 150 90 px><release 200 170 px><ok>");
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0], "left=100\n\rtop=80\n\rright=200\n\rbottom=170\n\r");
}

TEST(wintests, ContaminateCountsMarkedCells)
{
    struct {
        const char* clicks;
        const char* count;
    } cases[] = {
        {"<click 5 5><click 5 5><click 7 9><click 1 1 right>", "Number of contaminated screenchars: 2"},
        {"<click 1 1 right>", "Number of contaminated screenchars: 0"},
    };
    for (const auto& c : cases) {
        hostrun r = runcommand("ooc", std::string("s<ok>") + c.clicks + "<ok>");
        ASSERT_EQ(r.status, 0) << c.clicks;
        ASSERT_EQ(r.boxes.size(), 2u);
        EXPECT_EQ(r.boxes[1], c.count);
    }
}

TEST(wintests, KeyCodesPrintedUntilEsc)
{
    hostrun r = runcommand("ook", "sa<F1><dump keys><Esc><dump closed>");
    ASSERT_EQ(r.status, 0);
    std::string keys = dumpfile(r, "keys.txt");
    EXPECT_NE(keys.find("  97  a"), std::string::npos);
    EXPECT_NE(keys.find(" 315  ;"), std::string::npos);
    EXPECT_NE(keys.find("Close with <esc>"), std::string::npos);
    EXPECT_EQ(dumpfile(r, "closed.txt").find("97"), std::string::npos);
}

keycode afterwards = 0;

void graphicsloop()
{
    getkey();
    testgraphics();
    afterwards = getkey();
}

TEST(wintests, GraphicsEndsOnRightClick)
{
    // Reading the position after a key leaves the click that follows it
    // to the key reader: the right click ends the command, "q" is left.
    afterwards = 0;
    hostrun r = runscript("<dump before>s<click 30 10>x<click 50 20 right><dump after>q", graphicsloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(afterwards, 'q');
    EXPECT_NE(dumpfile(r, "after.png"), dumpfile(r, "before.png"));
    EXPECT_FALSE(windowtest("ox"));
}

}  // namespace
