#include "formula/markset.h"

#include <cstring>
#include <new>

#include "base/objcount.h"
#include "formula/letters.h"
#include "formula/slist.h"
#include "formula/varman.h"

markset::markset()
{
    objcount(87);
    components = new (std::nothrow) reflist;
    if (!components) {
        failed = 1;
        return;
    }
    owns = true;
    reset();
}

markset::markset(const markset& source)
{
    objcount(87);
    copyfields(source);
}

markset& markset::operator=(const markset& source)
{
    if (&source == this)
        return *this;
    bool keep = owns && components == source.components;
    if (owns && !keep)
        delete components;
    copyfields(source);
    owns = keep;
    return *this;
}

markset::~markset()
{
    objcount(-87);
    if (owns)
        delete components;
}

void markset::copyfields(const markset& source)
{
    std::memcpy(classes, source.classes, sizeof classes);
    std::memcpy(assigned, source.assigned, sizeof assigned);
    std::memcpy(referenced, source.referenced, sizeof referenced);
    std::memcpy(autos, source.autos, sizeof autos);
    std::memcpy(args, source.args, sizeof args);
    failed = source.failed;
    components = source.components;
    owns = false;
}

void markset::reset()
{
    std::memset(classes, classundeclared, sizeof classes);
    std::memset(assigned, 0, sizeof assigned);
    std::memset(referenced, 0, sizeof referenced);
    autos[0] = 0;
    args[0] = 0;
    if (components)
        components->clear();
}

int markset::classof(char letter) const
{
    int i = letterindex(letter);
    return i < 0 ? -1 : classes[i];
}

int markset::varcontrol(char letter) const
{
    int i = letterindex(letter);
    return i < 0 ? 0 : assigned[i];
}

namespace {
void appendletter(char* text, char letter)
{
    size_t n = std::strlen(text);
    text[n] = letter;
    text[n + 1] = 0;
}

int placeof(const char* text, char letter)
{
    const char* at = std::strchr(text, letter);
    return letter && at ? int(at - text) : -1;
}
}

char markset::declare(char letter, char cls)
{
    int i = letterindex(letter);
    if (i < 0 || !cls || !std::strchr("acsgx", cls))
        return 0;
    if (classes[i] == classundeclared) {
        classes[i] = cls;
        if (cls == classauto)
            appendletter(autos, letter);
        if (cls == classargument)
            appendletter(args, letter);
    }
    return classes[i];
}

int markset::autoindex(char letter) const
{
    return isletter(letter) ? placeof(autos, letter) : -1;
}

int markset::argindex(char letter) const
{
    return isletter(letter) ? placeof(args, letter) : -1;
}

void markset::markassigned(char letter)
{
    int i = letterindex(letter);
    if (i >= 0 && classes[i] != classundeclared)
        assigned[i] = 1;
}

void markset::markreferenced(char letter)
{
    int i = letterindex(letter);
    if (i >= 0 && classes[i] != classundeclared)
        referenced[i] = 1;
}

int markset::countclass(char cls) const
{
    int n = 0;
    for (int i = 0; i < 52; i++)
        n += classes[i] == cls;
    return n;
}

void markset::declarearguments(const char* list, bool withindependent, char independent)
{
    if (withindependent)
        declare(independent, classargument);
    for (; list && *list; list++)
        declare(*list, classargument);
}

void markset::cleararguments()
{
    for (int i = 0; i < 52; i++)
        if (classes[i] == classargument)
            classes[i] = classundeclared;
    args[0] = 0;
}

int markset::conflictingarguments(const char* list) const
{
    int n = 0;
    for (; list && *list; list++) {
        int cls = classof(*list);
        n += cls >= 0 && cls != classargument && cls != classundeclared;
    }
    return n;
}

void markset::merge(const markset& other, bool takeclasses)
{
    if (takeclasses)
        std::memcpy(classes, other.classes, 52);
    for (int i = 0; i < 52; i++) {
        if (classes[i] == classundeclared)
            continue;
        assigned[i] |= other.assigned[i];
        referenced[i] |= other.referenced[i];
    }
}

template <class test>
char markset::firstletter(test matches) const
{
    for (int i = 0; i < 52; i++)
        if (matches(classes[i], assigned[i], referenced[i]))
            return indexletter(i);
    return 0;
}

char markset::unreferencedargument() const
{
    return firstletter([](char c, bool, bool ref) { return c == classargument && !ref; });
}

char markset::unusedvariable() const
{
    return firstletter([](char c, bool set, bool ref) { return c && std::strchr("agcs", c) && !set && !ref; });
}

char markset::unreadvariable() const
{
    return firstletter([](char c, bool set, bool ref) { return c && std::strchr("acs", c) && set && !ref; });
}

char markset::unassignedstatic() const
{
    return firstletter([](char c, bool set, bool ref) { return c == classstatic && ref && !set; });
}

const char* markset::classname(char cls)
{
    switch (cls) {
    case classauto: return "auto";
    case classstatic: return "static";
    case classconst: return "const";
    case classglobal: return "global";
    case classargument: return "Argument";
    case classundeclared: return "undeclared";
    case classnone: return "UNDEFINIERT";
    default: return "invalid";
    }
}
