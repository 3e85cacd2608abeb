// The registry of a designer plot's private copies: each copy offered is
// kept, or deleted in favour of an equal one the plot already holds.
// Copies that carry an own variable store are never shared.
#include <cstring>
#include <memory>
#include <new>

#include "base/limits.h"
#include "calculator/calcfunm.h"
#include "calculator/rk.h"
#include "formula/evalstate.h"
#include "formula/formulaholder.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "objects/context.h"
#include "objects/fu1.h"
#include "plots/components.h"
#include "plots/plot.h"

namespace {
bool samesums(const fletcher3& a, const fletcher3& b)
{
    for (int i = 0; i < 3; ++i)
        if (a.pair[i].s1 != b.pair[i].s1 || a.pair[i].s2 != b.pair[i].s2)
            return false;
    return true;
}

template <class T, class Key>
T* findin(const chainof<T>& list, Key key)
{
    for (T* e = list.first(); e; e = static_cast<T*>(e->next))
        if (key(*e))
            return e;
    return nullptr;
}

// The calling object's operator parser and text move into a new record
// that the plot keeps; false without memory.
bool holdoperator(plot& p, calcfunm& x)
{
    uint32_t serial = x.changestamp();
    formulaholder* held = p.findholder(serial);
    if (!held) {
        auto made = std::make_unique<formulaholder>();
        made->text = new (std::nothrow) char[limits::formulalength + 1]();
        if (!made->text)
            return false;
        std::strncpy(made->text, x.text(), limits::formulalength);
        made->compiled = x.myparser;
        x.myparser = nullptr;
        made->serial = serial;
        held = made.release();
        p.holders.append(held);
    }
    x.linkoperator(held);
    return true;
}
}

bool plot::registervarstore(const varman* store)
{
    if (!store)
        return true;
    varman* latest = varstore();
    if (latest && latest->equals(*store))
        return true;
    auto* copy = new (std::nothrow) varman(*store);
    if (!copy)
        return false;
    varstores.append(copy);
    return true;
}

bool plot::registerglobals()
{
    return registervarstore(shared.globals);
}

fu1* plot::adoptcomponent(fu1* copy)
{
    fu1* held = findresident(components, copy->name, copy->nargs, copy->nvalues);
    if (held && held->serial == copy->serial && samesums(held->fpsums(), copy->fpsums()) && !copy->ownvars) {
        delete copy;
        return held;
    }
    components.push(copy);
    return copy;
}

uint16_t plot::adoptcomponents(chain& copies)
{
    listnode* e = copies.head;
    copies.detachall();
    uint16_t kept = 0;
    while (e) {
        listnode* next = e->next;
        e->next = nullptr;
        auto* copy = static_cast<fu1*>(e);
        if (adoptcomponent(copy) == copy)
            ++kept;
        e = next;
    }
    return kept;
}

funm* plot::findobject(uint32_t serial) const
{
    return findin(objects, [serial](const funm& f) { return f.serial == serial; });
}

calcfunm* plot::findcalcfunm(uint32_t stamp) const
{
    return findin(calcfunms, [stamp](calcfunm& f) { return f.changestamp() == stamp; });
}

formulaholder* plot::findholder(uint32_t serial) const
{
    return findin(holders, [serial](const formulaholder& h) { return h.serial == serial; });
}

RK* plot::findrk(uint32_t key) const
{
    return findin(solvers, [key](const RK& s) { return s.version == key; });
}

funm* plot::registerobject(funm* copy)
{
    funm* held = findobject(copy->serial);
    if (held && !copy->ownvars) {
        delete copy;
        return held;
    }
    objects.append(copy);
    return copy;
}

calcfunm* plot::registercalcfunm(calcfunm* copy)
{
    bool ownstore = copy->ownvars || (copy->called && copy->called->ownvars);
    calcfunm* held = findcalcfunm(copy->changestamp());
    if (held && !ownstore) {
        delete copy;
        return held;
    }
    calcfunms.append(copy);
    if (copy->called && !copy->borrowed) {
        funm* called = copy->called;
        copy->called = nullptr;
        funm* kept = registerobject(called);
        copy->setcalled(kept, true);
        copy->borrowed = uint32_t(objects.indexof(kept));
    }
    if (issimplecomponent(copy) && copy->mode == 9 && !holdoperator(*this, *copy)) {
        calcfunms.erase(copy);
        return nullptr;
    }
    return copy;
}

RK* plot::registerrk(RK* copy)
{
    RK* held = findrk(copy->version);
    if (held) {
        delete copy;
        return held;
    }
    solvers.append(copy);
    return copy;
}

calcfunm* plot::registerfunction(calcfunm* function)
{
    chain copies;
    if (!function || !function->called || !copyallcomponents(function->called, copies)
        || !copyoperatorcomponents(function, copies) || !reduceinterline(&copies))
        return nullptr;
    adoptcomponents(copies);
    if (!registerglobals())
        return nullptr;
    std::unique_ptr<calcfunm> copy(new (std::nothrow) calcfunm(*function));
    if (!copy || copy->failed || !copy->called || !copy->called->makeparser())
        return nullptr;
    return registercalcfunm(copy.release());
}

RK* plot::registerrksolver(RK* solver)
{
    chain copies;
    if (!solver || !copyallcomponents2(solver, copies) || !reduceinterline(&copies))
        return nullptr;
    adoptcomponents(copies);
    if (!registerglobals())
        return nullptr;
    std::unique_ptr<RK> copy(new (std::nothrow) RK(*solver));
    if (!copy || copy->failedflag || !copy->ensureparser())
        return nullptr;
    copy->owner = this;
    copy->ownerkind = RK::ownerplot;
    return registerrk(copy.release());
}
