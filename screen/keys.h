// Key codes of the computing thread's dialogues, the translation of key
// presses into them (window thread) and the readers (computing thread).
#pragma once

#include "platform/core/keydown.h"

// A 16-bit code: 1 to 255 a character byte, above 255 an extended key
// (256 plus its scan code), 701 to 704 mouse buttons, 0 no code.
using keycode = int;

namespace key {
constexpr keycode backspace = 8, tab = 9, enter = 13, esc = 27;
constexpr keycode shifttab = 271, f1 = 315, f10 = 324, shiftf1 = 340, altf4 = 363, altx = 600;
constexpr keycode leftdown = 701, leftup = 702, rightdown = 703, rightup = 704;
}

// Window thread.  False when the key is not the program's (Alt-F4); else
// the code, 0 when the key is swallowed.
bool translatekey(const platform::keydown& k, keycode& code);
// The code of a typed character: its byte in the text font's code page
// (cp437 for an OEM font, cp1252 for ANSI); -1 when the font cannot show
// it, and the key is swallowed.
int charcode(int ch);

// Computing thread.
keycode getkey();
keycode getkeymarked();
bool kbhit();
void flushkeys();
bool shiftdown();
bool altdown();
bool ctrldown();
bool ismousecode(keycode code);

// Any thread: post to the computing thread; false while it does not run.
bool postkey(keycode code);
bool postkeys(const char* text);
