// The fingerprint buffer: while code is implemented, the objects it calls
// record bytes and values here; a 6-byte checksum cell over the recording,
// stored beside cached results, tells later whether anything changed.
#pragma once

#include <cstdint>

#include "base/checksumcell.h"
#include "formula/dynarray.h"

// Record kinds.
enum : int32_t {
    printplaceholder = 0,   // an object that implements nothing
    printvalue = 2,         // constant, vector value, #static or #const value
    printglobal = 3,        // current value of a #global that code reads
};

struct printrecord {
    int32_t kind;
    double value;
};

// Fletcher sums modulo 256.
struct fletcherpair {
    uint8_t s1 = 0;
    uint8_t s2 = 0;
};

void fletcheradd(fletcherpair& pair, uint8_t b);
// True when first equals key's low byte and second its high byte.
bool matchpair(uint8_t first, uint8_t second, uint16_t key);

class fingerprint {
public:
    fingerprint();

    bool reset();                   // starts recording; the recording flag
    void disable() { recording = 0; }
    void addbyte(uint8_t b);
    void addrecord(int32_t kind, double value);
    void addobject(int32_t kind) { addrecord(kind, 0.0); }
    void addpairs(const double* values, int n);    // kind-2 records
    uint32_t nbytes() const { return bytes.count; }
    uint32_t nrecords() const { return records.count; }
    bool hasfree(uint32_t i) const;  // a placeholder from record i on
    void checksumfrom(checksumcell& cell, uint32_t b0, uint32_t r0) const;
    void checksum(checksumcell& cell) const { checksumfrom(cell, 0, 0); }
    bool matches(const checksumcell& a, const checksumcell& b) const;
    static bool keydiffers(uint8_t first, uint8_t second, uint16_t key)
    {
        return !matchpair(first, second, key);
    }

    uint8_t byteson = 1;            // byte part enabled
    uint8_t recordson = 1;          // record part enabled
    uint8_t flag = 0;
    uint8_t recording = 0;
    dynarray<uint8_t> bytes;
    dynarray<printrecord> records;
    uint32_t tablestested = 0;      // advanced by the value tables
    uint32_t tablesize = 0;
};

// Advances the global evaluation serial; the new value.
uint32_t nextserial();

// The flag for a letter in a 52-entry per-letter table ('A'..'Z' at 0..25,
// 'a'..'z' at 26..51); 0 for any other character.
uint8_t varflagof(const uint8_t* flags, char letter);
