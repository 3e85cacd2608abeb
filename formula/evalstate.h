// The state that all parsers share: the value stack of the evaluator, the
// compile stack and buffers of the compiler, the call level, the outcome of
// the last evaluation, the implementation stamp and the program-wide
// stores.  The first parser builds it, the last one frees it.
#pragma once

#include <atomic>

#include "formula/rpncode.h"

class chain;
class fingerprint;
class markset;
class namesused;
class reflist;
class stringregistry;
class varman;

// Outcome of an evaluation, in evalstate::error.
enum evalerror : unsigned char {
    evalok = 0,
    evalruntime = 1,   // code in evalstate::errorcode
    evalinternal = 2,
    evalbreak = 4,     // set by the window thread
    evalsingular = 5,
};

constexpr short errcalllevel = 7;  // errorcode: the call-level limit was hit

// One entry of the compile stack; the compiler's current item too.
struct compileentry {
    unsigned char state;
    unsigned short token;
    operand cell;  // object or operand, argument count or letter, value count
};

struct evalstate {
    int parsercount = 0;

    double* valuestack = nullptr;
    int valuecapacity = 0;
    double* top = nullptr;        // slot of the current top value
    double* result = nullptr;     // values of the last finished evaluation

    compileentry* compilestack = nullptr;
    int buffersize = 0;           // compile stack, token and operand buffers
    unsigned char* tokenbuffer = nullptr;
    operand* operandbuffer = nullptr;

    short calllevel = 0;
    short calllimit = 0;
    // Written by the window thread too (evalbreak); polled before every token.
    std::atomic<unsigned char> error{0};
    short errorcode = 0;
    // Report budget: runtime errors are reported while it is above 0.
    short reportswitch = 0;
    // Set while an evaluation started through an entry point runs; the
    // window thread reads it to decide whether an abort breaks it.
    std::atomic<unsigned char> running{0};

    unsigned implstamp = 0;       // global generation counter
    unsigned evalserial = 0;      // advanced when a #global is assigned
    unsigned char compiling = 0;     // set while parser::compile runs
    unsigned char implementing = 0;  // set while implement readies a callee
    short passmode = 0;
    short passmode2 = 0;
    chain* resolution = nullptr;  // where names are resolved; null: the local context

    varman* globals = nullptr;
    markset* marks = nullptr;
    reflist* called = nullptr;    // objects made ready in this implementation pass
    reflist* references = nullptr;
    stringregistry* strings = nullptr;  // also the library list
    namesused* names = nullptr;
    fingerprint* print = nullptr;
};

extern evalstate shared;

// Builds the shared state; false (and nothing kept) when memory fails.
bool buildshared();
void freeshared();

// Advances the global implementation stamp: every parser and object
// compiled before must be compiled again.
void nextgeneration();

// Free value-stack slots above the top.
double stackleft();
