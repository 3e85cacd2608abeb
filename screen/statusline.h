// One panel of the status box: a few text lines with a cursor, written
// like a teletype.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>
#include <vector>

#include "base/listnode.h"

class statusline : public listnode {
public:
    statusline(int16_t rows, int16_t columns);
    ~statusline() override;

    void clear();
    void setpos(int16_t col, int16_t row);
    void printv(const char* format, va_list args);
    // False when a line break failed.
    bool write(const char* text);
    bool newline();
    // Only into a panel at least as wide and as tall.
    bool copy(const statusline& source);
    void draw(int left, int top) const;

    std::vector<std::string> lines;
    uint8_t textcolor = 0, alttextcolor = 0, background = 0, altbackground = 0;
    bool wrap = false, scroll = true;
    int16_t rows, columns;
    int16_t col = 1, row = 1;

private:
    void fill();
};
