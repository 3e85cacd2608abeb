#include "plots/panelbitmaps.h"

#include <cstring>
#include <string_view>

namespace {

enum class picture { none, axes, down, downdown, draw, left, print, right, up, upup, zeroone, logo, erase };

struct entry {
    const char* name;
    picture kind;
    pixelsize size;
    bool greyable;
};

constexpr entry table[] = {
    {"BMPAXES", picture::axes, panelbitmap::axes, false},
    {"BMPDOWN", picture::down, {panelbitmap::left.h, panelbitmap::left.w}, true},
    {"BMPDOWNDOWN", picture::downdown, panelbitmap::upup, true},
    {"BMPDRAW", picture::draw, panelbitmap::draw, true},
    {"BMPLEFT", picture::left, panelbitmap::left, true},
    {"BMPPRINT", picture::print, panelbitmap::print, false},
    {"BMPRIGHT", picture::right, panelbitmap::left, true},
    {"BMPUP", picture::up, {panelbitmap::left.h, panelbitmap::left.w}, true},
    {"BMPUPUP", picture::upup, panelbitmap::upup, true},
    {"BMP0101", picture::zeroone, panelbitmap::zeroone, false},
    {"BMPLOGO", picture::logo, panelbitmap::logo, false},
    {"BMPERASE", picture::erase, panelbitmap::erase, false},
};

const entry* lookup(const char* name, bool& grey)
{
    std::string_view n(name ? name : "");
    grey = false;
    for (const entry& e : table) {
        if (n == e.name)
            return &e;
        if (e.greyable && n.size() == std::strlen(e.name) + 1 && n.back() == 'G' && n.starts_with(e.name)) {
            grey = true;
            return &e;
        }
    }
    return nullptr;
}

void outline(cairo_t* cr, std::initializer_list<std::pair<double, double>> points)
{
    bool first = true;
    for (auto [x, y] : points) {
        if (first)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
        first = false;
    }
    cairo_close_path(cr);
}

void polygon(cairo_t* cr, std::initializer_list<std::pair<double, double>> points)
{
    outline(cr, points);
    cairo_fill(cr);
}

// A filled w by h box at (x, y) with a black edge inside it.
void framedbox(cairo_t* cr, double x, double y, double w, double h, uint32_t fill)
{
    setsourcergb(cr, fill);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    setsourcergb(cr, 0x000000);
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    cairo_stroke(cr);
}

void line(cairo_t* cr, double x1, double y1, double x2, double y2)
{
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    cairo_stroke(cr);
}

// A triangle in the w by h box at (x, y) pointing by (dx, dy).
void arrow(cairo_t* cr, double x, double y, double w, double h, int dx, int dy)
{
    double cx = x + w / 2, cy = y + h / 2;
    if (dx < 0)
        polygon(cr, {{x + 3, cy}, {x + w - 4, y + 2}, {x + w - 4, y + h - 2}});
    else if (dx > 0)
        polygon(cr, {{x + w - 3, cy}, {x + 4, y + 2}, {x + 4, y + h - 2}});
    else if (dy < 0)
        polygon(cr, {{cx, y + 3}, {x + 2, y + h - 4}, {x + w - 2, y + h - 4}});
    else
        polygon(cr, {{cx, y + h - 3}, {x + 2, y + 4}, {x + w - 2, y + 4}});
}

void drawaxes(cairo_t* cr)
{
    setsourcergb(cr, 0xFFFFFF);
    cairo_rectangle(cr, 1, 1, 30, 30);
    cairo_fill(cr);
    setsourcergb(cr, 0xB0B0B0);
    for (int i = 9; i < 31; i += 7) {
        line(cr, i + 0.5, 2, i + 0.5, 30);
        line(cr, 2, i + 0.5, 30, i + 0.5);
    }
    setsourcergb(cr, 0x000000);
    line(cr, 5.5, 28, 5.5, 3);
    line(cr, 4, 26.5, 29, 26.5);
    polygon(cr, {{5.5, 1}, {2.5, 6}, {8.5, 6}});
    polygon(cr, {{31, 26.5}, {26, 23.5}, {26, 29.5}});
    setsourcergb(cr, 0xC00000);
    cairo_move_to(cr, 6, 24);
    cairo_curve_to(cr, 14, 2, 20, 30, 29, 8);
    cairo_stroke(cr);
}

void drawzeroone(cairo_t* cr)
{
    setsourcergb(cr, 0x000080);
    for (int i = 0; i < 4; ++i) {
        double x = 2 + i * 7.5;
        if (i % 2 == 0) {
            cairo_rectangle(cr, x + 0.5, 2.5, 5, 11);
            cairo_stroke(cr);
        } else {
            line(cr, x + 3.5, 2, x + 3.5, 14);
            line(cr, x + 1.5, 4.5, x + 3.5, 2.5);
        }
    }
}

void drawprint(cairo_t* cr)
{
    framedbox(cr, 9, 2, 14, 12, 0xFFFFFF);
    for (int y = 5; y < 13; y += 3)
        line(cr, 11, y + 0.5, 21, y + 0.5);
    framedbox(cr, 2, 13, 28, 12, 0x606060);
    framedbox(cr, 8, 21, 16, 9, 0xFFFFFF);
    setsourcergb(cr, 0x00C000);
    cairo_rectangle(cr, 25, 16, 3, 2);
    cairo_fill(cr);
}

void drawpen(cairo_t* cr, bool grey)
{
    setsourcergb(cr, grey ? 0xA0A0A0 : 0xE0C000);
    outline(cr, {{3, 21}, {5, 15}, {17, 3}, {21, 7}, {9, 19}});
    cairo_fill_preserve(cr);
    setsourcergb(cr, grey ? 0x808080 : 0x000000);
    cairo_stroke(cr);
    polygon(cr, {{2, 22}, {3.5, 17.5}, {6.5, 20.5}});
}

// "VE" in a frame.
void drawlogo(cairo_t* cr)
{
    setsourcergb(cr, 0x000080);
    cairo_rectangle(cr, 0, 0, 40, 24);
    cairo_fill(cr);
    setsourcergb(cr, 0xFFFF00);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 6, 5);
    cairo_line_to(cr, 12, 19);
    cairo_line_to(cr, 18, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, 33, 5);
    cairo_line_to(cr, 23, 5);
    cairo_line_to(cr, 23, 19);
    cairo_line_to(cr, 33, 19);
    cairo_stroke(cr);
    line(cr, 23, 12, 31, 12);
}

void drawerase(cairo_t* cr)
{
    setsourcergb(cr, 0xC00000);
    cairo_set_line_width(cr, 3);
    line(cr, 3, 3, 13, 13);
    line(cr, 13, 3, 3, 13);
}

void drawpicture(cairo_t* cr, picture kind, pixelsize s, bool grey)
{
    setsourcergb(cr, grey ? 0x808080 : 0x000000);
    switch (kind) {
    case picture::left: arrow(cr, 0, 0, s.w, s.h, -1, 0); break;
    case picture::right: arrow(cr, 0, 0, s.w, s.h, 1, 0); break;
    case picture::up: arrow(cr, 0, 0, s.w, s.h, 0, -1); break;
    case picture::down: arrow(cr, 0, 0, s.w, s.h, 0, 1); break;
    case picture::upup:
        arrow(cr, 0, 0, s.w, s.h / 2 + 2, 0, -1);
        arrow(cr, 0, s.h / 2 - 2, s.w, s.h / 2 + 2, 0, -1);
        break;
    case picture::downdown:
        arrow(cr, 0, 0, s.w, s.h / 2 + 2, 0, 1);
        arrow(cr, 0, s.h / 2 - 2, s.w, s.h / 2 + 2, 0, 1);
        break;
    case picture::axes: drawaxes(cr); break;
    case picture::zeroone: drawzeroone(cr); break;
    case picture::print: drawprint(cr); break;
    case picture::draw: drawpen(cr, grey); break;
    case picture::logo: drawlogo(cr); break;
    case picture::erase: drawerase(cr); break;
    case picture::none: break;
    }
}

}  // namespace

void setsourcergb(cairo_t* cr, uint32_t rgb)
{
    cairo_set_source_rgb(cr, (rgb >> 16 & 255) / 255.0, (rgb >> 8 & 255) / 255.0, (rgb & 255) / 255.0);
}

pixelsize bitmapsize(const char* name)
{
    bool grey;
    const entry* e = lookup(name, grey);
    return e ? e->size : pixelsize{};
}

bool drawbitmap(const char* name, cairo_t* cr)
{
    bool grey;
    const entry* e = lookup(name, grey);
    if (!e)
        return false;
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, e->size.w, e->size.h);
    cairo_clip(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, 1);
    drawpicture(cr, e->kind, e->size, grey);
    cairo_restore(cr);
    return true;
}
