// One compiled formula: its code, the variable store its declarations made,
// the value cells its code reads and writes, its owner and its
// implementation stamp.  The first parser builds the shared state
// (evalstate.h) and opens the local context; the last one frees them.
#pragma once

#include "formula/rpncode.h"

class diagnostics;
class fu;
class varman;
struct execform;

class parser {
public:
    parser();
    ~parser();
    parser(const parser&) = delete;
    parser& operator=(const parser&) = delete;

    // Makes the parser unimplemented and forgets its owner, variable store,
    // diagnosis, answer and memory; the streams stay allocated for the next
    // compile.
    void reset();
    // Unimplemented with formula type 0 and no diagnosis; the code stays.
    void clearflags();
    bool isimplemented() const;

    // Compiles text with the argument letters (null for none); returns the
    // formula type: 0 failed, 1 single constant, 2 uses arguments,
    // 3 depends on variables or objects, 4 uses d0..d3, 5 several constants.
    short compile(const char* text, const char* args, int mode);

    // Makes the callees of the code ready, records the code in the global
    // fingerprint and its variables in the usage list (emptied first by a
    // top-level implementation); false when the parser is not implemented
    // or a callee cannot be made ready (diagnosis 31 names the callee).
    bool implement();

    // The evaluator: runs the code on the shared value stack with the
    // arguments at args.  Needs an implemented parser and a prepared state
    // (use the entry points below); afterwards shared.error tells the
    // outcome and shared.result where the values begin.
    double calc(double* args);

    // Entry points.  The top-level ones (calc0, calc1, calcarray,
    // calcrefs) start from an empty stack, call level 0 and error 0.
    double calc0();                                  // 0.0 when not implemented
    double calc1(double x);
    double* calcarray(const double* values, short n);  // the result pointer
    double* calcrefs(double* const* values, short n);
    // Inside a running evaluation: leaves the outer top, level and running
    // flag as they were.
    double* calcnested(const double* values, short n);
    // No preparation; the arguments are at the current top.  0.0 when not
    // implemented.
    double calcvoid();

    varman* vars = nullptr;      // owned; made by #static or #const
    rpncode code;
    double memory = 0.0;         // sto / rcl
    double answer = 0.0;         // value of the last evaluation, "ans"
    double d[4] = {};            // derivative cells d0..d3
    short valuecount = 0;
    fu* owner = nullptr;
    unsigned char constructing = 0;
    short type = 0;              // formula type of the last compile
    unsigned stamp = 0;          // implemented while equal to shared.implstamp
    diagnostics* diag = nullptr;

private:
    void startcalc();
    double calcloop(double* args);  // calc without the execution form
    double runform(const execform& form, double* args, double* entry);
    double runleaf(const execform& form, double* args, double* entry);
    double* formhandler(const execform& form, int n, double* args, double* entry, double* t, double acc);
    double formfailed(double* args, double* entry, double* t, double acc);
    static bool room(int n);
    template <class Value>
    double* calclist(short n, Value value);
    template <class Value>
    double* calclistslow(short n, Value value);

    bool counted = false;        // holds a share of the shared state
};
