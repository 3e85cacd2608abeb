#include "screen/graphics.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/core/fonts.h"
#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/screenhost.h"
#include "screen/tgwscreen.h"

namespace {
int drawcolour = 16;
int penx = 0, peny = 0;
int dcusers = 0;

// The open line batch: its lock and the pixels its lines changed.
struct batchstate {
    int depth = 0;
    std::optional<screenlock> lock;
    pixelrect changed{0, 0, 0, 0};
    bool any = false;
} batch;

void grow(pixelrect& r, const pixelrect& by, bool& any)
{
    if (!any)
        r = by;
    r = {std::min(r.left, by.left), std::min(r.top, by.top), std::max(r.right, by.right),
         std::max(r.bottom, by.bottom)};
    any = true;
}
}

linebatch::linebatch()
{
    if (batch.depth++ == 0)
        batch.lock.emplace();
}

linebatch::~linebatch()
{
    if (--batch.depth > 0)
        return;
    batch.lock.reset();
    if (batch.any)
        screenchanged(batch.changed);
    batch.any = false;
}

int setdrawcolor(int index)
{
    int previous = drawcolour;
    if (colorvalid(index))
        drawcolour = index;
    return previous;
}

int getdrawcolor()
{
    return drawcolour;
}

void drawdcget()
{
    dcusers++;
}

void drawdcrelease()
{
    if (dcusers > 0)
        dcusers--;
}

void graphicsreset()
{
    drawcolour = 16;
    penx = peny = 0;
}

void gmoveto(int x, int y)
{
    penx = x;
    peny = y;
}

bool glineto(int x, int y)
{
    {
        linebatch line;   // alone, a batch of one line
        drawline(batch.lock->pixels(), penx, peny, x, y, colorrgb(drawcolour));
        marklinecells(penx, peny, x, y);
        grow(batch.changed, {std::min(penx, x), std::min(peny, y), std::max(penx, x) + 1, std::max(peny, y) + 1},
             batch.any);
    }
    gmoveto(x, y);
    return true;
}

bool grectangle(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    screenlock lock;
    uint32_t rgb = colorrgb(drawcolour);
    drawrectangle(lock.pixels(), left, top, right, bottom, rgb, rgb);
    cellrect touched = pixelrecttocells(left, top, right, bottom);
    cellrect inner = pixelrecttoinnercells(left, top, right, bottom);
    if (inner.left <= inner.right && inner.top <= inner.bottom)
        fillcellsbykind(inner.left, inner.top, inner.right, inner.bottom, drawcolour);
    if (touched.left < inner.left)
        markcolumn(touched.left, touched.top, touched.bottom);
    if (touched.right > inner.right)
        markcolumn(touched.right, touched.top, touched.bottom);
    if (touched.top < inner.top)
        markrow(touched.left, touched.right, touched.top);
    if (touched.bottom > inner.bottom)
        markrow(touched.left, touched.right, touched.bottom);
    screenchanged({left, top, right + 1, bottom + 1});
    return true;
}

void gtriangle(int x1, int y1, int x2, int y2, int x3, int y3)
{
    pixelpoint p[3] = {{x1, y1}, {x2, y2}, {x3, y3}};
    screenlock lock;
    uint32_t rgb = colorrgb(drawcolour);
    drawpolygon(lock.pixels(), p, 3, rgb, rgb);
    // Every cell under the triangle, not only those along its edges: the
    // inside of a large one lies in cells that no edge touches.
    int left = std::min({x1, x2, x3}), right = std::max({x1, x2, x3});
    int top = std::min({y1, y2, y3}), bottom = std::max({y1, y2, y3});
    cellrect c = pixelrecttocells(left, top, right, bottom);
    markcellrect(c.left, c.top, c.right, c.bottom);
    screenchanged({left, top, right + 1, bottom + 1});
}

int gtextextent(const char* text)
{
    return text ? graphicfont().textextent(int(std::strlen(text))) : 0;
}

int gtextout(int x, int y, int textcolour, int background, const char* text)
{
    if (!colorvalid(textcolour) || !colorvalid(background) || !text)
        return 0;
    int n = int(std::strlen(text)), width = gtextextent(text);
    x = std::max(0, std::min(x, screenpixwidth() - width - 5));
    y = std::max(0, std::min(y, screenpixheight() - smallcharheight()));
    screenlock lock;
    drawtext(lock.pixels(), x, y, graphicfont(), reinterpret_cast<const unsigned char*>(text), n,
             colorrgb(textcolour), colorrgb(background));
    cellrect c = pixelrecttocells(x, y, x + width - 1, y + smallcharheight() - 1);
    markcellrect(c.left, c.top, c.right, c.bottom);
    screenchanged({x, y, x + width, y + smallcharheight()});
    return x;
}

void fillcellsbykind(int x1, int y1, int x2, int y2, int colour)
{
    if (!vscreen)
        return;
    screenlock lock;
    for (int y = y1; y <= y2; y++)
        for (int x = x1; x <= x2; x++)
            vscreen->setfill(x, y, colour);
}

void markrow(int x1, int x2, int y)
{
    if (y < 1 || y > screenrows())
        return;
    if (x2 < x1)
        std::swap(x1, x2);
    screenlock lock;
    for (int x = std::max(x1, 1); x <= std::min(x2, screencols()); x++)
        markdirty(x, y);
}

void markcolumn(int x, int y1, int y2)
{
    if (x < 1 || x > screencols())
        return;
    if (y2 < y1)
        std::swap(y1, y2);
    screenlock lock;
    for (int y = std::max(y1, 1); y <= std::min(y2, screenrows()); y++)
        markdirty(x, y);
}

void markcellrect(int x1, int y1, int x2, int y2)
{
    for (int x = x1; x <= x2; x++)
        markcolumn(x, y1, y2);
}
