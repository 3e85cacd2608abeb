// The mouse frame dialog: what to do with a frame dragged over a plot.
#pragma once

#include <cstdint>

struct mouseframerecord {
    int32_t left = 0, top = 0, right = 0, bottom = 0;  // where it was last closed
    uint16_t keepmode = 1;                             // 1 none, 2 keep X, 3 keep Y
    uint8_t shifted = 0;                               // pushing allowed
};

// Shared by the zoom and the dialog.
extern mouseframerecord zoomrecord;

// 'g' magnify into the frame, 'k' minify, 'v' push (only when pushing is
// allowed), 27 cancelled; the radios set the record's keep mode.  The
// dialog reopens where it was last closed.
int mouseframedialog(mouseframerecord& record);
