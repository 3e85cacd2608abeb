// VEMDRAW: loading a transfer file of 10^5 points with its geometry, and
// one full repaint of it into an 800 x 600 window.
#include <benchmark/benchmark.h>

#include "vemdraw/geometry.h"
#include "vemdraw/messages.h"
#include "vemdraw/reader.h"
#include "vemdraw/render.h"

#include <cairo.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int curves = 10, points = 10000;

void putrecord(std::string& out, int code, int a, int b)
{
    const char r[6] = {char(code), char(a & 0xFF), char(a >> 8), char(b & 0xFF), char(b >> 8), char(0xFF)};
    out.append(r, 6);
}

void putnumber(std::string& out, double v)
{
    char text[32];
    int n = std::snprintf(text, sizeof text, "%.16g", v);
    putrecord(out, 21, n, 0);
    std::string chunks(text, n);
    chunks.resize((n / 6 + 1) * 6, '\0');
    chunks.back() = char(0xFF);
    out += chunks;
}

// Ten sine curves of 10^5 points in all, a world window with a grid of
// three orders.
std::string makefile()
{
    std::string out;
    for (int c = 0; c < curves; ++c) {
        putrecord(out, 19, 0, 20);
        putrecord(out, 1, 255 * (c % 2), 255 * (c % 3 == 0));
        for (int i = 0; i < points; ++i) {
            double x = i * 10.0 / points;
            int y = int(10000 + std::sin(x + c) * (8000 - 500 * c));
            putrecord(out, i ? 2 : 1, i * 2, 20000 - y);
        }
    }
    putrecord(out, 22, 0, 0);
    for (double v : {0.0, 1.25, 10.0, -1.25})
        putnumber(out, v);
    putrecord(out, 23, 0, 0);
    putnumber(out, 0);
    putnumber(out, 0);
    putrecord(out, 24, 0, 0);
    putnumber(out, 1);
    putnumber(out, 0.1);
    putrecord(out, 25, 2, 4);
    putrecord(out, 18, 0x0008 | 0x0200, 0);
    return out;
}

struct loaded {
    std::string path = "/tmp/vemdrawbench" + std::to_string(getpid()) + ".rkp";
    printerdate printer;
    nodelist list;

    loaded()
    {
        setboxsink([](const std::string&, const std::string&) { return true; });
        platform::printercaps a4{300, 300, 210, 297, 2480, 3508, 2480, 3508, 0, 0};
        printer.fill(&a4);
        std::string data = makefile();
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(data.data(), 1, data.size(), f);
        std::fclose(f);
    }
    ~loaded() { std::remove(path.c_str()); }
    bool load()
    {
        list.removeall();
        FILE* f = std::fopen(path.c_str(), "rb");
        bool ok = readplotfile(f, &list, &printer) && applysettings(firstdiagram(list));
        std::fclose(f);
        return ok;
    }
};

void loadandapply(benchmark::State& state)
{
    loaded file;
    for (auto _ : state)
        if (!file.load())
            state.SkipWithError("the file does not load");
    state.SetItemsProcessed(state.iterations() * curves * points);
}
BENCHMARK(loadandapply)->Unit(benchmark::kMillisecond);

void repaint(benchmark::State& state)
{
    loaded file;
    if (!file.load())
        return state.SkipWithError("the file does not load");
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
    for (auto _ : state) {
        cairo_t* cr = cairo_create(image);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        paintdiag(cr, firstdiagram(file.list), screenwindow(800, 600));
        cairo_destroy(cr);
        cairo_surface_flush(image);
    }
    cairo_surface_destroy(image);
    state.SetItemsProcessed(state.iterations() * curves * points);
}
BENCHMARK(repaint)->Unit(benchmark::kMillisecond);

}  // namespace
