// The formula engine's calls up to the layers above it, in one place.
//  - The user objects fill the table below when they start (startobjects
//    in objects/hooks.h), and the evaluator's calls of user objects
//    (objectcalls.h).
//  - The screen installs the busy scope and the status line (services.h)
//    and the STOP state (stophook.h) on the computing thread
//    (installevalhooks), and the message output its report sink
//    (base/report.h).
// Without the user objects the engine knows none: no context is opened,
// names resolve to the predefined functions only, and the database is not
// in use.
#pragma once

#include <memory>
#include <string>

#include "formula/objectcalls.h"
#include "formula/services.h"
#include "formula/stophook.h"

class chain;
class fu;
class namesused;
class reflist;

// The component resolver's lookup of one name (objects/resolver.h).
class componentlookup {
public:
    virtual ~componentlookup() = default;
    // An object the formula calls already, or its caller's library's own
    // version; asks nothing.
    virtual fu* own() = 0;
    // The search after the predefined functions; null when nothing was
    // found or the user declined every version.
    virtual fu* others() = 0;
};

struct formulahooks {
    // The local context: opened by the first parser, freed with the last.
    void (*opencontext)() = nullptr;
    void (*freecontext)() = nullptr;
    // The resident objects: where names resolve unless a caller installs
    // another resolution context.
    chain* (*localobjects)() = nullptr;
    // Makes a called object ready for the current implementation stamp;
    // false when it cannot be made ready.
    bool (*readycomponent)(fu* callee) = nullptr;
    // The component resolver: the lookup of a name (`called` is the
    // formula's called-component list, may be null), and an object of
    // such a list (a negative count matches any).
    std::unique_ptr<componentlookup> (*lookup)(const char* name, int argc, int valuecount, namesused& names,
                                               reflist* called) = nullptr;
    fu* (*findcalled)(const reflist& list, const char* name, int argc, int valuecount) = nullptr;
    // The object family and the function database (services.h).
    std::string (*fullname)(const fu* object) = nullptr;
    int (*originlibrary)(const fu* object) = nullptr;
    bool (*implementcomponent)(fu* object, int passmode) = nullptr;
    bool (*databaseinuse)() = nullptr;
    int (*databaseversions)(const char* name, int argc, int valuecount) = nullptr;
    bool (*databaselists)(int library, const char* name, int argc, int valuecount) = nullptr;
    int (*databasecollect)(const char* name, int valuecount, namesused& names) = nullptr;
    int (*databasevalues)(const char* name) = nullptr;
};

formulahooks& formulahook();

// The calls through the table that the engine makes.
void openlocalcontext();
void freelocalcontext();
chain* residentobjects();
bool readyobject(fu* callee);
std::unique_ptr<componentlookup> lookupcomponent(const char* name, int argc, int valuecount, namesused& names,
                                                 reflist* called);
fu* calledobject(const reflist& list, const char* name, int argc, int valuecount);
