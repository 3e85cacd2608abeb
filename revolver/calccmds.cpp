#include "revolver/calccmds.h"

#include "base/limits.h"
#include "calculator/argedit.h"
#include "calculator/calcfunm.h"
#include "calculator/calculator.h"
#include "calculator/calcvars.h"
#include "calculator/furk.h"
#include "calculator/rk.h"
#include "calculator/valuebox.h"
#include "math/valtable.h"
#include "formula/evalstate.h"
#include "formula/varman.h"
#include "formula/fingerprint.h"
#include "objects/codelist.h"
#include "objects/contextcmds.h"
#include "objects/contexthelp.h"
#include "objects/contextlist.h"
#include "objects/install.h"
#include "plots/fastplotcommands.h"
#include "revolver/revolver.h"
#include "screen/boxsettings.h"
#include "screen/infowin.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/screensave.h"
#include "screen/testnfv.h"

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

void enterkey(calculator& c)
{
    c.proceed(true);
}

void switchplot(calculator& c)
{
    if (shiftdown()) {
        toggleoverlay(c);
    } else if (c.fixed) {
        setdisplaymode(c, '8');
    } else if (c.plotcount() == 2) {
        c.plotnumber = uint8_t(c.plotnumber == 1 ? 2 : 1);
        c.drawplot();
    }
}

void toggleoverlay(calculator& c)
{
    if (!c.plotready())
        return;
    c.boxoverplot = uint8_t(!c.boxoverplot);
    infohidden hidden;
    c.drawstatus();
    c.plotredraw = 1;
    c.drawplotarea();
}

namespace {

void movearg(calculator& c, int step)
{
    arcvaluebox* box = argumentbox();
    int n = c.argcount();
    int next = c.argindex() + step;
    if (!box || !box->shown || next < 1 || next > n)
        return;
    c.argindex() = uint16_t(next);
    step < 0 ? box->up() : box->down();
    if (c.status == calcstatus::valid && c.isderivativemode())
        c.proceed(false);
}

void movevalue(calculator& c, int step)
{
    namedvaluebox* box = valuedisplay();
    int next = c.valueindex() + step;
    if (next < 1 || next > c.valuecount())
        return;
    c.valueindex() = uint16_t(next);
    if (c.values)
        c.latest = c.values[next - 1];
    if (c.owner)
        c.owner->history.push(c.latest);
    if (box)
        step < 0 ? box->up() : box->down();
    if (!box || !box->shown)
        c.drawstatus();
}

void select(calculator& c, int step)
{
    if (c.isempty() || !c.active)
        return;
    if (c.focus)
        movearg(c, step);
    else
        movevalue(c, step);
    c.showplot();
}

}  // namespace

void selectprev(calculator& c)
{
    select(c, -1);
}

void selectnext(calculator& c)
{
    select(c, +1);
}

void focusarguments(calculator& c)
{
    arcvaluebox* args = argumentbox();
    if (c.focus || !args || !args->shown)
        return;
    c.focus = 1;
    namedvaluebox* values = valuedisplay();
    if (values)
        values->highlight(false);
    args->highlight(true);
    if (!values || !values->shown)
        c.drawstatus();
    c.drawmodeline();
}

void focusvalues(calculator& c)
{
    if (!c.focus || c.status != calcstatus::valid)
        return;
    c.focus = 0;
    if (arcvaluebox* args = argumentbox())
        args->highlight(false);
    namedvaluebox* values = valuedisplay();
    if (values)
        values->highlight(true);
    if (!values || !values->shown)
        c.drawstatus();
    c.showplot();
}

void ctrlwnotice(calculator&)
{
    setfootercode(10);
    msgbox("\n The variable list is displayed with <W> ! \n");
}

void stampreport(calculator& c)
{
    if (!c.calling || !c.calling->called)
        return;
    const calcfunm& calling = *c.calling;
    tell("\n myfu->version = %u\n\r this->version = %u\n\r combiversion  = %u\n\r", unsigned(calling.called->serial),
         unsigned(calling.serial), unsigned(calling.version));
    if (calling.deps)
        tell(" version of linked diffop: %u\n\r", unsigned(calling.deps->changeserial));
    else
        tell("\n diffopindex=0! \n\n\r");
    tell(" calcversion()=%u\n", unsigned(calling.called->stamp));
}

void testnfvcmd(calculator&)
{
    testnfv();
}

void spacecmd(calculator& c)
{
    if (shiftdown())
        refreshfastplot(c);
    else
        spacemenu(c);
}

void setdisplaymode(calculator& c, int key)
{
    if (!c.isdirectmode() && key == '0')
        key = '8';
    if (key != '8' && key != '0' && !c.isdirectmode(true))
        return;
    if (!c.isready())
        return;
    if (key == '^' || key == '5')
        key = '0';
    int mode = key;
    if (key == '8' && c.fixed)
        mode = -1;
    if (!c.diffoperator(mode))
        return;
    if (c.status != calcstatus::valid)
        okbox();
    c.proceed(false);
}

void displaymodecmd(calculator& c)
{
    if (rev1)
        setdisplaymode(c, rev1->keyat(2));
}

void caretmodecmd(calculator& c)
{
    setdisplaymode(c, '^');
}

void switchmodecmd(calculator& c)
{
    c.switchmode();
    c.proceed(false);
}

void toggleactive(calculator& c)
{
    if (c.isempty())
        return;
    c.active = !c.active;
    if (c.active) {
        c.proceed(false);
        return;
    }
    if (rev1)
        rev1->redrawtitle = true;
    c.redraw();
}

void showcodecmd(calculator& c)
{
    if (!c.readytest(true))
        return;
    if (c.isdirectmode())
        showobjectcode(c.calling->called);
    else if (c.solver && c.solver->myparser)
        showcode(*c.solver->myparser);
}

// The field of a long formula reaches below the calculator's display: what
// it covered comes back when the edit ends.
static keycode editformula(char* buffer, int row)
{
    screensave under(1, row, -1, -1);
    return lineinput(buffer, limits::formulalength, int16_t(row));
}

void editcmd(calculator& c)
{
    if (!c.isdirectmode()) {
        if (c.rkinfo()) {
            if (c.initvalues)
                c.initvalues->reset();
            c.argindex() = 1;
            c.setstatus(calcstatus::mustimplement);
        }
        c.proceed(false);
        return;
    }
    std::vector<char> buffer(size_t(limits::formulalength) + 1, 0);
    const char* old = c.formulatext();
    std::strncpy(buffer.data(), old ? old : "", buffer.size() - 1);
    gotoxy(1, c.firstrow());
    if (editformula(buffer.data(), c.firstrow()) == key::esc || !buffer[0]) {
        c.redraw();
        return;
    }
    if (!old || std::strcmp(old, buffer.data()) != 0) {
        std::string args = c.argstring() ? c.argstring() : "x";
        if (!c.setformula(buffer.data(), args.c_str())) {
            c.redraw();
            return;
        }
        c.reimplement();
        c.loadargbox();
    }
    c.implement();
    c.proceed(false);
}

void reimplementcmd(calculator& c)
{
    if (c.isempty())
        return;
    nextserial();
    if (!c.isdirectmode() && c.initvalues)
        c.initvalues->reset();
    c.reimplement();
    c.implement();
    if (c.isdirectmode())
        componentlistcmd(c);
    c.calctask();
    c.proceed(false);
}

void savevalue(calculator& c)
{
    if (c.isempty() || !c.isready()) {
        msgstyle(1);
        msgbox("\n Save the actual argument / value: \n\r Requires an implemented formula ! \n");
        return;
    }
    double v = c.shownvalue();
    setfootertext(" a letter (either case) ");
    int k = tell("\n Save the number %.15g \n\n\r To which global variable ?", v);
    if (k < 0 || k > 255 || !std::isalpha(k))
        return;
    if (!shared.globals)
        return;
    shared.globals->setvalue(char(k), v);
    nextserial();
    okbox();
    c.showplot();
}

// A Runge-Kutta calculator becomes a Runge-Kutta function, any other one
// a 1-formula function.
void installcmd(calculator& c)
{
    if (c.isempty())
        return;
    if (c.solver && c.initvalues && !c.isdirectmode()) {
        installrkfunction(c);   // asks for the name on the title line
        if (c.owner)
            c.owner->calctitle(true);
        c.redraw();
        return;
    }
    if (c.isdirectmode(true))
        installfu1(c.formulatext(), c.argstring());
}

void componentlistcmd(calculator& c)
{
    if (c.isempty() || !c.calling || !c.calling->called)
        return;
    c.implement();
    componentlist list;
    if (!residentcomponents(c.calling->called, list) || list.empty()) {
        msgbox("\n This formula has no user defined components ! \n");
    } else {
        setboxcolors(0, 0, 15, 15, 15);
        showcomponentlist(list, " Component List ", "e", componentlisthelp);
    }
    c.implement();
    c.proceed(false);
}

void varinputcmd(calculator& c)
{
    inputvaredit(c);
}

void variableusage(calculator& c)
{
    showvariableusage(c);
}

void argscmd(calculator& c)
{
    if (c.isempty())
        return;
    if (!c.isdirectmode()) {
        if (c.chooseindependent())
            c.loadargbox();
        c.proceed(false);
        return;
    }
    std::string letters = c.argstring() ? c.argstring() : "";
    if (!editargs(letters))
        return;
    std::string formula = c.formulatext();
    if (!c.setformula(formula.c_str(), letters.c_str()))
        return;
    c.reimplement();
    c.loadargbox();
    c.proceed(false);
}
