#include "screen/hotspot.h"

#include <gtest/gtest.h>

namespace {

int16_t answer601(bool left, bool press) { return press ? -1 : left ? 601 : 0; }
int16_t answer9(bool, bool press) { return press ? -1 : 9; }
int16_t idle(bool, bool) { return 0; }

class hotspots : public ::testing::Test {
protected:
    void TearDown() override { clearhotspots(); }
};

TEST_F(hotspots, EdgesPressesAndReleases)
{
    auto* s = new hotspot(30, 10, 10, 20, answer601);  // corners in any order
    s->leftpress = 1;
    struct row {
        bool press;
        int px, py, x, y;
        int16_t expected;
    } rows[] = {
        {true, 0, 0, 10, 10, -1},     // press on the upper left corner
        {true, 0, 0, 30, 20, -1},     // and on the lower right one
        {true, 0, 0, 31, 20, 0},      // one pixel outside
        {false, 10, 20, 30, 10, 601}, // press and release on edges
        {false, 5, 15, 20, 15, 0},    // pressed outside, released inside
        {false, 20, 15, 40, 15, 0},   // pressed inside, released outside
    };
    for (const row& r : rows)
        EXPECT_EQ(walkhotspots(true, r.press, r.px, r.py, r.x, r.y), r.expected)
            << r.press << " " << r.x << "," << r.y;
    // Right clicks are not asked for by default.
    EXPECT_EQ(walkhotspots(false, false, 20, 15, 20, 15), 0);
}

TEST_F(hotspots, NewestFirstAndFlags)
{
    new hotspot(0, 0, 100, 100, answer601);
    auto* top = new hotspot(40, 40, 60, 60, answer9);
    EXPECT_EQ(walkhotspots(true, false, 50, 50, 50, 50), 9);
    EXPECT_EQ(walkhotspots(true, false, 10, 10, 10, 10), 601);
    // No spot asks for the press: it is not swallowed.
    EXPECT_EQ(walkhotspots(true, true, 50, 50, 50, 50), 0);
    top->leftclick = 0;
    EXPECT_EQ(walkhotspots(true, false, 50, 50, 50, 50), 601);
    top->place(200, 200, 210, 210);
    top->leftclick = 1;
    EXPECT_EQ(walkhotspots(true, false, 205, 205, 205, 205), 9);
    // A spot that does nothing at the moment ends the walk with 0.
    new hotspot(200, 200, 210, 210, idle);
    EXPECT_EQ(walkhotspots(true, false, 205, 205, 205, 205), 0);
}

TEST_F(hotspots, PlacedSpotIsMadeOnceThenMoved)
{
    hotspot* spot = nullptr;
    placepressspot(spot, answer601, 10, 10, 20, 20);
    ASSERT_NE(spot, nullptr);
    hotspot* first = spot;
    EXPECT_EQ(walkhotspots(true, true, 0, 0, 15, 15), -1);
    placepressspot(spot, answer601, 50, 50, 60, 60);
    EXPECT_EQ(spot, first);
    EXPECT_EQ(walkhotspots(true, true, 0, 0, 15, 15), 0);
    EXPECT_EQ(walkhotspots(true, true, 0, 0, 55, 55), -1);
}

}  // namespace
