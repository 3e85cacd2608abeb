// The registry of a designer plot's private copies: what is shared and
// what is copied again, the two-versions warning, and copies that keep
// working after their calculator's objects are gone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "calculator/calcfunm.h"
#include "calculator/rk.h"
#include "formula/evalstate.h"
#include "formula/varman.h"
#include "math/valtable.h"
#include "objects/context.h"
#include "objects/fu1.h"
#include "plots/components.h"
#include "plots/plot.h"
#include "tests/calculator/calcfixture.h"
#include "tests/objects/sittings.h"

namespace {

std::string record(const char* name, const char* formula)
{
    return std::string("@@FU1\n") + name + "\n1\n1\n@DATA\n@ARGS\nx\n@FORMULA\n" + formula + "\n@@END FU1\n";
}

struct registry : sittings {
    void SetUp() override
    {
        sittings::SetUp();
        put("DESKTOP.LIB", record("gg", "x*x") + record("hh", "gg(x)+1"));
    }
    // A calling object over a new called object, implemented.
    static std::unique_ptr<calcfunm> calling(const char* formula)
    {
        auto c = std::make_unique<calcfunm>();
        auto* f = new funm;
        f->setformula(formula, "x");
        c->setcalled(f);
        EXPECT_TRUE(c->implement(1, 0)) << formula;
        return c;
    }
    static fu1* resident(const char* name) { return findresident(*localobjects, name, 1, 1); }
};

}

TEST_F(registry, UnchangedComponentsAreSharedAndAChangedOneCopiedAgain)
{
    sitting("", [&] {
        plot p;
        auto a = calling("gg(x) + 1");
        auto b = calling("2*gg(x)");
        calcfunm* ca = p.registerfunction(a.get());
        ASSERT_NE(ca, nullptr);
        ASSERT_NE(p.registerfunction(b.get()), nullptr);
        EXPECT_EQ(p.components.count, 1);
        EXPECT_EQ(p.calcfunms.count, 2);
        EXPECT_EQ(p.objects.count, 2);
        EXPECT_NE(ca, a.get());
        EXPECT_NE(ca->called, a->called);
        EXPECT_EQ(ca->called, p.objects.first());
        EXPECT_EQ(ca->borrowed, 1u);

        // The same calling object again: its copy is already there.
        EXPECT_EQ(p.registerfunction(a.get()), ca);
        EXPECT_EQ(p.calcfunms.count, 2);

        // A new version of gg gets a copy of its own.
        fu1* gg = resident("gg");
        ASSERT_NE(gg, nullptr);
        gg->setformula("x*x*x", "x");
        gg->newversion();
        auto c = calling("gg(x) - 1");
        ASSERT_NE(p.registerfunction(c.get()), nullptr);
        EXPECT_EQ(p.components.count, 2);
        // Components of components come along.
        auto d = calling("hh(x)");
        ASSERT_NE(p.registerfunction(d.get()), nullptr);
        EXPECT_EQ(p.components.count, 3);
        EXPECT_NE(findresident(p.components, "hh", 1, 1), nullptr);
    });
}

TEST_F(registry, ACalledObjectWithItsOwnStoreIsNeverShared)
{
    sitting("", [&] {
        plot p;
        auto a = calling("#static k; k = 3; k*x");
        ASSERT_NE(a->called->ownvars, nullptr);
        calcfunm* first = p.registerfunction(a.get());
        calcfunm* second = p.registerfunction(a.get());
        ASSERT_NE(first, nullptr);
        ASSERT_NE(second, nullptr);
        EXPECT_NE(first, second);
        EXPECT_NE(first->called, second->called);
        EXPECT_EQ(p.objects.count, 2);
    });
}

TEST_F(registry, EqualVariableStoresAreKeptOnce)
{
    sitting("", [&] {
        plot p;
        varman one, other;
        one.setvalue('a', 1);
        other.setvalue('a', 2);
        EXPECT_TRUE(p.registervarstore(nullptr));
        EXPECT_EQ(p.varstores.count, 0);
        EXPECT_TRUE(p.registervarstore(&one));
        EXPECT_TRUE(p.registervarstore(&one));
        EXPECT_EQ(p.varstores.count, 1);
        EXPECT_TRUE(p.registervarstore(&other));
        EXPECT_EQ(p.varstores.count, 2);
        EXPECT_EQ(p.varstore()->value('a'), 2);
        // Only the latest counts: the first store is appended again.
        EXPECT_TRUE(p.registervarstore(&one));
        EXPECT_EQ(p.varstores.count, 3);
    });
}

TEST_F(registry, TheCopyComputesAfterTheOriginalsAreGone)
{
    double value = NAN;
    sitting("", [&] {
        plot p;
        calcfunm* copy = nullptr;
        {
            auto a = calling("hh(x)*10");
            copy = p.registerfunction(a.get());
        }
        ASSERT_NE(copy, nullptr);
        resident("gg")->setformula("0", "x");
        resident("gg")->newversion();
        // The plot's components resolve the copy's calls.
        chain* resolution = shared.resolution;
        shared.resolution = &p.components;
        if (copy->implement(1, 0))
            value = copy->calcx(2);
        shared.resolution = resolution;
    });
    EXPECT_EQ(value, 50);
}

TEST_F(registry, AUserOperatorKeepsItsCodeInTheDependencyRecords)
{
    double value = NAN;
    sitting("", [&] {
        plot p;
        calcfunm* copy = nullptr;
        {
            auto a = calling("x*x");
            a->setformula("d1 + gg(x)", "x");
            ASSERT_TRUE(a->setmode(9));
            copy = p.registerfunction(a.get());
        }
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(p.holders.count, 1);
        EXPECT_NE(copy->holder, nullptr);
        EXPECT_NE(findresident(p.components, "gg", 1, 1), nullptr);
        chain* resolution = shared.resolution;
        shared.resolution = &p.components;
        if (copy->implement(1, 0))
            value = copy->calcx(3);
        shared.resolution = resolution;
    });
    EXPECT_NEAR(value, 6 + 9, 1e-6);
}

// Two versions of one component: Esc cancels, 1 and 2 show a version and
// go on, Enter goes on.
TEST_F(registry, TwoVersionsOfAComponentAreAskedAbout)
{
    struct {
        const char* keys;
        bool accepted;
    } cases[] = {{"<Esc>", false}, {"<Enter>", true}, {"1<Esc>", true}, {"x<Enter>", true}};
    for (const auto& k : cases) {
        bool accepted = !k.accepted;
        hostrun run = sitting(k.keys, [&] {
            chain versions;
            auto* a = resident("gg")->clone();
            auto* b = resident("gg")->clone();
            b->origin = 7;
            versions.append(a);
            versions.append(b);
            accepted = reduceinterline(&versions);
        });
        EXPECT_EQ(accepted, k.accepted) << k.keys;
    }
    sitting("", [&] { EXPECT_FALSE(reduceinterline(nullptr)); });
}

// A Runge-Kutta curve's solver copy and table outlive the calculator.
struct solvercopy : calcsitting {};

TEST_F(solvercopy, TheTableAndTheSolverCopyOutliveTheCalculator)
{
    double start = NAN, value = NAN;
    long uses = 0;
    withcalc("", [&](calculator& c) {
        plot p;
        auto* curve = new plotcurve;
        p.curves.append(curve);
        RK* copy = nullptr;
        {
            calculator sine(c.owner);
            RK source;
            source.shape = {2, 1, 't', false};
            source.setformula("-f.1");
            const double values[] = {0, 0, 1};
            ASSERT_TRUE(sine.takesystem(source, values, 3));
            sine.proceed(true);
            ASSERT_NE(sine.solver, nullptr);
            copy = p.registerrksolver(sine.solver);
            ASSERT_NE(copy, nullptr);
            EXPECT_EQ(copy->owner, &p);
            // Every copy of a solver carries a key of its own.
            EXPECT_NE(p.registerrk(new RK(*copy)), copy);
            EXPECT_EQ(p.solvers.count, 2);
            curve->fastplottable = sine.initvalues;
        }
        uses = curve->fastplottable.use_count();
        start = curve->fastplottable->startvector[2];
        if (copy->refresh())
            value = copy->integrate(2.0, 0.0)[1];
    });
    EXPECT_EQ(uses, 3);   // the curve, the solver copy and the copy of the copy
    EXPECT_EQ(start, 1);
    EXPECT_NEAR(value, std::sin(2.0), 1e-9);
}
