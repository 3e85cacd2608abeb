// A calculator's formula that calls a parameter integral, a finite sum and
// a two-formula object of the local context.
#include <gtest/gtest.h>

#include "tests/calculator/calcfixture.h"
#include "tests/objects/compositerecords.h"

using namespace compositerecords;

TEST_F(calcsitting, CompositeObjectsInAFormula)
{
    put("DESKTOP.LIB", parin("ar", "a", 'x', "0", "1", "a*x^2") + finitsum("fs", "n", 'k', "1", "n", "1", "k") +
                           conditional("cc", "x", "x", "10+x", "20+x"));
    struct row {
        const char* keys;
        double expected;
    } rows[] = {{"<Backspace>3<Enter>", 1 + 6 + 13}, {"<Backspace>0<Enter>", 0 + 0 + 20}};
    for (const row& w : rows) {
        int32_t status = 0;
        double latest = 0;
        withcalc(w.keys, [&](calculator& c) {
            c.setformula("ar(y)+fs(y)+cc(y)", "y");
            c.reimplement();
            c.proceed(true);
            c.proceed(true);
            status = c.status;
            latest = c.latest;
        });
        EXPECT_EQ(status, 1) << w.keys;
        EXPECT_NEAR(latest, w.expected, 1e-13) << w.keys;
    }
}
