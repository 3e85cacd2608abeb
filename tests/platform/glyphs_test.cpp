#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/core/codepage.h"
#include "platform/core/draw.h"
#include "platform/core/fonts.h"
#include "platform/core/glyphs.h"

namespace {

// Coverage of one edge of a glyph: which pixels along it are set.
std::string edge(const glyphatlas& g, unsigned char b, char side)
{
    std::string out;
    const uint8_t* m = g.mask(b);
    int w = g.width(), h = g.height();
    if (side == 'l' || side == 'r')
        for (int y = 0; y < h; y++)
            out += m[y * w + (side == 'l' ? 0 : w - 1)] ? '#' : '.';
    else
        for (int x = 0; x < w; x++)
            out += m[(side == 't' ? 0 : h - 1) * w + x] ? '#' : '.';
    return out;
}

bool isbox(unsigned char b)
{
    char32_t c = glyphunicode(b, true);
    return c >= 0x2500 && c <= 0x256C;
}

}

TEST(glyphs, codepagesfollowthestandardtables)
{
    // Python: bytes([b]).decode('cp437') and .decode('cp1252').
    struct {
        unsigned char byte;
        char32_t oem, ansi;
    } cases[] = {{'A', U'A', U'A'}, {0x80, U'Ç', U'€'}, {0x9A, U'Ü', U'š'}, {0xB0, U'░', U'°'},
                 {0xC9, U'╔', U'É'}, {0xE1, U'ß', U'á'}, {0xFE, U'■', U'þ'}, {0x01, U'☺', U' '}};
    for (auto& c : cases) {
        EXPECT_EQ(glyphunicode(c.byte, true), c.oem) << int(c.byte);
        EXPECT_EQ(glyphunicode(c.byte, false), c.ansi) << int(c.byte);
    }
}

// Python: bytes(b).decode('cp437' or 'cp1252').encode('utf-8'); the control
// bytes below 32 stay, and OEM 127 is the console's house (U+2302), as the
// screen shows it.
TEST(glyphs, codepagetextbecomesutf8)
{
    struct {
        const char* bytes;
        bool oem;
        const char* utf8;
    } cases[] = {
        {"a\n\rb\t", true, "a\n\rb\t"},
        {"\x84\xE6", true, "\xC3\xA4\xC2\xB5"},                   // ä µ
        {"\xC9\xCD\x7F", true, "\xE2\x95\x94\xE2\x95\x90\xE2\x8C\x82"},   // ╔ ═ ⌂
        {"\x80\xE4", false, "\xE2\x82\xAC\xC3\xA4"},             // € ä
    };
    for (auto& c : cases)
        EXPECT_EQ(platform::codepageutf8(c.bytes, c.oem), c.utf8) << c.bytes;
}

// Every box-drawing character meets its neighbours: an arm's edge pattern
// is one of two (single, double) on every side, and the patterns leaving
// through one side are the ones entering through the opposite side.
TEST(glyphs, boxdrawingarmsjoin)
{
    for (fontspec spec : {fontspec{18, 10, 400, true}, fontspec{16, 8, 400, true}, fontspec{13, 7, 700, true}}) {
        font f(spec);
        const glyphatlas& g = f.glyphs();
        for (auto [a, b] : {std::pair{'r', 'l'}, std::pair{'b', 't'}}) {
            std::set<std::string> out, in;
            for (int c = 0; c < 256; c++)
                if (isbox(uint8_t(c))) {
                    out.insert(edge(g, uint8_t(c), a));
                    in.insert(edge(g, uint8_t(c), b));
                }
            EXPECT_EQ(out, in) << spec.height << "x" << spec.width;
            EXPECT_EQ(out.size(), 3u);  // none, single, double
        }
        int w = spec.width, h = spec.height;
        // Lines end only at the cell's border: no gap, no overhang inside.
        for (int c = 0; c < 256; c++) {
            if (!isbox(uint8_t(c)))
                continue;
            const uint8_t* m = g.mask(uint8_t(c));
            for (int y = 1; y < h - 1; y++)
                for (int x = 1; x < w - 1; x++) {
                    if (!m[y * w + x])
                        continue;
                    int n = !!m[y * w + x - 1] + !!m[y * w + x + 1] + !!m[(y - 1) * w + x] + !!m[(y + 1) * w + x];
                    EXPECT_GE(n, 2) << "glyph " << c << " at " << x << "," << y;
                }
        }
        const uint8_t* corner = g.mask(0xC9);  // ╔: outer and inner corner closed
        EXPECT_TRUE(corner[(h / 2 - 1) * w + w / 2 - 1]);
        EXPECT_TRUE(corner[(h / 2 + 1) * w + w / 2 + 1]);
        EXPECT_FALSE(corner[(h / 2) * w + w / 2]);
        EXPECT_FALSE(corner[(h / 2 + 1) * w + w / 2 - 2]);
        const uint8_t* full = g.mask(0xDB);
        EXPECT_TRUE(std::all_of(full, full + w * h, [](uint8_t v) { return v == 255; }));
        EXPECT_TRUE(g.blank(' '));
        EXPECT_FALSE(g.blank('x'));
    }
}

// Text pixels: bare background and full text colour where the coverage is
// 0 and 255, between the two per channel elsewhere, and a pair drawn again
// after thousands of others (which evict its cached colours) gives the
// same pixels.
TEST(glyphs, textpixelsfollowthecoverage)
{
    font f(fontspec{18, 10, 400, true});
    const glyphatlas& g = f.glyphs();
    int w = g.width(), h = g.height();
    std::vector<uint32_t> first(size_t(w) * h), again(first.size()), other(first.size());
    canvas c1{first.data(), w, w, h}, c2{again.data(), w, w, h}, scratch{other.data(), w, w, h};
    const unsigned char text = '@';
    const uint8_t* m = g.mask(text);
    uint32_t seed = 12345;
    auto next = [&] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
    for (int pair = 0; pair < 50; pair++) {
        uint32_t fg = next(), bg = next();
        drawtext(c1, 0, 0, f, &text, 1, fg, bg);
        for (int i = 0; i < 3000; i++)
            drawtext(scratch, 0, 0, f, &text, 1, next(), next());
        drawtext(c2, 0, 0, f, &text, 1, fg, bg);
        ASSERT_EQ(first, again) << pair;
        for (int i = 0; i < w * h; i++) {
            if (m[i] == 0 || m[i] == 255) {
                ASSERT_EQ(first[i], m[i] ? fg : bg) << i;
                continue;
            }
            for (int shift = 0; shift < 24; shift += 8) {
                int v = (first[i] >> shift) & 255, a = (fg >> shift) & 255, b = (bg >> shift) & 255;
                ASSERT_GE(v, std::min(a, b));
                ASSERT_LE(v, std::max(a, b));
            }
        }
    }
}
