// The n-formula object read from library records: its cascade, its value
// counts, its record and its code menu keys.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "objects/context.h"
#include "objects/fumultibranch.h"
#include "objects/libfile.h"
#include "objects/slotcomp.h"
#include "tests/objects/kindfixture.h"

namespace {

std::string nformula(const char* name, const char* args, int nvalues, const std::vector<const char*>& parts)
{
    std::ostringstream r;
    r << "@@FUMULTIBRANCH\n" << name << '\n' << std::strlen(args) << '\n' << nvalues << "\n@DATA\n@ARGS\n" << args
      << '\n';
    for (const char* p : parts)
        r << "@COMPONENT\n" << p << '\n';
    r << "@@END FUMULTIBRANCH\n";
    return r.str();
}

// A step function of five branches and a default.
const std::string steps = nformula("steps", "x", 1,
                                   {"LT(x, 1)", "10", "LT(x, 2)", "20", "LT(x, 3)", "30", "LT(x, 4)", "40", "LT(x, 5)", "50", "99"});

struct nformulas : kindfixture<fumultibranch> {
};

}  // namespace

TEST_F(nformulas, FirstTrueConditionChoosesItsAction)
{
    put("DESKTOP.LIB", steps + nformula("nodefault", "x", 1, {"GT(x, 0)", "x", "LT(x, -5)", "-x"}) +
                           nformula("first", "x", 1, {"1", "1", "ln(x)", "2"}));
    open();
    fumultibranch* f = find("steps");
    ASSERT_TRUE(f);
    struct row {
        double x, expected;
    } rows[] = {{0, 10}, {1.5, 20}, {2, 30}, {3.99, 40}, {4, 50}, {5, 99}, {100, 99}};
    for (const row& w : rows) {
        double x = w.x;
        EXPECT_EQ(f->tcalc(&x), w.expected) << w.x;
        EXPECT_EQ(shared.error, 0);
    }
    // No condition true and no default: error byte 6 and the box.
    fumultibranch* n = find("nodefault");
    double x = -1;
    shared.reportswitch = 1;
    EXPECT_EQ(n->tcalc(&x), 0.0);
    EXPECT_EQ(shared.error, 6);
    EXPECT_EQ(sink.count("All conditions were false in n-formula object"), 1);
    EXPECT_EQ(sink.count("named \"nodefault\""), 1);
    shared.error = 0;
    shared.reportswitch = 0;
    EXPECT_EQ(n->tcalc(&x), 0.0);
    EXPECT_EQ(shared.error, 6);
    EXPECT_EQ(sink.count("All conditions were false"), 1);
    shared.error = 0;
    // The second condition is never evaluated once the first holds.
    x = -1;
    EXPECT_EQ(find("first")->tcalc(&x), 1);
    EXPECT_EQ(shared.error, 0);
}

TEST_F(nformulas, ActionsShareOneValueCount)
{
    put("DESKTOP.LIB", nformula("pair", "x", 2, {"LT(x, 0)", "x, -x", "x, x"}) +
                           nformula("mixed", "x", 0, {"LT(x, 0)", "x", "1", "x, x"}) +
                           nformula("wide", "x", 1, {"x, 1", "x"}) + nformula("lone", "x", 1, {"x"}));
    open();
    fumultibranch* pair = find("pair");
    ASSERT_TRUE(pair);
    EXPECT_EQ(pair->nvalues, 2);
    double x = -3;
    double* v = pair->mcalc(&x);
    EXPECT_EQ(v[0], -3);
    EXPECT_EQ(v[1], 3);
    fumultibranch* mixed = find("mixed");
    EXPECT_FALSE(mixed->implement(2, 0));
    EXPECT_EQ(mixed->diag->code, 37);
    EXPECT_NE(mixed->diag->message().find("violated in action 2, which returns 2 values, while"), std::string::npos);
    EXPECT_NE(mixed->diag->message().find("action 1 returns 1 values."), std::string::npos);
    EXPECT_FALSE(find("wide")->implement(2, 0));
    EXPECT_EQ(find("wide")->diag->code, 34);
    // One component alone is not complete.
    EXPECT_FALSE(find("lone")->complete());
    EXPECT_FALSE(find("lone")->implement(2, 0));
}

TEST_F(nformulas, PositionsLabelsAndCodeKeys)
{
    put("DESKTOP.LIB", nformula("three", "x", 1, {"x", "1", "2"}) + nformula("four", "x", 1, {"x", "1", "x", "2"}));
    open();
    fumultibranch* three = find("three");
    ASSERT_TRUE(three);
    EXPECT_STREQ(three->slotat(1)->label, "Condition 1");
    EXPECT_STREQ(three->slotat(2)->label, "Action 1");
    EXPECT_STREQ(three->slotat(3)->label, "Default Action");
    EXPECT_STREQ(three->slotat(3)->description, "Formula executing if all conditions are false");
    EXPECT_EQ(three->slotat(4), nullptr);
    fumultibranch* four = find("four");
    EXPECT_STREQ(four->slotat(3)->label, "Condition 2");
    EXPECT_STREQ(four->slotat(3)->description, "Condition controlling action 2");
    EXPECT_STREQ(four->slotat(4)->description, "Formula executing if condition 2 is the first to be true");
}

TEST_F(nformulas, RecordRoundTripsAndBadRecordsAreKept)
{
    put("DESKTOP.LIB", steps);
    open();
    ASSERT_TRUE(find("steps"));
    ASSERT_TRUE(writelib(at("copy.lib"), *context, true));
    EXPECT_EQ(get("copy.lib"), steps);
    std::unique_ptr<fu1> twin(find("steps")->clone());
    ASSERT_TRUE(twin && !twin->failed);
    std::ostringstream a, b;
    find("steps")->save(a);
    twin->save(b);
    EXPECT_EQ(a.str(), b.str());
    slotcomp::dropspare();
    freecontext();
    first.reset();

    std::string bad = steps;
    bad.replace(bad.find("@COMPONENT\nLT(x, 3)"), 10, "@BRANCH");
    std::string cut = steps.substr(0, steps.find("@@END"));
    for (const std::string& record : {bad, cut}) {
        sink.seen.clear();
        put("DESKTOP.LIB", nformula("ok", "x", 1, {"1", "x"}) + record);
        open();
        EXPECT_TRUE(find("ok"));
        EXPECT_FALSE(find("steps"));
        EXPECT_EQ(sink.count("could not be read"), 1);
        ASSERT_TRUE(savecontext());
        EXPECT_EQ(get("DESKTOP.LIB"), nformula("ok", "x", 1, {"1", "x"}) + record);
        slotcomp::dropspare();
        freecontext();
        first.reset();
    }
}

TEST_F(nformulas, EditTransactionKeepsOrRestoresTheList)
{
    // A static variable puts an own store beside the components.
    std::string withstatic = steps;
    withstatic.replace(withstatic.find("LT(x, 1)"), 8, "#static s; s = x; LT(s, 1)");
    put("DESKTOP.LIB", withstatic);
    open();
    fumultibranch* f = find("steps");
    ASSERT_TRUE(f);
    double x0 = 2;
    EXPECT_EQ(f->tcalc(&x0), 30);
    ASSERT_TRUE(f->ownvars);
    ASSERT_TRUE(f->beginedit());
    delete f->components.back();
    f->components.pop_back();
    EXPECT_EQ(f->slotcount(), 10);
    f->restoreedit(0);   // undo all: the old list, editing goes on
    EXPECT_EQ(f->slotcount(), 11);
    delete f->components.back();
    f->components.pop_back();
    f->restoreedit(1);
    EXPECT_EQ(f->slotcount(), 11);
    ASSERT_TRUE(f->beginedit());
    f->components[1]->settext("11");
    ASSERT_TRUE(f->commitedit());
    double x = 0;
    EXPECT_EQ(f->tcalc(&x), 11);
}
