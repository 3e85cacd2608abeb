#include "platform/gtk/gtkfront.h"

#include "platform/core/cursors.h"
#include "platform/core/input.h"
#include "platform/core/menus.h"
#include "platform/core/requests.h"
#include "platform/core/surface.h"
#include "platform/gtk/gtkkeys.h"

#include <glib-unix.h>
#include <gtk/gtk.h>

#include <csignal>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <span>
#include <vector>

namespace platform {

namespace {

constexpr int blinkms = 530;

gtkfront* self(gpointer p)
{
    return static_cast<gtkfront*>(p);
}

gboolean keypress(GtkWidget*, GdkEventKey* e, gpointer p) { return self(p)->onkey(e, true); }
gboolean keyrelease(GtkWidget*, GdkEventKey* e, gpointer p) { return self(p)->onkey(e, false); }
gboolean buttonpress(GtkWidget*, GdkEventButton* e, gpointer p) { return self(p)->onbutton(e, true); }
gboolean buttonrelease(GtkWidget*, GdkEventButton* e, gpointer p) { return self(p)->onbutton(e, false); }
gboolean motion(GtkWidget*, GdkEventMotion* e, gpointer p) { return self(p)->onmotion(e); }
gboolean draw(GtkWidget*, cairo_t* cr, gpointer p) { return self(p)->ondraw(cr); }
gboolean focusin(GtkWidget*, GdkEvent*, gpointer p) { self(p)->onfocus(true); return FALSE; }
gboolean focusout(GtkWidget*, GdkEvent*, gpointer p) { self(p)->onfocus(false); return FALSE; }
gboolean configure(GtkWidget*, GdkEvent*, gpointer p) { self(p)->onconfigure(); return FALSE; }
void menuactivate(GtkMenuItem* item, gpointer p) { self(p)->onmenu(GTK_WIDGET(item)); }

// A command of the menu bar itself (no submenu) runs on the release of the
// click that selected it; the bar would only run it after a press held
// half a second.
gboolean barcommandrelease(GtkWidget* item, GdkEventButton* e, gpointer)
{
    GtkWidget* bar = gtk_widget_get_parent(item);
    if (e->button != 1 || !GTK_IS_MENU_SHELL(bar)
        || gtk_menu_shell_get_selected_item(GTK_MENU_SHELL(bar)) != item)
        return FALSE;
    gtk_menu_shell_activate_item(GTK_MENU_SHELL(bar), item, TRUE);
    return TRUE;
}

gboolean blink(gpointer p) { self(p)->onblink(); return G_SOURCE_CONTINUE; }
gboolean requestsidle(gpointer p) { self(p)->onrequests(); return G_SOURCE_REMOVE; }
gboolean invalidateidle(gpointer p) { self(p)->oninvalidate(); return G_SOURCE_REMOVE; }

gboolean deletewindow(GtkWidget*, GdkEvent*, gpointer)
{
    if (hostevents* h = currenthost())
        h->close();
    return TRUE;
}

// The monitor the program's desktop is: the primary one, else the first.
GdkMonitor* mainmonitor()
{
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* m = gdk_display_get_primary_monitor(display);
    return m ? m : gdk_display_get_monitor(display, 0);
}

void setmodifiers(unsigned state)
{
    input().setmodifiers(state & GDK_SHIFT_MASK, state & GDK_CONTROL_MASK, state & GDK_MOD1_MASK);
}

}  // namespace

// "\n\r" and "\r" of the program's texts are line breaks of their own.
std::string boxtext(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i == 0 || text[i - 1] != '\n')
                out += '\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

bool gtkfront::open(std::string& error)
{
    setenv("GDK_BACKEND", "x11", 0);
    gtk_disable_setlocale();
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_NUMERIC, "C");
    if (!gtk_init_check(nullptr, nullptr)) {
        error = "cannot open a display (use --headless to run a script)";
        return false;
    }
    if (GdkMonitor* m = mainmonitor())
        scale_ = std::max(1, gdk_monitor_get_scale_factor(m));
    return true;
}

int gtkfront::tological(int pixels) const
{
    return (pixels + scale_ - 1) / scale_;
}

void gtkfront::queuearea(int left, int top, int right, int bottom)
{
    if (!area_)
        return;
    int l = left / scale_, t = top / scale_;
    gtk_widget_queue_draw_area(area_, l, t, tological(right) - l, tological(bottom) - t);
}

bool gtkfront::createwindow(const std::string& title)
{
    screensurface& s = mainsurface();
    if (!s.exists())
        return false;
    window_ = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    if (!window_)
        return false;
    name_ = title;
    // Connected before the menu bar is added, so the program sees F10, Tab,
    // the arrows and Alt with a letter before GTK would take them.
    g_signal_connect(window_, "key-press-event", G_CALLBACK(keypress), this);
    g_signal_connect(window_, "key-release-event", G_CALLBACK(keyrelease), this);
    g_signal_connect(window_, "delete-event", G_CALLBACK(deletewindow), this);
    g_signal_connect(window_, "focus-in-event", G_CALLBACK(focusin), this);
    g_signal_connect(window_, "focus-out-event", G_CALLBACK(focusout), this);
    g_signal_connect(window_, "configure-event", G_CALLBACK(configure), this);
    gtk_window_set_title(GTK_WINDOW(window_), title.c_str());
    gtk_window_set_resizable(GTK_WINDOW(window_), FALSE);

    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    bar_ = gtk_menu_bar_new();
    attachmenu("STOPMENU");
    area_ = gtk_drawing_area_new();
    gtk_widget_set_size_request(area_, tological(s.width()), tological(s.height()));
    gtk_widget_set_can_focus(area_, TRUE);
    gtk_widget_add_events(area_, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK);
    g_signal_connect(area_, "draw", G_CALLBACK(draw), this);
    g_signal_connect(area_, "button-press-event", G_CALLBACK(buttonpress), this);
    g_signal_connect(area_, "button-release-event", G_CALLBACK(buttonrelease), this);
    g_signal_connect(area_, "motion-notify-event", G_CALLBACK(motion), this);
    gtk_box_pack_start(GTK_BOX(box), bar_, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(box), area_, FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(window_), box);

    makecursors();
    gtk_widget_show_all(window_);
    blinktimer_ = g_timeout_add(blinkms, blink, this);
    return true;
}

GtkWidget* gtkfront::additem(GtkWidget* menu, const char* label, int id, bool check)
{
    GtkWidget* item = check ? gtk_check_menu_item_new_with_label(label) : gtk_menu_item_new_with_label(label);
    if (check) {
        gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(item), TRUE);
        checked_[id] = true;
    }
    g_signal_connect(item, "activate", G_CALLBACK(menuactivate), this);
    gtk_menu_shell_append(GTK_MENU_SHELL(menu), item);
    items_[id] = item;
    ids_[item] = id;
    return item;
}

void gtkfront::attachmenu(const std::string& name)
{
    size_t count = 0;
    const menuentry* table = menutable(name, count);
    if (!bar_ || !table)
        return;
    GList* children = gtk_container_get_children(GTK_CONTAINER(bar_));
    for (GList* c = children; c; c = c->next)
        gtk_widget_destroy(GTK_WIDGET(c->data));
    g_list_free(children);
    items_.clear();
    ids_.clear();
    checked_.clear();
    tops_.clear();
    GtkWidget* bar = bar_;
    std::vector<GtkWidget*> stack{bar};
    for (const menuentry& e : std::span(table, count)) {
        GtkWidget* parent = stack.back();
        if (e.id == -2) {
            stack.pop_back();
        } else if (e.id == -1) {
            GtkWidget* item = gtk_menu_item_new_with_label(e.label);
            GtkWidget* menu = gtk_menu_new();
            gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), menu);
            gtk_menu_shell_append(GTK_MENU_SHELL(parent), item);
            if (parent == bar)
                tops_.push_back(item);
            stack.push_back(menu);
        } else if (e.id == 0) {
            gtk_menu_shell_append(GTK_MENU_SHELL(parent), gtk_separator_menu_item_new());
        } else {
            GtkWidget* item = additem(parent, e.label, e.id, e.check);
            if (parent == bar) {
                tops_.push_back(item);
                g_signal_connect(item, "button-release-event", G_CALLBACK(barcommandrelease), nullptr);
            }
        }
    }
    menuenable(40042, false);
    gtk_widget_show_all(bar_);
}

// The program pads its title with blanks; a title bar shows them.
void gtkfront::settitle(const std::string& title)
{
    if (window_)
        gtk_window_set_title(GTK_WINDOW(window_), title.substr(0, title.find_last_not_of(' ') + 1).c_str());
}

void gtkfront::destroywindow()
{
    if (blinktimer_)
        g_source_remove(blinktimer_);
    blinktimer_ = 0;
    monotonyclose();
    if (window_)
        gtk_widget_destroy(window_);
    window_ = area_ = bar_ = nullptr;
    infos_.clear();   // destroyed with their owner
    items_.clear();
    ids_.clear();
    tops_.clear();
    if (looping_)
        gtk_main_quit();
}

// SIGTERM and SIGINT end the program as a closed window does, so that it
// unwinds through its orderly end.
static gboolean terminationsignal(gpointer p)
{
    self(p)->terminate();
    return G_SOURCE_CONTINUE;
}

int gtkfront::run()
{
    looping_ = true;
    guint term = g_unix_signal_add(SIGTERM, terminationsignal, this);
    guint interrupt = g_unix_signal_add(SIGINT, terminationsignal, this);
    watchclose(true);
    if (window_)
        gtk_main();
    watchclose(false);
    g_source_remove(term);
    g_source_remove(interrupt);
    looping_ = false;
    return status_;
}

void gtkfront::quit(int status)
{
    status_ = status;
    if (looping_)
        gtk_main_quit();
}

void gtkfront::wake()
{
    if (!wakepending_.exchange(true))
        g_idle_add_full(G_PRIORITY_DEFAULT, requestsidle, this, nullptr);
}

void gtkfront::onrequests()
{
    wakepending_ = false;
    runrequests();
}

void gtkfront::invalidate()
{
    if (!drawpending_.exchange(true))
        g_idle_add_full(G_PRIORITY_DEFAULT, invalidateidle, this, nullptr);
}

void gtkfront::oninvalidate()
{
    drawpending_ = false;
    pixrect r;
    if (mainsurface().takedirty(r))
        queuearea(r.left, r.top, r.right, r.bottom);
}

bool gtkfront::ondraw(void* p)
{
    auto* cr = static_cast<cairo_t*>(p);
    screensurface& s = mainsurface();
    // The surface's pixels are the device's: one to one at any scale.
    cairo_scale(cr, 1.0 / scale_, 1.0 / scale_);
    {
        std::lock_guard guard(s.lock());
        if (s.image()) {
            cairo_surface_flush(s.image());
            cairo_set_source_surface(cr, s.image(), 0, 0);
            cairo_paint(cr);
        }
    }
    panels_.paint(cr);
    if (caretexists_ && caretvisible_ && caretphase_) {
        cairo_set_operator(cr, CAIRO_OPERATOR_DIFFERENCE);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_rectangle(cr, caretx_, carety_, caretw_, careth_);
        cairo_fill(cr);
    }
    return FALSE;
}

bool gtkfront::onkey(void* event, bool press)
{
    auto* e = static_cast<GdkEventKey*>(event);
    bool shift = e->state & GDK_SHIFT_MASK, ctrl = e->state & GDK_CONTROL_MASK, alt = e->state & GDK_MOD1_MASK;
    bool modifier = gdkmodifierkey(e->keyval, shift, ctrl, alt, press);
    input().setmodifiers(shift, ctrl, alt);
    if (!press || modifier)
        return TRUE;
    unsigned base = e->keyval;
    auto plain = GdkModifierType(e->state & ~(GDK_SHIFT_MASK | GDK_LOCK_MASK | GDK_CONTROL_MASK | GDK_MOD1_MASK));
    gdk_keymap_translate_keyboard_state(gdk_keymap_get_for_display(gdk_display_get_default()), e->hardware_keycode,
                                        plain, e->group, &base, nullptr, nullptr, nullptr);
    keydown k = gdkkeydown(e->keyval, base, e->state);
    hostevents* h = currenthost();
    if (h && !h->key(k) && k.alt && k.vk == vk::f4)
        h->close();
    return TRUE;
}

bool gtkfront::onbutton(void* event, bool press)
{
    auto* e = static_cast<GdkEventButton*>(event);
    if (e->type != GDK_BUTTON_PRESS && e->type != GDK_BUTTON_RELEASE)
        return TRUE;
    if (e->button != 1 && e->button != 3)
        return TRUE;
    setmodifiers(e->state);
    if (press)
        gtk_widget_grab_focus(area_);
    mouseaction action = press ? mouseaction::press : mouseaction::release;
    mousebutton button = e->button == 1 ? mousebutton::left : mousebutton::right;
    int x = int(e->x * scale_), y = int(e->y * scale_);
    if (panels_.route(action, button, x, y))
        return TRUE;
    if (hostevents* h = currenthost())
        h->mouse(action, button, x, y);
    return TRUE;
}

bool gtkfront::onmotion(void* event)
{
    auto* e = static_cast<GdkEventMotion*>(event);
    setmodifiers(e->state);
    if (hostevents* h = currenthost())
        h->mouse(mouseaction::move, mousebutton::none, int(e->x * scale_), int(e->y * scale_));
    return TRUE;
}

void gtkfront::onfocus(bool in)
{
    if (!in && boxes_ > 0)
        return;
    if (hostevents* h = currenthost())
        h->focus(in);
}

void gtkfront::onconfigure()
{
    GdkWindow* client = area_ ? gtk_widget_get_window(area_) : nullptr;
    GdkWindow* top = window_ ? gtk_widget_get_window(window_) : nullptr;
    if (!client || !top)
        return;
    int cx, cy;
    GdkRectangle frame;
    gdk_window_get_origin(client, &cx, &cy);
    gdk_window_get_frame_extents(top, &frame);
    if (hostevents* h = currenthost())
        h->moved(cx * scale_, cy * scale_, frame.x * scale_, frame.y * scale_);
}

void gtkfront::onmenu(GtkWidget* item)
{
    if (settingcheck_)
        return;
    auto it = ids_.find(item);
    if (it == ids_.end())
        return;
    int id = it->second;
    if (checked_.count(id))
        menucheck(id, checked_[id]);  // the program decides the check mark
    if (hostevents* h = currenthost())
        h->command(id);
}

void gtkfront::caretarea()
{
    if (caretexists_)
        queuearea(caretx_, carety_, caretx_ + caretw_, carety_ + careth_);
}

void gtkfront::onblink()
{
    caretphase_ = !caretphase_;
    if (caretvisible_)
        caretarea();
}

void gtkfront::caretcreate(int width, int height)
{
    caretarea();
    caretw_ = width;
    careth_ = height;
    caretexists_ = true;
    caretvisible_ = false;
}

void gtkfront::caretdestroy()
{
    caretarea();
    caretexists_ = caretvisible_ = false;
}

void gtkfront::caretmove(int x, int y)
{
    caretarea();
    caretx_ = x;
    carety_ = y;
    caretphase_ = true;
    caretarea();
}

void gtkfront::caretvisible(bool on)
{
    caretvisible_ = on;
    caretphase_ = true;
    caretarea();
}

// By cursorkind: the program's drawn ones, the others the system's.
void gtkfront::makecursors()
{
    GdkDisplay* display = gdk_display_get_default();
    for (int i = 0; i < 4; ++i) {
        if (cursors_[i])
            continue;
        int hotx = 0, hoty = 0;
        if (cairo_surface_t* image = cursorimage(cursorkind(i), hotx, hoty)) {
            cursors_[i] = gdk_cursor_new_from_surface(display, image, hotx, hoty);
            cairo_surface_destroy(image);
        } else {
            cursors_[i] = gdk_cursor_new_from_name(display, cursorkind(i) == cursorkind::wait ? "wait" : "default");
        }
    }
}

// The wait cursor shows over every window of the program (a dialog may
// be in front), the others over the client area.
void gtkfront::setcursor(cursorkind kind)
{
    GList* all = gtk_window_list_toplevels();
    for (GList* l = all; l; l = l->next)
        if (GdkWindow* w = gtk_widget_get_window(GTK_WIDGET(l->data)))
            gdk_window_set_cursor(w, kind == cursorkind::wait ? cursors_[int(kind)] : nullptr);
    g_list_free(all);
    if (area_ && gtk_widget_get_window(area_))
        gdk_window_set_cursor(gtk_widget_get_window(area_), cursors_[int(kind)]);
    // Shown at once, also before a long computation that runs no loop.
    gdk_display_flush(gdk_display_get_default());
}

void gtkfront::capture(bool on)
{
    if (!area_ || !gtk_widget_get_window(area_))
        return;
    GdkSeat* seat = gdk_display_get_default_seat(gdk_display_get_default());
    if (on)
        gdk_seat_grab(seat, gtk_widget_get_window(area_), GDK_SEAT_CAPABILITY_ALL_POINTING, FALSE, nullptr,
                      nullptr, nullptr, nullptr);
    else
        gdk_seat_ungrab(seat);
}

void gtkfront::movewindow(int x, int y)
{
    if (window_)
        gtk_window_move(GTK_WINDOW(window_), x / scale_, y / scale_);
}

void gtkfront::tofront()
{
    if (window_)
        gtk_window_present(GTK_WINDOW(window_));
}

void gtkfront::focusmain()
{
    if (area_)
        gtk_widget_grab_focus(area_);
}

// The program measures the screen in device pixels.
void gtkfront::desktop(int& width, int& height)
{
    GdkRectangle r{0, 0, 1280 / scale_, 1024 / scale_};
    if (GdkMonitor* m = mainmonitor())
        gdk_monitor_get_geometry(m, &r);
    width = r.width * scale_;
    height = r.height * scale_;
}

void gtkfront::workarea(int& left, int& top, int& right, int& bottom)
{
    GdkRectangle r{0, 0, 1280 / scale_, 1024 / scale_};
    if (GdkMonitor* m = mainmonitor())
        gdk_monitor_get_workarea(m, &r);
    left = r.x * scale_;
    top = r.y * scale_;
    right = (r.x + r.width) * scale_;
    bottom = (r.y + r.height) * scale_;
}

int gtkfront::runmodal(GtkWidget* dialog)
{
    struct waiting {
        GMainLoop* loop;
        int response;
    } w{g_main_loop_new(nullptr, FALSE), GTK_RESPONSE_NONE};
    auto answer = +[](GtkDialog*, int response, gpointer p) {
        auto* w = static_cast<waiting*>(p);
        w->response = response;
        g_main_loop_quit(w->loop);
    };
    gulong answered = g_signal_connect(dialog, "response", G_CALLBACK(answer), &w);
    // A dialog's own close (Escape, the close button) answers and would then
    // destroy it; the caller destroys it after reading the answer.
    gulong kept = g_signal_connect(dialog, "delete-event", G_CALLBACK(gtk_true), nullptr);
    ++boxes_;
    loops_.push_back(w.loop);
    if (!closing_) {
        gtk_widget_show_all(dialog);
        g_main_loop_run(w.loop);
    }
    loops_.pop_back();
    g_signal_handler_disconnect(dialog, answered);   // w ends with this call
    g_signal_handler_disconnect(dialog, kept);
    --boxes_;
    g_main_loop_unref(w.loop);
    return w.response;
}

boxanswer gtkfront::messagebox(const std::string& text, const std::string& caption, boxbuttons buttons,
                               boxicon icon, bool owned)
{
    static const GtkMessageType types[] = {GTK_MESSAGE_OTHER, GTK_MESSAGE_INFO, GTK_MESSAGE_WARNING,
                                           GTK_MESSAGE_ERROR};
    static const GtkButtonsType kinds[] = {GTK_BUTTONS_OK, GTK_BUTTONS_OK_CANCEL, GTK_BUTTONS_YES_NO,
                                           GTK_BUTTONS_YES_NO};
    GtkWindow* owner = owned && window_ ? GTK_WINDOW(window_) : nullptr;
    GtkWidget* box = gtk_message_dialog_new(owner, GTK_DIALOG_MODAL, types[int(icon)], kinds[int(buttons)],
                                            "%s", boxtext(text).c_str());
    if (buttons == boxbuttons::yesnocancel)
        gtk_dialog_add_button(GTK_DIALOG(box), "_Cancel", GTK_RESPONSE_CANCEL);
    gtk_window_set_title(GTK_WINDOW(box), caption.empty() ? name_.c_str() : caption.c_str());
    int response = runmodal(box);
    gtk_widget_destroy(box);
    switch (response) {
    case GTK_RESPONSE_YES: return boxanswer::yes;
    case GTK_RESPONSE_NO: return boxanswer::no;
    case GTK_RESPONSE_OK: return boxanswer::ok;
    case GTK_RESPONSE_CANCEL: return boxanswer::cancel;
    }
    return buttons == boxbuttons::ok ? boxanswer::ok : buttons == boxbuttons::yesno ? boxanswer::no
                                                                                     : boxanswer::cancel;
}

void gtkfront::menuenable(int id, bool on)
{
    auto it = items_.find(id);
    if (it != items_.end())
        gtk_widget_set_sensitive(it->second, on);
}

void gtkfront::menuenabletop(int position, bool on)
{
    if (position >= 0 && position < int(tops_.size()))
        gtk_widget_set_sensitive(tops_[position], on);
}

void gtkfront::menucheck(int id, bool on)
{
    auto it = items_.find(id);
    if (it == items_.end() || !GTK_IS_CHECK_MENU_ITEM(it->second))
        return;
    checked_[id] = on;
    settingcheck_ = true;
    gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(it->second), on);
    settingcheck_ = false;
}

}  // namespace platform
