// The revolver's main loop: the current calculator's command loop first,
// then the revolver's own commands; anything else beeps.
#include "revolver/calcloop.h"
#include "revolver/commands.h"
#include "revolver/revolver.h"
#include "screen/host.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/services.h"

namespace {

void waiting()
{
    menus().clearflags();
    runmode = 0;
    menus().setmode();
}

void running()
{
    runmode = 2;
    menus().setmode();
}

}  // namespace

void revolver::mainloop()
{
    menus().disable(menuid::stop);
    menus().applyall();
    if (current)
        redrawcalc(*current);
    quitting = false;
    while (!quitting) {
        reset();
        waiting();
        redrawtitle = false;
        if (current)
            calccommandloop(*current, *this);
        else
            readonekey();
        running();
        if (count() == 0) {
            current = currentcalc();
            continue;
        }
        if (const revcommand* c = findrevcommand(*this)) {
            c->run();
        } else {
            beep();
            msgstyle(1);
            msgbox("\n no such command ! \n", 300);
        }
        reset();
    }
}
