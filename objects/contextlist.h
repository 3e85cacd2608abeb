// The list windows of the local context: the context list (everything that
// can be done to a resident object), the component list (the components
// of a formula, the incorporation and the collision list) and the list of
// library files.
#pragma once

#include <cstdint>
#include <vector>

#include "objects/contextcmds.h"
#include "screen/list2way.h"

class comment;
class fu;
class fu1;

// Line of the context and component lists: number, name, values ("    "
// for one, " ?" when unknown, else "#n"), kind, arguments, '*' foreign,
// 'i' implemented, 'C' comment, 'V' own variables.
void contextline(char* buffer, size_t size, long number, const fu1& object);
// Line of the library list: number and name.
void libraryline(char* buffer, size_t size, long number, const char* name);

class contextlist : public list2way {
public:
    // Kind 1: the resident objects; 3: the contents of a library reached
    // from the database.
    explicit contextlist(int kind);
    void formatline() override;
    void filterkey(int& key) override;
    void otherkey(int& key) override;
    // Lines 1..count again from the list shown; false when it is empty.
    virtual bool refill();

    // The object of the current line; null for none.
    fu1* objectat() const;
    // Shows the list with the bar on object (on line when it is absent).
    void showobject(const fu1* object, int32_t line = 1);

    int kind;
    bool cancreatecalc = true;
    bool failed = false;
    // Line n shows lines[n - 1].
    std::vector<fu1*> lines;

protected:
    contextlist(int kind, int16_t left, int16_t top, int16_t right, int roles);
    // Refills from list in its order, sorted when the sort mode says so.
    bool fillfrom(const std::vector<fu1*>& list);
    void deleteobject(int& key);
};

class complist : public contextlist {
public:
    // flags: '/' allows <del>, 'e' editing; help is shown by a second F1.
    // The caption is the pending box title.
    complist(componentlist& list, const char* flags, void (*help)());
    void filterkey(int& key) override;
    void otherkey(int& key) override;
    bool refill() override;

    componentlist& components;
    bool candelete, canedit;
    void (*help)();
};

class libfilelist : public list2way {
public:
    libfilelist();
    void formatline() override;
    // Runs the list from the current library's line; the library chosen,
    // 0 for Esc.
    int choose();
    // Closes the window before the list goes.
    void close();
};

// Opens the context list; the line at which it was left, 0 when there was
// nothing to show.
int showcontext(fu* object);
// The object of that identity (a name that is not resident is said so).
int showcontextat(const char* name, int nargs, int nvalues);
// A component list over list, run and closed; flags as complist's.
void showcomponentlist(componentlist& list, const char* title, const char* flags, void (*help)());
// The called components of object (implemented afresh) in a component
// list that allows editing.
void showcomponents(fu1* object);
// The library list; the library chosen, 0 for Esc.
int listlibraries();

// Sorted by name (or in the context's own order); the line remembered for
// an opening without an object to show.  Both live for the whole run.
namespace contextstate {
extern bool sorted;
extern int32_t remembered;
}

// The next showcontext shows a library reached from the database (kind 3);
// the database is open behind it (no calling calculators).
extern bool showforeignlibrary, databaseisopen;
// The comment picked up with <p>; dropped by quitprogram.
void droptransfercomment();
// The calling calculator that <Ins> makes; null while no revolver runs
// ("failed !" then).
extern bool (*createcalculator)(fu1* object);
// The revolver's current calculator, named when an edit changes counts.
extern int revolvercalculator;

// An information box: caption " I N F O ", style 3, popup at column and
// row (0: where it falls), the help menu item disabled while it is shown.
void infohelp(const char* text, int16_t column, int16_t row);
