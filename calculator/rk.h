// The Runge-Kutta solver of a system of ordinary differential equations
// written as one formula: classic fourth-order steps under step-doubling
// error control, following the solution from the nearest point known to
// its value table to any parameter, ascending or descending, by the
// independent variable or (one first-order value) by arc length.
//
// The state vector yy holds the parameter at 0 (the arc length in
// arclength mode), then the sought functions grouped by derivative level:
// the d values, their d first derivatives, ... up to the (p-1)-th.  In
// arclength mode element 1 is x and element 2 is y.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "base/listnode.h"
#include "formula/rkshape.h"

class chain;
class diagnostics;
class markset;
class parser;
class valtable;
class varman;

// What RK::advance asks of a clipper chain: a value >= 0 while the state
// lies in the allowed region (forward: the walk goes towards larger
// parameters).
class rkclipper {
public:
    virtual ~rkclipper() = default;
    virtual double maskvalue(const double* state, bool forward) = 0;
};

class RK : public listnode {
public:
    enum : uint32_t { ownernone = 0, ownercalculator = 1, ownerplot = 2, ownerfunction = 3 };
    // Outcome of the last run.
    enum : uint32_t { reached = 0, formulaerror = 5, failed = 8 };
    using stepcallback = void (*)(RK& solver, const double* increment);

    RK();
    // Shape, formula, roughness settings and the value table pointer of the
    // source; no owner, no parser (compiled again at first use); a copy of
    // the variable store, or the source's when a function object lends it.
    RK(const RK& source);
    RK& operator=(const RK&) = delete;
    ~RK() override;

    // Shape and formula; the store's values; the table resized to the
    // source's state length with its start values.  False when memory fails.
    bool assign(const RK& source);
    // A copy of text (at most 1040 characters kept); invalidates.  False
    // (and failedflag) without memory.
    bool setformula(const char* text);
    // statesize = p x d; false without formula or with a shape the solver
    // does not support.
    bool checksize();
    // Compiles the formula with the shape installed; args: the argument
    // letters (null: the independent variable alone).  True when
    // implemented afterwards; a value count other than the dimension leaves
    // a diagnosis and no implementation.
    bool compile(int flag, chain* context, markset* marks, const char* args);
    // Implements again after a change of the local context.
    bool refresh();
    // Stores the further arguments (every letter of argstring but the
    // independent one) behind the state; a changed value resets the value
    // table.  independent receives the independent letter's place.
    bool copyargstoyy(const double* arguments, int& independent, const char* argstring);

    // Follows the solution to target; returns yy, the status tells how.
    double* integrate(double target, double tolerance);
    // Walks from start by distance in at most 100 halving passes.
    double* integrate2(double start, double distance, double tolerance);
    // The same walk, moving only to states the clipper allows.
    double* advance(double start, double distance, double tolerance);

    void* ownerfurk() const { return ownerkind == ownerfunction ? owner : nullptr; }
    bool isimplemented() const;
    void invalidate() { stamp = 0; }
    bool ensureparser();
    size_t statelength() const { return shape.statelength(); }

    rkshape shape;
    uint32_t version;
    void* owner = nullptr;
    uint32_t ownerkind = ownernone;
    char* formula = nullptr;
    uint32_t formulacapacity = 0;
    parser* myparser = nullptr;
    varman* vars = nullptr;          // lent by a function object owner
    bool varsshared = false;         // vars belongs to the source of a copy
    diagnostics* diag = nullptr;     // lent by a function object owner
    std::shared_ptr<valtable> table; // shared with the owner and the copies
    rkclipper* clipper = nullptr;    // not owned
    std::vector<double> argmemory;   // the further arguments' last values
    uint8_t failedflag = 0;
    uint32_t stamp = 0;
    uint16_t argcount = 1;           // length of the argument string, 1 without
    uint16_t furthercount = 0;       // argument letters other than the independent one
    uint16_t statesize = 0;          // p x d
    uint16_t valuecount = 0;
    int16_t direction = 1;
    double step = 1.0 / 64;
    double minstep = 1e-12;
    double incrementtolerance = 1e-12;
    double statetolerance = 1e-15;
    double orientation = 1.0;
    double lastslope = 0.0;
    uint32_t status = reached;
    bool rough = false;
    bool roughbefore = false;
    double roughfactor = 2.0;
    uint16_t roughcount = 0;
    uint16_t roughlimit = 10;
    uint16_t countdown = 10;
    uint32_t stepcount = 0;
    uint64_t evaluations = 0;        // formula calls since construction
    stepcallback callback;

    // The work arrays (one allocation): the stage is the argument vector
    // of the next formula call, k its derivative.
    std::vector<double> work;
    double* stage = nullptr;
    double* k = nullptr;
    double* increment = nullptr;
    double* start = nullptr;
    double* onestep = nullptr;
    double* twohalves = nullptr;
    double* fourquarters = nullptr;
    double* yy = nullptr;

private:
    bool layout();
    bool derivative();
    bool rkstep(double h, double* delta);
    bool severalsteps(int m, double h, double* sum);
    bool controlledstep(double& trial);
    bool shrinkingstep(double& trial);
    double* walk(double start, double distance, double tolerance, bool clipped);
    bool breakflag() const;
    void userbreak(double target);
    void restrict(double at);
    // A function object owner lends its store and diagnostics; a copy of
    // its solver shares the store.
    bool lendstores() const { return ownerkind == ownerfunction; }
    bool varsowned() const { return !lendstores() && !varsshared; }
};
