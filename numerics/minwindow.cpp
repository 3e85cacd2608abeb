// The minimizer's window: "Mi" and "Ma".
#include <cctype>
#include <memory>
#include <vector>

#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "math/vecfuncs.h"
#include "numerics/formulanl.h"
#include "numerics/nlviews.h"
#include "numerics/nlwindow.h"
#include "screen/askinput.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/palette.h"
#include "screen/popup.h"
#include "screen/screen.h"
#include "screen/textlist.h"

namespace {

void minviewpositions(NLminimizer& e)
{
    nlpage page(" Current position ");
    nlpositionlines(page, e);
    page.show();
}

void minviewstep(NLminimizer& e)
{
    if (!e.stationarity())
        return;
    nlpage page(" Latest iteration step data ");
    page.addlinef(" Iteration %ld", long(e.counter));
    page.addlinef(" Angle between gradient and latest step: %10.4f degrees \n",
                  vecangle(e.scratch1.data(), e.scratch2.data(), 1, e.n));
    page.addlinef("                 Latest step              Gradient\n ");
    for (int i = 1; i <= e.n; i++)
        page.addlinef(" %-5ld %25.15g %25.15g", long(i), e.scratch1[i], e.scratch2[i]);
    page.show();
}

void minviewhessian(NLminimizer& e)
{
    if (!e.hessiananalysis())
        return;
    nlpage page(" Hesse matrix data ");
    page.addlinef(" Iteration %ld", long(e.counter));
    page.addlinef("                   Hessian eigenvalues                 Angles of eigenvectors ");
    page.addlinef("                      at position:                          measured against: ");
    page.addlinef("                current                 latest             step     gradient\n ");
    for (int i = 1; i <= e.n; i++)
        page.addlinef(" %-5ld %23.13g %23.13g  %9.4f  %9.4f", long(i), e.scratch1[i], e.scratch2[i],
                      e.anglestep[i], e.anglegrad[i]);
    page.show();
}

void minoptionsinfo()
{
    menus().disable(39998);
    setpopupx(1);
    setpopupy(1);
    msgstyle(3);
    setboxtitle(" I N F O ");
    msgbox(" Use these options in exceptional cases only. You'll never need \n\r"
           " <m> and <o>. At times, you may need a nondefault argument scaling \n\r"
           " or epsilons on special numeric instances. More on these features \n\r"
           " and on <l> is in \"minimize.wri\" at the end of part 1. \n\n\r"
           " The window may change its contents in response to your action. \n\r"
           " It always shows the state that is currently active.");
    menus().enable(39998);
}

void minoptions(nliter& engine)
{
    NLminimizer& e = static_cast<NLminimizer&>(engine);
    for (;;) {
        msgbuffer m(0, 0, 0, 0, 2048);
        m.addf("\n <e>   edit epsilons used for numeric derivation \n\r       (current values before scaling:\n\r"
               "       %.10f  used for gradient \n\r       %.10f  used for Hesse matrix) \n\r",
               e.epsG, e.epsH);
        m.addf(" <s>   (re)set argument scaling\n\r");
        m.addf(e.refine ? " <m>   enable mu fine tuning by binary search \n\r"
                        : " <m>   use raw Gerschgorin estimate for mu\n\r");
        m.addf("%s overrelaxation during line-search\n\r", e.extrapolate ? " <o>   enable" : " <o>   disable");
        m.addf(e.level ? " <l>   logfile writing on\n\r" : " <l>   logfile writing off\n\r");
        setboxtitle(" Nonlinear Mini-/Maximizer Options ");
        setfootertext(" cancel wit <esc> ");
        msgstyle(4);
        m.showpopup();
        int key = getkey();
        m.hide();
        switch (key < 256 ? std::tolower(key) : key) {
        case 'e':
            editepsilon(e, e.epsG, " Epsilon to be used for gradient calculation ");
            editepsilon(e, e.epsH, " Epsilon to be used for Hesse matrix calculation ");
            break;
        case 's':
            if (e.editscaling(e.scale.data(), 1, e.n, " Edit Argument Scaling ")) {
                e.setscaling(e.scratch1.data());
                okbox();
            }
            break;
        case 'm':
            e.refine = !e.refine;
            okbox();
            break;
        case 'o':
            e.extrapolate = !e.extrapolate;
            okbox();
            break;
        case 'l':
            e.setlogging(e.level ? 0 : 1);
            okbox();
            break;
        case key::f1:
            minoptionsinfo();
            break;
        case key::enter:
        case key::esc:
            return;
        default:
            break;
        }
    }
}

}  // namespace

void minviewoptions(nliter& engine)
{
    NLminimizer& e = static_cast<NLminimizer&>(engine);
    setboxtitle(" VIEW OPTIONS ");
    setboxcolors(colorof(293), colorof(292), colorof(291), 0, 0);
    boxframe box(7, int16_t(screenrows() - 9), int16_t(screencols() - 7), int16_t(screenrows()));
    if (!box.drawn())
        return;
    clrwindow(colorof(290));
    textbackground(colorof(290));
    gotoxy(1, 1);
    nlstatusline(e, colorof(289));
    cprintf("\n\r <x>   show positions\n\r <s>   show latest step and gradient\n\r"
            " <h>   show Hessian eigenvalues and angles");
    if (e.log)
        cprintf("\n\r <v>   view logfile");
    switch (nlviewkey(e, 'h', 'v')) {
    case 'x': return minviewpositions(e);
    case 's': return minviewstep(e);
    case 'h': return minviewhessian(e);
    }
}

bool runminimizer(calculator& c, int sign)
{
    int n = c.argcount();
    if (n < 2) {
        tell("\n \"%s\" expects a calculator with at least two arguments ! \n", sign == 1 ? "Ma" : "Mi");
        return false;
    }
    std::vector<double> start(n);
    fu* formula = startpoint(c, start);
    auto e = std::make_unique<formulaminimizer>(formula, n, c.calling ? c.calling->selectedvalue : 1,
                                                sign == 1 ? 1 : -1, start.data());
    if (e->status != nlready) {
        msgstyle(2);
        unexpectederror(" nl could not be created ");
        return false;
    }
    return nlmainwindow(*e, c,
                        {sign == 1 ? " Nonlinear Maximizer " : " Nonlinear Minimizer ", " Initial F(x) = ", nullptr,
                         minoptions, nullptr});
}
