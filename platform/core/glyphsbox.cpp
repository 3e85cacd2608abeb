// Box-drawing characters from a table of arms.  Each arm (up, right, down,
// left) is absent, single (one 1-pixel line through the cell's centre) or
// double (two lines one pixel either side of it).  Where arms meet, each
// line stops at the line of the crossing arm that it joins, so that frames
// built from neighbouring cells close without gaps or overhangs.
#include "platform/core/glyphs.h"

#include <algorithm>

namespace {

struct boxchar {
    char32_t code;
    char arms[5];  // weights up, right, down, left
};

const boxchar boxtable[] = {
    {0x2500, "0101"}, {0x2502, "1010"}, {0x250C, "0110"}, {0x2510, "0011"},
    {0x2514, "1100"}, {0x2518, "1001"}, {0x251C, "1110"}, {0x2524, "1011"},
    {0x252C, "0111"}, {0x2534, "1101"}, {0x253C, "1111"},
    {0x2550, "0202"}, {0x2551, "2020"}, {0x2552, "0210"}, {0x2553, "0120"},
    {0x2554, "0220"}, {0x2555, "0012"}, {0x2556, "0021"}, {0x2557, "0022"},
    {0x2558, "1200"}, {0x2559, "2100"}, {0x255A, "2200"}, {0x255B, "1002"},
    {0x255C, "2001"}, {0x255D, "2002"}, {0x255E, "1210"}, {0x255F, "2120"},
    {0x2560, "2220"}, {0x2561, "1012"}, {0x2562, "2021"}, {0x2563, "2022"},
    {0x2564, "0212"}, {0x2565, "0121"}, {0x2566, "0222"}, {0x2567, "1202"},
    {0x2568, "2101"}, {0x2569, "2202"}, {0x256A, "1212"}, {0x256B, "2121"},
    {0x256C, "2222"},
};

struct canvas {
    int w, h;
    uint8_t* m;
    bool transposed;
    void set(int along, int across, uint8_t v = 255)
    {
        int x = transposed ? across : along, y = transposed ? along : across;
        if (x >= 0 && x < w && y >= 0 && y < h)
            m[y * w + x] = v;
    }
};

// Where a strand of an arm begins, as an offset from the centre along the
// arm; "through" when the strand runs on into the opposite arm.
struct strandstart {
    int offset;
    bool through;
};

// An arm along one axis: fwd is its own weight, back the opposite arm's,
// neg and pos the crossing arms on the strand offsets' negative and
// positive sides.
strandstart startof(int strand, int back, int neg, int pos)
{
    int cross = std::max(neg, pos);
    if (cross == 0)
        return {0, back != 0};
    if (strand == 0) {
        if (back)
            return {0, true};
        int d = cross == 2 ? 1 : 0;
        return {neg && pos ? d : -d, false};  // near line of a through line, else far
    }
    int side = strand < 0 ? neg : pos;
    int other = strand < 0 ? pos : neg;
    if (side)
        return {side == 2 ? 1 : 0, false};
    if (back)
        return {0, true};
    return {other == 2 ? -1 : 0, false};
}

// Draws the arms fwd (towards +along) and back of one axis.
void drawaxis(canvas& c, int len, int centre, int across, int fwd, int back, int neg, int pos)
{
    for (int dir : {1, -1}) {
        int weight = dir > 0 ? fwd : back;
        int opposite = dir > 0 ? back : fwd;
        if (!weight)
            continue;
        static const int doubles[] = {-1, 1}, singles[] = {0};
        const int* strands = weight == 2 ? doubles : singles;
        for (int k = 0; k < weight; k++) {
            int strand = strands[k];
            strandstart s = startof(strand, opposite, neg, pos);
            int from = s.through ? (dir > 0 ? 0 : len - 1) : centre + dir * s.offset;
            int to = dir > 0 ? len - 1 : 0;
            for (int a = std::min(from, to); a <= std::max(from, to); a++)
                c.set(a, across + strand);
        }
    }
}

bool drawbox(char32_t code, int w, int h, uint8_t* mask)
{
    const boxchar* e = std::find_if(std::begin(boxtable), std::end(boxtable),
                                    [code](const boxchar& b) { return b.code == code; });
    if (e == std::end(boxtable))
        return false;
    int up = e->arms[0] - '0', right = e->arms[1] - '0', down = e->arms[2] - '0', left = e->arms[3] - '0';
    int cx = w / 2, cy = h / 2;
    canvas horizontal{w, h, mask, false};
    drawaxis(horizontal, w, cx, cy, right, left, up, down);
    canvas vertical{w, h, mask, true};
    drawaxis(vertical, h, cy, cx, down, up, left, right);
    return true;
}

void fill(int w, int h, uint8_t* mask, int x1, int y1, int x2, int y2, uint8_t v)
{
    for (int y = y1; y < y2; y++)
        for (int x = x1; x < x2; x++)
            mask[y * w + x] = v;
}

}

bool boxglyph(char32_t c, int w, int h, uint8_t* mask)
{
    switch (c) {
    case 0x2588: fill(w, h, mask, 0, 0, w, h, 255); return true;          // full block
    case 0x2580: fill(w, h, mask, 0, 0, w, h / 2, 255); return true;      // upper half
    case 0x2584: fill(w, h, mask, 0, h / 2, w, h, 255); return true;      // lower half
    case 0x258C: fill(w, h, mask, 0, 0, w / 2, h, 255); return true;      // left half
    case 0x2590: fill(w, h, mask, w / 2, 0, w, h, 255); return true;      // right half
    case 0x2591: fill(w, h, mask, 0, 0, w, h, 64); return true;           // shades
    case 0x2592: fill(w, h, mask, 0, 0, w, h, 128); return true;
    case 0x2593: fill(w, h, mask, 0, 0, w, h, 192); return true;
    default: return drawbox(c, w, h, mask);
    }
}
