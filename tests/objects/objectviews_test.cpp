// The information boxes and editors of constants, vectors, functions and
// comments on the headless front.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "formula/parser.h"
#include "objects/comment.h"
#include "objects/fuconst.h"
#include "objects/fuvector.h"
#include "tests/screen/editrun.h"

namespace {


}  // namespace

TEST(objectviews, informationboxes)
{
    fuconst c(1.0 / 3.0);
    c.setname("third");
    fuvector v;
    v.setname("v");
    v.reserve(2);
    v.nvalues = 2;
    v.elements[0] = 0.1;
    v.elements[1] = -2;
    fu1 f;
    f.setname("f");
    f.setformula("x*x", "x");
    f.note = new comment("a parabola");

    hostrun run = rundialogue("<dump c><Enter><dump v><Esc><dump f><F1><dump help><Esc><Esc>", [&] {
        parser context;
        c.show();
        v.show();
        f.show();
    });
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(shows(run, "c", "The constant \"third\""));
    EXPECT_TRUE(shows(run, "c", "(local: DESKTOP.LIB)"));
    EXPECT_TRUE(shows(run, "c", " 0.333333333333333 "));
    EXPECT_TRUE(shows(run, "v", "  1          0.1  "));
    EXPECT_TRUE(shows(run, "v", "  2          -2  "));
    EXPECT_TRUE(shows(run, "f", "Function: f(x) "));
    EXPECT_TRUE(shows(run, "f", "Context: local (\"DESKTOP.LIB\")"));
    EXPECT_TRUE(shows(run, "f", "x*x"));
    EXPECT_TRUE(shows(run, "f", "a parabola"));
    EXPECT_TRUE(shows(run, "help", "<v>iew command"));
}

TEST(objectviews, constanteditor)
{
    struct {
        const char* keys;
        double value;
        int result;
    } cases[] = {
        {"1/4<Enter>", 0.25, 1},
        {"<Esc>", 2.0, 0},
        {"ln(-1)<Enter>x", 2.0, 0},
        {"7<Down>", 2.0, 0},
    };
    for (const auto& k : cases) {
        fuconst c(2.0);
        uint32_t before = c.serial;
        int result = -1;
        hostrun run = rundialogue(k.keys, [&] {
            parser context;
            result = c.edit();
        });
        EXPECT_EQ(run.status, 0) << k.keys;
        EXPECT_EQ(result, k.result) << k.keys;
        EXPECT_EQ(c.val, k.value) << k.keys;
        EXPECT_NE(c.serial, before) << k.keys;
    }
}

TEST(objectviews, commenteditor)
{
    comment note("old");
    int key = 0;
    hostrun run = rundialogue("new text<Enter>", [&] { key = note.edit(); });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(key, 13);
    EXPECT_STREQ(note.text(), "new text");

    run = rundialogue("other<Esc>", [&] { key = note.edit(); });
    EXPECT_EQ(key, 27);
    EXPECT_STREQ(note.text(), "new text");
}
