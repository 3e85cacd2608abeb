// The local context: the resident user objects (those of the current
// library and copies of foreign ones), their change log, and opening,
// leaving and quitting the context.
#pragma once

#include <string>

#include "base/chain.h"
#include "objects/libfile.h"
#include "objects/librarylist.h"

class fu;
class fu1;

// The one context: its objects (fu1 and its kinds) in the order they were
// read, installed or added.
class pcontext : public chain {
public:
    // Deletions, renames and "ALL OBJECTS DELETED" since the last save or
    // open; the listing of unsaved changes that changelevel builds.
    std::string changelog, changelisting;
    // What could not be read of the file: written back unchanged with the
    // objects; a file that could not be read at all is not overwritten.
    libraryread kept;
    // quitprogram has run.
    bool quitdone = false;

    // Saves the context to the current library's file (the own and foreign
    // counts asked first where foreign copies are left out); the change
    // log goes only when it was written.
    bool SAVE();
};

extern pcontext* context;
// The resident objects: the context as an object list; the resolution
// context of every compilation unless a caller installs another.
extern chain* localobjects;
// Number of the library that the context mirrors.
extern int currentlibrary;

// Called with a library number whenever that library changed (0: the
// context changed); the user-function database sets it.
extern void (*touchlibrary)(int library);
// Tells touchlibrary (when set) that the library changed.
void touch(int library);
// Whether the context mirrors the desktop library.
bool isdesktop();

// Lookups from the head, names compared byte for byte; null when none.
fu1* findresident(const chain& list, const char* name, int nargs, int nvalues);
fu1* findresidentat(const chain& list, const char* name, int nargs, int nvalues, int origin);
// The first object of the context of that identity and origin other than
// skip.
fu1* findidentity(const char* name, int nargs, int nvalues, int origin, const fu* skip);

// An own object comes from the current library (or from none).
bool isown(const fu* object);
// "f#2(3)": full name and argument count; "copy of " in front for a
// foreign object where asked.
std::string displayname(const fu* object, bool markforeign = false);

// Change log entries: 'd' deleted, 'r' renamed (old display name given;
// the object already has its new name), 'D' all deleted.
constexpr int logdeleted = 'd', logrenamed = 'r', logalldeleted = 'D';
void logchange(int kind, fu* object, const char* oldname = nullptr);
void changerecclear();
void describechanges(std::string& listing, fu1* object, bool foreign);
// 0 nothing to save, 1 only foreign copies changed, 2 own changes.  With
// foreignchanged the change listing is rebuilt (foreign copies described
// only with listall) and the flag tells whether a foreign copy changed.
int changelevel(bool listall, bool* foreignchanged = nullptr);
bool ismodified(const fu1* object);

// Reads the current library into the context; the count read, negative
// after a fault (reported).  A missing file is an empty library.
int readlibrary();
// Makes library n current, drops the change log and reads its file.
int opencontext(int n);
// Makes the context, the library list, and opens "DESKTOP.LIB".
void loaddesktop();
// Deletes the resident objects and the context.
void freecontext();

// Saves the context to the current library's file; change marks and the
// change log are dropped only when the file was written.
bool savecontext();
// 1 save, 0 do not save, -1 cancelled.
int asksavechanges(const char* caption);
// True when the context may be left (saved when the user asked so).
bool leavecontext(const char* caption);
// True when the program may end (at once when no context was made).
bool quitprogram();

// The context list window; the line at which it was left.
int showcontext(fu* object);

// Makes a called object ready for the current implementation stamp and
// records it in the global fingerprint; false when it cannot be made ready.
bool readycomponent(fu* callee);
