// Cell graphics: lines, rectangles, triangles and small texts drawn in
// pixels over the text screen.  Each operation tells the cell grid which
// cells it touched: wholly covered cells become colour fills, partly
// touched ones are marked dirty and their pixels saved at the next flush.
#pragma once

#include "platform/core/draw.h"

int setdrawcolor(int index);
int getdrawcolor();
void drawdcget();
void drawdcrelease();
// Pen position (0, 0) and drawing colour 16.
void graphicsreset();

void gmoveto(int x, int y);
bool glineto(int x, int y);
// While one lives, the lines drawn (glineto) take the screen lock once
// and report their changed pixels together when the last one ends.  No
// wait for the window thread may happen under it.
class linebatch {
public:
    linebatch();
    ~linebatch();
    linebatch(const linebatch&) = delete;
    linebatch& operator=(const linebatch&) = delete;
};
bool grectangle(int left, int top, int right, int bottom);
void gtriangle(int x1, int y1, int x2, int y2, int x3, int y3);
int gtextextent(const char* text);
int gtextout(int x, int y, int textcolour, int background, const char* text);

void fillcellsbykind(int x1, int y1, int x2, int y2, int colour);
void markrow(int x1, int x2, int y);
void markcolumn(int x, int y1, int y2);
void markcellrect(int x1, int y1, int x2, int y2);
// Marks the cells along the line from pixel (x1, y1) to (x2, y2).
void marklinecells(int x1, int y1, int x2, int y2);

// The rubber-band frame, in desktop coordinates, drawn inverted over the
// main window so that drawing it twice erases it.
void framestart(int x, int y);
void framemove(int x, int y);
void frameend();
// Waits for the left button, follows the mouse with the frame while it is
// held and returns the frame's corners in client pixels, left <= right and
// top <= bottom (all 0 when the program stops meanwhile).
pixelrect rubberframe();
