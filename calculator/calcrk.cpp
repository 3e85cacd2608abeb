// A calculator in a Runge-Kutta mode: the solver made from a set-up record.
#include <algorithm>
#include <new>

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
    auto* table = new (std::nothrow) valtable(uint32_t(n));
    bool ok = rk && table && table->startvector;
    if (ok) {
        std::copy(setup->start, setup->start + std::min<size_t>(n, setup->startcount), table->startvector);
        rk->shape = setup->shape;
        ok = rk->setformula(setup->formula);
    }
    if (!ok) {
        delete rk;
        delete table;
        return false;
    }
    rk->vars = setup->variables;
    setup->variables = nullptr;
    rk->table = table;
    rk->owner = this;
    rk->ownerkind = RK::ownercalculator;
    solver = rk;
    initvalues = table;
    mode = rk->shape.arclength ? calcmode::arclength : calcmode::rungekutta;
    loadargbox();
    if (arcvaluebox* box = argumentbox())
        box->moveto(0, 0);
    delete setup;
    setup = nullptr;
    return true;
}
