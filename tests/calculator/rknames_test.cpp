// Mode names, component names and the fixed ring of the step trace.
#include <gtest/gtest.h>

#include <string>

#include "calculator/ringbuf.h"
#include "calculator/rknames.h"

TEST(rknames, ModeNames)
{
    const char* want[] = {"Direct", "Runge Kutta", "Runge Kutta Arclength", "Simple", "Parametric", "Contour"};
    for (int code = 9; code <= 14; ++code)
        EXPECT_STREQ(modename(code), want[code - 9]);
    EXPECT_EQ(modename(8), nullptr);
    EXPECT_EQ(modename(15), nullptr);
}

TEST(rknames, ComponentNames)
{
    struct {
        rkshape shape;
        int limit;
        std::vector<std::string> names;
    } cases[] = {
        {{2, 2, 'x', false}, 4, {"x", "f", "f.1", "f'", "f.1'"}},
        {{1, 1, 'x', true}, 4, {"arc", "x", "f"}},
        {{6, 1, 't', false}, 4, {"t", "f", "f'", "f''", "f'''", "f''''", "f(5)"}},
        {{3, 2, 'u', false}, 1, {"u", "f", "f.1", "f'", "f.1'", "f(2)", "f.1(2)"}},
    };
    for (const auto& c : cases)
        for (size_t n = 0; n < c.names.size(); ++n)
            EXPECT_EQ(rkcolname(int(n), c.shape, c.limit), c.names[n]) << n;
    EXPECT_EQ(rkvarname(0, 12, 4), "f.12");
    EXPECT_EQ(modecolname(0, 11, {1, 1, 'x', false}), "arc     ");
    EXPECT_EQ(modecolname(4, 10, {2, 2, 'x', false}), "f.1'    ");
}

TEST(ringbuf, NewestFirstAndWrapping)
{
    ringbuf<int> ring(5555);
    ASSERT_FALSE(ring.allocfailed);
    ring.push(1);
    // The first push of an empty ring lands in the last place.
    EXPECT_EQ(ring.head, 5554u);
    EXPECT_EQ(ring.records[5554], 1);
    for (int i = 2; i <= 5556; ++i)
        ring.push(i);
    EXPECT_EQ(ring.count, 5556u);
    EXPECT_EQ(ring.held(), 5555u);
    EXPECT_EQ(ring.newest(0), 5556);
    EXPECT_EQ(ring.newest(5554), 2);  // record 1 was overwritten
    ring.clear();
    EXPECT_EQ(ring.count, 0u);
    EXPECT_EQ(ring.head, 0u);
}
