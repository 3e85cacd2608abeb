// Handlers of the built-in tokens of parser::calc.
//
// The evaluator runs the machine tokens (pushes, assignments, frames,
// calls, ends), the plain arithmetic and the common functions inline; every
// other code is dispatched through a table of handlers indexed by the token
// code.  A handler works in place on the shared value stack (shared.top
// designates the slot of the top value): it takes its operands from the
// top, writes its result or results from the slot of the first (deepest)
// operand on and leaves shared.top on the last result.  A handler of a token with an
// operand cell (cellof(code) != cellkind::none) consumes exactly that one
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

// A group's table of handlers.
struct handlerrow {
    int code;
    tokenhandler handler;
};

template <int n> void registerrows(const handlerrow (&rows)[n])
{
    for (const handlerrow& r : rows)
        settokenhandler(r.code, r.handler);
}

// Fills the table once; the parser constructor calls it.
void installhandlers();

// Adapters for the common shapes.
template <double (*fn)(double)> void unaryhandler(calcframe&)
{
    double* t = shared.top;
    *t = fn(*t);
}

template <double (*fn)(double, double)> void binaryhandler(calcframe&)
{
    double* t = --shared.top;
    *t = fn(t[0], t[1]);
}

// n values from the function cell, one result.
template <double (*fn)(int, const double*)> void listhandler(calcframe& f)
{
    int n = f.cur.take().argc;
    double* first = shared.top - n + 1;
    *first = fn(n, first);
    shared.top = first;
}
