// The parametric set-up of a fastplot: each value of the calculator is
// put on the x or y axis of a numbered curve, then the window is chosen.
#pragma once

#include <cstdint>
#include <vector>

#include "formula/rkshape.h"
#include "math/drect.h"
#include "screen/list2way.h"

class calculator;
class plotspec;

class axislist : public list2way {
public:
    axislist(int n, const rkshape& shape);

    void formatline() override;           // drawline
    void filterkey(int& key) override;    // keyfilter
    void otherkey(int& key) override;     // unhandledkey
    // The smallest curve number not yet used on the axis; 0 when none.
    uint16_t freenumber(char letter) const;

    std::vector<uint16_t> numbers;
    std::vector<char> axes;
    rkshape shape;
};

// How many of the entries 1 .. n are not zero.
int countmarked(const uint8_t* marks, int n);
// Renumbers the curves 1 .. m without gaps: m when every curve has one
// line on each axis, else (after a message) -1 to edit again, 0 to cancel.
int checkassignment(const char* axes, uint16_t* numbers, int n);
// The axis list, then the window question; true when the set-up took the
// pairs (type parametric) and w the window (empty: made automatically).
bool parametricsetup(calculator& c, plotspec& spec, drect& w);
