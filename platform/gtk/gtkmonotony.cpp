// The Monotony Test window of the GTK front: a top-level window with a
// one-item menu bar ("Help") over a drawing area that paints the sign
// triangle from the published values.
#include "platform/gtk/gtkfront.h"

#include "platform/core/keyqueue.h"
#include "platform/core/monotony.h"

#include <gtk/gtk.h>

namespace platform {

namespace {

constexpr int shiftf1 = 340;   // the key code that shows the monotony help

struct monotonydata {
    gtkfront* front;
    int unit;    // device pixels of a square
    int scale;   // device pixels per GTK unit
};

gboolean monotonydraw(GtkWidget*, cairo_t* cr, gpointer p)
{
    auto* d = static_cast<monotonydata*>(p);
    cairo_set_source_rgb(cr, 128 / 255.0, 128 / 255.0, 128 / 255.0);
    cairo_paint(cr);
    cairo_scale(cr, 1.0 / d->scale, 1.0 / d->scale);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    monotonypaint(cr, monotonyvalues(), d->unit);
    return TRUE;
}

gboolean monotonykey(GtkWidget*, GdkEventKey* e, gpointer p)
{
    auto* d = static_cast<monotonydata*>(p);
    if (e->keyval == GDK_KEY_F1)
        d->front->monotonyhelp();
    else
        d->front->tofront();
    return TRUE;
}

void monotonyhelpitem(GtkMenuItem*, gpointer p)
{
    static_cast<monotonydata*>(p)->front->monotonyhelp();
}

gboolean monotonydelete(GtkWidget*, GdkEvent*, gpointer p)
{
    static_cast<monotonydata*>(p)->front->monotonyclose();
    return TRUE;
}

}  // namespace

void gtkfront::monotonyshow(int unit)
{
    if (monotony_) {
        gtk_widget_queue_draw(monotony_);
        gtk_window_deiconify(GTK_WINDOW(monotony_));
        gtk_window_present(GTK_WINDOW(monotony_));
        return;
    }
    GtkWidget* w = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    auto* data = new monotonydata{this, unit, scale_};
    g_object_set_data_full(G_OBJECT(w), "monotony", data, [](gpointer p) { delete static_cast<monotonydata*>(p); });
    gtk_window_set_title(GTK_WINDOW(w), "Monotony Test");
    gtk_window_set_resizable(GTK_WINDOW(w), FALSE);
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    GtkWidget* bar = gtk_menu_bar_new();
    GtkWidget* help = gtk_menu_item_new_with_label("Help");
    g_signal_connect(help, "activate", G_CALLBACK(monotonyhelpitem), data);
    gtk_menu_shell_append(GTK_MENU_SHELL(bar), help);
    GtkWidget* area = gtk_drawing_area_new();
    gtk_widget_set_size_request(area, tological(monotonyside(unit)), tological(monotonyside(unit)));
    g_signal_connect(area, "draw", G_CALLBACK(monotonydraw), data);
    gtk_box_pack_start(GTK_BOX(box), bar, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), area, TRUE, TRUE, 0);
    gtk_container_add(GTK_CONTAINER(w), box);
    g_signal_connect(w, "key-press-event", G_CALLBACK(monotonykey), data);
    g_signal_connect(w, "delete-event", G_CALLBACK(monotonydelete), data);
    monotony_ = w;
    gtk_widget_show_all(w);
}

void gtkfront::monotonyclose()
{
    if (GtkWidget* w = monotony_) {
        monotony_ = nullptr;
        gtk_widget_destroy(w);
    }
}

// F1 or the Help item: the monotony help on the main window, then this
// window back in front.
void gtkfront::monotonyhelp()
{
    computekeys().post(shiftf1);
    tofront();
    if (monotony_)
        gtk_window_present(GTK_WINDOW(monotony_));
}

}  // namespace platform
