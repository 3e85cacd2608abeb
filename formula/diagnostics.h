// The collector of a compilation's one message: an error or a warning with
// its code, state word and position in the formula text.  User objects keep
// their own collector to show it later; parsers without one use the global.
#pragma once

#include <cstdarg>
#include <cstdint>
#include <string>
#include <vector>

class fu;

// State words of a diagnosis.
namespace diagstate {
constexpr int16_t none = 0;
constexpr int16_t warning = -1;
constexpr int16_t arguments = -11;   // argument-list error
constexpr int16_t syntax = -12;
constexpr int16_t stack = -14;       // compile stack overflow
constexpr int16_t memory = -15;
constexpr int16_t component = -16;   // a called component failed
constexpr int16_t internal = -17;
constexpr int16_t semantic = -18;
constexpr int16_t valuecount = -19;  // a component returns the wrong number of values
}

class diagnostics {
public:
    diagnostics() = default;

    // State, position, object and code 0; the message is dropped.
    void clear();
    // Clears, then formats the message (cut at 2999 characters) and takes
    // the compiler's text as the shown text.
    void setf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    void vsetf(const char* format, va_list args) __attribute__((format(printf, 2, 0)));
    // setf, then the code, state word and position.
    void set(int32_t code, int16_t state, int position, const char* format, ...)
        __attribute__((format(printf, 5, 6)));
    void vset(int32_t code, int16_t state, int position, const char* format, va_list args)
        __attribute__((format(printf, 5, 0)));

    bool iserror() const { return state < diagstate::warning; }
    bool iswarning() const { return state == diagstate::warning; }
    // The message as one text, lines joined by "\n".
    std::string message() const;

    int16_t state = 0;
    int16_t position = 0;      // offset in the formula text, -1 for none
    fu* object = nullptr;      // the component whose failure caused state -16
    int32_t code = 0;
    std::string shown;         // the formula text that goes with the message
    std::string compilertext;  // the formula being compiled
    std::vector<std::string> lines;
};

// Clears code and state when the collector's code is one of the listed
// codes (the list ends with 0); a null collector is ignored.
void cleardiagif(diagnostics* collector, ...);

// The collector of parsers that have none of their own.
diagnostics& globaldiagnostics();
