// "S": what the current fastplot shows and what its value tables use, in
// a native box.
#include "plots/fastplotcommands.h"

#include <cstdio>

#include "calculator/calculator.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "math/valtable.h"
#include "plots/boxtext.h"
#include "plots/fastplot.h"
#include "screen/winbox.h"

namespace {

const char* modeword(int32_t mode)
{
    return mode == calcmode::direct ? "direct" : mode == calcmode::rungekutta ? "Runge-Kutta-"
                                                                              : "Runge-Kutta-(arclength-type)-";
}

}  // namespace

void plotstatistics(calculator& c)
{
    if (!c.plotready())
        return;
    fastplot& p = *c.currentplot();
    boxtext t;
    char letter = c.argchar();
    if (!p.isparametric()) {
        t.add(" Simple %s Plot\n\n\r", modeword(c.mode));
        t.add(" %s over %c\n\n\r", p.yname(0).c_str(), letter);
    } else {
        t.add(" Parametric %s Plot \n\n\r", modeword(c.mode));
        for (uint16_t k = 0; k < p.spec.curves(); ++k)
            t.add("%2d)  %s over %s\n\r", k + 1, p.yname(k).c_str(), p.xname(k).c_str());
        t.add("\n\r");
        t.add(" Range of independent parameter:\n\r %g <= %c <= %g\n\n\r", p.spec.rangelow, letter,
            p.spec.rangehigh);
    }
    t.add(" Coordinate Window:\n\r %12g <= %-7s<= %-12g\n\r %12g <= %-7s<= %-12g\n\n\r", p.world.left,
        p.xname(0).c_str(), p.world.right, p.world.bottom, p.yname(0).c_str(), p.world.top);
    t.add(" Plot consisting of %ld arcs and %ld points\n\r", long(p.result.arcs),
        long(p.result.points ? p.result.points->count : 0));
    c.implement();
    const fingerprint* f = shared.print;
    long tables = (p.table ? 1 : 0) + (f ? long(f->tablestested) : 0);
    long bytes = (f ? long(f->tablesize) : 0) + (p.table ? long(p.table->bytesize()) : 0);
    if (tables != 0) {
        t.add("\n Number of valtables used: %ld\n\r", tables);
        t.add("\n Number of bytes used by all\n\r valtables together: %ld", bytes);
    }
    char caption[40];
    std::snprintf(caption, sizeof caption, " Properties of Plot #%d ", int(c.plotnumber));
    winmsgbox(t.text.c_str(), caption);
}
