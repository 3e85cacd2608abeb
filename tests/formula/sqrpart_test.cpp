#include <gtest/gtest.h>

#include <cmath>

#include "base/report.h"
#include "formula/evalstate.h"
#include "math/sqrpart.h"

namespace {
// The largest s with s*s dividing x, by trial.
long long bysearch(long long x)
{
    long long best = 1;
    for (long long s = 2; s * s <= x; s++)
        if (x % (s * s) == 0)
            best = s;
    return best;
}

TEST(Sqrpart, AgreesWithTrialDivisionUpToFiveThousand)
{
    for (long long x = 1; x <= 5000; x++)
        ASSERT_EQ(sqrpart(double(x)), double(bysearch(x))) << x;
}

TEST(Sqrpart, LargeFactors)
{
    struct row {
        double x, s;
    } rows[] = {
        {101.0 * 101 * 103, 101},            // square of a prime above the cube root
        {4.0 * 101 * 101 * 103, 202},
        {9.0 * 121 * 13, 33},
        {999983.0 * 999983, 999983},         // a prime squared
        {2.0 * 999983 * 999983, 999983},
        {9007199254740992.0, 67108864},      // 2^53
        {1.0, 1},
    };
    for (const row& r : rows)
        EXPECT_EQ(sqrpart(r.x), r.s) << r.x;
}

TEST(Sqrpart, RefusesWhatIsNoWholeNumberInRange)
{
    shared.reportswitch = 0;
    for (double x : {0.0, -4.0, 2.5, double(NAN), 1e17}) {
        shared.error = evalok;
        EXPECT_EQ(sqrpart(x), 0.0) << x;
        EXPECT_EQ(shared.error, evalruntime) << x;
    }
    shared.error = evalok;
}
}
