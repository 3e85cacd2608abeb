#include "objects/dabalist.h"

#include <algorithm>
#include <cstdio>

#include "objects/context.h"
#include "objects/dabacommands.h"
#include "objects/excerpt.h"
#include "objects/fudaba.h"
#include "screen/boxsettings.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/palette.h"
#include "screen/screen.h"

void dabaline(char* buffer, size_t size, long index, const dabarec& e)
{
    const char* library = libraryname(e.library);
    if (!library)
        library = "";
    if (e.values == 1)
        std::snprintf(buffer, size, "%5ld %30s      (%4d) %12s", index, e.name, int(e.arguments), library);
    else
        std::snprintf(buffer, size, "%5ld %30s#%-4d (%4d) %12s", index, e.name, int(e.values), int(e.arguments),
                      library);
}

dabaview::dabaview(const std::vector<dabarec*>& list, int16_t left, int16_t top, int16_t right, int roles)
    : list2way(left, top, right, int16_t(screenrows()), 1, int32_t(list.size()), 0, nullptr,
               uint8_t(colorof(roles)), uint8_t(colorof(roles + 1)), colorof(roles + 2), colorof(roles + 3),
               colorof(roles + 4), colorof(roles + 5)),
      entries(list)
{
}

dabarec* dabaview::entryat() const
{
    return current >= 1 && size_t(current) <= entries.size() ? entries[size_t(current) - 1] : nullptr;
}

void dabaview::formatline()
{
    if (const dabarec* e = entryat())
        dabaline(linebuf.get(), size_t(bufsize), current, *e);
    else
        linebuf[0] = 0;
}

void dabaview::showat(long i)
{
    last = int32_t(entries.size());
    long end = std::max(0L, long(entries.size()) - 1);
    showfrom(int32_t(std::clamp(i, 0L, end)) + 1);
}

dabalist::dabalist(fudaba& owner) : dabaview(owner.entries, 10, 6, 73, 103), db(owner) {}

void dabalist::filterkey(int& key)
{
    switch (key) {
    case key::f1: dabakeyhelp(); break;
    case dabakeys::ins: dabacalculator(*this); break;
    case dabakeys::altf: db.remember(0, index()); return;
    case 'G': key = 'g'; return;
    case 'g': dabagoto(*this); break;
    case 'v': dabadisplay(entryat()); break;
    default: return;
    }
    key = nokey;
}

void dabalist::otherkey(int& key)
{
    if (key >= dabakeys::alt1 && key <= dabakeys::alt1 + 8) {
        db.remember(key - dabakeys::alt1 + 1, index());
        okbox();
        return;
    }
    if (key >= '0' && key <= '9') {
        dabarecall(*this, key - '0');
        return;
    }
    switch (key) {
    case 's': dabasort(*this); break;
    case 'm': dabacopy(*this, true); break;
    case 'c': dabacopy(*this, false); break;
    case dabakeys::del: dabaerase(*this); break;
    case 'f': dabafind(*this); break;
    case key::tab: dabatab(*this); break;
    }
}

void databasemainlist()
{
    if (!database)
        return;
    if (!databaseassistance) {
        msgstyle(1);
        msgbox("\n The database is deactivated. \n\r Reactivate with \"od\". ");
        return;
    }
    fudaba& db = *database;
    if (!db.update(db.position.mode, false)) {
        msgstyle(1);
        msgbox("\n Could not build database due to problems \n\r while reading the library files (aborted) \n");
        return;
    }
    if (db.count() == 0) {
        tell("\n No user defined functions or library files were found \n\r in %s \n\r",
             (workdirectory() + "/").c_str());
        return;
    }
    setboxcolors(0, 0, colorof(109), colorof(110), colorof(110));
    setboxtitle(" Database Main List ");
    setfootertext(" <F1> displays help ");
    dabalist list(db);
    long start = db.findcurrent();
    list.showat(start >= 0 ? start : db.position.index);
    list.run();
    db.setcurrent(list.index());
}

excerptlist::excerptlist(excerpt& e) : dabaview(e.matches, 17, 10, int16_t(screencols()), 207), found(e) {}

void excerptlist::filterkey(int& key)
{
    switch (key) {
    case key::f1: excerptkeyhelp(); break;
    case key::tab:
        chosen = found.target == excerpt::kind::entry ? &found.callentry : nullptr;
        key = key::enter;
        return;
    case 'g':
        chosen = entryat();
        key = key::enter;
        return;
    case 'G': key = 'g'; return;
    case 'v': dabadisplay(entryat()); break;
    case 's': excerptsort(*this); break;
    default: return;
    }
    key = nokey;
}

const dabarec* showexcerpt(excerpt& e)
{
    if (e.matches.empty()) {
        msgbox("\n found nothing! \n", 500);
        return nullptr;
    }
    setboxcolors(0, 0, colorof(213), colorof(214), colorof(214));
    setboxtitle(e.caption().c_str());
    setfootertext(" <F1> displays help ");
    excerptlist list(e);
    long start = e.find(e.position.entry);
    list.showat(start >= 0 ? start : e.position.index);
    bool chosen = list.run() != 0;
    e.position.entry = list.entryat() ? *list.entryat() : dabarec();
    e.position.index = list.index();
    e.position.mode = e.current;
    return chosen ? list.chosen : nullptr;
}
