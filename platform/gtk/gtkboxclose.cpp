// Closing the program while native boxes are up: a box's own loop holds
// the window thread and its grab drops the main window's close button and
// keys, so the close is taken before GTK sees it, the boxes end and the
// program ends as on SIGTERM.
#include "platform/gtk/gtkfront.h"

#include <gtk/gtk.h>

namespace platform {

namespace {

void filterevent(GdkEvent* e, gpointer p)
{
    if (!static_cast<gtkfront*>(p)->closesunderbox(e))
        gtk_main_do_event(e);
}

void passevent(GdkEvent* e, gpointer)
{
    gtk_main_do_event(e);
}

}  // namespace

void gtkfront::terminate()
{
    if (boxes_ > 0) {
        closing_ = true;
        for (void* loop : loops_)
            g_main_loop_quit(static_cast<GMainLoop*>(loop));
    }
    if (hostevents* h = currenthost())
        h->terminate();
}

bool gtkfront::closesunderbox(void* event)
{
    auto* e = static_cast<GdkEvent*>(event);
    GdkWindow* main = window_ ? gtk_widget_get_window(window_) : nullptr;
    if (boxes_ == 0 || !main || !e->any.window || gdk_window_get_toplevel(e->any.window) != main)
        return false;
    bool altf4 = e->type == GDK_KEY_PRESS && e->key.keyval == GDK_KEY_F4 && (e->key.state & GDK_MOD1_MASK);
    if (e->type != GDK_DELETE && !altf4)
        return false;
    terminate();
    return true;
}

void gtkfront::watchclose(bool on)
{
    if (on)
        gdk_event_handler_set(filterevent, this, nullptr);
    else
        gdk_event_handler_set(passevent, nullptr, nullptr);
}

}  // namespace platform
