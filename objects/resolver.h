// The component resolver: which user object a name of a formula calls.
// The search runs in a fixed order (the formula's own earlier calls, the
// caller's library, then, after the predefined functions, the libraries of
// the objects under implementation, the local context, the other resident
// objects and the library files) and asks the user to confirm a version
// found beyond the caller's own scope.  Objects read from library files
// become resident.  Library 0 is the local context's own objects.
#pragma once

#include <istream>
#include <memory>
#include <string>
#include <vector>

#include "formula/hooks.h"

class chain;
class fu;
class namesused;
class reflist;

// The lookup of one name: the candidates and the libraries tried so far.
class componentsearch : public componentlookup {
public:
    // Collects the candidates; `called` is the formula's called-component
    // list (null for none).
    componentsearch(const char* name, int argc, int valuecount, namesused& names, reflist* called);

    // An object this formula calls already, or the caller's library's own
    // version; no question.
    fu* own() override;
    // The search after the predefined functions; null when nothing was
    // found or the user declined every version.
    fu* others() override;

    // A candidate of that library, or (library 2 and up) the object read
    // from its file; situation 0 asks nothing.
    fu* trylibrary(int library, int situation);
    // Reads the object from library k's file and makes it resident.
    fu* findandread(int library, int situation);

private:
    fu* take(int origin);
    fu* takefirst();
    bool confirm(fu* object, int situation);
    bool tried(int library) const;

    const char* name;
    int argc, valuecount;
    namesused& names;
    reflist* called;
    std::vector<fu*> candidates;
    std::vector<int> triedlibs;
};

// The resolution context: the installed one or the local context.
chain* resolutioncontext();

// The objects of context with that name and value count (-1: any) flag
// their argument counts in names (may be null); those with argc (-1: any)
// too are the result.
int collectcandidates(std::vector<fu*>& result, const chain* context, const char* name, int argc,
                      int valuecount, namesused* names);
// A negative count matches any.
fu* findcalled(const reflist& list, const char* name, int argc, int valuecount);
fu* findcandidate(const std::vector<fu*>& list, const char* name, int argc, int valuecount, int origin);

// Whether the user must approve a version: always without the database;
// with it, when it knows several versions, or one while a version of the
// local context itself is still among the candidates.
bool confirmationneeded(const char* name, int argc, int valuecount, const std::vector<fu*>& candidates);

// Asks the user whether this version is to be used (situations 1 to 5 say
// how far the search went).
bool seekcomponent(fu* object, int situation);

// The library stream positioned at the start of the object's record; null
// when the file or the object is not there.  With names the argument
// counts of the name's versions with that value count are flagged.
std::unique_ptr<std::istream> findinlib(const char* name, int argc, int valuecount, const std::string& path,
                                        namesused* names);
// Skips the rest of a record whose tag line was read.
void skiprestofobject(std::istream& in);
