#include "plots/framebitmaps.h"

#include "plots/panelbitmaps.h"
#include "plots/panelsizes.h"

#include <cstring>

namespace {

struct rgb {
    double r, g, b;
};

constexpr rgb red{0.80, 0.10, 0.10}, lens{0.10, 0.20, 0.55}, arrows{0.10, 0.45, 0.10}, grey{0.60, 0.60, 0.60},
              black{0, 0, 0}, yellow{1.0, 0.80, 0.0};

void line(cairo_t* cr, rgb c, double width, double x0, double y0, double x1, double y1)
{
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_stroke(cr);
}

void polygon(cairo_t* cr, rgb fill, rgb edge, std::initializer_list<double> xy)
{
    const double* p = xy.begin();
    cairo_move_to(cr, p[0], p[1]);
    for (size_t i = 2; i + 1 < xy.size(); i += 2)
        cairo_line_to(cr, p[i], p[i + 1]);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, fill.r, fill.g, fill.b);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, edge.r, edge.g, edge.b);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void cancel(cairo_t* cr)
{
    line(cr, red, 5, 10, 10, 30, 30);
    line(cr, red, 5, 30, 10, 10, 30);
}

// The lens with its handle; the plus gets the vertical bar as well.
void magnifier(cairo_t* cr, bool plus)
{
    cairo_set_source_rgb(cr, lens.r, lens.g, lens.b);
    cairo_set_line_width(cr, 3);
    cairo_arc(cr, 17, 17, 10, 0, 6.2832);
    cairo_stroke(cr);
    line(cr, lens, 5, 25, 25, 34, 34);
    line(cr, lens, 2.5, 12, 17, 22, 17);
    if (plus)
        line(cr, lens, 2.5, 17, 12, 17, 22);
}

void magnify(cairo_t* cr) { magnifier(cr, true); }
void minify(cairo_t* cr) { magnifier(cr, false); }

// A cross of four arrows: the frame moves the window.
void fourarrows(cairo_t* cr, rgb c)
{
    line(cr, c, 3, 8, 20, 32, 20);
    line(cr, c, 3, 20, 8, 20, 32);
    polygon(cr, c, c, {4, 20, 10, 15, 10, 25});
    polygon(cr, c, c, {36, 20, 30, 15, 30, 25});
    polygon(cr, c, c, {20, 4, 15, 10, 25, 10});
    polygon(cr, c, c, {20, 36, 15, 30, 25, 30});
}

void push(cairo_t* cr) { fourarrows(cr, arrows); }
void pushgray(cairo_t* cr) { fourarrows(cr, grey); }

// The panel's own picture.
void erase(cairo_t* cr)
{
    drawbitmap("BMPERASE", cr);
}

void exclam(cairo_t* cr)
{
    polygon(cr, yellow, {0.40, 0.30, 0}, {10, 1.5, 18.5, 18.5, 1.5, 18.5});
    cairo_set_source_rgb(cr, black.r, black.g, black.b);
    cairo_rectangle(cr, 9, 6, 2, 7);
    cairo_rectangle(cr, 9, 15, 2, 2);
    cairo_fill(cr);
}

struct bitmap {
    const char* name;
    void (*paint)(cairo_t*);
    pixelsize size;
};

constexpr bitmap bitmaps[] = {
    {"BMPCANCEL", cancel, framebitmap::button},     {"BMPMAGNIFY", magnify, framebitmap::button},
    {"BMPMINIFY", minify, framebitmap::button},     {"BMPPUSH", push, framebitmap::button},
    {"BMPPUSHGRAY", pushgray, framebitmap::button}, {"BMPERASE", erase, panelbitmap::erase},
    {"BMPEXCLAM", exclam, framebitmap::exclam},
};

}  // namespace

bool setbitmap(platform::dialogcontrol& c, const char* name)
{
    for (const bitmap& b : bitmaps)
        if (std::strcmp(b.name, name) == 0) {
            c.label = name;
            c.paint = b.paint;
            c.width = b.size.w;
            c.height = b.size.h;
            return true;
        }
    return false;
}
