// Runtime errors of the predefined functions.  A routine that meets a bad
// argument reports it here and returns its stated fallback value; the
// evaluator stops at its next token when the error byte is set.
//
// While the report budget (shared.reportswitch) is not 0, one box is shown
// and the budget decremented.  An error sets the error byte to 1; a warning
// does so only when the user closes its box with Esc (with the budget spent,
// a warning lets the computation go on).
#pragma once

enum funcerrorkind {
    funcdomain = 1,       // " domain error! "
    funcsingular = 2,     // " domain error - singularity! "
    funcoverflow = 3,     // "Overflow! "
    funccapacity = 5,     // beyond the program's capacity
    funcestimate = 6,     // warning: the result can only be estimated
    functext = 7,         // error with the caller's text
    functextwarning = 8,  // warning with the caller's text
    funcnonsense = 9,     // warning: the argument collection makes no sense
};

// kind, the function's name as written in formulas, the text for kinds 7
// and 8 (may be null otherwise), then n arguments as doubles.
void reportfuncerror(int kind, const char* name, const char* text, int n, ...);
// The same with the arguments in an array.
void reportfuncerrorlist(int kind, const char* name, const char* text, int n, const double* args);
