#include "objects/fudaba.h"

#include <algorithm>

#include "objects/context.h"
#include "objects/dabaresident.h"
#include "objects/dabascan.h"
#include "objects/excerpt.h"
#include "platform/core/files.h"
#include "screen/statusbox.h"

fudaba* database = nullptr;
std::string targetlibrary;

void makedatabase()
{
    if (!database)
        database = new fudaba;
}

void dropdatabase()
{
    fudaba* old = database;
    database = nullptr;
    delete old;
}

int highestlibrary()
{
    return librarycount();
}

fudaba::fudaba()
{
    table.reserve(size_t(highestlibrary()) + 10);
    entries.reserve(100 * (size_t(highestlibrary()) + 1));
    addlibrary();
    position.mode = sortmode::caseinsensitive;
    ::touchlibrary = [](int n) {
        if (database)
            database->touchlibrary(n);
    };
}

fudaba::~fudaba()
{
    invalidateall();
    ::touchlibrary = nullptr;
}

void fudaba::touchlibrary(int n)
{
    if (n < 0 || (n == 0 && !residenttracking))
        return;
    addlibrary(n);
    table[size_t(n)].changed = true;
}

bool fudaba::addlibrary(int n)
{
    size_t last = size_t(std::max(n < 0 ? highestlibrary() : n, highestlibrary()));
    if (table.size() <= last)
        table.resize(last + 1);
    return true;
}

void fudaba::invalidateall()
{
    residenttracking = true;
    entries.clear();
    if (currentexcerpt)
        currentexcerpt->matches.clear();
    for (dabaentry& e : table) {
        e.records.clear();
        e.changed = e.excerptstale = true;
    }
    lastfound = -1;
}

const dabaentry* fudaba::library(int n) const
{
    return n >= 0 && size_t(n) < table.size() ? &table[size_t(n)] : nullptr;
}

void fudaba::markexcerptstale()
{
    for (dabaentry& e : table)
        e.excerptstale = true;
}

void fudaba::markexcerptsearched(int n)
{
    if (n >= 0 && size_t(n) < table.size())
        table[size_t(n)].excerptstale = false;
}

bool fudaba::anychanged(bool filesonly) const
{
    if (!filesonly && table[0].changed)
        return true;
    int last = highestlibrary();
    if (size_t(last) >= table.size())
        return true;
    for (int n = 1; n <= last; n++)
        if (table[size_t(n)].changed)
            return true;
    return false;
}

void fudaba::dropentries(int n)
{
    auto ofn = [n](const dabarec* r) { return r->library == n; };
    entries.erase(std::remove_if(entries.begin(), entries.end(), ofn), entries.end());
    if (currentexcerpt)
        currentexcerpt->droplibrary(n);
    lastfound = -1;
}

bool fudaba::refreshlibrary(int n)
{
    addlibrary(n);
    dabaentry& e = table[size_t(n)];
    e.excerptstale = true;
    if (!e.isnew)
        dropentries(n);
    e.records.clear();
    return n == 0 ? scanresident() : scanlibrary(n);
}

bool fudaba::scanresident()
{
    std::vector<dabaheader> objects;
    if (!residentidentities(objects))
        return false;
    dabaentry& e = table[0];
    e.isnew = false;
    uint16_t serial = 0;
    for (const dabaheader& h : objects) {
        if (h.origin != 0)
            continue;
        auto r = std::make_unique<dabarec>(h.name.c_str(), h.arguments, h.values, ++serial, 0);
        if (r->invalid)
            continue;
        entries.push_back(r.get());
        e.records.push_back(std::move(r));
    }
    e.changed = false;
    return true;
}

bool fudaba::scanlibrary(int n)
{
    dabaentry& e = table[size_t(n)];
    linereader in(librarypath(n), dabalinelength);
    if (!in.opened()) {
        e.changed = false;
        return true;
    }
    e.isnew = false;
    statusbox::scope status(programstatus(), " Scanning library: \n\r %s ", libraryname(n));
    int counter = 0;
    bool end = false, bad = false;
    while (!end && !bad)
        if (auto r = readecho(in, n, counter, end, bad)) {
            entries.push_back(r.get());
            e.records.push_back(std::move(r));
        }
    if (bad)
        return false;
    e.changed = false;
    return true;
}

bool fudaba::update(sortmode mode, bool filesonly)
{
    addlibrary();
    if (!anychanged(filesonly) && (mode == sortmode::none || mode == current))
        return true;
    // A failed scan leaves its records unsorted behind the others.
    if (!filesonly && table[0].changed && !refreshlibrary(0)) {
        current = sortmode::none;
        return false;
    }
    for (int n = 1; n <= highestlibrary(); n++)
        if (table[size_t(n)].changed && !refreshlibrary(n)) {
            current = sortmode::none;
            return false;
        }
    if (mode != sortmode::none)
        sort(mode, true);
    return !anychanged(filesonly);
}

void fudaba::sort(sortmode mode, bool force)
{
    if (mode == sortmode::none || (mode == current && !force))
        return;
    current = mode;
    statusbox::scope status(programstatus(), "\n sorting %ld entries ", count());
    std::stable_sort(entries.begin(), entries.end(),
                     [mode](const dabarec* a, const dabarec* b) { return dabacompare(mode, *a, *b) < 0; });
    lastfound = -1;
}

void fudaba::setexcerpt(std::unique_ptr<excerpt> e)
{
    currentexcerpt = std::move(e);
}
