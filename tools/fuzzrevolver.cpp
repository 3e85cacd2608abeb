// libFuzzer target: reads the input as the revolver's state file into a
// ring of 240 calculators and writes the ring; that file must read again
// without a fault into the same ring (it writes the same bytes).  A read
// that finds no fault must not have written the file's .bad copy.
// Reports are answered with Esc at once.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/limits.h"
#include "base/report.h"
#include "calculator/calculator.h"
#include "formula/parser.h"
#include "objects/librarylist.h"
#include "platform/core/files.h"
#include "revolver/program.h"
#include "revolver/revolver.h"

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

// Empties every calculator of the ring, as a fresh one.
void clear(revolver& ring)
{
    for (int i = 0; i < ring.ncalcs; ++i)
        if (!ring.calculators[i]->isempty()) {
            delete ring.calculators[i];
            ring.calculators[i] = new calculator(&ring);
        }
}

// Reads file into the emptied ring and writes the ring as out; the bytes
// written, the damaged blocks in faults.
std::string roundtrip(revolver& ring, const std::string& file, const char* out, int& faults)
{
    clear(ring);
    ring.readrevolver(file);
    faults = ring.readfaults;
    removefile(at(out));
    ring.writerevolver(at(out));
    std::string bytes;
    loadfile(at(out), bytes);
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startrevolver();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static escsink sink;
    static parser* anchor = [] {
        // On a memory file system where there is one: the saves sync.
        char pattern[] = "/dev/shm/revworkXXXXXX", fallback[] = "/tmp/revworkXXXXXX";
        const char* made = mkdtemp(pattern);
        dir = made ? made : mkdtemp(fallback);
        std::atexit([] { std::filesystem::remove_all(dir); });
        setworkdirectory(dir);
        setreportsink(&sink);
        return new parser;  // the shared state, the context on an empty directory
    }();
    (void)anchor;
    static revolver ring(limits::calculatorcount, "");
    removefile(at("IN.bad"));
    if (!savefile(at("IN.REV"), std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    int faults = 0, again = 0;
    std::string once = roundtrip(ring, at("IN.REV"), "ONE.REV", faults);
    if (faults == 0 && fileexists(at("IN.bad")))
        __builtin_trap();  // a fault kept but not counted
    std::string twice = roundtrip(ring, at("ONE.REV"), "TWO.REV", again);
    if (again != 0 || once != twice)
        __builtin_trap();  // the two reads do not agree
    return 0;
}
