// Scripted runs through the host's real rules: keys, Esc and the abort
// question, mouse buttons, closing, the script's end.
#include "platform/core/clock.h"
#include "platform/core/input.h"
#include "platform/core/pausegate.h"
#include "platform/core/requests.h"
#include "platform/core/surface.h"
#include "platform/core/thread.h"
#include "screen/host.h"
#include "screen/hoststate.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "tests/screen/hostrun.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <sstream>

namespace {

const char abortquestion[] = "Abort the computation which is under way ?";

// What the computing thread read; the run joins the thread before the
// test looks.
std::vector<int> readkeys;
bool sawabort = false;
long long abortedat = 0;   // the program's clock when the computation saw the abort
platform::pixpoint press;

// A computation: busy until aborted or a key waits.
void compute(bool stoppable)
{
    menus().busybegin();
    if (!stoppable)
        menus().disablestop();
    while (!menus().aborted() && !kbhit())
        platform::checkpoint();
    sawabort = menus().aborted();
    abortedat = platform::clockms();
    menus().busyend();
}

// "b" computes, "d" computes without STOP, "m" reads two keys with
// getkeymarked; Alt-X or Esc with the stop flag ends.
void testloop()
{
    for (;;) {
        keycode k = getkey();
        readkeys.push_back(k);
        if (k == 'b' || k == 'd') {
            compute(k == 'b');
        } else if (k == 'm') {
            readkeys.push_back(getkeymarked());
            readkeys.push_back(getkeymarked());
            press = platform::input().leftpress();
        } else if (k == key::altx || (k == key::esc && host().stop)) {
            return;
        }
    }
}

// Shows the whole screen from three window places (client corner, frame
// corner) on the 1280 by 1024 desktop.
void visibleloop()
{
    struct {
        int cx, cy, fx, fy;
    } places[] = {{100, 50, 95, 20}, {600, 600, 595, 570}, {-30, 10, -35, -20}};
    for (auto& p : places) {
        host().clientx = p.cx;
        host().clienty = p.cy;
        host().framex = p.fx;
        host().framey = p.fy;
        makevisible(1, 1, 80, 30, true);
    }
}

// Posts the end early and draws on for longer than the host waits.
bool surfacealive = false;
void lateloop()
{
    postmain(msg::threadended);
    platform::sleepms(1200);
    std::lock_guard guard(platform::mainsurface().lock());
    surfacealive = platform::mainsurface().exists();
}

// Computes until the stop flag, never reading a key.
void spinloop()
{
    while (!host().stop)
        platform::checkpoint();
}

// A dialogue that does not unwind: it clears the stop flag and waits on.
void stubbornloop()
{
    while (getkey() != key::altx)
        host().stop = false;
}

class hosttest : public ::testing::Test {
protected:
    void SetUp() override
    {
        readkeys.clear();
        sawabort = false;
    }
    void TearDown() override
    {
        EXPECT_FALSE(platform::thread2().started());
        EXPECT_FALSE(platform::paused());
    }
};

std::string readfile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST_F(hosttest, TypedKeysReachTheComputingThreadAndAltXEnds)
{
    hostrun run = runscript("xy<C-a><S-Tab><F1><A-F1><C-Left>\n<key 1234><A-x>", testloop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(readkeys, (std::vector<int>{'x', 'y', 1, 271, 315, 360, 371, 1234, 600}));
    EXPECT_FALSE(host().running);
}

TEST_F(hosttest, TwoEscDuringAComputationAskTheAbortQuestion)
{
    struct {
        const char* answer;
        bool aborted;
    } cases[] = {{"<yes>", true}, {"<no>", false}};
    for (auto c : cases) {
        SetUp();
        hostrun run = runscript(std::string("b<busy><Esc><Esc>") + c.answer + "</busy><A-x>", testloop);
        EXPECT_EQ(run.status, 0) << c.answer;
        EXPECT_EQ(run.boxes, std::vector<std::string>{abortquestion});
        EXPECT_EQ(sawabort, c.aborted);
        // The first Esc was posted, the second only asked.
        EXPECT_EQ(readkeys, (std::vector<int>{'b', 27, 600}));
    }
}

TEST_F(hosttest, EscWhileStopIsNotAllowedIsPostedAndNotRemembered)
{
    hostrun run = runscript("d<busy><Esc><Esc><Esc></busy><A-x>", testloop);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.boxes.empty());
    EXPECT_EQ(readkeys, (std::vector<int>{'d', 27, 27, 27, 600}));
}

TEST_F(hosttest, StopMenuAsksLikeTheSecondEsc)
{
    hostrun run = runscript("b<busy><menu 40042><yes></busy><A-x>", testloop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.boxes, std::vector<std::string>{abortquestion});
    EXPECT_TRUE(sawabort);
}

// <busy N> stops the computation N ms of its clock after the key that
// started it (a checkpoint each ms here).
TEST_F(hosttest, BusyWithAClockReadingStopsThatMuchLater)
{
    std::vector<long long> at;
    for (const char* item : {"<busy>", "<busy 100>", "<busy 400>"}) {
        hostrun run = runscript(std::string("b") + item + "<menu 40042><yes></busy><A-x>", testloop);
        EXPECT_EQ(run.status, 0) << item;
        EXPECT_TRUE(sawabort) << item;
        at.push_back(abortedat);
    }
    // Counted from the key that started it: the first checkpoint is a few
    // ms on already.
    EXPECT_GT(at[1] - at[0], 90);
    EXPECT_EQ(at[2] - at[1], 300);
}

TEST_F(hosttest, MouseButtonsCountOnlyWhileWaitingInGetkeymarked)
{
    hostrun run = runscript("<click 5 5>x<A-x>", testloop);
    EXPECT_EQ(readkeys, (std::vector<int>{'x', 600}));
    SetUp();
    run = runscript("<click 5 5>xm<click 3 2><A-x>", testloop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(readkeys, (std::vector<int>{'x', 'm', 701, 702, 600}));
    // The centre of cell (3, 2) with the default 10 by 18 cell.
    EXPECT_EQ(press.x, 25);
    EXPECT_EQ(press.y, 27);
}

TEST_F(hosttest, StopWithoutAComputationTellsOnlyOnce)
{
    hostrun run = runscript("<menu 40042><ok>x<menu 40042>y<A-x>", testloop);
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0].rfind("Tried to abort computation - failed this time.", 0), 0u);
    EXPECT_EQ(readkeys, (std::vector<int>{'x', 'y', 600}));
}

TEST_F(hosttest, MenuCommandsTypeTheirKeys)
{
    hostrun run = runscript("<menu 40064><menu 40051><menu 40045><menu 40046><menu 40099><ok><A-x>", testloop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(readkeys, (std::vector<int>{'o', 'j', 'o', 'o', 'F', 315, 324, 600}));
    EXPECT_EQ(run.boxes, std::vector<std::string>{"Feature not implemented"});
}

TEST_F(hosttest, CloseEndsTheProgramCleanly)
{
    for (const char* script : {"ab<close>", "ab<A-F4>", "ab"}) {
        hostrun run = runscript(script, nullptr);
        EXPECT_EQ(run.status, 0) << script;
        EXPECT_TRUE(run.boxes.empty()) << script;
        EXPECT_TRUE(host().stop) << script;
    }
}

TEST_F(hosttest, CloseDuringAComputationAsksFirst)
{
    hostrun run = runscript("b<busy><close><no></busy><busy><close><yes></busy>", testloop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.boxes, (std::vector<std::string>{abortquestion, abortquestion}));
}

TEST_F(hosttest, ScriptErrorsEndWithStatus3AndAFinalDump)
{
    struct {
        const char* script;
        mainloopfn loop;
    } cases[] = {
        {"ab", stubbornloop},       // waits for a key after the end
        {"<A-x>abc", testloop},     // items left over
        {"a<yes>", testloop},       // no box to answer
        {"<busy>a</busy>", testloop},  // waits for a key at <busy>
    };
    for (auto c : cases) {
        hostrun run = runscript(c.script, c.loop);
        EXPECT_EQ(run.status, 3) << c.script;
    }
    hostrun run = runscript("ab", stubbornloop);
    EXPECT_EQ(readfile(run.out + "/end.txt").size(), 30u * 81u);
    EXPECT_EQ(readfile(run.out + "/end.png").substr(1, 3), "PNG");
}

TEST_F(hosttest, DumpsWriteTextAndPicture)
{
    hostrun run = runscript("a<dump first>c<A-x>", testloop);
    EXPECT_EQ(run.status, 0);
    std::string line = std::string(80, ' ') + "\n";
    std::string blank;
    for (int i = 0; i < 30; ++i)
        blank += line;
    EXPECT_EQ(readfile(run.out + "/first.txt"), blank);
    cairo_surface_t* png = cairo_image_surface_create_from_png((run.out + "/first.png").c_str());
    EXPECT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), 800);
    EXPECT_EQ(cairo_image_surface_get_height(png), 540);
    cairo_surface_destroy(png);
}

TEST_F(hosttest, MakevisibleMovesTheWindowOntoTheWorkArea)
{
    hostrun run = runscript("", visibleloop);
    EXPECT_EQ(run.status, 0);
    // The frame keeps its distance to the client area; only what lies off
    // the desktop moves.
    EXPECT_EQ(run.moves, (std::vector<std::pair<int, int>>{{475, 454}, {0, -20}}));
}

void quietloop()
{
    setautojump(false);
    visibleloop();
}

TEST_F(hosttest, MakevisibleActsOnlyWhileAutoJumpIsOn)
{
    hostrun quiet = runscript("", quietloop);
    EXPECT_EQ(quiet.status, 0);
    EXPECT_TRUE(quiet.moves.empty());
    // The next start turns it on again.
    hostrun next = runscript("", visibleloop);
    EXPECT_EQ(next.moves.size(), 2u);
}

TEST_F(hosttest, CleanupWaitsForAThreadThatIsStillRunning)
{
    hostrun run = runscript("<ok>", lateloop);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.boxes, std::vector<std::string>{"cleanupthread2() was called with thread2 still operating"});
    EXPECT_TRUE(surfacealive);
}

TEST(maintitle, HoldsADirectoryOfAnyLength)
{
    std::string dir = "/tmp/vemotitle";
    for (int i = 0; i < 40; ++i)
        dir += "/abcdefghij";
    ASSERT_EQ(std::system(("mkdir -p " + dir).c_str()), 0);
    char* old = getcwd(nullptr, 0);
    ASSERT_EQ(chdir(dir.c_str()), 0);
    EXPECT_EQ(maintitle(), "VEMO   " + dir + "/");
    ASSERT_EQ(chdir("/"), 0);
    EXPECT_EQ(maintitle(), "VEMO   /" + std::string(79, ' '));
    ASSERT_EQ(chdir(old), 0);
    free(old);
}

TEST_F(hosttest, AProgramThatMakesNoProgressTimesOut)
{
    hostrun run = runscript("a", spinloop, 1);
    EXPECT_EQ(run.status, 3);
}
