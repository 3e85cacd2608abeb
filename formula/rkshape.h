// The shape of a Runge-Kutta system: order, number of values, independent
// letter and arclength flag.  Runge-Kutta and clipper compilations install
// it: it decides how "f." references and argument letters map to argument
// slots.  Other compilations run with the empty shape.
#pragma once

#include <cstddef>
#include <cstdint>

struct rkshape {
    static constexpr int maxorder = 12;
    static constexpr int maxdimension = 40;

    uint16_t order = 0;
    uint16_t dimension = 0;   // number of values
    char independent = 0;     // the independent letter
    bool arclength = false;
    bool second = false;      // second flag byte (clipper setting)

    bool installed() const { return order != 0 || second; }
    // Length of the state vector: order x values + 1, one more in
    // arclength mode.  Computed in size_t: a shape read from a file may
    // hold any 16-bit counts.
    size_t statelength() const { return size_t(order) * dimension + 1 + (arclength ? 1 : 0); }
    // Order and number of values within what the solver supports, and
    // arclength mode only for one first-order value.
    bool supported() const
    {
        return order >= 1 && order <= maxorder && dimension >= 1 && dimension <= maxdimension
               && (!arclength || (order == 1 && dimension == 1));
    }
};

void installrkshape(const rkshape& shape);
void clearrkshape();
const rkshape& installedrkshape();
