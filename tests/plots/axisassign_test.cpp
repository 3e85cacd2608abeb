// The axis assignment of a parametric plot: renumbering, the faults of
// an assignment, the free curve numbers and the list's keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plots/axisassign.h"
#include "tests/screen/editrun.h"

TEST(axisassign, CurvesAreRenumberedAndFaultsAsked)
{
    struct {
        const char* axes;
        std::vector<uint16_t> numbers;
        const char* key;
        int answer;
        std::vector<uint16_t> renumbered;
        const char* told;
    } cases[] = {
        {"xyxyx", {2, 2, 5, 5, 0}, "", 2, {1, 1, 2, 2, 0}, ""},
        {"xyyx", {3, 3, 0, 3}, "<Esc>", 0, {1, 1, 0, 1}, "Multiple assignments to one axis"},
        {"xxyy", {1, 2, 1, 0}, "e", -1, {1, 2, 1, 0}, "Not all curves have both axes assigned"},
        {"xyxy", {0, 0, 0, 0}, "<Enter>", -1, {0, 0, 0, 0}, "Not all curves have both axes assigned"},
        {"xyxy", {1, 1, 9, 9}, "", 0, {1, 1, 9, 9}, ""},
    };
    for (const auto& k : cases) {
        std::vector<uint16_t> numbers = k.numbers;
        int got = 99;
        hostrun run = rundialogue(std::string("<dump told>") + k.key,
                                  [&] { got = checkassignment(k.axes, numbers.data(), int(numbers.size())); });
        EXPECT_EQ(got, k.answer) << k.axes;
        EXPECT_EQ(numbers, k.renumbered) << k.axes;
        if (*k.told) {
            EXPECT_NE(dumptext(run, "told").find(k.told), std::string::npos) << k.told;
        }
    }
}

TEST(axisassign, KeysAssignAndFreeNumbersFillTheGaps)
{
    const uint8_t marks[] = {1, 1, 0, 1, 0};
    EXPECT_EQ(countmarked(marks, 4), 2);
    rundialogue("", [&] {
        axislist list(4, rkshape{});
        list.numbers = {1, 0, 2, 0};
        list.axes = {'x', 0, 'x', 0};
        EXPECT_EQ(list.freenumber('x'), 3);
        EXPECT_EQ(list.freenumber('y'), 1);
        int keys[] = {'y', 'x', '+', 339};
        list.current = 0;
        list.otherkey(keys[0]);   // another axis
        EXPECT_EQ(list.axes[0], 'y');
        EXPECT_EQ(keys[0], 0);
        list.current = 1;
        list.otherkey(keys[1]);   // a free line takes the free number
        EXPECT_EQ(list.numbers[1], 1);
        list.otherkey(keys[2]);
        EXPECT_EQ(list.numbers[1], 2);
        list.otherkey(keys[3]);
        EXPECT_EQ(list.numbers[1], 0);
        int again = 'x';
        list.current = 2;
        list.otherkey(again);     // the same axis again clears
        EXPECT_EQ(list.numbers[2], 0);
    });
}
