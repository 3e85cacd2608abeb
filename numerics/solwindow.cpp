// The solver's window: "n0" and "nn".
#include <cctype>
#include <cmath>
#include <memory>
#include <new>
#include <vector>

#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "formula/varman.h"
#include "math/numtheory.h"
#include "math/vecfuncs.h"
#include "numerics/formulanl.h"
#include "numerics/nltargets.h"
#include "numerics/nlviews.h"
#include "numerics/nlwindow.h"
#include "objects/fu.h"
#include "screen/askinput.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screen.h"

namespace {

void solviewpositions(formulasolver& e)
{
    nlpage page(" Current Arguments / Values ");
    nlpositionlines(page, e);
    page.addlinef("\n\n\r                  Current values          Targets   Match\n\n\r");
    if (const double* v = e.evaluate()) {
        std::vector<double> values(v, v + e.valuecount());
        int row = 1;
        for (int i = 1; i <= int(values.size()); i++) {
            if (row <= e.mactive && e.map[row] == i - 1) {
                page.addlinef(" %-5ld %25.15g  %15g   %5.1f ", long(i), values[i - 1], e.t[row],
                              matchdigits(values[i - 1], e.t[row]));
                row++;
            } else {
                page.addlinef(" %-5ld %25.15g ", long(i), values[i - 1]);
            }
        }
    }
    page.show();
}

void solviewstep(formulasolver& e)
{
    nlpage page(" Latest iteration step data ");
    page.addlinef(" Iteration %ld \n\n\r krit = %g    longterm krit = %g   maxrank = %d \n\r"
                  " IQ = %.15g     bestIQ = %.15g \n\r littleprogresssince = %ld   littleprogresslimit = %ld\n\r"
                  " bananacounter = %d\n\n\r",
                  long(e.counter), e.krit, e.longkrit, e.maxrank, e.q, e.bestfactor, long(e.littleprogress),
                  long(e.littlelimit), e.banana);
    page.addlinef("                 Actual step            Proposed Newton step\n ");
    for (int i = 1; i <= e.n; i++)
        page.addlinef(" %-5ld   %25.15g   %25.15g", long(i), e.lamda * e.scale[i] * e.s[i], e.scale[i] * e.s[i]);
    page.show();
}

void solviewjacobi(formulasolver& e)
{
    nlpage page(" Jacobi Matrix Data ");
    page.addlinef(" Iteration %ld", long(e.counter));
    page.addlinef(" krit=%g", e.stepkrit);
    page.addlinef(" rank=%d      maxrank=%d", e.qr.rank, e.maxrank);
    page.addlinef("\n Euclidean lengths of the columns that were drawn from the Jacobi matrix\n\r"
                  " during its QR decomposition. These numbers, together with krit, maxrank \n\r"
                  " and userstep, were used to assess the rank.\n\n\r");
    int k = std::min(std::min(e.mactive, e.n), e.qr.rank + 1);
    for (int i = 1; i <= k; i++)
        page.addlinef(" %ld   %25.15g", long(i), std::sqrt(e.qr.columnratio(i)));
    page.addlinef("\nJacobi matrix  (of size %d x %d): \n\n\r", e.mactive, e.n);
    e.logmatrix(&page, e.J.data(), e.mactive, e.n);
    page.show();
}

// An entered number of iterations, held within int.
int waitingspan(double v)
{
    return v >= 2e9 ? 2000000000 : int(v);
}

// Asks for a value until it lies in (0, 1]; false when not confirmed.
bool askkrit(double& value, const char* prompt)
{
    for (;;) {
        double v = value;
        if (!asknumber(prompt, v))
            return false;
        if (v > 0 && v <= 1) {
            value = v;
            return true;
        }
        setfootercode(10);
        msgstyle(1);
        msgbox("\n Use a small positive value. Repeating input: \n");
    }
}

void soloptions(nliter& engine)
{
    formulasolver& e = static_cast<formulasolver&>(engine);
    setboxcolors(colorof(288), colorof(287), colorof(286), colorof(285), colorof(284));
    setboxtitle(" Nonlinear Solver: Options ");
    setboxlegend(" Use these options in exceptional cases only.\n\r Documentation for each is supplied at the end of \n\r \"solver.wri\" ");
    boxframe box(10, int16_t(screenrows() - 20), int16_t(screencols() - 9), int16_t(screenrows() - 4));
    if (!box.drawn())
        return;
    textcolor(colorof(282));
    textbackground(colorof(283));
    clrwindow(colorof(283));
    gotoxy(1, 1);
    cprintf("\n <t>   edit targets\n\r <s>   (re)set argument scaling\n\r <w>   change value weighting \n\r"
            " <k>   change krit (for Jacobi rank determination)\n\r <K>   change the longterm value of krit \n\r"
            " <r>   set a maximum rank for the Jacobi matrix \n\r"
            " <d>   set the waiting span (number of iterations) before a \n\r"
            "       \"little progress\"-termination condition can trigger \n\r"
            " <e>   change epsilon used for numeric derivation \n\r");
    cprintf(e.level ? " <l>   logfile writing on\n\r" : " <l>   logfile writing off\n\r");
    for (;;) {
        int key = getkey();
        switch (key) {
        case 't':
            if (e.edittargets(true))
                e.ini();
            break;
        case 's':
            if (e.editscaling(e.scale.data(), 1, e.n, " Argument Scaling Vector ")) {
                e.setscaling(e.scratch1.data());
                e.logf("user changed scaling vector");
                okbox();
            }
            break;
        case 'w':
            if (e.editscaling(e.w.data(), 1, e.mactive, " Value Weighting Vector ")) {
                e.setweights(e.scratch1.data());
                e.logf("user changed weighting vector");
                okbox();
            }
            break;
        case 'k':
            askkrit(e.krit, " Enter a value for \"krit\": ");
            e.logf("user changed krit to %g", e.krit);
            okbox();
            break;
        case 'K':
            askkrit(e.longkrit, " Longterm value of krit ? ");
            e.logf("user changed longterm krit to %g", e.longkrit);
            okbox();
            break;
        case 'r': {
            double v = e.maxrank;
            if (!asknumber(" Maximum rank ?  (enter 0 to disable) ", v))
                break;
            if (v > 0 && v < std::min(e.n, e.mactive)) {
                e.maxrank = int(v);
                okbox();
            } else {
                setfootercode(10);
                msgbox("\n Rank control: Has been disabled \n");
                e.maxrank = 0;
            }
            e.logf("user set rank control to maxrank=%d", e.maxrank);
            break;
        }
        case 'd': {
            double v = e.littlelimit;
            if (!asknumber(" Waiting span (number of iterations) ? ", v))
                break;
            if (!(v > 0)) {
                setfootercode(10);
                msgstyle(1);
                msgbox("\n Positive value expected. \n\r Input is ignored. \n");
                break;
            }
            e.littlelimit = waitingspan(v);
            e.logf("user changed littleprogresslimit to %ld", long(e.littlelimit));
            okbox();
            break;
        }
        case 'e':
            editepsilon(e, e.epsJ, " Epsilon for Jacobi matrix calculation ");
            break;
        case 'l': {
            double v = e.level;
            if (asknumber(" Input logging level: 0 (none), 1 or 2 ", v) && v >= 0 && v <= 2) {
                e.setlogging(int(v));
                okbox();
            }
            break;
        }
        case key::enter:
        case key::esc:
            return;
        default:
            msgstyle(1);
            msgbox("\n No such command \n", 800);
            break;
        }
    }
}

// The user-defined step's parameter; false when not confirmed.
bool userstep(nliter& engine)
{
    formulasolver& e = static_cast<formulasolver&>(engine);
    setboxtitle(" Parameters for the next single Step ");
    boxframe box(25, int16_t(screenrows() - 8), int16_t(screencols()), int16_t(screenrows()));
    gotoxy(1, 1);
    textbackground(6);
    textcolor(15);
    clrwindow(6);
    cprintf(" Current krit = %g \n\n\r Enter a small positive number to serve as \"krit\" \n\r"
            " or, else, a positive integer as an upper bound for \n\r the Jacobian rank ! \n\n\r",
            e.krit);
    double v = 0;
    if (!asknumber("", v))
        return false;
    e.override = v;
    if (v > 0)
        e.logf("User defined step with parameter %g", v);
    return true;
}

// Esc on a little-progress report: a new waiting span, and progress is
// measured afresh.
void reassess(nliter& engine, int key)
{
    NLsolver& e = static_cast<NLsolver&>(engine);
    if (key != key::esc || e.state != nllittleprogress)
        return;
    double v = e.littlelimit;
    if (asknumber(" Reassess progress after how many steps (choose 0 to deactivate) ? ", v)) {
        if (v >= 0) {
            e.littlelimit = waitingspan(v);
            okbox();
        } else {
            msgbox("invalid input !");
        }
    }
    e.markprogress();
}

}  // namespace

void solviewoptions(nliter& engine)
{
    formulasolver& e = static_cast<formulasolver&>(engine);
    setboxtitle(" VIEW OPTIONS ");
    setboxcolors(colorof(295), colorof(294), colorof(293), colorof(292), colorof(291));
    boxframe box(7, int16_t(screenrows() - 5), int16_t(screencols() - 7), int16_t(screenrows()));
    if (!box.drawn())
        return;
    clrwindow(colorof(290));
    textbackground(colorof(290));
    textcolor(colorof(289));
    gotoxy(1, 1);
    cprintf(" <x>   show positions\n\r <s>   show latest step \n\r <j>   show Jacobi matrix data");
    if (e.log)
        cprintf("\n\r <l>   view logfile");
    switch (nlviewkey(e, 'j', 'l')) {
    case 'x': return solviewpositions(e);
    case 's': return solviewstep(e);
    case 'j':
        if (e.counter < 1)
            msgnotyet();
        else
            solviewjacobi(e);
        return;
    }
}

bool runsolver(calculator& c, bool edit)
{
    int n = c.argcount();
    std::vector<double> start(n);
    fu* formula = startpoint(c, start);
    int values = formula ? formula->nvalues : 0;
    targetlist* list = static_cast<targetlist*>(c.targets);
    if (list)
        list->resize(values);
    else
        c.targets = list = new (std::nothrow) targetlist(values);
    if (!list || list->failed)
        return false;
    bool result = false;
    {
        auto e = std::make_unique<formulasolver>(formula, n, list);
        if (e->status != nlready) {
            msgstyle(2);
            unexpectederror(" nl could not be created ");
        } else {
            e->setstart(start.data());
            bool go = true;
            if (edit) {
                go = e->edittargets(false);
                if (go)
                    e->ini();
            } else {
                targetmismatch(n, e->mactive);
            }
            if (go)
                result = nlmainwindow(*e, c,
                                      {" Nonlinear Solver ", " Initial distance = ", userstep, soloptions, reassess});
        }
    }
    if (list->isplain()) {
        delete list;
        c.targets = nullptr;
    }
    return result;
}
