// Dialog templates as GTK dialogs: one widget per control, every user
// change handed to the template's logic, its answer shown again; the file
// chooser.
#include "platform/gtk/gtkfront.h"

#include <gtk/gtk.h>

#include <map>
#include <string>
#include <memory>
#include <vector>

namespace platform {

namespace {

struct shown {
    dialogcontrol* control;
    GtkWidget* widget;
};

struct templaterun {
    dialogtemplate* t;
    GtkWidget* dialog;
    std::vector<shown> widgets;
    bool refreshing = false;
    int ended = 0;   // the logic's result from a control's event

    void refresh();
    void tell(int id, notification n)
    {
        if (refreshing)
            return;
        int result = t->notify(id, n);
        refresh();
        if (result > 0) {
            ended = result;
            gtk_dialog_response(GTK_DIALOG(dialog), result);
        }
    }
};

const char* iconname(const std::string& label)
{
    return label == "red" ? "dialog-error" : label == "blue" ? "dialog-information" : "dialog-warning";
}

// The control's own image, or the icon its label names.
GtkWidget* imageof(const dialogcontrol& c, GtkIconSize size)
{
    cairo_surface_t* s = c.image();
    if (!s)
        return gtk_image_new_from_icon_name(iconname(c.label), size);
    GtkWidget* image = gtk_image_new_from_surface(s);
    cairo_surface_destroy(s);
    return image;
}

// An edit that a spin button shows: the spin button stands for both.
bool isbuddy(const dialogtemplate& t, const dialogcontrol& c)
{
    for (const dialogcontrol& s : t.controls)
        if (s.kind == controlkind::spin && s.buddy == c.id)
            return c.kind == controlkind::edit;
    return false;
}

void templaterun::refresh()
{
    refreshing = true;
    for (auto& [c, w] : widgets) {
        gtk_widget_set_sensitive(w, c->enabled);
        gtk_widget_set_visible(w, c->shown);
        switch (c->kind) {
        case controlkind::text:
            gtk_label_set_text(GTK_LABEL(w), boxtext(c->label).c_str());
            break;
        case controlkind::edit:
            if (c->value != gtk_entry_get_text(GTK_ENTRY(w)))
                gtk_entry_set_text(GTK_ENTRY(w), c->value.c_str());
            break;
        case controlkind::button:
            gtk_button_set_label(GTK_BUTTON(w), c->label.c_str());
            break;
        case controlkind::check:
        case controlkind::radio:
            gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(w), c->checked);
            break;
        case controlkind::spin:
            gtk_spin_button_set_range(GTK_SPIN_BUTTON(w), c->low, c->high);
            gtk_spin_button_set_value(GTK_SPIN_BUTTON(w), c->number);
            break;
        case controlkind::combo:
            gtk_combo_box_set_active(GTK_COMBO_BOX(w), c->number);
            break;
        case controlkind::ownerdrawn:
            gtk_widget_queue_draw(w);
            break;
        default:
            break;
        }
    }
    refreshing = false;
}

struct handler {
    templaterun* run;
    dialogcontrol* c;
};

handler* handlerof(templaterun& run, dialogcontrol& c, std::vector<std::unique_ptr<handler>>& owned)
{
    owned.push_back(std::make_unique<handler>(handler{&run, &c}));
    return owned.back().get();
}

GtkWidget* makewidget(templaterun& run, dialogcontrol& c, GtkWidget*& radiogroup,
                      std::vector<std::unique_ptr<handler>>& owned)
{
    handler* h = handlerof(run, c, owned);
    GtkWidget* w = nullptr;
    if (c.kind != controlkind::radio)
        radiogroup = nullptr;
    switch (c.kind) {
    case controlkind::text:
        w = gtk_label_new(c.label.c_str());
        gtk_label_set_xalign(GTK_LABEL(w), 0);
        gtk_label_set_line_wrap(GTK_LABEL(w), TRUE);
        gtk_label_set_max_width_chars(GTK_LABEL(w), 60);
        break;
    case controlkind::group:
        w = gtk_frame_new(c.label.empty() ? nullptr : c.label.c_str());
        break;
    case controlkind::edit:
        w = gtk_entry_new();
        if (c.limit > 0)
            gtk_entry_set_max_length(GTK_ENTRY(w), c.limit);
        gtk_entry_set_activates_default(GTK_ENTRY(w), TRUE);
        g_signal_connect(w, "focus-out-event", G_CALLBACK(+[](GtkWidget* e, GdkEvent*, gpointer p) -> gboolean {
                             auto* h = static_cast<handler*>(p);
                             h->c->value = gtk_entry_get_text(GTK_ENTRY(e));
                             h->run->tell(h->c->id, notification::leave);
                             return FALSE;
                         }), h);
        break;
    case controlkind::button:
    case controlkind::bitmapbutton:
        if (c.kind == controlkind::button) {
            w = gtk_button_new_with_label(c.label.c_str());
        } else {
            w = gtk_button_new();
            gtk_button_set_image(GTK_BUTTON(w), imageof(c, GTK_ICON_SIZE_BUTTON));
            gtk_button_set_always_show_image(GTK_BUTTON(w), TRUE);
        }
        g_signal_connect(w, "clicked", G_CALLBACK(+[](GtkButton*, gpointer p) {
                             auto* h = static_cast<handler*>(p);
                             h->run->tell(h->c->id, notification::click);
                         }), h);
        break;
    case controlkind::check:
    case controlkind::radio:
        if (c.kind == controlkind::check) {
            w = gtk_check_button_new_with_label(c.label.c_str());
        } else {
            w = gtk_radio_button_new_with_label_from_widget(radiogroup ? GTK_RADIO_BUTTON(radiogroup) : nullptr,
                                                            c.label.c_str());
            radiogroup = w;
        }
        g_signal_connect(w, "toggled", G_CALLBACK(+[](GtkToggleButton* b, gpointer p) {
                             auto* h = static_cast<handler*>(p);
                             bool on = gtk_toggle_button_get_active(b);
                             // A radio group sends the one leaving as well.
                             if (h->c->kind == controlkind::radio && !on)
                                 return;
                             h->c->checked = on;
                             h->run->tell(h->c->id, notification::click);
                         }), h);
        break;
    case controlkind::spin:
        w = gtk_spin_button_new_with_range(c.low, c.high, 1);
        g_signal_connect(w, "value-changed", G_CALLBACK(+[](GtkSpinButton* s, gpointer p) {
                             auto* h = static_cast<handler*>(p);
                             int n = gtk_spin_button_get_value_as_int(s);
                             h->c->delta = n > h->c->number ? 1 : n < h->c->number ? -1 : 0;
                             h->c->number = n;
                             if (dialogcontrol* b = h->run->t->control(h->c->buddy))
                                 b->value = std::to_string(n);
                             h->run->tell(h->c->id, notification::spin);
                         }), h);
        break;
    case controlkind::picture:
        w = imageof(c, GTK_ICON_SIZE_DIALOG);
        break;
    case controlkind::combo:
        w = gtk_combo_box_text_new();
        for (const std::string& item : c.items)
            gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(w), item.c_str());
        g_signal_connect(w, "changed", G_CALLBACK(+[](GtkComboBox* b, gpointer p) {
                             auto* h = static_cast<handler*>(p);
                             h->c->number = gtk_combo_box_get_active(b);
                             h->run->tell(h->c->id, notification::change);
                         }), h);
        break;
    case controlkind::ownerdrawn:
        w = gtk_drawing_area_new();
        gtk_widget_set_size_request(w, c.width, c.height);
        g_signal_connect(w, "draw", G_CALLBACK(+[](GtkWidget* a, cairo_t* cr, gpointer p) -> gboolean {
                             auto* h = static_cast<handler*>(p);
                             if (h->run->t->drawitem)
                                 h->run->t->drawitem(*h->run->t, h->c->id, cr, gtk_widget_get_allocated_width(a),
                                                     gtk_widget_get_allocated_height(a));
                             return TRUE;
                         }), h);
        break;
    }
    gtk_widget_set_no_show_all(w, TRUE);
    return w;
}

// A width at which the window manager shows the whole title beside its
// buttons: the title in the dialog's font, a fifth more for a bold bar
// font, and room for the buttons.
void fittitle(GtkWidget* d, const std::string& title)
{
    PangoLayout* layout = gtk_widget_create_pango_layout(d, title.c_str());
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    gtk_window_set_default_size(GTK_WINDOW(d), width * 6 / 5 + 100, -1);
}

}  // namespace

int gtkfront::rundialog(dialogtemplate& dialog)
{
    GtkWidget* d = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(d), dialog.title.c_str());
    gtk_window_set_decorated(GTK_WINDOW(d), !dialog.nocaption);
    if (!dialog.nocaption)
        fittitle(d, dialog.title);
    if (window_)
        gtk_window_set_transient_for(GTK_WINDOW(d), GTK_WINDOW(window_));
    gtk_window_set_modal(GTK_WINDOW(d), TRUE);
    if (dialog.keepposition && dialog.x >= 0)
        gtk_window_move(GTK_WINDOW(d), dialog.x / scale_, dialog.y / scale_);
    GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(d));
    GtkWidget* into = content;    // the box of the current group
    GtkWidget* groups = nullptr;  // the groups' frames, side by side
    GtkWidget* grid = nullptr;    // the controls before the first group in columns
    int placed = 0;
    if (dialog.columns > 1) {
        grid = gtk_grid_new();
        gtk_grid_set_column_spacing(GTK_GRID(grid), 3);
        gtk_grid_set_row_spacing(GTK_GRID(grid), 3);
        gtk_grid_set_column_homogeneous(GTK_GRID(grid), TRUE);
        gtk_box_pack_start(GTK_BOX(content), grid, FALSE, FALSE, 3);
    }
    templaterun run{&dialog, d, {}};
    std::vector<std::unique_ptr<handler>> owned;
    GtkWidget* radiogroup = nullptr;
    for (dialogcontrol& c : dialog.controls) {
        // The ending buttons of a dialog without logic stay GTK's own.
        if (c.kind == controlkind::button && (!dialog.command || c.id == 1 || c.id == 2)) {
            gtk_dialog_add_button(GTK_DIALOG(d), c.label.c_str(), c.id);
            continue;
        }
        if (isbuddy(dialog, c))
            continue;
        GtkWidget* w = makewidget(run, c, radiogroup, owned);
        if (c.kind == controlkind::group) {
            if (!groups) {
                groups = gtk_flow_box_new();
                gtk_flow_box_set_selection_mode(GTK_FLOW_BOX(groups), GTK_SELECTION_NONE);
                gtk_flow_box_set_min_children_per_line(GTK_FLOW_BOX(groups), 3);
                gtk_flow_box_set_max_children_per_line(GTK_FLOW_BOX(groups), 3);
                gtk_box_pack_start(GTK_BOX(content), groups, FALSE, FALSE, 3);
            }
            gtk_container_add(GTK_CONTAINER(groups), w);
            into = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
            gtk_container_set_border_width(GTK_CONTAINER(into), 4);
            gtk_container_add(GTK_CONTAINER(w), into);
            gtk_widget_show(into);   // the frame shows and hides with its control
            grid = nullptr;
        } else if (grid) {
            gtk_widget_set_hexpand(w, TRUE);
            gtk_grid_attach(GTK_GRID(grid), w, placed % dialog.columns, placed / dialog.columns, 1, 1);
            ++placed;
        } else {
            gtk_box_pack_start(GTK_BOX(into), w, FALSE, FALSE, 3);
        }
        run.widgets.push_back({&c, w});
        if (c.kind == controlkind::edit && c.selected) {
            gtk_widget_grab_focus(w);
            gtk_editable_select_region(GTK_EDITABLE(w), 0, -1);
        }
    }
    run.refresh();
    gtk_dialog_set_default_response(GTK_DIALOG(d), 1);
    int result = 0;
    while (result <= 0) {
        run.ended = 0;
        int response = runmodal(d);
        if (run.ended > 0 || response <= 0) {   // the logic ended it, or the window was closed
            result = run.ended > 0 ? run.ended : 2;
            break;
        }
        // An edit that still has the focus gives its text before the ending button acts.
        for (auto& [c, w] : run.widgets)
            if (c->kind == controlkind::edit)
                c->value = gtk_entry_get_text(GTK_ENTRY(w));
            else if (c->kind == controlkind::spin)
                gtk_spin_button_update(GTK_SPIN_BUTTON(w));
        result = dialog.notify(response, notification::click);
        run.refresh();
    }
    if (dialog.keepposition) {
        gtk_window_get_position(GTK_WINDOW(d), &dialog.x, &dialog.y);
        gtk_window_get_size(GTK_WINDOW(d), &dialog.width, &dialog.height);
        dialog.x *= scale_;
        dialog.y *= scale_;
        dialog.width *= scale_;
        dialog.height *= scale_;
    }
    gtk_widget_destroy(d);
    return result;
}

// Modeless dialogs: a non-modal GtkDialog per template, its logic told of
// every event on this thread; a result above 0 closes it.
namespace {

struct modelessrun {
    templaterun run;
    std::vector<std::unique_ptr<handler>> owned;
    int scale = 1;
    int x = -1, y = -1;   // the last position told
    int hiddenx = -1, hiddeny = -1;   // where it was hidden
};

std::map<int, std::unique_ptr<modelessrun>> modelessruns;
int lastmodeless = 0;

bool isbutton(controlkind k)
{
    return k == controlkind::button || k == controlkind::bitmapbutton;
}

// Rows of the modeless layout: buttons side by side, a label or picture
// with the fields or text after it.
bool joinsrow(controlkind first, controlkind k)
{
    bool field = k == controlkind::edit || k == controlkind::combo || k == controlkind::spin;
    if (isbutton(first))
        return isbutton(k);
    if (first == controlkind::picture)
        return k == controlkind::text;
    return first == controlkind::text && field;
}

void closemodeless(GtkWidget* d)
{
    for (auto it = modelessruns.begin(); it != modelessruns.end(); ++it) {
        modelessrun& m = *it->second;
        if (m.run.dialog != d)
            continue;
        if (m.run.t->keepposition) {
            gtk_window_get_position(GTK_WINDOW(d), &m.run.t->x, &m.run.t->y);
            m.run.t->x *= m.scale;
            m.run.t->y *= m.scale;
        }
        // Destroyed once the event that closed it has ended; its widgets
        // tell the logic nothing more (an edit losing the focus).
        m.run.refreshing = true;
        gtk_widget_hide(d);
        modelessrun* doomed = it->second.release();
        modelessruns.erase(it);
        g_idle_add(+[](gpointer p) -> gboolean {
                       auto* m = static_cast<modelessrun*>(p);
                       gtk_widget_destroy(m->run.dialog);
                       delete m;
                       return G_SOURCE_REMOVE;
                   }, doomed);
        return;
    }
}

// An ending button, the close button (2) or the logic's own result.
void modelessresponse(GtkDialog* d, int response, gpointer p)
{
    auto* m = static_cast<modelessrun*>(p);
    int result = m->run.ended;
    if (result <= 0) {
        int id = response > 0 ? response : 2;
        for (auto& [c, w] : m->run.widgets)
            if (c->kind == controlkind::edit)
                c->value = gtk_entry_get_text(GTK_ENTRY(w));
        result = m->run.t->notify(id, notification::click);
        m->run.refresh();
    }
    m->run.ended = 0;
    if (result > 0)
        closemodeless(GTK_WIDGET(d));
}

gboolean modelessconfigure(GtkWidget* d, GdkEvent*, gpointer p)
{
    auto* m = static_cast<modelessrun*>(p);
    if (!gtk_widget_get_visible(d))   // withdrawn: the window manager lets go of it
        return FALSE;
    int x = 0, y = 0;
    gtk_window_get_position(GTK_WINDOW(d), &x, &y);
    if (x != m->x || y != m->y) {
        bool first = m->x < 0;
        m->x = x;
        m->y = y;
        m->run.t->x = x * m->scale;
        m->run.t->y = y * m->scale;
        if (!first)
            m->run.tell(0, notification::moved);
    }
    return FALSE;
}

// F1: context help on the control that has the focus.
gboolean modelesskey(GtkWidget* d, GdkEventKey* e, gpointer p)
{
    if (e->keyval != GDK_KEY_F1)
        return FALSE;
    auto* m = static_cast<modelessrun*>(p);
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(d));
    int id = 0;
    for (auto& [c, w] : m->run.widgets)
        if (w == focus)
            id = c->id;
    m->run.tell(id, notification::help);
    return TRUE;
}

}  // namespace

int gtkfront::modelesscreate(dialogtemplate& dialog)
{
    GtkWidget* d = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(d), dialog.title.c_str());
    if (window_)
        gtk_window_set_transient_for(GTK_WINDOW(d), GTK_WINDOW(window_));
    gtk_window_set_modal(GTK_WINDOW(d), FALSE);
    if (dialog.keepposition && dialog.x >= 0)
        gtk_window_move(GTK_WINDOW(d), dialog.x / scale_, dialog.y / scale_);
    auto m = std::make_unique<modelessrun>();
    m->run.t = &dialog;
    m->run.dialog = d;
    m->scale = scale_;
    GtkWidget* content = gtk_dialog_get_content_area(GTK_DIALOG(d));
    GtkWidget* radiogroup = nullptr;
    GtkWidget* into = content;   // the box of the current group
    GtkWidget* row = nullptr;
    controlkind first = controlkind::text;   // of the row
    for (dialogcontrol& c : dialog.controls) {
        if (c.kind == controlkind::button && (c.id == 1 || c.id == 2)) {
            gtk_dialog_add_button(GTK_DIALOG(d), c.label.c_str(), c.id);
            continue;
        }
        if (isbuddy(dialog, c))
            continue;
        GtkWidget* w = makewidget(m->run, c, radiogroup, m->owned);
        m->run.widgets.push_back({&c, w});
        if (c.kind == controlkind::group) {
            gtk_box_pack_start(GTK_BOX(content), w, FALSE, FALSE, 2);
            into = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
            gtk_container_set_border_width(GTK_CONTAINER(into), 3);
            gtk_container_add(GTK_CONTAINER(w), into);
            gtk_widget_show(into);
            row = nullptr;
            continue;
        }
        if (!row || !joinsrow(first, c.kind)) {
            row = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 4);
            gtk_box_pack_start(GTK_BOX(into), row, FALSE, FALSE, 1);
            gtk_widget_show(row);
            first = c.kind;
        }
        gtk_box_pack_start(GTK_BOX(row), w, isbutton(c.kind), TRUE, 0);
    }
    m->run.refresh();
    modelessrun* run = m.get();
    g_signal_connect(d, "response", G_CALLBACK(modelessresponse), run);
    g_signal_connect(d, "delete-event", G_CALLBACK(+[](GtkWidget* w, GdkEvent*, gpointer) -> gboolean {
                         gtk_dialog_response(GTK_DIALOG(w), 2);
                         return TRUE;
                     }), nullptr);
    g_signal_connect(d, "configure-event", G_CALLBACK(modelessconfigure), run);
    g_signal_connect(d, "key-press-event", G_CALLBACK(modelesskey), run);
    int handle = ++lastmodeless;
    modelessruns[handle] = std::move(m);
    gtk_widget_show(d);
    if (GtkWidget* ok = gtk_dialog_get_widget_for_response(GTK_DIALOG(d), 1))
        gtk_widget_grab_focus(ok);
    return handle;
}

void gtkfront::modelessdestroy(int handle)
{
    auto it = modelessruns.find(handle);
    if (it != modelessruns.end())
        closemodeless(it->second->run.dialog);
}

// A window shown again is placed anew by the window manager: back where
// it was hidden instead.
void gtkfront::modelessshow(int handle, bool shown)
{
    auto it = modelessruns.find(handle);
    if (it == modelessruns.end())
        return;
    modelessrun& m = *it->second;
    GtkWindow* d = GTK_WINDOW(m.run.dialog);
    if (!shown && gtk_widget_get_visible(m.run.dialog))
        gtk_window_get_position(d, &m.hiddenx, &m.hiddeny);
    else if (shown && m.hiddenx >= 0)
        gtk_window_move(d, m.hiddenx, m.hiddeny);
    gtk_widget_set_visible(m.run.dialog, shown);
}

void gtkfront::modelessrefill(int handle)
{
    auto it = modelessruns.find(handle);
    if (it != modelessruns.end())
        it->second->run.refresh();
}

}  // namespace platform

namespace platform {

std::string gtkfront::filedialog(bool save, const std::vector<filefilter>& filters, const std::string& directory,
                                 const std::string& name)
{
    GtkWidget* d = gtk_file_chooser_dialog_new(save ? "Save As" : "Open", window_ ? GTK_WINDOW(window_) : nullptr,
                                               save ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN,
                                               "_Cancel", GTK_RESPONSE_CANCEL, save ? "_Save" : "_Open",
                                               GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(d);
    for (const filefilter& f : filters) {
        GtkFileFilter* filter = gtk_file_filter_new();
        gtk_file_filter_set_name(filter, f.name.c_str());
        for (const std::string& p : f.patterns)
            gtk_file_filter_add_pattern(filter, p.c_str());
        gtk_file_chooser_add_filter(chooser, filter);
    }
    if (!directory.empty())
        gtk_file_chooser_set_current_folder(chooser, directory.c_str());
    if (save && !name.empty())
        gtk_file_chooser_set_current_name(chooser, name.c_str());
    std::string path;
    if (runmodal(d) == GTK_RESPONSE_ACCEPT) {
        if (char* chosen = gtk_file_chooser_get_filename(chooser)) {
            path = chosen;
            g_free(chosen);
        }
    }
    gtk_widget_destroy(d);
    return path;
}

}  // namespace platform
