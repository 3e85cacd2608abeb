// The text screen's state: one instance for the process, used by the
// screen*.cpp files only.
#pragma once

#include <memory>

#include "base/limits.h"
#include "platform/core/fonts.h"

struct screenstate {
    int cols = limits::screencolumns;
    int rows = limits::screenrows;
    int cellw = 8, cellh = 16;
    int smallw = 8, smallh = 12;
    int winleft = 1, wintop = 1, winright = limits::screencolumns, winbottom = limits::screenrows;
    int curx = 1, cury = 1;
    int fg = 16, bg = 15;

    struct saved {
        int x, y, fg, bg;
    };
    saved stack[limits::cursorstackdepth];
    int depth = 0;
    bool nowrapflag = false;

    bool careton = false;
    int carethide = 0;
    int caretfreeze = 0;
    int frozenx = 0, frozeny = 0;
    int caretshape = 1;

    int desktopw = 0, desktoph = 0;
    pixelrect workarea{0, 0, 0, 0};
    std::unique_ptr<font> text, graphic;

    char buffer[limits::textbuffersize];
    char joinbuffer[limits::joinbuffersize];
};

extern screenstate scr;

// Stores n characters as character cells from (x, y) along the row and
// draws them in the given colours; cells beyond the screen are skipped.
void drawrun(int x, int y, const unsigned char* text, int n, int textcolour, int background);
