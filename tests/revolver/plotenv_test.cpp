// The plot environment through the program's main loop: two designer
// plots made with "ppn", the environment entered with "pp+", plots and
// perspectives stepped, perspectives made by mouse frames, a help topic,
// the question before deleting a plot, leaving, "ppp" and "pp" Del.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "plots/plot.h"
#include "plots/plotlist.h"
#include "plots/plotpanel.h"
#include "revolver/program.h"
#include "screen/screen.h"
#include "tests/plots/exactcurve.h"
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

// The front of a run that notes, when the program asks before deleting a
// plot, the mapped window of every entry of each of the plot's
// perspectives, by perspective number.  The program waits for the answer
// meanwhile.
class deletequestionfront : public platform::headlessfront {
public:
    std::map<int, std::vector<drect>> windows;

    platform::boxanswer messagebox(const std::string& text, const std::string& caption,
                                   platform::boxbuttons buttons, platform::boxicon icon, bool owned) override
    {
        const plot* p = currentplot();
        if (p && text.find("Delete the Plot ?") != std::string::npos)
            for (const plotpsp* s = p->perspectives.first(); s; s = static_cast<const plotpsp*>(s->next))
                for (const autoprint* e = s->consider.first(); e; e = static_cast<const autoprint*>(e->next))
                    windows[s->number].push_back(e->mappedwindow());
        return headlessfront::messagebox(text, caption, buttons, icon, owned);
    }
};

// A mouse frame from the press at (x0, y0) to the release at (x1, y1) as
// the tracker ends it: ordered and held on the screen of w x h pixels.
screenrect draggedframe(int x0, int y0, int x1, int y1, int w, int h)
{
    return {int16_t(std::max(0, std::min(x0, x1))), int16_t(std::max(0, std::min(y0, y1))),
            int16_t(std::min(w - 1, std::max(x0, x1))), int16_t(std::min(h - 1, std::max(y0, y1)))};
}

// The window that frame f over the plot area a makes of the window w, by
// the frame commands' arithmetic: magnify ('G') shows the part of w under
// f, minify ('K') the window in which w shrinks into f, push ('V') moves
// w by the offset of f on each axis where f lies past an edge of a with
// both its edges.  Fractions run rightward and upward (pixel rows down).
drect framedwindow(char answer, const screenrect& f, const screenrect& a, const drect& w)
{
    struct span {
        double lo, hi;   // pixel edges: left, right or bottom, top
    };
    auto place = [](span in, span of, double w0, double w1) {   // in's edges as fractions of of, applied
        double d = of.hi - of.lo;
        return std::make_pair(w0 + (in.lo - of.lo) / d * (w1 - w0), w0 + (in.hi - of.lo) / d * (w1 - w0));
    };
    // Upward: the pixel rows negated.
    span fx{double(f.left), double(f.right)}, fy{-double(f.bottom), -double(f.top)};
    span ax{double(a.left), double(a.right)}, ay{-double(a.bottom), -double(a.top)};
    auto pushed = [](span f, span a) {
        if ((f.lo - a.lo) * (f.hi - a.hi) <= 0)
            return a;
        double d = a.hi - a.lo;
        return f.lo >= a.lo ? span{f.lo, f.lo + d} : span{f.hi - d, f.hi};
    };
    std::pair<double, double> x, y;
    if (answer == 'G') {
        x = place(fx, ax, w.left, w.right);
        y = place(fy, ay, w.bottom, w.top);
    } else if (answer == 'K') {
        x = place(ax, fx, w.left, w.right);
        y = place(ay, fy, w.bottom, w.top);
    } else {
        x = place(pushed(fx, ax), ax, w.left, w.right);
        y = place(pushed(fy, ay), ay, w.bottom, w.top);
    }
    return {x.first, y.second, x.second, y.first};
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
    deletequestionfront front;
    hostrun r = runscript(front, script, runprogram);
    ASSERT_EQ(r.status, 0);
    // Both plots over 0 .. 5 by 0 .. 30: the second shows 10 sin x + 10 in
    // blue and green (painted over it), the first x x in red.
    const drect window{0, 30, 5, 0};
    const screenrect area = panelplotarea();
    auto wave = [](double x) { return 10 * std::sin(x) + 10; };
    goldencurve green = exactgraph(window, area, curvergb(2), wave);
    goldencurve blue = exactgraph(window, area, curvergb(3), wave);
    blue.covering = {green.colour};
    checkgoldenplot(r.out, "plotenv-enter", plotenvgolden, {blue, green});
    checkgoldenplot(r.out, "plotenv-help", plotenvgolden, {blue, green});
    checkgoldenplot(r.out, "plotenv-left", plotenvgolden, {exactgraph(window, area, curvergb(1), [](double x) { return x * x; })});
    // The frames' perspectives, each made from the one shown (the one
    // inserted last): the windows the program gave them are those of the
    // frame commands' arithmetic; the pictures show the curves in them.
    const int w = screenpixwidth(), h = screenpixheight();
    const screenrect in = draggedframe(200, 200, 400, 400, w, h), past = draggedframe(500, 200, 2000, 400, w, h);
    std::map<int, drect> made{{1, window}};
    made[2] = framedwindow('G', in, area, made[1]);
    made[3] = framedwindow('K', in, area, made[2]);
    made[4] = framedwindow('V', past, area, made[3]);
    made[5] = framedwindow('V', past, area, made[4]);
    ASSERT_EQ(front.windows.size(), made.size());
    for (const auto& [number, expected] : made) {
        ASSERT_EQ(front.windows[number].size(), 2u) << number;
        for (const drect& got : front.windows[number]) {
            EXPECT_NEAR(got.left, expected.left, 1e-9) << number;
            EXPECT_NEAR(got.top, expected.top, 1e-9) << number;
            EXPECT_NEAR(got.right, expected.right, 1e-9) << number;
            EXPECT_NEAR(got.bottom, expected.bottom, 1e-9) << number;
        }
    }
    const std::pair<const char*, int> framed[] = {{"plotenv-magnify", 2}, {"plotenv-minify", 3}, {"plotenv-push", 4},
                                                  {"plotenv-keepx", 5},   {"plotenv-end", 5},    {"plotenv-tab", 2}};
    for (const auto& [name, number] : framed) {
        const drect& shown = front.windows[number].front();
        goldencurve framedgreen = exactgraph(shown, area, curvergb(2), wave);
        goldencurve framedblue = exactgraph(shown, area, curvergb(3), wave);
        framedblue.covering = {framedgreen.colour};
        checkgoldenplot(r.out, name, plotenvgolden, {framedblue, framedgreen});
    }
    // Left: the calculator, no plot and so no curve to fit.
    checkgoldenfiles(r.out, "plotenv-leave", plotenvgolden);
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

// A click on the plot area without a move between press and release is no
// frame: nothing changes and the environment reads the next key.
TEST_F(plotenv, AClickOnThePlotAreaIsNoFrame)
{
    hostrun r = runscript("esin(x)<Enter><Enter>1<Enter>ppn0<Enter>6.28<Enter>-1.5<Enter>1.5<Enter>r<dump before>"
                          "<click 40 15><dump clicked><click 400 300 px><dump again><Esc><Esc><A-X>y",
                          runprogram);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(dumpfile(r, "clicked.txt"), dumpfile(r, "before.txt"));
    EXPECT_EQ(dumpfile(r, "again.txt"), dumpfile(r, "before.txt"));
    EXPECT_EQ(dumpfile(r, "clicked.png"), dumpfile(r, "before.png"));
}

// Designer plots fit the grid of the area the panels leave, also when they
// were first painted before the panels were there; OK in "Default Diagram
// Options" paints the perspective again, and the scale labels stand over
// the axes that run into them.
TEST_F(plotenv, CurvesFitTheirGridAndOptionsRepaint)
{
    std::string script = "ex<Enter><Enter>1<Enter>ppn0<Enter>6<Enter>0<Enter>6<Enter>r<dump diagonal><Esc>"
                         "ppp<dump again><Esc>"
                         "<Right>esin(x)<Enter><Enter>1<Enter>ppn-3<Enter>3<Enter>-1.5<Enter>1.5<Enter>r<dump axes>"
                         "A<dialog 1019=0 1020=0 ok><dump noaxes><Esc><A-X>y";
    hostrun r = runscript(script, runprogram, 60);
    ASSERT_EQ(r.status, 0);
    const screenrect area = panelplotarea();
    goldencurve line = exactgraph({0, 6, 6, 0}, area, curvergb(1), [](double x) { return x; });
    // From corner to corner.
    ASSERT_EQ(line.pieces.size(), 1u);
    EXPECT_EQ(line.pieces[0].front(), std::make_pair(double(area.left), double(area.bottom)));
    EXPECT_EQ(line.pieces[0].back(), std::make_pair(double(area.right), double(area.top)));
    expectcurveshown(r.out + "/diagonal.png", line, "x on entering");
    expectcurveshown(r.out + "/again.png", line, "x after ppp");
    goldencurve wave = exactgraph({-3, 1.5, 3, -1.5}, area, curvergb(1), [](double x) { return std::sin(x); });
    expectcurveshown(r.out + "/axes.png", wave, "sin x");
    expectcurveshown(r.out + "/noaxes.png", wave, "sin x without axes");
    uint32_t axis = colorrgb(colorof(24));
    EXPECT_GT(countpixels(r.out + "/axes.png", axis, area), 500u);
    EXPECT_EQ(countpixels(r.out + "/noaxes.png", axis, area), 0u);
    // The label "0" of the y scale at the right edge, and the "0" of the x
    // scale at the bottom.
    int y0 = screenmap({-3, 1.5, 3, -1.5}, area).worldtoy(0), x0 = screenmap({-3, 1.5, 3, -1.5}, area).worldtox(0);
    EXPECT_EQ(countpixels(r.out + "/axes.png", axis, {int16_t(area.right - 8), int16_t(y0 - 3), int16_t(area.right - 2), int16_t(y0 + 3)}), 0u);
    EXPECT_EQ(countpixels(r.out + "/axes.png", axis, {int16_t(x0 - 3), int16_t(area.bottom - 6), int16_t(x0 + 3), area.bottom}), 0u);
}

}  // namespace
