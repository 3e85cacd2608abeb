#include "platform/core/panels.h"

#include <algorithm>

namespace platform {

int panelset::create(int x, int y, int width, int height)
{
    panels_.push_back({++last_, x, y, width, height});
    return last_;
}

void panelset::destroy(int handle)
{
    std::erase_if(panels_, [handle](const panelrecord& p) { return p.handle == handle; });
}

void panelset::show(int handle, bool shown)
{
    for (panelrecord& p : panels_)
        if (p.handle == handle)
            p.shown = shown;
}

const panelrecord* panelset::find(int handle) const
{
    for (const panelrecord& p : panels_)
        if (p.handle == handle)
            return &p;
    return nullptr;
}

bool panelset::anyshown() const
{
    return std::any_of(panels_.begin(), panels_.end(), [](const panelrecord& p) { return p.shown; });
}

bool panelset::route(mouseaction action, mousebutton button, int x, int y)
{
    const panelrecord* target = nullptr;
    if (action == mouseaction::press) {
        for (auto p = panels_.rbegin(); p != panels_.rend() && !target; ++p)
            if (p->shown && p->contains(x, y))
                target = &*p;
        pressed_ = target ? target->handle : 0;
    } else if (action == mouseaction::release && pressed_) {
        target = find(pressed_);
        pressed_ = 0;
        if (!target)
            return true;   // its panel went while the button was down
    }
    if (!target)
        return false;
    if (hostevents* h = currenthost())
        h->panelmouse(target->handle, action, button, x - target->x, y - target->y);
    return true;
}

void panelset::paint(cairo_t* cr) const
{
    hostevents* h = currenthost();
    if (!h)
        return;
    // Only the panels that meet what is being drawn (a caret's blink
    // redraws a few pixels).
    double left, top, right, bottom;
    cairo_clip_extents(cr, &left, &top, &right, &bottom);
    for (const panelrecord& p : panels_) {
        if (!p.shown || p.width <= 0 || p.height <= 0 || p.x >= right || p.y >= bottom || p.x + p.width <= left
            || p.y + p.height <= top)
            continue;
        cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, p.width, p.height);
        if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
            cairo_surface_flush(image);
            canvas c{reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image)),
                     cairo_image_surface_get_stride(image) / 4, p.width, p.height};
            h->panelpaint(p.handle, c);
            cairo_surface_mark_dirty(image);
            cairo_save(cr);
            cairo_set_source_surface(cr, image, p.x, p.y);
            cairo_rectangle(cr, p.x, p.y, p.width, p.height);
            cairo_fill(cr);
            cairo_restore(cr);
        }
        cairo_surface_destroy(image);
    }
}

}  // namespace platform
