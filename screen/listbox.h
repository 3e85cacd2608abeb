// The window of a scrolling list: a framed box (or a bare rectangle) with
// a page of rows, a highlighted bar and the list's colours.  Destroying it
// restores the screen beneath.
#pragma once

#include <cstdint>
#include <memory>

#include "screen/boxframe.h"

struct colorpair {
    uint8_t fg = 0, bg = 0;
    bool valid() const;
};

// A pair counts only when both indices are valid palette indices.
struct listcolors {
    colorpair normal, normalopened, highlight, highlightopened;
};

// One-shot settings of the next list box: each colour only when valid.
void setlistcolors(int normalfg, int normalbg, int highlightfg, int highlightbg);
// The next list box has no frame.
void setlistnoframe();
bool listnoframepending();
// The legend text of the next framed box (at most 478 characters).
void boxdefaults(const char* text);

class listbox {
public:
    // Negative legend rows, or a pending no-frame flag: no frame.
    listbox(int16_t left, int16_t top, int16_t right, int16_t bottom, uint8_t frame1, uint8_t frame2,
            int16_t legendrows, int normalfg = 0, int normalbg = 0, int highlightfg = 0,
            int highlightbg = 0);

    // Fills every pair of record that is not valid from the box.
    void resolvecolors(listcolors& record) const;
    // Repaints the bar's row in the highlight (on) or normal pair.
    void drawline(bool on, const listcolors& c);
    // 0 when the bar left the page, else 1.
    int barup(const listcolors& c);
    int bardown(const listcolors& c);
    void barlast(const listcolors& c);
    // n = 0 clears the interior.
    void scrollup(int n, const listcolors& c);
    void scrolldown(int n, const listcolors& c);
    void puttop(const char* text, const listcolors& c);
    void putbottom(const char* text, const listcolors& c);

    // Interior cell (column, row), 1-based, as a screen position.
    int screenx(int column) const { return left + column; }
    int screeny(int row) const { return top + row; }

    colorpair normal, normalopened, highlight, highlightopened;
    // Frame included; without a frame left and top are one cell before the
    // rectangle, so that interior cell (1, 1) is its first.
    int16_t left = 0, top = 0, right = 0, bottom = 0;
    int16_t width = 0, height = 0;
    int16_t nextrow = 1, barrow = 0;
    bool framed = true;
    bool failed = false;

private:
    // The framed box, or the bare saved rectangle; restores the screen.
    std::unique_ptr<screensave> under;

    void selectinterior() const;
    void scroll(int n, const listcolors& c);
    void paintrow(int row, const colorpair& p);
    void writerow(int row, const char* text, const listcolors& c);
};
