// The looks of the panel buttons in the situations that change them.
#include <gtest/gtest.h>

#include "plots/panelstate.h"

namespace {

TEST(panelstate, ArrowsGreyAtTheEndsOfTheLists)
{
    const struct {
        int plot, plots, psp, psps;
        bool clipboardshown, insertbefore;
        bool left, right, up, down;
    } rows[] = {
        {1, 1, 1, 1, false, false, true, true, true, true},
        {2, 3, 2, 3, false, false, false, false, false, false},
        {3, 3, 3, 3, false, false, false, true, false, true},
        // Showing the clipboard: Up stays live to step back unless the
        // clipboard goes before the first; Down live when it goes before.
        {1, 2, 1, 3, true, false, true, false, false, false},
        {1, 2, 1, 1, true, true, true, false, true, false},
        {1, 2, 4, 3, false, false, true, false, false, true},
    };
    for (const auto& r : rows) {
        panelsituation s;
        s.plot = r.plot;
        s.plots = r.plots;
        s.psp = r.psp;
        s.psps = r.psps;
        s.hasclipboard = r.clipboardshown;
        s.clipboardshown = r.clipboardshown;
        s.insertbefore = r.insertbefore;
        panelstate p = updatepanel(s);
        SCOPED_TRACE(testing::Message() << "plot " << r.plot << "/" << r.plots << " psp " << r.psp << "/" << r.psps);
        EXPECT_EQ(p.leftgrey, r.left);
        EXPECT_EQ(p.rightgrey, r.right);
        EXPECT_EQ(p.upgrey, r.up);
        EXPECT_EQ(p.downgrey, r.down);
    }
}

TEST(panelstate, PenHelpAndInsertFollowCursorAndClipboard)
{
    panelsituation s;
    s.canmousecreate = true;
    s.cursor = panelcursor::pen;
    panelstate p = updatepanel(s);
    EXPECT_FALSE(p.drawgrey);
    EXPECT_TRUE(p.drawpushed);
    EXPECT_FALSE(p.helppushed);
    EXPECT_TRUE(p.insvisible);
    EXPECT_FALSE(p.insleft);

    s.cursor = panelcursor::help;
    s.hasclipboard = true;   // held but not shown: no insert button
    p = updatepanel(s);
    EXPECT_TRUE(p.helppushed);
    EXPECT_FALSE(p.drawpushed);
    EXPECT_FALSE(p.insvisible);

    s.clipboardshown = true;   // the pen cannot draw into the clipboard
    p = updatepanel(s);
    EXPECT_TRUE(p.drawgrey);
    EXPECT_TRUE(p.insvisible);
    EXPECT_TRUE(p.insleft);
}


TEST(panelstate, MappingNumberCountsWindowChangesInCurveOrder)
{
    const drect a{-1, 1, 1, -1}, b{0, 10, 10, 0}, c{-5, 5, 5, -5};
    const drect curves[] = {a, a, b, a, c};
    EXPECT_EQ(mappingnumber(curves, a), 1);
    EXPECT_EQ(mappingnumber(curves, b), 2);
    EXPECT_EQ(mappingnumber(curves, c), 4);   // a again counts as a third
    EXPECT_EQ(mappingnumber(curves, drect{0, 1, 1, 0}), 0);
    EXPECT_EQ(mappingnumber({}, a), 0);
}

}
