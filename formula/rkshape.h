// The Runge-Kutta shape that Runge-Kutta and clipper compilations install:
// it decides how "f." references and argument letters map to argument
// slots.  Other compilations run with the empty shape.
#pragma once

#include <cstdint>

struct rkshape {
    uint16_t order = 0;
    uint16_t dimension = 0;   // number of values
    char independent = 0;     // the independent letter
    bool arclength = false;
    bool second = false;      // second flag byte (clipper setting)

    bool installed() const { return order != 0 || second; }
    // Length of the state vector: order x values + 1, one more in
    // arclength mode.
    int statelength() const { return order * dimension + 1 + (arclength ? 1 : 0); }
};

void installrkshape(const rkshape& shape);
void clearrkshape();
const rkshape& installedrkshape();
