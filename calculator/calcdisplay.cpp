// The calculator's window on the text screen: formula lines, mode line,
// status and value line, match indicator, argument and value boxes, and
// the display-mode switch.
#include <cstdio>
#include <cstring>
#include <string>

#include "calculator/calcdisplay.h"
#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "calculator/calcvars.h"
#include "calculator/rk.h"
#include "calculator/rknames.h"
#include "calculator/valuebox.h"
#include "formula/varman.h"
#include "objects/varlist.h"
#include "screen/infowin.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screen.h"

void (*calcf1hook)() = nullptr;

namespace {
constexpr int argboxcolumn = 53;
constexpr int matchcolumn = 30, matchwidth = 15;
constexpr int valuecolumn = 17;
const char emptyline[] = "---                press <e> to enter a formula                 ---";

int role(int r)
{
    return colorof(r);
}

void fillrow(int row, int from, int to, int colour)
{
    if (to >= from)
        fillcells(from, row, to, row, colour);
}

// The text laid into width x rows cells; a longer one ends in "...".
std::string cuttext(const char* text, size_t cells)
{
    std::string s(text);
    if (s.size() > cells && cells >= 3)
        s = s.substr(0, cells - 3) + "...";
    return s;
}
}

int calculator::firstrow() const
{
    return isdirectmode() ? 3 : 4;
}

int calculator::lastformularow() const
{
    return (owner ? owner->statusrow : 7) - 1;
}

void calculator::loadargbox()
{
    arcvaluebox* box = argumentbox();
    if (!box || isempty())
        return;
    box->calc = this;
    box->variables = argstore();
    box->setletters(argstring());
    box->loadvalues();
    box->moveto(isdirectmode() ? argindex() - 1 : 0, argboxtop - 1);
}

void calculator::drawformula()
{
    int cols = screencols();
    int top = firstrow(), bottom = lastformularow();
    const char* text = formulatext();
    if (!text) {
        fillcells(1, top, cols, bottom, role(15));
        std::string line(emptyline);
        int pad = (cols - int(line.size())) / 2;
        line = std::string(size_t(pad > 0 ? pad : 0), ' ') + line;
        line.resize(size_t(cols), ' ');
        writeat(line.c_str(), 1, top, 8, 15);
        active = 1;
        return;
    }
    // A system's mode line leaves the rest of its row to the argument box,
    // drawn next: clear what an earlier picture (the empty slot) left there.
    if (!isdirectmode())
        fillrow(top - 1, argboxcolumn, cols, role(15));
    int ink = status <= calcstatus::undefglobals ? (active ? 11 : 12)
              : status == calcstatus::mustimplement ? 14
                                                    : 13;
    int right = cols;
    if (active && isimplemented() && argcount() >= top) {
        right = argboxcolumn - 1;
        fillcells(argboxcolumn, top, cols, bottom, 7);
    }
    int width = right, rows = bottom - top + 1;
    fillcells(1, top, right, bottom, role(15));
    std::string s = cuttext(text, size_t(width * rows));
    for (int r = 0; r < rows && size_t(r * width) < s.size(); r++)
        writeat(s.substr(size_t(r * width), size_t(width)).c_str(), 1, top + r, role(ink), role(15));
}

void calculator::drawmodeline()
{
    if (isempty())
        return;
    const char* tag = mode == calcmode::rungekutta ? "(RK-mode) " : mode == calcmode::arclength ? "(RKA-mode)" : "          ";
    writeat(tag, 16, 1, 16, 7);
    int right = argboxcolumn - 1;
    fillrow(firstrow() - 1, 1, right, role(15));
    if (!isdirectmode()) {
        char line[64];
        snprintf(line, sizeof line, "Order = %-2d   Dimension = %-3d", int(solver->shape.order),
                 int(solver->shape.dimension));
        writeat(line, 1, firstrow() - 1, 2, role(15));
    }
    if (active && isimplemented() && globals && status != calcstatus::undefglobals) {
        char line[128];
        snprintf(line, sizeof line, "! #global Dependencies !  %-30s", globals);
        line[right] = 0;
        fillrow(2, 1, right, role(15));
        writeat(line, 1, 2, role(18), role(15));
        calcf1hook = showdependencyhelp;
    } else {
        fillrow(2, 1, right, role(15));
        calcf1hook = nullptr;
    }
}

void calculator::drawmatch()
{
    double m = 0.0;
    if (active && (fixed || status == calcstatus::valid) && owner)
        m = owner->history.match();
    if (m < 3.0) {
        fillrow(1, matchcolumn, matchcolumn + matchwidth - 1, role(90));
        return;
    }
    static const double bounds[] = {4.0, 5.5, 7.0, 9.0, 11.0, 13.0, 14.5};
    int ink = 100;
    for (int i = 0; i < 7; i++)
        if (m <= bounds[i]) {
            ink = 93 + i;
            break;
        }
    char text[32];
    snprintf(text, sizeof text, " Match = %4.1f ", m);
    writeat(text, matchcolumn, 1, role(ink), role(92));
}

// The status text, its background and the value text of the status row.
calcstatusline calculator::statusline() const
{
    calcstatusline out;
    char buf[128];
    bool rk = !isdirectmode();
    if (!active) {
        out.text = " inactive. Press <a> to activate ";
        out.back = role(1);
        if (status == calcstatus::valid) {
            snprintf(buf, sizeof buf, "          latest value: %.15g", latest);
            out.value = buf;
        }
        return out;
    }
    if (fixed) {
        snprintf(buf, sizeof buf, " %s %.15g", fixedlabel ? fixedlabel : "", fixedvalue);
        out.text = buf;
        out.back = role(2);
        return out;
    }
    switch (status) {
    case calcstatus::valid:
        if (rk) {
            out.back = 2;
            std::string name = rkcolname(valueindex1(), shape(), 4);
            snprintf(buf, sizeof buf, " %-8s=%23.15g ", name.c_str(), latest);
        } else {
            snprintf(buf, sizeof buf, "%s : ", calling->called->name);
            out.text = buf;
            out.back = role(3);
            if (valuecount() == 1)
                snprintf(buf, sizeof buf, " f.1     =%23.15g ", latest);
            else
                snprintf(buf, sizeof buf, " f.%-3d   =%23.15g ", valueindex1(), latest);
        }
        out.value = buf;
        break;
    case calcstatus::runtime:
        if (rk && solver->status == RK::failed)
            out.text = " Parameter not in solution domain. Move closer to initial value";
        else if (errorcode == 3)
            out.text = " Runtime Error:  Numeric Module ";
        else if (errorcode == 5)
            out.text = " Runtime Error:  Singular Matrix ";
        else if (errorcode == 6)
            out.text = " Runtime Error:  Unguarded Default Exit ";
        else
            out.text = " Runtime error. Change argument(s) and retry ";
        out.back = rk ? 2 : role(6);
        break;
    case calcstatus::ready:
        out.text = " Formula OK.   Press <enter> to start computation ";
        out.back = rk ? 2 : role(5);
        break;
    case calcstatus::userbreak:
        out.text = " User break.    Press <enter> to restart ";
        out.back = rk ? 2 : role(7);
        break;
    case calcstatus::undefglobals:
        out.text = " Undefined #global Dependencies. Press <Enter> to edit ";
        out.back = role(9);
        break;
    case calcstatus::mustimplement:
        out.text = " press <enter> to implement ";
        out.back = role(10);
        break;
    case calcstatus::component:
        out.text = " Component error.   Press <v> for more info ";
        out.back = role(8);
        break;
    case calcstatus::failed:
        out.text = " Implementation failed. Fix problem and retry ";
        out.back = role(9);
        break;
    default:
        break;
    }
    return out;
}

int calculator::valueindex1() const
{
    return const_cast<calculator*>(this)->valueindex();
}

void calculator::drawstatus()
{
    if (isempty())
        return;
    calcstatusline line = statusline();
    int row = owner ? owner->statusrow : 7;
    // A tool result shown joins the value history (once, so that redrawing
    // keeps the comparison with the value before).
    if (active && fixed && owner && owner->history.current != fixedvalue)
        owner->history.push(fixedvalue);
    window(1, 1, screencols(), screenrows());
    int ink = role(active ? 18 : 19);
    if (plotready() && !boxoverplot)
        if (namedvaluebox* box = valuedisplay())
            box->hide();
    fillrow(row, 1, screencols(), line.back);
    writeat(line.text.c_str(), 1, row, ink, line.back);
    drawzoomspot();
    if (!line.value.empty()) {
        int back = focus ? line.back : role(4);
        writeat(line.value.c_str(), valuecolumn, row, ink, back);
    }
    gotoxy(1, row);
}

void calculator::drawvaluebox()
{
    namedvaluebox* box = valuedisplay();
    if (!box || !active || fixed)
        return;
    if (status == calcstatus::valid && valuecount() >= 2) {
        box->calc = this;
        box->moveto(valueindex() - 1, box->topline);
        valueboxtop = uint16_t(box->topline + 1);
        box->highlighted = !focus;
        box->editline();
    } else {
        box->hide();
    }
}

void calculator::drawargbox()
{
    arcvaluebox* box = argumentbox();
    if (!box)
        return;
    if (isempty() || !active) {
        box->hide();
        return;
    }
    loadargbox();
    box->highlighted = focus;
    box->editline();
}

void calculator::drawplotarea()
{
    drawplot();
    if (!fixed && !(plotready() && !canparametric()))
        drawvaluebox();
}

void calculator::redraw()
{
    infohidden hidden;
    if (arcvaluebox* box = argumentbox())
        box->highlight(false);
    if (owner)
        owner->calctitle(false);
    window(1, 1, screencols(), screenrows());
    drawformula();
    drawargbox();
    if (status != calcstatus::valid)
        focus = 1;
    drawmodeline();
    if (fixed)
        if (namedvaluebox* box = valuedisplay())
            box->highlight(false);
    drawstatus();
    drawmatch();
    drawplotarea();
}

bool calculator::diffoperator(int m)
{
    if (m >= '0' && m <= '9')
        m -= '0';
    if (isempty())
        return false;
    if (!isdirectmode() && m != 8 && m != -1)
        return false;
    if (isdirectmode() && !calling->called->isimplemented())
        return false;
    if (m < -1 || m > 9)
        return false;
    switch (m) {
    case -1:
        fixed = 0;
        return true;
    case 5:
    case 6:
    case 7:
        return false;
    case 8:
        if (fixedlabel)
            fixed = 1;
        return fixed;
    case 9:
        fixed = 0;
        if (calling->setmode(9))
            return true;
        msgstyle(1);
        if (!calling->formula || !*calling->formula)
            msgbox("\n There has no differential operator been created yet \n\r (why don't you try \"f9\") \n");
        else if (calling->called->nvalues != 1 || calling->called->nargs != 1)
            msgbox("\n Differential operators can't be used \n\r with multifunctions ! \n");
        return false;
    default:
        fixed = 0;
        return calling->setmode(uint8_t(m));
    }
}

void printvalues(const double* values, int n)
{
    for (int i = 0; i < n; i++)
        cprintf("%.15g   ", values[i]);
}
