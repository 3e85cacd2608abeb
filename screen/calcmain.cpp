#include "ui/evalhooks.h"
#include "ui/calcmain.h"

#include "objects/context.h"
#include "platform/core/requests.h"
#include "ui/host.h"
#include "ui/hoststate.h"
#include "ui/inputdialogs.h"
#include "ui/keys.h"
#include "ui/mathedit.h"
#include "ui/menustate.h"
#include "ui/reportbox.h"
#include "ui/statusbox.h"
#include "ui/screendemo.h"

#include <atomic>

namespace {

void readuntilquit()
{
    for (;;) {
        keycode k = getkey();
        if ((k == key::altx || (k == key::esc && host().stop)) && quitprogram())
            return;
        screenecho(k);
    }
}

std::atomic<mainloopfn> mainloop{readuntilquit};

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
    setreportsink(&boxreports());
    makestatusbox();
    makeeditors();
    mainloop.load()();
    editcleanup();
    dropeditors();
    dropinputparser();
    dropstatusbox();
    setreportsink(nullptr);
    postmain(msg::threadended);
}
