#include "vemdraw/filecommands.h"

#include "vemdraw/messages.h"

#include "platform/core/files.h"
#include "platform/core/front.h"
#include "platform/core/handover.h"

std::string directoryof(const std::string& path)
{
    return path.substr(0, platform::handover::nameoffset(path));
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
