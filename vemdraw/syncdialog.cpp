#include "vemdraw/syncdialog.h"

#include "vemdraw/dialogtext.h"
#include "vemdraw/messages.h"

#include <cmath>

using platform::controlkind;

namespace {

constexpr int editx = 1057, edity = 1049, spinx = 1050, spiny = 1051;
// A fit takes a few steps per decade; this bounds it whatever the values.
constexpr int fitlimit = 2000;

double rangex(const worldrect& w) { return w.right - w.left; }
double rangey(const worldrect& w) { return w.top - w.bottom; }

void showunits(platform::dialogtemplate& t, const syncsettings& r)
{
    t.control(editx)->value = formatted("%12g", 10 * r.unitsx);
    t.control(edity)->value = formatted("%12g", 10 * r.unitsy);
}

}  // namespace

void syncfit(step& s, double range, double printable)
{
    for (int i = 0; i < fitlimit && range / s.value() < printable; ++i)
        stepdown(s);
    for (int i = 0; i < fitlimit && !(range / s.value() < printable); ++i)
        stepup(s);
}

bool syncready(const worldrect& w, const printerdate& p)
{
    double pw = 0, ph = 0;
    p.printablesize(p.orientation, pw, ph);
    if (!p.valid || !(pw > 0) || !(ph > 0)) {
        errorbox("Without printer data the size cannot be synchronized.", "-");
        return false;
    }
    if (!(rangex(w) > 0) || !(rangey(w) > 0) || !std::isfinite(rangex(w)) || !std::isfinite(rangey(w))) {
        errorbox("The diagram's world window is empty:\n\rthe size cannot be synchronized.", "-");
        return false;
    }
    return true;
}

void syncsetup(syncsettings& r, const printerdate& p)
{
    double pw = 0, ph = 0;
    p.printablesize(r.orientation, pw, ph);
    r.stepx = r.stepy = step{};
    syncfit(r.stepx, rangex(r.window), pw);
    syncfit(r.stepy, rangey(r.window), ph);
    r.unitsx = r.stepx.value();
    r.unitsy = r.stepy.value();
}

platform::dialogtemplate synctemplate()
{
    platform::dialogtemplate t{"SYNCDIALOG", "Size Synchronization", "", {}};
    t.controls = {
        control(1056, controlkind::text),
        control(0, controlkind::group, "World Units per cm"),
        control(0, controlkind::text, "X:"), control(editx, controlkind::edit), spincontrol(spinx, 0, -100, 100, 0),
        control(0, controlkind::text, "Y:"), control(edity, controlkind::edit), spincontrol(spiny, 0, -100, 100, 0),
        control(1055, controlkind::text), control(1054, controlkind::text), control(1053, controlkind::text),
        control(1052, controlkind::text),
        control(1, controlkind::button, "OK"), control(2, controlkind::button, "Abbrechen"),
    };
    return t;
}

void synctexts(platform::dialogtemplate& t, const syncsettings& r, const printerdate& p)
{
    const worldrect& w = r.window;
    t.control(1056)->label = formatted("In world coordinates, the diagram is \n\r %g units wide and %g units high.",
                                       rangex(w), rangey(w));
    t.control(1055)->label = formatted(" Width = %.3f cm", rangex(w) / r.unitsx / 10);
    t.control(1054)->label = formatted("Height = %.3f cm", rangey(w) / r.unitsy / 10);
    t.control(1053)->label = formatted(" y / x - ratio = %-18g", r.unitsy / r.unitsx);
    t.control(1052)->label = formatted("( Usable paper size is %.1f x %.1f cm )", p.heightmm / 10.0, p.widthmm / 10.0);
}

bool syncread(platform::dialogtemplate& t, syncsettings& r)
{
    double x = 0, y = 0;
    bool ok = readnumber(t.control(editx)->value, x) && readnumber(t.control(edity)->value, y) && x > 0 && y > 0;
    if (ok) {
        r.unitsx = x / 10;
        r.unitsy = y / 10;
    }
    showunits(t, r);
    return ok;
}

int synccontrol(platform::dialogtemplate& t, syncsettings& r, const printerdate& p, int id)
{
    switch (id) {
    case 1:
        return syncread(t, r) ? 1 : 0;
    case 2:
        return 2;
    case spinx:
    case spiny: {
        platform::dialogcontrol* spin = t.control(id);
        step& s = id == spinx ? r.stepx : r.stepy;
        if (spin->delta >= 0)
            stepdown(s);
        else
            stepup(s);
        spin->number = 0;
        r.unitsx = r.stepx.value();
        r.unitsy = r.stepy.value();
        showunits(t, r);
        break;
    }
    case editx:
    case edity:
        syncread(t, r);
        break;
    default:
        return 0;
    }
    synctexts(t, r, p);
    return 0;
}

bool syncdialog(const worldrect& w, uint32_t o, const printerdate& p, double& width, double& height)
{
    if (!syncready(w, p))
        return false;
    syncsettings r;
    r.window = w;
    r.orientation = o;
    syncsetup(r, p);
    platform::dialogtemplate t = synctemplate();
    showunits(t, r);
    synctexts(t, r, p);
    t.command = [&](platform::dialogtemplate& dt, int id, platform::notification) {
        return synccontrol(dt, r, p, id);
    };
    if (runmodal(t) != 1)
        return false;
    width = rangex(w) / r.unitsx;
    height = rangey(w) / r.unitsy;
    return true;
}
