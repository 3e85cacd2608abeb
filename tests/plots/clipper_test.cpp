// Clippers: mask values of the three kinds at and around their edges,
// searching mode with its counters and stop flag, and deep copies.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "formula/diagnostics.h"
#include "formula/parser.h"
#include "plots/clipper.h"

namespace {

constexpr double nomask = -1e300;

struct clipping : ::testing::Test {
    parser first;   // the shared state

    // A formula clipper on the arguments x and y.
    static std::unique_ptr<formulaclipper> formula(const char* text)
    {
        auto c = std::make_unique<formulaclipper>();
        c->setformula(text);
        EXPECT_TRUE(c->implement(clipper::checkone, "xy")) << text;
        return c;
    }
    void SetUp() override
    {
        clipperstop = 0;
        maskingclipper = nullptr;
    }
};

}

TEST_F(clipping, FormulaClipperMasksWhereItsValueIsNotPositive)
{
    auto c = formula("y - 1");
    EXPECT_EQ(c->sign, -1);
    struct {
        double y, mask;
    } cases[] = {{2, -1}, {0, 1}, {1, 1}, {-3, 4}};
    for (const auto& k : cases) {
        double point[] = {0.0, k.y};
        maskingclipper = nullptr;
        EXPECT_EQ(c->maskvalue(point, true), k.mask) << "y = " << k.y;
        EXPECT_EQ(maskingclipper, k.mask > 0 ? c.get() : nullptr);
    }
}

TEST_F(clipping, BoundAndRectangleClippersAtTheirEdges)
{
    boundclipper both(0, 1.0, 2.0);
    boundclipper low(0, 1.0, 2.0);
    low.uplimit = 0;
    boundclipper high(0, 1.0, 2.0);
    high.downlimit = 0;
    rectclipper box({0.0, 1.0, 1.0, 0.0}, 0, 1);
    struct {
        clipper* c;
        double x, y;
        bool masked;
    } cases[] = {
        {&both, 1.0, 0, false}, {&both, 2.0, 0, false}, {&both, 1.5, 0, false},
        {&both, 0.999, 0, true}, {&both, 2.001, 0, true},
        {&low, 1.0, 0, false}, {&low, 0.999, 0, true}, {&low, 5.0, 0, false},
        {&high, 2.0, 0, false}, {&high, 2.001, 0, true}, {&high, -5.0, 0, false},
        {&box, 1.0, 0.5, false}, {&box, 0.0, 1.0, false}, {&box, 0.5, 0.5, false},
        {&box, 1.001, 0.5, true}, {&box, 0.5, -0.001, true}, {&box, -0.5, 1.5, true},
    };
    for (const auto& k : cases) {
        double point[] = {k.x, k.y};
        EXPECT_EQ(k.c->maskvalue(point, true) > 0, k.masked) << k.x << ", " << k.y;
    }
}

TEST_F(clipping, ChainAnswersTheLargestValueAndNoneAppliesGivesTheFloor)
{
    boundclipper a(0, 0.0, 1.0);
    rectclipper b({0.0, 10.0, 10.0, 0.0}, 0, 1);
    a.next = &b;
    double inside[] = {0.5, 5.0}, outside[] = {3.0, 5.0};
    EXPECT_EQ(a.maskvalue(inside, true), -0.25);
    EXPECT_GT(a.maskvalue(outside, true), 0);
    EXPECT_EQ(maskingclipper, &a);
    // Searching with no limit in the run's direction takes no part.
    a.mode = b.mode = clipper::searching;
    a.downlimit = b.downlimit = 0;
    EXPECT_EQ(a.maskvalue(outside, false), nomask);
    a.next = nullptr;
}

TEST_F(clipping, SearchingPassesTheFirstSignChangeAndStopsAtTheSecond)
{
    auto c = formula("(x - 1)*(x - 3)");
    c->mode = clipper::searching;
    c->uplimit = 2;
    double start[] = {0.0, 0.0};
    c->start(start, true);
    EXPECT_EQ(c->upcount, 2);
    EXPECT_EQ(c->sign, -1);
    double x0[] = {0.5, 0.0}, x1[] = {2.0, 0.0}, x2[] = {2.5, 0.0}, x3[] = {4.0, 0.0};
    EXPECT_LT(c->maskvalue(x0, true), 0);
    EXPECT_LT(c->maskvalue(x1, true), 0);   // the first change: passed
    EXPECT_EQ(c->sign, 1);
    EXPECT_EQ(c->upcount, 1);
    EXPECT_EQ(clipperstop, 0);
    EXPECT_LT(c->maskvalue(x2, true), 0);
    EXPECT_GT(c->maskvalue(x3, true), 0);   // the second: the run stops
    EXPECT_EQ(clipperstop, 1);
    EXPECT_EQ(maskingclipper, c.get());
    c->start(start, true);
    EXPECT_EQ(clipperstop, 0);
}

TEST_F(clipping, StartFlipsTheSignWhenTheStartPointWouldBeMasked)
{
    auto c = formula("x - 1");
    c->mode = clipper::searching;
    c->uplimit = 1;
    double start[] = {0.0, 0.0};
    c->start(start, true);
    EXPECT_EQ(c->sign, 1);
    EXPECT_LT(c->maskvalue(start, true), 0);
}

TEST_F(clipping, SeveralValuesAreRefusedAndNeverMask)
{
    formulaclipper c;
    c.setformula("x, y");
    EXPECT_FALSE(c.implement(clipper::checkone, "xy"));
    EXPECT_FALSE(c.isimplemented());
    ASSERT_NE(c.diag, nullptr);
    EXPECT_NE(c.diag->message().find("Clipper formulae must return a single value."), std::string::npos);
    EXPECT_NE(c.diag->message().find("this formula returns 2 values"), std::string::npos);
    double point[] = {5.0, 5.0};
    EXPECT_LT(c.maskvalue(point, true), 0);
    formulaclipper empty;
    EXPECT_FALSE(empty.implement(clipper::checkone, "xy"));
}

TEST_F(clipping, CheckingTheWholeChainImplementsEveryFormula)
{
    auto a = std::make_unique<formulaclipper>();
    a->setformula("x");
    auto* b = new formulaclipper;
    b->setformula("y + 1");
    a->next = b;
    EXPECT_TRUE(a->check(clipper::checkall, "xy"));
    EXPECT_TRUE(b->isimplemented());
    a->next = nullptr;
    delete b;
}

TEST_F(clipping, ListCopiesAreDeepAndCountedByPosition)
{
    auto* a = new boundclipper(1, -1.0, 1.0);
    auto* f = new formulaclipper;
    f->setformula("x*x - 4");
    f->sign = 1;
    a->next = f;
    clipper* copy = cliplistcopy(a);
    ASSERT_EQ(cliplistcount(copy), 2u);
    auto* g = dynamic_cast<formulaclipper*>(copy->following());
    ASSERT_NE(g, nullptr);
    EXPECT_STREQ(g->text(), "x*x - 4");
    EXPECT_NE(g->formula, f->formula);
    EXPECT_EQ(g->sign, 1);
    EXPECT_FALSE(g->isimplemented());
    EXPECT_EQ(dynamic_cast<boundclipper*>(copy)->index, 1u);
    EXPECT_EQ(cliplistcopy(nullptr), nullptr);

    clipper* shared = cliplistcopy(a);
    EXPECT_EQ(clipperat(1, a, shared), a);
    EXPECT_EQ(clipperat(2, a, shared), f);
    EXPECT_EQ(clipperat(3, a, shared), shared);
    EXPECT_EQ(clipperat(5, a, shared), nullptr);
    EXPECT_EQ(clipperat(0, a, shared), nullptr);
    EXPECT_EQ(clipperat(1, nullptr, shared), shared);
    cliplistdestroy(shared);
    cliplistdestroy(copy);
    cliplistdestroy(a);
}

TEST_F(clipping, OriginGoesToEveryLaterFormulaClipper)
{
    formulaclipper a;
    boundclipper b(0, 0, 1);
    formulaclipper c;
    a.next = &b;
    b.next = &c;
    clipperorigin o;
    o.order = 2;
    o.dimension = 3;
    o.independent = 't';
    b.setorigin(o);
    EXPECT_EQ(a.origin.order, 0);
    EXPECT_EQ(a.edited, 0);
    EXPECT_EQ(c.origin.dimension, 3);
    EXPECT_EQ(c.origin.independent, 't');
    EXPECT_EQ(c.edited, 1);
    a.next = b.next = nullptr;
}
