// The terms of a series as a function of their index: the one-value
// evaluation (calcx) of a user object.  A failed evaluation leaves the
// evaluator's error byte set.
#pragma once

class seriesterm {
public:
    virtual double calcx(double x) = 0;

protected:
    ~seriesterm() = default;
};
