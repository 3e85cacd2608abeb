#include "platform/headless/dialoganswer.h"

#include "platform/headless/script.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace platform {

namespace {

// Unmarks the other radios of c's run (the radios next to it in the template).
void markradio(dialogtemplate& d, dialogcontrol& c)
{
    auto at = d.controls.begin() + (&c - d.controls.data());
    for (auto it = at; it != d.controls.begin() && (it - 1)->kind == controlkind::radio;)
        (--it)->checked = false;
    for (auto it = at + 1; it != d.controls.end() && it->kind == controlkind::radio; ++it)
        it->checked = false;
}

// -1: the value does not fit the control.
int setcontrol(dialogtemplate& d, dialogcontrol& c, const std::string& value)
{
    if (!c.enabled)
        return -1;
    int n = 0;
    switch (c.kind) {
    case controlkind::edit:
        c.value = value;
        return d.notify(c.id, notification::leave);
    case controlkind::check:
    case controlkind::radio:
        if (!scriptnumber(value, 0, 1, n))
            return -1;
        if (c.kind == controlkind::radio && c.automatic && n)
            markradio(d, c);
        c.checked = n;
        return d.notify(c.id, notification::click);
    case controlkind::spin:
        if (!scriptnumber(value, c.low, c.high, n))
            return -1;
        c.delta = n > c.number ? 1 : n < c.number ? -1 : 0;
        c.number = n;
        if (dialogcontrol* b = d.control(c.buddy))
            b->value = std::to_string(n);
        return d.notify(c.id, notification::spin);
    case controlkind::combo:
        if (!scriptnumber(value, 0, long(c.items.size()) - 1, n))
            return -1;
        c.number = n;
        return d.notify(c.id, notification::change);
    default:
        return -1;
    }
}

// "X,Y": the user moved the dialog there.
int moveto(dialogtemplate& d, const std::string& where)
{
    size_t comma = where.find(',');
    int x = 0, y = 0;
    if (comma == std::string::npos || !scriptnumber(where.substr(0, comma), 0, 65535, x) ||
        !scriptnumber(where.substr(comma + 1), 0, 65535, y))
        return -1;
    d.x = x;
    d.y = y;
    return 0;
}

}  // namespace

int answerdialog(dialogtemplate& d, const std::string& text, std::string& bad, bool modeless)
{
    std::istringstream words(text);
    bool first = true;
    for (std::string w; words >> w; first = false) {
        if (first && w == d.name)
            continue;
        size_t eq = w.find('=');
        int id = 0, result = -1;
        if (w.rfind("at=", 0) == 0 && d.keepposition) {
            result = moveto(d, w.substr(3));
        } else if (w == "ok" || w == "cancel") {
            int button = w == "ok" ? 1 : 2;
            result = d.command ? d.command(d, button, notification::click) : button;
        } else if (eq != std::string::npos && scriptnumber(w.substr(eq + 1), 1, 65535, id) && w.substr(0, eq) == "press") {
            dialogcontrol* c = d.control(id);
            result = c && c->enabled && c->shown ? d.notify(id, notification::click) : -1;
        } else if (eq != std::string::npos && scriptnumber(w.substr(eq + 1), 1, 65535, id) && w.substr(0, eq) == "help") {
            result = d.control(id) ? std::max(0, d.notify(id, notification::help)) : -1;
        } else if (w == "moved") {
            result = std::max(0, d.notify(0, notification::moved));
        } else if (eq != std::string::npos && scriptnumber(w.substr(0, eq), 1, 65535, id) && d.control(id)) {
            result = setcontrol(d, *d.control(id), w.substr(eq + 1));
        }
        if (result < 0) {
            bad = w;
            return 0;
        }
        if (result > 0)
            return result;
    }
    if (!modeless)
        bad = "the end of the answer";
    return 0;
}

void writeimages(const dialogtemplate& d, const std::string& folder)
{
    for (const dialogcontrol& c : d.controls) {
        std::string path = folder + "/" + d.name + "-" + std::to_string(c.id) + ".png";
        if (!c.paint || std::filesystem::exists(path))
            continue;
        cairo_surface_t* s = c.image();
        if (!s)
            continue;
        cairo_surface_write_to_png(s, path.c_str());
        cairo_surface_destroy(s);
    }
}

std::string dialogvalues(const dialogtemplate& d, int result, bool withhidden)
{
    std::ostringstream out;
    out << d.name << " ended with " << result;
    if (d.keepposition)
        out << " at " << d.x << "," << d.y;
    out << "\n";
    for (const dialogcontrol& c : d.controls) {
        std::string v;
        switch (c.kind) {
        case controlkind::edit: v = c.value; break;
        case controlkind::check:
        case controlkind::radio: v = c.checked ? "1" : "0"; break;
        case controlkind::spin:
        case controlkind::combo: v = std::to_string(c.number); break;
        case controlkind::text:
        case controlkind::button:
            if (c.id < 1000) continue;   // fixed captions and the ending buttons
            v = c.label;
            break;
        case controlkind::picture: v = c.shown ? c.label : ""; break;
        case controlkind::bitmapbutton: v = c.label; break;
        default: continue;
        }
        out << "  " << c.id << "=" << v << (c.enabled ? "" : " (grey)") << (withhidden && !c.shown ? " (hidden)" : "")
            << "\n";
    }
    return out.str();
}

}  // namespace platform
