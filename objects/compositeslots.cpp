#include "objects/compositeslots.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <istream>
#include <new>
#include <ostream>
#include <span>

#include "formula/diagnostics.h"
#include "formula/letters.h"
#include "formula/markset.h"
#include "formula/parser.h"
#include "formula/recordio.h"
#include "formula/varman.h"
#include "objects/checkcomponent.h"
#include "objects/comment.h"
#include "objects/componentmenu.h"
#include "objects/compositenames.h"
#include "objects/compositeparts.h"
#include "objects/compositerecord.h"
#include "objects/context.h"
#include "objects/usagewarnings.h"
#include "screen/boxframe.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/linelist.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screen.h"
#include "screen/textlist.h"

namespace {
constexpr size_t keylinelength = 80;
constexpr size_t skiplength = 100;
constexpr int altf1 = 360;
}

compositeslots::compositeslots(int n, const slotinfo* slots, const letterinfo* added, int main,
                               const char* fingerprintorder, const char* menuorder)
    : nslots(n), info(slots), letter(added), mainslot(main), formulaslot(main), fporder(fingerprintorder),
      codeorder(menuorder)
{
}

compositeslots::compositeslots(const compositeslots& source)
    : compositefu(source), param(source.param), formulakey(source.formulakey), nslots(source.nslots), info(source.info), letter(source.letter),
      mainslot(source.mainslot), formulaslot(source.formulaslot), fporder(source.fporder), codeorder(source.codeorder)
{
    if (failed)
        return;
    nvalues = source.nvalues;
    if (!copycomponents(source.slot, slot, nslots, this)) {
        failed = 1;
        for (slotcomp*& c : slot) {
            delete c;
            c = nullptr;
        }
    }
}

compositeslots::~compositeslots()
{
    for (int i = 0; i < maxslots; i++) {
        delete slot[i];
        delete kept[i];
    }
}

bool compositeslots::complete()
{
    for (int i = 0; i < nslots; i++)
        if (!slot[i])
            return false;
    return !letter || isletter(param);
}

int compositeslots::countvalues()
{
    nvalues = 0;
    if (!complete())
        return 0;
    bool single = true;
    for (int i = 0; i < nslots; i++)
        single = slot[i]->countvalues() == 1 && single;
    nvalues = single ? 1 : 0;
    return nvalues;
}

void compositeslots::labelslots()
{
    for (int i = 0; i < nslots; i++)
        if (slot[i]) {
            slot[i]->label = info[i].label;
            slot[i]->description = info[i].description;
            slot[i]->owner = this;
        }
}

bool compositeslots::recordfingerprint()
{
    std::vector<slotcomp*> order;
    for (const char* p = fporder; *p; p++)
        order.push_back(slot[*p - '0']);
    return fingerprintcomponents(*this, order);
}

bool compositeslots::listcode()
{
    if (!isimplemented() || !complete()) {
        objnotimplemented();
        return false;
    }
    componentmenu menu{int16_t(nslots)};
    if (menu.failed)
        return false;
    menu.caption = displayname(this);
    for (const char* p = codeorder; *p; p++)
        menu.add(info[*p - '0'].codekey, slot[*p - '0']);
    return menu.run() != 0;
}

bool compositeslots::isargument(char c) const
{
    return c && std::strchr(argletters, c);
}

void compositeslots::copyargs(double* own, const double* args) const
{
    if (args && nargs > 0)
        std::memcpy(own, args, sizeof(double) * std::min<int>(nargs, limits::arglistlength));
}

std::string compositeslots::letterline(const char* format) const
{
    char text[80];
    std::snprintf(text, sizeof text, format, param);
    return text;
}

bool compositeslots::edititems(attrlines& lines)
{
    if (!complete())
        return false;
    bool ok = editoraddcomponent(lines, info[mainslot].editkey, slot[mainslot]);
    if (letter)
        ok = ok && additem(lines, 'X', letterline(letter->editline));
    for (int i = 0; ok && i < nslots; i++)
        if (i != mainslot)
            ok = editoraddcomponent(lines, info[i].editkey, slot[i]);
    return ok;
}

bool compositeslots::beginedit()
{
    if (!complete())
        return false;
    slotcomp* copies[maxslots] = {};
    bool ok = true;
    for (int i = 0; ok && i < nslots; i++)
        ok = (copies[i] = new (std::nothrow) slotcomp(slot[i])) && !copies[i]->failed;
    if (!ok || !fu1::beginedit()) {
        for (slotcomp* c : copies)
            delete c;
        return false;
    }
    for (int i = 0; i < nslots; i++) {
        delete kept[i];
        kept[i] = slot[i];
        slot[i] = copies[i];
    }
    keptparam = param;
    labelslots();
    componentedited = false;
    return true;
}

bool compositeslots::restoreedit(uint8_t withparser)
{
    for (int i = 0; i < nslots; i++) {
        if (!kept[i])
            continue;
        if (withparser) {
            delete slot[i];
            slot[i] = kept[i];
            kept[i] = nullptr;
        } else {
            slot[i]->assign(kept[i]);
        }
    }
    param = keptparam;
    labelslots();
    componentedited = false;
    fu1::restoreedit(withparser);
    if (!withparser)
        stamp = 0;   // the working copies compile again
    return false;
}

bool compositeslots::commitedit()
{
    for (slotcomp*& c : kept) {
        delete c;
        c = nullptr;
    }
    return fu1::commitedit();
}

int compositeslots::edit()
{
    newversion();
    return editcomposite(*this, [this](int code) { return editcommand(code); });
}

bool compositeslots::editcommand(int code)
{
    if (code == itemcode::argsedited) {
        if (letter && isargument(param)) {
            msgstyle(2);
            setboxtitle(" W A R N I N G ");
            tell(letter->newargs, param);
        }
        return false;
    }
    for (int i = 0; i < nslots; i++)
        if (code == info[i].editkey)
            return slot[i]->edit();
    if (code == 'X' && letter)
        return changeletter() != 0;
    return false;
}

char compositeslots::askletter()
{
    int key;
    do {
        cputs(letter->question);
        key = getkey();
        if (key == key::esc || key <= 0)
            return 0;
    } while (!isletter(key));
    while (isargument(char(key))) {
        cprintf("\n\r You can't use a character that is assigned to another task. \n\r \"%c\" has been declared as an argument. Please select:\n\n\r <1>               use it anyway \n\r <esc>             cancel \n\r <new character>   use instead \n",
                key);
        int answer = getkey();
        if (answer == '1')
            break;
        if (!isletter(answer))
            return 0;
        cputs("\n\r");
        key = answer;
    }
    param = char(key);
    return param;
}

char compositeslots::changeletter()
{
    char old = param;
    char caption[80];
    std::snprintf(caption, sizeof caption, "%s%c\") ", letter->caption, param);
    setboxtitle(caption);
    eschint(2);
    char chosen;
    {
        boxframe box(9, int16_t(screenrows() - 4), int16_t(screencols() - 9), int16_t(screenrows()));
        textcolor(colorof(88));
        textbackground(colorof(87));
        clrwindow(colorof(89));
        chosen = askletter();
    }
    if (chosen && chosen != old) {
        clearimplemented(this);
        componentedited = true;
        return chosen;
    }
    return 0;
}

bool compositeslots::askslots(const std::vector<int>& order)
{
    for (int i = 0; i < nslots; i++)
        if (!slot[i] && !(slot[i] = new (std::nothrow) slotcomp))
            return false;
    labelslots();
    for (int which : order)
        if (which < 0 ? !askletter() : !askcomponent(slot[which]))
            return false;
    return true;
}

bool compositeslots::lettercollides()
{
    if (!letter || !isargument(param))
        return false;
    diag->set(letter->collisioncode, diagstate::arguments, -1, letter->collision, param);
    return true;
}

bool compositeslots::beginimplement(uint8_t force, bool& result)
{
    result = false;
    if (!complete() || (!diag && !(diag = new (std::nothrow) diagnostics)))
        return false;
    if (force == 1 && isimplemented()) {
        result = true;
        return false;
    }
    stamp = 0;
    diag->clear();
    countvalues();
    return !lettercollides();
}

bool compositeslots::compileslot(int which, int force, markset& marks, bool single)
{
    slotcomp* c = slot[which];
    if (!c->compile(force, &marks))
        return false;
    if (single && c->nvalues != 1) {
        checkcomponent(c, 34);
        return false;
    }
    if (letter && marks.classof(param) != classundeclared) {
        checkcomponent(c, letter->misusecode, {param});
        return false;
    }
    return true;
}

bool compositeslots::compilewithletter(int which, int force, markset& marks, bool& mentioned)
{
    std::snprintf(extraargs, sizeof extraargs, "%s%c", argletters, param);
    slotcomp* c = slot[which];
    bool compiled = c->compile(force, &marks);
    extraargs[0] = 0;
    if (!compiled)
        return false;
    if (c->nvalues != 1) {
        checkcomponent(c, 34);
        return false;
    }
    int i = letterindex(param);
    mentioned = i >= 0 && marks.referenced[i];
    if (!mentioned)
        checkcomponent(c, letter->unmentionedcode, {param});
    return true;
}

void compositeslots::endimplement(markset& marks, bool warn)
{
    if (warn)
        usagewarnings(marks, this);
    setimplemented();
    dropunusedstore(*this, marks, std::span(slot, size_t(nslots)));
}

namespace {
// The view page's keys: v leaves it as Enter does.
int viewkeys(int key)
{
    return key == 'v' ? key::enter : key;
}

// F1 on the view page; Alt-F1 there shows the list help.
void viewhelp()
{
    for (;;) {
        msgstyle(3);
        setboxtitle(" Help on <v>iew ");
        int key = msgbox("\n You are executing the <v>iew command for a user \n\r defined function. \n\r There is no editing option here. \n\n\r Use the vertical arrow keys for scrolling the list. \n\r Press <alt>+<F1> to find out on printing options. \n\r Read \"ref2.wri\" for all about editing functions. \n\r Learn all about composite functions like this one \n\r from \"composit.wri\". \n\r Find all about user defined functions in \"lib2.wri\", \n\r or on language details in \"syntax.wri\". \n\r");
        if (key != altf1)
            return;
        showlisthelp();
    }
}
}

int compositeslots::showslots(std::vector<std::string> lines)
{
    if (!complete())
        return 0;
    linelist head;
    viewheader(*this, head);
    std::vector<std::string> all;
    for (int i = 1; i < head.count; i++) {
        std::string line = head.text(i);
        if (line.empty() || line.back() != '\r')
            line += "\n\r";
        all.push_back(line);
    }
    lines.insert(lines.begin(), all.begin(), all.end());
    if (hascomment())
        lines.push_back(std::string("\n\r") + note->text());
    pagecolors(171);
    textlistkeyhook = viewkeys;
    textlisthelphook = viewhelp;
    int key = showtextpage(longname(), 11, lines, 20, 7);
    resettextlisthooks();
    return key;
}

void compositeslots::save(std::ostream& out)
{
    if (!complete())
        return;
    writetag(out);
    writeheader(out);
    saveargsandstore(out, *this);
    if (letter)
        out << letter->recordkey << '\n' << param << '\n';
    for (int i = 0; i < nslots; i++) {
        out << (i == formulaslot && formulakey ? "@FORMULA" : info[i].recordkey) << '\n';
        slot[i]->save(out);
    }
    writeend(out);
}

slotcomp* readslotcomponent(std::istream& in, const char* where)
{
    slotcomp* c = new (std::nothrow) slotcomp;
    if (c && c->learn(in))
        return c;
    delete c;
    libreaderror("OUT OF MEMORY: readslotcomponent", where);
    return nullptr;
}

namespace {
bool startswith(const std::string& line, const char* key)
{
    return std::strncmp(line.c_str(), key, std::strlen(key)) == 0;
}
}

bool compositeslots::learnargline(std::istream& in)
{
    std::string line;
    bool cut = false;
    readrecordline(in, line, limits::arglistlength, &cut);
    if (cut || int(line.size()) > maxargs())
        return false;
    std::snprintf(argletters, sizeof argletters, "%s", line.c_str());
    nargs = int16_t(std::strlen(argletters));
    return true;
}

// Keys in any order; "@FORMULA" names the kind's formula slot.
bool compositeslots::learn(std::istream& in)
{
    std::string where = tag() + 2;
    for (char& c : where)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    where += "::learn";
    if (!readheader(in))
        return false;
    std::string line;
    while (readrecordline(in, line, keylinelength)) {
        if (startswith(line, "@@END")) {
            countvalues();
            return true;
        }
        if (startswith(line, "@ARGS")) {
            if (!learnargline(in))
                return false;
            continue;
        }
        if (startswith(line, "@@VARMAN")) {
            if (!learnstore(in, *this))
                return false;
            continue;
        }
        if (letter && startswith(line, letter->recordkey)) {
            readrecordline(in, line, skiplength);
            size_t first = line.find_first_not_of(" \t");
            param = first == std::string::npos ? 0 : line[first];
            continue;
        }
        int which = startswith(line, "@FORMULA") ? formulaslot : -1;
        for (int i = 0; which < 0 && i < nslots; i++)
            if (startswith(line, info[i].recordkey))
                which = i;
        if (which < 0) {
            libreaderror(line.c_str(), where.c_str());
            return false;
        }
        if (which == formulaslot)
            formulakey = startswith(line, "@FORMULA");
        delete slot[which];
        if (!(slot[which] = readslotcomponent(in, where.c_str())))
            return false;
        labelslots();
    }
    return false;
}
