// One calculator on the headless front, in a ring of its own: its owner
// keeps the arguments in a store of its own, the shared argument and
// value boxes are made around each sitting.
#pragma once

#include <functional>
#include <sstream>
#include <string>

#include "calculator/calcowner.h"
#include "calculator/calculator.h"
#include "calculator/valuebox.h"
#include "formula/varman.h"
#include "screen/keys.h"
#include "tests/objects/sittings.h"

struct testring : calcowner {
    varman store;
    testring() { activestore = &store; }
};

struct calcsitting : sittings {
    // Runs body with a fresh calculator between the boxes' making and
    // dropping.
    hostrun withcalc(const std::string& keys, std::function<void(calculator&)> body)
    {
        return sitting(keys, [&] {
            testring ring;
            makevalueboxes(ring.activestore);
            {
                calculator c(&ring);
                body(c);
            }
            dropvalueboxes();
        });
    }
    // The calculator drawn, then a key read so that a dump can be taken.
    static void show(calculator& c)
    {
        c.redraw();
        getkey();
    }
};

// Row n (1-based) of a text dump.
inline std::string dumprow(const std::string& dump, int n)
{
    std::istringstream in(dump);
    std::string line;
    for (int i = 0; i < n && std::getline(in, line); i++) {
    }
    return line;
}
