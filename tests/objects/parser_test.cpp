#include <gtest/gtest.h>

#include <vector>

#include "base/checksumcell.h"
#include "base/limits.h"
#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "formula/parser.h"
#include "formula/tokens.h"
#include "formula/usagerefs.h"
#include "formula/varman.h"
#include "objects/context.h"

namespace {

TEST(sharedstate, firstparserbuildsitlastonefreesit)
{
    ASSERT_EQ(shared.parsercount, 0);
    {
        parser first;
        EXPECT_EQ(first.constructing, 0);
        EXPECT_EQ(shared.parsercount, 1);
        EXPECT_EQ(shared.valuecapacity, limits::valuestacksize);
        EXPECT_EQ(shared.valuecapacity, 22222);
        EXPECT_EQ(shared.buffersize, limits::codebuffersize);
        EXPECT_EQ(shared.buffersize, 1050);
        EXPECT_EQ(shared.calllimit, 100);
        EXPECT_EQ(shared.top, shared.valuestack);
        EXPECT_EQ(shared.implstamp, 1u);
        EXPECT_EQ(shared.evalserial, 1u);
        EXPECT_EQ(shared.reportswitch, 1);
        EXPECT_EQ(shared.passmode, 2);
        EXPECT_EQ(shared.error, evalok);
        ASSERT_NE(shared.globals, nullptr);
        ASSERT_NE(shared.print, nullptr);
        ASSERT_NE(localobjects, nullptr);
        EXPECT_STREQ(libraryname(currentlibrary), "DESKTOP.LIB");

        double* stack = shared.valuestack;
        varman* globals = shared.globals;
        {
            parser second;
            EXPECT_EQ(shared.parsercount, 2);
            EXPECT_EQ(shared.valuestack, stack);
            EXPECT_EQ(shared.globals, globals);
        }
        EXPECT_EQ(shared.parsercount, 1);
        EXPECT_EQ(shared.valuestack, stack);
    }
    EXPECT_EQ(shared.parsercount, 0);
    EXPECT_EQ(shared.valuestack, nullptr);
    EXPECT_EQ(shared.globals, nullptr);
    EXPECT_EQ(localobjects, nullptr);

    parser again;  // builds it anew
    EXPECT_NE(shared.valuestack, nullptr);
    EXPECT_EQ(shared.parsercount, 1);
}

// A parser holding code that counts as implemented.
struct coded : parser {
    coded(std::initializer_list<unsigned char> tokens, std::initializer_list<operand> cells = {})
    {
        std::vector<unsigned char> t{tk::ABORT};
        t.insert(t.end(), tokens);
        std::vector<operand> c(cells);
        code.store(t.data(), int(t.size()), c.data(), int(c.size()));
        stamp = shared.implstamp;
    }
};

TEST(parserstate, resetkeepsthestreamsbutmakesitunimplemented)
{
    coded p({tk::FEED_ARG_1, tk::END});
    p.answer = p.memory = 3.0;
    p.type = 2;
    ASSERT_TRUE(p.isimplemented());
    const unsigned char* tokens = p.code.tokens;
    p.reset();
    EXPECT_FALSE(p.isimplemented());
    EXPECT_EQ(p.code.tokens, tokens);
    EXPECT_EQ(p.answer, 0.0);
    EXPECT_EQ(p.memory, 0.0);
    EXPECT_EQ(p.type, 0);
}

TEST(parserstate, resetandclearflagsdropthediagnosis)
{
    for (void (*forget)(parser&) : {+[](parser& p) { p.reset(); }, +[](parser& p) { p.clearflags(); }}) {
        coded p({tk::END});
        diagnostics d;
        d.set(16, diagstate::arguments, -1, "No repetitions allowed in an argument list\n\r");
        p.diag = &d;
        forget(p);
        EXPECT_FALSE(p.isimplemented());
        EXPECT_EQ(d.code, 0);
        EXPECT_EQ(d.state, diagstate::none);
        EXPECT_TRUE(d.lines.empty());
    }
}

TEST(parserstate, nextgenerationmakesparsersstale)
{
    coded p({tk::END});
    ASSERT_TRUE(p.isimplemented());
    nextgeneration();
    EXPECT_FALSE(p.isimplemented());
    parser fresh;
    EXPECT_FALSE(fresh.isimplemented());  // stamp 0 never counts
}

class entrypoints : public ::testing::Test {
protected:
    coded p{{tk::ENDMULTI, tk::END}};  // leaves the top at the entry slot
    double* base = shared.valuestack;
};

TEST_F(entrypoints, toplevelcallsplacetheirargumentsintheentryslot)
{
    shared.error = evalruntime;
    shared.calllevel = 5;
    p.calc1(2.75);
    EXPECT_EQ(base[2], 2.75);
    EXPECT_EQ(shared.calllevel, 0);
    EXPECT_EQ(shared.running, 0);

    const double values[] = {1.0, 2.0, 3.0};
    p.calcarray(values, 3);
    EXPECT_EQ(base[2], 1.0);
    EXPECT_EQ(base[4], 3.0);

    double x = 8.0, y = 9.0;
    double* const refs[] = {&y, &x};
    p.calcrefs(refs, 2);
    EXPECT_EQ(base[2], 9.0);
    EXPECT_EQ(base[3], 8.0);
    EXPECT_EQ(shared.running, 0);
}

TEST_F(entrypoints, nestedcallleavestheouterevaluationasitwas)
{
    shared.top = base + 10;
    base[10] = 42.0;  // the outer evaluation's top value
    shared.running = 1;
    shared.calllevel = 3;
    shared.error = evalruntime;
    const double values[] = {7.0, 8.0};
    p.calcnested(values, 2);
    EXPECT_EQ(shared.top, base + 10);
    EXPECT_EQ(base[10], 42.0);
    EXPECT_EQ(base[11], 7.0);
    EXPECT_EQ(base[12], 8.0);
    EXPECT_EQ(shared.running, 1);
    EXPECT_EQ(shared.calllevel, 3);
}

TEST_F(entrypoints, unimplementedparsersevaluatenothing)
{
    parser empty;
    shared.top = base + 5;
    shared.error = evalruntime;
    EXPECT_EQ(empty.calc0(), 0.0);
    EXPECT_EQ(empty.calcvoid(), 0.0);
    EXPECT_EQ(shared.error, evalruntime);  // left for the caller to test
    EXPECT_EQ(shared.top, base + 5);
}

TEST_F(entrypoints, argumentsbeyondthestackarerefused)
{
    EXPECT_EQ(stackleft(), 22222 - 1);
    std::vector<double> many(limits::valuestacksize, 1.0);
    double* result = p.calcarray(many.data(), short(30000));
    EXPECT_EQ(shared.error, evalruntime);
    EXPECT_GE(result, base);
    EXPECT_LT(result, base + limits::valuestacksize);
    EXPECT_EQ(shared.running, 0);

    // The largest list that fits leaves one slot above the entry slot.
    short fits = short(limits::valuestacksize - 4);
    p.calcarray(many.data(), fits);
    EXPECT_NE(shared.error, evalruntime);
    EXPECT_EQ(shared.top, base + limits::valuestacksize - 2);
    p.calcarray(many.data(), short(fits + 1));
    EXPECT_EQ(shared.error, evalruntime);
}

TEST(implement, recordsthecodeinthefingerprint)
{
    parser holder;
    shared.globals->setvalue('g', 7.0);
    coded p({tk::MAKE_AUTOSPACE, tk::FEED_CONSTANT, tk::FEED_GLOBAL, tk::FEED_ARG_NR, tk::PLUS,
             tk::ASSIGN_GLOBAL, tk::END},
            {operand::ofindex(2), operand::ofconstant(2.5), operand::ofvariable(shared.globals->record('g'), 'g'),
             operand::ofindex(0x1234), operand::ofvariable(shared.globals->record('h'), 'h')});
    fingerprint& print = *shared.print;
    print.reset();
    usagerefs().addref('q', true, false, 'g', nullptr);  // of an earlier pass
    ASSERT_TRUE(p.implement());
    ASSERT_EQ(usagerefs().count(), 2);
    EXPECT_EQ(usagerefs().at(0).letter, 'g');
    EXPECT_TRUE(usagerefs().at(0).referenced);
    EXPECT_EQ(usagerefs().at(1).letter, 'h');
    EXPECT_TRUE(usagerefs().at(1).defined);
    EXPECT_EQ(usagerefs().at(1).varclass, 'g');
    ASSERT_EQ(print.nrecords(), 2u);
    EXPECT_EQ(print.records.at(0).kind, printvalue);
    EXPECT_EQ(print.records.at(0).value, 2.5);
    EXPECT_EQ(print.records.at(1).kind, printglobal);
    EXPECT_EQ(print.records.at(1).value, 7.0);
    // Each token, the argument index's low byte after its token, the
    // assigned letter after its token.
    const std::vector<uint8_t> bytes = {tk::MAKE_AUTOSPACE, tk::FEED_CONSTANT, tk::FEED_GLOBAL, tk::FEED_ARG_NR, 0x34,
                                        tk::PLUS, tk::ASSIGN_GLOBAL, 'h', tk::END};
    ASSERT_EQ(print.nbytes(), bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        EXPECT_EQ(print.bytes.at(uint32_t(i)), bytes[i]) << i;
    EXPECT_EQ(shared.implementing, 0);
}

TEST(implement, codeswiththesameconstantsdifferintheircheckword)
{
    // Edits that bring no new constant (or none at all) still change
    // the implementation's sum.
    std::vector<uint16_t> seen;
    for (const char* text : {"sin(x)", "x*sin(x)", "sin(x)+x", "sin(x)+cos(x)", "cos(x)+sin(x)", "sin(x)*2",
                             "2*sin(x)"}) {
        parser p;
        ASSERT_NE(p.compile(text, "x", compilemode::quiet), 0) << text;
        fingerprint& print = *shared.print;
        print.reset();
        ASSERT_TRUE(p.implement()) << text;
        checksumcell cell;
        print.checksum(cell);
        print.disable();
        for (uint16_t earlier : seen)
            EXPECT_NE(cell.check, earlier) << text;
        seen.push_back(cell.check);
    }
}

TEST(implement, failsforstaleorabortedcode)
{
    coded aborted({tk::FEED_ARG_1, tk::ABORT, tk::END});
    EXPECT_FALSE(aborted.implement());
    coded stale({tk::END});
    nextgeneration();
    EXPECT_FALSE(stale.implement());
    parser empty;
    EXPECT_FALSE(empty.implement());
}

}  // namespace
