#include <gtest/gtest.h>

#include "formula/evalstate.h"
#include "formula/objectcalls.h"
#include "objects/compositefu.h"
#include "tests/objects/libfixture.h"

namespace {

struct bare : compositefu {
    bool makeslots() override { return false; }
    const char* longname() const override { return " bare "; }
    bool complete() override { return true; }
};

struct composites : libdir {};

// A multi-valued call of a kind without mcalc reports it and fails the
// evaluation; the evaluator gets a place it may copy from.
TEST_F(composites, MulticallWithoutMcalcFailsTheEvaluation)
{
    open();
    bare object;
    double args[2] = {1.5, 2.5};
    shared.error = evalok;
    double* values = objectcall().mcalc(&object, args);
    EXPECT_EQ(values, args);
    EXPECT_EQ(shared.error, evalinternal);
    EXPECT_EQ(sink.count("mcalc() called for a composite class"), 1);
    shared.error = evalok;
}
}
