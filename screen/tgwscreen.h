// The cell grid: what every cell of the text screen shows, from which the
// screen is repainted, and the positions of cells whose pixels wait to be
// saved in the pixel store.  Callers hold the screen lock.
#pragma once

#include <memory>
#include <vector>

#include "screen/pixxman.h"
#include "screen/screencell.h"

class tgwscreen {
public:
    tgwscreen(int columns, int rows, int stackdepth, int cellwidth, int cellheight);

    int columns() const { return cols; }
    int rows() const { return nrows; }
    // The cell at (x, y), null outside the grid.
    screencell* cellat(int x, int y);
    pixxman& store() { return pixels; }

    // Changing a cell's kind away from pixels releases its handle.
    void setchar(int x, int y, unsigned char c, int textcolour, int background);
    void setfill(int x, int y, int colour);
    void clearcell(screencell& c);
    // Moves a cell: the destination's handle is released, a pixel source is
    // left empty and its handle travels with the cell.
    void movecell(screencell& from, screencell& to);

    bool savecell(screencell& c, int x, int y);
    void drawcell(const screencell& c, int x, int y);
    void markdirty(int x, int y);
    void flushcells();
    void repaintrect(int x1, int y1, int x2, int y2, const canvas* context);
    bool snapshot(int x1, int y1, int x2, int y2);
    void saveemptycells(int x1, int y1, int x2, int y2);
    void clearcells();
    void statusscreen();

    bool error = false;

private:
    int cols, nrows, depth;
    std::vector<screencell> cells;
    std::vector<short> stackx, stacky;
    int stackcount = 0;
    pixxman pixels;
};

// The one grid, made with the main window and deleted with it; null
// before and after.
extern tgwscreen* vscreen;
void screencreate();
void screendestroy();

// The helpers of the pixel store on the one grid.
bool savecell(screencell& c, int x, int y);
void drawcell(const screencell& c, int x, int y);
void markdirty(int x, int y);
void flushcells();
void repaintrect(int x1, int y1, int x2, int y2, const canvas* context = nullptr);
void redrawscreen(const canvas* context = nullptr);
void saveemptycells(int x1, int y1, int x2, int y2);
void clearcells();
void statusscreen();
