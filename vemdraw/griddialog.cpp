#include "vemdraw/griddialog.h"

#include "vemdraw/dialogtext.h"
#include "vemdraw/syncdialog.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

using platform::controlkind;

namespace {

constexpr std::initializer_list<int> densities = {1006, 1007, 1008, 1009};
constexpr std::initializer_list<int> styles = {1012, 1011, 1010};   // by style 0 dotted, 1 thin, 2 thick
constexpr std::initializer_list<int> colourids = {1013, 1014, 1015, 1016, 1017, 1031};
constexpr std::initializer_list<uint32_t> colours = {0x4040FF, 0xFF00FF, 0x00FF00, 0xFF4040, 0xFFFF00, 0x000000};
constexpr int onetoone = 1019, subdividedid = 1020, truecm = 1021, bysize = 1022;
constexpr int spinx = 1030, spiny = 1029;

// round(main unit / grid unit), halves up, within the spins' range.
uint32_t factorof(double unit, double grid)
{
    double f = std::floor(unit / grid + 0.5);
    return std::isfinite(f) ? uint32_t(std::clamp(f, 1.0, 50.0)) : 1;
}

// The position of v in list; the list's size when it is not there.
template <class T>
size_t indexof(std::initializer_list<T> list, T v)
{
    return size_t(std::find(list.begin(), list.end(), v) - list.begin());
}

}  // namespace

gridsettings gridfrom(const diagram& d, uint32_t o)
{
    gridsettings r;
    r.density = d.griddensity;
    r.style = d.gridstyle;
    r.colour = d.gridcolour;
    r.synchronised = d.gridsynchronised;
    r.factorx = factorof(d.unitx, d.gridx);
    r.factory = factorof(d.unity, d.gridy);
    r.subdivided = r.synchronised && !(r.factorx == 1 && r.factory == 1);
    r.width = d.width;
    r.height = d.height;
    r.interpretation = d.interpretation;
    r.orientation = o;
    r.window = d.window;
    return r;
}

void gridapply(const gridsettings& r, diagram& d)
{
    d.griddensity = r.density;
    d.gridstyle = r.style;
    d.gridcolour = r.colour;
    d.gridsynchronised = r.synchronised;
    if (r.synchronised) {
        d.gridx = d.unitx;
        d.gridy = d.unity;
        if (r.subdivided) {
            d.gridx /= r.factorx;
            d.gridy /= r.factory;
        }
    }
    if (r.width > 0 && r.height > 0) {
        d.width = r.width;
        d.height = r.height;
    }
    d.interpretation = r.interpretation;
}

platform::dialogtemplate gridtemplate(const gridsettings& r)
{
    platform::dialogtemplate t{"GRIDDIALOG", "Grid Properties", "", {}};
    t.controls = {
        control(0, controlkind::group, "Grid density"),
        control(1006, controlkind::radio, "No grid"), control(1007, controlkind::radio, "1st order lines only"),
        control(1008, controlkind::radio, "1st and 2nd"), control(1009, controlkind::radio, "1st 2nd 3rd"),
        control(0, controlkind::group, "Line style"),
        control(1010, controlkind::radio, "Thick"), control(1011, controlkind::radio, "Thin"),
        control(1012, controlkind::radio, "Dotted"),
        control(0, controlkind::group, "Colour"),
        control(1013, controlkind::radio, "Red"), control(1014, controlkind::radio, "Magenta"),
        control(1015, controlkind::radio, "Green"), control(1016, controlkind::radio, "Blue"),
        control(1017, controlkind::radio, "Lightblue"), control(1031, controlkind::radio, "Black"),
        control(0, controlkind::group, "Synchronization"),
        control(onetoone, controlkind::radio, "Synchronized 1:1"),
        control(subdividedid, controlkind::radio, "Synchronized and subdivided"),
        control(truecm, controlkind::radio, "True centimeters unsynchronized"),
        control(0, controlkind::text, "Subdivisions along X"), spincontrol(spinx, 1026, 1, 50, int(r.factorx)),
        control(0, controlkind::text, "Subdivisions along Y"), spincontrol(spiny, 1028, 1, 50, int(r.factory)),
        control(bysize, controlkind::button, "Synchronize by Size..."),
        control(1, controlkind::button, "OK"), control(2, controlkind::button, "Abbrechen"),
    };
    return t;
}

void gridrefresh(platform::dialogtemplate& t, const gridsettings& r)
{
    markradios(t, densities, r.density);
    markradios(t, styles, r.style);
    markradios(t, colourids, indexof(colours, r.colour));
    markradios(t, {onetoone, subdividedid, truecm}, !r.synchronised ? 2 : r.subdivided ? 1 : 0);
    bool lines = r.density > 0;
    enable(t, styles, lines);
    enable(t, colourids, lines);
    enable(t, {onetoone, subdividedid, truecm}, lines);
    enable(t, {spinx, spiny}, lines && r.subdivided);
    enable(t, {bysize}, lines && !r.synchronised);
}

int gridcontrol(platform::dialogtemplate& t, gridsettings& r, const printerdate& p, int id)
{
    if (id == 1 || id == 2)
        return id;
    if (size_t k = indexof(densities, id); k < densities.size())
        r.density = uint32_t(k);
    else if (size_t k = indexof(styles, id); k < styles.size())
        r.style = uint32_t(k);
    else if (size_t k = indexof(colourids, id); k < colourids.size())
        r.colour = colours.begin()[k];
    else if (id == onetoone || id == subdividedid || id == truecm) {
        r.synchronised = id != truecm;
        r.subdivided = id == subdividedid;
    } else if (id == bysize) {
        if (syncdialog(r.window, r.orientation, p, r.width, r.height))
            r.interpretation = 0;
    }
    gridrefresh(t, r);
    return 0;
}

void gridtake(platform::dialogtemplate& t, gridsettings& r)
{
    bool sub = r.subdivided;
    r.factorx = sub ? uint32_t(t.control(spinx)->number) : 1;
    r.factory = sub ? uint32_t(t.control(spiny)->number) : 1;
}

bool griddialog(gridsettings& r, const printerdate& p)
{
    platform::dialogtemplate t = gridtemplate(r);
    gridrefresh(t, r);
    t.command = [&](platform::dialogtemplate& dt, int id, platform::notification) {
        return gridcontrol(dt, r, p, id);
    };
    if (runmodal(t) != 1)
        return false;
    gridtake(t, r);
    return true;
}
