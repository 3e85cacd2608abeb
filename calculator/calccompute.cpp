// Proceeding on the status, asking for the arguments and computing.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "calculator/calcfunm.h"
#include "platform/core/pausegate.h"
#include "calculator/calculator.h"
#include "calculator/calcvars.h"
#include "calculator/rk.h"
#include "calculator/valuebox.h"
#include "formula/evalstate.h"
#include "formula/services.h"
#include "formula/varman.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/lineeditor.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/screensave.h"
#include "screen/statusbox.h"

namespace {
constexpr int keyup = 328, keydown = 336;
constexpr short reportsperrun = 100;

void closestatus()
{
    if (statusbox* box = programstatus())
        box->close();
}
}

int32_t calculator::proceed(bool enter)
{
    if (!active || isempty()) {
        redraw();
        return status;
    }
    if (fixed) {
        if (!enter) {
            redraw();
            return status;
        }
        fixed = 0;
    }
    switch (status) {
    case calcstatus::valid:
        break;
    case calcstatus::runtime:
    case calcstatus::ready:
    case calcstatus::userbreak:
        if (!isimplemented())
            setstatus(calcstatus::mustimplement);
        if (!enter) {
            redraw();
            return status;
        }
        break;
    case calcstatus::undefglobals:
    case calcstatus::mustimplement:
    case calcstatus::component:
    case calcstatus::failed:
        if (enter)
            calctask();
        redraw();
        return status;
    default:
        return status;
    }
    if (!isimplemented()) {
        setstatus(calcstatus::mustimplement);
    } else {
        if (globals)
            implement();
        if (globals && !globalsdefined(*this))
            setstatus(calcstatus::undefglobals);
        else if (enter)
            inputargs();
        else
            rechnen();
    }
    redraw();
    return status;
}

int32_t calculator::inputargs()
{
    arcvaluebox* box = argumentbox();
    if (!box)
        return rechnen();
    int cols = screencols();
    screensave saved(1, 9, cols, 10);
    gotoxy(1, 9);
    textcolor(colorof(16));
    textbackground(colorof(17));
    int32_t keepline = box->current, keeptop = box->topline;
    loadargbox();
    box->moveto(isdirectmode() ? argindex() - 1 : 0, box->topline);
    box->highlight(true);
    box->editline();
    for (;;) {
        double v = box->value();
        char c = box->letter();
        std::string title = std::string(" enter argument ") + c + ' ';
        if (hasargletter(c))
            title += "(unused) ";
        keycode k = entrybox(&v, 0, int16_t(screenrows()), title.c_str());
        if (k == keyup || k == keydown) {
            if (inputstate == inputstates::taken)
                box->setvalue(v);
            if (k == keyup)
                box->up();
            else
                box->down();
            continue;
        }
        if (k == key::enter) {
            if (inputstate == inputstates::novalue) {
                msgstyle(1);
                msgbox("\n bad input \n", 300);
                continue;
            }
            if (inputstate == inputstates::taken)
                box->setvalue(v);
            box->storevalues();
            if (isdirectmode())
                argindex() = uint16_t(box->current + 1);
            plotredraw = 1;
            rechnen();
            if (status == calcstatus::valid)
                focus = 0;
            if (!focus)
                box->highlight(false);
            return status;
        }
        if (k == key::esc) {
            if (!focus)
                box->highlight(false);
            box->moveto(keepline, keeptop);
            box->editline();
            return status;
        }
    }
}

void calculator::takevalues(double* result)
{
    if (shared.error == evalok) {
        values = copyvalues(result, uint32_t(valuecount()));
        int i = valueindex();
        latest = i >= 1 && i <= valuecount() ? values[i - 1] : 0.0;
    }
}

void calculator::dropoperator()
{
    if (formulakind() == 9)
        diffoperator(0);
}

int32_t calculator::rechnen()
{
    if (isempty())
        return status;
    shared.reportswitch = short(std::min(std::max<int>(shared.reportswitch, 0) + reportsperrun, 32767));
    // A formula: "computing..." is shown inside the busy state, so that a
    // STOP request can reach it from its first output on.  The solver keeps
    // its own busy state: one more would make its run a nested one, which
    // ends without the question of a user break.
    std::optional<busyscope> busy;
    if (isdirectmode())
        busy.emplace();
    msgcomputing();
    platform::checkpoint();   // a pause or a STOP request may come in here
    if (isdirectmode() && menus().aborted()) {
        // Stopped before the evaluator ran, which would not see it.
        shared.error = evalbreak;
    } else if (onevalue && isdirectmode()) {
        latest = calling->calcx(firstargvalue());
        values = &latest;
    } else {
        double* result = nullptr;
        if (isdirectmode()) {
            bindargs(calling->called->argletters, &binding, argstore());
            calling->argvector = binding.cells;
            result = evalobject(calling, binding.cells);
        } else {
            if (plotstamp != shared.evalserial)
                implement();
            result = solver->integrate(firstargvalue(), 0.0);
            if (result)
                ++result;   // the values leave out the independent variable
            if (solver->status == RK::failed)
                shared.error = evalruntime;
        }
        if (result) {
            takevalues(result);
        } else if (shared.error != evalbreak) {
            closestatus();
            unexpectederror("\n Nullzeiger in rechnen() \n\r (rechnen() terminiert)\n");
            return status;
        }
    }
    closestatus();
    unsigned char byte = shared.error;
    switch (byte) {
    case evalok:
        setstatus(calcstatus::valid);
        if (namedvaluebox* box = valuedisplay()) {
            box->calc = this;
            box->setletters(std::string(size_t(valuecount()), 'v').c_str());
            box->moveto(valueindex() - 1, valueboxtop - 1);
            box->setvalues(values);
        }
        if (owner)
            owner->history.push(latest);
        break;
    case 1:
    case 3:
    case 5:
    case 6:
        setstatus(calcstatus::runtime);
        errorcode = byte;
        dropoperator();
        break;
    case 2:
        if (formulakind() == 9) {
            dropoperator();
            setstatus(calcstatus::ready);
        } else {
            setstatus(calcstatus::component);
        }
        break;
    case evalbreak:
        setstatus(calcstatus::userbreak);
        flushkeys();
        break;
    default:
        tell("\n Error Nr. %d trat auf in rechnen() \n", int(byte));
        break;
    }
    return status;
}
