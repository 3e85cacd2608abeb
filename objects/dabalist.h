// The list windows of the user-function database: the main list over the
// entry array and the excerpt list over the matches of a search.
#pragma once

#include <cstddef>
#include <vector>

#include "objects/dabarec.h"
#include "screen/list2way.h"

class excerpt;
class fudaba;

// One list line: index, name, value count (left out when 1), argument
// count and library name.
void dabaline(char* buffer, size_t size, long index, const dabarec& entry);

// A list over an array of entries; line n shows entry n - 1.
class dabaview : public list2way {
public:
    // Colours from six roles starting at roles.
    dabaview(const std::vector<dabarec*>& entries, int16_t left, int16_t top, int16_t right, int roles);
    void formatline() override;
    // The entry under the bar; null for an empty list.
    dabarec* entryat() const;
    // Index of the entry under the bar (from 0).
    long index() const { return current - 1; }
    // The list shows the array anew with the bar on entry i.
    void showat(long i);

    const std::vector<dabarec*>& entries;
};

class dabalist : public dabaview {
public:
    explicit dabalist(fudaba& db);
    void filterkey(int& key) override;
    void otherkey(int& key) override;

    fudaba& db;
};

class excerptlist : public dabaview {
public:
    explicit excerptlist(excerpt& e);
    // Tab and "g" end the list as Enter does, choosing an entry.
    void filterkey(int& key) override;

    excerpt& found;
    const dabarec* chosen = nullptr;  // what the list hands back
};

// Revolver command "ud": the database main list.
void databasemainlist();
// Shows the excerpt list; the entry to go to in the main list, or null.
const dabarec* showexcerpt(excerpt& e);
