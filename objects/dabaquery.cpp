// The compiler's queries and the remembered positions of the database.
#include <algorithm>
#include <cstring>

#include "formula/namesused.h"
#include "objects/fudaba.h"

long fudaba::search(sortmode mode, const dabarec& key) const
{
    if (current != sortmode::casesensitive)
        return -1;
    return dabasearch(entries, mode, key);
}

int16_t fudaba::nvaluesof(const char* name)
{
    if (!update(sortmode::casesensitive, true))
        return 0;
    lastfound = search(sortmode::nameonly, dabarec(name, 0, 0, 0, 0));
    return lastfound < 0 ? 0 : entries[size_t(lastfound)]->values;
}

bool fudaba::exists(const char* name, int arguments, int values, int library)
{
    if (!update(sortmode::casesensitive, true))
        return false;
    lastfound = search(sortmode::casesensitive, dabarec(name, int16_t(arguments), int16_t(values), 0, int16_t(library)));
    return lastfound >= 0;
}

int fudaba::findunique(const char* name, int arguments, int values, int excluded)
{
    if (!update(sortmode::casesensitive, true))
        return 0;
    dabarec key(name, int16_t(arguments), int16_t(values), 0, 0);
    if (!(entry(lastfound) && entry(lastfound)->sameidentity(key)))
        lastfound = search(sortmode::identity, key);
    if (lastfound < 0)
        return 0;
    int found = 0;
    auto counts = [&](long i) { return entries[size_t(i)]->library != 0 && entries[size_t(i)]->library != excluded; };
    for (long i = lastfound; i >= 0 && entries[size_t(i)]->sameidentity(key); i--)
        found += counts(i);
    for (long i = lastfound + 1; i < count() && entries[size_t(i)]->sameidentity(key); i++)
        found += counts(i);
    return found;
}

int fudaba::collect(const char* name, int values, namesused& set)
{
    if (!update(sortmode::casesensitive, true))
        return 0;
    dabarec key(name, 0, int16_t(values), 0, 0);
    lastfound = search(sortmode::namevalues, key);
    if (lastfound < 0)
        return 0;
    int visited = 0;
    auto same = [&](long i) { return dabacompare(sortmode::namevalues, *entries[size_t(i)], key) == 0; };
    auto mark = [&](long i) {
        set.flag(std::min<int>(entries[size_t(i)]->arguments, 53));
        visited++;
    };
    for (long i = lastfound; i >= 0 && same(i); i--)
        mark(i);
    for (long i = lastfound + 1; i < count() && same(i); i++)
        mark(i);
    return visited;
}

dabapos fudaba::take(long index) const
{
    dabapos p;
    if (const dabarec* e = entry(index))
        p.entry = *e;
    p.index = index;
    p.mode = current;
    return p;
}

void fudaba::setcurrent(long index)
{
    position = take(index);
}

void fudaba::remember(int n, long index)
{
    if (n >= 0 && n <= 9)
        memories[n] = take(index);
}

long fudaba::find(const dabarec& key) const
{
    return dabasearch(entries, current, key);
}

long fudaba::recall(int n) const
{
    if (n < 0 || n > 9 || memories[n].empty())
        return -1;
    long i = find(memories[n].entry);
    if (i >= 0)
        return i;
    return memories[n].mode == current ? memories[n].index : -1;
}

long fudaba::findcurrent() const
{
    return find(position.entry);
}
