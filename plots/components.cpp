#include "plots/components.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "base/chain.h"
#include "calculator/calcfunm.h"
#include "calculator/rk.h"
#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/slist.h"
#include "objects/diagshow.h"
#include "objects/fu1.h"
#include "screen/keys.h"
#include "screen/msgbox.h"

namespace {
// The diagnoses a plot's copies do not care about.
constexpr int undeclared = 58, unusedletter = 62;

void showfailure(const char* tag, diagnostics* collector)
{
    unexpectederror(tag);
    cleardiagif(collector, undeclared, unusedletter, 0);
    showdiagnostics(collector);
}

bool sameidentity(const fu1* a, const fu1* b)
{
    return std::strcmp(a->name, b->name) == 0 && a->nargs == b->nargs && a->nvalues == b->nvalues;
}

// Asks about A (used) and B (discarded) until Enter, 1, 2 or Esc.
bool warntwoversions(fu1* a, fu1* b)
{
    for (;;) {
        int key = tell("\n  Warning:  This formula uses different versions of the \n\r component \"%s\" simultaneously. \n\r Such behaviour cannot be reproduced inside a plot. \n\r Just one version of the component will be included and \n\r used for all calls. This may change the properties \n\r of the formula and account for possible surprises. \n\r Make your choice: \n\n\r  <enter>  OK continue\n\r  <1>      show the version to be used\n\r  <2>      show the version to be discarded\n\n\r  <esc>    cancel registry completely\n",
                       a->name);
        switch (key) {
        case key::esc: return false;
        case key::enter: return true;
        case '1': a->show(); return true;
        case '2': b->show(); return true;
        default: break;
        }
    }
}
}

namespace {
// The listed user objects other than skip and, from their own passes, the
// objects they call in turn; false when one of them cannot record.
bool gathercomponents(std::vector<fu1*>& found, const reflist& listed, const fu* skip)
{
    auto add = [&found, skip](const reflist& list) {
        for (const slistnode* node = list.headnode(); node; node = node->next) {
            auto* object = dynamic_cast<fu1*>(static_cast<fu*>(node->payload));
            if (object && object != skip && std::find(found.begin(), found.end(), object) == found.end())
                found.push_back(object);
        }
    };
    add(listed);
    for (size_t i = 0; i < found.size(); ++i) {
        if (!found[i]->recordfingerprint())
            return false;
        add(*shared.called);
    }
    return true;
}
}

bool copycomponents(chain& target, const reflist& listed, const fu* skip)
{
    std::vector<fu1*> found;
    if (!gathercomponents(found, listed, skip))
        return false;
    for (fu1* object : found) {
        std::unique_ptr<fu1> copy(object->clone());
        if (!copy || !copy->makeparser())
            return false;
        target.push(copy.release());
    }
    return true;
}

bool copyallcomponents(fu* object, chain& target)
{
    if (!object->recordfingerprint()) {
        showfailure(" copyallcomponents#1 ", collectorof(object));
        return false;
    }
    return copycomponents(target, *shared.called, object);
}

bool copyallcomponents2(RK* solver, chain& target)
{
    if (!solver->refresh()) {
        showfailure(" copyallcomponents#2 ", solver->diag);
        return false;
    }
    return copycomponents(target, *shared.called);
}

bool copyoperatorcomponents(calcfunm* object, chain& target)
{
    if (object->mode != 9)
        return true;
    if (!object->myparser || !object->myparser->implement()) {
        diagnostics* collector = object->called ? collectorof(object->called) : nullptr;
        cleardiagif(collector, undeclared, unusedletter, 0);
        showdiagnostics(collector);
        return false;
    }
    return copycomponents(target, *shared.called, object);
}

bool reduceinterline(chain* components)
{
    if (!components)
        return false;
    for (listnode* a = components->head; a; a = a->next) {
        auto* first = static_cast<fu1*>(a);
        for (listnode* b = a->next; b; b = b->next) {
            auto* second = static_cast<fu1*>(b);
            if (!sameidentity(first, second))
                continue;
            if (!warntwoversions(first, second))
                return false;
            if (first->origin == second->origin)
                unexpectederror(" reduceinterline finds a 4-parameter match ");
        }
    }
    return true;
}
