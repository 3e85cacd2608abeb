// The value-table statistics of a plot and of the active curve ("S").
#include "calculator/furk.h"
#include "math/valbase.h"
#include "math/valtable.h"
#include "objects/saveable.h"
#include "plots/boxtext.h"
#include "plots/plot.h"
#include "plots/envcommands.h"
#include "screen/boxsettings.h"
#include "screen/msgbox.h"

namespace {

// Shows the text in its box and empties it for the next one.
void show(boxtext& out, const char* caption)
{
    setboxtitle(caption);
    setfootercode(10);
    msgbox(out.text.c_str());
    out.text.clear();
}

// The value tables of the Runge-Kutta functions among the private copies.
void componenttables(const plot& p, uint32_t& count, uint64_t& bytes)
{
    for (fu1* f = p.components.first(); f; f = static_cast<fu1*>(f->next)) {
        if (f->typenumber() != typeids::furk)
            continue;
        if (const valtable* t = static_cast<furk*>(f)->table.get()) {
            ++count;
            bytes += tablebytes(t);
        }
    }
}

void tablestatistics(const plot& p, boxtext& out)
{
    uint32_t ncomponents = 0, ncurves = 0;
    uint64_t bcomponents = 0, bcurves = 0;
    componenttables(p, ncomponents, bcomponents);
    p.valtablestats(ncurves, bcurves);
    if (ncomponents > 0)
        out.add("\n %u valtables used for the\n\r implementation's Runge-Kutta-Functions \n\r holding a total of %llu "
                "bytes \n\r",
                ncomponents, static_cast<unsigned long long>(bcomponents));
    if (ncurves != 0)
        out.add("\n %u valtables used for curves or \n\r Runge-Kutta calculator objects, \n\r holding a total of %llu "
                "bytes \n\n\r",
                ncurves, static_cast<unsigned long long>(bcurves));
    if (ncomponents > 0 && ncurves > 0)
        out.add(" Plot valtables, total: %12u \n\r Plot bytes used, total:%12llu \n\r", ncomponents + ncurves,
                static_cast<unsigned long long>(bcomponents + bcurves));
    if (ncomponents || ncurves) {
        valstats pool = valbase ? valbase->stats() : valstats{};
        out.add("\n Program valtables:     %12u \n\r Program bytes used:    %12u \n\r", valtablecount, pool.bytes);
    } else {
        out.add("\n No valtable resources used \n");
    }
}

// A curve without a sample (or without an active entry) shows no count.
void curvestatistics(const plotpsp* s, boxtext& out)
{
    autoprint* e = s ? s->activeentry() : nullptr;
    if (!e) {
        out.add("\n No curve selected \n");
        return;
    }
    if (e->sample.arcs)
        out.add("\n Current curve consisting of %u arcs ", e->sample.arcs);
    if (e->sample.count() >= 2)
        out.add("\n\r Points computed: %d \n\r", e->sample.count() - 2);
    else
        out.add("\n\r No points computed \n\r");
    if (s->transfer.name[0] && e->printpoints >= 2)
        out.add(" Points computed for the printout: %u \n\r", e->printpoints - 2);
}

}  // namespace

void plot::statistics() const
{
    boxtext out;   // one buffer for both boxes
    tablestatistics(*this, out);
    show(out, " Value Table Statistics ");
    curvestatistics(activemapping(), out);
    show(out, " Curve Statistics ");
}

void statisticscmd(plot& p)
{
    p.statistics();
}
