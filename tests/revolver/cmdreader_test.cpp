// The key-command reader: case-sensitive prefixes, at most ten keys, the
// mouse cell with each key, a left click, and the stop flag as Alt-X.
#include <gtest/gtest.h>

#include "revolver/cmdkeys.h"
#include "revolver/cmdreader.h"
#include "tests/screen/hostrun.h"

namespace {

struct seen {
    int count = 0;
    bool p = false, ppplus = false, pP = false, one = false;
    keycode third = 0, beyond = 0;
    int state = -1, x = 0, y = 0;
    keycode afterstop = 0;
} got;

void prefixloop()
{
    cmdreader r;
    r.readkeys(3);
    got.count = r.count();
    got.p = r.match("p");
    got.ppplus = r.match("pp+");
    got.pP = r.match("pP");
    got.one = r.matchkey('p');
    got.third = r.keyat(3);
    got.beyond = r.keyat(4);
}

void tenloop()
{
    cmdreader r;
    r.readkeys(12);
    got.count = r.count();
    got.afterstop = getkey();   // the rest stays in the queue
    getkey();
}

void clickloop()
{
    cmdreader r;
    r.readonekey();
    got.state = r.state;
    got.count = r.count();
    r.reset();
    r.readonekey();   // the click's release is no key: this waits for "k"
    got.x = r.mousex;
    got.y = r.mousey;
    got.third = r.keyat(1);
    r.reset();
    r.readonekey();   // closing: Alt-X
    got.afterstop = r.keyat(1);
}

void commandloop()
{
    cmdreader r;
    r.readonekey();
    const keycode digit[] = {'d', cmdkey::digit, 0}, dd[] = {'d', 'd', 0};
    got.one = r.readandmatch(digit);   // "dd": reads one more key, no digit
    got.p = r.readandmatch(dd);
    got.count = r.count();
}

TEST(cmdreader, PrefixesAreCaseSensitive)
{
    got = {};
    ASSERT_EQ(runscript("pp+", prefixloop).status, 0);
    EXPECT_EQ(got.count, 3);
    EXPECT_TRUE(got.p);
    EXPECT_TRUE(got.ppplus);
    EXPECT_FALSE(got.pP);
    EXPECT_FALSE(got.one);
    EXPECT_EQ(got.third, '+');
    EXPECT_EQ(got.beyond, 0);
}

TEST(cmdreader, TenKeysAtMost)
{
    got = {};
    ASSERT_EQ(runscript("abcdefghijkl", tenloop).status, 0);
    EXPECT_EQ(got.count, 10);
    EXPECT_EQ(got.afterstop, 'k');
}

TEST(cmdreader, ClickMouseCellAndStop)
{
    got = {};
    ASSERT_EQ(runscript("<click 10 5><move 20 7>k<close>", clickloop).status, 0);
    EXPECT_EQ(got.state, cmdreader::leftclick);
    EXPECT_EQ(got.count, 0);
    EXPECT_EQ(got.third, 'k');
    EXPECT_EQ(got.x, 20);
    EXPECT_EQ(got.y, 7);
    EXPECT_EQ(got.afterstop, key::altx);
}

TEST(cmdreader, ALongerCommandReadsItsKeys)
{
    got = {};
    ASSERT_EQ(runscript("dd", commandloop).status, 0);
    EXPECT_FALSE(got.one);
    EXPECT_TRUE(got.p);
    EXPECT_EQ(got.count, 2);
}

}  // namespace
