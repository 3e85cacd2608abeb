// Interactive test commands of the window layer, started by the key
// commands "og", "oof", "oom", "ooc" and "ook" (computing thread).
#pragma once

// Lines from the pen to each mouse position until a right click.
void testgraphics();
// The screen's own rubber-band frame; its corners in a native box.
void testdrawframe();
// The mouse tracker: frame, stored frame, dragged line and line shapes.
void testmouseframe();
// Left clicks mark cells as painted; a right click ends and counts them.
void testcontaminate();
// Prints the code of each key read until Esc.
void testkeycodes();

// Runs the test command typed as keys ("og", "oof", ..., and "ooF", the
// font report); false when the keys name none.
bool windowtest(const char* keys);
