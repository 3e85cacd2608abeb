#include "platform/core/cursors.h"

#include <initializer_list>

namespace platform {

namespace {

struct point {
    double x, y;
};

// A closed path through the points.
void polygon(cairo_t* cr, std::initializer_list<point> points)
{
    for (const point& p : points)
        cairo_line_to(cr, p.x, p.y);
    cairo_close_path(cr);
}

// A black outline around a white shape reads on any background.
void outlined(cairo_t* cr)
{
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// A pencil lying from the upper right to the tip at (1, 30).
void drawpen(cairo_t* cr)
{
    polygon(cr, {{1.5, 30.5}, {4.5, 21.5}, {23.5, 2.5}, {29.5, 8.5}, {10.5, 27.5}});
    outlined(cr);
    cairo_move_to(cr, 4.5, 21.5);
    cairo_line_to(cr, 10.5, 27.5);
    cairo_move_to(cr, 19.5, 6.5);
    cairo_line_to(cr, 25.5, 12.5);
    cairo_stroke(cr);
    polygon(cr, {{1.5, 30.5}, {2.5, 26.5}, {5.5, 29.5}});
    cairo_fill(cr);
}

// The arrow with a question mark beside it.
void drawhelp(cairo_t* cr)
{
    polygon(cr, {{1.5, 1.5}, {1.5, 18.5}, {5.5, 14.5}, {8.5, 21.5}, {11.5, 20.5}, {8.5, 13.5}, {13.5, 13.5}});
    outlined(cr);
    cairo_set_line_width(cr, 3);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_arc(cr, 22.5, 10.5, 4.5, 3.3, 6.28 + 1.2);
    cairo_line_to(cr, 22.5, 19.5);
    cairo_stroke(cr);
    cairo_rectangle(cr, 21, 23, 3, 3);
    cairo_fill(cr);
}

}  // namespace

cairo_surface_t* cursorimage(cursorkind kind, int& hotx, int& hoty)
{
    if (kind != cursorkind::pen && kind != cursorkind::help)
        return nullptr;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cursorsize, cursorsize);
    cairo_t* cr = cairo_create(image);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    if (kind == cursorkind::pen) {
        drawpen(cr);
        hotx = 1, hoty = 30;
    } else {
        drawhelp(cr);
        hotx = hoty = 1;
    }
    cairo_destroy(cr);
    cairo_surface_flush(image);
    return image;
}

}  // namespace platform
