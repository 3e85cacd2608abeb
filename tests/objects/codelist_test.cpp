#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "formula/parser.h"
#include "formula/rpncode.h"
#include "objects/codelist.h"
#include "objects/componentmenu.h"
#include "objects/context.h"
#include "objects/fu1.h"
#include "objects/fuinfinite.h"
#include "objects/librarylist.h"
#include "objects/slotcomp.h"
#include "platform/core/files.h"
#include "screen/keys.h"
#include "tests/screen/dumpfile.h"

namespace {

bool contains(const std::string& text, const char* part)
{
    return text.find(part) != std::string::npos;
}

std::vector<int> results;

// "1 + sq(2)": a constant and a call of an implemented object.
void callerloop()
{
    fu1 sq;
    sq.setname("sq");
    sq.setformula("x*x", "x");
    ASSERT_TRUE(sq.implement(0, 0));
    // ABORT, FEED CONSTANT twice, CALL USER FUNC, PLUS, END (the token
    // table's codes; its header clashes with the screen's cell kinds).
    const unsigned char tokens[] = {1, 83, 83, 91, 6, 0};
    const operand cells[] = {operand::ofconstant(1), operand::ofconstant(2), operand::ofcall(&sq, 1, 1)};
    parser p;
    ASSERT_TRUE(p.code.store(tokens, sizeof tokens, cells, 3));
    p.type = 3;
    results.push_back(showcode(p));
    getkey();
}

TEST(codelist, CallLinesOpenTheCalledObjectsCode)
{
    results.clear();
    hostrun r = runscript("<dump outer>v<dump nocall><Esc><Down><Down>c<dump inner><Esc><Esc>x", callerloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(results, (std::vector<int>{1}));
    std::string outer = dumpfile(r, "outer.txt");
    EXPECT_TRUE(contains(outer, " RPN code ")) << outer;
    EXPECT_TRUE(contains(outer, " 91  CALL USER FUNC                              sq     2 ")) << outer;
    EXPECT_TRUE(contains(dumpfile(r, "nocall.txt"), "No object being called in this line!"));
    std::string inner = dumpfile(r, "inner.txt");
    EXPECT_TRUE(contains(inner, " sq (local) ")) << inner;
    EXPECT_TRUE(contains(inner, " 71      FEED ARG 1 ")) << inner;
}

void emptyloop()
{
    parser p;
    results.push_back(showcode(p));
    getkey();
}

TEST(codelist, ParserWithoutCodeShowsNothing)
{
    results.clear();
    hostrun r = runscript("x", emptyloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(results, (std::vector<int>{0}));
}

// Component menus of none, one and two components over compiled parsers.
void menuloop()
{
    parser a, b;
    ASSERT_NE(a.compile("1, 2; 3", "", 3), 0);
    ASSERT_NE(b.compile("x*7", "x", 3), 0);
    for (int n : {0, 1, 2}) {
        componentmenu m{int16_t(n)};
        m.caption = "pair";
        if (n > 0)
            m.add('a', "first", &a);
        if (n > 1)
            m.add('b', "second", &b);
        m.add('z', "beyond", &b);
        results.push_back(m.run());
    }
}

TEST(componentmenu, OneComponentOpensAtOnce)
{
    results.clear();
    hostrun r = runscript("<dump none>x<dump one><Esc><dump menu>b<dump second><Esc><Esc>", menuloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(results, (std::vector<int>{0, 1, key::esc}));
    EXPECT_TRUE(contains(dumpfile(r, "none.txt"), "This object does not possess any code!"));
    EXPECT_TRUE(contains(dumpfile(r, "one.txt"), "  5              ;     ")) << dumpfile(r, "one.txt");
    std::string menu = dumpfile(r, "menu.txt");
    EXPECT_TRUE(contains(menu, "Choose a component:")) << menu;
    EXPECT_TRUE(contains(menu, "<b>   second")) << menu;
    EXPECT_FALSE(contains(menu, "beyond")) << menu;
    EXPECT_TRUE(contains(dumpfile(r, "second.txt"), "TIMES")) << dumpfile(r, "second.txt");
}


// Infinite sums list the components that hold code: "cosum" its summand
// and its rotation (an argument), "halves" only its summand.
const char sums[] =
    "@@FUINFINITE\ncosum\n1\n1\n@DATA\n@ARGS\nr\n@SUMRECORD\n@MODE\nc\nACCEL\n@END SUMRECORD\n@SUMVAR\nk\n"
    "@SUMMAND\n1/k\n@STARTAT\n1\n@STEP\n1\n@ROT\nr\n@PHASE\n0\n@@END FUINFINITE\n"
    "@@FUINFINITE\nhalves\n1\n1\n@DATA\n@ARGS\nx\n@SUMRECORD\n@MODE\n++\nNOACCEL\n@END SUMRECORD\n@SUMVAR\nk\n"
    "@SUMMAND\nx*2^-k\n@STARTAT\n0\n@STEP\n1\n@ROT\n1\n@PHASE\n0\n@@END FUINFINITE\n";

void sumsloop()
{
    {
        parser first;   // opens the context on the work directory's library
        for (const char* name : {"cosum", "halves"})
            for (int i = 1; i <= context->count; ++i) {
                auto* f = dynamic_cast<fuinfinite*>(context->at(i));
                if (f && std::strcmp(f->name, name) == 0)
                    results.push_back(f->implement(0, 0) && f->listcode());
            }
        freecontext();
    }
    slotcomp::dropspare();
    getkey();
}

TEST(componentmenu, InfiniteSumOffersItsCompiledComponents)
{
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "vemosums";
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(savefile((dir / "DESKTOP.LIB").string(), sums));
    setworkdirectory(dir.string());
    results.clear();
    hostrun r = runscript("<dump menu>r<dump rotation><Esc><Esc><dump single><Esc>x", sumsloop);
    setworkdirectory(".");
    std::filesystem::remove_all(dir);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(results, (std::vector<int>{1, 1}));
    std::string menu = dumpfile(r, "menu.txt");
    EXPECT_TRUE(contains(menu, "Choose a component:")) << menu;
    EXPECT_TRUE(contains(menu, "cosum")) << menu;
    EXPECT_TRUE(contains(menu, "<s>")) << menu;
    EXPECT_TRUE(contains(menu, "<r>")) << menu;
    for (const char* constant : {"<1>", "<+>", "<p>"})
        EXPECT_FALSE(contains(menu, constant)) << constant;
    EXPECT_TRUE(contains(dumpfile(r, "rotation.txt"), "FEED ARG 1")) << dumpfile(r, "rotation.txt");
    std::string single = dumpfile(r, "single.txt");
    EXPECT_TRUE(contains(single, "POWER")) << single;
    EXPECT_FALSE(contains(single, "Choose a component:")) << single;
}

}  // namespace

namespace {

TEST(componentmenu, TakesOnlyComponentsWithCode)
{
    parser p;
    slotcomp folded, compiled;
    folded.mode = 2;
    compiled.mode = 1;
    compiled.code = &p;
    componentmenu m{2};
    m.add('f', &folded);
    m.add('c', &compiled);
    m.add('x', "extra", &p);
    m.add('y', "full", &p);
    compiled.code = nullptr;   // the component's parser is not owned here
    ASSERT_EQ(m.count, 2);
    EXPECT_EQ(m.entries[0].key, 'c');
    EXPECT_EQ(m.entries[0].code, &p);
    EXPECT_EQ(m.entries[1].key, 'x');
    EXPECT_FALSE(showslotcode(&folded));
}

}  // namespace
