#include <chrono>
#include <thread>

#include "platform/core/input.h"
#include "platform/core/surface.h"
#include "screenfixture.h"
#include "screen/graphics.h"
#include "screen/palette.h"

using graphics = screenfixture;

namespace {
std::vector<cellpos> dirtycells()
{
    std::vector<cellpos> out;
    for (int y = 1; y <= 30; y++)
        for (int x = 1; x <= 80; x++)
            if (vscreen->cellat(x, y)->dirty)
                out.push_back({x, y});
    return out;
}
}

TEST(palette, colourroles)
{
    struct {
        int role, index;
    } cases[] = {{0, 0}, {1, 8}, {12, 16}, {276, 17}, {308, 3}, {309, 255}, {-1, 255}};
    for (auto& c : cases)
        EXPECT_EQ(colorof(c.role), c.index) << c.role;
    EXPECT_EQ(colorref(6), 0x0060C0u);
    EXPECT_EQ(colorrgb(6), 0xC06000u);  // brown: red C0, green 60
    EXPECT_EQ(colorrgb(9), 0x4040FFu);
    EXPECT_FALSE(colorvalid(0));
    EXPECT_TRUE(colorvalid(20));
    EXPECT_FALSE(colorvalid(21));
}

TEST_F(graphics, drawcolour)
{
    EXPECT_EQ(getdrawcolor(), 16);
    EXPECT_EQ(setdrawcolor(21), 16);
    EXPECT_EQ(getdrawcolor(), 16);
    EXPECT_EQ(setdrawcolor(4), 16);
    EXPECT_EQ(getdrawcolor(), 4);
}

TEST_F(graphics, straightlinesmarkonerun)
{
    gmoveto(15, 40);
    glineto(95, 44);  // within cell row 3
    std::vector<cellpos> d = dirtycells();
    ASSERT_EQ(d.size(), 9u);
    EXPECT_EQ(d.front().x, 2);
    EXPECT_EQ(d.back().x, 10);
    for (cellpos c : d)
        EXPECT_EQ(c.y, 3);
    flushcells();
    gmoveto(55, 10);
    glineto(55, 100);
    d = dirtycells();
    ASSERT_EQ(d.size(), 6u);
    for (cellpos c : d)
        EXPECT_EQ(c.x, 6);
}

// Whatever a line draws lies in cells that it marked, so a repaint from
// the grid shows it again.
TEST_F(graphics, repaintrestoreseverylinepixel)
{
    struct {
        int x1, y1, x2, y2;
    } lines[] = {{3, 3, 797, 537}, {797, 3, 3, 537}, {400, 17, 409, 538}, {0, 270, 799, 285},
                 {33, 500, 61, 20}, {700, 18, 710, 19}, {5, 36, 795, 35}, {250, 250, 251, 400}};
    setdrawcolor(1);
    for (auto& l : lines) {
        gmoveto(l.x1, l.y1);
        glineto(l.x2, l.y2);
    }
    gtriangle(420, 300, 700, 320, 560, 520);
    std::vector<uint32_t> drawn = pixels();
    flushcells();
    setpixels(0);
    redrawscreen();
    EXPECT_EQ(pixels(), drawn);
}

TEST_F(graphics, rectanglesfillinnercellsandsavetheirborder)
{
    setdrawcolor(2);
    grectangle(15, 27, 64, 98);  // cells 2..7 by 2..6; 3..6 by 3..5 wholly inside
    EXPECT_EQ(vscreen->cellat(4, 4)->kind, cellfill);
    EXPECT_EQ(vscreen->cellat(4, 4)->fillcolor(), 2);
    EXPECT_TRUE(vscreen->cellat(2, 4)->dirty);
    EXPECT_TRUE(vscreen->cellat(7, 6)->dirty);
    EXPECT_TRUE(vscreen->cellat(4, 2)->dirty);
    EXPECT_FALSE(vscreen->cellat(3, 3)->dirty);
    std::vector<uint32_t> drawn = pixels();
    EXPECT_EQ(drawn[98 * 800 + 64], 0x008000u);  // right and bottom lines included
    EXPECT_EQ(drawn[99 * 800 + 64], 0xFFFFFFu);
    flushcells();
    EXPECT_EQ(vscreen->cellat(2, 4)->kind, cellpixels);
    setpixels(0);
    redrawscreen();
    EXPECT_EQ(pixels(), drawn);
}

TEST_F(graphics, textoutstaysonthescreen)
{
    EXPECT_EQ(gtextout(-10, -10, 16, 14, "ab"), 0);
    EXPECT_EQ(pixels()[0], 0xFFFF00u);  // yellow background at (0, 0)
    EXPECT_EQ(gtextout(790, 100, 16, 14, "abc"), 800 - 30 - 5);
    EXPECT_EQ(gtextout(10, 10, 21, 14, "x"), 0);
    EXPECT_EQ(gtextextent("abcd"), 40);
    EXPECT_TRUE(vscreen->cellat(80, 6)->dirty);
}

TEST_F(graphics, rubberbanddrawntwiceerases)
{
    std::vector<uint32_t> before = pixels();
    framestart(100, 100);
    framemove(300, 50);
    EXPECT_NE(pixels(), before);
    framemove(-20, 900);  // partly off the window
    frameend();
    EXPECT_EQ(pixels(), before);
}

TEST_F(graphics, rubberframefollowsthemousewhilethebuttonisheld)
{
    platform::inputstate& in = platform::input();
    std::vector<uint32_t> before = pixels();
    std::thread mouse([&] {
        in.setposition(300, 200);
        in.setleftpress(300, 200);
        in.setleft(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        in.setposition(120, 260);
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
        in.setleft(false);
    });
    pixelrect r = rubberframe();
    mouse.join();
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 200);
    EXPECT_EQ(r.right, 300);
    EXPECT_EQ(r.bottom, 260);
    EXPECT_EQ(pixels(), before);  // erased at the end
}

// Lines drawn in one batch paint the pixels and mark the cells that they
// do one by one, and the front learns of all of them only when the batch
// ends.
TEST_F(graphics, abatchoflinesdrawsasthelinesalone)
{
    const int path[][2] = {{30, 500}, {200, 40}, {201, 41}, {420, 300}, {790, 20}, {790, 530}};
    auto polyline = [&] {
        gmoveto(path[0][0], path[0][1]);
        for (const auto& p : path)
            glineto(p[0], p[1]);
    };
    setdrawcolor(4);
    polyline();
    std::vector<uint32_t> alone = pixels();
    std::vector<cellpos> marked = dirtycells();
    flushcells();
    setpixels(0);
    redrawscreen();
    platform::pixrect r{};
    platform::mainsurface().takedirty(r);
    {
        linebatch batch;
        polyline();
        EXPECT_FALSE(platform::mainsurface().takedirty(r));   // nothing told yet
    }
    ASSERT_TRUE(platform::mainsurface().takedirty(r));
    EXPECT_LE(r.left, 30);
    EXPECT_LE(r.top, 20);
    EXPECT_GE(r.right, 791);
    EXPECT_GE(r.bottom, 531);
    EXPECT_EQ(pixels(), alone);
    std::vector<cellpos> again = dirtycells();
    ASSERT_EQ(again.size(), marked.size());
    for (size_t i = 0; i < marked.size(); i++)
        EXPECT_TRUE(again[i].x == marked[i].x && again[i].y == marked[i].y) << i;
}
