// libFuzzer target: reads the input as the revolver's state file into a
// ring of 240 calculators and writes the ring; that file must read again
// without a fault into the same ring (it writes the same bytes).  A read
// that finds no fault must not have written the file's .bad copy.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/limits.h"
#include "calculator/calculator.h"
#include "platform/core/files.h"
#include "revolver/program.h"
#include "revolver/revolver.h"
#include "tools/fuzzwork.h"

namespace {

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
    removefile(fuzzfile(out));
    ring.writerevolver(fuzzfile(out));
    std::string bytes;
    loadfile(fuzzfile(out), bytes);
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
    fuzzwork();
    static revolver ring(limits::calculatorcount, "");
    removefile(fuzzfile("IN.bad"));
    if (!savefile(fuzzfile("IN.REV"), std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    int faults = 0, again = 0;
    std::string once = roundtrip(ring, fuzzfile("IN.REV"), "ONE.REV", faults);
    if (faults == 0 && fileexists(fuzzfile("IN.bad")))
        __builtin_trap();  // a fault kept but not counted
    std::string twice = roundtrip(ring, fuzzfile("ONE.REV"), "TWO.REV", again);
    if (again != 0 || once != twice)
        __builtin_trap();  // the two reads do not agree
    return 0;
}
