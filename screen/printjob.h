// Printing text lines on a printer the user picks (one job at a time,
// computing thread).
#pragma once

#include "platform/core/front.h"

// The printer font, in printer pixels before they are tripled; initially
// 14 by 8, weight 400, fixed pitch.
platform::fontchoice& printerfont();
// Set by the menu's printer-font choice: each job asks for the font again.
void setprinterfontchoice(bool on);
// The font dialog on the printer font (written back when confirmed).
bool choosefont(bool printer);

bool begindoc();
// False when the text is missing, no job is open, or a page cannot be
// started or ended.  An empty text takes a line without drawing.
bool printline(const char* text);
// Ends the job; false when the document could not be completed.
bool enddoc();

// The job's arithmetic (tests read it).
struct printmetrics {
    int lineheight;
    int charsperline;
    int linesperpage;
};
printmetrics printlayout();
