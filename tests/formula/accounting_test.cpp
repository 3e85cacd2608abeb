#include <gtest/gtest.h>

#include "base/objcount.h"
#include "formula/dynarray.h"
#include "formula/fingerprint.h"
#include "formula/formulaholder.h"
#include "formula/markset.h"
#include "formula/namesused.h"
#include "formula/varman.h"

TEST(accounting, ContainersBalanceTheInstanceCount)
{
    objcounts before = objcountstate();
    {
        fingerprint print;
        dynarray<void*> pointers;
        markset marks;
        markset copy(marks);
        varman store;
        varman storecopy(store);
        namesused names;
        formulaholder holder;
        objcounts during = objcountstate();
        EXPECT_EQ(during.live - before.live, 9);
        EXPECT_EQ(during.sum - before.sum, 157 * 3 + 87 * 2 + 257 * 2 + 193 + 113);
    }
    objcounts after = objcountstate();
    EXPECT_EQ(after.live, before.live);
    EXPECT_EQ(after.sum, before.sum);
}

TEST(accounting, FormulaHoldersTakeFreshSerials)
{
    formulaholder a, b;
    EXPECT_GT(b.serial, a.serial);
    EXPECT_EQ(a.compiled, nullptr);
    EXPECT_EQ(a.text, nullptr);
}
