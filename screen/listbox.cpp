#include "screen/listbox.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/limits.h"
#include "screen/boxsettings.h"
#include "screen/palette.h"
#include "screen/screen.h"

namespace {

// One-shot settings of the next list box.
int pendingcolors[4];
bool pendingnoframe = false;

constexpr int defaultroles[4] = {146, 147, 148, 149};

int pick(int argument, int slot)
{
    if (colorvalid(argument))
        return argument;
    return pendingcolors[slot] ? pendingcolors[slot] : colorof(defaultroles[slot]);
}

}  // namespace

bool colorpair::valid() const
{
    return colorvalid(fg) && colorvalid(bg);
}

void setlistcolors(int normalfg, int normalbg, int highlightfg, int highlightbg)
{
    int given[4] = {normalfg, normalbg, highlightfg, highlightbg};
    for (int i = 0; i < 4; i++)
        if (colorvalid(given[i]))
            pendingcolors[i] = given[i];
}

void setlistnoframe()
{
    pendingnoframe = true;
}

bool listnoframepending()
{
    return pendingnoframe;
}

void boxdefaults(const char* text)
{
    std::string legend(text ? text : "");
    setboxlegend(legend.substr(0, limits::legendlength).c_str());
}

listbox::listbox(int16_t l, int16_t t, int16_t r, int16_t b, uint8_t frame1, uint8_t frame2,
                 int16_t legendrows, int nfg, int nbg, int hfg, int hbg)
{
    framed = legendrows >= 0 && !pendingnoframe;
    pendingnoframe = false;
    if (framed) {
        auto box = std::make_unique<boxframe>(l, t, r, b, frame1, frame2, legendrows);
        failed = !box->drawn();
        left = box->left, top = box->top, right = box->right, bottom = box->bottom;
        width = int16_t(right - left - 1);
        height = int16_t(bottom - top - legendrows - 1);
        under = std::move(box);
    } else {
        l = int16_t(std::max<int>(l, 1)), t = int16_t(std::max<int>(t, 1));
        r = int16_t(std::min<int>(r, screencols())), b = int16_t(std::min<int>(b, screenrows()));
        under = std::make_unique<screensave>(l, t, r, b);
        failed = r < l || b < t;
        left = int16_t(l - 1), top = int16_t(t - 1), right = r, bottom = b;
        width = int16_t(r - l + 1);
        height = int16_t(b - t + 1);
    }
    failed = failed || under->error || width < 1 || height < 1;
    normal = {uint8_t(pick(nfg, 0)), uint8_t(pick(nbg, 1))};
    highlight = {uint8_t(pick(hfg, 2)), uint8_t(pick(hbg, 3))};
    normalopened = normal;
    highlightopened = highlight;
    std::fill(std::begin(pendingcolors), std::end(pendingcolors), 0);
    if (failed)
        return;
    selectinterior();
    clrwindow(normal.bg);
    textcolor(normal.fg);
    textbackground(normal.bg);
}

void listbox::selectinterior() const
{
    window(left + 1, top + 1, left + width, top + height);
}

void listbox::resolvecolors(listcolors& c) const
{
    if (!c.normal.valid())
        c.normal = normal;
    if (!c.normalopened.valid())
        c.normalopened = normalopened;
    if (!c.highlight.valid())
        c.highlight = highlight;
    if (!c.highlightopened.valid())
        c.highlightopened = highlightopened;
}

void listbox::paintrow(int row, const colorpair& p)
{
    if (row >= 1 && row <= height)
        recolorcells(screenx(1), screeny(row), width, p.fg, p.bg);
}

void listbox::drawline(bool on, const listcolors& c)
{
    if (barrow)
        paintrow(barrow, on ? c.highlight : c.normal);
}

int listbox::barup(const listcolors& c)
{
    if (barrow) {
        drawline(false, c);
        barrow--;
    } else {
        barrow = height;
    }
    if (!barrow)
        return 0;
    drawline(true, c);
    return 1;
}

int listbox::bardown(const listcolors& c)
{
    if (barrow) {
        drawline(false, c);
        barrow = int16_t(barrow < height ? barrow + 1 : 0);
    } else {
        barrow = 1;
    }
    if (!barrow)
        return 0;
    drawline(true, c);
    return 1;
}

void listbox::barlast(const listcolors& c)
{
    barrow = int16_t(nextrow - 1);
    drawline(true, c);
}

// Rows scroll up for n > 0, down for n < 0; 0 clears the interior.  The
// bar stays on its row.
void listbox::scroll(int n, const listcolors& c)
{
    drawline(false, c);
    selectinterior();
    textbackground(c.normal.bg);
    if (n == 0)
        clrwindow(c.normal.bg);
    else
        ::scrollup(n);
    drawline(true, c);
}

void listbox::scrollup(int n, const listcolors& c)
{
    scroll(n, c);
    if (n == 0)
        nextrow = 1;
}

void listbox::scrolldown(int n, const listcolors& c)
{
    scroll(-n, c);
    nextrow = int16_t(n == 0 ? 0 : std::min(nextrow + n, height + 1));
}

void listbox::writerow(int row, const char* text, const listcolors& c)
{
    std::string line(text, strnlen(text, size_t(width)));
    writeat(line.c_str(), screenx(1), screeny(row), c.normal.fg, c.normal.bg);
}

void listbox::puttop(const char* text, const listcolors& c)
{
    scrolldown(1, c);
    writerow(1, text, c);
}

void listbox::putbottom(const char* text, const listcolors& c)
{
    if (nextrow > height) {
        scrollup(1, c);
        nextrow--;
    }
    writerow(nextrow, text, c);
    if (nextrow <= height)
        nextrow++;
}
