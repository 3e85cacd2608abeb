// The nonlinear solver's target values, one entry per value of the
// formula; the calculator keeps the list between solver commands.
#pragma once

#include <vector>

#include "base/listnode.h"

struct targetentry {
    double value = 0.0;    // the formula's value at the current point
    double target = 0.0;
    unsigned char active = 1;
};

class targetlist : public listnode {
public:
    explicit targetlist(int n);
    // Grows to n entries (new ones: target 0, active); never shrinks.
    // False (the old entries kept, failed set) when memory fails.
    bool resize(int n);
    // Every entry active with target 0: nothing worth keeping.
    bool isplain() const;
    int activecount() const;
    int size() const { return int(entries.size()); }

    std::vector<targetentry> entries;
    bool failed = false;
};
