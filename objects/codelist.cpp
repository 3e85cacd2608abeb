#include "objects/codelist.h"

#include <algorithm>
#include <cstring>

#include "formula/parser.h"
#include "objects/codelisting.h"
#include "objects/diagshow.h"
#include "objects/fu1.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/listbox.h"
#include "screen/listrange.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screen.h"

namespace {

constexpr int altc = 579;

const char codehelp[] =
    "\n\r <alt>+<p>   print \n\r <c>   show the code of the function called \n\r <v>   show the function called \n";

void nocallee()
{
    msgstyle(1);
    msgbox("\n No object being called in this line! \n");
}

// Box colours from roles 242 to 246, list colours from 247 to 250.
void codecolors()
{
    setboxcolors(colorof(242), colorof(243), colorof(244), colorof(245), colorof(246));
    setlistcolors(colorof(247), colorof(248), colorof(249), colorof(250));
}

}  // namespace

codelist::codelist(int16_t left, int16_t top, int16_t right, int16_t bottom, char** lines, int32_t first,
                   int32_t last, int16_t prefix)
    : textlist(left, top, right, bottom, lines, first, last, prefix)
{
}

void codelist::filterkey(int&)
{
}

fu* codelist::callee() const
{
    fu* object = nullptr;
    if (lines && current >= first && current <= last && lines[current] && prefix >= int(sizeof object))
        std::memcpy(&object, lines[current], sizeof object);
    return object;
}

void codelist::otherkey(int& key)
{
    fu* object = callee();
    switch (key) {
    case 'v':
    case 'c':
    case altc:
        if (!object) {
            nocallee();
        } else if (key != 'v') {
            object->listcode();
        } else if (auto* viewable = dynamic_cast<fu1*>(object)) {
            viewable->show();
        } else {
            nocallee();
        }
        break;
    case 'p': printrange(*this); break;
    case key::f1: msgbox(codehelp); break;
    default: break;
    }
}

bool showcode(parser& p)
{
    if (p.type == 0 || p.code.isempty())
        return false;
    codelisting listing(p);
    if (listing.failed || listing.lines.isempty())
        return false;
    char caption[80];
    codecaption(p, caption, sizeof caption);
    codecolors();
    setboxtitle(caption);
    const linelist& l = listing.lines;
    int n = l.count, w = l.widest, cols = screencols(), rows = screenrows();
    int x = std::max(1, (cols - 1 - w) / 2 + 1), y = std::max(1, 1 + (rows - n) / 2);
    int r = std::min(cols, x + w + 1), b = std::min(rows, y + n);
    codelist list(int16_t(x), int16_t(y), int16_t(r), int16_t(b), l.lines, 1, n - 1, l.prefixbytes);
    if (list.bad)
        return false;
    list.showfrom(1);
    list.run();
    return true;
}

bool showobjectcode(fu* object)
{
    if (!object || !object->isimplemented() || !object->myparser) {
        objnotimplemented();
        return false;
    }
    return showcode(*object->myparser);
}
