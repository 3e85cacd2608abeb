#include "plots/editrange.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "math/valtable.h"
#include "plots/plot.h"
#include "screen/dialogrunner.h"

using platform::controlkind;
using platform::dialogtemplate;
using platform::notification;

namespace {

constexpr int okid = 1, cancelid = 2, lowerid = 1085, unrestrictedid = 1086, newsampleid = 1087, upperid = 1088;

std::string limittext(double x)
{
    char text[40];
    std::snprintf(text, sizeof text, "%g", x);
    return text;
}

// Where the dialog was last closed.
dialogtemplate& saved()
{
    static dialogtemplate d = [] {
        dialogtemplate t{"EDITRANGE", "Parameter Range", "MS Sans Serif", {}};
        t.controls = {{unrestrictedid, controlkind::check, "unrestricted"},
                      {100, controlkind::text, "Lower Limit"},
                      {lowerid, controlkind::edit},
                      {101, controlkind::text, "Upper Limit"},
                      {upperid, controlkind::edit},
                      {newsampleid, controlkind::check, "Create new Sample"},
                      {okid, controlkind::button, "OK"},
                      {cancelid, controlkind::button, "Abbrechen"}};
        t.keepposition = true;
        return t;
    }();
    return d;
}

}  // namespace

rangerecord rangeof(plotcurve& curve)
{
    rangerecord r;
    if (curve.graph)
        curve.graph->rangeoptions(r);
    r.newsample = 0;
    r.lower = curve.rangelow;
    r.upper = curve.rangehigh;
    r.unrestricted = r.unrestrictedallowed && r.lower == 0.0 && r.upper == 0.0;
    return r;
}

dialogtemplate rangedialog()
{
    return saved();
}

void fillrange(dialogtemplate& d, const rangerecord& r)
{
    d.control(unrestrictedid)->enabled = r.unrestrictedallowed;
    d.control(unrestrictedid)->checked = r.unrestricted;
    d.control(newsampleid)->enabled = r.newsampleallowed;
    d.control(newsampleid)->checked = r.newsample;
    for (int id : {lowerid, upperid}) {
        d.control(id)->enabled = !r.unrestricted;
        d.control(id)->value = r.unrestricted ? "" : limittext(id == lowerid ? r.lower : r.upper);
    }
}

int rangecommand(dialogtemplate& d, rangerecord& r, int id, notification n)
{
    if (n == notification::leave || id == okid) {
        if (d.control(lowerid)->enabled) {
            r.lower = std::strtod(d.control(lowerid)->value.c_str(), nullptr);
            r.upper = std::strtod(d.control(upperid)->value.c_str(), nullptr);
        }
    }
    if (id == unrestrictedid)
        r.unrestricted = d.control(id)->checked;
    else if (id == newsampleid)
        r.newsample = d.control(id)->checked;
    else if (id == okid || id == cancelid)
        return id;
    fillrange(d, r);
    return 0;
}

bool storerange(plotcurve& curve, const rangerecord& r, std::string& notice)
{
    if (r.unrestrictedallowed && r.unrestricted) {
        curve.rangelow = curve.rangehigh = 0;
    } else if (!std::isfinite(r.lower) || !std::isfinite(r.upper) || !(r.lower < r.upper)) {
        notice = "Invalid Input - \n\rignored";
        return false;
    } else {
        curve.rangelow = r.lower;
        curve.rangehigh = r.upper;
    }
    if (r.newsampleallowed && r.newsample && curve.owntable)
        curve.owntable->reset();
    return true;
}

bool editrange(plotcurve& curve, std::string& notice)
{
    rangerecord r = rangeof(curve);
    dialogtemplate d = rangedialog();
    fillrange(d, r);
    d.command = [&r](dialogtemplate& t, int id, notification n) { return rangecommand(t, r, id, n); };
    int result = rundialog(d);
    saved().x = d.x;
    saved().y = d.y;
    return result == okid && storerange(curve, r, notice);
}
