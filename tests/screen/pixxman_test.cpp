#include <gtest/gtest.h>

#include "base/report.h"
#include "screen/pixxman.h"

TEST(pixxman, handlesfromthetopofthefirstpage)
{
    pixxman store(10, 18, 500, 2);
    EXPECT_EQ(store.newhandle(), 1000);
    EXPECT_EQ(store.newhandle(), 999);
    store.releasehandle(1000);
    EXPECT_EQ(store.newhandle(), 1000);  // a freed slot is the first taken again
    for (int i = 0; i < 498; i++)
        store.newhandle();
    EXPECT_EQ(store.handlesinuse(), 500);
    EXPECT_EQ(store.newhandle(), 1500);  // page 2, slot 500
    EXPECT_EQ(store.handlesinuse(), 501);
    for (int i = 0; i < 499; i++)
        store.newhandle();
    EXPECT_EQ(store.newhandle(), 0);  // both pages full
    EXPECT_TRUE(store.error);
}

TEST(pixxman, badreleasesarereported)
{
    clearrecordedreports();
    pixxman store(10, 18, 500, 500);
    long h = store.newhandle();
    store.releasehandle(h);
    store.releasehandle(h);
    store.releasehandle(5000);
    store.releasehandle(0);
    ASSERT_EQ(recordedreports().size(), 2u);
    EXPECT_EQ(recordedreports()[0].text, "pixxman::releasehandle(): Receiving invalid handle ");
    EXPECT_EQ(recordedreports()[1].text,
              "Unexpected error in releasehandle():\n\rHandle 5000 corresponds to page 9 but there have only \n\r"
              "1 pages been used so far");
    EXPECT_EQ(store.handlesinuse(), 0);
}

TEST(pixxman, savesandloadscellpixels)
{
    clearrecordedreports();
    std::vector<uint32_t> screen(40 * 36);
    for (size_t i = 0; i < screen.size(); i++)
        screen[i] = uint32_t(i * 2654435761u) & 0xFFFFFF;
    canvas c{screen.data(), 40, 40, 36};
    pixxman store(10, 18, 500, 500);
    long a = store.newhandle(), b = store.newhandle();
    EXPECT_FALSE(store.save(a, 2, 1));  // no target
    store.target = &c;
    ASSERT_TRUE(store.save(a, 2, 1));
    ASSERT_TRUE(store.save(b, 4, 2));
    std::vector<uint32_t> before = screen;
    std::fill(screen.begin(), screen.end(), 0);
    EXPECT_TRUE(store.load(a, 2, 1));
    EXPECT_TRUE(store.load(b, 4, 2));
    for (int y = 0; y < 36; y++)
        for (int x = 0; x < 40; x++) {
            bool saved = (y < 18 && x >= 10 && x < 20) || (y >= 18 && x >= 30);
            ASSERT_EQ(screen[y * 40 + x], saved ? before[y * 40 + x] : 0u) << x << "," << y;
        }
    EXPECT_FALSE(store.save(0, 1, 1));
    EXPECT_FALSE(store.load(4000, 1, 1));
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_EQ(recordedreports()[0].text, "Invalid handle passed to pixxman::load");
}
