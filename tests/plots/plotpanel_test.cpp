// The plot panels on the headless front: made and dropped by requests,
// painted over the screen, their buttons and tabs posting keys.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "platform/core/requests.h"
#include "plots/paint.h"
#include "plots/panelpaint.h"
#include "plots/plot.h"
#include "plots/plotenv.h"
#include "plots/plotlist.h"
#include "plots/plotpanel.h"
#include "screen/graphics.h"
#include "screen/host.h"
#include "screen/hotspot.h"
#include "screen/keys.h"
#include "screen/screen.h"
#include "tests/plots/plotgraph.h"
#include "tests/screen/editrun.h"
#include "tests/screen/goldenfiles.h"

namespace {

const std::filesystem::path panelgolden = std::filesystem::path(VEMO_SOURCE_DIR) / "tests/plots/golden";

// The headless screen: 80 by 30 cells of 10 by 18 pixels.
constexpr int screenw = 800, screenh = 540;

const panellayout& wide()
{
    static const panellayout l = panellayoutfor(screenw, screenh);
    return l;
}

std::string at(int x, int y)
{
    return std::to_string(x) + " " + std::to_string(y) + " px";
}

// A click on a button's middle, in client pixels.
std::string button(int id)
{
    const panellayout& l = wide();
    panelpoint origin = id >= 21 ? l.side : l.top;
    const panelbox& b = l.button[id];
    return "<click " + at(origin.x + b.x + b.w / 2, origin.y + b.y + b.h / 2) + ">";
}

std::string tab(int n, int current)
{
    const panellayout& l = wide();
    panelpoint t = n ? tabposition(l, n, current, false, false) : clipboardtab(l);
    return "<click " + at(l.side.x + t.x + l.tw / 2, l.side.y + t.y + l.th / 2) + ">";
}

// One plot of n perspectives numbered 1 .. n in the plot list, each
// showing its one curve; current perspective: current.
void makeplot(int n, int current)
{
    auto* p = new plot;
    auto* g = new stubgraph(p);
    p->graphs.append(g);
    auto* c = new plotcurve;
    c->graph = g;
    p->curves.append(c);
    for (int i = 1; i <= n; ++i) {
        auto* s = new plotpsp(p);
        s->number = i;
        s->consider.append(new autoprint(s, c));
        s->apnr = 1;
        p->perspectives.append(s);
    }
    p->currentpsp = uint16_t(current);
    plotlist().append(p);
    plotlist().setcursor(plotlist().count);
}

struct keyread {
    int key;
    int goto_;
};

// Until Esc: the keys read, the panels redrawn before each as the plot
// environment does.
std::vector<keyread> readkeys()
{
    std::vector<keyread> keys;
    for (redrawpanel();; redrawpanel()) {
        int k = getkey();
        if (k == key::esc)
            return keys;
        keys.push_back({k, gotonumber.load()});
    }
}

// The script on a plot of n perspectives with the panels shown (after
// the set-up given): the keys read until Esc.
hostrun onpanels(const std::string& script, int n, int current, std::vector<keyread>& keys,
                 void (*setup)() = nullptr)
{
    return rundialogue(script, [&] {
        makeplot(n, current);
        sendtomain(msg::panelcreate);
        if (setup)
            setup();
        keys = readkeys();
        sendtomain(msg::paneldestroy);
        dropplotlist();
    });
}

TEST(plotpanel, ButtonsAndTabsPostTheirKeys)
{
    std::vector<keyread> keys;
    screenrect inside{}, after{}, before{};
    std::string script = button(12) + button(6) + button(21) + button(14) + tab(3, 2) + tab(1, 2) + "<Esc>";
    hostrun run = rundialogue(script, [&] {
        ASSERT_EQ(screenpixwidth(), screenw);
        ASSERT_EQ(screenpixheight(), screenh);
        makeplot(3, 2);
        before = plotarea();
        sendtomain(msg::panelcreate);
        inside = plotarea();
        keys = readkeys();
        sendtomain(msg::paneldestroy);
        after = plotarea();
        dropplotlist();
    });
    ASSERT_EQ(run.status, 0);
    std::vector<std::pair<int, int>> expected{{'+', 0}, {331, 0}, {327, 0}, {603, 0}, {'g', 3}, {'g', 1}};
    ASSERT_EQ(keys.size(), expected.size());
    for (size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(keys[i].key, expected[i].first) << i;
        if (keys[i].key == 'g') {
            EXPECT_EQ(keys[i].goto_, expected[i].second) << i;
        }
    }
    // The panels leave the plot the rest of the screen, up to 5 pixels
    // from its right and bottom edges.
    const panellayout& l = wide();
    EXPECT_EQ(inside.left, l.w2 + 1);
    EXPECT_EQ(inside.top, l.h1 + 1);
    EXPECT_EQ(inside.right, screenw - 5);
    EXPECT_EQ(inside.bottom, screenh - 5);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.bottom, before.bottom);
}

TEST(plotpanel, ReleaseAwayFromThePressedButtonPostsNothing)
{
    const panellayout& l = wide();
    const panelbox& plus = l.button[12];
    int x = l.top.x + plus.x + plus.w / 2, y = l.top.y + plus.y + plus.h / 2;
    // Released on the button's far edge: still the button; released one
    // pixel beyond it, or on the next button: nothing.
    std::string script = "<press " + at(x, y) + "><release " + at(l.top.x + plus.x + plus.w, y) + ">"
                         + "<press " + at(x, y) + "><release " + at(l.top.x + plus.x + plus.w + 1, y) + ">"
                         + "<press " + at(x, y) + "><release " + at(l.top.x + l.button[13].x + 2, y) + ">" + button(13)
                         + "<Esc>";
    std::vector<keyread> keys;
    hostrun run = onpanels(script, 1, 1, keys);
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].key, '+');
    EXPECT_EQ(keys[1].key, '-');
}

TEST(plotpanel, HelpModeTabPressEndsHelpAndAsksForTheTabsHelp)
{
    std::vector<keyread> keys;
    hostrun run = onpanels("<dump helpmode>" + tab(1, 2) + "<dump after><Esc>", 2, 2, keys,
                           [] { setcursormode(panelcursor::help); });
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].key, panelkey::tabhelp);
    EXPECT_NE(dumptext(run, "helpmode").find("\ncursor help"), std::string::npos);
    EXPECT_EQ(dumptext(run, "after").find("\ncursor"), std::string::npos);
}

TEST(plotpanel, ClipboardTabWithoutClipboardSaysSo)
{
    std::vector<keyread> keys;
    hostrun run = onpanels(tab(0, 1) + "<ok><Esc>", 1, 1, keys);
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(keys.empty());
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0], "\n Clipboard is empty \n");
}

TEST(plotpanel, ShownPanelsInTheDumpAndHiddenSidePanel)
{
    hostrun run = rundialogue("<dump plot-panels>x<dump sidehidden>x<dump gone>x", [&] {
        makeplot(4, 3);
        sendtomain(msg::panelcreate);
        redrawpanel();
        getkey();
        sendtomain(msg::panelhide);
        sendtomain(msg::panelhide);
        sendtomain(msg::panelshow);
        getkey();
        sendtomain(msg::panelshow);
        sendtomain(msg::paneldestroy);
        getkey();
        dropplotlist();
    });
    ASSERT_EQ(run.status, 0);
    const panellayout& l = wide();
    std::string top = "panel 1 at " + std::to_string(l.top.x) + ",0 size " + std::to_string(l.w1) + "x"
                      + std::to_string(l.h1);
    std::string side = "panel 2 at 0,0 size " + std::to_string(l.w2) + "x" + std::to_string(l.h2);
    std::string shown = dumptext(run, "plot-panels");
    EXPECT_NE(shown.find(top), std::string::npos);
    EXPECT_NE(shown.find(side), std::string::npos);
    std::string hidden = dumptext(run, "sidehidden");
    EXPECT_NE(hidden.find(top), std::string::npos);
    EXPECT_EQ(hidden.find("panel 2"), std::string::npos);   // two hides, one show
    EXPECT_EQ(dumptext(run, "gone").find("panel"), std::string::npos);
    // Only the panels beside a plot area nothing was painted in: no curve to fit.
    checkgoldenimage(run.out, "plot-panels", panelgolden);
}

// While the computing thread steps through the perspectives, repaints
// the panels' view and paints the screen, a second thread clicks the
// panels' buttons and tabs, walks the hot spots and paints the panels as
// the window thread does; under ThreadSanitizer no access may race.
TEST(plotpanel, ClicksAndPanelPaintingBesideTheComputingThread)
{
    constexpr int rounds = 200;
    std::atomic<int> clicks{0};
    hostrun run = rundialogue("", [&] {
        makeplot(5, 1);
        sendtomain(msg::panelcreate);
        plot* p = currentplot();
        static hotspot* spot = new hotspot(790, 530, 799, 539, [](bool, bool) -> int16_t { return 0; });
        const panellayout& l = wide();
        std::thread window([&] {
            platform::hostevents& h = hostsink();
            std::vector<uint32_t> pixels(size_t(l.w2) * l.h2);
            canvas c{pixels.data(), l.w2, l.w2, l.h2};
            for (int i = 0; i < rounds; ++i) {
                int id = i % 2 ? 22 : 24;
                const panelbox& b = l.button[id];
                h.panelmouse(2, platform::mouseaction::press, platform::mousebutton::left, b.x + 1, b.y + 1);
                h.panelmouse(2, platform::mouseaction::release, platform::mousebutton::left, b.x + 1, b.y + 1);
                panelpoint t = tabposition(l, 1 + i % 5, 1 + i % 5, false, false);
                h.panelmouse(2, platform::mouseaction::press, platform::mousebutton::left, t.x + 2, t.y + 2);
                h.panelpaint(2, c);
                h.mouse(platform::mouseaction::press, platform::mousebutton::left, 795, 535);
                h.mouse(platform::mouseaction::release, platform::mousebutton::left, 795, 535);
                ++clicks;
            }
        });
        for (int i = 0; i < rounds; ++i) {
            p->currentpsp = uint16_t(1 + i % 5);
            p->perspectives.at(p->currentpsp)->transfer.name[0] = char('a' + i % 26);
            redrawpanel();
            setdrawcolor(1 + i % 15);
            grectangle(300, 300, 340, 340);
            spot->place(790, 530, 799, 539 - i % 3);
        }
        window.join();
        sendtomain(msg::paneldestroy);
        dropplotlist();
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(clicks, rounds);
}

}  // namespace
