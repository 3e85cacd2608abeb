// The window commands on the headless front: zoom by a mouse frame (the
// frame dialog answered by the script), the window box with the axis scales
// drawn afterwards, and the keyboard notice.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "plots/axisscales.h"
#include "plots/windowcmds.h"
#include "screen/graphics.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/screen.h"
#include "screen/tgwscreen.h"
#include "tests/screen/editrun.h"
#include "tests/screen/goldenfiles.h"
#include "tests/screen/plainrow.h"

namespace {

void expectwindow(const drect& a, const drect& b, const std::string& what)
{
    EXPECT_DOUBLE_EQ(a.left, b.left) << what;
    EXPECT_DOUBLE_EQ(a.top, b.top) << what;
    EXPECT_DOUBLE_EQ(a.right, b.right) << what;
    EXPECT_DOUBLE_EQ(a.bottom, b.bottom) << what;
}

TEST(windowcmds, ZoomByTheFrameDialogsAnswer)
{
    const drect w{0, 10, 10, 0};
    const screenrect view{0, 0, 100, 100}, inner{25, 25, 75, 75}, pushed{30, 0, 130, 100};
    struct {
        screenrect frame;
        const char* keys;
        drect result;
    } cases[] = {
        {inner, "<dialog press=1002>", {2.5, 7.5, 7.5, 2.5}},     // magnify: the part under the frame
        {inner, "<dialog press=1003>", {-5, 15, 15, -5}},         // compress: the old window shrinks into the frame
        {inner, "<dialog 1007=1 press=1002>", {0, 7.5, 10, 2.5}},       // keep X fixed
        {inner, "<dialog 1008=1 press=1003>", {-5, 10, 15, 0}},         // keep Y fixed
        {inner, "<dialog press=1004 press=1002>", {2.5, 7.5, 7.5, 2.5}},    // no push offered inside the view
        {inner, "<dialog press=1005>", {0, 0, 0, 0}},
        {inner, "<cancel>", {0, 0, 0, 0}},
        {pushed, "<dialog press=1004>", {3, 10, 13, 0}},          // a pure shift
        {pushed, "<dialog 1007=1 press=1004>x", {3, 10, 13, 0}},        // keep mode ignored for a push, with a warning
    };
    for (const auto& c : cases) {
        drect result{-1, -1, -1, -1};
        hostrun run = rundialogue(std::string(c.keys) + "<dump after>", [&] {
            result = zoomwindow(c.frame, view, w);
            getkey();
        });
        EXPECT_EQ(run.status, 0) << c.keys;
        expectwindow(result, c.result, c.keys);
    }
    hostrun run = rundialogue("<dialog 1007=1 press=1004><dump warning>x", [&] { zoomwindow(pushed, view, w); });
    EXPECT_NE(plainfile(run.out + "/warning.txt").find("\"Keep X fixed\""), std::string::npos);
}

TEST(windowcmds, WindowBoxAsksTheBorders)
{
    const drect w{-1, 1, 1, -1};
    struct {
        const char* keys;
        bool ok;
        drect result;
    } cases[] = {
        {"2<Enter>3<Enter>4<Enter>5<Enter>", true, {2, 5, 3, 4}},
        {"2*pi<Enter>7<Enter>-1/2<Enter>0.5<Enter>", true, {2 * M_PI, 0.5, 7, -0.5}},
        // An empty left border keeps it and skips the right one.
        {"<Enter>4<Enter>5<Enter>", true, {-1, 5, 1, 4}},
        {"2<Enter>3<Enter><Enter>", true, {2, 1, 3, -1}},
        {"<Esc>", false, w},
        {"2<Enter><Esc>", false, w},
        {"2<Enter>3<Enter>4<Enter><Esc>", false, w},
    };
    for (const auto& c : cases) {
        drect result = w;
        bool ok = !c.ok;
        hostrun run = rundialogue(std::string(c.keys) + "x", [&] {
            ok = inputwindow(result);
            getkey();
        });
        EXPECT_EQ(run.status, 0) << c.keys;
        EXPECT_EQ(ok, c.ok) << c.keys;
        expectwindow(result, c.result, c.keys);
    }
}

TEST(windowcmds, AxisScalesOfAnEnteredWindow)
{
    bool ok = false, drawn = false, refused = false;
    hostrun run = rundialogue("0<Enter>10<Enter>-1<Enter>1<dump windowbox><Enter><dump axisscales>x", [&] {
        drect w{-1, 1, 1, -1};
        ok = inputwindow(w);
        const screenrect r{60, 40, 620, 400};
        setdrawcolor(1);
        gmoveto(r.left, r.top);
        glineto(r.right, r.top);
        glineto(r.right, r.bottom);
        glineto(r.left, r.bottom);
        glineto(r.left, r.top);
        scalestyle style{6, 3, 12, 12, 4, 8, 1, 14, 4, 11};
        refused = !drawaxisscales(zerowindow, r, style) && !drawaxisscales({1e17, 1, 1e17 + 32, 0}, r, style);
        drawn = drawaxisscales(w, r, style);
        flushcells();
        getkey();
    });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(drawn);
    EXPECT_TRUE(refused);   // no tick layout for an empty or unresolvable window: nothing drawn
    std::string box = plainfile(run.out + "/windowbox.txt");
    for (const char* text : {" input plot window coordinates: ", " Left border (abscissa) ? -1",
                             " Right border (abscissa) ? 1", " Lower border (ordinate) ? -1",
                             " Upper border (ordinate) ? 1"})
        EXPECT_NE(box.find(text), std::string::npos) << text;
    checkgoldenfiles(run.out, "windowbox");
    checkgoldenfiles(run.out, "axisscales");
}

TEST(windowcmds, KeyboardNoticeShowsThreeTimes)
{
    keyboardhintcount = 3;
    int shown = 0;
    bool helpafter = false;
    hostrun run = rundialogue("<dump notice>abcx", [&] {
        for (int i = 0; i < 5; i++)
            keyboardhint();
        shown = 3 - keyboardhintcount;
        helpafter = menus().item(39998).enabled;
        getkey();   // the fourth key: no notice waited for it
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(shown, 3);
    EXPECT_TRUE(helpafter);
    EXPECT_NE(plainfile(run.out + "/notice.txt").find("exclusively keyboard operated"), std::string::npos);
    keyboardhintcount = 3;
}

}  // namespace
