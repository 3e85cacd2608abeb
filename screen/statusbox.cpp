#include "screen/statusbox.h"

#include <new>
#include <utility>

#include "base/objcount.h"

namespace {

constexpr int scopeclass = 59;
constexpr int firstpanels = 10;

// Keeps the caller's window, cursor, colours and caret across drawing.
struct keepstate {
    cellrect win = getwindow();
    int x = wherex(), y = wherey(), fg = gettextcolor(), bg = getbkcolor();
    caretstate caret = getcaret();
    ~keepstate()
    {
        window(win.left, win.top, win.right, win.bottom);
        gotoxyabs(x, y);
        textcolor(fg);
        textbackground(bg);
        setcaret(caret);
    }
};

std::unique_ptr<statusbox> program;

}  // namespace

statusbox::statusbox(int16_t l, int16_t t, int16_t r, int16_t b, uint8_t text, uint8_t back, uint8_t alttext,
                     uint8_t altback)
    : textcolor(text), alttextcolor(alttext ? alttext : text), background(back),
      altbackground(altback ? altback : back), rows(int16_t(b - t - 1)), columns(int16_t(r - l - 1)), left(l),
      top(t), right(r), bottom(b)
{
    for (int i = 0; i < firstpanels; i++)
        panels.append(new statusline(rows, columns));
}

statusbox::~statusbox()
{
    if (frame)
        hide();
}

void statusbox::takecolors(const statusline& p)
{
    textcolor = p.textcolor;
    alttextcolor = p.alttextcolor;
    background = p.background;
    altbackground = p.altbackground;
}

void statusbox::givecolors(statusline& p) const
{
    p.textcolor = textcolor;
    p.alttextcolor = alttextcolor;
    p.background = background;
    p.altbackground = altbackground;
}

void statusbox::swapcolors()
{
    std::swap(textcolor, alttextcolor);
    std::swap(background, altbackground);
    inverse = !inverse;
}

bool statusbox::open()
{
    if (panels.count <= level) {
        statusline* p = new (std::nothrow) statusline(rows, columns);
        if (!p)
            return false;
        panels.append(p);
    }
    level++;
    statusline& p = *current();
    p.clear();
    swapcolors();
    givecolors(p);
    p.wrap = wrap;
    p.scroll = scroll;
    if (!shown) {
        hidecount = 0;
        show();
    }
    return true;
}

void statusbox::close()
{
    if (level == 0)
        return;
    level--;
    if (level > 0) {
        takecolors(*current());
        redraw();
        return;
    }
    swapcolors();
    hide();
}

void statusbox::printf(const char* format, ...)
{
    if (!open())
        return;
    va_list args;
    va_start(args, format);
    printv(format, args);
    va_end(args);
}

void statusbox::setcursor(int16_t col, int16_t row)
{
    if (statusline* p = currentpanel())
        p->setpos(col, row);
}

void statusbox::print(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    printv(format, args);
    va_end(args);
}

void statusbox::printv(const char* format, va_list args)
{
    if (level == 0)
        return;
    current()->printv(format, args);
    redraw();
}

bool statusbox::step(int16_t n)
{
    if (level - n < 1)
        return false;
    current()->copy(*panels.at(level - n));
    takecolors(*current());
    return true;
}

void statusbox::hide()
{
    if (!shown) {
        hidecount++;
        return;
    }
    keepstate keep;
    frame.reset();
    shown = false;
    hidecount = 0;
}

bool statusbox::show()
{
    if (hidecount > 0) {
        hidecount--;
        return shown;
    }
    if (!shown && level > 0) {
        drawbox();
        shown = frame != nullptr;
        redraw();
    }
    return shown;
}

void statusbox::setcolors(uint8_t text, uint8_t back, uint8_t alttext, uint8_t altback)
{
    if (level == 0)
        return;
    statusline& p = *current();
    p.textcolor = text;
    p.background = back;
    if (alttext)
        p.alttextcolor = alttext;
    if (altback)
        p.altbackground = altback;
}

// The frame uses the default colours and leaves the pending box settings
// to the box they were meant for.
void statusbox::drawbox()
{
    keepstate keep;
    boxsettings pending = pendingbox();
    pendingbox().caption[0] = 0;
    pendingbox().footerpending = false;
    std::fill(std::begin(pendingbox().colors), std::end(pendingbox().colors), 0);
    frame.reset(new (std::nothrow) boxframe(left, top, right, bottom));
    pendingbox() = pending;
}

void statusbox::redraw()
{
    if (!shown || level == 0)
        return;
    keepstate keep;
    const statusline& p = *current();
    fillcells(left + 1, top + 1, right - 1, bottom - 1, p.background);
    p.draw(left, top);
}

statusbox::scope::scope(statusbox* b, const char* format, ...) : box(b)
{
    objcount(scopeclass);
    if (!box || !box->open()) {
        box = nullptr;
        return;
    }
    va_list args;
    va_start(args, format);
    box->printv(format, args);
    va_end(args);
}

statusbox::scope::~scope()
{
    objcount(-scopeclass);
    if (box)
        box->close();
}

void makestatusbox()
{
    program.reset(new (std::nothrow) statusbox(55, int16_t(screenrows() - 4), int16_t(screencols()),
                                               int16_t(screenrows()), 15, 4, 14, 6));
}

void dropstatusbox()
{
    program.reset();
}

statusbox* programstatus()
{
    return program.get();
}

void msgcomputing()
{
    if (program)
        program->printf("\n computing...");
}
