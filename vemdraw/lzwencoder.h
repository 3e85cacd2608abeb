// GIF's variable-length-code LZW compression of an 8-bit raster, with the
// string table as a trie (first child, next sibling, character) searched
// along a node's children.  No clear code leads the data; the table starts
// over when code 4095 would be assigned.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Packs codes least significant bit first into 255-byte sub-blocks, each
// led by its count byte.
class codewriter {
public:
    explicit codewriter(std::string& out) : out(out) {}
    void put(uint32_t code, int count);
    // The last partial byte counts as complete; the rest goes out as one
    // shorter sub-block.
    void flush();

private:
    void emit();
    std::string& out;
    uint64_t bits = 0;
    int pending = 0, filled = 0;
    uint8_t block[255];
};

// Row y of the image counted from the top.
using rowsource = std::function<const uint8_t*(uint32_t y)>;

class lzwencoder {
public:
    // Appends the image data block (minimum code size byte, sub-blocks,
    // terminator) of a width x height raster of pixel indices below
    // 2^codesize; interlaced output takes the rows in GIF's four passes.
    // spill, when set, is handed the output whenever it has grown past a
    // megabyte and empties it; false from spill ends the run.  Returns the
    // bytes of the block, 0 when spill failed.
    uint64_t run(std::string& out, const rowsource& rows, uint32_t width, uint32_t height, int codesize,
                 bool interlaced, const std::function<bool(std::string&)>& spill = {});

    // The image row that output row r (from 0) shows.
    static uint32_t interlacerow(uint32_t r, uint32_t height);

private:
    void inittable();
    void resettable();
    uint16_t findchild(uint16_t prefix, uint8_t c) const;
    void addentry(uint16_t prefix, uint8_t c);

    uint16_t firstchild[4096], nextsibling[4096];
    uint8_t character[4096];
    uint32_t roots = 0, clear = 0, end = 0;
    uint16_t next = 0;
};
