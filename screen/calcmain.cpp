#include "screen/calcmain.h"
#include "screen/evalhooks.h"

#include "platform/core/requests.h"
#include "screen/hooks.h"
#include "screen/host.h"
#include "screen/hoststate.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/mathedit.h"
#include "screen/menustate.h"
#include "screen/reportbox.h"
#include "screen/statusbox.h"

#include <atomic>

namespace {

// Without a program: waits until the user quits.
void readuntilquit()
{
    for (;;) {
        keycode k = getkey();
        if ((k == key::altx || (k == key::esc && host().stop)) && mayquit())
            return;
    }
}

std::atomic<mainloopfn> mainloop{readuntilquit};

bool compiledwithoutdatabase()
{
    return screenhook().withoutdatabase && screenhook().withoutdatabase();
}

// The Options menu's check marks follow what their commands switch; the
// program installs the source of 40043 (the calculators' arguments).
void installmenuchecks()
{
    menus().setchecksource(menuid::nodatabase, compiledwithoutdatabase);
    menus().setchecksource(menuid::autojump, autojump);
    menus().apply();
}

}  // namespace

platform::readyevent& threadready()
{
    static platform::readyevent event;
    return event;
}

void setmainloop(mainloopfn fn)
{
    mainloop = fn ? fn : readuntilquit;
}

void calcmain()
{
    threadready().set();
    installevalhooks();
    menus().clearflags();
    installmenuchecks();
    setreportsink(&boxreports());
    makeeditors();
    makestatusbox();
    mainloop.load()();
    editcleanup();
    dropeditors();
    dropinputparser();
    dropstatusbox();
    setreportsink(nullptr);
    postmain(msg::threadended);
}
