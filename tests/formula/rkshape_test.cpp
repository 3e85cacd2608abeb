#include <gtest/gtest.h>

#include "formula/rkshape.h"

TEST(rkshape, statelength)
{
    EXPECT_EQ((rkshape{1, 1, 't', false}).statelength(), 2u);
    EXPECT_EQ((rkshape{2, 3, 't', false}).statelength(), 7u);
    EXPECT_EQ((rkshape{2, 3, 't', true}).statelength(), 8u);
    // The largest 16-bit counts do not overflow.
    EXPECT_EQ((rkshape{65535, 65535, 't', false}).statelength(), 65535ull * 65535ull + 1);
}

TEST(rkshape, SupportedShapes)
{
    EXPECT_TRUE((rkshape{1, 1, 't', false}).supported());
    EXPECT_TRUE((rkshape{12, 40, 't', false}).supported());
    EXPECT_TRUE((rkshape{1, 1, 't', true}).supported());
    EXPECT_FALSE((rkshape{0, 1, 't', false}).supported());
    EXPECT_FALSE((rkshape{13, 1, 't', false}).supported());
    EXPECT_FALSE((rkshape{1, 41, 't', false}).supported());
    EXPECT_FALSE((rkshape{2, 1, 't', true}).supported());
    EXPECT_FALSE((rkshape{1, 2, 't', true}).supported());
}
