// The variable references that the compiler records while it implements a
// formula and the objects it calls: which letters each of them reads
// (referenced) and assigns (defined), with the storage class and object.
#pragma once

#include <cstddef>
#include <vector>

class fu;

struct varref {
    char letter = 0;
    bool referenced = false;
    bool defined = false;
    char varclass = 0;    // 'g', 's' or 'c'
    fu* object = nullptr; // null for a calculator's own formula or a plain global
};

// A pool of records: clearing keeps them allocated and only marks them free.
class varreflist {
public:
    // Merges into a used record of the same letter, object and class (or,
    // for a call without flags and class 'g', any 'g' record of the
    // letter); otherwise takes the next free record.
    bool addref(char letter, bool referenced, bool defined, char varclass, fu* object);
    void clear() { used = 0; }
    bool isempty() const { return used == 0; }
    int count() const { return int(used); }
    const varref& at(int i) const { return records[std::size_t(i)]; }

private:
    std::vector<varref> records;
    std::size_t used = 0;
};

// The program's one reference list.
varreflist& usagerefs();

// The used records sorted by letter (case-insensitive, lower case first),
// then #const first, then class character descending.
std::vector<varref> sortedrefs(const varreflist& list);
