// "ii": the limits asked in a box, then the program's integrator.
#include <memory>

#include "formula/evalstate.h"
#include "formula/services.h"
#include "objects/fu.h"
#include "objects/romberg.h"
#include "numerics/toolcmds.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/screen.h"

bool integrationtrace = false;

romberg& programintegrator()
{
    static romberg integrator(33554432, 15, 1024);
    return integrator;
}

double numintegration(fu& integrand, bool trace, bool& ok)
{
    ok = false;
    if (integrand.stamp == 0)
        return 0.0;
    setboxtitle(" Numeric Integration ");
    boxframe box(7, 6, int16_t(screencols() - 7), int16_t(screenrows()), 0, 15);
    textcolor(1);
    textbackground(15);
    clrwindow(15);
    double a = numberbox(1.0, "Left limit ?");
    if (inputstate != inputstates::taken && inputstate != inputstates::empty)
        return 0.0;
    double b = numberbox(a + 1.0, "Right limit ?");
    cprintf("\n");
    if (inputstate != inputstates::taken && inputstate != inputstates::empty)
        return 0.0;
    if (b == a)
        return 0.0;
    cprintf("\n\n\rComputing the integral between\n\r%.15g and %.15g :\n\r", a, b);
    double result;
    {
        statusscope status("\n Integration under way ");
        result = programintegrator().integrate(integrand, a, b, nullptr, trace);
    }
    // A formula error (an end point or a block outside the domain) leaves
    // no integral to store; a STOP keeps the best of the blocks before.
    ok = shared.error == evalok || shared.error == evalbreak;
    cprintf("\n\rresult = %.16g\n\r", result);
    setfootercode(10);
    box.drawfooter();
    setfootercode(4);   // drawn: not for the next box
    getkey();
    return result;
}
