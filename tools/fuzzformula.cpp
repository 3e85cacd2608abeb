// libFuzzer target: compiles the input as a formula with the argument
// letters x and y and evaluates what compiles.  An input "LETTERS|FORMULA"
// names its own letters (at most 53, values 1.5, -2, 3, ...).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "formula/diagnostics.h"
#include "formula/evalstate.h"
#include "formula/parser.h"
#include "formula/varman.h"
#include "objects/hooks.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    startobjects();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static parser anchor;  // keeps the shared state between inputs
    std::string input(reinterpret_cast<const char*>(data), size);
    if (input.find('\0') != std::string::npos)
        return 0;
    std::string letters = "xy";
    size_t bar = input.find('|');
    if (bar != std::string::npos && bar <= 53) {
        letters = input.substr(0, bar);
        input.erase(0, bar + 1);
    }
    for (varrecord& v : shared.globals->records)
        v = varrecord{0.0, 0};
    globaldiagnostics().clear();
    shared.reportswitch = 0;
    parser p;
    short type = p.compile(input.c_str(), letters.c_str(), 3);
    bool failed = globaldiagnostics().iserror();
    if ((type == 0) != failed)
        __builtin_trap();  // a failed compilation must say why, a good one must not
    if (type != 0) {
        std::vector<double> values(letters.size());
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = i == 0 ? 1.5 : i == 1 ? -2.0 : double(i);
        p.calcarray(values.data(), short(values.size()));
    }
    return 0;
}
