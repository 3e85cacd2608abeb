// libFuzzer target: reads the input as a library file and writes what it
// read at once: every record it claims to have read whole, and every
// record it kept, must come back as it stood (a loss otherwise).  Then it
// evaluates the finite objects read, writes them back and reads that file
// again: the second write must give the bytes of the first (a round-trip
// fault otherwise).  Reports are answered with Esc at once.  An input
// that begins with "@RKITERATOR" is read as a Runge-Kutta record instead:
// what it reads must write, read and write again to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/chain.h"
#include "base/limits.h"
#include "calculator/rk.h"
#include "calculator/rkiterator.h"
#include "math/valtable.h"
#include "objects/fu1.h"
#include "calculator/calcstart.h"
#include "objects/hooks.h"
#include "objects/libfile.h"
#include "platform/core/files.h"
#include "tools/fuzzwork.h"

namespace {

// Implements every object and evaluates all but the kinds whose running
// time the input controls: sums, integrals, recursions and Runge-Kutta
// functions.
void evaluate(chain& list)
{
    double args[limits::arglistlength + 1];
    for (double& a : args)
        a = 0.75;
    for (listnode* node = list.head; node; node = node->next) {
        fu1* object = static_cast<fu1*>(node);
        int type = object->typenumber();
        bool bounded = type != typeids::fuinfinite && type != typeids::furekur &&
                       type != typeids::furk && type != typeids::fufinitsum &&
                       type != typeids::fuparin;
        if (object->implement(1, 0) && bounded)
            object->tcalc(args);
    }
}

// The lines of a file, each without its LF and one CR before it; blank
// lines at the end left out (the reader does not keep them).
std::vector<std::string> lines(const std::string& bytes)
{
    std::vector<std::string> all;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        all.push_back(line);
    }
    while (!all.empty() && all.back().find_first_not_of(" \t\r") == std::string::npos)
        all.pop_back();
    return all;
}

// Whether two lines say the same: equal but for blanks and CRs at their
// ends, or one number spelled in two ways.
bool same(std::string a, std::string b)
{
    for (std::string* s : {&a, &b})
        while (!s->empty() && (s->back() == ' ' || s->back() == '\t' || s->back() == '\r'))
            s->pop_back();
    if (a == b)
        return true;
    char *enda, *endb;
    double x = std::strtod(a.c_str(), &enda), y = std::strtod(b.c_str(), &endb);
    return !a.empty() && !b.empty() && !*enda && !*endb && (x == y || (std::isnan(x) && std::isnan(y)));
}

// Whether written says again every line of the input.
bool saysthesame(const std::string& input, const std::string& written)
{
    std::vector<std::string> a = lines(input), b = lines(written);
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i]))
            return false;
    return true;
}

// Reads the file into list (evaluated with run) and writes list and what
// stayed unread as out; the bytes written (empty when nothing was).  With
// asread, the file written before the evaluation goes there.
std::string roundtrip(const std::string& in, chain& list, const std::string& out, bool run,
                      std::string* asread = nullptr)
{
    libraryread rest;
    readlib(in, list, &rest);
    if (asread) {
        removefile(out);
        writelib(out, list, true, savemode::copy, &rest);
        loadfile(out, *asread);
    }
    if (run)
        evaluate(list);
    removefile(out);
    writelib(out, list, true, savemode::copy, &rest);
    std::string bytes;
    loadfile(out, bytes);
    return bytes;
}

// Reads a Runge-Kutta record after its head line; the text written from
// what was read, empty when the read failed.
std::string rkrecordread(std::istream& in)
{
    RK rk;
    bool ok = RKiterator(rk).learn(in);
    std::ostringstream out;
    if (ok)
        RKiterator(rk).save(out, true);
    return out.str();
}

void rkrecordroundtrip(const std::string& input)
{
    std::istringstream in(input);
    std::string head;
    std::getline(in, head);
    std::string once = rkrecordread(in);
    if (once.empty())
        return;
    std::istringstream again(once);
    std::getline(again, head);
    if (rkrecordread(again) != once)
        __builtin_trap();  // a round-trip fault of the record
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startcalculator();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzwork();
    std::string input(reinterpret_cast<const char*>(data), size);
    if (input.starts_with("@RKITERATOR")) {
        rkrecordroundtrip(input);
        return 0;
    }
    if (!savefile(fuzzfile("IN.LIB"), std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    chain first, second;
    std::string asread;
    std::string once = roundtrip(fuzzfile("IN.LIB"), first, fuzzfile("OUT1.LIB"), true, &asread);
    if (!saysthesame(std::string(reinterpret_cast<const char*>(data), size), asread))
        __builtin_trap();  // something read was lost or changed
    std::string twice = roundtrip(fuzzfile("OUT1.LIB"), second, fuzzfile("OUT2.LIB"), false);
    if (once != twice)
        __builtin_trap();  // a round-trip fault
    return 0;
}
