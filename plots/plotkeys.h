// The key codes of the plot environment (extended keys are 256 plus the
// scan code; 603 and 604 come only from the panel's buttons).
#pragma once

namespace plotkey {
constexpr int tab = 9, esc = 27, f1 = 315, shiftf1 = 340;
constexpr int home = 327, up = 328, left = 331, right = 333, end = 335, down = 336, ins = 338, del = 339;
constexpr int ctrldel = 403, leftdown = 701, leftup = 702, help = 603, quit = 604;
}  // namespace plotkey
