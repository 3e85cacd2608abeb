// The panels of the GTK front: drawn by the drawing area's draw handler
// over the surface, so they need no windows of their own.
#include "platform/gtk/gtkfront.h"

#include <gtk/gtk.h>

namespace platform {

void gtkfront::queuepanel(int handle)
{
    if (const panelrecord* p = panels_.find(handle))
        queuearea(p->x, p->y, p->x + p->width, p->y + p->height);
}

int gtkfront::panelcreate(int x, int y, int width, int height)
{
    int handle = panels_.create(x, y, width, height);
    queuepanel(handle);
    return handle;
}

void gtkfront::paneldestroy(int handle)
{
    queuepanel(handle);
    panels_.destroy(handle);
}

void gtkfront::panelshow(int handle, bool shown)
{
    panels_.show(handle, shown);
    queuepanel(handle);
}

void gtkfront::panelinvalidate(int handle)
{
    queuepanel(handle);
}

// X11 only: elsewhere the pointer stays where the user has it.
void gtkfront::warppointer(int x, int y)
{
    GdkWindow* w = area_ ? gtk_widget_get_window(area_) : nullptr;
    if (!w)
        return;
    int rootx = 0, rooty = 0;
    gdk_window_get_root_coords(w, x / scale_, y / scale_, &rootx, &rooty);
    GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
    if (GdkDevice* pointer = seat ? gdk_seat_get_pointer(seat) : nullptr)
        gdk_device_warp(pointer, gdk_window_get_screen(w), rootx, rooty);
}

}  // namespace platform
