#include "screen/menustate.h"

#include "platform/core/requests.h"
#include "screen/host.h"
#include "screen/hoststate.h"

#include <mutex>

std::atomic<int> runmode{0};

namespace {

std::mutex livelock;   // the live table: written by the computing thread, read by any

constexpr int options = 39999, help = 39998;

struct applycall {
    const menuitem* want;
    bool force;
    menuitem* live;
};

// Window thread: the menu calls of one apply.
long applymenus(void* arg)
{
    auto* c = static_cast<applycall*>(arg);
    platform::front* f = platform::currentfront();
    for (int i = 0; i < menuitemcount; ++i) {
        const menuitem& w = c->want[i];
        menuitem& l = c->live[i];
        if (c->force || w.enabled != l.enabled) {
            l.enabled = w.enabled;
            if (f && w.id == help) {
                f->menuenabletop(2, w.enabled);
            } else if (f && w.id == options) {
                f->menuenabletop(1, w.enabled);
                f->menuenable(menuid::about, w.enabled);
            } else if (f) {
                f->menuenable(w.id, w.enabled);
            }
        }
        if (c->force || w.checked != l.checked) {
            l.checked = w.checked;
            if (f)
                f->menucheck(w.id, w.checked);
        }
    }
    return 1;
}

}  // namespace

menustate::table menustate::defaulttable()
{
    return {{{menuid::stop, 0, true, false, false},
             {options, 1, true, true, false},
             {help, 2, true, true, false},
             {menuid::argsvars, 1, false, true, true},
             {menuid::nodatabase, 1, false, true, true},
             {menuid::autojump, 1, false, true, true}}};
}

menustate::table menustate::desired() const
{
    table want = defaulttable();
    std::lock_guard guard(livelock);
    for (int i = 0; i < menuitemcount; ++i) {
        want.items[i].enabled = live_.items[i].enabled;
        if (checkfn fn = checks_[i])
            want.items[i].checked = fn();
    }
    return want;
}

void menustate::setchecksource(int id, checkfn fn)
{
    table t = defaulttable();
    for (int i = 0; i < menuitemcount; ++i)
        if (t.items[i].id == id)
            checks_[i] = fn;
}

void menustate::change(table& want, int id, bool on)
{
    for (menuitem& m : want.items)
        if (m.id == id)
            m.enabled = on;
}

void menustate::applyto(const table& want, bool force)
{
    table live;
    {
        std::lock_guard guard(livelock);
        live = live_;
    }
    applycall call{want.items, force, live.items};
    // Without a window the live state still follows.
    if (!platform::callmain(applymenus, &call))
        live = want;
    std::lock_guard guard(livelock);
    live_ = live;
}

void menustate::enable(int id)
{
    table want = desired();
    change(want, id, true);
    applyto(want, false);
}

void menustate::disable(int id)
{
    table want = desired();
    change(want, id, false);
    applyto(want, false);
}

void menustate::apply()
{
    applyto(desired(), false);
}

void menustate::applyall()
{
    applyto(desired(), true);
}

void menustate::setmodemenus(table& want)
{
    change(want, menuid::stop, false);
    change(want, options, runmode == 0);
    change(want, help, true);
}

void menustate::setbusymenus(table& want)
{
    change(want, menuid::stop, true);
    change(want, options, false);
    change(want, help, false);
}

void menustate::setmode()
{
    table want = desired();
    setmodemenus(want);
    applyto(want, false);
}

void menustate::busybegin()
{
    if (busycount == 0) {
        sendtomain(msg::curvehide);
        table want = desired();
        setbusymenus(want);
        applyto(want, false);
        abortflag = false;
        host().lastposted = 0;
    }
    ++busycount;
    stopdisabled = false;
}

void menustate::busyend()
{
    if (busycount > 0)
        --busycount;
    if (busycount == 0) {
        setmode();
        postmain(msg::curveshow);
    }
}

void menustate::disablestop()
{
    stopdisabled = true;   // first: the window thread may read it meanwhile
    disable(menuid::stop);
}

void menustate::resetbusy()
{
    if (busycount == 0)
        return;
    table want = desired();
    setbusymenus(want);
    applyto(want, false);
    abortflag = false;
    host().lastposted = 0;
    if (auto clear = host().clearbreak.load())
        clear();
    stopdisabled = false;
}

void menustate::clearflags()
{
    busycount = 0;
    abortflag = false;
    stopdisabled = false;
}

void menustate::defaults()
{
    std::lock_guard guard(livelock);
    live_ = defaulttable();
}

menuitem menustate::item(int id) const
{
    std::lock_guard guard(livelock);
    for (const menuitem& m : live_.items)
        if (m.id == id)
            return m;
    return {};
}

menustate& menus()
{
    static menustate state;
    return state;
}

bool isidle()
{
    if (host().stop)
        return false;
    auto level = host().evaluationlevel.load();
    return menus().busycount <= 1 && (!level || level() < 2);
}
