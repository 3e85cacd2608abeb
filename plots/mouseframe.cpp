#include "plots/mouseframe.h"

#include "plots/framebitmaps.h"
#include "screen/dialogrunner.h"

using platform::controlkind;
using platform::dialogcontrol;

mouseframerecord zoomrecord;

namespace {

constexpr int magnifybutton = 1002, minifybutton = 1003, pushbutton = 1004, cancelbutton = 1005;
constexpr int asisradio = 1006, keepxradio = 1007, keepyradio = 1008;

dialogcontrol bitmapbutton(int id, const char* bitmap)
{
    dialogcontrol c;
    c.id = id;
    c.kind = controlkind::bitmapbutton;
    setbitmap(c, bitmap);
    return c;
}

// The radios' frame, without a label.
dialogcontrol group()
{
    dialogcontrol c;
    c.kind = controlkind::group;
    return c;
}

dialogcontrol radio(int id, const char* label, bool marked)
{
    dialogcontrol c;
    c.id = id;
    c.kind = controlkind::radio;
    c.label = label;
    c.automatic = true;
    c.checked = marked;
    return c;
}

int mouseframecommand(mouseframerecord& record, int id)
{
    switch (id) {
    case asisradio:
    case keepxradio:
    case keepyradio:
        record.keepmode = uint16_t(id - asisradio + 1);
        return 0;
    case magnifybutton:
        return 'g';
    case minifybutton:
        return 'k';
    case pushbutton:
        return record.shifted ? 'v' : 0;
    default:
        return 27;
    }
}

}  // namespace

int mouseframedialog(mouseframerecord& record)
{
    if (record.keepmode != 2 && record.keepmode != 3)
        record.keepmode = 1;
    platform::dialogtemplate t{"MOUSEFRAMEDIALOG", "", "MS Sans Serif", {}};
    t.nocaption = true;
    t.columns = 2;
    t.keepposition = true;
    if (record.left > 0) {
        t.x = record.left;
        t.y = record.top;
    }
    t.controls = {bitmapbutton(cancelbutton, "BMPCANCEL"),
                  bitmapbutton(magnifybutton, "BMPMAGNIFY"),
                  bitmapbutton(pushbutton, record.shifted ? "BMPPUSH" : "BMPPUSHGRAY"),
                  bitmapbutton(minifybutton, "BMPMINIFY"),
                  group(),
                  radio(asisradio, "Use frame as is", record.keepmode == 1),
                  radio(keepxradio, "Keep  X  unchanged", record.keepmode == 2),
                  radio(keepyradio, "Keep  Y  unchanged", record.keepmode == 3)};
    t.command = [&record](platform::dialogtemplate&, int id, platform::notification) {
        return mouseframecommand(record, id);
    };
    int result = rundialog(t);
    if (t.x >= 0) {
        record.right = record.left = t.x;
        record.bottom = record.top = t.y;
        record.right += t.width;
        record.bottom += t.height;
    }
    return result == 'g' || result == 'k' || result == 'v' ? result : 27;
}
