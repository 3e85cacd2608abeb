// The plot panel object: its two windows on the front, the requests that
// make, drop, hide and show them, their painting and their mouse.  The
// window thread paints and hit-tests from the view that the computing
// thread published last.
#include "plots/plotpanel.h"

#include <mutex>

#include "platform/core/front.h"
#include "platform/core/pausegate.h"
#include "platform/core/requests.h"
#include "platform/core/surface.h"
#include "plots/paint.h"
#include "plots/panelbuttons.h"
#include "plots/panelpaint.h"
#include "plots/panelview.h"
#include "screen/hooks.h"
#include "screen/host.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/screen.h"
#include "screen/winbox.h"

std::atomic<int32_t> gotonumber{0};

namespace {

struct plotpanel {
    std::atomic<bool> created{false};
    int top = 0, side = 0;     // the front's handles (window thread)
    int hidecount = 0;         // nesting of the side panel's hiding
    int pressed = 0;           // the button the mouse holds down
    screenrect defaultarea{};  // the plot area without panels

    std::mutex lock;           // guards view
    panelview view;
};

plotpanel& panel()
{
    static plotpanel p;
    return p;
}

const panellayout& layout()
{
    static const panellayout l = panellayoutfor(screenpixwidth(), screenpixheight());
    return l;
}

panelview currentview()
{
    std::lock_guard hold(panel().lock);
    return panel().view;
}

void publish(panelview v)
{
    std::lock_guard hold(panel().lock);
    panel().view = std::move(v);
}

panelstate looks(const panelview& v)
{
    panelsituation s = v.situation;
    platform::cursorkind c = getcurrentcursor();
    s.cursor = c == platform::cursorkind::pen ? panelcursor::pen
               : c == platform::cursorkind::help ? panelcursor::help
                                                 : panelcursor::arrow;
    return updatepanel(s);
}

void invalidatepanels()
{
    plotpanel& p = panel();
    if (platform::front* f = platform::currentfront()) {
        f->panelinvalidate(p.top);
        f->panelinvalidate(p.side);
    }
}

// Requests (window thread).  The computing thread waits for each, so the
// view of the plot can be taken here.
long createpanel(long, long)
{
    plotpanel& p = panel();
    platform::front* f = platform::currentfront();
    if (p.created || !f)
        return 0;
    publish(takepanelview());
    const panellayout& l = layout();
    p.top = f->panelcreate(l.top.x, l.top.y, l.w1, l.h1);
    p.side = f->panelcreate(l.side.x, l.side.y, l.w2, l.h2);
    p.hidecount = 0;
    p.pressed = 0;
    p.defaultarea = plotarea();
    plotarea() = panelplotarea();
    p.created = true;
    platform::mainsurface().markall();
    f->invalidate();
    return 1;
}

long destroypanel(long, long)
{
    plotpanel& p = panel();
    if (!p.created)
        return 0;
    p.created = false;
    if (platform::front* f = platform::currentfront()) {
        f->paneldestroy(p.top);
        f->paneldestroy(p.side);
    }
    p.top = p.side = 0;
    plotarea() = p.defaultarea;
    return 1;
}

long hidepanel(long, long)
{
    plotpanel& p = panel();
    if (p.created && p.hidecount++ == 0)
        if (platform::front* f = platform::currentfront())
            f->panelshow(p.side, false);
    return 0;
}

long showpanel(long, long)
{
    plotpanel& p = panel();
    if (p.created && p.hidecount > 0 && --p.hidecount == 0)
        if (platform::front* f = platform::currentfront())
            f->panelshow(p.side, true);
    return 0;
}

void paint(int handle, const canvas& c)
{
    plotpanel& p = panel();
    panelview v = currentview();
    panelstate s = looks(v);
    if (handle == p.top)
        paintpanel(c, layout(), v, s, p.pressed);
    else if (handle == p.side)
        drawpanel(c, layout(), v, s, p.pressed);
}

// Help mode ends on a press that the panel explains.
void endhelp(int key)
{
    setcurrentcursor(platform::cursorkind::arrow);
    sendtomain(msg::setcursor);
    invalidatepanels();
    postkey(key);
}

void clipboardpress(const panelview& v)
{
    if (v.situation.clipboardshown)
        return;
    if (v.clipboardnumber) {
        postkey(key::tab);
        return;
    }
    platform::pausethread();
    winmsgbox("\n Clipboard is empty \n", "");
    platform::resumethread();
}

// A press on the side panel beside its buttons: a perspective's tab, or
// the clipboard's.
void tabpress(const panelview& v, int x, int y, bool help)
{
    const panelsituation& s = v.situation;
    if (panelhit(layout(), x, y, 0, s.psp, s.clipboardshown, s.insertbefore)) {
        if (help)
            endhelp(panelkey::tabhelp);
        else
            clipboardpress(v);
        return;
    }
    for (int n = 1; n <= int(v.tabs.size()); ++n)
        if (panelhit(layout(), x, y, n, s.psp, s.clipboardshown, s.insertbefore)) {
            if (help) {
                endhelp(panelkey::tabhelp);
            } else {
                gotonumber = n;
                postkey('g');
            }
            return;
        }
}

// A button's command: the focus goes back to the main window; nothing
// while a computation may be stopped.
void command(int id)
{
    if (platform::front* f = platform::currentfront())
        f->focusmain();
    if (menus().stopallowed())
        return;
    int key = panelbuttonkey(id);
    if (key > 0)
        postkey(keycode(key));
    else if (key < 0)
        winmsgbox("Feature not implemented", "");
}

void mouse(int handle, bool press, bool left, int x, int y)
{
    plotpanel& p = panel();
    if (!p.created || !left || (handle != p.top && handle != p.side))
        return;
    panelview v = currentview();
    panelstate s = looks(v);
    bool side = handle == p.side;
    int id = panelbuttonat(layout(), s, side, x, y);
    if (!press) {
        int held = p.pressed;
        p.pressed = 0;
        if (held) {
            invalidatepanels();
            if (held == id)
                command(id);
        }
        return;
    }
    bool help = getcurrentcursor() == platform::cursorkind::help;
    if (id) {
        p.pressed = id;
        invalidatepanels();
    } else if (side && v.plotshown) {
        tabpress(v, x, y, help);
    } else if (!side && help && panelmouse(layout(), v, x, y)) {
        endhelp(panelkey::mappinghelp);
    }
}

}  // namespace

void redrawpanel()
{
    if (!panel().created)
        return;
    publish(takepanelview());
    platform::callmain(
        [](void*) -> long {
            invalidatepanels();
            return 0;
        },
        nullptr);
}

bool panelcreated()
{
    return panel().created;
}

screenrect panelplotarea()
{
    const panellayout& l = layout();
    return {int16_t(l.w2 + 1), int16_t(l.h1 + 1), int16_t(screenpixwidth() - 5), int16_t(screenpixheight() - 5)};
}

void startpanel()
{
    setrequest(msg::panelcreate, createpanel);
    setrequest(msg::paneldestroy, destroypanel);
    setrequest(msg::panelhide, hidepanel);
    setrequest(msg::panelshow, showpanel);
    screenhook().panelpaint = paint;
    screenhook().panelmouse = mouse;
}
