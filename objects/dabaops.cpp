#include "objects/dabaops.h"

#include <cctype>
#include <cstring>

#include "base/limits.h"
#include "base/report.h"
#include "formula/evalstate.h"
#include "formula/services.h"
#include "objects/comment.h"
#include "objects/context.h"
#include "objects/fu1.h"
#include "objects/fudaba.h"
#include "objects/libfile.h"
#include "screen/msgbox.h"
#include "screen/statusbox.h"

namespace {

// A library file read into a list of its own; what could not be read
// stays with it so that writing back loses nothing.
struct scratchlist {
    chain objects;
    libraryread rest;
    std::string path;
    bool read = false;

    explicit scratchlist(int library) : path(librarypath(library))
    {
        read = !path.empty() && readlib(path, objects, &rest) >= 0;
    }
    fu1* find(const char* name, int arguments, int values) const
    {
        return findresidentat(objects, name, arguments, values, 0);
    }
    bool write() { return writelib(path, objects, true, savemode::copy, &rest); }
    // The own objects of library n, as the database numbers them.
    uint16_t owncount(int n) const
    {
        uint16_t count = 0;
        for (const listnode* node = objects.head; node; node = node->next) {
            int origin = static_cast<const fu1*>(node)->origin;
            count += origin == 0 || origin == n;
        }
        return count;
    }
};

}  // namespace

std::string libraryfilename(const std::string& answer)
{
    std::string stem = answer.substr(0, answer.find('.')).substr(0, limits::shortnamelength);
    if (!validlibraryname(stem))
        return "";
    std::string name = stem + ".LIB";
    for (char& c : name)
        c = char(std::toupper((unsigned char)c));
    return name;
}

fu1* residentobject(const char* name, int arguments, int values)
{
    return findidentity(name, arguments, values, 0, nullptr);
}

fu1* obtain(const char* name, int arguments, int values, int library)
{
    if (library == 0) {
        fu1* resident = residentobject(name, arguments, values);
        if (!resident)
            return nullptr;
        fu1* copy = resident->clone();
        if (copy && resident->hascomment())
            copy->note = new comment(*resident->note);
        return copy;
    }
    statusbox::scope status(programstatus(), "\n loading object... ");
    scratchlist file(library);
    if (!file.read)
        return nullptr;
    // The database listed the object; a file that no longer holds it (or
    // holds it unreadable) is worth a word.
    fu1* object = file.find(name, arguments, values);
    if (!object) {
        report(reportkind::unexpected, " obtain() ");
        return nullptr;
    }
    file.objects.remove(object);
    object->origin = 0;
    return object;
}

bool eraseobject(const char* name, int arguments, int values, int library)
{
    if (library != 0 && library == currentlibrary) {
        msgstyle(1);
        msgbox("\n Cannot erase an object from the file of the active context ! \n");
        return false;
    }
    if (library == 0) {
        fu1* resident = residentobject(name, arguments, values);
        if (!resident || !context) {
            tell("\n Did not find a resident copy of %s ! \n", fullname(name, values).c_str());
            return false;
        }
        logchange(logdeleted, resident);
        context->erase(resident);
        nextgeneration();
        return true;
    }
    scratchlist file(library);
    fu1* object = file.read ? file.find(name, arguments, values) : nullptr;
    if (!object) {
        tell("\n Could not find \"%s\" in %s \n", name, libraryname(library));
        return false;
    }
    file.objects.erase(object);
    return file.write();
}

int writeinto(fu1& object, const std::string& target, bool create, uint16_t& serial)
{
    if (target.empty())
        return 0;
    int n = librarynumber(target.c_str());
    if (n != 0 && n == currentlibrary) {
        msgstyle(1);
        msgbox("\n Cannot address the active context file \n");
        return 0;
    }
    if (n == 0 && create) {
        n = addlibrary(target);
        if (n == 0) {
            msgfailed();
            return 0;
        }
        if (database)
            database->addlibrary(n);
    } else if (n == 0) {
        return 0;
    } else if (database && database->exists(object.name, object.nargs, object.nvalues, n)) {
        msgstyle(1);
        msgbox("\n There is another object of equal identity in the \n\r target context. Command aborted ! \n");
        return 0;
    }
    scratchlist file(n);
    if (!file.read) {
        msgfailed();
        return 0;
    }
    file.objects.append(&object);
    serial = file.owncount(n);
    bool written = file.write();
    file.objects.remove(&object);
    if (!written) {
        msgfailed();
        return 0;
    }
    if (database)
        database->touchlibrary(n);
    return n;
}
