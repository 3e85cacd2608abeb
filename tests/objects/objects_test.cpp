#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "base/objcount.h"
#include "base/report.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/tokens.h"
#include "formula/varman.h"
#include "objects/comment.h"
#include "objects/fuconst.h"
#include "objects/fuvector.h"

namespace {

using namespace tk;

// Code assembled by hand that calls objects, as the compiler emits it.
struct caller : parser {
    caller(std::vector<unsigned char> tokens, std::vector<operand> cells)
    {
        tokens.insert(tokens.begin(), tk::ABORT);
        code.store(tokens.data(), int(tokens.size()), cells.data(), int(cells.size()));
        stamp = shared.implstamp;
    }
};

operand cst(double v)
{
    return operand::ofconstant(v);
}

fu1* function(const char* name, const char* text, const char* letters)
{
    fu1* f = new fu1;
    f->setname(name);
    f->setformula(text, letters);
    return f;
}

class objects : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearrecordedreports();
        shared.reportswitch = 1;
    }
    static int reportscontaining(const char* part)
    {
        int n = 0;
        for (const reportentry& e : recordedreports())
            n += e.text.find(part) != std::string::npos;
        return n;
    }
    parser keeper;
};

TEST_F(objects, codecallsfunctionsconstantsandvectors)
{
    std::unique_ptr<fu1> f(function("f", "x*x+1", "x"));
    std::unique_ptr<fu1> g(function("g", "t, 2*t", "t"));
    fuconst c(2.5);
    fuvector v;
    v.reserve(3);
    v.nvalues = 3;
    v.elements[0] = 1, v.elements[1] = 2, v.elements[2] = 4;
    v.implement(0, 0);

    caller one({FEED_CONSTANT, CALL_USER_FUNC, CALL_USER_FUNC, PLUS, END},
               {cst(3), operand::ofcall(f.get(), 1, 1), operand::ofcall(&c, 0, 1)});
    EXPECT_EQ(one.calc0(), 12.5);
    EXPECT_EQ(shared.error, evalok);
    EXPECT_TRUE(f->isimplemented());

    caller several({FEED_CONSTANT, CALL_MULTIFUNC, CALL_MULTIFUNC, ENDMULTI},
                   {cst(3), operand::ofcall(g.get(), 1, 2), operand::ofcall(&v, 0, 3)});
    several.calc0();
    ASSERT_EQ(shared.error, evalok);
    EXPECT_EQ(std::vector<double>(shared.result, shared.result + 5), (std::vector<double>{3, 6, 1, 2, 4}));
}

TEST_F(objects, stalestampreimplementsatthenextcall)
{
    std::unique_ptr<fu1> f(function("f", "x/2", "x"));
    caller call({FEED_CONSTANT, CALL_USER_FUNC, END}, {cst(8), operand::ofcall(f.get(), 1, 1)});
    EXPECT_EQ(call.calc0(), 4.0);
    nextgeneration();
    call.stamp = shared.implstamp;
    EXPECT_FALSE(f->isimplemented());
    EXPECT_EQ(call.calc0(), 4.0);
    EXPECT_TRUE(f->isimplemented());
}

TEST_F(objects, objectthatcannotimplementabortsthecomputation)
{
    fu1 empty;
    empty.setname("e");
    EXPECT_FALSE(empty.implement(1, 0));
    caller call({FEED_CONSTANT, CALL_USER_FUNC, FEED_CONSTANT, PLUS, END},
                {cst(1), operand::ofcall(&empty, 1, 1), cst(5)});
    EXPECT_EQ(call.calc0(), 0.0);
    EXPECT_EQ(shared.error, evalinternal);
    EXPECT_EQ(reportscontaining("Component \"e\" was unimplemented when called."), 1);

    std::unique_ptr<fu1> bad(function("bad", "x+", "x"));
    caller again({FEED_CONSTANT, CALL_USER_FUNC, END}, {cst(1), operand::ofcall(bad.get(), 1, 1)});
    again.calc0();
    EXPECT_EQ(shared.error, evalinternal);
    shared.reportswitch = -1;
    again.calc0();
    EXPECT_EQ(reportscontaining("was unimplemented when called"), 2);
}

TEST_F(objects, staticvariableslivewiththeobjectandareinitsrecord)
{
    std::unique_ptr<fu1> counter(function("count", "#static n; n = n + 1", ""));
    caller call({CALL_USER_FUNC, END}, {operand::ofcall(counter.get(), 0, 1)});
    call.calc0();
    EXPECT_EQ(call.calc0(), 2.0);
    ASSERT_NE(counter->ownvars, nullptr);
    std::ostringstream out;
    counter->save(out);
    EXPECT_EQ(out.str(),
              "@@FU1\ncount\n0\n1\n@DATA\n@ARGS\n\n@FORMULA\n#static n; n = n + 1\n@@VARMAN\nn= 2\n@@END VARMAN\n@@END FU1\n");

    // Implemented again, the statics keep their values.
    nextgeneration();
    call.stamp = shared.implstamp;
    EXPECT_EQ(call.calc0(), 3.0);
}

TEST_F(objects, unusedargumentwarnsandstillimplements)
{
    std::unique_ptr<fu1> f(function("f", "x", "xy"));
    EXPECT_TRUE(f->implement(1, 0));
    EXPECT_EQ(f->diag->code, 57);
    EXPECT_TRUE(f->diag->iswarning());
}

TEST_F(objects, identitytexts)
{
    std::unique_ptr<fu1> g(function("g", "t, 2*t, 3", "ts"));
    EXPECT_EQ(g->nvalues, 3);
    EXPECT_EQ(g->nargs, 2);
    EXPECT_EQ(g->signature(), "g#3(t,s)");
    EXPECT_EQ(g->fullnamecount(), "g#3(2)");
    fuconst c(1);
    c.setname("c");
    EXPECT_EQ(c.signature(), "c");
}

TEST_F(objects, marksholdsixdistinctletters)
{
    fu1 f;
    for (char c : std::string("abcdefa"))
        f.setmark(c);
    EXPECT_STREQ(f.marks, "bcdefa");
    f.setmark('g');
    EXPECT_STREQ(f.marks, "bcdefa");
    f.setmark('c');
    EXPECT_STREQ(f.marks, "bdefac");
    f.setmark(0);
    EXPECT_STREQ(f.marks, "");
}

TEST_F(objects, copiesareunimplementedwithoutcomment)
{
    std::unique_ptr<fu1> f(function("count", "#static n; n = n + 7", ""));
    f->note = new comment("note");
    f->origin = 3;
    ASSERT_TRUE(f->implement(1, 0));
    f->myparser->calc0();
    std::unique_ptr<fu1> copy(f->clone());
    EXPECT_STREQ(copy->name, "count");
    EXPECT_EQ(copy->origin, 3);
    EXPECT_EQ(copy->serial, f->serial);
    EXPECT_EQ(copy->note, nullptr);
    EXPECT_FALSE(copy->isimplemented());
    EXPECT_STREQ(copy->text(), f->text());
    ASSERT_NE(copy->ownvars, nullptr);
    EXPECT_NE(copy->ownvars, f->ownvars);
    EXPECT_EQ(copy->ownvars->value('n'), 7.0);

    fuconst c(4);
    std::unique_ptr<fu1> cc(c.clone());
    EXPECT_EQ(cc->tcalc(nullptr), 4.0);
    EXPECT_EQ(cc->typenumber(), typeids::fuconst);
}

TEST_F(objects, vectorfromamultivaluedformula)
{
    std::unique_ptr<fu1> g(function("g", "1, 2, 3", ""));
    ASSERT_TRUE(g->implement(1, 0));
    fuvector v(g.get());
    EXPECT_FALSE(v.failed);
    ASSERT_EQ(v.nvalues, 3);
    EXPECT_EQ(v.elements[2], 3.0);

    std::unique_ptr<fu1> h(function("h", "x, 1", "x"));
    ASSERT_TRUE(h->implement(1, 0));
    EXPECT_TRUE(fuvector(h.get()).failed);
    EXPECT_TRUE(fuvector(nullptr).failed);
}

// A comment joins the constant's box when it is 10 characters narrower
// than the box's widest line (" 0.333333333333333" and 17 blanks).
TEST_F(objects, constantboxtakesacommentthatfits)
{
    for (int length : {24, 25}) {
        clearrecordedreports();
        fuconst c(1.0 / 3.0);
        c.setname("c");
        c.note = new comment(std::string(length, 'k').c_str());
        c.show();
        ASSERT_EQ(recordedreports().size(), 1u);
        EXPECT_EQ(reportscontaining("kkkk") == 1, length == 24) << length;
    }
}

TEST_F(objects, constantmcalcisanunexpectedcall)
{
    fuconst c(1);
    EXPECT_EQ(c.mcalc(nullptr), nullptr);
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_EQ(recordedreports()[0].kind, reportkind::unexpected);
}

// The former version and its static values come back whole after an edit
// that is undone; a kept edit drops them.
TEST_F(objects, edittransaction)
{
    std::unique_ptr<fu1> f(function("f", "#static s; s = s + x", "x"));
    caller call({FEED_CONSTANT, CALL_USER_FUNC, END}, {cst(1), operand::ofcall(f.get(), 1, 1)});
    EXPECT_EQ(call.calc0(), 1.0);

    auto edited = [&](const char* text) {
        ASSERT_TRUE(f->beginedit());
        EXPECT_FALSE(f->isimplemented());
        f->setformula(text, "x");
        ASSERT_TRUE(f->implement(1, 0));
        EXPECT_EQ(call.calc0(), text[0] == '#' ? 11.0 : 2.0);
    };

    edited("#static s; s = s + 10*x");
    f->restoreedit(1);
    EXPECT_TRUE(f->isimplemented());
    EXPECT_STREQ(f->text(), "#static s; s = s + x");
    EXPECT_EQ(call.calc0(), 2.0);

    // Undone in place: the former text is implemented again when used.
    edited("2*x");
    f->restoreedit(0);
    EXPECT_FALSE(f->isimplemented());
    EXPECT_EQ(call.calc0(), 3.0);
    f->restoreedit(1);

    edited("2*x");
    EXPECT_TRUE(f->commitedit());
    EXPECT_EQ(f->ownvars, nullptr);
    EXPECT_STREQ(f->text(), "2*x");
    EXPECT_EQ(call.calc0(), 2.0);
}

TEST_F(objects, everykindbalancestheinstancecount)
{
    objcounts before = objcountstate();
    {
        std::unique_ptr<fu1> f(function("f", "#static s; s = x", "x"));
        f->note = new comment("c");
        ASSERT_TRUE(f->implement(1, 0));
        std::unique_ptr<fu1> copy(f->clone());
        fuconst c(1);
        fuvector v(f.get());
        objcounts during = objcountstate();
        // Four objects, a comment, a parser and two own stores.
        EXPECT_EQ(during.sum - before.sum, 23 * 4 + 11 + 197 + 257 * 2);
    }
    objcounts after = objcountstate();
    EXPECT_EQ(after.live, before.live);
    EXPECT_EQ(after.sum, before.sum);
}

}  // namespace
