#include "platform/core/fontinfo.h"

#include <algorithm>
#include <cmath>

#include <hb.h>
#include <pango/pangocairo.h>

#include "platform/core/glyphs.h"

namespace {

constexpr int reference = 100;  // pixel size at which the face is measured

// The bytes of the code page that show a character of their own (the
// ANSI page shows its control and unassigned bytes as blanks).
bool shown(unsigned char byte, bool oem)
{
    char32_t c = glyphunicode(byte, oem);
    return c != 0 && (c != 0x20 || byte == 0x20);
}

int firstshown(bool oem)
{
    int b = 0;
    while (b < 255 && !shown(uint8_t(b), oem))
        b++;
    return b;
}

int lastshown(bool oem)
{
    int b = 255;
    while (b > 0 && !shown(uint8_t(b), oem))
        b--;
    return b;
}

// Advance of a character in the face's own units; 0 when the face lacks it.
hb_position_t advance(hb_font_t* font, char32_t c)
{
    hb_codepoint_t glyph;
    return hb_font_get_nominal_glyph(font, c, &glyph) ? hb_font_get_glyph_h_advance(font, glyph) : 0;
}

// Width, in the stretched cell, of the widest character the face itself
// has for the code page; whether the printable ASCII characters all
// advance alike.
void widths(hb_font_t* font, const fontrequest& r, fontmetrics& m)
{
    hb_position_t x = advance(font, 'x'), widest = x, narrowest = x, ascii = x;
    for (int b = firstshown(r.oem); b <= lastshown(r.oem); b++) {
        hb_position_t a = shown(uint8_t(b), r.oem) ? advance(font, glyphunicode(uint8_t(b), r.oem)) : 0;
        if (a <= 0)
            continue;
        widest = std::max(widest, a);
        if (b >= 0x20 && b < 0x7F) {
            narrowest = std::min(narrowest, a);
            ascii = std::max(ascii, a);
        }
    }
    m.avecharwidth = r.width;
    m.maxcharwidth = x > 0 ? int(std::lround(double(r.width) * widest / x)) : r.width;
    m.fixedpitch = narrowest == ascii;
}

bool hastable(hb_font_t* font, hb_tag_t tag)
{
    hb_blob_t* blob = hb_face_reference_table(hb_font_get_face(font), tag);
    bool has = hb_blob_get_length(blob) > 0;
    hb_blob_destroy(blob);
    return has;
}

PangoFont* loadfont(PangoFontMap* map, PangoContext* context, const fontrequest& r)
{
    PangoFontDescription* d = pango_font_description_from_string(r.face.c_str());
    pango_font_description_set_weight(d, PangoWeight(r.weight));
    pango_font_description_set_absolute_size(d, reference * PANGO_SCALE);
    PangoFont* font = pango_font_map_load_font(map, context, d);
    pango_font_description_free(d);
    return font;
}

std::optional<fontmetrics> measure(PangoFont* font, double resolution, const fontrequest& r)
{
    PangoFontDescription* real = pango_font_describe(font);
    const char* family = pango_font_description_get_family(real);
    fontmetrics m{};
    m.face = family ? family : "";
    m.weight = pango_font_description_get_weight(real);
    m.italic = pango_font_description_get_style(real) != PANGO_STYLE_NORMAL;
    pango_font_description_free(real);
    hb_font_t* hb = pango_font_get_hb_font(font);
    if (m.face.empty() || !hb)
        return std::nullopt;

    // Stretched so that ascent and descent fill the line.
    PangoFontMetrics* pm = pango_font_get_metrics(font, nullptr);
    double ascent = pango_font_metrics_get_ascent(pm), line = ascent + pango_font_metrics_get_descent(pm);
    pango_font_metrics_unref(pm);
    if (line <= 0)
        return std::nullopt;
    m.height = r.height;
    m.ascent = int(std::lround(r.height * ascent / line));
    m.descent = r.height - m.ascent;
    m.internalleading = r.height - int(std::lround(r.height * reference * PANGO_SCALE / line));
    m.externalleading = 0;  // lines and cells abut
    m.overhang = 0;
    widths(hb, r, m);
    m.truetype = hastable(hb, HB_TAG('g', 'l', 'y', 'f'));
    m.charset = r.oem ? 255 : 0;
    m.aspectx = m.aspecty = int(std::lround(resolution));
    m.firstchar = firstshown(r.oem);
    m.lastchar = lastshown(r.oem);
    m.defaultchar = m.breakchar = ' ';  // what cannot be shown shows as a blank
    m.underlined = m.struckout = false;
    return m;
}

}  // namespace

std::mutex& pangomutex()
{
    static std::mutex m;
    return m;
}

std::optional<fontmetrics> measurefont(const fontrequest& request)
{
    std::lock_guard guard(pangomutex());
    PangoFontMap* map = pango_cairo_font_map_new();
    PangoContext* context = pango_font_map_create_context(map);
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context, o);
    cairo_font_options_destroy(o);
    std::optional<fontmetrics> m;
    if (PangoFont* font = loadfont(map, context, request)) {
        m = measure(font, pango_cairo_font_map_get_resolution(PANGO_CAIRO_FONT_MAP(map)), request);
        g_object_unref(font);
    }
    g_object_unref(context);
    g_object_unref(map);
    return m;
}
