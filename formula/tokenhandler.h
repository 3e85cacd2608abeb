// Handlers of the built-in tokens of parser::calc.
//
// The evaluator runs the machine tokens (pushes, assignments, frames,
// calls, ends), the plain arithmetic and the common functions inline; every
// other code is dispatched through a table of handlers indexed by the token
// code.  A handler works in place on the shared value stack (shared.top
// designates the slot of the top value): it takes its operands from the
// top, writes its result or results from the slot of the first (deepest)
// operand on and leaves shared.top on the last result.  A handler of a token with an
// operand cell (cellof(code) != operandcell::none) consumes exactly that one
// cell with f.cur.take(): argc holds the argument count of a function
// cell, valc its value count.  Errors set shared.error (mostly through the
// report routines); the evaluator leaves at the next token.
//
// Codes without a handler report an invalid token.  Groups of handlers are
// registered by functions listed in installhandlers() (tokengroups.cpp).
#pragma once

#include "formula/evalstate.h"
#include "formula/rpncode.h"

class parser;

// The frame of one running evaluation.
struct calcframe {
    parser* self;
    double* args;       // the evaluation's arguments
    double* entry;      // E: the top at entry; auto slot k is entry + k
    double* assumed;    // F: assumed value k is assumed + k
    double* statement;  // R: first value of the current statement
    rpncursor cur;      // token and operand cursors
};

using tokenhandler = void (*)(calcframe& f);

void settokenhandler(int code, tokenhandler handler);
tokenhandler gettokenhandler(int code);

using unaryfunction = double (*)(double);
using binaryfunction = double (*)(double, double);
using listfunction = double (*)(int, const double*);

// A handler with the plain function behind it where it has one: the
// evaluator's execution form calls that function itself.
struct handlerentry {
    tokenhandler handler = nullptr;
    unaryfunction unary = nullptr;
    binaryfunction binary = nullptr;
    listfunction list = nullptr;

    constexpr handlerentry() = default;
    constexpr handlerentry(tokenhandler h) : handler(h) {}
    constexpr handlerentry(tokenhandler h, unaryfunction f) : handler(h), unary(f) {}
    constexpr handlerentry(tokenhandler h, binaryfunction f) : handler(h), binary(f) {}
    constexpr handlerentry(tokenhandler h, listfunction f) : handler(h), list(f) {}
};

void settokenentry(int code, const handlerentry& entry);
// The entry of code; its handler is the invalid-token report where none
// was set.
const handlerentry& gettokenentry(int code);

// A group's table of handlers.
struct handlerrow {
    int code;
    handlerentry entry;
};

template <int n> void registerrows(const handlerrow (&rows)[n])
{
    for (const handlerrow& r : rows)
        settokenentry(r.code, r.entry);
}

// Fills the table once; the parser constructor calls it.
void installhandlers();

// Adapters for the common shapes.
template <double (*fn)(double)> void unarycall(calcframe&)
{
    double* t = shared.top;
    *t = fn(*t);
}

template <double (*fn)(double, double)> void binarycall(calcframe&)
{
    double* t = --shared.top;
    *t = fn(t[0], t[1]);
}

// n values from the function cell, one result.
template <double (*fn)(int, const double*)> void listcall(calcframe& f)
{
    int n = f.cur.take().argc;
    double* first = shared.top - n + 1;
    *first = fn(n, first);
    shared.top = first;
}

template <double (*fn)(double)> constexpr handlerentry unaryhandler{unarycall<fn>, fn};
template <double (*fn)(double, double)> constexpr handlerentry binaryhandler{binarycall<fn>, fn};
template <double (*fn)(int, const double*)> constexpr handlerentry listhandler{listcall<fn>, fn};
