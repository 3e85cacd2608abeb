// Evaluating a typed number for the numeric input dialogs.
#pragma once

#include <cstdint>

#include "screen/palette.h"

// The input state of an edit that ended with lastinputkey on text: value
// receives the result when the state is taken.  With showerrors, a text
// that does not compile shows its diagnosis.
int32_t evaluateinput(const char* text, double& value, bool showerrors);

// The result of the last numeric dialog as a whole number truncated toward
// zero; outside [low, high] the state becomes range and old is kept.
long checkedwhole(double result, long old, long low, long high);

// A colour given by the caller, or the role's colour for 0.
inline int orrole(int colour, int role)
{
    return colour ? colour : colorof(role);
}
