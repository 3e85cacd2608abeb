#include "formula/hooks.h"

formulahooks& formulahook()
{
    static formulahooks hooks;
    return hooks;
}

namespace {
const formulahooks& h()
{
    return formulahook();
}

// Answers null for every name: no user objects.
class nolookup : public componentlookup {
public:
    fu* own() override { return nullptr; }
    fu* others() override { return nullptr; }
};

objectcalls calls{};
}

void openlocalcontext()
{
    if (h().opencontext)
        h().opencontext();
}

void freelocalcontext()
{
    if (h().freecontext)
        h().freecontext();
}

chain* residentobjects()
{
    return h().localobjects ? h().localobjects() : nullptr;
}

bool readyobject(fu* callee)
{
    return h().readycomponent && h().readycomponent(callee);
}

std::unique_ptr<componentlookup> lookupcomponent(const char* name, int argc, int valuecount, namesused& names,
                                                 reflist* called)
{
    if (h().lookup)
        return h().lookup(name, argc, valuecount, names, called);
    return std::make_unique<nolookup>();
}

fu* calledobject(const reflist& list, const char* name, int argc, int valuecount)
{
    return h().findcalled ? h().findcalled(list, name, argc, valuecount) : nullptr;
}

std::string fullname(const fu* object)
{
    return h().fullname ? h().fullname(object) : std::string();
}

int originlibrary(const fu* object)
{
    return h().originlibrary ? h().originlibrary(object) : 0;
}

bool implementcomponent(fu* object, int passmode)
{
    return h().implementcomponent && h().implementcomponent(object, passmode);
}

bool databaseinuse()
{
    return h().databaseinuse && h().databaseinuse();
}

int databaseversions(const char* name, int argc, int valuecount)
{
    return h().databaseversions ? h().databaseversions(name, argc, valuecount) : 0;
}

bool databaselists(int library, const char* name, int argc, int valuecount)
{
    return h().databaselists && h().databaselists(library, name, argc, valuecount);
}

int databasecollect(const char* name, int valuecount, namesused& names)
{
    return h().databasecollect ? h().databasecollect(name, valuecount, names) : 0;
}

int databasevalues(const char* name)
{
    return h().databasevalues ? h().databasevalues(name) : 0;
}

void setobjectcalls(const objectcalls& c)
{
    calls = c;
}

const objectcalls& objectcall()
{
    return calls;
}

const char* fullnameof(const fu* object, const char* none)
{
    return object ? calls.fullname(object) : none;
}
