#include "objects/funceditor.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "formula/diagnostics.h"
#include "objects/comment.h"
#include "objects/context.h"
#include "objects/diagshow.h"
#include "objects/edithooks.h"
#include "objects/fu1.h"
#include "objects/install.h"
#include "objects/namesyntax.h"
#include "objects/slotcomp.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/hoststate.h"
#include "screen/inputdialogs.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/msgbuffer.h"
#include "screen/palette.h"

namespace {

constexpr int boundleft = 6, boundtop = 7, rightmargin = 20, listwidth = 40;
constexpr int formularow = 6;

const char* const fu1keys =
    "\n Just move the bar to the item you wish to edit and \n\r then push <e> or the space bar. \n\r Further commands: \n\n\r"
    " <enter>      done \n\r <esc>        cancel \n\r <i>          run test implementation \n\r <backspace>  undo all changes \n\r";
const char* const growablekeys =
    "\n Just move the bar to the item you wish to edit and \n\r then push <e> or the space bar. \n\r Further commands: \n\n\r"
    " <enter>      done \n\r <esc>        cancel \n\r <i>          run test implementation \n\r <backspace>  undo all changes \n\n\r"
    " <Ins>          insert new component(s) \n\r <Del>          delete component(s)\n\r"
    " <shift>+<F10>  copy component to transfer clipboard \n\r <F10>          overwrite with (fitting) clipboard component \n";
const char* const discardtext = "\n You are discarding all changes you made. \n\n\r <1>     OK\n\r <esc>   no\n";

void keyreference(const char* text)
{
    setboxtitle(" Key Reference: Function Editor ");
    msgbox(text);
}
void fu1help() { keyreference(fu1keys); }
void growablehelp() { keyreference(growablekeys); }

// The text list that ends on the editor's command keys.
class functioneditorlist : public textlist {
public:
    functioneditorlist(int16_t l, int16_t t, int16_t r, int16_t b, attrlines& a)
        : textlist(l, t, r, b, a.lines, 1, a.count - 1, a.prefixbytes), items(a)
    {
    }

    void filterkey(int& key) override
    {
        static const int ending[] = {key::backspace, key::enter, key::esc, '+', 'i', key::f10, 338, 339, 349};
        if (std::find(std::begin(ending), std::end(ending), key) != std::end(ending)) {
            result = key;
            key = key == key::esc ? key::esc : key::enter;
        } else if (key == 'e' || key == 'E' || key == ' ') {
            result = int(items.getattr(current));
            key = key::enter;
        } else {
            textlist::filterkey(key);
        }
    }

    attrlines& items;
    int result = 0;
};

bool fill(fu1& object, attrlines& lines)
{
    const char* context = libraryname(object.origin);
    std::string note = object.hascomment() ? object.note->text() : "Comment: none";
    return lines.additem(itemcode::name, ("Function: " + object.fullname() + "\n\r").c_str()) &&
           lines.additem(itemcode::arguments, (object.nargs ? arglisttext(object) : "()").c_str()) &&
           lines.additem(itemcode::context, (std::string("Context: ") + (context ? context : "?") + "\n\n\r").c_str()) &&
           object.edititems(lines) && lines.additem(itemcode::comment, note.c_str());
}

void editcomment(fu1& object, attrlines& lines)
{
    if (!object.note && !(object.note = new (std::nothrow) comment)) {
        msgfailed();
        return;
    }
    if (object.note->editfor(&object) == key::enter) {
        editstate.changed = true;
        lines.clear();
    }
}

void testimplement(fu1& object)
{
    clearimplemented(&object);
    object.implement(1, 0);
    const diagnostics* d = collectorof(&object);
    bool message = d && d->state != diagstate::none && d->code != 0;
    readdiagnostics(&object, true);
    if (!message)
        okbox();
}

// The formula item of a fu1: true when a new formula was stored.
bool editformula(fu1& object)
{
    setboxtitle(" edit a function ");
    setfootertext(" <enter> done   <esc> cancel ");
    setboxcolors(12, 6, 14, 14, 14);
    boxframe box(1, formularow, int16_t(screencols()), int16_t(screenrows()));
    writeat(object.signature().c_str(), wherex(), wherey(), 14, 6);
    gotoxy(1, 3);
    std::vector<char> text(limits::formulalength + 1, 0);
    strncpy(text.data(), object.text(), limits::formulalength);
    if (lineinput(text.data(), limits::formulalength) == key::esc || !text[0])
        return false;
    char letters[sizeof object.argletters];
    memcpy(letters, object.argletters, sizeof letters);
    if (!object.setformula(text.data(), letters))
        return false;
    editstate.changed = true;
    return true;
}

int exitquestion(const char* caption)
{
    menus().abortflag = false;
    if (caption)
        setboxtitle(caption);
    return msgbox(discardtext);
}

// Enter after changes: '1' save, '0' discard, other keys resume.
int finishquestion(fu1& object)
{
    menus().abortflag = false;
    if (!object.isimplemented()) {
        object.implement(1, 0);
        readdiagnostics(&object, true);
    }
    setboxtitle(" exit editor ");
    msgbuffer m(0, 0, 0, 0, 2048);
    m.addf("%s", object.isimplemented() ? "\n The new version is OK. \n\r" : "\n Implementation of the new version: failed. \n\r");
    m.addf("\n Make your choice:\n\n\r");
    m.addf(" <1>    save the changes\n\r");
    m.addf(" <0>    discard the changes, keep former version \n\r");
    m.addf(" <e>    resume editing\n");
    return m.show();
}

}  // namespace

int buildeditlist(attrlines& lines)
{
    lines.box.reset();
    setboxcolors(colorof(111), colorof(112), colorof(113), colorof(114), colorof(115));
    setlistcolors(colorof(116), colorof(117), colorof(118), colorof(119));
    int n = lines.count, w = lines.width;
    int left = std::max<int>(lines.left, (lines.right - 1 - w) / 2 + 1);
    int spare = lines.bottom - lines.top + 1 - n;
    int top = lines.top + (spare >= 0 ? spare / 2 : 0);
    int right = std::min<int>(left + 1 + w, lines.right);
    int bottom = std::min<int>(top + n, lines.bottom);
    std::unique_ptr<functioneditorlist> list(new (std::nothrow) functioneditorlist(
        int16_t(left), int16_t(top), int16_t(right), int16_t(bottom), lines));
    if (!list || list->bad)
        return 0;
    if (lines.help)
        textlisthelphook = lines.help;
    list->showfrom(lines.itemline());
    list->run();
    lines.selectitem(int(list->current));
    int result = list->result;
    lines.box = std::move(list);
    return result;
}

namespace {
uint32_t itemunderbar = 0;
}

uint32_t editoritem()
{
    return itemunderbar;
}

int edititemloop(fu1& object, attrlines& lines)
{
    for (;;) {
        if (lines.isempty() && !fill(object, lines))
            return 0;
        object.edittitle();
        int result = buildeditlist(lines);
        itemunderbar = lines.item;
        switch (result) {
        case 0:
            msgfailed();
            return key::esc;
        case itemcode::comment:
            editcomment(object, lines);
            break;
        case itemcode::name:
            tell("\n The name cannot be changed from here, instead: \n\r go back to the context list, then <r>ename! \n");
            break;
        case itemcode::context:
            tell("\n You cannot change the context (location) from here. \n\r Use the <m>ove-command of the user function database! \n");
            break;
        case 'i':
            testimplement(object);
            break;
        default:
            return result;
        }
    }
}

namespace {
// The questions of a way out: the discard confirmation (caption, null for
// the plain one) and, after changes, the choice on Enter.
struct exitquestions {
    int (*discard)(const char* caption);
    int (*finish)(fu1& object);
    // Whether the object has a formula of its own (item 'F'); a composite
    // kind's items are all its own.
    bool formulaitem;
};

// The composite kinds ask with the exit-editing choice.
int compositediscard(const char*)
{
    return exitchoice(0);
}

int compositefinish(fu1& object)
{
    menus().abortflag = false;
    if (!object.isimplemented()) {
        object.implement(1, 0);
        readdiagnostics(&object, true);
    }
    return exitchoice(object.isimplemented() ? 1 : 2);
}

bool editloop(fu1& object, const itemcommand& command, bool growable, const exitquestions& ask)
{
    attrlines lines;
    lines.item = itemcode::formula;
    lines.help = growable ? growablehelp : fu1help;
    lines.setbounds(boundleft, boundtop, int16_t(screencols() - rightmargin), int16_t(screenrows()));
    lines.width = listwidth;
    if (lines.failed || !object.beginedit())
        return false;
    for (;;) {
        int result = edititemloop(object, lines);
        switch (result) {
        case itemcode::arguments:
            if (editarguments(object)) {
                lines.clear();
                if (command)
                    command(itemcode::argsedited);
            }
            break;
        case itemcode::formula:
            if (ask.formulaitem) {
                if (editformula(object))
                    lines.clear();
                break;
            }
            [[fallthrough]];
        default:
            if (command && command(result)) {
                editstate.changed = true;
                lines.clear();
            }
            break;
        case key::backspace:
            if (ask.discard(nullptr) == '1') {
                object.restoreedit(0);
                lines.clear();
            }
            break;
        case key::esc:
            // A closing window answers every key with Esc: nobody is left
            // to answer the question, the former version stays.
            if (!editstate.changed || host().stop || ask.discard(" exit editor ") == '1') {
                object.restoreedit(1);
                return false;
            }
            break;
        case key::enter: {
            if (!editstate.changed) {
                object.restoreedit(1);
                return false;
            }
            int choice = ask.finish(object);
            if (choice == '1')
                return object.commitedit();
            if (choice == '0') {
                object.restoreedit(1);
                return false;
            }
            break;
        }
        }
    }
}
}  // namespace

bool editfunction(fu1& object, const itemcommand& command, bool growable)
{
    return editloop(object, command, growable, {exitquestion, finishquestion, true});
}

bool editcomposite(fu1& object, const itemcommand& command, bool growable)
{
    return editloop(object, command, growable, {compositediscard, compositefinish, false});
}

void seteditcaption(const char* caption)
{
    setboxtitle(caption);
}

bool additem(attrlines& lines, int code, const std::string& text)
{
    return lines.additem(uint32_t(code), text.c_str());
}

bool endeditcheck(fu1& object, int mode)
{
    if (object.nargs != editstate.nargs || object.nvalues != editstate.nvalues)
        checkidentity(object, mode);
    return true;
}

int editline(std::string& text, int limit, const char* title)
{
    std::vector<char> buffer(size_t(limit) + 1, 0);
    strncpy(buffer.data(), text.c_str(), size_t(limit));
    int k = keyedinput(buffer.data(), int16_t(limit), 0, title);
    if (k == key::enter)
        text = buffer.data();
    return k;
}
