#include "screen/filenames.h"

#include <cerrno>
#include <cstring>
#include <strings.h>
#include <fcntl.h>
#include <unistd.h>

#include "base/limits.h"
#include "platform/core/files.h"
#include "screen/inputdialogs.h"
#include "screen/keys.h"
#include "screen/msgbox.h"
#include "screen/screen.h"

namespace {

constexpr int16_t namecolumn = 12;

}  // namespace

bool plainname(std::string_view name)
{
    if (!name.empty() && name.front() == '.')
        return false;
    for (unsigned char c : name)
        if (c == '/' || c == '\\' || c < 32 || c == 127)
            return false;
    return true;
}

char* driveroot(char* buffer)
{
    strcpy(buffer, "/");
    return buffer;
}

std::string addbackslash()
{
    std::string path;
    if (char* cwd = getcwd(nullptr, 0)) {
        path = cwd;
        free(cwd);
    }
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

uint64_t existsindir(const char* name, const char* directory)
{
    if (!name || !*name)
        return 0;
    std::string dir = directory ? directory : "";
    if (directory && (dir.empty() || dir.front() != '/'))
        dir = "/" + dir;
    int64_t size = filesize(resolvefile(dir, name));
    return size < 0 ? 0 : uint64_t(size) + 1;
}

uint8_t isfilename(const char* name, const std::string& directory)
{
    if (!name || !*name || !plainname(name))
        return 0;
    std::string path = resolvefile(directory, name);
    if (filesize(path) >= 0)
        return 2;
    // An exclusive create: a file that appeared meanwhile is never opened.
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd < 0)
        return errno == EEXIST ? 2 : 0;
    close(fd);
    unlink(path.c_str());
    return 1;
}

char* shortname(char* name, const char* extension)
{
    if (!extension || !*extension)
        return name;
    int p = name[0] ? 1 : 0;
    while (p < limits::shortnamelength && name[p] && name[p] != '.')
        p++;
    name[p] = '.';
    strcpy(name + p + 1, extension);
    return name + p + 1;
}

char* newfilename(char* buffer, const char* oldname, const char* extension)
{
    for (;;) {
        // The field starts with the buffer's text (the rejected name when
        // asking again), cut to what it holds.
        buffer[limits::newnamelength] = 0;
        keycode k = keyedinputat(buffer, namecolumn, limits::newnamelength, int16_t(screenrows() - 2),
                                 " Name of the new file? ");
        if (k == key::esc || k == 0) {   // 0: no field could be shown
            buffer[0] = 0;
            return buffer;
        }
        shortname(buffer, extension);
        switch (isfilename(buffer)) {
        case 1:
            return buffer;
        case 2:
            // Names resolve ignoring letter case: so does the old name.
            if (oldname && (!strcasecmp(buffer, oldname) || !strcmp(oldname, "*2OK")))
                return buffer;
            msgstyle(1);
            msgbox(" This file already exists - \n repeating input: ");
            break;
        default:
            msgstyle(1);
            msgbox(" Cannot use this as a file name - \n repeating input: ");
            break;
        }
    }
}
