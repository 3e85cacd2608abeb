// The one pool of value-table entries: blocks of 100 entries of one
// dimension each, handed out and taken back on a free chain per block, so
// that thousands of points cost no allocation each.  The first table that
// stores a point creates the pool, the last registered table deletes it.
// Computing thread only.
#pragma once

#include <cstdint>

// An entry: block number and entry number, both 1-based; 0 means none.
struct valhandle {
    uint32_t block = 0;
    uint32_t entry = 0;
    bool isnull() const { return block == 0 || entry == 0; }
    bool operator==(const valhandle&) const = default;
};

// One entry's links: the next entry of the owning table's chain, or while
// the entry is free the next free entry of its block (block number 0).
struct valnode {
    uint32_t nextblock;
    uint32_t nextentry;
    uint8_t direction;   // 1: reached integrating forward
    uint8_t kept;        // 1: survives thinning
    valhandle next() const { return {nextblock, nextentry}; }
    void setnext(valhandle h)
    {
        nextblock = h.block;
        nextentry = h.entry;
    }
};

// A position in the pool, copied by value.
struct valcursor {
    uint32_t block = 0;
    uint32_t entry = 0;
    valnode* node = nullptr;
    double* values = nullptr;
    valhandle handle() const { return {block, entry}; }
    bool sameas(const valcursor& other) const { return block == other.block && entry == other.entry; }
};

struct valblock {
    uint32_t freecount = 0;
    uint32_t capacity = 0;   // 0: a free record
    uint32_t dimension = 0;
    uint32_t freehead = 0;
    double* values = nullptr;
    valnode* nodes = nullptr;
};

struct valstats {
    uint32_t records = 0;
    uint32_t blocksinuse = 0;
    uint32_t entries = 0;
    uint32_t entriesinuse = 0;
    uint32_t bytes = 0;      // capacity x (8 x dimension + 12) over blocks in use
};

class Valbase {
public:
    static constexpr uint32_t blockentries = 100;

    Valbase() = default;
    // Reports entries still in use, then frees every block.
    ~Valbase();
    Valbase(const Valbase&) = delete;
    Valbase& operator=(const Valbase&) = delete;

    // An entry of that dimension; the null handle when memory is out.
    valhandle alloc(uint32_t dimension);
    // All zero for an unknown block; node and values null for an entry
    // beyond the block's capacity.
    valcursor cursor(valhandle h) const;
    bool freeentry(valhandle h);
    // Frees the chain from h on; the number freed.  With dropempty the
    // blocks left wholly free are given back.
    uint32_t freechain(valhandle h, bool dropempty);
    void dropempty();
    valstats stats() const;
    uint32_t count() const { return records; }
    const valblock& block(uint32_t n) const { return blocks[n]; }

private:
    bool makeblock(valblock& b, uint32_t dimension);
    uint32_t findblock(uint32_t dimension);
    void pushfree(valblock& b, uint32_t entry);

    valblock* blocks = nullptr;   // 1 .. records; element 0 unused
    uint32_t records = 0;
};

// The pool while it exists, and the number of tables registered with it.
extern Valbase* valbase;
extern uint32_t valtablecount;
