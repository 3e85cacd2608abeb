// Sittings on the headless front over the library files of a fresh work
// directory: each opens the context, runs its body on the computing thread
// and drops the context again.
#pragma once

#include <functional>
#include <string>

#include "objects/slotcomp.h"
#include "tests/objects/libfixture.h"
#include "tests/screen/editrun.h"

struct sittings : libdir {
    void TearDown() override
    {
        slotcomp::dropspare();
        libdir::TearDown();
    }
    hostrun sitting(const std::string& keys, std::function<void()> body)
    {
        hostrun run = rundialogue(keys, [&] {
            open();
            body();
            freecontext();
            // The spare parser would keep the shared state to the next one.
            slotcomp::dropspare();
            first.reset();
        });
        EXPECT_EQ(run.status, 0) << keys << " " << run.out;
        return run;
    }
};
