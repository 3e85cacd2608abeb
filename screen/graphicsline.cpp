// Marking the cells along a line: the walk goes across the cell rows of the
// line's minor axis and marks, in each, the run of cells between the
// line's entry and exit.
#include <algorithm>
#include <cmath>
#include <utility>

#include "screen/graphics.h"
#include "screen/screen.h"

namespace {

struct axis {
    bool steep;
    int tocell(int p) const { return steep ? pixeltocelly(p) : pixeltocellx(p); }
    int rowof(int p) const { return steep ? pixeltocellx(p) : pixeltocelly(p); }
    int size() const { return steep ? charwidth() : charheight(); }
    void mark(int from, int to, int row) const
    {
        if (steep)
            markcolumn(row, tocell(from), tocell(to));
        else
            markrow(tocell(from), tocell(to), row);
    }
};

}

void marklinecells(int x1, int y1, int x2, int y2)
{
    cellpos a = pixeltocell(x1, y1), b = pixeltocell(x2, y2);
    if (a.x == b.x && a.y == b.y) {
        markrow(a.x, a.x, a.y);
        return;
    }
    axis ax{a.x == b.x || std::abs(y2 - y1) > std::abs(x2 - x1)};
    if (ax.steep) {
        std::swap(x1, y1);
        std::swap(x2, y2);
    }
    if (ax.rowof(y1) > ax.rowof(y2)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    int first = ax.rowof(y1), last = ax.rowof(y2);
    double slope = first == last ? 0 : double(y2 - y1) / (x2 - x1);
    int prev = x1;
    for (int r = first; r < last; r++) {
        int b = r * ax.size();
        int xa = int(x1 + (b - 1 - y1) / slope), xb = int(x1 + (b - y1) / slope);
        ax.mark(std::min({prev, xa, xb}), std::max({prev, xa, xb}), r);
        prev = slope >= 0 ? std::min(xa, xb) : std::max(xa, xb);
    }
    ax.mark(prev, x2, last);
}
