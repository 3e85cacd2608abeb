// The BMP and GIF writers: bytes the formats fix, and every file decoded by
// decoders written elsewhere (Pillow, giflib, netpbm, ImageMagick).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <sstream>

#include "platform/core/files.h"
#include "vemdraw/bmpwriter.h"
#include "vemdraw/dibholder.h"
#include "vemdraw/gifwriter.h"
#include "vemdraw/lzwencoder.h"

namespace {

namespace fs = std::filesystem;

// A raster of the given palette size; pixel (x, y) from f.
template <class F>
void makeraster(dibholder& dib, uint32_t w, uint32_t h, int bits, int colors, F f)
{
    ASSERT_TRUE(dib.createheader(w, h, bits));
    for (int i = 0; i < colors; i++)
        ASSERT_TRUE(dib.addcolor(uint32_t(i * 0x0B1D37 + (i ? 0x102030 : 0xFFFFFF)) & 0xFFFFFF));
    ASSERT_EQ(dib.colorsused(), colors);
    ASSERT_TRUE(dib.create());
    for (uint32_t y = 0; y < h; y++)
        for (uint32_t x = 0; x < w; x++)
            dib.setpixel(x, y, f(x, y));
}

// White paper, a grid every 16 pixels, a sine and a circle in two colours.
int plotlike(uint32_t x, uint32_t y, uint32_t w, uint32_t h)
{
    double u = double(x) / w, v = double(y) / h;
    if (std::abs(v - 0.5 - 0.3 * std::sin(12 * u)) < 0.004)
        return 3;
    if (std::abs(std::hypot(u - 0.5, v - 0.5) - 0.3) < 0.003)
        return 4;
    return x % 16 == 0 || y % 16 == 0 ? 2 : 0;
}

std::string imagedata(const std::string& gif)
{
    // Header 6, screen 7, table, image descriptor 10, trailer 1.
    int table = 3 << ((uint8_t(gif[10]) & 7) + 1);
    return gif.substr(13 + table + 10, gif.size() - (13 + table + 10) - 1);
}

TEST(GifWriter, ImageDataOfSmallImages)
{
    struct row {
        int colors;
        std::vector<int> pixels;
        std::string data;  // minimum code size, sub-blocks, terminator
    } rows[] = {
        // 2 colours: code size 2, width 3, code 0 then end 5.
        {2, {0}, {2, 1, 0x28, 0}},
        // 256 colours: code size 8, width 9, code 7 then end 257.
        {256, {7}, {8, 3, 7, 2, 2, 0}},
        // The first new code of 256 colours is 258: 1, 258 ("1 1"), end.
        {256, {1, 1, 1}, {8, 4, 1, 4, 6, 4, 0}},
    };
    for (const row& r : rows) {
        dibholder dib;
        makeraster(dib, uint32_t(r.pixels.size()), 1, 8, r.colors, [&](uint32_t x, uint32_t) { return r.pixels[x]; });
        EXPECT_EQ(imagedata(gifbytes(dib, false)), r.data) << r.colors << " colours";
    }
}

TEST(GifWriter, HeaderAndColourTable)
{
    dibholder dib;
    makeraster(dib, 300, 2, 8, 3, [](uint32_t x, uint32_t) { return int(x % 3); });
    std::string gif = gifbytes(dib, true);
    ASSERT_EQ(gif.substr(0, 6), "GIF87a");
    EXPECT_EQ(std::string(gif, 6, 7), std::string("\x2C\x01\x02\x00\xF1\x00\x00", 7));
    // 3 colours take a 4-entry table, the 4th black.
    EXPECT_EQ(std::string(gif, 13 + 9, 3), std::string(3, '\0'));
    EXPECT_EQ(std::string(gif, 25, 10), std::string("\x2C\0\0\0\0\x2C\x01\x02\x00\x41", 10));
    EXPECT_EQ(gif.back(), '\x3B');
}

TEST(GifWriter, InterlacingVisitsEveryRowOnceInPassOrder)
{
    for (uint32_t h : {1u, 2u, 3u, 5u, 8u, 13u}) {
        std::vector<uint32_t> expected;
        for (uint32_t start : {0u, 4u, 2u, 1u})
            for (uint32_t r = start; r < h; r += start == 0 ? 8 : start == 4 ? 8 : start == 2 ? 4 : 2)
                expected.push_back(r);
        std::vector<uint32_t> got;
        for (uint32_t r = 0; r < h; r++)
            got.push_back(lzwencoder::interlacerow(r, h));
        EXPECT_EQ(got, expected) << "height " << h;
    }
}

TEST(BmpWriter, HeaderFields)
{
    dibholder dib;
    makeraster(dib, 5, 3, 4, 3, [](uint32_t x, uint32_t) { return int(x % 3); });
    dib.fillpalette(16);
    std::string h = bmpheader(dib);
    ASSERT_EQ(h.size(), 54u + 4 * 16);
    auto u32 = [&](int at) { return uint32_t(uint8_t(h[at]) | uint8_t(h[at + 1]) << 8 | uint8_t(h[at + 2]) << 16 | uint8_t(h[at + 3]) << 24); };
    EXPECT_EQ(h.substr(0, 2), "BM");
    EXPECT_EQ(u32(10), 54u + 64);              // offset
    EXPECT_EQ(u32(34), 4u * 3);                // image size: stride 4, 3 rows
    EXPECT_EQ(u32(2), 54u + 64 + 12);          // file size
    EXPECT_EQ(u32(46), 16u);                   // colours used
    EXPECT_EQ(u32(50), 3u);                    // colours important: before padding
    // The padding starts the colour cube at black, red fastest.
    EXPECT_EQ(h.substr(54 + 12, 8), std::string("\0\0\0\0\0\0\x33\0", 8));
}

TEST(DibHolder, PaletteRules)
{
    dibholder dib;
    ASSERT_TRUE(dib.createheader(8, 8, 4));
    EXPECT_TRUE(dib.addcolor(0xFFFFFF));
    EXPECT_TRUE(dib.addcolor(0xFFFFFF));
    EXPECT_EQ(dib.colorsused(), 1);
    for (int i = 1; i < 16; i++)
        EXPECT_TRUE(dib.addcolor(uint32_t(i)));
    EXPECT_FALSE(dib.addcolor(0x0000FF)) << "a 4-bit palette holds 16";
    EXPECT_EQ(dib.nearest(0x000002), 2);
    EXPECT_EQ(dib.nearest(0xFEFEFE), 0);
    EXPECT_FALSE(dib.createheader(8, 8, 8)) << "only from state 0";
    dib.release();
    EXPECT_FALSE(dib.createheader(0, 8, 8));
}

// Every file of the test goes to a folder of its own.
class DecodedFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("vemdraw-images-" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    static std::string run(const std::string& command, int* status = nullptr)
    {
        std::string out;
        FILE* p = popen((command + " 2>&1").c_str(), "r");
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        int s = pclose(p);
        if (status)
            *status = s;
        return out;
    }

    // What Pillow decodes, in imagedump.py's form.
    static std::string pillow(const fs::path& file)
    {
        return run("/usr/bin/python3 " VEMO_SOURCE_DIR "/tests/vemdraw/imagedump.py " + file.string());
    }

    // The same form from the raster; the palette as the file holds it.
    static std::string expected(const dibholder& dib, int entries)
    {
        std::ostringstream s;
        s << dib.width() << ' ' << dib.height() << " P\nPALETTE";
        for (int i = 0; i < entries; i++) {
            rgbquad c = i < dib.colorsused() ? dib.palette()[i] : rgbquad{0, 0, 0, 0};
            s << ' ' << int(c.red) << ',' << int(c.green) << ',' << int(c.blue);
        }
        s << '\n';
        char hex[3];
        for (uint32_t y = 0; y < dib.height(); y++) {
            for (uint32_t x = 0; x < dib.width(); x++) {
                snprintf(hex, sizeof hex, "%02x", dib.pixel(x, y));
                s << hex;
            }
            s << '\n';
        }
        return s.str();
    }

    // Equal dumps, or the first line that differs.
    static ::testing::AssertionResult samedump(const std::string& got, const std::string& want)
    {
        std::istringstream a(got), b(want);
        std::string la, lb;
        for (int line = 1;; line++) {
            bool ma = bool(std::getline(a, la)), mb = bool(std::getline(b, lb));
            if (!ma && !mb)
                return ::testing::AssertionSuccess();
            if (ma != mb || la != lb)
                return ::testing::AssertionFailure() << "line " << line << ":\n  decoded " << la.substr(0, 160)
                                                     << "\n  raster  " << lb.substr(0, 160);
        }
    }

    // A strict decoder must take the file without a word.
    static void accepted(const std::string& command)
    {
        int status = 0;
        std::string out = run(command, &status);
        EXPECT_EQ(status, 0) << command << ":\n" << out;
    }

    fs::path dir;
};

TEST_F(DecodedFiles, BmpsDecodeToTheRaster)
{
    struct row {
        int bits;
        bool fullpalette;
    } rows[] = {{4, false}, {4, true}, {8, false}, {8, true}};
    for (const row& r : rows) {
        dibholder dib;
        makeraster(dib, 203, 77, r.bits, 5, [](uint32_t x, uint32_t y) { return plotlike(x, y, 203, 77); });
        if (r.fullpalette)
            dib.fillpalette(r.bits == 4 ? 16 : 256);
        fs::path file = dir / "x.bmp";
        uint64_t bytes = writebmp(dib, file.string());
        ASSERT_EQ(bytes, fs::file_size(file));
        EXPECT_EQ(bytes, 54 + 4 * dib.colorsused() + dib.imagesize());
        EXPECT_TRUE(samedump(pillow(file), expected(dib, dib.colorsused()))) << r.bits << " bits " << r.fullpalette;
        accepted("bmptopnm " + file.string() + " >/dev/null");
        accepted("identify -regard-warnings " + file.string());
    }
}

TEST_F(DecodedFiles, GifsDecodeToTheRaster)
{
    std::mt19937 random(7);
    struct row {
        const char* name;
        uint32_t w, h;
        int colors;
        bool noise;
    } rows[] = {
        {"plot", 640, 480, 5, false},
        {"noise 256", 301, 97, 256, false},
        {"noise 2", 333, 211, 2, true},
        {"one pixel", 1, 1, 2, false},
    };
    for (const row& r : rows) {
        dibholder dib;
        makeraster(dib, r.w, r.h, 8, r.colors, [&](uint32_t x, uint32_t y) {
            return r.colors == 5 ? plotlike(x, y, r.w, r.h) : int(random() % r.colors);
        });
        for (bool interlaced : {false, true}) {
            fs::path file = dir / "x.gif";
            uint64_t bytes = writegif(dib, file.string(), interlaced);
            ASSERT_EQ(bytes, fs::file_size(file)) << r.name;
            int entries = 2;
            while (entries < r.colors)
                entries *= 2;
            EXPECT_TRUE(samedump(pillow(file), expected(dib, entries))) << r.name << " interlaced " << interlaced;
            accepted("giftopnm " + file.string() + " >/dev/null");
            accepted("gif2rgb -o /dev/null " + file.string());
            accepted("identify -regard-warnings " + file.string());
            std::string text = run("giftext " + file.string());
            EXPECT_NE(text.find(interlaced ? "Image is Interlaced" : "Image is Non Interlaced"), std::string::npos)
                << text;
        }
    }
}

// Reads the image data's codes as a decoder does, one more code counted
// after each data code; true when the end code arrives and the data ends
// with it.
bool endcodefits(const std::string& data)
{
    int mincode = uint8_t(data[0]);
    std::string bytes;
    size_t at = 1;
    while (at < data.size() && data[at] != 0) {
        bytes.append(data, at + 1, uint8_t(data[at]));
        at += 1 + uint8_t(data[at]);
    }
    uint32_t clear = 1u << mincode, w0 = mincode + 1, w = w0, count = 0;
    for (size_t bit = 0;;) {
        if (bit + w > 8 * bytes.size())
            return false;
        uint32_t code = 0;
        for (uint32_t i = 0; i < w; i++, bit++)
            code |= uint32_t(uint8_t(bytes[bit / 8]) >> (bit % 8) & 1) << i;
        if (code == clear + 1)
            return (bit + 7) / 8 == bytes.size();
        if (code == clear) {
            w = w0;
            count = 0;
        } else if (clear + 2 + ++count > 1u << w && w < 12) {
            w++;
        }
    }
}

// The last data code can bring a decoder's code count to a power of two; the
// end code is then read one bit wider and must have been written so.
TEST(GifWriter, EndCodeFollowsTheLastWidening)
{
    std::mt19937 random(11);
    for (int n = 0; n < 3000; n++) {
        uint32_t w = 1 + random() % 40, h = 1 + random() % 5;
        int colors = 2 << random() % 8;
        dibholder dib;
        makeraster(dib, w, h, 8, colors, [&](uint32_t, uint32_t) { return int(random() % colors); });
        ASSERT_TRUE(endcodefits(imagedata(gifbytes(dib, false)))) << "image " << n;
    }
}

// The same indexed image compressed by two other GIF encoders comes out
// within a few per cent of this one's size.
TEST_F(DecodedFiles, CompressedSizesMatchOtherEncoders)
{
    std::mt19937 random(3);
    for (bool noise : {false, true}) {
        dibholder dib;
        makeraster(dib, 1200, 900, 8, 5, [&](uint32_t x, uint32_t y) {
            return noise ? int(random() % 5) : plotlike(x, y, 1200, 900);
        });
        fs::path gif = dir / "x.gif", bmp = dir / "x.bmp";
        double size = double(writegif(dib, gif.string(), false));
        ASSERT_GT(writebmp(dib, bmp.string()), 0u);
        accepted("gifsicle -O0 " + gif.string() + " -o " + (dir / "gs.gif").string());
        accepted("convert " + bmp.string() + " " + (dir / "im.gif").string());
        for (const char* other : {"gs.gif", "im.gif"})
            EXPECT_NEAR(double(fs::file_size(dir / other)) / size, 1.0, 0.06) << other << " noise " << noise;
    }
}

TEST_F(DecodedFiles, AFailedWriteKeepsTheOldFile)
{
    dibholder dib;
    makeraster(dib, 20, 20, 8, 2, [](uint32_t x, uint32_t y) { return int((x + y) % 2); });
    fs::path file = dir / "x.gif";
    ASSERT_TRUE(savefile(file.string(), "old"));
    simulatesavefailure(true);
    EXPECT_EQ(writegif(dib, file.string(), false), 0u);
    EXPECT_EQ(writebmp(dib, file.string()), 0u);
    simulatesavefailure(false);
    std::string bytes;
    ASSERT_TRUE(loadfile(file.string(), bytes));
    EXPECT_EQ(bytes, "old");
    EXPECT_EQ(writegif(dib, (dir / "missing" / "x.gif").string(), false), 0u);
}

}  // namespace
