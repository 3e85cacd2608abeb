#include "objects/resolver.h"

#include <algorithm>
#include <cstring>

#include "base/chain.h"
#include "formula/compile.h"
#include "formula/evalstate.h"
#include "formula/namesused.h"
#include "formula/services.h"
#include "formula/slist.h"
#include "objects/context.h"
#include "objects/fu.h"

chain* resolutioncontext()
{
    return shared.resolution ? shared.resolution : localobjects;
}

namespace {
// A negative count matches any.
bool sameidentity(const fu* f, const char* name, int argc, int valuecount)
{
    return std::strcmp(f->name, name) == 0 && (argc < 0 || f->nargs == argc) &&
           (valuecount < 0 || f->nvalues == valuecount);
}
}

int collectcandidates(std::vector<fu*>& result, const chain* context, const char* name, int argc,
                      int valuecount, namesused* names)
{
    result.clear();
    for (listnode* n = context ? context->head : nullptr; n; n = n->next) {
        fu* f = static_cast<fu*>(n);
        if (std::strcmp(f->name, name) != 0 || (valuecount >= 0 && f->nvalues != valuecount))
            continue;
        if (names)
            names->flag(f->nargs);
        if ((argc < 0 || f->nargs == argc) && std::find(result.begin(), result.end(), f) == result.end())
            result.push_back(f);
    }
    return int(result.size());
}

fu* findcalled(const reflist& list, const char* name, int argc, int valuecount)
{
    for (const slistnode* n = list.headnode(); n; n = n->next) {
        fu* f = static_cast<fu*>(n->payload);
        if (sameidentity(f, name, argc, valuecount))
            return f;
    }
    return nullptr;
}

fu* findcandidate(const std::vector<fu*>& list, const char* name, int argc, int valuecount, int origin)
{
    for (fu* f : list)
        if (sameidentity(f, name, argc, valuecount) && f->origin == origin)
            return f;
    return nullptr;
}

bool confirmationneeded(const char* name, int argc, int valuecount, const std::vector<fu*>& candidates)
{
    if (!databaseinuse())
        return true;
    int versions = databaseversions(name, argc, valuecount);
    if (versions == 0)
        return false;
    if (versions >= 2)
        return true;
    return std::any_of(candidates.begin(), candidates.end(), [](const fu* f) { return f->origin == 0; });
}

componentsearch::componentsearch(const char* name, int argc, int valuecount, namesused& names, reflist* called)
    : name(name), argc(argc), valuecount(valuecount), names(names), called(called)
{
    collectcandidates(candidates, resolutioncontext(), name, argc, valuecount, &names);
    // The current library's file holds what is resident as origin 0.
    triedlibs.push_back(currentlibrary);
}

fu* componentsearch::own()
{
    if (called)
        if (fu* f = findcalled(*called, name, argc, valuecount))
            return f;
    return trylibrary(pass().callerlib, 0);
}

fu* componentsearch::others()
{
    for (int library : std::vector<int>(pass().callerlibs))
        if (fu* f = trylibrary(library, 1))
            return f;
    if (pass().callerlib != 0)
        if (fu* f = take(0); f && confirm(f, 2))
            return f;
    while (fu* f = takefirst())
        if (confirm(f, 3))
            return f;
    for (int k = 2; k <= librarycount(); ++k)
        if (libraryname(k))
            if (fu* f = findandread(k, 4))
                return f;
    return findandread(1, 5);
}

fu* componentsearch::trylibrary(int library, int situation)
{
    if (fu* f = take(library))
        return situation == 0 || confirm(f, situation) ? f : nullptr;
    return library >= 2 ? findandread(library, situation) : nullptr;
}

// Takes the candidate of that origin out of the list and marks its
// library as tried.
fu* componentsearch::take(int origin)
{
    fu* f = findcandidate(candidates, name, argc, valuecount, origin);
    if (f) {
        candidates.erase(std::find(candidates.begin(), candidates.end(), f));
        triedlibs.push_back(origin);
    }
    return f;
}

fu* componentsearch::takefirst()
{
    return candidates.empty() ? nullptr : take(candidates.front()->origin);
}

bool componentsearch::confirm(fu* object, int situation)
{
    return !confirmationneeded(name, argc, valuecount, candidates) || seekcomponent(object, situation);
}

bool componentsearch::tried(int library) const
{
    return std::find(triedlibs.begin(), triedlibs.end(), library) != triedlibs.end();
}
