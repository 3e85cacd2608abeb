#include "vemdraw/sizedialog.h"

#include "vemdraw/dialogtext.h"
#include "vemdraw/messages.h"
#include "vemdraw/render.h"
#include "vemdraw/syncdialog.h"

#include "platform/core/draw.h"

#include <algorithm>
#include <cmath>

using platform::controlkind;

namespace {

// Width, height, then the margins left, top, right, bottom.
constexpr int edits[6] = {1036, 1032, 1033, 1045, 1046, 1034};
constexpr int strict = 1037, adapt = 1038, fill = 1039, portrait = 1040, landscape = 1041;
constexpr int syncbutton = 1044, actualize = 1047, defaults = 1048, preview = 1035, result = 1042;
constexpr double limit = 1e33;

double& field(sizesettings& r, int k)
{
    return k == 0 ? r.width : k == 1 ? r.height : r.margins[size_t(k - 2)];
}

mmrect paperof(const sizesettings& r, const printerdate& p)
{
    return diagramrect(p, r.orientation, r.interpretation, r.margins.data(), r.width, r.height);
}

bool validmargins(const sizesettings& r, const printerdate& p)
{
    const auto& m = r.margins;
    return marginsvalid(p, m[0], m[1], m[2], m[3], r.orientation);
}

void setrgb(cairo_t* cr, uint32_t colour)
{
    cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, (colour >> 8 & 0xFF) / 255.0, (colour >> 16 & 0xFF) / 255.0);
}

// A rectangle of whole pixels filled, and outlined on its edge pixels
// unless outline is below 0.
void filledbox(cairo_t* cr, double left, double top, double right, double bottom, uint32_t fill, long outline)
{
    double l = std::floor(left), t = std::floor(top), r = std::floor(right), b = std::floor(bottom);
    cairo_rectangle(cr, l, t, r - l + 1, b - t + 1);
    setrgb(cr, fill);
    cairo_fill(cr);
    if (outline < 0)
        return;
    cairo_rectangle(cr, l + 0.5, t + 0.5, r - l, b - t);
    setrgb(cr, uint32_t(outline));
    cairo_stroke(cr);
}

}  // namespace

sizesettings sizefrom(const diagram& d, uint32_t o)
{
    sizesettings r;
    r.window = d.window;
    r.width = d.width;
    r.height = d.height;
    r.interpretation = d.interpretation;
    r.orientation = o;
    r.margins = d.margins();
    return r;
}

void sizeapply(const sizesettings& r, diagram& d, printerdate& p)
{
    d.interpretation = r.interpretation;
    const auto& m = r.margins;
    if (validmargins(r, p)) {
        d.marginleft = m[0];
        d.margintop = m[1];
        d.marginright = m[2];
        d.marginbottom = m[3];
        p.orientation = r.orientation;
    } else {
        errorbox("Ignoring invalid margin assignments", "Error");
    }
    if (r.width >= 0 && r.width <= limit)
        d.width = r.width;
    if (r.height >= 0 && r.height <= limit)
        d.height = r.height;
}

platform::dialogtemplate sizetemplate()
{
    platform::dialogtemplate t{"SIZEDIALOG", "Diagram Size and Position", "", {}};
    t.controls = {
        control(0, controlkind::group, "Size (cm)"),
        control(0, controlkind::text, "Width"), control(1036, controlkind::edit),
        control(0, controlkind::text, "Height"), control(1032, controlkind::edit),
        control(0, controlkind::group, "Margins (cm)"),
        control(0, controlkind::text, "Left"), control(1033, controlkind::edit),
        control(0, controlkind::text, "Top"), control(1045, controlkind::edit),
        control(0, controlkind::text, "Right"), control(1046, controlkind::edit),
        control(0, controlkind::text, "Bottom"), control(1034, controlkind::edit),
        control(defaults, controlkind::button, "Default"),
        control(0, controlkind::group, "Interpretation"),
        control(strict, controlkind::radio, "Strict"), control(adapt, controlkind::radio, "Adapt"),
        control(fill, controlkind::radio, "Fill"),
        control(0, controlkind::group, "Orientation"),
        control(portrait, controlkind::radio, "Portrait"), control(landscape, controlkind::radio, "Landscape"),
        control(syncbutton, controlkind::button, "Synchronize..."),
        control(0, controlkind::group, "Preview"),
        control(preview, controlkind::ownerdrawn), control(result, controlkind::text),
        control(actualize, controlkind::button, "Actualize"),
        control(1, controlkind::button, "OK"), control(2, controlkind::button, "Abbrechen"),
    };
    t.control(preview)->width = t.control(preview)->height = 180;
    return t;
}

void sizefill(platform::dialogtemplate& t, const sizesettings& r)
{
    const double values[6] = {r.width, r.height, r.margins[0], r.margins[1], r.margins[2], r.margins[3]};
    double largest = std::fabs(values[0]);
    for (double v : values)
        largest = std::max(largest, std::fabs(v));
    const char* format = largest > 1e10 ? "%12g" : "%.3f";
    for (int k = 0; k < 6; ++k)
        t.control(edits[k])->value = formatted(format, values[k] / 10);
}

void sizepreview(platform::dialogtemplate& t, sizesettings& r, const printerdate& p)
{
    for (int k = 0; k < 6; ++k)
        if (double v; readnumber(t.control(edits[k])->value, v))
            field(r, k) = v * 10;
    sizefill(t, r);
    mmrect paper = paperof(r, p);
    t.control(result)->label = formatted(" Width  = %8.3f cm\n\r Height = %8.3f cm", paper.width() / 10,
                                         paper.height() / 10);
    markradios(t, {strict, adapt, fill}, r.interpretation);
    markradios(t, {portrait, landscape}, r.orientation == orientation::landscape ? 1 : 0);
}

void sizedraw(cairo_t* cr, int width, int height, const sizesettings& r, const printerdate& p)
{
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, 1);
    double side = std::min(width, height), x0 = (width - side) / 2, y0 = (height - side) / 2;
    bool turned = r.orientation == orientation::landscape;
    double pw = p.scale(turned ? p.paperheight : p.paperwidth), ph = p.scale(turned ? p.paperwidth : p.paperheight);
    bool valid = validmargins(r, p);
    if (pw > 0 && ph > 0) {
        double k = side / std::max(pw, ph);   // pixels per mm
        double left = x0 + (side - pw * k) / 2, top = y0 + (side - ph * k) / 2;
        filledbox(cr, left, top, left + pw * k, top + ph * k, 0xFFFFFF, 0x808080);
        // The printable area's corner on the paper.
        double ux = p.scale(turned ? p.offsety : p.offsetx);
        double uy = turned ? p.scale(p.paperwidth) - p.scale(p.offsetx) - p.scale(p.widthpx) : p.scale(p.offsety);
        mmrect d = paperof(r, p);
        double dx = left + (ux + d.left) * k, dy = top + (uy + d.top) * k;
        filledbox(cr, dx, dy, dx + d.width() * k, dy + d.height() * k, blendcolor(0xFFFFFF, 0.75, 0x00B4FF, 0.25),
                  valid ? 0 : -1);
    }
    if (!valid)
        centredtext(cr, "invalid margins", x0, y0, side, side, "Sans 8");
    cairo_restore(cr);
}

int sizecontrol(platform::dialogtemplate& t, sizesettings& r, const printerdate& p, int id)
{
    switch (id) {
    case 1:
    case 2:
        return id;
    case strict:
    case adapt:
    case fill:
        r.interpretation = uint32_t(id - strict);
        break;
    case portrait:
    case landscape:
        r.orientation = id == portrait ? orientation::portrait : orientation::landscape;
        break;
    case syncbutton:
        sizepreview(t, r, p);
        if (syncdialog(r.window, r.orientation, p, r.width, r.height))
            r.interpretation = 0;
        sizefill(t, r);
        break;
    case defaults: {
        sizepreview(t, r, p);
        double leftright = 0, topbottom = 0;
        p.defaultmargins(r.orientation, leftright, topbottom);
        r.margins = {leftright, topbottom, leftright, topbottom};
        sizefill(t, r);
        break;
    }
    case actualize:
        break;
    default:
        if (std::find(std::begin(edits), std::end(edits), id) == std::end(edits))
            return 0;
        break;
    }
    sizepreview(t, r, p);
    return 0;
}

bool sizedialog(sizesettings& r, const printerdate& p)
{
    platform::dialogtemplate t = sizetemplate();
    sizefill(t, r);
    sizepreview(t, r, p);
    t.command = [&](platform::dialogtemplate& dt, int id, platform::notification) {
        return sizecontrol(dt, r, p, id);
    };
    t.drawitem = [&](platform::dialogtemplate&, int, cairo_t* cr, int width, int height) {
        sizedraw(cr, width, height, r, p);
    };
    if (runmodal(t) != 1)
        return false;
    sizepreview(t, r, p);
    return true;
}
