#include "vemdraw/exportdialog.h"

#include "vemdraw/dialogtext.h"
#include "vemdraw/filecommands.h"
#include "vemdraw/model.h"

#include "platform/core/front.h"

using platform::controlkind;

namespace {

// Kept between openings.
int keptformat = 0;
bool keptfull = true, keptinterlaced = false;
std::string keptdirectory;

constexpr int widthedit = 1057, heightedit = 1049, namestatic = 1086, message = 1095, writebutton = 1089;
constexpr int full = 1087, bmp4 = 1083, bmp8 = 1084, gif = 1085, interlace = 1088;
constexpr int redicon = 1094, blueicon = 1096, exclamicon = 1097;

// The wait cursor while it lives.
struct waitcursor {
    waitcursor() { set(platform::cursorkind::wait); }
    ~waitcursor() { set(platform::cursorkind::arrow); }
    static void set(platform::cursorkind kind)
    {
        if (platform::front* f = platform::currentfront())
            f->setcursor(kind);
    }
};

}  // namespace

platform::dialogtemplate exporttemplate()
{
    platform::dialogtemplate t{"EXPORTDIALOG", "Write to File", "", {}};
    t.controls = {
        control(0, controlkind::text, "Width (pixels)"), control(widthedit, controlkind::edit),
        control(0, controlkind::text, "Height (pixels)"), control(heightedit, controlkind::edit),
        control(1081, controlkind::button, "Adapt to Height"), control(1077, controlkind::button, "Adapt to Width"),
        control(1078, controlkind::button, "Use Application Window Size"),
        control(0, controlkind::group, "Format"),
        control(bmp4, controlkind::radio, "4 bit BMP"), control(bmp8, controlkind::radio, "8 bit BMP"),
        control(gif, controlkind::radio, "GIF"),
        control(full, controlkind::check, "Full Palette"), control(interlace, controlkind::check, "Interlaced"),
        control(namestatic, controlkind::text), control(1079, controlkind::button, "Change..."),
        control(redicon, controlkind::picture, "red"), control(blueicon, controlkind::picture, "blue"),
        control(exclamicon, controlkind::picture, "exclamation"), control(message, controlkind::text),
        control(writebutton, controlkind::button, "Write"), control(2, controlkind::button, "Cancel"),
    };
    return t;
}

void exportrefresh(platform::dialogtemplate& t, const exportsettings& r)
{
    t.control(widthedit)->value = std::to_string(r.width);
    t.control(heightedit)->value = std::to_string(r.height);
    t.control(namestatic)->label = r.name.substr(0, 20);
    t.control(bmp4)->checked = r.format == 4;
    t.control(bmp8)->checked = r.format == 8;
    t.control(gif)->checked = r.format == 0;
    t.control(full)->checked = r.fullpalette;
    t.control(interlace)->enabled = r.format == 0;
    t.control(interlace)->checked = r.interlaced;
    t.control(redicon)->shown = r.state == exportstate::working;
    t.control(blueicon)->shown = r.state == exportstate::done;
    t.control(exclamicon)->shown = r.state == exportstate::overwrite || r.state == exportstate::failed;
    t.control(message)->label = r.state == exportstate::ready ? "" : r.status;
    const char* button = r.state == exportstate::done ? "OK" : r.state == exportstate::overwrite ? "Yes" : "Write";
    t.control(writebutton)->label = button;
}

int exportcontrol(platform::dialogtemplate& t, exportsettings& r, const diagram* d, int id)
{
    switch (id) {
    case 1:
    case 2:
        return id;
    case writebutton:
        if (r.state == exportstate::done)
            return 1;
        {
            waitcursor wait;
            exportcommand(r, d);
        }
        exportrefresh(t, r);
        return 0;
    case widthedit:
    case heightedit:
        r.width = exportsize(t.control(widthedit)->value);
        r.height = exportsize(t.control(heightedit)->value);
        break;
    case 1081: exportadapt(r, 'h'); break;
    case 1077: exportadapt(r, 'w'); break;
    case 1078: exportadapt(r, 'a'); break;
    case full: r.fullpalette = t.control(full)->checked; break;
    case interlace: r.interlaced = t.control(interlace)->checked; break;
    case 1079: {
        std::string path = asksavename(r.name, r.directory);
        if (path.empty())
            return 0;
        r.directory = directoryof(path);
        r.name = path.substr(r.directory.size());
        exportextension(r);
        break;
    }
    case bmp4:
    case bmp8:
    case gif:
        r.format = id == bmp4 ? 4 : id == bmp8 ? 8 : 0;
        exportextension(r);
        break;
    default:
        return 0;
    }
    r.state = exportstate::ready;
    r.status.clear();
    exportrefresh(t, r);
    return 0;
}

void exportdialog(const diagram* d, const pixelbox& screen, const std::string& loaded)
{
    if (!d)
        return;
    exportsettings r;
    r.format = keptformat;
    r.fullpalette = keptfull;
    r.interlaced = keptinterlaced;
    r.directory = keptdirectory;
    r.screen = screen;
    r.paper = d->paperrect();
    r.name = loaded;
    exportadapt(r, 'a');
    exportextension(r);
    platform::dialogtemplate t = exporttemplate();
    exportrefresh(t, r);
    t.command = [&](platform::dialogtemplate& dt, int id, platform::notification) {
        return exportcontrol(dt, r, d, id);
    };
    runmodal(t);
    keptformat = r.format;
    keptfull = r.fullpalette;
    keptinterlaced = r.interlaced;
    keptdirectory = r.directory;
}
