// The argument counts met while the scanner looks up one name.
#pragma once

#include <cstdint>

// Flag k is set when a version of the name with k arguments exists.
class namesused {
public:
    namesused();
    namesused(const namesused&) = delete;
    namesused& operator=(const namesused&) = delete;
    ~namesused();

    void clear();
    void flag(int k);                   // k outside 0..53 is ignored
    bool isset(int k) const { return k >= 0 && k < 54 && flags[k]; }

    uint8_t flags[54];
    uint16_t count;
};
