// Panels over the main window: which events they take, what they paint,
// and the program's own cursors.
#include "platform/core/cursors.h"
#include "platform/core/panels.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace platform;

// Records the panel events and paints each panel in a colour of its own.
struct recorder : hostevents {
    std::vector<std::string> seen;
    bool key(const keydown&) override { return false; }
    bool cantype(int) const override { return true; }
    void mouse(mouseaction a, mousebutton, int x, int y) override
    {
        seen.push_back("main " + std::to_string(int(a)) + " " + std::to_string(x) + "," + std::to_string(y));
    }
    void close() override {}
    void command(int) override {}
    void focus(bool) override {}
    void moved(int, int, int, int) override {}
    bool busy() const override { return false; }
    void panelpaint(int handle, const canvas& c) override
    {
        fillrect(c, {0, 0, c.width, c.height}, handle == 1 ? 0xFF0000 : 0x00FF00);
    }
    void panelmouse(int handle, mouseaction a, mousebutton, int x, int y) override
    {
        seen.push_back("panel" + std::to_string(handle) + " " + std::to_string(int(a)) + " " + std::to_string(x) + ","
                       + std::to_string(y));
    }
};

// Sends the event to the panels and, when they do not take it, to the host.
void deliver(panelset& s, recorder& r, mouseaction a, int x, int y)
{
    if (!s.route(a, mousebutton::left, x, y))
        r.mouse(a, mousebutton::left, x, y);
}

struct panelsfixture : ::testing::Test {
    recorder host;
    panelset panels;
    void SetUp() override { sethost(&host); }
    void TearDown() override { sethost(nullptr); }
};

TEST_F(panelsfixture, PressesGoToTheNewestShownPanelAndTheReleaseFollows)
{
    int a = panels.create(0, 0, 100, 50);
    int b = panels.create(50, 0, 100, 50);   // over a's right half
    ASSERT_EQ(a, 1);
    ASSERT_EQ(b, 2);
    using enum mouseaction;
    deliver(panels, host, press, 60, 10);    // b is the newer one
    deliver(panels, host, release, 300, 300);   // far away: still b's
    deliver(panels, host, press, 10, 49);    // a's last row
    deliver(panels, host, move, 20, 20);     // moves are the host's
    deliver(panels, host, release, 20, 20);
    deliver(panels, host, press, 10, 50);    // below both
    deliver(panels, host, release, 10, 50);
    panels.show(b, false);
    deliver(panels, host, press, 60, 10);    // b hidden: a takes it
    panels.destroy(a);
    deliver(panels, host, release, 60, 10);  // its panel went: swallowed
    std::vector<std::string> expected{"panel2 1 10,10", "panel2 2 250,300", "panel1 1 10,49", "main 0 20,20",
                                      "panel1 2 20,20", "main 1 10,50",     "main 2 10,50",   "panel1 1 60,10"};
    EXPECT_EQ(host.seen, expected);
}

TEST_F(panelsfixture, ShownPanelsArePaintedOverTheirPlace)
{
    panels.create(2, 1, 3, 2);
    int hidden = panels.create(0, 0, 1, 1);
    panels.show(hidden, false);
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 6, 4);
    cairo_t* cr = cairo_create(image);
    cairo_set_source_rgb(cr, 0, 0, 1);
    cairo_paint(cr);
    panels.paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(image);
    auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image));
    int stride = cairo_image_surface_get_stride(image) / 4;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            bool inside = x >= 2 && x < 5 && y >= 1 && y < 3;
            EXPECT_EQ(data[y * stride + x] & 0xFFFFFF, inside ? 0xFF0000u : 0x0000FFu) << x << "," << y;
        }
    cairo_surface_destroy(image);
}

// The hot spot of each cursor lies on its drawn outline or fill, and the
// image has see-through pixels around the shape.
TEST(cursors, HotSpotsLieOnTheDrawnShapes)
{
    int x = -1, y = -1;
    EXPECT_EQ(cursorimage(cursorkind::arrow, x, y), nullptr);
    for (cursorkind kind : {cursorkind::pen, cursorkind::help}) {
        cairo_surface_t* image = cursorimage(kind, x, y);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(cairo_image_surface_get_width(image), cursorsize);
        EXPECT_EQ(cairo_image_surface_get_height(image), cursorsize);
        auto* data = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image));
        int stride = cairo_image_surface_get_stride(image) / 4;
        ASSERT_TRUE(x >= 0 && x < cursorsize && y >= 0 && y < cursorsize);
        EXPECT_EQ(data[y * stride + x] >> 24, 0xFFu) << int(kind);
        int clear = 0;
        for (int i = 0; i < cursorsize * cursorsize; ++i)
            clear += (data[i / cursorsize * stride + i % cursorsize] >> 24) == 0;
        EXPECT_GT(clear, cursorsize * cursorsize / 4) << int(kind);
        cairo_surface_destroy(image);
    }
}

}  // namespace
