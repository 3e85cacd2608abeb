// The main window's menu commands.
#include "platform/core/pausegate.h"
#include "screen/host.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/printjob.h"
#include "screen/tgwscreen.h"
#include "screen/winbox.h"

namespace {

const char debugwarning[] =
    "This is a menu full of undocumented commands designed to\n\rhelp testing runtime components in isolation. It is of\n\r"
    "no benefit except if you must look under the hood to \n\rtrack down bugs. Continue anyway ?";

struct typed {
    int id;
    const char* keys;
};

// Items that type a command for the user.
const typed typedcommands[] = {
    {menuid::autojump, "oj"}, {menuid::argsvars, "oa"}, {menuid::randomseed, "or"},
    {menuid::textfile, "ot"}, {menuid::nodatabase, "od"}, {menuid::fontproperties, "ooF"},
    {menuid::priority, "op"}, {menuid::recognizer, "oo_r"},
    {40031, "og"}, {40034, "om"}, {40035, "oof"}, {40036, "oom"}, {40039, "ooc"}, {40041, "ook"},
};

void attach(const char* name)
{
    if (platform::front* f = platform::currentfront())
        f->attachmenu(name);
}

void askdebugmenu()
{
    if (nativebox(debugwarning, "", platform::boxbuttons::yesno, platform::boxicon::stop)
        == platform::boxanswer::yes)
        attach("DERAruri");
}

void printerfontcommand()
{
    platform::pausethread();
    bool chosen = choosefont(false);
    platform::resumethread();
    if (chosen)
        setprinterfontchoice(true);
}

}  // namespace

void menucommand(int id)
{
    for (const typed& c : typedcommands)
        if (c.id == id) {
            postkeys(c.keys);
            return;
        }
    switch (id) {
    case menuid::stop: confirmabort(); break;
    case menuid::help: postkey(key::f1); break;
    case menuid::about: postkey(key::f10); break;
    case menuid::printerfont: printerfontcommand(); break;
    case menuid::debugmenu: askdebugmenu(); break;
    case menuid::decontaminate: flushcells(); break;
    case menuid::handles:
        msgboxf("\n Number of handles: %ld \n", vscreen ? vscreen->store().handlesinuse() : 0L);
        break;
    case menuid::snapshot:
        if (vscreen)
            vscreen->snapshot(1, 8, 80, 30);
        break;
    case menuid::statusscreen: statusscreen(); break;
    case menuid::exitdebug:
        attach("STOPMENU");
        menus().applyall();
        break;
    default: winmsgbox("Feature not implemented", ""); break;
    }
}
