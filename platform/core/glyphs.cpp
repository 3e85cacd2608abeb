#include "platform/core/glyphs.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include <cairo.h>
#include <pango/pangocairo.h>

#include "platform/core/fontinfo.h"
#include "platform/core/fonts.h"

namespace {

cairo_font_options_t* fixedoptions()
{
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_subpixel_order(o, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    return o;
}

PangoWeight pangoweight(int weight)
{
    return boldface(weight) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL;
}

// Renders the glyphs one by one into a cell-sized A8 surface, the face
// stretched so that its advance and line height fill the cell exactly.
class renderer {
public:
    renderer(const fontspec& spec) : w(spec.width), h(spec.height)
    {
        surface = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
        cr = cairo_create(surface);
        layout = pango_cairo_create_layout(cr);
        cairo_font_options_t* o = fixedoptions();
        pango_cairo_context_set_font_options(pango_layout_get_context(layout), o);
        cairo_font_options_destroy(o);
        PangoFontDescription* d = pango_font_description_from_string(screenface);
        pango_font_description_set_weight(d, pangoweight(spec.weight));
        pango_font_description_set_absolute_size(d, reference * PANGO_SCALE);
        pango_layout_set_font_description(layout, d);
        pango_font_description_free(d);
        pango_layout_set_text(layout, "M", -1);
        PangoRectangle logical;
        pango_layout_get_extents(layout, nullptr, &logical);
        sx = double(w) * PANGO_SCALE / logical.width;
        sy = double(h) * PANGO_SCALE / logical.height;
    }
    ~renderer()
    {
        g_object_unref(layout);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }

    void render(char32_t c, uint8_t* out)
    {
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        char utf8[8];
        int n = g_unichar_to_utf8(gunichar(c), utf8);
        utf8[n] = 0;
        pango_layout_set_text(layout, utf8, n);
        cairo_save(cr);
        cairo_scale(cr, sx, sy);
        cairo_move_to(cr, 0, 0);
        pango_cairo_show_layout(cr, layout);
        cairo_restore(cr);
        cairo_surface_flush(surface);
        const uint8_t* data = cairo_image_surface_get_data(surface);
        int stride = cairo_image_surface_get_stride(surface);
        for (int y = 0; y < h; y++)
            std::memcpy(out + y * w, data + y * stride, w);
    }

private:
    static constexpr int reference = 40;  // pixel size at which the face is laid out
    int w, h;
    double sx = 1, sy = 1;
    cairo_surface_t* surface;
    cairo_t* cr;
    PangoLayout* layout;
};

}

glyphatlas::glyphatlas(const fontspec& spec) : w(spec.width), h(spec.height), masks(256 * w * h, 0)
{
    std::lock_guard<std::mutex> guard(pangomutex());
    renderer r(spec);
    for (int b = 0; b < 256; b++) {
        uint8_t* m = &masks[b * w * h];
        char32_t c = glyphunicode(uint8_t(b), spec.oem);
        if (c != 0 && c != 0x20 && c != 0xA0 && !boxglyph(c, w, h, m))
            r.render(c, m);
        empty[b] = std::all_of(m, m + w * h, [](uint8_t v) { return v == 0; });
    }
}
