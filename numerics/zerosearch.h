// Zero and value search on a function of one argument: a scan that walks
// away from the start with geometrically growing steps until the sign of
// value minus target changes (or the domain begins or ends), then a
// bisection of the bracket.  Evaluation errors show no boxes here; they
// steer the scan and mark the outside of a domain border.
#pragma once

#include <cstdint>

class fu;

// Result codes of both phases.
namespace zerocodes {
constexpr uint8_t nothing = 0;     // step limit, overflow, no domain, user break
constexpr uint8_t border = 1;      // a domain border (scan: a bracket of one)
constexpr uint8_t exact = 2;       // value minus target exactly 0 at a scan point
constexpr uint8_t rising = 3;      // sign change from negative to positive
constexpr uint8_t falling = 4;     // sign change from positive to negative
}

// direction +1, -1, or 0 for both sides alternately; a step limit of 0
// means 4000.  Code 1 gives a bracket (found, other), code 2 the point.
uint8_t zeroscan(fu& f, double x0, double* found, double* other, double target, int16_t direction,
                 uint32_t limit);
// Scan and bisection; the point in *result for codes 1 to 4.
uint8_t findzero(fu& f, double x0, double* result, double target, int16_t direction, uint32_t limit);

// The code of the name to show for a search result by the display mode
// (0 value, 1 to 3 derivatives, 4 curvature, 9 differential operator):
// 0 to 10, see searchname.
int searchresult(uint8_t code, int displaymode, double target);
// "Nothing", "Domain border", "Zero or pole with change of sign", ...,
// "Target" for 0 to 10; null for others.
const char* searchname(int code);
