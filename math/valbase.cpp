#include "math/valbase.h"

#include <cstddef>
#include <new>

#include "base/report.h"

Valbase* valbase = nullptr;
uint32_t valtablecount = 0;

namespace {
void freearrays(valblock& b)
{
    delete[] b.values;
    delete[] b.nodes;
    b = valblock{};
}
}  // namespace

Valbase::~Valbase()
{
    long remaining = 0;
    for (uint32_t i = 1; i <= records; i++)
        remaining += long(blocks[i].capacity) - long(blocks[i].freecount);
    if (remaining != 0) {
        reportf(reportkind::fault, "\n Unexpected memory loss: \n\r Valbase destructor finds %ld remaining entries \n",
                remaining);
    }
    for (uint32_t i = 1; i <= records; i++)
        freearrays(blocks[i]);
    delete[] blocks;
}

bool Valbase::makeblock(valblock& b, uint32_t dimension)
{
    b.values = new (std::nothrow) double[size_t(blockentries) * dimension];
    b.nodes = new (std::nothrow) valnode[blockentries];
    if (!b.values || !b.nodes) {
        freearrays(b);
        return false;
    }
    b.capacity = blockentries;
    b.dimension = dimension;
    for (uint32_t i = 1; i <= blockentries; i++)
        b.nodes[i - 1] = {0, i < blockentries ? i + 1 : 0, 1, 0};
    b.freehead = 1;
    b.freecount = blockentries;
    return true;
}

// The first block of that dimension with a free entry, else a new block in
// the first free record (the record array grows by 3); 0 without memory.
uint32_t Valbase::findblock(uint32_t dimension)
{
    for (uint32_t i = 1; i <= records; i++)
        if (blocks[i].capacity != 0 && blocks[i].dimension == dimension && blocks[i].freecount != 0)
            return i;
    uint32_t n = 1;
    while (n <= records && blocks[n].capacity != 0)
        n++;
    if (n > records) {
        valblock* grown = new (std::nothrow) valblock[records + 3 + 1];
        if (!grown)
            return 0;
        for (uint32_t i = 1; i <= records; i++)
            grown[i] = blocks[i];
        delete[] blocks;
        blocks = grown;
        records += 3;
    }
    return makeblock(blocks[n], dimension) ? n : 0;
}

valhandle Valbase::alloc(uint32_t dimension)
{
    uint32_t n = findblock(dimension);
    if (n == 0)
        return {};
    valblock& b = blocks[n];
    uint32_t e = b.freehead;
    b.freehead = b.nodes[e - 1].nextentry;
    b.freecount--;
    return {n, e};
}

valcursor Valbase::cursor(valhandle h) const
{
    if (h.block == 0 || h.block > records)
        return {};
    valcursor c{h.block, h.entry, nullptr, nullptr};
    const valblock& b = blocks[h.block];
    if (h.entry >= 1 && h.entry <= b.capacity) {
        c.node = &b.nodes[h.entry - 1];
        c.values = &b.values[size_t(h.entry - 1) * b.dimension];
    }
    return c;
}

void Valbase::pushfree(valblock& b, uint32_t entry)
{
    valnode& node = b.nodes[entry - 1];
    node.nextblock = 0;
    node.nextentry = b.freehead;
    b.freehead = entry;
    b.freecount++;
}

bool Valbase::freeentry(valhandle h)
{
    if (h.block == 0 || h.block > records)
        return false;
    valblock& b = blocks[h.block];
    if (h.entry == 0 || h.entry > b.capacity || b.nodes[h.entry - 1].nextblock == 0)
        return false;
    pushfree(b, h.entry);
    return true;
}

uint32_t Valbase::freechain(valhandle h, bool drop)
{
    uint32_t freed = 0;
    while (h.block >= 1 && h.block <= records && h.entry > 0) {
        valblock& b = blocks[h.block];
        if (h.entry > b.capacity)
            break;
        valhandle next = b.nodes[h.entry - 1].next();
        pushfree(b, h.entry);
        freed++;
        h = next;
    }
    if (drop)
        dropempty();
    return freed;
}

void Valbase::dropempty()
{
    for (uint32_t i = 1; i <= records; i++)
        if (blocks[i].capacity != 0 && blocks[i].freecount == blocks[i].capacity)
            freearrays(blocks[i]);
}

valstats Valbase::stats() const
{
    valstats s;
    s.records = records;
    for (uint32_t i = 1; i <= records; i++) {
        const valblock& b = blocks[i];
        if (b.capacity == 0)
            continue;
        s.blocksinuse++;
        s.entries += b.capacity;
        s.entriesinuse += b.capacity - b.freecount;
        s.bytes += b.capacity * (8 * b.dimension + 12);
    }
    return s;
}
