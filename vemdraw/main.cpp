// VEMDRAW's program entry: reads the options, picks the front and runs
// the program on it.
//
//     vemdraw [FILE...]     the words, joined with blanks, name the file
//     vemdraw --headless --script FILE --out DIR [--timeout SECONDS] [--no-printer] [FILE...]
#include "platform/core/front.h"
#include "platform/gtk/gtkfront.h"
#include "platform/headless/headless.h"
#include "vemdraw/program.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace {

const char* usagetext =
    "usage: vemdraw [FILE]\n"
    "       vemdraw --headless --script FILE --out DIR [--timeout SECONDS] [--no-printer] [FILE]\n";

struct drawoptions {
    bool headless = false, printer = true;
    std::string script, out;
    int timeout = 60;
    std::optional<std::string> file;
};

bool parse(int argc, char** argv, drawoptions& o, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        bool takesvalue = word == "--script" || word == "--out" || word == "--timeout";
        if (takesvalue && i + 1 >= argc) {
            error = word + " needs a value";
            return false;
        }
        if (word == "--headless") {
            o.headless = true;
        } else if (word == "--no-printer") {
            o.printer = false;
        } else if (word == "--script") {
            o.script = argv[++i];
        } else if (word == "--out") {
            o.out = argv[++i];
        } else if (word == "--timeout") {
            char* end = nullptr;
            long t = std::strtol(argv[++i], &end, 10);
            if (*end || t < 1 || t > 86400) {
                error = std::string("bad --timeout ") + argv[i];
                return false;
            }
            o.timeout = int(t);
        } else if (word.rfind("--", 0) == 0) {
            error = "unknown option " + word;
            return false;
        } else {
            o.file = o.file ? *o.file + " " + word : word;
        }
    }
    if (o.headless != (!o.script.empty() && !o.out.empty())) {
        error = "--headless needs --script FILE and --out DIR, and they need --headless";
        return false;
    }
    // Opening a file changes to its folder: the dumps stay where they were asked.
    if (!o.out.empty() && o.out[0] != '/')
        o.out = std::filesystem::current_path().string() + "/" + o.out;
    return true;
}

int runprogram(platform::front& front, const drawoptions& o)
{
    vemdrawprogram program(front);
    platform::setfront(&front);
    platform::sethost(&program);
    platform::setwindowthread();
    int status = program.start(o.file) ? front.run() : platform::exitstatus::failed;
    platform::sethost(nullptr);
    platform::setfront(nullptr);
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    drawoptions o;
    std::string error;
    if (!parse(argc, argv, o, error)) {
        std::fprintf(stderr, "vemdraw: %s\n%s", error.c_str(), usagetext);
        return platform::exitstatus::usage;
    }
    if (o.headless) {
        platform::headlessfront front;
        if (!front.load({o.script, o.out, o.timeout}, error)) {
            std::fprintf(stderr, "vemdraw: %s\n", error.c_str());
            return error.rfind("line ", 0) == 0 ? platform::exitstatus::script : platform::exitstatus::usage;
        }
        front.setprinter(o.printer);
        return runprogram(front, o);
    }
    platform::gtkfront front;
    if (!front.open(error)) {
        std::fprintf(stderr, "vemdraw: %s\n", error.c_str());
        return platform::exitstatus::usage;
    }
    return runprogram(front, o);
}
