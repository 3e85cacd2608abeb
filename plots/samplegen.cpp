// The sample of a designer plot's curve: the request filled from the
// curve, the curve's value table tabulated first when it is empty.
#include "math/valtable.h"
#include "plots/canplot.h"
#include "plots/insertion.h"
#include "plots/plot.h"
#include "screen/msgbox.h"
#include "screen/statusbox.h"

namespace {

bool isempty(const valtable* t)
{
    return isemptyrange(t->firstx, t->lastx);
}

bool generate(plotcurve& c, samplerequest& q, sampleresult& result, bool print)
{
    if (!c.enabled || !c.graph)
        return false;
    q.world = c.world;
    q.rangelow = c.rangelow;
    q.rangehigh = c.rangehigh;
    q.extraclippers = c.clippers;
    q.component1 = c.selection[0];
    q.component2 = c.selection[1];
    q.plottedarg = c.argnumber;
    q.table = c.owntable.get();
    valtable* t1 = c.fastplottable.get();
    bool needed = t1 ? isempty(t1) : q.table && isempty(q.table);
    if (needed) {
        int32_t got;
        {
            statusbox::scope status(programstatus(), "\n generating sample... \n");
            got = c.graph->tabulate(q.screen.right - q.screen.left, q);
        }
        if (!got) {
            msgfailed();
            return false;
        }
        c.fastplottable.reset();
    }
    q.walktable = c.fastplottable.get();
    bool ok = print ? c.graph->sampler(q, result) : c.graph->sample(q, result);
    if (ok)
        c.fastplottable.reset();
    return ok;
}

}  // namespace

bool generatesample(plotcurve& c, samplerequest& q, sampleresult& result)
{
    return generate(c, q, result, false);
}

bool generatesampleprint(plotcurve& c, samplerequest& q, sampleresult& result)
{
    return generate(c, q, result, true);
}
