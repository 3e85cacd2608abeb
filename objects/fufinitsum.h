// The user object "Finite sum": a function of its arguments whose value is
// the sum of a term over an index letter that runs from a start to a stop
// value by a step, all three formulas of the arguments.
#pragma once

#include "objects/compositeslots.h"

class fufinitsum : public compositeslots {
public:
    enum { start, stop, step, summand, slots };

    fufinitsum();
    fufinitsum(const fufinitsum& source) = default;

    bool implement(uint8_t force, uint16_t level) override;
    fu1* clone() const override;
    // The sum for the arguments at args; the partial sum when a term fails
    // (error byte set, reported).  A step of 0 or one that is not finite,
    // 2^53 terms or more (an infinite stop among them) and an index that
    // the step no longer advances would never reach the stop: an
    // evaluation error.
    double tcalc(double* args) override;
    void edittitle() override;
    const char* shortname() const override { return "Finite sum"; }
    bool makeslots() override;
    const char* longname() const override { return " Finite sum "; }

    int typenumber() const override { return typeids::fufinitsum; }
    const char* tag() const override { return "@@FUFINITSUM"; }
    int show() override;

private:
    void reportterm(double index) const;
    void reportstep(double d) const;
    void reportcount(double from, double to, double d) const;
    void reportrun(const char* text) const;
};
