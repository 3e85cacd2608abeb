#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "base/objcount.h"
#include "platform/core/requests.h"
#include "screen/helptopics.h"
#include "screen/keys.h"
#include "screen/palette.h"
#include "tests/screen/hostrun.h"

namespace {

std::vector<uint32_t> backgrounds;
std::vector<int> opencounts;

// The user drags the newest info window 20 cells right and 5 down.
void movenewest()
{
    platform::callmain(
        [](void*) -> long {
            auto* f = static_cast<platform::headlessfront*>(platform::currentfront());
            auto& w = const_cast<platform::inforecord&>(f->infos().back());
            w.x += 200;
            w.y += 90;
            return 0;
        },
        nullptr);
}

// "m" moves the newest window; "a" n-formula help, "b" Romberg help, "c" the plot environment in a
// second holder; each records the new window's background and how many
// info windows are open.
void helploop()
{
    infoholder holder, other;
    for (keycode k; (k = getkey()) != key::altx;) {
        infoholder& h = k == 'c' ? other : holder;
        if (k == 'm') {
            movenewest();
            continue;
        }
        if (k == 'a')
            helpnformula(h);
        else if (k == 'b')
            helpromberg(h);
        else if (k == 'c')
            helpplotenv(h);
        backgrounds.push_back(h.get() ? h.get()->background : 0);
        opencounts.push_back(infocount());
    }
}

TEST(helptopics, NextTopicReplacesTheWindowInPlace)
{
    backgrounds.clear();
    opencounts.clear();
    double sum = objcountstate().sum;
    hostrun r = runscript("ambac<A-x>", helploop);
    ASSERT_EQ(r.status, 0);
    ASSERT_EQ(r.infos.size(), 4u);
    EXPECT_EQ(r.infos[0].title, "On n-Formula Objects");
    EXPECT_EQ(r.infos[1].title, "Numeric Integration in Trace Mode");
    EXPECT_EQ(r.infos[3].title, "The Plot Environment");
    // One holder keeps one window, at the place of the one before.
    EXPECT_EQ(opencounts, (std::vector<int>{1, 1, 1, 2}));
    for (int i : {1, 2}) {
        EXPECT_EQ(r.infos[i].x, r.infos[0].x) << i;
        EXPECT_EQ(r.infos[i].y, r.infos[0].y) << i;
    }
    for (const auto& w : r.infos)
        EXPECT_FALSE(w.open);
    // The help background only where the topic asks for it.
    ASSERT_EQ(backgrounds.size(), 4u);
    EXPECT_NE(backgrounds[0], colorref(17));
    EXPECT_EQ(backgrounds[1], colorref(17));
    EXPECT_EQ(backgrounds[0], backgrounds[2]);
    EXPECT_EQ(objcountstate().sum, sum);
}

}  // namespace
