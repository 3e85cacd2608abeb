// The measures of the parametric walk: resolution units, the strict
// window tests and the step judge.
#include <gtest/gtest.h>

#include <cmath>

#include "plots/walkgeometry.h"

namespace {

// A 100 by 100 world on 200 by 100 device units.
const walkframe frame{{0, 100, 100, 0}, {0, 0, 200, 100}, 1};

TEST(walkgeometry, ResolutionLengthScalesEachAxisAndTheDivisor)
{
    EXPECT_DOUBLE_EQ(frame.length(1, 0), 2);
    EXPECT_DOUBLE_EQ(frame.length(0, 1), 1);
    EXPECT_DOUBLE_EQ(frame.length(3, 4), std::hypot(6, 4));
    walkframe coarse = frame;
    coarse.f = 4;
    EXPECT_DOUBLE_EQ(coarse.length(3, 4), std::hypot(6, 4) / 4);
    walkframe empty = frame;
    empty.world = {1, 0, 0, 1};
    EXPECT_EQ(empty.length(3, 4), 0);
    empty = frame;
    empty.screen = {0, 0, 0, 100};
    EXPECT_EQ(empty.length(3, 4), 0);
}

TEST(walkgeometry, SegmentsMeetTheOpenWindow)
{
    const drect w{0, 10, 1, 0};  // tall: 1 wide, 10 high
    struct {
        curvepoint p0, p1;
        bool meets;
        const char* what;
    } cases[] = {
        {{0.5, 5}, {0.5, 5}, true, "a point inside"},
        {{0, 5}, {0, 5}, false, "a point on the left edge"},
        {{-1, 5}, {2, 5}, true, "flat through left and right"},
        {{0.5, -1}, {0.5, 11}, true, "steep through bottom and top"},
        {{-1, 2}, {2, 6}, true, "steep through left and right only"},
        {{-1, -1}, {2, 2}, true, "through the bottom left corner region"},
        {{-1, 0}, {2, 0}, false, "along the bottom edge"},
        {{-2, 5}, {-1, 20}, false, "beside the window"},
        {{1.5, -1}, {3, 11}, false, "steep beside the window"},
        {{-0.5, 0.5}, {0.5, -0.5}, false, "cuts the corner outside"},
        {{NAN, 5}, {0.5, 5}, true, "an end inside"},
        {{NAN, 5}, {2, 5}, false, "an end that is no number"},
    };
    for (const auto& k : cases) {
        EXPECT_EQ(segmentmeets(k.p0, k.p1, w), k.meets) << k.what;
        EXPECT_EQ(segmentmeets(k.p1, k.p0, w), k.meets) << k.what << " reversed";
    }
    EXPECT_TRUE(pointinside({0.5, 9.9}, w));
    EXPECT_FALSE(pointinside({0.5, 10}, w));
}

TEST(walkgeometry, StepJudgeGrowsStraightStepsAndShrinksBends)
{
    // Device units: x counts twice the world units here.
    struct {
        curvepoint p0, p1, p2;
        int hint, verdict;
        const char* what;
    } cases[] = {
        {{10, 50}, {10.3, 50}, {10.6, 50}, 0, 1, "short pair may grow"},
        {{10, 50}, {10.3, 50}, {10.6, 50}, -1, 0, "but not against a shrinking hint"},
        {{10, 50}, {12, 50}, {14, 50}, 0, 1, "straight pair may grow"},
        {{10, 50}, {12, 50}, {14, 50.2}, 0, 0, "a bend between g/10 and g is kept"},
        {{10, 50}, {12, 50}, {14, 51}, 0, -1, "a bend above g shrinks"},
        {{10, 50}, {12, 50}, {14, 51}, 1, 0, "unless the hint forbids shrinking"},
        {{10, 50}, {16, 50}, {22, 50}, 0, 0, "a pair above a tenth of the height never grows"},
        {{10, 50}, {10, 50}, {10, 50}, 0, 1, "no step at all"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(stepjudge(k.p0, k.p1, k.p2, frame, k.hint), k.verdict) << k.what;
    walkframe empty = frame;
    empty.world = {0, 0, 1, 1};
    EXPECT_EQ(stepjudge({0, 0}, {1, 1}, {2, 0}, empty, 0), 0);
}

}  // namespace
