// The "Curve Properties" template, its fill from a view, the view itself
// and the rules for the numbers typed into it.
#include "plots/curvedialog.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "formula/rkshape.h"
#include "plots/canplot.h"
#include "plots/clipper.h"
#include "plots/curveeditor.h"
#include "plots/paint.h"
#include "plots/plot.h"

using platform::controlkind;
using platform::dialogcontrol;
using platform::dialogtemplate;

namespace {

// Labels and the print group: fixed texts without an id of their own.
constexpr int idlabelcurve = 101, idgroupprint = 102, idlabelresolution = 103, idlabelpen = 104;

// Shown in single-curve mode, hidden with all curves (1063 and its label
// are the Resolution edit; 1055 only with an entry).
constexpr int singleonly[] = {1048, 1077, 1052, 1051, 1055, 1073, 1056, 1089, 1074, 1058, 1057,
                              1075, 1076, 1059, 1060, 1079, 1078, 1081, 1063, idlabelresolution};
constexpr int allonly[] = {1072, 1066, 1064};

std::string format(const char* f, auto... values)
{
    char text[120];
    std::snprintf(text, sizeof text, f, values...);
    return text;
}

void show(dialogtemplate& d, int id, bool on)
{
    if (dialogcontrol* c = d.control(id))
        c->shown = on;
}

void enable(dialogtemplate& d, int id, bool on)
{
    if (dialogcontrol* c = d.control(id))
        c->enabled = on;
}

void settext(dialogtemplate& d, int id, const std::string& text)
{
    dialogcontrol* c = d.control(id);
    if (c && c->kind == controlkind::edit)
        c->value = text;
    else if (c)
        c->label = text;
}

std::string rangetext(const curveview& v)
{
    if (!(v.low < v.high))
        return "unrestricted";
    return format("%g <= %c <= %g", v.low, v.letter, v.high);
}

void fillclippers(dialogtemplate& d, const curveview& v, bool select, uint32_t wanted)
{
    dialogcontrol& spin = *d.control(1058);
    uint32_t n = v.entry && v.hascurve ? v.clippers : 0;
    spin.low = n ? 1 : 0;
    spin.high = int(n);
    if (select && wanted >= 1 && wanted <= n)
        spin.number = int(wanted);
    spin.number = n ? std::clamp(spin.number, 1, int(n)) : 0;
    settext(d, 1057, n ? std::to_string(spin.number) : "");
    for (int id : {1058, 1057, 1059})
        enable(d, id, n > 0);
    settext(d, 1075, format("/%u", n));
    show(d, 1076, n > 0);
    settext(d, 1076, uint32_t(spin.number) > v.privateclippers ? "(shared)" : "(private)");
}

void fillsingle(dialogtemplate& d, const curveview& v)
{
    bool entry = v.entry != nullptr;
    enable(d, 1048, v.hascurve);
    d.control(1048)->number = v.colour;
    show(d, 1055, entry);
    d.control(1055)->checked = v.visible;
    settext(d, 1073, !entry ? "Not considered" : !v.considered ? "Not visible in window" : "");
    settext(d, 1056, entry && v.considered ? "Recalc" : "Search...");
    enable(d, 1060, v.hascurve);
    for (int id : {1074, 1089, 1063, 1062})
        enable(d, id, entry);
    settext(d, 1074, entry ? rangetext(v) : "");
    settext(d, 1063, entry ? std::to_string(v.resolution) : "");
    settext(d, 1062, entry ? std::to_string(v.pen) : "");
}

int32_t limitresolution(double r)
{
    return int32_t(std::clamp(std::trunc(r), 20.0, 20000.0));
}

// A finite number read as atof does; false for "nan", "inf" and the like.
bool finitenumber(const std::string& text, double& x)
{
    x = std::strtod(text.c_str(), nullptr);
    return std::isfinite(x);
}

}  // namespace

dialogtemplate curvedialogtemplate(const std::vector<std::string>& colournames)
{
    dialogtemplate d{"EDITCURVES", "Curve Properties", "MS Sans Serif", {}};
    auto add = [&](int id, controlkind kind, const char* label = "") {
        d.controls.push_back({id, kind, label});
        return &d.controls.back();
    };
    add(idlabelcurve, controlkind::text, "Curve #");
    add(1068, controlkind::edit);
    add(1069, controlkind::text);
    add(1070, controlkind::button, "+");
    add(1071, controlkind::button, "-");
    add(1052, controlkind::button, "2");
    add(1051, controlkind::bitmapbutton, "BMPERASE");
    add(1077, controlkind::text, "Color");
    add(1048, controlkind::combo)->items = colournames;
    add(1079, controlkind::group, "Status");
    add(1055, controlkind::check, "enabled");
    add(1073, controlkind::text);
    add(1056, controlkind::button, "Search...");
    add(1078, controlkind::group, "Parameter Range");
    add(1074, controlkind::text);
    add(1089, controlkind::button, "Edit");
    add(1081, controlkind::text, "Clipper #");
    add(1057, controlkind::edit);
    add(1058, controlkind::spin)->buddy = 1057;
    add(1075, controlkind::text);
    add(1076, controlkind::text);
    add(1059, controlkind::button, "Edit");
    add(1060, controlkind::button, "New");
    add(idgroupprint, controlkind::group, "Print Options");
    add(idlabelresolution, controlkind::text, "Resolution");
    add(1063, controlkind::edit)->limit = 40;
    add(1066, controlkind::button, "absolute...");
    add(1064, controlkind::button, "scale by...");
    add(idlabelpen, controlkind::text, "Pen diameter [ 1/100 mm]");
    add(1062, controlkind::edit)->limit = 40;
    add(1072, controlkind::text, "Settings applying to all\nenabled curves:");
    add(1044, controlkind::picture, "exclamation");
    add(1045, controlkind::text);
    add(1, controlkind::button, "OK");
    add(1113, controlkind::button, "?");
    d.keepposition = true;
    d.x = 400;
    d.y = 30;
    return d;
}

void fillcurvedialog(dialogtemplate& d, const curveview& v, std::string& message, bool selectclipper,
                     uint32_t wanted)
{
    bool single = v.number != 0;
    for (int id : singleonly)
        show(d, id, single);
    for (int id : allonly)
        show(d, id, !single);
    settext(d, 1068, std::to_string(v.number));
    settext(d, 1069, format("/ %u", v.live));
    show(d, 1044, !message.empty());
    settext(d, 1045, message);
    message.clear();
    if (!single) {
        settext(d, 1062, v.samepen ? std::to_string(v.pen) : "");
        return;
    }
    fillsingle(d, v);
    fillclippers(d, v, selectclipper, wanted);
}

curveview takeview(plotpsp& p)
{
    curveview v;
    plot* owner = p.owner;
    v.number = editornumber;
    v.live = owner ? owner->countenabled() : 0;
    autoprint* e = p.indexof(editorselection) ? editorselection : nullptr;
    plotcurve* c = e ? e->curve : owner ? owner->enabledcurve(v.number) : nullptr;
    v.entry = e;
    v.hascurve = c != nullptr;
    v.shown = p.countshown();
    bool first = true;
    for (autoprint* f = p.consider.first(); f; f = static_cast<autoprint*>(f->next)) {
        if (!f->curve || !f->curve->enabled)
            continue;
        v.othersvisible |= f != e && f->visible;
        v.samepen &= first || f->pen == v.pen;
        if (first && !e)
            v.pen = f->pen;
        first = false;
    }
    if (c) {
        v.colour = c->colour;
        v.low = c->rangelow;
        v.high = c->rangehigh;
        if (c->graph) {
            rkshape start;
            c->graph->startpoint(start);
            const char* symbols = c->graph->argsymbols();
            v.letter = start.independent ? start.independent : symbols && *symbols ? *symbols : 'x';
        }
    }
    if (e) {
        v.visible = e->visible;
        v.considered = e->considered;
        v.resolution = e->resolution;
        v.pen = e->pen;
    }
    if (e && c && c->graph) {
        v.privateclippers = cliplistcount(c->clippers);
        v.clippers = v.privateclippers + (c->graph->isready() ? cliplistcount(c->graph->ownclipperlist()) : 0);
    }
    return v;
}

bool readresolution(const std::string& text, int32_t& value)
{
    double x = 0;
    if (!finitenumber(text, x))
        return false;
    value = limitresolution(x);
    return true;
}

bool readpen(const std::string& text, uint16_t& value)
{
    double x = 0;
    if (!finitenumber(text, x))
        return false;
    value = uint16_t(std::clamp(std::trunc(x), 1.0, 1000.0));
    return true;
}

bool absoluteresolution(double answer, int32_t& value)
{
    if (!std::isfinite(answer) || std::trunc(answer) < 20 || std::trunc(answer) > 20000)
        return false;
    value = int32_t(std::trunc(answer));
    return true;
}

bool scaledresolution(int32_t resolution, double factor, int32_t& value)
{
    if (!std::isfinite(factor) || !(factor > 0))
        return false;
    value = limitresolution(resolution * factor);
    return true;
}
