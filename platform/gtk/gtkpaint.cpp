// The GTK front's painted window: a resizable main window whose client
// area the program draws, its menu bar, descriptors watched on the main
// loop, and the default printer's device values.
#include "platform/gtk/gtkfront.h"

#include <glib-unix.h>
#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>

#include <cmath>
#include <string>

namespace platform {

namespace {

constexpr int defaultwidth = 800, defaultheight = 600;
constexpr double printerdpi = 300;

gtkfront* frontof(gpointer p)
{
    return static_cast<gtkfront*>(p);
}

gboolean paintdraw(GtkWidget*, cairo_t* cr, gpointer p) { return frontof(p)->onpaint(cr); }

gboolean closewindow(GtkWidget*, GdkEvent*, gpointer)
{
    if (hostevents* h = currenthost())
        h->close();
    return TRUE;
}

void sizechanged(GtkWidget* area, GdkRectangle* r, gpointer)
{
    int scale = gtk_widget_get_scale_factor(area);
    if (hostevents* h = currenthost())
        h->sized(r->width * scale, r->height * scale);
}

gboolean watched(gint fd, GIOCondition, gpointer p)
{
    frontof(p)->onwatch(fd);
    return G_SOURCE_CONTINUE;
}

// The default printer; without one GTK's "Print to File", which the print
// dialog always offers (tofile set); none when neither can be had (taken on
// the window thread).
GtkPrinter* defaultgtkprinter(bool& tofile)
{
    struct found {
        GtkPrinter* preferred = nullptr;
        GtkPrinter* file = nullptr;
    } f;
    auto pick = +[](GtkPrinter* printer, gpointer data) -> gboolean {
        auto* f = static_cast<found*>(data);
        if (gtk_printer_is_default(printer)) {
            f->preferred = GTK_PRINTER(g_object_ref(printer));
            return TRUE;
        }
        std::string backend = G_OBJECT_TYPE_NAME(gtk_printer_get_backend(printer));
        if (!f->file && backend == "GtkPrintBackendFile")
            f->file = GTK_PRINTER(g_object_ref(printer));
        return FALSE;
    };
    gtk_enumerate_printers(pick, &f, nullptr, TRUE);
    tofile = !f.preferred && f.file;
    if (f.preferred && f.file)
        g_object_unref(f.file);
    return f.preferred ? f.preferred : f.file;
}

int pixels(double inches)
{
    return int(std::lround(inches * printerdpi));
}

}  // namespace

bool gtkfront::createpaintwindow(const std::string& title, const std::string& menu)
{
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    if (!window_)
        return false;
    name_ = title;
    gtk_window_set_title(GTK_WINDOW(window_), title.c_str());
    g_signal_connect(window_, "delete-event", G_CALLBACK(closewindow), this);
    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    bar_ = gtk_menu_bar_new();
    attachmenu(menu);
    area_ = gtk_drawing_area_new();
    g_signal_connect(area_, "draw", G_CALLBACK(paintdraw), this);
    g_signal_connect(area_, "size-allocate", G_CALLBACK(sizechanged), this);
    gtk_box_pack_start(GTK_BOX(box), bar_, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), area_, TRUE, TRUE, 0);
    gtk_container_add(GTK_CONTAINER(window_), box);
    // The client area starts at the default size and may shrink later.
    gtk_widget_set_size_request(area_, defaultwidth, defaultheight);
    makecursors();
    gtk_widget_show_all(window_);
    gtk_widget_set_size_request(area_, -1, -1);
    return true;
}

// The program draws into an image of the client area, as on the headless
// front, so that both show the same pixels whatever the X server draws.
bool gtkfront::onpaint(void* p)
{
    auto* cr = static_cast<cairo_t*>(p);
    int scale = gtk_widget_get_scale_factor(area_);
    int width = gtk_widget_get_allocated_width(area_) * scale, height = gtk_widget_get_allocated_height(area_) * scale;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* icr = cairo_create(image);
    if (hostevents* h = currenthost())
        h->paint(icr, width, height);
    cairo_destroy(icr);
    cairo_scale(cr, 1.0 / scale, 1.0 / scale);
    cairo_set_source_surface(cr, image, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(image);
    return TRUE;
}

void gtkfront::repaint()
{
    if (area_)
        gtk_widget_queue_draw(area_);
}

bool gtkfront::clientsize(int& width, int& height)
{
    if (!area_)
        return false;
    int scale = gtk_widget_get_scale_factor(area_);
    width = gtk_widget_get_allocated_width(area_) * scale;
    height = gtk_widget_get_allocated_height(area_) * scale;
    return true;
}

bool gtkfront::frame(int& x, int& y, int& extrawidth, int& extraheight)
{
    GdkWindow* w = window_ ? gtk_widget_get_window(window_) : nullptr;
    if (!w || !area_)
        return false;
    int scale = gtk_widget_get_scale_factor(window_);
    GdkRectangle r;
    gdk_window_get_frame_extents(w, &r);
    x = r.x * scale;
    y = r.y * scale;
    extrawidth = (r.width - gtk_widget_get_allocated_width(area_)) * scale;
    extraheight = (r.height - gtk_widget_get_allocated_height(area_)) * scale;
    return true;
}

// The window is sized by what it holds: the client area asks for its
// size, the window shrinks to fit it, then the client area may shrink
// again.  Waits a little for the window manager to apply it.
void gtkfront::placewindow(int x, int y, int clientwidth, int clientheight)
{
    if (!window_ || !area_)
        return;
    int scale = gtk_widget_get_scale_factor(window_);
    if (gtk_window_is_maximized(GTK_WINDOW(window_)))
        gtk_window_unmaximize(GTK_WINDOW(window_));
    gtk_window_move(GTK_WINDOW(window_), x / scale, y / scale);
    gtk_widget_set_size_request(area_, clientwidth / scale, clientheight / scale);
    gtk_window_resize(GTK_WINDOW(window_), 1, 1);
    gint64 until = g_get_monotonic_time() + 500000;
    auto placed = [&] {
        return gtk_widget_get_allocated_width(area_) == clientwidth / scale
            && gtk_widget_get_allocated_height(area_) == clientheight / scale;
    };
    while (!placed() && g_get_monotonic_time() < until)
        if (!g_main_context_iteration(nullptr, FALSE))
            g_usleep(5000);
    gtk_widget_set_size_request(area_, -1, -1);
    repaint();
}

// As a window restored from its icon: shown and raised.
void gtkfront::present()
{
    if (!window_)
        return;
    gtk_window_deiconify(GTK_WINDOW(window_));
    gtk_window_present_with_time(GTK_WINDOW(window_), GDK_CURRENT_TIME);
}

void gtkfront::watch(int fd)
{
    unwatch(fd);
    watches_[fd] = g_unix_fd_add(fd, G_IO_IN, watched, this);
    // Served also in the loop of a box that its own handler opened.
    g_source_set_can_recurse(g_main_context_find_source_by_id(nullptr, watches_[fd]), TRUE);
}

void gtkfront::unwatch(int fd)
{
    auto it = watches_.find(fd);
    if (it == watches_.end())
        return;
    g_source_remove(it->second);
    watches_.erase(it);
}

void gtkfront::onwatch(int fd)
{
    if (hostevents* h = currenthost())
        h->readable(fd);
}

bool gtkfront::defaultprinter(printercaps& caps)
{
    bool tofile = false;
    GtkPrinter* printer = defaultgtkprinter(tofile);
    if (!printer)
        return false;
    GtkPageSetup* page = gtk_printer_get_default_page_size(printer);
    if (!page)
        page = gtk_page_setup_new();   // the locale's paper and its margins
    double top = 0, bottom = 0, left = 0, right = 0;   // points
    if (tofile) {
        top = gtk_page_setup_get_top_margin(page, GTK_UNIT_POINTS);
        bottom = gtk_page_setup_get_bottom_margin(page, GTK_UNIT_POINTS);
        left = gtk_page_setup_get_left_margin(page, GTK_UNIT_POINTS);
        right = gtk_page_setup_get_right_margin(page, GTK_UNIT_POINTS);
    } else if (!gtk_printer_get_hard_margins(printer, &top, &bottom, &left, &right)) {
        top = bottom = left = right = 0;
    }
    caps.dpix = caps.dpiy = int(printerdpi);
    caps.paperwidth = pixels(gtk_page_setup_get_paper_width(page, GTK_UNIT_INCH));
    caps.paperheight = pixels(gtk_page_setup_get_paper_height(page, GTK_UNIT_INCH));
    caps.offsetx = pixels(left / 72);
    caps.offsety = pixels(top / 72);
    caps.width = caps.paperwidth - caps.offsetx - pixels(right / 72);
    caps.height = caps.paperheight - caps.offsety - pixels(bottom / 72);
    caps.widthmm = int(std::lround(caps.width * 25.4 / printerdpi));
    caps.heightmm = int(std::lround(caps.height * 25.4 / printerdpi));
    g_object_unref(page);
    g_object_unref(printer);
    return caps.width > 0 && caps.height > 0;
}

}  // namespace platform
