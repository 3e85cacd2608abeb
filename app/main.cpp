// VEMO's program entry: reads the options, picks the front and runs the
// host on it.
#include "app/options.h"
#include "app/start.h"
#include "platform/core/cmdline.h"
#include "platform/core/thread.h"
#include "platform/gtk/gtkfront.h"
#include "platform/headless/headless.h"
#include "screen/host.h"

#include <cstdio>
#include <cstdlib>

namespace {

int runheadless(const programoptions& o)
{
    platform::headlessfront front;
    std::string error;
    if (!front.load({o.script, o.out, o.timeout, o.lenient}, error)) {
        std::fprintf(stderr, "vemo: %s\n", error.c_str());
        return error.rfind("line ", 0) == 0 ? platform::exitstatus::script : platform::exitstatus::usage;
    }
    return vemohost(front);
}

int runwindow()
{
    platform::gtkfront front;
    std::string error;
    if (!front.open(error)) {
        std::fprintf(stderr, "vemo: %s\n", error.c_str());
        return platform::exitstatus::usage;
    }
    return vemohost(front);
}

}  // namespace

int main(int argc, char** argv)
{
    programoptions o;
    std::string error;
    if (!parseoptions(argc, argv, o, error)) {
        std::fprintf(stderr, "vemo: %s\n%s", error.c_str(), usagetext);
        return platform::exitstatus::usage;
    }
    if (o.help) {
        std::fputs(usagetext, stdout);
        return 0;
    }
    if (o.version) {
        std::puts("VEMO 0.1");
        return 0;
    }
    platform::setcommandline(o.words);
    startvemo();
    int status = o.headless ? runheadless(o) : runwindow();
    // A computing thread that still runs may use what static destructors
    // would free: leave without running them.
    if (platform::thread2().started()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
