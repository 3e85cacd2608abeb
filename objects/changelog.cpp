#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/limits.h"
#include "formula/fingerprint.h"
#include "objects/context.h"
#include "objects/fu1.h"

static std::string format(const char* pattern, const std::string& name)
{
    char line[limits::textbuffersize];
    std::snprintf(line, sizeof line, pattern, name.c_str());
    return line;
}

std::string displayname(const fu* object, bool markforeign)
{
    std::string name = object->fullnamecount();
    return markforeign && !isown(object) ? "copy of " + name : name;
}

void logchange(int kind, fu* object, const char* oldname)
{
    nextserial();
    if (!context)
        return;
    if (kind == logdeleted || kind == logrenamed) {
        if (!object || !static_cast<fu1*>(object)->written)
            return;
        if (kind == logrenamed && !oldname)
            return;
    }
    if (kind == logdeleted) {
        context->changelog += format("Deleted:       %s\n\r", displayname(object, true));
    } else if (kind == logrenamed) {
        std::string old = isown(object) ? oldname : std::string("copy of ") + oldname;
        context->changelog += format("Renamed:       %s\n\r", old);
        context->changelog += format("   new name is %s\n\r", displayname(object, true));
    } else if (kind == logalldeleted) {
        context->changelog += "ALL OBJECTS DELETED\n\n\r";
    }
}

void changerecclear()
{
    if (!context)
        return;
    context->changelog.clear();
    context->changelisting.clear();
}

bool ismodified(const fu1* object)
{
    return object->marks[0] != 0;
}

void describechanges(std::string& listing, fu1* object, bool foreign)
{
    std::string name = displayname(object);
    const char* marks = object->marks;
    if (std::strchr(marks, 'n')) {
        listing += format("\nNew object installed: %s\n\r", name);
        return;
    }
    if (std::strchr(marks, '+')) {
        listing += format("\nObject incorporated: %s\n\r", name);
        return;
    }
    listing += format(foreign ? "\nChanges made to copy of %s :\n\r" : "\nChanges made to %s:\n\r", name);
    for (const char* m = marks; *m; ++m) {
        if (*m == 'C')
            listing += "- Comment has been edited\n\r";
        else if (*m == 'e')
            listing += "- Mathematical properties edited\n\r";
        else if (*m == 'w')
            listing += "- Values of #static or #const variables\n\r";
    }
}

int changelevel(bool listall, bool* foreignchanged)
{
    if (!context)
        return 0;
    int level = context->changelog.empty() ? 0 : 2;
    if (foreignchanged) {
        *foreignchanged = false;
        context->changelisting = context->changelog;
    }
    for (listnode* node = context->head; node; node = node->next) {
        fu1* object = static_cast<fu1*>(node);
        if (!ismodified(object))
            continue;
        bool foreign = !isown(object);
        level = std::max(level, foreign ? 1 : 2);
        if (!foreignchanged)
            continue;
        if (foreign)
            *foreignchanged = true;
        if (listall || !foreign)
            describechanges(context->changelisting, object, foreign);
    }
    return level;
}
