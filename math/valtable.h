// A table of points that an expensive computation has reached (state
// vectors whose element 0 is the abscissa), kept in ascending abscissa in
// the shared pool (plots/valbase.h), so that a later request starts from
// the nearest known point.  Two fingerprint cells tie the points to the
// formulas that computed them: a mismatch forgets them.
//
// Names used by the Runge-Kutta code: valtable::release is releasechain,
// valtable::destroy the destructor, valtable::copy the copy constructor.
// Computing thread only.
#pragma once

#include <cstdint>

#include "base/checksumcell.h"
#include "math/valbase.h"

class valtable {
public:
    explicit valtable(uint32_t dimension);
    // The source's dimension, start vector, start-replaceable and
    // unchecked flags and stamp cells; no entries, no current vector.
    valtable(const valtable& source);
    valtable& operator=(const valtable&) = delete;
    // Gives every entry back; the last registered table deletes the pool.
    ~valtable();

    // Grows both vectors to dimension doubles (the start vector kept, the
    // current vector zero and invalid); false when memory is out.
    bool reserve(uint32_t dimension);
    // A nonzero dimension becomes the table's, then reserve and reset.
    bool setsize(uint32_t dimension);
    // Puts the start vector into the pool as the first, kept entry (true at
    // once when the table has entries); false without memory.
    bool flush();
    // Back to the start entry alone; limits off, direction 1.0.
    void reset();
    void resetunflushed(int mode);
    void releasechain(bool dropempty);

    // Stores v unless it lies within mindist of its nearer neighbour (or on
    // it); then the neighbour is marked kept when v is, and false.
    bool append(const double* v, uint8_t direction, uint8_t kept, double mindist);
    // Links v in at the cursors of the last position(); false without memory.
    bool insert(const double* v, uint8_t direction, uint8_t kept);
    // Sets the cursors around x; true when lower < x <= upper.
    bool position(double x);
    // Drops every second thinnable entry (never the last); doubles the
    // spacing; the number removed.
    uint32_t thin();
    // The vector to start from to reach x and its direction; false when x
    // lies beyond a limit.
    bool lookup(double x, const double*& vector, double& direction);
    // Ordered walk over the entries' vectors; null at the end.
    const double* first();
    const double* next();
    // The fingerprint (position, check) of the owner's formulas: a table
    // filled under another one is reset.  Mode 3 checks nothing.
    void checkstamp(int mode, uint32_t position, uint16_t check);

    bool isactive() const { return flushed == 1; }
    uint32_t count() const { return keptcount + thinnablecount; }
    bool lessthantwo() const { return count() < 2; }
    // Reported bytes: entries x (8 x dimension + 12).
    uint32_t bytesize() const { return count() * (8 * dimension + 12); }

    uint32_t flushed = 0;
    double* startvector = nullptr;    // element 0: the start abscissa
    double* currentvector = nullptr;  // the owner's latest state
    double currentdirection = 1.0;
    uint8_t upperon = 0;
    double upperlimit = 0.0;
    uint8_t loweron = 0;
    double lowerlimit = 0.0;
    uint8_t startreplaceable = 0;
    uint8_t startonly = 0;
    uint8_t currentvalid = 0;
    uint32_t capacity = 0;
    uint32_t dimension = 0;
    uint8_t registered = 0;
    uint32_t keptcount = 0;
    uint32_t thinnablecount = 0;
    uint32_t threshold = 1000;
    uint8_t unchecked = 0;
    checksumcell stamp{};
    checksumcell fillstamp{};
    uint32_t spacing = 0;
    valhandle head, flushhandle, last;
    double firstx = 0.0, lastx = 0.0;
    double startx = 0.0, startxcopy = 0.0;
    valhandle cachedpos;
    double cachedx = 0.0;
    valcursor lower, upper;
    valhandle walk;

private:
    void keep(const valcursor& c, uint8_t kept);
    bool stampmatches() const;
    void forgetchain();
};

// The fingerprint hooks of an object that owns a table (the Runge-Kutta
// function objects' slots call these, and addfingerprint of
// formula/valprint.h).  The table's bytes, 0 without a table.
uint32_t tablebytes(const valtable* table);
// A copy of the table's stamp cell, a cleared cell without a table.
checksumcell tablestamp(const valtable* table);
