// The "+" command on a calculator: the summation environment over its
// formula, the result shown by the calculator with its label.
#pragma once

#include <functional>

class calculator;

// stillcurrent (may be empty) tells after an installation whether the
// calculator is still the revolver's current one.
void runsummation(calculator& c, std::function<bool()> stillcurrent = nullptr);
