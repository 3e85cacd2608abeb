#include "objects/excerpt.h"

#include <algorithm>

#include "base/report.h"
#include "formula/recordio.h"
#include "objects/context.h"
#include "objects/dabafind.h"
#include "objects/dabascan.h"
#include "objects/fudaba.h"
#include "objects/idable.h"
#include "objects/saveable.h"
#include "platform/core/files.h"
#include "screen/statusbox.h"

bool excerpt::callsearchfor()
{
    database.callname.clear();
    database.searchtext.clear();
    switch (target) {
    case kind::entry:
        database.callname = fullname(callentry.name, callentry.values);
        database.callarguments = callentry.arguments;
        return true;
    case kind::call:
        database.callname = name;
        database.callarguments = arguments;
        return true;
    case kind::text:
        database.searchtext = name;
        database.casesensitive = casesensitive;
        return true;
    default:
        report(reportkind::unexpected, " callsearchfor ");
        return false;
    }
}

void excerpt::refresh()
{
    long found = 0;
    for (int n = 1; n <= highestlibrary(); n++) {
        const dabaentry* e = database.library(n);
        if (e && !e->excerptstale)
            continue;
        statusbox::scope status(programstatus(), " searching file: \n\r     %s \n\r found: %ld ",
                                libraryname(n), found);
        size_t first = matches.size();
        if (e)
            for (const auto& r : e->records)
                matches.push_back(r.get());
        database.markexcerptsearched(n);
        if (callsearchfor())
            found += database.readfind(n, matches, first);
        else
            matches.resize(first);
    }
    sort(position.mode, true);
}

void excerpt::droplibrary(int n)
{
    auto ofn = [n](const dabarec* r) { return r->library == n; };
    matches.erase(std::remove_if(matches.begin(), matches.end(), ofn), matches.end());
}

void excerpt::sort(sortmode mode, bool force)
{
    if (mode == sortmode::none || (mode == current && !force))
        return;
    current = mode;
    std::stable_sort(matches.begin(), matches.end(),
                     [mode](const dabarec* a, const dabarec* b) { return dabacompare(mode, *a, *b) < 0; });
}

long excerpt::find(const dabarec& key) const
{
    return dabasearch(matches, current, key);
}

std::string excerpt::caption() const
{
    if (target == kind::text)
        return std::string(casesensitive ? " Grep (case-s.) " : " Grep (case-i.) ") + '"' + name.substr(0, 35) + "\" ";
    std::string callee = target == kind::entry ? fullname(callentry.name, callentry.values) : name;
    int count = target == kind::entry ? callentry.arguments : arguments;
    return " Calls to " + callee + (count < anyarguments ? "(" + std::to_string(count) + ") " : " ");
}

long fudaba::readfind(int n, std::vector<dabarec*>& matches, size_t first)
{
    linereader in(librarypath(n), dabalinelength);
    bool text = !searchtext.empty();
    if (!in.opened() || (!text && callname.empty())) {
        if (in.opened())
            reportf(reportkind::message, "\n readfind() cannot find search directive ! \n");
        matches.resize(first);
        return 0;
    }
    linetest test = text ? linetest([this](const std::string& l) { return texttest(l, searchtext, casesensitive); })
                         : linetest([this](const std::string& l) { return calltest(l, callname, callarguments); });
    size_t next = first, kept = first;
    std::string line;
    dabaheader header;
    while (next < matches.size() && in.next(line)) {
        int tag = tagtotype(line.c_str());
        if (tag == 0 || !readid(in, header, n)) {
            libreaderror(line.c_str(), " fudaba::readfind() ");
            matches.resize(first);
            return 0;
        }
        const dabarec& due = *matches[next];
        if (header.origin != 0 || header.name != due.name || header.arguments != due.arguments
            || header.values != due.values) {
            skiprestofobject(in);
            continue;
        }
        bool hit;
        if (tag == typeids::fuconst || tag == typeids::fuvector) {
            // Numbers are no text: only the comment counts.
            hit = text && test(header.comment);
            skiprestofobject(in);
        } else {
            hit = findbytest(in, text ? header.comment : std::string(), test);
        }
        if (hit)
            matches[kept++] = matches[next];
        next++;
    }
    matches.resize(kept);
    return long(kept - first);
}
