#include "screen/list2way.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/limits.h"
#include "base/objcount.h"
#include "screen/askinput.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/listrange.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/popup.h"
#include "screen/screen.h"
#include "screen/services.h"

int16_t listkey = 0;
int32_t listline = 0;

namespace {

constexpr int list2wayclass = 47;

namespace keys {
constexpr int up = 328, down = 336, pgup = 329, pgdn = 337, home = 327, end = 335;
constexpr int altf = 582, altp = 592, altw = 599, altf1 = 360;
}

void lowercase(char* s)
{
    for (; *s; s++)
        *s = char(tolower((unsigned char)*s));
}

}  // namespace

list2way::list2way(int16_t left, int16_t top, int16_t right, int16_t bottom, int32_t first_, int32_t last_,
                   int16_t legendrows, const char* legend, uint8_t frame1, uint8_t frame2, int nfg, int nbg,
                   int hfg, int hbg)
    : first(first_), last(last_), current(first_)
{
    objcount(list2wayclass);
    if (legendrows > 0)
        boxdefaults(legend);
    if (legendrows < 0 || listnoframepending()) {
        setlistnoframe();
        legendrows = -1;
    }
    box = std::make_unique<listbox>(left, top, right, bottom, frame1, frame2, legendrows, nfg, nbg, hfg, hbg);
    width = box->width;
    pagelen = box->height;
    bufsize = std::max<int>(width, 0) + screencols() + 1;
    linebuf.reset(new (std::nothrow) char[size_t(bufsize)]());
    bad = !linebuf || box->failed;
}

list2way::~list2way()
{
    objcount(-list2wayclass);
}

void list2way::lineshown(int32_t, int32_t) {}

void list2way::filterkey(int& key)
{
    if (key == key::f1)
        key = keys::altf1;
}

void list2way::otherkey(int&) {}

void list2way::enterkey(int&) {}

void list2way::linef(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(linebuf.get(), size_t(bufsize), format, args);
    va_end(args);
}

void list2way::cutline()
{
    linebuf[size_t(bufsize) - 1] = 0;
    if (int(strlen(linebuf.get())) > width)
        linebuf[size_t(width)] = 0;
}

const char* list2way::textof(int32_t n)
{
    current = n;
    linebuf[0] = 0;
    formatline();
    cutline();
    return linebuf.get();
}

void list2way::drawcurrent(bool attop)
{
    linebuf[0] = 0;
    formatline();
    cutline();
    lineshown(current, current);
    box->resolvecolors(colors);
    if (attop)
        box->puttop(linebuf.get(), colors);
    else
        box->putbottom(linebuf.get(), colors);
}

// Clears the window and draws a page from line top; current ends on the
// last line drawn.
void list2way::drawpage(int32_t top)
{
    box->resolvecolors(colors);
    box->barrow = 0;
    box->scrollup(0, colors);
    for (int32_t line = top; line <= last && line - top < pagelen; line++) {
        current = line;
        drawcurrent(false);
    }
}

void list2way::showtop()
{
    drawpage(first);
    box->barlast(colors);
}

void list2way::showend()
{
    drawpage(std::max(first, last - pagelen + 1));
    box->barlast(colors);
}

void list2way::showfrom(int32_t n)
{
    lineshown(current, current);
    if (n < first || n > last)
        n = first;
    int32_t top = std::max(first, n - pagelen / 2);
    if (top - first < pagelen / 2)
        top = first;
    while (last - top < pagelen - 1 && top > first)
        top--;
    drawpage(top);
    current = n;
    lineshown(n, n);
    box->barrow = int16_t(n - top + 1);
    box->drawline(true, colors);
}

// The bar keeps its row; a list not shown yet starts with current on top.
void list2way::redraw()
{
    int16_t bar = std::clamp<int16_t>(box->barrow, 1, std::max<int16_t>(pagelen, 1));
    int32_t line = current;
    drawpage(current - (bar - 1));
    current = line;
    lineshown(line, line);
    box->barrow = bar;
    box->drawline(true, colors);
}

bool list2way::lineup()
{
    lineshown(current, current - 1);
    box->resolvecolors(colors);
    if (current > first && box->barup(colors)) {
        current--;
        return true;
    }
    bool moved = current > first;
    if (moved) {
        current--;
        drawcurrent(true);
    }
    lineshown(current, current);
    box->barrow = 1;
    box->drawline(true, colors);
    return moved;
}

bool list2way::linedown()
{
    lineshown(current, current + 1);
    box->resolvecolors(colors);
    if (box->nextrow > box->height) {
        if (current < last && box->bardown(colors)) {
            current++;
            return true;
        }
        if (current < last) {
            current++;
            drawcurrent(false);
        }
        lineshown(current, current);
        box->barrow = box->height;
        box->drawline(true, colors);
        return false;
    }
    if (box->barrow >= box->nextrow - 1 || current >= last)
        return false;
    box->bardown(colors);
    current++;
    return true;
}

bool list2way::stepedit(int key)
{
    bool step = key == keys::up || key == keys::down;
    if (key == keys::up)
        lineup();
    else if (key == keys::down)
        linedown();
    redraw();
    return step;
}

void list2way::scrollpage(bool down, int& delay)
{
    for (int i = 0; i < pagelen; i++) {
        if (down)
            linedown();
        else
            lineup();
        if (delay > 0)
            sleepms(delay);
    }
    delay = std::max(delay - 1, 0);
}

void list2way::gotoline()
{
    double value = current;
    if (!asknumber(" enter line number ", value) || std::isnan(value))
        return;
    // Clamped as a double, so huge values never reach the conversion; a
    // list without lines goes to first.
    double line = std::trunc(std::max(std::min(value, double(last)), double(first)));
    showfrom(int32_t(line));
}

bool list2way::find(int32_t from, int32_t to, int32_t& line)
{
    if (!search || !search[0])
        return false;
    int32_t keep = current, step = from <= to ? 1 : -1;
    bool found = false;
    for (int32_t n = from; !found && (step > 0 ? n <= to : n >= to); n += step) {
        textof(n);
        lowercase(linebuf.get());
        if (strstr(linebuf.get(), search.get())) {
            line = n;
            found = true;
        }
    }
    current = keep;
    return found;
}

void list2way::findtext()
{
    int n = screencols();
    if (!search)
        search.reset(new (std::nothrow) char[size_t(n) + 1]());
    if (!search)
        return;
    std::unique_ptr<char[]> text(new (std::nothrow) char[size_t(n) + 1]);
    if (!text || !asktext(" enter text string ", text.get(), n) || !text[0])
        return;
    lowercase(text.get());
    strcpy(search.get(), text.get());
    if (int32_t line = 0; first <= last && find(first, last, line)) {
        showfrom(line);
    } else {
        msgstyle(1);
        msgbox("\n not found \n", 500);
    }
}

void list2way::findnext(bool forward)
{
    if (!search || !search[0])
        return;
    int32_t line = 0;
    bool found = forward ? current < last && find(current + 1, last, line)
                         : current > first && find(current - 1, first, line);
    if (found) {
        showfrom(line);
        return;
    }
    setfootercode(10);
    msgbox(forward ? "\n That was it. \n\r Press <N> to search backwards \n"
                   : "\n This was the first occurrence. \n\r Press <n> to search forward \n");
}

int32_t list2way::run(int key)
{
    if (bad) {
        msgstyle(2);
        msgbox("\nlist2way::bad\n");
        return 0;
    }
    int delay = limits::listscrolldelay;
    for (;;) {
        listkey = int16_t(key);
        listline = current;
        filterkey(key);
        switch (key) {
        case keys::up: lineup(); break;
        case keys::down: linedown(); break;
        case keys::pgup: scrollpage(false, delay); break;
        case keys::pgdn: scrollpage(true, delay); break;
        case keys::home: showfrom(first); break;
        case keys::end: showend(); break;
        case 'g': gotoline(); break;
        case key::enter:
            enterkey(key);
            if (key == key::enter)
                return current;
            break;
        case key::esc: return 0;
        case keys::altf: findtext(); break;
        case 'n': findnext(true); break;
        case 'N': findnext(false); break;
        case keys::altp: printrange(*this); break;
        case keys::altw: writerange(*this); break;
        case keys::altf1: showlisthelp(); break;
        case nokey: break;
        default: otherkey(key); break;
        }
        flushkeys();
        int previous = key;
        key = getkey();
        if (key != previous)
            delay = limits::listscrolldelay;
    }
}

void showlisthelp()
{
    menus().disable(helpmenuitem);
    setpopupcolors(15, 2, 9, 16, 3, 3, 3);
    setpopupy(1);
    setboxtitle(" General List Commands ");
    setfootercode(10);
    msgbox("\n These commands are common to all lists in the program: \n\n\r <up-arrow>\n\r <down-arrow>     "
           "scroll 1 line \n\r <PgUp> <PgDn>    scroll 1 page \n\r <home> <end>     goto top / bottom \n\r "
           "<g>oto           goto line nr.... \n\r <alt>+<p>rint    print part of the list \n\r <alt>+<w>rite    "
           "write to file part of the list \n\r <alt>+<f>ind     text search (insensitive) \n\r <n> <N>          "
           "repeat search forward / backward \n\n\r You can view this reference with <alt>+<F1> in every list. \n");
    menus().enable(helpmenuitem);
}
