// Handlers that work on the ring: turning, inserting, deleting and
// restoring calculators, the differential operator, the transfer formula,
// the notepad and the arguments' store.
#include "revolver/revcmds.h"

#include "base/limits.h"
#include "base/serial.h"
#include "calculator/calculator.h"
#include "calculator/notepad.h"
#include "calculator/valuebox.h"
#include "formula/compile.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "objects/contextcmds.h"
#include "objects/diagshow.h"
#include "platform/core/cmdline.h"
#include "revolver/revolver.h"
#include "screen/helptopics.h"
#include "screen/inputdialogs.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/screensave.h"
#include "screen/uiutil.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string formatted(const char* format, ...)
{
    char text[400];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

revolver& ring()
{
    return *rev1;
}

calculator* here()
{
    return ring().current = ring().currentcalc();
}

// The boxes' top lines stay with the calculator that is left.
void remember(calculator& c)
{
    if (arcvaluebox* box = argumentbox())
        c.argboxtop = uint16_t(box->topline + 1);
    if (namedvaluebox* box = valuedisplay())
        c.valueboxtop = uint16_t(box->topline + 1);
}

// An empty calculator draws no boxes and no status line: the last
// calculator's go first (a box hidden later would put back what was
// beneath it over the new drawing).
void clearstatus()
{
    if (!here()->isempty())
        return;
    if (arcvaluebox* box = argumentbox())
        box->hide();
    if (namedvaluebox* box = valuedisplay())
        box->hide();
    fillcells(1, ring().statusrow, screencols(), ring().statusrow, 7);
}

void redrawhere()
{
    ring().redrawtitle = true;
    clearstatus();
    here()->redraw();
}

void arrive()
{
    calculator* c = here();
    ring().redrawtitle = true;
    clearstatus();
    c->loadargbox();
    c->proceed(false);
}

void turn(int direction)
{
    if (!here()->isempty())
        remember(*here());
    direction < 0 ? ring().prev() : ring().next();
    arrive();
}

void swapspare()
{
    revolver& r = ring();
    std::swap(r.spare, r.calculators[r.index]);
    here();
}

bool empty(int i)
{
    return ring().calculators[i]->isempty();
}

// The current slot is empty: the block of calculators beside it moves one
// place towards it; the side it came from, or null when nothing can move.
const char* closegap()
{
    revolver& r = ring();
    int n = r.ncalcs, at = r.index;
    int first = at;
    while (first < n && empty(first))
        ++first;
    if (first < n) {
        int end = first;
        while (end < n && !empty(end))
            ++end;
        if (end < n) {
            r.movethem(first - 1, end - 1);   // the empty slot before the block goes behind it
            return "right";
        }
    }
    int last = at;
    while (last >= 0 && empty(last))
        --last;
    if (last >= 0) {
        int start = last;
        while (start >= 0 && !empty(start))
            --start;
        if (start >= 0) {
            r.movethem(last + 1, start + 1);
            return "left";
        }
    }
    for (int i = at + 1; i < n; ++i)
        if (!empty(i)) {
            r.movethem(at, n - 1);
            return "right";
        }
    return nullptr;
}

}  // namespace

void turnleftcmd()
{
    turn(-1);
}

void turnrightcmd()
{
    turn(+1);
}

void insertcmd()
{
    revolver& r = ring();
    if (here()->isempty())
        return;
    if (r.findempty()) {
        redrawhere();
        return;
    }
    msgbox(formatted("\n All %d calculators are occupied! \n", int(r.ncalcs)).c_str(), 1000);
}

void deletecmd()
{
    revolver& r = ring();
    calculator* c = here();
    if (!c->isempty()) {
        r.spare->release();
        remember(*c);
        swapspare();
        redrawhere();
        msgbox(formatted("\n You have cleared calculator %d. \n\r To undo this action, press <ctrl>+<del> ! \n\r",
                          int(r.index))
                   .c_str(),
               0, 8, 15, 8, 15);
        return;
    }
    const char* side = closegap();
    if (!side) {
        msgbox("\n Cannot close the gap ! \n", 500);
        return;
    }
    r.redrawtitle = true;
    arrive();
    msgbox(formatted("\n Closing the gap: \n\r calculators coming from the %s \n", side).c_str(), 500);
}

void restorecmd()
{
    revolver& r = ring();
    if (r.spare->isempty()) {
        msgbox("\n Restore deleted calculator: \n\r There has no calculator been deleted yet ! \n");
        return;
    }
    int k = here()->isempty()
                ? msgbox("\n Restore deleted calculator (y/n) ? \n")
                : tell("\n Exchange deleted calculator against \n\r calculator %d ?  (y/n)", int(r.index));
    if (k != 'y')
        return;
    if (!here()->isempty())
        remember(*here());
    swapspare();
    calculator* c = here();
    if (c->status == calcstatus::valid)
        c->setstatus(calcstatus::ready);
    r.redrawtitle = true;
    c->loadargbox();
    c->proceed(false);
}

void operatorcmd()
{
    formulaholder& op = ring().operatorholder;
    std::vector<char> buffer(size_t(limits::formulalength) + 1, 0);
    std::strncpy(buffer.data(), op.text, buffer.size() - 1);
    gotoxy(1, 3);
    cputs("\n\r Input a differential operator (using x, d0,d1,d2,d3) \n\r");
    if (lineinput(buffer.data(), 0, 0) == key::esc) {
        here()->redraw();
        return;
    }
    std::string old = op.text;
    auto compile = [&op] {
        diagnostics messages;
        op.compiled->reset();
        op.compiled->diag = &messages;
        bool ok = !*op.text || op.compiled->compile(op.text, "x", compilemode::normal) != 0;
        op.compiled->diag = nullptr;
        if (messages.state != 0)
            showdiagnostics(&messages);
        return ok;
    };
    std::strcpy(op.text, buffer.data());
    if (compile()) {
        op.serial = newserial();
    } else {
        std::strcpy(op.text, old.c_str());
        if (!compile())
            nextgeneration();
    }
    here()->proceed(false);
}

void dropformulacmd()
{
    if (dropformula(*here(), ring().transfer))
        here()->proceed(false);
}

void pickformulacmd()
{
    if (pickupformula(*here(), ring().transfer))
        okbox(500);
}

void notepadcmd()
{
    calcnotepad(here());
    here()->showplot();
}

void mouseframehelpcmd()
{
    static infoholder holder;
    if (here()->plotready())
        helpmouseframe(holder);
}

void contextmenucmd()
{
    if (contextmenu())
        here()->proceed(false);
    else
        here()->redraw();
}

void argsmodecmd()
{
    revolver& r = ring();
    bool global = r.activestore == shared.globals;
    int k = global ? msgbox("\n Should the calculator arguments be a value pool \n\r of their own (different from the "
                            "global variables) (y/n) ? \n")
                   : msgbox("\n Should the calculator arguments coincide with the \n\r global variables ?  (y/n)\n");
    if (!isyes(k)) {
        msgbox("\n No changes made \n", 500);
        return;
    }
    std::vector<std::string> words;
    if (!global && platform::getoption('a', 0, words) < 0)
        msgbox("\n Arguments and global variables are now coinciding. \n\n\r If this is your preferred working "
               "mode, why don't you \n\r specify the following option on the command line:  -a");
    r.activestore = global ? &r.own : shared.globals;
    if (arcvaluebox* box = argumentbox())
        box->variables = r.activestore;
    nextgeneration();
    menus().apply();
    here()->loadargbox();
    here()->proceed(false);
}
