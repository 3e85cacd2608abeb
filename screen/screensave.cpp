#include "screen/screensave.h"

#include <algorithm>
#include <new>

#include "base/objcount.h"
#include "screen/screenhost.h"
#include "screen/tgwscreen.h"

namespace {
constexpr int screensaveclass = 71;
}

screensave::screensave(int l, int t, int r, int b, bool inpixels)
{
    objcount(screensaveclass);
    if (inpixels) {
        cellrect c = pixelrecttocells(l, t, r, b);
        l = c.left, t = c.top, r = c.right, b = c.bottom;
    } else {
        l = l < 0 ? 1 : l;
        t = t < 0 ? 1 : t;
        r = r < 0 ? screencols() : r;
        b = b < 0 ? screenrows() : b;
    }
    left = std::clamp(l, 0, screencols());
    top = std::clamp(t, 1, screenrows());
    right = std::max(std::min(r, screencols()), left);
    bottom = std::max(std::min(b, screenrows()), top);
    if (left > 0 && vscreen) {
        cells.reset(new (std::nothrow) screencell[size_t(right - left + 1) * (bottom - top + 1)]);
        if (cells) {
            takecells();
            issaved = true;
        } else {
            error = true;
        }
    }
    win = getwindow();
    curx = wherex();
    cury = wherey();
    fg = gettextcolor();
    bg = getbkcolor();
    caret = getcaret();
}

// Moves the rectangle's cells into the buffer.  Empty cells are first
// saved as pixels of what the screen shows, so that the buffer can undo
// whatever is drawn over them later.
void screensave::takecells()
{
    screenlock lock;
    flushcells();
    saveemptycells(left, top, right, bottom);
    screencell* d = cells.get();
    for (int y = top; y <= bottom; y++)
        for (int x = left; x <= right; x++, d++)
            vscreen->movecell(*vscreen->cellat(x, y), *d);
}

bool screensave::recapture()
{
    if (issaved && vscreen)
        takecells();
    return true;
}

bool screensave::restore()
{
    if (!cells || !vscreen)
        return false;
    {
        screenlock lock;
        screencell* s = cells.get();
        for (int y = top; y <= bottom; y++)
            for (int x = left; x <= right; x++, s++)
                vscreen->movecell(*s, *vscreen->cellat(x, y));
    }
    repaintrect(left, top, right, bottom);
    return true;
}

screensave::~screensave()
{
    objcount(-screensaveclass);
    if (issaved)
        restore();
    textcolor(fg);
    textbackground(bg);
    window(win.left, win.top, win.right, win.bottom);
    gotoxyabs(curx, cury);
    setcaret(caret);
    caretshape(caret.shape);
}
