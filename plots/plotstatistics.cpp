// "S": what the current fastplot shows and what its value tables use, in
// a native box.
#include "plots/fastplotcommands.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "calculator/calculator.h"
#include "formula/evalstate.h"
#include "formula/fingerprint.h"
#include "math/valtable.h"
#include "plots/fastplot.h"
#include "screen/winbox.h"

namespace {

// Appends to a text of at most 2047 characters.
void add(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
void add(std::string& text, const char* format, ...)
{
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    text += line;
    if (text.size() > 2047)
        text.resize(2047);
}

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
    std::string t;
    char letter = c.argchar();
    if (!p.isparametric()) {
        add(t, " Simple %s Plot\n\n\r", modeword(c.mode));
        add(t, " %s over %c\n\n\r", p.yname(0).c_str(), letter);
    } else {
        add(t, " Parametric %s Plot \n\n\r", modeword(c.mode));
        for (uint16_t k = 0; k < p.spec.curves(); ++k)
            add(t, "%2d)  %s over %s\n\r", k + 1, p.yname(k).c_str(), p.xname(k).c_str());
        add(t, "\n\r");
        add(t, " Range of independent parameter:\n\r %g <= %c <= %g\n\n\r", p.spec.rangelow, letter,
            p.spec.rangehigh);
    }
    add(t, " Coordinate Window:\n\r %12g <= %-7s<= %-12g\n\r %12g <= %-7s<= %-12g\n\n\r", p.world.left,
        p.xname(0).c_str(), p.world.right, p.world.bottom, p.yname(0).c_str(), p.world.top);
    add(t, " Plot consisting of %ld arcs and %ld points\n\r", long(p.result.arcs),
        long(p.result.points ? p.result.points->count : 0));
    c.implement();
    const fingerprint* f = shared.print;
    long tables = (p.table ? 1 : 0) + (f ? long(f->tablestested) : 0);
    long bytes = (f ? long(f->tablesize) : 0) + (p.table ? long(p.table->bytesize()) : 0);
    if (tables != 0) {
        add(t, "\n Number of valtables used: %ld\n\r", tables);
        add(t, "\n Number of bytes used by all\n\r valtables together: %ld", bytes);
    }
    char caption[40];
    std::snprintf(caption, sizeof caption, " Properties of Plot #%d ", int(c.plotnumber));
    winmsgbox(t.c_str(), caption);
}
