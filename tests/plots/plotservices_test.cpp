// The plots' small services: the STOP request and the 16-bit text sums.
#include <gtest/gtest.h>

#include <string>

#include "plots/plotservices.h"
#include "screen/menustate.h"

namespace {

TEST(plotservices, TextSumsWrapAt16Bits)
{
    EXPECT_EQ(sumstring(""), 0);
    EXPECT_EQ(sumstring(nullptr), 0);
    EXPECT_EQ(sumstring("AB"), 65 + 66);
    EXPECT_EQ(sumstring(std::string(300, '\xff').c_str()), 300 * 255 % 65536);
    EXPECT_EQ(makeword(0x34, 0x12), 0x1234);
    EXPECT_EQ(makeword(0xff, 0xff), 0xffff);
}

TEST(plotservices, BreakRequestIsTheStopFlag)
{
    menustate& m = menus();
    EXPECT_FALSE(breakrequested());
    m.abortflag = true;
    EXPECT_TRUE(breakrequested());
    m.clearflags();
    EXPECT_FALSE(breakrequested());
}

}  // namespace
