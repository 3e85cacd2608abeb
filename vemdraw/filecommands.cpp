#include "vemdraw/filecommands.h"

#include "vemdraw/messages.h"

#include "platform/core/files.h"
#include "platform/core/front.h"
#include "platform/core/handover.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

std::string directoryof(const std::string& path)
{
    return path.substr(0, platform::handover::nameoffset(path));
}

FILE* openplotfile(const std::string& path)
{
    struct stat st;
    FILE* file = nullptr;
    std::string reason;
    if (stat(path.c_str(), &st) != 0)
        reason = std::strerror(errno);
    else if (S_ISDIR(st.st_mode))
        reason = std::strerror(EISDIR);
    else if (!S_ISREG(st.st_mode))
        reason = "not a regular file";
    else if (!(file = std::fopen(path.c_str(), "rb")))
        reason = std::strerror(errno);
    if (!file)
        errorbox("Could not open File:\n\r" + path + "\n\r" + reason, "-");
    return file;
}

std::string askopenname(const std::string& directory)
{
    platform::front* f = platform::currentfront();
    if (!f)
        return {};
    modalscope open;
    return f->filedialog(false, {{"VE plotfiles", {"*.rkp", "*.RKP"}}, {"all files", {"*"}}}, directory, "");
}

std::string asksavename(const std::string& name, const std::string& directory)
{
    platform::front* f = platform::currentfront();
    if (!f)
        return {};
    modalscope open;
    return f->filedialog(true, {}, directory, name);
}

bool filedeletecommand(const std::string& path)
{
    if (!fileexists(path)) {
        errorbox("File: " + path + "\n\r does not seem to exist !", "-");
        return false;
    }
    if (!askyesno("Delete File: \n\r" + path + " ?", "-"))
        return false;
    if (!removefile(path)) {
        errorbox("Could not delete\n\r" + path + "\n\r" + fileerror(), "-");
        return false;
    }
    return true;
}
