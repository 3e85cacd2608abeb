// The compiler's public side besides parser::compile: the implementation
// pass that makes the called user objects ready, the mark table a caller
// installs, and the evaluation of a typed expression.
#pragma once

#include <vector>

class fu;
class markset;
class parser;

// Compilation modes (and implementation pass modes).
namespace compilemode {
constexpr int noqueue = 1;      // callees resolved but not queued for postcompile
constexpr int normal = 2;
constexpr int quiet = 3;        // no questions, no library files
constexpr int fingerprint = 4;  // queued objects only record their fingerprint
}

// The state of the implementation pass that the compilations share.
struct implpass {
    std::vector<fu*> components;   // objects found by the pass, in order
    std::vector<int> callerlibs;   // origin libraries, innermost first
    fu* current = nullptr;         // the component under implementation
    fu* root = nullptr;
    int passswitch = 2;            // nonzero: the next compilation starts a pass
    int callerlib = 0;             // library of the object whose formula is compiled
    bool listreset = true;         // the usage list is emptied at a new pass
    bool keeplist = false;
};
implpass& pass();

// The next compilation uses this mark table instead of the global one and
// releases it when it ends.
void installmarkset(markset* marks);

// Implements every component found after the first `marker` ones.
bool postcompile(parser& p, int marker);

// Compiles text without arguments and evaluates it; 0.0 when it does not
// compile or, unless several values are allowed, is not single-valued.
double evalexpression(parser& p, const char* text, bool allowseveral);
