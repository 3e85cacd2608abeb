// libFuzzer target: reads the input as a library file, evaluates the
// finite objects read, writes them back and reads that file again.  The
// second write must give the bytes of the first (a round-trip fault
// otherwise).  Reports are answered with Esc at once.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/chain.h"
#include "base/limits.h"
#include "formula/parser.h"
#include "base/report.h"
#include "objects/fu1.h"
#include "objects/hooks.h"
#include "objects/libfile.h"
#include "objects/librarylist.h"
#include "platform/core/files.h"

namespace {

struct escsink : reportsink {
    int report(reportkind, const std::string&, const char*, int) override { return 27; }
};

// The scratch directory, one for each process, removed at the exit.
std::string dir;

std::string at(const char* name)
{
    return dir + "/" + name;
}

// Implements every object and evaluates all but the infinite sums (whose
// running time the input controls).
void evaluate(chain& list)
{
    double args[limits::arglistlength + 1];
    for (double& a : args)
        a = 0.75;
    for (listnode* node = list.head; node; node = node->next) {
        fu1* object = static_cast<fu1*>(node);
        if (object->implement(1, 0) && object->typenumber() != typeids::fuinfinite)
            object->tcalc(args);
    }
}

// Reads the file into list (evaluated with run) and writes list and what
// stayed unread as out; the bytes written (empty when nothing was).
std::string roundtrip(const std::string& in, chain& list, const std::string& out, bool run)
{
    libraryread rest;
    readlib(in, list, &rest);
    if (run)
        evaluate(list);
    removefile(out);
    writelib(out, list, true, savemode::copy, &rest);
    std::string bytes;
    loadfile(out, bytes);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startobjects();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static escsink sink;
    static parser* anchor = [] {
        char pattern[] = "libworkXXXXXX";
        dir = mkdtemp(pattern);
        std::atexit([] { std::filesystem::remove_all(dir); });
        setworkdirectory(dir);
        setreportsink(&sink);
        return new parser;  // the shared state, the context on an empty directory
    }();
    (void)anchor;
    if (!savefile(at("IN.LIB"), std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    chain first, second;
    std::string once = roundtrip(at("IN.LIB"), first, at("OUT1.LIB"), true);
    std::string twice = roundtrip(at("OUT1.LIB"), second, at("OUT2.LIB"), false);
    if (once != twice)
        __builtin_trap();  // a round-trip fault
    return 0;
}
