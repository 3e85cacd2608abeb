// The user-function database: an index of the own objects of every
// library file of the work directory and of the local context, rebuilt
// lazily.  Library 0 stands for the resident objects of the local
// context, 1..N for the files of the library list.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "objects/dabarec.h"

class excerpt;
class namesused;

struct dabaentry {
    bool changed = true;
    bool isnew = true;        // never scanned: none of its records is listed
    bool excerptstale = true; // rescanned since the excerpt last searched it
    std::vector<std::unique_ptr<dabarec>> records;
};

class fudaba {
public:
    fudaba();
    ~fudaba();
    fudaba(const fudaba&) = delete;
    fudaba& operator=(const fudaba&) = delete;

    // Keeping the index current.
    void touchlibrary(int n);
    bool addlibrary(int n = -1);
    void invalidateall();
    bool anychanged(bool filesonly) const;
    bool refreshlibrary(int n);
    bool update(sortmode mode, bool filesonly);
    void sort(sortmode mode, bool force = false);

    // Queries of the compiler; all update by name (files only) first.
    int16_t nvaluesof(const char* name);
    bool exists(const char* name, int arguments, int values, int library);
    int findunique(const char* name, int arguments, int values, int excluded);
    int collect(const char* name, int values, namesused& set);

    // Keeps those of matches[first..] (the own objects of library n in
    // file order) that pass the search directive; the number kept.
    long readfind(int n, std::vector<dabarec*>& matches, size_t first);

    // Positions in the entry array.
    void setcurrent(long index);
    void remember(int n, long index);
    long recall(int n) const;
    long findcurrent() const;
    // Index of an entry equal to key under the order in force; -1 when none.
    long find(const dabarec& key) const;

    long count() const { return long(entries.size()); }
    dabarec* entry(long i) const { return i >= 0 && i < count() ? entries[size_t(i)] : nullptr; }
    sortmode order() const { return current; }
    const dabaentry* library(int n) const;
    // Every library file is to be searched again by the excerpt; or one
    // has been.
    void markexcerptstale();
    void markexcerptsearched(int n);
    void setexcerpt(std::unique_ptr<excerpt> e);

    bool residenttracking = true;
    long lastfound = -1;
    std::vector<dabarec*> entries;    // the main list, in the order in force
    dabapos position;                 // where the main list stands
    dabapos memories[10];             // 0: the previous position
    // Search directive of readfind: a call name and argument count (254 and
    // more: any), or a text.
    std::string callname;
    int16_t callarguments = 0;
    std::string searchtext;
    bool casesensitive = true;
    std::unique_ptr<excerpt> currentexcerpt;

private:
    bool scanresident();
    bool scanlibrary(int n);
    void dropentries(int n);
    long search(sortmode mode, const dabarec& key) const;
    dabapos take(long index) const;

    std::vector<dabaentry> table;
    sortmode current = sortmode::none;
};

// The one database of the program; null while none exists.  The computing
// thread makes it after the first parser (which opens the local context)
// and drops it at its end.
extern fudaba* database;
void makedatabase();
void dropdatabase();
// The highest library number of the library list.
int highestlibrary();
// The last target library name typed by the user.
extern std::string targetlibrary;

// "Database assistance": compilations ask the database while it is on.
extern bool databaseassistance;
// Toggles it (emptying the index when it goes off); the text to show.
const char* switchassistance();
