#include "objects/context.h"

#include <algorithm>
#include <cstring>
#include <dirent.h>
#include <vector>

#include "formula/chain.h"
#include "formula/evalstate.h"
#include "formula/slist.h"
#include "objects/fu.h"

chain* localobjects = nullptr;
int currentlibrary = 0;

static std::string workdir = ".";

const std::string& workdirectory()
{
    return workdir;
}

void setworkdirectory(const std::string& directory)
{
    workdir = directory;
}

static char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

static bool lessnocase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return lower(x) < lower(y); });
}

static bool islibname(const char* name)
{
    size_t n = std::strlen(name);
    if (n < 5)
        return false;
    const char* ext = name + n - 4;
    return ext[0] == '.' && lower(ext[1]) == 'l' && lower(ext[2]) == 'i' && lower(ext[3]) == 'b';
}

static int registername(const std::string& name, stringregistry& list)
{
    char* text = new char[name.size() + 1];
    std::memcpy(text, name.c_str(), name.size() + 1);
    int n = list.add(text);
    if (n == 0)
        delete[] text;
    return n;
}

int fillfilemap(const std::string& directory, stringregistry& list)
{
    DIR* dir = opendir(directory.c_str());
    if (!dir)
        return 0;
    std::vector<std::string> names;
    while (dirent* entry = readdir(dir))
        if (islibname(entry->d_name) && std::strlen(entry->d_name) <= librarynamelength)
            names.push_back(entry->d_name);
    closedir(dir);
    std::sort(names.begin(), names.end(), lessnocase);
    int added = 0;
    for (const std::string& name : names)
        added += registername(name, list) != 0;
    return added;
}

void loaddesktop()
{
    freecontext();
    localobjects = new chain;
    registername(desktoplibrary, *shared.strings);
    fillfilemap(workdir, *shared.strings);
    currentlibrary = librarynumber(desktoplibrary);
    changerecclear();
}

void freecontext()
{
    chain* objects = localobjects;
    localobjects = nullptr;
    delete objects;
}

const char* libraryname(int n)
{
    if (n == 0)
        return "resident";
    return shared.strings ? shared.strings->stringof(n) : nullptr;
}

std::string librarypath(int n)
{
    const char* name = n > 0 ? libraryname(n) : nullptr;
    return name ? workdir + "/" + name : std::string();
}

int librarynumber(const char* name)
{
    return shared.strings && name ? shared.strings->find(name) : 0;
}

int librarycount()
{
    return shared.strings ? shared.strings->lastnumber : 0;
}

void logchange(int code, fu* object)
{
}

void changerecclear()
{
}

bool readycomponent(fu* callee)
{
    return callee->recordfingerprint();
}
