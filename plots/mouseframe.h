// The mouse frame dialog's record and, until the dialog itself exists, a
// keyboard stand-in: '1', '2', '3' choose the keep mode, 'g' magnifies,
// 'k' compresses, 'v' pushes (only when pushing is allowed), Esc or Enter
// cancels.  The answer is 'g', 'k', 'v' or 27.
#pragma once

#include <cstdint>

struct mouseframerecord {
    int32_t left = 0, top = 0, right = 0, bottom = 0;  // where it was last closed
    uint16_t keepmode = 1;                             // 1 none, 2 keep X, 3 keep Y
    uint8_t shifted = 0;                               // pushing allowed
};

// Shared by the zoom and the dialog.
extern mouseframerecord zoomrecord;

int mouseframedialog(mouseframerecord& record);
