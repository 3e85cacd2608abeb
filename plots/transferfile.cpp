#include "plots/transferfile.h"

#include <cmath>
#include <utility>

#include "base/rkpformat.h"
#include "platform/core/files.h"
#include "plots/canplot.h"
#include "plots/curvecolor.h"
#include "plots/insertion.h"
#include "plots/plot.h"
#include "plots/plotservices.h"
#include "plots/printoptions.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/statusbox.h"
#include "screen/uiutil.h"

bool nicestep(double low, double high, double& unit, double& anchor, double n)
{
    if (low > high)
        std::swap(low, high);
    double range = high - low;
    unit = 1.0;
    anchor = 0.0;
    double limit = std::sqrt(10.0) * n;
    if (!(range > 0) || !std::isfinite(range) || !(limit > 0))
        return false;
    while (range / unit < limit / 10)
        unit /= 10;
    while (range / unit > limit)
        unit *= 10;
    return true;
}

bool tickunits(const drect& w, double anchors[2], double units[2], double n)
{
    anchors[0] = anchors[1] = 0;
    units[0] = units[1] = 1;
    if (!(w.left < w.right) || !(w.bottom < w.top))
        return false;
    return nicestep(w.bottom, w.top, units[1], anchors[1], n) && nicestep(w.left, w.right, units[0], anchors[0], n);
}

void putpen(std::string& out, uint16_t pen, uint16_t colour)
{
    rkp::putrecord(out, rkp::pen, 0, pen);
    curvecolorentry c{};
    if (curvecolor && colour < curvecolorcount)
        c = curvecolor[colour];
    rkp::putrecord(out, rkp::point, uint16_t(c.red | c.green << 8), c.blue);
}

void putpolyline(std::string& out, const plotcmdlist& list)
{
    bool penup = true;
    for (uint32_t i = 1; i < list.count; ++i) {
        const plotcmd& c = list.at(i);
        if (c.kind == plotcmd::penup) {
            penup = true;
            continue;
        }
        if (c.kind != plotcmd::move && c.kind != plotcmd::line)
            continue;
        if (c.a == 0 || c.a > rkp::square || c.b > rkp::square) {
            penup = true;
            continue;
        }
        uint8_t kind = penup ? uint8_t(rkp::point) : uint8_t(c.kind);
        rkp::putrecord(out, kind, c.a, uint16_t(rkp::square - c.b));
        penup = false;
    }
}

bool putcurves(autoprint& entry, std::string& out, samplerequest& request)
{
    plotcurve* curve = entry.curve;
    if (!curve || !curve->enabled || !entry.considered || !entry.visible)
        return false;
    menus().clearflags();
    putpen(out, entry.pen, curve->colour);
    request.resolution = entry.resolution;
    request.norecord = 1;
    sampleresult result;
    if (!generatesampleprint(*curve, request, result) || !result.points) {
        entry.printpoints = 0;
        return false;
    }
    entry.printpoints = result.points->count;
    if (result.failed) {
        msgstyle(2);
        tell("\n Could not allocate memory for plot data! \n");
        return false;
    }
    statusbox::scope status(programstatus(), "\n writing to file... \n");
    putpolyline(out, *result.points);
    return true;
}

uint16_t flagword(const printoptions& o)
{
    uint16_t f = 0;
    if (o.autosynchronize)
        f |= 0x4000;
    if (o.orientation == 3 || o.largestshape)
        f |= 0x200;
    if (o.orientation == 4 || o.largestshape)
        f |= 0x10;
    static const uint16_t density[] = {0x100, 0x400, 0x800, 0x8};
    if (o.griddensity < 4)
        f |= density[o.griddensity];
    if (!o.gridsynchronized)
        f |= 0x2000;
    if (!(o.xaxis && o.yaxis)) {
        f |= 0x40;
        if (o.xaxis)
            f |= 0x1000;
        if (o.yaxis)
            f |= 0x2;
    }
    if (!o.box)
        f |= 0x20;
    return f;
}

namespace {

bool putpair(std::string& out, uint8_t code, double first, double second)
{
    rkp::putrecord(out, code, 0, 0);
    // Both are written, whatever the first answers.
    bool a = rkp::putnumber(out, first);
    bool b = rkp::putnumber(out, second);
    return a && b;
}

uint16_t interpretationcode(uint32_t interpretation)
{
    return interpretation < 2 ? uint16_t(2 - interpretation) : 0;
}

}  // namespace

bool puttrailer(std::string& out, const drect& w, const printoptions& o)
{
    rkp::putrecord(out, rkp::worldwindow, 0, 0);
    bool ok = true;
    for (double v : {w.left, w.top, w.right, w.bottom})
        ok &= rkp::putnumber(out, v);
    double anchors[2], units[2];
    tickunits(w, anchors, units, double(o.mainunits));
    ok &= putpair(out, rkp::anchors, anchors[0], anchors[1]);
    ok &= putpair(out, rkp::units, units[0], units[1]);
    if (!o.autosynchronize)
        ok &= putpair(out, rkp::diagramsize, o.width, o.height);
    if (!o.defaultmargins) {
        ok &= putpair(out, rkp::margins, o.leftmargin, o.topmargin);
        ok &= putpair(out, rkp::margins2, o.rightmargin, o.bottommargin);
    }
    rkp::putrecord(out, rkp::interpretation, interpretationcode(o.interpretation), 0);
    rkp::putrecord(out, rkp::gridstyle, uint16_t(o.gridstyle), o.gridcolour);
    rkp::putrecord(out, rkp::flagword, flagword(o), 0);
    return ok;
}

bool transferbytes(plotpsp& p, std::string& out)
{
    drect w = p.mappedwindow();
    if (!(w.left < w.right) || !(w.bottom < w.top)) {
        msgstyle(1);
        tell("\n The perspective shows an empty window: \n\r no transfer file written. \n");
        return false;
    }
    samplerequest request;
    request.unit = p.mapping;
    request.screen = {0, 0, int16_t(rkp::square), int16_t(rkp::square)};
    for (int position = 1; position <= p.consider.count; ++position) {
        {
            statusbox::scope status(programstatus(), "\n computing curve %d \n", position);
            samplerequest q = request;
            putcurves(*p.consider.at(position), out, q);
        }
        if (breakrequested() && position < p.consider.count
            && !isyes(tell("\n Computation of curve nr. %d has been aborted. \n\r Should the remaining curves be computed (y/n) ? \n",
                           position)))
            break;
    }
    return puttrailer(out, w, activeprintoptions());
}

bool maketransferfile(plotpsp& p, const std::string& dir, std::string& path)
{
    if (!p.consider.count || !p.transfer.back)
        return false;
    std::string name = asktransfername(p, dir);
    if (name.empty())
        return false;
    path = dir + "/" + name;
    statusbox::scope status(programstatus(), "\n creating transfer file \n\r %s ", name.c_str());
    std::string bytes;
    if (!transferbytes(p, bytes))
        return false;
    if (!savefile(path, bytes)) {
        msgstyle(2);
        tell("\n Error encountered while writing to file \n\r %s ! \n\r %s \n", path.c_str(), fileerror().c_str());
        return false;
    }
    return true;
}
