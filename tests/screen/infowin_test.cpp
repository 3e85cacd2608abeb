// Info windows: layout, placement, painting, closing from either side,
// hiding and showing, and keys forwarded to the computing thread.
#include "base/limits.h"
#include "base/objcount.h"
#include "platform/core/requests.h"
#include "screen/hoststate.h"
#include "screen/infowin.h"
#include "screen/keys.h"
#include "tests/screen/hostrun.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(infolayout, LinesAndColumns)
{
    struct {
        std::string text;
        int columns, lines;
    } cases[] = {
        {"abc\n\rdefgh", 5, 2},
        {"ab\ncd", 4, 2},                        // LF alone keeps the count
        {std::string(100, 'x'), 79, 2},          // cut at 80 + 2 - 3, the cut character skipped
        {std::string(40, '\n'), 1, 28},          // at most 30 - 2 lines
        {"", 1, 1},
    };
    for (const auto& c : cases) {
        int columns = 0, lines = 0;
        infolayout(c.text, limits::screencolumns, limits::screenrows, columns, lines);
        EXPECT_EQ(columns, c.columns) << c.text;
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

std::vector<int> keysread;
std::vector<bool> shown;   // the newest info window's state after each "h" and "s"

void recordshown()
{
    platform::callmain(
        [](void*) -> long {
            auto* f = static_cast<platform::headlessfront*>(platform::currentfront());
            shown.push_back(!f->infos().empty() && f->infos().back().shown);
            return 0;
        },
        nullptr);
}
int countafterclose = -1;
bool heldgone = false;

// "i": a window at the lower right corner; "j": one held by a holder;
// "c": infoclose("t"); "h"/"s": hide and show all; "x": the holder
// closes.  Alt-X ends, closing what is left.
void infoloop()
{
    infoholder holder;
    for (keycode k; (k = getkey()) != key::altx;) {
        keysread.push_back(k);
        if (k == 'i') {
            // The main window near the desktop's lower right corner.
            host().clientx = 1000;
            host().clienty = 900;
            setinfotitle("Corner");
            new infowin("abc\n\rdefgh", limits::screencolumns, limits::screenrows, "t");
            host().clientx = 0;
            host().clienty = 0;
        } else if (k == 'j') {
            holder.hold(new infowin("held", 5, 5, "h"));
        } else if (k == 'c') {
            infoclose("t");
            countafterclose = infocount();
        } else if (k == 'h') {
            infohideall();
            recordshown();
        } else if (k == 's') {
            infoshowall();
            recordshown();
        } else if (k == 'x') {
            heldgone = holder.get() == nullptr;
            holder.close();
        }
    }
    infoclose("t");
}

class infotest : public ::testing::Test {
protected:
    void SetUp() override
    {
        keysread.clear();
        shown.clear();
        countafterclose = -1;
        heldgone = false;
        live = objcountstate().live;
    }
    void TearDown() override
    {
        EXPECT_EQ(infocount(), 0);
        EXPECT_EQ(objcountstate().live, live);
    }
    double live = 0;
};

TEST_F(infotest, OpensOnTheWorkAreaAndClosesByTag)
{
    hostrun r = runscript("iii<info q>c<A-x>", infoloop);
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.infos.size(), 3u);
    const platform::inforecord& w = r.infos[0];
    EXPECT_EQ(w.title, "Corner");
    // Pulled up and left: its width fits left of the work area's right edge
    // and its top stays 10 cells above the bottom.
    int left, top, right, bottom;
    {
        left = host().workleft;
        top = host().worktop;
        right = host().workright;
        bottom = host().workbottom;
    }
    EXPECT_EQ(w.x + w.width, right);
    EXPECT_EQ(w.y, bottom - 10 * 18);
    EXPECT_GE(w.x, left);
    EXPECT_GE(w.y, top);
    EXPECT_EQ(w.width % 5, 0);   // 5 columns
    for (const auto& i : r.infos)
        EXPECT_FALSE(i.open);
    EXPECT_EQ(countafterclose, 0);
    // The key typed into the info window reached the computing thread.
    EXPECT_EQ(keysread, (std::vector<int>{'i', 'i', 'i', 'q', 'c'}));
}

TEST_F(infotest, HideTwiceNeedsShowTwice)
{
    hostrun r = runscript("ihhssc<A-x>", infoloop);
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.infos.size(), 1u);
    EXPECT_EQ(shown, (std::vector<bool>{false, false, false, true}));
    EXPECT_FALSE(r.infos[0].open);
}

TEST_F(infotest, ClosedFromTheTitleBarLeavesNoHolder)
{
    hostrun r = runscript("j<info close>x<A-x>", infoloop);
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.infos.size(), 1u);
    EXPECT_FALSE(r.infos[0].open);
    EXPECT_TRUE(heldgone);
}

TEST(infopaint, TextRunsOnTheBackground)
{
    platform::closerequests();   // no window thread: window requests are cancelled
    setinfobk(0x0000FF);         // red as 0x00BBGGRR
    infowin w("ab\n\rc", 1, 1, nullptr);
    std::vector<uint32_t> pixels(w.columns * w.charwidth * w.lines * w.lineheight);
    canvas c{pixels.data(), w.columns * w.charwidth, w.columns * w.charwidth, w.lines * w.lineheight};
    w.paint(c);
    auto inked = [&](int column, int line) {
        int n = 0;
        for (int y = (line - 1) * w.lineheight; y < line * w.lineheight; ++y)
            for (int x = (column - 1) * w.charwidth; x < column * w.charwidth; ++x)
                n += c.row(y)[x] != 0xFF0000;
        return n;
    };
    EXPECT_EQ(w.columns, 2);
    EXPECT_EQ(w.lines, 2);
    EXPECT_GT(inked(1, 1), 0);
    EXPECT_GT(inked(2, 1), 0);
    EXPECT_GT(inked(1, 2), 0);
    EXPECT_EQ(inked(2, 2), 0);   // nothing after "c"
}

}  // namespace
