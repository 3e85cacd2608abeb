#include "objects/dabarec.h"

#include <algorithm>
#include <cstring>

dabarec::dabarec(const char* text, int16_t args, int16_t vals, uint16_t number, int16_t lib)
    : arguments(args), values(vals), serial(number), library(lib)
{
    setname(text);
}

dabarec& dabarec::operator=(const dabarec& other)
{
    std::memcpy(name, other.name, sizeof name);
    arguments = other.arguments;
    values = other.values;
    serial = other.serial;
    library = other.library;
    invalid = other.invalid;
    return *this;
}

void dabarec::setname(const char* text)
{
    size_t n = text ? std::strlen(text) : 0;
    invalid = !text || n > size_t(limits::namelength);
    if (invalid)
        n = 0;
    std::memcpy(name, text ? text : "", n);
    name[n] = 0;
}

bool dabarec::sameidentity(const dabarec& other) const
{
    return arguments == other.arguments && values == other.values && std::strcmp(name, other.name) == 0;
}

sortmode sortmodeofkey(int sortkey)
{
    for (char k : {'a', 'i', 'm', 'n', 'c', 'C', 'l'})
        if (sortkey == k)
            return sortmode(k);
    return sortmode::none;
}

const char* sortmodename(sortmode mode)
{
    switch (mode) {
    case sortmode::casesensitive: return "by name, case sensitive";
    case sortmode::caseinsensitive: return "by name, case insensitive";
    case sortmode::byvalues: return "by number of values";
    case sortmode::byarguments: return "by number of arguments";
    case sortmode::bycontext: return "by context by name";
    case sortmode::chronologic: return "by context in chronologic order";
    case sortmode::bylength: return "by length of name";
    default: return "currently unsorted";
    }
}

namespace {

int bytes(const dabarec& a, const dabarec& b)
{
    return std::strcmp(a.name, b.name);  // compares as unsigned char
}

int fold(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

int folded(const dabarec& a, const dabarec& b)
{
    const char* p = a.name;
    const char* q = b.name;
    while (*p && fold(*p) == fold(*q))
        p++, q++;
    return fold(*p) - fold(*q);
}

int number(int a, int b)
{
    return (a > b) - (a < b);
}

int values(const dabarec& a, const dabarec& b) { return number(a.values, b.values); }
int arguments(const dabarec& a, const dabarec& b) { return number(a.arguments, b.arguments); }
int library(const dabarec& a, const dabarec& b) { return number(a.library, b.library); }
int serial(const dabarec& a, const dabarec& b) { return number(a.serial, b.serial); }
int length(const dabarec& a, const dabarec& b) { return number(int(std::strlen(a.name)), int(std::strlen(b.name))); }

using sortkey = int (*)(const dabarec&, const dabarec&);

// The keys of each mode, compared in order up to the first difference.
struct modekeys {
    sortmode mode;
    sortkey keys[6];
};

const modekeys table[] = {
    {sortmode::casesensitive, {bytes, values, arguments, library}},
    {sortmode::caseinsensitive, {folded, bytes, values, arguments, library}},
    {sortmode::byvalues, {values, folded, bytes, arguments, library}},
    {sortmode::byarguments, {arguments, folded, bytes, values, library}},
    {sortmode::bycontext, {library, folded, bytes, values, arguments}},
    {sortmode::chronologic, {library, serial}},
    {sortmode::bylength, {length, folded, bytes, values, arguments, library}},
    {sortmode::nameonly, {bytes}},
    {sortmode::namevalues, {bytes, values}},
    {sortmode::identity, {bytes, values, arguments}},
};

}  // namespace

int dabacompare(sortmode mode, const dabarec& a, const dabarec& b)
{
    for (const modekeys& m : table)
        if (m.mode == mode) {
            for (sortkey k : m.keys)
                if (!k)
                    break;
                else if (int d = k(a, b))
                    return d;
            return 0;
        }
    return 0;
}

long dabasearch(const std::vector<dabarec*>& entries, sortmode mode, const dabarec& sortkey)
{
    if (sortkey.invalid)
        return -1;
    if (mode == sortmode::none) {
        for (size_t i = 0; i < entries.size(); i++)
            if (entries[i]->sameidentity(sortkey) && entries[i]->library == sortkey.library)
                return long(i);
        return -1;
    }
    auto at = std::lower_bound(entries.begin(), entries.end(), &sortkey,
                               [mode](const dabarec* a, const dabarec* b) { return dabacompare(mode, *a, *b) < 0; });
    if (at == entries.end() || dabacompare(mode, **at, sortkey) != 0)
        return -1;
    return long(at - entries.begin());
}
