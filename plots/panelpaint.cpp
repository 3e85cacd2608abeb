#include "plots/panelpaint.h"

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "platform/core/fonts.h"
#include "plots/panelbitmaps.h"
#include "plots/panelbuttons.h"
#include "screen/palette.h"
#include "screen/screen.h"

namespace {

constexpr uint32_t face = 0xC0C0C0, light = 0xFFFFFF, shadow = 0x808080, black = 0;

// A button's look: a picture by name, or a text.
struct look {
    const char* bitmap = nullptr;
    const char* text = nullptr;
    bool pushed = false;
    bool hidden = false;
};

look lookof(int id, const panelstate& s)
{
    switch (id) {
    case 3: return {"BMPPRINT"};
    case 4: return {"BMP0101"};
    case 5: return {"BMPAXES"};
    case 6: return {s.leftgrey ? "BMPLEFTG" : "BMPLEFT"};
    case 7: return {s.rightgrey ? "BMPRIGHTG" : "BMPRIGHT"};
    case 8: return {nullptr, "2"};
    case 9: return {"BMPERASE"};
    case 10: return {nullptr, "Edit"};
    case 11: return {s.drawgrey ? "BMPDRAWG" : "BMPDRAW", nullptr, s.drawpushed};
    case 12: return {nullptr, "+"};
    case 13: return {nullptr, "-"};
    case 14: return {nullptr, "?", s.helppushed};
    case 15: return {"BMPLOGO"};
    case 21: return {s.upgrey ? "BMPUPUPG" : "BMPUPUP"};
    case 22: return {s.upgrey ? "BMPUPG" : "BMPUP"};
    case 23: return {s.insleft ? "BMPLEFT" : "BMPRIGHT", nullptr, false, !s.insvisible};
    case 24: return {s.downgrey ? "BMPDOWNG" : "BMPDOWN"};
    case 25: return {s.downgrey ? "BMPDOWNDOWNG" : "BMPDOWNDOWN"};
    case 26: return {"BMPERASE"};
    }
    return {nullptr, nullptr, false, true};
}

// Cairo on the canvas's pixels, without smoothing, so that every front
// shows the same pixels.
struct painter {
    explicit painter(const canvas& c)
        : image(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(c.data), CAIRO_FORMAT_RGB24,
                                                    c.width, c.height, c.stride * 4)),
          cr(cairo_create(image))
    {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cr, 1);
    }
    ~painter()
    {
        cairo_destroy(cr);
        cairo_surface_flush(image);
        cairo_surface_destroy(image);
    }
    painter(const painter&) = delete;
    painter& operator=(const painter&) = delete;

    cairo_surface_t* image;
    cairo_t* cr;
};

// The path of a rectangle from (x1, y1) to (x2, y2) with corners of an
// ellipse cw by ch.
void roundrect(cairo_t* cr, double x1, double y1, double x2, double y2, double cw, double ch)
{
    double rx = cw / 2, ry = ch / 2;
    x1 += 0.5, y1 += 0.5, x2 -= 0.5, y2 -= 0.5;
    cairo_new_path(cr);
    auto corner = [&](double cx, double cy, double from) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_arc(cr, 0, 0, 1, from, from + M_PI / 2);
        cairo_restore(cr);
    };
    corner(x2 - rx, y1 + ry, -M_PI / 2);
    corner(x2 - rx, y2 - ry, 0);
    corner(x1 + rx, y2 - ry, M_PI / 2);
    corner(x1 + rx, y1 + ry, M_PI);
    cairo_close_path(cr);
}

void filledround(cairo_t* cr, int x1, int y1, int x2, int y2, int corner, uint32_t fill)
{
    roundrect(cr, x1, y1, x2, y2, corner, corner);
    setsourcergb(cr, fill);
    cairo_fill_preserve(cr);
    setsourcergb(cr, black);
    cairo_stroke(cr);
}

void text(const canvas& c, int x, int y, const std::string& t, uint32_t bg)
{
    drawtext(c, x, y, panelfont(), reinterpret_cast<const unsigned char*>(t.data()), int(t.size()), black, bg);
}

// Raised, or sunk while pushed; pictures and texts move with the face.
void buttonframe(cairo_t* cr, const panelbox& b, bool pushed)
{
    setsourcergb(cr, face);
    cairo_rectangle(cr, b.x, b.y, b.w, b.h);
    cairo_fill(cr);
    double l = b.x + 0.5, t = b.y + 0.5, r = b.x + b.w - 0.5, u = b.y + b.h - 0.5;
    setsourcergb(cr, pushed ? shadow : light);
    cairo_move_to(cr, l, u);
    cairo_line_to(cr, l, t);
    cairo_line_to(cr, r, t);
    cairo_stroke(cr);
    setsourcergb(cr, pushed ? light : black);
    cairo_move_to(cr, r, t);
    cairo_line_to(cr, r, u);
    cairo_line_to(cr, l, u);
    cairo_stroke(cr);
}

void buttonpicture(cairo_t* cr, const panelbox& b, const look& k, bool pushed)
{
    pixelsize size = bitmapsize(k.bitmap);
    cairo_save(cr);
    cairo_translate(cr, b.x + (b.w - size.w) / 2 + pushed, b.y + (b.h - size.h) / 2 + pushed);
    drawbitmap(k.bitmap, cr);
    cairo_restore(cr);
}

// Buttons first as shapes, then their texts on the canvas.
void paintbuttons(const canvas& c, painter& p, const panellayout& l, const panelstate& s, int pressed, int first,
                  int last)
{
    for (int id = first; id <= last; ++id) {
        look k = lookof(id, s);
        if (k.hidden)
            continue;
        const panelbox& b = l.button[id];
        bool pushed = k.pushed || id == pressed;
        buttonframe(p.cr, b, pushed);
        if (k.bitmap)
            buttonpicture(p.cr, b, k, pushed);
    }
    cairo_surface_flush(p.image);
    for (int id = first; id <= last; ++id) {
        look k = lookof(id, s);
        if (k.hidden || !k.text)
            continue;
        const panelbox& b = l.button[id];
        bool pushed = k.pushed || id == pressed;
        int w = panelfont().textextent(int(std::string(k.text).size()));
        text(c, b.x + (b.w - w) / 2 + pushed, b.y + (b.h - panelfont().cellheight()) / 2 + pushed, k.text, face);
    }
    cairo_surface_mark_dirty(p.image);
}

uint32_t background(const panelview& v)
{
    return colorrgb(v.situation.clipboardshown ? 20 : 18);
}

std::string format(const char* f, int a, int b)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, f, a, b);
    return buffer;
}

void drawtab(const canvas& c, painter& p, const panellayout& l, panelpoint at, uint32_t fill, int number)
{
    filledround(p.cr, at.x, at.y, at.x + l.tw, at.y + l.th, 7, fill);
    if (number <= 0)
        return;
    cairo_surface_flush(p.image);
    std::string n = std::to_string(number);
    int dy = (l.th - l.ch) / 2 > 1 ? (l.th - l.ch) / 2 : 1;
    text(c, at.x + (l.tw - panelfont().textextent(int(n.size()))) / 2 + 1, at.y + dy, n, fill ? fill : colorrgb(15));
    cairo_surface_mark_dirty(p.image);
}

// The tabs from the current one upwards, then downwards, joined through
// their centres; each run stops at the first tab outside the panel.
void drawtabs(const canvas& c, painter& p, const panellayout& l, const panelview& v)
{
    const panelsituation& s = v.situation;
    int count = int(v.tabs.size());
    if (s.psp < 1 || s.psp > count)
        return;
    auto at = [&](int n) { return tabposition(l, n, s.psp, s.clipboardshown, s.insertbefore); };
    auto shown = [](panelpoint q) { return q.x != 0 || q.y != 0; };
    int cx = panellayout::g + l.tw / 2;
    for (int step : {-1, 1}) {
        panelpoint previous = at(s.psp);
        for (int n = s.psp + step; n >= 1 && n <= count && shown(at(n)); n += step) {
            panelpoint q = at(n);
            setsourcergb(p.cr, black);
            cairo_move_to(p.cr, cx + 0.5, previous.y + l.th / 2);
            cairo_line_to(p.cr, cx + 0.5, q.y + l.th / 2);
            cairo_stroke(p.cr);
            previous = q;
        }
    }
    for (int step : {-1, 1})
        for (int n = step < 0 ? s.psp : s.psp + 1; n >= 1 && n <= count && shown(at(n)); n += step)
            drawtab(c, p, l, at(n), v.tabs[n - 1].fill, v.tabs[n - 1].number);
}

}  // namespace

const font& panelfont()
{
    static const font f(fontspec{14, 7, 400, false});
    return f;
}

panellayout panellayoutfor(int screenw, int screenh)
{
    panelmetrics m;
    m.ch = panelfont().cellheight();
    m.cw = panelfont().cellwidth();
    m.screenw = screenw;
    m.screenh = screenh;
    return computepanellayout(m);
}

panelbox mappinglabel(const panellayout& l, const panelview& v)
{
    std::string label = "Mapping 88";
    panelbox b{l.e.x + charwidth(), l.ch + 3 * panellayout::g, panelfont().textextent(int(label.size())), l.ch};
    if (v.mapping <= 0 || b.x + b.w > l.button[15].x)
        b.w = 0;
    return b;
}

bool panelmouse(const panellayout& l, const panelview& v, int x, int y)
{
    panelbox b = mappinglabel(l, v);
    return b.w > 0 && b.contains(x, y);
}

int panelbuttonat(const panellayout& l, const panelstate& s, bool side, int x, int y)
{
    for (const panelbutton& b : panelbuttons())
        if ((b.parent == panelside::side) == side && !lookof(b.id, s).hidden && l.button[b.id].contains(x, y))
            return b.id;
    return 0;
}

void paintpanel(const canvas& c, const panellayout& l, const panelview& v, const panelstate& s, int pressed)
{
    constexpr int g = panellayout::g;
    uint32_t bg = background(v);
    fillrect(c, {0, 0, c.width, c.height}, bg);
    {
        painter p(c);
        uint32_t box = blendcolor(bg, 0.8, black, 0.2);
        filledround(p.cr, l.b1.x, l.b1.y, l.b2.x - 5 * g, l.h1 - g, 2 * g, box);
        filledround(p.cr, l.b2.x, l.b2.y, l.e.x - g, l.h1 - g, 2 * g, box);
        paintbuttons(c, p, l, s, pressed, firstpanelbutton, 15);
    }
    if (!v.plotshown)
        return;
    text(c, l.b1.x + g, 2 * g, format("Plot %d / %-d", v.situation.plot, v.situation.plots), bg);
    text(c, l.b2.x + g, 2 * g, format("Curve %d / %d", v.curve, v.curves), bg);
    if (!v.transfername.empty())
        text(c, g, l.button[5].h + 2 * g, v.transfername, bg);
    panelbox m = mappinglabel(l, v);
    if (m.w > 0)
        text(c, m.x, m.y, format("Mapping %d", v.mapping, 0), bg);
}

void drawpanel(const canvas& c, const panellayout& l, const panelview& v, const panelstate& s, int pressed)
{
    fillrect(c, {0, 0, c.width, c.height}, background(v));
    int band = l.h2 / 2;
    fillrect(c, {0, band - panellayout::ts / 2, c.width, band + l.th + panellayout::ts / 2}, colorrgb(9));
    painter p(c);
    if (v.plotshown) {
        drawtabs(c, p, l, v);
        drawtab(c, p, l, clipboardtab(l), colorrgb(v.clipboardnumber ? 11 : 7), v.clipboardnumber);
    }
    paintbuttons(c, p, l, s, pressed, 21, lastpanelbutton);
}
