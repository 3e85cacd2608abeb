#include "app/options.h"

#include <cstdlib>
#include <cstring>

const char usagetext[] =
    "usage: vemo [-F OEM|ANSI HEIGHT WIDTH WEIGHT] [-f OEM|ANSI HEIGHT WIDTH WEIGHT] [-p h|i|n] [-a]\n"
    "       vemo --headless --script FILE --out DIR [--timeout SECONDS] [--lenient] [switches]\n"
    "       vemo --help | --version\n"
    "Switches may also start with \"/\".\n";

namespace {

bool positive(const char* text, int& value)
{
    char* end;
    long v = std::strtol(text, &end, 10);
    if (*end || end == text || v <= 0 || v > 86400)
        return false;
    value = int(v);
    return true;
}

}  // namespace

bool parseoptions(int argc, const char* const* argv, programoptions& options, std::string& error)
{
    for (int i = 1; i < argc; ++i) {
        std::string word = argv[i];
        bool takesvalue = word == "--script" || word == "--out" || word == "--timeout";
        if (takesvalue && i + 1 >= argc) {
            error = word + " needs a value";
            return false;
        }
        if (word == "--help") {
            options.help = true;
        } else if (word == "--version") {
            options.version = true;
        } else if (word == "--headless") {
            options.headless = true;
        } else if (word == "--lenient") {
            options.lenient = true;
        } else if (word == "--script") {
            options.script = argv[++i];
        } else if (word == "--out") {
            options.out = argv[++i];
        } else if (word == "--timeout") {
            if (!positive(argv[++i], options.timeout)) {
                error = std::string("bad --timeout ") + argv[i];
                return false;
            }
        } else if (word.rfind("--", 0) == 0) {
            error = "unknown option " + word;
            return false;
        } else {
            options.words.push_back(word);
        }
    }
    if (options.help || options.version)
        return true;
    if (options.headless && (options.script.empty() || options.out.empty())) {
        error = "--headless needs --script FILE and --out DIR";
        return false;
    }
    if (!options.headless && (!options.script.empty() || !options.out.empty())) {
        error = "--script and --out need --headless";
        return false;
    }
    return true;
}
