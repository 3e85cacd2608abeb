#include "screen/host.h"

#include "base/limits.h"
#include "platform/core/clock.h"
#include "platform/core/cmdline.h"
#include "platform/core/input.h"
#include "platform/core/keyqueue.h"
#include "platform/core/monotony.h"
#include "platform/core/pausegate.h"
#include "platform/core/requests.h"
#include "platform/core/surface.h"
#include "platform/core/thread.h"
#include "screen/calcmain.h"
#include "screen/hooks.h"
#include "screen/hoststate.h"
#include "screen/hotspot.h"
#include "screen/infowin.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/screen.h"
#include "screen/tgwscreen.h"
#include "screen/winbox.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace platform;

namespace {

constexpr int firstcode = 3025, lastcode = 3050;
std::atomic<requestfn> handlers[lastcode - firstcode + 1];
std::atomic<cursorkind> currentcursor{cursorkind::arrow};

void showcursor()
{
    if (front* f = currentfront())
        f->setcursor(currentcursor);
}

// The caret's requests; the text screen keeps its place and shape in the
// host state.
void placecaret()
{
    hoststate& h = host();
    if (front* f = currentfront())
        f->caretmove(h.caretx, h.carety);
}

void showcaret()
{
    hoststate& h = host();
    placecaret();
    if (h.careton && h.carethidecount == 0 && h.focus) {
        if (front* f = currentfront())
            f->caretvisible(true);
        h.caretshown = true;
    }
    showcursor();
}

void hidecaret()
{
    hoststate& h = host();
    if (!h.caretshown || !h.focus)
        return;
    if (front* f = currentfront())
        f->caretvisible(false);
    h.caretshown = false;
}

void createcaret()
{
    hoststate& h = host();
    if (front* f = currentfront())
        f->caretcreate(h.caretwidth, h.careth);
    showcaret();
}

void postmouse(keycode code)
{
    if (host().waitingforkey)
        postkey(code);
}

const char notreachedtext[] =
    "Tried to abort computation - failed this time.\n\rThread1 has to intercept thread2 asynchronously."
    "\n\n\rThis message is not redisplayed. Keep trying \n\rseveral times until successful.";

bool evaluationrunning()
{
    auto fn = host().evaluating.load();
    return fn && fn();
}

bool computing()
{
    return evaluationrunning() || menus().busycount > 0;
}

// Breaks an evaluation, ends a long computation at its next checkpoint and
// lets every dialogue unwind: getkey answers Esc from now on.
void stopall()
{
    hoststate& h = host();
    if (evaluationrunning())
        if (auto brk = h.userbreak.load())
            brk();
    menus().abortflag = true;
    h.stop = true;
    postkey(key::esc);
}

void closeprocedure()
{
    hoststate& h = host();
    if (!h.running)
        return;
    if (h.focus && h.caretshown && h.carethidecount == 0) {
        hidecaret();
        h.careton = false;
    }
    // Only a computation under way is asked about; any other state (a box
    // shown for a moment, a dialogue between two keys) ends as it stands.
    if (h.waitcount == 0 && computing() && !confirmabort())
        return;
    stopall();
}

}  // namespace

bool forwardkey(const keydown& k, bool declinedescgoeson)
{
    hoststate& h = host();
    if (!h.running || paused())
        return false;
    keycode code;
    if (!translatekey(k, code))
        return false;
    if (code == 0)
        return true;
    if (code == key::esc && h.lastposted == key::esc) {
        h.lastposted = 0;
        if (confirmabort() || !declinedescgoeson)
            return true;
        postkey(code);
    } else if (code == key::esc && !menus().stopallowed()) {
        postkey(code);
    } else {
        h.lastposted = code;
        postkey(code);
    }
    return true;
}

namespace {

class events : public hostevents {
public:
    bool key(const keydown& k) override { return forwardkey(k, false); }
    bool cantype(int ch) const override { return charcode(ch) >= 0; }

    void infopaint(int handle, const canvas& c) override { ::infopaint(handle, c); }
    bool infokey(int handle, const keydown& k) override { return ::infokey(handle, k); }
    void infoclose(int handle) override { infowmclose(handle); }

    void panelpaint(int handle, const canvas& c) override
    {
        if (auto fn = screenhook().panelpaint)
            fn(handle, c);
    }
    void panelmouse(int handle, mouseaction action, mousebutton button, int x, int y) override
    {
        if (action == mouseaction::move)
            return;
        if (auto fn = screenhook().panelmouse)
            fn(handle, action == mouseaction::press, button == mousebutton::left, x, y);
    }

    void mouse(mouseaction action, mousebutton button, int x, int y) override
    {
        inputstate& in = input();
        in.setposition(x, y);
        bool left = button == mousebutton::left;
        if (action == mouseaction::move) {
            showcursor();
        } else if (action == mouseaction::press) {
            if (left) {
                in.setleft(true);
                in.setleftpress(x, y);
            } else {
                in.setright(true);
                in.setrightpress(x, y);
            }
            // A press on a hot spot is swallowed.
            if (!left || walkhotspots(true, true) == 0)
                postmouse(left ? key::leftdown : key::rightdown);
        } else {
            if (left)
                in.setleft(false);
            else
                in.setright(false);
            int16_t spot = left ? walkhotspots(true, false) : 0;
            postmouse(spot > 0 ? keycode(spot) : left ? key::leftup : key::rightup);
        }
    }

    void close() override
    {
        host().closerequested = true;
        closeprocedure();
    }

    void terminate() override
    {
        hoststate& h = host();
        if (!h.running)
            return;
        h.closerequested = true;
        stopall();
    }

    void command(int id) override { menucommand(id); }

    void moved(int clientx, int clienty, int framex, int framey) override
    {
        hoststate& h = host();
        h.clientx = clientx;
        h.clienty = clienty;
        h.framex = framex;
        h.framey = framey;
    }

    bool busy() const override { return menus().busycount > 0 || evaluationrunning(); }

    void focus(bool in) override
    {
        hoststate& h = host();
        if (in) {
            h.focus = true;
            createcaret();
            return;
        }
        hidecaret();
        h.focus = false;
        if (front* f = currentfront())
            f->caretdestroy();
    }
};

events sink;

void markdirty()
{
    if (front* f = currentfront())
        f->invalidate();
}

void fail(const char* text)
{
    std::fprintf(stderr, "VEMO: %s\n", text);
    winbugbox(text);
}

}  // namespace

hostevents& hostsink()
{
    return sink;
}

void setrequest(int code, requestfn fn)
{
    if (code >= firstcode && code <= lastcode)
        handlers[code - firstcode] = fn;
}

void setcurrentcursor(cursorkind kind)
{
    currentcursor = kind;
}

cursorkind getcurrentcursor()
{
    return currentcursor;
}

void putpointer(int x, int y)
{
    struct place {
        int x, y;
    } p{x, y};
    callmain(
        [](void* arg) -> long {
            auto* p = static_cast<place*>(arg);
            if (front* f = currentfront())
                f->warppointer(p->x, p->y);
            return 0;
        },
        &p);
}

bool confirmabort()
{
    hoststate& h = host();
    if (!evaluationrunning() && menus().busycount == 0) {
        static bool told = false;
        if (!told) {
            told = true;
            pausethread();
            winmsgbox(notreachedtext, "");
            resumethread();
        }
        return false;
    }
    pausethread();
    h.lastposted = 0;
    front* f = currentfront();
    boxanswer answer = f ? f->messagebox("Abort the computation which is under way ?", "", boxbuttons::yesno,
                                         boxicon::exclamation, true)
                         : boxanswer::no;
    resumethread();
    if (answer != boxanswer::yes)
        return false;
    if (evaluationrunning())
        if (auto brk = h.userbreak.load())
            brk();
    menus().abortflag = true;
    return true;
}

bool lauchthread2()
{
    hoststate& h = host();
    if (h.running) {
        winbugbox("Attempted reentrance of lauchthread2()");
        return true;
    }
    threadready().reset();
    if (!thread2().start(calcmain)) {
        fail(" Could not create thread2 ");
        return false;
    }
    if (!threadready().wait(limits::readywaitms)) {
        fail("Thread 2 did not reach ready state after 8 seconds.\n\rApplication terminates.");
        return false;
    }
    h.running = true;
    resumethread();
    return true;
}

// The thread posts 3031 as its last act, so it ends soon; the window and
// what the thread draws into are freed only after it has ended.
void cleanupthread2()
{
    if (!thread2().join(limits::cleanupwaitms)) {
        winmsgbox("cleanupthread2() was called with thread2 still operating", "");
        thread2().join(-1);
    }
    host().running = false;
    closerequests();
    if (front* f = currentfront())
        f->destroywindow();
}

namespace {

// The new frame corner along one axis: 0 when the rectangle starts before
// the work area, never so far that it ends beyond it.
int placeaxis(int framepos, int offset, int start, int end, int workend)
{
    int pos = start + offset + framepos < 0 ? 0 : framepos;
    return std::min(pos, workend - end - offset);
}

}  // namespace

void makevisible(int left, int top, int right, int bottom, bool incells)
{
    hoststate& h = host();
    if (!h.autojump)
        return;
    if (incells) {
        screensurface& s = mainsurface();
        int cw = s.width() / limits::screencolumns, ch = s.height() / limits::screenrows;
        left = (left - 1) * cw;
        top = (top - 1) * ch;
        right = right * cw - 1;
        bottom = bottom * ch - 1;
    }
    int cx = h.clientx, cy = h.clienty, fx = h.framex, fy = h.framey;
    if (left + cx >= h.workleft && top + cy >= h.worktop && right + cx < h.workright && bottom + cy < h.workbottom)
        return;
    int x = placeaxis(fx, cx - fx, left, right, h.workright - 1);
    int y = placeaxis(fy, cy - fy, top, bottom, h.workbottom - 1);
    sendtomain(msg::movewindow, x, y);
    sleepms(200);
}

void setautojump(bool on)
{
    host().autojump = on;
}

bool autojump()
{
    return host().autojump;
}

void tofront()
{
    callmain(
        [](void*) -> long {
            if (front* f = currentfront())
                f->tofront();
            return 0;
        },
        nullptr);
}

long tgw40proc(int code, long a, long b)
{
    front* f = currentfront();
    switch (code) {
    case msg::capture:
        if (f)
            f->capture(true);
        return 0;
    case msg::release:
        if (f)
            f->capture(false);
        return 0;
    case msg::caretshow:
        showcaret();
        return 0;
    case msg::carethide:
        hidecaret();
        return 0;
    case msg::caretmove:
        placecaret();
        return 0;
    case msg::caretcreate:
        createcaret();
        return 0;
    case msg::threadended:
        cleanupthread2();
        return 0;
    case msg::movewindow:
        if (f)
            f->movewindow(int(a), int(b));
        return 0;
    case msg::setfocus:
        if (f)
            f->focusmain();
        return 0;
    case msg::setcursor:
        showcursor();
        return 0;
    case msg::monotonyshow:
        if (f)
            f->monotonyshow(platform::monotonyunit(charwidth(), charheight()));
        return 0;
    case msg::monotonyclose:
        if (f)
            f->monotonyclose();
        return 0;
    }
    if (code >= firstcode && code <= lastcode)
        if (requestfn fn = handlers[code - firstcode])
            return fn(a, b);
    return 0;
}

// The switches as the text screen reads them: the words, blank-separated.
static std::string joinedcommandline()
{
    std::string line;
    for (const std::string& w : commandline())
        line += (line.empty() ? "" : " ") + w;
    return line;
}

std::string maintitle()
{
    std::string dir;
    if (char* cwd = getcwd(nullptr, 0)) {
        dir = cwd;
        std::free(cwd);
    }
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    if (dir.size() < 80)
        dir.append(80 - dir.size(), ' ');
    return "VEMO   " + dir;
}

// What start-up clears, so that a host can run again in one process.
void resetstate()
{
    hoststate& h = host();
    h.stop = false;
    h.closerequested = false;
    h.waitcount = 0;
    h.waitingforkey = false;
    h.lastposted = 0;
    computekeys().flush();
    menus().clearflags();
    menus().defaults();
    runmode = 0;
}

int vemohost(front& f)
{
    resetstate();
    setwindowthread();
    setfront(&f);
    sethost(&sink);
    setrequesthandler(tgw40proc);
    reopenrequests();
    screeninit(joinedcommandline().c_str());
    screensurface& s = mainsurface();
    if (!s.exists()) {
        // The default cell of a wide desktop until the text screen sizes it.
        s.create(limits::screencolumns * 10, limits::screenrows * 18);
    }
    s.setnotify(markdirty);
    int wl, wt, wr, wb;
    f.workarea(wl, wt, wr, wb);
    hoststate& h = host();
    h.workleft = wl;
    h.worktop = wt;
    h.workright = wr;
    h.workbottom = wb;
    int status = 4;
    if (!f.createwindow("VEMO")) {
        std::fputs("VEMO: the main window could not be made\n", stderr);
    } else {
        screencreate();
        if (!lauchthread2()) {
            f.destroywindow();
        } else {
            f.settitle(maintitle());
            showcursor();
            status = f.run();
        }
    }
    // From here on the computing thread (if it still runs) gets no answers.
    closerequests();
    setfront(nullptr);
    return status;
}
