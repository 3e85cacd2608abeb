// The clipboard, delete and step commands of a plot with numbered
// perspectives.
#include <gtest/gtest.h>

#include <string>

#include "plots/plot.h"
#include "plots/plotlist.h"
#include "plots/plotcommands.h"

namespace {

// A plot of n perspectives numbered 1 .. n, each with one entry, and the
// given current index.
struct numberedplot {
    plot p;
    plotcurve* curve = new plotcurve;
    numberedplot(int n, int current)
    {
        p.curves.append(curve);
        for (int i = 1; i <= n; ++i) {
            auto* s = new plotpsp(&p);
            s->number = i;
            s->consider.append(new autoprint(s, curve));
            p.perspectives.append(s);
        }
        p.currentpsp = uint16_t(current);
    }
    // The numbers in chain order, "*" after the current one.
    std::string order() const
    {
        std::string s;
        int i = 0;
        for (plotpsp* x = p.perspectives.first(); x; x = static_cast<plotpsp*>(x->next))
            s += std::to_string(x->number) + (++i == p.currentpsp ? "*" : "") + " ";
        return s;
    }
};

TEST(plotcommands, KeepIndexStaysWithinTheChain)
{
    struct {
        int n, current, kept;
    } cases[] = {{3, 1, 1}, {3, 2, 2}, {3, 3, 2}, {1, 1, 0}, {2, 2, 1}};
    for (auto c : cases) {
        numberedplot a(c.n, c.current);
        EXPECT_EQ(a.p.keepindex(), c.kept) << c.n << " " << c.current;
    }
}

TEST(plotcommands, CopyCutAndPasteMoveWholePerspectives)
{
    // Copy of the only perspective without asking; paste behind it.
    numberedplot a(1, 1);
    EXPECT_TRUE(a.p.cutcopy());
    ASSERT_NE(a.p.clipboard, nullptr);
    EXPECT_TRUE(a.p.clipboardshown);
    EXPECT_EQ(a.p.clipboard->consider.count, 1);
    EXPECT_TRUE(a.p.paste());
    EXPECT_EQ(a.order(), "1 1* ");
    EXPECT_EQ(a.p.clipboard, nullptr);
    EXPECT_FALSE(a.p.clipboardshown);

    // Tab leaves and shows a held clipboard.
    numberedplot b(2, 1);
    b.p.copytoclipboard();
    EXPECT_TRUE(b.p.cutcopy());
    EXPECT_FALSE(b.p.clipboardshown);
    EXPECT_TRUE(b.p.cutcopy());
    EXPECT_TRUE(b.p.clipboardshown);
    EXPECT_FALSE(b.p.copytoclipboard());
}

TEST(plotcommands, ClipboardDeleteAndStepCases)
{
    struct step {
        const char* what;
        int n, current;
        bool (*act)(plot&);
        std::string order;
        bool insertbefore;
    } cases[] = {
        {"Del on the second of three", 3, 2, [](plot& p) { return p.deletepsp(); }, "1 3* ", false},
        {"Del on the last", 3, 3, [](plot& p) { return p.deletepsp(); }, "1 2* ", false},
        {"Down at the end moves nothing", 2, 2, [](plot& p) { return !p.steppsp(1); }, "1 2* ", false},
        {"Up", 2, 2, [](plot& p) { return p.steppsp(-1); }, "1* 2 ", false},
        {"Up at the first with the clipboard shown", 2, 1,
         [](plot& p) { return p.copytoclipboard() && p.steppsp(-1); }, "1* 2 ", true},
        {"paste in front after Up at the first", 2, 1,
         [](plot& p) {
             p.copytoclipboard();
             p.perspectives.first()->number = 7;
             return p.steppsp(-1) && p.paste();
         },
         "1* 7 2 ", false},
        {"Down clears the insertion point", 1, 1,
         [](plot& p) { return p.copytoclipboard() && p.steppsp(-1) && p.steppsp(1); }, "1* ", false},
    };
    for (const auto& c : cases) {
        numberedplot a(c.n, c.current);
        EXPECT_TRUE(c.act(a.p)) << c.what;
        EXPECT_EQ(a.order(), c.order) << c.what;
        EXPECT_EQ(bool(a.p.insertbefore), c.insertbefore) << c.what;
    }
}

TEST(plotcommands, DeleteOfTheOnlyPerspectiveAndOfTheClipboard)
{
    numberedplot a(1, 1);
    EXPECT_FALSE(a.p.deletepsp());
    EXPECT_EQ(a.order(), "1* ");
    a.p.copytoclipboard();
    EXPECT_TRUE(a.p.deletepsp());
    EXPECT_EQ(a.p.clipboard, nullptr);
    EXPECT_EQ(a.order(), "1* ");
}

}  // namespace
