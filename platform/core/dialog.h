// Dialogs as data: a template of controls with their ids, kinds, labels
// and values, as a resource would give it.  Fronts render any template;
// the dialog's logic stays with its caller and, when it has one, runs on
// the caller's thread through the template's command hook.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

namespace platform {

enum class controlkind {
    text, edit, button,
    check,          // checked: the box's mark
    radio,          // checked; automatic radios are marked by the front
    group,          // a frame with a label around the controls that follow, up to the next group
    spin,           // number within low..high, shown in the buddy edit
    picture,        // label: an icon name ("red", "blue", "exclamation")
    bitmapbutton,   // a button showing the icon named by label
    combo,          // number: the index into items
    ownerdrawn,     // drawn by the template's drawitem hook
};

// What made the logic's command hook run.
// help: context help asked on the control (id 0: the dialog); moved: the
// dialog's window moved (x, y are current).
enum class notification { click, change, leave, spin, help, moved };

struct dialogcontrol {
    int id = 0;
    controlkind kind = controlkind::text;
    std::string label{};   // text and button caption
    std::string value{};   // edit: the text, in and out
    int limit = 0;       // edit: at most this many characters (0: no limit)
    bool selected = false;   // edit: all of its text selected, with the focus
    bool checked = false;    // check and radio
    bool automatic = false;  // radio: the front marks it within its run of radios
    bool enabled = true;
    bool shown = true;
    int buddy = 0;           // spin: the edit showing its number
    int low = 0, high = 0;   // spin: the range
    int number = 0;          // spin: the number; combo: the chosen index
    int delta = 0;           // spin: the last step (+1 up, -1 down)
    int width = 0, height = 0;   // picture, bitmap button and owner-drawn: size in pixels
    // Picture and bitmap button: draws the image at width x height pixels
    // (a plain function, so any thread may call it); without it the label
    // names an icon.
    void (*paint)(cairo_t*) = nullptr;
    std::vector<std::string> items{};   // combo

    // A new ARGB32 image that paint draws; null without paint or size.  The
    // caller destroys it.
    cairo_surface_t* image() const
    {
        if (!paint || width <= 0 || height <= 0)
            return nullptr;
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
        cairo_t* cr = cairo_create(s);
        paint(cr);
        cairo_destroy(cr);
        return s;
    }
};

struct dialogtemplate {
    std::string name;    // the resource name
    std::string title;
    std::string fontname;
    std::vector<dialogcontrol> controls;
    bool nocaption = false;
    int columns = 1;     // the controls before the first group, in rows of this many
    // Saved position: kept by the caller between openings (-1: the front's
    // choice); the front gives the position and size at closing.
    bool keepposition = false;
    int x = -1, y = -1;
    int width = 0, height = 0;
    // The logic: a control's id and what happened to it, with the values in
    // the template current; it may change any control.  Above 0 ends the
    // dialog with that result.  Without it, buttons end the dialog with
    // their id.
    std::function<int(dialogtemplate&, int id, notification)> command{};
    // Paints an owner-drawn control on a surface of its size.
    std::function<void(dialogtemplate&, int id, cairo_t*, int width, int height)> drawitem{};

    dialogcontrol* control(int id)
    {
        for (dialogcontrol& c : controls)
            if (c.id == id)
                return &c;
        return nullptr;
    }
    // The result of a control's event: the hook's answer, or the button's id
    // when there is no logic.
    int notify(int id, notification n)
    {
        if (command)
            return command(*this, id, n);
        dialogcontrol* c = control(id);
        return c && (c->kind == controlkind::button || c->kind == controlkind::bitmapbutton) ? id : 0;
    }
};

}  // namespace platform
