// Native boxes on the main window, from either thread.
#pragma once

#include "platform/core/front.h"

// An OK box without icon; false when no front is there to show it.
bool winmsgbox(const char* text, const char* caption);
// Any box; the computing thread waits for the answer.
platform::boxanswer nativebox(const char* text, const char* caption, platform::boxbuttons buttons,
                              platform::boxicon icon);
// Formats into the shared text buffer and shows it with an empty caption.
bool msgboxf(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The unexpected-error box; always false.
bool winbugbox(const char* name);
