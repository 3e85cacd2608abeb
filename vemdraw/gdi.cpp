#include "vemdraw/gdi.h"

namespace {

// A long path is stroked in parts: the cost of a stroke grows with it.
constexpr long strokebatch = 2048;

}  // namespace

gdi::gdi(cairo_t* cr) : cr_(cr)
{
    cairo_save(cr_);
    cairo_set_antialias(cr_, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    select(pen_);
}

gdi::~gdi()
{
    flush();
    cairo_restore(cr_);
}

void gdi::setcolour(uint32_t c)
{
    if (recorded_ && (recorded_->empty() || recorded_->back() != c))
        recorded_->push_back(c);
    cairo_set_source_rgb(cr_, (c & 0xFF) / 255.0, (c >> 8 & 0xFF) / 255.0, (c >> 16 & 0xFF) / 255.0);
}

void gdi::flush()
{
    if (pending_)
        cairo_stroke(cr_);
    cairo_new_path(cr_);
    pending_ = 0;
}

void gdi::select(const gdipen& pen)
{
    if (pending_ && pen == pen_)
        return;
    flush();
    pen_ = pen;
    int width = pen.width < 1 ? 1 : pen.width;
    offset_ = width % 2 ? 0.5 : 0.0;
    cairo_set_line_width(cr_, width);
    if (pen.dotted) {
        const double dots[] = {1.0, 1.0};
        cairo_set_dash(cr_, dots, 2, 0);
    } else {
        cairo_set_dash(cr_, nullptr, 0, 0);
    }
    setcolour(pen.colour);
}

void gdi::moveto(int x, int y)
{
    x_ = x;
    y_ = y;
    cairo_move_to(cr_, x + offset_, y + offset_);
}

void gdi::lineto(int x, int y)
{
    if (pending_ >= strokebatch) {
        flush();
        cairo_move_to(cr_, x_ + offset_, y_ + offset_);
    }
    cairo_line_to(cr_, x + offset_, y + offset_);
    x_ = x;
    y_ = y;
    ++pending_;
}

void gdi::fillrect(int left, int top, int right, int bottom, uint32_t colour)
{
    flush();
    if (right <= left || bottom <= top)
        return;
    setcolour(colour);
    cairo_rectangle(cr_, left, top, right - left, bottom - top);
    cairo_fill(cr_);
    setcolour(pen_.colour);
}
