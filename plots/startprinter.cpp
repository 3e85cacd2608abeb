#include "plots/startprinter.h"

#include <unistd.h>

#include <filesystem>

#include "plots/plot.h"
#include "screen/msgbox.h"

printerlink& printer()
{
    static printerlink link;
    return link;
}

platform::handover::message printermessage(const std::string& dir, const std::string& name)
{
    platform::handover::message m;
    m.path = dir + "/" + name;
    m.offset = uint32_t(dir.size() + 1);
    m.type = name.empty() ? platform::handover::raise : platform::handover::copydata;
    if (name.empty())
        m.offset = 0;
    return m;
}

namespace {

bool handover(printerlink& link, const platform::handover::message& m)
{
    std::string error;
    int32_t result = 0;
    if (platform::handover::send(link.socketname, m, link.timeoutms, result, error, link.child.pid()))
        return true;
    msgstyle(1);
    tell("\n VEMDRAW did not answer: \n\r %s \n", error.c_str());
    return false;
}

bool launch(printerlink& link, const std::string& path)
{
    static int started = 0;
    link.socketname = "vemdraw-" + std::to_string(getpid()) + "-" + std::to_string(++started);
    std::string error;
    if (link.child.start(link.program, {path}, {std::string(platform::handover::variable) + "=" + link.socketname},
                         error))
        return true;
    msgstyle(1);
    tell("\n Could not start VEMDRAW: \n\r %s \n", error.c_str());
    return false;
}

}  // namespace

bool startprinter(const std::string& folder, const std::string& given)
{
    // VEMDRAW changes into each file's folder: the path must not be relative.
    std::error_code failed;
    std::filesystem::path absolute = std::filesystem::absolute(folder, failed);
    std::string dir = failed ? folder : absolute.lexically_normal().string();
    if (dir.size() > 1 && dir.back() == '/')
        dir.pop_back();
    std::string name = given;
    if (!name.empty() && !std::filesystem::is_regular_file(dir + "/" + name)) {
        msgstyle(1);
        tell("\n File does not exist: \n\r %s \n", (dir + "/" + name).c_str());
        name.clear();
    }
    platform::handover::message m = printermessage(dir, name);
    printerlink& link = printer();
    if (link.child.running())
        return handover(link, m);
    return launch(link, m.path);
}

bool startprinter(const plotpsp* p, const std::string& dir)
{
    return startprinter(dir, p ? std::string(p->transfer.name) : std::string());
}
