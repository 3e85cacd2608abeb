#include "screen/boxframe.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "base/limits.h"
#include "screen/palette.h"

namespace {

enum glyph { topleft, topright, bottomleft, bottomright, vertical, horizontal };

constexpr int defaultroles[5] = {141, 142, 143, 144, 145};

int clampx(int x) { return std::clamp(x, 1, screencols()); }
int clampy(int y) { return std::clamp(y, 1, screenrows()); }

int pick(int argument, int slot)
{
    int pending = pendingbox().colors[slot];
    return colorvalid(argument) ? argument : pending ? pending : colorof(defaultroles[slot]);
}

const char* intobuffer(const char* format, va_list args)
{
    vsnprintf(textbuffer(), limits::textbuffersize, format, args);
    return textbuffer();
}

}  // namespace

boxframe::boxframe(int16_t l, int16_t t, int16_t r, int16_t b, uint8_t frame, uint8_t back, int16_t rows)
    : screensave(clampx(l), clampy(t), std::min<int>(r, screencols()), std::min<int>(b, screenrows())),
      left(int16_t(std::max<int>(l, 1))), top(int16_t(std::max<int>(t, 1))),
      right(int16_t(std::min<int>(r, screencols()))), bottom(int16_t(std::min<int>(b, screenrows())))
{
    static const unsigned char oem[6] = {201, 187, 200, 188, 186, 205};
    static const unsigned char plain[6] = {'*', '*', '*', '*', '|', '='};
    memcpy(glyphs, fontisoem() ? oem : plain, sizeof glyphs);
    pushcursor();
    if (left > right - 2 || top > bottom - rows - 2) {
        popcursor();
        return;
    }
    boxsettings& s = pendingbox();
    framecolor = uint8_t(pick(frame, 0));
    background = uint8_t(pick(back, 1));
    titlecolor = uint8_t(pick(0, 2));
    legendcolor = uint8_t(pick(0, 3));
    footercolor = uint8_t(pick(0, 4));
    std::fill(std::begin(s.colors), std::end(s.colors), 0);
    legendrows = rows;
    isdrawn = true;
    caretoff();
    drawframe();
    if (s.caption[0]) {
        drawtitle(s.caption);
        s.caption[0] = 0;
    }
    popcursor();
    gotoxy(1, 1);
    s.footerpending = false;
}

void boxframe::drawline(int16_t y, unsigned char first, unsigned char last)
{
    std::string line(size_t(right - left + 1), char(glyphs[horizontal]));
    line.front() = char(first);
    line.back() = char(last);
    writeat(line.c_str(), left, y, framecolor, background);
}

void boxframe::drawtop()
{
    drawline(top, glyphs[topleft], glyphs[topright]);
}

void boxframe::drawbottom()
{
    drawline(bottom, glyphs[bottomleft], glyphs[bottomright]);
}

void boxframe::drawframe()
{
    if (!isdrawn)
        return;
    caretoff();
    textcolor(framecolor);
    textbackground(background);
    const char side[2] = {char(glyphs[vertical]), 0};
    for (int y = top + 1; y < bottom; y++) {
        writeat(side, left, y, framecolor, background);
        writeat(side, right, y, framecolor, background);
    }
    drawtop();
    drawbottom();
    if (legendrows > 0) {
        window(left + 1, bottom - legendrows, right - 1, bottom - 1);
        clrwindow(0);
        gotoxy(1, 1);
        textcolor(legendcolor);
        nowrap();
        cputs(pendingbox().legend);
        textcolor(framecolor);
    }
    window(left + 1, top + 1, right - 1, bottom - legendrows - 1);
    if (pendingbox().footerpending)
        drawfooter();
    careton();
}

void boxframe::drawtitle(const char* text)
{
    if (!isdrawn || !text)
        return;
    int w = right - left - 1;
    std::string title(text, strnlen(text, size_t(w)));
    int n = int(strlen(text));
    pushcursor();
    drawtop();
    writeat(title.c_str(), left + 1 + std::max((w - n) / 2, 0), top, titlecolor, background);
    popcursor();
}

void boxframe::titleprintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    drawtitle(intobuffer(format, args));
    va_end(args);
}

void boxframe::footerprintf(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    setfootertext(intobuffer(format, args));
    va_end(args);
    drawfooter();
    pendingbox().footerpending = false;
}

void boxframe::drawfooter()
{
    if (!isdrawn)
        return;
    int w = right - left - 1;
    const char* footer = pendingbox().footer;
    int n = int(strlen(footer));
    std::string text(footer, size_t(std::clamp(std::min(n, w - 2), 0, n)));
    pushcursor();
    drawbottom();
    writeat(text.c_str(), left + 1 + std::max(w - n - 1, 1), bottom, footercolor, background);
    popcursor();
}
