#include "plots/mousecreate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "plots/curvecolor.h"
#include "plots/smalldialogs.h"

namespace {

constexpr int enterkey = 13, esckey = 27;
constexpr int maxdigits = 17;

dialogplace dialogspot;

std::string printed(const char* format, double v)
{
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

// The edit's text as a finite number into v; anything else keeps v.
void readnumber(platform::dialogtemplate& t, int id, double& v)
{
    const platform::dialogcontrol* c = t.control(id);
    if (!c)
        return;
    const char* text = c->value.c_str();
    char* end = nullptr;
    double read = std::strtod(text, &end);
    while (end && (*end == ' ' || *end == '\t'))
        ++end;
    if (end != text && end && !*end && std::isfinite(read))
        v = read;
}

}  // namespace

std::string pixeldigits(double v, double span, int32_t pixels)
{
    double step = pixels > 0 ? std::fabs(span) / pixels : 0;
    int digits = maxdigits;
    if (std::isfinite(step) && step > 0 && std::isfinite(v)) {
        double magnitude = std::max(std::fabs(v), step);
        digits = int(std::floor(std::log10(magnitude)) - std::floor(std::log10(step))) + 1;
        digits = std::clamp(digits, 1, maxdigits);
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, v);
    return text;
}

platform::dialogtemplate mousecreaterun::layout() const
{
    using platform::controlkind;
    namespace m = mousecreate;
    platform::dialogtemplate t{"MOUSECREATE", "  Creating a new Curve...", "MS Sans Serif", {}};
    platform::dialogcontrol colours{m::colour, controlkind::combo};
    for (int i = 0; curvecolor && i < curvecolorcount; ++i)
        colours.items.push_back(curvecolor[i].name);
    t.controls = {
        {m::caption, controlkind::text},
        {900, controlkind::text, "passing through:"},
        {901, controlkind::text, "("},
        {m::x, controlkind::edit, "", "", 0, true},
        {902, controlkind::text, "/"},
        {m::y, controlkind::edit},
        {903, controlkind::text, ")"},
        {904, controlkind::text, "Color"},
        colours,
        // Before the group, which frames the controls that follow it.
        {m::copyclippers, controlkind::check, "Copy private Clipper(s)"},
        {m::range, controlkind::group, "Parameter Range"},
        {m::unrestricted, controlkind::check, "unrestricted"},
        {905, controlkind::text, "Lower Limit"},
        {m::lower, controlkind::edit},
        {906, controlkind::text, "Upper Limit"},
        {m::upper, controlkind::edit},
        {m::ok, controlkind::button, "OK"},
        {m::cancel, controlkind::button, "Abbrechen"},
    };
    return t;
}

void mousecreaterun::fill(platform::dialogtemplate& t) const
{
    namespace m = mousecreate;
    const mousecreaterecord& r = record;
    char caption[64];
    std::snprintf(caption, sizeof caption, "... as sibling of #%u", unsigned(r.curvenumber));
    t.control(m::caption)->label = caption;
    t.control(m::x)->value = pixeldigits(r.x, r.window.right - r.window.left, r.pixels);
    t.control(m::y)->value = pixeldigits(r.y, r.window.top - r.window.bottom, r.pixels);
    t.control(m::colour)->number = r.colour;
    for (int id : {m::range, 905, m::lower, 906, m::upper})
        t.control(id)->shown = r.rangeapplies;
    t.control(m::unrestricted)->shown = r.rangeapplies && r.unrestrictedallowed;
    t.control(m::unrestricted)->checked = r.unrestricted;
    // Unrestricted greys the limits and leaves their texts.
    bool limits = r.rangeapplies && !(r.unrestrictedallowed && r.unrestricted);
    for (int id : {m::lower, m::upper})
        t.control(id)->enabled = limits;
    if (limits) {
        t.control(m::lower)->value = printed("%.15g", r.lower);
        t.control(m::upper)->value = printed("%.15g", r.upper);
    }
    t.control(m::copyclippers)->shown = r.hasclippers;
    t.control(m::copyclippers)->checked = r.copyclippers;
}

void mousecreaterun::readedits(platform::dialogtemplate& t)
{
    namespace m = mousecreate;
    readnumber(t, m::x, record.x);
    readnumber(t, m::y, record.y);
    readnumber(t, m::lower, record.lower);
    readnumber(t, m::upper, record.upper);
}

int mousecreaterun::command(platform::dialogtemplate& t, int id, platform::notification)
{
    namespace m = mousecreate;
    switch (id) {
    case m::ok:
        readedits(t);
        return enterkey;
    case m::cancel:
        return esckey;
    case m::colour:
        record.colour = uint16_t(t.control(m::colour)->number);
        break;
    case m::unrestricted:
        record.unrestricted = t.control(m::unrestricted)->checked;
        break;
    case m::copyclippers:
        record.copyclippers = t.control(m::copyclippers)->checked;
        break;
    case m::x:
    case m::y:
    case m::lower:
    case m::upper:
        readedits(t);
        break;
    default:
        return 0;
    }
    fill(t);
    return 0;
}

int mousecreatedialog(mousecreaterecord& record)
{
    mousecreaterun run{record};
    platform::dialogtemplate t = run.layout();
    run.fill(t);
    t.command = [&run](platform::dialogtemplate& d, int id, platform::notification n) { return run.command(d, id, n); };
    return runsmalldialog(t, &dialogspot) == enterkey ? enterkey : esckey;
}
