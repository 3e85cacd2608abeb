#include "screen/mathedit.h"

#include <cstring>
#include <memory>
#include <new>

#include "base/limits.h"
#include "formula/parser.h"
#include "screen/boxsettings.h"
#include "screen/clipboard.h"
#include "screen/hooks.h"
#include "screen/inputdialogs.h"
#include "screen/linestate.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/popup.h"

namespace {

constexpr int reportsize = 2048;

int bracket(char c)
{
    if (c == '(' || c == '[' || c == '{')
        return 1;
    if (c == ')' || c == ']' || c == '}')
        return -1;
    return 0;
}

void bracketreport(int right, int left)
{
    msgbuffer m(0, 0, 0, 0, reportsize);
    m.addf("\n\r");
    if (right > 0)
        m.addf(" %d extra left bracket(s) in right part \n\r", right);
    if (left > 0)
        m.addf(" %d extra right bracket(s) in left part \n\r", left);
    if (right <= 0 && left <= 0) {
        if (right < left)
            m.addf(" %d too many right bracket(s) in formula ! \n\r", left - right);
        else if (right == left)
            m.addf(" cursor is at ()-level %d \n\r", -left);
        else
            m.addf(" %d too many left bracket(s) in formula ! ", right - left);
    }
    m.show();
}

// Moves onto the matching bracket; with Shift both brackets and what lies
// between them become the block.
void jumpto(int match)
{
    linestate& e = edit();
    if (shiftdown()) {
        e.anchor[0] = std::min(e.cursor, match);
        e.anchor[1] = std::max(e.cursor, match) + 1;
        e.marking = true;
        e.cursor = match;
    } else {
        moveto(match);
    }
}

std::unique_ptr<mathedit> mathinstance;
std::unique_ptr<notepadedit> notepadinstance;

}  // namespace

mathedit::mathedit(int16_t n) : lineeditor(n)
{
    preselect = false;
}

mathedit::~mathedit() = default;

bool mathedit::isinsertable(keycode k)
{
    return k >= 32 && k <= 127;
}

bool mathedit::extrakey(keycode k)
{
    if (k != key::tab && k != key::shifttab)
        return lineeditor::extrakey(k);
    matchbracket();
    return true;
}

int mathedit::scanright(int v, int& pos) const
{
    const linestate& e = edit();
    int level = v;
    for (pos = e.cursor + 1; pos <= e.length; pos++) {
        level += bracket(e.text[pos - 1]);
        if (v > 0 && level == 0)
            return level;
    }
    return level;
}

int mathedit::scanleft(int v, int& pos) const
{
    const linestate& e = edit();
    int level = v;
    for (pos = e.cursor - 1; pos >= 1; pos--) {
        level -= bracket(e.text[pos - 1]);
        if (v > 0 && level == 0)
            return level;
    }
    return level;
}

void mathedit::matchbracket()
{
    const linestate& e = edit();
    if (e.cursor > e.length)
        return;
    int kind = bracket(e.text[e.cursor - 1]), pos = 0;
    if (kind == 0) {
        int right = scanright(0, pos), left = scanleft(0, pos);
        bracketreport(right, left);
        return;
    }
    int level = kind > 0 ? scanright(1, pos) : scanleft(1, pos);
    if (level != 0) {
        msgstyle(1);
        msgbox("\n Unmatched parenthesis ! \n");
        return;
    }
    jumpto(pos);
}

int mathedit::helpscreen()
{
    menus().disable(helpmenuitem);
    setboxtitle(" Key Reference - Math Editor ");
    msgbuffer m(0, 0, 0, 0, reportsize);
    m.addf("\n <Ins>    insert <--> overstrike mode \n\r <PgUp>   delete after cursor \n\r"
           " <PgDn>   delete before cursor \n\r <tab>    find matching parenthesis \n\r"
           " <enter>  done \n\r <esc>    cancel \n\r");
    blockhelp(m);
    int k = m.show();
    menus().setmode();
    return k;
}

notepadedit::notepadedit(int16_t n) : mathedit(n) {}

notepadedit::~notepadedit() = default;

bool notepadedit::extrakey(keycode k)
{
    if (k == 317)
        recognize(inputparser().answer);
    return mathedit::extrakey(k);
}

bool notepadedit::helpkey(keycode k)
{
    if ((k == key::enter || k == key::esc) && hasblock()) {
        removeblock();
        redrawfield();
        return k == key::esc;
    }
    return lineeditor::helpkey(k);
}

int notepadedit::helpscreen()
{
    msgstyle(3);
    setboxtitle(" I N F O ");
    setpopupy(1);
    setpopupwidth(0);
    popup info(
        "\n This is the calculation notepad. \n\r It is used like a pocket calculator. Enter any expressions \n\r"
        " for evaluation. Use \"ans\" in expressions to refer to the \n\r"
        " latest value calculated. Use <F5>..<F9> to insert contents \n\r"
        " from the text clipboard, <F10> to paste back the latest \n\r"
        " input, or <F3> to run the recognizer on the latest value. \n\r"
        "   The notepad contents are not saved and cannot be printed. \n\r"
        " To assign results to global variables use the \"a=\" syntax. \n\n\r"
        " For an editor key reference press <F1> now. \n\r");
    // The key that closes the key reference counts as the next answer.
    keycode k = getkey();
    while (k == key::f1) {
        setpopupwidth(0);
        setpopupheight(0);
        k = mathedit::helpscreen();
    }
    return k;
}

void makeeditors()
{
    mathinstance.reset(new (std::nothrow) mathedit(limits::formulalength));
    notepadinstance.reset(new (std::nothrow) notepadedit(limits::formulalength));
}

void dropeditors()
{
    mathinstance.reset();
    notepadinstance.reset();
}

mathedit* matheditor()
{
    return mathinstance.get();
}

notepadedit* notepadeditor()
{
    return notepadinstance.get();
}

void recognize(double value)
{
    if (auto hook = screenhook().recognize)
        hook(value);
}
