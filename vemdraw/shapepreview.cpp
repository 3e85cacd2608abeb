#include "vemdraw/shapepreview.h"

#include "vemdraw/messages.h"
#include "vemdraw/model.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounds of shrinking to fit the work area.
constexpr int rounds = 4;

}  // namespace

void shapepreview(platform::front& f, const diagram* d)
{
    if (!d)
        return;
    mmrect paper = d->paperrect();
    if (!d->printer || !d->printer->valid || !(paper.width() > 0) || !(paper.height() > 0)) {
        errorbox("Shape Preview needs the data of a printer.", "-");
        return;
    }
    int cw = 0, ch = 0, x = 0, y = 0, ew = 0, eh = 0, left = 0, top = 0, right = 0, bottom = 0;
    if (!f.clientsize(cw, ch) || !f.frame(x, y, ew, eh))
        return;
    f.workarea(left, top, right, bottom);
    double q = std::sqrt(paper.height() / paper.width()), area = std::sqrt(double(cw) * ch);
    double w = area / q, h = area * q, W = right - left, H = bottom - top;
    for (int i = 0; i < rounds; ++i) {
        double fit = std::min(W / (w + ew), H / (h + eh));
        if (fit >= 1)
            break;
        w *= fit;
        h *= fit;
    }
    int width = std::max(1, int(w)), height = std::max(1, int(h));
    x = std::max(left, std::min(x, right - (width + ew)));
    y = std::max(top, std::min(y, bottom - (height + eh)));
    f.placewindow(x, y, width, height);
    if (f.clientsize(cw, ch) && std::fabs(cw * q * q - ch) > 3 * q * q + 1)
        errorbox("Shape could not be rendered quite faithfully !", "");
}
