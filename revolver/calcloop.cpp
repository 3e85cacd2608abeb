#include "revolver/calcloop.h"

#include "plots/fastplotwindow.h"
#include "revolver/commands.h"
#include "revolver/revolver.h"
#include "screen/menustate.h"
#include "screen/screen.h"

void commandwait()
{
    menus().clearflags();
    runmode = 0;
    menus().setmode();
}

void commandrun()
{
    runmode = 2;
    menus().setmode();
}

void calccommandloop(calculator& c, revolver& r)
{
    for (;;) {
        r.reset();
        commandwait();
        window(1, 1, screencols(), screenrows());
        r.readonekey();
        commandrun();
        const calccommand* command = r.state == cmdreader::collecting ? findcalccommand(r) : nullptr;
        if (command) {
            command->run(c);
            if (command->torevolver) {
                r.reset();
                return;
            }
        }
        if (r.state == cmdreader::leftclick || r.state == cmdreader::plotpending) {
            fastplotmouse(c);
            continue;
        }
        if (!command)
            return;
    }
}
