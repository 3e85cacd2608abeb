#include "plots/curvebase.h"

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "objects/diagshow.h"
#include "plots/canplot.h"
#include "plots/clipper.h"
#include "plots/curves.h"
#include "screen/tellthem.h"
#include "screen/uiutil.h"

compilescope::compilescope(const canplot& curve) : globals(shared.globals), resolution(shared.resolution)
{
    if (curve.varstore)
        shared.globals = curve.varstore;
    if (curve.components)
        shared.resolution = curve.components;
}

compilescope::~compilescope()
{
    shared.globals = globals;
    shared.resolution = resolution;
}

void showcompilefailure(diagnostics* collector)
{
    if (!collector)
        return;
    cleardiagif(collector, 58, 62, 0);
    if (collector->state == diagstate::component)
        componenterror(collector);
    else
        tellthem(collector);
}

uint32_t evalstatus(bool valuesread, double a, double b)
{
    unsigned char error = shared.error;
    if (!valuesread)
        return canplot::undefined;
    if (error == evalbreak)
        return canplot::defined;
    if (error != evalok || isnanval(a) || isnanval(b))
        return canplot::undefined;
    return canplot::defined;
}

bool fitwork(canplot& curve, uint16_t args, uint16_t values)
{
    if (curve.work && curve.argcount == args && curve.valuecount == values) {
        curve.plotted = curve.plottedarg >= 1 && curve.plottedarg <= args ? curve.work + curve.plottedarg - 1 : nullptr;
        return true;
    }
    curve.argcount = args;
    curve.valuecount = values;
    return curve.sizework();
}

void ownedby(canplot& curve, fastplot* owner)
{
    curve.source = owner;
    curve.sourcekind = canplot::fastplotsource;
}

void ownedby(canplot& curve, plot* owner)
{
    curve.source = owner;
    curve.sourcekind = canplot::designer;
}

double solverclipper::maskvalue(const double* state, bool forward)
{
    clipper* chain = curve.runclippers;
    return chain ? -chain->maskvalue(state, forward) : 1.0;
}

void graphcurve::rangeoptions(rangerecord& range)
{
    range.unrestrictedallowed = 1;
    range.newsampleallowed = 1;
}

namespace {
drect defaultwindow()
{
    drect w;
    w.set(-1, 1, 1, -1);
    return w;
}
}

paramcurve::paramcurve() : map(defaultwindow(), screenrect{})
{
}

void paramcurve::rangeoptions(rangerecord& range)
{
    range.unrestrictedallowed = 0;
    range.newsampleallowed = 1;
}

curvepoint paramcurve::workpoint() const
{
    return {work[argcount + xcomponent - 1], work[argcount + ycomponent - 1]};
}
