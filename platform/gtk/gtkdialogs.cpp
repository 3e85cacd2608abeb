// The font chooser and the info windows of the GTK front.
#include "platform/gtk/gtkfront.h"

#include "platform/gtk/gtkkeys.h"

#include <gtk/gtk.h>

#include <cstdlib>
#include <vector>

namespace platform {

namespace {

struct infodata {
    int handle;
    int scale;   // device pixels per GTK unit
};

gboolean infodraw(GtkWidget* area, cairo_t* cr, gpointer p)
{
    auto* d = static_cast<infodata*>(p);
    int w = gtk_widget_get_allocated_width(area) * d->scale, h = gtk_widget_get_allocated_height(area) * d->scale;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
    cairo_surface_flush(image);
    canvas c{reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image)),
             cairo_image_surface_get_stride(image) / 4, w, h};
    if (hostevents* host = currenthost())
        host->infopaint(d->handle, c);
    cairo_surface_mark_dirty(image);
    cairo_scale(cr, 1.0 / d->scale, 1.0 / d->scale);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(image);
    return TRUE;
}

gboolean infokeypress(GtkWidget*, GdkEventKey* e, gpointer p)
{
    bool shift = false, ctrl = false, alt = false;
    if (gdkmodifierkey(e->keyval, shift, ctrl, alt, true))
        return TRUE;
    guint base = e->keyval;
    auto plain = GdkModifierType(e->state & ~(GDK_SHIFT_MASK | GDK_LOCK_MASK | GDK_CONTROL_MASK | GDK_MOD1_MASK));
    gdk_keymap_translate_keyboard_state(gdk_keymap_get_for_display(gdk_display_get_default()), e->hardware_keycode,
                                        plain, e->group, &base, nullptr, nullptr, nullptr);
    hostevents* host = currenthost();
    return host && host->infokey(static_cast<infodata*>(p)->handle, gdkkeydown(e->keyval, base, e->state));
}

gboolean infodelete(GtkWidget*, GdkEvent*, gpointer p)
{
    if (hostevents* host = currenthost())
        host->infoclose(static_cast<infodata*>(p)->handle);
    return TRUE;   // the program destroys it
}

}  // namespace

bool gtkfront::fontdialog(fontchoice& font, bool printer)
{
    GtkWidget* d = gtk_font_chooser_dialog_new("Printer Font", window_ ? GTK_WINDOW(window_) : nullptr);
    gtk_font_chooser_set_filter_func(
        GTK_FONT_CHOOSER(d),
        [](const PangoFontFamily* family, const PangoFontFace*, gpointer) -> gboolean {
            return pango_font_family_is_monospace(const_cast<PangoFontFamily*>(family));
        },
        nullptr, nullptr);
    std::string initial = font.face + " " + std::to_string(font.height);
    gtk_font_chooser_set_font(GTK_FONT_CHOOSER(d), initial.c_str());
    bool ok = runmodal(d) == GTK_RESPONSE_OK;
    if (ok) {
        PangoFontDescription* desc = gtk_font_chooser_get_font_desc(GTK_FONT_CHOOSER(d));
        if (desc) {
            font.face = pango_font_description_get_family(desc);
            int size = pango_font_description_get_size(desc) / PANGO_SCALE;
            font.height = size > 0 ? size : font.height;
            font.width = 0;
            font.weight = pango_font_description_get_weight(desc);
            pango_font_description_free(desc);
        }
    }
    gtk_widget_destroy(d);
    return ok;
}

GtkWidget* gtkfront::infowindow(int handle) const
{
    auto it = infos_.find(handle);
    return it == infos_.end() ? nullptr : it->second;
}

int gtkfront::infocreate(const std::string& title, int x, int y, int width, int height)
{
    GtkWidget* w = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    int handle = ++lastinfo_;
    auto* data = new infodata{handle, scale_};
    g_object_set_data_full(G_OBJECT(w), "info", data, [](gpointer p) { delete static_cast<infodata*>(p); });
    gtk_window_set_title(GTK_WINDOW(w), title.c_str());
    if (window_) {
        gtk_window_set_transient_for(GTK_WINDOW(w), GTK_WINDOW(window_));
        gtk_window_set_destroy_with_parent(GTK_WINDOW(w), TRUE);
    }
    gtk_window_set_resizable(GTK_WINDOW(w), FALSE);
    gtk_window_move(GTK_WINDOW(w), x / scale_, y / scale_);
    GtkWidget* area = gtk_drawing_area_new();
    gtk_widget_set_size_request(area, tological(width), tological(height));
    gtk_container_add(GTK_CONTAINER(w), area);
    g_signal_connect(area, "draw", G_CALLBACK(infodraw), data);
    g_signal_connect(w, "key-press-event", G_CALLBACK(infokeypress), data);
    g_signal_connect(w, "delete-event", G_CALLBACK(infodelete), data);
    infos_[handle] = w;
    return handle;
}

void gtkfront::infodestroy(int handle)
{
    if (GtkWidget* w = infowindow(handle)) {
        infos_.erase(handle);
        gtk_widget_destroy(w);
    }
}

void gtkfront::infoshow(int handle, bool shown, bool iconic)
{
    GtkWidget* w = infowindow(handle);
    if (!w)
        return;
    if (!shown) {
        gtk_widget_hide(w);
        return;
    }
    gtk_window_set_focus_on_map(GTK_WINDOW(w), FALSE);
    gtk_widget_show_all(w);
    if (iconic)
        gtk_window_iconify(GTK_WINDOW(w));
}

void gtkfront::infoinvalidate(int handle)
{
    if (GtkWidget* w = infowindow(handle))
        gtk_widget_queue_draw(w);
}

bool gtkfront::infoiconic(int handle)
{
    GtkWidget* w = infowindow(handle);
    GdkWindow* g = w ? gtk_widget_get_window(w) : nullptr;
    return g && (gdk_window_get_state(g) & GDK_WINDOW_STATE_ICONIFIED);
}

bool gtkfront::infoposition(int handle, int& x, int& y)
{
    GtkWidget* w = infowindow(handle);
    GdkWindow* g = w ? gtk_widget_get_window(w) : nullptr;
    if (!g)
        return false;
    gdk_window_get_origin(g, &x, &y);
    x *= scale_;
    y *= scale_;
    return true;
}

}  // namespace platform
