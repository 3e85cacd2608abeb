// The state of the edit under way, shared by the editor kinds (one edit
// runs at a time).  Positions are 1-based text positions.
#pragma once

#include <memory>

#include "screen/screen.h"

struct clipboard;
class lineeditor;

struct linestate {
    std::unique_ptr<char[]> text;   // reused across edits, grown on demand
    int capacity = 0;
    int length = 0;
    int cursor = 1;
    int anchor[2] = {0, 0};         // 0: none; the block is min .. max-1
    bool marking = false;
    bool fresh = false;             // the text is shown preselected
    int startrow = 1;               // window-relative
    int topline = 0;                // field lines above the window (a field taller than it)
    int width = 80;                 // line width of the field
    int maxlen = 0;
    int drawnlength = 0;
    int undrawn = 0;                // keys since the last redraw
    int threshold = 1;
    int colors[5] = {};             // text, background, clear, block text, block background
    int pendingcolors[5] = {};
    int pendingmode = 0;            // 1 preselect, 2 not
    const clipboard* extra = nullptr;
    cellpos endpos{1, 1};
};

linestate& edit();

// Block.
bool hasblock();
int blockstart();
int blockend();   // one past the block
void removeblock();

// Field drawing.
cellpos fieldcell(int p);           // screen cell of text position p
void clearfield();
void redrawfield();
// Scrolls a field taller than the window to the cursor's line; true when
// it had to.
bool followcursor();
// Redraws unless keys are waiting and few keys went undrawn.
void redrawsoon();
void placecursor();

// Cursor movement with block marking while Shift is held.
void moveto(int p);
