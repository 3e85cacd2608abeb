#include "screen/tellthem.h"

#include <string>

#include "formula/diagnostics.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/popup.h"

namespace {

constexpr int highlightink = 15, highlightpaper = 12;

std::string boxtext(const diagnostics& d)
{
    std::string text = d.shown.empty() ? "" : d.shown + "\n\n\r";
    for (size_t i = 0; i < d.lines.size(); ++i)
        text += (i ? "\n\r" : "") + d.lines[i];
    return text;
}

// Writes the character at the error position again, highlighted; the
// formula wraps at the box's inner width as the text did.
void markposition(const boxframe& box, const diagnostics& d)
{
    size_t firstline = d.shown.find_first_of("\n\r");
    size_t length = firstline == std::string::npos ? d.shown.size() : firstline;
    int inner = box.right - box.left - 1;
    if (d.position < 0 || size_t(d.position) >= length || inner < 1)
        return;
    const char cell[2] = {d.shown[size_t(d.position)], 0};
    writeat(cell, box.left + 1 + d.position % inner, box.top + 1 + d.position / inner, highlightink,
            highlightpaper);
}

}  // namespace

void tellthem(const diagnostics* d)
{
    if (!d) {
        unexpectederror(" tellthem() called with zero pointer ");
        return;
    }
    setpopupcolors(uint8_t(colorof(131)), uint8_t(colorof(132)), uint8_t(colorof(133)),
                   uint8_t(colorof(134)), 0, 0, 0);
    setboxtitle(d->state == diagstate::warning ? " W A R N I N G " : " Fatal compile Error ");
    std::string text = boxtext(*d);
    popup box(text.c_str());
    if (box.box() && !d->shown.empty())
        markposition(*box.box(), *d);
    getkey();
}
