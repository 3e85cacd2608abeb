#include "objects/varlist.h"

#include <algorithm>
#include <string>

#include "formula/evalstate.h"
#include "formula/markset.h"
#include "formula/varman.h"
#include "objects/fu.h"
#include "objects/pickvariable.h"
#include "objects/varedit.h"
#include "objects/viewable.h"
#include "screen/boxsettings.h"
#include "screen/lineeditor.h"
#include "screen/msgbox.h"
#include "screen/screen.h"
#include "screen/textlist.h"

namespace {

constexpr int keyf1 = 315;

const char legend[] = "  <e> edit   <v> view function                 <esc> <enter> close  \n\r"
                      "  <w> edit other variable                                <F1> help ";

// Letters in the order a, A, b, B, ... z, Z.
char nthletter(int i)
{
    return char(i % 2 ? 'A' + i / 2 : 'a' + i / 2);
}

bool hasclass(const varman* store, char letter)
{
    return store && store->classof(letter);
}

const char* classtext(char cls)
{
    switch (cls) {
    case classconst: return "#const ";
    case classglobal: return "#global";
    case classstatic: return "#static";
    default: return "Scheiss";
    }
}

// Runs a window over the records of the reference list, when there are any.
bool showrefs(const char* caption, varman* store, varhelpfn help)
{
    std::vector<varref> records = sortedrefs(usagerefs());
    return showrecords(records, caption, store, help);
}

}  // namespace

bool showrecords(std::vector<varref>& records, const char* caption, varman* store, varhelpfn help)
{
    if (records.empty())
        return false;
    setboxtitle(caption);
    varlistwindow window(records, 0, int32_t(records.size()) - 1, store, help);
    if (!window.bad)
        window.run();
    return true;
}

void addglobals(varreflist& list)
{
    for (char c = 'A'; c <= 'z'; c = c == 'Z' ? 'a' : char(c + 1))
        if (hasclass(shared.globals, c))
            list.addref(c, false, false, classglobal, nullptr);
}

bool mustset(const varref& r)
{
    return r.varclass == classglobal && r.referenced && !hasclass(shared.globals, r.letter);
}

varlistwindow::varlistwindow(std::vector<varref>& recs, int32_t first, int32_t last, varman* store, varhelpfn help)
    : list2way(1, 10, 68, int16_t(screenrows()), first, last, 2, legend, 14, 1, 8, 15, 16, 3), records(recs),
      varstore(store), helpfn(help)
{
    if (!bad)
        showfrom(first);
}

void varlistwindow::formatline()
{
    const varref& r = records[size_t(current)];
    const varman* store = r.varclass == classglobal ? shared.globals
                          : r.object                ? r.object->ownvars
                                                    : varstore;
    if (r.varclass != classglobal && r.varclass != classstatic && r.varclass != classconst)
        store = nullptr;
    char value[40];
    if (!store)
        snprintf(value, sizeof value, "(not found)");
    else if (r.varclass != classglobal || hasclass(store, r.letter))
        snprintf(value, sizeof value, "%15g", store->value(r.letter));
    else
        snprintf(value, sizeof value, "   undefined   ");
    std::string owner = r.object                      ? r.object->fullname()
                        : r.defined || r.referenced ? " (used in calculator formula)"
                                                    : " (unused)";
    linef(" %7s %c %s %-35s %c%c ", classtext(r.varclass), r.letter, value, owner.c_str(), r.defined ? 'D' : '-',
          r.referenced ? 'R' : '-');
}

void varlistwindow::lineshown(int32_t a, int32_t b)
{
    a = std::clamp(a, first, last);
    b = std::clamp(b, first, last);
    auto normal = [&](int32_t i) { return mustset(records[size_t(i)]) ? colorpair{16, 14} : colorpair{8, 15}; };
    auto bar = [&](int32_t i) { return mustset(records[size_t(i)]) ? colorpair{16, 10} : colorpair{16, 3}; };
    colors.normal = normal(a);
    colors.highlight = bar(b);
    colors.normalopened = normal(b);
    colors.highlightopened = bar(a);
}

void varlistwindow::filterkey(int& key)
{
    if (key == keyf1 && helpfn)
        helpfn();
}

void varlistwindow::otherkey(int& key)
{
    const varref& r = records[size_t(current)];
    if (key == 'e') {
        editrecords();
    } else if (key == 'v' && r.object) {
        if (auto* shown = dynamic_cast<viewable*>(r.object))
            shown->show();
    } else if (key == 'w') {
        pickvariable();
        redraw();
    }
}

// Up and Down end an edit, move the bar and edit the next record.
void varlistwindow::editrecords()
{
    do {
        lastinputkey = 0;
        editrecord(records[size_t(current)]);
    } while (stepedit(lastinputkey));
}

void varlistwindow::editrecord(const varref& r)
{
    if (r.varclass == classglobal) {
        varedit(r.letter, nullptr);
    } else if (r.object) {
        varedit(r.letter, r.object);
        clearimplemented(r.object);
    } else if (varstore) {
        vareditstore(r.letter, varstore);
    } else {
        msgbox("\n Sorry, cannot access \n", 800);
    }
}

void showglobalvariables()
{
    usagerefs().clear();
    addglobals(usagerefs());
    if (!showrefs(" Global Variable List ", nullptr, showreflisthelp))
        msgbox("\n No variables defined so far \n", 700);
}

void showvariablesof(fu* object)
{
    clearimplemented(object);
    object->implement(1, 0);
    addglobals(usagerefs());
    std::string name = object->fullname();
    std::string caption = " Variables as seen by \"" + name + "\" ";
    if (!showrefs(caption.c_str(), object->ownvars, showlocallisthelp))
        tell("\n No variables yet, neither in function \"%s\" \n\r nor in global scope\n", name.c_str());
}

int16_t listvariables(const varman* local, const varman* global)
{
    textpage page;
    page.setbounds(40, 15, int16_t(screencols()), int16_t(screenrows()));
    for (int i = 0; i < limits::variablecount; i++) {
        char c = nthletter(i);
        if (hasclass(local, c))
            page.addlinef(" %c  %24.15g  (%-s) ", c, local->value(c), markset::classname(local->classof(c)));
        else if (hasclass(global, c))
            page.addlinef(" %c  %24.15g  (global) ", c, global->value(c));
    }
    if (page.isempty())
        return 0;
    textlisthelphook = showvarlisthelp;
    setfootercode(11);
    page.show(1);
    return listkey;
}

std::string unusedarguments(const markset& marks)
{
    std::string letters;
    for (int i = 0; i < limits::variablecount; i++) {
        char c = nthletter(i);
        if (marks.classof(c) == classargument && !marks.referenced[c <= 'Z' ? c - 'A' : c - 'a' + 26])
            letters += c;
    }
    return letters;
}
