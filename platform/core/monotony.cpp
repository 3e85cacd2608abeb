#include "platform/core/monotony.h"

#include <mutex>

namespace platform {

namespace {
std::mutex lock;
std::vector<double> published;
}

void monotonypublish(const double* values, int n)
{
    std::vector<double> copy(values, values + (n > 0 ? n : 0));
    std::lock_guard guard(lock);
    published.swap(copy);
}

std::vector<double> monotonyvalues()
{
    std::lock_guard guard(lock);
    return published;
}

int monotonyunit(int cellwidth, int cellheight)
{
    int u = (cellwidth * cellheight + 99) / 100;
    return u < 1 ? 1 : u;
}

void monotonypaint(cairo_t* cr, std::vector<double> a, int unit)
{
    int n = int(a.size());
    double u = unit;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n - i; ++j) {
            if (a[j] > 0)
                cairo_set_source_rgb(cr, 0 / 255.0, 204 / 255.0, 96 / 255.0);
            else
                cairo_set_source_rgb(cr, 255 / 255.0, 64 / 255.0, 96 / 255.0);
            cairo_rectangle(cr, (j + 2) * u, (i + 2) * u, u, u);
            cairo_fill(cr);
            if (j < n - 1 - i)
                a[j] = a[j] - a[j + 1];
        }
}

bool monotonypng(const std::string& path, int unit)
{
    int side = monotonyside(unit);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, side, side);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 128 / 255.0, 128 / 255.0, 128 / 255.0);   // the grey stock brush
    cairo_paint(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    monotonypaint(cr, monotonyvalues(), unit);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

}  // namespace platform
