#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/limits.h"
#include "base/report.h"
#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/rkshape.h"
#include "formula/tokens.h"
#include "formula/usagerefs.h"
#include "formula/varman.h"
#include "objects/fu1.h"

namespace {

struct compiled : ::testing::Test {
    parser p;
    diagnostics& dia = globaldiagnostics();

    compiled()
    {
        dia.clear();
        shared.reportswitch = 0;
        for (varrecord& v : shared.globals->records)
            v = varrecord{0.0, 0};
    }
    ~compiled() override { clearrkshape(); }

    short compile(const char* text, const char* args = "") { return p.compile(text, args, 3); }

    // The emitted tokens from byte 1 up to and including END.
    std::vector<int> tokens() const
    {
        std::vector<int> t;
        for (int i = 1; i < p.code.tokencap; ++i) {
            t.push_back(p.code.tokens[i]);
            if (p.code.tokens[i] == tk::END)
                break;
        }
        return t;
    }
    const operand& cell(int i) const { return p.code.operands[i]; }
};

using tokenlist = std::vector<int>;

TEST_F(compiled, unaryminusbindslooserthanpower)
{
    ASSERT_EQ(compile("-x^2", "x"), 2);
    EXPECT_EQ(tokens(), (tokenlist{tk::FEED_ARG_1, tk::FEED_CONSTANT, tk::POWER, tk::CHANGE_SIGN, tk::END}));
    EXPECT_EQ(cell(0).constant, 2.0);
    EXPECT_EQ(p.code.tokens[0], tk::ABORT);
}

TEST_F(compiled, staticassignmentandreadsharetheownrecord)
{
    ASSERT_EQ(compile("#static x; x = 2, x*3"), 3);
    EXPECT_EQ(p.valuecount, 2);
    EXPECT_EQ(tokens(), (tokenlist{tk::FEED_CONSTANT, tk::ASSIGN_STATIC, tk::FEED_STATIC, tk::FEED_CONSTANT,
                                   tk::TIMES, tk::ENDMULTI, tk::END}));
    ASSERT_NE(p.vars, nullptr);
    EXPECT_EQ(cell(1).variable, p.vars->record('x'));
    EXPECT_EQ(cell(2).variable, p.vars->record('x'));
    EXPECT_EQ(cell(1).letter, 'x');
    EXPECT_EQ(p.vars->classof('x'), 's');
}

TEST_F(compiled, autospaceandseparators)
{
    ASSERT_EQ(compile("#auto a, b; a = 1; b = a"), 3);
    EXPECT_EQ(tokens(), (tokenlist{tk::MAKE_AUTOSPACE, tk::FEED_CONSTANT, tk::ASSIGN_TO_AUTO, tk::SEMICOLON,
                                   tk::FEED_AUTO, tk::ASSIGN_TO_AUTO, tk::ENDMULTI, tk::END}));
    EXPECT_EQ(cell(0).index, 2);  // two auto slots
    EXPECT_EQ(cell(2).index, 1);  // a: slot 1
    EXPECT_EQ(cell(3).index, 1);
    EXPECT_EQ(cell(4).index, 2);  // b: slot 2
    EXPECT_EQ(cell(4).letter, 'b');
}

TEST_F(compiled, argumentsbeyondthefifthtakeanindexcell)
{
    ASSERT_EQ(compile("e + g", "abcdefg"), 2);
    EXPECT_EQ(tokens(), (tokenlist{tk::FEED_ARG_5, tk::FEED_ARG_NR, tk::PLUS, tk::END}));
    EXPECT_EQ(cell(0).index, 6);
}

TEST_F(compiled, onlyvariablecountfunctionstakeacell)
{
    ASSERT_EQ(compile("sin(1) + max(1, sort##(3, 1, 2))"), 1);
    EXPECT_EQ(tokens(), (tokenlist{tk::FEED_CONSTANT, tk::SIN, tk::FEED_CONSTANT, tk::FEED_CONSTANT,
                                   tk::FEED_CONSTANT, tk::FEED_CONSTANT, tk::SORT, tk::MAXIMUM, tk::PLUS, tk::END}));
    EXPECT_EQ(cell(5).argc, 3);  // sort: three arguments, three values
    EXPECT_EQ(cell(5).valc, 3);
    EXPECT_EQ(cell(6).index, 4);  // max: four values passed, the count in the first field too
    EXPECT_EQ(cell(6).argc, 4);
}

TEST_F(compiled, assignedglobalsandreadsarerecorded)
{
    usagerefs().clear();
    ASSERT_NE(compile("#static s; g = s"), 0);
    ASSERT_EQ(usagerefs().count(), 2);
    EXPECT_EQ(usagerefs().at(0).letter, 's');
    EXPECT_TRUE(usagerefs().at(0).referenced);
    EXPECT_EQ(usagerefs().at(1).varclass, 'g');
    EXPECT_TRUE(usagerefs().at(1).defined);
    EXPECT_EQ(cell(1).variable, shared.globals->record('g'));
}

TEST_F(compiled, failedparsekeepsthepreviouscode)
{
    ASSERT_EQ(compile("1+2"), 1);
    tokenlist before = tokens();
    EXPECT_EQ(compile("1+"), 0);
    EXPECT_EQ(tokens(), before);
    EXPECT_EQ(p.valuecount, 0);
    EXPECT_EQ(dia.code, 20);
}

TEST_F(compiled, argumentdeclaredasvariablebefore)
{
    markset marks;
    marks.declare('x', 's');
    installmarkset(&marks);
    EXPECT_EQ(compile("1", "x"), 0);
    EXPECT_EQ(dia.code, 41);
    EXPECT_EQ(dia.state, diagstate::arguments);
    // The installed table is released: the next compilation uses the global one.
    EXPECT_EQ(compile("x", "x"), 2);
}

TEST_F(compiled, rungekuttareferences)
{
    installrkshape(rkshape{2, 3, 't', false, false});
    struct row {
        const char* text;
        int code;   // diagnosis
        int token;  // first token when it compiles
        int index;  // its cell index for FEED ARG Nr.
    };
    const row rows[] = {
        {"f.1", 0, tk::FEED_ARG_2, 0},
        {"f.3", 0, tk::FEED_ARG_4, 0},
        {"f.1'", 0, tk::FEED_ARG_5, 0},
        {"f.2'", 0, tk::FEED_ARG_NR, 5},
        {"t", 0, tk::FEED_ARG_1, 0},
        {"y", 0, tk::FEED_ARG_NR, 7},  // argument 1 behind the 2 x 3 slots
        {"f.4", 65, 0, 0},
        {"f.1''", 66, 0, 0},
        {"f.0", 63, 0, 0},
        {"arc", 67, 0, 0},
    };
    for (const row& r : rows) {
        dia.clear();
        short type = compile(r.text, "ty");
        EXPECT_EQ(dia.code, r.code) << r.text;
        if (r.code != 0) {
            EXPECT_EQ(type, 0) << r.text;
            continue;
        }
        EXPECT_EQ(type, 2) << r.text;
        EXPECT_EQ(tokens()[0], r.token) << r.text;
        if (r.token == tk::FEED_ARG_NR) {
            EXPECT_EQ(cell(0).index, r.index) << r.text;
        }
    }
}

TEST_F(compiled, clipperreferencesshiftbytheargumentsandthearclength)
{
    installrkshape(rkshape{0, 2, 0, true, true});
    ASSERT_EQ(compile("arc + f.2", "abc"), 2);
    // f.2: 2 + (3 letters - 1) + 1 for the arc length.
    EXPECT_EQ(tokens(), (tokenlist{tk::FEED_ARG_1, tk::FEED_ARG_NR, tk::PLUS, tk::END}));
    EXPECT_EQ(cell(0).index, 5);
}

TEST_F(compiled, codebuffersareguarded)
{
    auto sum = [](int n) {
        std::string s = "1";
        for (int i = 1; i < n; ++i)
            s += "+1";
        return s;
    };
    ASSERT_EQ(compile(sum(500).c_str()), 1);
    double* v = p.calcarray(nullptr, 0);
    EXPECT_EQ(v[0], 500.0);
    EXPECT_EQ(compile(sum(600).c_str()), 0);
    EXPECT_EQ(dia.code, 13);
    EXPECT_EQ(dia.state, diagstate::stack);
}

TEST_F(compiled, hostileinputendsinadiagnosis)
{
    const std::vector<std::string> texts = {
        std::string(3000, '(') + "1" + std::string(3000, ')'),
        std::string(3000, '(') + "1",
        std::string(3000, ')'),
        std::string(100000, '1'),
        [] { std::string s; for (int i = 0; i < 25000; ++i) s += "sin("; return s + "1"; }(),
        [] { std::string s; for (int i = 0; i < 20000; ++i) s += "x=1,"; return s + "1"; }(),
        [] { std::string s; for (int i = 0; i < 50000; ++i) s += "-("; return s; }(),
        std::string(100000, '\\') + "1",
        std::string(100000, ' '),
        std::string(100000, 'a'),
        [] { std::string s; for (int i = 0; i < 14000; ++i) s += "sort##("; return s + "1" + std::string(14000, ')'); }(),
        [] { std::string s; for (int i = 0; i < 7000; ++i) s += "max(sort##("; return s + "1" + std::string(14000, ')'); }(),
        [] { std::string s; for (int i = 0; i < 5000; ++i) s += "max(1, "; return s + "1" + std::string(5000, ')'); }(),
    };
    for (const std::string& t : texts) {
        dia.clear();
        EXPECT_EQ(compile(t.c_str(), "x"), 0) << t.substr(0, 20);
        EXPECT_TRUE(dia.iserror()) << t.substr(0, 20);
    }
}

TEST_F(compiled, everyprefixcompilesorleavesanerror)
{
    const char* texts[] = {
        "#auto a; #static s, t; #const c; a = 1, s = a^-2, \\ sort##(3, a, 2); t = max(1, a.1#2)*-c",
        "x = y = (1 + [2 * {3 ^ -x}]) / 4, 5; assume##(1, 2), a.2 - f.1, pi*eul, AND(1,)",
        "sin (x) + atn2(1, 2) - min(1, sort##(3,1,2)) ^ 2 ^ .5E+1, rand(2); ans; rcl ; d0",
    };
    installrkshape(rkshape{1, 1, 't', false, false});
    for (const char* t : texts) {
        std::string text = t;
        for (size_t n = 0; n <= text.size(); ++n) {
            dia.clear();
            short type = compile(text.substr(0, n).c_str(), "xt");
            EXPECT_EQ(type == 0, dia.iserror()) << text.substr(0, n);
            if (type != 0) {
                EXPECT_GT(p.valuecount, 0);
                p.calcarray(std::vector<double>{1.0, 2.0}.data(), 2);
            }
        }
    }
}

// Every sequence of up to four tokens either compiles to code that runs or
// leaves an error.
TEST_F(compiled, everyshorttokensequence)
{
    const char* const words[] = {"1", "x", "q", "sin", "max", "(", ")", "+", "-", "*", "/", "^",
                                 ",", ";", "y=", "\\", "sort##", "a.1#2", "assume##", "[", "}"};
    const int n = int(sizeof words / sizeof *words);
    int compiled = 0;
    for (int length = 1; length <= 4; ++length) {
        std::vector<int> at(size_t(length), 0);
        for (;;) {
            std::string text;
            for (int i : at)
                text += std::string(words[i]) + " ";
            dia.clear();
            short type = compile(text.c_str(), "x");
            ASSERT_EQ(type == 0, dia.iserror()) << text;
            if (type != 0) {
                ++compiled;
                double arg = 0.5;
                p.calcarray(&arg, 1);
            }
            int k = 0;
            while (k < length && ++at[size_t(k)] == n)
                at[size_t(k++)] = 0;
            if (k == length)
                break;
        }
    }
    EXPECT_GT(compiled, 300);
}

TEST_F(compiled, messagesnamewhattheyfound)
{
    struct row {
        const char* text;
        const char* letters;
        const char* message;
    };
    const row rows[] = {
        {"q", "", " Undeclared variable 'q'. It will be treated as \"#global\" "},
        {"#auto x; #const x; 1", "", " Attempt to redeclare variable 'x' with a different type \n (first declaration was as #auto) "},
        {"#static x; 1", "x", " Attempt to redeclare an argument ('x') as a variable "},
        {"sin(1, 2)", "", "\n Call to function \"sin\" with invalid number of arguments: \n\n   1  arguments expected\n   2  arguments found\n"},
        {"solve##(1, 2, 3)", "", " Function \"solve##\" must not be called for 3 arguments! \n For its specification, see \"ref3.wri\". \n"},
        {"nosuch##(1)", "", " There is no such function: \"nosuch##\" . \n"},
        {"min(1)", "", " the predefined function \"min\" is called for 1 arguments. \n It must have at least two arguments!"},
        {"1@", "", " Found invalid character: @ \n"},
        {"1 )", "", " Expecting an operator or end of formula \n"},
        {"1+)", "", " Expecting a constant or a name but found ')' "},
        {"#auto a; a", "", " Undefined auto-variable 'a' referenced "},
        {"assume##(1); a.1#3", "", " Found assume##-reference to squares 1..3 \n But there have been only 1 values defined "},
        {"1e999", "", " Could not convert the numeric string: \"1e999\" "},
        {"nosuch#3(1)", "", "\n could not find \"nosuch#3\" \n"},
    };
    for (const row& r : rows) {
        dia.clear();
        compile(r.text, r.letters);
        EXPECT_EQ(dia.message(), r.message) << r.text;
        EXPECT_EQ(dia.shown, r.text);
    }
}

TEST_F(compiled, postcompilerefusesdeepnestingandreportsfailedcomponents)
{
    implpass& s = pass();
    s.callerlibs.assign(101, 0);
    EXPECT_FALSE(postcompile(p, 0));
    EXPECT_EQ(dia.code, 30);
    EXPECT_EQ(dia.state, diagstate::internal);
    s.callerlibs.clear();

    // An object without formula never implements.
    fu1 empty;
    fu* component = &empty;
    s.components = {component};
    EXPECT_FALSE(postcompile(p, 0));
    EXPECT_EQ(dia.code, 31);
    EXPECT_EQ(dia.state, diagstate::component);
    EXPECT_EQ(dia.object, component);
    EXPECT_EQ(s.current, nullptr);
    EXPECT_TRUE(s.callerlibs.empty());
    EXPECT_TRUE(postcompile(p, 1));  // nothing after the marker
    s.components.clear();
}

// Nesting beyond the compile stack is refused near the start of the text,
// however deep it goes on.
TEST_F(compiled, deepnestingisrefusedatthestacklimit)
{
    for (const char* open : {"sin(", "(", "max(1, "}) {
        for (int levels : {100000, 1000000}) {
            std::string text;
            for (int i = 0; i < levels; ++i)
                text += open;
            text += "1" + std::string(size_t(levels), ')');
            dia.clear();
            EXPECT_EQ(compile(text.c_str()), 0) << open << levels;
            EXPECT_EQ(dia.code, 13) << open << levels;
            EXPECT_EQ(dia.state, diagstate::stack) << open << levels;
            EXPECT_LT(dia.position, 10 * limits::compilestacksize) << open << levels;
        }
    }
}

TEST_F(compiled, evalexpressionwantsonevalue)
{
    EXPECT_EQ(evalexpression(p, "1 + 2", false), 3.0);
    clearrecordedreports();
    EXPECT_EQ(evalexpression(p, "1, 2", false), 0.0);
    EXPECT_EQ(p.type, 0);
    ASSERT_EQ(recordedreports().size(), 1u);
    EXPECT_NE(recordedreports()[0].text.find("Expression must be single-valued"), std::string::npos);
    EXPECT_EQ(recordedreports()[0].caption, " B A D    I N P U T ");
    EXPECT_EQ(recordedreports()[0].footer, 0);
    EXPECT_EQ(evalexpression(p, "7, 2", true), 7.0);
}

}
