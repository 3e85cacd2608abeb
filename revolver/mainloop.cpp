// The revolver's main loop: the current calculator's command loop first,
// then the revolver's own commands; anything else beeps.
#include "calculator/calculator.h"
#include "revolver/calcloop.h"
#include "revolver/commands.h"
#include "revolver/revolver.h"
#include "screen/host.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/services.h"

void revolver::mainloop()
{
    menus().disable(menuid::stop);
    menus().applyall();
    current = currentcalc();
    if (current)
        current->redraw();
    quitting = false;
    while (!quitting) {
        reset();
        commandwait();
        redrawtitle = false;
        if (current)
            calccommandloop(*current, *this);
        else
            readonekey();
        commandrun();
        if (count() == 0) {
            current = currentcalc();
            continue;
        }
        if (const revcommand* c = findrevcommand(*this)) {
            c->run();
            current = currentcalc();
        } else {
            beep();
            msgstyle(1);
            msgbox("\n no such command ! \n", 300);
        }
        reset();
    }
}
