#include "objects/contextlist.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <strings.h>

#include "formula/evalstate.h"
#include "formula/slist.h"
#include "objects/context.h"
#include "objects/contexthelp.h"
#include "objects/diagshow.h"
#include "objects/fu1.h"
#include "objects/librarylist.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/menustate.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/popup.h"
#include "screen/screen.h"

bool showforeignlibrary = false, databaseisopen = false;
bool (*createcalculator)(fu1* object) = nullptr;
int revolvercalculator = 0;

namespace contextstate {
bool sorted = true;
int32_t remembered = 1;
}

void contextline(char* buffer, size_t size, long number, const fu1& object)
{
    char values[16] = "    ";
    if (object.nvalues <= 0)
        std::snprintf(values, sizeof values, " ?");
    else if (object.nvalues != 1)
        std::snprintf(values, sizeof values, "#%d", int(object.nvalues));
    std::snprintf(buffer, size, "%4d %30s%-4s%11s%3d  %c %c%c%c", int(number), object.name, values,
                  object.shortname(), int(object.nargs), object.origin != 0 ? '*' : ' ',
                  object.isimplemented() ? 'i' : '-', object.hascomment() ? 'C' : '-', object.ownvars ? 'V' : '-');
}

void libraryline(char* buffer, size_t size, long number, const char* name)
{
    std::snprintf(buffer, size, " %4d  %20s", int(number), name ? name : "");
}

namespace {

bool byname(const fu1* a, const fu1* b)
{
    int c = strcasecmp(a->name, b->name);
    if (c != 0)
        return c < 0;
    if (a->nargs != b->nargs)
        return a->nargs < b->nargs;
    return a->nvalues < b->nvalues;
}

std::vector<fu1*> residentobjects()
{
    std::vector<fu1*> all;
    for (listnode* node = context ? context->head : nullptr; node; node = node->next)
        all.push_back(static_cast<fu1*>(node));
    return all;
}

}  // namespace

contextlist::contextlist(int kind_, int16_t left, int16_t top, int16_t right, int roles)
    : list2way(left, top, right, int16_t(screenrows()), 1, 1, 0, nullptr, uint8_t(colorof(roles)),
               uint8_t(colorof(roles + 1)), colorof(roles + 2), colorof(roles + 3), colorof(roles + 4),
               colorof(roles + 5)),
      kind(kind_)
{
}

contextlist::contextlist(int kind_)
    : contextlist(kind_, kind_ == 3 ? 17 : 1, 10, kind_ == 3 ? int16_t(screencols()) : 64, kind_ == 3 ? 224 : 181)
{
    cancreatecalc = kind_ == 1 && !databaseisopen;
    databaseisopen = false;
}

fu1* contextlist::objectat() const
{
    return current >= 1 && size_t(current) <= lines.size() ? lines[size_t(current) - 1] : nullptr;
}

void contextlist::formatline()
{
    if (const fu1* object = objectat())
        contextline(linebuf.get(), size_t(bufsize), current, *object);
    else
        linebuf[0] = 0;
}

bool contextlist::fillfrom(const std::vector<fu1*>& list)
{
    lines = list;
    if (lines.empty()) {
        failed = true;
        return false;
    }
    if (contextstate::sorted)
        std::stable_sort(lines.begin(), lines.end(), byname);
    first = 1;
    last = int32_t(lines.size());
    current = std::clamp(current, first, last);
    return true;
}

bool contextlist::refill()
{
    return fillfrom(residentobjects());
}

void contextlist::showobject(const fu1* object, int32_t line)
{
    auto at = std::find(lines.begin(), lines.end(), object);
    showfrom(at != lines.end() ? int32_t(at - lines.begin()) + 1 : std::clamp(line, first, last));
}

complist::complist(componentlist& list, const char* flags, void (*helpfn)())
    : contextlist(2, 17, 12, int16_t(screencols()), 191),
      components(list),
      candelete(std::strchr(flags, '/') != nullptr),
      canedit(std::strchr(flags, 'e') != nullptr),
      help(helpfn)
{
    cancreatecalc = false;
    databaseisopen = false;
}

bool complist::refill()
{
    return fillfrom(components);
}

// The window of a list made after its caption and footer were set.
namespace {
void setlistbox(const char* title, const char* footer)
{
    setboxtitle(title);
    setfootertext(footer);
}
}

int showcontext(fu* shown)
{
    const fu1* object = static_cast<const fu1*>(shown);
    const char* name = libraryname(currentlibrary);
    if (!context || context->count == 0) {
        setfootercode(10);
        tell("\n empty context: \"%s\" \n", name ? name : "");
        return 0;
    }
    setfootercode(7);
    int kind = showforeignlibrary ? 3 : 1;
    showforeignlibrary = false;
    char title[80];
    if (kind == 3) {
        setboxcolors(0, 0, colorof(230), colorof(231), colorof(232));
        std::snprintf(title, sizeof title, " Contents of %s ", name ? name : "");
    } else {
        setboxcolors(0, 0, colorof(187), colorof(188), colorof(189));
        std::snprintf(title, sizeof title, " Currently resident Objects (%s) ", name ? name : "");
    }
    setlistbox(title, " <F1> explains keys ");
    contextlist list(kind);
    if (!list.refill()) {
        msgstyle(1);
        msgbox(kind == 1 ? "\n There are no user defined objects in memory ! \n" : "\n Empty context ! \n");
        return 0;
    }
    list.showobject(object, contextstate::remembered);
    int32_t line = list.run();
    if (line != 0)
        contextstate::remembered = line;
    return line;
}

int showcontextat(const char* name, int nargs, int nvalues)
{
    fu1* object = name && context ? findresident(*context, name, nargs, nvalues) : nullptr;
    if (name && !object) {
        setfootercode(10);
        msgstyle(1);
        msgbox("\n the requested object is not resident! \n\r (you probably have renamed or deleted it) \n");
    }
    return showcontext(object);
}

void showcomponentlist(componentlist& list, const char* title, const char* flags, void (*help)())
{
    setfootercode(7);
    setlistbox(title, " <F1> explains keys ");
    complist window(list, flags, help);
    if (!window.refill())
        return;
    window.showfrom(1);
    window.run();
}

void showcomponents(fu1* object)
{
    componentlist called;
    if (!calledcomponents(object, called)) {
        readdiagnostics(object, true);
        return;
    }
    if (called.size() < 2) {
        msgbox("\n This formula has no user defined components ! \n");
        return;
    }
    char title[80];
    std::snprintf(title, sizeof title, " components of \"%s\" ", object->fullname().c_str());
    setboxcolors(0, 0, 15, 15, 15);
    showcomponentlist(called, title, "e", componentlisthelp);
}

libfilelist::libfilelist()
    : list2way(22, 9, int16_t(screencols() - 21), int16_t(screenrows()), 1, std::max(1, librarycount()), 0,
               nullptr, uint8_t(colorof(215)), uint8_t(colorof(216)), colorof(217), colorof(218), colorof(219),
               colorof(220))
{
}

void libfilelist::formatline()
{
    libraryline(linebuf.get(), size_t(bufsize), current, libraryname(current));
}

int libfilelist::choose()
{
    showfrom(std::clamp(currentlibrary, first, last));
    return run();
}

void libfilelist::close()
{
    box.reset();
}

int listlibraries()
{
    setboxcolors(0, 0, colorof(221), colorof(222), colorof(223));
    setboxtitle(" List of all Library Files ");
    setfootercode(10);
    libfilelist list;
    return list.choose();
}

void infohelp(const char* text, int16_t column, int16_t row)
{
    menus().disable(helpmenuitem);
    setboxtitle(" I N F O ");
    msgstyle(3);
    if (column > 0)
        setpopupx(column);
    if (row > 0)
        setpopupy(row);
    msgbox(text);
    menus().enable(helpmenuitem);
}
