// Records of the user-function database: one entry per object of a
// library, remembered list positions and the orders of the entry array.
#pragma once

#include <cstdint>
#include <vector>

#include "base/limits.h"
#include "base/listnode.h"

class dabarec : public listnode {
public:
    dabarec() = default;
    // A name longer than limits::namelength leaves the record invalid.
    dabarec(const char* name, int16_t arguments, int16_t values, uint16_t serial, int16_t library);
    dabarec(const dabarec& other) : listnode() { *this = other; }
    dabarec& operator=(const dabarec& other);

    void setname(const char* text);
    bool sameidentity(const dabarec& other) const;

    char name[limits::namelength + 1] = "";
    int16_t arguments = 0;
    int16_t values = 0;
    uint16_t serial = 0;
    int16_t library = 0;
    uint8_t invalid = 1;
};

// Orders of the entry array; the letters are the keys of the sort-mode
// menu.  The last three serve searches only.
enum class sortmode : char {
    none = 0,
    casesensitive = 'a',
    caseinsensitive = 'i',
    byvalues = 'm',
    byarguments = 'n',
    bycontext = 'c',
    chronologic = 'C',
    bylength = 'l',
    nameonly = '1',
    namevalues = '2',
    identity = '3',
};

// The mode of a menu key; none for any other key.
sortmode sortmodeofkey(int key);
// The menu text of a mode; "currently unsorted" for none.
const char* sortmodename(sortmode mode);
// <0, 0, >0 as a orders before, equal to, after b.
int dabacompare(sortmode mode, const dabarec& a, const dabarec& b);

// The first entry of the array (sorted by mode) equal to key under mode;
// for none, the first of the same identity and library.  -1 when none or
// key is invalid.
long dabasearch(const std::vector<dabarec*>& entries, sortmode mode, const dabarec& key);

// A remembered list position.  Empty while its mode is none.
struct dabapos {
    dabarec entry;
    long index = 0;
    sortmode mode = sortmode::none;

    bool empty() const { return mode == sortmode::none; }
};
