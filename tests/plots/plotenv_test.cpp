// The plot environment driven by keys, panel codes and the mouse on plots
// of sine curves: the key table with both cursors, the mouse frame, the
// pen and deleting plots.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>
#include <unistd.h>

#include "objects/librarylist.h"
#include "platform/core/files.h"
#include "plots/curvecolor.h"
#include "plots/mousecreate.h"
#include "plots/paint.h"
#include "plots/plot.h"
#include "plots/plotenv.h"
#include "plots/plotlist.h"
#include "plots/plotpanel.h"
#include "plots/screenmap.h"
#include "plots/startprinter.h"
#include "tests/plots/curvefixture.h"
#include "tests/plots/exactcurve.h"
#include "tests/screen/editrun.h"
#include "tests/screen/goldenfiles.h"

namespace {

// A function's graph that takes the pen when asked to; a pen click asks
// for its sibling through the world point and makes none.
struct pengraph : functiongraph {
    bool pen;
    pengraph(std::function<double(double)> f, bool pen) : functiongraph(std::move(f)), pen(pen) {}
    bool canmousecreate() override { return pen; }
    plotcurve* mousecreate(autoprint& entry, double x, double y) override
    {
        mousecreaterecord r;
        r.x = x;
        r.y = y;
        r.window = entry.mappedwindow();
        mousecreatedialog(r);
        return nullptr;
    }
};

const drect sinewindow{0, 1.5, 2 * M_PI, -1.5};
// A mapping above the sine's highest point: nothing shows.
const drect abovecurve{0, 3, 1, 2};

struct plotenvsitting : ::testing::Test {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("plotenv" + std::to_string(getpid()));
    std::string olddir = workdirectory();

    plotenvsitting()
    {
        std::filesystem::create_directories(dir);
        setworkdirectory(dir.string());
        printer().program = "/nonexistent/vemdraw";
    }
    ~plotenvsitting() override
    {
        dropplotlist();
        printer() = printerlink();
        gotonumber = 0;
        setworkdirectory(olddir);
        std::filesystem::remove_all(dir);
    }
    // A plot of one sine curve in perspectives numbered 1, 2, ... with
    // the mappings, the index current; it becomes the current plot.
    static plot& addplot(std::initializer_list<drect> mappings, int current, bool pen = false)
    {
        auto* p = new plot;
        auto* g = new pengraph([](double x) { return std::sin(x); }, pen);
        p->graphs.append(g);
        g->implement();
        auto* c = new plotcurve;
        c->graph = g;
        c->world = sinewindow;
        c->colour = 4;
        c->selection[0] = c->selection[1] = 1;
        c->argnumber = 1;
        p->curves.append(c);
        for (const drect& m : mappings) {
            auto* s = new plotpsp(p);
            s->mapping = m;
            s->consider.append(new autoprint(s, c));
            s->apnr = 1;
            p->perspectives.append(s);
        }
        p->currentpsp = uint16_t(current);
        plotlist().append(p);
        plotlist().seek(p);
        return *p;
    }
    static void environment()
    {
        makecurvecolors();
        plotenvkeys();
    }
    static hostrun run(const std::string& script) { return rundialogue(script, environment); }
    // The dump's text with the curve dialog's values, the native boxes, the
    // help windows' titles and the dialogs' log.
    static std::string seen(const hostrun& r, const std::string& dump)
    {
        std::string all = dump.empty() ? "" : dumptext(r, dump);
        if (!dump.empty()) {
            std::ifstream dialog(r.out + "/" + dump + "-EDITCURVES.txt");
            all.append(std::istreambuf_iterator<char>(dialog), std::istreambuf_iterator<char>());
        }
        std::ifstream dialogs(r.out + "/dialogs.txt");
        all += std::string(std::istreambuf_iterator<char>(dialogs), {});
        for (const std::string& box : r.boxes)
            all += box + "\n";
        for (const platform::inforecord& info : r.infos)
            all += info.title + "\n";
        return all;
    }
};

const char notimplemented[] = "Feature not implemented !";

TEST_F(plotenvsitting, EveryKeyWithTheNormalCursor)
{
    struct row {
        const char* keys;
        const char* close;   // what ends the box shown after keys
        const char* shows;
        int perspectives, current;
    } rows[] = {
        {"<F1>", "", "The Plot Environment", 3, 2},
        {"<S-F1>", "", "On drawing Mouse Frames", 3, 2},
        // The panel posts these after a press in help mode has reset the cursor.
        {"<key 605>", "", "The numbered Window Symbols", 3, 2},
        {"<key 606>", "", "Mapping Number", 3, 2},
        {"<Tab><dialog press=1102>", "", "CUTCOPY ended with 116", 2, 1},   // cut from the middle: the one before stays
        {"<Tab><dialog press=1101>", "", "CUTCOPY ended with 112", 3, 2},
        {"<Tab><dialog press=1101><Ins>", "", "", 4, 3},
        {"<Ins><cancel>", "", "CUTCOPY ended with 27", 3, 2},   // no clipboard shown: Tab
        {"<Del>", "", "", 2, 2},
        {"<Home>", "", "", 3, 1},
        {"<End>", "", "", 3, 3},
        {"<Up>", "", "", 3, 1},
        {"<Down>", "", "", 3, 3},
        {"g", "", "", 3, 3},
        {"+", "", "", 3, 2},   // one curve: the active entry stays
        {"-", "", "", 3, 2},
        {"A<cancel>", "", "", 3, 2},   // the Default Diagram Options dialog
        {"S", "xx", "Value Table Statistics", 3, 2},
        {"e", "<Esc>", "1068=1\n", 3, 2},   // the curve editor's dialog on curve 1
        {"2<cancel>", "", "DUPLIPLOT ended with 2", 3, 2},   // the duplication dialog
        {"s", "x", "Could not start VEMDRAW", 3, 2},
        {"P<text plot>", "x", "Could not start VEMDRAW", 3, 2},   // named, written, then handed over
        {"d<ok>", "", "Command unavailable for", 3, 2},
        {"<Tab><dialog press=1101>A", "x", "The upper buttons are inactive in the Clipboard.", 3, 2},
        {"<Right><Left>", "", "", 3, 2},   // one plot: nowhere to go
        {"<key 603><key 603>S", "xx", "Value Table Statistics", 3, 2},   // the help cursor switched off again
        {"<key 999>", "", "", 3, 2},   // not in the table: ignored
    };
    for (const row& r : rows) {
        plot& p = addplot({identitymapping, identitymapping, identitymapping}, 2);
        gotonumber = 3;
        hostrun h = run(std::string(r.keys) + "<dump d>" + r.close + "<Esc>");
        EXPECT_EQ(h.status, 0) << r.keys;
        EXPECT_NE(seen(h, "d").find(r.shows), std::string::npos) << r.keys << "\n" << seen(h, "d");
        EXPECT_EQ(p.perspectives.count, r.perspectives) << r.keys;
        EXPECT_EQ(p.currentpsp, r.current) << r.keys;
        dropplotlist();
    }
}

// With the help cursor a key shows its button's topic and does nothing
// else; the cursor is the arrow again afterwards.
TEST_F(plotenvsitting, EveryKeyWithTheHelpCursorShowsItsTopic)
{
    struct row {
        const char* key;
        const char* topic;
    } rows[] = {
        {"<Del>", "The delete Button"},
        {"<Home>", "The vertical double Arrows"},
        {"<End>", "The vertical double Arrows"},
        {"<Up>", "The vertical single arrows"},
        {"<Down>", "The vertical single arrows"},
        {"<Ins>", "The Cut / Copy Button"},
        {"+", "The Curve Selection Buttons   <+>  <->"},
        {"-", "The Curve Selection Buttons   <+>  <->"},
        {"A", "The Grid / Axes Button   <A>"},
        {"P", "The Print Button   <P>"},
        {"s", "The VEMDRAW Button   <s>"},
        {"e", "The Edit Button    <e>"},
        {"d", "The Pen Button     <d>"},
        {"<Left>", "The Horizontal Arrows"},
        {"<Right>", "The Horizontal Arrows"},
        {"2", "The Plot Duplicate Button   <2>"},
        {"<C-Del>", "The Plot Delete Button"},
        {"<key 604>", "The Quit Button     <esc>"},
        {"<click 30 20>", "The Plot Environment"},
        {"<F1>", "The Plot Environment"},
        {"<key 605>", "The numbered Window Symbols"},
        {"<key 606>", "Mapping Number"},
    };
    for (const row& r : rows) {
        plot& p = addplot({identitymapping, identitymapping, identitymapping}, 2);
        // After the topic the arrow is back: Tab copies.
        hostrun h = run(std::string("<key 603>") + r.key + "<Tab><dialog press=1101><Esc>");
        EXPECT_EQ(h.status, 0) << r.key;
        ASSERT_FALSE(h.infos.empty()) << r.key;
        EXPECT_EQ(h.infos.front().title, r.topic) << r.key;
        EXPECT_EQ(p.perspectives.count, 3) << r.key;
        EXPECT_EQ(p.currentpsp, 2) << r.key;
        EXPECT_TRUE(p.clipboardshown) << r.key;
        dropplotlist();
    }
}

// A frame dragged over the plot area (where the panels leave it) answered
// in the mouse frame dialog: the new perspective in the clipboard has the
// mapping worked out by hand from the frame's place in the plot area of
// width W and height H (y grows upward).
TEST_F(plotenvsitting, MouseFrameMagnifiesMinifiesAndPushes)
{
    screenrect area;
    rundialogue("", [&] { area = panelplotarea(); });
    const double W = area.right - area.left, H = area.bottom - area.top;
    // Inside: (100, 60) - (200, 160) from the area's corner.  Past the
    // right edge: from W - 100 to beyond the screen.
    auto drag = [&](bool past, int top, int bottom) {
        int l = area.left + (past ? int(W) - 100 : 100), r = past ? 2000 : area.left + 200;
        std::string press = std::to_string(l) + " " + std::to_string(area.top + top);
        std::string release = std::to_string(r) + " " + std::to_string(area.top + bottom);
        return "<press " + press + " px><move " + release + " px><release " + release + " px>";
    };
    const drect magnified{100 / W, (H - 60) / H, 200 / W, (H - 160) / H};
    const drect pushed{(W - 100) / W, 1, 1 + (W - 100) / W, 0};
    struct row {
        bool past;
        const char* answer;
        drect mapping;   // nowindow: no new perspective
        const char* shows;
    } rows[] = {
        {false, "<dialog press=1002>", magnified, ""},
        {false, "<dialog press=1003>", {-1, 160 / 100.0, (W - 100) / 100, (160 - H) / 100}, ""},
        {false, "<dialog press=1004 press=1005>", nowindow, ""},   // no push offered
        // Keep X (Y): the mapping's left and right (top and bottom) stay.
        {false, "<dialog 1007=1 press=1002>", {0, magnified.top, 1, magnified.bottom}, ""},
        {false, "<dialog 1008=1 press=1002>", {magnified.left, 1, magnified.right, 0}, ""},
        {true, "<dialog press=1004>", pushed, ""},
        {true, "<dialog 1007=1 press=1004><ok>", pushed, "\"Keep X fixed\""},
        {false, "<dialog press=1005>", nowindow, ""},
    };
    for (const row& r : rows) {
        plot& p = addplot({identitymapping}, 1);
        hostrun h = run(drag(r.past, 60, 160) + r.answer + "<dump d>" + (r.mapping.isempty() ? "x" : "") + "<Esc>");
        EXPECT_EQ(h.status, 0) << r.answer;
        EXPECT_NE(seen(h, "d").find(r.shows), std::string::npos) << r.answer << "\n" << seen(h, "d");
        EXPECT_EQ(p.perspectives.count, 1) << r.answer;
        if (r.mapping.isempty()) {
            EXPECT_EQ(p.clipboard, nullptr) << r.answer;
        } else {
            ASSERT_NE(p.clipboard, nullptr) << r.answer;
            EXPECT_TRUE(p.clipboardshown);
            const drect& m = p.clipboard->mapping;
            EXPECT_NEAR(m.left, r.mapping.left, 1e-12) << r.answer;
            EXPECT_NEAR(m.top, r.mapping.top, 1e-12) << r.answer;
            EXPECT_NEAR(m.right, r.mapping.right, 1e-12) << r.answer;
            EXPECT_NEAR(m.bottom, r.mapping.bottom, 1e-12) << r.answer;
            EXPECT_EQ(p.clipboard->number, 2);
            EXPECT_EQ(p.clipboard->apnr, 1);
        }
        dropplotlist();
    }
    // A strip along the top, above the sine's highest point (1 of 1.5):
    // nothing to show.
    addplot({identitymapping}, 1);
    hostrun h = run(drag(false, 2, 20) + "<dialog press=1002><dump d>x<Esc>");
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(seen(h, "d").find("Curve(s) not visible in window !"), std::string::npos);
    EXPECT_EQ(currentplot()->clipboard, nullptr);
}

// The pen: "d" switches it on a graph that takes it; a click then asks
// for a sibling curve, Esc only brings the arrow back (a click then drags
// a frame), and a second Esc leaves.
TEST_F(plotenvsitting, PenCursorClickAndEsc)
{
    const char* click = "<press 200 150 px><move 200 150 px><release 200 150 px>";
    addplot({identitymapping}, 1, true);
    platform::headlessfront front;
    hostrun h = runscript(front, std::string("d") + click + "<cancel><Esc>" + click + "<dump frame><Esc>", environment);
    EXPECT_EQ(h.status, 0);
    // The click's pixel (200, 150) in the sine's window over the plot
    // area the panels leave, with the digits a step of 1/500 of the
    // window needs.
    std::string dialogs = seen(h, "");
    screenmap m(sinewindow, panelplotarea());
    std::string x = pixeldigits(m.xtoworld(200), sinewindow.right - sinewindow.left, 500);
    std::string y = pixeldigits(m.ytoworld(150), sinewindow.top - sinewindow.bottom, 500);
    EXPECT_NE(dialogs.find("MOUSECREATE ended with 27"), std::string::npos) << dialogs;
    EXPECT_NE(dialogs.find("1108=" + x + "\n"), std::string::npos) << x << "\n" << dialogs;
    EXPECT_NE(dialogs.find("1103=" + y + "\n"), std::string::npos) << y << "\n" << dialogs;
    // The pointer went back to where the pen was pressed.
    ASSERT_EQ(front.warps().size(), 1u);
    EXPECT_EQ(front.warps()[0], std::make_pair(200, 150));
    // The first Esc left the environment open (the script ends with the
    // second); the click after it asked for nothing.
    EXPECT_EQ(dialogs.find("MOUSECREATE", 1), std::string::npos);
    EXPECT_EQ(dumptext(h, "frame").find(notimplemented), std::string::npos);
    // "d" twice: pen off again, the click drags a frame.
    h = run(std::string("dd") + click + "<Esc>");
    EXPECT_EQ(h.status, 0);
    EXPECT_EQ(seen(h, "").find(notimplemented), std::string::npos);
}

// Ctrl-Del deletes the current plot; it asks first unless none of the
// plot's perspectives shows a curve (a second perspective counts too).
TEST_F(plotenvsitting, CtrlDelAsksUnlessEveryPerspectiveIsEmpty)
{
    struct row {
        std::initializer_list<drect> mappings;
        int plots;               // in the list before
        const char* before;      // keys that paint (and so test) perspectives
        const char* answer;
        bool asked;
        int left;                // plots afterwards
    } rows[] = {
        {{identitymapping}, 1, "", "<yes>", true, 0},
        {{identitymapping}, 1, "", "<no><Esc>", true, 1},
        {{abovecurve, identitymapping}, 1, "", "<no><Esc>", true, 1},
        {{abovecurve, abovecurve}, 1, "<Down>", "", false, 0},
        {{abovecurve}, 1, "", "", false, 0},
        {{identitymapping}, 2, "", "<yes><Esc>", true, 1},   // the other plot is shown
    };
    for (const row& r : rows) {
        for (int i = 1; i < r.plots; ++i)
            addplot({identitymapping}, 1);
        addplot(r.mappings, 1);
        hostrun h = run(std::string(r.before) + "<C-Del>" + r.answer);
        EXPECT_EQ(h.status, 0) << r.answer;
        bool asked = seen(h, "").find("Delete the Plot ?") != std::string::npos;
        EXPECT_EQ(asked, r.asked) << r.answer;
        EXPECT_EQ(plotlist().count, r.left) << r.answer;
        dropplotlist();
    }
}

// A perspective that shows no curve says so while the environment waits.
TEST_F(plotenvsitting, EmptyPerspectiveBox)
{
    addplot({abovecurve, identitymapping}, 1);
    hostrun h = run("<dump empty><Down><dump shown><Esc>");
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(seen(h, "empty").find("Empty perspective"), std::string::npos);
    EXPECT_NE(seen(h, "empty").find("Press <del> to delete it !"), std::string::npos);
    EXPECT_EQ(seen(h, "shown").find("Empty perspective"), std::string::npos);
}

// Left and Right step through the plots within the list; Del on the only
// perspective turns into the question for the whole plot; the quit
// button leaves like Esc.
TEST_F(plotenvsitting, PlotsSteppedAndLeft)
{
    addplot({identitymapping}, 1);
    addplot({identitymapping}, 1);
    addplot({identitymapping}, 1);
    plotlist().setcursor(2);
    hostrun h = run("<Right><Right><dump last><Left><Left><Left><key 604>");
    EXPECT_EQ(h.status, 0);
    EXPECT_EQ(plotlist().cursor, 1);
    h = run("<Del><no><Esc>");
    EXPECT_EQ(h.status, 0);
    EXPECT_NE(seen(h, "").find("Delete the Plot ?"), std::string::npos);
    EXPECT_EQ(plotlist().count, 3);
}

// New perspectives take an entry for each enabled curve, or copies of the
// source's entries of enabled curves that are visible (hidden ones too
// when asked), with their pens and resolutions.
TEST(newpsp, EntriesFromTheCurvesOrFromAnotherPerspective)
{
    plot p;
    plotcurve* curves[3];
    for (plotcurve*& c : curves) {
        c = new plotcurve;
        p.curves.append(c);
    }
    curves[1]->enabled = 0;
    auto* source = new plotpsp(&p);
    p.perspectives.append(source);
    for (plotcurve* c : curves) {
        auto* e = new autoprint(source, c);
        e->pen = 5;
        e->resolution = 100;
        source->consider.append(e);
    }
    source->consider.at(3)->visible = 0;
    const drect m{0.25, 0.5, 0.75, 0.25};
    struct row {
        const chainof<autoprint>* from;
        bool hidden;
        std::vector<plotcurve*> shows;
        uint16_t pen;
    } rows[] = {
        {nullptr, false, {curves[0], curves[2]}, autoprint::defaultpen},
        {&source->consider, false, {curves[0]}, 5},
        {&source->consider, true, {curves[0], curves[2]}, 5},
    };
    for (const row& r : rows) {
        std::unique_ptr<plotpsp> made(p.newpsp(m, r.from, r.hidden));
        ASSERT_NE(made, nullptr);
        EXPECT_EQ(made->number, 2);
        EXPECT_EQ(made->mapping.left, m.left);
        EXPECT_EQ(made->mapping.bottom, m.bottom);
        ASSERT_EQ(made->consider.count, int(r.shows.size())) << r.hidden;
        for (size_t i = 0; i < r.shows.size(); ++i) {
            autoprint* e = made->consider.at(int(i) + 1);
            EXPECT_EQ(e->curve, r.shows[i]);
            EXPECT_EQ(e->perspective, made.get());
            EXPECT_EQ(e->pen, r.pen);
        }
    }
    plotpsp orphan(nullptr);
    EXPECT_FALSE(orphan.considerupdate(nullptr, false));
}

// The file name and clipboard dialogs reached by their keys: P names the
// file, refusing names that would leave the work directory, writes it and
// hands it over; Tab cuts the current perspective into the clipboard.
TEST_F(plotenvsitting, ClipboardAndFileNameDialogsByTheirKeys)
{
    const std::string golden = VEMO_SOURCE_DIR "/tests/plots/golden";
    plot& p = addplot({identitymapping, abovecurve, identitymapping}, 1);
    plotpsp* first = p.perspectives.first();
    hostrun h = run("P<dialog 1099=/x ok 1099=a/b ok 1099=.x ok 1099=abc.def ok><dump envprint>x"
                    "<Tab><dialog press=1102><dump envcut><Esc>");
    EXPECT_EQ(h.status, 0);
    EXPECT_EQ(p.perspectives.count, 2);
    EXPECT_EQ(p.clipboard, first);
    EXPECT_STREQ(first->transfer.name, "ABC.RKP");
    EXPECT_TRUE(std::filesystem::exists(dir / "ABC.RKP"));
    EXPECT_FALSE(std::filesystem::exists(dir / "A"));
    EXPECT_NE(seen(h, "").find("MAKERKP ended with 13"), std::string::npos);
    // The sine in colour 4, short of the scale label at the right edge;
    // under the message box (pixels 230 .. 569) only left and right of it.
    goldencurve sine = exactgraph(sinewindow, panelplotarea(), curvergb(4), [](double x) { return std::sin(x); });
    sine.box.right = 779;
    goldencurve left = sine, right = sine;
    left.box.right = 228;
    right.box.left = 571;
    checkgoldenplot(h.out, "envprint", golden, {left, right});
    checkgoldenplot(h.out, "envcut", golden, {sine});
}

// "s" again right after "s" started VEMDRAW: the hand-over waits for the
// socket that VEMDRAW opens only after its window (here a stub that
// listens after half a second and notes the message it takes).
TEST_F(plotenvsitting, ShowRightAfterStartWaitsForTheSocket)
{
    std::string error;
    std::string folder = platform::handover::folder(error);
    ASSERT_FALSE(folder.empty()) << error;
    std::string note = (dir / "note").string(), stub = (dir / "stub").string();
    std::ofstream(stub) << "#!/usr/bin/python3\n"
                           "import os, socket, struct, time\n"
                           "time.sleep(0.5)\n"
                           "s = socket.socket(socket.AF_UNIX)\n"
                           "s.bind('" << folder << "/' + os.environ['VEMDRAW_HANDOVER'])\n"
                           "s.listen(1)\n"
                           "c = s.accept()[0]\n"
                           "kind, offset, size = struct.unpack('3I', c.recv(12, socket.MSG_WAITALL))\n"
                           "open('" << note << "', 'w').write('%d %s' % (kind, c.recv(size, socket.MSG_WAITALL).decode()))\n"
                           "c.sendall(struct.pack('i', 0))\n"
                           "os.unlink(s.getsockname())\n";
    std::filesystem::permissions(stub, std::filesystem::perms::owner_all);
    printer().program = stub;
    addplot({identitymapping}, 1);
    hostrun h = run("ss<dump d><Esc>");
    EXPECT_EQ(h.status, 0);
    EXPECT_EQ(seen(h, "d").find("did not answer"), std::string::npos) << seen(h, "d");
    std::string noted;
    EXPECT_TRUE(loadfile(note, noted));
    EXPECT_EQ(noted, std::to_string(platform::handover::raise) + " " + dir.string() + "/");
}

// The accessors follow the current plot down to the graph; an active
// entry number of 0 stands for the first entry; any missing link gives null.
TEST(plotaccessors, FollowTheLinksOrGiveNull)
{
    dropplotlist();
    EXPECT_EQ(curplot(), nullptr);
    EXPECT_EQ(curpsp(), nullptr);
    EXPECT_EQ(curentry(), nullptr);
    EXPECT_EQ(curgraph(), nullptr);
    auto* p = new plot;
    plotlist().append(p);
    plotlist().seek(p);
    auto* s = new plotpsp(p);
    p->perspectives.append(s);
    p->currentpsp = 1;
    EXPECT_EQ(curpsp(), s);
    EXPECT_EQ(curentry(), nullptr);
    auto* c = new plotcurve;
    p->curves.append(c);
    auto* first = new autoprint(s, c);
    auto* second = new autoprint(s, c);
    s->consider.append(first);
    s->consider.append(second);
    EXPECT_EQ(curentry(), first);
    EXPECT_EQ(curplotcurve(), c);
    EXPECT_EQ(curgraph(), nullptr);
    s->apnr = 2;
    EXPECT_EQ(curentry(), second);
    p->clipboard = new plotpsp(p);
    p->clipboardshown = 1;
    EXPECT_EQ(curpsp(), p->clipboard);
    EXPECT_EQ(curentry(), nullptr);
    dropplotlist();
}

}  // namespace
