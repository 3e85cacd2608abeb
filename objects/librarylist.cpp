#include "objects/librarylist.h"

#include <cstring>
#include <set>
#include <vector>

#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/slist.h"
#include "platform/core/files.h"

static std::string workdir = ".";

const std::string& workdirectory()
{
    return workdir;
}

void setworkdirectory(const std::string& directory)
{
    workdir = directory;
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

// Each rejected file is reported once a run, not at every rebuild.
static bool firsttime(const std::string& file)
{
    static std::set<std::string> reported;
    return reported.insert(file).second;
}

int fillfilemap(const std::string& directory, const char* pattern, stringregistry& list)
{
    std::vector<std::string> names;
    if (!listfiles(directory, pattern, names))
        return 0;
    int added = 0;
    for (const std::string& name : names) {
        std::string file = directory + "/" + name;
        if (name.size() > librarynamelength) {
            if (firsttime(file))
                reportf(reportkind::message, "\n The library file \"%s\" is not used: \n\r its name is longer than %d characters. \n",
                        file.c_str(), librarynamelength);
            continue;
        }
        int known = list.find(name.c_str());
        if (known == 0) {
            added += registername(name, list) != 0;
            continue;
        }
        // The registered spelling is the one opened; another spelling on
        // disk is a second file that would never be read.
        const char* registered = list.stringof(known);
        if (resolvefile(directory, registered) != resolvefile(directory, name) && firsttime(file))
            reportf(reportkind::message, "\n The library file \"%s\" is not used: \n\r its name differs from \"%s\" only in letter case. \n",
                    file.c_str(), registered);
    }
    return added;
}

int fillfilemap(const std::string& directory, stringregistry& list)
{
    return fillfilemap(directory, "*.lib", list);
}

void buildlibrarylist()
{
    registername(desktoplibrary, *shared.strings);
    fillfilemap(workdir, *shared.strings);
}

int addlibrary(const std::string& name)
{
    if (!shared.strings || name.size() > librarynamelength)
        return 0;
    return registername(name, *shared.strings);
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
    return name ? resolvefile(workdir, name) : std::string();
}

int librarynumber(const char* name)
{
    return shared.strings && name ? shared.strings->find(name) : 0;
}

bool validlibraryname(const std::string& name)
{
    if (name.empty() || name[0] == '.')
        return false;
    for (unsigned char c : name)
        if (c <= ' ' || std::strchr("/\\*?\"<>|:", c))
            return false;
    return true;
}

int originlibrary(const std::string& name)
{
    int n = librarynumber(name.c_str());
    if (n == 0 && validlibraryname(name))
        n = addlibrary(name);
    return n;
}

int librarycount()
{
    return shared.strings ? shared.strings->lastnumber : 0;
}
