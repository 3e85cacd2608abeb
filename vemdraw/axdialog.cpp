#include "vemdraw/axdialog.h"

#include "vemdraw/dialogtext.h"

#include <algorithm>
#include <cmath>

using platform::controlkind;

namespace {

constexpr int xaxis = 1058, yaxis = 1059, box = 1060, changegrid = 1064, diameter = 1061;
constexpr int anchorx = 1063, anchory = 1062, unitx = 1067, unity = 1074;
constexpr int none = 1073, first = 1070, second = 1071, third = 1072;
constexpr int borders = 1066, intervalsx = 1068, intervalsy = 1069;
constexpr double limit = 1e33;

void showedits(platform::dialogtemplate& t, const axsettings& r)
{
    t.control(anchorx)->value = formatted("%12g", r.anchorx);
    t.control(anchory)->value = formatted("%12g", r.anchory);
    t.control(unitx)->value = formatted("%12g", r.unitx);
    t.control(unity)->value = formatted("%12g", r.unity);
}

void setorders(axsettings& r, int count)
{
    r.tickmarks = count > 0;
    if (count > 0)
        for (int k = 0; k < 3; ++k)
            r.orders[k] = k < count;
}

}  // namespace

axsettings axfrom(const diagram& d)
{
    axsettings r;
    r.window = d.window;
    r.anchorx = d.anchorx;
    r.anchory = d.anchory;
    r.unitx = d.unitx;
    r.unity = d.unity;
    r.diameter = d.axisdiameter;
    r.xaxis = d.xaxis;
    r.yaxis = d.yaxis;
    r.box = d.box;
    r.tickmarks = d.tickmarks;
    std::copy(d.tickorders, d.tickorders + 3, r.orders);
    r.synchronised = d.gridsynchronised;
    r.ratiox = d.gridx / d.unitx;
    r.ratioy = d.gridy / d.unity;
    return r;
}

void axapply(const axsettings& r, diagram& d)
{
    auto within = [](double v, double low) { return v >= low && v <= limit; };
    if (within(r.anchorx, -limit) && within(r.anchory, -limit)) {
        d.anchorx = r.anchorx;
        d.anchory = r.anchory;
    }
    if (within(r.unitx, 0) && within(r.unity, 0)) {
        d.unitx = r.unitx;
        d.unity = r.unity;
    }
    if (r.changegrid && r.synchronised && std::isfinite(r.ratiox) && std::isfinite(r.ratioy)) {
        d.gridx = r.ratiox * d.unitx;
        d.gridy = r.ratioy * d.unity;
    }
    d.axisdiameter = r.diameter;
    d.xaxis = r.xaxis;
    d.yaxis = r.yaxis;
    d.box = r.box;
    d.tickmarks = r.tickmarks;
    std::copy(r.orders, r.orders + 3, d.tickorders);
}

platform::dialogtemplate axtemplate(const axsettings& r)
{
    platform::dialogtemplate t{"AXDIALOG", "Box and Axes", "", {}};
    t.controls = {
        control(0, controlkind::group, "Draw"),
        control(xaxis, controlkind::check, "X-axis"), control(yaxis, controlkind::check, "Y-axis"),
        control(box, controlkind::check, "Surrounding box"),
        control(0, controlkind::text, "Axis diameter"),
        spincontrol(diameter, 1065, 1, 5, int(std::clamp<uint32_t>(r.diameter, 1, 5))),
        control(0, controlkind::group, "Tick marks"),
        control(none, controlkind::radio, "None"), control(first, controlkind::radio, "1st order only"),
        control(second, controlkind::radio, "1st and 2nd"), control(third, controlkind::radio, "1st 2nd 3rd"),
        control(0, controlkind::group, "Axes and main units"),
        control(0, controlkind::text, "Diagram borders :"), control(borders, controlkind::text),
        control(0, controlkind::text, "Y-axis at X="), control(anchorx, controlkind::edit),
        control(0, controlkind::text, "X-axis at Y="), control(anchory, controlkind::edit),
        control(0, controlkind::text, "Main unit X"), control(unitx, controlkind::edit),
        control(intervalsx, controlkind::text),
        control(0, controlkind::text, "Main unit Y"), control(unity, controlkind::edit),
        control(intervalsy, controlkind::text),
        control(changegrid, controlkind::check, "Change synchronized grid along with main units"),
        control(1, controlkind::button, "OK"), control(2, controlkind::button, "Abbrechen"),
    };
    showedits(t, r);
    return t;
}

void axrefresh(platform::dialogtemplate& t, const axsettings& r)
{
    t.control(xaxis)->checked = r.xaxis;
    t.control(yaxis)->checked = r.yaxis;
    t.control(box)->checked = r.box;
    t.control(changegrid)->checked = r.changegrid;
    int count = int(std::count(r.orders, r.orders + 3, true));
    markradios(t, {none, first, second, third}, r.tickmarks ? size_t(count) : 0);
    bool any = r.xaxis || r.yaxis || r.box;
    enable(t, {none, first, second, third, anchorx, anchory}, any);
    enable(t, {unitx, intervalsx}, any && (r.xaxis || r.box));
    enable(t, {unity, intervalsy}, any && (r.yaxis || r.box));
    enable(t, {changegrid}, any && r.unitsedited && r.synchronised);
    const worldrect& w = r.window;
    t.control(intervalsx)->label = formatted(" makes %.1f main intervals", (w.right - w.left) / r.unitx);
    t.control(intervalsy)->label = formatted(" makes %.1f main intervals", (w.top - w.bottom) / r.unity);
    t.control(borders)->label = formatted("%11g <= Y <= %-11g\n\r%11g <= X <= %-11g", w.bottom, w.top, w.left, w.right);
}

void axread(platform::dialogtemplate& t, axsettings& r)
{
    const std::pair<int, double*> edits[] = {{anchorx, &r.anchorx}, {anchory, &r.anchory}, {unitx, &r.unitx},
                                             {unity, &r.unity}};
    for (auto [id, value] : edits)
        readnumber(t.control(id)->value, *value);
    showedits(t, r);
}

int axcontrol(platform::dialogtemplate& t, axsettings& r, int id, platform::notification n)
{
    switch (id) {
    case 1:
    case 2:
        return id;
    case xaxis: r.xaxis = t.control(id)->checked; break;
    case yaxis: r.yaxis = t.control(id)->checked; break;
    case box: r.box = t.control(id)->checked; break;
    case changegrid: r.changegrid = t.control(id)->checked; break;
    case none: setorders(r, 0); break;
    case first: setorders(r, 1); break;
    case second: setorders(r, 2); break;
    case third: setorders(r, 3); break;
    case anchorx:
    case anchory:
    case unitx:
    case unity:
        if (n != platform::notification::leave)
            return 0;
        r.unitsedited = r.unitsedited || id == unitx || id == unity;
        axread(t, r);
        break;
    default:
        return 0;
    }
    axrefresh(t, r);
    return 0;
}

bool axdialog(axsettings& r)
{
    platform::dialogtemplate t = axtemplate(r);
    axrefresh(t, r);
    t.command = [&](platform::dialogtemplate& dt, int id, platform::notification n) {
        return axcontrol(dt, r, id, n);
    };
    if (runmodal(t) != 1)
        return false;
    axread(t, r);
    r.diameter = uint32_t(t.control(diameter)->number);
    return true;
}
