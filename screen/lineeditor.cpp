#include "screen/lineeditor.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/objcount.h"
#include "screen/boxsettings.h"
#include "screen/clipboard.h"
#include "screen/editops.h"
#include "screen/linestate.h"
#include "screen/msgbox.h"
#include "screen/palette.h"

keycode lastinputkey = 0;

namespace {

constexpr int lineeditorclass = 251;
constexpr int colorroles[5] = {251, 252, 253, 254, 255};
constexpr keycode f5 = 319, f9 = 323, shiftf5 = 344, shiftf9 = 348;
constexpr keycode home = 327, end = 335, left = 331, right = 333, up = 328, down = 336;
constexpr keycode ins = 338, del = 339;

lineeditor* slot = nullptr;
std::unique_ptr<lineeditor> ownededitor;

bool grow(int size)
{
    linestate& e = edit();
    if (size <= e.capacity)
        return true;
    std::unique_ptr<char[]> bigger(new (std::nothrow) char[size_t(size)]);
    if (!bigger)
        return false;
    e.text = std::move(bigger);
    e.capacity = size;
    return true;
}

// Moves the start row up, scrolling the window, until the field fits.
void fitfield()
{
    linestate& e = edit();
    cellrect w = getwindow();
    int rows = (e.maxlen - 1) / e.width + 1, height = w.bottom - w.top + 1;
    int missing = e.startrow + rows - 1 - height;
    int up = std::min(missing, e.startrow - 1);
    if (up > 0) {
        scrollup(up);
        e.startrow -= up;
    }
}

void takecolors()
{
    linestate& e = edit();
    for (int i = 0; i < 5; i++) {
        e.colors[i] = colorvalid(e.pendingcolors[i]) ? e.pendingcolors[i] : colorof(colorroles[i]);
        e.pendingcolors[i] = 0;
    }
}

void dropsettings()
{
    linestate& e = edit();
    e.extra = nullptr;
    e.startrow = 1;
}

bool ismovement(keycode k)
{
    return k == home || k == end || k == left || k == right || k == up || k == down;
}

void movekey(keycode k)
{
    linestate& e = edit();
    if (k == home)
        moveto(1);
    else if (k == end)
        moveto(std::min(e.length + 1, e.maxlen));
    else if (k == left)
        moveto(std::max(e.cursor - 1, 1));
    else if (k == right && e.cursor <= e.length)
        moveto(std::min(e.cursor + 1, e.maxlen));
    else if (k == up && e.cursor > e.width)
        moveto(e.cursor - e.width);
    else if (k == down && (e.length - e.cursor >= e.width || (e.length - e.cursor >= e.width - 1 && e.length < e.maxlen)))
        moveto(e.cursor + e.width);
}

void deletekey(keycode k)
{
    linestate& e = edit();
    e.marking = false;
    if (k == key::backspace) {
        if (e.cursor == 1)
            return;
        e.cursor--;
    }
    if (shiftdown())
        deleteblock();
    else
        deletechar();
}

}  // namespace

lineeditor::lineeditor(int16_t n) : maxlen(std::max<int16_t>(n, 0))
{
    objcount(lineeditorclass);
    grow(maxlen + 1);
}

lineeditor::~lineeditor()
{
    objcount(-lineeditorclass);
}

bool lineeditor::isfinishkey(keycode k)
{
    return k == key::enter;
}

bool lineeditor::iscancelkey(keycode k)
{
    return k == key::esc;
}

bool lineeditor::isinsertable(keycode k)
{
    static const int oem[] = {132, 148, 129, 142, 153, 154, 225, 248};
    static const int ansi[] = {228, 246, 252, 196, 214, 220, 223, 176};
    if (k >= 32 && k <= 126)
        return true;
    const int* set = fontisoem() ? oem : ansi;
    return std::find(set, set + 8, k) != set + 8;
}

bool lineeditor::extrakey(keycode k)
{
    if (k == 329)
        cuttail();
    else if (k == 337)
        cuthead();
    else
        return false;
    return true;
}

bool lineeditor::helpkey(keycode k)
{
    if (k != key::f1)
        return false;
    helpscreen();
    return true;
}

int lineeditor::helpscreen()
{
    setboxtitle(" Key Reference: Line Editor ");
    return msgbox("\n <Ins>    insert <--> overstrike mode \n\r <PgUp>   delete behind cursor \n\r"
                  " <PgDn>   delete before cursor \n\n\r <enter>  done \n\r <esc>    cancel \n\r");
}

int16_t lineeditor::setmaxlen(int16_t n)
{
    int16_t old = maxlen;
    maxlen = std::max<int16_t>(n, 0);
    return old;
}

bool lineeditor::begin(const char* buffer)
{
    linestate& e = edit();
    cellrect w = getwindow();
    e.width = w.right - w.left + 1;
    size_t n = buffer ? strlen(buffer) : 0;
    if (maxlen <= 0)
        maxlen = int16_t(std::min<size_t>(n, INT16_MAX));
    if (!buffer || maxlen < 1 || n > size_t(maxlen) || !grow(maxlen + 1))
        return false;
    e.maxlen = maxlen;
    e.topline = 0;
    fitfield();
    takecolors();
    clearfield();
    e.length = int(n);
    e.fresh = e.pendingmode ? e.pendingmode == 1 && n > 0 : preselect && n > 0;
    e.pendingmode = 0;
    memcpy(e.text.get(), buffer, n);
    e.drawnlength = 0;
    removeblock();
    e.cursor = 1;
    insert = nextinsert;
    caretshape(insert ? 1 : 0);
    caretshow();
    e.threshold = maxlen / screencols() + 1;
    redrawfield();
    return true;
}

// Ends the fresh state before a key acts; a typed character or a clipboard
// replaces the preselected text.
void lineeditor::leavefresh(keycode k)
{
    linestate& e = edit();
    if (!e.fresh)
        return;
    e.fresh = false;
    if (isinsertable(k) || (k >= f5 && k <= key::f10)) {
        e.length = 0;
        e.cursor = 1;
    }
    redrawfield();
}

void lineeditor::editingkey(keycode k)
{
    linestate& e = edit();
    if (ismovement(k))
        movekey(k);
    else if (k == ins)
        caretshape((insert = !insert) ? 1 : 0);
    else if (k == del || k == key::backspace)
        deletekey(k);
    else if (k >= shiftf5 && k <= shiftf9)
        copyblock(k - shiftf5 + 1);
    else if (k >= f5 && k <= f9)
        insertclip(textclipboard(k - f5 + 1));
    else if (k == key::f10 && e.extra)
        insertclip(*e.extra);
    else if (isinsertable(k))
        typechar((unsigned char)k, insert);
}

keycode lineeditor::run(char* buffer)
{
    linestate& e = edit();
    for (;;) {
        keycode k = getkey();
        while (helpkey(k))
            k = getkey();
        if (isfinishkey(k)) {
            memcpy(buffer, e.text.get(), size_t(e.length));
            buffer[e.length] = 0;
            e.cursor = e.length + 1;
            placecursor();
            return k;
        }
        if (iscancelkey(k)) {
            if (k == key::esc && hasblock()) {
                removeblock();
                redrawfield();
                continue;
            }
            gotoxy(1, e.startrow);
            return k;
        }
        leavefresh(k);
        if (extrakey(k)) {
            redrawsoon();
            continue;
        }
        bool plain = ismovement(k) && !shiftdown();
        editingkey(k);
        if (plain && !followcursor())
            placecursor();
        else
            redrawsoon();
    }
}

keycode lineeditor::lineedit(char* buffer)
{
    caretstate caret = getcaret();
    if (!begin(buffer)) {
        dropsettings();
        lastinputkey = 0;
        return 0;
    }
    keycode k = run(buffer);
    linestate& e = edit();
    if (wherexwin() != 1)
        newline();
    e.endpos = {wherex(), wherey()};
    dropsettings();
    nextinsert = insert;
    lastinputkey = k;
    if (!caret.on || caret.hidecount > 0)
        carethide();   // the caret is the edit's: it goes with it
    setcaret(caret);
    return k;
}

numlineeditor::numlineeditor(int16_t n) : lineeditor(n)
{
    nextinsert = false;
}

numlineeditor::~numlineeditor() = default;

bool numlineeditor::isfinishkey(keycode k)
{
    return k == key::enter || k == 328 || k == 336;
}

bool numlineeditor::isinsertable(keycode k)
{
    return k >= 32 && k <= 127;
}

void seteditrow(int16_t row)
{
    edit().startrow = std::max<int>(row, 1);
}

void editcolors(int text, int back, int clear, int blocktext, int blockback, int)
{
    int* p = edit().pendingcolors;
    p[0] = text;
    p[1] = back;
    p[2] = clear;
    p[3] = blocktext;
    p[4] = blockback;
}

void editmode(bool preselect)
{
    edit().pendingmode = preselect ? 1 : 2;
}

void setextraclip(const clipboard* extra)
{
    edit().extra = extra;
}

cellpos editendpos()
{
    return edit().endpos;
}

lineeditor* sharededitor(int16_t maxlen)
{
    if (!slot) {
        if (!ownededitor)
            ownededitor.reset(new (std::nothrow) lineeditor(maxlen));
        slot = ownededitor.get();
    }
    return slot;
}

editorslot::editorslot(lineeditor* e) : previous(slot)
{
    slot = e;
}

editorslot::~editorslot()
{
    slot = previous;
}

void editcleanup()
{
    slot = nullptr;
    ownededitor.reset();
    linestate& e = edit();
    e.text.reset();
    e.capacity = 0;
    for (int i = 1; i <= textclipboards; i++)
        textclipboard(i).clipfree();
}
