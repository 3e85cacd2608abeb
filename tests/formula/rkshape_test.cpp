#include <gtest/gtest.h>

#include "formula/rkshape.h"

TEST(rkshape, statelength)
{
    EXPECT_EQ((rkshape{1, 1, 't', false}).statelength(), 2);
    EXPECT_EQ((rkshape{2, 3, 't', false}).statelength(), 7);
    EXPECT_EQ((rkshape{2, 3, 't', true}).statelength(), 8);
}
