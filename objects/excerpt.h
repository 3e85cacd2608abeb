// The result of one grep or call search over all library files: the
// matching database entries, in an order of their own.
#pragma once

#include <string>
#include <vector>

#include "base/limits.h"
#include "objects/dabarec.h"

class fudaba;

constexpr int anyarguments = limits::anyarguments;

class excerpt {
public:
    explicit excerpt(fudaba& owner) : database(owner) {}

    // Sets the database's search directive from the target; false without
    // a target.
    bool callsearchfor();
    // Searches the stale libraries and sorts the matches by the order of
    // the current position.
    void refresh();
    // Removes the entries of library n from the matches.
    void droplibrary(int n);
    void sort(sortmode mode, bool force = false);
    long find(const dabarec& key) const;
    // The window's caption.
    std::string caption() const;

    fudaba& database;
    std::vector<dabarec*> matches;
    dabapos position;
    sortmode current = sortmode::none;
    // The target: an entry, a typed call name, or a text.
    enum class kind { none, entry, call, text } target = kind::none;
    dabarec callentry;
    std::string name;           // typed call name, or the text
    int16_t arguments = 0;
    bool casesensitive = true;
};
