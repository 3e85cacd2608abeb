#include "platform/core/surface.h"

#include "base/limits.h"

#include <algorithm>

namespace platform {

namespace {
thread_local int lockdepth = 0;
}

void surfacelock::lock()
{
    mutex_.lock();
    ++lockdepth;
}

void surfacelock::unlock()
{
    --lockdepth;
    mutex_.unlock();
}

bool surfacelock::try_lock()
{
    if (!mutex_.try_lock())
        return false;
    ++lockdepth;
    return true;
}

bool surfacelock::heldhere()
{
    return lockdepth > 0;
}

screensurface::~screensurface()
{
    destroy();
}

bool screensurface::create(int width, int height)
{
    std::lock_guard guard(lock_);
    destroy();
    if (width <= 0 || height <= 0)
        return false;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        return false;
    }
    image_ = s;
    width_ = width;
    height_ = height;
    return true;
}

void screensurface::destroy()
{
    std::lock_guard guard(lock_);
    if (image_)
        cairo_surface_destroy(image_);
    image_ = nullptr;
    width_ = height_ = 0;
    std::lock_guard dg(dirtylock_);
    dirty_ = {0, 0, 0, 0};
}

void screensurface::markdirty(pixrect r)
{
    r.left = std::max(r.left, 0);
    r.top = std::max(r.top, 0);
    r.right = std::min(r.right, width_);
    r.bottom = std::min(r.bottom, height_);
    if (r.empty())
        return;
    bool wasclean;
    {
        std::lock_guard guard(dirtylock_);
        wasclean = dirty_.empty();
        if (wasclean) {
            dirty_ = r;
        } else {
            dirty_.left = std::min(dirty_.left, r.left);
            dirty_.top = std::min(dirty_.top, r.top);
            dirty_.right = std::max(dirty_.right, r.right);
            dirty_.bottom = std::max(dirty_.bottom, r.bottom);
        }
    }
    auto fn = notify_.load();
    if (wasclean && fn)
        fn();
}

bool screensurface::takedirty(pixrect& r)
{
    std::lock_guard guard(dirtylock_);
    r = dirty_;
    dirty_ = {0, 0, 0, 0};
    return !r.empty();
}

bool screensurface::writepng(const std::string& path)
{
    std::lock_guard guard(lock_);
    if (!image_)
        return false;
    cairo_surface_flush(image_);
    return cairo_surface_write_to_png(image_, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

screensurface& mainsurface()
{
    static screensurface surface;
    return surface;
}

namespace {
std::atomic<celltextsource> textsource{nullptr};
}

void setcelltextsource(celltextsource fn)
{
    textsource = fn;
}

std::string celltext()
{
    if (auto fn = textsource.load())
        return fn();
    std::string blank(limits::screencolumns, ' ');
    std::string text;
    for (int row = 0; row < limits::screenrows; ++row)
        text += blank + "\n";
    return text;
}

}  // namespace platform
