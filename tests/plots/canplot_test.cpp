// The sample record and its growable command lists.
#include <gtest/gtest.h>

#include "plots/canplot.h"

TEST(plotcmdlist, GrowsToTheLargestOfTheCountTwiceTheCapacityAndTenMore)
{
    struct {
        uint32_t start, wanted, capacity;
    } cases[] = {
        {1, 2, 11},        // the growth step
        {100, 101, 200},   // twice the capacity
        {100, 300, 300},   // the count asked for
        {10, 10, 10},      // fits
        {0, 0, 1},         // at least one entry
    };
    for (const auto& k : cases) {
        plotcmdlist list(k.start);
        ASSERT_TRUE(list.setcount(k.wanted));
        EXPECT_EQ(list.capacity, k.capacity) << k.start << " -> " << k.wanted;
        EXPECT_EQ(list.count, k.wanted);
    }
}

// Entries that a larger count brings in are end commands, also where an
// earlier, longer count left other commands in the storage.
TEST(plotcmdlist, EntriesBroughtInByTheCountAreEndCommands)
{
    plotcmdlist list(1);
    for (uint16_t i = 1; i <= 40; ++i)
        ASSERT_TRUE(list.append(plotcmd::line, i, i));
    ASSERT_TRUE(list.setcount(3));
    ASSERT_TRUE(list.setcount(list.capacity));
    EXPECT_EQ(list.at(2).a, 2);
    for (uint32_t i = 3; i < list.count; ++i)
        ASSERT_EQ(list.at(i).kind, plotcmd::end) << i;
    EXPECT_EQ(list.at(20).a, 0);
}

TEST(plotcmdlist, AppendKeepsEntriesAndReadingPastTheCountGivesEntryZero)
{
    plotcmdlist list(1);
    for (uint16_t i = 1; i <= 50; ++i)
        ASSERT_TRUE(list.append(i == 1 ? plotcmd::move : plotcmd::line, i, uint16_t(100 - i)));
    ASSERT_EQ(list.count, 51u);
    EXPECT_EQ(list.at(1).kind, plotcmd::move);
    EXPECT_EQ(list.at(50).a, 50);
    EXPECT_EQ(list.at(50).b, 50);
    list[0] = plotcmd{plotcmd::end, 7, 7};
    EXPECT_EQ(list.at(51).a, 7);
    EXPECT_EQ(list.at(1u << 31).a, 7);
}

TEST(sampleresult, CountAndDroppingTheLists)
{
    sampleresult r;
    EXPECT_EQ(r.count(), -1);
    r.columns = new plotcmdlist(30);
    r.arcs = 3;
    EXPECT_EQ(r.count(), 30);
    r.points = new plotcmdlist(12);
    EXPECT_EQ(r.count(), 12);
    r.droppoints();
    EXPECT_EQ(r.arcs, 0u);
    EXPECT_EQ(r.count(), 30);
    r.arcs = 2;
    r.clear();
    EXPECT_EQ(r.arcs, 0u);
    EXPECT_EQ(r.count(), -1);
}

TEST(samplerequest, IsAPlainValue)
{
    samplerequest a;
    a.world = {-1, 2, 3, -4};
    a.resolution = 640;
    a.component1 = 2;
    samplerequest b;
    b = a;
    EXPECT_EQ(b.world.bottom, -4);
    EXPECT_EQ(b.resolution, 640);
    EXPECT_EQ(b.component1, 2);
    static_assert(std::is_trivially_copyable_v<samplerequest>);
}
