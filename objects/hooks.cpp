#include "objects/hooks.h"

#include "formula/hooks.h"
#include "formula/start.h"
#include "objects/context.h"
#include "objects/fudaba.h"
#include "objects/resolver.h"
#include "screen/hooks.h"

objecthooks& objectshook()
{
    static objecthooks hooks;
    return hooks;
}

void startobjects()
{
    startformula();
    installobjectcalls();
    formulahooks& f = formulahook();
    f.opencontext = loaddesktop;
    f.freecontext = freecontext;
    f.localobjects = [] { return localobjects; };
    f.readycomponent = readycomponent;
    f.lookup = [](const char* name, int argc, int valuecount, namesused& names, reflist* called) {
        return std::unique_ptr<componentlookup>(new componentsearch(name, argc, valuecount, names, called));
    };
    f.findcalled = findcalled;
    f.fullname = objectservices::fullname;
    f.originlibrary = objectservices::originlibrary;
    f.implementcomponent = objectservices::implementcomponent;
    f.databaseinuse = objectservices::databaseinuse;
    f.databaseversions = objectservices::databaseversions;
    f.databaselists = objectservices::databaselists;
    f.databasecollect = objectservices::databasecollect;
    f.databasevalues = objectservices::databasevalues;
    screenhook().quitprogram = quitprogram;
    screenhook().withoutdatabase = [] { return !databaseassistance; };
}
