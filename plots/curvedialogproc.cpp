// The "Curve Properties" dialog at work: the requests that create, fill,
// hide and destroy it (window thread), its logic, and the queue of its
// changes that the curve editor applies on the computing thread.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "platform/core/front.h"
#include "platform/core/requests.h"
#include "plots/curvecolor.h"
#include "plots/curvedialog.h"
#include "plots/editrange.h"
#include "plots/plot.h"
#include "plots/plotpanel.h"
#include "screen/helptopics.h"
#include "screen/host.h"
#include "screen/keys.h"
#include "screen/winstring.h"

using platform::dialogtemplate;
using platform::notification;

std::atomic<bool> selectclipper{false};

namespace {

// Window thread.
struct dialogstate {
    dialogtemplate dialog;
    bool made = false;
    int handle = 0;
    int hidden = 0;        // nesting of hide requests
    curveview view;
    std::string message;   // pending for the next fill
};

dialogstate& state()
{
    static dialogstate s;
    return s;
}

// Both threads.
std::mutex changelock;
std::vector<std::function<void(plotpsp&)>> changes;

// Computing thread: the editor's notice for the next fill.
std::string editornotice;

void render()
{
    dialogstate& s = state();
    fillcurvedialog(s.dialog, s.view, s.message, selectclipper.exchange(false), uint32_t(gotonumber.load()));
}

void notice(const char* text)
{
    state().message = text;
    render();
}

// The entry (or the curve) the view showed, when it is still the
// perspective's.
autoprint* liveentry(plotpsp& p, const autoprint* e)
{
    return e && p.indexof(e) ? const_cast<autoprint*>(e) : nullptr;
}

plotcurve* livecurve(plotpsp& p, uint32_t number, const autoprint* e)
{
    if (autoprint* live = liveentry(p, e))
        return live->curve;
    return e || !p.owner ? nullptr : p.owner->enabledcurve(number);
}

template <class F>
void eachenabled(plotpsp& p, F f)
{
    for (autoprint* e = p.consider.first(); e; e = static_cast<autoprint*>(e->next))
        if (e->curve && e->curve->enabled)
            f(*e);
}

// Resolution and pen diameter from their edits.
void readcurvesettings(dialogtemplate& d)
{
    const curveview& v = state().view;
    int32_t resolution = 0;
    uint16_t pen = 0;
    bool single = v.number != 0;
    if (!readpen(d.control(1062)->value, pen) || (single && !readresolution(d.control(1063)->value, resolution))) {
        notice("Invalid Input - \n\rignored");
        return;
    }
    const autoprint* entry = v.entry;
    if (single && entry)
        queuecurvechange([=](plotpsp& p) {
            if (autoprint* e = liveentry(p, entry)) {
                e->resolution = resolution;
                e->pen = pen;
            }
        });
    else if (!single)
        queuecurvechange([=](plotpsp& p) { eachenabled(p, [=](autoprint& e) { e.pen = pen; }); });
    postkey('$');
}

void askresolutions(bool absolute)
{
    queuecurvechange([absolute](plotpsp& p) {
        double answer = absolute ? winreadnumber(800, "Resolution ?")
                                 : winreadnumber(1.0, "Factor by which to multiply all resolutions ?");
        if (winreadstate != readstate::number)
            return;
        eachenabled(p, [=](autoprint& e) {
            int32_t r = 0;
            if (absolute ? absoluteresolution(answer, r) : scaledresolution(e.resolution, answer, r))
                e.resolution = r;
        });
    });
    postkey('$');
}

void askrange()
{
    const curveview& v = state().view;
    queuecurvechange([number = v.number, entry = v.entry](plotpsp& p) {
        plotcurve* c = livecurve(p, number, entry);
        std::string refused;
        if (c && editrange(*c, refused))
            postkey('#');
        if (!refused.empty())
            curvedialogmessage(refused);
    });
    postkey('$');
}

void newcolour(int colour)
{
    const curveview& v = state().view;
    queuecurvechange([number = v.number, entry = v.entry, colour](plotpsp& p) {
        if (plotcurve* c = livecurve(p, number, entry))
            c->colour = uint16_t(colour);
    });
    postkey(v.entry && v.visible && v.considered ? 64 : '$');
}

void deletecurve()
{
    const curveview& v = state().view;
    if (!v.entry) {
        notice("Curve inaccessible. Try \"Search...\"");
        return;
    }
    bool shown = v.visible && v.considered;
    if ((shown && v.shown <= 1) || !v.othersvisible) {
        notice("Cannot delete the last visible curve");
        return;
    }
    char text[80];
    std::snprintf(text, sizeof text, "You are deleting curve #%u \n\rfrom the plot", v.number);
    platform::front* f = platform::currentfront();
    if (f && f->messagebox(text, "", platform::boxbuttons::yesno, platform::boxicon::exclamation, true)
                 == platform::boxanswer::yes)
        postkey(339);
}

using helpfn = void (*)(infoholder&);

helpfn helpof(int id)
{
    switch (id) {
    case 1048: case 1077: return helpcurvecolor;
    case 1051: return helpcurvedelete;
    case 1052: return helpcurvedup;
    case 1055: case 1073: case 1079: return helpstatusflags;
    case 1056: return state().dialog.control(1056)->label == "Recalc" ? helprecalc : helpsearchbutton;
    case 1057: case 1058: case 1059: case 1060: case 1075: case 1076: case 1081: return helpclippers;
    case 1062: return helppendiameter;
    case 1063: case 1064: case 1066: return helpresolution;
    case 1070: case 1071: return helpcebuttons;
    case 1074: case 1078: case 1089: return helpparamrange;
    default: return helpceview;
    }
}

// Help topics open on the computing thread, which owns the info windows.
void help(int id)
{
    queuecurvechange([topic = helpof(id)](plotpsp&) {
        static infoholder holder;
        topic(holder);
    });
    postkey('$');
}

// The curve number typed into its edit.
void typednumber(const std::string& text)
{
    double x = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(x))
        return;
    uint32_t live = state().view.live;
    gotonumber = int32_t(x < 0 ? live : uint32_t(std::min(std::trunc(x), double(live))));
    postkey('g');
}

int clicked(dialogtemplate& d, int id)
{
    const curveview& v = state().view;
    switch (id) {
    case 1070:
    case 1071:
        gotonumber = 1;
        selectclipper = true;
        postkey(id == 1070 ? '+' : '-');
        break;
    case 1052:
        if (v.entry && v.considered)
            postkey('2');
        else
            notice("Cannot duplicate a nonvisible curve");
        break;
    case 1051:
        deletecurve();
        break;
    case 1055:
        if (v.entry && v.visible && v.considered && v.shown < 2)
            notice("Cannot inactivate the last visible curve");
        else if (v.entry)
            postkey('a');
        else
            render();
        break;
    case 1056:
        postkey('#');
        break;
    case 1059:
    case 1060:
        gotonumber = id == 1059 ? d.control(1058)->number : 0;
        selectclipper = true;
        postkey('C');
        break;
    case 1066:
    case 1064:
        askresolutions(id == 1066);
        break;
    case 1089:
        askrange();
        break;
    case 1113:
        help(0);
        break;
    case 1:
    case 2:
        state().handle = 0;
        postkey(key::esc);
        return id;
    }
    return 0;
}

long destroy(long, long)
{
    dialogstate& s = state();
    if (platform::front* f = platform::currentfront(); f && s.handle)
        f->modelessdestroy(s.handle);
    s.handle = 0;
    return 0;
}

long create(long a, long b)
{
    dialogstate& s = state();
    destroy(0, 0);
    int x = s.dialog.x, y = s.dialog.y;
    s.dialog = curvedialogtemplate(*reinterpret_cast<const std::vector<std::string>*>(b));
    if (s.made) {
        s.dialog.x = x;
        s.dialog.y = y;
    }
    s.made = true;
    s.dialog.command = curvedialogcommand;
    s.view = *reinterpret_cast<const curveview*>(a);
    s.message = s.view.message;
    gotonumber = 1;
    selectclipper = true;
    render();
    s.hidden = 0;
    platform::front* f = platform::currentfront();
    s.handle = f ? f->modelesscreate(s.dialog) : 0;
    return s.handle;
}

long fill(long a, long)
{
    dialogstate& s = state();
    if (!s.handle)
        return 0;
    s.view = *reinterpret_cast<const curveview*>(a);
    if (!s.view.message.empty())
        s.message = s.view.message;
    render();
    if (platform::front* f = platform::currentfront())
        f->modelessrefill(s.handle);
    return 0;
}

long hideshow(bool hide)
{
    dialogstate& s = state();
    platform::front* f = platform::currentfront();
    if (!s.handle || !f || (!hide && s.hidden == 0))
        return 0;
    s.hidden += hide ? 1 : -1;
    if (s.hidden == (hide ? 1 : 0))
        f->modelessshow(s.handle, !hide);
    return 0;
}

curveview viewwithnotice(plotpsp& p)
{
    curveview v = takeview(p);
    v.message = std::move(editornotice);
    editornotice.clear();
    return v;
}

}  // namespace

int curvedialogcommand(dialogtemplate& d, int id, notification n)
{
    switch (n) {
    case notification::help:
        help(id);
        return 0;
    case notification::moved:
        postkey(64);
        return 0;
    case notification::leave:
        if (id == 1068)
            typednumber(d.control(1068)->value);
        else
            readcurvesettings(d);
        return 0;
    case notification::change:
        if (id == 1048)
            newcolour(d.control(1048)->number);
        return 0;
    case notification::spin:
        render();
        postkey('$');
        return 0;
    case notification::click:
        return clicked(d, id);
    }
    return 0;
}

void queuecurvechange(std::function<void(plotpsp&)> change)
{
    std::lock_guard guard(changelock);
    changes.push_back(std::move(change));
}

bool applycurvechanges(plotpsp& p)
{
    std::vector<std::function<void(plotpsp&)>> now;
    {
        std::lock_guard guard(changelock);
        now.swap(changes);
    }
    for (auto& change : now)
        change(p);
    return !now.empty();
}

void curvedialogcreate(plotpsp& p)
{
    std::vector<std::string> names;
    for (int i = 0; i < curvecolorcount; ++i)
        names.push_back(curvecolor ? curvecolor[i].name : "");
    curveview v = viewwithnotice(p);
    {
        std::lock_guard guard(changelock);
        changes.clear();
    }
    sendtomain(msg::curvecreate, reinterpret_cast<long>(&v), reinterpret_cast<long>(&names));
}

void curvedialogdestroy()
{
    sendtomain(msg::curvedestroy);
}

void curvedialogfill(plotpsp& p)
{
    curveview v = viewwithnotice(p);
    sendtomain(msg::curvefill, reinterpret_cast<long>(&v));
}

void curvedialoghide(bool hide)
{
    sendtomain(hide ? msg::curvehide : msg::curveshow);
}

void curvedialogmessage(const std::string& text)
{
    editornotice = text;
}

void installcurverequests()
{
    setrequest(msg::curvecreate, create);
    setrequest(msg::curvedestroy, destroy);
    setrequest(msg::curvefill, fill);
    setrequest(msg::curvehide, [](long, long) { return hideshow(true); });
    setrequest(msg::curveshow, [](long, long) { return hideshow(false); });
}
