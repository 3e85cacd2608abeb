#include "tests/base/curvepixels.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>

namespace fs = std::filesystem;

namespace {

struct segment {
    double x0, y0, x1, y1;
};

double distance(const segment& s, double x, double y)
{
    double dx = s.x1 - s.x0, dy = s.y1 - s.y0;
    double len = dx * dx + dy * dy;
    double t = len > 0 ? std::clamp(((x - s.x0) * dx + (y - s.y0) * dy) / len, 0.0, 1.0) : 0.0;
    return std::hypot(x - s.x0 - t * dx, y - s.y0 - t * dy);
}

std::vector<segment> segments(const std::vector<devicepiece>& pieces)
{
    std::vector<segment> out;
    for (const devicepiece& p : pieces)
        for (size_t i = 0; i < p.size(); i++) {
            const auto& a = p[i];
            const auto& b = p[i + 1 < p.size() ? i + 1 : i];
            if (i + 1 < p.size() || p.size() == 1)
                out.push_back({a.first, a.second, b.first, b.second});
        }
    return out;
}

bool inside(const screenrect& box, double x, double y)
{
    return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
}

std::string at(const char* what, double x, double y)
{
    return std::string(what) + " at " + std::to_string(int(std::lround(x))) + "," + std::to_string(int(std::lround(y)));
}

}  // namespace

std::vector<uint32_t> pngpixels(const fs::path& png, int& width, int& height)
{
    std::vector<uint32_t> out;
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        width = cairo_image_surface_get_width(s);
        height = cairo_image_surface_get_height(s);
        int stride = cairo_image_surface_get_stride(s) / 4;
        auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(s));
        for (int y = 0; y < height; y++)
            for (int x = 0; x < width; x++)
                out.push_back(data[y * stride + x] & 0xFFFFFF);
    }
    cairo_surface_destroy(s);
    return out;
}

curvefit fitcurvepixels(const fs::path& png, uint32_t colour, const screenrect& box,
                        const std::vector<devicepiece>& pieces, double tolerance,
                        const std::vector<uint32_t>& covering)
{
    curvefit fit;
    int w = 0, h = 0;
    std::vector<uint32_t> pixels = pngpixels(png, w, h);
    if (pixels.empty()) {
        fit.where = "no picture " + png.string();
        fit.missed = 1;
        return fit;
    }
    auto colourat = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h ? pixels[size_t(y * w + x)] : 0u; };
    std::vector<segment> curve = segments(pieces);
    for (int y = std::max<int>(box.top, 0); y <= std::min<int>(box.bottom, h - 1); y++)
        for (int x = std::max<int>(box.left, 0); x <= std::min<int>(box.right, w - 1); x++) {
            if (colourat(x, y) != colour)
                continue;
            fit.pixels++;
            double d = 1e9;
            for (const segment& s : curve)
                d = std::min(d, distance(s, x, y));
            fit.worst = std::max(fit.worst, d);
            if (d > tolerance && fit.stray++ == 0)
                fit.where = at("stray pixel", x, y);
        }
    int reach = int(std::ceil(tolerance));
    for (const devicepiece& p : pieces)
        for (const auto& [px, py] : p) {
            if (!inside(box, px, py))
                continue;
            bool found = false;
            for (int y = int(py) - reach; y <= int(py) + reach + 1 && !found; y++)
                for (int x = int(px) - reach; x <= int(px) + reach + 1 && !found; x++) {
                    uint32_t c = colourat(x, y);
                    bool near = std::hypot(x - px, y - py) <= tolerance;
                    found = near && (c == colour || std::find(covering.begin(), covering.end(), c) != covering.end());
                }
            if (!found && fit.missed++ == 0 && fit.stray == 0)
                fit.where = at("curve point without a pixel", px, py);
        }
    return fit;
}

size_t countpixels(const fs::path& png, uint32_t colour, const screenrect& box)
{
    int w = 0, h = 0;
    std::vector<uint32_t> p = pngpixels(png, w, h);
    size_t n = 0;
    for (int y = std::max<int>(box.top, 0); y <= std::min<int>(box.bottom, h - 1); y++)
        for (int x = std::max<int>(box.left, 0); x <= std::min<int>(box.right, w - 1); x++)
            n += p[size_t(y * w + x)] == colour;
    return n;
}
