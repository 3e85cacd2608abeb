// The screen surface: dirty rectangles and the PNG dump.
#include "platform/core/surface.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using platform::pixrect;
using platform::screensurface;

int notified = 0;

}  // namespace

TEST(surface, DirtyRectanglesUniteAndNotifyOncePerBatch)
{
    screensurface s;
    ASSERT_TRUE(s.create(100, 50));
    notified = 0;
    s.setnotify([] { ++notified; });
    s.markdirty({10, 10, 20, 20});
    s.markdirty({-5, 30, 15, 80});  // clipped to the surface
    s.markdirty({40, 40, 40, 45});  // empty: ignored
    EXPECT_EQ(notified, 1);
    pixrect r;
    ASSERT_TRUE(s.takedirty(r));
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 10);
    EXPECT_EQ(r.right, 20);
    EXPECT_EQ(r.bottom, 50);
    EXPECT_FALSE(s.takedirty(r));
    s.markall();
    EXPECT_EQ(notified, 2);
    EXPECT_FALSE(s.create(0, 10));
    EXPECT_FALSE(s.exists());
}

TEST(surface, PngDumpDecodesToTheSamePixels)
{
    screensurface s;
    ASSERT_TRUE(s.create(30, 20));
    {
        std::lock_guard guard(s.lock());
        cairo_t* cr = cairo_create(s.image());
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_set_source_rgb(cr, 1, 0, 0);
        cairo_rectangle(cr, 5, 6, 3, 2);
        cairo_fill(cr);
        cairo_destroy(cr);
    }
    char name[] = "/tmp/vemosurfaceXXXXXX";
    int fd = mkstemp(name);
    close(fd);
    ASSERT_TRUE(s.writepng(name));
    cairo_surface_t* png = cairo_image_surface_create_from_png(name);
    unlink(name);
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(png), 30);
    auto pixel = [&](int x, int y) {
        auto* row = cairo_image_surface_get_data(png) + y * cairo_image_surface_get_stride(png);
        return reinterpret_cast<uint32_t*>(row)[x] & 0xFFFFFF;
    };
    EXPECT_EQ(pixel(5, 6), 0xFF0000u);
    EXPECT_EQ(pixel(7, 7), 0xFF0000u);
    EXPECT_EQ(pixel(8, 7), 0xFFFFFFu);
    cairo_surface_destroy(png);
}
