// Lists of variables: the global store, the variables as one object sees
// them, and a plain value page of two stores.  Each line shows the class,
// letter, value, owner and whether the code defines (D) or reads (R) it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "formula/usagerefs.h"
#include "screen/list2way.h"

class fu;
class markset;
class varman;

using varhelpfn = void (*)();

// Adds every letter with a class in the global store as a #global record
// without flags (merging with a #global record of the letter).
void addglobals(varreflist& list);

class varlistwindow : public list2way {
public:
    // records must outlive the window; lines are the indices first .. last.
    // Draws the page around first.
    varlistwindow(std::vector<varref>& records, int32_t first, int32_t last, varman* varstore, varhelpfn help);

    void formatline() override;
    void lineshown(int32_t a, int32_t b) override;
    void filterkey(int& key) override;
    void otherkey(int& key) override;

    std::vector<varref>& records;
    varman* varstore;
    varhelpfn helpfn;

private:
    void editrecords();
    void editrecord(const varref& r);
};

// True for a #global record that is read but has no value yet.
bool mustset(const varref& r);

// A variable list window over the records under the caption; false
// without a window when there are none.
bool showrecords(std::vector<varref>& records, const char* caption, varman* store, varhelpfn help);
void showglobalvariables();
// The object is implemented again first, so that its references are fresh.
void showvariablesof(fu* object);
// A text page of the letters defined in either store (the local class
// first); 0 without a window when none is defined, else the key that
// closed the page.
int16_t listvariables(const varman* local, const varman* global);
// The argument letters of the mark table that the formula never reads, in
// the order a, A, b, B, ...; empty when there is none.
std::string unusedarguments(const markset& marks);

void showvarlisthelp();
void showdependencyhelp();
void showreflisthelp();
void showlocallisthelp();
