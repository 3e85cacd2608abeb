#include "base/objcount.h"

#include <gtest/gtest.h>

TEST(objcount, ConstructorAndDestructorBalance)
{
    objcounts before = objcountstate();
    EXPECT_EQ(objcount(113), 1);
    objcounts during = objcountstate();
    EXPECT_EQ(during.live, before.live + 1);
    EXPECT_EQ(during.sum, before.sum + 113);
    EXPECT_EQ(objcount(-113), -1);
    objcounts after = objcountstate();
    EXPECT_EQ(after.live, before.live);
    EXPECT_EQ(after.sum, before.sum);
}
