#include "vemdraw/export.h"

#include "vemdraw/bmpwriter.h"
#include "vemdraw/dibholder.h"
#include "vemdraw/gdi.h"
#include "vemdraw/gifwriter.h"
#include "vemdraw/messages.h"
#include "vemdraw/model.h"
#include "vemdraw/render.h"

#include "base/limits.h"
#include "platform/core/files.h"

#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <unordered_map>

namespace {

constexpr uint32_t smallest = 5, largest = 65535;
// Pixels of one rendered band: the RGB image of a band stays near 64 MB.
constexpr uint64_t bandpixels = uint64_t(1) << 24;

// Screen pixels (cairo's 0x00RRGGBB) to palette indices.
class colourmapper {
public:
    explicit colourmapper(const dibholder& dib) : dib_(dib) {}
    int index(uint32_t rgb)
    {
        if (rgb == last_)
            return lastindex_;
        auto it = known_.find(rgb);
        int i = it != known_.end() ? it->second
                                   : known_[rgb] = dib_.nearest((rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16);
        last_ = rgb;
        lastindex_ = i;
        return i;
    }

private:
    const dibholder& dib_;
    std::unordered_map<uint32_t, int> known_;
    uint32_t last_ = 0xFFFFFFFF;
    int lastindex_ = 0;
};

// Rows y0 .. y0 + rows - 1 of the image into the bitmap; the first band
// also gives the palette its colours.
bool drawband(const diagram& d, dibholder& dib, colourmapper& map, uint32_t y0, uint32_t rows)
{
    uint32_t width = dib.width();
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(width), int(rows));
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return false;
    }
    cairo_t* cr = cairo_create(s);
    cairo_translate(cr, 0, -double(y0));
    std::vector<uint32_t> colours;
    {
        gdi g(cr);
        if (y0 == 0)
            g.record(&colours);
        g.fillrect(0, 0, int(width + 1), int(dib.height() + 1), 0xFFFFFF);
        drawdiag(d, g, {0, 0, width - 1, dib.height() - 1});
    }
    cairo_destroy(cr);
    for (uint32_t c : colours)
        dib.addcolor(c);
    cairo_surface_flush(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (uint32_t y = 0; y < rows; ++y) {
        const uint32_t* in = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
        if (dib.bitcount() == 8) {
            uint8_t* out = dib.row(y0 + y);
            for (uint32_t x = 0; x < width; ++x)
                out[x] = uint8_t(map.index(in[x] & 0xFFFFFF));
        } else {
            for (uint32_t x = 0; x < width; ++x)
                dib.setpixel(x, y0 + y, map.index(in[x] & 0xFFFFFF));
        }
    }
    cairo_surface_destroy(s);
    return true;
}

int palettesize(const exportsettings& r, const dibholder& dib)
{
    if (r.fullpalette)
        return r.format == 4 ? 16 : 256;
    if (r.format != 0)
        return dib.colorsused();
    int n = 2;
    while (n < dib.colorsused())
        n *= 2;
    return n;
}

void fail(exportsettings& r, const std::string& text)
{
    r.state = exportstate::failed;
    r.status = text;
}

}  // namespace

void exportadapt(exportsettings& r, char how)
{
    double pw = r.paper.width(), ph = r.paper.height();
    if (how == 'a') {
        r.width = r.screen.right - r.screen.left + 1;
        r.height = r.screen.bottom - r.screen.top + 1;
        return;
    }
    if (!(pw > 0 && ph > 0))
        return;
    double v = how == 'h' ? double(r.height) * pw / ph : double(r.width) * ph / pw;
    if (v < largest)
        (how == 'h' ? r.width : r.height) = uint32_t(v);
}

void exportextension(exportsettings& r)
{
    std::string base = r.name.substr(0, r.name.find('.'));
    base.erase(std::remove(base.begin(), base.end(), ' '), base.end());
    base = base.substr(0, limits::shortnamelength);
    for (char& c : base)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    r.name = base + (r.format == 0 ? ".GIF" : ".BMP");
}

uint32_t exportsize(const std::string& text)
{
    std::string t = text.substr(0, 40);
    size_t i = t.find_first_not_of(' ');
    uint64_t v = 0;
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])) && v < largest; ++i)
        v = v * 10 + uint64_t(t[i] - '0');
    return uint32_t(std::clamp<uint64_t>(v, smallest, largest));
}

bool filediag(const diagram* d, dibholder& dib)
{
    if (!d || dib.state() != 2)
        return bugbox("filediag");
    colourmapper map(dib);
    uint32_t band = uint32_t(std::clamp<uint64_t>(bandpixels / dib.width(), 1, dib.height()));
    for (uint32_t y0 = 0; y0 < dib.height(); y0 += band)
        if (!drawband(*d, dib, map, y0, std::min(band, dib.height() - y0)))
            return false;
    return true;
}

void exportcommand(exportsettings& r, const diagram* d)
{
    static dibholder dib;
    std::string path = r.directory.empty() ? r.name : r.directory + "/" + r.name;
    if (fileexists(path) && r.state != exportstate::overwrite) {
        r.status = "File exists. Overwrite ?";
        r.state = exportstate::overwrite;
        return;
    }
    dib.release();
    if (!d || !dib.createheader(r.width, r.height, r.format == 4 ? 4 : 8))
        return fail(r, "Could not to initialize bitmap data");
    dib.addcolor(0xFFFFFF);
    dib.addcolor(0);
    if (d->griddrawable() && d->griddensity != 0)
        dib.addcolor(d->gridcolour & 0xFFFFFF);
    for (listnode* n = d->polylines.first(); n; n = n->next)
        dib.addcolor(static_cast<polyline*>(n)->linepen.colour & 0xFFFFFF);
    if (!dib.create() || !filediag(d, dib)) {
        dib.release();
        return fail(r, "Could not to initialize bitmap data");
    }
    int n = palettesize(r, dib);
    if (n > dib.colorsused())
        dib.fillpalette(n);
    uint64_t bytes = r.format == 0 ? writegif(dib, path, r.interlaced) : writebmp(dib, path);
    dib.release();
    if (bytes == 0)
        return fail(r, "Could not write " + path + ":\n" + fileerror());
    char text[64];
    std::snprintf(text, sizeof text, "%llu bytes written", static_cast<unsigned long long>(bytes));
    r.status = text;
    r.state = exportstate::done;
}
