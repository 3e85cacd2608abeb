// The argument and value boxes: line texts, letters cut to the box's
// width, clamped movement, and storing values into a store.
#include <gtest/gtest.h>

#include <string>

#include "calculator/calculator.h"
#include "calculator/valuebox.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "tests/screen/editrun.h"

TEST(valuebox, LinesLettersMovesAndStores)
{
    hostrun run = rundialogue("", [] {
        parser first;   // the shared state and its global store
        varman own;
        calcowner ring;
        ring.activestore = &own;
        calculator c(&ring);

        valuebox plain(5, 1, 10, 30, 12, 81, 82, 83, 84, &own);
        plain.setletters("abcdefg");
        EXPECT_EQ(plain.letters, "abcd");   // width - 1
        EXPECT_EQ(plain.last, 3);
        plain.values[2] = 0.5;
        EXPECT_STREQ(plain.textof(2), "                     0.5 ");

        plain.moveto(-3, 0);
        EXPECT_EQ(plain.current, 0);
        plain.moveto(99, 0);
        EXPECT_EQ(plain.current, 3);
        EXPECT_EQ(plain.topline, 1);   // three lines visible, the last one shown

        namedvaluebox named(10, 17, 8, 50, 12, 81, 82, 83, 84);
        named.setletters("vvv");
        named.values = {1.25, -2, 3};
        EXPECT_STREQ(named.textof(0), " f       =                   1.25 ");
        EXPECT_STREQ(named.textof(1), " f.1     =                     -2 ");

        arcvaluebox args(10, 53, 1, 80, 5, 71, 72, 73, 74, &own);
        args.calc = &c;
        args.setletters("t");
        args.values[0] = 2;
        EXPECT_STREQ(args.textof(0), " t= 2                       ");
        c.mode = calcmode::arclength;
        EXPECT_STREQ(args.textof(0), " arc= 2                     ");   // cut at the box's width
        c.mode = calcmode::direct;

        // Into its own store: no new evaluation serial; into the global
        // store: a new one.
        plain.values = {1, 2, 3, 4};
        unsigned serial = shared.evalserial;
        plain.storevalues();
        EXPECT_EQ(own.value('c'), 3);
        EXPECT_EQ(own.classof('c'), classglobal);
        EXPECT_EQ(shared.evalserial, serial);
        plain.variables = shared.globals;
        plain.storevalues();
        EXPECT_EQ(shared.globals->value('d'), 4);
        EXPECT_NE(shared.evalserial, serial);
        for (char l : std::string("abcd"))
            shared.globals->clearclass(l);
        own.setvalue('b', 7);
        plain.variables = &own;
        plain.loadvalues();
        EXPECT_EQ(plain.values[1], 7);
    });
    EXPECT_EQ(run.status, 0);
}
