// The function editor's item lines: a text page whose every line starts
// with a 4-byte attribute word, the code of the item the line belongs to.
// Consecutive lines with the same code form one item.  It remembers the
// item under the bar, so that the bar returns there after a rebuild, and
// keeps the list box open until the next one is built.
#pragma once

#include <cstdint>
#include <memory>

#include "screen/textlist.h"

class attrlines : public textpage {
public:
    attrlines();
    ~attrlines();

    uint32_t getattr(int line) const;
    // Ignored beyond the last line.
    void setattr(uint32_t code, int line);
    void setlineattrs(uint32_t code, int first, int last);
    // Appends text (split into lines of the box width) as item code.
    bool additem(uint32_t code, const char* text);

    // Remembers the item of line and the bar's offset within it.
    void selectitem(int line);
    // The line of the remembered item and offset; 1 when it is gone.
    int itemline() const;

    int16_t width = 40;
    uint32_t item = 0;
    int16_t offset = 0;
    std::unique_ptr<textlist> box;
    textlisthelpfn help = nullptr;
};
