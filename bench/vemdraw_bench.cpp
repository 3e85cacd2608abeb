// VEMDRAW: loading a transfer file of 10^5 points with its geometry, one
// full repaint of it into an 800 x 600 window, and its whole export as an
// 8-bit GIF at A4 and 300 dpi (rendering alone beside it); loading 10^5
// two-point polylines, and loading and painting a path of 60,000 points
// cut into n polylines (n = 1 and 30,000 cost alike).
#include <benchmark/benchmark.h>

#include "base/rkpformat.h"
#include "vemdraw/dibholder.h"
#include "vemdraw/export.h"
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

// Ten sine curves of 10^5 points in all, a world window with a grid of
// three orders.
std::string makefile()
{
    using rkp::putnumber, rkp::putrecord;
    std::string out;
    for (int c = 0; c < curves; ++c) {
        putrecord(out, rkp::pen, 0, 20);
        putrecord(out, rkp::point, 255 * (c % 2), 255 * (c % 3 == 0));
        for (int i = 0; i < points; ++i) {
            double x = i * 10.0 / points;
            int y = int(10000 + std::sin(x + c) * (8000 - 500 * c));
            putrecord(out, i ? rkp::drawpoint : rkp::point, uint16_t(i * 2), uint16_t(rkp::square - y));
        }
    }
    putrecord(out, rkp::worldwindow, 0, 0);
    for (double v : {0.0, 1.25, 10.0, -1.25})
        putnumber(out, v);
    putrecord(out, rkp::anchors, 0, 0);
    putnumber(out, 0);
    putnumber(out, 0);
    putrecord(out, rkp::units, 0, 0);
    putnumber(out, 1);
    putnumber(out, 0.1);
    putrecord(out, rkp::gridstyle, 2, 4);
    putrecord(out, rkp::flagword, 0x0008 | 0x0200, 0);
    return out;
}

// Five periods of a sine through the device square, a new polyline (a
// pen and its colour record) every points / lines points.
std::string makepolylines(int lines, int points)
{
    using rkp::putrecord;
    std::string out;
    int perline = points / lines;
    for (int i = 0; i < points; ++i) {
        if (i % perline == 0) {
            putrecord(out, rkp::pen, 0, 20);
            putrecord(out, rkp::point, 0, 0);
        }
        double t = double(i) / points;
        auto x = uint16_t(t * rkp::square), y = uint16_t(10000 + 8000 * std::sin(t * 10 * M_PI));
        putrecord(out, i % perline ? rkp::drawpoint : rkp::point, x, y);
    }
    return out;
}

struct loaded {
    std::string path = "/tmp/vemdrawbench" + std::to_string(getpid()) + ".rkp";
    printerdate printer;
    nodelist list;

    explicit loaded(const std::string& data = makefile())
    {
        setboxsink([](const std::string&, const std::string&) { return true; });
        platform::printercaps a4{300, 300, 210, 297, 2480, 3508, 2480, 3508, 0, 0};
        printer.fill(&a4);
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

void loadpolylines(benchmark::State& state)
{
    loaded file(makepolylines(100000, 200000));
    for (auto _ : state)
        if (!file.load())
            state.SkipWithError("the file does not load");
    state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(loadpolylines)->Unit(benchmark::kMillisecond);

// The window's paint of the first diagram into an 800 x 600 image.
void paintwindow(cairo_surface_t* image, const nodelist& list)
{
    cairo_t* cr = cairo_create(image);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    paintdiag(cr, firstdiagram(list), screenwindow(800, 600));
    cairo_destroy(cr);
    cairo_surface_flush(image);
}

void repaint(benchmark::State& state)
{
    loaded file;
    if (!file.load())
        return state.SkipWithError("the file does not load");
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
    for (auto _ : state)
        paintwindow(image, file.list);
    cairo_surface_destroy(image);
    state.SetItemsProcessed(state.iterations() * curves * points);
}
BENCHMARK(repaint)->Unit(benchmark::kMillisecond);

void loadandpaint(benchmark::State& state)
{
    loaded file(makepolylines(int(state.range(0)), 60000));
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 800, 600);
    for (auto _ : state) {
        if (!file.load())
            return state.SkipWithError("the file does not load");
        paintwindow(image, file.list);
    }
    cairo_surface_destroy(image);
}
BENCHMARK(loadandpaint)->Arg(1)->Arg(30000)->Unit(benchmark::kMillisecond);

}  // namespace

constexpr uint32_t a4width = 2480, a4height = 3508;

void exportgif(benchmark::State& state)
{
    loaded file;
    if (!file.load())
        return state.SkipWithError("the file does not load");
    exportsettings r;
    r.directory = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    r.name = "VEMDRAWBENCH" + std::to_string(getpid()) + ".GIF";
    r.width = a4width;
    r.height = a4height;
    r.fullpalette = false;
    for (auto _ : state) {
        r.state = exportstate::overwrite;
        exportcommand(r, firstdiagram(file.list));
        if (r.state != exportstate::done)
            return state.SkipWithError(r.status.c_str());
    }
    std::remove((r.directory + "/" + r.name).c_str());
    state.SetItemsProcessed(state.iterations() * a4width * a4height);
}
BENCHMARK(exportgif)->Unit(benchmark::kMillisecond);

void renderbitmap(benchmark::State& state)
{
    loaded file;
    if (!file.load())
        return state.SkipWithError("the file does not load");
    dibholder dib;
    for (auto _ : state) {
        dib.release();
        dib.createheader(a4width, a4height, 8);
        dib.addcolor(0xFFFFFF);
        dib.create();
        filediag(firstdiagram(file.list), dib);
    }
    state.SetItemsProcessed(state.iterations() * a4width * a4height);
}
BENCHMARK(renderbitmap)->Unit(benchmark::kMillisecond);
