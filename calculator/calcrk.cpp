// A calculator in a Runge-Kutta mode: the solver made from a set-up record,
// the switch "dd" between the modes, the information window and the
// transfer formula of "fp" and "fd".
#include <algorithm>
#include <cctype>
#include <cstring>
#include <new>
#include <string>
#include <vector>

#include "base/limits.h"
#include "base/serial.h"
#include "calculator/calcfunm.h"
#include "calculator/rkdialog.h"
#include "calculator/rknames.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/screen.h"

#include "calculator/calculator.h"
#include "calculator/rk.h"
#include "calculator/rksetup.h"
#include "calculator/valuebox.h"
#include "formula/varman.h"
#include "math/valtable.h"
#include "screen/msgbox.h"

bool calculator::makemyrk()
{
    if (!setup || !setup->complete() || setup->kind == rkkind::direct || solver) {
        unexpectederror(" Invalid call to makemyrk() ");
        return false;
    }
    size_t n = setup->shape.statelength();
    auto* rk = new (std::nothrow) RK;
    std::shared_ptr<valtable> table(new (std::nothrow) valtable(uint32_t(n)));
    bool ok = rk && table && table->startvector;
    if (ok) {
        std::copy(setup->start, setup->start + std::min<size_t>(n, setup->startcount), table->startvector);
        rk->shape = setup->shape;
        ok = rk->setformula(setup->formula);
    }
    if (!ok) {
        delete rk;
        return false;
    }
    rk->vars = setup->variables;
    setup->variables = nullptr;
    rk->table = table;
    rk->owner = this;
    rk->ownerkind = RK::ownercalculator;
    solver = rk;
    initvalues = table;
    delete setup;
    setup = nullptr;
    enterrk();
    return true;
}

namespace {
// The table takes the new state length; its start values are zero.
bool resizetable(valtable& t, size_t n)
{
    if (!t.setsize(uint32_t(n)))
        return false;
    std::fill(t.startvector, t.startvector + n, 0.0);
    return true;
}
}

void calculator::enterrk()
{
    mode = solver->shape.arclength ? calcmode::arclength : calcmode::rungekutta;
    loadargbox();
    if (arcvaluebox* box = argumentbox())
        box->moveto(0, 0);
    setstatus(calcstatus::mustimplement);
}

void calculator::switchmode()
{
    if (isdirectmode()) {
        if (solver) {
            if (const char* text = formulatext(); text && *text)
                solver->setformula(text);
            solver->version = newserial();
            enterrk();
        } else {
            if (!setup)
                setup = new (std::nothrow) rksetup;
            if (setup && rkinitdialogue(*setup, formulatext()) && makemyrk()) {
                setstatus(calcstatus::mustimplement);
            } else {
                delete setup;
                setup = nullptr;
            }
        }
    } else if (solver) {
        char independent[2] = {solver->shape.independent, 0};
        std::string text = solver->formula ? solver->formula : "";
        int32_t keep = mode;
        mode = calcmode::direct;
        if (setformula(text.c_str(), independent)) {
            reimplement();
            loadargbox();
        } else {
            mode = keep;
        }
    }
    redraw();
}

bool calculator::chooseindependent()
{
    if (!solver)
        return false;
    std::string title = std::string(" Independent Variable (currently: \"") + solver->shape.independent + "\") ";
    setboxtitle(title.c_str());
    msgstyle(3);
    setmsgtime(0);
    bool changed = false;
    for (;;) {
        int k = msgbox("\nWhich character should be used as independent variable ?\n\rPress the corresponding key please !\n\r");
        if (k == key::esc || k <= 0)
            break;
        if (k < 128 && std::isalpha(k)) {
            changed = changed || solver->shape.independent != char(k);
            solver->shape.independent = char(k);
            break;
        }
    }
    if (changed) {
        solver->invalidate();
        solver->version = newserial();
        loadargbox();
    }
    return changed;
}

bool calculator::setrkcount(bool order)
{
    uint16_t v = order ? solver->shape.order : solver->shape.dimension;
    const char* title = order ? " Order of Differential Equation ? " : " Number of values of Differential Equation ? ";
    int limit = order ? rkshape::maxorder : rkshape::maxdimension;
    if (!askcount(title, "\n Not accepted. Expecting a number between 1 and %d. \n", limit, v))
        return false;
    uint16_t& field = order ? solver->shape.order : solver->shape.dimension;
    if (v == field)
        return false;
    field = v;
    if (v != 1)
        solver->shape.arclength = false;
    resizetable(*initvalues, solver->statelength());
    solver->invalidate();
    solver->version = newserial();
    mode = solver->shape.arclength ? calcmode::arclength : calcmode::rungekutta;
    return true;
}

bool calculator::togglearclength()
{
    rkshape& s = solver->shape;
    if (s.order != 1 || s.dimension != 1) {
        msgstyle(1);
        msgbox("\n Arclength mode is available only for Order=Dimension=1 \n");
        return false;
    }
    double old[3] = {};
    std::copy(initvalues->startvector, initvalues->startvector + s.statelength(), old);
    s.arclength = !s.arclength;
    if (!resizetable(*initvalues, s.statelength()))
        return false;
    double* start = initvalues->startvector;
    if (s.arclength) {
        start[0] = 0.0;   // the arc length
        start[1] = old[0];
        start[2] = old[1];
    } else {
        start[0] = old[1];
        start[1] = old[2];
    }
    solver->invalidate();
    solver->version = newserial();
    mode = s.arclength ? calcmode::arclength : calcmode::rungekutta;
    return true;
}

bool calculator::editrkformula()
{
    std::vector<char> buffer(size_t(limits::formulalength) + 1, 0);
    std::strncpy(buffer.data(), solver->formula ? solver->formula : "", buffer.size() - 1);
    gotoxy(1, 1);
    cputs("\n\r Edit formula \n\r");
    if (lineinput(buffer.data(), 0, 0) == key::esc)
        return false;
    if (solver->formula && std::strcmp(buffer.data(), solver->formula) == 0)
        return false;
    solver->setformula(buffer.data());
    solver->version = newserial();
    return true;
}

bool calculator::rkinfo()
{
    if (!solver)
        return false;
    bool changed = false;
    for (;;) {
        setboxtitle(" Calculator in Runge Kutta Mode ");
        keycode k;
        {
            boxframe box(3, 3, int16_t(screencols() - 3), int16_t(screenrows() - 2));
            clrwindow(0);
            gotoxy(1, 1);
            cputs(rkdescription(solver->shape, solver->formula).c_str());
            cputs("\n\r\nInitial Values: \n\r");
            for (size_t i = 0; i < solver->statelength() && wherey() < screenrows() - 4; i++)
                cprintf(" %-8s = %.15g\n\r", rkcolname(int(i), solver->shape, 4).c_str(), initvalues->startvector[i]);
            cputs("\n\r <F> formula  <I> initial values  <X> variable  <a> arclength  <d> dimension  <o> order");
            k = getkey();
        }
        bool c = false;
        switch (k) {
        case key::enter:
        case key::esc:
            if (changed)
                enterrk();
            return changed;
        case 'F': c = editrkformula(); break;
        case 'I':
            setboxtitle(" Edit the Initial Values ");
            setfootertext(" <e> edit   <enter> done ");
            c = editstartvalues(initvalues->startvector, solver->shape);
            break;
        case 'X': c = chooseindependent(); break;
        case 'a': c = togglearclength(); break;
        case 'd': c = setrkcount(false); break;
        case 'o': c = setrkcount(true); break;
        default: break;
        }
        if (c) {
            initvalues->reset();
            changed = true;
        }
    }
}

void calculator::argwindow(double& low, double& high) const
{
    high = argvalue();
    low = high - 10;
}

bool pickupformula(const calculator& c, rksetup*& transfer)
{
    if (c.isempty())
        return false;
    auto* s = new (std::nothrow) rksetup;
    if (!s)
        return false;
    if (c.isdirectmode()) {
        s->kind = rkkind::direct;
        s->setformula(c.formulatext());
        delete[] s->arguments;
        s->arguments = new (std::nothrow) char[std::strlen(c.argstring()) + 1];
        if (s->arguments)
            std::strcpy(s->arguments, c.argstring());
        if (varman* v = c.formulaaux())
            s->variables = new (std::nothrow) varman(*v);
    } else {
        s->shape = c.solver->shape;
        s->setformula(c.solver->formula);
        s->startcount = uint32_t(c.solver->statelength());
        s->start = new (std::nothrow) double[s->startcount];
        if (s->start)
            std::copy(c.initvalues->startvector, c.initvalues->startvector + s->startcount, s->start);
        if (c.solver->vars)
            s->variables = new (std::nothrow) varman(*c.solver->vars);
        s->setallgiven();
    }
    delete transfer;
    transfer = s;
    return true;
}

bool dropformula(calculator& c, const rksetup* transfer)
{
    msgstyle(1);
    if (!transfer) {
        msgbox("\n There has no transfer formula been picked up yet! \n");
        return false;
    }
    if (!c.isempty()) {
        msgbox("\n drop formula: \n\r needs an empty calculator! \n");
        return false;
    }
    bool ok = false;
    if (transfer->kind == rkkind::direct) {
        ok = c.setformula(transfer->formula, transfer->arguments);
        if (ok && transfer->variables)
            c.calling->called->replacestore(new (std::nothrow) varman(*transfer->variables));
    } else {
        c.setup = new (std::nothrow) rksetup(*transfer);
        if (c.setup) {
            c.setup->setallgiven();
            if (c.setup->complete())
                ok = c.makemyrk();
        }
        delete c.setup;
        c.setup = nullptr;
    }
    if (ok)
        c.reimplement();
    c.redraw();
    return ok;
}

bool calculator::takesystem(const RK& source, const double* start, size_t count)
{
    if (!isempty() || solver)
        return false;
    delete setup;
    setup = new (std::nothrow) rksetup;
    if (!setup)
        return false;
    setup->shape = source.shape;
    setup->setformula(source.formula);
    if (source.vars)
        setup->variables = new (std::nothrow) varman(*source.vars);
    if (setup->zerostart() && start)
        std::copy(start, start + std::min(count, size_t(setup->startcount)), setup->start);
    setup->setallgiven();
    bool ok = setup->complete() && makemyrk();
    delete setup;
    setup = nullptr;
    if (ok)
        setstatus(calcstatus::mustimplement);
    return ok;
}
