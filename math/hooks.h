// The math layer's calls up to the formula engine, in one place.  The
// engine fills the table when it starts (startformula in formula/start.h).
// An empty hook does nothing: a failed call keeps the library's result,
// a bad argument is not reported, a series is not stopped early, and a
// value table's stamps compare as plain cells.
#pragma once

struct checksumcell;
struct mathexception;

struct mathhooks {
    // A runtime-library call failed (mathlib.h: matherr); the handler may
    // change e->retval.
    int (*matherr)(mathexception* e) = nullptr;
    // A predefined function met a bad argument (funcerror.h).
    void (*funcerror)(int kind, const char* name, const char* text, int n, const double* args) = nullptr;
    // The evaluator's error byte is set: by any failure, or by a user break.
    bool (*evaluationfailed)() = nullptr;
    bool (*evaluationbroken)() = nullptr;
    // A routine failed inside: the evaluation ends with an internal error.
    void (*internalerror)() = nullptr;
    // Whether a value table's stamp still matches the cell it was filled
    // under, by the formulas' current fingerprint.
    bool (*stampsmatch)(const checksumcell& stamp, const checksumcell& fill) = nullptr;
};

mathhooks& mathhook();

// The calls through the table that the math routines make.
bool evaluationfailed();
bool evaluationbroken();
void internalerror();
// Without a hook the cells are compared field by field.
bool stampsmatch(const checksumcell& stamp, const checksumcell& fill);
