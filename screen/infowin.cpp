#include "screen/infowin.h"

#include "base/limits.h"
#include "base/objcount.h"
#include "platform/core/codepage.h"
#include "platform/core/fonts.h"
#include "platform/core/pausegate.h"
#include "platform/core/requests.h"
#include "screen/host.h"
#include "screen/hoststate.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/screenstate.h"
#include "screen/tgwscreen.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace {

constexpr int infoclass = 2107;
constexpr uint32_t defaultbk = 0xD0FFB0;

struct listhead {
    int count = 0;
    infowin* first = nullptr;

    int recount()
    {
        count = 0;
        for (infowin* w = first; w; w = w->next)
            ++count;
        return count;
    }
};

std::recursive_mutex listlock;
listhead infolist;
std::atomic<int> hidecount{0};
int spacing = 0;
std::string pendingtitle = "Info";
uint32_t pendingbk = 0;
bool bkpending = false;

const font& infofont()
{
    static std::unique_ptr<font> f;
    if (!f)
        f = std::make_unique<font>(scr.text ? scr.text->spec() : fontspec{});
    return *f;
}

platform::front* fr()
{
    return platform::currentfront();
}

// Takes w out of the list; false when it is not there.
bool unlink(infowin* w)
{
    std::lock_guard guard(listlock);
    for (infowin** p = &infolist.first; *p; p = &(*p)->next)
        if (*p == w) {
            *p = w->next;
            infolist.recount();
            return true;
        }
    return false;
}

// Removes the element from the list and deletes it when it was there.
bool chaindelete(infowin* w)
{
    if (!w || !unlink(w))
        return false;
    delete w;
    return true;
}

infowin* bywindow(int window)
{
    for (infowin* w = infolist.first; w; w = w->next)
        if (w->window == window)
            return w;
    return nullptr;
}

uint32_t topixel(uint32_t colorref)
{
    return (colorref & 0xFF) << 16 | (colorref & 0xFF00) | (colorref >> 16 & 0xFF);
}

struct createcall {
    std::string title;
    int x, y, width, height;
};

long createwindow(void* arg)
{
    auto* c = static_cast<createcall*>(arg);
    return fr() ? fr()->infocreate(c->title, c->x, c->y, c->width, c->height) : 0;
}

struct showcall {
    int window;
    bool shown, iconic;
};

// Window thread: shows or hides; hiding reads whether it was iconic.
long showwindow(void* arg)
{
    auto* c = static_cast<showcall*>(arg);
    if (!fr())
        return 0;
    if (!c->shown)
        c->iconic = fr()->infoiconic(c->window);
    fr()->infoshow(c->window, c->shown, c->iconic);
    if (c->shown)
        fr()->infoinvalidate(c->window);
    return 0;
}

struct positioncall {
    int window;
    int x = 0, y = 0;
};

long windowposition(void* arg)
{
    auto* c = static_cast<positioncall*>(arg);
    return fr() && fr()->infoposition(c->window, c->x, c->y);
}

// Shows or hides every window; the lock is not held while the window
// thread works.
void showall(bool shown)
{
    std::vector<showcall> calls;
    {
        std::lock_guard guard(listlock);
        for (infowin* w = infolist.first; w; w = w->next)
            calls.push_back({w->window, shown, w->iconic});
    }
    for (showcall& c : calls)
        platform::callmain(showwindow, &c);
    if (!shown) {
        std::lock_guard guard(listlock);
        for (const showcall& c : calls)
            if (infowin* w = bywindow(c.window))
                w->iconic = c.iconic;
    }
}

long destroywindow(void* arg)
{
    if (fr())
        fr()->infodestroy(int(reinterpret_cast<long>(arg)));
    return 0;
}

}  // namespace

void infolayout(const std::string& text, int maxcolumns, int maxrows, int& columns, int& lines)
{
    int limit = maxcolumns + 2 - 3;
    int count = 0, widest = 0;
    lines = 1;
    for (size_t i = 0; i < text.size() && lines < maxrows - 2; ++i) {
        char c = text[i];
        bool cut = count >= limit && c != '\r' && c != '\n';
        if (c == '\n' || cut)
            ++lines;
        if (c == '\r' || cut)
            count = 0;
        else if (c != '\n')
            widest = std::max(widest, ++count);
    }
    columns = std::max(widest, 1);
}

infowin::infowin(const char* t, int column, int row, const char* tg) : text(t ? t : ""), tag(tg)
{
    objcount(infoclass);
    background = bkpending ? pendingbk : defaultbk;
    bkpending = false;
    const font& f = infofont();
    charwidth = int16_t(f.cellwidth());
    lineheight = int16_t(f.cellheight() + std::clamp(spacing, 0, 5));
    int cols = 0, nlines = 0;
    infolayout(text, limits::screencolumns, limits::screenrows, cols, nlines);
    columns = int16_t(cols);
    lines = int16_t(nlines);

    hoststate& h = host();
    pixelpoint p = celltopixel(column, row);
    int width = std::min<int>(columns, limits::screencolumns) * charwidth;
    int x = std::max(0, std::min(p.x + h.clientx, h.workright - width));
    int y = std::max(0, std::min(p.y + h.clienty, h.workbottom - 10 * scr.cellh));
    // The title shows the characters that the screen's code page gives the bytes.
    createcall call{platform::codepageutf8(pendingtitle, !fontisansi()), x, y, columns * charwidth, lines * lineheight};
    pendingtitle = "Info";
    window = int(platform::callmain(createwindow, &call));
    {
        std::lock_guard guard(listlock);
        next = infolist.first;
        infolist.first = this;
        infolist.recount();
    }
    if (window && hidecount == 0) {
        showcall show{window, true, false};
        platform::callmain(showwindow, &show);
    }
}

infowin::~infowin()
{
    objcount(-infoclass);
    unlink(this);  // a window deleted directly leaves no stale list entry
    if (window)
        platform::callmain(destroywindow, reinterpret_cast<void*>(long(window)));
}

void infowin::paint(const canvas& c) const
{
    uint32_t bk = topixel(background);
    fillrect(c, {0, 0, c.width, c.height}, bk);
    const font& f = infofont();
    int column = 1, line = 1;
    size_t start = 0, n = 0;
    auto flush = [&](int col, int ln) {
        if (n)
            drawtext(c, (col - 1) * charwidth, (ln - 1) * lineheight, f,
                     reinterpret_cast<const unsigned char*>(text.data() + start), int(n), 0, bk);
        n = 0;
    };
    int runcolumn = 1;
    for (size_t i = 0; i < text.size() && line <= lines; ++i) {
        char ch = text[i];
        bool beyond = column > columns;
        if (ch == '\n' || ch == '\r' || beyond) {
            flush(runcolumn, line);
            if (ch == '\n' || beyond)
                ++line;
            if (ch == '\r' || beyond)
                column = 1;
            if (ch == '\n' || ch == '\r')
                continue;
        }
        if (n == 0) {
            start = i;
            runcolumn = column;
        }
        ++n;
        ++column;
    }
    if (line <= lines)
        flush(runcolumn, line);
}

void infoclose(const char* tag)
{
    if (!tag || !*tag)
        return;
    std::vector<infowin*> gone;
    {
        std::lock_guard guard(listlock);
        for (infowin** p = &infolist.first; *p;) {
            if ((*p)->tag && std::string((*p)->tag) == tag) {
                gone.push_back(*p);
                *p = (*p)->next;
            } else {
                p = &(*p)->next;
            }
        }
        infolist.recount();
    }
    for (infowin* w : gone)
        delete w;
}

void infodrop(infowin* w)
{
    if (!w)
        return;
    chaindelete(w);
    repaintmain();
}

void infohideall()
{
    if (hidecount++ > 0)
        return;
    showall(false);
    repaintmain();
}

void infoshowall()
{
    if (hidecount == 0 || --hidecount > 0)
        return;
    flushcells();
    showall(true);
}

int infocount()
{
    std::lock_guard guard(listlock);
    return infolist.count;
}

void setinfospacing(int pixels)
{
    spacing = pixels;
}

void setinfotitle(const char* text)
{
    pendingtitle = text ? text : "Info";
}

void setinfobk(uint32_t colorref)
{
    pendingbk = colorref;
    bkpending = true;
}

void setinfobkindex(int index)
{
    if (colorvalid(index))
        setinfobk(colorref(index));
}

void infopaint(int window, const canvas& c)
{
    std::lock_guard guard(listlock);
    if (infowin* w = bywindow(window))
        w->paint(c);
}

bool infokey(int window, const platform::keydown& k)
{
    return forwardkey(k, true);
}

void infowmclose(int window)
{
    infowin* w;
    {
        std::lock_guard guard(listlock);
        w = bywindow(window);
    }
    chaindelete(w);
}

void infoholder::hold(infowin* w)
{
    close();
    window = w ? w->window : 0;
}

infowin* infoholder::get() const
{
    std::lock_guard guard(listlock);
    return window ? bywindow(window) : nullptr;
}

void infoholder::close()
{
    infowin* w = get();
    positioncall where{window};
    if (w && platform::callmain(windowposition, &where)) {
        lastcolumn = pixeltocellx(where.x - host().clientx);
        lastrow = pixeltocelly(where.y - host().clienty);
    }
    window = 0;
    if (w)
        infodrop(w);
}
