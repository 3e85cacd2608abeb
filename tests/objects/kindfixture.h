// A work directory for the tests of one kind of user object: its records
// are put into DESKTOP.LIB, the context opened on them, and the objects
// of that kind found by name.  Reports have no budget limit.
#pragma once

#include <cstring>

#include "formula/evalstate.h"
#include "objects/context.h"
#include "objects/fu.h"
#include "objects/slotcomp.h"
#include "tests/objects/libfixture.h"

template <class kind>
struct kindfixture : libdir {
    void SetUp() override
    {
        libdir::SetUp();
        jitreportsleft = -1;
    }
    void TearDown() override
    {
        shared.error = 0;
        slotcomp::dropspare();
        freecontext();
        libdir::TearDown();
    }
    kind* find(const char* name)
    {
        for (int i = 1; i <= context->count; ++i) {
            auto* f = dynamic_cast<kind*>(context->at(i));
            if (f && std::strcmp(f->name, name) == 0)
                return f;
        }
        return nullptr;
    }
};
