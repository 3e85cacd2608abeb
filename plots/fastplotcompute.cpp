// Computing a fastplot: the quick path over the sample, else the curve's
// sampler over the whole window, curve by curve.
#include "calculator/calculator.h"
#include "math/valtable.h"
#include "plots/clipper.h"
#include "plots/fastplot.h"
#include "plots/paramsampler.h"
#include "plots/screenmap.h"
#include "screen/statusbox.h"

#include <memory>
#include <new>

bool fastplot::quickcmds()
{
    if (samplecount < 2 || spec.count > 1 || !ordinates)
        return false;
    result.clear();
    result.points = new (std::nothrow) plotcmdlist(1);
    if (!result.points || !result.points->setcount(samplecount + 10) || !result.points->setcount(1)) {
        result.failed = 1;
        return false;
    }
    screenmap map(world, screen);
    bool inside = false;
    uint32_t last = std::min<uint32_t>(uint32_t(width()), samplecount - 1);
    for (uint32_t i = 0; i <= last; ++i) {
        double x = abscissae ? abscissae[i] : world.left + (world.right - world.left) * i / (samplecount - 1);
        double y = ordinates[i];
        bool now = inwindow(world, x, y);
        if (now)
            result.points->append(inside ? plotcmd::line : plotcmd::move, uint16_t(map.worldtox(x)),
                                  uint16_t(map.worldtoy(y)));
        inside = now;
    }
    return result.points->append(plotcmd::end, 0, 0);
}

bool fastplot::fullcompute()
{
    samplerequest q = request(0, false);
    q.extraclippers = spec.clippers;
    if (spec.clippers)
        spec.clippers->setorigin(calc->shape());
    if (spec.curves() < 2) {
        statusbox::scope status(programstatus(), "computing...");
        return graph->sample(q, result);
    }
    result.clear();
    result.points = new (std::nothrow) plotcmdlist(1);
    if (!result.points || !result.points->setcount(10) || !result.points->setcount(1)) {
        result.failed = 1;
        return false;
    }
    bool ok = false;
    for (uint16_t k = 0; k < spec.count; ++k) {
        pairof(k, q.component1, q.component2);
        sampleresult one;
        ok = graph->sample(q, one);
        if (!ok || !one.points)
            continue;
        // One end command closes the joined list.
        if (!appendcommands(*result.points, *one.points))
            return false;
    }
    return ok;
}

bool fastplot::compute()
{
    if (state() < 2)
        return false;
    computed = 0;
    if (table && isemptyrange(table->firstx, table->lastx) && !ordinates)
        sample(uint32_t(width() + 1), 0);
    bool quick = quickcmds();
    ordinates.reset();
    abscissae.reset();
    samplecount = 0;
    stamp = calcstamp(*calc);
    if (quick) {
        sampleflag = 1;
        computed = 1;
        return true;
    }
    sampleflag = 0;
    computed = fullcompute() ? 1 : 0;
    return computed;
}

void fastplot::checktable()
{
    if (!table || !calc)
        return;
    if (!tablevalid(stamp, calcstamp(*calc), spec.type))
        table->reset();
    table->checkstamp(4, uint32_t(calc->print.low) | uint32_t(calc->print.high) << 16, calc->print.check);
}
