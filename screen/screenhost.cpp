#include "screen/screenhost.h"

#include <atomic>

#include "platform/core/front.h"
#include "platform/core/requests.h"
#include "platform/core/surface.h"
#include "screen/hoststate.h"
#include "screen/screen.h"

namespace {
thread_local int lockdepth = 0;
std::atomic<bool> originset{false};
std::atomic<int> originx{0}, originy{0};
}

screenlock::screenlock() : view{nullptr, 0, 0, 0}
{
    platform::screensurface& s = platform::mainsurface();
    s.lock().lock();
    if (lockdepth++ == 0 && s.exists())
        cairo_surface_flush(s.image());
    if (cairo_surface_t* image = s.image())
        view = {reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image)),
                cairo_image_surface_get_stride(image) / 4, s.width(), s.height()};
}

screenlock::~screenlock()
{
    lockdepth--;
    platform::mainsurface().lock().unlock();
}

void screensurface(int width, int height)
{
    platform::mainsurface().create(width, height);
}

void screenchanged(pixelrect r)
{
    platform::screensurface& s = platform::mainsurface();
    {
        std::lock_guard guard(s.lock());
        if (!s.exists())
            return;
        cairo_surface_mark_dirty_rectangle(s.image(), r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    s.markdirty({r.left, r.top, r.right, r.bottom});
    if (platform::front* f = platform::currentfront())
        f->invalidate();
}

void caretrequest(int code)
{
    if (!platform::currentfront())
        return;
    hoststate& h = host();
    caretstate c = getcaret();
    pixelpoint p = caretpixel();
    h.careton = c.on;
    h.carethidecount = c.hidecount;
    h.caretx = p.x;
    h.carety = p.y;
    h.caretwidth = c.shape == 1 ? 2 : charwidth();
    h.careth = c.shape == 1 ? charheight() : 2;
    sendtomain(code);
}

bool mainhasfocus()
{
    return host().focus;
}

void setkeycodepage(bool oem)
{
    host().oemkeys = oem;
}

void desktopmetrics(int& width, int& height, pixelrect& workarea)
{
    width = 1280;
    height = 1024;
    workarea = {0, 0, width, height};
    if (platform::front* f = platform::currentfront()) {
        f->desktop(width, height);
        f->workarea(workarea.left, workarea.top, workarea.right, workarea.bottom);
    }
}

void setclientorigin(int x, int y)
{
    originx = x;
    originy = y;
    originset = true;
}

pixelpoint clientorigin()
{
    if (originset)
        return {originx, originy};
    if (platform::currentfront())
        return {host().clientx, host().clienty};
    // No window: as if at the work area's corner, so that every cell counts
    // as on the desktop.
    int w, h;
    pixelrect area;
    desktopmetrics(w, h, area);
    return {area.left, area.top};
}
