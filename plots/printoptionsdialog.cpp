// The "Default Diagram Options" dialog on a print options record: the
// logic marks every radio itself and shows refusals in its message line.
#include "plots/printoptionsdialog.h"

#include "plots/framebitmaps.h"
#include "plots/repaint.h"
#include "plots/plot.h"
#include "screen/dialogrunner.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

using platform::controlkind;
using platform::dialogcontrol;
using platform::dialogtemplate;

namespace {

constexpr int widthedit = 1038, heightedit = 1009, autosync = 1017;
constexpr int leftedit = 1010, topedit = 1011, rightedit = 1013, bottomedit = 1012, defaultmargins = 1042;
constexpr int portrait = 1040, landscape = 1041, largest = 1014;
constexpr int strict = 1015, adapt = 1016, fill = 1018;
constexpr int xaxis = 1019, yaxis = 1020, boxcheck = 1021, gridcheck = 1022;
constexpr int density1 = 1025, style2 = 1028, synchronized = 1023, truecm = 1024, colour1 = 1031;
constexpr int unitsedit = 1037, unitsspin = 1043, exclampicture = 1044, messagetext = 1045;
constexpr int okbutton = 1, cancelbutton = 2;

const char* const needsstrict = "Auto-Synchronize requires \"Strict\" ";
const char* const needsautosync = "Feature available only with \"Auto synchronize\" ";
const char* const notfinite = "Not a finite number: the value is kept ";

dialogcontrol item(int id, controlkind kind, const char* label = "")
{
    dialogcontrol c;
    c.id = id;
    c.kind = kind;
    c.label = label;
    return c;
}

dialogtemplate printoptionstemplate()
{
    using k = controlkind;
    dialogtemplate t{"PRINTOPTIONS", "Default Diagram Options", "MS Sans Serif", {}};
    dialogcontrol spin = item(unitsspin, k::spin);
    spin.buddy = unitsedit;
    spin.low = 2;
    spin.high = 100;
    dialogcontrol exclam = item(exclampicture, k::picture);
    setbitmap(exclam, "BMPEXCLAM");
    t.controls = {
        item(0, k::text,
             "This dialog sets data that become part of the transfer files and determine the default behavior "
             "of VEMDRAW after opening them. All adjustments can as well be made or changed in VEMDRAW."),
        item(0, k::group, "Size or Shape [cm]"), item(0, k::text, "Width"), item(widthedit, k::edit),
        item(0, k::text, "Height"), item(heightedit, k::edit), item(autosync, k::check, "Auto-Synchronize"),
        item(0, k::group, "Margins [cm]"), item(0, k::text, "Left"), item(leftedit, k::edit),
        item(0, k::text, "Top"), item(topedit, k::edit), item(0, k::text, "Right"), item(rightedit, k::edit),
        item(0, k::text, "Bottom"), item(bottomedit, k::edit), item(defaultmargins, k::check, "Use Default"),
        item(0, k::group, "Paper Orientation"), item(portrait, k::radio, "Portrait"),
        item(landscape, k::radio, "Landscape"), item(largest, k::radio, "Largest possible\nsynchronized Shape"),
        item(0, k::group, "Interpretation"), item(strict, k::radio, "Strict"), item(adapt, k::radio, "Adapt"),
        item(fill, k::radio, "Fill"),
        item(0, k::group, "Visibility"), item(xaxis, k::check, "X-Axis"), item(yaxis, k::check, "Y-Axis"),
        item(boxcheck, k::check, "Box"), item(gridcheck, k::check, "Grid"),
        item(0, k::group, "Grid, Density"), item(density1, k::radio, "1st order"),
        item(density1 + 1, k::radio, "1st and 2nd"), item(density1 + 2, k::radio, "1st 2nd 3rd"),
        item(0, k::group, "Grid, Linestyle"), item(style2, k::radio, "Thick"), item(style2 + 1, k::radio, "Thin"),
        item(style2 + 2, k::radio, "Dotted"),
        item(0, k::group, "Grid, Synchronization"), item(synchronized, k::radio, "Synchronized"),
        item(truecm, k::radio, "True Centimeters"),
        item(0, k::group, "Grid, Color"), item(colour1, k::radio, "Red"), item(colour1 + 1, k::radio, "Magenta"),
        item(colour1 + 2, k::radio, "Green"), item(colour1 + 3, k::radio, "Blue"),
        item(colour1 + 4, k::radio, "Lightblue"), item(colour1 + 5, k::radio, "Black"),
        item(0, k::group, ""), item(0, k::text, "Main Units per Axis (approx.)"), item(unitsedit, k::edit), spin,
        exclam, item(messagetext, k::text),
        item(okbutton, k::button, "OK"), item(cancelbutton, k::button, "Abbrechen"),
    };
    return t;
}

std::string centimetres(double mm)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", mm / 10);
    return text;
}

// The radios first..first+count-1; the one at index marked (none for -1).
void markrun(dialogtemplate& t, int first, int count, int index, bool enabled)
{
    for (int i = 0; i < count; ++i) {
        dialogcontrol* c = t.control(first + i);
        c->enabled = enabled;
        if (enabled)
            c->checked = i == index;
    }
}

void filledits(dialogtemplate& t, const int* ids, const double* mm, int count, bool enabled)
{
    for (int i = 0; i < count; ++i) {
        dialogcontrol* c = t.control(ids[i]);
        c->enabled = enabled;
        if (enabled)
            c->value = centimetres(mm[i]);
    }
}

const int sizeedits[] = {widthedit, heightedit};
const int marginedits[] = {leftedit, topedit, rightedit, bottomedit};

void fillprintoptions(dialogtemplate& t, const printoptions& r)
{
    const double size[] = {r.width, r.height};
    const double margins[] = {r.leftmargin, r.topmargin, r.rightmargin, r.bottommargin};
    filledits(t, sizeedits, size, 2, !r.autosynchronize);
    t.control(autosync)->checked = r.autosynchronize;
    filledits(t, marginedits, margins, 4, !r.defaultmargins);
    t.control(defaultmargins)->checked = r.defaultmargins;
    int orientation = r.largestshape ? 2 : r.orientation == 3 ? 0 : r.orientation == 4 ? 1 : -1;
    markrun(t, portrait, 2, orientation, true);
    t.control(largest)->checked = r.largestshape;
    int interpretation = r.autosynchronize ? 0 : int(r.interpretation);
    t.control(strict)->checked = interpretation == 0;
    t.control(adapt)->checked = interpretation == 1;
    t.control(fill)->checked = interpretation == 2;
    t.control(xaxis)->checked = r.xaxis;
    t.control(yaxis)->checked = r.yaxis;
    t.control(boxcheck)->checked = r.box;
    bool grid = r.griddensity > 0;
    t.control(gridcheck)->checked = grid;
    markrun(t, density1, 3, int(r.griddensity) - 1, grid);
    markrun(t, style2, 3, 2 - int(r.gridstyle), grid);
    markrun(t, synchronized, 2, r.gridsynchronized ? 0 : 1, grid);
    markrun(t, colour1, 6, int(r.gridcolour) - 1, grid);
    t.control(exclampicture)->shown = t.control(messagetext)->shown = r.message != nullptr;
    t.control(messagetext)->label = r.message ? r.message : "";
}

// A length typed in cm, in mm: made positive, at most 1e10; text that is no
// number reads as 0.  False for NaN or a typed infinity.
bool readlength(const std::string& text, double& mm)
{
    std::string cut = text.substr(0, 40);
    errno = 0;
    double cm = std::strtod(cut.c_str(), nullptr);
    if (std::isnan(cm) || (std::isinf(cm) && errno != ERANGE))
        return false;
    mm = std::min(std::fabs(cm * 10), 1e10);
    return true;
}

// The size and margin edits that the record enables; false when one held
// no finite number (its field is kept).
bool readprintedits(dialogtemplate& t, printoptions& r)
{
    double* size[] = {&r.width, &r.height};
    double* margins[] = {&r.leftmargin, &r.topmargin, &r.rightmargin, &r.bottommargin};
    bool ok = true;
    auto read = [&](const int* ids, double** fields, int count) {
        for (int i = 0; i < count; ++i)
            ok = readlength(t.control(ids[i])->value, *fields[i]) && ok;
    };
    if (!r.autosynchronize)
        read(sizeedits, size, 2);
    if (!r.defaultmargins)
        read(marginedits, margins, 4);
    if (!ok)
        r.message = notfinite;
    return ok;
}

// Marks a radio of the record's fields; false for another id.
bool radiocommand(printoptions& r, int id)
{
    if (id >= density1 && id < density1 + 3)
        r.griddensity = r.lastgriddensity = uint16_t(id - density1 + 1);
    else if (id >= style2 && id < style2 + 3)
        r.gridstyle = uint32_t(2 - (id - style2));
    else if (id == synchronized || id == truecm)
        r.gridsynchronized = id == synchronized;
    else if (id >= colour1 && id < colour1 + 6)
        r.gridcolour = uint16_t(id - colour1 + 1);
    else if (id == portrait || id == landscape) {
        r.orientation = id == portrait ? 3 : 4;
        r.largestshape = 0;
    } else if (id == strict || id == adapt || id == fill) {
        if (id != strict && r.autosynchronize)
            r.message = needsstrict;
        else
            r.interpretation = id == strict ? 0 : id == adapt ? 1 : 2;
    } else if (id == largest) {
        if (r.autosynchronize)
            r.largestshape = 1;
        else
            r.message = needsautosync;
    } else {
        return false;
    }
    return true;
}

// The check boxes take the state the user gave them.
void checkcommand(printoptions& r, int id, bool on)
{
    switch (id) {
    case autosync:
        r.autosynchronize = on;
        if (!on)
            r.largestshape = 0;
        break;
    case defaultmargins: r.defaultmargins = on; break;
    case xaxis: r.xaxis = on; break;
    case yaxis: r.yaxis = on; break;
    case boxcheck: r.box = on; break;
    case gridcheck: r.griddensity = on ? r.lastgriddensity : 0; break;
    default: break;
    }
}

int printoptionsproc(dialogtemplate& t, printoptions& r, int id, platform::notification what)
{
    r.message = nullptr;
    if (id == cancelbutton)
        return 27;
    if (id == okbutton) {
        if (readprintedits(t, r)) {
            r.mainunits = uint32_t(std::clamp(t.control(unitsspin)->number, 2, 100));
            return 13;
        }
    } else if (what == platform::notification::leave) {
        readprintedits(t, r);
    } else if (!radiocommand(r, id)) {
        if (dialogcontrol* c = t.control(id); c && c->kind == controlkind::check)
            checkcommand(r, id, c->checked);
    }
    fillprintoptions(t, r);
    return 0;
}

}  // namespace

dialogtemplate printoptionsdialogtemplate(printoptions& record)
{
    dialogtemplate t = printoptionstemplate();
    dialogcontrol* spin = t.control(unitsspin);
    spin->number = std::clamp(int(record.mainunits), 2, 100);
    t.control(unitsedit)->value = std::to_string(spin->number);
    fillprintoptions(t, record);
    t.command = [&record](dialogtemplate& d, int id, platform::notification what) {
        return printoptionsproc(d, record, id, what);
    };
    return t;
}

int editprintoptions(printoptions& record)
{
    dialogtemplate t = printoptionsdialogtemplate(record);
    return rundialog(t) == 13 ? 13 : 27;
}

void printoptionsdialog(plot& p)
{
    if (p.clipboardshown)
        return;
    printoptions& working = workingprintoptions();
    working = activeprintoptions();
    working.message = nullptr;
    if (editprintoptions(working) != 13)
        return;
    activeprintoptions() = working;
    activeprintoptions().message = nullptr;
    repaintplot(p);
}
