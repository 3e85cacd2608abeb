// The execution form of compiled code: what parser::calc runs.  The RPN
// code stays as the compiler wrote it; the evaluator translates it once into
// a list of operations on a stack whose top value lives in a register:
// constants folded, a push fused with the operation that takes it, squares
// and cubes by constant exponents apart (of an argument, fused too), the
// plain functions behind handler tokens called directly, the stack room the
// code needs computed once.  Code the form does not cover (frames, calls,
// assignments, multi-valued results) runs in the general loop.
#pragma once

#include <vector>

#include "formula/rpncode.h"

class parser;
class runsum;

// The quotient when the divisor is 0.
constexpr double divisionbyzero = 1e300;

namespace xo {
// Suffixes: A an argument, K a constant, P a double read through a pointer.
enum code : unsigned short {
    LOADA, LOADK, LOADP,  // the first value: nothing below it yet
    PUSHA, PUSHK, PUSHP,
    ADD, SUB, MUL, DIV, POW,  // the two top values
    ADDA, SUBA, MULA, DIVA,   // the top value and the operand
    ADDK, SUBK, MULK, DIVK,
    ADDP, SUBP, MULP, DIVP,
    LOADKMULA, PUSHKMULA,     // constant * argument
    ADDKMULA, SUBKMULA,       // the top value +- constant * argument
    MULAADDK, MULASUBK,       // a Horner step: top * argument +- constant
    ADDRUNA,                  // the same argument added n times
    LOADSUMA, PUSHSUMA,       // an argument and the same added: the run's table
    LOADPOWA, PUSHPOWA,       // an argument squared or cubed (k2: 2 or 3)
    ADDPOWA, SUBPOWA, MULPOWA, DIVPOWA,  // the top value and such a power
    POW1, POW2, POW3, POWK,   // by a constant; POWK: none of 1, 2, 3
    NEG, SQUARE, ABS,
    SQRT, EXP, LN, LOG, SIN, COS, TAN, ATAN, TANH,
    FN1, FN2, FNLIST,  // a handler token's plain function; FNLIST: n values
    HANDLER,  // a token of the handler table; n: its cursor
    POLL,     // the error test of a folded token that tests it
    END,
    count
};
}

struct xop {
    mutable const void* jump;  // set by the evaluator on its first run
    union {
        double k;
        const double* p;
        const runsum* run;
        double (*unary)(double);
        double (*binary)(double, double);
        double (*list)(int, const double*);
    };
    double k2;         // second constant of the fused pairs
    int n;             // argument index, repetitions or cursor
    unsigned short code;
};

struct execform {
    bool usable = false;   // false: the general loop runs the code
    bool leaf = false;     // no operation calls a function: runleaf runs it
    int room = 0;          // slots above the entry slot the code may fill
    int toplimit = 0;      // top-level evaluations with fewer arguments fit
    mutable bool threaded = false;  // jumps set
    std::vector<xop> ops;
    std::vector<rpncursor> cursors;  // where each HANDLER reads its token
};

// Translates p's code.  The form refers to p's cells and variables.
void translate(execform& form, const parser& p);
