#include "formula/usagerefs.h"

#include <gtest/gtest.h>

TEST(usagerefs, addrefmergesflagsofthesamerecord)
{
    varreflist list;
    fu* object = reinterpret_cast<fu*>(0x10);
    EXPECT_TRUE(list.addref('x', true, false, 's', object));
    EXPECT_TRUE(list.addref('x', false, true, 's', object));
    EXPECT_TRUE(list.addref('x', true, false, 's', nullptr));  // another object
    ASSERT_EQ(list.count(), 2);
    EXPECT_TRUE(list.at(0).referenced);
    EXPECT_TRUE(list.at(0).defined);
    // A plain global without flags merges with any #global record of the letter.
    list.addref('g', true, false, 'g', object);
    list.addref('g', false, false, 'g', nullptr);
    EXPECT_EQ(list.count(), 3);
    list.clear();
    EXPECT_TRUE(list.isempty());
    list.addref('q', false, true, 'g', nullptr);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.at(0).letter, 'q');
    EXPECT_FALSE(list.at(0).referenced);
}

TEST(usagerefs, sortedbyletterthenconstthenclassdescending)
{
    varreflist list;
    list.addref('B', true, false, 'g', nullptr);
    list.addref('b', true, false, 'g', nullptr);
    list.addref('b', true, false, 's', nullptr);
    list.addref('b', true, false, 'c', nullptr);
    list.addref('a', true, false, 'g', nullptr);
    std::vector<varref> sorted = sortedrefs(list);
    std::string order;
    for (const varref& r : sorted)
        order += std::string(1, r.letter) + r.varclass + " ";
    EXPECT_EQ(order, "ag bc bs bg Bg ");
}
