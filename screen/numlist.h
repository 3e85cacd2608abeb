// A list of numbers beside the right screen edge: edit in place, save a
// value to a global variable.
#pragma once

#include <cstdint>

#include "screen/list2way.h"

class numlist : public list2way {
public:
    // values is indexed by line number; the first page is drawn.
    numlist(double* values, int32_t first, int32_t last);

    void formatline() override;
    void otherkey(int& key) override;

    double* values;

private:
    void editvalues();
    void savevalue();
};

// Runs a numlist and returns the line current when it was left.
int32_t shownumlist(double* values, int32_t first, int32_t last);
