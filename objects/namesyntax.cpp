#include "objects/namesyntax.h"

#include <algorithm>
#include <cstring>

#include "objects/idable.h"
#include "screen/uiutil.h"

nameparse parsedname;

namespace {

constexpr int listtokens = 54;   // letters the checker accepts

const char* skipblanks(const char* p)
{
    while (*p == ' ')
        p++;
    return p;
}

bool isletter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Copies at most size - 1 characters of [from, to) and terminates.
void copybounded(char* target, size_t size, const char* from, const char* to)
{
    size_t n = std::min(size_t(to - from), size - 1);
    memcpy(target, from, n);
    target[n] = 0;
}

// Walks a list from "(" to ")"; the letters go to letters (at most max),
// the count of letters to count.  The position after ")", null when the
// list is bad.
const char* walklist(const char* p, char* letters, int max, int& count)
{
    count = 0;
    p = skipblanks(p);
    if (*p++ != '(')
        return nullptr;
    p = skipblanks(p);
    if (*p == ')')
        return p + 1;
    for (;;) {
        p = skipblanks(p);
        if (!isletter(*p) || ++count > listtokens)
            return nullptr;
        if (letters && count <= max)
            letters[count - 1] = *p;
        p = skipblanks(p + 1);
        if (*p == ')')
            return p + 1;
        if (*p++ != ',')
            return nullptr;
    }
}

}  // namespace

bool checkarglist(const char* text)
{
    return arglistcount(text) >= 0;
}

int arglistcount(const char* text)
{
    int count = 0;
    const char* end = text ? walklist(text, nullptr, 0, count) : nullptr;
    return end && !*skipblanks(end) ? count : -1;
}

std::string arglisttext(const idable& object)
{
    if (object.nargs <= 0)
        return "";
    std::string list = "(";
    for (int i = 0; i < object.nargs && object.argletters[i]; i++)
        list += (i ? "," : "") + std::string(1, object.argletters[i]);
    return list + ")";
}

const char* arglistletters(const char* text)
{
    char* letters = parsedname.letters;
    memset(letters, 0, sizeof parsedname.letters);
    int count = 0;
    const char* end = text ? walklist(text, letters, limits::arglistlength, count) : nullptr;
    if (!end || *skipblanks(end)) {
        letters[0] = 0;
        return nullptr;
    }
    return letters;
}

bool isvalidname(const char* text)
{
    if (!text)
        return false;
    const char* p = skipblanks(text);
    const char* start = p;
    if (!isnamestart((unsigned char)*p))
        return false;
    while (isnamechar((unsigned char)*p))
        p++;
    long n = p - start;
    return n >= 2 && n <= limits::namelength && !*skipblanks(p);
}

int extensionclass(const char* text)
{
    if (!text || *text != '#')
        return 0;
    const char* rest = text + 1;
    if (*rest == '#')
        return *skipblanks(rest + 1) ? 0 : 2;
    for (; *rest; rest++)
        if (*rest != ' ' && (*rest < '0' || *rest > '9'))
            return 0;
    return 1;
}

bool parsenameinput(const char* text)
{
    nameparse& r = parsedname;
    r = nameparse{};
    const char* p = skipblanks(text ? text : "");
    const char* start = p;
    bool nameok = isnamestart((unsigned char)*p);
    while (isnamechar((unsigned char)*p))
        p++;
    r.namelength = int(p - start);
    copybounded(r.name, sizeof r.name, start, p);
    nameok = nameok && r.namelength >= 2 && r.namelength <= limits::namelength;
    if (*p == '#') {
        const char* from = p;
        p = strchrnul(p, '(');
        r.hasextension = true;
        copybounded(r.extension, sizeof r.extension, from, p);
    }
    p = skipblanks(p);
    bool listok = true;
    if (*p == '(') {
        const char* close = strchr(p, ')');
        const char* end = close ? close + 1 : p + strlen(p);
        r.hasarglist = true;
        listok = end - p <= limits::arglisttextlength;
        copybounded(r.arglist, sizeof r.arglist, p, end);
        listok = listok && arglistletters(r.arglist) != nullptr;
        p = end;
    }
    return nameok && listok && !*skipblanks(p);
}

void applyparsedname(idable& object)
{
    object.setname(parsedname.name);
    memset(object.argletters, 0, sizeof object.argletters);
    memcpy(object.argletters, parsedname.letters, strnlen(parsedname.letters, limits::arglistlength));
    object.nargs = int16_t(strlen(object.argletters));
}
