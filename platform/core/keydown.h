// A key press as a front reports it, before the host turns it into a key
// code.  Keys are named by the old PC virtual-key numbers, so every front
// and the script share one translation.
#pragma once

namespace platform {

namespace vk {
constexpr int backspace = 8, tab = 9, enter = 13, escape = 27, space = 32;
constexpr int pgup = 33, pgdn = 34, end = 35, home = 36;
constexpr int left = 37, up = 38, right = 39, down = 40;
constexpr int ins = 45, del = 46;
constexpr int digit0 = 48, lettera = 65, letterz = 90;  // '0'..'9', 'A'..'Z'
constexpr int f1 = 112, f4 = 115, f10 = 121, f12 = 123;
}

struct keydown {
    int vk = 0;       // virtual key, 0 for a key that has none
    int ch = 0;       // Unicode character the layout gives (Ctrl-A is 1), 0 for none
    bool shift = false, ctrl = false, alt = false;  // AltGr is not Alt
};

// The character a key gives while Ctrl is held (Ctrl-A 1 ... Ctrl-] 29,
// Ctrl-Enter 10, Ctrl-Backspace 127), 0 for none.
int ctrlchar(int vk, int ch);

}  // namespace platform
