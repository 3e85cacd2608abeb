// The set-up the benchmarks share: the screen with the object hooks, and a
// calculator owner with its own variable store.
#pragma once

#include "calculator/calcowner.h"
#include "formula/varman.h"
#include "objects/hooks.h"
#include "screen/screen.h"
#include "screen/tgwscreen.h"

struct screenup {
    screenup()
    {
        startobjects();
        screeninit("");
        screencreate();
    }
    ~screenup() { screendestroy(); }
};

struct ring : calcowner {
    varman store;
    ring() { activestore = &store; }
};
