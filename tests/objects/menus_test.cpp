// The menu and busy state as the front sees it, and the debug menu.
#include "objects/fudaba.h"
#include "screen/host.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "tests/screen/hostrun.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct seen {
    bool stop, options, help;
    int count;
};
std::vector<seen> states;

void record()
{
    menustate& m = menus();
    states.push_back({m.item(menuid::stop).enabled, m.item(39999).enabled, m.item(39998).enabled, m.busycount});
}

// "n": two nested computations; "e": an end without a begin; "s": STOP
// disabled, then the busy state reset.
void menuloop()
{
    for (keycode k; (k = getkey()) != key::altx;) {
        menustate& m = menus();
        if (k == 'n') {
            m.busybegin();
            m.busybegin();
            record();
            m.busyend();
            record();
            m.busyend();
            record();
        } else if (k == 'e') {
            m.busyend();
            record();
        } else if (k == 's') {
            m.busybegin();
            m.disablestop();
            record();
            EXPECT_FALSE(m.stopallowed());
            m.resetbusy();
            record();
            EXPECT_TRUE(m.stopallowed());
            m.busyend();
        }
    }
}

TEST(menus, StopFollowsTheOuterComputation)
{
    states.clear();
    hostrun r = runscript("nes<A-x>", menuloop);
    ASSERT_EQ(r.status, 0);
    std::vector<std::vector<int>> expected = {
        {1, 0, 0, 2}, {1, 0, 0, 1}, {0, 1, 1, 0},   // nested
        {0, 1, 1, 0},                               // end without begin
        {0, 0, 0, 1}, {1, 0, 0, 1},                 // disabled STOP, then reset
    };
    ASSERT_EQ(states.size(), expected.size());
    for (size_t i = 0; i < states.size(); ++i) {
        const seen& s = states[i];
        EXPECT_EQ((std::vector<int>{s.stop, s.options, s.help, s.count}), expected[i]) << "state " << i;
    }
    // The front got the same: STOP greyed, both popups and "about..." enabled.
    EXPECT_FALSE(r.menu.enabled.at(menuid::stop));
    EXPECT_TRUE(r.menu.top.at(1));
    EXPECT_TRUE(r.menu.top.at(2));
    EXPECT_TRUE(r.menu.enabled.at(menuid::about));
}

TEST(menus, DebugMenuIsAskedForAndLeftAgain)
{
    hostrun declined = runscript("<menu 40048><no><A-x>", nullptr);
    EXPECT_EQ(declined.menu.bar, "STOPMENU");
    ASSERT_EQ(declined.boxes.size(), 1u);
    EXPECT_EQ(declined.boxes[0].rfind("This is a menu full of undocumented commands", 0), 0u);

    hostrun entered = runscript("<menu 40048><yes><menu 40032><ok><A-x>", nullptr);
    EXPECT_EQ(entered.status, 0);
    EXPECT_EQ(entered.menu.bar, "DERAruri");
    ASSERT_EQ(entered.boxes.size(), 2u);
    EXPECT_EQ(entered.boxes[1], "\n Number of handles: 0 \n");

    // Leaving it writes every item's state again onto the new bar.
    hostrun left = runscript("<menu 40048><yes><menu 40049><A-x>", nullptr);
    EXPECT_EQ(left.menu.bar, "STOPMENU");
    EXPECT_FALSE(left.menu.enabled.at(menuid::stop));
    EXPECT_TRUE(left.menu.top.at(1));
    EXPECT_TRUE(left.menu.checked.at(menuid::argsvars));
    EXPECT_FALSE(left.menu.checked.at(menuid::nodatabase));
    EXPECT_TRUE(left.menu.checked.at(menuid::autojump));
}

// "j" switches auto-jump, "d" the database's assistance; the menu is
// applied after each.
void switchloop()
{
    for (keycode k; (k = getkey()) != key::altx;) {
        if (k == 'j')
            setautojump(!autojump());
        else if (k == 'd')
            databaseassistance = !databaseassistance;
        menus().apply();
    }
}

// The check mark the bar shows: the three option items come checked.
bool checkshown(const hostrun& r, int id)
{
    auto it = r.menu.checked.find(id);
    return it == r.menu.checked.end() || it->second;
}

TEST(menus, ChecksFollowWhatTheySwitch)
{
    struct {
        const char* script;
        bool nodatabase, autojump;
    } cases[] = {
        {"<A-x>", false, true},   // as the program starts
        {"j<A-x>", false, false},
        {"d<A-x>", true, true},
        {"jdjd<A-x>", false, true},
    };
    for (const auto& c : cases) {
        hostrun r = runscript(c.script, switchloop);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(checkshown(r, menuid::nodatabase), c.nodatabase) << c.script;
        EXPECT_EQ(checkshown(r, menuid::autojump), c.autojump) << c.script;
        databaseassistance = true;
    }
}

}  // namespace
