// Cell sizes and the conversions between cells and pixels.
#include <algorithm>

#include "screen/screen.h"
#include "screen/screenhost.h"
#include "screen/screenstate.h"

int charwidth()
{
    return scr.cellw;
}

int charheight()
{
    return scr.cellh;
}

int smallcharwidth()
{
    return scr.smallw;
}

int smallcharheight()
{
    return scr.smallh;
}

int screencols()
{
    return scr.cols;
}

int screenrows()
{
    return scr.rows;
}

int screenpixwidth()
{
    return scr.cols * scr.cellw;
}

int screenpixheight()
{
    return scr.rows * scr.cellh;
}

pixelpoint celltopixel(int x, int y)
{
    return {(x - 1) * scr.cellw, (y - 1) * scr.cellh};
}

pixelrect cellrecttopixel(int x1, int y1, int x2, int y2)
{
    pixelpoint a = celltopixel(x1, y1), b = celltopixel(x2, y2);
    return {a.x, a.y, b.x, b.y};
}

int pixeltocellx(int p)
{
    return p / scr.cellw + 1;
}

int pixeltocelly(int p)
{
    return p / scr.cellh + 1;
}

cellpos pixeltocell(int px, int py)
{
    return {pixeltocellx(px), pixeltocelly(py)};
}

cellrect pixelrecttocells(int left, int top, int right, int bottom)
{
    return {std::max(pixeltocellx(left), 1), std::max(pixeltocelly(top), 1), std::min(pixeltocellx(right), scr.cols),
            std::min(pixeltocelly(bottom), scr.rows)};
}

cellrect pixelrecttoinnercells(int left, int top, int right, int bottom)
{
    cellrect c = pixelrecttocells(left, top, right, bottom);
    if (celltopixel(c.left, 1).x < left)
        c.left++;
    if (celltopixel(1, c.top).y < top)
        c.top++;
    if (celltopixel(c.right + 1, 1).x - 1 > right)
        c.right--;
    if (celltopixel(1, c.bottom + 1).y - 1 > bottom)
        c.bottom--;
    return c;
}

bool cellvalid(int x, int y)
{
    return x >= 1 && x <= scr.cols && y >= 1 && y <= scr.rows;
}

bool cellonscreen(int x, int y)
{
    pixelpoint o = clientorigin(), p = celltopixel(x, y);
    int left = o.x + p.x, top = o.y + p.y;
    const pixelrect& w = scr.workarea;
    return left >= w.left && top >= w.top && left + scr.cellw <= w.right && top + scr.cellh <= w.bottom;
}
