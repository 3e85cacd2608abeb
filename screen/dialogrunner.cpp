// The window thread shows a copy of the template; each control event goes
// with the shown values to the thread that opened the dialog, which runs
// the logic on its own template and sends the changed values back.  Each
// copy is touched by its own thread only.
#include "screen/dialogrunner.h"

#include "platform/core/front.h"
#include "platform/core/requests.h"

#include <algorithm>
#include <map>
#include <vector>

using platform::dialogcontrol;
using platform::dialogtemplate;

namespace {

using pictures = std::map<int, cairo_surface_t*>;

void release(pictures& p)
{
    for (auto& [id, s] : p)
        cairo_surface_destroy(s);
    p.clear();
}

struct dialogrun {
    dialogtemplate& logic;   // the caller's, with its hooks
    dialogtemplate shown;    // the front's copy
    pictures drawn;          // owner-drawn controls as last painted, for the front

    ~dialogrun() { release(drawn); }
};

// One control event, and the logic's answer.
struct event {
    dialogrun* run;
    int id;
    platform::notification what;
    std::vector<dialogcontrol> controls;   // the values shown, then the logic's
    pictures drawn;
    int result = 0;
};

// Same controls, so that the logic's pointers to its controls stay good.
void copyvalues(const std::vector<dialogcontrol>& from, std::vector<dialogcontrol>& to)
{
    std::copy_n(from.begin(), std::min(from.size(), to.size()), to.begin());
}

// The logic's owner-drawn controls painted on its own thread.
pictures paintitems(dialogtemplate& t)
{
    pictures p;
    if (!t.drawitem)
        return p;
    for (const dialogcontrol& c : t.controls) {
        if (c.kind != platform::controlkind::ownerdrawn || c.width <= 0 || c.height <= 0)
            continue;
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, c.width, c.height);
        cairo_t* cr = cairo_create(s);
        t.drawitem(t, c.id, cr, c.width, c.height);
        cairo_destroy(cr);
        p[c.id] = s;
    }
    return p;
}

// On the thread that opened the dialog.
long runlogic(void* arg)
{
    auto* e = static_cast<event*>(arg);
    dialogtemplate& t = e->run->logic;
    copyvalues(e->controls, t.controls);
    e->result = t.notify(e->id, e->what);
    e->controls = t.controls;
    e->drawn = paintitems(t);
    return 0;
}

// On the window thread: the front's hooks of the shown copy.
int forward(dialogrun& run, dialogtemplate& shown, int id, platform::notification what)
{
    event e{&run, id, what, shown.controls, {}};
    platform::callwaiting(runlogic, &e);
    copyvalues(e.controls, shown.controls);
    release(run.drawn);
    run.drawn.swap(e.drawn);
    return e.result;
}

void paintshown(const dialogrun& run, int id, cairo_t* cr)
{
    auto it = run.drawn.find(id);
    if (it == run.drawn.end())
        return;
    cairo_set_source_surface(cr, it->second, 0, 0);
    cairo_paint(cr);
}

long showdialog(void* arg)
{
    platform::front* f = platform::currentfront();
    return f ? f->rundialog(*static_cast<dialogtemplate*>(arg)) : 2;
}

}  // namespace

int rundialog(dialogtemplate& dialog)
{
    if (platform::iswindowthread() || (!dialog.command && !dialog.drawitem))
        return static_cast<int>(platform::callmain(showdialog, &dialog));
    dialogrun run{dialog, dialog, paintitems(dialog)};
    run.shown.command = [&run](dialogtemplate& shown, int id, platform::notification what) {
        return forward(run, shown, id, what);
    };
    if (dialog.drawitem)
        run.shown.drawitem = [&run](dialogtemplate&, int id, cairo_t* cr, int, int) { paintshown(run, id, cr); };
    int result = static_cast<int>(platform::callmain(showdialog, &run.shown));
    copyvalues(run.shown.controls, dialog.controls);
    dialog.x = run.shown.x;
    dialog.y = run.shown.y;
    dialog.width = run.shown.width;
    dialog.height = run.shown.height;
    return result;
}
