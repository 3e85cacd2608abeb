// The curve editor: steps on a consider list, the "Curve Properties"
// dialog's fill and number rules, the parameter range, and scripted runs
// of the editor with its dialog on the headless front.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <initializer_list>
#include <limits>
#include <sstream>
#include <utility>
#include <vector>

#include "plots/curvecolor.h"
#include "plots/curvedialog.h"
#include "plots/curveeditor.h"
#include "plots/editrange.h"
#include "plots/insertion.h"
#include "plots/paint.h"
#include "plots/plot.h"
#include "plots/plotlist.h"
#include "plots/plotpanel.h"
#include "tests/plots/fastplotfixture.h"
#include "tests/plots/plotgraph.h"
#include "tests/plots/exactcurve.h"

namespace {

const std::string editorgolden = VEMO_SOURCE_DIR "/tests/plots/golden";
const double notanumber = std::numeric_limits<double>::quiet_NaN();

// A plot of n stub curves and one perspective; entry i shows curve i.
struct consider {
    plot p;
    plotpsp* psp = new plotpsp(&p);
    stubgraph graph{&p};

    explicit consider(int n)
    {
        p.perspectives.append(psp);
        for (int i = 0; i < n; ++i) {
            auto* c = new plotcurve;
            c->graph = &graph;
            p.curves.append(c);
            psp->consider.append(new autoprint(psp, c));
        }
        psp->apnr = 1;
    }
    ~consider()
    {
        for (plotcurve* c = p.curves.first(); c; c = static_cast<plotcurve*>(c->next))
            c->graph = nullptr;
        editorselection = nullptr;
        editornumber = 0;
    }
    autoprint& entry(int i) { return *psp->consider.at(i); }
};

}  // namespace

TEST(considerlist, StepsByCurveNumberSkippingWhatIsNotShown)
{
    consider k(5);
    k.entry(2).visible = 0;
    k.p.curves.at(4)->enabled = 0;   // curve 5 becomes number 4
    struct row {
        uint32_t from;
        int direction;
        bool hidden;
        uint32_t want;
    } rows[] = {
        {3, 1, false, 5},   // 4 is disabled
        {3, -1, false, 1},  // 2 is hidden
        {3, -1, true, 2},
        {3, 0, true, 2},    // the lower neighbour first
        {3, 0, false, 1},
        {1, -1, false, 0},
        {5, 1, false, 0},
        {1, 0, false, 3},   // nothing below: up
    };
    for (const row& r : rows)
        EXPECT_EQ(k.psp->stepentry(r.from, r.direction, r.hidden), r.want) << r.from << " " << r.direction;
    EXPECT_FALSE(k.entry(4).shown(true)) << "an entry of a disabled curve is never shown";
    EXPECT_EQ(k.psp->countshown(), 3u);
    EXPECT_EQ(k.psp->numberofentry(5), 4u);
    EXPECT_EQ(k.psp->entryofnumber(4), &k.entry(5));
}

TEST(considerlist, FixingTheActiveEntryAndEmptiness)
{
    consider k(3);
    k.psp->apnr = 9;
    EXPECT_FALSE(k.psp->fixapnr(false));
    EXPECT_EQ(k.psp->apnr, 1);
    for (int i = 1; i <= 3; ++i)
        k.entry(i).visible = 0;
    k.psp->apnr = 2;
    EXPECT_TRUE(k.psp->noshown(false));
    EXPECT_EQ(k.psp->apnr, 2) << "noshown leaves the active entry";
    EXPECT_FALSE(k.psp->isempty()) << "hidden entries only: the active one is made visible";
    EXPECT_TRUE(k.entry(2).visible);
    for (plotcurve* c = k.p.curves.first(); c; c = static_cast<plotcurve*>(c->next))
        c->enabled = 0;
    EXPECT_TRUE(k.psp->isempty());
    consider none(0);
    EXPECT_TRUE(none.psp->fixapnr(true));
}

TEST(considerlist, SelectedCurveWrapsAroundZero)
{
    consider k(3);
    auto* extra = new plotcurve;   // enabled, but without an entry here
    k.p.curves.append(extra);
    editornumber = 0;
    k.psp->stepcurve(-1);
    EXPECT_EQ(editornumber, 4u);
    EXPECT_EQ(editorselection, nullptr) << "curve 4 has no entry in this perspective";
    k.psp->stepcurve(1);
    EXPECT_EQ(editornumber, 0u);
    k.psp->stepcurve(1);
    EXPECT_EQ(editornumber, 1u);
    EXPECT_EQ(editorselection, &k.entry(1));
}

TEST(considerlist, TheActiveStepSkipsHiddenEntries)
{
    consider k(3);
    k.entry(2).visible = 0;
    k.psp->stepactive(1);
    EXPECT_EQ(k.psp->apnr, 3);
    k.psp->stepactive(1);
    EXPECT_EQ(k.psp->apnr, 3) << "no further shown entry: apnr stays";
}

TEST(curvedialog, ResolutionAndPenRules)
{
    int32_t r = 0;
    struct row {
        double answer;
        bool taken;
    } absolute[] = {{20000, true}, {20000.9, true}, {20001, false}, {19, false}, {20, true}, {notanumber, false},
                    {INFINITY, false}};
    for (const row& a : absolute) {
        r = -1;
        EXPECT_EQ(absoluteresolution(a.answer, r), a.taken) << a.answer;
        if (a.taken) {
            EXPECT_EQ(r, int32_t(std::trunc(a.answer)));
        }
    }
    ASSERT_TRUE(scaledresolution(30, 0.5, r));
    EXPECT_EQ(r, 20) << "limited to the lowest resolution";
    ASSERT_TRUE(scaledresolution(800, 1e300, r));
    EXPECT_EQ(r, 20000);
    EXPECT_FALSE(scaledresolution(800, 0, r));
    EXPECT_FALSE(scaledresolution(800, notanumber, r));
    uint16_t pen = 0;
    EXPECT_TRUE(readresolution("5", r));
    EXPECT_EQ(r, 20);
    EXPECT_TRUE(readpen("2000", pen));
    EXPECT_EQ(pen, 1000);
    EXPECT_FALSE(readresolution("nan", r));
    EXPECT_FALSE(readpen("-inf", pen));
}

TEST(curvedialog, EachModeShowsItsOwnControls)
{
    platform::dialogtemplate d = curvedialogtemplate({"Black", "red", "green", "blue", "magenta", "lightblue", "brown"});
    curveview v;
    v.number = 2;
    v.live = 3;
    int entry = 0;
    v.entry = reinterpret_cast<const autoprint*>(&entry);
    v.hascurve = v.visible = v.considered = true;
    v.colour = 4;
    v.low = -1;
    v.high = 2.5;
    v.letter = 't';
    v.resolution = 800;
    v.pen = 20;
    v.clippers = 3;
    v.privateclippers = 1;
    std::string message = "Cannot delete the last visible curve";
    fillcurvedialog(d, v, message, true, 2);
    EXPECT_TRUE(message.empty()) << "a message is shown once";
    EXPECT_EQ(d.control(1045)->label, "Cannot delete the last visible curve");
    EXPECT_TRUE(d.control(1044)->shown);
    EXPECT_EQ(d.control(1069)->label, "/ 3");
    EXPECT_EQ(d.control(1074)->label, "-1 <= t <= 2.5");
    EXPECT_EQ(d.control(1048)->number, 4);
    EXPECT_EQ(d.control(1056)->label, "Recalc");
    EXPECT_EQ(d.control(1058)->number, 2);
    EXPECT_EQ(d.control(1076)->label, "(shared)") << "private clippers come first";
    EXPECT_FALSE(d.control(1066)->shown);
    EXPECT_TRUE(d.control(1063)->shown);

    v.entry = nullptr;
    fillcurvedialog(d, v, message, false, 0);
    EXPECT_EQ(d.control(1073)->label, "Not considered");
    EXPECT_EQ(d.control(1056)->label, "Search...");
    EXPECT_FALSE(d.control(1055)->shown);
    EXPECT_FALSE(d.control(1063)->enabled);
    EXPECT_FALSE(d.control(1044)->shown);

    v.number = 0;
    v.samepen = false;
    fillcurvedialog(d, v, message, false, 0);
    for (int id : {1072, 1066, 1064, 1062})
        EXPECT_TRUE(d.control(id)->shown) << id;
    for (int id : {1048, 1051, 1052, 1063, 1056, 1089})
        EXPECT_FALSE(d.control(id)->shown) << id;
    EXPECT_EQ(d.control(1062)->value, "") << "pens differ";
}

TEST(editrange, RefusedAndUnrestrictedRanges)
{
    plotcurve c;
    c.rangelow = 1;
    c.rangehigh = 2;
    struct row {
        rangerecord r;
        bool stored;
        double low, high;
    } rows[] = {
        {{1, 1, 0, 0, 5, 6}, true, 0, 0},       // unrestricted wins
        {{0, 1, 0, 0, 5, 6}, true, 5, 6},       // unrestricted not allowed
        {{1, 0, 0, 0, 3, 3}, false, 1, 2},      // empty
        {{1, 0, 0, 0, notanumber, 4}, false, 1, 2},
        {{1, 0, 0, 0, -INFINITY, 4}, false, 1, 2},
        {{1, 0, 0, 0, -1, 4}, true, -1, 4},
    };
    for (const row& r : rows) {
        c.rangelow = 1;
        c.rangehigh = 2;
        std::string notice;
        EXPECT_EQ(storerange(c, r.r, notice), r.stored) << r.r.lower << " " << r.r.upper;
        EXPECT_EQ(notice.empty(), r.stored);
        EXPECT_EQ(c.rangelow, r.low);
        EXPECT_EQ(c.rangehigh, r.high);
    }
}

TEST(editrange, TheDialogReadsItsEditsAndFlags)
{
    rangerecord r{1, 0, 1, 0, 0.5, 2};
    platform::dialogtemplate d = rangedialog();
    fillrange(d, r);
    EXPECT_EQ(d.control(1085)->value, "0.5");
    d.control(1088)->value = "7";
    EXPECT_EQ(rangecommand(d, r, 1088, platform::notification::leave), 0);
    EXPECT_EQ(r.upper, 7);
    d.control(1086)->checked = true;
    rangecommand(d, r, 1086, platform::notification::click);
    EXPECT_TRUE(r.unrestricted);
    EXPECT_FALSE(d.control(1085)->enabled) << "the limits are not edited while unrestricted";
    EXPECT_EQ(rangecommand(d, r, 1, platform::notification::click), 1);
}

namespace {

struct editorrun : fastplotsitting {
    void TearDown() override
    {
        dropplotlist();
        fastplotsitting::TearDown();
    }
    // A plot of sin, cos and x/3 over [0, 3] (colours red, green, blue),
    // each put in through the plot environment; prepare runs on the plot
    // before the third comes, then "e" in the environment opens the editor for the keys, and Esc
    // leaves the environment; check runs on the plot afterwards.
    hostrun edit(const std::string& keys, std::function<void(plot&)> check,
                 std::function<void(plot&)> prepare = nullptr)
    {
        return withcalc("r<Esc>g<Esc>be" + keys + "<Esc>", [&](calculator& c) {
            makecurvecolors();
            const char* formulas[] = {"sin(x)", "cos(x)", "x/3"};
            for (int i = 0; i < 3; ++i) {
                c.dropplots();
                ready(c, formulas[i]);
                plotof(c, plottype::simple, 0, 3, {0, 1.5, 3, -1.5});
                if (i == 2 && prepare)
                    prepare(*currentplot());
                if (i == 0)
                    newdesignerplot(c);
                else
                    adddesignershown(c);
            }
            plot* p = currentplot();
            ASSERT_NE(p, nullptr);
            check(*p);
            dropcurvecolors();
        });
    }
    static std::string dialogdump(const hostrun& run, const std::string& name)
    {
        std::ifstream in(run.out + "/" + name + "-EDITCURVES.txt");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

int32_t resolutionof(plot& p, int i)
{
    return p.perspectives.first()->consider.at(i)->resolution;
}

// The editor's plot over 0 .. 3 by -1.5 .. 1.5 and its curves.
double editorsin(double x)
{
    return std::sin(x);
}
double editorcos(double x)
{
    return std::cos(x);
}
double editorthird(double x)
{
    return x / 3;
}
goldencurve editorcurve(uint32_t colour, const realfunction& f)
{
    return exactgraph({0, 1.5, 3, -1.5}, panelplotarea(), colour, f);
}
// Curves not selected, in grey, under the colours that cover them: the
// selected curve's and the yellow band along y = 0.
goldencurve editorgrey(std::initializer_list<realfunction> fs, std::vector<uint32_t> covering)
{
    goldencurve c = editorcurve(colorrgb(colorof(38)), fs.begin()[0]);
    for (const realfunction* f = fs.begin() + 1; f != fs.end(); ++f) {
        goldencurve one = editorcurve(c.colour, *f);
        c.pieces.insert(c.pieces.end(), one.pieces.begin(), one.pieces.end());
    }
    c.covering = std::move(covering);
    c.covering.push_back(colorrgb(colorof(34)));
    return c;
}

// The hidden selected curve: f in the colour of role 39, yellow as the
// edit mode's axes (role 34), so with the x axis's three rows from r on,
// r = trunc(bottom - 0.5 (bottom - top) - 1) in the middle of the window,
// under the other curves.
goldencurve editorhidden(const realfunction& f, std::vector<uint32_t> covering)
{
    goldencurve c = editorcurve(colorrgb(colorof(39)), f);
    EXPECT_EQ(c.colour, colorrgb(colorof(34)));
    screenrect a = panelplotarea();
    double r = int(a.bottom - 0.5 * (a.bottom - a.top) - 1);
    devicepiece axis;
    for (int x = a.left; x <= a.right + 1; x += 2)
        axis.emplace_back(x, r + 1);
    c.pieces.push_back(axis);
    c.covering = std::move(covering);
    return c;
}

}  // namespace

TEST_F(editorrun, SelectingHidingAndRemovingCurves)
{
    // The last curve put in is active: 3, "+" wraps to 0 (all curves),
    // "-" in the dialog back to 3, "++" to 1, which "a" hides; a hidden
    // curve may be deleted while others are visible.
    hostrun run = edit("<dump edit-start>+<dump edit-all><dialog EDITCURVES press=1071><dump edit-back>"
                       "++a<dump edit-hidden><dialog EDITCURVES press=1051><yes><dump edit-removed><Esc>",
                       [](plot& p) {
                           plotpsp& psp = *p.perspectives.first();
                           EXPECT_EQ(psp.consider.count, 2);
                           EXPECT_EQ(p.countenabled(), 2u);
                           EXPECT_FALSE(p.curves.first()->enabled) << "the removed curve is disabled, not deleted";
                           EXPECT_EQ(p.curves.count, 3);
                       });
    EXPECT_NE(dialogdump(run, "edit-start").find("1068=3\n"), std::string::npos) << run.out;
    std::string all = dialogdump(run, "edit-all");
    EXPECT_NE(all.find("1068=0\n"), std::string::npos);
    EXPECT_NE(all.find("1066=absolute...\n"), std::string::npos) << "shown with all curves";
    EXPECT_NE(all.find("1048=3 (hidden)"), std::string::npos);
    EXPECT_NE(dialogdump(run, "edit-back").find("1068=3\n"), std::string::npos);
    EXPECT_NE(dialogdump(run, "edit-hidden").find("1055=0\n"), std::string::npos);
    EXPECT_NE(dialogdump(run, "edit-removed").find("1069=/ 2\n"), std::string::npos);
    ASSERT_FALSE(run.boxes.empty());
    EXPECT_EQ(run.boxes.back(), "You are deleting curve #1 \n\rfrom the plot");
    // On entering the selected x/3 in its blue over sin and cos in grey;
    // "+" all curves in grey; curve 1 removed, cos selected in its green.
    goldencurve third = editorcurve(curvergb(3), editorthird), green = editorcurve(curvergb(2), editorcos);
    checkgoldenplot(run.out, "edit-start", editorgolden, {third, editorgrey({editorsin, editorcos}, {third.colour})});
    checkgoldenplot(run.out, "edit-all", editorgolden, {editorgrey({editorsin, editorcos, editorthird}, {})});
    checkgoldenplot(run.out, "edit-removed", editorgolden, {green, editorgrey({editorthird}, {green.colour})});
    // sin hidden and selected on top of the grey cos and x/3.
    goldencurve hidden = editorhidden(editorsin, {colorrgb(colorof(38))});
    checkgoldenplot(run.out, "edit-hidden", editorgolden, {hidden, editorgrey({editorcos, editorthird}, {hidden.colour})});
}

TEST_F(editorrun, ColourAndResolutionsFromTheDialog)
{
    // Curve 3 is selected; "+" gives all curves, "-" curve 3 again.
    hostrun run = edit("<dialog EDITCURVES 1048=4><dump edit-colour><dialog EDITCURVES 1063=30>"
                       "+<dialog EDITCURVES press=1064><text 0.5>-<dump edit-scaled>"
                       "+<dialog EDITCURVES press=1066><text 20001><dialog EDITCURVES press=1066><text 19>-"
                       "<dump edit-refused>+<dialog EDITCURVES press=1066><text 20000>-<dump edit-absolute>"
                       "<dialog EDITCURVES 1063=nan><dump edit-nan><dialog EDITCURVES press=1>",
                       [](plot& p) {
                           EXPECT_EQ(p.curves.at(3)->colour, 4);
                           EXPECT_EQ(p.curves.at(1)->colour, 1);
                           for (int i = 1; i <= 3; ++i)
                               EXPECT_EQ(resolutionof(p, i), 20000) << i;
                       });
    EXPECT_NE(dialogdump(run, "edit-colour").find("1048=4\n"), std::string::npos);
    EXPECT_NE(dialogdump(run, "edit-scaled").find("1063=20\n"), std::string::npos) << "30 scaled by 0.5";
    EXPECT_NE(dialogdump(run, "edit-refused").find("1063=20\n"), std::string::npos);
    EXPECT_NE(dialogdump(run, "edit-absolute").find("1063=20000\n"), std::string::npos);
    EXPECT_NE(dialogdump(run, "edit-nan").find("1045=Invalid Input"), std::string::npos);
    // x/3 in colour 4 over sin and cos in grey.
    goldencurve third = editorcurve(curvergb(4), editorthird);
    checkgoldenplot(run.out, "edit-colour", editorgolden, {third, editorgrey({editorsin, editorcos}, {third.colour})});
}
TEST_F(editorrun, TheParameterRangeFromItsDialog)
{
    hostrun run = edit("<dialog EDITCURVES press=1089><dialog EDITRANGE 1086=0 1085=nan ok><dump range-nan>"
                       "<dialog EDITCURVES press=1089><dialog EDITRANGE 1086=0 1085=0.5 1088=2 ok><dump range-set>"
                       "<dialog EDITCURVES press=1089><dialog EDITRANGE 1086=1 ok><dump range-unrestricted><Esc>",
                       [](plot& p) {
                           EXPECT_EQ(p.curves.at(3)->rangelow, 0);
                           EXPECT_EQ(p.curves.at(3)->rangehigh, 0);
                       });
    EXPECT_NE(dialogdump(run, "range-nan").find("1045=Invalid Input"), std::string::npos);
    EXPECT_NE(dialogdump(run, "range-set").find("1074=0.5 <= x <= 2\n"), std::string::npos);
    EXPECT_NE(dialogdump(run, "range-unrestricted").find("1074=unrestricted\n"), std::string::npos);
}

TEST_F(editorrun, ChangesLandOnTheComputingThreadAroundARepaint)
{
    // Colour, resolution and "Recalc" in one go: the editor takes the
    // changes with its next key, then samples curve 3 anew; the dialog is
    // hidden while the sampling runs.
    hostrun run = edit("<dialog EDITCURVES 1048=2 1063=100 press=1056><busy><dump edit-during></busy>"
                       "<dump edit-after><Esc>",
                       [](plot& p) {
                           EXPECT_EQ(p.curves.at(3)->colour, 2);
                           EXPECT_EQ(resolutionof(p, 3), 100);
                       });
    EXPECT_EQ(dialogdump(run, "edit-during"), "") << "hidden while busy";
    EXPECT_NE(dialogdump(run, "edit-after").find("1063=100\n"), std::string::npos);
}

TEST_F(editorrun, ContextHelpPerControlAndAMoveRepaints)
{
    hostrun run = edit("<dialog EDITCURVES help=1063><dialog EDITCURVES help=1056><dialog EDITCURVES press=1113>"
                       "<dialog EDITCURVES moved><Esc>",
                       [](plot&) {});
    std::vector<std::string> titles;
    for (const platform::inforecord& r : run.infos)
        titles.push_back(r.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Resolution", "The Recalc Button", "The Edit View"}));
}

TEST_F(editorrun, SearchGivesACurveWithoutAnEntryOneAndMakesItActive)
{
    // A copy of curve 1 without an entry becomes curve 3 (x/3 is 4).
    hostrun run = edit("<dialog EDITCURVES 1068=3><dump search-none><dialog EDITCURVES press=1056><dump search-added><Esc>",
                       [](plot& p) {
                           plotpsp& psp = *p.perspectives.first();
                           ASSERT_EQ(psp.consider.count, 4);
                           EXPECT_EQ(psp.consider.at(4)->curve, p.curves.at(3));
                           EXPECT_EQ(psp.apnr, 4);
                       },
                       [](plot& p) { p.curves.append(new plotcurve(*p.curves.first())); });
    std::string none = dialogdump(run, "search-none");
    EXPECT_NE(none.find("1073=Not considered\n"), std::string::npos) << none;
    EXPECT_NE(none.find("1056=Search...\n"), std::string::npos);
    EXPECT_NE(none.find("1063= (grey)"), std::string::npos);
    std::string added = dialogdump(run, "search-added");
    EXPECT_NE(added.find("1056=Recalc\n"), std::string::npos) << added;
    EXPECT_NE(added.find("1068=3\n"), std::string::npos);
}
