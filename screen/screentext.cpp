// Text output: every character drawn is also stored in the cell grid.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/screenhost.h"
#include "screen/screenstate.h"
#include "screen/tgwscreen.h"

void drawrun(int x, int y, const unsigned char* text, int n, int textcolour, int background)
{
    if (y < 1 || y > scr.rows)
        return;
    if (x < 1) {
        text += 1 - x;
        n -= 1 - x;
        x = 1;
    }
    n = std::min(n, scr.cols - x + 1);
    if (n <= 0)
        return;
    screenlock lock;
    if (vscreen)
        for (int i = 0; i < n; i++)
            vscreen->setchar(x + i, y, text[i], textcolour, background);
    pixelpoint p = celltopixel(x, y);
    drawtext(lock.pixels(), p.x, p.y, *scr.text, text, n, colorrgb(textcolour), colorrgb(background));
    screenchanged({p.x, p.y, p.x + n * scr.cellw, p.y + scr.cellh});
}

namespace {

// The position of a cputs walk, which scrolls the window when it passes the
// window's bottom.
struct walk {
    int x, y;
    void down()
    {
        if (++y > scr.winbottom) {
            scrollup(1);
            y = scr.winbottom;
        }
    }
};

}

void cputs(const char* text)
{
    if (!text || !*text) {
        scr.nowrapflag = false;
        return;
    }
    walk w{scr.curx, scr.cury};
    if (w.x > scr.winright && !scr.nowrapflag) {
        w.x = scr.winleft;
        w.down();
    }
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    int runx = w.x, runy = w.y, runlength = 0;
    const unsigned char* run = s;
    for (; *s; s++) {
        bool wrapnow = w.x > scr.winright && !scr.nowrapflag && *s != '\r' && *s != '\n';
        if (*s == '\r' || *s == '\n' || wrapnow) {
            drawrun(runx, runy, run, runlength, scr.fg, scr.bg);
            if (*s != '\r')
                w.down();
            if (*s != '\n')
                w.x = scr.winleft;
            runx = w.x;
            runy = w.y;
            runlength = 0;
            run = s + 1;
            if (!wrapnow)
                continue;
            run = s;
        }
        if (w.x <= scr.winright) {
            runlength++;
            w.x++;
        } else if (runlength == 0) {
            run = s + 1;  // dropped beyond the edge
        }
    }
    drawrun(runx, runy, run, runlength, scr.fg, scr.bg);
    gotoxyabs(w.x, w.y);
    scr.nowrapflag = false;
}

int vcprintf(const char* format, va_list args)
{
    int n = std::vsnprintf(scr.buffer, sizeof scr.buffer, format, args);
    cputs(scr.buffer);
    return std::clamp(n, 0, int(sizeof scr.buffer) - 1);
}

int cprintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    int n = vcprintf(format, args);
    va_end(args);
    return n;
}

int colorprintf(int colour, const char* format, ...)
{
    textcolor(colour);
    va_list args;
    va_start(args, format);
    int n = vcprintf(format, args);
    va_end(args);
    return n;
}

char* textbuffer()
{
    return scr.buffer;
}

void writeat(const char* text, int x, int y, int textcolour, int background)
{
    if (!text || !cellvalid(x, y))
        return;
    int fg = colorvalid(textcolour) ? textcolour : scr.fg, bg = colorvalid(background) ? background : scr.bg;
    for (const unsigned char* s = reinterpret_cast<const unsigned char*>(text); *s && y <= scr.rows; s++) {
        if (*s == '\r') {
            x = 1;
        } else if (*s == '\n') {
            y++;
        } else {
            if (x > scr.cols) {
                x = 1;
                if (++y > scr.rows)
                    break;
            }
            drawrun(x++, y, s, 1, fg, bg);
        }
    }
}

void recolorcells(int x, int y, int n, int textcolour, int background)
{
    if (!colorvalid(textcolour) || !colorvalid(background) || !cellvalid(x, y) || n <= 0 || !vscreen)
        return;
    screenlock lock;
    for (; n > 0 && y <= scr.rows; n--) {
        screencell* c = vscreen->cellat(x, y);
        if (c->kind == cellchar) {
            unsigned char ch = c->character();
            drawrun(x, y, &ch, 1, textcolour, background);
        } else if (c->kind == cellfill) {
            fillcells(x, y, x, y, background);
        }
        if (++x > scr.cols) {
            x = 1;
            y++;
        }
    }
}

void putchars(unsigned char c, int count, int step)
{
    int x = scr.curx, y = scr.cury;
    for (int i = 0; i < count; i++) {
        if (i > 0)
            x += step;
        while (x > scr.cols) {
            x -= scr.cols;
            y++;
        }
        if (y > scr.rows)
            break;
        drawrun(x, y, &c, 1, scr.fg, scr.bg);
        gotoxyabs(x, y);
    }
}

void putcharat(unsigned char c, int count, int step)
{
    putchars(c, count, step);
    cursorrightn(1);
}

void putch(unsigned char c)
{
    putchars(c, 1, 1);
    cursorrightn(1);
}

void putchnext(unsigned char c)
{
    putchars(c, 1, 1);
    cursornext();
}

void nowrap()
{
    scr.nowrapflag = true;
}

void wrap()
{
    scr.nowrapflag = false;
}

char* strjoin(const char* left, const char* right, int width, char* destination)
{
    if (width < 0)
        width = 0;
    char* d = destination;
    if (!d)
        d = width < int(sizeof scr.joinbuffer) ? scr.joinbuffer : width < int(sizeof scr.buffer) ? scr.buffer : nullptr;
    if (!d)
        return nullptr;
    left = left ? left : "";
    right = right ? right : "";
    int l = std::min(int(std::strlen(left)), width);
    int room = width - l, r = int(std::strlen(right));
    std::memcpy(d, left, size_t(l));
    std::memset(d + l, ' ', size_t(room));
    int shown = std::min(r, room);
    std::memcpy(d + width - shown, right + r - shown, size_t(shown));
    d[width] = 0;
    return d;
}
