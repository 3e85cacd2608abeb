// Key codes of the revolver's commands (extended keys are 256 plus the
// scan code) and the hot-spot codes of the fastplots.
#pragma once

#include "screen/keys.h"

namespace cmdkey {
constexpr keycode f1 = 315, f2 = 316, f3 = 317, f4 = 318, f5 = 319, f7 = 321, f8 = 322, f9 = 323, f10 = 324;
constexpr keycode shiftf1 = 340, altf1 = 360;
constexpr keycode up = 328, pgup = 329, left = 331, right = 333, down = 336, pgdn = 337;
constexpr keycode ins = 338, del = 339, ctrldel = 403;
constexpr keycode ctrlw = 23;
constexpr keycode promote = 601, overlay = 602;
// In a command's keys: any digit '0' to '9'.
constexpr keycode digit = -1;
}  // namespace cmdkey
