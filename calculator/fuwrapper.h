// A short-lived adapter for the numeric tools: one value of a calculator's
// formula object as a function of its selected argument (the other
// arguments keep their values), or one component of a Runge-Kutta
// solution as a function of the independent variable.  Made by a command
// for one tool run; never stored.
#pragma once

#include <cstdint>

#include "objects/fu.h"

class calcfunm;
class RK;

class fuwrapper : public fu {
public:
    // Wraps a formula object; component 0 until attached.
    explicit fuwrapper(calcfunm* object);
    fuwrapper();
    // Puts the saved argument pointer back.
    ~fuwrapper() override;
    fuwrapper(const fuwrapper&) = delete;

    // Wraps a solver with the state index (0 the independent variable).
    void wrapfu(RK* rk, uint16_t index);
    // Once, before the first evaluation; false: the run does not start.
    // A formula object must exist, call an object, be implemented and
    // have an argument vector; its selected value becomes the component
    // and its selected argument reads the wrapper's own cell.
    bool attach();

    double calcx(double x) override { return value(x); }              // 3
    bool implement(uint8_t, uint16_t) override { return false; }      // 5
    double value(double x);

    int typenumber() const override { return typeids::fuwrapper; }
    const char* tag() const override { return "@@FU"; }
    void save(std::ostream&) override {}
    bool learn(std::istream&) override { return false; }

    calcfunm* formulaobject = nullptr;   // not owned
    RK* solver = nullptr;                // not owned
    double argcell = 0.0;
    double* savedarg = nullptr;
    double** argslot = nullptr;
    uint16_t component = 0;
};
