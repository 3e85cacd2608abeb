// Reports of runtime errors.  They all respect the report budget
// (shared.reportswitch): matherr and reportfuncerror (funcerror.h) use one
// report of it; the others show nothing while it is spent and leave it
// alone.  None stops anything: the error byte set beside them makes the
// evaluator leave at its next token.
#pragma once

#include "math/mathlib.h"

class parser;

// The math-error handler (mathlib.h's matherr, through the math layer's
// hooks): an underflow becomes 0.0 silently; any other error sets error
// byte 1 and the error code to its type, shows one report while the budget
// lasts and returns +infinity.
int reportmatherr(mathexception* e);
// The bad-argument report of the predefined functions (funcerror.h's
// reportfuncerrorlist, through the math layer's hooks).
void reportfuncerrorbox(int kind, const char* name, const char* text, int n, const double* args);

// ASSERT failed with the top value.
void reportassert(const parser& p, double value);
// DOMAINCHECK failed; args are the owner's arguments.
void reportbadargs(const parser& p, const double* args);
// A multi-valued built-in found too little room on the value stack.
void reportstackspace(const char* name);
// solve## or inv## met a singular matrix.
void reportsingular();
// The call level reached the limit while the named function ran.
void reportcalllevel(int limit, const char* name);
// The evaluator's error exit: one call-trace box for p's owner with its
// arguments; Esc in it silences the rest of the run.
void reportcalltrace(const parser& p, const double* args);
