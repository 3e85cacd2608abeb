// The function editor on a 1-formula function, on the headless front.
#include <gtest/gtest.h>

#include <string>

#include "base/chain.h"
#include "objects/attrlines.h"
#include "objects/comment.h"
#include "objects/context.h"
#include "objects/edithooks.h"
#include "objects/fu1.h"
#include "objects/install.h"
#include "tests/objects/contextrun.h"
#include "tests/screen/goldenfiles.h"
#include "tests/screen/plainrow.h"

namespace {

struct outcome {
    bool kept = true;
    std::string formula, letters, note;
    bool implemented = false;
    hostrun run;
};

// Edits ff(x) = x*2 with the keys.
outcome editff(const std::string& keys)
{
    outcome o;
    o.run = incontext(keys, [&] {
        auto* f = new fu1;
        f->setname("ff");
        f->setformula("x*2", "x");
        f->implement(1, 0);
        localobjects->append(f);
        o.kept = editfunction(*f);
        o.formula = f->text();
        o.letters = f->argletters;
        o.implemented = f->isimplemented();
        o.note = f->hascomment() ? f->note->text() : "";
    });
    EXPECT_EQ(o.run.status, 0) << keys << " " << o.run.out;
    return o;
}

bool shows(const outcome& o, const char* dump, const char* text)
{
    return plainfile(o.run.out + "/" + dump + ".txt").find(text) != std::string::npos;
}

}  // namespace

TEST(funceditor, waysout)
{
    struct editcase {
        const char* keys;
        bool kept;
        const char* formula;
        const char* letters;
    } cases[] = {
        // Enter or Esc without changes: as before, still implemented.
        {"<Enter>", false, "x*2", "x"},
        {"<Esc>", false, "x*2", "x"},
        // The bar starts on the formula: e edits it, 1 saves.
        {"e<End>+1<Enter><Enter>1", true, "x*2+1", "x"},
        {"<Space><End>+1<Enter><Enter>0", false, "x*2", "x"},
        {"e<End>+1<Enter><Enter>e<Esc>1", false, "x*2", "x"},
        // Esc in the formula input, or an empty formula, changes nothing.
        {"e<End>+1<Esc><Enter>", false, "x*2", "x"},
        {"e<End><PgDn><Enter><Enter>", false, "x*2", "x"},
        // Backspace and 1 bring back the former version; the editor stays.
        {"e<End>+1<Enter><Backspace>1<Enter>", false, "x*2", "x"},
        {"e<End>+1<Enter><Backspace><Esc><Enter>1", true, "x*2+1", "x"},
        // The argument list, saved and discarded.
        {"<Home><Down>e<End><Left>,y<Enter><Enter>k1", true, "x*2", "xy"},
        {"<Home><Down>e<End><Left>,y<Enter><Esc>1", false, "x*2", "x"},
        {"<Home><Down>e<End><Left>,yz<Enter>k<Esc><Esc>", false, "x*2", "x"},
        // A closing window leaves the editor with the former version.
        {"e<End>+1<Enter><close>", false, "x*2", "x"},
        // A version that fails to implement can still be saved.
        {"e<End>*(<Enter><Enter>k1", true, "x*2*(", "x"},
        {"e<End>*(<Enter><Enter>k0", false, "x*2", "x"},
    };
    for (const editcase& c : cases) {
        outcome o = editff(c.keys);
        EXPECT_EQ(o.kept, c.kept) << c.keys;
        EXPECT_EQ(o.formula, c.formula) << c.keys;
        EXPECT_EQ(o.letters, c.letters) << c.keys;
        EXPECT_EQ(o.implemented, std::string(c.formula) == "x*2" || c.formula == std::string("x*2+1")) << c.keys;
    }
}

TEST(funceditor, itemsandmessages)
{
    outcome o = editff("<dump funceditor><Home>e<dump name>k<Down><Down>e<dump context>k"
                       "<End>ehello<Enter><Enter><dump finish>1");
    checkgoldenfiles(o.run.out, "funceditor");
    EXPECT_TRUE(shows(o, "name", " The name cannot be changed from here"));
    EXPECT_TRUE(shows(o, "context", " You cannot change the context (location) from here."));
    EXPECT_TRUE(shows(o, "finish", " The new version is OK. "));
    EXPECT_TRUE(o.kept);
    EXPECT_EQ(o.note, "hello");
    outcome failed = editff("e<End>*(<Enter><Enter><dump diagnosis>k<dump failed>0");
    EXPECT_TRUE(shows(failed, "diagnosis", " Fatal compile Error "));
    EXPECT_TRUE(shows(failed, "failed", " Implementation of the new version: failed. "));
    outcome help = editff("<F1><dump keys>k<Esc>");
    EXPECT_TRUE(shows(help, "keys", " <backspace>  undo all changes "));
}

TEST(funceditor, barreturnstoitslineafterarebuild)
{
    attrlines lines;
    lines.additem(2, "Function: ff\n\r");
    lines.additem(70, std::string(100, 'x').c_str());   // three lines of 40
    lines.additem(10, "Comment: none");
    EXPECT_EQ(lines.count, 6);
    EXPECT_EQ(lines.getattr(3), 70u);
    lines.selectitem(3);
    EXPECT_EQ(lines.offset, 1);
    lines.clear();
    lines.additem(2, "Function: ff\n\r");
    lines.additem(70, std::string(100, 'y').c_str());
    lines.additem(10, "Comment: none");
    EXPECT_EQ(lines.itemline(), 3);
    lines.clear();
    lines.additem(2, "Function: ff\n\r");
    lines.additem(10, "Comment: none");
    EXPECT_EQ(lines.itemline(), 1);   // the item is gone
}

namespace {

// A function in arclength mode whose independent variable is c.
struct arclengthfu : fu1 {
    char specialargument() const override { return 'c'; }
};

}  // namespace

TEST(funceditor, argumentsinarclengthmode)
{
    struct argcase {
        const char* keys;
        bool accepted;
        const char* letters;
    } cases[] = {
        {"(arc,x)<Enter>", true, "cx"},
        {"(c,x)<Enter>k<Esc>", false, ""},
        {"(x)<Enter>k<Esc>", false, ""},
        {"(arc,arc)<Enter>k<Esc>", false, ""},
    };
    for (const argcase& c : cases) {
        arclengthfu f;
        bool accepted = true;
        hostrun run = incontext(c.keys, [&] { accepted = editarguments(f); });
        EXPECT_EQ(run.status, 0) << c.keys;
        EXPECT_EQ(accepted, c.accepted) << c.keys;
        EXPECT_STREQ(f.argletters, c.letters) << c.keys;
    }
}
