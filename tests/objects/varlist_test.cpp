// Variable lists and the variable editor on the headless front.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "objects/fu1.h"
#include "objects/varedit.h"
#include "objects/varlist.h"
#include "screen/keys.h"
#include "screen/palette.h"
#include "tests/screen/dumpfile.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"

namespace {

// Defines A and b, shows the global list and keeps a copy of the store.
std::unique_ptr<varman> after;
bool withglobals = true;
keycode next = 0;

void globalloop()
{
    parser keep;
    if (withglobals) {
        shared.globals->setvalue('A', 2.5);
        shared.globals->setvalue('b', -1);
    }
    showglobalvariables();
    after.reset(new varman(*shared.globals));
    next = getkey();
}

hostrun runglobals(const std::string& script, bool defined = true)
{
    withglobals = defined;
    after.reset();
    next = 0;
    hostrun r = runscript(script, globalloop);
    EXPECT_EQ(r.status, 0) << script;
    if (!after)
        after.reset(new varman);
    return r;
}

TEST(varlist, TheGlobalListShowsAndEditsTheStore)
{
    hostrun r = runglobals("<dump list>e7<Enter><dump edited><Esc>q");
    std::string list = plainfile(r.out + "/list.txt");
    EXPECT_NE(list.find("Global Variable List"), std::string::npos) << list;
    EXPECT_NE(list.find("| #global A             2.5  (unused)"), std::string::npos) << list;
    EXPECT_NE(list.find("| #global b              -1  (unused)"), std::string::npos) << list;
    EXPECT_NE(plainfile(r.out + "/edited.txt").find("#global A               7 "), std::string::npos);
    EXPECT_EQ(after->value('A'), 7);
    EXPECT_EQ(next, 'q');
}

TEST(varlist, DownEndsAnEditAndEditsTheNextVariable)
{
    runglobals("e7<Down>9<Enter><Esc>q");
    EXPECT_EQ(after->value('A'), 7);
    EXPECT_EQ(after->value('b'), 9);
}

TEST(varlist, AnEmptyInputMakesAGlobalUndefinedEscKeepsIt)
{
    runglobals("e<Del><Del><Del><Enter><Down>e5<Esc><Esc>q");
    EXPECT_EQ(after->classof('A'), classnone);
    EXPECT_EQ(after->classof('b'), classglobal);
    EXPECT_EQ(after->value('b'), -1);
}

TEST(varlist, WithoutVariablesNoWindowOpens)
{
    hostrun r = runglobals("q", false);
    EXPECT_EQ(next, 'q');   // the key reached the loop, not a list
}

TEST(varlist, WEditsAnyGlobalVariable)
{
    runglobals("wZ4<Enter><Esc>q");
    EXPECT_EQ(after->value('Z'), 4);
    EXPECT_EQ(after->classof('Z'), classglobal);
}

double staticafter = 0;
char staticclass = 0;
uint32_t serials[2];

// An object with a #static n that reads the #global G.
void objectloop()
{
    parser keep;
    std::unique_ptr<fu1> f(new fu1);
    f->setname("count");
    f->setformula("#static n; n = n + G", "");
    serials[0] = f->serial;
    showvariablesof(f.get());
    staticafter = f->ownvars ? f->ownvars->value('n') : -1;
    staticclass = f->ownvars ? f->ownvars->classof('n') : 0;
    serials[1] = f->serial;
}

TEST(varlist, AnObjectsStaticIsEditedInItsOwnStore)
{
    // Lines: G (read, no value: yellow), then n.
    hostrun r = runscript("<dump first><Down><dump moved><Up>e3<Enter><Down><dump set><Down>e5<Enter><Esc>", objectloop);
    ASSERT_EQ(r.status, 0);
    std::string first = plainfile(r.out + "/first.txt");
    EXPECT_NE(first.find("Variables as seen by \"count\""), std::string::npos) << first;
    EXPECT_NE(first.find("| #global G    undefined    count"), std::string::npos) << first;
    EXPECT_NE(first.find("| #static n               0 count"), std::string::npos) << first;
    // Row 11 is G: bar 16 on 10 while under the bar, black on yellow after.
    EXPECT_EQ(cellcolor(r.out + "/first.png", 60, 11), colorrgb(10));
    EXPECT_EQ(cellcolor(r.out + "/moved.png", 60, 11), colorrgb(14));
    EXPECT_EQ(cellcolor(r.out + "/set.png", 60, 11), colorrgb(15));
    EXPECT_EQ(staticafter, 5);
    EXPECT_EQ(staticclass, classstatic);
    EXPECT_NE(serials[0], serials[1]);
}

}  // namespace

namespace {

int16_t pagekey = -1;

void pageloop()
{
    parser keep;
    varman local;
    local.setvalue('n', 4);
    local.record('n')->cls = classstatic;
    shared.globals->setvalue('A', 1.5);
    shared.globals->setvalue('n', 8);   // hidden by the local n
    pagekey = listvariables(&local, shared.globals);
    varman none;
    if (listvariables(&none, &none) != 0)
        pagekey = -2;
}

TEST(varlist, TheValuePageListsLocalBeforeGlobalLetters)
{
    hostrun r = runscript("<dump page><Esc>", pageloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(pagekey, 27);
    std::string page = plainfile(r.out + "/page.txt");
    size_t a = page.find("| A                       1.5  (global) |");
    size_t n = page.find("| n                         4  (static) |");
    EXPECT_NE(a, std::string::npos) << page;
    EXPECT_NE(n, std::string::npos) << page;
    EXPECT_LT(a, n);
    EXPECT_NE(page.find("Press <F1> for help"), std::string::npos);
}

}  // namespace

namespace {

struct editresult {
    bool changed;
    double value;
    char cls;
};
editresult edits[5];

editresult outcome(bool changed, const varman* store, char letter)
{
    return {changed, store->value(letter), store->classof(letter)};
}

// An object with #const c = 1 and #static s = 2, a global G = 3 and a
// separate store with #static t = 4.
void editloop()
{
    parser keep;
    std::unique_ptr<fu1> f(new fu1);
    f->ownvars = new varman;
    varman* own = f->ownvars;
    own->setvalue('c', 1);
    own->record('c')->cls = classconst;
    own->setvalue('s', 2);
    own->record('s')->cls = classstatic;
    shared.globals->setvalue('G', 3);
    varman store;
    store.setvalue('t', 4);
    store.record('t')->cls = classstatic;
    edits[0] = outcome(varedit('c', f.get()), own, 'c');
    edits[1] = outcome(varedit('s', f.get()), own, 's');
    edits[2] = outcome(varedit('G', f.get()), shared.globals, 'G');
    edits[3] = outcome(vareditstore('t', &store), &store, 't');
    edits[4] = outcome(vareditstore('t', &store), &store, 't');
}

TEST(varedit, LocalsKeepTheirClassGlobalsBecomeUndefined)
{
    hostrun r = runscript("<dump title>5<Enter><Del><Del><Enter><Del><Enter>6<Enter>7<Esc>", editloop);
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(plainfile(r.out + "/title.txt").find(" local variable c  (#const) "), std::string::npos);
    struct {
        bool changed;
        double value;
        char cls;
    } expected[] = {
        {true, 5, classconst},    // a new value keeps #const
        {true, 2, classstatic},   // an empty input keeps a local
        {true, 3, classnone},     // and makes a global undefined
        {true, 6, classstatic},   // a given store
        {false, 6, classstatic},  // Esc changes nothing
    };
    for (int i = 0; i < 5; i++) {
        EXPECT_EQ(edits[i].changed, expected[i].changed) << i;
        EXPECT_EQ(edits[i].value, expected[i].value) << i;
        EXPECT_EQ(edits[i].cls, expected[i].cls) << i;
    }
}

}  // namespace
