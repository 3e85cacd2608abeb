// A user object made of a C++ function, for the numeric engines' tests:
// it counts its evaluations, and a NaN from the function is a runtime
// error (the evaluator's error byte set, 0.0 returned).
#pragma once

#include <cmath>
#include <functional>
#include <istream>
#include <utility>

#include "formula/evalstate.h"
#include "objects/fu.h"

struct fnobject : fu {
    std::function<double(double)> f;
    long calls = 0;
    bool fresh = false;  // each evaluation clears the error byte first, as the evaluator's
    explicit fnobject(std::function<double(double)> fn) : f(std::move(fn)) {}
    double calcx(double x) override
    {
        ++calls;
        if (fresh)
            shared.error = evalok;
        double y = f(x);
        if (std::isnan(y)) {
            shared.error = evalruntime;
            return 0.0;
        }
        return y;
    }
    bool implement(uint8_t, uint16_t) override { return true; }
    void save(std::ostream&) override {}
    bool learn(std::istream&) override { return false; }
};
