#include "revolver/revolver.h"

#include "base/limits.h"
#include "base/objcount.h"
#include "calculator/argorder.h"
#include "calculator/calculator.h"
#include "calculator/furk.h"
#include "calculator/rk.h"
#include "calculator/rksetup.h"
#include "calculator/valuebox.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "math/valtable.h"
#include "objects/fu1.h"
#include "objects/contextlist.h"
#include "platform/core/cmdline.h"
#include "platform/core/files.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/screensave.h"

#include <cstring>
#include <new>
#include <vector>

revolver* rev1 = nullptr;

namespace {

constexpr int revolverclass = 61;

bool argumentsareglobal()
{
    std::vector<std::string> words;
    return platform::getoption('a', 0, words) >= 0;
}

}  // namespace

revolver::revolver(int n, const std::string& file) : statefile(file)
{
    history.clear();
    statusrow = 7;
    objcount(revolverclass);
    fastplotrect.left = int16_t(charheight() + 2);
    fastplotrect.top = int16_t(charheight() * 8.5);
    fastplotrect.right = int16_t(screenpixwidth() * 0.9);
    fastplotrect.bottom = int16_t(screenpixheight() - 20);
    calculators = new (std::nothrow) calculator*[size_t(n)]();
    spare = new (std::nothrow) calculator(this);
    if (!calculators || !spare) {
        failed = true;
        return;
    }
    for (int i = 0; i < n; ++i) {
        calculators[i] = new (std::nothrow) calculator(this);
        if (!calculators[i]) {
            failed = true;
            return;
        }
        ncalcs = int16_t(i + 1);
    }
    index = int16_t(n > 1 ? 1 : 0);
    current = currentcalc();
    operatorholder.text = new (std::nothrow) char[limits::formulalength + 1]();
    operatorholder.compiled = new (std::nothrow) parser;
    if (!operatorholder.text || !operatorholder.compiled) {
        failed = true;
        return;
    }
    diffop = &operatorholder;
    activestore = argumentsareglobal() && shared.globals ? shared.globals : &own;
    redrawtitle = true;
    if (!statefile.empty()) {
        removestaletemporaries(statefile);
        readrevolver(statefile);
    }
    revolvercalculator = index;
    failed = false;
}

revolver::~revolver()
{
    objcount(-revolverclass);
    if (!failed && !statefile.empty() && writeback)
        writerevolver(statefile);
    for (int i = 0; i < ncalcs; ++i)
        delete calculators[i];
    delete[] calculators;
    delete spare;
    delete transfer;
}

calculator* revolver::currentcalc() const
{
    return calculators && index >= 0 && index < ncalcs ? calculators[index] : nullptr;
}

void revolver::next()
{
    if (ncalcs > 0)
        index = int16_t(index + 1 >= ncalcs ? 0 : index + 1);
    revolvercalculator = index;
}

void revolver::prev()
{
    if (ncalcs > 0)
        index = int16_t(index <= 0 ? ncalcs - 1 : index - 1);
    revolvercalculator = index;
}

void revolver::movethem(int from, int to)
{
    if (from == to) {
        unexpectederror("\n invalid call to movethem \n");
        return;
    }
    calculator* moving = calculators[from];
    int step = from < to ? 1 : -1;
    for (int i = from; i != to; i += step)
        calculators[i] = calculators[i + step];
    calculators[to] = moving;
}

calculator* revolver::findempty()
{
    if (current && current->isempty())
        return current;
    int found = -1;
    for (int i = index + 1; i < ncalcs; ++i)
        if (calculators[i]->isempty())
            found = i;   // the farthest
    for (int i = index - 1; found < 0 && i >= 0; --i)
        if (calculators[i]->isempty())
            found = i;   // the nearest
    if (found < 0)
        return nullptr;
    movethem(found, index);
    current = currentcalc();
    return current;
}

bool revolver::calctitle(bool force)
{
    if (!force && !redrawtitle)
        return false;
    int back = colorof(90);
    fillcells(1, 1, screencols(), 1, back);
    if (arcvaluebox* box = argumentbox())
        box->highlight(false);
    if (namedvaluebox* box = valuedisplay())
        box->highlight(false);
    if (current)
        current->plotshown = 0;
    gotoxy(1, 1);
    textcolor(16);
    textbackground(back);
    cprintf("Calculator %d", int(index));
    return true;
}

namespace {

// A Runge-Kutta function of at most one argument may also become a
// Runge-Kutta calculator: the key chosen, or 0 for any other object.
int rkchoice(fu1* object)
{
    if (object->typenumber() != typeids::furk || object->nargs > 1)
        return 0;
    const furk* f = static_cast<const furk*>(object);
    if (!f->solver || !f->table)
        return 0;
    return msgbox("\n <Ins>   Create a calling calculator \n\r <R>     Create a Runge-Kutta calculator \n\r");
}

// A new calculator drawn beneath the list that covers area (if any), which
// comes back.
void drawbeneath(calculator& c, const rect* area)
{
    if (!area)
        return;
    screensave saved(area->left, area->top, area->right, area->bottom);
    c.plotredraw = 1;
    c.redraw();
}

}  // namespace

bool revolver::createcalc(fu1* object, const rect* area)
{
    if (!object)
        return false;
    calculator* c = findempty();
    if (!c) {
        msgstyle(1);
        setfootercode(10);
        msgbox("\n There is no empty calculator available ! \n", 1000);
        return false;
    }
    switch (rkchoice(object)) {
    case key::esc:
        return false;
    case 'R': {   // the function's system, formula, start values and store
        const furk& f = *static_cast<furk*>(object);
        if (!c->takesystem(*f.solver, f.table->startvector, f.solver->statelength()))
            return false;
        redrawtitle = true;
        drawbeneath(*c, area);
        return true;
    }
    }
    char letters[limits::arglistlength + 1];
    std::strncpy(letters, object->argletters, sizeof letters - 1);
    letters[sizeof letters - 1] = 0;
    sortargs(letters);
    if (!c->setformula(object->signature().c_str(), letters))
        return false;
    c->reimplement();
    c->argindex() = 1;
    c->loadargbox();
    redrawtitle = true;
    drawbeneath(*c, area);
    return true;
}

std::string keepername(const std::string& name, const char* extension)
{
    size_t slash = name.rfind('/');
    size_t start = slash == std::string::npos ? 0 : slash + 1;
    std::string stem = name.substr(0, name.find('.', start));
    if (stem.size() - start > 8)
        stem.resize(start + 8);
    return stem + "." + extension;
}
