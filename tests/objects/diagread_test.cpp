// Which diagnoses of an object count, without showing them.
#include <gtest/gtest.h>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "objects/diagshow.h"
#include "objects/fu1.h"

TEST(readdiagnostics, PendingStaleAndIgnored)
{
    struct {
        int16_t state;
        int32_t code;
        bool implemented;
        int ignore;
        bool counts;
    } cases[] = {
        {0, 0, false, 0, false},
        {diagstate::syntax, 0, false, 0, false},             // no code: nothing pending
        {diagstate::syntax, 22, false, 0, true},
        {diagstate::syntax, 22, true, 0, false},              // error from before the implementation
        {diagstate::syntax, 22, false, 22, false},            // the ignored code
        {diagstate::warning, 57, false, 0, true},
        {diagstate::warning, 57, true, 0, false},
        {diagstate::component, 31, true, 0, true},            // a failed component always counts
    };
    for (const auto& c : cases) {
        fu1 object;
        object.diag->state = c.state;
        object.diag->code = c.code;
        object.stamp = c.implemented ? shared.implstamp : shared.implstamp + 1;
        EXPECT_EQ(readdiagnostics(&object, false, c.ignore), c.counts)
            << c.state << " " << c.code << " " << c.implemented;
    }
}

TEST(cleardiagif, ClearsOnlyTheListedCodes)
{
    diagnostics warning, error;
    warning.code = 60;
    warning.state = diagstate::warning;
    error.code = 19;
    error.state = diagstate::syntax;
    cleardiagif(&warning, 57, 60, 0);
    cleardiagif(&error, 57, 60, 0);
    cleardiagif(nullptr, 57, 0);
    EXPECT_EQ(warning.code, 0);
    EXPECT_EQ(warning.state, 0);
    EXPECT_EQ(error.code, 19);
    EXPECT_EQ(error.state, diagstate::syntax);
}
