// The main window's client area as an RGB24 image.  The computing thread
// draws into it and marks what changed; the window thread shows it.  Its
// lock is the program's one lock, shared with the pixel store; it is
// recursive because the store's copies run inside drawing that holds it.
#pragma once

#include <cairo.h>

#include <atomic>
#include <mutex>
#include <string>

namespace platform {

// The one lock, recursive like the critical section it stands for.  It
// knows whether the calling thread holds it: the computing thread never
// parks at a checkpoint while holding it, so the window thread can always
// show the surface.
class surfacelock {
public:
    void lock();
    void unlock();
    bool try_lock();
    static bool heldhere();

private:
    std::recursive_mutex mutex_;
};

// Client pixels; right and bottom are exclusive.
struct pixrect {
    int left, top, right, bottom;
    bool empty() const { return right <= left || bottom <= top; }
};

class screensurface {
public:
    ~screensurface();
    // (Re)creates the image at the client size, filled with black; false
    // when the size is not positive or cairo cannot make it.
    bool create(int width, int height);
    void destroy();
    bool exists() const { return image_ != nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    // Draw on it or read it only while holding lock().
    cairo_surface_t* image() const { return image_; }
    surfacelock& lock() { return lock_; }

    // Any thread: records a changed rectangle (clipped to the surface).
    // The notifier runs once each time a clean surface becomes dirty.
    void markdirty(pixrect r);
    void markall() { markdirty({0, 0, width_, height_}); }
    void setnotify(void (*fn)()) { notify_ = fn; }
    // Window thread: the union of the rectangles marked since the last
    // call; false when nothing changed.
    bool takedirty(pixrect& r);

    // Writes the image as PNG (under the lock); false on failure.
    bool writepng(const std::string& path);

private:
    cairo_surface_t* image_ = nullptr;
    int width_ = 0, height_ = 0;
    surfacelock lock_;
    std::mutex dirtylock_;
    pixrect dirty_{0, 0, 0, 0};
    std::atomic<void (*)()> notify_{nullptr};
};

// The main window's surface.
screensurface& mainsurface();

// The cell grid as text for dumps: rows of UTF-8 text separated by "\n".
// The text screen installs its source; without one a dump shows blanks.
using celltextsource = std::string (*)();
void setcelltextsource(celltextsource fn);
std::string celltext();

}  // namespace platform
