// The number list: values edited in place and one saved as a global.
#include <gtest/gtest.h>

#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "screen/numlist.h"
#include "tests/screen/hostrun.h"
#include "tests/screen/plainrow.h"

namespace {

double values[6];
int32_t left = -1;
double saved = 0;
char savedclass = 0;

void numloop()
{
    parser keep;   // the shared state with its global store
    for (int i = 0; i < 6; i++)
        values[i] = i * 1.5;
    left = shownumlist(values, 1, 5);
    saved = shared.globals->value('Q');
    savedclass = shared.globals->classof('Q');
}

TEST(numlist, EditsStepWithUpAndDownAndSaveStoresAGlobal)
{
    hostrun r = runscript("<dump shown><Up><Up>e7<Down>8<Enter>sQ<Esc>", numloop);
    ASSERT_EQ(r.status, 0);
    std::string shown = plainfile(r.out + "/shown.txt");
    EXPECT_NE(shown.find("|    5     7.5"), std::string::npos) << shown;
    EXPECT_NE(shown.find("save to global variable"), std::string::npos);   // the legend fits
    EXPECT_EQ(values[3], 7);
    EXPECT_EQ(values[4], 8);
    EXPECT_EQ(left, 4);
    EXPECT_EQ(saved, 8);
    EXPECT_EQ(savedclass, classglobal);
}

void emptyloop()
{
    parser keep;
    values[0] = 1;
    left = shownumlist(values, 0, -1);
}

TEST(numlist, AListWithoutValuesEditsNothing)
{
    hostrun r = runscript("e5<Enter>", emptyloop);   // Enter closes the list
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(values[0], 1);
}

}  // namespace
