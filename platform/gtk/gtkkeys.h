// GDK key values to the key presses of platform/core/keydown.h.
#pragma once

#include "platform/core/keydown.h"

namespace platform {

// keyval and modifier state of a GDK key event; AltGr (level 3) is not Alt.
// basekeyval is the key's value without Shift (the layout's first level),
// which names letters and digits also when Shift is held.
keydown gdkkeydown(unsigned keyval, unsigned basekeyval, unsigned state);
// True for the keyvals of Shift, Ctrl and Alt themselves.
bool gdkmodifierkey(unsigned keyval, bool& shift, bool& ctrl, bool& alt, bool press);

}  // namespace platform
