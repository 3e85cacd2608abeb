// The plot panels' pixels for given views: background, band, tab colours
// and the grey looks of the arrows.
#include <gtest/gtest.h>

#include <vector>

#include "plots/panelpaint.h"
#include "screen/palette.h"

namespace {

const panellayout& layout()
{
    static const panellayout l = panellayoutfor(800, 540);
    return l;
}

struct image {
    std::vector<uint32_t> pixels;
    canvas c;
    image(int w, int h) : pixels(size_t(w) * h), c{pixels.data(), w, w, h} {}
    uint32_t at(int x, int y) const { return c.row(y)[x] & 0xFFFFFF; }
};

// Three perspectives, the second current; the third was written to a
// transfer file.
panelview threetabs()
{
    panelview v;
    v.plotshown = true;
    v.situation.plot = 1;
    v.situation.plots = 2;
    v.situation.psp = 2;
    v.situation.psps = 3;
    v.tabs = {{1, colorrgb(17)}, {2, colorrgb(17)}, {3, blendcolor(colorrgb(17), 0.8, colorrgb(12), 0.2)}};
    return v;
}

// The colour just inside a tab's left edge, halfway down.
uint32_t tabcolour(const image& side, panelpoint t)
{
    return side.at(t.x + 3, t.y + layout().th / 2);
}

TEST(panelpaint, SidePanelTabsBandAndClipboard)
{
    const panellayout& l = layout();
    struct row {
        bool clipboardshown;
        int clipboard;            // clipboard perspective number, 0 none
        uint32_t background, clipboardtab;
    } rows[] = {{false, 0, colorrgb(18), colorrgb(7)}, {false, 5, colorrgb(18), colorrgb(11)},
                {true, 5, colorrgb(20), colorrgb(11)}};
    for (const row& r : rows) {
        panelview v = threetabs();
        v.situation.hasclipboard = r.clipboard != 0;
        v.situation.clipboardshown = r.clipboardshown;
        v.clipboardnumber = r.clipboard;
        image side(l.w2, l.h2);
        drawpanel(side.c, l, v, updatepanel(v.situation), 0);
        EXPECT_EQ(side.at(l.w2 - 1, 2), r.background) << r.clipboard;
        EXPECT_EQ(side.at(l.w2 - 1, l.h2 / 2), colorrgb(9)) << r.clipboard;
        EXPECT_EQ(tabcolour(side, clipboardtab(l)), r.clipboardtab) << r.clipboard;
        for (int n = 1; n <= 3; ++n) {
            panelpoint t = tabposition(l, n, 2, r.clipboardshown, false);
            EXPECT_EQ(tabcolour(side, t), v.tabs[n - 1].fill) << r.clipboard << " tab " << n;
        }
        // Joined through the centres: the line between tabs 1 and 2.
        panelpoint t1 = tabposition(l, 1, 2, r.clipboardshown, false);
        EXPECT_EQ(side.at(panellayout::g + l.tw / 2, t1.y + l.th + panellayout::ts / 2), 0u);
    }
}

TEST(panelpaint, TopPanelBackgroundAndGreyArrows)
{
    const panellayout& l = layout();
    const uint32_t grey = 0x808080, black = 0;
    struct row {
        int plot, plots;
        uint32_t left, right;
    } rows[] = {{1, 2, grey, black}, {2, 2, black, grey}, {1, 1, grey, grey}};
    for (const row& r : rows) {
        panelview v = threetabs();
        v.situation.plot = r.plot;
        v.situation.plots = r.plots;
        image top(l.w1, l.h1);
        paintpanel(top.c, l, v, updatepanel(v.situation), 0);
        EXPECT_EQ(top.at(l.w1 - 1, l.h1 - 1), colorrgb(18));
        // The box around the plot buttons: background darkened by a fifth.
        EXPECT_EQ(top.at(l.b1.x + 2 * panellayout::g, l.h1 - panellayout::g - 2),
                  blendcolor(colorrgb(18), 0.8, 0, 0.2));
        for (auto [id, colour] : {std::pair{6, r.left}, {7, r.right}}) {
            const panelbox& b = l.button[id];
            EXPECT_EQ(top.at(b.x + b.w / 2, b.y + b.h / 2), colour) << r.plot << "/" << r.plots << " button " << id;
        }
    }
}

TEST(panelpaint, MappingLabelOnlyWhenShownAndItFits)
{
    const panellayout& l = layout();
    panelview v = threetabs();
    EXPECT_FALSE(panelmouse(l, v, mappinglabel(l, v).x + 1, mappinglabel(l, v).y + 1));
    v.mapping = 2;
    panelbox m = mappinglabel(l, v);
    ASSERT_GT(m.w, 0);
    EXPECT_LE(m.x + m.w, l.button[15].x);
    EXPECT_TRUE(panelmouse(l, v, m.x, m.y));
    EXPECT_TRUE(panelmouse(l, v, m.x + m.w, m.y + m.h));
    EXPECT_FALSE(panelmouse(l, v, m.x - 1, m.y));
    // A screen so narrow that the label would reach the logo: not shown.
    panellayout narrow = panellayoutfor(l.e.x + l.w2 + 30, 540);
    EXPECT_EQ(mappinglabel(narrow, v).w, 0);
}

}  // namespace
