// The pixel store: cell-sized slots on pages of offscreen pixels, which keep
// the pixels of cells that graphics were drawn over.  A handle names one
// slot: page * slots per page + slot, pages and slots from 1; 0 is none.
// Callers hold the screen lock (screen/screenhost.h).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/draw.h"

class pixxman {
public:
    pixxman(int slotwidth, int slotheight, int slotsperpage, int maxpages);

    long newhandle();
    void releasehandle(long handle);
    bool save(long handle, int x, int y);
    bool load(long handle, int x, int y);
    long handlesinuse() const;

    // The pixels that save copies from and load copies to, for the length
    // of one flush, repaint or snapshot; null when none.
    const canvas* target = nullptr;
    bool error = false;

private:
    struct slot {
        bool free;
        bool saved;
        uint16_t next;
    };
    struct page {
        std::vector<slot> slots;  // from 1
        uint16_t firstfree;
        uint16_t freecount;
        std::unique_ptr<pixelpage> pixels;
    };
    int slotw, sloth, perpage, maxpages;
    std::vector<page> pages;  // page n is pages[n - 1]

    void addpage();
    // The page of a handle; null (and a report) when it names no page in use.
    page* pageat(long handle, const char* caller);
    long pageof(long handle) const { return (handle - 1) / perpage; }
    int slotof(long handle) const { return int(handle - pageof(handle) * perpage); }
};
